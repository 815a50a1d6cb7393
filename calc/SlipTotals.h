// SlipTotals: one person's slip amounts by slip type and box, with counters and flags.
//
// A plain value record, made fresh for every summing run (IndividualTaxData::SumSlips fills it
// through the functions of SlipSummer.h). Members follow the slip groups in a fixed order;
// all start at 0 or false except t4AllEiExempt (true) and t5007MinRatio (1.0).
#pragma once

class CString;

struct SlipTotals
{
    // RC62 (17) and RC210 (18)
    double rc62Box10 = 0;
    double rc62Box12 = 0;
    double rc210Box10 = 0;
    double rc210Box11 = 0;

    // T3 (9): the person's shares
    double t3Box21 = 0;
    double t3Box21Net = 0;
    double t3Box21Flagged = 0;
    double t3AmountA = 0;
    double t3Box23 = 0;
    double t3AmountB = 0;
    double t3AmountBUnflagged = 0;
    double t3Box25 = 0;
    double t3Box25WithBox34 = 0;
    double t3Box26Net = 0;
    double t3Box26SecondFlag = 0;
    double t3Box26ThirdFlag = 0;
    double t3Box30 = 0;
    double t3AmountC = 0;
    double t3Box32 = 0;
    double t3AmountD = 0;
    double t3Box34 = 0;
    double t3AmountE = 0;
    double t3AmountF = 0;
    double t3Box38 = 0;
    double t3Box39 = 0;
    double t3Box49 = 0;
    double t3Box50 = 0;
    double t3Box51 = 0;

    // T4 (1)
    int t4QppOnlyCount = 0;
    int t4OtherCount = 0;
    double t4Box14 = 0;
    bool hasIndianExemptIncome = false; // also set by T4A(P), T4E and T5007 slips
    double t4Box14EiExempt = 0;
    double t4Box16 = 0;
    double t4Box14Quebec = 0;
    double t4Box14OutsideQuebec = 0;
    double t4Box16A = 0;
    double t4Box18 = 0;
    double t4Box20 = 0;
    double t4Box22 = 0;
    double t4Box24 = 0;
    bool t4PlacementAgencySeen = false;
    double t4AmountB = 0;
    bool t4KindOneSeen = false;
    double t4AmountC = 0;
    bool t4KindTwoSeen = false;
    double t4AmountD = 0;
    double t4Box30 = 0;
    double t4AmountEKindZero = 0;
    double t4AmountEKindOne = 0;
    double t4AmountF = 0;
    double t4AmountG = 0;
    double t4Box42 = 0;
    double t4AmountH = 0;
    double t4Box44 = 0;
    double t4Box46 = 0;
    double t4AmountI = 0;
    double t4Box52 = 0;
    double t4Box55 = 0;
    double t4Box55EiExempt = 0;
    double t4Box17 = 0;
    double t4Box17A = 0;
    double t4Box26 = 0;
    double t4Box26QppOnly = 0;
    double t4Box26Cpp = 0;
    bool t4CppExemptSeen = false;
    bool t4QppExemptSeen = false;
    bool t4AllEiExempt = true;
    double t4AmountA = 0;
    double t4QuebecWithAmountA = 0;
    double t4Box66 = 0;
    double t4Box67 = 0;
    double t4Box71 = 0;
    double t4AmountJ = 0;
    double t4Box85 = 0;
    double t4Box85Flagged = 0;
    double t4Box87 = 0;
    double t4AmountK = 0;
    double t4Box90 = 0;
    double t4Box91 = 0;
    double t4Box92 = 0;
    double t4RetiringWithoutBox14 = 0;
    double t4fBox14TaxDeducted = 0;
    bool t4fSlipSeen = false;

    // T5 (8): the person's shares
    double t5Box10 = 0;
    double t5Box11 = 0;
    double t5Box12 = 0;
    double t5AmountA = 0;
    double t5Box13 = 0;
    double t5AmountB = 0;
    double t5AmountC = 0;
    double t5AmountD = 0;
    double t5Box14 = 0;
    double t5Box15 = 0;
    double t5Box16 = 0;
    double t5Box17Flagged = 0;
    double t5Box17 = 0;
    double t5Box18 = 0;
    double t5AmountESenior = 0;
    double t5AmountE = 0;
    double t5Box24 = 0;
    double t5Box25 = 0;
    double t5Box26 = 0;
    double t5Box34 = 0;

