// The steps of calculation pass 1, shared by its two source files.
#pragma once

#include "model/IndividualTaxData.h"

#include "marrow/CTaxData_Form.h"

#include <vector>

class CTaxData_T2222;
class TaxData_Sch3;
class TaxData_Sch7;
class TaxData_Sch9;
class TaxData_Sch13;
class TaxData_Sch6;
class TaxData_CPT20_New;
class TaxData_T1New;
class TaxData_T2204_New;
class TaxData_T2209_2036;
class TaxData_T691New;
class TaxData_T936New;
class CTaxData_T1223;
class TaxData_WS_D1;
struct SlipTotals;

namespace Pass1 {

// The forms pass 1 looks up after the slip totals; null when absent.
struct Forms
{
    TaxData_Sch3 *sch3 = nullptr;
    TaxData_Sch7 *sch7 = nullptr;
    TaxData_Sch9 *sch9 = nullptr;
    TaxData_T2204_New *t2204 = nullptr;
    TaxData_T691New *t691 = nullptr;
    TaxData_T936New *t936 = nullptr;
    TaxData_T2209_2036 *t2209 = nullptr;
    CTaxData_T2222 *t2222 = nullptr;
    TaxData_CPT20_New *cpt20 = nullptr;
    CTaxData_T1223 *t1223 = nullptr;
    TaxData_Sch6 *sch6 = nullptr;
    TaxData_Sch13 *sch13 = nullptr;
    TaxData_WS_D1 *worksheet = nullptr;

    void lookUp(IndividualTaxData &person);
};

// The forms of the type in list order, as their class; other objects are skipped. Taken
// before a step runs, so a form the step adds is not visited.
template <typename Form> std::vector<Form *> formsOfType(IndividualTaxData &person, int type)
{
    const std::vector<TaxDataEntryStru *> &entries = person.formEntriesOfType(type);
    std::vector<Form *> out;
    out.reserve(entries.size());
    for (TaxDataEntryStru *entry : entries) {
        if (auto *form = formAs<Form>(entry->data))
            out.push_back(form);
    }
    return out;
}

// Steps 28 to 47: the income forms, capital gains, dividends and the spousal plan.
void calculateIncomeForms(IndividualTaxData &person, TaxData_T1New &t1, const Forms &forms);

} // namespace Pass1
