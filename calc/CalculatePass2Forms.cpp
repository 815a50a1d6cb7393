// Calculation pass 2 on its further forms: resource expenses, meals and lodging, excessive
// EPSP amounts, EI on self-employment, the CPP election, foreign plans, the cumulative net
// investment loss and the capital gains deduction.
//
// Left out for want of published figures or settled roles: the T1229 amount the minimum tax
// would add back, the T4 and T4PS total of the typed amount, the T691 amount copied before
// the capital gains deduction, the T2048's amount and the spouse's split-income values.
#include "calc/Pass2Steps.h"

#include "calc/AmountTests.h"
#include "calc/Pass1Steps.h"
#include "model/PersonForms.h"

#include "brevant/BrevantForms.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"

#include <algorithm>
#include <utility>

namespace {

// A value split into its loss part (the size of a negative value) and its income part.
std::pair<double, double> lossAndIncome(double value)
{
    return value < 0 ? std::pair{-value, 0.0} : std::pair{0.0, value};
}

// The contribution fields of the return's CPP form: Schedule 8, else the RC381; null without.
const CppContributionFields *cppFormFields(IndividualTaxData &person)
{
    if (auto *sch8 = formOf<TaxData_Sch8_14>(person, FormType::SCH8))
        return &sch8->cpp;
    if (auto *rc381 = formOf<TaxData_RC381>(person, FormType::RC381))
        return &rc381->cpp;
    return nullptr;
}

} // namespace

