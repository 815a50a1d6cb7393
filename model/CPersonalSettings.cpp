// CPersonalSettings: the five view values.
#include "model/CPersonalSettings.h"

void CPersonalSettings::setPersonView(bool isSpouse, int kind, int id)
{
    (isSpouse ? m_spouseKind : m_taxpayerKind) = kind;
    (isSpouse ? m_spouseId : m_taxpayerId) = id;
    m_lastPerson = isSpouse ? 1 : 0;
}

void CPersonalSettings::getLastView(bool &isSpouse, int &kind, int &id) const
{
    isSpouse = m_lastPerson == 1;
    getPersonView(isSpouse, kind, id);
}

void CPersonalSettings::getPersonView(bool isSpouse, int &kind, int &id) const
{
    kind = isSpouse ? m_spouseKind : m_taxpayerKind;
    id = isSpouse ? m_spouseId : m_taxpayerId;
}

void CPersonalSettings::clear()
{
    m_lastPerson = m_taxpayerKind = m_spouseKind = m_taxpayerId = m_spouseId = 0;
}
