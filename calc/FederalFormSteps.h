// The steps of passes 2 to 5 that run the further federal forms and carry their results to
// the T1: the caregiver and home accessibility amounts (pass 3), the northern residents
// deductions (pass 2), the additional tax on RESP payments and the exempt income of the T90
// (pass 4), the GST/HST rebate, the pension split after the adjustment, the loss carryback
// request and the tax shelter claim (pass 5).
#pragma once

#include "model/IndividualTaxData.h"

class TaxData_T1New;

namespace FederalFormSteps {

// Pass 2, before taxable income: the T2222's deduction into line 25500 (0 without the form).
void northernResidents(IndividualTaxData &person, TaxData_T1New &t1);
// Pass 3, after Schedule 5: its caregiver amounts into lines 30425 and 30450, and the home
// accessibility expenses of Schedule 12 (2016) into line 31285 (0 without the forms).
void caregiverAndAccessibility(IndividualTaxData &person, TaxData_T1New &t1);
// Pass 4, before federal tax: the T1172's identification and its tax added to the additional
// taxes.
void respAccumulatedIncome(IndividualTaxData &person, TaxData_T1New &t1);
// Pass 4, last: the T90 and its exempt working income added to Schedule 6's.
void indianActIncome(IndividualTaxData &person, TaxData_T1New &t1);
// Pass 5: the GST370's rebate (line 45700; 0 without the form).
void gstRebate(IndividualTaxData &person, TaxData_T1New &t1);
// Pass 5, after total payable: the income taxes after the pension split into the T1032.
void pensionSplitAfterTax(IndividualTaxData &person, TaxData_T1New &t1);
// Pass 5, after the balance: the incomes, losses and deductions of the T1A and the T5004's
// total.
void lossCarrybackAndShelters(IndividualTaxData &person, TaxData_T1New &t1);

} // namespace FederalFormSteps
