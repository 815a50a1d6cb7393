// T691: the alternative minimum tax with the 2025 rules (docs/TaxFigures2025.md, "Federal").
#include "marrow/FederalForms.h"

#include "marrow/FederalRates2025.h"
#include "marrow/FederalTaxRules.h"

#include <algorithm>

using FederalTaxRules::roundCents;

double TaxData_T691New::CalculateToLine65andMinitaxCarryOverAndLine102()
{
    using namespace FederalRates2025;
    // Part 1: taxable income with the preferences added back.
    double income = taxableIncome + f67820 + f6783 + f6784 + f6786;
    // Capital gains count in full: the part the regular inclusion leaves out is added.
    if (netCapitalGains > 0)
        income += std::max(0.0, netCapitalGains * kMinimumTaxGainsInclusion - taxableCapitalGains);
    // Dividends count without their gross-up.
    const double eligible = std::max(0.0, taxableDividends - otherDividends);
    income -=
        eligible * kEligibleGrossUp / (1.0 + kEligibleGrossUp) +
        std::max(0.0, otherDividends.value()) * kNonEligibleGrossUp / (1.0 + kNonEligibleGrossUp);
    adjustedTaxableIncome = std::max(0.0, roundCents(income));
    netAdjustedTaxableIncome =
        std::max(0.0, roundCents(adjustedTaxableIncome - kMinimumTaxExemption));
    const double gross = roundCents(netAdjustedTaxableIncome * kMinimumTaxRate);
    const double donations = std::max(0.0, donationCredits.value());
    creditsAllowed =
        roundCents(kMinimumTaxCreditShare * std::max(0.0, nonRefundableCredits - donations) +
                   kMinimumTaxDonationShare * donations);
    // The minimum tax does not apply to the return of a person who died in the year.
    minimumAmount = deceased ? 0.0 : std::max(0.0, roundCents(gross - creditsAllowed));

    // Part 8: minimum tax of earlier years reduces the regular tax, but not below this
    // year's minimum amount.
    const double room = std::max(0.0, roundCents(taxBeforeCarryOver - minimumAmount));
    carryOverApplied = std::min(std::max(0.0, carryOver.value()), room);
    return carryOverApplied;
}

void TaxData_T691New::CalculateToLine95()
{
    // Part 5: the regular net federal tax against the minimum amount, each after the foreign
    // tax credit (the regular credit stands for the special one, whose figures were not read).
    regularNetTax =
        std::max(0.0, roundCents(basicFederalTax - f67926 - politicalCredit - investmentCredit));
    const double netMinimum = std::max(0.0, roundCents(minimumAmount - f67926));
    minimumTax = std::max(0.0, roundCents(netMinimum - regularNetTax));
    // Part 6: the basic federal tax under minimum tax.
    minimumTaxBase = std::max(basicFederalTax.value(), minimumAmount.value());
}

void TaxData_T691New::CalculateToEnd()
{
    // What is left of the earlier years' balance, with this year's minimum tax, is carried
    // to later years.
    carryOverRemaining =
        roundCents(std::max(0.0, carryOver - carryOverApplied) + minimumTax.value());
}
