// The summing of a person's slips into SlipTotals.
//
// IndividualTaxData::SumSlips hands its slip list and T1 to sumSlipList and ensures the forms
// of the rules it returns.
#pragma once

#include "calc/SlipNeededForms.h"
#include "calc/SlipTotals.h"

#include <vector>

class CTaxData_Form;
class TaxData_T1New;
struct SlipTotals;

struct SlipRef
{
    int code = 0;                  // the entry's slip code
    CTaxData_Form *slip = nullptr; // its data object, may be null

    bool operator==(const SlipRef &other) const { return code == other.code && slip == other.slip; }
};

// The whole run over one person's slip list. An empty list returns at once: the totals keep
// their values, no slip is touched and no rule is returned. t1 may be null: the person then
// counts as under 65 and the T4A(P) age fields are left as they are.
std::vector<NeededFormRule> sumSlipList(SlipTotals &totals, const std::vector<SlipRef> &slips,
                                        const TaxData_T1New *t1);

// One summing of a person's slips from fresh totals, kept while IndividualTaxData holds its
// slip sums.
struct HeldSlipSums
{
    bool summed = false;
    std::vector<SlipRef> slips; // the list summed; another list is summed again
    int age = -1;               // the T1 age summed with, -1 without a T1; another age sums again
    SlipTotals totals;
    std::vector<NeededFormRule> rules;
};
