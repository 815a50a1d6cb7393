// Calculation pass 1, first half: the slip totals into the T1 and the forms that take them,
// the CPP/QPP mode, the T90, the pension split and the wizard data.
#include "calc/AmountTests.h"
#include "calc/Pass1Steps.h"
#include "calc/SlipTotals.h"
#include "calc/TypedAmounts.h"
#include "model/PersonForms.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalRates2025.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormTables.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TaxData_TaxNote.h"
#include "marrow/TypeCodes.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace Pass1 {

void Forms::lookUp(IndividualTaxData &person)
{
    sch3 = formOf<TaxData_Sch3>(person, FormType::SCH3);
    sch7 = formOf<TaxData_Sch7>(person, FormType::SCH7);
    sch9 = formOf<TaxData_Sch9>(person, FormType::SCH9);
    t2204 = formOf<TaxData_T2204_New>(person, FormType::T2204);
    t691 = formOf<TaxData_T691New>(person, FormType::T691);
    t936 = formOf<TaxData_T936New>(person, FormType::T936);
    const std::vector<TaxData_T2209_2036 *> t2209s =
        formsOfType<TaxData_T2209_2036>(person, FormType::T2209);
    t2209 = t2209s.empty() ? nullptr : t2209s.front();
    t2222 = formOf<CTaxData_T2222>(person, FormType::T2222);
    cpt20 = formOf<TaxData_CPT20_New>(person, FormType::CPT20);
    t1223 = formOf<CTaxData_T1223>(person, FormType::T1223);
    sch6 = formOf<TaxData_Sch6>(person, FormType::SCH6);
    sch13 = formOf<TaxData_Sch13>(person, FormType::SCH13);
    worksheet = formOf<TaxData_WS_D1>(person, FormType::WSD1);
}

} // namespace Pass1

