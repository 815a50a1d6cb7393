// Calculation pass 1, second half: the income forms (partnerships, rentals, farming,
// fishing, business), capital gains, dividends and spousal-plan income; the pension split.
#include "calc/AmountTests.h"
#include "calc/Pass1Steps.h"
#include "model/PersonForms.h"

#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalRates2025.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"

#include <algorithm>

namespace {

// Restricted farm losses: the first 2,500 and half of the next 30,000 are deductible.
constexpr double kRestrictedFarmLossFull = 2500;
constexpr double kRestrictedFarmLossEnd = 32500;
constexpr double kRestrictedFarmLossMax = 17500;

// The person's names as their T1 holds them, read from the T1 at hand: looking the T1 up again
// for every statement would make a return's calculation grow with the square of its forms.
// Made once for all the statements of a kind, which then share the one text; so is the trimmed
// full name (ConstructFullName) some statements take, since their steps change no name.
CString ownerName(const TaxData_T1New &t1)
{
    return CString(t1.firstName.value() + QLatin1Char(' ') + t1.lastName.value());
}

// Steps 28 and 29: the self-employment amounts start from the T3 business amount or zero.
void resetSelfEmployment(TaxData_T1New &t1)
{
    t1.grossRentalIncome = 0.0;
    t1.f12600 = 0.0;
    t1.f13499 = t1.t3BusinessAmount.value();
    t1.f13500 = t1.t3BusinessAmount.value();
    for (CFloatField *amount :
         {&t1.f13699, &t1.f13700, &t1.f13899, &t1.f13900, &t1.f14099, &t1.f14100, &t1.f14299,
          &t1.f14300, &t1.farmingAmount, &t1.selfEmploymentIncome, &t1.selfEmploymentExpenses,
          &t1.selfEmploymentCca, &t1.rentalExpenses, &t1.rentalCca, &t1.otherSelfEmploymentIncome})
        *amount = 0.0;
    t1.partnershipEntries.reset();
    t1.CalculateLine213ByWorkSheet();
    for (CIntField *count : {&t1.rentalCount, &t1.businessCount, &t1.professionalCount,
                             &t1.farmingCount, &t1.commissionCount, &t1.fishingCount})
        *count = 0;
}

void addPartnershipForms(IndividualTaxData &person, TaxData_T1New &t1)
{
    for (CTaxData_T5013 *t5013 : Pass1::formsOfType<CTaxData_T5013>(person, FormType::T5013)) {
        t5013->province = person.m_province;
        t5013->sin = t1.sin.value();
        t5013->Calculate01();
        t1.rentalCount += t5013->HaveRentalIncome();
        t1.businessCount += t5013->HaveBusinessIncome();
        t1.professionalCount += t5013->HaveProfessionalIncome();
        t1.farmingCount += t5013->HaveFarmIncome();
        t1.commissionCount += t5013->HaveCommissionIncome();
        t1.fishingCount += t5013->HaveFishIncome();
        for (int block = 0; block < CTaxData_T5013::kEntryBlocks; ++block) {
            if (t5013->entries.intAt(block, 0) == -1)
                continue;
            for (int i = 0; i < CTaxData_T5013::kBlockAmounts; ++i)
                t1.partnershipEntries.amountAt(0, i) += t5013->entries.amountAt(block, i + 1);
        }
        t1.grossRentalIncome += t5013->grossRental;
        t1.f12600 += t5013->rentalIncome;
        t1.f13499 += t5013->grossBusiness;
        t1.f13500 += t5013->businessIncome;
        t1.f13699 += t5013->grossProfessional;
        t1.f13700 += t5013->professionalIncome;
        t1.f13899 += t5013->grossCommission;
        t1.f13900 += t5013->commissionIncome;
        t1.f14099 += t5013->grossFarming;
        t1.farmingAmount += t5013->farmingIncome;
        t1.f14299 += t5013->grossFishing;
        t1.f14300 += t5013->fishingIncome;
    }
}

void addRentalForms(IndividualTaxData &person, TaxData_T1New &t1, double &running)
{
    const CString owner = ownerName(t1);
    for (TaxData_T776New *t776 : Pass1::formsOfType<TaxData_T776New>(person, FormType::T776)) {
        ++t1.rentalCount;
        t776->ownerName = owner;
        t776->sin = t1.sin.value();
        t776->otherRental = running;
        const double before = t776->netRental;
        t776->Calculate01();
        t1.grossRentalIncome += t776->grossRental;
        t1.f12600 += t776->netRental;
        running += t776->netRental - before;
        t1.rentalExpenses += t776->expenses - t776->personalPortion;
        t1.rentalCca += t776->capitalCostAllowance;
    }
}

// A partnership's statement: the T1 takes its set of partnership amounts; its net amount.
template <typename Statement> double partnershipNet(const Statement &form, TaxData_T1New &t1)
{
    const int kind = form.partnershipKind;
    t1.partnershipIndicator = true;
    t1.partnershipGross += form.partnership.gross(kind);
    t1.partnershipNet += form.partnership.netShare(kind);
    return form.partnership.net(kind);
}

template <typename Statement> void addCosts(TaxData_T1New &t1, const Statement &form)
{
    t1.selfEmploymentExpenses += form.expenses;
    t1.selfEmploymentCca += form.capitalCostAllowance;
}

void addFarmingForms(IndividualTaxData &person, TaxData_T1New &t1)
{
    for (TaxData_T1163New *t1163 : Pass1::formsOfType<TaxData_T1163New>(person, FormType::T1163)) {
        ++t1.farmingCount;
        t1163->firstName = t1.firstName.value();
        t1163->lastName = t1.lastName.value();
        t1163->idFirstName = t1163->firstName.value();
        t1163->idLastName = t1163->lastName.value();
        t1163->idSin = t1.sin.value();
        t1163->sin = t1.sin.value();
        t1163->Calculate01();
        t1.f14099 += t1163->grossIncome;
        t1.farmingAmount += t1163->netIncome;
        addCosts(t1, *t1163);
    }
    const CString owner = ownerName(t1);
    const CString partner = t1.ConstructFullName();
    for (TaxData_T2042New *t2042 : Pass1::formsOfType<TaxData_T2042New>(person, FormType::T2042)) {
        ++t1.farmingCount;
        t2042->ownerName = owner;
        t2042->sin = t1.sin.value();
        t2042->postalCode = t1.postalCode.value();
        t2042->Calculate01();
        t1.f14099 += t2042->grossIncome;
        if (t2042->partnershipFlag) {
            t1.farmingAmount += partnershipNet(*t2042, t1);
            t2042->partnerName = partner;
        } else {
            t1.farmingAmount += t2042->netIncome;
        }
        addCosts(t1, *t2042);
    }
}

// Step 36: a farm that is not a chief source of income deducts at most the restricted loss.
void applyRestrictedFarmLoss(TaxData_T1New &t1)
{
    const double x = t1.farmingAmount;
    if (x <= -kRestrictedFarmLossFull - kAmountTolerance && t1.restrictedFarmLoss != 0) {
        if (x <= -kRestrictedFarmLossEnd) {
            t1.f14100 = -kRestrictedFarmLossMax;
        } else {
            t1.f14100 = x;
            const double restricted =
                -(kRestrictedFarmLossFull + (-x - kRestrictedFarmLossFull) * 0.5);
            if (restricted > t1.f14100)
                t1.f14100 = restricted;
        }
    } else {
        t1.restrictedFarmLoss = 0;
        t1.f14100 = x;
    }
}

void addFishingForms(IndividualTaxData &person, TaxData_T1New &t1)
{
    const CString owner = ownerName(t1);
    for (TaxData_T2121New *t2121 : Pass1::formsOfType<TaxData_T2121New>(person, FormType::T2121)) {
        ++t1.fishingCount;
        t2121->ownerName = owner;
        t2121->sin = t1.sin.value();
        t2121->Calculate01();
        t1.f14299 += t2121->grossIncome;
        t1.f14300 += t2121->netIncome;
        if (t2121->ownFlag)
            t1.selfEmploymentIncome += t2121->netIncome;
        addCosts(t1, *t2121);
    }
}

// The net amount of a T2125 (N) and its partnership amounts into the T1.
double t2125Net(TaxData_T2125_New &t2125, TaxData_T1New &t1)
{
    return t2125.partnershipFlag ? partnershipNet(t2125, t1) : t2125.countedNetIncome();
}

void prepareT2125(TaxData_T1New &t1, TaxData_T2125_New &t2125, const CString &name)
{
    t2125.ownerName = name;
    t2125.sin = t1.sin.value();
    t2125.postalCode = t1.postalCode.value();
    t2125.Calculate01();
}

void addBusinessForms(IndividualTaxData &person, TaxData_T1New &t1)
{
    const CString owner = ownerName(t1);
    const CString commissionOwner = t1.ConstructFullName();
    for (TaxData_T2125_New *t2125 :
         Pass1::formsOfType<TaxData_T2125_New>(person, FormType::T2125C)) {
        ++t1.commissionCount;
        prepareT2125(t1, *t2125, commissionOwner);
        t1.f13899 += t2125->grossIncome;
        const double net = t2125Net(*t2125, t1);
        t1.f13900 += net;
        if (t2125->ownFlag)
            t1.selfEmploymentIncome += net;
        addCosts(t1, *t2125);
    }
    for (TaxData_T2125_New *t2125 :
         Pass1::formsOfType<TaxData_T2125_New>(person, FormType::T2125)) {
        ++t1.businessCount;
        prepareT2125(t1, *t2125, owner);
        const int kind = t2125->kind;
        if (kind == 0)
            t1.f13499 += t2125->grossIncome;
        else if (kind == 1)
            t1.f13699 += t2125->grossIncome;
        const double net = t2125Net(*t2125, t1);
        if (kind == 0)
            t1.f13500 += net;
        else if (kind == 1)
            t1.f13700 += net;
        else
            continue;
        if (t2125->ownFlag)
            t1.selfEmploymentIncome += net;
        addCosts(t1, *t2125);
    }
}

// Steps 40 to 43: capital gains into Schedule 3 and line 12700.
void capitalGains(IndividualTaxData &person, TaxData_T1New &t1, TaxData_Sch3 *sch3)
{
    // Gains shared in from the spouse count at the inclusion rate, like the Schedule 3 gains.
    const double sharedGains =
        t1.capitalGainsSharing * FederalRates2025::kCapitalGainsInclusionRate;
    double flagged = 0;
    double unflagged = 0;
    const CString name = t1.ConstructFullName();
    for (int type : {FormType::T2091, FormType::T2091WS}) {
        for (TaxData_T2091 *t2091 : Pass1::formsOfType<TaxData_T2091>(person, type)) {
            t2091->fullName = name;
            t2091->sin = t1.sin.value();
            t2091->Calculate01();
            (t2091->ownFlag ? flagged : unflagged) += t2091->gain;
        }
    }
    if (isNonZero(flagged + unflagged))
        person.getForm(FormType::SCH3, 0, true);
    auto *t2017 = formOf<TaxData_T2017New>(person, FormType::T2017);
    if (t2017) {
        t2017->Calculate01();
        if (isNonZero(t2017->result))
            person.getForm(FormType::SCH3, 0, true);
    }
    auto *t1170 = formOf<TaxData_T1170>(person, FormType::T1170);
    if (t1170)
        t1170->Calculate01();
    t1.t1170Gain = t1170 ? t1170->getF67890() : 0.0;

    if (!sch3) {
        t1.mortgageForeclosure = 0.0;
        t1.f12700 = t1.capitalGainsAdjustment + sharedGains;
        return;
    }
    sch3->principalResidenceTotal = flagged + unflagged;
    sch3->deceased = t1.IsDeceased();
    sch3->principalResidenceFlagged = flagged;
    sch3->t1170Gain = t1170 ? t1170->getF67890() : 0.0;
    sch3->t2017Amount = t2017 ? t2017->result.value() : 0.0;
    sch3->CalculateBeforeLine193();
    sch3->CalculateTaxableCapGain();
    t1.mortgageForeclosure = sch3->getMortgageForClosureAndConditionSale();
    const double s = sch3->getTaxableCapitalGain() + t1.capitalGainsAdjustment + sharedGains;
    // Only a final return may keep a net capital loss against other income.
    t1.f12700 = isPositive(s) || (s < 0 && t1.IsDeceased()) ? s : 0.0;
}

void dividends(TaxData_T1New &t1, TaxData_WS_D1 *worksheet)
{
    if (!worksheet) {
        t1.f12010 = 0.0;
        t1.f12000 = 0.0;
        t1.f12100 = t1.interestSharing.value();
        t1.foreignNonBusinessIncome = t1.t3Box38Amount.value();
        t1.f12200 = 0.0;
        t1.eligibleDividends = 0.0;
        t1.slipCarryingCharges = 0.0;
        return;
    }
    worksheet->Calculate01();
    t1.f12010 = worksheet->getF12010();
    t1.f12000 = worksheet->getF12000();
    t1.foreignNonBusinessIncome = worksheet->foreignIncome + t1.t3Box38Amount;
    t1.f12100 = worksheet->f12100 + t1.interestSharing;
    t1.f12200 = worksheet->f12200.value();
    t1.eligibleDividends = worksheet->eligibleTaxable.value();
    t1.slipCarryingCharges = worksheet->t5013CarryingCharges.value();
}

void spousalPlan(IndividualTaxData &person, TaxData_T1New &t1)
{
    auto *t2205 = formOf<CTaxData_T2205>(person, FormType::T2205);
    if (!t2205)
        return;
    t2205->yearText = QString::number(TaxData_T1New::kTaxYear);
    t2205->fullName = t1.ConstructFullName();
    t2205->sin = t1.sin.value();
    t2205->spouseSin = t1.spouseSin.value();
    t2205->Calculate01();
    t1.spousalPlanAdjustment = -t2205->amountToInclude;
    (t1.GetAge() < 65 ? t1.pensionUnder65 : t1.pensionAt65) += t2205->pensionPortion;
}

} // namespace

