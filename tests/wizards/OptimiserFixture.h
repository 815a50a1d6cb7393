// OptimiserFixture: coupled returns with real province plug-ins for the optimiser's tests.
#pragma once

#include "LinkedReturn.h"
#include "model/FamilyTaxData.h"

#include <QDate>
#include <functional>

class IndividualTaxData;
class TaxData_T1032_New;
class TaxData_T1New;

// A couple living in one province, both married: the taxpayer Louise and the spouse Paul.
struct OptimiserCouple
{
    LinkedReturn r;
    TaxData_T1New *mine = nullptr;
    TaxData_T1New *theirs = nullptr;

    // False when the province's plug-in could not be linked.
    bool setUp(int province, int taxpayerAge, int spouseAge);
    FamilyTaxData &family() { return r.family; }
    // Other income (T4A box 28) and, when above 0, a registered pension (T4A box 16) and Old
    // Age Security (T4A(OAS) box 18).
    void addIncome(bool taxpayer, double otherIncome, double pension = 0, double oas = 0);
    // Both halves of the pension-split election, the taxpayer transferring; the split amount
    // on both starts at 0 and the maximum is half the pension.
    void elect(double maximum);
    TaxData_T1032_New *election(bool taxpayer);
    double familyBalance();
};

// Puts an entry of Quebec's return (form 161) in the person's list, as only Quebec's plug-in
// makes one: a stand-in object under that type, for the coupled test alone.
void addQuebecReturnEntry(IndividualTaxData &person);

// The family balance for a value written by the trial.
using BalanceOf = std::function<double(double)>;

// The plain search the optimiser improves on, kept here only as a reference: levels
// 100, 10, 1 and 0.1 from the lower bound while below the upper bound (never trying the upper
// bound), each level narrowed around the single best point.
double plainSearch(double low, double high, double start, double startBalance,
                   const BalanceOf &trial);
