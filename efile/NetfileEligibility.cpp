// NetfileEligibility: whether the tax authority accepts a person's return electronically.
#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "efile/FilingChecks.h"
#include "marrow/BusinessForms.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ordane/AmountTolerance.h"
#include "ordane/MsgBox.h"

#include <QtGlobal>

using namespace FilingChecks;

namespace {

bool present(double amount)
{
    return qAbs(amount) >= kAmountTolerance;
}

bool testingMode()
{
    const TabWndApp *app = appInstance();
    return app && app->config.MODEDEBUG;
}

} // namespace

int FamilyTaxData::checkNetfileEligibility(int edition, std::list<CString> &messages)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->checkNetfileEligibility(edition, messages) : int(messages.size());
}

// Every problem is listed, in this order, so the user sees them all at once; only a missing T1
// ends the check early, as the later steps read it.
int IndividualTaxData::checkNetfileEligibility(int edition, std::list<CString> &messages)
{
    if (!IsProvinceSupported(m_province))
        messages.push_back(kUnsupported);
    const TaxData_T1New *t1 = t1Form();
    if (!t1) {
        messages.push_back(kUnsupported);
        return int(messages.size());
    }

    const QString sin = t1->sin.value();
    if (edition == 2 && (sin.startsWith("09") || sin.startsWith("08")))
        messages.push_back(kNetfileSinPrefix);
    else if (edition == 1 && sin.startsWith('0'))
        messages.push_back(kEfileSinPrefix);

    if (const auto *schD =
            dynamic_cast<const TaxData_T1248SchD *>(getForm(FormType::T1248SCHD, 0, false))) {
        if (!schD->isEligibleForNetFile())
            messages.push_back(kResidencyType);
    }

    const int selfEmploymentProvince = t1->selfEmploymentProvince;
    if (selfEmploymentProvince != 0 && selfEmploymentProvince != t1->getMainTaxProvince())
        messages.push_back(kSelfEmploymentProvince);

    if (edition == 2) {
        if (t1->IsDeceased())
            messages.push_back(kDeceased);
        if (t1->IsBankrupt() || t1->IsPostBankrupt())
            messages.push_back(kBankrupt);
        const int foreignPlans = int(present(t1->rc267Amount)) + int(present(t1->rc268Amount)) +
                                 int(present(t1->rc269Amount));
        if (foreignPlans >= 2)
            messages.push_back(kForeignPlanCombination);
    } else if (edition == 1) {
        if (t1->IsBankrupt() && t1->revokeFiscalPeriod)
            messages.push_back(kRevokedFiscalPeriod);
        if (t1->IsPostBankrupt())
            messages.push_back(kBankrupt);
    }

    if (m_province != 11 && present(t1->f44000))
        messages.push_back(kMultipleJurisdictions);

    if (hasForm(FormType::T1DD)) {
        // The certification tests file returns with a T1DD: the request simply leaves it out.
        if (testingMode())
            gMsgInformation(0, kT1DDSkipped, nullptr);
        else
            messages.push_back(kT1DD);
    }

    if (countFormsOfType(FormType::T2209) > kMaxT2209Forms)
        messages.push_back(kTooManyT2209);
    if (countSFDForms() > kMaxSFDForms)
        messages.push_back(kTooManySFD);

    for (const TaxDataEntryStru *entry : m_formList) {
        if (entry->type == FormType::T1273) {
            messages.push_back(kCaisT1273);
        } else if (entry->type == FormType::T1163) {
            const auto *t1163 = dynamic_cast<const TaxData_T1163New *>(entry->data);
            if (t1163 && t1163->farmsteadProvince != t1->getMainTaxProvince())
                messages.push_back(kFarmsteadProvince);
        }
    }

    // Asked so that a plug-in sees the question, but no plug-in code makes a return ineligible
    // yet: which codes should, and with which message, is still open.
    m_provsTaxMgr.getNetfileIneligibility();

    return int(messages.size());
}
