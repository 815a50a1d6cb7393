// Slip totals: the per-slip rules as tables of slip fixtures, the needed forms, the summary.
#include <QtTest>

#include "SlipFixtures.h"
#include "calc/SlipNeededForms.h"
#include "calc/SlipSummaryHtml.h"
#include "calc/SlipSummer.h"
#include "calc/SlipTotals.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FormFactory.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TaxData_T1New.h"
#include "ordane/CString.h"

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {
using Values = FieldValues;

struct SlipFixture
{
    int code;
    Values values;
};

struct Expect
{
    const char *member;
    std::function<double(const SlipTotals &)> get;
    double value;
};
#define EXPECT(member, value)                                                                      \
    Expect                                                                                         \
    {                                                                                              \
#member, [](const SlipTotals &t) { return double(t.member); }, double(value)               \
    }

struct Case
{
    const char *name;
    QDate birth;
    std::vector<SlipFixture> slips;
    std::vector<Expect> expects;
};

const QDate kAge65(1960, 12, 31); // 65 on the last day of the year
const QDate kAge64(1961, 1, 1);

const std::vector<Case> &sumCases()
{
    static const std::vector<Case> cases = {
        {"no slips",
         kAge64,
         {},
         {EXPECT(t4AllEiExempt, 1), EXPECT(t5007MinRatio, 1.0), EXPECT(t4Box14, 0),
          EXPECT(t4aScholarshipTaxable, 0), EXPECT(getCountSum(), 0)}},
        {"T4 in and outside Quebec",
         kAge64,
         {{1,
           {{"provinceOfEmployment", 11},
            {"box14", 50000},
            {"box17", 2000},
            {"box26", 50000},
            {"box22", 8000},
            {"amtA", 100},
            {"box66", 10},
            {"box67", 20},
            {"cppExempt", 1},
            {"employmentKind", 1},
            {"amtC", 300},
            {"secondKind", 1},
            {"amtE", 40}}},
          {1,
           {{"provinceOfEmployment", 9},
            {"box14", 30000},
            {"box16", 1500},
            {"box16A", 100},
            {"box18", 500},
            {"box26", 30000},
            {"eiExempt", 1},
            {"box55", 60},
            {"employmentKind", 0},
            {"amtB", 70},
            {"secondKind", 0},
            {"amtE", 5},
            {"flag2", 1},
            {"box85", 12}}}},
         {EXPECT(t4QppOnlyCount, 1),
          EXPECT(t4OtherCount, 1),
          EXPECT(getCountSum(), 2),
          EXPECT(getSecondCount(), 1),
          EXPECT(t4Box14, 80000),
          EXPECT(t4Box14Quebec, 50000),
          EXPECT(t4Box14OutsideQuebec, 30000),
          EXPECT(t4Box14EiExempt, 30000),
          EXPECT(t4Box16, 1500),
          EXPECT(t4Box16A, 100),
          EXPECT(t4Box17, 2000),
          EXPECT(t4Box26, 80000),
          EXPECT(t4Box26QppOnly, 50000),
          EXPECT(t4Box26Cpp, 30000),
          EXPECT(t4QppExemptSeen, 1),
          EXPECT(t4CppExemptSeen, 0),
          EXPECT(t4AllEiExempt, 0),
          EXPECT(t4AmountA, 100),
          EXPECT(t4QuebecWithAmountA, 50030),
          EXPECT(t4KindOneSeen, 1),
          EXPECT(t4AmountC, 300),
          EXPECT(t4PlacementAgencySeen, 1),
          EXPECT(t4AmountB, 70),
          EXPECT(t4KindTwoSeen, 0),
          EXPECT(t4AmountEKindOne, 40),
          EXPECT(t4AmountEKindZero, 5),
          EXPECT(t4Box55, 60),
          EXPECT(t4Box55EiExempt, 60),
          EXPECT(t4Box85, 12),
          EXPECT(t4Box85Flagged, 12),
          EXPECT(t4Box22, 8000),
          EXPECT(t4Box18, 500),
          EXPECT(hasIndianExemptIncome, 0),
          EXPECT(t4RetiringWithoutBox14, 0)}},
        {"T4 retiring allowance, T4F, exempt income, kinds out of range",
         kAge64,
         {{1,
           {{"box22", 100},
            {"box66", 300},
            {"box67", -50},
            {"t4fFlag", 1},
            {"box71", 900},
            {"eiExempt", 1},
            {"employmentKind", 3},
            {"amtD", 99},
            {"secondKind", 2},
            {"amtE", 7}}},
          {1,
           {{"t4fFlag", 1},
            {"box14", 1000},
            {"box22", 50},
            {"box66", 40},
            {"eiExempt", 1},
            {"box90", 3}}}},
         {EXPECT(t4RetiringWithoutBox14, 300), EXPECT(t4fBox14TaxDeducted, 1000),
          EXPECT(t4fSlipSeen, 1), EXPECT(hasIndianExemptIncome, 1), EXPECT(t4Box71, 900),
          EXPECT(t4AmountD, 0), EXPECT(t4KindTwoSeen, 0), EXPECT(t4PlacementAgencySeen, 0),
          EXPECT(t4AmountEKindZero, 0), EXPECT(t4AmountEKindOne, 0), EXPECT(t4OtherCount, 2),
          EXPECT(t4AllEiExempt, 1), EXPECT(t4Box66, 340), EXPECT(t4Box67, -50),
          EXPECT(t4Box90, 3)}},
        // Counting tests "below 0.009", the box 26 split tests "not non-zero".
        {"T4 for Quebec with a negative box 16",
         kAge64,
         {{1, {{"provinceOfEmployment", 11}, {"box16", -5}, {"box26", 700}}}},
         {EXPECT(t4QppOnlyCount, 1), EXPECT(t4OtherCount, 0), EXPECT(t4Box26QppOnly, 0),
          EXPECT(t4Box26Cpp, 700)}},
        {"T4E box 7 from the last slip",
         kAge64,
         {{5,
           {{"box7", 30},
            {"box14", 500},
            {"box18", 100},
            {"box23", 10},
            {"box30", 7},
            {"box22", 50}}},
          {5, {{"box7", 40}, {"box30", 5}, {"amtB", 20}}},
          {5, {{"box14", 1000}, {"box18", 1200}, {"flag1", 1}}}},
         {EXPECT(t4eBox7, 40), EXPECT(t4eBox14Net, 400), EXPECT(t4eBox14NetWithBox23, 400),
          EXPECT(t4eBox18, 1300), EXPECT(t4eBox30, 7), EXPECT(t4eAmountB, 20),
          EXPECT(t4eBox14WithBox22, 500), EXPECT(t4eBox18Flagged, 1200), EXPECT(t4eBox22, 50),
          EXPECT(hasIndianExemptIncome, 1)}},
        {"T4RSP box 28 both ways, flagged withdrawals",
         kAge64,
         {{4, {{"box28", -100}, {"box16", 400}}},
          {4,
           {{"box28", 250},
            {"flag1", 1},
            {"box16", 1000},
            {"flag2", 1},
            {"box20", 1},
            {"box22", 2},
            {"box26", 3}}}},
         {EXPECT(t4rspBox28Negative, 100), EXPECT(t4rspBox28Positive, 250), EXPECT(t4rspBox16, 400),
          EXPECT(t4rspBox16Flagged, 1000), EXPECT(t4rspFlaggedWithdrawals, 6),
          EXPECT(t4rspBox26, 3)}},
        {"T5007 smallest kind-3 ratio",
         kAge64,
         {{11, {{"kind", 3}, {"amtA", 0.6}, {"box11", 100}}},
          {11, {{"kind", 3}, {"amtA", 0.5}}},
          {11, {{"kind", 2}, {"amtA", 0.1}, {"box10", 40}}},
          {11, {{"flag1", 1}, {"box10", 70}}}},
         {EXPECT(t5007MinRatio, 0.5), EXPECT(t5007KindThreeSeen, 1), EXPECT(t5007Box11, 100),
          EXPECT(t5007Box10, 40), EXPECT(t5007Box10Exempt, 70), EXPECT(hasIndianExemptIncome, 1)}},
        {"T5007 ratio above 1 keeps 1",
         kAge64,
         {{11, {{"kind", 3}, {"amtA", 1.2}}}},
         {EXPECT(t5007MinRatio, 1.0), EXPECT(t5007KindThreeSeen, 0),
          EXPECT(hasIndianExemptIncome, 0)}},
        {"T4A(P) maxima and flags",
         kAge65,
         {{3,
           {{"box14", 500},
            {"box21", 6},
            {"box23", 2},
            {"box20", 100},
            {"box18", 150},
            {"amtA", 10},
            {"flag3", 1}}},
          {3,
           {{"box16", 300},
            {"box21", 12},
            {"box23", 9},
            {"flag1", 1},
            {"flag2", 1},
            {"box20", 40},
            {"box22", 5}}},
          {3, {{"box21", 50}, {"box23", 50}, {"box19", 1}}}},
         {EXPECT(t4apMaxBox21, 12), EXPECT(t4apMaxBox21Unflagged, 6), EXPECT(t4apMaxBox23, 9),
          EXPECT(t4apMaxBox23Unflagged, 2), EXPECT(t4apBox14, 500), EXPECT(t4apBox14Flagged, 1),
          EXPECT(t4apBox20LessBox18, -10), EXPECT(t4apAmountA, 10),
          EXPECT(t4apBox20WithAmountA, 100), EXPECT(t4apBox20Flagged, 40),
          EXPECT(hasIndianExemptIncome, 1), EXPECT(t4apBox18WithBox22, 150), EXPECT(t4apBox22, 5),
          EXPECT(t4apBox19, 1)}},
        {"scholarship exemption once over all slips",
         kAge64,
         {{2, {{"box105", 400}}},
          {2, {{"box105", 400}}},
          {2, {{"box105", 100}, {"box105Kind", 2}}},
          {2, {{"box105", 70}, {"box105Kind", 1}}}},
         {EXPECT(t4aBox105Basic, 800), EXPECT(t4aBox105Taxable, 100), EXPECT(t4aBox105Exempt, 70),
          EXPECT(t4aScholarshipTaxable, 400)}},
        {"scholarship below the exemption",
         kAge64,
         {{2, {{"box105", 450}}}, {2, {{"box105", 100}, {"box105Kind", 3}}}},
         {EXPECT(t4aBox105Basic, 450), EXPECT(t4aScholarshipTaxable, 100)}},
        {"T4A income with tax deducted",
         kAge64,
         {{2,
           {{"box22", 1},
            {"box18", 10},
            {"box105", 800},
            {"box28", 1},
            {"box30", 2},
            {"box40", 4},
            {"box107", 8},
            {"box127", 16},
            {"box198", 32},
            {"box199", 64},
            {"box200", 128},
            {"box201", 5000},
            {"box202", 256},
            {"box203", 512},
            {"box204", 1024},
            {"box211", 2048}}},
          {2, {{"flag3", 1}, {"box16", 100}, {"box22", 50}, {"box18", 999}}},
          {2, {{"box18", 77}}},
          {2, {{"flag3", 1}, {"box22", 10}, {"box18", 7}, {"box105", 300}, {"box105Kind", 5}}}},
         {EXPECT(t4aIncomeWithTaxDeducted, 4405 + 307), EXPECT(t4aBox18, 10 + 999 + 77 + 7),
          EXPECT(t4aScholarshipTaxable, 300 + 300),
          EXPECT(pensionTaxDeducted, 50.0 * 100.0 / 1099.0), EXPECT(t4aBox201, 5000),
          EXPECT(t4aBox197, 0), EXPECT(t4aBox203, 512)}},
        {"T4A routing flags",
         kAge64,
         {{2,
           {{"box28", 10},
            {"flag6", 1},
            {"box30", 20},
            {"flag7", 1},
            {"amtC", 30},
            {"flag8", 1},
            {"box24", 40},
            {"flag4", 1},
            {"box197", 50},
            {"box203", 60},
            {"flag2", 1},
            {"box135", 70},
            {"flag9", 1},
            {"box104", 80},
            {"amtD", 100},
            {"box124", 90},
            {"box124Kind", 1}}},
          {2,
           {{"box28", 1},
            {"flag5", 1},
            {"box30", 2},
            {"amtC", 3},
            {"box104", 80},
            {"amtD", 30},
            {"box124", 9},
            {"box124Kind", 2},
            {"box197", 5},
            {"box203", 6}}}},
         {EXPECT(t4aBox28Flag6, 10), EXPECT(t4aBox28, 0), EXPECT(t4aBox30, 2),
          EXPECT(t4aAmountC, 3), EXPECT(t4aBox24Flag4, 40), EXPECT(t4aBox24, 40),
          EXPECT(t4aBox197And203Flagged, 110), EXPECT(t4aBox197, 5), EXPECT(t4aBox203, 6),
          EXPECT(t4aBox135Flag9, 70), EXPECT(t4aBox104Net, 50), EXPECT(t4aBox124KindOne, 90),
          EXPECT(t4aBox124KindZero, 0)}},
        {"aged 65 on the last day of the year",
         kAge65,
         {{2, {{"box24", 100}, {"amtK", 10}, {"amtN", 1}}},
          {7, {{"box16", 1000}, {"box20", 50}, {"box22", 200}, {"box28", 150}, {"flag2", 1}}},
          {8, {{"amtE", 80}}}},
         {EXPECT(t4aBox24Senior, 100), EXPECT(t4aAmountKSenior, 10), EXPECT(t4aAmountNSenior, 1),
          EXPECT(t4aBox24, 0), EXPECT(t4rifBox16Senior, 1000), EXPECT(t4rifBox20Senior, 50),
          EXPECT(t4rifBox22Senior, 200), EXPECT(t4rifBox22, 0), EXPECT(t4rifTaxedNotSenior, 0),
          EXPECT(pensionTaxDeducted, 150), EXPECT(t5AmountESenior, 80), EXPECT(t5AmountE, 0)}},
        {"aged 64 on the last day of the year",
         kAge64,
         {{2, {{"box24", 100}, {"amtK", 10}, {"amtN", 1}}},
          {7, {{"box16", 1000}, {"box20", 50}, {"box22", 200}, {"box28", 150}, {"flag2", 1}}},
          {8, {{"amtE", 80}}}},
         {EXPECT(t4aBox24, 100), EXPECT(t4aAmountK, 10), EXPECT(t4aAmountN, 1),
          EXPECT(t4aBox24Senior, 0), EXPECT(t4rifBox16, 1000), EXPECT(t4rifBox20, 50),
          EXPECT(t4rifBox22, 200), EXPECT(t4rifBox22Senior, 0), EXPECT(t4rifTaxedNotSenior, 1200),
          EXPECT(pensionTaxDeducted, 0), EXPECT(t5AmountE, 80), EXPECT(t5AmountESenior, 0)}},
        {"senior by the slip's flag",
         kAge64,
         {{2, {{"flag1", 1}, {"box24", 100}}},
          {7, {{"flag1", 1}, {"box16", 10}, {"box22", 20}, {"box28", 3}, {"amtA", 4}}},
          {7, {{"box22", -8}}},
          {8, {{"amtEFlag", 1}, {"amtE", 80}}}},
         {EXPECT(t4aBox24Senior, 100), EXPECT(t4rifBox16Senior, 10), EXPECT(t4rifBox22Senior, 20),
          EXPECT(t4rifBox22Negative, 8), EXPECT(pensionTaxDeducted, 3), EXPECT(t4rifAmountA, 4),
          EXPECT(t4rifBox16WithAmountA, 10), EXPECT(t5AmountESenior, 80)}},
        {"T3 shares",
         kAge64,
         {{9,
           {{"sharePercent", 50},
            {"box21", 1000},
            {"box55", 100},
            {"box57", 100},
            {"box59", 100},
            {"box26", 400},
            {"amtC", 100},
            {"box26Flag2", 1},
            {"amtE", 30000},
            {"box34", 10},
            {"box25", 20},
            {"amtB", 60},
            {"amtBFlag", 1},
            {"box21Flag", 1}}},
          {9,
           {{"box21", 100},
            {"box55", 300},
            {"box26Flag1", 1},
            {"box26", 1000},
            {"box26Flag3", 1},
            {"amtB", 40}}}},
         {EXPECT(t3Box21, 600), EXPECT(t3Box21Net, 350), EXPECT(t3Box21Flagged, 500),
          EXPECT(t3Box26Net, 150), EXPECT(t3Box26SecondFlag, 200), EXPECT(t3Box26ThirdFlag, 1000),
          EXPECT(t3AmountE, 15000), EXPECT(t3AmountC, 50), EXPECT(t3Box25, 10),
          EXPECT(t3Box25WithBox34, 10), EXPECT(t3Box34, 5), EXPECT(t3AmountB, 70),
          EXPECT(t3AmountBUnflagged, 40)}},
        {"T5 shares",
         kAge64,
         {{8,
           {{"sharePercent", 25}, {"box10", 400}, {"box17", 80}, {"box17Flag", 1}, {"amtA", 1000}}},
          {8, {{"box17", 30}, {"box18", 9}}}},
         {EXPECT(t5Box10, 100), EXPECT(t5Box17Flagged, 20), EXPECT(t5Box17, 30),
          EXPECT(t5AmountA, 250), EXPECT(t5Box18, 9)}},
        {"T5013 person's percentage",
         kAge64,
         {{13,
           {{"box5", 50}, {"amtB", 100}, {"amtR", 10}, {"flag1", 1}, {"box151", 40}, {"amtW", 2}}},
          {13, {{"box5", 10}, {"amtR", 30}, {"box137", 70}}}},
         {EXPECT(t5013B, 50), EXPECT(t5013RFlagged, 5), EXPECT(t5013R, 3), EXPECT(t5013Box151, 20),
          EXPECT(t5013W, 1), EXPECT(t5013Box137, 7)}},
        {"other groups",
         kAge64,
         {{26, {{"box18", 1}, {"box26", 2}, {"flag1", 1}, {"box32", 3}, {"box34", 4}}},
          {26, {{"box26", 20}}},
          {14, {{"amtG", 5}, {"flag1", 1}, {"amtL", 6}}},
          {14, {{"amtG", 7}, {"amtA", 8}}},
          {16, {{"amtA", 10}, {"amtB", 30}, {"amtC", 30}, {"amtD", 10}, {"amtE", 1}}},
          {15, {{"amtA", 1}, {"amtG", 7}}},
          {23, {{"box82", 5}, {"box84", 6}}},
          {23, {}},
          {21, {{"benefit", 12}}},
          {22, {{"employeeCurrentYear", 1}, {"employer", 5}, {"exemptPriorYear", 4}}},
          {24, {{"amtA", 0.5}, {"amtB", 100}, {"amtE", 10}}},
          {17, {{"box10", 3}, {"box12", 4}}},
          {18, {{"box10", 5}, {"box11", 6}}},
          {6, {{"box18", 7}, {"box23", 8}}},
          {10, {{"amtA", 9}}}},
         {EXPECT(fhsaBox18, 1),
          EXPECT(fhsaBox26Flagged, 2),
          EXPECT(fhsaBox26, 20),
          EXPECT(fhsaBox32, 3),
          EXPECT(fhsaBox34, 4),
          EXPECT(t4psGFlagged, 5),
          EXPECT(t4psG, 7),
          EXPECT(t4psL, 6),
          EXPECT(t4psA, 8),
          EXPECT(t5006NetAB, 0),
          EXPECT(t5006NetCD, 20),
          EXPECT(t5006E, 1),
          EXPECT(t4arcaA, 1),
          EXPECT(t4arcaG, 7),
          EXPECT(t1204Box82, 5),
          EXPECT(t1204Box84, 6),
          EXPECT(t1204Count, 2),
          EXPECT(mbShelterBenefit, 12),
          EXPECT(prppEmployeeCurrentYear, 1),
          EXPECT(prppEmployer, 5),
          EXPECT(prppExemptPriorYear, 4),
          EXPECT(nr4B, 50),
          EXPECT(nr4E, 5),
          EXPECT(rc62Box10, 3),
          EXPECT(rc62Box12, 4),
          EXPECT(rc210Box10, 5),
          EXPECT(rc210Box11, 6),
          EXPECT(oasBox18, 7),
          EXPECT(oasBox23, 8),
          EXPECT(t5003AmountA, 9)}},
    };
    return cases;
}

struct RuleCase
{
    const char *name;
    bool hasT4;
    std::function<void(SlipTotals &)> set;
    std::vector<NeededFormRule> expected;
};

const std::vector<RuleCase> &ruleCases()
{
    static const std::vector<RuleCase> cases = {
        {"fresh totals", true, [](SlipTotals &) {}, {}},
        {"1: T3 box 21 brings the T936 along",
         false,
         [](SlipTotals &t) { t.t3Box21 = 1; },
         {{{4, 32}, 4}}},
        {"1: negative T3 amount F", false, [](SlipTotals &t) { t.t3AmountF = -1; }, {{{4, 32}, 4}}},
        {"1: below the tolerance", false, [](SlipTotals &t) { t.t3Box30 = 0.005; }, {}},
        {"2", false, [](SlipTotals &t) { t.t3Box50 = 3; }, {{{210}, 210}}},
        {"3: T3 box 34 needs the T2209", false, [](SlipTotals &t) { t.t3Box34 = 3; }, {{{35}, 35}}},
        {"3: T3 amount D", false, [](SlipTotals &t) { t.t3AmountD = 3; }, {{{35}, 35}}},
        {"4a wins over 4b",
         true,
         [](SlipTotals &t) {
             t.t4Box17 = 100;
             t.t4Box16 = 100;
         },
         {{{148}, 148}}},
        {"4a needs a T4",
         false,
         [](SlipTotals &t) {
             t.t4Box26QppOnly = 100;
             t.t4Box26Cpp = 100;
             t.t4Box18 = 1;
         },
         {}},
        {"4b when 4a amounts are not positive",
         true,
         [](SlipTotals &t) {
             t.t4Box17 = -5;
             t.t4Box16A = 100;
         },
         {{{150}, 150}}},
        {"4b", true, [](SlipTotals &t) { t.t4Box26Cpp = 100; }, {{{150}, 150}}},
        {"4c", true, [](SlipTotals &t) { t.t4Box55 = 1; }, {{{23}, 23}}},
        {"4c below the tolerance", true, [](SlipTotals &t) { t.t4Box18 = 0.005; }, {}},
        {"5", false, [](SlipTotals &t) { t.t4Box46 = 1; }, {{{9}, 9}}},
        {"6", false, [](SlipTotals &t) { t.t5AmountE = 1; }, {{{210}, 210}}},
        {"6 interest alone", false, [](SlipTotals &t) { t.t5Box13 = 1000; }, {{{210}, 210}}},
        {"6 amount B", false, [](SlipTotals &t) { t.t5AmountB = 1; }, {{{210}, 210}}},
        {"6 amount C", false, [](SlipTotals &t) { t.t5AmountC = -1; }, {{{210}, 210}}},
        {"6 amount D", false, [](SlipTotals &t) { t.t5AmountD = 1; }, {{{210}, 210}}},
        {"6 interest below the tolerance", false, [](SlipTotals &t) { t.t5Box13 = 0.008; }, {}},
        {"7", false, [](SlipTotals &t) { t.t5Box18 = 1; }, {{{4}, 4}}},
        {"8", false, [](SlipTotals &t) { t.t2202FullTimeMonths = 1; }, {{{11}, 11}}},
        {"9", false, [](SlipTotals &t) { t.t5Box16 = 1; }, {{{35}, 35}}},
        {"10", false, [](SlipTotals &t) { t.rc210Box11 = 1; }, {{{119}, 119}}},
        {"11", false, [](SlipTotals &t) { t.t4rspBox27 = 1; }, {{{7}, 7}}},
        {"12", false, [](SlipTotals &t) { t.t4aBox40 = 1; }, {{{17}, 17}}},
        {"13", false, [](SlipTotals &t) { t.t4aBox46 = 1; }, {{{9}, 9}}},
        {"14", false, [](SlipTotals &t) { t.fhsaBox18 = 1; }, {{{205}, 205}}},
        {"15", false, [](SlipTotals &t) { t.t5013Box151 = 1; }, {{{4}, 4}}},
        {"16", false, [](SlipTotals &t) { t.t5013RFlagged = 1; }, {{{210}, 210}}},
        {"17", false, [](SlipTotals &t) { t.t4psF = 1; }, {{{210}, 210}}},
        {"18", false, [](SlipTotals &t) { t.t4psG = 1; }, {{{4}, 4}}},
        {"19", false, [](SlipTotals &t) { t.t4psL = 1; }, {{{35}, 35}}},
        {"20", false, [](SlipTotals &t) { t.hasIndianExemptIncome = true; }, {{{171}, 171}}},
        {"several in rule order",
         true,
         [](SlipTotals &t) {
             t.hasIndianExemptIncome = true;
             t.t4aBox46 = 2;
             t.t3Box34 = 3;
             t.t3Box21 = 4;
             t.t4Box24 = 5;
             t.t5Box11 = 6;
         },
         {{{4, 32}, 4}, {{35}, 35}, {{23}, 23}, {{210}, 210}, {{9}, 9}, {{171}, 171}}},
    };
    return cases;
}

// One QtTest row per case of a table, carrying the case's index.
template <class Cases> void addCaseRows(const Cases &cases)
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < cases.size(); ++i)
        QTest::newRow(cases[i].name) << int(i);
}

