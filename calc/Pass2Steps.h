// The steps of calculation pass 2 on its further forms, shared by its two source files.
#pragma once

#include "model/IndividualTaxData.h"

class TaxData_T1New;

namespace Pass2 {

// Resource expenses (T1229): its deduction into the T1, its two credit expenditures into the
// T2038.
void resourceExpenses(IndividualTaxData &person, TaxData_T1New &t1);
// Meals and lodging (TL2) into the employment expenses; excessive EPSP amounts (RC359): the
// deduction into the employment expenses, the tax into the additional taxes.
void employmentForms(IndividualTaxData &person, TaxData_T1New &t1);
// EI on self-employment (Schedule 13): lines 31217 and 42120, and the T2204's copy.
void selfEmployedEi(IndividualTaxData &person, TaxData_T1New &t1);
// The CPP election (CPT20): identification and the CPP form's data, then its calculation.
void cppElection(IndividualTaxData &person, TaxData_T1New &t1);
// The RRSP excess refund (T746) and the foreign plans (RC267, RC268, RC269): deductions and
// pension adjustments.
void foreignPlans(IndividualTaxData &person, TaxData_T1New &t1);
// The cumulative net investment loss (T936).
void investmentLoss(IndividualTaxData &person, TaxData_T1New &t1);
// The capital gains deduction (T657), after the cumulative net investment loss.
void capitalGainsDeduction(IndividualTaxData &person, TaxData_T1New &t1);

} // namespace Pass2
