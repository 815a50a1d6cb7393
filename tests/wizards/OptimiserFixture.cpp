// OptimiserFixture: couples with pensions and elections, and the plain reference search.
#include "OptimiserFixture.h"

#include "CalcFixture.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TypeCodes.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"

#include <algorithm>

bool OptimiserCouple::setUp(int province, int taxpayerAge, int spouseAge)
{
    // Ages on 31 December 2025: born on 1 March of the year that gives them.
    mine = r.setUp(province, QDate(2025 - taxpayerAge, 3, 1), 0);
    if (!mine)
        return false;
    theirs = r.addSpouse(province, QDate(2025 - spouseAge, 3, 1));
    return theirs != nullptr;
}

void OptimiserCouple::addIncome(bool taxpayer, double otherIncome, double pension, double oas)
{
    IndividualTaxData &person = taxpayer ? *r.family.taxpayer() : *r.family.spouse();
    FieldValues values{{"box28", otherIncome}};
    if (pension > 0)
        values.push_back({"box16", pension});
    LinkedReturn::addSlip(person, SlipType::T4A, values);
    if (oas > 0)
        LinkedReturn::addSlip(person, SlipType::T4AOAS, {{"box18", oas}});
}

void OptimiserCouple::elect(double maximum)
{
    TaxData_T1032_New *transferer = election(true);
    TaxData_T1032_New *transferee = election(false);
    transferer->transferer = 0;
    transferee->transferer = 1;
    for (TaxData_T1032_New *form : {transferer, transferee}) {
        form->amount = maximum;
        form->electedAmount = 0.0;
    }
}

TaxData_T1032_New *OptimiserCouple::election(bool taxpayer)
{
    IndividualTaxData &person = taxpayer ? *r.family.taxpayer() : *r.family.spouse();
    return CalcFixture::form<TaxData_T1032_New>(person, FormType::T1032);
}

double OptimiserCouple::familyBalance()
{
    double taxpayer = 0;
    double spouse = 0;
    double total = 0;
    r.family.getBalanceAmounts(taxpayer, spouse, total);
    return total;
}

void addQuebecReturnEntry(IndividualTaxData &person)
{
    auto *entry = new TaxDataEntryStru;
    entry->type = FormType::QC_TP1;
    entry->id = 100;
    entry->data = new TaxData_Sch9;
    person.m_formList.append(entry);
}

double plainSearch(double low, double high, double start, double startBalance,
                   const BalanceOf &trial)
{
    double best = start;
    double bestBalance = startBalance;
    double lower = low;
    double upper = high;
    double step = 100;
    for (int level = 0; level < 4; ++level) {
        for (double x = lower; x < upper; x += step) {
            const double balance = trial(x);
            if (balance < bestBalance) {
                best = x;
                bestBalance = balance;
            }
        }
        lower = std::max(low, best - step);
        upper = std::min(high, best + step);
        step /= 10;
    }
    return best;
}
