// FamilyTaxData::ExchangeSpouseAmounts: what crosses from one spouse's forms into the other's
// after each pass. A is the person on screen, B the other one.
#include "model/FamilyTaxData.h"

#include "brevant/BrevantForms.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"
#include "ordane/Utilities.h"

namespace {

// One person's side of the exchange. The T1 is null for a person without exactly one.
struct Side
{
    IndividualTaxData &person;
    TaxData_T1New *t1;
};

void takeIdentification(TaxData_T1New &to, const TaxData_T1New &from)
{
    to.spouseFirstName = from.firstName.value();
    to.spouseLastName = from.lastName.value();
    to.spouseSin = from.sin.value();
    to.spouseBirthDate = from.birthDate.date();
    to.spouseEntryDate.copyFrom(from.entryDate);
}

// The pension-split election is one decision: the form that answers 0 gives its data to the
// one that answers 1, and the person on screen decides the split for both.
void exchangeElection(Side &a, Side &b)
{
    auto *electionA = formOf<TaxData_T1032_New>(a.person, FormType::T1032);
    auto *electionB = formOf<TaxData_T1032_New>(b.person, FormType::T1032);
    if (!electionA || !electionB)
        return;
    if (electionA->transferer == 0) {
        electionB->transferer = 1;
        electionB->copyElectionDataFrom(*electionA);
    } else if (electionA->transferer == 1) {
        electionB->transferer = 0;
        electionA->copyElectionDataFrom(*electionB);
    }
    electionB->election = electionA->election.value();
    electionB->electedAmount = electionA->electedAmount.value();
}

void takeIncomeItems(TaxData_T1New &to, const TaxData_T1New &from)
{
    to.spouseUccbAmount = from.uccbAmount.value();
    to.spouseUccbRepayment = from.uccbRepayment.value();
    to.spouseExcludedIncome2 = from.excludedIncome2.value();
    to.spouseExcludedRepayment2 = from.excludedRepayment2.value();
}

// The owner's T2205: what the spousal plan paid out counts in the contributor's income.
void applySpousalPlan(Side &owner, Side &partner)
{
    auto *t2205 = formOf<CTaxData_T2205>(owner.person, FormType::T2205);
    if (!t2205)
        return;
    t2205->spouseName =
        partner.t1->firstName.value() + QLatin1Char(' ') + partner.t1->lastName.value();
    partner.t1->spousalPlanAdjustment += t2205->amountToInclude;
    owner.t1->spousalPlanAdjustment -= t2205->amountToInclude;
    if (partner.t1->GetAge() > 64)
        partner.t1->pensionAt65 += t2205->pensionPortion;
    else
        partner.t1->pensionUnder65 += t2205->pensionPortion;
}

void takeIncomes(TaxData_T1New &to, const TaxData_T1New &from)
{
    to.spouseNetIncome = from.f23600.value();
    to.spouseTaxableIncome = from.f26000.value();
    to.spouseNetIncomeDeduction = from.netIncomeDeduction.value();
    to.spouseRdspIncome = from.f12500.value();
    to.spouseCppEnhancedDeduction = from.f22215.value();
    to.spouseSocialBenefitsRepayment = from.f42200.value();
}

void exchangeChildCare(Side &a, Side &b)
{
    auto *t778A = formOf<TaxData_T778New>(a.person, FormType::T778);
    auto *t778B = formOf<TaxData_T778New>(b.person, FormType::T778);
    if (!t778A || !t778B)
        return;
    if (t778A->higherIncomeFlag1 != 0)
        t778B->partnerAmount = a.t1->childCareIncome.value();
    else if (t778B->higherIncomeFlag1 != 0)
        t778A->partnerAmount = b.t1->childCareIncome.value();
}

// The receiver's Schedule 2 from the source's amounts; age and caregiver amounts follow the
// receiver's days in Canada when only the receiver arrived during the year.
void fillSchedule2(Side &receiver, Side &source)
{
    auto *sch2 = formOf<TaxData_Sch2>(receiver.person, FormType::SCH2);
    if (!sch2)
        return;
    const TaxData_T1New &from = *source.t1;
    const TaxData_T1New &to = *receiver.t1;
    const bool prorate = !from.shouldProrateAsImmigrant() && to.shouldProrateAsImmigrant();
    const double share = prorate ? div(to.daysInCanada, to.daysInYear, 0) : 1.0;
    sch2->ageAmount = from.ageAmountSource * share;
    sch2->caregiverAmount = from.f30500 * share;
    sch2->pensionAmount = from.pensionAmountSource.value();
    sch2->disabilityAmount = from.disabilityAmountSource.value();
    sch2->basicAmount = from.basicAmountSource.value();
    sch2->contributionCredits = from.contributionCreditsSource.value();
    auto *sch11 = formOf<TaxData_Sch11>(source.person, FormType::SCH11);
    sch2->tuitionAmount = sch11 ? sch11->transferToSpouse.value() : 0.0;
}

void exchangeWorkersBenefit(Side &a, Side &b, bool t1Moves)
{
    auto *sch6A = formOf<TaxData_Sch6>(a.person, FormType::SCH6);
    auto *sch6B = formOf<TaxData_Sch6>(b.person, FormType::SCH6);
    if (sch6A && sch6B) {
        for (auto [to, from] : {std::pair{sch6A, sch6B}, std::pair{sch6B, sch6A}}) {
            to->spouseRc210Box10 = from->rc210Box10.value();
            to->spouseRc210Box11 = from->rc210Box11.value();
            to->spouseDisabilityClaimed = from->disabilityClaimed.value();
            to->partnerAnswer = from->ownAnswer.value();
            to->spouseAdjustedNetIncome = from->adjustedNetIncome.value();
        }
    } else if (sch6A || sch6B) {
        (sch6A ? sch6A : sch6B)->partnerAnswer = 1;
    }
    if (!t1Moves)
        return;
    for (auto [sch6, partner] : {std::pair{sch6A, &b}, std::pair{sch6B, &a}}) {
        if (!sch6)
            continue;
        sch6->partnerEmploymentIncome = partner->t1->f10100 + partner->t1->employmentIncome2;
        sch6->partnerOtherWorkingIncome = partner->t1->cwbOtherWorkingIncome.value();
        sch6->partnerSelfEmploymentIncome = partner->person.sumSelfEmploymentIncome();
    }
}

// The partner's pension income eligible for splitting, into the field of this form's answer.
void takePartnerPensionSum(IndividualTaxData &receiver, const TaxData_T1New &partner)
{
    auto *t1032 = formOf<TaxData_T1032_New>(receiver, FormType::T1032);
    if (!t1032)
        return;
    const double sum =
        partner.splitEligiblePension + partner.splitEligibleAnnuity + partner.splitEligibleRrif;
    if (t1032->transferer == 0)
        t1032->partnerSumTransferer = sum;
    else if (t1032->transferer == 1)
        t1032->partnerSumTransferee = sum;
}

// The pension-split election of a couple: each form holds its own person's taxes after the
// split (the pensioner's for answer 0, the transferee's for answer 1) and takes the partner's
// into the other field, so both show the couple's total. Only a pair that answered 0 and 1.
void mirrorTaxesAfterSplit(Side &a, Side &b)
{
    auto *electionA = formOf<TaxData_T1032_New>(a.person, FormType::T1032);
    auto *electionB = formOf<TaxData_T1032_New>(b.person, FormType::T1032);
    if (!electionA || !electionB)
        return;
    const int answerA = electionA->transferer;
    const int answerB = electionB->transferer;
    if ((answerA != 0 && answerA != 1) || answerA + answerB != 1)
        return;
    TaxData_T1032_New *pensioner = answerA == 0 ? electionA : electionB;
    TaxData_T1032_New *transferee = answerA == 0 ? electionB : electionA;
    pensioner->transfereeTaxAfterSplit = transferee->transfereeTaxAfterSplit.value();
    transferee->pensionerTaxAfterSplit = pensioner->pensionerTaxAfterSplit.value();
    pensioner->CalculateIncomeTaxAfterAdjustment();
    transferee->CalculateIncomeTaxAfterAdjustment();
}

} // namespace

