// FamilyTaxData: a return file from the new-return wizard, Auto-fill data, last year's file.
#include "model/FamilyTaxData.h"

#include "marrow/TypeCodes.h"
#include "model/AutoFillMerge.h"
#include "model/DataNewReturnBasic.h"
#include "model/ImportOptions.h"
#include "model/IndividualTaxData.h"

namespace {

bool withSpouse(int maritalStatus)
{
    return unsigned(maritalStatus) < 2;
}

// The new-return wizard's form choices, in the order the taxpayer's forms are made.
struct FormChoice
{
    CBoolField DataNewReturnBasic::*choice;
    int type; // 0: the tuition forms
};

const FormChoice kTaxpayerChoices[] = {
    {&DataNewReturnBasic::fld_bSch3, FormType::SCH3},
    {&DataNewReturnBasic::fld_bSch4, FormType::WSD1},
    {&DataNewReturnBasic::fld_bSch6, FormType::SCH6},
    {&DataNewReturnBasic::fld_bSch7, FormType::SCH7},
    {&DataNewReturnBasic::fld_bSch9, FormType::SCH9},
    {&DataNewReturnBasic::fld_bSch11, 0},
    {&DataNewReturnBasic::fld_bSch15, FormType::SCH15},
    {&DataNewReturnBasic::fld_bT776, FormType::T776},
    {&DataNewReturnBasic::fld_bT2125, FormType::T2125},
};

void makeChosenForm(IndividualTaxData &person, const DataNewReturnBasic &answers,
                    const FormChoice &choice)
{
    if (!(answers.*choice.choice).value())
        return;
    if (choice.type == 0)
        person.addTuitionForms();
    else
        person.getForm(choice.type, 0, true);
}

} // namespace

int FamilyTaxData::createFromNewReturnWizard(DataNewReturnBasic &answers)
{
    const int status = answers.fld_MaritalStatus.value();
    const bool together = withSpouse(status) && answers.fld_Coupled.value();

    m_taxpayer->setupNewReturn(answers.fld_TaxPronv.value(), answers.fld_FirstName.value(),
                               answers.fld_LastName.value(), answers.fld_sin.value(),
                               answers.fld_dob.date(), status, answers.fld_FirstNameSpouse.value(),
                               answers.fld_LastNameSpouse.value(), answers.fld_sinSpouse.value(),
                               answers.fld_dobSpouse.date(), together);
    for (const FormChoice &choice : kTaxpayerChoices)
        makeChosenForm(*m_taxpayer, answers, choice);
    if (withSpouse(status))
        m_taxpayer->addSpouseTransferForms();

    if (together) {
        m_spouse->setupNewReturn(answers.fld_TaxPronvSpouse.value(),
                                 answers.fld_FirstNameSpouse.value(),
                                 answers.fld_LastNameSpouse.value(), answers.fld_sinSpouse.value(),
                                 answers.fld_dobSpouse.date(), status,
                                 answers.fld_FirstName.value(), answers.fld_LastName.value(),
                                 answers.fld_sin.value(), answers.fld_dob.date(), together);
        // The spouse starts with a few of the choices only.
        const FormChoice spouseChoices[] = {
            {&DataNewReturnBasic::fld_bSch7, FormType::SCH7},
            {&DataNewReturnBasic::fld_bT776, FormType::T776},
            {&DataNewReturnBasic::fld_bSch11, 0},
        };
        for (const FormChoice &choice : spouseChoices)
            makeChosenForm(*m_spouse, answers, choice);
        m_spouse->addSpouseTransferForms();
        makeChosenForm(*m_spouse, answers, {&DataNewReturnBasic::fld_bSch6, FormType::SCH6});
    }
    m_dependants.AllocData(DependantInfoStruct::kDefaultRecords);
    return Recalculate(-1, nullptr);
}

int FamilyTaxData::applyAutoFillData(TDDTaxDataOnePerson *data, DataAFR *options)
{
    if (IndividualTaxData *person = getCurrentPersonData())
        autoFillMerge()(*person, data, options);
    Recalculate(-1, nullptr);
    return 0;
}

void FamilyTaxData::importPriorYearReturn(const ImportOptions &options)
{
    const bool coupled = isCoupled();
    m_taxpayer->convertFromPriorYear(options);
    if (coupled) {
        m_spouse->convertFromPriorYear(options);
        return;
    }
    if (!options.makeCoupled)
        return;
    IndividualTaxData &taxpayer = *m_taxpayer;
    if (!taxpayer.getT1Data())
        return; // nothing to take the spouse from
    taxpayer.setMaritalStatus(0);
    taxpayer.setCoupledReturn(true);
    m_spouse->freeAllData();
    m_spouse->setupNewReturn(
        taxpayer.m_province, taxpayer.getSpouseFirstName(), taxpayer.getSpouseLastName(),
        taxpayer.getSpouseSIN(), taxpayer.getSpouseBirthDate(), 0, taxpayer.getFirstName(),
        taxpayer.getLastName(), taxpayer.getSIN(), taxpayer.getBirthDate(), true);
}

void FamilyTaxData::enableAllFormsMode()
{
    m_taxpayer->createAllForms();
    m_spouse->m_allFormsFlag = 1;
}
