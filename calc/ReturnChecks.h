// ReturnChecks: what the return-level checks of one run share, and the two halves of them.
#pragma once

#include "calc/AmountTests.h"
#include "calc/SlipTotals.h"
#include "calc/ValidationMsgGroup.h"
#include "marrow/TaxData_T1New.h"
#include "model/PersonForms.h"

struct ReturnCheckContext
{
    IndividualTaxData &person;
    TaxData_T1New &t1;
    const SlipTotals &totals;
    ValidationMsgGroup &group;
    unsigned char edition;
    bool bankrupt;

    // The one form of the type, null when there is none (or more than one).
    template <typename Form> Form *form(int type) const { return formOf<Form>(person, type); }
    bool present(int type) const { return person.findFormEntry(type, 0, false) != nullptr; }
    // Immigrant in the year, other than on its first day.
    bool isNewImmigrant() const;
};

// Checks 1 to 36 of the single-return check, in order.
void runFirstHalfChecks(ReturnCheckContext &c);
// Checks 37 to 121, run after the provincial checks.
void runSecondHalfChecks(ReturnCheckContext &c);
