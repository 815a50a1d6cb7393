// The line-record rules of the form library that the electronic return relies on.
#pragma once

#include <QList>
#include <QSet>

class CTaxData_Form;
struct NetfileGenObjParamStru;

// The codes the return's own generator derives from the T1 (self-employment pairs, capital
// gains, the farming loss, the indicators and the supporting codes of the minimum tax and the
// benefits); the T1 leaves them to it, so no code is written twice.
const QList<int> &t1DerivedNetfileCodes();

// The line codes the T1 writes itself: its five-digit amount fields but the derived codes. A
// schedule or worksheet that works out one of these lines for the T1 (Schedule 5's 30300, the
// dividend worksheet's 12000) leaves it to the T1 in the return's form walk.
const QSet<int> &t1OwnLineCodes();

// Writes each amount field of the form named by a five-digit line code whose amount is present
// (at least the tolerance from zero, a loss included) as a dollar record, except the codes the
// skip list names; returns how many were written.
int writeLineAmountFields(const CTaxData_Form &form, NetfileGenObjParamStru &param,
                          const QList<int> &skip = {});
