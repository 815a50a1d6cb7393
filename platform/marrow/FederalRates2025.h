// The published 2025 federal figures the form calculations use, one table.
//
// Source of every figure: shared rates2025.md, part 1 sections "federal", "cpp", "ei" and
// "qpp_qpip", part 2 sections "federal credits" and "cwb"; the tag after each figure is the one
// it carries there (R read at a source, M derived or not confirmed).
//
// Not given there, so left out where they would apply (the step gives 0): the EI benefit
// repayment threshold and rate, the Canada caregiver amounts' exact line arithmetic beyond the
// figures below, the Canada workers benefit figures for Quebec, Alberta and Nunavut, the
// secondary-earner exclusion, and the federal amounts of the rarer forms (T1206 split-income
// tax, minimum tax, investment tax credit, northern residents deduction, GST370 rebate rate,
// the deductible share of meals and the flat meal rate of the TL2).
#pragma once

namespace FederalRates2025 {

struct Bracket
{
    double from;
    double rate;
};

// Section "federal".
constexpr Bracket kBrackets[] = {
    {0, 0.145}, {57375, 0.205}, {114750, 0.26}, {177882, 0.29}, {253414, 0.33}}; // brackets, R
constexpr double kCreditRate = 0.145;                   // non_refundable_credit_rate_2025, R
constexpr double kTopUpRateDifference = 0.005;          // top_up_tax_credit.rate_difference_2025, M
constexpr double kTopUpThreshold = 57375;               // top_up_tax_credit.purpose, R
constexpr double kBpaMaximum = 16129;                   // basic_personal_amount.maximum, R
constexpr double kBpaMinimum = 14538;                   // basic_personal_amount.minimum, R
constexpr double kBpaReductionStart = 177882;           // reduction_starts_at_net_income, R
constexpr double kBpaReductionEnd = 253414;             // reduction_ends_at_net_income, R
constexpr double kAgeAmountMaximum = 9028;              // age_amount.maximum, R
constexpr double kAgeAmountThreshold = 45522;           // age_amount.net_income_threshold, R
constexpr double kAgeAmountReductionRate = 0.15;        // age_amount.reduction_rate, R
constexpr double kCanadaEmploymentMaximum = 1471;       // canada_employment_amount.maximum, R
constexpr double kPensionAmountMaximum = 2000;          // pension_income_amount.maximum, R
constexpr double kMedicalThreshold = 2834;              // medical_expense_threshold, R
constexpr double kMedicalThresholdRate = 0.03;          // medical_expense_threshold note, R
constexpr double kQuebecAbatementRate = 0.165;          // quebec_abatement.rate, R
constexpr double kEligibleGrossUp = 0.38;               // dividends.eligible_gross_up, R
constexpr double kNonEligibleGrossUp = 0.15;            // dividends.non_eligible_gross_up, R
constexpr double kEligibleDividendCredit = 0.150198;    // federal_dtc_eligible_of_grossed_up, R
constexpr double kNonEligibleDividendCredit = 0.090301; // federal_dtc_non_eligible_..., R
constexpr double kCapitalGainsInclusionRate = 0.5;      // capital_gains.inclusion_rate, R
constexpr double kLifetimeCapitalGainsExemption = 1250000; // lifetime_capital_gains_exemption, R

// Section "cpp".
constexpr double kCppYmpe = 71300;               // ympe, R
constexpr double kCppBasicExemption = 3500;      // basic_exemption, R
constexpr double kCppRateTotal = 0.0595;         // employee_rate_total, R
constexpr double kCppRateBase = 0.0495;          // employee_rate_base, R
constexpr double kCppRateFirstAdditional = 0.01; // employee_rate_first_additional, R
constexpr double kCppYampe = 81200;              // yampe, R
constexpr double kCpp2Rate = 0.04;               // cpp2_rate, R

// Section "qpp_qpip".
constexpr double kQppRateTotal = 0.064;            // qpp_rate_total, R
constexpr double kQppRateBase = 0.054;             // qpp_rate_base, R
constexpr double kQppRateFirstAdditional = 0.01;   // qpp_rate_first_additional, R
constexpr double kQpp2Rate = 0.04;                 // qpp2_rate, R
constexpr double kQpipRate = 0.00494;              // qpip_employee_rate, R
constexpr double kQpipMaxInsurable = 98000;        // qpip_max_insurable, R
constexpr double kQpipMaxEmployeePremium = 484.12; // qpip_max_employee, R

// Section "ei".
constexpr double kEiMaxInsurable = 65700; // maximum_insurable_earnings, R
constexpr double kEiRate = 0.0164;        // employee_rate, R
constexpr double kEiRateQuebec = 0.0131;  // employee_rate_quebec, R

// Part 2, section "federal credits".
constexpr double kEligibleDependantMaximum = 16129; // eligible_dependant_amount.maximum, R
constexpr double kCaregiverChildUnder18 = 2687;     // canada_caregiver.child_under_18, R
constexpr double kDisabilityAmount = 10138;         // disability_amount, R
constexpr double kDonationRateFirst200 = 0.145;     // donations.rate_first_200, R
constexpr double kDonationRateOver200 = 0.29;       // donations.rate_over_200, R
constexpr double kDonationRateTopPart = 0.33;       // donations.rate_over_200_top_part, R
constexpr double kDonationLimitRate = 0.75;         // donations.limit, R
constexpr double kOasRecoveryThreshold = 93454;     // oas_recovery.threshold_net_income, R
constexpr double kOasRecoveryRate = 0.15;           // oas_recovery.rate, R

// Part 2, section "cwb" (singles and families outside Quebec, Alberta and Nunavut).
constexpr double kCwbMaxSingle = 1633;          // basic.max_single, R
constexpr double kCwbMaxFamily = 2813;          // basic.max_family, R
constexpr double kCwbPhaseInRate = 0.27;        // basic.phase_in_rate, R
constexpr double kCwbWorkingIncomeFloor = 3000; // basic.working_income_floor, R
constexpr double kCwbPhaseOutSingle = 26855;    // basic.phase_out_threshold_single, R
constexpr double kCwbPhaseOutFamily = 30639;    // basic.phase_out_threshold_family, R
constexpr double kCwbPhaseOutRate = 0.15;       // basic.phase_out_rate, R

} // namespace FederalRates2025
