// The calculations of the further form classes that are not written in their header.
#include "brevant/BrevantForms.h"

#include "ordane/Utilities.h"

void TaxData_T1013New::calculate()
{
    sin = GetPureDigitStr(sin.value());
    phone = GetPureDigitStr(phone.value());
}

void TaxData_T1198::Calculate01()
{
    double total = 0;
    for (int row = 0; row < portions.rowCount(); ++row)
        total += portions.amountAt(row, 1);
    totalPortions = total;
}
