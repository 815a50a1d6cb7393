// ProvinceTaxManager: the province's forms and the federal forms they go with.
#include "ProvinceTaxManager.h"

#include "ProvincialForms.h"
#include "marrow/FormTables.h"
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
