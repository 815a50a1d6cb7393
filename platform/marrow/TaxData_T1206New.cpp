// T1206: the tax on split income with the 2025 rates (docs/TaxFigures2025.md, "Minimum tax
// parts, split income and loss carry-back").
#include "marrow/FederalForms.h"

#include "marrow/FederalRates2025.h"
#include "marrow/FederalTaxRules.h"

#include <algorithm>
#include <iterator>

using FederalTaxRules::roundCents;

void TaxData_T1206New::CalculateTOSI(double netIncome)
{
    f68330 = std::max(0.0, roundCents(splitDividends));
    // The other-than-eligible dividends are a part of line 1.
    f68340 = std::clamp(roundCents(splitOtherDividends), 0.0, f68330.value());
    f68360 = roundCents(f68330 + std::max(0.0, splitIncome.value()));
    adjustedNetIncome = roundCents(netIncome + f68360);
}

void TaxData_T1206New::CalculateToLine22()
{
    using namespace FederalRates2025;
    // Split income is taxed at the top federal rate.
    federalTax = roundCents(f68360 * std::end(kBrackets)[-1].rate);
    disabilityCredit = roundCents(std::max(0.0, disabilityAmounts.value()) * kCreditRate);
    // Line 2 at the other-than-eligible rate, the rest of line 1 at the eligible rate.
    const double eligible = std::max(0.0, roundCents(f68330 - f68340));
    dividendCredit = roundCents(roundCents(f68340 * kNonEligibleDividendCredit) +
                                roundCents(eligible * kEligibleDividendCredit));
    taxLessCredits = roundCents(federalTax - disabilityCredit - dividendCredit);
}

void TaxData_T1206New::CalculateFederal()
{
    // The foreign tax credit of the return in the proportion of the foreign split income to
    // the whole foreign income.
    double share = 0;
    if (f68380 >= kAmountTolerance)
        share = std::clamp(f68370 / f68380, 0.0, 1.0);
    foreignCredit = roundCents(std::max(0.0, returnForeignTaxCredit.value()) * share);
    netTax = std::max(0.0, roundCents(taxLessCredits - foreignCredit));
}
