// ProvinceTaxManager: the province's forms and the federal forms they go with.
#include "ProvinceTaxManager.h"

#include "ProvincialForms.h"
#include "marrow/FormTables.h"

namespace {

// Per province code: the provincial Schedule 2 and Schedule 11 (Quebec has neither).
struct LinkedForms
{
    int spouseTransfer;
    int tuition;
};

const LinkedForms kLinked[Global_Provs_Num] = {
    {0, 0},   {47, 48}, {43, 44}, {90, 91}, {94, 95}, {64, 65}, {72, 73},
    {68, 69}, {76, 77}, {26, 27}, {79, 80}, {0, 0},   {82, 83}, {110, 111},
};

constexpr int kOntario = 9;
constexpr int kT778 = 13;
constexpr int kON479A = 87;

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
    else if (code == kON479A)
        form = new TaxData_ON479A;
    else if (code == 81)
        form = new TaxData_SKDependentChild;
    else if (code == 161)
        form = new TaxData_QCTP1;
    else if (code == 156)
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
    case 3:
        return linked.spouseTransfer;
    case 11:
        return linked.tuition;
    case kT778:
        return m_province == kOntario ? kON479A : 0;
    default:
        return 0;
    }
}
