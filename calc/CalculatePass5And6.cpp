// Calculation passes 5 and 6: the provincial hooks, the Canada workers benefit, the balance
// and the filing forms' amounts; the minimum-tax indicators, the unused CPP form and the
// instalments.
#include "calc/AmountTests.h"
#include "calc/FederalFormSteps.h"
#include "calc/Pass1Steps.h"
#include "model/PersonForms.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalRates2025.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FederalTaxRules.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// A capital-gains inclusion above this counts as present for the minimum tax.
constexpr double kInclusionPresent = 0.99999999;
// Field ids of the provincial amounts the instalment calculator asks the plug-in for.
constexpr int kInstalmentProvincialAmount1 = 63855;
constexpr int kInstalmentProvincialAmount2 = 63856;

// The names, S.I.N. and mailing address of the T1; the province code only for an address in
// Canada.
template <typename Form> void copyMailingIdentity(Form &form, const TaxData_T1New &t1)
{
    form.firstName = t1.firstName.value();
    form.lastName = t1.lastName.value();
    form.sin = t1.sin.value();
    form.street = t1.street.value();
    form.city = t1.city.value();
    if (!t1.foreignAddress)
        form.mailingProvince = int(t1.mailingProvince);
    form.postalCode = t1.postalCode.value();
}

// Steps 13 to 21: the identification and amounts of the filing forms.
void identificationIntoFilingForms(IndividualTaxData &person, TaxData_T1New &t1)
{
    std::optional<CT1AppConfig> defaults;
    if (!appInstance())
        defaults.emplace();
    const CT1AppConfig &settings = defaults ? *defaults : appInstance()->config;
    const bool canadian = !t1.foreignAddress;
    const CString fullName = t1.ConstructFullName();

    if (auto *t1a = formOf<TaxData_T1ANew>(person, FormType::T1A)) {
        t1a->fullName = fullName;
        t1a->address = t1.GetFullAddressWithoutPostcode(10);
        t1a->city = t1.city.value();
        t1a->mailingProvince = int(t1.mailingProvince);
        t1a->postalCode = t1.postalCode.value();
        t1a->sin = t1.sin.value();
        t1a->firstName = t1.firstName.value();
        t1a->lastName = t1.lastName.value();
        t1a->phone = t1.phone.value();
        auto *sch3 = formOf<TaxData_Sch3>(person, FormType::SCH3);
        t1a->capitalLoss = sch3 && sch3->netResult < kAmountTolerance ? -sch3->netResult : 0.0;
    }
    if (auto *t5004 = formOf<TaxData_T5004>(person, FormType::T5004)) {
        t5004->address = t1.GetFullAddressWithoutPostcode(0);
        t5004->fullName = fullName;
    }
    auto *t1dd = formOf<CTaxData_T1DD>(person, FormType::T1DD);
    if (t1dd) {
        copyMailingIdentity(*t1dd, t1);
    }
    if (auto *t183 = formOf<TaxData_T183New>(person, FormType::T183)) {
        copyMailingIdentity(*t183, t1);
        t183->totalIncome = t1.f15000.value();
        t183->taxableIncome = t1.f26000.value();
        t183->amount = t1.f43500.value();
        t183->refund = t1.f48400.value();
        t183->balanceDue = t1.f48500.value();
        if (t1dd)
            t183->directDeposit = true;
    }
    if (auto *t185 = formOf<TaxData_T185>(person, FormType::T185)) {
        copyMailingIdentity(*t185, t1);
        if (t185->ownSwitch == 0)
            t185->amount = t1.f48500.value();
        t185->calculate();
    }
    if (auto *rc71 = formOf<CTaxData_RC71>(person, FormType::RC71)) {
        if (!settings.DiscounterCode.isEmpty())
            rc71->discounterCode = settings.DiscounterCode;
        rc71->firstName = t1.firstName.value();
        rc71->lastName = t1.lastName.value();
        rc71->sin = t1.sin.value();
        rc71->address = t1.GetFullAddressWithoutPostcode(0);
        rc71->fullName = fullName;
        rc71->phone = t1.phone.value();
        // The refund the discounter pays for.
        rc71->refund = t1.f48400.value();
        rc71->calculate();
    }
    if (auto *t1adj = formOf<CTaxData_T1ADJ>(person, FormType::T1ADJ)) {
        if (!settings.BusinessEFileNum.isEmpty())
            t1adj->efileNumber = settings.BusinessEFileNum;
        t1adj->yearText = QString::number(TaxData_T1New::kTaxYear);
        t1adj->name = CString(t1.lastName.value() + QStringLiteral(", ") + t1.firstName.value());
        t1adj->sin = t1.sin.value();
    }
    if (auto *t1135 = formOf<TaxData_T1135New>(person, FormType::T1135)) {
        t1135->formInt = 0;
        t1135->name = fullName;
        t1135->lastName = t1.lastName.value();
        t1135->sin = t1.sin.value();
        t1135->calculate();
        t1135->overwriteStatus = settings.OverwriteStatus ? 1 : 0;
    }
    if (auto *t1153 = formOf<CTaxData_T1153>(person, FormType::T1153)) {
        t1153->fullName = fullName;
        t1153->sin = t1.sin.value();
        t1153->address = t1.street.value();
        t1153->birthDate = t1.birthDate.date();
        t1153->city = t1.city.value();
        const ProvInfoRow *row = canadian ? provInfo(t1.mailingProvince) : nullptr;
        t1153->provinceText = row ? QString::fromUtf8(row->name) : QString();
        t1153->postalCode = t1.postalCode.value();
    }
}

} // namespace

