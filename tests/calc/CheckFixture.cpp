// CheckFixture: persons and text lists for the review-check tests.
#include "CheckFixture.h"

#include "marrow/TypeCodes.h"

namespace CheckFixture {

TaxData_T1New *setUpPerson(IndividualTaxData &person, int province, int maritalStatus)
{
    person.m_province = province;
    person.m_provsTaxMgr.setMainProvince(province);
    person.m_provsTaxMgr.getProvinceManager(province, true);
    auto *t1 = dynamic_cast<TaxData_T1New *>(person.getForm(FormType::T1, 0, true));
    t1->firstName = QStringLiteral("Louise");
    t1->lastName = QStringLiteral("Gagnon");
    t1->sin = QStringLiteral("046454286");
    t1->birthDate = QDate(1985, 5, 1);
    t1->maritalStatus = maritalStatus;
    t1->setMainTaxProvince(province);
    return t1;
}

QStringList textsOf(const std::list<ValidationMsgGroup *> &groups, int kind)
{
    QStringList texts;
    for (const ValidationMsgGroup *group : groups) {
        if (group->m_kind != kind)
            continue;
        for (const CString &text : group->m_msgs)
            texts.append(text);
    }
    return texts;
}

QStringList returnTexts(IndividualTaxData &person, unsigned char edition)
{
    std::list<ValidationMsgGroup *> groups;
    person.CheckSingleReturn(edition, groups);
    QStringList texts = textsOf(groups, ValidationMsgGroup::KindReturn);
    freeValidationMsgGroups(groups);
    return texts;
}

void addEntry(QList<TaxDataEntryStru *> &list, IndividualTaxData &person, int type,
              CTaxData_Form *object)
{
    auto *entry = new TaxDataEntryStru;
    entry->type = type;
    entry->id = person.takeNextId();
    entry->data = object;
    list.append(entry);
}

} // namespace CheckFixture
