// The review before filing: the return file's warnings, then the person's, one dialog each.
#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "calc/AmountTests.h"
#include "calc/CwbTables.h"
#include "calc/SlipTotals.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/PersonForms.h"
#include "ordane/CYesNoContinueDlg.h"
#include "ordane/MessagePresenter.h"

#include <vector>

namespace {

const char kTitle[] = "Quorvandelle Warning Message";
// The tax authority's pages: placeholders until a deployment names them.
const char kDirectDepositPage[] = "https://www.tax-authority.invalid/direct-deposit-enrolment";
const char kRegisterPage[] = "https://www.tax-authority.invalid/register-account";

constexpr int kMaritalWidowed = 2;
constexpr int kCwbMinAge = 18;
constexpr int kFhsaMinAge = 18;
constexpr int kFhsaMaxAge = 71;
constexpr int kMinorMaxAge = 17;
constexpr int kSeniorAge = 64;
constexpr double kRestrictedFarmLoss = -2500;
constexpr int kFirstHomeYear = 2025;

bool warn(const QString &text)
{
    return CYesNoContinueDlg::warnYesNoMsg(mainWindowWidget(), CString(kTitle), CString(text));
}

// Each in turn; false at the first the user stops at.
template <typename Texts> bool warnEach(const Texts &texts)
{
    for (const QString &text : texts) {
        if (!warn(text))
            return false;
    }
    return true;
}

// The adjusted net income of the workers benefit hints: net income with the child care benefit
// and the second excluded income taken out and their repayments added back.
double adjustedNetIncome(const TaxData_T1New &t1)
{
    return t1.f23600 + t1.uccbRepayment + t1.excludedRepayment2 - t1.uccbAmount -
           t1.excludedIncome2;
}

double spouseAdjustedNetIncome(const TaxData_T1New &t1)
{
    return t1.spouseNetIncome + t1.spouseUccbRepayment + t1.spouseExcludedRepayment2 -
           t1.spouseUccbAmount - t1.spouseExcludedIncome2;
}

double employmentIncome(const TaxData_T1New &t1)
{
    return t1.f10100 + t1.employmentIncome2;
}

// At most this far from zero counts as no amount.
bool absent(double amount)
{
    return !isNonZero(amount);
}

bool reviewTableWarnings(IndividualTaxData &person, TaxData_T1New &t1, const SlipTotals &totals);

} // namespace

// The hints and tests of the workers benefit.

bool IndividualTaxData::claimsDisabilityAmount()
{
    const TaxData_T1New *t1 = t1Form();
    return t1 && t1->disabilityFlag != 0;
}

bool IndividualTaxData::isFhsaAge()
{
    const TaxData_T1New *t1 = t1Form();
    return t1 && t1->GetAge() >= kFhsaMinAge && t1->GetAge() <= kFhsaMaxAge;
}

bool IndividualTaxData::shouldSuggestSchedule6()
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1 || t1->GetAge() <= kCwbMinAge || t1->IsImmigrant())
        return false;
    const double working = employmentIncome(*t1) + sumSelfEmploymentIncome();
    double adjusted = adjustedNetIncome(*t1);
    const CwbThresholdRow &row = cwbThresholdRow(m_province);
    const bool disability = claimsDisabilityAmount();
    const int status = t1->maritalStatus;
    if (status < kMaritalWidowed)
        adjusted += spouseAdjustedNetIncome(*t1);
    if (status <= kMaritalWidowed)
        return adjusted <= row.column[disability ? 3 : 7];
    const bool family = m_dependants && m_dependants->GetDepNumberBetweenAges(0, 18) > 0;
    const int minimum = family ? (disability ? 1 : 5) : (disability ? 0 : 4);
    const int limit = family ? (disability ? 3 : 7) : (disability ? 2 : 6);
    if (row.column[minimum] > working)
        return false;
    return adjusted <= row.column[limit];
}

