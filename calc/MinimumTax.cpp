// The minimum tax, investment tax credit and split-income steps of pass 4: the T1's amounts
// into the T1206, the T691 and the T2038, their results back into the T1 (lines 40424, 40427,
// 40600, 41200, the minimum tax that line 41700 takes and the net tax on split income that
// line 42000 is never below).
#include "calc/MinimumTax.h"

#include "model/PersonForms.h"

#include "brevant/BrevantForms.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FederalTaxRules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"

#include <algorithm>

using FederalTaxRules::roundCents;

namespace MinimumTax {

void splitIncomeTaxLine(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t1206 = formOf<TaxData_T1206New>(person, FormType::T1206);
    if (!t1206) {
        t1.f40424 = 0.0;
        return;
    }
    t1206->disabilityAmounts = t1.f31600.value();
    t1206->CalculateToLine22();
    t1.f40424 = t1206->federalTax.value();
}

void carryOver(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t691 = formOf<TaxData_T691New>(person, FormType::T691);
    if (!t691) {
        t1.f40427 = 0.0;
        return;
    }
    auto *sch3 = formOf<TaxData_Sch3>(person, FormType::SCH3);
    t691->taxableIncome = t1.f26000.value();
    t691->netCapitalGains =
        sch3 ? roundCents(sch3->f19700 - sch3->getMortgageForClosureAndConditionSale()) : 0.0;
    t691->taxableCapitalGains = t1.f12700.value();
    t691->taxableDividends = t1.f12000.value();
    t691->otherDividends = t1.f12010.value();
    t691->nonRefundableCredits = t1.f35000.value();
    t691->donationCredits = t1.f34900.value();
    double partlyAllowed = 0;
    for (const CFloatField *deduction : {&t1.f21400, &t1.movingExpenses, &t1.f22100, &t1.f22900,
                                         &t1.employmentExpenses, &t1.f25100, &t1.f25200})
        partlyAllowed += std::max(0.0, deduction->value());
    t691->partlyAllowedDeductions = roundCents(partlyAllowed);
    t691->capitalGainsDeduction = t1.capitalGainsDeduction.value();
    t691->taxBeforeCarryOver = std::max(0.0, roundCents(t1.f40400 - t1.f35000 - t1.f40425));
    // The T691 takes the split-income tax out again: the carry-over reduces the regular tax
    // only.
    t691->splitIncomeTax = t1.f40424.value();
    t691->deceased = t1.IsDeceased();
    t1.f40427 = roundCents(t691->CalculateToLine65andMinitaxCarryOverAndLine102());
}

bool compareWithRegularTax(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t691 = formOf<TaxData_T691New>(person, FormType::T691);
    auto *t2038 = formOf<TaxData_T2038New>(person, FormType::T2038);
    if (t2038)
        t2038->CalculateToLineC();
    t1.CalculateField406();
    if (t2038)
        t2038->CalculateToLineD(t1.f42900, t1.foreignTaxCredit, t1.f41000);
    if (t691) {
        t691->basicFederalTax = t1.f42900.value();
        t691->politicalCredit = t1.f41000.value();
        t691->investmentCredit =
            t2038 ? std::min(t2038->creditEarned.value(), t2038->taxLimit.value()) : 0.0;
        // The totals of the T2209 forms: the foreign income and the tax paid on it.
        t691->foreignIncomeTotal = t1.foreignTaxTotal2.value();
        t691->foreignTaxTotal = t1.foreignTaxTotal1.value();
        auto *t1206 = formOf<TaxData_T1206New>(person, FormType::T1206);
        t691->CalculateToLine95(t1206 ? t1206->taxLessCredits.value() : 0.0);
    }
    const bool applies = t691 && t691->applies();
    if (t2038)
        t2038->CalculateToEnd(applies);
    t1.f41200 = t2038 ? t2038->creditClaimed.value() : 0.0;
    t1.minimumTaxAddition = applies ? t691->minimumTax.value() : 0.0;
    return applies;
}

void splitIncomeTax(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t1206 = formOf<TaxData_T1206New>(person, FormType::T1206);
    t1.t1206Flag = t1206 != nullptr;
    if (t1206) {
        t1206->returnForeignTaxCredit = t1.foreignTaxCredit.value();
        t1206->CalculateFederal();
    }
    t1.splitIncomeTax = t1206 ? t1206->netTax.value() : 0.0;
}

void finish(IndividualTaxData &person)
{
    // The split-income tax is in the basic federal tax the T691 compared: nothing of it is
    // added here again.
    if (auto *t691 = formOf<TaxData_T691New>(person, FormType::T691))
        t691->CalculateToEnd();
}

} // namespace MinimumTax
