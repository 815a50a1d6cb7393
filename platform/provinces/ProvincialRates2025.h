// The published 2025 provincial and territorial figures the plug-ins compute with: one named
// member per figure, filled province by province, so a reader checks each figure against its
// row in docs/TaxFigures2025.md (section "Provincial and territorial") and a new credit cannot
// land in another credit's place.
//
// A figure no published source gives is left at its default (0, or no threshold), and the step
// that would use it counts 0; docs/TaxFigures2025.md ("Figures no published source gives")
// names each one:
// - every province: the disability supplement for a person under 18 (the return holds no care
//   expenses), tuition and education amounts and the amounts transferred from a spouse or a
//   child (the provincial schedules are not computed), the first-time home buyers' amounts;
// - AB: the caregiver and infirm dependant amounts, adoption, volunteer amounts;
// - BC: the disability supplement threshold;
// - MB: the spouse and eligible dependant amounts (no reduction point read), adoption;
// - SK: the age amount (no reduction threshold), the caregiver, infirm dependant and disability
//   supplement amounts (no thresholds), the home renovation credit and the first-time home
//   buyers' amount;
// - NB: the low-income tax reduction;
// - NL: the caregiver, infirm dependant (no threshold), disability and medical amounts, the
//   low-income tax reduction (only its end points read);
// - NS: the age amount, the spouse and eligible dependant amounts (no reduction point), the
//   infirm dependant amount (no threshold), pension, disability, medical;
// - PE: pension, disability, caregiver, medical, donations;
// - NT, NU: every amount beyond the basic personal amount and the donation rates (their age
//   amounts only derived through two years of indexing), the non-eligible dividend credit and
//   the cost-of-living credits (2025 rates not read), so the pass-5 hooks add no refundable
//   credit;
// - QC: nothing; Quebec tax is on the Quebec return, so line 42800 stays 0.
#pragma once

#include <cstddef>

namespace ProvincialRates2025 {

struct Bracket
{
    double from;
    double rate;
};

constexpr double kNoThreshold = -1;

// An amount reduced at a rate by an income above a threshold. An amount of 0 means the
// province has no such amount or its figure is not published; a threshold below 0 means the
// reduction point is not published, so the amount counts 0 rather than a guess.
struct ReducedAmount
{
    double amount = 0;
    double reducedOver = kNoThreshold;
    double rate = 1;
};

// Donations: the rate on the first 200 and on the rest; BC also a top rate on the part above
// 200 paid out of taxable income above a threshold.
struct DonationRates
{
    double first200 = 0;
    double over200 = 0;
    double top = 0;
    double topThreshold = 0;
};

// The low-income tax reductions of NS and PE: amounts for the person, a spouse or eligible
// dependant, each child 18 or under (not the one claimed as an eligible dependant) and each of
// the couple 65 or over, less the rate on the family net income above the threshold.
struct LowIncomeReduction
{
    double self = 0;
    double spouseOrDependant = 0;
    double perChild = 0;
    double perSenior = 0;
    double threshold = kNoThreshold;
    double rate = 0;
};

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
    const Bracket *brackets = nullptr;
    std::size_t bracketCount = 0;
    double creditRate = 0;
    double basicPersonalAmount = 0;
    ReducedAmount age;               // by the person's net income
    ReducedAmount spouse;            // by the spouse's net income
    ReducedAmount eligibleDependant; // by the dependant's net income
    ReducedAmount caregiver;         // each infirm dependant 18 or over, by that net income
    ReducedAmount infirmDependant;   // the same where the province has no caregiver amount
    double pensionMaximum = 0;
    double disabilityAmount = 0;
    double adoptionMaximum = 0;
    double volunteerAmount = 0;  // volunteer firefighter or search and rescue
    double medicalThreshold = 0; // the fixed part of "lesser of 3% of net income and ..."
    DonationRates donations;
    double dividendEligible = 0;    // of the grossed-up (taxable) amount
    double dividendNonEligible = 0; // of the grossed-up (taxable) amount
    LowIncomeReduction lowIncome;
    Special special = kNoSpecial;
};

// The common lesser-of rule of the medical expense threshold, as federally.
constexpr double kMedicalThresholdRate = 0.03;

template <std::size_t N> constexpr std::size_t countOf(const Bracket (&)[N])
{
    return N;
}

// --- AB -------------------------------------------------------------------------------
constexpr Bracket kAlbertaBrackets[] = {{0, 0.08},      {60000, 0.1},   {151234, 0.12},
                                        {181481, 0.13}, {241974, 0.14}, {362961, 0.15}};
