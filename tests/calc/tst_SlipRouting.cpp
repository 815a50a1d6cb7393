// Slip routing: every box and lettered amount of every slip class, alone on a slip (or with the
// one box, flag or kind its rule needs), lands in exactly the totals members that take it, and
// every slip registers its lettered amounts among its boxes in slip order.
#include <QtTest>

#include "SlipFixtures.h"
#include "calc/SlipSummer.h"
#include "calc/SlipTotals.h"
#include "marrow/FormFactory.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "ordane/CBoolField.h"
#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/CTableField.h"
#include "ordane/MyDataStream.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <type_traits>
#include <utility>
#include <vector>

namespace {
// The amount under test, and a second one where a rule needs two.
constexpr double V = 1234.56;
constexpr double W = 234.56;
// The T5013 person's percentage.
constexpr double P = 40;

// One member of SlipTotals: its name, where it lies, and its value as a double.
struct Member
{
    const char *name;
    size_t offset;
    size_t size;
    size_t align;
    double (*get)(const SlipTotals &);
};

template <auto Ptr> Member memberOf(const char *name)
{
    using T =
        std::remove_cv_t<std::remove_reference_t<decltype(std::declval<SlipTotals &>().*Ptr)>>;
    const SlipTotals probe;
    const auto *base = reinterpret_cast<const char *>(&probe);
    const auto *at = reinterpret_cast<const char *>(&(probe.*Ptr));
    return {name, size_t(at - base), sizeof(T), alignof(T),
            [](const SlipTotals &t) { return double(t.*Ptr); }};
}
#define MEMBER(m) memberOf<&SlipTotals::m>(#m)

// Every member in declaration order; memberTableCoversTheRecord keeps it complete.
const std::vector<Member> &members()
{
    static const std::vector<Member> table = {
        MEMBER(rc62Box10),
        MEMBER(rc62Box12),
        MEMBER(rc210Box10),
        MEMBER(rc210Box11),
        MEMBER(t3Box21),
        MEMBER(t3Box21Net),
        MEMBER(t3Box21Flagged),
        MEMBER(t3AmountA),
        MEMBER(t3Box23),
        MEMBER(t3AmountB),
        MEMBER(t3AmountBUnflagged),
        MEMBER(t3Box25),
        MEMBER(t3Box25WithBox34),
        MEMBER(t3Box26Net),
        MEMBER(t3Box26SecondFlag),
        MEMBER(t3Box26ThirdFlag),
        MEMBER(t3Box30),
        MEMBER(t3AmountC),
        MEMBER(t3Box32),
        MEMBER(t3AmountD),
        MEMBER(t3Box34),
        MEMBER(t3AmountE),
        MEMBER(t3AmountF),
        MEMBER(t3Box38),
        MEMBER(t3Box39),
        MEMBER(t3Box49),
        MEMBER(t3Box50),
        MEMBER(t3Box51),
        MEMBER(t4QppOnlyCount),
        MEMBER(t4OtherCount),
        MEMBER(t4Box14),
        MEMBER(hasIndianExemptIncome),
        MEMBER(t4Box14EiExempt),
        MEMBER(t4Box16),
        MEMBER(t4Box14Quebec),
        MEMBER(t4Box14OutsideQuebec),
        MEMBER(t4Box16A),
        MEMBER(t4Box18),
        MEMBER(t4Box20),
        MEMBER(t4Box22),
        MEMBER(t4Box24),
        MEMBER(t4PlacementAgencySeen),
        MEMBER(t4AmountB),
        MEMBER(t4KindOneSeen),
        MEMBER(t4AmountC),
        MEMBER(t4KindTwoSeen),
        MEMBER(t4AmountD),
        MEMBER(t4Box30),
        MEMBER(t4AmountEKindZero),
        MEMBER(t4AmountEKindOne),
        MEMBER(t4AmountF),
        MEMBER(t4AmountG),
        MEMBER(t4Box42),
        MEMBER(t4AmountH),
        MEMBER(t4Box44),
        MEMBER(t4Box46),
        MEMBER(t4AmountI),
        MEMBER(t4Box52),
        MEMBER(t4Box55),
        MEMBER(t4Box55EiExempt),
        MEMBER(t4Box17),
        MEMBER(t4Box17A),
        MEMBER(t4Box26),
        MEMBER(t4Box26QppOnly),
        MEMBER(t4Box26Cpp),
        MEMBER(t4CppExemptSeen),
        MEMBER(t4QppExemptSeen),
        MEMBER(t4AllEiExempt),
        MEMBER(t4AmountA),
        MEMBER(t4QuebecWithAmountA),
        MEMBER(t4Box66),
        MEMBER(t4Box67),
        MEMBER(t4Box71),
        MEMBER(t4AmountJ),
        MEMBER(t4Box85),
        MEMBER(t4Box85Flagged),
        MEMBER(t4Box87),
        MEMBER(t4AmountK),
        MEMBER(t4Box90),
        MEMBER(t4Box91),
        MEMBER(t4Box92),
        MEMBER(t4RetiringWithoutBox14),
        MEMBER(t4fBox14TaxDeducted),
        MEMBER(t4fSlipSeen),
        MEMBER(t5Box10),
        MEMBER(t5Box11),
        MEMBER(t5Box12),
        MEMBER(t5AmountA),
        MEMBER(t5Box13),
        MEMBER(t5AmountB),
        MEMBER(t5AmountC),
        MEMBER(t5AmountD),
        MEMBER(t5Box14),
        MEMBER(t5Box15),
        MEMBER(t5Box16),
        MEMBER(t5Box17Flagged),
        MEMBER(t5Box17),
        MEMBER(t5Box18),
        MEMBER(t5AmountESenior),
        MEMBER(t5AmountE),
        MEMBER(t5Box24),
        MEMBER(t5Box25),
        MEMBER(t5Box26),
        MEMBER(t5Box34),
        MEMBER(t4eBox7),
        MEMBER(t4eBox14Net),
        MEMBER(t4eBox14NetWithBox23),
        MEMBER(t4eBox15),
        MEMBER(t4eBox17),
        MEMBER(t4eBox18),
        MEMBER(t4eBox20),
        MEMBER(t4eBox21),
        MEMBER(t4eBox22),
        MEMBER(t4eBox23),
        MEMBER(t4eAmountA),
        MEMBER(t4eBox30),
        MEMBER(t4eAmountB),
        MEMBER(t4eBox33),
        MEMBER(t4eAmountC),
        MEMBER(t4eBox37),
        MEMBER(t4eBox14WithBox22),
        MEMBER(t4eBox18Flagged),
        MEMBER(t4rspBox16Flagged),
        MEMBER(t4rspBox16),
        MEMBER(t4rspBox18),
        MEMBER(t4rspBox20),
        MEMBER(t4rspBox22),
        MEMBER(t4rspBox25),
        MEMBER(t4rspBox26),
        MEMBER(t4rspBox27),
        MEMBER(t4rspBox28Positive),
        MEMBER(t4rspBox28Negative),
        MEMBER(t4rspBox30),
        MEMBER(t4rspBox34),
        MEMBER(t4rspFlaggedWithdrawals),
        MEMBER(oasBox18),
        MEMBER(oasBox19),
        MEMBER(oasBox20),
        MEMBER(oasBox21),
        MEMBER(oasBox22),
        MEMBER(oasBox23),
        MEMBER(t4apBox14),
        MEMBER(t4apBox14Flagged),
        MEMBER(t4apBox15),
        MEMBER(t4apBox16),
        MEMBER(t4apBox17),
        MEMBER(t4apBox18),
        MEMBER(t4apBox19),
        MEMBER(t4apBox20LessBox18),
        MEMBER(t4apMaxBox21),
        MEMBER(t4apMaxBox21Unflagged),
        MEMBER(t4apBox22),
        MEMBER(t4apAmountA),
        MEMBER(t4apBox20WithAmountA),
        MEMBER(t4apBox20Flagged),
        MEMBER(t4apMaxBox23),
        MEMBER(t4apMaxBox23Unflagged),
        MEMBER(t4apBox18WithBox22),
        MEMBER(t4aBox16),
        MEMBER(t4aBox18),
        MEMBER(t4aBox20),
        MEMBER(t4aBox22),
        MEMBER(t4aBox24Senior),
        MEMBER(t4aBox24),
        MEMBER(t4aBox24Flag4),
        MEMBER(t4aBox28Flag6),
        MEMBER(t4aBox28),
        MEMBER(t4aAmountA),
        MEMBER(t4aAmountB),
        MEMBER(t4aBox104Net),
        MEMBER(t4aAmountF),
        MEMBER(t4aBox30),
        MEMBER(t4aBox34),
        MEMBER(t4aAmountC),
        MEMBER(t4aBox40),
        MEMBER(t4aBox42),
        MEMBER(t4aBox46),
        MEMBER(t4aIncomeWithTaxDeducted),
        MEMBER(t4aBox124KindZero),
        MEMBER(t4aBox124KindOne),
        MEMBER(t4aBox48),
        MEMBER(t4aBox105Taxable),
        MEMBER(t4aBox105Exempt),
        MEMBER(t4aBox105Basic),
        MEMBER(t4aScholarshipTaxable),
        MEMBER(t4aBox106),
        MEMBER(t4aBox107),
        MEMBER(t4aBox109),
        MEMBER(t4aAmountE),
        MEMBER(t4aBox118),
        MEMBER(t4aBox119),
        MEMBER(t4aAmountG),
        MEMBER(t4aBox125),
        MEMBER(t4aBox127),
        MEMBER(t4aBox128),
        MEMBER(t4aAmountH),
        MEMBER(t4aAmountI),
        MEMBER(t4aBox131),
        MEMBER(t4aAmountJ),
        MEMBER(t4aAmountKSenior),
        MEMBER(t4aAmountK),
        MEMBER(t4aAmountL),
        MEMBER(t4aBox135),
        MEMBER(t4aBox135Flag9),
        MEMBER(t4aAmountM1),
        MEMBER(t4aAmountM2),
        MEMBER(t4aAmountM3),
        MEMBER(t4aAmountM4),
        MEMBER(t4aAmountM5),
        MEMBER(t4aAmountNSenior),
        MEMBER(t4aAmountN),
        MEMBER(t4aBox197),
        MEMBER(t4aBox198),
        MEMBER(t4aBox199),
        MEMBER(t4aBox200),
        MEMBER(t4aBox201),
        MEMBER(t4aBox202),
        MEMBER(t4aBox203),
        MEMBER(t4aBox204),
        MEMBER(t4aAmountO),
        MEMBER(t4aBox210),
        MEMBER(t4aBox211),
        MEMBER(t4aBox197And203Flagged),
        MEMBER(t2202PartTimeMonths),
        MEMBER(t2202FullTimeMonths),
        MEMBER(t2202FeesPartTime),
        MEMBER(t2202FeesFullTime),
        MEMBER(t5003AmountA),
        MEMBER(t5007Box10),
        MEMBER(t5007Box10Exempt),
        MEMBER(t5007Box11),
        MEMBER(t5007MinRatio),
        MEMBER(t5007KindThreeSeen),
        MEMBER(t5013B),
        MEMBER(t5013C),
        MEMBER(t5013D),
        MEMBER(t5013E),
        MEMBER(t5013A),
        MEMBER(t5013F),
        MEMBER(t5013H),
        MEMBER(t5013L),
        MEMBER(t5013M),
        MEMBER(t5013N),
        MEMBER(t5013O),
        MEMBER(t5013P),
        MEMBER(t5013Box137),
        MEMBER(t5013Q),
        MEMBER(t5013R),
        MEMBER(t5013RFlagged),
        MEMBER(t5013V),
        MEMBER(t5013Box151),
        MEMBER(t5013G),
        MEMBER(t5013I),
        MEMBER(t5013J),
        MEMBER(t5013K),
        MEMBER(t5013S),
        MEMBER(t5013T),
        MEMBER(t5013U),
        MEMBER(t5013W),
        MEMBER(t4rifBox16Senior),
        MEMBER(t4rifBox16),
        MEMBER(t4rifBox18),
        MEMBER(t4rifBox20Senior),
        MEMBER(t4rifBox20),
        MEMBER(t4rifBox22Senior),
        MEMBER(t4rifBox22),
        MEMBER(t4rifBox22Negative),
        MEMBER(t4rifBox24),
        MEMBER(t4rifBox28),
        MEMBER(t4rifAmountA),
        MEMBER(t4rifBox16WithAmountA),
        MEMBER(t4rifTaxedNotSenior),
        MEMBER(t4psA),
        MEMBER(t4psB),
        MEMBER(t4psC),
        MEMBER(t4psD),
        MEMBER(t4psE),
        MEMBER(t4psF),
        MEMBER(t4psGFlagged),
        MEMBER(t4psG),
        MEMBER(t4psH),
        MEMBER(t4psI),
        MEMBER(t4psJ),
        MEMBER(t4psK),
        MEMBER(t4psL),
        MEMBER(t4psM),
        MEMBER(t5006NetAB),
        MEMBER(t5006NetCD),
        MEMBER(t5006E),
        MEMBER(t4arcaA),
        MEMBER(t4arcaB),
        MEMBER(t4arcaC),
        MEMBER(t4arcaD),
        MEMBER(t4arcaE),
        MEMBER(t4arcaF),
        MEMBER(t4arcaG),
        MEMBER(t1204Box82),
        MEMBER(t1204Box84),
        MEMBER(t1204Count),
        MEMBER(mbShelterBenefit),
        MEMBER(prppEmployeeCurrentYear),
        MEMBER(prppEmployeePriorYear),
        MEMBER(prppExemptCurrentYear),
        MEMBER(prppExemptPriorYear),
        MEMBER(prppEmployer),
        MEMBER(pensionTaxDeducted),
        MEMBER(nr4B),
        MEMBER(nr4C),
        MEMBER(nr4D),
        MEMBER(nr4E),
        MEMBER(fhsaBox18),
        MEMBER(fhsaBox20),
        MEMBER(fhsaBox22),
        MEMBER(fhsaBox24),
        MEMBER(fhsaBox26),
        MEMBER(fhsaBox26Flagged),
        MEMBER(fhsaBox28),
        MEMBER(fhsaBox30),
        MEMBER(fhsaBox32),
        MEMBER(fhsaBox34),
        MEMBER(fhsaBox36),
        MEMBER(fhsaBox38),
    };
    return table;
}

// Sets the members slip routing gives the slip's amounts to, over the totals of a slip holding
// nothing.
using Expectation = void (*)(SlipTotals &);

struct Route
{
    int code;
    FieldValues values;
    Expectation expect;
    bool senior = false; // the person is 65 on the last day of the year
};

const char *slipName(int code)
{
    static const std::map<int, const char *> names = {
        {SlipType::T4, "T4"},         {SlipType::T4A, "T4A"},
        {SlipType::T4AP, "T4A(P)"},   {SlipType::T4RSP, "T4RSP"},
        {SlipType::T4E, "T4E"},       {SlipType::T4AOAS, "T4A(OAS)"},
        {SlipType::T4RIF, "T4RIF"},   {SlipType::T5, "T5"},
        {SlipType::T3, "T3"},         {SlipType::T5003, "T5003"},
        {SlipType::T5007, "T5007"},   {SlipType::T5013, "T5013"},
        {SlipType::T4PS, "T4PS"},     {SlipType::T4ARCA, "T4A-RCA"},
        {SlipType::T5006, "T5006"},   {SlipType::RC62, "RC62"},
        {SlipType::RC210, "RC210"},   {SlipType::MBSHELTERASSIST, "MB shelter"},
        {SlipType::PRPP, "PRPP"},     {SlipType::T1204, "T1204"},
        {SlipType::NR4, "NR4"},       {SlipType::T2202, "T2202"},
        {SlipType::T4FHSA, "T4FHSA"},
    };
    return names.at(code);
}

// What any slip of the code adds whatever its amounts: a T4 is counted and clears the
// all-EI-exempt flag (a new T4 is ordinary employment, no placement agency); a T1204 is counted.
void slipBaseline(int code, SlipTotals &t)
{
    if (code == SlipType::T4) {
        t.t4OtherCount = 1;
        t.t4AllEiExempt = false;
    } else if (code == SlipType::T1204) {
        t.t1204Count = 1;
    }
}

// With tax deducted (box 22), these T4A boxes also make up the income with tax deducted.
#define WITH_TAX_DEDUCTED(box, member)                                                             \
    Route                                                                                          \
    {                                                                                              \
        T4A, {{"box22", W}, {box, V}}, [](SlipTotals &t) {                                         \
            t.t4aBox22 = W;                                                                        \
            t.member = t.t4aIncomeWithTaxDeducted = V;                                             \
        }                                                                                          \
    }

// The routing as the slip-totals rules state it, slip group by slip group.
const std::vector<Route> &routeTable()
{
    using namespace SlipType;
    static const std::vector<Route> table = {
        // RC62 and RC210
        {RC62, {{"box10", V}}, [](SlipTotals &t) { t.rc62Box10 = V; }},
        {RC62, {{"box12", V}}, [](SlipTotals &t) { t.rc62Box12 = V; }},
        {RC210, {{"box10", V}}, [](SlipTotals &t) { t.rc210Box10 = V; }},
        {RC210, {{"box11", V}}, [](SlipTotals &t) { t.rc210Box11 = V; }},

        // T3: the person's share, the whole amount at the default 100 percent
        {T3, {{"box21", V}}, [](SlipTotals &t) { t.t3Box21 = t.t3Box21Net = V; }},
        {T3, {{"box21", V}, {"box21Flag", 1}},
         [](SlipTotals &t) { t.t3Box21 = t.t3Box21Net = t.t3Box21Flagged = V; }},
        {T3, {{"box21", V}, {"box55", W}},
         [](SlipTotals &t) {
             t.t3Box21 = V;
             t.t3Box21Net = V - W;
         }},
        {T3, {{"box21", V}, {"box57", W}},
         [](SlipTotals &t) {
             t.t3Box21 = V;
             t.t3Box21Net = V - W;
         }},
        {T3, {{"box21", V}, {"box59", W}},
         [](SlipTotals &t) {
             t.t3Box21 = V;
             t.t3Box21Net = V - W;
         }},
        {T3, {{"box55", V}}, [](SlipTotals &) {}},
        {T3, {{"box57", V}}, [](SlipTotals &) {}},
        {T3, {{"box59", V}}, [](SlipTotals &) {}},
        {T3, {{"amtA", V}}, [](SlipTotals &t) { t.t3AmountA = V; }},
        {T3, {{"box23", V}}, [](SlipTotals &t) { t.t3Box23 = V; }},
        {T3, {{"sharePercent", 25}, {"box23", V}}, [](SlipTotals &t) { t.t3Box23 = V / 4; }},
        {T3, {{"amtB", V}}, [](SlipTotals &t) { t.t3AmountB = t.t3AmountBUnflagged = V; }},
        {T3, {{"amtB", V}, {"amtBFlag", 1}}, [](SlipTotals &t) { t.t3AmountB = V; }},
        {T3, {{"box25", V}}, [](SlipTotals &t) { t.t3Box25 = V; }},
        {T3, {{"box25", V}, {"box34", W}},
         [](SlipTotals &t) {
             t.t3Box25 = t.t3Box25WithBox34 = V;
             t.t3Box34 = W;
         }},
        {T3, {{"box26", V}}, [](SlipTotals &t) { t.t3Box26Net = V; }},
        {T3, {{"box26", V}, {"amtC", W}},
         [](SlipTotals &t) {
             t.t3Box26Net = V - W;
             t.t3AmountC = W;
         }},
        {T3, {{"box26", V}, {"box26Flag1", 1}}, [](SlipTotals &) {}},
        {T3, {{"box26", V}, {"box26Flag2", 1}},
         [](SlipTotals &t) { t.t3Box26Net = t.t3Box26SecondFlag = V; }},
        {T3, {{"box26", V}, {"box26Flag3", 1}},
         [](SlipTotals &t) { t.t3Box26Net = t.t3Box26ThirdFlag = V; }},
        {T3, {{"box30", V}}, [](SlipTotals &t) { t.t3Box30 = V; }},
        {T3, {{"amtC", V}}, [](SlipTotals &t) { t.t3AmountC = V; }},
        {T3, {{"box32", V}}, [](SlipTotals &t) { t.t3Box32 = V; }},
        {T3, {{"amtD", V}}, [](SlipTotals &t) { t.t3AmountD = V; }},
        {T3, {{"box34", V}}, [](SlipTotals &t) { t.t3Box34 = V; }},
        {T3, {{"amtE", V}}, [](SlipTotals &t) { t.t3AmountE = V; }},
        {T3, {{"amtF", V}}, [](SlipTotals &t) { t.t3AmountF = V; }},
        {T3, {{"box38", V}}, [](SlipTotals &t) { t.t3Box38 = V; }},
        {T3, {{"box39", V}}, [](SlipTotals &t) { t.t3Box39 = V; }},
        {T3, {{"box49", V}}, [](SlipTotals &t) { t.t3Box49 = V; }},
        {T3, {{"box50", V}}, [](SlipTotals &t) { t.t3Box50 = V; }},
        {T3, {{"box51", V}}, [](SlipTotals &t) { t.t3Box51 = V; }},

        // T4, outside Quebec unless the row says 11
        {T4, {}, [](SlipTotals &) {}},
        {T4, {{"box14", V}}, [](SlipTotals &t) { t.t4Box14 = t.t4Box14OutsideQuebec = V; }},
        {T4, {{"box14", V}, {"eiExempt", 1}},
         [](SlipTotals &t) {
             t.t4Box14 = t.t4Box14OutsideQuebec = t.t4Box14EiExempt = V;
             t.t4AllEiExempt = true;
         }},
        {T4, {{"box16", V}}, [](SlipTotals &t) { t.t4Box16 = V; }},
        {T4, {{"box16A", V}}, [](SlipTotals &t) { t.t4Box16A = V; }},
        {T4, {{"box17", V}}, [](SlipTotals &t) { t.t4Box17 = V; }},
        {T4, {{"box17A", V}}, [](SlipTotals &t) { t.t4Box17A = V; }},
        {T4, {{"box18", V}}, [](SlipTotals &t) { t.t4Box18 = V; }},
        {T4, {{"box20", V}}, [](SlipTotals &t) { t.t4Box20 = V; }},
        {T4, {{"box22", V}}, [](SlipTotals &t) { t.t4Box22 = V; }},
        {T4, {{"box22", V}, {"box66", W}},
         [](SlipTotals &t) {
             t.t4Box22 = V;
             t.t4Box66 = t.t4RetiringWithoutBox14 = W;
         }},
        {T4, {{"box22", V}, {"box67", W}},
         [](SlipTotals &t) {
             t.t4Box22 = V;
             t.t4Box67 = t.t4RetiringWithoutBox14 = W;
         }},
        {T4, {{"box22", V}, {"box67", -W}},
         [](SlipTotals &t) {
             t.t4Box22 = V;
             t.t4Box67 = -W;
         }},
        {T4, {{"box22", V}, {"box66", W}, {"box14", 10}},
         [](SlipTotals &t) {
             t.t4Box22 = V;
             t.t4Box66 = W;
             t.t4Box14 = t.t4Box14OutsideQuebec = 10;
         }},
        {T4, {{"amtA", V}}, [](SlipTotals &t) { t.t4AmountA = V; }},
        {T4, {{"box24", V}}, [](SlipTotals &t) { t.t4Box24 = V; }},
        {T4, {{"box26", V}}, [](SlipTotals &t) { t.t4Box26 = t.t4Box26Cpp = V; }},
        {T4, {{"box26", V}, {"cppExempt", 1}},
         [](SlipTotals &t) {
             t.t4Box26 = t.t4Box26Cpp = V;
             t.t4CppExemptSeen = true;
         }},
        {T4, {{"amtB", V}}, [](SlipTotals &) {}},
        {T4, {{"amtB", V}, {"employmentKind", 0}},
         [](SlipTotals &t) {
             t.t4PlacementAgencySeen = true;
             t.t4AmountB = V;
         }},
        {T4, {{"amtB", V}, {"employmentKind", 1}}, [](SlipTotals &t) { t.t4KindOneSeen = true; }},
        {T4, {{"amtC", V}}, [](SlipTotals &) {}},
        {T4, {{"amtC", V}, {"employmentKind", 1}},
         [](SlipTotals &t) {
             t.t4KindOneSeen = true;
             t.t4AmountC = V;
         }},
        {T4, {{"amtD", V}}, [](SlipTotals &) {}},
        {T4, {{"amtD", V}, {"employmentKind", 2}},
         [](SlipTotals &t) {
             t.t4KindTwoSeen = true;
             t.t4AmountD = V;
         }},
        {T4, {{"amtD", V}, {"employmentKind", 3}}, [](SlipTotals &) {}},
        {T4, {{"box30", V}}, [](SlipTotals &t) { t.t4Box30 = V; }},
        {T4, {{"amtE", V}}, [](SlipTotals &t) { t.t4AmountEKindZero = V; }},
        {T4, {{"amtE", V}, {"secondKind", 1}}, [](SlipTotals &t) { t.t4AmountEKindOne = V; }},
        {T4, {{"amtE", V}, {"secondKind", 2}}, [](SlipTotals &) {}},
        {T4, {{"amtF", V}}, [](SlipTotals &t) { t.t4AmountF = V; }},
        {T4, {{"amtG", V}}, [](SlipTotals &t) { t.t4AmountG = V; }},
        {T4, {{"box42", V}}, [](SlipTotals &t) { t.t4Box42 = V; }},
        {T4, {{"amtH", V}}, [](SlipTotals &t) { t.t4AmountH = V; }},
        {T4, {{"box44", V}}, [](SlipTotals &t) { t.t4Box44 = V; }},
        {T4, {{"box46", V}}, [](SlipTotals &t) { t.t4Box46 = V; }},
        {T4, {{"amtI", V}}, [](SlipTotals &t) { t.t4AmountI = V; }},
        {T4, {{"box52", V}}, [](SlipTotals &t) { t.t4Box52 = V; }},
        {T4, {{"box55", V}}, [](SlipTotals &t) { t.t4Box55 = V; }},
        {T4, {{"box55", V}, {"eiExempt", 1}},
         [](SlipTotals &t) {
             t.t4Box55 = t.t4Box55EiExempt = V;
             t.t4AllEiExempt = true;
         }},
        {T4, {{"box66", V}}, [](SlipTotals &t) { t.t4Box66 = V; }},
        {T4, {{"box67", V}}, [](SlipTotals &t) { t.t4Box67 = V; }},
        {T4, {{"box71", V}},
         [](SlipTotals &t) {
             t.t4Box71 = V;
             t.hasIndianExemptIncome = true;
         }},
        {T4, {{"amtJ", V}}, [](SlipTotals &t) { t.t4AmountJ = V; }},
        {T4, {{"t4fFlag", 1}}, [](SlipTotals &t) { t.t4fSlipSeen = true; }},
        {T4, {{"t4fFlag", 1}, {"box14", V}, {"box22", W}},
         [](SlipTotals &t) {
             t.t4Box14 = t.t4Box14OutsideQuebec = t.t4fBox14TaxDeducted = V;
             t.t4Box22 = W;
             t.t4fSlipSeen = true;
         }},
        {T4, {{"box85", V}}, [](SlipTotals &t) { t.t4Box85 = V; }},
        {T4, {{"box85", V}, {"flag2", 1}}, [](SlipTotals &t) { t.t4Box85 = t.t4Box85Flagged = V; }},
        {T4, {{"box87", V}}, [](SlipTotals &t) { t.t4Box87 = V; }},
        {T4, {{"amtK", V}}, [](SlipTotals &t) { t.t4AmountK = V; }},
        {T4, {{"box90", V}}, [](SlipTotals &t) { t.t4Box90 = V; }},
        {T4, {{"box91", V}}, [](SlipTotals &t) { t.t4Box91 = V; }},
        {T4, {{"box92", V}}, [](SlipTotals &t) { t.t4Box92 = V; }},
        {T4, {{"provinceOfEmployment", 11}},
         [](SlipTotals &t) {
             t.t4OtherCount = 0;
             t.t4QppOnlyCount = 1;
         }},
        {T4, {{"provinceOfEmployment", 11}, {"box14", V}},
         [](SlipTotals &t) {
             t.t4OtherCount = 0;
             t.t4QppOnlyCount = 1;
             t.t4Box14 = t.t4Box14Quebec = V;
         }},
        {T4, {{"provinceOfEmployment", 11}, {"box16", V}}, [](SlipTotals &t) { t.t4Box16 = V; }},
        {T4, {{"provinceOfEmployment", 11}, {"box26", V}, {"cppExempt", 1}},
         [](SlipTotals &t) {
             t.t4OtherCount = 0;
             t.t4QppOnlyCount = 1;
             t.t4Box26 = t.t4Box26QppOnly = V;
             t.t4QppExemptSeen = true;
         }},
        {T4, {{"provinceOfEmployment", 11}, {"box26", V}, {"box16", W}},
         [](SlipTotals &t) {
             t.t4Box26 = t.t4Box26Cpp = V;
             t.t4Box16 = W;
         }},
        {T4, {{"provinceOfEmployment", 11}, {"amtA", V}, {"box14", W}, {"box66", 20}, {"box67", 3}},
         [](SlipTotals &t) {
             t.t4OtherCount = 0;
             t.t4QppOnlyCount = 1;
             t.t4AmountA = V;
             t.t4Box14 = t.t4Box14Quebec = W;
             t.t4Box66 = 20;
             t.t4Box67 = 3;
             t.t4QuebecWithAmountA = W + 20 + 3;
         }},

        // T5: the person's share, the whole amount at the default 100 percent
        {T5, {{"box10", V}}, [](SlipTotals &t) { t.t5Box10 = V; }},
        {T5, {{"sharePercent", 25}, {"box10", V}}, [](SlipTotals &t) { t.t5Box10 = V / 4; }},
        {T5, {{"box11", V}}, [](SlipTotals &t) { t.t5Box11 = V; }},
        {T5, {{"box12", V}}, [](SlipTotals &t) { t.t5Box12 = V; }},
        {T5, {{"amtA", V}}, [](SlipTotals &t) { t.t5AmountA = V; }},
        {T5, {{"box13", V}}, [](SlipTotals &t) { t.t5Box13 = V; }},
        {T5, {{"amtB", V}}, [](SlipTotals &t) { t.t5AmountB = V; }},
        {T5, {{"amtC", V}}, [](SlipTotals &t) { t.t5AmountC = V; }},
        {T5, {{"amtD", V}}, [](SlipTotals &t) { t.t5AmountD = V; }},
        {T5, {{"box14", V}}, [](SlipTotals &t) { t.t5Box14 = V; }},
        {T5, {{"box15", V}}, [](SlipTotals &t) { t.t5Box15 = V; }},
        {T5, {{"box16", V}}, [](SlipTotals &t) { t.t5Box16 = V; }},
        {T5, {{"box17", V}}, [](SlipTotals &t) { t.t5Box17 = V; }},
        {T5, {{"box17", V}, {"box17Flag", 1}}, [](SlipTotals &t) { t.t5Box17Flagged = V; }},
        {T5, {{"box18", V}}, [](SlipTotals &t) { t.t5Box18 = V; }},
        {T5, {{"amtE", V}}, [](SlipTotals &t) { t.t5AmountE = V; }},
        {T5, {{"amtE", V}, {"amtEFlag", 1}}, [](SlipTotals &t) { t.t5AmountESenior = V; }},
        {T5, {{"amtE", V}}, [](SlipTotals &t) { t.t5AmountESenior = V; }, true},
        {T5, {{"box24", V}}, [](SlipTotals &t) { t.t5Box24 = V; }},
        {T5, {{"box25", V}}, [](SlipTotals &t) { t.t5Box25 = V; }},
        {T5, {{"box26", V}}, [](SlipTotals &t) { t.t5Box26 = V; }},
        {T5, {{"box34", V}}, [](SlipTotals &t) { t.t5Box34 = V; }},

        // T4E
        {T4E, {{"box7", V}}, [](SlipTotals &t) { t.t4eBox7 = V; }},
        {T4E, {{"box7", -V}}, [](SlipTotals &) {}},
        {T4E, {{"box14", V}}, [](SlipTotals &t) { t.t4eBox14Net = V; }},
        {T4E, {{"box14", V}, {"box18", W}},
         [](SlipTotals &t) {
             t.t4eBox14Net = V - W;
             t.t4eBox18 = W;
         }},
        {T4E, {{"box14", V}, {"box23", W}},
         [](SlipTotals &t) {
             t.t4eBox14Net = t.t4eBox14NetWithBox23 = V;
             t.t4eBox23 = W;
         }},
        {T4E, {{"box14", V}, {"box22", W}},
         [](SlipTotals &t) {
             t.t4eBox14Net = t.t4eBox14WithBox22 = V;
             t.t4eBox22 = W;
         }},
        {T4E, {{"box15", V}}, [](SlipTotals &t) { t.t4eBox15 = V; }},
        {T4E, {{"box17", V}}, [](SlipTotals &t) { t.t4eBox17 = V; }},
        {T4E, {{"box18", V}}, [](SlipTotals &t) { t.t4eBox18 = V; }},
        {T4E, {{"box18", V}, {"flag1", 1}},
         [](SlipTotals &t) {
             t.t4eBox18 = t.t4eBox18Flagged = V;
             t.hasIndianExemptIncome = true;
         }},
        {T4E, {{"flag1", 1}}, [](SlipTotals &t) { t.hasIndianExemptIncome = true; }},
        {T4E, {{"box20", V}}, [](SlipTotals &t) { t.t4eBox20 = V; }},
        {T4E, {{"box21", V}}, [](SlipTotals &t) { t.t4eBox21 = V; }},
        {T4E, {{"box22", V}}, [](SlipTotals &t) { t.t4eBox22 = V; }},
        {T4E, {{"box23", V}}, [](SlipTotals &t) { t.t4eBox23 = V; }},
        {T4E, {{"amtA", V}}, [](SlipTotals &t) { t.t4eAmountA = V; }},
        {T4E, {{"box30", V}}, [](SlipTotals &t) { t.t4eBox30 = V; }},
        {T4E, {{"amtB", V}}, [](SlipTotals &t) { t.t4eAmountB = V; }},
        {T4E, {{"amtB", V}, {"box30", W}}, [](SlipTotals &t) { t.t4eAmountB = V; }},
        {T4E, {{"box33", V}}, [](SlipTotals &t) { t.t4eBox33 = V; }},
        {T4E, {{"amtC", V}}, [](SlipTotals &t) { t.t4eAmountC = V; }},
        {T4E, {{"box37", V}}, [](SlipTotals &t) { t.t4eBox37 = V; }},

        // T4RSP
        {T4RSP, {{"box16", V}}, [](SlipTotals &t) { t.t4rspBox16 = V; }},
        {T4RSP, {{"box16", V}, {"flag1", 1}}, [](SlipTotals &t) { t.t4rspBox16Flagged = V; }},
        {T4RSP, {{"box18", V}}, [](SlipTotals &t) { t.t4rspBox18 = V; }},
        {T4RSP, {{"box20", V}}, [](SlipTotals &t) { t.t4rspBox20 = V; }},
        {T4RSP, {{"box20", V}, {"flag2", 1}},
         [](SlipTotals &t) { t.t4rspBox20 = t.t4rspFlaggedWithdrawals = V; }},
        {T4RSP, {{"box22", V}}, [](SlipTotals &t) { t.t4rspBox22 = V; }},
        {T4RSP, {{"box22", V}, {"flag2", 1}},
         [](SlipTotals &t) { t.t4rspBox22 = t.t4rspFlaggedWithdrawals = V; }},
        {T4RSP, {{"box25", V}}, [](SlipTotals &t) { t.t4rspBox25 = V; }},
        {T4RSP, {{"box25", V}, {"flag2", 1}}, [](SlipTotals &t) { t.t4rspBox25 = V; }},
        {T4RSP, {{"box26", V}}, [](SlipTotals &t) { t.t4rspBox26 = V; }},
        {T4RSP, {{"box26", V}, {"flag2", 1}},
         [](SlipTotals &t) { t.t4rspBox26 = t.t4rspFlaggedWithdrawals = V; }},
        {T4RSP, {{"box27", V}}, [](SlipTotals &t) { t.t4rspBox27 = V; }},
        {T4RSP, {{"box28", V}}, [](SlipTotals &t) { t.t4rspBox28Positive = V; }},
        {T4RSP, {{"box28", -V}}, [](SlipTotals &t) { t.t4rspBox28Negative = V; }},
        {T4RSP, {{"box30", V}}, [](SlipTotals &t) { t.t4rspBox30 = V; }},
        {T4RSP, {{"box34", V}}, [](SlipTotals &t) { t.t4rspBox34 = V; }},
        {T4RSP, {{"box37", V}}, [](SlipTotals &) {}},

        // T4A(OAS)
        {T4AOAS, {{"box18", V}}, [](SlipTotals &t) { t.oasBox18 = V; }},
        {T4AOAS, {{"box19", V}}, [](SlipTotals &t) { t.oasBox19 = V; }},
        {T4AOAS, {{"box20", V}}, [](SlipTotals &t) { t.oasBox20 = V; }},
        {T4AOAS, {{"box21", V}}, [](SlipTotals &t) { t.oasBox21 = V; }},
        {T4AOAS, {{"box22", V}}, [](SlipTotals &t) { t.oasBox22 = V; }},
        {T4AOAS, {{"box23", V}}, [](SlipTotals &t) { t.oasBox23 = V; }},

        // T4A(P): the maxima move only on a slip with box 14 or box 16
        {T4AP, {{"box14", V}}, [](SlipTotals &t) { t.t4apBox14 = V; }},
        {T4AP, {{"box14", V}, {"flag3", 1}},
         [](SlipTotals &t) {
             t.t4apBox14 = V;
             t.t4apBox14Flagged = true;
         }},
        {T4AP, {{"box15", V}}, [](SlipTotals &t) { t.t4apBox15 = V; }},
        {T4AP, {{"box16", V}}, [](SlipTotals &t) { t.t4apBox16 = V; }},
        {T4AP, {{"box17", V}}, [](SlipTotals &t) { t.t4apBox17 = V; }},
        {T4AP, {{"box18", V}},
         [](SlipTotals &t) {
             t.t4apBox18 = t.t4apBox18WithBox22 = V;
             t.t4apBox20LessBox18 = -V;
         }},
        {T4AP, {{"box19", V}}, [](SlipTotals &t) { t.t4apBox19 = V; }},
        {T4AP, {{"box20", V}}, [](SlipTotals &t) { t.t4apBox20LessBox18 = V; }},
        {T4AP, {{"box20", V}, {"flag2", 1}},
         [](SlipTotals &t) {
             t.t4apBox20LessBox18 = t.t4apBox20Flagged = V;
             t.hasIndianExemptIncome = true;
         }},
        {T4AP, {{"flag2", 1}}, [](SlipTotals &t) { t.hasIndianExemptIncome = true; }},
        {T4AP, {{"box21", V}}, [](SlipTotals &) {}},
        {T4AP, {{"box21", V}, {"box14", W}},
         [](SlipTotals &t) {
             t.t4apMaxBox21 = t.t4apMaxBox21Unflagged = V;
             t.t4apBox14 = W;
         }},
        {T4AP, {{"box21", V}, {"box16", W}, {"flag1", 1}},
         [](SlipTotals &t) {
             t.t4apMaxBox21 = V;
             t.t4apBox16 = W;
         }},
        {T4AP, {{"box22", V}}, [](SlipTotals &t) { t.t4apBox22 = V; }},
        {T4AP, {{"box22", V}, {"box18", W}},
         [](SlipTotals &t) {
             t.t4apBox22 = V;
             t.t4apBox18 = t.t4apBox18WithBox22 = W;
             t.t4apBox20LessBox18 = -W;
         }},
        {T4AP, {{"amtA", V}}, [](SlipTotals &t) { t.t4apAmountA = V; }},
        {T4AP, {{"amtA", V}, {"box20", W}},
         [](SlipTotals &t) {
             t.t4apAmountA = V;
             t.t4apBox20WithAmountA = t.t4apBox20LessBox18 = W;
         }},
        {T4AP, {{"amtA", -V}}, [](SlipTotals &) {}},
        {T4AP, {{"box23", V}}, [](SlipTotals &) {}},
        {T4AP, {{"box23", V}, {"box16", W}},
         [](SlipTotals &t) {
             t.t4apMaxBox23 = t.t4apMaxBox23Unflagged = V;
             t.t4apBox16 = W;
         }},
        {T4AP, {{"box23", V}, {"box14", W}, {"flag1", 1}},
         [](SlipTotals &t) {
             t.t4apMaxBox23 = V;
             t.t4apBox14 = W;
         }},

        // T4A, for a person under 65 unless the row says otherwise
        {T4A, {{"box16", V}}, [](SlipTotals &t) { t.t4aBox16 = V; }},
        {T4A, {{"box16", V}, {"box22", W}, {"box18", 100}},
         [](SlipTotals &t) {
             t.t4aBox16 = V;
             t.t4aBox22 = W;
             t.t4aBox18 = t.t4aIncomeWithTaxDeducted = 100;
             t.pensionTaxDeducted = W * V / (V + 100);
         }},
        {T4A, {{"box16", V}, {"box22", W}, {"box18", 100}, {"flag3", 1}},
         [](SlipTotals &t) {
             t.t4aBox16 = V;
             t.t4aBox22 = W;
             t.t4aBox18 = 100;
             t.pensionTaxDeducted = W * V / (V + 100);
         }},
        {T4A, {{"box18", V}}, [](SlipTotals &t) { t.t4aBox18 = V; }},
        {T4A, {{"box18", V}, {"box22", W}},
         [](SlipTotals &t) {
             t.t4aBox18 = t.t4aIncomeWithTaxDeducted = V;
             t.t4aBox22 = W;
         }},
        {T4A, {{"box18", V}, {"box22", W}, {"flag3", 1}},
         [](SlipTotals &t) {
             t.t4aBox18 = t.t4aIncomeWithTaxDeducted = V;
             t.t4aBox22 = W;
         }},
        {T4A, {{"box20", V}}, [](SlipTotals &t) { t.t4aBox20 = V; }},
        {T4A, {{"box22", V}}, [](SlipTotals &t) { t.t4aBox22 = V; }},
        {T4A, {{"box24", V}}, [](SlipTotals &t) { t.t4aBox24 = V; }},
        {T4A, {{"box24", V}, {"flag1", 1}}, [](SlipTotals &t) { t.t4aBox24Senior = V; }},
        {T4A, {{"box24", V}}, [](SlipTotals &t) { t.t4aBox24Senior = V; }, true},
        {T4A, {{"box24", V}, {"flag4", 1}}, [](SlipTotals &t) { t.t4aBox24 = t.t4aBox24Flag4 = V; }},
        {T4A, {{"box28", V}}, [](SlipTotals &t) { t.t4aBox28 = V; }},
        {T4A, {{"box28", V}, {"flag6", 1}}, [](SlipTotals &t) { t.t4aBox28Flag6 = V; }},
        {T4A, {{"box28", V}, {"flag5", 1}}, [](SlipTotals &) {}},
        {T4A, {{"box28", V}, {"flag5", 1}, {"flag6", 1}}, [](SlipTotals &) {}},
        {T4A, {{"amtA", V}}, [](SlipTotals &t) { t.t4aAmountA = V; }},
        {T4A, {{"amtB", V}}, [](SlipTotals &t) { t.t4aAmountB = V; }},
        {T4A, {{"box30", V}}, [](SlipTotals &t) { t.t4aBox30 = V; }},
        {T4A, {{"box30", V}, {"flag7", 1}}, [](SlipTotals &) {}},
        // Box 32 has no member of its own.
        {T4A, {{"box32", V}}, [](SlipTotals &) {}},
        {T4A, {{"box37", V}}, [](SlipTotals &) {}},
        {T4A, {{"amtC", V}}, [](SlipTotals &t) { t.t4aAmountC = V; }},
        {T4A, {{"amtC", V}, {"flag8", 1}}, [](SlipTotals &) {}},
        {T4A, {{"box34", V}}, [](SlipTotals &t) { t.t4aBox34 = V; }},
        {T4A, {{"box40", V}}, [](SlipTotals &t) { t.t4aBox40 = V; }},
        {T4A, {{"box42", V}}, [](SlipTotals &t) { t.t4aBox42 = V; }},
        {T4A, {{"box46", V}}, [](SlipTotals &t) { t.t4aBox46 = V; }},
        {T4A, {{"box48", V}}, [](SlipTotals &t) { t.t4aBox48 = V; }},
        {T4A, {{"box104", V}}, [](SlipTotals &t) { t.t4aBox104Net = V; }},
        {T4A, {{"box104", V}, {"amtD", W}}, [](SlipTotals &t) { t.t4aBox104Net = V - W; }},
        {T4A, {{"amtD", V}}, [](SlipTotals &) {}},
        {T4A, {{"box105", V}},
         [](SlipTotals &t) {
             t.t4aBox105Basic = V;
             t.t4aScholarshipTaxable = V - 500;
         }},
        {T4A, {{"box105", 400}}, [](SlipTotals &t) { t.t4aBox105Basic = 400; }},
        {T4A, {{"box105", V}, {"box105Kind", 1}}, [](SlipTotals &t) { t.t4aBox105Exempt = V; }},
        {T4A, {{"box105", V}, {"box105Kind", 2}},
         [](SlipTotals &t) { t.t4aBox105Taxable = t.t4aScholarshipTaxable = V; }},
        {T4A, {{"box106", V}}, [](SlipTotals &t) { t.t4aBox106 = V; }},
        {T4A, {{"box107", V}}, [](SlipTotals &t) { t.t4aBox107 = V; }},
        {T4A, {{"box109", V}}, [](SlipTotals &t) { t.t4aBox109 = V; }},
        {T4A, {{"amtE", V}}, [](SlipTotals &t) { t.t4aAmountE = V; }},
        {T4A, {{"amtF", V}}, [](SlipTotals &t) { t.t4aAmountF = V; }},
        {T4A, {{"box118", V}}, [](SlipTotals &t) { t.t4aBox118 = V; }},
        {T4A, {{"box119", V}}, [](SlipTotals &t) { t.t4aBox119 = V; }},
        {T4A, {{"amtG", V}}, [](SlipTotals &t) { t.t4aAmountG = V; }},
        {T4A, {{"box124", V}}, [](SlipTotals &t) { t.t4aBox124KindZero = V; }},
        {T4A, {{"box124", V}, {"box124Kind", 1}}, [](SlipTotals &t) { t.t4aBox124KindOne = V; }},
        {T4A, {{"box124", V}, {"box124Kind", 2}}, [](SlipTotals &) {}},
        {T4A, {{"box125", V}}, [](SlipTotals &t) { t.t4aBox125 = V; }},
        {T4A, {{"box127", V}}, [](SlipTotals &t) { t.t4aBox127 = V; }},
        {T4A, {{"box128", V}}, [](SlipTotals &t) { t.t4aBox128 = V; }},
        {T4A, {{"amtH", V}}, [](SlipTotals &t) { t.t4aAmountH = V; }},
        {T4A, {{"amtI", V}}, [](SlipTotals &t) { t.t4aAmountI = V; }},
        {T4A, {{"box131", V}}, [](SlipTotals &t) { t.t4aBox131 = V; }},
        {T4A, {{"amtJ", V}}, [](SlipTotals &t) { t.t4aAmountJ = V; }},
        {T4A, {{"amtK", V}}, [](SlipTotals &t) { t.t4aAmountK = V; }},
        {T4A, {{"amtK", V}, {"flag1", 1}}, [](SlipTotals &t) { t.t4aAmountKSenior = V; }},
        {T4A, {{"amtK", V}}, [](SlipTotals &t) { t.t4aAmountKSenior = V; }, true},
        {T4A, {{"amtL", V}}, [](SlipTotals &t) { t.t4aAmountL = V; }},
        {T4A, {{"box135", V}}, [](SlipTotals &t) { t.t4aBox135 = V; }},
        {T4A, {{"box135", V}, {"flag9", 1}},
         [](SlipTotals &t) { t.t4aBox135 = t.t4aBox135Flag9 = V; }},
        {T4A, {{"amtM1", V}}, [](SlipTotals &t) { t.t4aAmountM1 = V; }},
        {T4A, {{"amtM2", V}}, [](SlipTotals &t) { t.t4aAmountM2 = V; }},
        {T4A, {{"amtM3", V}}, [](SlipTotals &t) { t.t4aAmountM3 = V; }},
        {T4A, {{"amtM4", V}}, [](SlipTotals &t) { t.t4aAmountM4 = V; }},
        {T4A, {{"amtM5", V}}, [](SlipTotals &t) { t.t4aAmountM5 = V; }},
        {T4A, {{"amtN", V}}, [](SlipTotals &t) { t.t4aAmountN = V; }},
        {T4A, {{"amtN", V}, {"flag1", 1}}, [](SlipTotals &t) { t.t4aAmountNSenior = V; }},
        {T4A, {{"amtN", V}}, [](SlipTotals &t) { t.t4aAmountNSenior = V; }, true},
        {T4A, {{"box196", V}}, [](SlipTotals &) {}},
        {T4A, {{"box197", V}}, [](SlipTotals &t) { t.t4aBox197 = V; }},
        {T4A, {{"box197", V}, {"flag2", 1}}, [](SlipTotals &t) { t.t4aBox197And203Flagged = V; }},
        {T4A, {{"box198", V}}, [](SlipTotals &t) { t.t4aBox198 = V; }},
        {T4A, {{"box199", V}}, [](SlipTotals &t) { t.t4aBox199 = V; }},
        {T4A, {{"box200", V}}, [](SlipTotals &t) { t.t4aBox200 = V; }},
        {T4A, {{"box201", V}}, [](SlipTotals &t) { t.t4aBox201 = V; }},
        {T4A, {{"box202", V}}, [](SlipTotals &t) { t.t4aBox202 = V; }},
        {T4A, {{"box203", V}}, [](SlipTotals &t) { t.t4aBox203 = V; }},
        {T4A, {{"box203", V}, {"flag2", 1}}, [](SlipTotals &t) { t.t4aBox197And203Flagged = V; }},
        {T4A, {{"box204", V}}, [](SlipTotals &t) { t.t4aBox204 = V; }},
        {T4A, {{"amtO", V}}, [](SlipTotals &t) { t.t4aAmountO = V; }},
        {T4A, {{"box210", V}}, [](SlipTotals &t) { t.t4aBox210 = V; }},
        {T4A, {{"box211", V}}, [](SlipTotals &t) { t.t4aBox211 = V; }},
        // With tax deducted (box 22), these boxes also make up the income with tax deducted.
        WITH_TAX_DEDUCTED("box28", t4aBox28),
        WITH_TAX_DEDUCTED("box30", t4aBox30),
        WITH_TAX_DEDUCTED("box40", t4aBox40),
        WITH_TAX_DEDUCTED("box107", t4aBox107),
        WITH_TAX_DEDUCTED("box127", t4aBox127),
        WITH_TAX_DEDUCTED("box198", t4aBox198),
        WITH_TAX_DEDUCTED("box199", t4aBox199),
        WITH_TAX_DEDUCTED("box200", t4aBox200),
        {T4A, {{"box22", W}, {"box201", V}},
         [](SlipTotals &t) {
             t.t4aBox22 = W;
             t.t4aBox201 = V;
         }},
        WITH_TAX_DEDUCTED("box202", t4aBox202),
        WITH_TAX_DEDUCTED("box203", t4aBox203),
        WITH_TAX_DEDUCTED("box204", t4aBox204),
        WITH_TAX_DEDUCTED("box211", t4aBox211),
        {T4A, {{"box22", W}, {"box105", V}},
         [](SlipTotals &t) {
             t.t4aBox22 = W;
             t.t4aBox105Basic = V;
             t.t4aScholarshipTaxable = t.t4aIncomeWithTaxDeducted = V - 500;
         }},
        {T4A, {{"box22", W}, {"box105", V}, {"box105Kind", 1}},
         [](SlipTotals &t) {
             t.t4aBox22 = W;
             t.t4aBox105Exempt = V;
         }},
        {T4A, {{"box22", W}, {"box105", V}, {"box105Kind", 2}},
         [](SlipTotals &t) {
             t.t4aBox22 = W;
             t.t4aBox105Taxable = t.t4aScholarshipTaxable = t.t4aIncomeWithTaxDeducted = V;
         }},

        // T4RIF, for a person under 65 unless the row says otherwise
        {T4RIF, {{"box16", V}}, [](SlipTotals &t) { t.t4rifBox16 = V; }},
        {T4RIF, {{"box16", V}, {"flag1", 1}}, [](SlipTotals &t) { t.t4rifBox16Senior = V; }},
        {T4RIF, {{"box16", V}}, [](SlipTotals &t) { t.t4rifBox16Senior = V; }, true},
        {T4RIF, {{"box16", V}, {"box28", W}},
         [](SlipTotals &t) {
             t.t4rifBox16 = t.t4rifTaxedNotSenior = V;
             t.t4rifBox28 = W;
         }},
        {T4RIF, {{"box16", V}, {"box28", W}, {"flag1", 1}},
         [](SlipTotals &t) {
             t.t4rifBox16Senior = V;
             t.t4rifBox28 = t.pensionTaxDeducted = W;
         }},
        {T4RIF, {{"box18", V}}, [](SlipTotals &t) { t.t4rifBox18 = V; }},
        {T4RIF, {{"box20", V}}, [](SlipTotals &t) { t.t4rifBox20 = V; }},
        {T4RIF, {{"box20", V}, {"flag1", 1}}, [](SlipTotals &t) { t.t4rifBox20Senior = V; }},
        {T4RIF, {{"box22", V}}, [](SlipTotals &t) { t.t4rifBox22 = V; }},
        {T4RIF, {{"box22", V}, {"flag1", 1}}, [](SlipTotals &t) { t.t4rifBox22Senior = V; }},
        {T4RIF, {{"box22", V}, {"flag2", 1}}, [](SlipTotals &t) { t.t4rifBox22 = V; }},
        {T4RIF, {{"box22", V}, {"flag2", 1}}, [](SlipTotals &t) { t.t4rifBox22Senior = V; }, true},
        {T4RIF, {{"box22", V}}, [](SlipTotals &t) { t.t4rifBox22 = V; }, true},
        {T4RIF, {{"box22", -V}}, [](SlipTotals &t) { t.t4rifBox22Negative = V; }},
        {T4RIF, {{"box22", V}, {"box28", W}},
         [](SlipTotals &t) {
             t.t4rifBox22 = t.t4rifTaxedNotSenior = V;
             t.t4rifBox28 = W;
         }},
        {T4RIF, {{"box24", V}}, [](SlipTotals &t) { t.t4rifBox24 = V; }},
        {T4RIF, {{"box28", V}}, [](SlipTotals &t) { t.t4rifBox28 = V; }},
        {T4RIF, {{"box37", V}}, [](SlipTotals &) {}},
        {T4RIF, {{"amtA", V}}, [](SlipTotals &t) { t.t4rifAmountA = V; }},
        {T4RIF, {{"amtA", V}, {"box16", W}},
         [](SlipTotals &t) {
             t.t4rifAmountA = V;
             t.t4rifBox16 = t.t4rifBox16WithAmountA = W;
         }},

        // T2202: four periods of part-time months, full-time months and fees
        {T2202, {{"periods:0:0", 3}}, [](SlipTotals &t) { t.t2202PartTimeMonths = 3; }},
        {T2202, {{"periods:3:0", 3}}, [](SlipTotals &t) { t.t2202PartTimeMonths = 3; }},
        {T2202, {{"periods:0:1", 5}}, [](SlipTotals &t) { t.t2202FullTimeMonths = 5; }},
        {T2202, {{"periods:3:1", 5}}, [](SlipTotals &t) { t.t2202FullTimeMonths = 5; }},
        {T2202, {{"periods:0:2", V}}, [](SlipTotals &t) { t.t2202FeesFullTime = V; }},
        {T2202, {{"periods:1:2", V}}, [](SlipTotals &t) { t.t2202FeesFullTime = V; }},
        {T2202, {{"periods:2:2", V}}, [](SlipTotals &t) { t.t2202FeesFullTime = V; }},
        {T2202, {{"periods:3:2", V}}, [](SlipTotals &t) { t.t2202FeesFullTime = V; }},
        {T2202, {{"periods:1:0", 2}, {"periods:1:2", V}},
         [](SlipTotals &t) {
             t.t2202PartTimeMonths = 2;
             t.t2202FeesPartTime = V;
         }},
        {T2202, {{"periods:2:1", 4}, {"periods:2:2", V}},
         [](SlipTotals &t) {
             t.t2202FullTimeMonths = 4;
             t.t2202FeesFullTime = V;
         }},

        // T5003 and T5007
        {T5003, {{"amtA", V}}, [](SlipTotals &t) { t.t5003AmountA = V; }},
        {T5007, {{"box10", V}}, [](SlipTotals &t) { t.t5007Box10 = V; }},
        {T5007, {{"box10", V}, {"flag1", 1}},
         [](SlipTotals &t) {
             t.t5007Box10Exempt = V;
             t.hasIndianExemptIncome = true;
         }},
        {T5007, {{"flag1", 1}}, [](SlipTotals &t) { t.hasIndianExemptIncome = true; }},
        {T5007, {{"box11", V}}, [](SlipTotals &t) { t.t5007Box11 = V; }},
        {T5007, {{"box11", V}, {"kind", 3}, {"amtA", 0.75}},
         [](SlipTotals &t) {
             t.t5007Box11 = V;
             t.t5007KindThreeSeen = true;
             t.t5007MinRatio = 0.75;
         }},
        {T5007, {{"amtA", 0.75}}, [](SlipTotals &) {}},
        {T5007, {{"amtA", V}, {"kind", 3}}, [](SlipTotals &) {}},
        {T5007, {{"kind", 3}}, [](SlipTotals &t) { t.t5007MinRatio = 0; }},

        // T5013: the person's percentage (box 5) of each amount
        {T5013, {{"box5", P}}, [](SlipTotals &) {}},
        {T5013, {{"amtA", V}}, [](SlipTotals &) {}},
        {T5013, {{"box5", P}, {"amtA", V}}, [](SlipTotals &t) { t.t5013A = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtB", V}}, [](SlipTotals &t) { t.t5013B = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtC", V}}, [](SlipTotals &t) { t.t5013C = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtD", V}}, [](SlipTotals &t) { t.t5013D = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtE", V}}, [](SlipTotals &t) { t.t5013E = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtF", V}}, [](SlipTotals &t) { t.t5013F = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtG", V}}, [](SlipTotals &t) { t.t5013G = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtH", V}}, [](SlipTotals &t) { t.t5013H = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtI", V}}, [](SlipTotals &t) { t.t5013I = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtJ", V}}, [](SlipTotals &t) { t.t5013J = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtK", V}}, [](SlipTotals &t) { t.t5013K = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtL", V}}, [](SlipTotals &t) { t.t5013L = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtM", V}}, [](SlipTotals &t) { t.t5013M = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtN", V}}, [](SlipTotals &t) { t.t5013N = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtO", V}}, [](SlipTotals &t) { t.t5013O = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtP", V}}, [](SlipTotals &t) { t.t5013P = P * V / 100; }},
        {T5013, {{"box5", P}, {"box137", V}}, [](SlipTotals &t) { t.t5013Box137 = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtQ", V}}, [](SlipTotals &t) { t.t5013Q = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtR", V}}, [](SlipTotals &t) { t.t5013R = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtR", V}, {"flag1", 1}},
         [](SlipTotals &t) { t.t5013RFlagged = P * V / 100; }},
        {T5013, {{"box5", P}, {"box151", V}}, [](SlipTotals &t) { t.t5013Box151 = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtS", V}}, [](SlipTotals &t) { t.t5013S = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtT", V}}, [](SlipTotals &t) { t.t5013T = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtU", V}}, [](SlipTotals &t) { t.t5013U = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtV", V}}, [](SlipTotals &t) { t.t5013V = P * V / 100; }},
        {T5013, {{"box5", P}, {"amtW", V}}, [](SlipTotals &t) { t.t5013W = P * V / 100; }},

        // T4PS
        {T4PS, {{"amtA", V}}, [](SlipTotals &t) { t.t4psA = V; }},
        {T4PS, {{"amtB", V}}, [](SlipTotals &t) { t.t4psB = V; }},
        {T4PS, {{"amtC", V}}, [](SlipTotals &t) { t.t4psC = V; }},
        {T4PS, {{"amtD", V}}, [](SlipTotals &t) { t.t4psD = V; }},
        {T4PS, {{"amtE", V}}, [](SlipTotals &t) { t.t4psE = V; }},
        {T4PS, {{"amtF", V}}, [](SlipTotals &t) { t.t4psF = V; }},
        {T4PS, {{"amtG", V}}, [](SlipTotals &t) { t.t4psG = V; }},
        {T4PS, {{"amtG", V}, {"flag1", 1}}, [](SlipTotals &t) { t.t4psGFlagged = V; }},
        {T4PS, {{"amtH", V}}, [](SlipTotals &t) { t.t4psH = V; }},
        {T4PS, {{"amtI", V}}, [](SlipTotals &t) { t.t4psI = V; }},
        {T4PS, {{"amtJ", V}}, [](SlipTotals &t) { t.t4psJ = V; }},
        {T4PS, {{"amtK", V}}, [](SlipTotals &t) { t.t4psK = V; }},
        {T4PS, {{"amtL", V}}, [](SlipTotals &t) { t.t4psL = V; }},
        {T4PS, {{"amtM", V}}, [](SlipTotals &t) { t.t4psM = V; }},

        // T5006
        {T5006, {{"amtA", V}}, [](SlipTotals &t) { t.t5006NetAB = V; }},
        {T5006, {{"amtA", V}, {"amtB", W}}, [](SlipTotals &t) { t.t5006NetAB = V - W; }},
        {T5006, {{"amtB", V}}, [](SlipTotals &) {}},
        {T5006, {{"amtC", V}}, [](SlipTotals &t) { t.t5006NetCD = V; }},
        {T5006, {{"amtC", V}, {"amtD", W}}, [](SlipTotals &t) { t.t5006NetCD = V - W; }},
        {T5006, {{"amtD", V}}, [](SlipTotals &) {}},
        {T5006, {{"amtE", V}}, [](SlipTotals &t) { t.t5006E = V; }},

        // T4A-RCA
        {T4ARCA, {{"amtA", V}}, [](SlipTotals &t) { t.t4arcaA = V; }},
        {T4ARCA, {{"amtB", V}}, [](SlipTotals &t) { t.t4arcaB = V; }},
        {T4ARCA, {{"amtC", V}}, [](SlipTotals &t) { t.t4arcaC = V; }},
        {T4ARCA, {{"amtD", V}}, [](SlipTotals &t) { t.t4arcaD = V; }},
        {T4ARCA, {{"amtE", V}}, [](SlipTotals &t) { t.t4arcaE = V; }},
        {T4ARCA, {{"amtF", V}}, [](SlipTotals &t) { t.t4arcaF = V; }},
        {T4ARCA, {{"amtG", V}}, [](SlipTotals &t) { t.t4arcaG = V; }},

        // T1204, Manitoba shelter benefit, PRPP
        {T1204, {}, [](SlipTotals &) {}},
        {T1204, {{"box82", V}}, [](SlipTotals &t) { t.t1204Box82 = V; }},
        {T1204, {{"box84", V}}, [](SlipTotals &t) { t.t1204Box84 = V; }},
        {MBSHELTERASSIST, {{"benefit", V}}, [](SlipTotals &t) { t.mbShelterBenefit = V; }},
        {PRPP, {{"employeeCurrentYear", V}}, [](SlipTotals &t) { t.prppEmployeeCurrentYear = V; }},
        {PRPP, {{"employeePriorYear", V}}, [](SlipTotals &t) { t.prppEmployeePriorYear = V; }},
        {PRPP, {{"employer", V}}, [](SlipTotals &t) { t.prppEmployer = V; }},
        {PRPP, {{"exemptCurrentYear", V}}, [](SlipTotals &t) { t.prppExemptCurrentYear = V; }},
        {PRPP, {{"exemptPriorYear", V}}, [](SlipTotals &t) { t.prppExemptPriorYear = V; }},

        // NR4: amount A multiplies the others
        {NR4, {{"amtA", V}}, [](SlipTotals &) {}},
        {NR4, {{"amtB", V}}, [](SlipTotals &) {}},
        {NR4, {{"amtA", 2}, {"amtB", V}}, [](SlipTotals &t) { t.nr4B = 2 * V; }},
        {NR4, {{"amtA", 2}, {"amtC", V}}, [](SlipTotals &t) { t.nr4C = 2 * V; }},
        {NR4, {{"amtA", 2}, {"amtD", V}}, [](SlipTotals &t) { t.nr4D = 2 * V; }},
        {NR4, {{"amtA", 2}, {"amtE", V}}, [](SlipTotals &t) { t.nr4E = 2 * V; }},

        // T4FHSA
        {T4FHSA, {{"box18", V}}, [](SlipTotals &t) { t.fhsaBox18 = V; }},
        {T4FHSA, {{"box20", V}}, [](SlipTotals &t) { t.fhsaBox20 = V; }},
        {T4FHSA, {{"box22", V}}, [](SlipTotals &t) { t.fhsaBox22 = V; }},
        {T4FHSA, {{"box24", V}}, [](SlipTotals &t) { t.fhsaBox24 = V; }},
        {T4FHSA, {{"box26", V}}, [](SlipTotals &t) { t.fhsaBox26 = V; }},
        {T4FHSA, {{"box26", V}, {"flag1", 1}}, [](SlipTotals &t) { t.fhsaBox26Flagged = V; }},
        {T4FHSA, {{"box28", V}}, [](SlipTotals &t) { t.fhsaBox28 = V; }},
        {T4FHSA, {{"box30", V}}, [](SlipTotals &t) { t.fhsaBox30 = V; }},
        {T4FHSA, {{"box32", V}}, [](SlipTotals &t) { t.fhsaBox32 = V; }},
        {T4FHSA, {{"box34", V}}, [](SlipTotals &t) { t.fhsaBox34 = V; }},
        {T4FHSA, {{"box36", V}}, [](SlipTotals &t) { t.fhsaBox36 = V; }},
        {T4FHSA, {{"box38", V}}, [](SlipTotals &t) { t.fhsaBox38 = V; }},
    };
    return table;
}

