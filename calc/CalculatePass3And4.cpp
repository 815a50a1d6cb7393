// Calculation passes 3 and 4: day values, the spouse and dependant amounts, tuition and the
// spouse's transfers; the non-refundable credits, federal tax, the Quebec abatement, the
// foreign tax credit and the provincial tax hooks.
#include "calc/AmountTests.h"
#include "calc/FederalFormSteps.h"
#include "calc/MinimumTax.h"
#include "calc/Pass1Steps.h"
#include "calc/TypedAmounts.h"
#include "model/PersonForms.h"

#include "brevant/BrevantForms.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalRates2025.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FederalTaxRules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"

#include <algorithm>
#include <cmath>
#include <vector>

using FederalTaxRules::roundCents;

namespace {

// Schedule 11 takes the tax amount as its base above the first threshold.
constexpr double kSch11BaseThreshold = 57375;

// The days up to the bankruptcy; a person without a bankruptcy in the year counts the whole
// year (a zero would take away every prorated amount).
double effectiveBankruptDays(const TaxData_T1New &t1)
{
    return t1.bankruptDays > 0 ? double(t1.bankruptDays) : double(t1.daysInYear);
}

void schedule5(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *sch5 = formOf<TaxData_Sch5>(person, FormType::SCH5);
    if (!sch5) {
        t1.f30400 = 0.0;
        return;
    }
    sch5->dayBasis = t1.dayBasis.value();
    sch5->daysInCanada = t1.daysInCanada.value();
    sch5->bankruptDays = t1.bankruptDays.value();
    sch5->daysInYear = t1.daysInYear.value();
    sch5->claimantNetIncome = t1.f23600.value();
    sch5->maritalChange = t1.HasMaritalChange();
    sch5->sharedValue = t1.sch5SharedValue.value();
    sch5->hasSpouse = t1.HasSpouse();
    sch5->canClaimSpouse = t1.CanClaimSpouse();
    sch5->spouseNetIncome = t1.getSpouseNetIncForSpouseCredit(true);
    sch5->Calculate01();
    t1.f30400 = sch5->f30400.value();
}

void schedule11(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t1206 = formOf<TaxData_T1206New>(person, FormType::T1206);
    auto *sch11 = formOf<TaxData_Sch11>(person, FormType::SCH11);
    if (!sch11) {
        t1.f32300 = 0.0;
        t1.f45350 = 0.0;
        return;
    }
    // The tax on taxable income alone: line 40400 without the tax on split income.
    sch11->taxAmount = roundCents(t1.f40400 - t1.f40424);
    // The base the schedule held from the previous calculation picks the rule.
    double base = sch11->incomeBase >= kSch11BaseThreshold + kAmountTolerance
                      ? sch11->taxAmount / FederalRates2025::kCreditRate
                      : double(t1.f26000);
    if (t1206)
        base += t1206->f68360;
    sch11->incomeBase = std::max(0.0, base);
    sch11->claimAllowed = true;
    const int age = t1.GetAge();
    sch11->trainingCreditEligible = age >= FederalRates2025::kTrainingCreditMinAge &&
                                    age <= FederalRates2025::kTrainingCreditMaxAge &&
                                    !t1.shouldProrateAsImmigrant() && !t1.IsEmmigrant();
    double others = 0;
    for (const CFloatField *amount :
         {&t1.f30000, &t1.f30100, &t1.f30300, &t1.f30400, &t1.f30425, &t1.f30450, &t1.f30500,
          &t1.f30800, &t1.f31200, &t1.f31000, &t1.f31205, &t1.f31217, &t1.f31220, &t1.f31240,
          &t1.f31260, &t1.f31270, &t1.f31285, &t1.f31300, &t1.f31400, &t1.f31600})
        others += *amount;
    sch11->creditsSum = others;
    sch11->Calculate01();
    t1.f32300 = sch11->f32700.value();
    t1.f45350 = sch11->f45350.value();
}

void spouseDataOfSchedule2(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *sch2 = formOf<TaxData_Sch2>(person, FormType::SCH2);
    if (!sch2)
        return;
    double marginalRate = 0;
    sch2->spouseTaxAmount =
        roundCents(t1.m_taxStairs.CalcAlgoForSpouseF260S2(t1.spouseTaxableIncome, &marginalRate));
    sch2->spouseOver65 = t1.IsSpouseAgeNotUnder65();
    sch2->spouseOver18 = t1.IsSpouseAgeNotUnder18();
    sch2->canClaim = t1.canClaimSch2();
}

void schedule2Transfer(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *sch2 = formOf<TaxData_Sch2>(person, FormType::SCH2);
    if (!sch2) {
        t1.f32600 = 0.0;
        return;
    }
    sch2->daysInYear = int(t1.daysInYear);
    sch2->daysInCanada = int(t1.daysInCanada);
    const bool spouse65 = t1.canClaimSch2() && sch2->spouseOver65;
    sch2->spouseAgeAmount = TaxData_T1New::CalculateAgeAmount(
        spouse65, t1.getSpouseNetIncForSpouseCredit(false), t1.daysInYear, t1.daysInYear,
        FederalRates2025::kAgeAmountMaximum, FederalRates2025::kAgeAmountThreshold,
        FederalRates2025::kAgeAmountReductionRate);
    sch2->Calculate01();
    const double days = t1.daysInYear > 0 ? double(t1.daysInYear) : 1.0;
    t1.f32600 = roundCents(sch2->f36000 * effectiveBankruptDays(t1) / days);
}

void donations(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *sch9 = formOf<TaxData_Sch9>(person, FormType::SCH9);
    if (!sch9) {
        t1.f34900 = 0.0;
        t1.f33900 = 0.0;
        return;
    }
    sch9->netIncome = t1.f23600.value();
    sch9->deceased = t1.IsDeceased();
    sch9->taxableIncome = t1.f26000.value();
    sch9->Calculate01();
    t1.f33900 = sch9->f33700.value();
    t1.f34900 = sch9->f33900.value();
}

// The pension income amount: a T4A pension qualifies at any age, the other pension income
// and the split received from 65. A pensioner who split pension income keeps only what was
// not allocated to the partner (line 21000; docs/TaxFigures2025.md).
void pensionAmount(TaxData_T1New &t1)
{
    double eligible = t1.t4aPension + t1.f11600;
    if (t1.IsAgeNotUnder65())
        eligible += t1.pension11500A + t1.pension11500B + t1.annuityPension;
    eligible = std::max(0.0, eligible - std::max(0.0, t1.f21000.value()));
    t1.f31400 = roundCents(FederalTaxRules::pensionAmount(eligible));
}

} // namespace

