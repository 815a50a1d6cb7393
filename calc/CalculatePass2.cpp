// Calculation pass 2: total income, the deductions, the CPP/QPP and EI contributions, net
// income and taxable income; the helpers of the contribution months and earnings.
#include "calc/AmountTests.h"
#include "calc/FederalFormSteps.h"
#include "calc/Pass1Steps.h"
#include "calc/Pass2Steps.h"
#include "calc/SlipTotals.h"
#include "calc/TypedAmounts.h"
#include "model/PersonForms.h"

#include "brevant/BrevantForms.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalRates2025.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FederalTaxRules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"

#include <algorithm>
#include <set>

using FederalTaxRules::roundCents;

namespace {

constexpr int kYearMonths = 12;
constexpr int kCppFirstAge = 18;
constexpr int kCppLastAge = 70;
constexpr int kQppLastAge = 72;

QList<TaxData_Slip_T4 *> t4Slips(IndividualTaxData &person)
{
    QList<TaxData_Slip_T4 *> out;
    for (TaxDataEntryStru *entry : person.m_slipList) {
        if (entry->type != SlipType::T4)
            continue;
        if (auto *t4 = formAs<TaxData_Slip_T4>(entry->data))
            out.append(t4);
    }
    return out;
}

// A T4's pensionable earnings: box 26, or box 14 when the employer left box 26 blank (a blank
// box would count every contribution as an overpayment).
double pensionableEarnings(const TaxData_Slip_T4 &t4)
{
    return isNonZero(t4.box26) ? double(t4.box26) : double(t4.box14);
}

// The month the year ends for the person: the month of death in 2025, else December.
int endMonth(const TaxData_T1New &t1)
{
    if (t1.deathDate.IsValid() && t1.deathDate.getYear() == TaxData_T1New::kTaxYear)
        return t1.deathDate.date().month();
    return kYearMonths;
}

// The deductions from slips, the RRSP deduction of Schedule 7 and the moving, employment
// and clergy forms.
void deductions(IndividualTaxData &person, TaxData_T1New &t1, const SlipTotals &totals)
{
    t1.f20700 = t1.rppContributions.value();
    t1.f21200 = t1.unionDuesSlips.value();
    auto *sch7 = formOf<TaxData_Sch7>(person, FormType::SCH7);
    if (sch7) {
        if (!sch7->rrspDeductionLimit.isPresent())
            sch7->rrspDeductionLimit = t1.rrspDeductionLimit.value();
        // The deduction is the lesser of the contributions and the deduction limit; the
        // contributions designated as plan repayments are repaid, not deducted.
        const double contributions = sch7->contribMarToDec + sch7->contribJanToMar +
                                     sch7->spouseContribMarToDec + sch7->spouseContribJanToMar +
                                     sch7->unusedRrspContributions;
        const double repaid =
            std::max(0.0, sch7->hbpRepayment.value()) + std::max(0.0, sch7->llpRepayment.value());
        sch7->f24600 = roundCents(std::clamp(contributions - repaid, 0.0,
                                             std::max(0.0, double(sch7->rrspDeductionLimit))));
    }
    t1.f20800 = sch7 ? sch7->f24600.value() : 0.0;
    TypedAmounts::unrepaidPlans(person, t1);
    t1.CalculateTotalIncome(true);
    auto *t929 = formOf<TaxData_T929New>(person, FormType::T929);
    if (t929) {
        // Earned income: employment, and the business and rental incomes that are not losses.
        double earned = t1.f10100 + t1.employmentIncome2;
        for (const CFloatField *line :
             {&t1.f12200, &t1.f12600, &t1.f13500, &t1.f13700, &t1.f13900, &t1.f14100, &t1.f14300}) {
            if (isPositive(*line))
                earned += *line;
        }
        t929->earnedIncome = earned;
        t929->Calculate01();
    }
    t1.f21500 = t929 ? t929->deduction.value() : 0.0;
    t1.movingExpenses = TypedAmounts::movingCarryForward(t1);
    for (TaxData_T1MNew *t1m : Pass1::formsOfType<TaxData_T1MNew>(person, FormType::T1M)) {
        t1m->yearText = QString::number(TaxData_T1New::kTaxYear);
        t1m->lastName = t1.lastName.value();
        t1m->firstName = t1.firstName.value();
        t1m->sin = t1.sin.value();
        t1m->Calculate01();
        t1.movingExpenses += t1m->amount2;
    }
    Pass2::resourceExpenses(person, t1);
    t1.employmentExpenses = 0.0;
    for (TaxData_T777New *t777 : Pass1::formsOfType<TaxData_T777New>(person, FormType::T777)) {
        t777->employmentIncome = totals.t4Box14;
        t777->Calculate01();
        t1.employmentExpenses += t777->deduction;
    }
    Pass2::employmentForms(person, t1);
    auto *t1223 = formOf<CTaxData_T1223>(person, FormType::T1223);
    if (t1223) {
        t1223->lastName = t1.lastName.value();
        t1223->firstName = t1.firstName.value();
        t1223->yearText = QString::number(TaxData_T1New::kTaxYear);
        t1223->sin = t1.sin.value();
        t1223->address = t1.GetFullAddressWithoutPostcode(0);
        t1223->employmentIncome = t1.f10100.value();
        t1223->Calculate01();
    }
    t1.clergyDeduction = t1223 ? t1223->deduction.value() : 0.0;
}

// Steps 12 to 24: the CPP/QPP and EI contributions.
void contributions(IndividualTaxData &person, TaxData_T1New &t1, const SlipTotals &totals)
{
    Pass2::selfEmployedEi(person, t1);
    Pass2::cppElection(person, t1);
    const int excluded = int(totals.t4apMaxBox21Unflagged);
    const int cppMonths = person.GetCppContributoryMonths(excluded);
    const int qppMonths = person.GetQppContributoryMonths(excluded);
    t1.cppMonths = cppMonths;
    auto *cpt20 = formOf<TaxData_CPT20_New>(person, FormType::CPT20);
    const bool elected = cpt20 && cpt20->hadElectedIncomeToPayCPP();
    if ((t1.HasSelfEmploymentIncome() || elected) && t1.cppMode != 2) {
        if (person.m_province == ProvinceCode::QC) {
            if (qppMonths > 0)
                t1.cppMode = 2;
        } else if (cppMonths > 0) {
            t1.cppMode = 1;
        }
    }
    double earningsA = 0;
    double earningsB = 0;
    t1.getSelfEmploymentIncomeForCPP(&earningsA, &earningsB);

    auto *rc381 = formOf<TaxData_RC381>(person, FormType::RC381);
    auto *sch8 = formOf<TaxData_Sch8_14>(person, FormType::SCH8);
    // Income elected on the CPT20 pays contributions as other earnings do.
    const double electedIncome = cpt20 ? cpt20->electedIncome.value() : 0.0;
    const bool quebecResident = person.m_province == ProvinceCode::QC;
    for (CFloatField *amount :
         {&t1.f30800, &t1.f22215, &t1.f44800, &t1.f22200, &t1.f31000, &t1.f42100})
        *amount = 0.0;
    if (rc381) {
        rc381->cpp.months = cppMonths;
        rc381->qppMonths = qppMonths;
        rc381->cpp.selfEmploymentEarnings = earningsA + (quebecResident ? 0.0 : electedIncome);
        rc381->qppSelfEmploymentEarnings = earningsB + (quebecResident ? electedIncome : 0.0);
        rc381->cpp.age = t1.GetAge();
        rc381->cpp.deceased = t1.IsDeceased();
        rc381->cappedEarnings = person.SumQuebecT4CppEarnings(FederalRates2025::kCppYmpe);
        rc381->cpp.pensionableEarnings = person.SumCppPensionableEarnings();
        double quebec = 0;
        for (TaxData_Slip_T4 *t4 : t4Slips(person)) {
            if (t4->provinceOfEmployment == ProvinceCode::QC && isNonZero(t4->box17 + t4->box17A))
                quebec += pensionableEarnings(*t4);
        }
        rc381->qppEarnings = quebec;
        rc381->Calculate01();
    } else if (sch8) {
        sch8->cpp.months = cppMonths;
        sch8->cpp.selfEmploymentEarnings = earningsA + electedIncome;
        sch8->cpp.age = t1.GetAge();
        sch8->cpp.deceased = t1.IsDeceased();
        sch8->cpp.retirementFlag = t1.cppRetirementFlag.value();
        sch8->cpp.pensionableEarnings = person.SumCppPensionableEarnings();
        sch8->Calculate01();
    }

    auto *t2204 = formOf<TaxData_T2204_New>(person, FormType::T2204);
    if (t2204) {
        t2204->employmentIncome = totals.t4Box14;
        t2204->calculate();
        t1.f31200 = t2204->result.value();
        t1.f45000 = std::max(0.0, roundCents(t2204->paidPremiums() - t2204->result));
        const double ppipInsurable =
            isNonZero(t2204->insurableEarnings) ? t2204->insurableEarnings : totals.t4Box14;
        t1.f31205 =
            std::min(double(t1.parentalInsurance), FederalTaxRules::ppipPremium(ppipInsurable));
    } else {
        t1.f31200 = 0.0;
        t1.f45000 = 0.0;
        t1.f31205 = 0.0;
    }

    double amounts[6] = {};
    if (t1.cppMode == 2 && rc381)
        rc381->getCPPRelatedAmounts(amounts);
    else if (t1.cppMode == 1 && sch8)
        sch8->getCPPRelatedAmounts(amounts);
    t1.f30800 = amounts[0];
    t1.f22215 = amounts[1];
    t1.f44800 = amounts[2];
    t1.f22200 = amounts[3];
    t1.f31000 = amounts[4];
    t1.f42100 = amounts[5];
    if (t1.IsBankrupt()) {
        t1.f44800 = 0.0;
        t1.f45000 = 0.0;
    }
    t1.qppFree = !(isPositive(totals.t4Box17) || person.m_province == ProvinceCode::QC);
}

} // namespace