    // T4E (5)
    double t4eBox7 = 0; // the last slip's, not a sum
    double t4eBox14Net = 0;
    double t4eBox14NetWithBox23 = 0;
    double t4eBox15 = 0;
    double t4eBox17 = 0;
    double t4eBox18 = 0;
    double t4eBox20 = 0;
    double t4eBox21 = 0;
    double t4eBox22 = 0;
    double t4eBox23 = 0;
    double t4eAmountA = 0;
    double t4eBox30 = 0;
    double t4eAmountB = 0;
    double t4eBox33 = 0;
    double t4eAmountC = 0;
    double t4eBox37 = 0;
    double t4eBox14WithBox22 = 0;
    double t4eBox18Flagged = 0;

    // T4RSP (4)
    double t4rspBox16Flagged = 0;
    double t4rspBox16 = 0;
    double t4rspBox18 = 0;
    double t4rspBox20 = 0;
    double t4rspBox22 = 0;
    double t4rspBox25 = 0;
    double t4rspBox26 = 0;
    double t4rspBox27 = 0;
    double t4rspBox28Positive = 0;
    double t4rspBox28Negative = 0;
    double t4rspBox30 = 0;
    double t4rspBox34 = 0;
    double t4rspFlaggedWithdrawals = 0;

    // T4A(OAS) (6)
    double oasBox18 = 0;
    double oasBox19 = 0;
    double oasBox20 = 0;
    double oasBox21 = 0;
    double oasBox22 = 0;
    double oasBox23 = 0;

    // T4A(P) (3); the maxima keep the largest value seen
    double t4apBox14 = 0;
    bool t4apBox14Flagged = false;
    double t4apBox15 = 0;
    double t4apBox16 = 0;
    double t4apBox17 = 0;
    double t4apBox18 = 0;
    double t4apBox19 = 0;
    double t4apBox20LessBox18 = 0;
    double t4apMaxBox21 = 0;
    double t4apMaxBox21Unflagged = 0;
    double t4apBox22 = 0;
    double t4apAmountA = 0;
    double t4apBox20WithAmountA = 0;
    double t4apBox20Flagged = 0;
    double t4apMaxBox23 = 0;
    double t4apMaxBox23Unflagged = 0;
    double t4apBox18WithBox22 = 0;

    // T4A (2)
    double t4aBox16 = 0;
    double t4aBox18 = 0;
    double t4aBox20 = 0;
    double t4aBox22 = 0;
    double t4aBox24Senior = 0;
    double t4aBox24 = 0;
    double t4aBox24Flag4 = 0;
    double t4aBox28Flag6 = 0;
    double t4aBox28 = 0;
    double t4aAmountA = 0;
    double t4aAmountB = 0;
    double t4aBox104Net = 0;
    double t4aAmountF = 0;
    double t4aBox30 = 0;
    double t4aBox34 = 0;
    double t4aAmountC = 0;
    double t4aBox40 = 0;
    double t4aBox42 = 0;
    double t4aBox46 = 0;
    double t4aIncomeWithTaxDeducted = 0;
    double t4aBox124KindZero = 0;
    double t4aBox124KindOne = 0;
    double t4aBox48 = 0;
    double t4aBox105Taxable = 0;
    double t4aBox105Exempt = 0;
    double t4aBox105Basic = 0;
    double t4aScholarshipTaxable = 0; // filled after all slips are read
    double t4aBox106 = 0;
    double t4aBox107 = 0;
    double t4aBox109 = 0;
    double t4aAmountE = 0;
    double t4aBox118 = 0;
    double t4aBox119 = 0;
    double t4aAmountG = 0;
    double t4aBox125 = 0;
    double t4aBox127 = 0;
    double t4aBox128 = 0;
    double t4aAmountH = 0;
    double t4aAmountI = 0;
    double t4aBox131 = 0;
    double t4aAmountJ = 0;
    double t4aAmountKSenior = 0;
    double t4aAmountK = 0;
    double t4aAmountL = 0;
    double t4aBox135 = 0;
    double t4aBox135Flag9 = 0;
    double t4aAmountM1 = 0;
    double t4aAmountM2 = 0;
    double t4aAmountM3 = 0;
    double t4aAmountM4 = 0;
    double t4aAmountM5 = 0;
    double t4aAmountNSenior = 0;
    double t4aAmountN = 0;
    double t4aBox197 = 0;
    double t4aBox198 = 0;
    double t4aBox199 = 0;
    double t4aBox200 = 0;
    double t4aBox201 = 0;
    double t4aBox202 = 0;
    double t4aBox203 = 0;
    double t4aBox204 = 0;
    double t4aAmountO = 0;
    double t4aBox210 = 0;
    double t4aBox211 = 0;
    double t4aBox197And203Flagged = 0;

