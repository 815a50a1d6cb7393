// The per-slip rules of the slip totals, one function per slip group.
#include "calc/SlipSummer.h"

#include "calc/AmountTests.h"
#include "calc/SlipTotals.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "ordane/AmountTolerance.h"
#include "ordane/Utilities.h"

#include <algorithm>

namespace {
constexpr int kQuebec = 11;
// The scholarship exemption, given once per person.
constexpr double kScholarshipExemption = 500.0;

double flooredDifference(double a, double b)
{
    return std::max(0.0, a - b);
}

// What the summing reads from the person's T1, taken once: the age is a date computation, and
// a run over thousands of slips would otherwise compute it again for every slip.
struct SlipOwner
{
    explicit SlipOwner(const TaxData_T1New *t1)
        : known(t1 != nullptr), age(t1 ? t1->GetAge() : 0), senior(t1 && t1->IsAgeNotUnder65())
    {
    }
    bool known; // a T1 was given
    int age;
    bool senior; // 65 or over at the end of the year
};

// A maximum moves only for a value larger by the tolerance.
void keepMaximum(double &stored, double value)
{
    if (value - stored >= kAmountTolerance)
        stored = value;
}

void addRc62(SlipTotals &t, const TaxData_Slip_RC62 &s)
{
    t.rc62Box10 += s.box10;
    t.rc62Box12 += s.box12;
}

void addRc210(SlipTotals &t, const TaxData_Slip_RC210 &s)
{
    t.rc210Box10 += s.box10;
    t.rc210Box11 += s.box11;
}

void addT3(SlipTotals &t, const TaxData_Slip_T3 &s)
{
    t.t3Box21 += s.box21Share;
    t.t3Box21Net += std::max(0.0, s.box21Share - s.box55Share - s.box57Share - s.box59Share);
    if (s.box21Flag)
        t.t3Box21Flagged += s.box21Share;
    t.t3AmountA += s.amtAShare;
    t.t3Box23 += s.box23Share;
    t.t3AmountB += s.amtBShare;
    if (!s.amtBFlag)
        t.t3AmountBUnflagged += s.amtBShare;
    t.t3Box25 += s.box25Share;
    if (isNonZero(s.box34Share))
        t.t3Box25WithBox34 += s.box25Share;
    if (!s.box26Flag1)
        t.t3Box26Net += flooredDifference(s.box26Share, s.amtCShare);
    if (s.box26Flag2)
        t.t3Box26SecondFlag += s.box26Share;
    if (s.box26Flag3)
        t.t3Box26ThirdFlag += s.box26Share;
    t.t3Box30 += s.box30Share;
    t.t3AmountC += s.amtCShare;
    t.t3Box32 += s.box32Share;
    t.t3AmountD += s.amtDShare;
    t.t3Box34 += s.box34Share;
    t.t3AmountE += s.amtEShare;
    t.t3AmountF += s.amtFShare;
    t.t3Box38 += s.box38Share;
    t.t3Box39 += s.box39Share;
    t.t3Box49 += s.box49Share;
    t.t3Box50 += s.box50Share;
    t.t3Box51 += s.box51Share;
}

void addT4(SlipTotals &t, const TaxData_Slip_T4 &s)
{
    const bool quebec = s.provinceOfEmployment == kQuebec;
    if (quebec && s.box16 < kAmountTolerance)
        ++t.t4QppOnlyCount;
    else
        ++t.t4OtherCount;
    t.t4Box14 += s.box14;
    if (!t.hasIndianExemptIncome && s.containIndianItem())
        t.hasIndianExemptIncome = true;
    if (s.eiExempt)
        t.t4Box14EiExempt += s.box14;
    t.t4Box16 += s.box16;
    (quebec ? t.t4Box14Quebec : t.t4Box14OutsideQuebec) += s.box14;
    t.t4Box16A += s.box16A;
    t.t4Box18 += s.box18;
    t.t4Box20 += s.box20;
    t.t4Box22 += s.box22;
    t.t4Box24 += s.box24;
    switch (s.employmentKind) {
    case 0:
        t.t4PlacementAgencySeen = true;
        t.t4AmountB += s.amtB;
        break;
    case 1:
        t.t4KindOneSeen = true;
        t.t4AmountC += s.amtC;
        break;
    case 2:
        t.t4KindTwoSeen = true;
        t.t4AmountD += s.amtD;
        break;
    default:
        break;
    }
    t.t4Box30 += s.box30;
    if (s.secondKind == 0)
        t.t4AmountEKindZero += s.amtE;
    else if (s.secondKind == 1)
        t.t4AmountEKindOne += s.amtE;
    t.t4AmountF += s.amtF;
    t.t4AmountG += s.amtG;
    t.t4Box42 += s.box42;
    t.t4AmountH += s.amtH;
    t.t4Box44 += s.box44;
    t.t4Box46 += s.box46;
    t.t4AmountI += s.amtI;
    t.t4Box52 += s.box52;
    t.t4Box55 += s.box55;
    if (s.eiExempt)
        t.t4Box55EiExempt += s.box55;
    t.t4Box17 += s.box17;
    t.t4Box17A += s.box17A;
    t.t4Box26 += s.box26;
    if (quebec && !isNonZero(s.box16)) {
        t.t4Box26QppOnly += s.box26;
        if (s.cppExempt)
            t.t4QppExemptSeen = true;
    } else {
        t.t4Box26Cpp += s.box26;
        if (s.cppExempt)
            t.t4CppExemptSeen = true;
    }
    if (!s.eiExempt)
        t.t4AllEiExempt = false;
    t.t4AmountA += s.amtA;
    if (quebec && isPositive(s.amtA))
        t.t4QuebecWithAmountA += s.box14 + s.box66 + s.box67;
    t.t4Box66 += s.box66;
    t.t4Box67 += s.box67;
    t.t4Box71 += s.box71;
    t.t4AmountJ += s.amtJ;
    t.t4Box85 += s.box85;
    if (s.flag2)
        t.t4Box85Flagged += s.box85;
    t.t4Box87 += s.box87;
    t.t4AmountK += s.amtK;
    t.t4Box90 += s.box90;
    t.t4Box91 += s.box91;
    t.t4Box92 += s.box92;
    if (isPositive(s.box22) && !isNonZero(s.box14))
        t.t4RetiringWithoutBox14 +=
            (isPositive(s.box66) ? s.box66 : 0.0) + (isPositive(s.box67) ? s.box67 : 0.0);
    if (s.t4fFlag) {
        if (isPositive(s.box22))
            t.t4fBox14TaxDeducted += s.box14;
        t.t4fSlipSeen = true;
    }
}

void addT5(SlipTotals &t, const TaxData_Slip_T5 &s, const SlipOwner &owner)
{
    t.t5Box10 += s.box10Share;
    t.t5Box11 += s.box11Share;
    t.t5Box12 += s.box12Share;
    t.t5AmountA += s.amtAShare;
    t.t5Box13 += s.box13Share;
    t.t5AmountB += s.amtBShare;
    t.t5AmountC += s.amtCShare;
    t.t5AmountD += s.amtDShare;
    t.t5Box14 += s.box14Share;
    t.t5Box15 += s.box15Share;
    t.t5Box16 += s.box16Share;
    (s.box17Flag ? t.t5Box17Flagged : t.t5Box17) += s.box17Share;
    t.t5Box18 += s.box18Share;
    (s.amtEFlag || owner.senior ? t.t5AmountESenior : t.t5AmountE) += s.amtEShare;
    t.t5Box24 += s.box24Share;
    t.t5Box25 += s.box25Share;
    t.t5Box26 += s.box26Share;
    t.t5Box34 += s.box34Share;
}

void addT4E(SlipTotals &t, const TaxData_Slip_T4E &s)
{
    if (isPositive(s.box7))
        t.t4eBox7 = s.box7;
    const double net = flooredDifference(s.box14, s.box18);
    t.t4eBox14Net += net;
    if (isPositive(s.box23))
        t.t4eBox14NetWithBox23 += net;
    t.t4eBox15 += s.box15;
    t.t4eBox17 += s.box17;
    t.t4eBox18 += s.box18;
    t.t4eBox20 += s.box20;
    t.t4eBox21 += s.box21;
    t.t4eBox22 += s.box22;
    t.t4eBox23 += s.box23;
    t.t4eAmountA += s.amtA;
    if (isNonZero(s.amtB))
        t.t4eAmountB += s.amtB;
    else
        t.t4eBox30 += s.box30;
    t.t4eBox33 += s.box33;
    t.t4eAmountC += s.amtC;
    t.t4eBox37 += s.box37;
    if (isPositive(s.box22))
        t.t4eBox14WithBox22 += s.box14;
    if (s.flag1) {
        t.t4eBox18Flagged += s.box18;
        t.hasIndianExemptIncome = true;
    }
}

void addT4RSP(SlipTotals &t, const TaxData_Slip_T4RSP &s)
{
    (s.flag1 ? t.t4rspBox16Flagged : t.t4rspBox16) += s.box16;
    t.t4rspBox18 += s.box18;
    t.t4rspBox20 += s.box20;
    t.t4rspBox22 += s.box22;
    t.t4rspBox25 += s.box25;
    t.t4rspBox26 += s.box26;
    t.t4rspBox27 += s.box27;
    if (isPositive(s.box28))
        t.t4rspBox28Positive += s.box28;
    if (s.box28 < kAmountTolerance)
        t.t4rspBox28Negative -= s.box28;
    t.t4rspBox30 += s.box30;
    t.t4rspBox34 += s.box34;
    if (s.flag2)
        t.t4rspFlaggedWithdrawals += s.box26 + s.box20 + s.box22;
}

void addOas(SlipTotals &t, const CSlipData_T4AOAS &s)
{
    t.oasBox18 += s.box18;
    t.oasBox19 += s.box19;
    t.oasBox20 += s.box20;
    t.oasBox21 += s.box21;
    t.oasBox22 += s.box22;
    t.oasBox23 += s.box23;
}

void addT4AP(SlipTotals &t, TaxData_Slip_T4AP &s, const SlipOwner &owner)
{
    if (owner.known)
        s.age = owner.age;
    t.t4apBox14 += s.box14;
    if (isPositive(s.box14) && s.flag3)
        t.t4apBox14Flagged = true;
    t.t4apBox15 += s.box15;
    t.t4apBox16 += s.box16;
    t.t4apBox17 += s.box17;
    t.t4apBox18 += s.box18;
    t.t4apBox19 += s.box19;
    t.t4apBox20LessBox18 += s.box20 - s.box18;
    const bool pensionPaid = isNonZero(s.box14) || isNonZero(s.box16);
    if (pensionPaid) {
        keepMaximum(t.t4apMaxBox21, s.box21);
        if (!s.flag1)
            keepMaximum(t.t4apMaxBox21Unflagged, s.box21);
    }
    t.t4apBox22 += s.box22;
    if (isPositive(s.amtA)) {
        t.t4apAmountA += s.amtA;
        t.t4apBox20WithAmountA += s.box20;
    }
    if (s.flag2) {
        t.t4apBox20Flagged += s.box20;
        t.hasIndianExemptIncome = true;
    }
    if (pensionPaid) {
        keepMaximum(t.t4apMaxBox23, s.box23);
        if (!s.flag1)
            keepMaximum(t.t4apMaxBox23Unflagged, s.box23);
    }
    if (isNonZero(s.box18) || isNonZero(s.box22))
        t.t4apBox18WithBox22 += s.box18;
}

// Box 105 of a T4A with tax deducted, after the exemption this one slip allows.
double scholarshipWithTaxDeducted(const TaxData_Slip_T4A &s)
{
    if (!isPositive(s.box105))
        return 0.0;
    switch (s.box105Kind) {
    case 0:
        return flooredDifference(s.box105, kScholarshipExemption);
    case 1:
        return 0.0;
    default:
        return s.box105;
    }
}

void addT4A(SlipTotals &t, const TaxData_Slip_T4A &s, const SlipOwner &owner)
{
    const bool senior = s.flag1 || owner.senior;
    t.t4aBox16 += s.box16;
    t.t4aBox18 += s.box18;
    t.t4aBox20 += s.box20;
    t.t4aBox22 += s.box22;
    (senior ? t.t4aBox24Senior : t.t4aBox24) += s.box24;
    if (s.flag4)
        t.t4aBox24Flag4 += s.box24;
    if (!s.flag5)
        (s.flag6 ? t.t4aBox28Flag6 : t.t4aBox28) += s.box28;
    t.t4aAmountA += s.amtA;
    t.t4aAmountB += s.amtB;
    t.t4aBox104Net += flooredDifference(s.box104, s.amtD);
    t.t4aAmountF += s.amtF;
    if (!s.flag7)
        t.t4aBox30 += s.box30;
    t.t4aBox34 += s.box34;
    if (!s.flag8)
        t.t4aAmountC += s.amtC;
    t.t4aBox40 += s.box40;
    t.t4aBox42 += s.box42;
    t.t4aBox46 += s.box46;
    if (isPositive(s.box22) && !(s.flag3 && isNonZero(s.box16))) {
        t.t4aIncomeWithTaxDeducted += s.box18 + scholarshipWithTaxDeducted(s) + s.box28 + s.box30 +
                                      s.box40 + s.box107 + s.box127 + s.box198 + s.box199 +
                                      s.box200 + s.box202 + s.box203 + s.box204 + s.box211;
    }
    if (s.box124Kind == 0)
        t.t4aBox124KindZero += s.box124;
    else if (s.box124Kind == 1)
        t.t4aBox124KindOne += s.box124;
    t.t4aBox48 += s.box48;
    if (s.box105Kind == 0)
        t.t4aBox105Basic += s.box105;
    else if (s.box105Kind == 1)
        t.t4aBox105Exempt += s.box105;
    else
        t.t4aBox105Taxable += s.box105;
    t.t4aBox106 += s.box106;
    t.t4aBox107 += s.box107;
    t.t4aBox109 += s.box109;
    t.t4aAmountE += s.amtE;
    t.t4aBox118 += s.box118;
    t.t4aBox119 += s.box119;
    t.t4aAmountG += s.amtG;
    t.t4aBox125 += s.box125;
    t.t4aBox127 += s.box127;
    t.t4aBox128 += s.box128;
    t.t4aAmountH += s.amtH;
    t.t4aAmountI += s.amtI;
    t.t4aBox131 += s.box131;
    t.t4aAmountJ += s.amtJ;
    (senior ? t.t4aAmountKSenior : t.t4aAmountK) += s.amtK;
    t.t4aAmountL += s.amtL;
    t.t4aBox135 += s.box135;
    if (s.flag9)
        t.t4aBox135Flag9 += s.box135;
    t.t4aAmountM1 += s.amtM1;
    t.t4aAmountM2 += s.amtM2;
    t.t4aAmountM3 += s.amtM3;
    t.t4aAmountM4 += s.amtM4;
    t.t4aAmountM5 += s.amtM5;
    (senior ? t.t4aAmountNSenior : t.t4aAmountN) += s.amtN;
    if (s.flag2) {
        t.t4aBox197And203Flagged += s.box197 + s.box203;
    } else {
        t.t4aBox197 += s.box197;
        t.t4aBox203 += s.box203;
    }
    t.t4aBox198 += s.box198;
    t.t4aBox199 += s.box199;
    t.t4aBox200 += s.box200;
    t.t4aBox201 += s.box201;
    t.t4aBox202 += s.box202;
    t.t4aBox204 += s.box204;
    t.t4aAmountO += s.amtO;
    t.t4aBox210 += s.box210;
    t.t4aBox211 += s.box211;
    if (isPositive(s.box16))
        t.pensionTaxDeducted += s.box22 * div(s.box16, s.box16 + s.box18, 0);
}

void addT2202(SlipTotals &t, TaxData_Slip_T2202 &s)
{
    for (int period = 0; period < s.periods.rowCount(); ++period) {
        const int partTime = s.periods.intAt(period, 0);
        const int fullTime = s.periods.intAt(period, 1);
        const double fees = s.periods.amountAt(period, 2);
        t.t2202PartTimeMonths += partTime;
        t.t2202FullTimeMonths += fullTime;
        (partTime != 0 ? t.t2202FeesPartTime : t.t2202FeesFullTime) += fees;
    }
}

void addT5007(SlipTotals &t, const CSlipData_T5007 &s)
{
    if (s.flag1) {
        t.t5007Box10Exempt += s.box10;
        t.hasIndianExemptIncome = true;
    } else {
        t.t5007Box10 += s.box10;
    }
    t.t5007Box11 += s.box11;
    if (s.kind == 3) {
        if (t.t5007MinRatio - s.amtA >= kAmountTolerance)
            t.t5007MinRatio = s.amtA;
        if (isPositive(s.box11))
            t.t5007KindThreeSeen = true;
    }
}

void addT5013(SlipTotals &t, const TaxData_Slip_T5013 &s)
{
    const double percent = s.box5;
    auto part = [percent](double amount) { return percent * amount / 100.0; };
    t.t5013B += part(s.amtB);
    t.t5013C += part(s.amtC);
    t.t5013D += part(s.amtD);
    t.t5013E += part(s.amtE);
    t.t5013A += part(s.amtA);
    t.t5013F += part(s.amtF);
    t.t5013H += part(s.amtH);
    t.t5013L += part(s.amtL);
    t.t5013M += part(s.amtM);
    t.t5013N += part(s.amtN);
    t.t5013O += part(s.amtO);
    t.t5013P += part(s.amtP);
    t.t5013Box137 += part(s.box137);
    t.t5013Q += part(s.amtQ);
    (s.flag1 ? t.t5013RFlagged : t.t5013R) += part(s.amtR);
    t.t5013V += part(s.amtV);
    t.t5013Box151 += part(s.box151);
    t.t5013G += part(s.amtG);
    t.t5013I += part(s.amtI);
    t.t5013J += part(s.amtJ);
    t.t5013K += part(s.amtK);
    t.t5013S += part(s.amtS);
    t.t5013T += part(s.amtT);
    t.t5013U += part(s.amtU);
    t.t5013W += part(s.amtW);
}

void addT4RIF(SlipTotals &t, const TaxData_Slip_T4RIF &s, const SlipOwner &owner)
{
    const bool senior = s.flag1 || owner.senior;
    (senior ? t.t4rifBox16Senior : t.t4rifBox16) += s.box16;
    t.t4rifBox18 += s.box18;
    (senior ? t.t4rifBox20Senior : t.t4rifBox20) += s.box20;
    bool box22NotSenior = false;
    if (isPositive(s.box22)) {
        if (s.flag1 || (s.flag2 && owner.senior)) {
            t.t4rifBox22Senior += s.box22;
        } else {
            t.t4rifBox22 += s.box22;
            box22NotSenior = true;
        }
    } else {
        t.t4rifBox22Negative -= s.box22;
    }
    t.t4rifBox24 += s.box24;
    t.t4rifBox28 += s.box28;
    if (isPositive(s.amtA)) {
        t.t4rifAmountA += s.amtA;
        t.t4rifBox16WithAmountA += s.box16;
    }
    if (isPositive(s.box28)) {
        if (!senior)
            t.t4rifTaxedNotSenior += s.box16;
        if (box22NotSenior)
            t.t4rifTaxedNotSenior += s.box22;
    }
    if (senior && isPositive(s.box16))
        t.pensionTaxDeducted += s.box28;
}

void addT4PS(SlipTotals &t, const TaxData_Slip_T4PS &s)
{
    t.t4psA += s.amtA;
    t.t4psB += s.amtB;
    t.t4psC += s.amtC;
    t.t4psD += s.amtD;
    t.t4psE += s.amtE;
    t.t4psF += s.amtF;
    (s.flag1 ? t.t4psGFlagged : t.t4psG) += s.amtG;
    t.t4psH += s.amtH;
    t.t4psI += s.amtI;
    t.t4psJ += s.amtJ;
    t.t4psK += s.amtK;
    t.t4psL += s.amtL;
    t.t4psM += s.amtM;
}

void addT5006(SlipTotals &t, const TaxData_Slip_T5006 &s)
{
    t.t5006NetAB += flooredDifference(s.amtA, s.amtB);
    t.t5006NetCD += flooredDifference(s.amtC, s.amtD);
    t.t5006E += s.amtE;
}

void addT4ARCA(SlipTotals &t, const TaxData_Slip_T4ARCA &s)
{
    t.t4arcaA += s.amtA;
    t.t4arcaB += s.amtB;
    t.t4arcaC += s.amtC;
    t.t4arcaD += s.amtD;
    t.t4arcaE += s.amtE;
    t.t4arcaF += s.amtF;
    t.t4arcaG += s.amtG;
}

void addT1204(SlipTotals &t, const TaxData_Slip_T1204 &s)
{
    t.t1204Box82 += s.box82;
    t.t1204Box84 += s.box84;
    ++t.t1204Count;
}

void addPrpp(SlipTotals &t, const TaxData_Slip_PRPP &s)
{
    t.prppEmployeeCurrentYear += s.employeeCurrentYear;
    t.prppEmployeePriorYear += s.employeePriorYear;
    t.prppExemptCurrentYear += s.exemptCurrentYear;
    t.prppExemptPriorYear += s.exemptPriorYear;
    t.prppEmployer += s.employer;
}

void addNr4(SlipTotals &t, const TaxData_Slip_NR4 &s)
{
    t.nr4B += s.amtA * s.amtB;
    t.nr4C += s.amtA * s.amtC;
    t.nr4D += s.amtA * s.amtD;
    t.nr4E += s.amtA * s.amtE;
}

void addFhsa(SlipTotals &t, const TaxData_Slip_T4FHSA &s)
{
    t.fhsaBox18 += s.box18;
    t.fhsaBox20 += s.box20;
    t.fhsaBox22 += s.box22;
    t.fhsaBox24 += s.box24;
    (s.flag1 ? t.fhsaBox26Flagged : t.fhsaBox26) += s.box26;
    t.fhsaBox28 += s.box28;
    t.fhsaBox30 += s.box30;
    t.fhsaBox32 += s.box32;
    t.fhsaBox34 += s.box34;
    t.fhsaBox36 += s.box36;
    t.fhsaBox38 += s.box38;
}

// Calls add with the slip as its class, when the object is one.
template <class Slip, class Add> void addAs(CTaxData_Form *slip, Add add)
{
    if (auto *typed = formAs<Slip>(slip))
        add(*typed);
}

// An entry of a code without a group, a null object or an object of another class than the
// code's adds nothing.
void addSlipToTotals(SlipTotals &t, int slipCode, CTaxData_Form *slip, const SlipOwner &owner)
{
    switch (slipCode) {
    case SlipType::T4:
        addAs<TaxData_Slip_T4>(slip, [&t](TaxData_Slip_T4 &s) { addT4(t, s); });
        break;
    case SlipType::T4A:
        addAs<TaxData_Slip_T4A>(slip, [&t, &owner](TaxData_Slip_T4A &s) { addT4A(t, s, owner); });
        break;
    case SlipType::T4AP:
        addAs<TaxData_Slip_T4AP>(slip,
                                 [&t, &owner](TaxData_Slip_T4AP &s) { addT4AP(t, s, owner); });
        break;
    case SlipType::T4RSP:
        addAs<TaxData_Slip_T4RSP>(slip, [&t](TaxData_Slip_T4RSP &s) { addT4RSP(t, s); });
        break;
    case SlipType::T4E:
        addAs<TaxData_Slip_T4E>(slip, [&t](TaxData_Slip_T4E &s) { addT4E(t, s); });
        break;
    case SlipType::T4AOAS:
        addAs<CSlipData_T4AOAS>(slip, [&t](CSlipData_T4AOAS &s) { addOas(t, s); });
        break;
    case SlipType::T4RIF:
        addAs<TaxData_Slip_T4RIF>(slip,
                                  [&t, &owner](TaxData_Slip_T4RIF &s) { addT4RIF(t, s, owner); });
        break;
    case SlipType::T5:
        addAs<TaxData_Slip_T5>(slip, [&t, &owner](TaxData_Slip_T5 &s) { addT5(t, s, owner); });
        break;
    case SlipType::T3:
        addAs<TaxData_Slip_T3>(slip, [&t](TaxData_Slip_T3 &s) { addT3(t, s); });
        break;
    case SlipType::T5003:
        addAs<CSlipData_T5003>(slip, [&t](CSlipData_T5003 &s) { t.t5003AmountA += s.amtA; });
        break;
    case SlipType::T5007:
        addAs<CSlipData_T5007>(slip, [&t](CSlipData_T5007 &s) { addT5007(t, s); });
        break;
    case SlipType::T5013:
        addAs<TaxData_Slip_T5013>(slip, [&t](TaxData_Slip_T5013 &s) { addT5013(t, s); });
        break;
    case SlipType::T4PS:
        addAs<TaxData_Slip_T4PS>(slip, [&t](TaxData_Slip_T4PS &s) { addT4PS(t, s); });
        break;
    case SlipType::T4ARCA:
        addAs<TaxData_Slip_T4ARCA>(slip, [&t](TaxData_Slip_T4ARCA &s) { addT4ARCA(t, s); });
        break;
    case SlipType::T5006:
        addAs<TaxData_Slip_T5006>(slip, [&t](TaxData_Slip_T5006 &s) { addT5006(t, s); });
        break;
    case SlipType::RC62:
        addAs<TaxData_Slip_RC62>(slip, [&t](TaxData_Slip_RC62 &s) { addRc62(t, s); });
        break;
    case SlipType::RC210:
        addAs<TaxData_Slip_RC210>(slip, [&t](TaxData_Slip_RC210 &s) { addRc210(t, s); });
        break;
    case SlipType::MBSHELTERASSIST:
        addAs<TaxData_Slip_MBShelterAssist>(
            slip, [&t](TaxData_Slip_MBShelterAssist &s) { t.mbShelterBenefit += s.benefit; });
        break;
    case SlipType::PRPP:
        addAs<TaxData_Slip_PRPP>(slip, [&t](TaxData_Slip_PRPP &s) { addPrpp(t, s); });
        break;
    case SlipType::T1204:
        addAs<TaxData_Slip_T1204>(slip, [&t](TaxData_Slip_T1204 &s) { addT1204(t, s); });
        break;
    case SlipType::NR4:
        addAs<TaxData_Slip_NR4>(slip, [&t](TaxData_Slip_NR4 &s) { addNr4(t, s); });
        break;
    case SlipType::T2202:
        addAs<TaxData_Slip_T2202>(slip, [&t](TaxData_Slip_T2202 &s) { addT2202(t, s); });
        break;
    case SlipType::T4FHSA:
        addAs<TaxData_Slip_T4FHSA>(slip, [&t](TaxData_Slip_T4FHSA &s) { addFhsa(t, s); });
        break;
    default:
        break;
    }
}

// The exemption is given once over all kind-0 box 105 amounts, not per slip.
void applyScholarshipRule(SlipTotals &t)
{
    const double overExemption = t.t4aBox105Basic - kScholarshipExemption;
    if (isPositive(overExemption))
        t.t4aScholarshipTaxable += overExemption;
    t.t4aScholarshipTaxable += t.t4aBox105Taxable;
}

} // namespace

std::vector<NeededFormRule> sumSlipList(SlipTotals &totals, const std::vector<SlipRef> &slips,
                                        const TaxData_T1New *t1)
{
    if (slips.empty())
        return {};
    // Derived amounts (the T3 and T5 shares among them) must be current before any is read.
    for (const SlipRef &ref : slips) {
        if (ref.slip)
            ref.slip->preSumSlip();
    }
    const SlipOwner owner(t1);
    bool hasT4 = false;
    for (const SlipRef &ref : slips) {
        addSlipToTotals(totals, ref.code, ref.slip, owner);
        hasT4 = hasT4 || ref.code == SlipType::T4;
    }
    applyScholarshipRule(totals);
    return neededFormRules(totals, hasT4);
}
