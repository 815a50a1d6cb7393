// The minimum tax and investment tax credit steps of pass 4: the T1's amounts into the T691
// and the T2038, their results back into the T1 (lines 40427, 41200 and the minimum tax that
// line 41700 takes).
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
    t691->taxBeforeCarryOver = std::max(0.0, roundCents(t1.f40400 - t1.f35000 - t1.f40425));
    t691->deceased = t1.IsDeceased();
    t1.f40427 = roundCents(t691->CalculateToLine65andMinitaxCarryOverAndLine102());
}

bool compareWithRegularTax(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t691 = formOf<TaxData_T691New>(person, FormType::T691);
    auto *t2038 = formOf<TaxData_T2038New>(person, FormType::T2038);
    const double afterForeign = std::max(0.0, roundCents(t1.f42900 - t1.foreignTaxCredit));
    const double political =
        std::min(afterForeign, TaxData_T1New::politicalContributionCredit(t1.f40900));
    if (t2038) {
        t2038->CalculateToLineC();
        t2038->CalculateToLineD(t1.f42900, t1.foreignTaxCredit, political);
    }
    if (t691) {
        t691->basicFederalTax = t1.f42900.value();
        t691->politicalCredit = political;
        t691->investmentCredit =
            t2038 ? std::min(t2038->creditEarned.value(), t2038->taxLimit.value()) : 0.0;
        t691->CalculateToLine95();
    }
    const bool applies = t691 && t691->applies();
    if (t2038)
        t2038->CalculateToEnd(applies);
    t1.f41200 = t2038 ? t2038->creditClaimed.value() : 0.0;
    t1.minimumTaxAddition = applies ? t691->minimumTax.value() : 0.0;
    return applies;
}

void finish(IndividualTaxData &person)
{
    if (auto *t691 = formOf<TaxData_T691New>(person, FormType::T691))
        t691->CalculateToEnd();
}

} // namespace MinimumTax