int IndividualTaxData::CalculatePass3(bool, int, TaxData_T1New &t1)
{
    t1.daysInCanada2 = t1.daysInCanada.value();
    t1.dayBasis = std::min(double(t1.daysInCanada), effectiveBankruptDays(t1));
    schedule5(*this, t1);
    FederalFormSteps::caregiverAndAccessibility(*this, t1);
    schedule11(*this, t1);
    spouseDataOfSchedule2(*this, t1);
    return 0;
}

void IndividualTaxData::ApplyT1032ToT1()
{
    TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    auto *t1032 = formOf<TaxData_T1032_New>(*this, FormType::T1032);
    const int answer = t1032 ? int(t1032->transferer) : -1;
    if (answer != 0 && answer != 1) {
        t1->t1032Amount = 0.0;
        t1->f11600 = 0.0;
        t1->f21000 = 0.0;
        t1->pensionSplitTaxTransfer = 0.0;
        return;
    }
    // The tax deducted on the split part moves with it, in the same share.
    const double share =
        t1032->eligiblePension > 0 ? t1032->electedAmount / double(t1032->eligiblePension) : 0.0;
    const double transferredTax = roundCents(t1032->pensionTaxDeducted * share);
    if (answer == 1)
        t1->t1032Amount = t1032->electedAmount.value();
    pensionAmount(*t1);
    t1->pensionSplitTaxTransfer = answer == 0 ? -transferredTax : transferredTax;
}