int IndividualTaxData::PrepareT2209ForMinimumTax()
{
    auto *t691 = formOf<TaxData_T691New>(*this, FormType::T691);
    for (TaxData_T2209_2036 *t2209 :
         Pass1::formsOfType<TaxData_T2209_2036>(*this, FormType::T2209)) {
        t2209->minimumTaxCopy1 = t2209->slipAmount1.value();
        t2209->minimumTaxCopy2 = t2209->slipAmount2.value();
        t2209->minimumTaxCopy3 = t2209->slipAmount3.value();
        t2209->minimumTaxCopy4 = t691 && isNonZero(t691->minimumTax) ? t691->minimumTax.value()
                                                                     : t2209->slipAmount4.value();
    }
    return 0;
}

int IndividualTaxData::CalculatePass5(bool, int, TaxData_T1New &t1)
{
    PrepareT2209ForMinimumTax();
    T2209FormList t2209;
    collectT2209Forms(t2209);
    auto *t691 = formOf<TaxData_T691New>(*this, FormType::T691);
    auto *t1206 = formOf<TaxData_T1206New>(*this, FormType::T1206);
    auto *t1219 = formOf<CTaxData_T1219>(*this, FormType::T1219);
    m_provsTaxMgr.calculatePass5Begin(
        &t1, getForm(FormType::PROV428, 0, false), formOf<TaxData_Sch2>(*this, FormType::SCH2),
        formOf<TaxData_Sch3>(*this, FormType::SCH3), formOf<TaxData_Sch9>(*this, FormType::SCH9),
        t1206, t2209, t691, t1219, formOf<TaxData_T2017New>(*this, FormType::T2017));
    // The territorial carbon price rebates: each form is computed between the plug-in's hooks,
    // so the plug-in may prepare it and read its result; 0 without the form.
    auto rebateBetweenHooks = [this](int type, auto *form) {
        if (!form)
            return 0.0;
        m_provsTaxMgr.beforeFormCalculation(type, form);
        form->Calculate01();
        m_provsTaxMgr.afterFormCalculation(type, form);
        return form->rebate.value();
    };
    auto *t225 = formOf<TaxData_T225>(*this, FormType::T225);
    if (t225)
        t225->age = t1.GetAge();
    t1.territorialAmount2 = rebateBetweenHooks(FormType::T225, t225);
    t1.territorialAmount1 =
        rebateBetweenHooks(FormType::T224, formOf<TaxData_T224>(*this, FormType::T224));
    if (m_province != ProvinceCode::YT) {
        t1.territorialAmount1 = 0.0;
        t1.territorialAmount2 = 0.0;
    }
    m_provsTaxMgr.calculatePass5(&t1, 0, formOf<TaxData_Sch5>(*this, FormType::SCH5), t2209);
    // The rebates are Yukon credits: they join the territory's credits (line 47900), which
    // the plug-ins start from 0 in every pass.
    t1.f47900 =
        FederalTaxRules::roundCents(t1.f47900 + t1.territorialAmount1 + t1.territorialAmount2);

    if (auto *sch6 = formOf<TaxData_Sch6>(*this, FormType::SCH6)) {
        sch6->province = t1.getMainTaxProvince();
        sch6->emigrant = t1.IsEmmigrant();
        sch6->disabilityClaimed = t1.disabilityFlag != 0;
        // More than 13 weeks of full-time studies: the T2202 counts months.
        auto *sch11 = formOf<TaxData_Sch11>(*this, FormType::SCH11);
        sch6->fullTimeStudent =
            sch11 && sch11->fullTimeMonths >= FederalRates2025::kCwbStudentMonths + kAmountTolerance
                ? 1
                : 0;
        sch6->childrenUnder19 = m_dependants ? m_dependants->GetDepChildrenNumberBetweenAges(
                                                   0, FederalRates2025::kCwbDependantMaxAge)
                                             : 0;
        sch6->Calculate01();
        t1.f45300 = sch6->f45300.value();
    } else {
        t1.f45300 = 0.0;
    }
    auto *renovation = formOf<TaxData_Sch12_MultigHomeReno>(*this, FormType::SCH12MHR);
    if (renovation)
        renovation->Calculate01();
    t1.f45355 = renovation ? renovation->f45355.value() : 0.0;
    // The GST/HST rebate is refunded with the return (line 45700).
    if (auto *gst370 = formOf<CTaxData_GST370>(*this, FormType::GST370)) {
        gst370->lastName = t1.lastName.value();
        gst370->firstName = t1.firstName.value();
        gst370->sin = t1.sin.value();
        gst370->yearText = QString::number(TaxData_T1New::kTaxYear);
    }
    FederalFormSteps::gstRebate(*this, t1);
    t1.CalculateBeforeLine437(true);
    FederalFormSteps::pensionSplitAfterTax(*this, t1);
    t1.CalculateBalance(true);
    identificationIntoFilingForms(*this, t1);
    FederalFormSteps::lossCarrybackAndShelters(*this, t1);

    updateWizardData();
    for (TaxWizardEntryStru *entry : m_wizardList)
        entry->data->preSumSlip();
    return 0;
}

