// FamilyTaxData: coupling two files, shared forms and slips, and what spouses keep in step.
#include "model/FamilyTaxData.h"

#include "marrow/FederalForms.h"
#include "marrow/FormFactory.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/IndividualTaxData.h"
#include "model/SpouseTwins.h"
#include "ordane/CString.h"

namespace {

constexpr int kFullNameKey = 17;
constexpr int kSignedBalanceKey = 483;

bool withSpouse(int maritalStatus)
{
    return unsigned(maritalStatus) < 2;
}

// Links point at ids of one particular partner; after a coupling they name nothing.
void clearLinks(IndividualTaxData &person)
{
    for (TaxDataEntryStru *entry : person.m_formList)
        entry->linkedId = 0;
    for (TaxDataEntryStru *entry : person.m_slipList)
        entry->linkedId = 0;
}

template <typename Form> Form *formOf(IndividualTaxData *person, int type)
{
    return person ? dynamic_cast<Form *>(person->getForm(type, 0, false)) : nullptr;
}

} // namespace

bool linkSingleTwin(IndividualTaxData &person, IndividualTaxData &partner, CTaxData_Form &form)
{
    const int id = person.getFormId(&form);
    TaxDataEntryStru *twin = id ? partner.findFormEntry(form.getType(), 0, true) : nullptr;
    if (!twin) {
        person.setFormLinkId(&form, 0);
        return false;
    }
    twin->linkedId = id;
    person.setFormLinkId(&form, twin->id);
    return true;
}

int FamilyTaxData::coupleWith(FamilyTaxData &other)
{
    m_spouse->freeAllData();
    *m_spouse = *other.m_taxpayer;
    m_taxpayer->setCoupledReturn(true);
    m_spouse->setCoupledReturn(true);
    clearLinks(*m_taxpayer);
    clearLinks(*m_spouse);

    const int mine = m_taxpayer->getMaritalStatus();
    const int theirs = m_spouse->getMaritalStatus();
    if (withSpouse(mine)) {
        m_spouse->setMaritalStatus(mine);
    } else if (withSpouse(theirs)) {
        m_taxpayer->setMaritalStatus(theirs);
    } else {
        m_taxpayer->setMaritalStatus(0);
        m_spouse->setMaritalStatus(0);
    }
    return 1;
}

void FamilyTaxData::makeSpouseTheTaxpayer()
{
    // The plug-in objects go back to the plug-ins that made them while those are still loaded.
    m_taxpayer->freeAllData();
    m_taxpayer = std::move(m_spouse);
    m_spouse = std::make_unique<IndividualTaxData>(m_routingFlag, &m_dependants);
}

void FamilyTaxData::changeProvince(int oldProvince, int newProvince, bool both)
{
    if (both && isCoupled()) {
        m_taxpayer->changeProvince(oldProvince, newProvince);
        m_spouse->changeProvince(oldProvince, newProvince);
    } else if (IndividualTaxData *person = getCurrentPersonData()) {
        person->changeProvince(oldProvince, newProvince);
    }
}

void FamilyTaxData::getPersonNames(CString &taxpayer, CString &spouse)
{
    m_taxpayer->getTextByKey(kFullNameKey, taxpayer);
    spouse.clear();
    if (isCoupled())
        m_spouse->getTextByKey(kFullNameKey, spouse);
}

bool FamilyTaxData::isFormShared(CTaxData_Form *form) const
{
    const IndividualTaxData *person = getCurrentPersonData();
    return person && isCoupled() && person->getFormLinkId(form) > 0;
}

void FamilyTaxData::shareForm(CTaxData_Form *form, int)
{
    IndividualTaxData *person = getCurrentPersonData();
    IndividualTaxData *partner = getPartnerData();
    if (!form || !person || !partner || !IsFormSharable(form->getType()))
        return;
    const int id = person->getFormId(form);
    if (id == 0)
        return;
    const int type = form->getType();
    if (IsSFDForm(type)) {
        const int copyId = partner->takeNextId();
        TaxDataEntryStru *copy = partner->addForm(type, copyId, true, id, true);
        if (!copy)
            return;
        copy->data->copyValuesFrom(*form);
        person->setFormLinkId(form, copyId);
        return;
    }
    linkSingleTwin(*person, *partner, *form);
}

