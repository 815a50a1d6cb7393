// The T1's line calculations.
#include "marrow/TaxData_T1New.h"

void TaxData_T1New::CalculateTotalIncome(bool withLines)
{
    if (withLines) {
        f10100 = t4EmploymentAmount + housingBenefit;
        f10400 = other10400A + other10400B;
        f11300 = oasAmount.value();
        f11500 = eligiblePensionIncome();
        f11900 = eiBenefits.value();
        f12900 = rrspIncome + unrepaidPlanIncome;
        f12905 = fhsaIncome + fhsaOtherIncome;
        f13000 = otherIncome + annuityOther + incomeItem;
    }
    double total = 0;
    for (const CFloatField *line :
         {&f10100, &f10400, &f11300, &f11400, &f11500, &f11600, &f11900, &f12000,
          &f12100, &f12200, &f12600, &f12700, &f12800, &f12900, &f12905, &f13000,
          &f13010, &f13500, &f13700, &f13900, &f14100, &f14300, &f14400, &f14500})
        total += *line;
    f15000 = total;
}