// "T4 box22+box66=234.56 at 65": the slip, its fields (with the value unless it is the amount
// under test or a flag's 1) and the age where it matters.
QByteArray routeName(const Route &route)
{
    QStringList fields;
    for (const auto &value : route.values) {
        fields << (value.second == V || value.second == 1
                       ? QString(value.first)
                       : QString("%1=%2").arg(value.first).arg(value.second));
    }
    QString name =
        QString("%1 %2").arg(slipName(route.code), fields.isEmpty() ? "empty" : fields.join('+'));
    if (route.senior)
        name += " at 65";
    return name.toUtf8();
}

// Each member that differs: "t4Box14: 0, expected 1234.56".
QStringList differences(const SlipTotals &got, const SlipTotals &expected)
{
    QStringList out;
    for (const Member &m : members()) {
        const double g = m.get(got);
        const double e = m.get(expected);
        if (std::fabs(g - e) > 1e-9)
            out << QString("%1: %2, expected %3").arg(m.name).arg(g, 0, 'g', 12).arg(e, 0, 'g', 12);
    }
    return out;
}

// The boxes, lettered amounts and named amounts of each slip class in slip order, as the
// slip-totals rules place them. Box 196 (T4A) and box 37 (T4RIF) only mark a place there; the
// classes have no such box. The T4F flag's place follows amount J.
const std::vector<std::pair<int, std::vector<const char *>>> &slipOrders()
{
    using namespace SlipType;
    static const std::vector<std::pair<int, std::vector<const char *>>> orders = {
        {T4, {"box14", "box16", "box16A",  "box17", "box17A", "box18", "box20", "box22", "amtA",
              "box24", "box26", "amtB",    "amtC",  "amtD",   "box30", "amtE",  "amtF",  "amtG",
              "box42", "amtH",  "box44",   "box46", "amtI",   "box52", "box55", "box66", "box67",
              "box71", "amtJ",  "t4fFlag", "box85", "box87",  "amtK",  "box90", "box91", "box92"}},
        {T4A,
         {"box16",  "box18",  "box20",  "box22",  "box24",  "box28",  "amtA",   "amtB",   "box30",
          "box32",  "amtC",   "box34",  "box37",  "box40",  "box42",  "box46",  "box48",  "box104",
          "amtD",   "box105", "box106", "box107", "box109", "amtE",   "amtF",   "box118", "box119",
          "amtG",   "box124", "box125", "box127", "box128", "amtH",   "amtI",   "box131", "amtJ",
          "amtK",   "amtL",   "box135", "amtM1",  "amtM2",  "amtM3",  "amtM4",  "amtM5",  "amtN",
          "box196", "box197", "box198", "box199", "box200", "box201", "box202", "box203", "box204",
          "amtO",   "box210", "box211"}},
        {T4AP,
         {"box14", "box15", "box16", "box17", "box18", "box19", "box20", "box21", "box22", "amtA",
          "box23"}},
        {T4RSP,
         {"box16", "box18", "box20", "box22", "box25", "box26", "box27", "box28", "box30", "box34",
          "box37"}},
        {T4E,
         {"box7", "box14", "box15", "box17", "box18", "box20", "box21", "box22", "box23", "amtA",
          "box30", "amtB", "box33", "amtC", "box37"}},
        {T4AOAS, {"box18", "box19", "box20", "box21", "box22", "box23"}},
        {T4RIF, {"box16", "box18", "box20", "box22", "box24", "box28", "box37", "amtA"}},
        {T5,
         {"box10", "box11", "box12", "amtA", "box13", "amtB", "amtC", "amtD", "box14", "box15",
          "box16", "box17", "box18", "amtE", "box24", "box25", "box26", "box34"}},
        {T3, {"box21", "amtA",  "box23", "amtB",  "box25", "box26", "box30",
              "amtC",  "box32", "amtD",  "box34", "amtE",  "amtF",  "box38",
              "box39", "box49", "box50", "box51", "box55", "box57", "box59"}},
        {T5003, {"amtA"}},
        {T5007, {"box10", "box11", "amtA"}},
        {T5013, {"box5", "amtA", "amtB",   "amtC", "amtD", "amtE", "amtF", "amtG", "amtH",
                 "amtI", "amtJ", "amtK",   "amtL", "amtM", "amtN", "amtO", "amtP", "box137",
                 "amtQ", "amtR", "box151", "amtS", "amtT", "amtU", "amtV", "amtW"}},
        {T4PS,
         {"amtA", "amtB", "amtC", "amtD", "amtE", "amtF", "amtG", "amtH", "amtI", "amtJ", "amtK",
          "amtL", "amtM"}},
        {T4ARCA, {"amtA", "amtB", "amtC", "amtD", "amtE", "amtF", "amtG"}},
        {T5006, {"amtA", "amtB", "amtC", "amtD", "amtE"}},
        {RC62, {"box10", "box12"}},
        {RC210, {"box10", "box11"}},
        {MBSHELTERASSIST, {"benefit"}},
        {PRPP,
         {"employeeCurrentYear", "employeePriorYear", "employer", "exemptCurrentYear",
          "exemptPriorYear"}},
        {T1204, {"box82", "box84"}},
        {NR4, {"amtA", "amtB", "amtC", "amtD", "amtE"}},
        {T2202, {"periods"}},
        {T4FHSA,
         {"box18", "box20", "box22", "box24", "box26", "box28", "box30", "box32", "box34", "box36",
          "box38"}},
    };
    return orders;
}

