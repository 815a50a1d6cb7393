// The amounts a person types on the T1 (or carries from earlier years) that reach lines of
// their own: medical expenses, losses and tuition carried forward, the home buyers' and
// lifelong learning repayments not made, moving expenses carried forward, the volunteer and
// adoption amounts and the political contributions.
#pragma once

#include "model/IndividualTaxData.h"

class TaxData_T1New;

namespace TypedAmounts {

// Pass 1: a tuition amount carried forward makes the Schedule 11 that claims it, as a slip
// makes the form it needs; the schedule receives the carried amount. 1 when it was made.
int tuitionCarryForward(IndividualTaxData &person, TaxData_T1New &t1);
// Pass 2, after the deductions of Schedule 7: the required repayments not designated on
// Schedule 7 are income of the year (line 12900).
void unrepaidPlans(IndividualTaxData &person, TaxData_T1New &t1);
// Pass 2: the moving expenses carried forward, deductible against the employment and
// self-employment income of the year.
double movingCarryForward(const TaxData_T1New &t1);
// Pass 2, before taxable income: net capital losses of earlier years against the taxable
// capital gains (line 25300) and non-capital losses against what income is left (25200).
void lossesCarriedForward(TaxData_T1New &t1);
// Pass 4, before the credits: medical expenses (33099 and 33199), adoption (31300), the
// volunteer amounts (31220, 31240) and the political contributions (40900).
void creditAmounts(IndividualTaxData &person, TaxData_T1New &t1);

} // namespace TypedAmounts
