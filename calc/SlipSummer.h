// The summing of a person's slips into SlipTotals.
//
// IndividualTaxData::SumSlips is meant to be a thin walk over the person's slip list:
//
//   std::vector<SlipRef> slips;                       // every entry, in list order
//   for (entry : m_slips) slips.push_back({entry.type, entry.data});
//   auto *t1 = dynamic_cast<TaxData_T1New *>(the data object of findFormEntry(1, 0, false));
//   for (const NeededFormRule &rule : sumSlipList(totals, slips, t1)) {
//       for (int code : rule.formsEnsured) findFormEntry(code, 0, true);
//       neededForms.insert(rule.codeInserted);
//   }
//
// sumSlipList runs the pre-sum operation of every slip before any amount is read, adds each
// entry in order, applies the scholarship rule and returns the needed-forms rules that hold.
// The lower steps are public for callers that walk the list themselves.
#pragma once

#include "calc/SlipNeededForms.h"

#include <vector>

class CTaxData_Form;
class TaxData_T1New;
struct SlipTotals;

struct SlipRef
{
    int code = 0;                  // the entry's slip code
    CTaxData_Form *slip = nullptr; // its data object, may be null
};

// The whole run over one person's slip list. An empty list returns at once: the totals keep
// their values, no slip is touched and no rule is returned. t1 may be null: the person then
// counts as under 65 and the T4A(P) age fields are left as they are.
std::vector<NeededFormRule> sumSlipList(SlipTotals &totals, const std::vector<SlipRef> &slips, const TaxData_T1New *t1);

// Adds one slip to the totals. An entry of a code without a group, a null object or an
// object of another class than the code's adds nothing. A T4A(P) slip gets the person's age
// written into its age field first.
void addSlipToTotals(SlipTotals &totals, int slipCode, CTaxData_Form *slip, const TaxData_T1New *t1);

// After all slips: the 500 scholarship exemption, once over all kind-0 T4A box 105 amounts.
void applyScholarshipRule(SlipTotals &totals);
