// The forms that a person's slip totals make necessary.
//
// A rule may ensure a form whose code it does not report (Schedule 3 brings a T936 along).
#pragma once

#include <vector>

struct SlipTotals;

struct NeededFormRule
{
    std::vector<int> formsEnsured;
    int codeInserted = 0;

    bool operator==(const NeededFormRule &other) const
    {
        return formsEnsured == other.formsEnsured && codeInserted == other.codeInserted;
    }
};

// The rules that hold, in rule order. hasT4: the slip list holds at least one T4 entry
// (code 1), whatever its amounts; the employment rules look at the T4 totals only then.
std::vector<NeededFormRule> neededFormRules(const SlipTotals &totals, bool hasT4);
