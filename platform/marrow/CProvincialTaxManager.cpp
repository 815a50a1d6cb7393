// CProvincialTaxManager: what a plug-in gets when it leaves an operation alone.
#include "marrow/CProvincialTaxManager.h"

CProvincialTaxManager::CProvincialTaxManager(int province) : m_province(province) {}

CProvincialTaxManager::~CProvincialTaxManager() = default;

int CProvincialTaxManager::getProvince() const
{
    return m_province;
}

void CProvincialTaxManager::setupNewReturn(TaxData_T1New *, TaxData_Sch5 *) {}

void CProvincialTaxManager::formChanged(int, DependantInfoStruct *) {}

CTaxData_Form *CProvincialTaxManager::createProvincialForm(int, bool)
{
    return nullptr;
}

bool CProvincialTaxManager::deleteProvincialForm(CTaxData_Form *, bool)
{
    return false;
}

int CProvincialTaxManager::formRequest(int, int, int)
{
    return 0;
}

CTaxData_Form *CProvincialTaxManager::createWizardData()
{
    return nullptr;
}

bool CProvincialTaxManager::freeWizardData()
{
    return false;
}

void CProvincialTaxManager::applyWizardData() {}

void CProvincialTaxManager::updateWizardData() {}

int CProvincialTaxManager::getNetfileIneligibility()
{
    return 0;
}

bool CProvincialTaxManager::isNonRefTaxCreditAllUsed()
{
    return true;
}
