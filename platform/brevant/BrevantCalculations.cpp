// The calculations of the further form classes that are not written in their header.
#include "brevant/BrevantForms.h"

#include "marrow/FederalRates2025.h"
#include "marrow/FederalTaxRules.h"
#include "ordane/Utilities.h"

#include <algorithm>

void TaxData_T1013New::calculate()
{
    sin = GetPureDigitStr(sin.value());
    phone = GetPureDigitStr(phone.value());
}

void TaxData_Sch12_MultigHomeReno::Calculate01()
{
    using namespace FederalRates2025;
    const double spent = std::clamp(qualifyingExpenditures.value(), 0.0, kMultigenerationalMaximum);
    f45355 = FederalTaxRules::roundCents(kMultigenerationalRate * spent);
}

void TaxData_T1198::Calculate01()
{
    double total = 0;
    for (int row = 0; row < portions.rowCount(); ++row)
        total += portions.amountAt(row, 1);
    totalPortions = total;
}

int TaxData_T1248SchD::ValidateWithT1(int edition, CString &text, bool factualResident, int t1Flag,
                                      bool immigrant, bool emigrant) const
{
    Q_UNUSED(edition);
    Q_UNUSED(t1Flag);
    Q_UNUSED(immigrant);
    Q_UNUSED(emigrant);
    if (residencyStatus != 1 && residencyStatus != 2) {
        text = CString("Please select the residency type of the tax payer in form T1248 "
                       "Schedule D.");
        return 1;
    }
    if (factualResident != isFactualResident()) {
        text = CString("The residency type in form T1248 Schedule D does not agree with the "
                       "factual resident answer on page 1 of T1.");
        return 1;
    }
    return 0;
}

void TaxData_T936New::Calculate01()
{
    // The negative amounts are losses already: their size counts as an expense.
    investmentExpensesTotal = carryingCharges + rentalLoss + investmentLoss +
                              qAbs(qMin(0.0, partnershipLoss.value())) +
                              qAbs(qMin(0.0, halfCapitalLoss.value()));
    investmentIncomeTotal = interestIncome + dividendIncome + rentalIncome + investmentIncome;
    cumulativeLoss = qMax(0.0, priorYearsLoss + investmentExpensesTotal - investmentIncomeTotal);
}

void TaxData_T657New::Calculate01()
{
    using namespace FederalRates2025;
    const double lifetimeLeft =
        kLifetimeCapitalGainsExemption * kCapitalGainsInclusionRate - priorDeductions;
    const double cumulativeGains =
        std::max(0.0, double(qualifiedGains)) * kCapitalGainsInclusionRate - cumulativeLoss;
    deduction = FederalTaxRules::roundCents(
        std::max(0.0, std::min({lifetimeLeft, double(netTaxableGains), cumulativeGains})));
}

void TaxData_T2038New::CalculateToLineC()
{
    using namespace FederalRates2025;
    creditEarned = FederalTaxRules::roundCents(
        kMineralExplorationCreditRate * std::max(0.0, t1229MineralExploration.value()) +
        kCriticalMineralExplorationCreditRate * std::max(0.0, t1229CriticalMineral.value()));
}

void TaxData_T2038New::CalculateToLineD(double basicFederalTax, double foreignTaxCredit,
                                        double politicalCredit)
{
    taxLimit = std::max(
        0.0, FederalTaxRules::roundCents(basicFederalTax - foreignTaxCredit - politicalCredit));
}

void TaxData_T2038New::CalculateToEnd(bool minimumTax)
{
    minimumTaxApplies = minimumTax;
    // A non-refundable credit: at most the tax it reduces; the rest is carried.
    creditClaimed = std::min(creditEarned.value(), taxLimit.value());
    creditUnused = FederalTaxRules::roundCents(creditEarned - creditClaimed);
}
