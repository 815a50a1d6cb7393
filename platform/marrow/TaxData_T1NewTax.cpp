// The T1's net income, taxable income, credits, federal tax and balance on the 2025 federal
// rules. Every amount written to a line is rounded to the cent; later lines use the rounded
// amounts.
#include "marrow/TaxData_T1New.h"

#include "marrow/FederalRates2025.h"
#include "marrow/TypeCodes.h"

#include <algorithm>

using FederalTaxRules::roundCents;

namespace {

double sumOf(std::initializer_list<const CFloatField *> lines)
{
    double total = 0;
    for (const CFloatField *line : lines)
        total += *line;
    return total;
}

} // namespace

bool TaxData_T1New::HasSelfEmploymentIncome() const
{
    for (const CFloatField *line : {&f13500, &f13700, &f13900, &f14100, &f14300}) {
        if (line->isPresent())
            return true;
    }
    return false;
}

void TaxData_T1New::getSelfEmploymentIncomeForCPP(double *cppEarnings, double *qppEarnings) const
{
    const double earnings = std::max(0.0, sumOf({&f13500, &f13700, &f13900, &f14100, &f14300}));
    const bool quebec = selfEmploymentProvince == ProvinceCode::QC;
    if (cppEarnings)
        *cppEarnings = quebec ? 0.0 : earnings;
    if (qppEarnings)
        *qppEarnings = quebec ? earnings : 0.0;
}

void TaxData_T1New::CalculateNetIncomeBeforeF23500()
{
    const double deductions =
        sumOf({&f20700, &f20800, &f21000, &f21200, &f21300, &f21400, &f21500, &movingExpenses,
               &f22100, &f22200, &f22215, &f22400, &f22900, &employmentExpenses, &clergyDeduction,
               &f23200, &resourceDeduction, &foreignPlanDeduction});
    f23400 = roundCents(f15000 - deductions);
}

void TaxData_T1New::CalculateNetIncomeAfterCCT(bool)
{
    f23600 = roundCents(f23400 - f23500);
}

void TaxData_T1New::CalculateTaxableIncome(bool)
{
    f25000 = roundCents(f14400 + f14500);
    // Line 24900 is what the T4 slips report as deductible (boxes 39, 41, 91 and 92): the
    // benefit itself is already in employment income.
    f24900 = std::max(0.0, roundCents(t4ExemptTotal));
    const double deductions = sumOf({&f24600, &f24900, &f25000, &f25100, &f25200, &f25300, &f25400,
                                     &f25500, &capitalGainsDeduction});
    f26000 = std::max(0.0, roundCents(f23600 - deductions));
}

double TaxData_T1New::CalculateAgeAmount(bool age65OrOver, double netIncome, double days,
                                         double daysInYear, double maximum, double threshold,
                                         double rate)
{
    if (!age65OrOver)
        return 0;
    const double full = std::max(0.0, maximum - rate * std::max(0.0, netIncome - threshold));
    // A part-year resident claims the part of the year in Canada.
    const double share = daysInYear > 0 && days > 0 && days < daysInYear ? days / daysInYear : 1.0;
    return roundCents(full * share);
}

void TaxData_T1New::CalculateField338AndField410_414()
{
    using namespace FederalRates2025;
    f30000 = roundCents(FederalTaxRules::basicPersonalAmount(f23600));
    f30100 = CalculateAgeAmount(IsAgeNotUnder65(), f23600, daysInYear, daysInYear,
                                kAgeAmountMaximum, kAgeAmountThreshold, kAgeAmountReductionRate);
    f31260 = roundCents(FederalTaxRules::canadaEmploymentAmount(canadaEmploymentBase));
    f31600 = disabilityFlag != 0 ? kDisabilityAmount + disabilitySupplement() : 0.0;
    f33200 = roundCents(FederalTaxRules::allowableMedicalExpenses(f33099, f23600) + f33199.value());
    f33500 =
        roundCents(sumOf({&f30000, &f30100, &f30300, &f30400, &f30425, &f30450, &f30500, &f30800,
                          &f31000, &f31200, &f31205, &f31217, &f31220, &f31240, &f31260, &f31270,
                          &f31285, &f31300, &f31400, &f31600, &f32300, &f32600, &f33200}));
    f33800 = roundCents(f33500 * kCreditRate);
}

