// ProvinceTaxManager: the province's forms and the federal forms they go with.
#include "ProvinceTaxManager.h"

#include "ProvincialForms.h"
#include "ProvincialTax.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"

namespace {

// Per province code: the provincial Schedule 2 and Schedule 11 (Quebec has neither).
struct LinkedForms
{
    int spouseTransfer;
    int tuition;
};

const LinkedForms kLinked[Global_Provs_Num] = {
    {0, 0},
    {FormType::AB_S2, FormType::AB_S11},
    {FormType::BC_S2, FormType::BC_S11},
    {FormType::MB_S2, FormType::MB_S11},
    {FormType::NB_S2, FormType::NB_S11},
    {FormType::NL_S2, FormType::NL_S11},
    {FormType::NS_S2, FormType::NS_S11},
    {FormType::NT_S2, FormType::NT_S11},
    {FormType::NU_S2, FormType::NU_S11},
    {FormType::ON_S2, FormType::ON_S11},
    {FormType::PE_S2, FormType::PE_S11},
    {0, 0},
    {FormType::SK_S2, FormType::SK_S11},
    {FormType::YT_S2, FormType::YT_S11},
};

constexpr int kOntario = 9;

// Field ids the instalment calculator asks the main province's plug-in for.
constexpr int kProvincialTaxId = 63855;
constexpr int kProvincialRefundableCreditsId = 63856;

const LinkedForms &linkedForms(int province)
{
    return kLinked[province >= 0 && province < Global_Provs_Num ? province : 0];
}

} // namespace

ProvinceTaxManager::ProvinceTaxManager(int province) : CProvincialTaxManager(province) {}

ProvinceTaxManager::~ProvinceTaxManager()
{
    // An interview object nobody freed must not outlive the library that made it.
    delete m_wizard;
}

bool ProvinceTaxManager::makesForm(int province, int code)
{
    const FormInfoRow *row = formInfo(code);
    return row && code > 0 && IsProvinceSupported(province) &&
           (row->province == province || row->province == -1);
}

CTaxData_Form *ProvinceTaxManager::createProvincialForm(int code, bool)
{
    if (!makesForm(m_province, code))
        return nullptr;
    const LinkedForms &linked = linkedForms(m_province);
    CTaxData_Form *form = nullptr;
    if (code == linked.spouseTransfer)
        form = new TaxData_ProvSpouseTransfer(code);
    else if (code == linked.tuition)
        form = new TaxData_ProvTuition(code);
    else if (code == FormType::ON479A)
        form = new TaxData_ON479A;
    else if (code == FormType::SK_DEPCHILD)
        form = new TaxData_SKDependentChild;
    else if (code == FormType::QC_TP1)
        form = new TaxData_QCTP1;
    else if (code == FormType::PROV428)
        form = new TaxData_Prov428;
    else
        form = new TaxData_ProvincialForm(code);
    form->setMainTaxProvince(m_province);
    m_forms.insert(form);
    return form;
}

bool ProvinceTaxManager::deleteProvincialForm(CTaxData_Form *form, bool)
{
    if (!m_forms.erase(form))
        return false;
    delete form;
    return true;
}

CTaxData_Form *ProvinceTaxManager::createWizardData()
{
    if (m_province != kOntario)
        return nullptr;
    if (!m_wizard)
        m_wizard = new TaxData_ONWizard;
    return m_wizard;
}

bool ProvinceTaxManager::freeWizardData()
{
    if (!m_wizard)
        return false;
    delete m_wizard;
    m_wizard = nullptr;
    return true;
}

void ProvinceTaxManager::applyWizardData()
{
    if (!m_wizard)
        return;
    if (!m_answers)
        m_answers = std::make_unique<TaxData_ONWizard>();
    m_answers->copyValuesFrom(*m_wizard);
}

void ProvinceTaxManager::updateWizardData()
{
    if (m_wizard && m_answers)
        m_wizard->copyValuesFrom(*m_answers);
}

int ProvinceTaxManager::getLinkedProvincialFormType(int federalCode)
{
    const LinkedForms &linked = linkedForms(m_province);
    switch (federalCode) {
    case FormType::SCH2:
        return linked.spouseTransfer;
    case FormType::SCH11:
        return linked.tuition;
    case FormType::T778:
        return m_province == kOntario ? FormType::ON479A : 0;
    default:
        return 0;
    }
}

