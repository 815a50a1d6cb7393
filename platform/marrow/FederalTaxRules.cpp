// The 2025 federal rules.
#include "marrow/FederalTaxRules.h"

#include "marrow/FederalRates2025.h"
#include "ordane/AmountTolerance.h"

#include <algorithm>
#include <cmath>
#include <iterator>

using namespace FederalRates2025;

namespace FederalTaxRules {

double roundCents(double amount)
{
    // The tiny bias keeps amounts that are a whole half cent in decimal (2956.875) from
    // rounding down because their binary value lies just below.
    const double cents = std::fabs(amount) * 100.0;
    const double rounded = std::floor(cents + 0.5 + 1e-7) / 100.0;
    return amount < 0 ? -rounded : rounded;
}

double bracketTax(double taxableIncome)
{
    double tax = 0;
    const int count = int(std::size(kBrackets));
    for (int i = 0; i < count; ++i) {
        const double from = kBrackets[i].from;
        const double to = i + 1 < count ? kBrackets[i + 1].from : taxableIncome;
        if (taxableIncome <= from)
            break;
        tax += (std::min(taxableIncome, to) - from) * kBrackets[i].rate;
    }
    return tax;
}

double basicPersonalAmount(double netIncome)
{
    if (netIncome <= kBpaReductionStart)
        return kBpaMaximum;
    if (netIncome >= kBpaReductionEnd)
        return kBpaMinimum;
    return kBpaMaximum - (kBpaMaximum - kBpaMinimum) * (netIncome - kBpaReductionStart) /
                             (kBpaReductionEnd - kBpaReductionStart);
}

double ageAmount(bool age65OrOver, double netIncome)
{
    if (!age65OrOver)
        return 0;
    const double reduction =
        kAgeAmountReductionRate * std::max(0.0, netIncome - kAgeAmountThreshold);
    return std::max(0.0, kAgeAmountMaximum - reduction);
}

double canadaEmploymentAmount(double employmentIncome)
{
    return std::clamp(employmentIncome, 0.0, kCanadaEmploymentMaximum);
}

double pensionAmount(double eligiblePension)
{
    return std::clamp(eligiblePension, 0.0, kPensionAmountMaximum);
}

double allowableMedicalExpenses(double expenses, double netIncome)
{
    const double threshold =
        std::min(kMedicalThresholdRate * std::max(0.0, netIncome), kMedicalThreshold);
    return std::max(0.0, expenses - threshold);
}

double donationCredit(double allowableGifts, double taxableIncome)
{
    const double gifts = std::max(0.0, allowableGifts);
    const double first = std::min(gifts, 200.0);
    const double rest = gifts - first;
    const double topPart = std::min(rest, std::max(0.0, taxableIncome - kBpaReductionEnd));
    return first * kDonationRateFirst200 + topPart * kDonationRateTopPart +
           (rest - topPart) * kDonationRateOver200;
}

PensionSplit pensionPlanSplit(bool quebecPlan, double earnings, int months, double paid,
                              double paidSecond)
{
    const double rateTotal = quebecPlan ? kQppRateTotal : kCppRateTotal;
    const double rateBase = quebecPlan ? kQppRateBase : kCppRateBase;
    const double rateSecond = quebecPlan ? kQpp2Rate : kCpp2Rate;
    const double part = std::clamp(months, 0, 12) / 12.0;
    const double ympe = kCppYmpe * part;
    const double contributory = std::max(0.0, std::min(earnings, ympe) - kCppBasicExemption * part);
    const double required = roundCents(rateTotal * contributory);
    const double requiredSecond =
        roundCents(rateSecond * std::max(0.0, std::min(earnings, kCppYampe * part) - ympe));
    const double creditable = std::clamp(paid, 0.0, required);
    PensionSplit split;
    split.base = roundCents(creditable * rateBase / rateTotal);
    split.enhanced =
        roundCents(creditable - split.base + std::clamp(paidSecond, 0.0, requiredSecond));
    split.overpayment =
        roundCents(std::max(0.0, paid - required) + std::max(0.0, paidSecond - requiredSecond));
    return split;
}

double SelfEmployedContributions::creditPart() const
{
    return roundCents(base * kSelfBaseCreditShare);
}

double SelfEmployedContributions::deductionPart() const
{
    return roundCents(firstAdditional + secondAdditional + base - creditPart());
}

SelfEmployedContributions selfEmployedContributions(bool quebecPlan, double employmentEarnings,
                                                    double otherEarnings, int months, double paid,
                                                    double paidSecond)
{
    SelfEmployedContributions result;
    const double other = std::max(0.0, otherEarnings);
    if (other < kAmountTolerance)
        return result;
    const double part = std::clamp(months, 0, 12) / 12.0;
    const double ympe = kCppYmpe * part;
    const double yampe = kCppYampe * part;
    const double exemption = kCppBasicExemption * part;
    const double total = std::max(0.0, employmentEarnings) + other;
    const double contributory = std::max(0.0, std::min(total, ympe) - exemption);
    const double employeeRate = quebecPlan ? kQppRateTotal : kCppRateTotal;
    const double employeeSecondRate = quebecPlan ? kQpp2Rate : kCpp2Rate;
    const double coveredByEmployment = roundCents(std::max(0.0, paid) / employeeRate);
    const double selfContributory = std::max(0.0, contributory - coveredByEmployment);
    const double secondEarnings = std::max(0.0, std::min(total, yampe) - ympe);
    const double secondCovered = roundCents(std::max(0.0, paidSecond) / employeeSecondRate);
    const double selfSecond = std::max(0.0, secondEarnings - secondCovered);
    result.base = roundCents(selfContributory * (quebecPlan ? kQppSelfBaseRate : kCppSelfBaseRate));
    result.firstAdditional =
        roundCents(selfContributory *
                   (quebecPlan ? kQppSelfFirstAdditionalRate : kCppSelfFirstAdditionalRate));
    result.secondAdditional =
        roundCents(selfSecond * (quebecPlan ? kQppSelfSecondRate : kCppSelfSecondRate));
    return result;
}

double eiPremium(bool quebec, double insurableEarnings)
{
    const double insurable = std::clamp(insurableEarnings, 0.0, kEiMaxInsurable);
    return roundCents(insurable * (quebec ? kEiRateQuebec : kEiRate));
}

double ppipPremium(double insurableEarnings)
{
    return roundCents(std::clamp(insurableEarnings, 0.0, kQpipMaxInsurable) * kQpipRate);
}

} // namespace FederalTaxRules

double STRUCT_TAX_STAIRS_JURISDICTION::CalcAlgoForSpouseF260S2(double taxableIncome,
                                                               double *marginalRate) const
{
    if (marginalRate) {
        *marginalRate = kBrackets[0].rate;
        for (const Bracket &bracket : kBrackets) {
            if (taxableIncome > bracket.from)
                *marginalRate = bracket.rate;
        }
    }
    return FederalTaxRules::bracketTax(taxableIncome);
}