double IndividualTaxData::GetOtherSelfEmploymentIncome(double amount)
{
    TaxData_T1New *t1 = t1Form();
    if (!t1)
        return 0;
    double lines = 0;
    for (const CFloatField *line :
         {&t1->f13500, &t1->f13700, &t1->f13900, &t1->f14100, &t1->f14300}) {
        if (isPositive(*line))
            lines += *line;
    }
    return std::max(0.0, amount - lines);
}

double IndividualTaxData::CalculateForeignTaxCredit()
{
    TaxData_T1New *t1 = t1Form();
    if (!t1)
        return 0;
    auto *t691 = formOf<TaxData_T691New>(*this, FormType::T691);
    auto *t1206 = formOf<TaxData_T1206New>(*this, FormType::T1206);
    const std::vector<TaxData_T2209_2036 *> forms =
        Pass1::formsOfType<TaxData_T2209_2036>(*this, FormType::T2209);
    for (TaxData_T2209_2036 *t2209 : forms) {
        if (!t2209->overrideBase) {
            double base = t1->f23600 + (t1206 ? double(t1206->f68360) : 0.0);
            for (const CFloatField *deduction :
                 {&t1->f24600, &t1->f25000, &t1->f25100, &t1->f25300, &t1->f25400, &t1->f25500})
                base -= *deduction;
            t2209->incomeBase = base;
        }
        t2209->basicFederalTax = t1->f42900.value();
        t2209->taxLimit = std::max(0.0, t1->f42900 - double(t1->quebecAbatement));
        t2209->Calculate01();
    }
    t1->foreignTaxCredit = 0.0;
    for (CFloatField *total : {&t1->foreignTaxTotal1, &t1->foreignTaxTotal2, &t1->foreignTaxTotal3,
                               &t1->foreignTaxTotal4})
        *total = 0.0;
    // Whole dollars, halves away from zero.
    const auto whole = [](double v) {
        return std::trunc(v <= -kAmountTolerance ? v - 0.5 : v + 0.5);
    };
    double credits = 0;
    for (TaxData_T2209_2036 *t2209 : forms) {
        if (t691) {
            t691->f67922 = t2209->totalIncome();
            t691->f67924 = t2209->totalTax();
        }
        t1->foreignTaxTotal1 += t2209->totalTax();
        t1->foreignTaxTotal2 += whole(t2209->totalIncome());
        t1->foreignTaxTotal3 += t2209->slipAmount3;
        t1->foreignTaxTotal4 += whole(t2209->slipAmount4);
        credits += t2209->credit;
    }
    t1->foreignTaxCredit = roundCents(std::min(credits, double(t1->f42900)));
    if (t691)
        t691->f67926 = t1->foreignTaxCredit.value();
    return t1->foreignTaxCredit;
}

