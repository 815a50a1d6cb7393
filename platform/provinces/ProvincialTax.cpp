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
    if (row.donationRateFirst200 <= 0 || gifts <= 0)
        return 0;
    const double first = std::min(200.0, gifts);
    const double rest = gifts - first;
    double topPart = 0;
    if (row.donationRateTop > 0)
        topPart = std::min(rest, std::max(0.0, taxableIncome - row.donationTopThreshold));
    return first * row.donationRateFirst200 + topPart * row.donationRateTop +
           (rest - topPart) * row.donationRateOver200;
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

// The non-refundable amounts (before the rate) of the province's rows.
double creditAmounts(int province, const Province &row, const ProvincialTaxInput &in)
{
    double total = roundCents(ProvincialTax::basicPersonalAmount(province, in.netIncome));
    if (in.age65OrOver)
        total += roundCents(reduced(row.age, in.netIncome));
    if (in.claimSpouse)
        total += roundCents(reduced(row.spouse, in.spouseNetIncome));
    else if (in.claimEligibleDependant)
        total += roundCents(reduced(row.spouse, in.dependantNetIncome));
    for (double income : in.infirmDependantIncomes)
        total += roundCents(reduced(row.caregiver, income));
    total += std::min(row.pensionMaximum, std::max(0.0, in.pensionAmount));
    if (in.disability)
        total += row.disabilityAmount;
    if (row.medicalThreshold > 0) {
        const double threshold =
            std::min(row.medicalThreshold, roundCents(kMedicalThresholdRate * in.netIncome));
        total += roundCents(std::max(0.0, in.medicalExpenses - threshold));
    }
    total += in.cppBase + in.eiPremiums;
    if (row.special == kSaskatchewan) {
        if (in.age65OrOver)
            total += kSkSeniorSupplement;
        // The lower-income spouse claims the children.
        if (!in.hasSpouse || in.netIncome <= in.spouseNetIncome)
            total += kSkDependentChild * in.childrenUnder19;
    }
    return roundCents(total);
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
    r.dividendCredit = roundCents(in.eligibleDividends * row->dividendCreditEligible +
                                  in.nonEligibleDividends * row->dividendCreditNonEligible);
    tax = std::max(0.0, roundCents(tax - r.dividendCredit));

    switch (row->special) {
    case kOntario: {
        // Only the higher-income spouse counts the dependants.
        const bool countsDependants = !in.hasSpouse || in.netIncome >= in.spouseNetIncome;
        const int dependants =
            countsDependants ? in.childrenUnder19 + in.infirmDependantsOver17 : 0;
        const double base =
            2 * (kOntarioReductionBasic + kOntarioReductionPerDependant * dependants);
        r.reduction = roundCents(std::clamp(base - tax, 0.0, tax));
        tax = roundCents(tax - r.reduction);
        // The family threshold of the low-income credit is not in the published figures, so
        // a person with a spouse gets none.
        if (!in.hasSpouse) {
            const double lift =
                std::min(kLiftMaximum, kLiftRate * in.employmentIncome) -
                kLiftReductionRate * std::max(0.0, in.netIncome - kLiftThresholdSingle);
            r.lowIncomeCredit = roundCents(std::clamp(lift, 0.0, tax));
            tax = roundCents(tax - r.lowIncomeCredit);
        }
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