void TaxData_T1New::CalculateField350()
{
    using namespace FederalRates2025;
    // The top-up keeps 15% on credit amounts above the first threshold (tagged M).
    f34990 = roundCents(kTopUpRateDifference * std::max(0.0, f33500 - kTopUpThreshold));
    f35000 = roundCents(f33800 + f34900 + f34990);
}

void TaxData_T1New::CalculateFedTax1stStep()
{
    taxOnTaxableIncome = roundCents(m_taxStairs.CalcAlgoForSpouseF260S2(f26000, nullptr));
}

void TaxData_T1New::CalculateField404()
{
    using namespace FederalRates2025;
    f40400 = roundCents(taxOnTaxableIncome + f40424);
    f40425 = roundCents(eligibleDividends * kEligibleDividendCredit +
                        f12010 * kNonEligibleDividendCredit);
}

void TaxData_T1New::CalculateField429AndNonResiSurTax()
{
    f42900 = std::max(0.0, roundCents(f40400 - f35000 - f40425 - f40427));
}

double TaxData_T1New::disabilitySupplement() const
{
    using namespace FederalRates2025;
    if (!IsAgeUnder18())
        return 0;
    // Reduced by the attendant care claimed for the person above the base.
    const double care = std::max(0.0, double(medSelfAttendant));
    return roundCents(
        std::max(0.0, kDisabilitySupplement - std::max(0.0, care - kDisabilitySupplementCareBase)));
}

void TaxData_T1New::CalculateField406()
{
    f40600 = std::max(0.0, roundCents(f42900 - foreignTaxCredit));
    // The political contribution credit is non-refundable: at most the tax left.
    f41000 = std::min(f40600.value(), politicalContributionCredit(f40900));
}

void TaxData_T1New::CalculateField417(bool minimumTaxApplies)
{
    const double regular = std::max(0.0, roundCents(f40600 - f41000 - f41200));
    // Under minimum tax the federal tax is the minimum amount: the regular tax and what the
    // minimum tax adds to it.
    f41700 = minimumTaxApplies ? roundCents(regular + minimumTaxAddition) : regular;
}

double TaxData_T1New::politicalContributionCredit(double contributions)
{
    using namespace FederalRates2025;
    const double c = std::max(0.0, contributions);
    const double credit =
        kPoliticalFirstRate * std::min(c, kPoliticalFirstBand) +
        kPoliticalSecondRate *
            std::clamp(c - kPoliticalFirstBand, 0.0, kPoliticalSecondBand - kPoliticalFirstBand) +
        kPoliticalThirdRate * std::max(0.0, c - kPoliticalSecondBand);
    return roundCents(std::min(credit, kPoliticalCreditMaximum));
}

void TaxData_T1New::CalculateFedTax()
{
    // The tax on split income less its own credits is a floor for the net federal tax: the
    // credits of the return cannot bring the tax below it (docs/TaxFigures2025.md).
    f42000 =
        roundCents(std::max(f41700.value(), splitIncomeTax.value()) + f41500 + additionalTaxes);
}

void TaxData_T1New::CalculateBeforeLine437(bool)
{
    f43500 = roundCents(sumOf({&f42000, &f42100, &f42120, &f42200, &f42800}));
    f43700 = roundCents(incomeTaxDeducted + pensionSplitTaxTransfer);
}

void TaxData_T1New::CalculateBalance(bool)
{
    f44000 = quebecAbatement.value();
    f48200 = roundCents(sumOf({&f43700, &f44000, &f44800, &f45000, &f45300, &f45350, &f45355,
                               &f45700, &taxInstalmentsPaid, &f47555, &f47900}));
    const double difference = roundCents(f43500 - f48200);
    signedBalance = difference;
    f48500 = difference > 0 ? difference : 0.0;
    f48400 = difference < 0 ? -difference : 0.0;
}

void TaxData_T1New::GetIncomeThresholds(QList<double> &thresholds) const
{
    for (const FederalRates2025::Bracket &bracket : FederalRates2025::kBrackets) {
        if (bracket.from > 0)
            thresholds.append(bracket.from);
    }
}