bool IndividualTaxData::mayQualifyForCwb()
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1 || t1->GetAge() <= kCwbMinAge || t1->IsImmigrant() || t1->IsEmmigrant())
        return false;
    double working = employmentIncome(*t1) + t1->taxExemptWorkingIncome +
                     t1->getSelfEmploymentIncomeWithoutLoss();
    double adjusted = t1->f23600 - t1->netIncomeDeduction + t1->uccbRepayment +
                      t1->excludedRepayment2 - t1->uccbAmount - t1->excludedIncome2;
    const bool spouse = t1->HasSpouse();
    if (spouse) {
        working += t1->spouseNetIncome;
        adjusted += t1->spouseNetIncome - t1->spouseNetIncomeDeduction + t1->spouseUccbRepayment +
                    t1->spouseExcludedRepayment2 - t1->spouseUccbAmount - t1->spouseExcludedIncome2;
    }
    const bool children = m_dependants && m_dependants->GetDepChildrenNumberForLine305() > 0;
    const CwbLimit cwb = cwbLimitFor(m_province, spouse, children, claimsDisabilityAmount());
    return isPositive(working - cwb.minimum) && isPositive(cwb.limit - adjusted);
}

bool FamilyTaxData::shouldSuggestSchedule6()
{
    IndividualTaxData *onScreen = getCurrentPersonData();
    if (!onScreen || onScreen->hasForm(FormType::SCH6))
        return false;
    if (!isCoupled())
        return taxpayer()->shouldSuggestSchedule6();
    const CwbThresholdRow &row = cwbThresholdRow(taxpayer()->m_province);
    double working = 0;
    double adjusted = 0;
    for (IndividualTaxData *person : {taxpayer(), spouse()}) {
        const auto *t1 = dynamic_cast<TaxData_T1New *>(person->getT1Data());
        if (!t1)
            continue;
        working += employmentIncome(*t1) + person->sumSelfEmploymentIncome();
        adjusted += adjustedNetIncome(*t1);
    }
    if (row.column[1] > working)
        return false;
    return adjusted <= row.column[3];
}

// The review.

bool FamilyTaxData::preCheckReturn(unsigned char edition, bool)
{
    const bool coupled = isCoupled();
    if (!coupled && taxpayer()->hasSharedSlip() &&
        !warn("This single return file has shared tax slips or tax forms. Make sure other "
              "returns claim the rest of the shared part."))
        return false;

    double amount = 0;
    const bool taxpayerClaims = taxpayer()->getAmountByKey(367, amount);
    const bool spouseClaims = coupled && spouse()->getAmountByKey(367, amount);
    const int infirmChildren = m_dependants.GetDepChildrenNumberBetweenAges_Infirm(0, 17, true);
    const int status = taxpayer()->getMaritalStatus();
    const char *const onlyOnce = "As married or common-law, each child eligible for field 30500 "
                                 "can only be claimed by one person.";
    if (coupled && taxpayerClaims && spouseClaims && !warn(onlyOnce))
        return false;
    if (!coupled && status < kMaritalWidowed && taxpayerClaims && !warn(onlyOnce))
        return false;
    if (!coupled && status >= kMaritalWidowed && !taxpayerClaims && infirmChildren > 0 &&
        !warn("You may be eligible to claim Canada caregiver amount for infirm children under "
              "age 18 at field 30500."))
        return false;

    if (shouldSuggestSchedule6() &&
        !warn("You may want to include Schedule 6 to calculate Canada Workers Benefit. Press 'OK' "
              "button to skip Schedule 6."))
        return false;

    IndividualTaxData *person = getCurrentPersonData();
    return person && person->ReviewBeforeFiling(edition);
}

