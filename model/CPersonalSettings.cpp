// CPersonalSettings: the five view values.
#include "model/CPersonalSettings.h"

#include "ordane/MyDataStream.h"

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

void CPersonalSettings::Serialize(MyDataStream &ar)
{
    int *const values[] = {&m_lastPerson, &m_taxpayerKind, &m_spouseKind, &m_taxpayerId,
                           &m_spouseId};
    if (ar.IsStoring()) {
        ar << qint32(1);
        for (const int *value : values)
            ar << qint32(*value);
        return;
    }
    qint32 ignored = 0;
    ar >> ignored;
    for (int *value : values) {
        qint32 read = 0;
        ar >> read;
        *value = read;
    }
}
