// The needed-forms rules, each a condition on the totals with the forms it brings.
#include "calc/SlipNeededForms.h"

#include "calc/AmountTests.h"
#include "calc/SlipTotals.h"
#include "marrow/TypeCodes.h"

#include <initializer_list>

namespace {
bool anyNonZero(std::initializer_list<double> amounts)
{
    for (double a : amounts) {
        if (isNonZero(a))
            return true;
    }
    return false;
}

bool anyPositive(std::initializer_list<double> amounts)
{
    for (double a : amounts) {
        if (isPositive(a))
            return true;
    }
    return false;
}
} // namespace

std::vector<NeededFormRule> neededFormRules(const SlipTotals &t, bool hasT4)
{
    using namespace FormType;
    std::vector<NeededFormRule> rules;
    auto need = [&rules](bool holds, int code) {
        if (holds)
            rules.push_back({{code}, code});
    };

    if (anyNonZero({t.t3Box21, t.t3Box30, t.t3AmountF}))
        rules.push_back({{SCH3, T936}, SCH3});
    need(anyNonZero({t.t3Box25, t.t3Box32, t.t3Box50}), WSD1);
    need(anyNonZero({t.t3AmountD, t.t3Box34}), T2209);
    if (hasT4) {
        // Quebec pension contributions go on the RC381 instead of Schedule 8, never both.
        const bool qpp = anyPositive({t.t4Box17, t.t4Box17A, t.t4Box26QppOnly});
        need(qpp, RC381);
        need(!qpp && anyPositive({t.t4Box16, t.t4Box16A, t.t4Box26Cpp}), SCH8);
        need(anyPositive({t.t4Box18, t.t4Box24, t.t4Box55}), T2204);
    }
    need(anyNonZero({t.t4Box46}), SCH9);
    // Every T5 amount the worksheet carries to the T1 brings it, interest alone too.
    need(anyNonZero({t.t5AmountA, t.t5Box11, t.t5Box25, t.t5Box13, t.t5AmountB, t.t5AmountC,
                     t.t5AmountD, t.t5Box14, t.t5Box15, t.t5Box17, t.t5AmountE}),
         WSD1);
    need(anyNonZero({t.t5Box18}), SCH3);
    need(anyNonZero({t.t2202FeesPartTime, t.t2202FeesFullTime, t.t2202PartTimeMonths,
                     t.t2202FullTimeMonths}),
         SCH11);
    need(anyNonZero({t.t5Box16}), T2209);
    need(anyNonZero({t.rc210Box10, t.rc210Box11}), SCH6);
    need(anyNonZero({t.t4rspBox25, t.t4rspBox27}), SCH7);
    need(anyNonZero({t.t4aBox40}), T1172);
    need(anyNonZero({t.t4aBox46}), SCH9);
    need(anyNonZero({t.fhsaBox18}), SCH15);
    need(anyNonZero({t.t5013Box151}), SCH3);
    need(anyNonZero({t.t5013B, t.t5013C, t.t5013I, t.t5013K, t.t5013N, t.t5013P, t.t5013Q, t.t5013R,
                     t.t5013RFlagged, t.t5013V}),
         WSD1);
    need(anyNonZero({t.t4psA, t.t4psB, t.t4psC, t.t4psD, t.t4psE, t.t4psF}), WSD1);
    need(anyNonZero({t.t4psG}), SCH3);
    need(anyNonZero({t.t4psL}), T2209);
    need(t.hasIndianExemptIncome, T90);
    return rules;
}
