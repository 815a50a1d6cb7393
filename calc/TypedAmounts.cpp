// The typed and carried-forward amounts of the T1 that reach lines of their own.
#include "calc/TypedAmounts.h"

#include "calc/AmountTests.h"
#include "model/PersonForms.h"

#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalRates2025.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FederalTaxRules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"

#include <algorithm>

using FederalTaxRules::roundCents;
using namespace FederalRates2025;

namespace TypedAmounts {

namespace {

// A dependant's five medical amounts: expenses, premiums, travel, attendant care, other.
constexpr int kMedicalColumns = 5;

double dependantMedical(TaxData_T1New &t1, int row)
{
    double total = 0;
    for (int column = 0; column < kMedicalColumns; ++column)
        total += std::max(0.0, t1.dependantMedical.amountAt(row, column).value());
    return total;
}

double positiveSum(std::initializer_list<const CFloatField *> amounts)
{
    double total = 0;
    for (const CFloatField *amount : amounts)
        total += std::max(0.0, amount->value());
    return total;
}

} // namespace

int tuitionCarryForward(IndividualTaxData &person, TaxData_T1New &t1)
{
    const bool carried = isPositive(t1.fedTuitionCarryForward);
    auto *sch11 = formOf<TaxData_Sch11>(person, FormType::SCH11);
    int made = 0;
    if (!sch11 && carried) {
        sch11 = dynamic_cast<TaxData_Sch11 *>(person.getForm(FormType::SCH11, 0, true));
        made = sch11 ? 1 : 0;
    }
    if (sch11 && carried)
        sch11->carryForward = t1.fedTuitionCarryForward.value();
    return made;
}

void unrepaidPlans(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *sch7 = formOf<TaxData_Sch7>(person, FormType::SCH7);
    const double hbpRepaid = sch7 ? std::max(0.0, sch7->hbpRepayment.value()) : 0.0;
    const double llpRepaid = sch7 ? std::max(0.0, sch7->llpRepayment.value()) : 0.0;
    t1.unrepaidPlanIncome = roundCents(std::max(0.0, t1.hbpRepaymentRequired - hbpRepaid) +
                                       std::max(0.0, t1.llpRepaymentRequired - llpRepaid));
}

double movingCarryForward(const TaxData_T1New &t1)
{
    const double earned =
        std::max(0.0, t1.f10100 + t1.employmentIncome2) + t1.getSelfEmploymentIncomeWithoutLoss();
    return roundCents(std::clamp(t1.t1mCarryAmount.value(), 0.0, earned));
}

void lossesCarriedForward(TaxData_T1New &t1)
{
    // A typed carry-forward claims what the year's taxable capital gains allow; without one
    // a line 25300 typed by hand stays.
    if (isPositive(t1.netCapitalLossCarryForward))
        t1.f25300 = roundCents(
            std::min(double(t1.netCapitalLossCarryForward), std::max(0.0, double(t1.f12700))));
    const double otherDeductions = t1.f24600 + t1.f25000 + t1.f25100 + t1.f25300 + t1.f25400 +
                                   t1.f25500 + t1.capitalGainsDeduction;
    const double room = std::max(0.0, t1.f23600 - otherDeductions);
    t1.f25200 = roundCents(std::clamp(t1.nonCapitalLossCarryForward.value(), 0.0, room));
}

void creditAmounts(IndividualTaxData &person, TaxData_T1New &t1)
{
    // Self, spouse and the children under 18 share one threshold (33099); each other
    // dependant's expenses are reduced by that dependant's own threshold (33199).
    double own = positiveSum({&t1.medSelfAmount, &t1.medSelfPremiums, &t1.medSelfTravel,
                              &t1.medSelfAttendant, &t1.medSelfOther});
    if (t1.CanClaimSpouse())
        own += positiveSum({&t1.medSpouseAmount, &t1.medSpousePremiums, &t1.medSpouseTravel,
                            &t1.medSpouseAttendant, &t1.medSpouseOther});
    double others = 0;
    const DependantInfoStruct *dependants = person.m_dependants;
    const int rows = dependants ? std::min(dependants->count(), t1.dependantMedical.rowCount()) : 0;
    for (int row = 0; row < rows; ++row) {
        const double expenses = dependantMedical(t1, row);
        if (expenses < kAmountTolerance)
            continue;
        const DependantRecord &record = dependants->record(row);
        const int age = record.ageAtYearEnd();
        if (age >= 0 && age < 18)
            own += expenses;
        else
            others += FederalTaxRules::allowableMedicalExpenses(expenses, record.netIncome);
    }
    t1.f33099 = roundCents(own);
    t1.f33199 = roundCents(others);

    double adoption = 0;
    for (int child = 1; child <= 6; ++child)
        adoption += std::clamp(t1.adoptionAmount(child), 0.0, kAdoptionMaximum);
    if (isPositive(adoption))
        t1.f31300 = roundCents(adoption);
    t1.f31220 = std::clamp(t1.f31220.value(), 0.0, kVolunteerAmount);
    t1.f31240 = std::clamp(t1.f31240.value(), 0.0, kVolunteerAmount);
    t1.f40900 = std::max(0.0, t1.politicalContributions.value());
}

} // namespace TypedAmounts
