// The calculations of the further federal forms on the 2025 figures (docs/TaxFigures2025.md):
// the Canada caregiver amounts of Schedule 5, home accessibility expenses, the employee and
// partner GST/HST rebate, the northern residents deductions, meals and lodging of transport
// employees, the loss carryback request, the income exempt under the Indian Act, the foreign
// tax on property income above 15% and the territorial carbon price rebates.
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalRates2025.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FederalTaxRules.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

using FederalTaxRules::roundCents;
using namespace FederalRates2025;

namespace {

// The Canada caregiver amount for one infirm person 18 or older: the amount less each dollar of
// the person's net income above the threshold.
double caregiverAmount(double netIncome)
{
    return std::max(0.0,
                    kCaregiverInfirmAmount - std::max(0.0, netIncome - kCaregiverInfirmThreshold));
}

double positive(const CFloatField &amount)
{
    return std::max(0.0, amount.value());
}

// The tax included in an amount paid at a rate: the amount times the rate's fraction.
double includedTax(const CFloatField &expenses, const CFloatField &cca, double fraction)
{
    return roundCents((positive(expenses) + positive(cca)) * fraction);
}

// A loss applied to the earlier years, the oldest first (it is the first whose carry-back
// runs out): each year gets what was asked for it, at most what is left of the loss. Returns
// the total applied.
double
applyToEarlierYears(double loss,
                    std::initializer_list<std::pair<const CFloatField *, CFloatField *>> years)
{
    double left = std::max(0.0, loss);
    for (const auto &[requested, applied] : years) {
        *applied = roundCents(std::min(positive(*requested), left));
        left = roundCents(left - *applied);
    }
    return roundCents(std::max(0.0, loss) - left);
}

} // namespace

void TaxData_Sch5::CalculateCaregiver()
{
    // The top-up: the caregiver amount for the spouse or eligible dependant, less what the
    // spouse or eligible dependant amount already gives for the same person.
    f30425 = 0.0;
    if (canClaimSpouse && spouseInfirm)
        f30425 = roundCents(std::max(0.0, caregiverAmount(spouseNetIncome) - f30300));
    else if (!canClaimSpouse && eligibleDependants > 0 && dependantInfirm)
        f30425 = roundCents(std::max(0.0, caregiverAmount(dependantNetIncome) - f30400));

    // The other infirm dependants 18 or older; the eligible dependant claimed above (known by
    // the S.I.N. given for it) is not counted twice.
    double others = 0;
    const DependantInfoStruct *dependants = depInfo();
    const bool eligibleClaimed = !canClaimSpouse && eligibleDependants > 0;
    const QString eligibleSin = sin55295.value().trimmed();
    for (int i = 0; dependants && i < dependants->count(); ++i) {
        const DependantRecord &record = dependants->record(i);
        if (record.infirm == 0 || record.ageAtYearEnd() < 18)
            continue;
        if (eligibleClaimed && !eligibleSin.isEmpty() && record.sin.trimmed() == eligibleSin)
            continue;
        others += caregiverAmount(record.netIncome);
    }
    f30450 = roundCents(others);
}

void TaxData_Sch12_2016::Calculate01()
{
    f31285 = roundCents(std::clamp(eligibleExpenses.value(), 0.0, kHomeAccessibilityMaximum));
}

void CTaxData_GST370::Calculate01()
{
    gstRebate = includedTax(gstExpenses, gstCca, kGstRebateFraction);
    hst13Rebate = includedTax(hst13Expenses, hst13Cca, kHst13RebateFraction);
    hst14Rebate = includedTax(hst14Expenses, hst14Cca, kHst14RebateFraction);
    hst15Rebate = includedTax(hst15Expenses, hst15Cca, kHst15RebateFraction);
    rebate = roundCents(gstRebate + hst13Rebate + hst14Rebate + hst15Rebate);
}

