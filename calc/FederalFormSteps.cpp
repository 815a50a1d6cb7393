// The further federal forms of passes 2 to 5 and the T1 amounts they give.
#include "calc/FederalFormSteps.h"

#include "calc/AmountTests.h"
#include "model/PersonForms.h"

#include "brevant/BrevantForms.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FederalTaxRules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"

#include <algorithm>

using FederalTaxRules::roundCents;

namespace FederalFormSteps {

void northernResidents(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t2222 = formOf<CTaxData_T2222>(person, FormType::T2222);
    if (!t2222) {
        t1.f25500 = 0.0;
        return;
    }
    t2222->netIncome = t1.f23600.value();
    t2222->Calculate01();
    t1.f25500 = t2222->deduction.value();
}

void caregiverAndAccessibility(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *sch5 = formOf<TaxData_Sch5>(person, FormType::SCH5);
    t1.f30425 = sch5 ? sch5->f30425.value() : 0.0;
    t1.f30450 = sch5 ? sch5->f30450.value() : 0.0;
    auto *accessibility = formOf<TaxData_Sch12_2016>(person, FormType::SCH12HA);
    if (accessibility)
        accessibility->Calculate01();
    t1.f31285 = accessibility ? accessibility->f31285.value() : 0.0;
}

void respAccumulatedIncome(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t1172 = formOf<TaxData_T1172New>(person, FormType::T1172);
    if (!t1172)
        return;
    t1172->province = person.m_province;
    t1172->firstName = t1.firstName.value();
    t1172->lastName = t1.lastName.value();
    t1172->address = t1.GetFullAddressWithoutPostcode(0);
    t1172->sin = t1.sin.value();
    t1172->Calculate01();
    t1.additionalTaxes = roundCents(t1.additionalTaxes + t1172->additionalTax);
}

void indianActIncome(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t90 = formOf<TaxData_T90>(person, FormType::T90);
    if (!t90)
        return;
    t1.t90Flag = 1;
    t90->Calculate01();
    // Exempt employment and self-employment income count as working income for the benefit.
    if (auto *sch6 = formOf<TaxData_Sch6>(person, FormType::SCH6)) {
        sch6->workingIncome = roundCents(sch6->workingIncome + t90->cwbEmployment);
        sch6->selfEmploymentIncome =
            roundCents(sch6->selfEmploymentIncome + t90->cwbSelfEmployment);
    }
}

void gstRebate(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *gst370 = formOf<CTaxData_GST370>(person, FormType::GST370);
    if (!gst370) {
        t1.f45700 = 0.0;
        return;
    }
    gst370->Calculate01();
    t1.f45700 = roundCents(std::max(0.0, gst370->rebate.value()));
}

void pensionSplitAfterTax(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t1032 = formOf<TaxData_T1032_New>(person, FormType::T1032);
    if (!t1032)
        return;
    const double taxes = roundCents(t1.f42000 + t1.f42800 + t1.f42200);
    if (t1032->transferer != 0)
        t1032->transfereeTaxAfterSplit = taxes;
    else
        t1032->pensionerTaxAfterSplit = taxes;
    t1032->CalculateIncomeTaxAfterAdjustment();
}

void lossCarrybackAndShelters(IndividualTaxData &person, TaxData_T1New &t1)
{
    if (auto *t1a = formOf<TaxData_T1ANew>(person, FormType::T1A)) {
        const double employmentDeductions =
            t1.f20700 + t1.f21200 + t1.f22900 + t1.employmentExpenses + t1.clergyDeduction;
        const double investment = t1.f12000 + t1.f12100 - t1.f22100;
        const double parts[TaxData_T1ANew::kIncomeRows] = {t1.f10100 + t1.employmentIncome2 -
                                                               employmentDeductions,
                                                           investment,
                                                           t1.f12200.value(),
                                                           t1.f12600.value(),
                                                           t1.f13500.value(),
                                                           t1.f13700.value(),
                                                           t1.f13900.value(),
                                                           t1.f14100.value(),
                                                           t1.f14300.value()};
        double inParts = 0;
        for (int row = 0; row < TaxData_T1ANew::kIncomeRows; ++row) {
            // A value above 0 is income; anything else is a loss of its size.
            const double value = roundCents(parts[row]);
            t1a->incomeParts.amountAt(row, 0) = value > 0 ? value : 0.0;
            t1a->incomeParts.amountAt(row, 1) = value > 0 ? 0.0 : -value;
            inParts += parts[row];
        }
        // Total income less the incomes the parts hold (before their own deductions).
        const double used = employmentDeductions + t1.f22100;
        t1a->otherIncome = roundCents(std::max(0.0, t1.f15000 - inParts - used));
        if (t1a->ownSwitch == 0)
            t1a->deductions = roundCents(std::max(0.0, t1.f15000 - t1.f23400 - used) + t1.f25000);
        t1a->Calculate01();
    }
    if (auto *t5004 = formOf<TaxData_T5004>(person, FormType::T5004))
        t5004->Calculate01();
}

} // namespace FederalFormSteps
