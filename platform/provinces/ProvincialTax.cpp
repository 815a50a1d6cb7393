// ProvincialTax: the province's 428 in the order the forms take it: tax on taxable income, the
// non-refundable credits, the province's own additions and reductions, then line 42800. Every
// step is rounded to the cent and the later steps use the rounded amounts.
#include "ProvincialTax.h"

#include "ProvincialRates2025.h"
#include "marrow/FederalTaxRules.h"

#include <algorithm>

using FederalTaxRules::roundCents;
using namespace ProvincialRates2025;

namespace {

const Province *provinceRow(int province)
{
    if (province <= 0 || province >= kProvinceCount || !kProvinces[province].brackets)
        return nullptr;
    return &kProvinces[province];
}

// The amount less the part of the income above the threshold at the rate, not below 0; an
// amount the table lacks (or whose reduction it lacks) is 0.
double reduced(const ReducedAmount &row, double income)
{
    if (row.amount <= 0 || row.reducedOver < 0)
        return 0;
    return std::max(0.0, row.amount - row.rate * std::max(0.0, income - row.reducedOver));
}

double donationCredit(const Province &row, double gifts, double taxableIncome)
{
    const DonationRates &rates = row.donations;
    if (rates.first200 <= 0 || gifts <= 0)
        return 0;
    const double first = std::min(200.0, gifts);
    const double rest = gifts - first;
    double topPart = 0;
    if (rates.top > 0)
        topPart = std::min(rest, std::max(0.0, taxableIncome - rates.topThreshold));
    return first * rates.first200 + topPart * rates.top + (rest - topPart) * rates.over200;
}

// Manitoba's family tax benefit: its amounts less 9% of net income, at 10.8%.
double manitobaFamilyTaxBenefit(const ProvincialTaxInput &in)
{
    double amounts = kMbFamilyBasic;
    if (in.claimSpouse || in.claimEligibleDependant)
        amounts += kMbFamilySpouseOrDependant;
    if (in.age65OrOver)
        amounts += kMbFamilyAge65;
    if (in.claimSpouse && in.spouse65OrOver)
        amounts += kMbFamilySpouse65;
    if (in.disability)
        amounts += kMbFamilyDisability;
    amounts += kMbFamilyPerDependant * (in.childrenUnder19 + in.infirmDependantsOver17);
    return roundCents(std::max(0.0, amounts - kMbFamilyReductionRate * in.netIncome) *
                      kMbFamilyCreditRate);
}

// The person's part of the couple's family steps: a single person, or of a couple the spouse
// with the higher net income (the taxpayer on a tie), claims them.
bool claimsForTheFamily(const ProvincialTaxInput &in)
{
    return !in.hasSpouse || in.netIncome >= in.spouseNetIncome;
}

double familyNetIncome(const ProvincialTaxInput &in)
{
    return in.netIncome + (in.hasSpouse ? in.spouseNetIncome : 0.0);
}

// The Yukon amounts: the federal lines the T1 already holds, beside the federal basic
// personal amount and the contributions the common road adds.
double yukonAmounts(const ProvincialTaxInput &in)
{
    return in.federalAgeAmount + in.federalSpouseAmount + in.federalDependantAmount +
           in.federalCaregiverAmounts + in.federalEmploymentAmount + in.adoptionAmount +
           std::min(2000.0, std::max(0.0, in.pensionAmount)) + in.federalDisabilityAmount +
           in.federalMedicalAmount + in.volunteerAmount;
}

// The non-refundable amounts (before the rate) of the province's figures.
double creditAmounts(int province, const Province &row, const ProvincialTaxInput &in)
{
    double total = roundCents(ProvincialTax::basicPersonalAmount(province, in.netIncome));
    total += in.cppBase + in.cppSelfEmployed + in.eiPremiums + in.eiSelfEmployed;
    if (row.special == kYukon)
        return roundCents(total + yukonAmounts(in));

    if (in.age65OrOver)
        total += roundCents(reduced(row.age, in.netIncome));
    if (in.claimSpouse)
        total += roundCents(reduced(row.spouse, in.spouseNetIncome));
    else if (in.claimEligibleDependant)
        total += roundCents(reduced(row.eligibleDependant, in.dependantNetIncome));
    // Each infirm dependant 18 or over: the caregiver amount, or the amount for infirm
    // dependants where the province has no caregiver amount.
    const ReducedAmount &infirm = row.caregiver.amount > 0 ? row.caregiver : row.infirmDependant;
    for (double income : in.infirmDependantIncomes)
        total += roundCents(reduced(infirm, income));
    total += std::min(row.pensionMaximum, std::max(0.0, in.pensionAmount));
    if (in.disability)
        total += row.disabilityAmount;
    total += std::min(row.adoptionMaximum, std::max(0.0, in.adoptionAmount));
    if (in.volunteerAmount > 0)
        total += row.volunteerAmount;
    if (row.medicalThreshold > 0) {
        const double threshold =
            std::min(row.medicalThreshold, roundCents(kMedicalThresholdRate * in.netIncome));
        total += roundCents(std::max(0.0, in.medicalExpenses - threshold));
    }
    if (row.special == kSaskatchewan) {
        if (in.age65OrOver)
            total += kSkSeniorSupplement;
        // The lower-income spouse claims the children.
        if (!in.hasSpouse || in.netIncome <= in.spouseNetIncome)
            total += kSkDependentChild * in.childrenUnder19;
    }
    return roundCents(total);
}

// The NS and PE low-income tax reduction before it meets the tax: the family's amounts less
// the rate on the family net income above the threshold.
double lowIncomeReduction(const LowIncomeReduction &rule, const ProvincialTaxInput &in)
{
    if (rule.threshold < 0 || !claimsForTheFamily(in))
        return 0;
    double amounts = rule.self;
    if (in.hasSpouse || in.claimEligibleDependant)
        amounts += rule.spouseOrDependant;
    // A child claimed as the eligible dependant counts there, not again as a child.
    const int children = std::max(0, in.childrenUnder19 - (in.claimEligibleDependant ? 1 : 0));
    amounts += rule.perChild * children;
    amounts += rule.perSenior * ((in.age65OrOver ? 1 : 0) + (in.spouse65OrOver ? 1 : 0));
    return std::max(0.0, amounts - rule.rate * std::max(0.0, familyNetIncome(in) - rule.threshold));
}

// Ontario's LIFT credit: 5.05% of employment income up to 875, less 5% of the larger of the
// person's net income above 32,500 and the couple's above 65,000.
double liftCredit(const ProvincialTaxInput &in)
{
    double over = std::max(0.0, in.netIncome - kLiftThresholdSingle);
    if (in.hasSpouse)
        over = std::max(over, familyNetIncome(in) - kLiftThresholdFamily);
    return std::min(kLiftMaximum, kLiftRate * std::max(0.0, in.employmentIncome)) -
           kLiftReductionRate * over;
}

} // namespace