void FamilyTaxData::unshareForm(CTaxData_Form *form)
{
    IndividualTaxData *person = getCurrentPersonData();
    IndividualTaxData *partner = getPartnerData();
    if (!form || !person)
        return;
    const int linkedId = person->getFormLinkId(form);
    // An unlinked form has no twin: the partner's only form of the type may be another's.
    if (partner && linkedId > 0) {
        if (TaxDataEntryStru *twin = partner->findFormEntry(form->getType(), linkedId, false))
            twin->linkedId = 0;
    }
    person->setFormLinkId(form, 0);
}

bool FamilyTaxData::isSlipShared(CTaxData_Form *slip) const
{
    const IndividualTaxData *person = getCurrentPersonData();
    return person && isCoupled() && person->getSlipLinkId(slip) > 0;
}

void FamilyTaxData::shareSlip(CTaxData_Form *slip, int)
{
    IndividualTaxData *person = getCurrentPersonData();
    IndividualTaxData *partner = getPartnerData();
    if (!slip || !person || !partner || !IsSlipSharable(slip->getType()))
        return;
    const int id = person->getSlipId(slip);
    if (id == 0)
        return;
    TaxDataEntryStru *copy = partner->addSlip(slip->getType(), partner->takeNextId(), id);
    if (!copy)
        return;
    copy->data->copyValuesFrom(*slip);
    person->setSlipLinkId(slip, copy->id);
}

void FamilyTaxData::unshareSlip(CTaxData_Form *slip)
{
    IndividualTaxData *person = getCurrentPersonData();
    IndividualTaxData *partner = getPartnerData();
    if (!slip || !person)
        return;
    const int linkedId = person->getSlipLinkId(slip);
    if (partner && linkedId > 0) {
        if (CTaxData_Form *twin = partner->getSlip(slip->getType(), linkedId, false))
            partner->setSlipLinkId(twin, 0);
    }
    person->setSlipLinkId(slip, 0);
}

bool FamilyTaxData::syncSpouseMailingAddress()
{
    auto *mine = formOf<TaxData_T1New>(getCurrentPersonData(), FormType::T1);
    auto *theirs = formOf<TaxData_T1New>(getPartnerData(), FormType::T1);
    if (!isCoupled() || !mine || !theirs)
        return false;
    theirs->SyncWithSpouseMailingAddr(*mine);
    return true;
}

int FamilyTaxData::fillPreparerInfo()
{
    if (IndividualTaxData *person = getCurrentPersonData())
        person->fillPreparerInfo();
    if (IndividualTaxData *partner = getPartnerData())
        partner->fillPreparerInfo();
    return 0;
}

int FamilyTaxData::syncSpouseT778()
{
    if (!isCoupled())
        return 0;
    auto *mine = formOf<TaxData_T778New>(getCurrentPersonData(), FormType::T778);
    auto *theirs = formOf<TaxData_T778New>(getPartnerData(), FormType::T778);
    if (!mine || !theirs)
        return 1;
    theirs->SyncWithSpouseT778(*mine);
    return 0;
}

void FamilyTaxData::getBalanceAmounts(double &taxpayer, double &spouse, double &total)
{
    taxpayer = spouse = total = 0;
    if (!m_taxpayer->hasForm(FormType::T1))
        return;
    if (!isCoupled()) {
        m_taxpayer->getAmountByKey(kSignedBalanceKey, taxpayer);
        total = taxpayer;
        return;
    }
    double mine = 0;
    double theirs = 0;
    if (m_taxpayer->getAmountByKey(kSignedBalanceKey, mine) &&
        m_spouse->getAmountByKey(kSignedBalanceKey, theirs)) {
        taxpayer = mine;
        spouse = theirs;
        total = mine + theirs;
    }
}
