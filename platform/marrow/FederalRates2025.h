// The published 2025 federal figures the form calculations use, one table.
//
// Source of every figure: shared rates2025.md (sections "federal", "cpp", "ei", "qpp_qpip",
// "federal credits" and "cwb"); the tag after each figure is the one it carries there
// (R read at a source, M derived or not confirmed).
#pragma once

namespace FederalRates2025 {

// Section "federal".
constexpr double kCapitalGainsInclusionRate = 0.5; // capital_gains.inclusion_rate, R
constexpr double kEligibleGrossUp = 0.38;          // dividends.eligible_gross_up, R
constexpr double kNonEligibleGrossUp = 0.15;       // dividends.non_eligible_gross_up, R

// Section "qpp_qpip".
constexpr double kQpipMaxEmployeePremium = 484.12; // qpip_max_employee, R

} // namespace FederalRates2025
