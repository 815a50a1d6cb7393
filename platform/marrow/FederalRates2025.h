// The published 2025 federal figures the form calculations use, one table.
//
// Each figure, its source and the words it was read from are in docs/TaxFigures2025.md
// ("Federal"); the tag after a figure says R (read as published) or D (derived there).
//
// Not published in a source found, so left out where they would apply (the step gives 0 and
// docs/TaxFigures2025.md names them): the Canada workers benefit figures for Quebec, Alberta
// and Nunavut and the secondary-earner exclusion,
// the minimum tax's add-back of the resource deductions and its part for donated securities,
// and the investment tax credit rate of the other qualifying expenditures (T2038).
#pragma once

namespace FederalRates2025 {

struct Bracket
{
    double from;
    double rate;
};

// Brackets and credits.
constexpr Bracket kBrackets[] = {
    {0, 0.145}, {57375, 0.205}, {114750, 0.26}, {177882, 0.29}, {253414, 0.33}}; // brackets, R
constexpr double kCreditRate = 0.145;                      // non_refundable_credit_rate_2025, R
constexpr double kTopUpRateDifference = 0.005;             // top-up tax credit, D
constexpr double kTopUpThreshold = 57375;                  // top_up_tax_credit.purpose, R
constexpr double kBpaMaximum = 16129;                      // basic_personal_amount.maximum, R
constexpr double kBpaMinimum = 14538;                      // basic_personal_amount.minimum, R
constexpr double kBpaReductionStart = 177882;              // reduction_starts_at_net_income, R
constexpr double kBpaReductionEnd = 253414;                // reduction_ends_at_net_income, R
constexpr double kAgeAmountMaximum = 9028;                 // age_amount.maximum, R
constexpr double kAgeAmountThreshold = 45522;              // age_amount.net_income_threshold, R
constexpr double kAgeAmountReductionRate = 0.15;           // age_amount.reduction_rate, R
constexpr double kCanadaEmploymentMaximum = 1471;          // canada_employment_amount.maximum, R
constexpr double kPensionAmountMaximum = 2000;             // pension_income_amount.maximum, R
constexpr double kMedicalThreshold = 2834;                 // medical_expense_threshold, R
constexpr double kMedicalThresholdRate = 0.03;             // medical_expense_threshold note, R
constexpr double kQuebecAbatementRate = 0.165;             // quebec_abatement.rate, R
constexpr double kEligibleGrossUp = 0.38;                  // dividends.eligible_gross_up, R
constexpr double kNonEligibleGrossUp = 0.15;               // dividends.non_eligible_gross_up, R
constexpr double kEligibleDividendCredit = 0.150198;       // federal_dtc_eligible_of_grossed_up, R
constexpr double kNonEligibleDividendCredit = 0.090301;    // federal_dtc_non_eligible_..., R
constexpr double kCapitalGainsInclusionRate = 0.5;         // capital_gains.inclusion_rate, R
constexpr double kLifetimeCapitalGainsExemption = 1250000; // lifetime_capital_gains_exemption, R

// Canada Pension Plan.
constexpr double kCppYmpe = 71300;               // ympe, R
constexpr double kCppBasicExemption = 3500;      // basic_exemption, R
constexpr double kCppRateTotal = 0.0595;         // employee_rate_total, R
constexpr double kCppRateBase = 0.0495;          // employee_rate_base, R
constexpr double kCppRateFirstAdditional = 0.01; // employee_rate_first_additional, R
constexpr double kCppYampe = 81200;              // yampe, R
constexpr double kCpp2Rate = 0.04;               // cpp2_rate, R

// Contributions on self-employment and other earnings: both the employee's and the employer's
// share, split as Schedule 8 splits them (base, first additional, second additional).
constexpr double kCppSelfBaseRate = 0.099;           // Schedule 8 base, R
constexpr double kCppSelfFirstAdditionalRate = 0.02; // Schedule 8 first additional, R
constexpr double kCppSelfSecondRate = 0.08;          // Schedule 8 second additional, R
constexpr double kQppSelfBaseRate = 0.108;           // QPP base on self-employment, R
constexpr double kQppSelfFirstAdditionalRate = 0.02; // QPP first additional, R
constexpr double kQppSelfSecondRate = 0.08;          // QPP second additional, R
constexpr double kSelfBaseCreditShare = 0.5;         // line 31000: half the base, R

// Quebec Pension Plan and parental insurance.
constexpr double kQppRateTotal = 0.064;            // qpp_rate_total, R
constexpr double kQppRateBase = 0.054;             // qpp_rate_base, R
constexpr double kQppRateFirstAdditional = 0.01;   // qpp_rate_first_additional, R
constexpr double kQpp2Rate = 0.04;                 // qpp2_rate, R
constexpr double kQpipRate = 0.00494;              // qpip_employee_rate, R
constexpr double kQpipMaxInsurable = 98000;        // qpip_max_insurable, R
constexpr double kQpipMaxEmployeePremium = 484.12; // qpip_max_employee, R

// Employment insurance.
constexpr double kEiMaxInsurable = 65700; // maximum_insurable_earnings, R
constexpr double kEiRate = 0.0164;        // employee_rate, R
constexpr double kEiRateQuebec = 0.0131;  // employee_rate_quebec, R

// Further credits.
constexpr double kEligibleDependantMaximum = 16129;    // eligible_dependant_amount.maximum, R
constexpr double kCaregiverChildUnder18 = 2687;        // canada_caregiver.child_under_18, R
constexpr double kDisabilityAmount = 10138;            // disability_amount, R
constexpr double kDisabilitySupplement = 5914;         // supplement under 18, R
constexpr double kDisabilitySupplementCareBase = 3464; // supplement reduced above, R
constexpr double kAdoptionMaximum = 19580;             // adoption expenses per child, R
constexpr double kVolunteerAmount = 6000;              // firefighter / search and rescue, R
constexpr double kMultigenerationalRate = 0.15;        // renovation credit rate, R
constexpr double kMultigenerationalMaximum = 50000;    // qualifying expenditures per claim, R
constexpr double kHomeAccessibilityMaximum = 10000;    // home accessibility expenses, R
// Canada caregiver amount for a dependant 18 or older (lines 30425 and 30450): the amount,
// reduced by each dollar of the dependant's net income above the threshold; the addition to
// the spouse or eligible dependant amount for an infirm person.
constexpr double kCaregiverInfirmAmount = 8601;     // infirm_dependant_18_plus, R
constexpr double kCaregiverInfirmThreshold = 20197; // reduced_over_net_income, R
constexpr double kCaregiverSpouseAddition = 2687;   // spouse_or_eligible_dependant, R
// Political contribution credit: 75% of the first 400, 50% of the next 350, one third of
// the rest, at most 650.
constexpr double kPoliticalFirstBand = 400;       // R
constexpr double kPoliticalSecondBand = 750;      // R
constexpr double kPoliticalFirstRate = 0.75;      // R
constexpr double kPoliticalSecondRate = 0.5;      // R
constexpr double kPoliticalThirdRate = 1.0 / 3.0; // R
constexpr double kPoliticalCreditMaximum = 650;   // R
constexpr double kDonationRateFirst200 = 0.145;   // donations.rate_first_200, R
constexpr double kDonationRateOver200 = 0.29;     // donations.rate_over_200, R
constexpr double kDonationRateTopPart = 0.33;     // donations.rate_over_200_top_part, R
constexpr double kDonationLimitRate = 0.75;       // donations.limit, R
constexpr double kOasRecoveryThreshold = 93454;   // oas_recovery.threshold_net_income, R
constexpr double kOasRecoveryRate = 0.15;         // oas_recovery.rate, R
// EI benefits repayment: 30% of the lesser of the regular benefits and the income above the
// threshold (1.25 times the maximum insurable earnings), when box 7 of a T4E shows the rate.
constexpr double kEiRepaymentThreshold = 82125; // R
constexpr double kEiRepaymentRate = 0.30;       // R

// Canada workers benefit (singles and families outside Quebec, Alberta and Nunavut).
constexpr double kCwbMaxSingle = 1633;          // basic.max_single, R
constexpr double kCwbMaxFamily = 2813;          // basic.max_family, R
constexpr double kCwbPhaseInRate = 0.27;        // basic.phase_in_rate, R
constexpr double kCwbWorkingIncomeFloor = 3000; // basic.working_income_floor, R
constexpr double kCwbPhaseOutSingle = 26855;    // basic.phase_out_threshold_single, R
constexpr double kCwbPhaseOutFamily = 30639;    // basic.phase_out_threshold_family, R
constexpr double kCwbPhaseOutRate = 0.15;       // basic.phase_out_rate, R
// The disability supplement, for a person who claims the disability amount: 27% of their
// working income above 1,150, at most 843, less 15% of the income above its own thresholds
// (7.5% when both spouses claim the disability amount).
constexpr double kCwbDisabilityMax = 843;                 // disability_supplement.max, R
constexpr double kCwbDisabilityPhaseInRate = 0.27;        // .phase_in_rate, R
constexpr double kCwbDisabilityWorkingIncomeFloor = 1150; // .working_income_floor, R
constexpr double kCwbDisabilityPhaseOutSingle = 37740;    // .phase_out_threshold_single, R
constexpr double kCwbDisabilityPhaseOutFamily = 49389;    // .phase_out_threshold_family, R
constexpr double kCwbDisabilityPhaseOutRate = 0.15;       // .phase_out_rate, R
constexpr double kCwbDisabilityPhaseOutRateBoth = 0.075;  // ..._both_spouses_eligible, R
// No benefit for a full-time student of more than 13 weeks (3 months of the T2202, D) without
// an eligible dependant, a child under 19 at the end of the year (R).
constexpr double kCwbStudentMonths = 3;
constexpr int kCwbDependantMaxAge = 18;

// Instalments are due when the net tax owing is more than 3,000 (1,800 for a resident of
// Quebec, whose provincial tax is not on the federal return).
constexpr double kInstalmentThreshold = 3000;       // R
constexpr double kInstalmentThresholdQuebec = 1800; // R

// Canada training credit (line 45350): half of the year's eligible tuition fees, at most the
// limit on the notice of assessment, for a resident all year aged 26 to 65 at the end of it.
constexpr double kTrainingCreditShare = 0.5; // R
constexpr int kTrainingCreditMinAge = 26;    // R
constexpr int kTrainingCreditMaxAge = 65;    // R ("less than 66 years of age")

// Alternative minimum tax (T691).
constexpr double kMinimumTaxRate = 0.205;         // T691 federal tax rate, R
constexpr double kMinimumTaxExemption = 177882;   // basic exemption 2025, R
constexpr double kMinimumTaxCreditShare = 0.5;    // credits other than donations, R
constexpr double kMinimumTaxDonationShare = 0.8;  // donations and gifts credit, R
constexpr double kMinimumTaxGainsInclusion = 1.0; // capital gains included in full, R
// The deductions allowed only in part: half of each is added back to taxable income, R.
constexpr double kMinimumTaxDisallowedShare = 0.5;
// The gains under the lifetime capital gains exemption: 40% of line 25400 comes off again, so
// 30% of those gains count, R.
constexpr double kMinimumTaxExemptGainsShare = 0.4;
// The special foreign tax credit: the foreign income at the minimum-tax rate, against two
// thirds of the foreign non-business income tax paid, R.
constexpr double kMinimumTaxForeignTaxShare = 0.666667;

// Investment tax credit (T2038): the mineral exploration tax credit on flow-through mining
// expenditures, and the critical mineral exploration tax credit on the expenditures that
// target critical minerals (an expenditure earns one of the two, not both).
constexpr double kMineralExplorationCreditRate = 0.15;         // R
constexpr double kCriticalMineralExplorationCreditRate = 0.30; // R

// Foreign tax credit (T2209): foreign tax on income from property other than real property
// counts for the credit up to this share of that income; the rest is deducted on line 23200.
constexpr double kForeignPropertyTaxShare = 0.15; // R

// Northern residents deductions (T2222): the daily residency amounts of the northern zone (the
// intermediate zone takes half of every amount), the income limit of the residency deduction
// and the standard amount of the travel deduction.
constexpr double kNorthernBasicDaily = 11.0;          // basic residency amount, D (unchanged)
constexpr double kNorthernAdditionalDaily = 11.0;     // additional residency amount, D
constexpr double kNorthernIntermediateShare = 0.5;    // Zone B, R
constexpr double kNorthernResidencyIncomeRate = 0.20; // 20% of net income, R
constexpr double kNorthernTravelStandard = 1200;      // standard amount per person, R

// Meals of transport employees (TL2): the simplified rate per meal, at most three meals a day,
// and the deductible share (80% for a long-haul truck driver's eligible travel period).
constexpr double kTl2MealRate = 23;           // simplified method, R
constexpr double kTl2MealsPerDay = 3;         // R
constexpr double kTl2MealShare = 0.5;         // R
constexpr double kTl2LongHaulMealShare = 0.8; // R

// Employee and partner GST/HST rebate (GST370): the tax fraction of the eligible expenses at
// each rate (5% GST; 13%, 14% and 15% HST).
constexpr double kGstRebateFraction = 5.0 / 105.0;    // R
constexpr double kHst13RebateFraction = 13.0 / 113.0; // R
constexpr double kHst14RebateFraction = 14.0 / 114.0; // R
constexpr double kHst15RebateFraction = 15.0 / 115.0; // R

// Additional tax on RESP accumulated income payments (T1172): 20%, 12% for a resident of
// Quebec; the lifetime RRSP contributions that may reduce the payments taxed.
constexpr double kRespAipTaxRate = 0.20;        // R
constexpr double kRespAipTaxRateQuebec = 0.12;  // R
constexpr double kRespAipLifetimeLimit = 50000; // R

} // namespace FederalRates2025