bool IndividualTaxData::ReviewBeforeFiling(unsigned char edition)
{
    SlipTotals totals;
    std::set<int> neededForms;
    SumSlips(totals, neededForms);
    const QList<TaxDataEntryStru *> slips = m_slipList;
    for (const TaxDataEntryStru *entry : slips) {
        if (!entry->data)
            continue;
        QStringList texts;
        entry->data->collectWarnings(texts);
        if (!warnEach(texts))
            return false;
    }
    TaxData_T1New *t1 = t1Form();
    if (!t1)
        return false;

    const bool netfile = edition & 2;
    const bool efile = edition & 1;
    QWidget *parent = mainWindowWidget();
    const CString title(kTitle);
    {
        CYesNoContinueDlg dialog(title, parent);
        dialog.setMsg(2, "Please confirm tax residency of the tax payer. You can use this online "
                         "filing if you were, in the tax year, a resident, immigrant, or some "
                         "type of emigrant of Canada. If you were a factual resident, please "
                         "specify it in form T1248 Schedule D and do the online filing.");
        dialog.setMsg(3, netfile ? "Non-resident, deemed resident return should be prepared by "
                                   "another software."
                                 : "For EFile purpose, emigrant of Canda in the tax year would be "
                                   "allowed for online filing.");
        if (dialog.exec() != 1)
            return false;
    }
    if (t1->IsEmmigrant() &&
        presentMessage(QMessageBox::Question, parent, "Emigrant Return Note",
                       QString("Does the tax payer's tax situation require submission of any of "
                               "the following forms: T1243, T1244, and/or T1161? Please select "
                               "Yes or No. ") +
                           "\n\n" + "If 'Yes' is selected, a paper return must be filed.",
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes)
        return false;
    if (t1->question4Answer != 0) {
        CYesNoContinueDlg dialog(title, parent);
        dialog.setMsg(2, "According to the answer to question 4 on page 1 of T1, tax payer's "
                         "name, address, phone number or direct deposit information have "
                         "changed.");
        dialog.setMsg(
            3, netfile
                   ? "You cannot change your name or direct deposit information using NETFILE. "
                     "Your name or direct deposit information will not be transmitted with your "
                     "return. Please visit the CRA Web site or contact CRA by phone at "
                     "1-800-959-8281 prior to using NETFILE.\n\nYou cannot change your address "
                     "or phone number using NETFILE. Your address will not be transmitted with "
                     "your return. To change your address and phone number, please visit the CRA "
                     "Web site or contact CRA by phone at 1-800-714-7257 prior to using NETFILE."
                   : "Please make sure that tax payer's new address, and/or direct deposit "
                     "information are updated in form T183 and T1DD.");
        if (dialog.exec() != 1)
            return false;
    }
    if (efile) {
        CYesNoContinueDlg dialog(title, parent);
        dialog.setMsg(1, title);
        dialog.setMsg(2, "Taxpayers will be able to register for Direct Deposit through the "
                         "following methods:");
        dialog.setMsg(3, "My Account online, through a Canadian bank or credit union, or by "
                         "completing and mailing a Direct Deposit enrolment form(paper) available "
                         "at the following link. If the Direct Deposit enrolment form is printed "
                         "from the link provided, the form must be signed, and a void cheque "
                         "must be attached.");
        dialog.setLinkMsg(4, "Canada direct deposit enrolment form", kDirectDepositPage);
        dialog.resize(700, 400);
        if (dialog.exec() != 1)
            return false;
    } else if (t1->accessCode.IsEmptyIfRemoveBlank()) {
        CYesNoContinueDlg dialog(title, parent);
        dialog.setMsg(1, "NetFile Access Code");
        dialog.setMsg(2, "Your unique Access code can be found on your Notice of Assessment "
                         "(NOA) for a previous tax year. This eight-character Access code is made "
                         "up of numbers and letters.");
        dialog.setMsg(3, "Are you sure you want to file your tax return without entering your "
                         "Access code? If you do not enter your Access code, you will not be "
                         "able to use information from your 2025 tax return when confirming "
                         "your identity with the CRA.");
        dialog.setMsg(4, "You can enter NetFile Access Code on page 1 of T1, under tax payer's "
                         "name.");
        dialog.resize(700, 400);
        if (dialog.exec() != 1)
            return false;
    }
    if (t1->foreignPropertyAnswer == 0) {
        CYesNoContinueDlg dialog(title, parent);
        dialog.setMsg(1, title);
        dialog.setMsg(2, "You answered 'Yes' to the question 'Did you own or hold specified "
                         "foreign property where the total cost amount of all such property, at "
                         "any time in the year, was more than CAN$100,000?' Therefore, you are "
                         "required to file form T1135, Foreign Income Verification Statement, if "
                         "you have not already done so.");
        dialog.setMsg(3, "There are substantial penalties for not completing and filing Form "
                         "T1135 by the due date. If you have provided incomplete information, "
                         "omitted information, or have not filed form T1135 in prior years, the "
                         "Canada Revenue Agency (CRA) encourages you to come forward and correct "
                         "your tax affairs through the Voluntary Disclosures Program (VDP).");
        dialog.setMsg(4, "For more information, see Form T1135.");
        dialog.resize(700, 500);
        if (dialog.exec() != 1)
            return false;
    }
    if (t1->email.value().size() > 1) {
        CYesNoContinueDlg dialog(title, parent);
        dialog.setMsg(1, title);
        dialog.setMsg(
            2, efile ? "By providing your client's email address, they will stop receiving paper "
                       "mail from the CRA and will instead receive an email notification when "
                       "mail is available in My Account. You will need to advise your client to "
                       "register for a CRA account to access My Account to view their Notice of "
                       "Assessment or Reassessment, and any other CRA mail that is available "
                       "online."
                     : "By providing your email address, you will stop receiving paper mail from "
                       "the CRA and will instead receive an email notification when mail is "
                       "available in My Account. You will need to register for My Account to "
                       "access your Notice of Assessment or Reassessment, and any other CRA mail "
                       "that is available online.");
        dialog.setLinkMsg(4, "Register for a CRA account", kRegisterPage);
        dialog.resize(600, 400);
        if (dialog.exec() != 1)
            return false;
    }
    return reviewTableWarnings(*this, *t1, totals);
}

namespace {

bool reviewTableWarnings(IndividualTaxData &person, TaxData_T1New &t1, const SlipTotals &totals)
{
    const auto present = [&person](int type) {
        return person.findFormEntry(type, 0, false) != nullptr;
    };
    const DependantInfoStruct *dependants = person.m_dependants;
    const bool youngChildren = dependants && dependants->GetDepNumberBetweenAges(0, 6) > 0;
    std::vector<QString> texts;
    const auto when = [&texts](bool condition, const QString &text) {
        if (condition)
            texts.push_back(text);
    };
    when(present(FormType::T1248SCHD), "Please make sure to select the correct Residency Type for "
                                       "the tax payer in form T1248 Schedule D.");
    when(t1.IsAgeNotUnder65() && absent(t1.oasPension),
         "Please confirm that you did not receive the old age security (OAS) pension.");
    when(youngChildren && absent(t1.spouseUccbAmount) && absent(t1.uccbAmount) &&
             absent(t1.childBenefitU2),
         "Press 'OK' button to confirm you and your spouse (if applicable), didn't receive "
         "Universal Child Care Benefit (UCCB) in the tax year.");
    when(youngChildren && absent(t1.spouseUccbRepayment) && absent(t1.uccbRepayment),
         "Press 'OK' button to confirm you and your spouse(if applicable), didn't have any "
         "repayment for Universal Child Care Benefit (UCCB) in the tax year.");
    when((t1.f12200 <= -kAmountTolerance || t1.f12600 <= -kAmountTolerance) &&
             absent(t1.support5354),
         "You reported an amount at field 12200/12600 in T1. If you have any limited partnership "
         "loss carry forward amount as supporting field 5354, please enter it in box 31 of T5013 "
         "slip; or supporting fields in form T776 or form T5013.");
    when(exceeds(kRestrictedFarmLoss, t1.farmingAmount) && t1.restrictedFarmLoss == 0,
         "Please confirm you don't want to claim restricted farm loss (section 31) on page 2 of "
         "form T1.");
    when(t1.restrictedFarmLoss != 0 && absent(t1.netFarmingAmount - t1.farmingAmount),
         "You made a claim of restricted farm loss (section 31) on page 2 of form T1. However it "
         "doesn't make difference if you don't claim it.");
    double totalIncome = 0;
    person.getAmountByKey(150, totalIncome);
    when(absent(totalIncome), "Please confirm that you reported no income in tax return.");
    const bool spouseData = person.hasSpouseData();
    when(spouseData && absent(t1.spouseNetIncome),
         "Please confirm that there is no income reported from your spouse or common-law partner. "
         "Spouse net-income should be entered on page 1 of form T1.");
    when(spouseData && !absent(t1.spouseNetIncome) && absent(t1.spouseTaxableIncome),
         "Please confirm spouse's taxable income is zero. Click spouse's income field on page 1 of "
         "T1, there are both spouse's net income and taxable income fields.");
    auto *sch5 = formOf<TaxData_Sch5>(person, FormType::SCH5);
    when(t1.HasSpouse() && (!sch5 || (sch5->spouseClaim == 0 && sch5->eligibleDependants == 0)),
         "You have a spouse, however not claiming spouse amount at field 30300, maybe you choose "
         "to claim the \nequivalent-to-spouse amount at field 30400, or your spouse already "
         "claimed this amount for you.");
    when(!absent(t1.f20700) && absent(t1.f20600),
         "Please confirm you have claimed RPP deduction at field 20700 of T1, however there is no "
         "pension adjustment amount at field 206. It comes from box 52 of T4 slip.");
    when(!absent(t1.splitPensionAmount) && (person.countSlipsOfType(SlipType::T4AP) > 0 ||
                                            person.countSlipsOfType(SlipType::T4AOAS) > 0),
         "Please confirm Old Age Security Pension from T4A(OAS) slip and CPP/QPP benefits from "
         "T4A(P) slip are not included for pension split purpose, e.g. in field 11500, 12900 of "
         "T1 and Field 68020 of T1032.");
    auto *t936 = formOf<TaxData_T936New>(person, FormType::T936);
    when(t936 && !absent(t936->f68140) && absent(t1.f25300),
         "You might be able to claim capital loss at line 25300 on page 3 of T1, since you have "
         "accumulated capital loss in form T936, and you have capital gain in this year.");
    when(true, "If you or your spouse receive an RC210 slip with an amount in Box 10, the person, "
               "who is claiming the basic CWB, must report the spouse's Box 10 amount in Schedule "
               "6. if neither spouse is claiming the basic CWB, they can choose who reports the "
               "amounts of Box 10 of RC210 slip.");
    when(!present(FormType::SCH2) && t1.HasSpouse(),
         "You don't have Schedule 2 Amounts Transferred From Your Spouse in tax return. You might "
         "want to include it to optimize your tax return result.");
    when(present(FormType::SCH12MHR) && t1.GetAge() <= kMinorMaxAge && t1.HasSpouse() &&
             t1.GetSpouseAge() <= kSeniorAge,
         "Please confirm that spouse is eligible for disability amount, so that Schedule 12 "
         "multigenerational home renovation tax credit can be claimed.");
    auto *sch15 = formOf<TaxData_Sch15>(person, FormType::SCH15);
    when((!sch15 || !sch15->box68930) && person.isFhsaAge(),
         QString("If the taxpayer opened their first FHSA in %1; or became a successor holder in "
                 "the %1 tax year and did not open another FHSA of their own in %1 or a prior "
                 "year, please tick the box at field 68930 of Schedule 15.")
             .arg(kFirstHomeYear));
    if (!warnEach(texts))
        return false;
    texts.clear();

    const QList<TaxDataEntryStru *> forms = person.m_formList;
    for (const TaxDataEntryStru *entry : forms) {
        if (!entry->data)
            continue;
        QStringList own;
        entry->data->collectWarnings(own);
        if (!warnEach(own))
            return false;
    }

    when(!present(FormType::SCH6) && person.mayQualifyForCwb(),
         "According to your work income, you may qualify CWB (Canada Workers Benefit) by adding "
         "schedule 6 into return; otherwise confirm schedule 6 is not needed.");
    auto *sch7 = formOf<TaxData_Sch7>(person, FormType::SCH7);
    when(sch7 && absent(sch7->f24600) && absent(sch7->f24620) && absent(t1.hbpRepayment) &&
             absent(t1.llpRepayment),
         "Please confirm that there is no requirement for HBP or LLP repayment. If you withdrew "
         "RRSP for HBP or LLP in prior year, you need to check and verify.");
    when(!present(FormType::T691) && (!absent(t1.support67820) || !absent(t1.support67830) ||
                                      !absent(t1.support67840) || !absent(t1.support6786)),
         "Alternative minimum tax may apply since supporting field 67820, 67830, 67840 and 67860 "
         "are being claimed in the tax return. Please add form T691 to calculate minimum tax.");
    if (!warnEach(texts))
        return false;
    texts.clear();

    if (!person.m_provsTaxMgr.warnProvincialMessages(&t1,
                                                     person.getForm(FormType::SCH11, 0, false)))
        return false;

    auto *cpt20 = formOf<TaxData_CPT20_New>(person, FormType::CPT20);
    when(cpt20 && !cpt20->hadElectedIncomeToPayCPP(),
         "Please remove form CPT20 if you don't elect any income to make CPP contribution at line "
         "16 or 17 of the form.");
    when(!absent(totals.t4Box85), "Please confirm that medical expense is claimed for box 85 of "
                                  "T4 slip.");
    when(!absent(totals.t4aBox135), "Please confirm that medical expense is claimed for box 135 "
                                    "of T4A slip.");
    when(totals.t1204Count > 0, "Can you confirm that T2125 is completed properly to report "
                                "government contract income from T1204 tax slip?");
    return warnEach(texts);
}

} // namespace