int IndividualTaxData::GetCppContributoryMonths(int excludedMonths)
{
    TaxData_T1New *t1 = t1Form();
    if (!t1)
        return 0;
    const int age = t1->GetAge();
    if (age < kCppFirstAge || age > kCppLastAge)
        return 0;
    const int end = endMonth(*t1);
    int birthdayLimit = end;
    if (age == kCppFirstAge)
        birthdayLimit = kYearMonths - t1->GetBirthMonth();
    else if (age == kCppLastAge)
        birthdayLimit = t1->GetBirthMonth();
    const int months =
        std::min({std::min(kYearMonths - excludedMonths, kYearMonths), end, birthdayLimit});
    return std::max(0, months);
}

int IndividualTaxData::GetQppContributoryMonths(int excludedMonths)
{
    TaxData_T1New *t1 = t1Form();
    if (!t1)
        return 0;
    const int age = t1->GetAge();
    if (age < kCppFirstAge || age > kQppLastAge)
        return 0;
    int months = std::min(kYearMonths - excludedMonths, endMonth(*t1));
    if (age == kCppFirstAge)
        months = std::min(months, kYearMonths - t1->GetBirthMonth());
    return months;
}

double IndividualTaxData::SumCppPensionableEarnings()
{
    double total = 0;
    for (TaxData_Slip_T4 *t4 : t4Slips(*this)) {
        if (t4->provinceOfEmployment != ProvinceCode::QC) {
            if (!t4->cppExempt)
                total += pensionableEarnings(*t4);
        } else if (isPositive(t4->box16) && !isNonZero(t4->box17)) {
            total += pensionableEarnings(*t4);
        }
    }
    return total;
}