namespace Pass2 {

void resourceExpenses(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t1229 = formOf<CTaxData_T1229>(person, FormType::T1229);
    auto *t2038 = formOf<TaxData_T2038New>(person, FormType::T2038);
    if (t1229)
        t1229->Calculate01();
    t1.resourceDeduction = t1229 ? t1229->deduction.value() : 0.0;
    if (t2038) {
        t2038->t1229MineralExploration = t1229 ? t1229->mineralExploration.value() : 0.0;
        t2038->t1229OtherQualifying = t1229 ? t1229->otherQualifying.value() : 0.0;
        t2038->t1229CriticalMineral = t1229 ? t1229->criticalMineralExploration.value() : 0.0;
    }
}

void employmentForms(IndividualTaxData &person, TaxData_T1New &t1)
{
    for (TaxData_TL2_New *tl2 : Pass1::formsOfType<TaxData_TL2_New>(person, FormType::TL2)) {
        tl2->firstName = person.getFirstName();
        tl2->lastName = person.getLastName();
        tl2->sin = t1.sin.value();
        tl2->Calculate01();
        t1.employmentExpenses += tl2->deduction;
    }
    if (auto *rc359 = formOf<TaxData_RC359>(person, FormType::RC359)) {
        rc359->province = person.m_province;
        rc359->Calculate01();
        t1.employmentExpenses += rc359->deduction;
        t1.additionalTaxes += rc359->federalTax;
    }
}

void selfEmployedEi(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *sch13 = formOf<TaxData_Sch13>(person, FormType::SCH13);
    auto *t2204 = formOf<TaxData_T2204_New>(person, FormType::T2204);
    if (!sch13) {
        t1.f31217 = 0.0;
        t1.f42120 = 0.0;
        if (t2204)
            t2204->selfEmployedPremiums = 0.0;
        return;
    }
    sch13->selfEmploymentEarnings =
        t1.f12200 + t1.f13500 + t1.f13700 + t1.f13900 + t1.f14100 + t1.f14300;
    sch13->employmentEarnings = t1.f10100 + t1.employmentIncome2;
    sch13->quebecResident = person.m_province == ProvinceCode::QC;
    sch13->calculate();
    t1.f31217 = sch13->getResult();
    t1.f42120 = sch13->getResult();
    if (t2204) {
        if (t2204->ownFlag == 0)
            t2204->selfEmploymentIncome = person.sumSelfEmploymentIncome();
        t2204->selfEmployedPremiums = sch13->getResult();
    }
}

void cppElection(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *cpt20 = formOf<TaxData_CPT20_New>(person, FormType::CPT20);
    if (!cpt20)
        return;
    cpt20->lastName = t1.lastName.value();
    cpt20->firstName = t1.firstName.value();
    cpt20->address = t1.GetFullAddressWithoutPostcode(0);
    cpt20->sin = t1.sin.value();
    cpt20->postalCode = t1.postalCode.value();
    const CppContributionFields *cpp = cppFormFields(person);
    cpt20->cppFormEarnings = cpp ? cpp->pensionableEarnings.value() : 0.0;
    cpt20->cppFormMonths = cpp ? cpp->months.value() : -100;
    cpt20->calculate();
}

void foreignPlans(IndividualTaxData &person, TaxData_T1New &t1)
{
    if (auto *t746 = formOf<TaxData_T746New>(person, FormType::T746)) {
        t746->Calculate01();
        t1.f23200 += t746->deduction;
    }
    // Each plan's own deduction is kept on the T1 too: filing refuses a return that
    // combines two kinds of plan.
    double deduction = 0;
    t1.rc267Amount = 0;
    t1.rc268Amount = 0;
    t1.rc269Amount = 0;
    if (auto *rc267 = formOf<TaxData_RC267New>(person, FormType::RC267)) {
        rc267->calculate();
        t1.pensionAdjustment += rc267->pensionAdjustment;
        t1.rc267Amount = rc267->deduction.value();
        deduction += rc267->deduction;
    }
    if (auto *rc268 = formOf<TaxData_RC268New>(person, FormType::RC268)) {
        auto *sch7 = formOf<TaxData_Sch7>(person, FormType::SCH7);
        rc268->rrspDeductionLimit = sch7 ? sch7->rrspDeductionLimit.value() : 0.0;
        rc268->calculate();
        t1.pensionAdjustment += rc268->pensionAdjustment;
        t1.rc268Amount = rc268->deduction.value();
        deduction += rc268->deduction;
    }
    if (auto *rc269 = formOf<TaxData_RC269>(person, FormType::RC269)) {
        const CppContributionFields *cpp = cppFormFields(person);
        rc269->pensionableEarnings = cpp ? cpp->pensionableEarnings.value() : 0.0;
        rc269->cppBase = t1.f30800.value();
        rc269->cppEnhanced = t1.f22215.value();
        rc269->Calculate01();
        t1.pensionAdjustment += rc269->pensionAdjustment;
        t1.rc269Amount = rc269->deduction.value();
        deduction += rc269->deduction;
    }
    t1.foreignPlanDeduction = deduction;
}

void investmentLoss(IndividualTaxData &person, TaxData_T1New &t1)
{
    if (auto *t936 = formOf<TaxData_T936New>(person, FormType::T936)) {
        t936->carryingCharges = t1.f22100.value();
        std::tie(t936->rentalLoss, t936->rentalIncome) = lossAndIncome(t1.f12600);
        std::tie(t936->investmentLoss, t936->investmentIncome) = lossAndIncome(t1.f12200);
        t936->partnershipLoss = std::min(0.0, double(t1.f25100));
        t936->halfCapitalLoss = std::min(0.0, t1.f12700 / 2.0);
        t936->interestIncome = t1.f12100.value();
        t936->dividendIncome = t1.f12000.value();
        t936->Calculate01();
        t1.cumulativeInvestmentLoss = t936->cumulativeLoss.value();
    } else {
        t1.cumulativeInvestmentLoss = 0.0;
    }
}

void capitalGainsDeduction(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t657 = formOf<TaxData_T657New>(person, FormType::T657);
    if (!t657) {
        t1.capitalGainsDeduction = 0.0;
        return;
    }
    auto *sch3 = formOf<TaxData_Sch3>(person, FormType::SCH3);
    t657->qualifiedGains = sch3 ? sch3->f10700 + sch3->f11000 : 0.0;
    t657->netTaxableGains = std::max(0.0, t1.f12700 - t1.f25300);
    t657->cumulativeLoss = t1.cumulativeInvestmentLoss.value();
    t657->Calculate01();
    t1.capitalGainsDeduction = t657->deduction.value();
}

} // namespace Pass2
