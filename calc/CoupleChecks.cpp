// The review of one person with the couple checks: both spouses' returns looked at together.
#include "calc/AmountTests.h"
#include "calc/ValidationMsgGroup.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/PersonForms.h"

namespace {

constexpr int kWidowed = 2;
constexpr int kAdoptedChildren = 6;
// Adoption expenses maximum (per child) and the home buyers' amount (line 31270), each a
// limit of both returns together: docs/TaxFigures2025.md.
constexpr double kAdoptionMaximum = 19580;
constexpr double kHomeBuyersMaximum = 10000;

// Net income without the child care benefit, with the net-income adjustment (amount N).
double adjustedIncome(const TaxData_T1New &t1)
{
    return t1.f23600 - t1.uccbAmount + t1.childCareIncome;
}

} // namespace

int IndividualTaxData::CheckCoupleReturn(unsigned char, std::list<CString> &messages,
                                         IndividualTaxData *partner)
{
    TaxData_T1New *own = t1Form();
    TaxData_T1New *other = partner ? partner->t1Form() : nullptr;
    if (!own || !other)
        return int(messages.size());
    const auto add = [&messages](const QString &text) { messages.push_back(CString(text)); };

    if ((own->maritalStatus == kWidowed && !own->IsWidowedInTaxYear()) ||
        (other->maritalStatus == kWidowed && !other->IsWidowedInTaxYear()))
        add("If you are widowed in the tax year, please check the box under marital status to "
            "indicate marital status changed in the tax year, so spouse related amount can be "
            "filed.");
    if (own->HasSpouse()) {
        const double q = adjustedIncome(*own);
        const double r = adjustedIncome(*other);
        const double u = own->uccbAmount;
        const double s = own->spouseUccbAmount;
        if (isPositive(u) && isPositive(q - r - u))
            add("UCCB must be claimed by your spouse because your spouse has lower net income.");
        else if (!isPositive(u) && isPositive(s) && isPositive(r - q - s))
            add("UCCB must be claimed by you because you have lower net income.");
    }
    if (isPositive(own->f30300) && isPositive(other->f30300))
        add("Both spouses claimed spouse amount in schedule 5, only one should claim it.");
    if (isPositive(own->f30500) && isPositive(other->f30500))
        add("You and your spouse can NOT claim the amount at field 30500 at the same time.");
    for (int child = 1; child <= kAdoptedChildren; ++child) {
        if (exceeds(own->adoptionAmount(child) + other->adoptionAmount(child), kAdoptionMaximum))
            add(QString::asprintf(
                "The total of %s in both returns is more than %s.",
                QString::asprintf("field 31300 (adoption) for child %d", child)
                    .toUtf8()
                    .constData(),
                QString::asprintf("$%.2f", kAdoptionMaximum).toUtf8().constData()));
    }
    // The text names the limit tested.
    if (exceeds(own->f31270 + other->f31270, kHomeBuyersMaximum))
        add("The total of Home Buyer's Amount in field 31270 in both returns is more than "
            "$10,000.");
    if (auto *sch2 = formOf<TaxData_Sch2>(*this, FormType::SCH2)) {
        const double a = sch2->f36000;
        auto *sch11 = formOf<TaxData_Sch11>(*partner, FormType::SCH11);
        if (isNonZero(a) && (!sch11 || isPositive(a - sch11->f32700)))
            add("To claim an amount in field 36000 of Schedule 2, there has to be an even larger "
                "amount in field 32700 of spouse Schedule 11.");
    }
    auto *sch6 = formOf<TaxData_Sch6>(*this, FormType::SCH6);
    auto *partnerSch6 = formOf<TaxData_Sch6>(*partner, FormType::SCH6);
    if (sch6 && partnerSch6 && sch6->basicBenefitAnswer == 0 &&
        partnerSch6->basicBenefitAnswer == 0)
        add("Only one person between Married or Common-law couple can claim basic CWB benefit in "
            "schedule 6.");
    auto *t778 = formOf<TaxData_T778New>(*this, FormType::T778);
    auto *partnerT778 = formOf<TaxData_T778New>(*partner, FormType::T778);
    if (t778 && partnerT778 &&
        (t778->higherIncomeFlag1 != 0) == (partnerT778->higherIncomeFlag1 != 0))
        add("One tax return should claim it has higher net income in form T778 for child care "
            "expenses.");
    if (hasForm(FormType::T1032) != partner->hasForm(FormType::T1032))
        add("Please make sure form T1032 (Election to Split Pension) is presented in both coupled "
            "returns.");
    m_provsTaxMgr.collectProvincialCoupleMessages(messages, &partner->m_provsTaxMgr);
    return int(messages.size());
}

int FamilyTaxData::checkCouple(unsigned char edition, std::list<CString> &messages, bool forSpouse)
{
    if (!isCoupled())
        return 0;
    IndividualTaxData *own = forSpouse ? spouse() : taxpayer();
    IndividualTaxData *other = forSpouse ? taxpayer() : spouse();
    return own->CheckCoupleReturn(edition, messages, other);
}

int FamilyTaxData::collectCheckMessages(unsigned char edition,
                                        std::list<ValidationMsgGroup *> &groups, CString &name,
                                        bool forSpouse, bool withCouple)
{
    const bool coupled = isCoupled();
    if (forSpouse && !coupled)
        return 0;
    IndividualTaxData *person = forSpouse ? spouse() : taxpayer();
    CString fullName;
    if (person->getTextByKey(17, fullName))
        name = fullName;
    person->CheckSingleReturn(edition, groups);
    int count = int(groups.size());
    if (withCouple && coupled) {
        auto *group = new ValidationMsgGroup;
        group->m_kind = ValidationMsgGroup::KindCouple;
        checkCouple(edition, group->m_msgs, forSpouse);
        groups.push_back(group);
        count += int(group->m_msgs.size());
    }
    return count;
}
