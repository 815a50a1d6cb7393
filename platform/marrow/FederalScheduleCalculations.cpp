// The calculations of the federal schedules and the CPP and EI forms on the 2025 figures.
#include "marrow/FederalForms.h"
#include "marrow/FederalRates2025.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FederalTaxRules.h"
#include "marrow/TypeCodes.h"

#include <algorithm>
#include <iterator>

using FederalTaxRules::roundCents;
using namespace FederalRates2025;

namespace {

void storeSplit(CppContributionFields &fields, const FederalTaxRules::PensionSplit &s)
{
    fields.baseContributions = s.base;
    fields.enhancedContributions = s.enhanced;
    fields.overpayment = s.overpayment;
}

// Contributions on self-employment and other earnings; payable with the return only on
// the Canada plan (a Quebec resident pays the Quebec plan's with the Quebec return).
void storeSelfEmployed(CppContributionFields &fields,
                       const FederalTaxRules::SelfEmployedContributions &cpp,
                       const FederalTaxRules::SelfEmployedContributions &qpp)
{
    fields.selfEmployedCredit = roundCents(cpp.creditPart() + qpp.creditPart());
    fields.selfEmployedDeduction = roundCents(cpp.deductionPart() + qpp.deductionPart());
    fields.selfEmployedPayable = roundCents(cpp.total());
}

} // namespace

void TaxData_Sch8_14::Calculate01()
{
    storeSplit(cpp, FederalTaxRules::pensionPlanSplit(false, cpp.pensionableEarnings, cpp.months,
                                                      box16Total, box16ATotal));
    storeSelfEmployed(cpp,
                      FederalTaxRules::selfEmployedContributions(
                          false, cpp.pensionableEarnings, cpp.selfEmploymentEarnings, cpp.months,
                          box16Total, box16ATotal),
                      {});
}

void TaxData_RC381::Calculate01()
{
    const auto onCpp = FederalTaxRules::pensionPlanSplit(false, cpp.pensionableEarnings, cpp.months,
                                                         box16Total, box16ATotal);
    const auto onQpp =
        FederalTaxRules::pensionPlanSplit(true, qppEarnings, qppMonths, box17Total, box17ATotal);
    FederalTaxRules::PensionSplit both;
    both.base = onCpp.base + onQpp.base;
    both.enhanced = onCpp.enhanced + onQpp.enhanced;
    both.overpayment = onCpp.overpayment + onQpp.overpayment;
    storeSplit(cpp, both);
    storeSelfEmployed(
        cpp,
        FederalTaxRules::selfEmployedContributions(false, cpp.pensionableEarnings,
                                                   cpp.selfEmploymentEarnings, cpp.months,
                                                   box16Total, box16ATotal),
        FederalTaxRules::selfEmployedContributions(true, qppEarnings, qppSelfEmploymentEarnings,
                                                   qppMonths, box17Total, box17ATotal));
}

void TaxData_T2204_New::calculate()
{
    const double insurable =
        insurableEarnings.isPresent() ? double(insurableEarnings) : double(employmentIncome);
    required = eiExempt ? 0.0 : FederalTaxRules::eiPremium(quebecFlag, insurable);
    result = std::min(paidPremiums(), double(required));
}

void TaxData_Sch5::Calculate01()
{
    const double base = FederalTaxRules::basicPersonalAmount(claimantNetIncome);
    f30300 = 0.0;
    f30400 = 0.0;
    // An infirm spouse or eligible dependant adds the caregiver addition to the base.
    if (canClaimSpouse)
        f30300 = roundCents(std::max(0.0, base + (spouseInfirm ? kCaregiverSpouseAddition : 0.0) -
                                              spouseNetIncome));
    else if (eligibleDependants > 0)
        f30400 = roundCents(std::max(
            0.0, base + (dependantInfirm ? kCaregiverSpouseAddition : 0.0) - dependantNetIncome));
    CalculateCaregiver();
}

