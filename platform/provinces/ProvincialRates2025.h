// The published 2025 provincial and territorial figures the plug-ins compute with, one table
// per province.
//
// Source of every figure: shared rates2025.md, part 1 section "province XX" and part 2 section
// "province XX"; the tag after each figure is the one it carries there (R read at a source, M
// derived or not confirmed). A figure those sections do not give is 0 here, and the step that
// would use it is left out (the amount counts 0):
// - every province: the Canada employment amount, adoption expenses, volunteer firefighter and
//   search-and-rescue amounts, the disability supplement for a child under 18, the amount for
//   infirm dependants beside the caregiver amount, and the non-eligible dividend credit where
//   only the eligible rate is given (all but ON, BC and AB);
// - AB: age, pension, spouse, eligible dependant, caregiver and disability amounts, and the
//   medical expense threshold (not read for 2025);
// - SK: the age amount (its reduction threshold is not read), the caregiver amount (no
//   threshold), the charitable gift rates and the home renovation credit;
// - MB: the spouse and eligible dependant amounts (no reduction threshold given);
// - NB, NL, PE: the low-income tax reduction (2025 threshold not read); PE surtax (not checked);
// - NS: the age amount, the spouse and eligible dependant amounts (no reduction threshold) and
//   the low-income tax reduction (threshold and rate not read);
// - NL: amounts other than the basic, spouse and age amounts;
// - YT, NT, NU: amounts beyond the basic personal amount; the NT and NU cost-of-living credits
//   (refundable; 2025 rates and caps not read), so the pass-5 hooks add no refundable credit;
// - QC: nothing; Quebec tax is on the Quebec return, so line 42800 stays 0.
#pragma once

#include <cstddef>