QString describe(const std::vector<NeededFormRule> &rules)
{
    QStringList parts;
    for (const NeededFormRule &rule : rules) {
        QStringList forms;
        for (int code : rule.formsEnsured)
            forms << QString::number(code);
        parts << forms.join('+') + "->" + QString::number(rule.codeInserted);
    }
    return parts.join(", ");
}
} // namespace

class TestSlipTotals : public QObject
{
    Q_OBJECT
private slots:
    void initialValues();
    void age_data();
    void age();
    void sums_data();
    void sums();
    void emptyListTouchesNothing();
    void t4apAgeWritten();
    void entriesWithoutTheirClass();
    void sharesOfEverySharedAmount();
    void rules_data();
    void rules();
    void rulesFromSlips();
    void t3TableTakesCapitalGainsOverTheLimit();
    void summary();
    void summaryWithoutSlips();
};

void TestSlipTotals::initialValues()
{
    const SlipTotals t;
    QCOMPARE(t.t4AllEiExempt, true);
    QCOMPARE(t.t5007MinRatio, 1.0);
    QCOMPARE(t.hasIndianExemptIncome, false);
    QCOMPARE(t.t4eBox7, 0.0);
    QCOMPARE(t.getCountSum(), 0);
}

void TestSlipTotals::age_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("senior");
    QTest::newRow("65 on 31 December") << kAge65 << 65 << true;
    QTest::newRow("64 on 31 December") << kAge64 << 64 << false;
    QTest::newRow("born on the first day of the year") << QDate(1960, 1, 1) << 65 << true;
    QTest::newRow("born in the tax year") << QDate(2025, 12, 31) << 0 << false;
    QTest::newRow("no birth date") << QDate() << 0 << false;
}