constexpr double kAbSupplementalRate = 0.02;
constexpr double kAbSupplementalCreditsOver = 60000;

constexpr Province alberta()
{
    Province p;
    p.brackets = kAlbertaBrackets;
    p.bracketCount = countOf(kAlbertaBrackets);
    p.creditRate = 0.08;
    p.basicPersonalAmount = 22323;
    p.age = {6221, 46307, 0.15};
    // The spouse and eligible dependant amounts are the basic personal amount less that
    // person's whole net income.
    p.spouse = {22323, 0, 1};
    p.eligibleDependant = {22323, 0, 1};
    p.pensionMaximum = 1685;
    p.disabilityAmount = 17220;
    p.medicalThreshold = 2885;
    p.donations = {0.6, 0.21, 0, 0};
    p.dividendEligible = 0.0812;
    p.dividendNonEligible = 0.0218;
    p.special = kAlberta;
    return p;
}

// --- BC -------------------------------------------------------------------------------
constexpr Bracket kBritishColumbiaBrackets[] = {{0, 0.0506},      {49279, 0.077},  {98560, 0.105},
                                                {113158, 0.1229}, {137407, 0.147}, {186306, 0.168},
                                                {259829, 0.205}};
constexpr double kBcReductionMaximum = 562;
constexpr double kBcReductionThreshold = 25020;
constexpr double kBcReductionRate = 0.0356;

constexpr Province britishColumbia()
{
    Province p;
    p.brackets = kBritishColumbiaBrackets;
    p.bracketCount = countOf(kBritishColumbiaBrackets);
    p.creditRate = 0.0506;
    p.basicPersonalAmount = 12932;
    p.age = {5799, 43169, 0.15};
    p.spouse = {11073, 1108, 1};
    p.eligibleDependant = {11073, 1108, 1};
    p.caregiver = {5659, 19151, 1};
    p.pensionMaximum = 1000;
    p.disabilityAmount = 9699;
    p.adoptionMaximum = 19580;
    p.volunteerAmount = 3000;
    p.medicalThreshold = 2689;
    p.donations = {0.0506, 0.168, 0.205, 259829};
    p.dividendEligible = 0.12;
    p.dividendNonEligible = 0.0196;
    p.special = kBritishColumbia;
    return p;
}

// --- MB -------------------------------------------------------------------------------
constexpr Bracket kManitobaBrackets[] = {{0, 0.108}, {47000, 0.1275}, {100000, 0.174}};
constexpr double kMbBpaPhaseOutFrom = 200000;
constexpr double kMbBpaPhaseOutTo = 400000;
// The family tax benefit: its amounts less 9% of net income, at 10.8%.
constexpr double kMbFamilyBasic = 2065;
constexpr double kMbFamilySpouseOrDependant = 2065;
constexpr double kMbFamilyAge65 = 2065;
constexpr double kMbFamilySpouse65 = 2065;
constexpr double kMbFamilyDisability = 2752;
constexpr double kMbFamilyPerDependant = 2752; // each dependant 18 or under, each disabled 18+
constexpr double kMbFamilyReductionRate = 0.09;
constexpr double kMbFamilyCreditRate = 0.108;

constexpr Province manitoba()
{
    Province p;
    p.brackets = kManitobaBrackets;
    p.bracketCount = countOf(kManitobaBrackets);
    p.creditRate = 0.108;
    p.basicPersonalAmount = 15780;
    p.age = {3728, 27749, 0.15};
    p.caregiver = {3605, 12312, 1};
    p.infirmDependant = {3605, 5115, 1};
    p.pensionMaximum = 1000;
    p.disabilityAmount = 6180;
    p.volunteerAmount = 3000;
    p.medicalThreshold = 1728;
    p.donations = {0.108, 0.174, 0, 0};
    p.dividendEligible = 0.08;
    p.dividendNonEligible = 0.007835;
    p.special = kManitoba;
    return p;
}

// --- NB -------------------------------------------------------------------------------
constexpr Bracket kNewBrunswickBrackets[] = {
    {0, 0.094}, {51306, 0.14}, {102614, 0.16}, {190060, 0.195}};

