// The calculation pass entry of one person and pass 0: the form set, the province hooks and
// the identification and settings copied into the filing forms.
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "ordane/TaxYearDays.h"
#include "ordane/Utilities.h"

#include <optional>

namespace {

constexpr int kSinDigits = 9;

CString normalisedSin(const CString &text)
{
    return CString(GetPureDigitStr(text).left(kSinDigits));
}

} // namespace

int IndividualTaxData::CalculatePass(bool wizardChanged, int changedType, int pass, bool isSpouse)
{
    Q_UNUSED(isSpouse);
    // Every pass reads and writes the T1; without exactly one there is nothing to calculate.
    TaxData_T1New *t1 = t1Form();
    if (!t1)
        return 0;

    t1->sin = normalisedSin(t1->sin.value());
    if (!t1->spouseSin.IsEmptyIfRemoveBlank())
        t1->spouseSin = normalisedSin(t1->spouseSin.value());

    const int daysInYear = GetDaysInYear(TaxData_T1New::kTaxYear);
    t1->daysInYear = daysInYear;
    t1->bankruptDays = t1->GetBankruptDaysInTaxYear();
    t1->daysInCanada = t1->shouldProrateAsImmigrant()
                           ? DaysInCanadaInTaxYear(TaxData_T1New::kTaxYear, t1->entryDate.date(),
                                                   t1->departureDate.date())
                           : daysInYear;

    switch (pass) {
    case 0:
        return CalculatePass0(wizardChanged, changedType, *t1);
    case 1:
        return CalculatePass1(wizardChanged, changedType, *t1);
    case 2:
        return CalculatePass2(wizardChanged, changedType, *t1);
    case 3:
        return CalculatePass3(wizardChanged, changedType, *t1);
    case 4:
        return CalculatePass4(wizardChanged, changedType, *t1);
    case 5:
        return CalculatePass5(wizardChanged, changedType, *t1);
    case 6:
        return CalculatePass6(wizardChanged, changedType, *t1);
    default:
        return 0;
    }
}

int IndividualTaxData::AddMissingCounterpartForm(int federalType)
{
    const int provincialType = m_provsTaxMgr.getLinkedProvincialFormType(federalType);
    if (provincialType == 0)
        return 0;
    const bool federal = hasForm(federalType);
    const bool provincial = hasForm(provincialType);
    if (federal == provincial)
        return 0;
    return getForm(federal ? provincialType : federalType, 0, true) ? 1 : 0;
}

int IndividualTaxData::AddMissingProvincialForms()
{
    int added =
        AddMissingCounterpartForm(FormType::SCH2) + AddMissingCounterpartForm(FormType::SCH11);
    // A T778 brings its provincial counterpart, never the other way round.
    if (hasForm(FormType::T778)) {
        const int provincialType = m_provsTaxMgr.getLinkedProvincialFormType(FormType::T778);
        if (provincialType != 0 && !hasForm(provincialType) && getForm(provincialType, 0, true))
            ++added;
    }
    return added;
}

void IndividualTaxData::CopySch5ToT1(bool wizardChanged, int changedType)
{
    if (wizardChanged || changedType != FormType::SCH5)
        return;
    auto *sch5 = formOf<TaxData_Sch5>(*this, FormType::SCH5);
    TaxData_T1New *t1 = t1Form();
    if (sch5 && t1)
        t1->sch5SharedValue = sch5->sharedValue.value();
}

int IndividualTaxData::CalculatePass0(bool wizardChanged, int changedType, TaxData_T1New &t1)
{
    const int added = AddMissingProvincialForms();
    CopySch5ToT1(wizardChanged, changedType);
    m_provsTaxMgr.setTaxFormInfo(&t1, formOf<TaxData_Sch5>(*this, FormType::SCH5));
    m_provsTaxMgr.calculatePass0(wizardChanged, changedType, &t1);

    auto *residency = formOf<TaxData_T1248SchD>(*this, FormType::T1248SCHD);
    t1.factualResident = residency && residency->isFactualResident();

    // What the spouse exchange adds to starts from zero in every round.
    t1.pensionAt65 = 0;
    t1.spousalPlanAdjustment = 0;
    t1.pensionUnder65 = 0;
    t1.statusInt1 = -1;
    t1.statusInt2 = 2;

    if (t1.preparerIndicator == 0)
        fillPreparerInfo();
    copyIntoFilingForms(t1);
    return added;
}

void IndividualTaxData::copyIntoFilingForms(TaxData_T1New &t1)
{
    // Without the application object (a tool run) the settings are the built-in defaults.
    std::optional<CT1AppConfig> defaults;
    if (!appInstance())
        defaults.emplace();
    const CT1AppConfig &settings = defaults ? *defaults : appInstance()->config;
    const CString softwareCode = settings.getSoftwareCode();

    if (auto *t183 = formOf<TaxData_T183New>(*this, FormType::T183)) {
        t183->reFile = t1.reFileFlag != 0;
        t183->email = t1.email.value();
        t183->businessName = settings.BusinessName;
        if (!settings.BusinessEFileNum.isEmpty())
            t183->efileNumber = settings.BusinessEFileNum;
        t183->efilePassword = settings.BusinessEFilePassword;
        t183->softwareCode = softwareCode;
    }
    if (auto *t185 = formOf<TaxData_T185>(*this, FormType::T185)) {
        t185->businessName = settings.BusinessName;
        t185->efileNumber = settings.BusinessEFileNum;
        t185->efilePassword = settings.BusinessEFilePassword;
        t185->softwareCode = softwareCode;
    }
    if (auto *t1013 = formOf<TaxData_T1013New>(*this, FormType::T1013)) {
        t1013->softwareCode = softwareCode + QLatin1Char('H');
        t1013->firstName = t1.firstName.value();
        t1013->lastName = t1.lastName.value();
        t1013->sin = t1.sin.value();
        t1013->phone = t1.phone.value();
        t1013->calculate();
    }
    auto *t1dd = formOf<CTaxData_T1DD>(*this, FormType::T1DD);
    t1.ddBranch = t1dd ? t1dd->branch.value() : CString();
    t1.ddInstitution = t1dd ? t1dd->institution.value() : CString();
    t1.ddAccount = t1dd ? t1dd->account.value() : CString();
    if (auto *t1198 = formOf<TaxData_T1198>(*this, FormType::T1198)) {
        t1198->name = t1.ConstructFullName();
        t1198->sin = t1.sin.value();
        t1198->Calculate01();
    }
}