void TestSlipTotals::age()
{
    QFETCH(QDate, birth);
    TaxData_T1New t1;
    t1.birthDate = birth;
    QTEST(t1.GetAge(), "age");
    QTEST(t1.IsAgeNotUnder65(), "senior");
}

void TestSlipTotals::sums_data()
{
    addCaseRows(sumCases());
}

void TestSlipTotals::sums()
{
    QFETCH(int, index);
    const Case &c = sumCases()[size_t(index)];
    TaxData_T1New t1;
    t1.birthDate = c.birth;
    std::vector<std::unique_ptr<CTaxData_Form>> owned;
    std::vector<SlipRef> slips;
    for (const SlipFixture &fixture : c.slips) {
        owned.push_back(makeSlip(fixture.code, fixture.values));
        slips.push_back({fixture.code, owned.back().get()});
    }
    SlipTotals totals;
    sumSlipList(totals, slips, &t1);
    for (const Expect &e : c.expects) {
        const double got = e.get(totals);
        QVERIFY2(std::fabs(got - e.value) < 1e-9, qPrintable(QString("%1: %2, expected %3")
                                                                 .arg(e.member)
                                                                 .arg(got, 0, 'g', 12)
                                                                 .arg(e.value, 0, 'g', 12)));
    }
}

void TestSlipTotals::emptyListTouchesNothing()
{
    SlipTotals totals;
    totals.t4Box14 = 5; // the caller's values stay as they are
    QVERIFY(sumSlipList(totals, {}, nullptr).empty());
    QCOMPARE(totals.t4Box14, 5.0);
    QCOMPARE(totals.t4aScholarshipTaxable, 0.0);
}