void IndividualTaxData::SetMinimumTaxIndicators()
{
    TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    auto *t691 = formOf<TaxData_T691New>(*this, FormType::T691);
    auto *worksheet = formOf<TaxData_WS_D1>(*this, FormType::WSD1);
    const double n = t1->f12600;
    const double g = t1->grossRentalIncome;
    bool loss = false;
    if (worksheet && isPositive(n) && isPositive(worksheet->t5013CarryingCharges))
        loss = true;
    else if (!isPositive(n))
        loss = n <= -kAmountTolerance || (!isNonZero(n) && isNonZero(g));
    if (loss) {
        if (!t691) {
            if (!isNonZero(t1->minimumTaxIndicator))
                t1->minimumTaxIndicator = 1.0;
            return;
        }
        if (!isNonZero(t691->minimumTax))
            t691->indicator1 = 1.0;
    }
    if (t691 &&
        (isPositive(t1->f23200 - t1->f22100) || t1->capitalGainsInclusion > kInclusionPresent) &&
        !isNonZero(t691->minimumTax))
        t691->indicator2 = 1.0;
}

int IndividualTaxData::RemoveUnusedCppForm()
{
    TaxData_T1New *t1 = t1Form();
    if (!t1)
        return 0;
    const int unused = t1->cppMode == 1 ? FormType::RC381 : t1->cppMode == 2 ? FormType::SCH8 : 0;
    CTaxData_Form *form = unused ? getForm(unused, 0, false) : nullptr;
    if (!form)
        return 0;
    removeForm(form, true, true);
    return 1;
}

void IndividualTaxData::GetIncomeThresholds(QList<double> &thresholds)
{
    if (TaxData_T1New *t1 = t1Form())
        t1->GetIncomeThresholds(thresholds);
    m_provsTaxMgr.getProvincialThresholds(thresholds);
}

int IndividualTaxData::CalculatePass6(bool, int, TaxData_T1New &t1)
{
    SetMinimumTaxIndicators();
    const int removed = RemoveUnusedCppForm();
    auto *summary = formOf<TaxData_T1KSNew>(*this, FormType::T1KS);
    auto *calculator = formOf<TaxData_InstalmentCalc>(*this, FormType::INSTCALC);
    if (calculator && summary) {
        double first = 0;
        double second = 0;
        m_provsTaxMgr.getProvincialAmount(kInstalmentProvincialAmount1, &first);
        m_provsTaxMgr.getProvincialAmount(kInstalmentProvincialAmount2, &second);
        calculator->provincialAmount1 = first;
        calculator->provincialAmount2 = second;
        calculator->Calculate(t1, *summary);
    } else if (summary) {
        for (CFloatField *instalment :
             {&summary->instalmentMarch, &summary->instalmentJune, &summary->instalmentSeptember,
              &summary->instalmentDecember})
            *instalment = 0.0;
    }
    return removed;
}
