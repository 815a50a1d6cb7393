// IndividualTaxData::TransferSpouseData: the person's summary form filled from the T1 and the
// schedules after the passes, with the benefit estimates and the file password.
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"

#include "calc/BenefitEstimates.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "ordane/AmountTolerance.h"
#include "ordane/Clock.h"

#include <QDate>
#include <cmath>

namespace {

TaxData_T1KSNew *summaryOf(IndividualTaxData &person)
{
    return formOf<TaxData_T1KSNew>(person, FormType::T1KS);
}

double ownAdjustedNetIncome(const TaxData_T1New &t1)
{
    return t1.f23600 + t1.excludedRepayment2 - t1.excludedIncome2;
}

double spouseAdjustedNetIncome(const TaxData_T1New &t1)
{
    if (!t1.HasSpouse())
        return 0;
    return t1.spouseNetIncome + t1.spouseExcludedRepayment2 - t1.spouseExcludedIncome2;
}

double earnedIncome(const TaxData_T1New &t1)
{
    double sum = 0;
    for (const CFloatField *amount : {&t1.f10100, &t1.f10400, &t1.f12600, &t1.f12800, &t1.f13500,
                                      &t1.f13700, &t1.f13900, &t1.f14100, &t1.f14300, &t1.f15200})
        sum += *amount;
    return sum;
}

int dependantCount(const DependantInfoStruct *dependants, int (DependantInfoStruct::*count)() const)
{
    return dependants ? (dependants->*count)() : 0;
}

} // namespace

void IndividualTaxData::TransferSpouseData(bool isCurrentPerson, IndividualTaxData *partner)
{
    TaxData_T1KSNew *summary = summaryOf(*this);
    if (!summary)
        return;
    // The Result page shows both persons of a coupled return side by side.
    summary->setPartnerSummary(partner ? summaryOf(*partner) : nullptr);
    // The password typed on the summary on screen protects the whole return file.
    if (isCurrentPerson) {
        m_password = summary->password.value();
        if (partner) {
            partner->m_password = summary->password.value();
            if (TaxData_T1KSNew *partnerSummary = summaryOf(*partner))
                partnerSummary->password = summary->password.value();
        }
    }

    TaxData_T1New *t1 = t1Form();
    auto *t1a = formOf<TaxData_T1ANew>(*this, FormType::T1A);
    auto *sch3 = formOf<TaxData_Sch3>(*this, FormType::SCH3);
    auto *sch5 = formOf<TaxData_Sch5>(*this, FormType::SCH5);
    auto *sch9 = formOf<TaxData_Sch9>(*this, FormType::SCH9);

    bool gstEstimated = false;
    if (t1) {
        summary->province = m_province;
        summary->copyT1Part(*t1);
        const CString fullName = t1->ConstructFullName();
        summary->fullName = fullName;
        summary->fullNameLetter = fullName;
        summary->fullNamePrint = fullName;
        summary->address = t1->GetFullAddressWithoutPostcode(0);
        summary->addressLine2 = QString();
        summary->taxYear = QString::number(TaxData_T1New::kTaxYear);
        summary->refundIndicator = t1->signedBalance >= kAmountTolerance ? 0 : 1;
        summary->averageRate =
            std::fabs(t1->f15000) >= kAmountTolerance ? t1->f43500 / t1->f15000 * 100 : 0.0;
        summary->contributionRoom =
            estimateContributionRoom(earnedIncome(*t1), t1->f22900, t1->f20600);
    } else {
        summary->resetT1Part();
    }

    summary->capitalLoss = 0;
    if (sch3) {
        if (t1a)
            summary->capitalLoss = t1a->lossAmount.value();
        else if (sch3->netResult < kAmountTolerance)
            summary->capitalLoss = -sch3->netResult;
    }

    if (t1) {
        gstEstimated = estimateGstCreditInto(*summary, *t1, partner);
        const double familyIncome = ownAdjustedNetIncome(*t1) + spouseAdjustedNetIncome(*t1);
        const DependantInfoStruct none;
        const DependantInfoStruct &dependants = m_dependants ? *m_dependants : none;
        summary->childBenefit =
            summary->noBenefit != 0
                ? 0.0
                : estimateChildBenefit(m_province, dependants.GetDepChildrenNumberBetweenAges(0, 5),
                                       dependants.GetDepChildrenNumberBetweenAges(6, 17),
                                       dependants.GetInfirmDependentNumberUnderAge18(),
                                       familyIncome);
    }

    summary->provincialBenefit = 0;
    updateProvincialSummary(gstEstimated, partner);

    double carryForward = 0;
    for (const TaxDataEntryStru *entry : formEntriesOfType(FormType::T1M)) {
        if (auto *t1m = dynamic_cast<TaxData_T1MNew *>(entry->data))
            carryForward += t1m->amountForNextYear();
    }
    summary->t1mCarryForward = carryForward;

    for (int type : TaxData_T1KSNew::scheduleBlockTypes())
        summary->copyScheduleBlock(type, getForm(type, 0, false));
    auto *sch11 = formOf<TaxData_Sch11>(*this, FormType::SCH11);
    summary->tuitionCarryForward = sch11 ? sch11->getF59140() : 0.0;
    summary->t1aDate = t1a ? now().date() : QDate();

    m_provsTaxMgr.transferSpouseData(summary, 0, sch5, sch9);
    summary->Calculate01();
}