namespace {

using Pass1::Forms;

// Every amount the pass builds by addition starts from zero, so a repeated pass or round
// gives the same T1.
void resetAddedAmounts(TaxData_T1New &t1)
{
    for (CFloatField *amount :
         {&t1.other10400A,       &t1.other10400B,         &t1.pension11500A,
          &t1.pension11500B,     &t1.otherIncome,         &t1.pensionAdjustment,
          &t1.incomeTaxDeducted, &t1.furtherTaxDeducted1, &t1.furtherTaxDeducted2,
          &t1.taxedIncomeTotal,  &t1.t3FlaggedIncome,     &t1.rppContributions,
          &t1.t4Box85Amount,     &t1.rrifNegativeAmount,  &t1.t4eAmountB,
          &t1.t4eExemptBenefits, &t1.rrspNegativeAmount,  &t1.cppExemptBenefits,
          &t1.t4aBox135,         &t1.t4aBox201,           &t1.t4aAmountC,
          &t1.t5013FAmount,      &t1.exemptBenefits,      &t1.additionalTaxes,
          &t1.pensionTaxDeducted})
        *amount = 0.0;
}

void slipsIntoT3AndT4Rows(const SlipTotals &s, TaxData_T1New &t1, const Forms &f)
{
    t1.additionalTaxes = 0.0;
    t1.uccbAmount = s.rc62Box10;
    t1.uccbRepayment = s.rc62Box12;
    t1.t3BusinessAmount = s.t3AmountBUnflagged;
    if (f.worksheet) {
        f.worksheet->t3ForeignIncome += s.t3Box25;
        f.worksheet->t3ForeignIncomeSlip = s.t3Box25;
        f.worksheet->t3NonEligibleTaxable = s.t3Box32;
        f.worksheet->t3TotalTaxable = s.t3Box32 + s.t3Box50;
    }
    if (f.sch3) {
        f.sch3->slipGains = s.t3Box21Net;
        f.sch3->t3Flag = isNonZero(s.t3Box21);
    }
    if (f.t936) {
        f.t936->t3Box21 = s.t3Box21;
        f.t936->t3Box30 = s.t3Box30;
    }
    // Only the part of T3 amount E above 10,000 is income.
    const double amountE = s.t3AmountE - 10000;
    t1.otherIncome =
        s.t3Box26Net + s.t3AmountA + (isPositive(amountE) ? amountE : 0.0) + s.t4Box66 + s.t4Box67;
    t1.pension11500A += s.t3AmountC;
    if (f.t2209) {
        f.t2209->slipAmount1 += s.t3Box25WithBox34;
        f.t2209->slipAmount2 += s.t3Box34;
        f.t2209->slipAmount3 += s.t3AmountB;
        f.t2209->slipAmount4 += s.t3AmountD;
    }
    t1.t3FlaggedIncome += s.t3Box26ThirdFlag;
    t1.t3Box38Amount = s.t3Box38;

    t1.t4EmploymentAmount = s.t4Box14 - s.t4Box30;
    t1.housingBenefit = s.t4Box30;
    t1.employmentCommissions = s.t4Box42;
    t1.unionDuesSlips = s.t4Box44;
    t1.t4AmountH = s.t4AmountH;
    t1.pensionAdjustment += s.t4Box52;
    t1.rppContributions += s.t4Box20;
    t1.t4Box85Amount += s.t4Box85Flagged;
    t1.t4ExemptTotal = s.t4Box91 + s.t4AmountF + s.t4AmountG + s.t4Box92;
    t1.indianActFlag = s.hasIndianExemptIncome ? 1 : 0;
    t1.t4ExemptF = s.t4AmountF + s.t4Box91;
    t1.taxedIncomeTotal += s.t4RetiringWithoutBox14;
    t1.furtherTaxDeducted1 += s.t4AmountA;
    t1.furtherTaxDeducted2 += s.t4QuebecWithAmountA;
    t1.incomeTaxDeducted += s.t4Box22;
    t1.indianActEmployment = s.t4Box71 + s.t4AmountB + s.t4AmountC + s.t4AmountD;
    t1.t4fFlag = s.t4fSlipSeen;
    t1.taxExemptIncome = s.t4Box71 + s.t4AmountK;
    t1.exemptBenefits = 0.0;
}

// Step 13: the T90 for income exempt under the Indian Act; 1 when the pass added one (the
// slip totals may have added it already: it still counts as this pass's).
int updateT90(IndividualTaxData &person, const SlipTotals &s, TaxData_T1New &t1, bool hadT90)
{
    auto *t90 = formOf<TaxData_T90>(person, FormType::T90);
    const bool exempt = isPositive(s.t4Box71) || t1.indianActFlag != 0;
    if (exempt && !t90)
        t90 = formOf<TaxData_T90>(person, FormType::T90, true);
    const int added = exempt && t90 && !hadT90 ? 1 : 0;
    if (t90) {
        t90->exemptAmount = s.t4Box71;
        t90->exemptFlag = exempt;
        t90->secondAmount = s.t4apBox20Flagged;
    }
    t1.t90Flag = t90 ? 1 : 0;
    return added;
}

// Steps 14 to 16: the contribution totals, Schedule 13, T2222, T1223 and the CPT20 entries.
void contributionsAndEntries(IndividualTaxData &person, const SlipTotals &s, TaxData_T1New &t1,
                             const Forms &f)
{
    t1.cppContributions = s.t4Box16;
    t1.qppContributions = s.t4Box17;
    t1.noCppFlag = !isNonZero(s.t4Box16) && !isNonZero(s.t4Box26Cpp);
    if (f.sch13 && f.sch13->ownFlag == 0)
        f.sch13->insurableEarnings = s.t4Box24;
    if (f.t2222) {
        f.t2222->slipAmount1 += s.t4AmountEKindZero;
        f.t2222->slipAmount2 += s.t4AmountEKindOne;
    }
    if (f.t1223)
        f.t1223->housingAmount = s.t4Box30;
    if (f.cpt20) {
        f.cpt20->clearEntry();
        int n = 0;
        for (TaxDataEntryStru *entry : person.m_slipList) {
            auto *t4 = entry->type == SlipType::T4 ? formAs<TaxData_Slip_T4>(entry->data) : nullptr;
            if (!t4)
                continue;
            if (++n > TaxData_CPT20_New::kEntries)
                break;
            const double earnings = isNonZero(t4->box26) ? t4->box26 : t4->box14;
            f.cpt20->setEntryN(n, earnings, t4->box16, t4->box16A, t4->box17);
        }
    }
    if (f.t691)
        f.t691->t4AmountG = s.t4AmountG;
}

int cppMode(const SlipTotals &s)
{
    if (isPositive(s.t4Box26QppOnly) || isPositive(s.t4Box17) || isPositive(s.t4Box17A))
        return 2;
    if (isPositive(s.t4Box26Cpp) || isPositive(s.t4Box16) || isPositive(s.t4Box16A))
        return 1;
    return 0;
}

// Step 20: the slip totals of the CPP form the mode needs.
void fillCppForms(IndividualTaxData &person, const SlipTotals &s, const TaxData_T1New &t1)
{
    const int all = s.getCountSum();
    const int other = s.getSecondCount();
    const bool line10100 = isNonZero(t1.f10100);
    if (auto *rc381 = formOf<TaxData_RC381>(person, FormType::RC381)) {
        rc381->line10100Flag = line10100;
        rc381->cppExempt = s.t4CppExemptSeen;
        rc381->box16Total = s.t4Box16;
        rc381->t4Count = other;
        rc381->box16ATotal = s.t4Box16A;
        rc381->qppExempt = s.t4QppExemptSeen;
        rc381->box17Total = s.t4Box17;
        rc381->quebecCount = all - other;
        rc381->box17ATotal = s.t4Box17A;
    }
    if (auto *sch8 = formOf<TaxData_Sch8_14>(person, FormType::SCH8)) {
        sch8->line10100Flag = line10100;
        sch8->t4Count = other;
        sch8->box16Total = s.t4Box16;
        sch8->cppExempt = s.t4CppExemptSeen;
        sch8->box16ATotal = s.t4Box16A;
        sch8->quebecCount = all - other;
    }
}

// Steps 21 and 22: parental insurance and the employment kind.
void parentalInsuranceAndKind(IndividualTaxData &person, const SlipTotals &s, TaxData_T1New &t1,
                              const Forms &f)
{
    t1.quebecEmployment = false;
    t1.parentalInsurance = 0.0;
    if (f.t2204) {
        f.t2204->insurableEarnings = s.t4Box24;
        f.t2204->insurableEarnings2 = s.t4Box24;
        f.t2204->eiExempt = s.getCountSum() > 0 && s.t4AllEiExempt;
        f.t2204->premiumsWithPpip = s.t4Box55 + s.t4Box18;
        f.t2204->ppipPremiums = s.t4Box55;
        t1.parentalInsurance = t1.getMainTaxProvince() == ProvinceCode::QC ? s.t4Box55 : 0.0;
        f.t2204->quebecFlag = false;
    }
    t1.parentalInsurance =
        std::min(double(t1.parentalInsurance), FederalRates2025::kQpipMaxEmployeePremium);
    if (isPositive(s.t4Box14Quebec) || isPositive(s.t4Box17) || isPositive(s.t4Box17A)) {
        if (f.t2204)
            f.t2204->quebecFlag = true;
        t1.quebecEmployment = true;
    }
    t1.employmentKind = (s.t4PlacementAgencySeen || s.t4KindOneSeen) ? 1 : int(s.t4KindTwoSeen);
    if (auto *sch8 = formOf<TaxData_Sch8_14>(person, FormType::SCH8))
        sch8->employmentKind = int(t1.employmentKind);
    if (auto *rc381 = formOf<TaxData_RC381>(person, FormType::RC381))
        rc381->employmentKind = int(t1.employmentKind);
}

// The worksheet's and the T2209's amounts that are added slip by slip, in one walk of the T5
// slips: each amount still takes the slips in list order.
void t5SlipBySlipRows(const IndividualTaxData &person, const Forms &f)
{
    if (!f.worksheet && !f.t2209)
        return;
    for (const TaxDataEntryStru *entry : person.m_slipList) {
        const auto *t5 =
            entry->type == SlipType::T5 ? formAs<const TaxData_Slip_T5>(entry->data) : nullptr;
        if (!t5)
            continue;
        if (f.worksheet) {
            f.worksheet->t5NonEligibleTaxable += t5->box11Share;
            f.worksheet->t5TotalTaxable += t5->box11Share + t5->box25Share;
        }
        // Foreign investment income is income from property: the tax above 15% of it is
        // found slip by slip, each slip's income being that of its own property.
        if (f.t2209)
            f.t2209->slipPropertyTaxOver15 +=
                TaxData_T2209_2036::taxOver15Percent(t5->box15Share, t5->box16Share);
    }
}

// The further rows: T4 remainders, T4RIF, T5, T4E and the PRPP.

void furtherT4T4rifT5T4eRows(IndividualTaxData &person, const SlipTotals &s, TaxData_T1New &t1,
                             const Forms &f)
{
    if (f.sch9) {
        f.sch9->slipDonations += s.t4Box46 - s.t4AmountI;
        f.sch9->slipGifts += s.t4AmountI;
    }
    auto *t1212 = formOf<TaxData_T1212New>(person, FormType::T1212);
    if (t1212)
        t1.t4EmploymentAmount += t1212->f65210;
    if (isNonZero(t1.oasAmount) || isNonZero(t1.eiBenefits) || (t1212 && isNonZero(t1212->f65210)))
        person.getForm(FormType::WSD1, 0, true);
    if (t1.indianActFlag != 0 || t1.taxExemptFlag != 0)
        t1.t4EmploymentAmount += s.t4Box87;
    if (f.t691) {
        f.t691->slipExemptF = s.t4AmountF + s.t4Box91;
        f.t691->slipExemptG = s.t4AmountG + s.t4Box92;
    }

    t1.pension11500B += s.t4rifBox16Senior + s.t4rifBox20Senior;
    t1.pension11500A += s.t4rifBox22Senior;
    t1.otherIncome += s.t4rifBox16 + s.t4rifBox18 + s.t4rifBox20 + s.t4rifBox22;
    t1.rrifNegativeAmount += s.t4rifBox22Negative;
    t1.incomeTaxDeducted += s.t4rifBox28;
    t1.furtherTaxDeducted1 += s.t4rifAmountA;
    t1.furtherTaxDeducted2 += s.t4rifBox16WithAmountA;
    t1.taxedIncomeTotal += s.t4rifTaxedNotSenior;

    t5SlipBySlipRows(person, f);
    if (f.t2209) {
        f.t2209->slipAmount2 += s.t5Box16;
        f.t2209->slipAmount1 += s.t5Box15;
    }
    t1.other10400A += s.t5Box17Flagged;
    if (f.worksheet) {
        TaxData_WS_D1 &w = *f.worksheet;
        w.t5ForeignIncome += s.t5Box15;
        w.t5Interest = s.t5Box13;
        w.t5AmountB = s.t5AmountB;
        w.t5AmountC = s.t5AmountC;
        w.t5AmountD = s.t5AmountD;
        w.investmentIncome = s.t5Box13 + s.t5AmountB + s.t5AmountC + s.t5AmountD +
                             w.investmentIncome + s.t5Box17 + s.t5Box14 + s.t5AmountE;
    }
    t1.pension11500B += s.t5AmountESenior;
    if (f.sch3)
        f.sch3->t5Box18 += s.t5Box18;

    t1.t4eBox7 = s.t4eBox7;
    t1.t4eBox17 = s.t4eBox17;
    t1.t4eBox33 = s.t4eBox33;
    t1.eiBenefits = s.t4eBox14Net;
    t1.t4eRepaymentBase = std::max(double(t1.t4eRepaymentBase), s.t4eAmountC + s.t4eBox37);
    t1.t4eBox21 = s.t4eBox21;
    t1.incomeTaxDeducted += s.t4eBox22 + s.t4eAmountA;
    t1.furtherTaxDeducted1 += s.t4eBox23;
    t1.furtherTaxDeducted2 += s.t4eBox14NetWithBox23;
    t1.t4eBox30 = s.t4eBox30;
    t1.t4eAmountB += s.t4eAmountB;
    t1.t4eBox15Net = s.t4eBox15 - s.t4eBox30;
    t1.t4eExemptBenefits += s.t4eBox18Flagged;
    t1.exemptBenefits += s.t4eBox18Flagged;
    t1.taxedIncomeTotal += s.t4eBox14WithBox22;
    if (auto *t90 = formOf<TaxData_T90>(person, FormType::T90))
        t90->eiAmount = s.t4eBox18Flagged;

    t1.prppEmployer = s.prppEmployer;
    if (isPositive(s.prppEmployeeCurrentYear) || isPositive(s.prppEmployeePriorYear)) {
        if (auto *sch7 = formOf<TaxData_Sch7>(person, FormType::SCH7, true)) {
            sch7->prppPriorYear = s.prppEmployeePriorYear;
            sch7->prppCurrentYear = s.prppEmployeeCurrentYear;
        }
    }
    const bool prppExempt =
        isPositive(s.prppExemptCurrentYear) || isPositive(s.prppExemptPriorYear);
    if (auto *rc383 = formOf<TaxData_RC383>(person, FormType::RC383, prppExempt)) {
        rc383->exemptIncome = std::max({double(rc383->exemptIncome), s.t4Box71, s.t4AmountK});
        rc383->exemptPriorYear = s.prppExemptPriorYear;
        rc383->exemptCurrentYear = s.prppExemptCurrentYear;
        rc383->Calculate01();
    }
}

// Whether the T1032 takes the slips' pension amounts: a pensioner of 65 or over who transfers.
TaxData_T1032_New *t1032ForSlips(IndividualTaxData &person, const TaxData_T1New &t1)
{
    auto *t1032 = formOf<TaxData_T1032_New>(person, FormType::T1032);
    return t1032 && t1.GetAge() > 64 && t1032->transferer == 0 ? t1032 : nullptr;
}

// The further rows: T4RSP, T4A(OAS), T4A(P) and T4A.
void furtherPensionRows(IndividualTaxData &person, const SlipTotals &s, TaxData_T1New &t1)
{
    t1.annuityTotal = s.t4rspBox16Flagged + s.t4rspBox16;
    t1.annuityPension = s.t4rspBox16Flagged;
    if (t1.GetAge() < 65) {
        t1.annuityOther = s.t4rspBox16;
    } else {
        t1.annuityPension += s.t4rspBox16;
        t1.annuityOther = 0.0;
    }
    t1.rrspIncome = s.t4rspBox18 + s.t4rspBox20 + s.t4rspBox22 + s.t4rspBox26 +
                    s.t4rspBox28Positive + s.t4rspBox34;
    t1.incomeTaxDeducted += s.t4rspBox30;
    t1.rrspNegativeAmount += s.t4rspBox28Negative;
    if (auto *sch7 = formOf<TaxData_Sch7>(person, FormType::SCH7)) {
        sch7->hbpWithdrawal = s.t4rspBox27;
        sch7->llpWithdrawal = s.t4rspBox25;
    }
    if (auto *t2205 = formOf<CTaxData_T2205>(person, FormType::T2205))
        t2205->flaggedWithdrawals = s.t4rspFlaggedWithdrawals;

    t1.oasAmount = s.oasBox18;
    t1.oasBox20Amount = s.oasBox20;
    t1.oasBox21Amount = s.oasBox21;
    t1.f11400 = s.t4apBox20LessBox18;
    t1.otherIncome += s.t4apBox18;
    t1.f11410 = s.t4apBox16;
    t1.taxedIncomeTotal += s.t4apBox18WithBox22;
    t1.cppBenefitMonths21 = s.t4apMaxBox21;
    t1.cppBenefitMonths23 = s.t4apMaxBox23;
    t1.cppRetirementFlag = s.t4apBox14Flagged;
    t1.cppRetirementBenefit = s.t4apBox14;
    t1.incomeTaxDeducted += s.oasBox22 + s.oasBox23 + s.t4apBox22;
    t1.furtherTaxDeducted1 += s.t4apAmountA;
    t1.furtherTaxDeducted2 += s.t4apBox20WithAmountA;
    t1.exemptBenefits += s.t4apBox20Flagged;
    t1.cppExemptBenefits += s.t4apBox20Flagged;

    t1.pension11500B += s.t4aBox24Senior;
    t1.t4aPension = s.t4aBox16;
    t1.t4aBox131 = s.t4aBox131;
    t1.other10400B += s.t4aBox107;
    t1.other10400A += s.t4aBox28Flag6 + s.t4aBox104Net + s.t4aBox118 + s.t4aBox119 + s.t4aBox127 +
                      s.t4aAmountJ + s.t4aAmountM3 + s.t4aAmountM5;
    t1.pension11500A += s.t4aAmountKSenior + s.t4aAmountNSenior;
    t1.t4aAmountF = s.t4aAmountF;
    // Death benefits are income only above the first 10,000.
    const double deathBenefit = std::max(0.0, s.t4aBox106 - 10000);
    t1.otherIncome += deathBenefit + s.t4aBox18 + s.t4aBox24 + s.t4aBox28 + s.t4aBox30 +
                      s.t4aBox40 + s.t4aBox42 + s.t4aBox109 + s.t4aAmountE + s.t4aAmountG +
                      s.t4aBox125 + s.t4aAmountH + s.t4aAmountI + s.t4aAmountK + s.t4aAmountL +
                      s.t4aAmountM1 + s.t4aAmountM2 + s.t4aAmountM4 + s.t4aAmountN + s.t4aBox197 +
                      s.t4aBox198 + s.t4aBox199 + s.t4aBox200 + s.t4aBox202 + s.t4aBox203 +
                      s.t4aBox204 + s.t4aAmountO + s.t4aBox211;
    t1.t4aBox135 += s.t4aBox135Flag9;
    if (auto *t1172 = formOf<TaxData_T1172New>(person, FormType::T1172))
        t1172->t4aBox40 = s.t4aBox40;
    t1.t4aBox201 += s.t4aBox201;
    t1.t4aBox202 = s.t4aBox202;
    t1.t4aBox203 = s.t4aBox203;
    t1.t4aBox204 = s.t4aBox204;
    t1.f13010 = s.t4aScholarshipTaxable;
    t1.taxedIncomeTotal += s.t4aIncomeWithTaxDeducted;
    t1.incomeTaxDeducted += s.t4aBox22;
    t1.pensionAdjustment += s.t4aBox34;
    t1.t4aAmountC += s.t4aAmountC;
    if (TaxData_T1032_New *t1032 = t1032ForSlips(person, t1))
        t1032->t4aBox128 = s.t4aBox128;
    if (auto *t2222 = formOf<CTaxData_T2222>(person, FormType::T2222)) {
        t2222->slipAmount1 += s.t4aBox124KindZero;
        t2222->slipAmount2 += s.t4aBox124KindOne;
    }
    if (auto *t90 = formOf<TaxData_T90>(person, FormType::T90))
        t90->eiAmount += s.t4aBox197And203Flagged;
}

// The further rows: FHSA, NR4, T2202, T5007, T5006, T5013, T4PS and T4A-RCA.
void furtherOtherRows(IndividualTaxData &person, const SlipTotals &s, TaxData_T1New &t1,
                      const Forms &f)
{
    if (auto *sch15 = formOf<TaxData_Sch15>(person, FormType::SCH15)) {
        sch15->fhsaBox18 = s.fhsaBox18;
        sch15->fhsaBox38 = s.fhsaBox38;
        sch15->fhsaBox32And34 = s.fhsaBox32 + s.fhsaBox34;
        sch15->fhsaBox36 = s.fhsaBox36;
        sch15->fhsaBox20 = s.fhsaBox20;
    }
    t1.fhsaIncome = s.fhsaBox22 + s.fhsaBox26;
    t1.fhsaOtherIncome = s.fhsaBox28 + s.fhsaBox24 + s.fhsaBox26Flagged;
    if (isPositive(s.fhsaBox30)) {
        t1.taxedIncomeTotal +=
            s.fhsaBox22 + s.fhsaBox26 + s.fhsaBox26Flagged + s.fhsaBox24 + s.fhsaBox28;
        t1.incomeTaxDeducted += s.fhsaBox30;
    }
    t1.otherIncome += s.nr4B + s.nr4D;
    t1.incomeTaxDeducted += s.nr4C + s.nr4E;

    if (auto *sch11 = formOf<TaxData_Sch11>(person, FormType::SCH11)) {
        if ((isPositive(s.t2202PartTimeMonths) && !sch11->partTimeFlag) ||
            s.t2202PartTimeMonths > sch11->partTimeMonths)
            sch11->partTimeMonths = s.t2202PartTimeMonths;
        if ((isPositive(s.t2202FullTimeMonths) && !sch11->partTimeFlag) ||
            s.t2202FullTimeMonths > sch11->fullTimeMonths)
            sch11->fullTimeMonths = s.t2202FullTimeMonths;
        const double fees = s.t2202FeesFullTime + s.t2202FeesPartTime;
        if (fees > sch11->fees)
            sch11->fees = fees;
    }
    t1.f14400 = s.t5007Box10;
    t1.f14500 = s.t5007Box11;
    t1.exemptBenefits += s.t5007Box10Exempt;
    t1.t5007Kind3 = s.t5007KindThreeSeen;
    t1.t5007Ratio = s.t5007MinRatio;
    if (f.sch9)
        f.sch9->slipDonations += s.t4aBox46;
    t1.t5006Amount = s.t5006NetCD + s.t5006NetAB;
    t1.additionalTaxes += s.t5006E;
    t1.t5006Tax = s.t5006E;

    if (f.sch3)
        f.sch3->slipGains += s.t5013Box151;
    t1.partnershipText = QStringLiteral("Partnership Income/Loss from T5013 slip");
    t1.t5013SlipBusiness = s.t5013B + s.t5013C + s.t5013D + s.t5013E;
    if (f.worksheet) {
        TaxData_WS_D1 &w = *f.worksheet;
        w.t5013ForeignIncome += s.t5013RFlagged + s.t5013P;
        w.limitedPartnershipIncome += s.t5013I + s.t5013R;
        w.t5013NonEligibleTaxable = s.t5013K;
        w.t5013TotalTaxable = s.t5013K + s.t5013N;
        w.t5013CarryingCharges = s.t5013Q + s.t5013V;
    }
    t1.t5013FAmount += s.t5013F;
    t1.otherIncome += s.t5013H;
    t1.t5013GAmount = s.t5013G;
    t1.t5013WAmount = s.t5013W;
    t1.incomeTaxDeducted += s.t5013S;
    if (f.t2209) {
        f.t2209->slipAmount2 += s.t5013T;
        f.t2209->slipAmount1 += s.t5013P;
        f.t2209->slipAmount4 += s.t5013U;
    }
    if (f.worksheet) {
        f.worksheet->t4psNonEligibleTaxable = s.t4psB;
        f.worksheet->t4psTotalTaxable = s.t4psB + s.t4psE;
    }
    if (f.sch3)
        f.sch3->slipGains += s.t4psG;
    t1.other10400A += s.t4psH;
    if (f.t2209) {
        f.t2209->slipAmount1 += s.t4psJ + s.t4psK;
        f.t2209->slipAmount2 += s.t4psL;
    }
    t1.otherIncome += s.t4arcaB + s.t4arcaC + s.t4arcaE + s.t4arcaF;
    t1.incomeTaxDeducted += s.t4arcaG;
    if (TaxData_T1032_New *t1032 = t1032ForSlips(person, t1))
        t1032->t4arcaD = s.t4arcaD;
}

} // namespace