constexpr Province newBrunswick()
{
    Province p;
    p.brackets = kNewBrunswickBrackets;
    p.bracketCount = countOf(kNewBrunswickBrackets);
    p.creditRate = 0.094;
    p.basicPersonalAmount = 13396;
    p.age = {6037, 44945, 0.15};
    p.spouse = {10499, 1051, 1};
    p.eligibleDependant = {10499, 1051, 1};
    p.caregiver = {5839, 19942, 1};
    p.infirmDependant = {5839, 8285, 1};
    p.pensionMaximum = 1000;
    p.disabilityAmount = 10010;
    p.volunteerAmount = 5000;
    p.medicalThreshold = 2797;
    p.donations = {0.094, 0.1795, 0, 0};
    p.dividendEligible = 0.14;
    p.dividendNonEligible = 0.0275;
    return p;
}

// --- NL -------------------------------------------------------------------------------
constexpr Bracket kNewfoundlandBrackets[] = {{0, 0.087},      {44192, 0.145},  {88382, 0.158},
                                             {157792, 0.178}, {220910, 0.198}, {282214, 0.208},
                                             {564429, 0.213}, {1128858, 0.218}};

constexpr Province newfoundland()
{
    Province p;
    p.brackets = kNewfoundlandBrackets;
    p.bracketCount = countOf(kNewfoundlandBrackets);
    p.creditRate = 0.087;
    p.basicPersonalAmount = 11067;
    p.age = {7064, 38712, 0.15};
    p.spouse = {9043, 905, 1};
    p.eligibleDependant = {9043, 905, 1};
    p.pensionMaximum = 1000;
    p.volunteerAmount = 3000;
    p.donations = {0.087, 0.218, 0, 0};
    p.dividendEligible = 0.063;
    p.dividendNonEligible = 0.032;
    return p;
}

// --- NS -------------------------------------------------------------------------------
constexpr Bracket kNovaScotiaBrackets[] = {
    {0, 0.0879}, {30507, 0.1495}, {61015, 0.1667}, {95883, 0.175}, {154650, 0.21}};
constexpr double kNsAgeTaxCredit = 1000;
constexpr double kNsAgeTaxCreditIncomeUnder = 24000;

constexpr Province novaScotia()
{
    Province p;
    p.brackets = kNovaScotiaBrackets;
    p.bracketCount = countOf(kNovaScotiaBrackets);
    p.creditRate = 0.0879;
    p.basicPersonalAmount = 11744;
    p.donations = {0.0879, 0.21, 0, 0};
    p.dividendEligible = 0.0885;
    p.dividendNonEligible = 0.015;
    p.lowIncome = {300, 300, 165, 0, 15000, 0.05};
    p.special = kNovaScotia;
    return p;
}

// --- NT -------------------------------------------------------------------------------
constexpr Bracket kNorthwestBrackets[] = {
    {0, 0.059}, {51964, 0.086}, {103930, 0.122}, {168967, 0.1405}};

constexpr Province northwestTerritories()
{
    Province p;
    p.brackets = kNorthwestBrackets;
    p.bracketCount = countOf(kNorthwestBrackets);
    p.creditRate = 0.059;
    p.basicPersonalAmount = 17842;
    p.donations = {0.059, 0.1405, 0, 0};
    p.dividendEligible = 0.115;
    return p;
}

// --- NU -------------------------------------------------------------------------------
constexpr Bracket kNunavutBrackets[] = {{0, 0.04}, {54707, 0.07}, {109413, 0.09}, {177881, 0.115}};

constexpr Province nunavut()
{
    Province p;
    p.brackets = kNunavutBrackets;
    p.bracketCount = countOf(kNunavutBrackets);
    p.creditRate = 0.04;
    p.basicPersonalAmount = 19274;
    p.donations = {0.04, 0.115, 0, 0};
    p.dividendEligible = 0.0551;
    return p;
}

// --- ON -------------------------------------------------------------------------------
constexpr Bracket kOntarioBrackets[] = {
    {0, 0.0505}, {52886, 0.0915}, {105775, 0.1116}, {150000, 0.1216}, {220000, 0.1316}};
struct OntarioSurtax
{
    double over;
    double rate;
};
constexpr OntarioSurtax kOntarioSurtax[] = {{5710, 0.2}, {7307, 0.36}};
constexpr double kOntarioReductionBasic = 294;
constexpr double kOntarioReductionPerDependant = 544;
// The low-income individuals and families tax (LIFT) credit.
constexpr double kLiftMaximum = 875;
constexpr double kLiftRate = 0.0505;
constexpr double kLiftThresholdSingle = 32500;
constexpr double kLiftThresholdFamily = 65000;
constexpr double kLiftReductionRate = 0.05;
// The health premium on taxable income: over each band's start, the base plus the rate on
// the income above the start, at most the band's cap.
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

