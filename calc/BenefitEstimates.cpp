// The summary's benefit and contribution room estimates.
#include "calc/BenefitEstimates.h"

#include <algorithm>

using namespace BenefitFigures;

double estimateChildBenefit(int, int childrenUnder6, int children6To17, int childrenWithDisability,
                            double familyIncome)
{
    const int children = childrenUnder6 + children6To17;
    if (children <= 0)
        return 0;
    const double base = kChildUnder6 * childrenUnder6 + kChild6To17 * children6To17;
    const ChildReduction &rates = kChildReductions[std::min(children, 4) - 1];
    double reduction = 0;
    if (familyIncome > kSecondThreshold)
        reduction = rates.fixed + (familyIncome - kSecondThreshold) * rates.secondRate;
    else if (familyIncome > kFirstThreshold)
        reduction = (familyIncome - kFirstThreshold) * rates.firstRate;
    const double benefit = std::max(0.0, base - reduction);
    if (childrenWithDisability <= 0)
        return benefit;
    const double disabilityRate =
        childrenWithDisability == 1 ? kDisabilityRateOneChild : kDisabilityRateMoreChildren;
    const double disability = kDisabilityPerChild * childrenWithDisability -
                              std::max(0.0, familyIncome - kSecondThreshold) * disabilityRate;
    return benefit + std::max(0.0, disability);
}

double estimateGstCredit(double income, bool hasSpouse, double spouseIncome, bool singleParent,
                         int children)
{
    // The supplement of a person without spouse or counted children phases in with income.
    const double phasedSupplement =
        income < kGstSupplementThreshold
            ? 0.0
            : std::min(kGstSupplementRate * (income - kGstSupplementThreshold),
                       kGstSingleSupplement);
    double base = 0;
    double supplement = 0;
    if (hasSpouse) {
        base = 2 * kGstAdult + kGstChild * children;
    } else {
        base = singleParent ? 2 * kGstAdult + kGstChild * std::max(children, 0) : kGstAdult;
        supplement = children > 0 ? kGstSingleSupplement : phasedSupplement;
    }
    const double over = income + spouseIncome - kGstReductionThreshold;
    const double reduction = over >= 0 ? kGstReductionRate * over : 0.0;
    return std::max(0.0, base + supplement - reduction);
}

double estimateContributionRoom(double earnedIncome, double earnedDeduction,
                                double pensionAdjustment)
{
    const double earned = earnedIncome - earnedDeduction;
    const double limit = earned < 0 ? 0.0 : std::min(kRoomRate * earned, kRoomLimit);
    return std::max(0.0, limit - pensionAdjustment);
}
