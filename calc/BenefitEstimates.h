// The summary's own estimates: Canada Child Benefit, GST/HST credit and next year's RRSP room.
// They are the program's formulas for showing the taxpayer an expected amount, not the
// authority's calculation; their figures are kept in the table below.
#pragma once

namespace BenefitFigures {
// Canada Child Benefit: yearly maximum per child, the two income thresholds, and the
// child disability benefit with its reduction rates.
constexpr double kChildUnder6 = 7787;
constexpr double kChild6To17 = 6570;
constexpr double kFirstThreshold = 36502;
constexpr double kSecondThreshold = 79087;
constexpr double kDisabilityPerChild = 3322;
constexpr double kDisabilityRateOneChild = 0.032;
constexpr double kDisabilityRateMoreChildren = 0.057;
// Reduction by the number of children (1, 2, 3, 4 or more): the rate in the first band, the
// whole first band's reduction (rate times 42585, rounded) and the rate above it.
struct ChildReduction
{
    double firstRate;
    double fixed;
    double secondRate;
};
constexpr ChildReduction kChildReductions[] = {
    {0.07, 2981, 0.032},
    {0.135, 5749, 0.057},
    {0.19, 8091, 0.08},
    {0.23, 9795, 0.095},
};
// GST/HST credit: the adult and child amounts, the single supplement with its phase-in
// threshold and rate, and the family income where the reduction starts, with its rate.
constexpr double kGstAdult = 340;
constexpr double kGstChild = 179;
constexpr double kGstSingleSupplement = 179;
constexpr double kGstSupplementThreshold = 11039;
constexpr double kGstSupplementRate = 0.02;
constexpr double kGstReductionThreshold = 44324;
constexpr double kGstReductionRate = 0.05;
// RRSP room for next year: a share of earned income up to a dollar limit.
constexpr double kRoomRate = 0.18;
constexpr double kRoomLimit = 33810;
} // namespace BenefitFigures

// The yearly Canada Child Benefit for children under 6 and aged 6 to 17, of whom some have a
// disability, at the family's adjusted net income. The province is not used.
double estimateChildBenefit(int province, int childrenUnder6, int children6To17,
                            int childrenWithDisability, double familyIncome);

// The yearly GST/HST credit for an adjusted net income, with or without a spouse (and the
// spouse's adjusted net income), as a single parent or not, with a number of children.
double estimateGstCredit(double income, bool hasSpouse, double spouseIncome, bool singleParent,
                         int children);

// Next year's RRSP room: the earned income less its deduction, at the rate and up to the
// limit, less the pension adjustment; never below 0.
double estimateContributionRoom(double earnedIncome, double earnedDeduction,
                                double pensionAdjustment);