void TestSlipTotals::t4apAgeWritten()
{
    TaxData_T1New t1;
    t1.birthDate = QDate(1950, 6, 15);
    TaxData_Slip_T4AP slip;
    slip.age = 3;
    SlipTotals totals;
    sumSlipList(totals, {{3, &slip}}, &t1);
    QCOMPARE(int(slip.age), 75);

    // Without a T1 the slip's age stays and nobody counts as 65.
    TaxData_Slip_T4AP other;
    other.age = 3;
    TaxData_Slip_T4A t4a;
    t4a.box24 = 10;
    SlipTotals noT1;
    sumSlipList(noT1, {{3, &other}, {2, &t4a}}, nullptr);
    QCOMPARE(int(other.age), 3);
    QCOMPARE(noT1.t4aBox24, 10.0);
}

void TestSlipTotals::entriesWithoutTheirClass()
{
    TaxData_Slip_T4 t4;
    t4.box14 = 100;
    t4.box17 = 20;
    TaxData_Slip_T2202 tuition;
    tuition.periods.intAt(0, 0) = 4;
    tuition.periods.amountAt(0, 2) = 1000;
    tuition.periods.intAt(1, 1) = 8;
    tuition.periods.amountAt(1, 2) = 5000;
    tuition.periods.amountAt(2, 2) = 300;
    SlipTotals totals;
    // A T2202, T4FHSA and T5 entry holding a T4, entries without an object, a code without a
    // group: none adds anything, the real T2202 does.
    const auto rules = sumSlipList(
        totals,
        {{25, &t4}, {26, &t4}, {8, &t4}, {25, nullptr}, {1, nullptr}, {12, &t4}, {25, &tuition}},
        nullptr);
    QCOMPARE(totals.t4Box14, 0.0);
    QCOMPARE(totals.t5Box10, 0.0);
    QCOMPARE(totals.getCountSum(), 0);
    QCOMPARE(totals.t2202PartTimeMonths, 4.0);
    QCOMPARE(totals.t2202FullTimeMonths, 8.0);
    QCOMPARE(totals.t2202FeesPartTime, 1000.0);
    QCOMPARE(totals.t2202FeesFullTime, 5300.0);
    QCOMPARE(describe(rules), QString("11->11"));
}