void CTaxData_T2222::Calculate01()
{
    // Residency: the daily amounts of the days in each zone, at most 20% of net income.
    const auto days = [](const CFloatField &count) { return std::max(0.0, double(int(count))); };
    const double zoneA = days(days1) * kNorthernBasicDaily + days(days3) * kNorthernAdditionalDaily;
    const double zoneB = kNorthernIntermediateShare * (days(days2) * kNorthernBasicDaily +
                                                       days(days4) * kNorthernAdditionalDaily);
    const double limit = kNorthernResidencyIncomeRate * std::max(0.0, netIncome.value());
    residencyDeduction = roundCents(std::min(zoneA + zoneB, limit));

    // Travel: for the trips from each zone, the least of the travel benefits (or the standard
    // amount) left, the expenses and the lowest return airfare; half of it for the intermediate
    // zone.
    double benefits =
        standardAmount ? kNorthernTravelStandard : positive(slipAmount1) + positive(slipAmount2);
    const double tripsA = std::min({benefits, positive(travelExpensesA), positive(lowestAirfareA)});
    benefits -= tripsA;
    const double tripsB = std::min({benefits, positive(travelExpensesB), positive(lowestAirfareB)});
    travelDeduction = roundCents(tripsA + kNorthernIntermediateShare * tripsB);
    deduction = roundCents(residencyDeduction + travelDeduction);
}

void TaxData_TL2_New::Calculate01()
{
    // The simplified method counts at most three meals a day over the days away (a form
    // without days counts the meals given).
    double meals = std::max(0, int(simplifiedMeals));
    if (daysAway > 0)
        meals = std::min(meals, kTl2MealsPerDay * int(daysAway));
    const double cost = positive(mealsBought) + meals * kTl2MealRate;
    mealsClaim = roundCents(cost * (longHaul ? kTl2LongHaulMealShare : kTl2MealShare));
    deduction = roundCents(positive(lodgingExpenses) + positive(deductibleMeals) + mealsClaim);
}

void TaxData_T1ANew::Calculate01()
{
    double income = std::max(0.0, otherIncome.value());
    double losses = std::max(0.0, deductions.value());
    for (int row = 0; row < kIncomeRows; ++row) {
        income += std::max(0.0, incomeParts.amountAt(row, 0).value());
        losses += std::max(0.0, incomeParts.amountAt(row, 1).value());
    }
    nonCapitalLoss = roundCents(std::max(0.0, losses - income));
    lossCarriedBack = applyToEarlierYears(nonCapitalLoss, {{&lossAmount2022, &lossApplied2022},
                                                           {&lossAmount2023, &lossApplied2023},
                                                           {&lossAmount, &lossApplied2024}});
    lossCarriedForward = roundCents(nonCapitalLoss - lossCarriedBack);
    capitalLossCarriedBack = applyToEarlierYears(
        positive(capitalLoss), {{&capitalLossRequested2022, &capitalLossApplied2022},
                                {&capitalLossRequested2023, &capitalLossApplied2023},
                                {&capitalLossRequested, &capitalLossApplied2024}});
}

void TaxData_T90::Calculate01()
{
    cwbEmployment = roundCents(positive(exemptAmount));
    cwbSelfEmployment = roundCents(positive(secondAmount));
}

double TaxData_T2209_2036::taxOver15Percent(double income, double tax)
{
    return roundCents(std::max(0.0, tax - kForeignPropertyTaxShare * std::max(0.0, income)));
}

void TaxData_T2209_2036::Adjust15Percent()
{
    const double typed =
        typedIsPropertyIncome ? taxOver15Percent(foreignIncome, positive(foreignTax)) : 0.0;
    adjustment15 = roundCents(positive(slipPropertyTaxOver15) + typed);
}

void TaxData_T224::Calculate01()
{
    rebate = roundCents(positive(generalRebate) + positive(miningRebate));
}

void TaxData_T225::Calculate01()
{
    rebate = roundCents(positive(rebateClaimed));
}