namespace {

// A T1 line by its registered name; 0 when this T1 has no such line.
double lineNamed(const TaxData_T1New &t1, const char *name)
{
    const auto *line = dynamic_cast<const CFloatField *>(t1.findField(name));
    return line ? line->value() : 0.0;
}

// What the provincial tax reads of the return: the T1's lines, the spouse or eligible
// dependant of Schedule 5, the gifts of Schedule 9 and the shared dependants block.
ProvincialTaxInput taxInput(const TaxData_T1New &t1, const TaxData_Sch5 *sch5,
                            const TaxData_Sch9 *sch9, const DependantInfoStruct *dependants)
{
    ProvincialTaxInput in;
    in.taxableIncome = t1.f26000;
    in.netIncome = t1.f23600;
    in.age65OrOver = t1.IsAgeNotUnder65();
    in.hasSpouse = t1.HasSpouse();
    in.spouse65OrOver = t1.IsSpouseAgeNotUnder65();
    in.spouseNetIncome = in.hasSpouse ? t1.spouseNetIncome.value() : 0.0;
    if (sch5) {
        in.claimSpouse = sch5->canClaimSpouse;
        in.spouseNetIncome = in.claimSpouse ? sch5->spouseNetIncome.value() : in.spouseNetIncome;
        in.claimEligibleDependant = !in.claimSpouse && sch5->eligibleDependants > 0;
        in.dependantNetIncome = sch5->dependantNetIncome;
    }
    in.pensionAmount = t1.f31400;
    in.cppBase = t1.f30800;
    in.cppSelfEmployed = t1.f31000;
    in.eiPremiums = t1.f31200;
    in.eiSelfEmployed = t1.f31217;
    in.volunteerAmount = t1.f31220 + t1.f31240;
    in.adoptionAmount = t1.f31300;
    in.disability = t1.disabilityFlag != 0;
    in.medicalExpenses = t1.f33099;
    in.allowableGifts = sch9 ? sch9->f33700.value() : 0.0;
    in.eligibleDividends = t1.eligibleDividends;
    in.nonEligibleDividends = t1.f12010;
    in.employmentIncome = t1.canadaEmploymentBase;
    in.federalAgeAmount = t1.f30100;
    in.federalSpouseAmount = t1.f30300;
    in.federalDependantAmount = t1.f30400;
    in.federalCaregiverAmounts = lineNamed(t1, "30425") + lineNamed(t1, "30450") + t1.f30500;
    in.federalEmploymentAmount = t1.f31260;
    in.federalDisabilityAmount = t1.f31600;
    in.federalMedicalAmount = t1.f33200;
    if (dependants) {
        for (int i = 0; i < dependants->count(); ++i) {
            const DependantRecord &record = dependants->record(i);
            const int age = record.ageAtYearEnd();
            if (age < 0)
                continue;
            if (record.isChild() && age <= 18)
                ++in.childrenUnder19;
            if (record.infirm && age >= 18) {
                ++in.infirmDependantsOver17;
                in.infirmDependantIncomes.push_back(record.netIncome);
            }
        }
    }
    return in;
}

} // namespace

int ProvinceTaxManager::calculatePass4(TaxData_T1New *t1, TaxData_Sch2 *, TaxData_Sch3 *,
                                       TaxData_WS_D1 *, TaxData_Sch5 *sch5, TaxData_Sch9 *sch9,
                                       TaxData_Sch11 *, TaxData_T1206New *, const T2209FormList &,
                                       TaxData_T691New *, CTaxData_T1219 *)
{
    if (!t1 || t1->getMainTaxProvince() != m_province)
        return 0;
    const ProvincialTaxResult result =
        ProvincialTax::calculate(m_province, taxInput(*t1, sch5, sch9, m_dependants));
    t1->f42800 = result.tax;
    m_provincialTax = result.tax;
    for (CTaxData_Form *form : m_forms) {
        auto *form428 = dynamic_cast<TaxData_Prov428 *>(form);
        if (!form428)
            continue;
        form428->taxableIncome = t1->f26000.value();
        form428->basicTax = result.basicTax;
        form428->creditAmounts = result.creditAmounts;
        form428->credits = result.credits;
        form428->surtax = result.surtax;
        form428->dividendCredit = result.dividendCredit;
        form428->taxReduction = result.reduction;
        form428->lowIncomeCredit = result.lowIncomeCredit;
        form428->healthPremium = result.healthPremium;
        form428->provincialTax = result.tax;
    }
    return 0;
}

bool ProvinceTaxManager::getProvincialAmount(int fieldId, double *out)
{
    if (!out)
        return false;
    switch (fieldId) {
    case kProvincialTaxId:
        *out = m_provincialTax;
        return true;
    case kProvincialRefundableCreditsId:
        *out = 0;
        return true;
    default:
        return false;
    }
}

void ProvinceTaxManager::getProvincialThresholds(QList<double> &thresholds)
{
    for (double threshold : ProvincialTax::thresholds(m_province))
        thresholds.append(threshold);
}