int IndividualTaxData::EnsureCppForm(int mode)
{
    const int type = mode == 1 ? FormType::SCH8 : mode == 2 ? FormType::RC381 : 0;
    if (type == 0 || hasForm(type))
        return 0;
    return getForm(type, 0, true) ? 1 : 0;
}

int IndividualTaxData::CalculatePass1(bool wizardChanged, int changedType, TaxData_T1New &t1)
{
    // Step 1: every object prepares. The list is only read: a non-const walk would detach it
    // from the form index's copy, and the next look-up by type would compare the whole list.
    for (TaxDataEntryStru *entry : std::as_const(m_formList)) {
        entry->data->beginCalculation();
        entry->data->setMainTaxProvince(m_province);
    }
    // The T1's province of residence is the person's province: a new return, a province
    // change and an imported return set only the person's, and the electronic return and the
    // page read the T1's.
    t1.province = m_province;
    for (TaxDataEntryStru *entry : m_slipList)
        entry->data->beginCalculation();
    for (TaxNoteEntryStru *entry : m_noteList)
        entry->data->preSumSlip();

    // Forms the slip totals may add: the steps that need them count them as added.
    const bool hadT90 = hasForm(FormType::T90);
    const bool hadCppForm[] = {false, hasForm(FormType::SCH8), hasForm(FormType::RC381)};

    // Steps 2 to 4.
    if (const ProvInfoRow *row = provInfo(m_province))
        t1.provinceText = QString::fromUtf8(row->name);
    SlipTotals totals;
    std::set<int> neededForms;
    SumSlips(totals, neededForms);
    Pass1::Forms forms;
    forms.lookUp(*this);
    if (forms.worksheet)
        forms.worksheet->resetDivDetailsAmounts();

    // Steps 5 to 11.
    if (forms.t2222) {
        forms.t2222->slipAmount1 = 0.0;
        forms.t2222->slipAmount2 = 0.0;
    }
    if (forms.t2209) {
        for (CFloatField *amount :
             {&forms.t2209->slipAmount1, &forms.t2209->slipAmount2, &forms.t2209->slipAmount3,
              &forms.t2209->slipAmount4, &forms.t2209->slipPropertyTaxOver15})
            *amount = 0.0;
    }
    if (!t1.CanClaimSpouse() && !t1.canClaimSch2() && !t1.canClaimT1032())
        t1.clearSpouseInfo();
    resetAddedAmounts(t1);
    t1.pensionTaxDeducted = totals.pensionTaxDeducted;
    if (m_dependants) {
        t1.infirmDependants18Plus = m_dependants->GetInfirmDependantsNumberNotUnderAge(18);
        t1.childrenUnder18 = m_dependants->GetDepChildrenNumberBetweenAges(0, 18);
        t1.infirmDependants = m_dependants->GetInfirmDependantsNumberNotUnderAge(-1);
    }
    t1.children30500 = 0.0;
    t1.partnershipIndicator = false;
    t1.partnershipLoss = false;
    t1.partnershipGross = 0.0;
    t1.partnershipNet = 0.0;
    if (forms.sch3)
        forms.sch3->t5Box18 = 0.0;
    if (forms.sch9) {
        forms.sch9->slipDonations = 0.0;
        forms.sch9->slipGifts = 0.0;
    }
    if (forms.sch6)
        forms.sch6->setACWBAmounts(totals.rc210Box10, totals.rc210Box11);

    // Steps 12 to 22.
    slipsIntoT3AndT4Rows(totals, t1, forms);
    int result = updateT90(*this, totals, t1, hadT90);
    contributionsAndEntries(*this, totals, t1, forms);
    t1.cppMode = cppMode(totals);
    t1.t4Count = totals.getCountSum();
    t1.t4CountOther = totals.getSecondCount();
    const int mode = t1.cppMode;
    if (EnsureCppForm(mode) == 1 || (mode >= 1 && mode <= 2 && !hadCppForm[mode]))
        ++result;
    fillCppForms(*this, totals, t1);
    parentalInsuranceAndKind(*this, totals, t1, forms);

    // The further slip rows.
    furtherT4T4rifT5T4eRows(*this, totals, t1, forms);
    furtherPensionRows(*this, totals, t1);
    furtherOtherRows(*this, totals, t1, forms);

    // Steps 23 to 27.
    PrepareT1032();
    t1.mbShelterAmount = totals.mbShelterBenefit;
    if (wizardChanged) {
        for (TaxWizardEntryStru *entry : m_wizardList)
            entry->data->preSumSlip();
        applyWizardData(changedType);
    }
    t1.calculationNote = CString();
    t1.overwriteStatus = appInstance() && appInstance()->config.OverwriteStatus ? 1 : 0;
    t1.t5003Total = totals.t5003AmountA + t1.t5003Entered;
    t1.lumpSumTotal = totals.t4aBox24Flag4 + totals.t4aAmountB + totals.t3Box26SecondFlag;
    t1.t4aATotal = totals.t4aAmountA;
    t1.flaggedTrustGains = totals.t3Box21Flagged;

    Pass1::calculateIncomeForms(*this, t1, forms);
    // A tuition amount carried forward needs the Schedule 11 that claims it.
    result += TypedAmounts::tuitionCarryForward(*this, t1);
    return result;
}
