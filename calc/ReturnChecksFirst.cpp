// The return-level checks 1 to 36: slips against forms, forms against the T1, ages and status.
#include "calc/ReturnChecks.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/CSharableTaxData_Form.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalRates2025.h"
#include "marrow/FederalSchedules.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TypeCodes.h"

namespace {

// The EFILER ID is exactly this long; a password must be longer than the minimum.
constexpr int kEfilerIdLength = 5;
constexpr int kEfilerPasswordMinimum = 6;
// Partnership and tax shelter IDs at most this long are incomplete.
constexpr int kPartnershipIdIncomplete = 8;
constexpr int kTaxShelterIdIncomplete = 5;
// The beneficiary amount must reach this (more than $1).
constexpr double kBeneficiaryMinimum = 1.5;
// The largest Schedule 2 field 36100 amount, as the review rules give it.
constexpr double kSch2F36100Maximum = 59114;
// Quebec: line 438 against Non-Quebec tax deducted on T4 slips (the 2025 limit for 43800).
constexpr int kQuebec = 11;
constexpr double kLine438Share = 0.45;
// Canada training credit ages, inclusive.
// Schedule 15 before 18.
constexpr int kAdultAge = 18;
constexpr int kSpouseMinorAge = 17;

void slipChecks(ReturnCheckContext &c)
{
    bool t3Told = false;
    bool t5Told = false;
    for (const TaxDataEntryStru *entry : c.person.m_slipList) {
        const auto *shared = dynamic_cast<const CSharableTaxData_Form *>(entry->data);
        const bool noShare = shared && !isNonZero(shared->sharePercent);
        if (entry->type == SlipType::T3 && noShare && !t3Told) {
            t3Told = true;
            c.group.addMsg("There is a T3 slip which has sharing percentage set to 0. Please "
                           "correct the sharing percentage or remove the T3 slip.");
        }
        if (entry->type == SlipType::T5 && noShare && !t5Told) {
            t5Told = true;
            c.group.addMsg("There is a T5 slip which has sharing percentage set to 0. Please "
                           "correct the sharing percentage or remove the T5 slip.");
        }
        const auto *t5013 = entry->type == SlipType::T5013
                                ? dynamic_cast<const TaxData_Slip_T5013 *>(entry->data)
                                : nullptr;
        if (t5013 && t5013->partnershipId.value().size() <= kPartnershipIdIncomplete &&
            t5013->taxShelterId.value().size() <= kTaxShelterIdIncomplete)
            c.group.addMsg("Please complete partnership ID and/or tax shelter ID in T5013 slip.");
    }
}

void efilerChecks(ReturnCheckContext &c)
{
    if (!(c.edition & 1))
        return;
    if (!c.present(FormType::T183))
        c.group.addMsg(
            "Add form T183 - Information Return of Electronic Filing, to the tax return.");
    const TabWndApp *app = appInstance();
    const QString id = app ? app->config.BusinessEFileNum.trimmed() : QString();
    const QString password = app ? app->config.BusinessEFilePassword.trimmed() : QString();
    if (id.size() != kEfilerIdLength)
        c.group.addMsg("EFILER ID is missing or invalid in preference settings by menu Start | "
                       "Preference.");
    if (password.size() <= kEfilerPasswordMinimum)
        c.group.addMsg("EFILER password is missing or invalid in preference settings by menu "
                       "Start | Preference.");
}

void beneficiaryAndCppChecks(ReturnCheckContext &c)
{
    TaxData_T1New &t1 = c.t1;
    if (auto *schD = c.form<TaxData_T1248SchD>(FormType::T1248SCHD)) {
        CString text;
        if (schD->ValidateWithT1(c.edition, text, t1.factualResident, t1.statusInt1,
                                 t1.IsImmigrant(), t1.IsEmmigrant()) > 0)
            c.group.m_msgs.push_back(text);
    }
    if (t1.beneficiaryFlag != 0 &&
        (c.person.countSlipsOfType(SlipType::T3) == 0 || !t1.deceasedFlag))
        c.group.addMsg("Tax beneficiary for deceased person requires a T3 slip in the return.");
    if (t1.beneficiaryFlag != 0 && exceeds(kBeneficiaryMinimum, t1.f52080))
        c.group.addMsg("Tax beneficiary amount (Field 52080) must be more than $1.");
    if (c.person.hasSelfEmploymentForms() && t1.selfEmploymentProvince == 0)
        c.group.addMsg("Self-employment activity is claimed, please enter the province for "
                       "self-employment on page 1 of form T1.");

    const bool sch8 = c.present(FormType::SCH8);
    const bool rc381 = c.present(FormType::RC381);
    const int mode = t1.cppMode;
    if (mode == 0 && sch8)
        c.group.addMsg("Schedule 8 is not needed, please remove it.");
    if (mode == 1 && !sch8)
        c.group.addMsg("Please add schedule 8 into tax return to calculate CPP contribution.");
    if ((mode == 0 || mode == 1) && rc381)
        c.group.addMsg("Please remove form RC381, it's not needed.");
    if (mode == 2 && sch8)
        c.group.addMsg("Schedule 8 is not needed, please remove it.");
    if (mode == 2 && !rc381)
        c.group.addMsg("Please add form RC381 to tax return to calculate CPP/QPP contribution.");
}

void spouseAndDependantChecks(ReturnCheckContext &c)
{
    TaxData_T1New &t1 = c.t1;
    int spouseAmount = 0;
    c.person.getFormIntByKey(303, spouseAmount);
    if (spouseAmount != 0 && !t1.CanClaimSpouse())
        c.group.addMsg("Spouse amount can be claimed if the marital status changed during the "
                       "tax year. Marital status change is claimed on page 1 of form T1.");
    auto *sch5 = c.form<TaxData_Sch5>(FormType::SCH5);
    if (sch5 && sch5->eligibleDependants > 0 && sch5->topCheckbox == 0 && t1.HasSpouse() &&
        t1.maritalChange == 0)
        c.group.addMsg("Tax payer's was married or living with common-law partner, to claim "
                       "eligible dependant amount on line 30400 on Schedule 5, either (1)Tax "
                       "payer's marital status changed during the tax year. Claim marital status "
                       "change on page 1 of T1; or (2) Read the checkbox condition on top of "
                       "Schedule 5.");
    if (sch5) {
        const CString sin = sch5->sin55295.GetTrimedString();
        if (!sin.IsEmpty() && sin.CompareNoCase("000000000") != 0 &&
            (sin.CompareNoCase(t1.sin.value()) == 0 ||
             sin.CompareNoCase(t1.spouseSin.value()) == 0))
            c.group.addMsg("S.I.N. entered in field 55295 of schedule 5 cannot be identical to "
                           "tax payer's or the spouse's S.I.N.");
    }
    const int children =
        c.person.m_dependants ? c.person.m_dependants->GetDepChildrenNumberBetweenAges(0, 17) : 0;
    if (children < int(t1.children30500))
        c.group.addMsg(
            "According to dependant information, you entered more children for field 30500.");

    double limit = t1.f11500 + t1.pensionCreditAmountP + t1.f12900 - t1.pensionCreditAmountQ -
                   t1.hbpRepayment - t1.llpRepayment;
    if (auto *t1032 = c.form<TaxData_T1032_New>(FormType::T1032)) {
        if (t1032->exclusionFlag == 0)
            limit -= t1032->amount;
    }
    if (isPositive(t1.f31400) && exceeds(t1.f31400, limit))
        c.group.addMsg("Field 31400 of T1 is too much according to other entries in tax return.");

    if (auto *sch2 = c.form<TaxData_Sch2>(FormType::SCH2)) {
        if (!t1.canClaimSch2())
            c.group.addMsg("Please remove Schedule 2 because tax payer is not married or living "
                           "with common-law partner or widowed in tax year. You may need to "
                           "claim a marital status change on page 1 of T1.");
        if (exceeds(sch2->f36100, kSch2F36100Maximum))
            c.group.addMsg("Field 36100 of Schedule 2 exceeds maximum amount allowed.");
    }
    if (auto *sch8 = c.form<TaxData_Sch8_14>(FormType::SCH8)) {
        if ((isPositive(sch8->f50372) || isPositive(sch8->f50374)) &&
            !isNonZero(t1.cppRetirementBenefit))
            c.group.addMsg("Remove field 50372 or 50374 in schedule 8 since there is no CPP/QPP "
                           "retirement benefit reported in T4A(P) slip.");
    }
}

void schedule13Checks(ReturnCheckContext &c)
{
    TaxData_T1New &t1 = c.t1;
    auto *sch13 = c.form<TaxData_Sch13>(FormType::SCH13);
    if (isPositive(t1.f31217) &&
        (!sch13 ||
         (!isNonZero(sch13->f54493) && !isNonZero(sch13->f54494) && !t1.HasSelfEmploymentIncome())))
        c.group.addMsg("Field 31217 requires an amount in Field 54493, or 54494 of Schedule 13 or "
                       "a self-employment income.");
    if (sch13 && exceeds(sch13->f54493, t1.f10100))
        c.group.addMsg("Field 54493 of Schedule 13 cannot be greater than field 10100 of T1.");
    if (sch13 && isNonZero(sch13->f54494)) {
        auto *t90 = c.form<TaxData_T90>(FormType::T90);
        if (!t90 || exceeds(sch13->f54494, t90->f10000))
            c.group.addMsg(
                "Field 54494 of Schedule 13 cannot be greater than field 10000 of form T90.");
    }
    if (sch13 && isNonZero(sch13->f53550)) {
        auto *t2204 = c.form<TaxData_T2204_New>(FormType::T2204);
        if (!t2204 || t2204->insurableEarnings < 1 || !t1.HasSelfEmploymentIncome2(0))
            c.group.addMsg("Field 53550 in Schedule 13 requires at least one self-employment "
                           "form and a T4 tax slip showing EI insurable earning.");
    }
    if (isNonZero(c.totals.t4Box55EiExempt) && (!sch13 || !isNonZero(sch13->f54493)))
        c.group.addMsg(
            "PPIP amount in box 55 of T4 slip requires an amount in field 54493 of Schedule 13.");
}

void ageAndImmigrationChecks(ReturnCheckContext &c)
{
    TaxData_T1New &t1 = c.t1;
    if (c.person.m_province == kQuebec && exceeds(t1.f43800, kLine438Share * c.totals.t4Box22))
        c.group.addMsg("Line 438 on page 4 of T1 cannot exceed 45 percent of the income tax "
                       "deducted on Non-Quebec T4 slips.");
    const int age = t1.GetAge();
    if (isNonZero(t1.f45350) && (age < FederalRates2025::kTrainingCreditMinAge ||
                                 age > FederalRates2025::kTrainingCreditMaxAge))
        c.group.addMsg("Canada traing credit (Field 45350) cannot be claimed if tax payer's age "
                       "is not between 26 and 65.");
    if (isNonZero(t1.f45350) && c.isNewImmigrant())
        c.group.addMsg(
            "Canada traing credit (Field 45350) cannot be claimed by a new immigrant tax payer.");

    // The Schedule 15 deduction the texts name.
    auto *sch15 = c.form<TaxData_Sch15>(FormType::SCH15);
    const bool fhsaDeduction = sch15 && isNonZero(sch15->f20805);
    if (fhsaDeduction && age < kAdultAge && t1.HasSpouse() && t1.GetSpouseAge() <= kSpouseMinorAge)
        c.group.addMsg(
            "Schedule 15 cannot be claimed if tax payer and spouse are both younger than 18.");
    if (fhsaDeduction && age < kAdultAge && !t1.HasSpouse())
        c.group.addMsg("Schedule 15 cannot be claimed if tax payer's age is younger than 18 and "
                       "doesn't have a spouse.");
    if (fhsaDeduction && c.isNewImmigrant())
        c.group.addMsg("Schedule 15 cannot be claimed by a new immigrant tax payer.");

    if (auto *t778 = c.form<TaxData_T778New>(FormType::T778)) {
        const double own = t1.getNetIncForCredit(t1.getMainTaxProvince());
        const double spouse = t1.getSpouseNetIncForSpouseCredit(false);
        if (t1.HasSpouse() && t778->higherIncomeFlag2 == 0 &&
            ((t778->higherIncomeFlag1 == 0 && exceeds(own, spouse)) ||
             (t778->higherIncomeFlag1 != 0 && exceeds(spouse, own + t778->amount))))
            c.group.addMsg("The chekbox selection for who has higher net income in form T778 is "
                           "wrongfully selected.");
    }
}

void provincialChecks(ReturnCheckContext &c)
{
    c.person.m_provsTaxMgr.collectProvincialCheckMessages(
        c.group.m_msgs, &c.t1, c.form<TaxData_Sch2>(FormType::SCH2),
        c.form<TaxData_Sch5>(FormType::SCH5), c.form<TaxData_Sch9>(FormType::SCH9),
        c.form<TaxData_Sch11>(FormType::SCH11), c.form<TaxData_T691New>(FormType::T691),
        c.form<TaxData_T1206New>(FormType::T1206));
}

} // namespace

bool ReturnCheckContext::isNewImmigrant() const
{
    return t1.IsImmigrant() && t1.entryDate.date() != QDate(TaxData_T1New::kTaxYear, 1, 1);
}

void runFirstHalfChecks(ReturnCheckContext &c)
{
    slipChecks(c);
    efilerChecks(c);
    beneficiaryAndCppChecks(c);
    spouseAndDependantChecks(c);
    schedule13Checks(c);
    ageAndImmigrationChecks(c);
    provincialChecks(c);
}