double IndividualTaxData::SumQuebecT4CppEarnings(double cap)
{
    auto *cpt20 = formOf<TaxData_CPT20_New>(*this, FormType::CPT20);
    double total = 0;
    for (TaxData_Slip_T4 *t4 : t4Slips(*this)) {
        if (t4->provinceOfEmployment != ProvinceCode::QC)
            continue;
        double c = 0;
        if (!isPositive(t4->box16)) {
            if (!t4->cppExempt)
                c = t4->box26;
            else if (cpt20 && cpt20->hadElectedIncomeToPayCPP())
                c = t4->box14;
        }
        total += std::min(cap, c);
    }
    return total;
}

double IndividualTaxData::SumForeignTaxOver15Percent()
{
    TaxData_T1New *t1 = t1Form();
    if (!t1)
        return 0;
    t1->f23200 = 0.0;
    for (TaxData_T2209_2036 *t2209 :
         Pass1::formsOfType<TaxData_T2209_2036>(*this, FormType::T2209)) {
        t2209->Adjust15Percent();
        t1->f23200 += t2209->adjustment15;
    }
    return 0;
}

int IndividualTaxData::CalculatePass2(bool, int, TaxData_T1New &t1)
{
    SlipTotals totals;
    std::set<int> neededForms;
    SumSlips(totals, neededForms);
    t1.CalculateTotalIncome(true);
    deductions(*this, t1, totals);
    contributions(*this, t1, totals);
    SumForeignTaxOver15Percent();
    // The what-if plan's item of other deductions.
    t1.f23200 += t1.deductionItem;

    // Split income: deducted here, taxed apart in pass 4.
    if (auto *t1206 = formOf<TaxData_T1206New>(*this, FormType::T1206)) {
        t1206->CalculateTOSI(t1.f23600);
        t1.adjustedNetIncome = t1206->adjustedNetIncome.value();
        t1.f23200 += t1206->f68360;
    } else {
        t1.adjustedNetIncome = t1.f23600.value();
    }
    Pass2::foreignPlans(*this, t1);
    t1.capitalGainsInclusion = 50.0;

    // Child care: the T778's deduction (entered) within what the earned income allows.
    auto *t778 = formOf<TaxData_T778New>(*this, FormType::T778);
    t1.f21400 = t778 ? roundCents(std::clamp(double(t778->amount), 0.0,
                                             std::max(0.0, GetEarnedIncomeForT778())))
                     : 0.0;

    t1.CalculateNetIncomeBeforeF23500();
    // The income the EI repayment is measured on: net income before adjustments, with the
    // UCCB repayment added back and the UCCB and RDSP income left out.
    const double eiRepayment = TaxData_WS_D1::eiBenefitsRepayment(
        t1.t4eBox7, t1.t4eBox15Net, t1.f23400 + t1.f21300 - t1.uccbAmount - t1.f12500);
    auto *worksheet = formOf<TaxData_WS_D1>(*this, FormType::WSD1);
    if (worksheet) {
        worksheet->CalculateF23500(t1.f23400, t1.f11300, eiRepayment);
        t1.f23500 = worksheet->f23500.value();
    } else {
        t1.f23500 = eiRepayment;
    }
    t1.f42200 = t1.f23500.value();
    t1.CalculateNetIncomeAfterCCT(true);
    Pass2::investmentLoss(*this, t1);
    Pass2::capitalGainsDeduction(*this, t1);
    FederalFormSteps::northernResidents(*this, t1);
    TypedAmounts::lossesCarriedForward(t1);
    t1.CalculateTaxableIncome(true);
    return 0;
}