void TestSlipTotals::sharesOfEverySharedAmount()
{
    for (int code : {8, 9}) {
        std::unique_ptr<CTaxData_Form> slip(createSlip(code));
        auto *shared = dynamic_cast<CSharableTaxData_Form *>(slip.get());
        QVERIFY(shared);
        shared->sharePercent = 40;
        int amounts = 0;
        for (CField *field : slip->fields()) {
            if (field->type() == FieldType::Float && field != &shared->sharePercent &&
                !field->name().endsWith("Share"))
                static_cast<CFloatField *>(field)->setValue(250 + ++amounts);
        }
        slip->preSumSlip();
        int checked = 0;
        for (CField *field : slip->fields()) {
            if (field->type() != FieldType::Float || field == &shared->sharePercent ||
                field->name().endsWith("Share"))
                continue;
            auto *share = dynamic_cast<CFloatField *>(slip->findField(field->name() + "Share"));
            QVERIFY2(share, field->name().constData());
            QCOMPARE(share->value(), static_cast<CFloatField *>(field)->value() * 0.4);
            ++checked;
        }
        QCOMPARE(checked, amounts);
        QCOMPARE(checked, code == 8 ? 18 : 21);
    }
}

void TestSlipTotals::rules_data()
{
    addCaseRows(ruleCases());
}

