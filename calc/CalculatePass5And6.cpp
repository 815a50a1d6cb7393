// Calculation passes 5 and 6: the provincial hooks, the Canada workers benefit, the balance
// and the filing forms' amounts; the minimum-tax indicators, the unused CPP form and the
// instalments.
#include "calc/AmountTests.h"
#include "calc/Pass1Steps.h"
#include "model/PersonForms.h"

#include "brevant/BrevantForms.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"

#include <cmath>

namespace {

// Field ids of the provincial amounts the instalment calculator asks the plug-in for.
constexpr int kInstalmentProvincialAmount1 = 63855;
constexpr int kInstalmentProvincialAmount2 = 63856;

void identificationIntoFilingForms(IndividualTaxData &person, TaxData_T1New &t1)
{
    if (auto *t183 = formOf<TaxData_T183New>(person, FormType::T183)) {
        t183->totalIncome = t1.f15000.value();
        t183->taxableIncome = t1.f26000.value();
        t183->amount = t1.f43500.value();
        t183->refund = t1.f48400.value();
        t183->balanceDue = t1.f48500.value();
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
    for (int type : {FormType::T225, FormType::T224}) {
        if (CTaxData_Form *form = getForm(type, 0, false)) {
            if (auto *t225 = dynamic_cast<TaxData_T225 *>(form))
                t225->age = t1.GetAge();
            m_provsTaxMgr.beforeFormCalculation(type, form);
            m_provsTaxMgr.afterFormCalculation(type, form);
        }
    }
    if (m_province != ProvinceCode::YT) {
        t1.territorialAmount1 = 0.0;
        t1.territorialAmount2 = 0.0;
    }
    m_provsTaxMgr.calculatePass5(&t1, 0, formOf<TaxData_Sch5>(*this, FormType::SCH5), t2209);

    if (auto *sch6 = formOf<TaxData_Sch6>(*this, FormType::SCH6)) {
        sch6->province = t1.getMainTaxProvince();
        sch6->emigrant = t1.IsEmmigrant();
        sch6->Calculate01();
        t1.f45300 = sch6->f45300.value();
    } else {
        t1.f45300 = 0.0;
    }
    if (auto *gst370 = formOf<CTaxData_GST370>(*this, FormType::GST370)) {
        gst370->lastName = t1.lastName.value();
        gst370->firstName = t1.firstName.value();
        gst370->sin = t1.sin.value();
        gst370->yearText = QString::number(TaxData_T1New::kTaxYear);
    }
    t1.CalculateBeforeLine437(true);
    t1.CalculateBalance(true);
    identificationIntoFilingForms(*this, t1);

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
    if (t691 && (isPositive(t1->f23200 - t1->f22100) || t1->capitalGainsInclusion > 0.99999999) &&
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