void TaxData_Sch9::Calculate01()
{
    const double gifts = donations + otherGifts + slipDonations + slipGifts + donationSharing;
    const double limit = deceased ? netIncome.value() : kDonationLimitRate * netIncome;
    f33700 = roundCents(std::clamp(gifts, 0.0, std::max(0.0, limit)));
    f33900 = roundCents(FederalTaxRules::donationCredit(f33700, taxableIncome));
}

void TaxData_Sch11::Calculate01()
{
    const double trainingCredit =
        trainingCreditEligible
            ? roundCents(
                  std::max(0.0, std::min(double(canadaTrainingCreditLimit),
                                         kTrainingCreditShare * std::max(0.0, double(fees)))))
            : 0.0;
    available = std::max(0.0, fees - trainingCredit + carryForward);
    const double room = claimAllowed ? std::max(0.0, incomeBase - creditsSum) : 0.0;
    f32700 = roundCents(std::min(double(available), room));
    f59140 = roundCents(available - f32700 - transferToSpouse);
    if (f59140 < 0)
        f59140 = 0.0;
    f45350 = trainingCredit;
}

void TaxData_Sch2::Calculate01()
{
    const double unused =
        spouseAgeAmount + pensionAmount + disabilityAmount + tuitionAmount + caregiverAmount;
    // The spouse's tax as credit amounts at the lowest rate, less what the spouse's own basic
    // amounts cover: the part of the unused amounts the spouse needs.
    const double needed =
        std::max(0.0, spouseTaxAmount / kCreditRate - basicAmount - contributionCredits);
    f36000 = canClaim ? roundCents(std::max(0.0, unused - needed)) : 0.0;
}

void TaxData_Sch6::Calculate01()
{
    basicBenefit = 0.0;
    disabilitySupplement = 0.0;
    f45300 = 0.0;
    if (!benefitComputedFor(province, emigrant))
        return;
    if (fullTimeStudent != 0 && childrenUnder19 <= 0)
        return;
    const double maximum = family ? kCwbMaxFamily : kCwbMaxSingle;
    const double threshold = family ? kCwbPhaseOutFamily : kCwbPhaseOutSingle;
    const double ownWorking = workingIncome + selfEmploymentIncome;
    const double working =
        ownWorking + (family ? partnerEmploymentIncome + partnerSelfEmploymentIncome : 0.0);
    const double phasedIn =
        std::min(maximum, kCwbPhaseInRate * std::max(0.0, working - kCwbWorkingIncomeFloor));
    const double income = family ? adjustedFamilyIncome.value() : adjustedNetIncome.value();
    const double reduction = kCwbPhaseOutRate * std::max(0.0, income - threshold);
    basicBenefit = roundCents(std::max(0.0, phasedIn - reduction));
    if (disabilityClaimed) {
        const double supplement = std::min(
            kCwbDisabilityMax, kCwbDisabilityPhaseInRate *
                                   std::max(0.0, ownWorking - kCwbDisabilityWorkingIncomeFloor));
        const double supplementThreshold =
            family ? kCwbDisabilityPhaseOutFamily : kCwbDisabilityPhaseOutSingle;
        const double rate = family && spouseDisabilityClaimed ? kCwbDisabilityPhaseOutRateBoth
                                                              : kCwbDisabilityPhaseOutRate;
        disabilitySupplement = roundCents(
            std::max(0.0, supplement - rate * std::max(0.0, income - supplementThreshold)));
    }
    f45300 = roundCents(basicBenefit + disabilitySupplement);
}

void TaxData_Sch13::calculate()
{
    // Employment and self-employment share one maximum of insurable earnings.
    const double room = std::max(0.0, kEiMaxInsurable - std::max(0.0, double(insurableEarnings)));
    const double insurable = std::clamp(double(selfEmploymentEarnings), 0.0, room);
    insurableSelfEmployment = roundCents(insurable);
    premium = FederalTaxRules::eiPremium(quebecResident, insurable);
}

void TaxData_RC359::Calculate01()
{
    deduction = std::max(0.0, double(excessiveAmount));
    federalTax = roundCents(deduction * std::end(kBrackets)[-1].rate);
}