void TestSlipTotals::rules()
{
    QFETCH(int, index);
    const RuleCase &c = ruleCases()[size_t(index)];
    SlipTotals totals;
    c.set(totals);
    QCOMPARE(describe(neededFormRules(totals, c.hasT4)), describe(c.expected));
}

void TestSlipTotals::rulesFromSlips()
{
    // A shared T3 with box 34 needs the T2209; T4 rules follow the T4 entry.
    TaxData_Slip_T3 t3;
    t3.sharePercent = 50;
    t3.box34 = 10;
    TaxData_Slip_T4 t4;
    t4.provinceOfEmployment = 11;
    t4.box17 = 100;
    t4.box18 = 50;
    TaxData_Slip_T4 other;
    other.box16 = 100;
    SlipTotals totals;
    const auto rules = sumSlipList(totals, {{9, &t3}, {1, &t4}, {1, &other}}, nullptr);
    QCOMPARE(totals.t3Box34, 5.0);
    QCOMPARE(totals.getCountSum(), 2);
    QCOMPARE(describe(rules), QString("35->35, 148->148, 23->23"));
}

void TestSlipTotals::t3TableTakesCapitalGainsOverTheLimit()
{
    const char *head =
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
        "<tr><td>Amounts</td><td>Totalled into</td><td></td></tr>\n"
        "<tr><td>0.00</td><td>Actual non-eligible dividend</td><td></td></tr>\n"
        "<tr><td>0.00</td><td>Taxable non-eligible dividend</td><td></td></tr>\n"
        "<tr><td>0.00</td><td>Tax credit of non-eligible dividend</td><td></td></tr>\n";
    const char *tail = "<tr><td>0.00</td><td>Actual eligible dividend</td><td></td></tr>\n"
                       "<tr><td>0.00</td><td>Taxable eligible dividend</td><td></td></tr>\n"
                       "<tr><td>0.00</td><td>Tax credit of eligible dividend</td><td></td></tr>\n"
                       "</table>\n";
    const struct
    {
        double amountE;
        const char *total;
    } cases[] = {{10000.005, "11.00"}, {12000, "2,011.00"}, {9000, "11.00"}};
    for (const auto &c : cases) {
        SlipTotals t;
        t.t3AmountE = c.amountE;
        t.t3Box26Net = 5;
        t.t3AmountA = 4;
        t.t3AmountC = 2;
        CString html = "old text";
        QCOMPARE(t.toHtmlT3Table(html), 0);
        QCOMPARE(QString(html), QString(head) + "<tr><td>" + c.total +
                                    "</td><td>Total Income</td><td></td></tr>\n" + tail);
    }
}