// A slip's amounts: every amount field but the shares the pre-sum operation works out.
bool isSlipAmount(const CField &field)
{
    static const QRegularExpression share("Share$");
    if (field.type() == FieldType::Table) {
        // A table of texts only (the tuition session dates) holds no amount.
        const auto &table = static_cast<const CTableField &>(field);
        for (int column = 0; column < table.columnCount(); ++column) {
            if (table.columnType(column) != FieldType::String)
                return true;
        }
        return false;
    }
    return field.type() == FieldType::Float && field.name() != "sharePercent" &&
           !share.match(QString(field.name())).hasMatch();
}
} // namespace

class TestSlipRouting : public QObject
{
    Q_OBJECT
private slots:
    void memberTableCoversTheRecord();
    void routes_data();
    void routes();
    void everySlipAmountHasARoute();
    void amountsInSlipOrder_data();
    void amountsInSlipOrder();
    void blocksInAnotherFieldOrderRead();
};

// The table lists every member in declaration order exactly when laying them out one after the
// other gives each its real place and the record its size.
void TestSlipRouting::memberTableCoversTheRecord()
{
    size_t offset = 0;
    size_t maxAlign = 1;
    std::set<QByteArray> names;
    for (const Member &m : members()) {
        QVERIFY2(names.insert(m.name).second, m.name);
        offset = (offset + m.align - 1) / m.align * m.align;
        QVERIFY2(m.offset == offset,
                 qPrintable(QString("%1 lies at %2, the table expects %3: a member is missing "
                                    "before it")
                                .arg(m.name)
                                .arg(m.offset)
                                .arg(offset)));
        offset += m.size;
        maxAlign = std::max(maxAlign, m.align);
    }
    offset = (offset + maxAlign - 1) / maxAlign * maxAlign;
    QCOMPARE(offset, sizeof(SlipTotals));
}