namespace Pass1 {

void calculateIncomeForms(IndividualTaxData &person, TaxData_T1New &t1, const Forms &forms)
{
    // The running rental value starts from the previous calculation's net rental income.
    double running = t1.f12600;
    resetSelfEmployment(t1);
    addPartnershipForms(person, t1);

    auto *t1212 = formOf<TaxData_T1212New>(person, FormType::T1212);
    if (t1212)
        t1212->Calculate01();
    t1.t1212Income = t1212 ? t1212->getF67910() : 0.0;
    auto *t2043 = formOf<TaxData_T2043>(person, FormType::T2043);
    if (t2043)
        t2043->Calculate01();
    t1.t2043Income = t2043 ? t2043->result.value() : 0.0;

    addRentalForms(person, t1, running);
    addFarmingForms(person, t1);
    applyRestrictedFarmLoss(t1);
    addFishingForms(person, t1);
    addBusinessForms(person, t1);
    capitalGains(person, t1, forms.sch3);
    dividends(t1, forms.worksheet);
    spousalPlan(person, t1);
    t1.selfEmploymentProvince = person.hasSelfEmploymentForms() ? t1.getMainTaxProvince() : 0;
}

} // namespace Pass1

double IndividualTaxData::PrepareT1032()
{
    TaxData_T1New *t1 = t1Form();
    auto *t1032 = formOf<TaxData_T1032_New>(*this, FormType::T1032);
    const int answer = t1032 ? int(t1032->transferer) : -1;
    if (!t1 || (answer != 0 && answer != 1)) {
        if (t1) {
            t1->t1032Amount = 0.0;
            t1->f11600 = 0.0;
            t1->f21000 = 0.0;
            t1->pensionSplitTaxTransfer = 0.0;
        }
        return 0;
    }
    const bool hasPartner = t1->HasSpouse() || t1->IsWidowedInTaxYear();
    const CString own[] = {t1->lastName.value(), t1->firstName.value(), t1->sin.value()};
    const CString partner[] = {hasPartner ? t1->spouseLastName.value() : CString(),
                               hasPartner ? t1->spouseFirstName.value() : CString(),
                               hasPartner ? t1->spouseSin.value() : CString()};
    // The pensioner's block is the person's own for answer 0, the partner's for answer 1.
    const CString *pensioner = answer == 0 ? own : partner;
    const CString *transferee = answer == 0 ? partner : own;
    t1032->pensionerLastName = pensioner[0];
    t1032->pensionerFirstName = pensioner[1];
    t1032->pensionerSin = pensioner[2];
    t1032->transfereeLastName = transferee[0];
    t1032->transfereeFirstName = transferee[1];
    t1032->transfereeSin = transferee[2];
    const int ownAge = t1->GetAge();
    const int partnerAge = hasPartner ? t1->GetSpouseAge() : 0;
    t1032->pensionerAge = answer == 0 ? ownAge : partnerAge;
    t1032->transfereeAge = answer == 0 ? partnerAge : ownAge;
    if (answer == 0) {
        t1032->pensionerAddress = t1->GetFullAddressWithoutPostcode(0);
        t1032->pensionerPostalCode = t1->postalCode.value();
        t1032->eligiblePension = t1->eligiblePensionIncome();
        t1032->pensionTaxDeducted = t1->pensionTaxDeducted.value();
    } else {
        t1032->partnerSumTransferee = t1->eligiblePensionIncome();
    }
    // Only the pensioner's form knows the pension that bounds the split; the transferee's
    // form holds none of it and keeps the amount both forms were given.
    const double maxSplit = answer == 0 ? t1032->CalculateMaxSplitInc() : 0.0;
    t1->t1032Amount = 0.0;
    t1->f11600 = answer == 1 ? t1032->electedAmount.value() : 0.0;
    t1->f21000 = answer == 0 ? t1032->electedAmount.value() : 0.0;
    return maxSplit;
}