void TestSlipTotals::summary()
{
    TaxData_Slip_T3 t3;
    t3.box23 = 1000.5;
    t3.box32 = 1380.69;
    t3.box39 = 207.1;
    t3.amtE = 12000;
    TaxData_Slip_T4 t4a;
    t4a.box14 = 52000;
    t4a.box16 = 2898.45;
    t4a.box18 = 881.2;
    t4a.box22 = 9100;
    TaxData_Slip_T4 t4b;
    t4b.box14 = 1500.25;
    t4b.provinceOfEmployment = 11;
    t4b.box17 = 80;
    TaxData_Slip_T5 t5;
    t5.sharePercent = 50;
    t5.amtA = 245.5;
    t5.box24 = 100;
    t5.box25 = 138;
    t5.box26 = 20.73;
    TaxData_Slip_T4E t4e;
    t4e.box14 = 3000;
    const std::vector<SlipRef> slips = {{1, &t4a}, {9, &t3}, {5, &t4e}, {8, &t5}, {1, &t4b}};
    std::vector<int> codes;
    codes.reserve(slips.size());
    for (const SlipRef &ref : slips)
        codes.push_back(ref.code);

    QString text;
    QTextStream out(&text);
    int sums = 0;
    const int result = writeSlipSummaryHtml(out, codes, [&](SlipTotals &totals) {
        out << "[summed]";
        ++sums;
        sumSlipList(totals, slips, nullptr);
    });
    out.flush();
    QCOMPARE(result, 0);
    QCOMPARE(sums, 1);
    const QString expected =
        "*this summary is only for purpose of return preparation check, not "
        "accurate/full*<br><br>\n"
        "<b>There are totally 5 tax slip(s)</b><br><br>\n"
        "[summed]"
        "<br><br>T3 tax slip: 1 <br>"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
        "<tr><td>Amounts</td><td>Totalled into</td><td></td></tr>\n"
        "<tr><td>1,000.50</td><td>Actual non-eligible dividend</td><td></td></tr>\n"
        "<tr><td>1,380.69</td><td>Taxable non-eligible dividend</td><td></td></tr>\n"
        "<tr><td>207.10</td><td>Tax credit of non-eligible dividend</td><td></td></tr>\n"
        "<tr><td>2,000.00</td><td>Total Income</td><td></td></tr>\n"
        "<tr><td>0.00</td><td>Actual eligible dividend</td><td></td></tr>\n"
        "<tr><td>0.00</td><td>Taxable eligible dividend</td><td></td></tr>\n"
        "<tr><td>0.00</td><td>Tax credit of eligible dividend</td><td></td></tr>\n"
        "</table>\n"
        "<br><br>T4 tax slip: 2 <br>\n"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
        "<tr><td>Amounts</td><td>Totalled into</td><td></td></tr>\n"
        "<tr><td>53,500.25</td><td>Total Income</td><td></td></tr>\n"
        "<tr><td>2,898.45</td><td>CPP Payment</td><td></td></tr>\n"
        "<tr><td>80.00</td><td>QPP Payment</td><td></td></tr>\n"
        "<tr><td>881.20</td><td>EI Payment</td><td></td></tr>\n"
        "<tr><td>9,100.00</td><td>Income Tax Withheld</td><td></td></tr>\n"
        "</table>\n"
        "<br><br>T5 tax slip: 1 <br>\n"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
        "<tr><td>Amounts</td><td>Totalled into</td><td></td></tr>\n"
        "<tr><td>0.00</td><td>Actual non-eligible dividend</td><td></td></tr>\n"
        "<tr><td>0.00</td><td>Taxable non-eligible dividend</td><td></td></tr>\n"
        "<tr><td>0.00</td><td>Tax credit of non-eligible dividend</td><td></td></tr>\n"
        "<tr><td>122.75</td><td>Interest income</td><td></td></tr>\n"
        "<tr><td>50.00</td><td>Actual eligible dividend</td><td></td></tr>\n"
        "<tr><td>69.00</td><td>Taxable eligible dividend</td><td></td></tr>\n"
        "<tr><td>10.37</td><td>Tax credit of eligible dividend</td><td></td></tr>\n"
        "</table>\n";
    QCOMPARE(text, expected);
}

void TestSlipTotals::summaryWithoutSlips()
{
    QString text;
    QTextStream out(&text);
    int sums = 0;
    writeSlipSummaryHtml(out, {}, [&sums](SlipTotals &) { ++sums; });
    out.flush();
    QCOMPARE(sums, 1);
    QCOMPARE(text, QString("*this summary is only for purpose of return preparation check, not "
                           "accurate/full*<br><br>\n"
                           "<b>There are totally 0 tax slip(s)</b><br><br>\n"));
}

QTEST_GUILESS_MAIN(TestSlipTotals)
#include "tst_SlipTotals.moc"