void TestSlipRouting::routes_data()
{
    QTest::addColumn<int>("index");
    std::set<QByteArray> names;
    for (size_t i = 0; i < routeTable().size(); ++i) {
        const QByteArray name = routeName(routeTable()[i]);
        if (!names.insert(name).second)
            qFatal("two routes named %s", name.constData());
        QTest::newRow(name.constData()) << int(i);
    }
}

void TestSlipRouting::routes()
{
    QFETCH(int, index);
    const Route &route = routeTable()[size_t(index)];
    TaxData_T1New t1;
    t1.birthDate = route.senior ? QDate(1960, 12, 31) : QDate(1961, 1, 1);
    std::unique_ptr<CTaxData_Form> slip = makeSlip(route.code, route.values);

    SlipTotals got;
    sumSlipList(got, {{route.code, slip.get()}}, &t1);
    SlipTotals expected;
    slipBaseline(route.code, expected);
    route.expect(expected);
    const QStringList diff = differences(got, expected);
    QVERIFY2(diff.isEmpty(), qPrintable(diff.join("; ")));
}

// Every amount of every slip class is read by at least one route, so a class gaining a box
// gains its row.
void TestSlipRouting::everySlipAmountHasARoute()
{
    for (const auto &order : slipOrders()) {
        const int code = order.first;
        std::set<QByteArray> routed;
        for (const Route &route : routeTable()) {
            if (route.code == code) {
                for (const auto &value : route.values)
                    routed.insert(QByteArray(value.first).split(':').first());
            }
        }
        std::unique_ptr<CTaxData_Form> slip(createSlip(code));
        QVERIFY(slip);
        for (const CField *field : slip->fields()) {
            if (isSlipAmount(*field))
                QVERIFY2(routed.count(field->name()),
                         qPrintable(QString("%1 %2").arg(slipName(code), field->name())));
        }
    }
}

