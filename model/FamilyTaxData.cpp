// FamilyTaxData: ownership of both persons, copy and compare, current and partner person.
#include "model/FamilyTaxData.h"

#include "marrow/TypeCodes.h"
#include "model/IndividualTaxData.h"

namespace {
constexpr int kLastFurtherPerson = 11;
} // namespace

FamilyTaxData::FamilyTaxData(int routingFlag)
    : m_routingFlag(routingFlag),
      m_taxpayer(std::make_unique<IndividualTaxData>(routingFlag, &m_dependants)),
      m_spouse(std::make_unique<IndividualTaxData>(routingFlag, &m_dependants))
{
}

FamilyTaxData::~FamilyTaxData()
{
    freeAllData();
}

void FamilyTaxData::freeAllData()
{
    m_dependants.FreeData();
    m_taxpayer->freeAllData();
    m_spouse->freeAllData();
    m_currentPerson = PersonTaxpayer;
}

FamilyTaxData &FamilyTaxData::operator=(const FamilyTaxData &other)
{
    if (this == &other)
        return *this;
    *m_taxpayer = *other.m_taxpayer;
    *m_spouse = *other.m_spouse;
    m_currentPerson = other.m_currentPerson;
    m_dependants = other.m_dependants;
    return *this;
}

bool FamilyTaxData::assignValuesFrom(const FamilyTaxData &other)
{
    const bool taxpayer = m_taxpayer->assignValuesFrom(*other.m_taxpayer);
    const bool spouse = m_spouse->assignValuesFrom(*other.m_spouse);
    m_currentPerson = other.m_currentPerson;
    // The dependants are saved with the return, so the snapshot must carry them too.
    m_dependants = other.m_dependants;
    return taxpayer && spouse;
}

bool FamilyTaxData::isDifferent(const FamilyTaxData &other) const
{
    // A change made only to the dependants must count as unsaved.
    return m_taxpayer->isDifferent(*other.m_taxpayer) || m_spouse->isDifferent(*other.m_spouse) ||
           m_dependants != other.m_dependants;
}

bool FamilyTaxData::isEqual(const FamilyTaxData &other) const
{
    return m_taxpayer->isEqual(*other.m_taxpayer) && m_spouse->isEqual(*other.m_spouse) &&
           m_dependants == other.m_dependants;
}

IndividualTaxData *FamilyTaxData::getPersonData(PersonIndex index) const
{
    if (index == PersonTaxpayer)
        return m_taxpayer.get();
    if (index == PersonSpouse)
        return m_spouse.get();
    return nullptr; // further persons are never filled
}

int FamilyTaxData::setCurrentPersonIndex(int index)
{
    if (index >= PersonTaxpayer && index <= kLastFurtherPerson)
        m_currentPerson = index;
    return m_currentPerson;
}

IndividualTaxData *FamilyTaxData::getPartnerData() const
{
    if (m_currentPerson == PersonTaxpayer)
        return m_spouse.get();
    if (m_currentPerson == PersonSpouse)
        return m_taxpayer.get();
    return nullptr;
}

bool FamilyTaxData::isCoupled() const
{
    // Quebec's return is made only by Quebec's plug-in.
    return m_taxpayer->hasForm(FormType::T1) ? m_spouse->hasForm(FormType::T1)
                                             : m_spouse->hasForm(FormType::QC_TP1);
}

void FamilyTaxData::getLoadedProvinces(QList<int> &out) const
{
    const IndividualTaxData *person =
        m_currentPerson == PersonSpouse ? m_spouse.get() : m_taxpayer.get();
    person->m_provsTaxMgr.listLoadedProvinces(out);
}