void FamilyTaxData::ExchangeSpouseAmounts(int pass)
{
    if (!isCoupled())
        return;
    Side a{*calculationFirst(), formOf<TaxData_T1New>(*calculationFirst(), FormType::T1)};
    Side b{*calculationSecond(), formOf<TaxData_T1New>(*calculationSecond(), FormType::T1)};
    // The moves into and out of the T1s need both.
    const bool t1Moves = a.t1 && b.t1;
    CMultiProvsTaxMgr &managerA = a.person.m_provsTaxMgr;
    CMultiProvsTaxMgr &managerB = b.person.m_provsTaxMgr;

    switch (pass) {
    case 0:
        if (t1Moves) {
            takeIdentification(*a.t1, *b.t1);
            takeIdentification(*b.t1, *a.t1);
        }
        exchangeElection(a, b);
        break;
    case 1:
        if (!t1Moves)
            break;
        takeIncomeItems(*b.t1, *a.t1);
        takeIncomeItems(*a.t1, *b.t1);
        b.t1->partnerSelfEmployed = a.person.hasSelfEmploymentForms() ? 1 : 0;
        a.t1->partnerSelfEmployed = b.person.hasSelfEmploymentForms() ? 1 : 0;
        a.t1->spousalPlanAdjustment = 0;
        b.t1->spousalPlanAdjustment = 0;
        applySpousalPlan(a, b);
        applySpousalPlan(b, a);
        break;
    case 2:
        if (t1Moves) {
            takeIncomes(*b.t1, *a.t1);
            takeIncomes(*a.t1, *b.t1);
            exchangeChildCare(a, b);
        }
        managerB.exchangeWithPartnerPass2(&managerA);
        break;
    case 3:
        if (t1Moves) {
            fillSchedule2(b, a);
            fillSchedule2(a, b);
        }
        break;
    case 4:
        managerB.exchangeWithPartnerPass4(&managerA);
        managerA.exchangeWithPartnerPass4(&managerB);
        exchangeWorkersBenefit(a, b, t1Moves);
        if (t1Moves) {
            takePartnerPensionSum(a.person, *b.t1);
            takePartnerPensionSum(b.person, *a.t1);
        }
        break;
    case 5:
        managerB.exchangeWithPartnerPass5(&managerA);
        managerA.exchangeWithPartnerPass5(&managerB);
        mirrorTaxesAfterSplit(a, b);
        break;
    default:
        break;
    }
}