constexpr Province ontario()
{
    Province p;
    p.brackets = kOntarioBrackets;
    p.bracketCount = countOf(kOntarioBrackets);
    p.creditRate = 0.0505;
    p.basicPersonalAmount = 12747;
    p.age = {6223, 46330, 0.15};
    p.spouse = {10823, 1082, 1};
    p.eligibleDependant = {10823, 1082, 1};
    p.caregiver = {6008, 20554, 1};
    p.pensionMaximum = 1762;
    p.disabilityAmount = 10298;
    p.adoptionMaximum = 15551;
    p.medicalThreshold = 2885;
    p.donations = {0.0505, 0.1116, 0, 0};
    p.dividendEligible = 0.1;
    p.dividendNonEligible = 0.029863;
    p.special = kOntario;
    return p;
}

// --- PE -------------------------------------------------------------------------------
constexpr Bracket kPrinceEdwardBrackets[] = {
    {0, 0.095}, {33328, 0.1347}, {64656, 0.166}, {105000, 0.1762}, {140000, 0.19}};

constexpr Province princeEdwardIsland()
{
    Province p;
    p.brackets = kPrinceEdwardBrackets;
    p.bracketCount = countOf(kPrinceEdwardBrackets);
    p.creditRate = 0.095;
    p.basicPersonalAmount = 14250;
    p.age = {6510, 36600, 0.15};
    p.spouse = {12103, 1210, 1};
    p.eligibleDependant = {12103, 1210, 1};
    p.dividendEligible = 0.105;
    p.dividendNonEligible = 0.013;
    p.lowIncome = {350, 350, 300, 250, 22250, 0.05};
    return p;
}

// --- QC: the Quebec return's own figures; nothing of them reaches the T1 ---------------
constexpr Bracket kQuebecBrackets[] = {{0, 0.14}, {53255, 0.19}, {106495, 0.24}, {129590, 0.2575}};

constexpr Province quebec()
{
    Province p;
    p.brackets = kQuebecBrackets;
    p.bracketCount = countOf(kQuebecBrackets);
    p.special = kQuebec;
    return p;
}

// --- SK -------------------------------------------------------------------------------
constexpr Bracket kSaskatchewanBrackets[] = {{0, 0.105}, {53463, 0.125}, {152750, 0.145}};
constexpr double kSkSeniorSupplement = 2028;
constexpr double kSkDependentChild = 7704;

constexpr Province saskatchewan()
{
    Province p;
    p.brackets = kSaskatchewanBrackets;
    p.bracketCount = countOf(kSaskatchewanBrackets);
    p.creditRate = 0.105;
    p.basicPersonalAmount = 19491;
    // 21,440 less the other person's net income, at most 19,491.
    p.spouse = {19491, 1949, 1};
    p.eligibleDependant = {19491, 1949, 1};
    p.pensionMaximum = 1000;
    p.disabilityAmount = 13986;
    p.medicalThreshold = 2681;
    p.donations = {0.105, 0.145, 0, 0};
    p.dividendEligible = 0.11;
    p.dividendNonEligible = 0.02519;
    p.special = kSaskatchewan;
    return p;
}

// --- YT: the amounts are the federal ones, taken from the T1's lines --------------------
constexpr Bracket kYukonBrackets[] = {
    {0, 0.064}, {57375, 0.09}, {114750, 0.109}, {177882, 0.128}, {500000, 0.15}};

constexpr Province yukon()
{
    Province p;
    p.brackets = kYukonBrackets;
    p.bracketCount = countOf(kYukonBrackets);
    p.creditRate = 0.064;
    p.donations = {0.064, 0.128, 0, 0};
    p.dividendEligible = 0.1202;
    p.dividendNonEligible = 0.0067;
    p.special = kYukon;
    return p;
}

// Indexed by province code (Global_Provs_Info order): 1 AB, 2 BC, 3 MB, 4 NB, 5 NL, 6 NS,
// 7 NT, 8 NU, 9 ON, 10 PE, 11 QC, 12 SK, 13 YT.
constexpr Province kProvinces[] = {
    Province{},           alberta(),    britishColumbia(),      manitoba(), newBrunswick(),
    newfoundland(),       novaScotia(), northwestTerritories(), nunavut(),  ontario(),
    princeEdwardIsland(), quebec(),     saskatchewan(),         yukon(),
};

constexpr int kProvinceCount = int(sizeof(kProvinces) / sizeof(kProvinces[0]));

} // namespace ProvincialRates2025