namespace ProvincialRates2025 {

struct Bracket
{
    double from;
    double rate;
};

// An amount reduced dollar for dollar (or at a rate) by an income above a threshold. An
// amount of 0 means the province's rows do not give it; a threshold below 0 means the
// reduction is not given, so the amount is left out rather than guessed.
struct ReducedAmount
{
    double amount;
    double reducedOver;
    double rate;
};

constexpr double kNoThreshold = -1;

// The steps a province adds to the common road.
enum Special
{
    kNoSpecial = 0,
    kOntario,
    kBritishColumbia,
    kAlberta,
    kManitoba,
    kSaskatchewan,
    kNovaScotia,
    kYukon,
    kQuebec,
};

struct Province
{
    const Bracket *brackets;
    std::size_t bracketCount;
    double creditRate;
    double basicPersonalAmount;
    ReducedAmount age;       // by the person's net income
    ReducedAmount spouse;    // by the spouse's or eligible dependant's net income
    ReducedAmount caregiver; // per infirm dependant 18 or over, by the dependant's net income
    double pensionMaximum;
    double disabilityAmount;
    double medicalThreshold; // the fixed part of "lesser of 3% of net income and ..."
    // Donations: the rate on the first 200, on the rest, and (BC) on the part above 200 paid
    // out of taxable income above topThreshold.
    double donationRateFirst200;
    double donationRateOver200;
    double donationRateTop;
    double donationTopThreshold;
    double dividendCreditEligible;    // of the grossed-up (taxable) amount
    double dividendCreditNonEligible; // of the grossed-up (taxable) amount
    Special special;
};

// The common lesser-of rule of the medical expense threshold, as federally.
constexpr double kMedicalThresholdRate = 0.03; // federal medical_expense_threshold note, R

// --- ON: part 1 "province ON", part 2 "province ON" -------------------------------------
constexpr Bracket kOntarioBrackets[] = {{0, 0.0505},
                                        {52886, 0.0915},
                                        {105775, 0.1116},
                                        {150000, 0.1216},
                                        {220000, 0.1316}}; // brackets, R
struct OntarioSurtax
{
    double over;
    double rate;
};
constexpr OntarioSurtax kOntarioSurtax[] = {{5710, 0.2}, {7307, 0.36}}; // surtax, R
constexpr double kOntarioReductionBasic = 294;                          // tax_reduction_basic, R
constexpr double kOntarioReductionPerDependant = 544; // tax_reduction.per_dependant_2025, M
constexpr double kLiftMaximum = 875;                  // lift.max, M (2022 values)
constexpr double kLiftRate = 0.0505;                  // lift.rate_on_employment_income, M
constexpr double kLiftThresholdSingle = 32500;        // lift.reduction_threshold_single, M
constexpr double kLiftReductionRate = 0.05;           // lift.reduction_rate, M
// health_premium.table, R (still in force in 2025: M), on taxable income.
struct HealthPremiumBand
{
    double over;
    double base;
    double rate;
    double cap;
};
constexpr HealthPremiumBand kHealthPremium[] = {{20000, 0, 0.06, 300},
                                                {36000, 300, 0.06, 450},
                                                {48000, 450, 0.25, 600},
                                                {72000, 600, 0.25, 750},
                                                {200000, 750, 0.25, 900}};

// --- BC -------------------------------------------------------------------------------
constexpr Bracket kBritishColumbiaBrackets[] = {{0, 0.0506},      {49279, 0.077},  {98560, 0.105},
                                                {113158, 0.1229}, {137407, 0.147}, {186306, 0.168},
                                                {259829, 0.205}}; // brackets, R
constexpr double kBcReductionMaximum = 562;                       // tax_reduction.max, R
constexpr double kBcReductionThreshold = 25020; // tax_reduction.net_income_threshold, R
constexpr double kBcReductionRate = 0.0356;     // tax_reduction.rate, R

// --- AB -------------------------------------------------------------------------------
constexpr Bracket kAlbertaBrackets[] = {{0, 0.08},      {60000, 0.1},   {151234, 0.12},
                                        {181481, 0.13}, {241974, 0.14}, {362961, 0.15}}; // R
constexpr double kAbSupplementalRate = 0.02;         // supplemental_credit.rate, R
constexpr double kAbSupplementalCreditsOver = 60000; // supplemental_credit.credits_over, R

// --- MB -------------------------------------------------------------------------------
constexpr Bracket kManitobaBrackets[] = {{0, 0.108}, {47000, 0.1275}, {100000, 0.174}}; // R
constexpr double kMbBpaPhaseOutFrom = 200000; // bpa_phase_out_net_income, R
constexpr double kMbBpaPhaseOutTo = 400000;   // bpa_phase_out_net_income, R
// family_tax_benefit, R (2024 figures; continuation in 2025 M).
constexpr double kMbFamilyBasic = 2065;
constexpr double kMbFamilySpouseOrDependant = 2065;
constexpr double kMbFamilyAge65 = 2065;
constexpr double kMbFamilySpouse65 = 2065;
constexpr double kMbFamilyDisability = 2752;
constexpr double kMbFamilyPerDependant = 2752; // each dependant 18 or under, each disabled 18+
constexpr double kMbFamilyReductionRate = 0.09;
constexpr double kMbFamilyCreditRate = 0.108;

// --- SK -------------------------------------------------------------------------------
constexpr Bracket kSaskatchewanBrackets[] = {{0, 0.105}, {53463, 0.125}, {152750, 0.145}}; // R
constexpr double kSkSeniorSupplement = 2028; // senior_supplement, R
constexpr double kSkDependentChild = 7704;   // dependent_child_amount, R

// --- NS -------------------------------------------------------------------------------
constexpr Bracket kNovaScotiaBrackets[] = {
    {0, 0.0879}, {30507, 0.1495}, {61015, 0.1667}, {95883, 0.175}, {154650, 0.21}}; // R
constexpr double kNsAgeTaxCredit = 1000;             // age_tax_credit, R (2025 continuation M)
constexpr double kNsAgeTaxCreditIncomeUnder = 24000; // age_tax_credit, R

// --- the others -----------------------------------------------------------------------
constexpr Bracket kNewBrunswickBrackets[] = {
    {0, 0.094}, {51306, 0.14}, {102614, 0.16}, {190060, 0.195}}; // R
constexpr Bracket kNewfoundlandBrackets[] = {{0, 0.087},      {44192, 0.145},  {88382, 0.158},
                                             {157792, 0.178}, {220910, 0.198}, {282214, 0.208},
                                             {564429, 0.213}, {1128858, 0.218}}; // R
constexpr Bracket kPrinceEdwardBrackets[] = {
    {0, 0.095}, {33328, 0.1347}, {64656, 0.166}, {105000, 0.1762}, {140000, 0.19}}; // R
constexpr Bracket kYukonBrackets[] = {
    {0, 0.064}, {57375, 0.09}, {114750, 0.109}, {177882, 0.128}, {500000, 0.15}}; // R
constexpr Bracket kNorthwestBrackets[] = {
    {0, 0.059}, {51964, 0.086}, {103930, 0.122}, {168967, 0.1405}}; // R
constexpr Bracket kNunavutBrackets[] = {
    {0, 0.04}, {54707, 0.07}, {109413, 0.09}, {177881, 0.115}}; // R
constexpr Bracket kQuebecBrackets[] = {
    {0, 0.14}, {53255, 0.19}, {106495, 0.24}, {129590, 0.2575}}; // R (not used on the T1)

template <std::size_t N> constexpr std::size_t countOf(const Bracket (&)[N])
{
    return N;
}

constexpr ReducedAmount kNone{0, kNoThreshold, 0};

// Indexed by province code (Global_Provs_Info order): 1 AB, 2 BC, 3 MB, 4 NB, 5 NL, 6 NS,
// 7 NT, 8 NU, 9 ON, 10 PE, 11 QC, 12 SK, 13 YT.
// Each row: brackets | credit rate, basic personal amount | age, spouse or eligible dependant,
// caregiver (amount, reduced over, rate) | pension maximum, disability, medical threshold |
// donations (first 200, over 200, top part, top threshold) | dividend credits (eligible,
// non-eligible) | special steps.
// clang-format off
constexpr Province kProvinces[] = {
    {nullptr, 0, 0, 0, kNone, kNone, kNone, 0, 0, 0, 0, 0, 0, 0, 0, 0, kNoSpecial},
    // AB: credit_rate 0.08 R, basic_personal_amount 22323 R, donations 60% / 21% R, dtc
    // eligible 0.0812 M, non-eligible 0.0218 M.
    {kAlbertaBrackets, countOf(kAlbertaBrackets),
     0.08, 22323,
     kNone, kNone, kNone,
     0, 0, 0,
     0.6, 0.21, 0, 0,
     0.0812, 0.0218,
     kAlberta},
    // BC: credit_rate 0.0506 R, BPA 12932 R; age 5799 R over 43169 M at 15% M; spouse 11073 R
    // over 1108 M; caregiver 5659 R over 19151 M; pension 1000 R; disability 9699 R; medical
    // 2689 R; donations 5.06% / 16.8% / 20.5% over 259829 R; dtc 0.12 M, 0.0196 M.
    {kBritishColumbiaBrackets, countOf(kBritishColumbiaBrackets),
     0.0506, 12932,
     {5799, 43169, 0.15}, {11073, 1108, 1}, {5659, 19151, 1},
     1000, 9699, 2689,
     0.0506, 0.168, 0.205, 259829,
     0.12, 0.0196,
     kBritishColumbia},
    // MB: BPA 15780 R; age 3728 over 27749 R (nil at 52,602: 15%, M); caregiver 3605 over
    // 12312 R; pension 1000 R; disability 6180 R; medical 1728 M; donations 10.8% / 17.4% M;
    // dtc 0.08 M.
    {kManitobaBrackets, countOf(kManitobaBrackets),
     0.108, 15780,
     {3728, 27749, 0.15}, kNone, {3605, 12312, 1},
     1000, 6180, 1728,
     0.108, 0.174, 0, 0,
     0.08, 0,
     kManitoba},
    // NB: BPA 13396 R; age 6037 over 44945 at 15% R; spouse 10499 over 1051 R; caregiver 5839
    // over 19942 R; pension 1000 R; disability 10010 R; dtc 0.14 M.
    {kNewBrunswickBrackets, countOf(kNewBrunswickBrackets),
     0.094, 13396,
     {6037, 44945, 0.15}, {10499, 1051, 1}, {5839, 19942, 1},
     1000, 10010, 0,
     0, 0, 0, 0,
     0.14, 0,
     kNoSpecial},
    // NL: BPA 11067 R; age 7064 over 38712 R (nil at 85,805: 15%, M); spouse 9043 over 905 R;
    // dtc 0.063 M.
    {kNewfoundlandBrackets, countOf(kNewfoundlandBrackets),
     0.087, 11067,
     {7064, 38712, 0.15}, {9043, 905, 1}, kNone,
     0, 0, 0,
     0, 0, 0, 0,
     0.063, 0,
     kNoSpecial},
    // NS: BPA 11744 R; dtc 0.0885 M; the age tax credit.
    {kNovaScotiaBrackets, countOf(kNovaScotiaBrackets),
     0.0879, 11744,
     kNone, kNone, kNone,
     0, 0, 0,
     0, 0, 0, 0,
     0.0885, 0,
     kNovaScotia},
    // NT: BPA 17842 R; dtc 0.115 M.
    {kNorthwestBrackets, countOf(kNorthwestBrackets),
     0.059, 17842,
     kNone, kNone, kNone,
     0, 0, 0,
     0, 0, 0, 0,
     0.115, 0,
     kNoSpecial},
    // NU: BPA 19274 M; dtc 0.0551 M.
    {kNunavutBrackets, countOf(kNunavutBrackets),
     0.04, 19274,
     kNone, kNone, kNone,
     0, 0, 0,
     0, 0, 0, 0,
     0.0551, 0,
     kNoSpecial},
    // ON: credit_rate 0.0505 R, BPA 12747 R; age 6223 over 46330 at 15% R; spouse 10823 over
    // 1082 R; caregiver 6008 over 20554 R; pension 1762 R; disability 10298 R; medical 2885 R;
    // donations 5.05% / 11.16% R; dtc 0.1 R, 0.029863 R.
    {kOntarioBrackets, countOf(kOntarioBrackets),
     0.0505, 12747,
     {6223, 46330, 0.15}, {10823, 1082, 1}, {6008, 20554, 1},
     1762, 10298, 2885,
     0.0505, 0.1116, 0, 0,
     0.1, 0.029863,
     kOntario},
    // PE: BPA 14650 R; age 6510 over 36600 R (nil at 80,000: 15%, M); spouse 12103 over 1210
    // R; dtc 0.105 M.
    {kPrinceEdwardBrackets, countOf(kPrinceEdwardBrackets),
     0.095, 14650,
     {6510, 36600, 0.15}, {12103, 1210, 1}, kNone,
     0, 0, 0,
     0, 0, 0, 0,
     0.105, 0,
     kNoSpecial},
    // QC: the brackets and BPA 18571 R are Quebec return figures; nothing on the T1.
    {kQuebecBrackets, countOf(kQuebecBrackets),
     0.14, 18571,
     kNone, kNone, kNone,
     0, 0, 0,
     0, 0, 0, 0,
     0, 0,
     kQuebec},
    // SK: BPA 19491 R; spouse 19491 R, reduced over 21,440 - 19,491 = 1,949 (M); pension 1000
    // R; disability 13986 R; medical 2681 R; dtc 0.11 M; senior supplement and child amount.
    {kSaskatchewanBrackets, countOf(kSaskatchewanBrackets),
     0.105, 19491,
     kNone, {19491, 1949, 1}, kNone,
     1000, 13986, 2681,
     0, 0, 0, 0,
     0.11, 0,
     kSaskatchewan},
    // YT: BPA as the federal one R; dtc 0.1202 M.
    {kYukonBrackets, countOf(kYukonBrackets),
     0.064, 0,
     kNone, kNone, kNone,
     0, 0, 0,
     0, 0, 0, 0,
     0.1202, 0,
     kYukon},
};
// clang-format on

constexpr int kProvinceCount = int(sizeof(kProvinces) / sizeof(kProvinces[0]));

} // namespace ProvincialRates2025
