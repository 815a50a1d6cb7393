// The T1 return XML: the free pieces and the rounding rules of its amounts.
#pragma once

#include <QString>

// The closing part of the t1:T1Return element for the edition (1 EFILE, 2 NETFILE).
void makeReturnEndPart(QString &out, int edition);
// Whole dollars: amount plus 0.5 truncated toward zero; a loss (at least the tolerance below
// zero) minus 0.5 truncated. Held inside the int range.
int roundToWholeDollars(double amount);
// The post-bankruptcy rounding: below -0.5 as a loss, a zero or small amount as 1, otherwise
// to whole dollars.
int roundBankruptcyAmount(double amount);
