// The minimum tax (T691) and the investment tax credit (T2038) in pass 4 of the calculation.
#pragma once

class IndividualTaxData;
class TaxData_T1New;

namespace MinimumTax {

// Before the dividend tax credit: the T1206's tax on split income and the credits against it
// to its line 22; the tax goes to line 40424, inside line 40400 (0 without a T1206).
void splitIncomeTaxLine(IndividualTaxData &person, TaxData_T1New &t1);

// After the credits and the dividend tax credit, before the basic federal tax: the T691's
// adjusted taxable income and minimum amount, and the carry-over of earlier years it allows
// (line 40427; 0 without a T691).
void carryOver(IndividualTaxData &person, TaxData_T1New &t1);

// After the foreign tax credit: the federal tax (line 40600), the investment tax credit (line
// 41200) and the regular tax against the minimum amount. True when the minimum tax applies;
// the T1 then holds what it adds to the regular tax.
bool compareWithRegularTax(IndividualTaxData &person, TaxData_T1New &t1);

// After the net federal tax (line 41700): the T1206's foreign tax credit on split income and
// the net tax on split income, which line 42000 is never below (0 and no flag without a
// T1206).
void splitIncomeTax(IndividualTaxData &person, TaxData_T1New &t1);

// Last: the balance the T691 carries to later years.
void finish(IndividualTaxData &person);

} // namespace MinimumTax