bool IndividualTaxData::estimateGstCreditInto(TaxData_T1KSNew &summary, TaxData_T1New &t1,
                                              IndividualTaxData *partner)
{
    summary.gstCredit = 0;
    summary.gstCreditQuarter = 0;
    summary.gstCreditProvincial = 0;
    if (!isGstCreditEligible(partner))
        return false;
    const int children =
        dependantCount(m_dependants, &DependantInfoStruct::GetDepChildrenNumberForLine305);
    const int others =
        dependantCount(m_dependants, &DependantInfoStruct::GetDepOtherThanChildrenNumberForLine305);
    const bool recipient = summary.gstRecipient != 0;
    const bool excluded = t1.spouseExcluded != 0;
    const double own = ownAdjustedNetIncome(t1);
    const double spouse = spouseAdjustedNetIncome(t1);

    double estimate = 0;
    if (t1.HasSpouse()) {
        const bool partnerEligible = partner ? partner->isGstCreditEligible(this) : !excluded;
        // One spouse receives the credit: the one with the higher income when the switch says
        // so, the other one otherwise.
        const bool wanted = partnerEligible && own > spouse ? recipient : !recipient;
        if (!wanted)
            return false;
        estimate = excluded ? estimateGstCredit(own, false, spouse, children > 0, children - 1)
                            : estimateGstCredit(own, true, spouse, false, children);
    } else {
        if (recipient)
            return false;
        estimate = others >= 1 ? estimateGstCredit(own, false, 0, true, children)
                               : estimateGstCredit(own, false, 0, children > 0, children - 1);
    }
    summary.gstCredit = estimate;
    return true;
}

bool IndividualTaxData::isGstCreditEligible(IndividualTaxData *)
{
    TaxData_T1New *t1 = t1Form();
    if (!t1 || t1->IsDeceasedForEfileReporting() || t1->IsEmmigrant())
        return false;
    const int age = t1->GetAge();
    const bool byAge = age >= 18 || (age == 17 && t1->birthDate.getMonth() <= 6);
    int family = dependantCount(m_dependants, &DependantInfoStruct::GetDepChildrenNumberForLine305);
    if (!t1->HasSpouse() &&
        dependantCount(m_dependants,
                       &DependantInfoStruct::GetDepOtherThanChildrenNumberForLine305) > 0)
        ++family;
    return family > 0 || t1->HasSpouse() || byAge;
}

void IndividualTaxData::updateProvincialSummary(bool gstEstimated, IndividualTaxData *)
{
    TaxData_T1New *t1 = t1Form();
    TaxData_T1KSNew *summary = summaryOf(*this);
    if (t1 && summary)
        m_provsTaxMgr.updateProvincialSummary(gstEstimated, t1, summary);
}
