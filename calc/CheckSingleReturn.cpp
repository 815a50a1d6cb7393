// IndividualTaxData::CheckSingleReturn: each item's own checks, the slip totals, the return level.
#include "calc/ReturnChecks.h"

#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"

namespace {

// The item's own messages; the group goes into the list only when the item asks for it.
void checkItem(unsigned char edition, const TaxDataEntryStru &entry, int kind,
               std::list<ValidationMsgGroup *> &groups)
{
    if (!entry.data)
        return;
    QStringList messages;
    if (!entry.data->validate(edition, messages))
        return;
    auto *group = new ValidationMsgGroup;
    group->m_kind = kind;
    group->m_type = entry.type;
    for (const QString &text : messages)
        group->m_msgs.push_back(CString(text));
    groups.push_back(group);
}

bool isT2091(int type)
{
    return type == FormType::T2091 || type == FormType::T2091WS;
}

} // namespace

int IndividualTaxData::CheckSingleReturn(unsigned char edition,
                                         std::list<ValidationMsgGroup *> &groups)
{
    TaxData_T1New *t1 = t1Form();
    if (!t1)
        return int(groups.size());
    const bool bankrupt = t1->IsBankrupt();
    // The item checks may not change the lists; copies keep the walks safe all the same.
    const QList<TaxDataEntryStru *> slips = m_slipList;
    for (const TaxDataEntryStru *entry : slips)
        checkItem(edition, *entry, ValidationMsgGroup::KindSlip, groups);
    const QList<TaxDataEntryStru *> forms = m_formList;
    for (const TaxDataEntryStru *entry : forms) {
        // A pre-bankruptcy return carries no financial statements, but the T2091 forms.
        if (bankrupt && IsSFDForm(entry->type) && !isT2091(entry->type))
            continue;
        checkItem(edition, *entry, ValidationMsgGroup::KindForm, groups);
    }

    SlipTotals totals;
    std::set<int> neededForms;
    SumSlips(totals, neededForms);

    auto *group = new ValidationMsgGroup;
    group->m_kind = ValidationMsgGroup::KindReturn;
    ReturnCheckContext context{*this, *t1, totals, *group, edition, bankrupt};
    runFirstHalfChecks(context);
    runSecondHalfChecks(context);
    if (group->m_msgs.empty())
        delete group;
    else
        groups.push_back(group);
    return int(groups.size());
}