    // T2202 (25)
    double t2202PartTimeMonths = 0;
    double t2202FullTimeMonths = 0;
    double t2202FeesPartTime = 0;
    double t2202FeesFullTime = 0;

    // T5003 (10)
    double t5003AmountA = 0;

    // T5007 (11)
    double t5007Box10 = 0;
    double t5007Box10Exempt = 0;
    double t5007Box11 = 0;
    double t5007MinRatio = 1.0;
    bool t5007KindThreeSeen = false;

    // T5013 (13): the person's percentage of each amount
    double t5013B = 0;
    double t5013C = 0;
    double t5013D = 0;
    double t5013E = 0;
    double t5013A = 0;
    double t5013F = 0;
    double t5013H = 0;
    double t5013L = 0;
    double t5013M = 0;
    double t5013N = 0;
    double t5013O = 0;
    double t5013P = 0;
    double t5013Box137 = 0;
    double t5013Q = 0;
    double t5013R = 0;
    double t5013RFlagged = 0;
    double t5013V = 0;
    double t5013Box151 = 0;
    double t5013G = 0;
    double t5013I = 0;
    double t5013J = 0;
    double t5013K = 0;
    double t5013S = 0;
    double t5013T = 0;
    double t5013U = 0;
    double t5013W = 0;

    // T4RIF (7)
    double t4rifBox16Senior = 0;
    double t4rifBox16 = 0;
    double t4rifBox18 = 0;
    double t4rifBox20Senior = 0;
    double t4rifBox20 = 0;
    double t4rifBox22Senior = 0;
    double t4rifBox22 = 0;
    double t4rifBox22Negative = 0;
    double t4rifBox24 = 0;
    double t4rifBox28 = 0;
    double t4rifAmountA = 0;
    double t4rifBox16WithAmountA = 0;
    double t4rifTaxedNotSenior = 0;

    // T4PS (14)
    double t4psA = 0;
    double t4psB = 0;
    double t4psC = 0;
    double t4psD = 0;
    double t4psE = 0;
    double t4psF = 0;
    double t4psGFlagged = 0;
    double t4psG = 0;
    double t4psH = 0;
    double t4psI = 0;
    double t4psJ = 0;
    double t4psK = 0;
    double t4psL = 0;
    double t4psM = 0;

    // T5006 (16)
    double t5006NetAB = 0;
    double t5006NetCD = 0;
    double t5006E = 0;

    // T4A-RCA (15)
    double t4arcaA = 0;
    double t4arcaB = 0;
    double t4arcaC = 0;
    double t4arcaD = 0;
    double t4arcaE = 0;
    double t4arcaF = 0;
    double t4arcaG = 0;

    // T1204 (23)
    double t1204Box82 = 0;
    double t1204Box84 = 0;
    int t1204Count = 0;

    // Manitoba shelter benefit (21)
    double mbShelterBenefit = 0;

    // PRPP (22)
    double prppEmployeeCurrentYear = 0;
    double prppEmployeePriorYear = 0;
    double prppExemptCurrentYear = 0;
    double prppExemptPriorYear = 0;
    double prppEmployer = 0;

    // Tax deducted on pension income, from T4A and T4RIF slips
    double pensionTaxDeducted = 0;

    // NR4 (24): amount A is a factor of the others
    double nr4B = 0;
    double nr4C = 0;
    double nr4D = 0;
    double nr4E = 0;

    // T4FHSA (26)
    double fhsaBox18 = 0;
    double fhsaBox20 = 0;
    double fhsaBox22 = 0;
    double fhsaBox24 = 0;
    double fhsaBox26 = 0;
    double fhsaBox26Flagged = 0;
    double fhsaBox28 = 0;
    double fhsaBox30 = 0;
    double fhsaBox32 = 0;
    double fhsaBox34 = 0;
    double fhsaBox36 = 0;
    double fhsaBox38 = 0;

    // The number of T4 slips.
    int getCountSum() const { return t4QppOnlyCount + t4OtherCount; }
    int getSecondCount() const { return t4OtherCount; }

    // Each empties html and writes one slip type's summary table into it; always 0.
    int toHtmlT3Table(CString &html) const;
    int toHtmlT4Table(CString &html) const;
    int toHtmlT4ATable(CString &html) const;
    int toHtmlT5Table(CString &html) const;
};