int IndividualTaxData::CalculatePass4(bool, int, TaxData_T1New &t1)
{
    schedule2Transfer(*this, t1);
    donations(*this, t1);
    t1.deceasedFlag = t1.IsDeceased();
    t1.under18Flag = t1.IsAgeUnder18();
    t1.hasSpouseData = hasSpouseData();
    auto *sch5 = formOf<TaxData_Sch5>(*this, FormType::SCH5);
    t1.f30300 = sch5 ? sch5->f30300.value() : 0.0;
    // The Canada caregiver amount for each infirm child under 18.
    const int infirmChildren =
        m_dependants ? m_dependants->GetInfirmDependentNumberUnderAge18() : 0;
    t1.children30500 = FederalRates2025::kCaregiverChildUnder18 * infirmChildren;
    t1.f30500 = t1.children30500.value();
    pensionAmount(t1);
    ApplyT1032ToT1();
    t1.canadaEmploymentBase = t1.f10100 + t1.employmentIncome2;
    TypedAmounts::creditAmounts(*this, t1);
    t1.CalculateField338AndField410_414();
    t1.CalculateField350();
    t1.CalculateFedTax1stStep();
    MinimumTax::splitIncomeTaxLine(*this, t1);
    t1.CalculateField404();
    auto *t1212 = formOf<TaxData_T1212New>(*this, FormType::T1212);
    t1.t1212Amount = t1212 ? t1212->getF67910() : 0.0;
    MinimumTax::carryOver(*this, t1);

    t1.CalculateField429AndNonResiSurTax();
    t1.basicFederalTaxCopy = t1.f42900.value();
    auto *t691 = formOf<TaxData_T691New>(*this, FormType::T691);
    auto *t1206 = formOf<TaxData_T1206New>(*this, FormType::T1206);
    const bool minimumTax = t691 && isPositive(t691->minimumTax);
    // The T1206's tax less its credits (line 22) stands for the basic federal tax when it is
    // the larger.
    const double basicTax =
        t1206 ? std::max(t1.f42900.value(), t1206->taxLessCredits.value()) : t1.f42900.value();
    t1.abatementBase =
        minimumTax && m_province == ProvinceCode::QC ? t691->minimumTaxBase.value() : basicTax;
    // The abatement is a refundable credit of its own (line 44000); it never lowers 42000.
    t1.quebecAbatement = t1.getMainTaxProvince() == ProvinceCode::QC
                             ? roundCents(FederalRates2025::kQuebecAbatementRate * t1.abatementBase)
                             : 0.0;
    CalculateForeignTaxCredit();
    m_provsTaxMgr.calculatePass4Begin(&t1);

    t1.CalculateField417(MinimumTax::compareWithRegularTax(*this, t1));
    MinimumTax::splitIncomeTax(*this, t1);
    MinimumTax::finish(*this);
    FederalFormSteps::respAccumulatedIncome(*this, t1);
    // The advance payments of the Canada workers benefit each person received (the slips put
    // them on Schedule 6 in pass 1) are paid back with the net federal tax, where line 45300
    // pays the year's benefit (docs/TaxFigures2025.md).
    auto *sch6 = formOf<TaxData_Sch6>(*this, FormType::SCH6);
    const bool benefitComputed =
        TaxData_Sch6::benefitComputedFor(t1.getMainTaxProvince(), t1.IsEmmigrant());
    t1.f41500 = sch6 && benefitComputed
                    ? roundCents(std::max(0.0, sch6->rc210Box10 + sch6->rc210Box11))
                    : 0.0;
    t1.CalculateFedTax();

    T2209FormList t2209;
    collectT2209Forms(t2209);
    m_provsTaxMgr.calculatePass4(&t1, formOf<TaxData_Sch2>(*this, FormType::SCH2),
                                 formOf<TaxData_Sch3>(*this, FormType::SCH3),
                                 formOf<TaxData_WS_D1>(*this, FormType::WSD1), sch5,
                                 formOf<TaxData_Sch9>(*this, FormType::SCH9),
                                 formOf<TaxData_Sch11>(*this, FormType::SCH11), t1206, t2209, t691,
                                 formOf<CTaxData_T1219>(*this, FormType::T1219));

    t1.selfEmploymentIncome = sumSelfEmploymentIncome();
    t1.otherSelfEmploymentIncome = GetOtherSelfEmploymentIncome(t1.selfEmploymentIncome);
    if (sch6) {
        sch6->maritalStatus = int(t1.maritalStatus);
        sch6->workingIncome = t1.f10100 + t1.employmentIncome2;
        sch6->selfEmploymentIncome = t1.selfEmploymentIncome.value();
        sch6->adjustedNetIncome = t1.f23600.value();
        sch6->family = t1.HasSpouse() || isPositive(t1.f30400);
        sch6->adjustedFamilyIncome =
            t1.f23600 + (t1.HasSpouse() ? double(t1.spouseNetIncome) : 0.0);
    }
    FederalFormSteps::indianActIncome(*this, t1);
    return 0;
}