namespace ProvincialTax {

double bracketTax(int province, double taxableIncome)
{
    const Province *row = provinceRow(province);
    if (!row || taxableIncome <= 0)
        return 0;
    double tax = 0;
    for (std::size_t i = 0; i < row->bracketCount; ++i) {
        const double from = row->brackets[i].from;
        const double to = i + 1 < row->bracketCount ? row->brackets[i + 1].from : taxableIncome;
        if (taxableIncome <= from)
            break;
        tax += (std::min(taxableIncome, to) - from) * row->brackets[i].rate;
    }
    return tax;
}

double basicPersonalAmount(int province, double netIncome)
{
    const Province *row = provinceRow(province);
    if (!row)
        return 0;
    switch (row->special) {
    case kYukon:
        return FederalTaxRules::basicPersonalAmount(netIncome);
    case kManitoba: {
        const double share =
            (kMbBpaPhaseOutTo - netIncome) / (kMbBpaPhaseOutTo - kMbBpaPhaseOutFrom);
        return row->basicPersonalAmount * std::clamp(share, 0.0, 1.0);
    }
    default:
        return row->basicPersonalAmount;
    }
}

double ontarioHealthPremium(double taxableIncome)
{
    double premium = 0;
    for (const HealthPremiumBand &band : kHealthPremium) {
        if (taxableIncome > band.over)
            premium = std::min(band.cap, band.base + band.rate * (taxableIncome - band.over));
    }
    return roundCents(premium);
}

ProvincialTaxResult calculate(int province, const ProvincialTaxInput &in)
{
    ProvincialTaxResult r;
    const Province *row = provinceRow(province);
    if (!row || row->special == kQuebec)
        return r;

    r.basicTax = roundCents(bracketTax(province, in.taxableIncome));
    r.creditAmounts = creditAmounts(province, *row, in);
    double credits = roundCents(r.creditAmounts * row->creditRate) +
                     roundCents(donationCredit(*row, in.allowableGifts, in.taxableIncome));
    if (row->special == kAlberta)
        credits += roundCents(kAbSupplementalRate *
                              std::max(0.0, r.creditAmounts - kAbSupplementalCreditsOver));
    if (row->special == kManitoba)
        credits += manitobaFamilyTaxBenefit(in);
    r.credits = roundCents(credits);

    double tax = std::max(0.0, roundCents(r.basicTax - r.credits));
    if (row->special == kOntario) {
        double surtax = 0;
        for (const OntarioSurtax &step : kOntarioSurtax)
            surtax += step.rate * std::max(0.0, tax - step.over);
        r.surtax = roundCents(surtax);
        tax = roundCents(tax + r.surtax);
    }
    r.dividendCredit = roundCents(in.eligibleDividends * row->dividendEligible +
                                  in.nonEligibleDividends * row->dividendNonEligible);
    tax = std::max(0.0, roundCents(tax - r.dividendCredit));

    switch (row->special) {
    case kOntario: {
        // Only the higher-income spouse counts the dependants.
        const int dependants =
            claimsForTheFamily(in) ? in.childrenUnder19 + in.infirmDependantsOver17 : 0;
        const double base =
            2 * (kOntarioReductionBasic + kOntarioReductionPerDependant * dependants);
        r.reduction = roundCents(std::clamp(base - tax, 0.0, tax));
        tax = roundCents(tax - r.reduction);
        r.lowIncomeCredit = roundCents(std::clamp(liftCredit(in), 0.0, tax));
        tax = roundCents(tax - r.lowIncomeCredit);
        r.healthPremium = ontarioHealthPremium(in.taxableIncome);
        tax = roundCents(tax + r.healthPremium);
        break;
    }
    case kBritishColumbia: {
        const double reduction =
            kBcReductionMaximum -
            kBcReductionRate * std::max(0.0, in.netIncome - kBcReductionThreshold);
        r.reduction = roundCents(std::clamp(reduction, 0.0, tax));
        tax = roundCents(tax - r.reduction);
        break;
    }
    case kNovaScotia:
        if (in.age65OrOver && in.taxableIncome < kNsAgeTaxCreditIncomeUnder) {
            r.reduction = std::min(kNsAgeTaxCredit, tax);
            tax = roundCents(tax - r.reduction);
        }
        break;
    default:
        break;
    }
    if (row->lowIncome.threshold >= 0) {
        r.lowIncomeCredit =
            roundCents(std::clamp(lowIncomeReduction(row->lowIncome, in), 0.0, tax));
        tax = roundCents(tax - r.lowIncomeCredit);
    }
    r.tax = tax;
    return r;
}

std::vector<double> thresholds(int province)
{
    std::vector<double> list;
    const Province *row = provinceRow(province);
    if (!row || row->special == kQuebec)
        return list;
    for (std::size_t i = 0; i < row->bracketCount; ++i) {
        if (row->brackets[i].from > 0)
            list.push_back(row->brackets[i].from);
    }
    return list;
}

} // namespace ProvincialTax