void TestSlipRouting::amountsInSlipOrder_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("expected");
    for (const auto &order : slipOrders()) {
        QStringList names;
        for (const char *name : order.second)
            names << name;
        QTest::newRow(slipName(order.first)) << order.first << names;
    }
}

// A generic walk over the fields (the generic page, the block) meets the amounts in slip order.
void TestSlipRouting::amountsInSlipOrder()
{
    QFETCH(int, code);
    QFETCH(QStringList, expected);
    std::unique_ptr<CTaxData_Form> slip(createSlip(code));
    QVERIFY(slip);
    QStringList walked;
    for (const CField *field : slip->fields()) {
        const QString name(field->name());
        if (isSlipAmount(*field) || expected.contains(name))
            walked << name;
    }
    QCOMPARE(walked, expected);
}

// Files written before a slip's fields took their present order still read: each field is
// found by its name.
void TestSlipRouting::blocksInAnotherFieldOrderRead()
{
    for (const auto &order : slipOrders()) {
        std::unique_ptr<CTaxData_Form> written(createSlip(order.first));
        int seed = 0;
        for (CField *field : written->fields()) {
            ++seed;
            if (field->type() == FieldType::Float)
                static_cast<CFloatField *>(field)->setValue(seed + 0.25);
            else if (field->type() == FieldType::Int)
                static_cast<CIntField *>(field)->setValue(seed);
            else if (field->type() == FieldType::Bool)
                static_cast<CBoolField *>(field)->setValue(true);
            else if (field->type() == FieldType::Table) {
                auto *table = static_cast<CTableField *>(field);
                if (table->columnType(table->columnCount() - 1) == FieldType::Float)
                    table->amountAt(1, table->columnCount() - 1).setValue(seed);
                else
                    table->textAt(1, table->columnCount() - 1) = QString::number(seed);
            }
        }
        QByteArray bytes;
        {
            MyDataStream out(&bytes, QIODevice::WriteOnly);
            const std::vector<CField *> &fields = written->fields();
            out << qint32(fields.size());
            for (auto it = fields.rbegin(); it != fields.rend(); ++it) {
                const QByteArray &name = (*it)->name();
                out << quint8(name.size());
                out.writeRawData(name.constData(), name.size());
                out << quint8((*it)->type());
                (*it)->writeValue(out, 0);
            }
        }
        std::unique_ptr<CTaxData_Form> read(createSlip(order.first));
        MyDataStream in(bytes);
        QVERIFY(read->readFields(in, 0));
        QVERIFY2(read->fieldsEqual(*written), slipName(order.first));
    }
}

QTEST_GUILESS_MAIN(TestSlipRouting)
#include "tst_SlipRouting.moc"
