// The federal worksheet's dividend and investment-income lines.
#include "marrow/FederalForms.h"

#include "marrow/FederalRates2025.h"
#include "marrow/FederalTaxRules.h"

#include <algorithm>

void TaxData_WS_D1::resetDivDetailsAmounts()
{
    for (CFloatField *amount :
         {&t3ForeignIncome, &t3ForeignIncomeSlip, &t3NonEligibleTaxable, &t3TotalTaxable,
          &t5NonEligibleTaxable, &t5TotalTaxable, &t5ForeignIncome, &t5Interest, &t5AmountB,
          &t5AmountC, &t5AmountD, &investmentIncome, &t5013ForeignIncome, &limitedPartnershipIncome,
          &t5013NonEligibleTaxable, &t5013TotalTaxable, &t5013CarryingCharges,
          &t4psNonEligibleTaxable, &t4psTotalTaxable})
        *amount = 0.0;
}

void TaxData_WS_D1::Calculate01()
{
    // Slips report dividends at their taxable (grossed-up) amount: adding the gross-up again
    // would tax it twice.
    f12000 = t3TotalTaxable + t5TotalTaxable + t5013TotalTaxable + t4psTotalTaxable +
             otherTaxableDividends;
    f12010 = t3NonEligibleTaxable + t5NonEligibleTaxable + t5013NonEligibleTaxable +
             t4psNonEligibleTaxable + otherNonEligibleTaxable;
    eligibleTaxable = f12000 - f12010;
    foreignIncome = t3ForeignIncome + t5ForeignIncome + t5013ForeignIncome;
    f12100 = investmentIncome + foreignIncome + otherInterest;
    f12200 = limitedPartnershipIncome.value();
}

double TaxData_WS_D1::eiBenefitsRepayment(double repaymentRateBox7, double regularBenefits,
                                          double income)
{
    using namespace FederalRates2025;
    // A slip without a repayment rate (box 7 empty or 0) owes nothing back.
    if (repaymentRateBox7 < kAmountTolerance)
        return 0.0;
    const double base =
        std::min(std::max(0.0, regularBenefits), std::max(0.0, income - kEiRepaymentThreshold));
    return FederalTaxRules::roundCents(kEiRepaymentRate * base);
}

void TaxData_WS_D1::CalculateF23500(double netIncomeBefore, double oasReceived, double eiRepayment)
{
    using namespace FederalRates2025;
    // The OAS recovery is worked out on net income after the EI benefits repayment.
    const double ei = std::max(0.0, eiRepayment);
    const double recovery =
        kOasRecoveryRate * std::max(0.0, netIncomeBefore - ei - kOasRecoveryThreshold);
    f23500 =
        FederalTaxRules::roundCents(ei + std::clamp(recovery, 0.0, std::max(0.0, oasReceived)));
}
