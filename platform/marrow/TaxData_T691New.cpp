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
    // The security options deductions count again: the benefit is in full (lines 27 and 34).
    income += std::max(0.0, slipExemptF.value()) + std::max(0.0, slipExemptG.value());
    // Half of the deductions allowed only in part counts again.
    income += kMinimumTaxDisallowedShare * std::max(0.0, partlyAllowedDeductions.value());
    // Dividends count without their gross-up.
    const double eligible = std::max(0.0, taxableDividends - otherDividends);
    income -=
        eligible * kEligibleGrossUp / (1.0 + kEligibleGrossUp) +
        std::max(0.0, otherDividends.value()) * kNonEligibleGrossUp / (1.0 + kNonEligibleGrossUp);
    // The gains under the lifetime exemption: the full gain is in by now, the deduction took
    // the taxable half off; a share of the deduction comes off again.
    income -= kMinimumTaxExemptGainsShare * std::max(0.0, capitalGainsDeduction.value());
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
    // year's minimum amount. The tax on split income is not part of the tax it reduces.
    const double regular =
        std::max(0.0, roundCents(taxBeforeCarryOver - std::max(0.0, splitIncomeTax.value())));
    const double room = std::max(0.0, roundCents(regular - minimumAmount));
    carryOverApplied = std::min(std::max(0.0, carryOver.value()), room);
    return carryOverApplied;
}

void TaxData_T691New::CalculateToLine95(double splitTaxLessCredits)
{
    using namespace FederalRates2025;
    // Part 4: the foreign income at the minimum-tax rate, at most two thirds of the foreign
    // tax paid on it; never less than the regular foreign tax credit.
    const double special =
        std::min(kMinimumTaxRate * std::max(0.0, foreignIncomeTotal.value()),
                 kMinimumTaxForeignTaxShare * std::max(0.0, foreignTaxTotal.value()));
    specialForeignTaxCredit = std::max(std::max(0.0, f67926.value()), roundCents(special));
    // Part 5: the regular net federal tax, after the regular foreign tax credit, against the
    // minimum amount after the special one.
    regularNetTax =
        std::max(0.0, roundCents(basicFederalTax - f67926 - politicalCredit - investmentCredit));
    netMinimumAmount = std::max(0.0, roundCents(minimumAmount - specialForeignTaxCredit));
    minimumTax = std::max(0.0, roundCents(netMinimumAmount - regularNetTax));
    // Part 6: the basic federal tax under minimum tax. The tax on split income (less its own
    // credits) is taken out of the basic federal tax before the larger of the two is chosen,
    // and added back once after.
    const double split = std::max(0.0, splitTaxLessCredits);
    minimumTaxBase = roundCents(
        std::max(std::max(0.0, roundCents(basicFederalTax - split)), minimumAmount.value()) +
        split);
}

void TaxData_T691New::CalculateToEnd()
{
    // What is left of the earlier years' balance, with this year's minimum tax, is carried
    // to later years.
    carryOverRemaining =
        roundCents(std::max(0.0, carryOver - carryOverApplied) + std::max(0.0, minimumTax.value()));
}
