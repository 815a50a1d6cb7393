// Between the spouses: coupling two files, sharing and unsharing forms and slips, the
// mailing address, T778 and preparer copies, names and the family balance.
#include <QtTest>

#include "PluginFolder.h"
#include "ReturnFixture.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "marrow/BusinessForms.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/FormCaption.h"
#include "model/IndividualTaxData.h"
#include "model/SpouseTwins.h"

namespace {

constexpr int kAlberta = 1;

TaxData_T1New *t1Of(IndividualTaxData *person)
{
    return dynamic_cast<TaxData_T1New *>(person->getForm(FormType::T1, 0, true));
}

void name(IndividualTaxData *person, const QString &first, const QString &last, int status)
{
    TaxData_T1New *t1 = t1Of(person);
    t1->firstName = first;
    t1->lastName = last;
    t1->maritalStatus = status;
}

// Both spouses with a T1: a coupled file.
void makeCouple(FamilyTaxData &family)
{
    name(family.taxpayer(), "Ada", "Lovelace", 0);
    name(family.spouse(), "Charles", "Babbage", 0);
    family.setCoupledFlags();
}

QString captionOf(bool coupled, const TaxDataEntryStru *entry)
{
    CString caption;
    makeFormCaption(coupled, entry, caption);
    return caption;
}

} // namespace

class TestSpouses : public QObject
{
    Q_OBJECT
private slots:
    void coupleStatuses_data();
    void coupleStatuses();
    void coupleClearsLinks();
    void shareSelfEmploymentFormAsCopy();
    void singleTwinMadeWithNextId();
    void singleTwinAmongSeveralLinksNothing();
    void shareRefusals_data();
    void shareRefusals();
    void unshareClearsTheRightTwin();
    void shareSlipAlwaysNewTwin();
    void unshareSlip();
    void mailingAddress_data();
    void mailingAddress();
    void t778Sync();
    void preparerInfoIntoBoth();
    void personNames();
    void balanceAmounts_data();
    void balanceAmounts();
};

void TestSpouses::coupleStatuses_data()
{
    QTest::addColumn<int>("mine");
    QTest::addColumn<int>("theirs");
    QTest::addColumn<int>("taxpayer");
    QTest::addColumn<int>("spouse");
    QTest::newRow("single with common-law") << 5 << 1 << 1 << 1;
    QTest::newRow("divorced with single") << 3 << 5 << 0 << 0;
    QTest::newRow("common-law with married") << 1 << 0 << 1 << 1;
    QTest::newRow("married with widowed") << 0 << 2 << 0 << 0;
    QTest::newRow("separated with separated") << 4 << 4 << 0 << 0;
}

void TestSpouses::coupleStatuses()
{
    QFETCH(int, mine);
    QFETCH(int, theirs);
    FamilyTaxData family(0);
    name(family.taxpayer(), "Ada", "Lovelace", mine);
    FamilyTaxData other(0);
    name(other.taxpayer(), "Charles", "Babbage", theirs);

    QCOMPARE(family.coupleWith(other), 1);
    QVERIFY(family.isCoupled());
    QTEST(family.taxpayer()->getMaritalStatus(), "taxpayer");
    QTEST(family.spouse()->getMaritalStatus(), "spouse");
    QVERIFY(family.taxpayer()->m_coupled && family.spouse()->m_coupled);
    QVERIFY(t1Of(family.taxpayer())->isCoupledReturn() && t1Of(family.spouse())->isCoupledReturn());
    QCOMPARE(family.spouse()->getFirstName(), QStringLiteral("Charles"));
    // The other file stays as it was, the caller's to delete.
    QCOMPARE(other.taxpayer()->getMaritalStatus(), theirs);
    QVERIFY(!other.taxpayer()->m_coupled);
}

void TestSpouses::coupleClearsLinks()
{
    PluginFolder plugins;
    QVERIFY(plugins.linkRealPlugin(kAlberta));
    FamilyTaxData family(0);
    makeCouple(family);
    FamilyTaxData other(0);
    other.taxpayer()->setupNewReturn(kAlberta, "Grace", "Hopper", "", QDate(), 5, "", "", "",
                                     QDate(), false);
    // Links of both files point into returns that are not the new partner's.
    other.taxpayer()->addForm(FormType::T2125, 0, true, 140, false);
    other.taxpayer()->addSlip(SlipType::T5, 0, 141);
    family.taxpayer()->addForm(FormType::T776, 0, true, 150, false);
    family.taxpayer()->addSlip(SlipType::T3, 0, 151);
    const int nextId = other.taxpayer()->m_nextId;

    family.coupleWith(other);
    for (IndividualTaxData *person : {family.taxpayer(), family.spouse()}) {
        for (const QList<TaxDataEntryStru *> *list : {&person->m_formList, &person->m_slipList}) {
            for (const TaxDataEntryStru *entry : *list)
                QCOMPARE(entry->linkedId, 0);
        }
    }
    // A deep copy: the other file's ids, province and plug-in.
    QCOMPARE(family.spouse()->m_nextId, nextId);
    QCOMPARE(family.spouse()->m_province, kAlberta);
    QVERIFY(family.spouse()->m_provsTaxMgr.loadedManager(kAlberta));
    QVERIFY(family.spouse()->hasForm(FormType::T2125));
    QCOMPARE(other.taxpayer()->getFormLinkId(other.taxpayer()->getForm(FormType::T2125, 0, false)),
             140);
    // The first recalculation copies no form over an unrelated one.
    family.Recalculate(-1, family.taxpayer()->getForm(FormType::T776, 0, false));
    QVERIFY(family.spouse()->hasForm(FormType::T2125));
    QVERIFY(!family.spouse()->hasForm(FormType::T776));
}

void TestSpouses::shareSelfEmploymentFormAsCopy()
{
    FamilyTaxData family(0);
    makeCouple(family);
    IndividualTaxData *spouse = family.spouse();
    // The spouse already has one of the type: a copy is made all the same.
    spouse->getForm(FormType::T2125, 0, true);
    auto *mine = dynamic_cast<TaxData_T2125_New *>(
        family.taxpayer()->addForm(FormType::T2125, 0, true, 0, false)->data);
    mine->grossIncome = 7000.0;
    mine->businessName = "Looms";
    const int myId = family.taxpayer()->getFormId(mine);
    const int spouseNextId = spouse->m_nextId;
    QVERIFY(!family.isFormShared(mine));

    family.shareForm(mine, 0);
    QCOMPARE(spouse->countFormsOfType(FormType::T2125), 2);
    TaxDataEntryStru *copy = spouse->findFormEntry(FormType::T2125, spouseNextId, false);
    QVERIFY(copy && copy->id == spouseNextId);
    QCOMPARE(copy->linkedId, myId);
    QCOMPARE(family.taxpayer()->getFormLinkId(mine), spouseNextId);
    auto *theirs = dynamic_cast<TaxData_T2125_New *>(copy->data);
    QVERIFY(theirs && theirs != mine);
    QCOMPARE(theirs->grossIncome.value(), 7000.0);
    QCOMPARE(QString(theirs->businessName.value()), QStringLiteral("Looms"));
    QVERIFY(family.isFormShared(mine));
    TaxDataEntryStru *myEntry = family.taxpayer()->findFormEntry(FormType::T2125, myId, false);
    QVERIFY(captionOf(true, myEntry).startsWith("S-"));
    QVERIFY(captionOf(true, copy).startsWith("S-"));
    // From the spouse's side the pair is shared too.
    family.setCurrentPersonIndex(PersonSpouse);
    QVERIFY(family.isFormShared(theirs));
}

void TestSpouses::singleTwinMadeWithNextId()
{
    FamilyTaxData family(0);
    makeCouple(family);
    auto *sch3 = family.taxpayer()->getForm(FormType::SCH3, 0, true);
    const int id = family.taxpayer()->getFormId(sch3);
    const int spouseNextId = family.spouse()->m_nextId;

    QVERIFY(linkSingleTwin(*family.taxpayer(), *family.spouse(), *sch3));
    TaxDataEntryStru *twin = family.spouse()->findFormEntry(FormType::SCH3, 0, false);
    QVERIFY(twin && twin->data);
    QCOMPARE(twin->id, spouseNextId);
    QCOMPARE(twin->linkedId, id);
    QCOMPARE(family.taxpayer()->getFormLinkId(sch3), spouseNextId);
    QVERIFY(twin->data->isCoupledReturn());
    QVERIFY(captionOf(true, twin).startsWith("S-"));
    QVERIFY(captionOf(true, family.taxpayer()->findFormEntry(FormType::SCH3, 0, false))
                .startsWith("S-"));
    // An existing single form of the type is the twin; none is made.
    auto *t1032 = family.taxpayer()->getForm(FormType::T1032, 0, true);
    TaxDataEntryStru *existing = family.spouse()->findFormEntry(FormType::T1032, 0, true);
    QVERIFY(linkSingleTwin(*family.taxpayer(), *family.spouse(), *t1032));
    QCOMPARE(family.spouse()->countFormsOfType(FormType::T1032), 1);
    QCOMPARE(family.taxpayer()->getFormLinkId(t1032), existing->id);
}

void TestSpouses::singleTwinAmongSeveralLinksNothing()
{
    FamilyTaxData family(0);
    makeCouple(family);
    family.spouse()->addForm(FormType::T777, 0, true, 0, false);
    family.spouse()->addForm(FormType::T777, 0, true, 0, false);
    TaxDataEntryStru *mine = family.taxpayer()->addForm(FormType::T777, 0, true, 0, false);
    mine->linkedId = 999;
    QVERIFY(!linkSingleTwin(*family.taxpayer(), *family.spouse(), *mine->data));
    QCOMPARE(mine->linkedId, 0);
    QCOMPARE(family.spouse()->countFormsOfType(FormType::T777), 2);
    for (const TaxDataEntryStru *entry : family.spouse()->m_formList)
        QCOMPARE(entry->linkedId, 0);
}

void TestSpouses::shareRefusals_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("inList");
    QTest::newRow("a type that cannot be shared") << int(FormType::SCH3) << true;
    QTest::newRow("an object without an entry") << int(FormType::T2125) << false;
}

void TestSpouses::shareRefusals()
{
    QFETCH(int, type);
    QFETCH(bool, inList);
    FamilyTaxData family(0);
    makeCouple(family);
    TaxDataEntryStru *entry = family.taxpayer()->addForm(type, 0, inList, 0, false);
    const int spouseForms = family.spouse()->m_formList.size();
    const int spouseNextId = family.spouse()->m_nextId;
    family.shareForm(entry->data, 0);
    QCOMPARE(family.spouse()->m_formList.size(), spouseForms);
    QCOMPARE(family.spouse()->m_nextId, spouseNextId);
    QCOMPARE(entry->linkedId, 0);
    if (!inList) {
        delete entry->data;
        delete entry;
    }
}

void TestSpouses::unshareClearsTheRightTwin()
{
    FamilyTaxData family(0);
    makeCouple(family);
    TaxDataEntryStru *first = family.spouse()->addForm(FormType::T2125, 0, true, 0, false);
    TaxDataEntryStru *second = family.spouse()->addForm(FormType::T2125, 0, true, 0, false);
    TaxDataEntryStru *mine = family.taxpayer()->addForm(FormType::T2125, 0, true, 0, false);
    TaxDataEntryStru *other = family.taxpayer()->addForm(FormType::T2125, 0, true, 0, false);
    mine->linkedId = second->id;
    second->linkedId = mine->id;
    other->linkedId = first->id;
    first->linkedId = other->id;

    family.unshareForm(mine->data);
    QCOMPARE(mine->linkedId, 0);
    QCOMPARE(second->linkedId, 0);
    QCOMPARE(first->linkedId, other->id);
    QCOMPARE(other->linkedId, first->id);
    QVERIFY(!family.isFormShared(mine->data));
    QVERIFY(family.isFormShared(other->data));
    // Unsharing a form that is not shared leaves the partner's pairs alone.
    TaxDataEntryStru *lone = family.taxpayer()->addForm(FormType::T776, 0, true, 0, false);
    TaxDataEntryStru *theirs = family.spouse()->addForm(FormType::T776, 0, true, 77, false);
    family.unshareForm(lone->data);
    QCOMPARE(theirs->linkedId, 77);
    // A twin that is gone: only the current entry is unlinked.
    other->linkedId = 4242;
    family.unshareForm(other->data);
    QCOMPARE(other->linkedId, 0);
    QCOMPARE(first->linkedId, other->id);
}

void TestSpouses::shareSlipAlwaysNewTwin()
{
    FamilyTaxData family(0);
    makeCouple(family);
    family.spouse()->addSlip(SlipType::T5, 0, 0);
    TaxDataEntryStru *mine = family.taxpayer()->addSlip(SlipType::T5, 0, 0);
    auto *slip = dynamic_cast<TaxData_Slip_T5 *>(mine->data);
    QVERIFY(slip);
    slip->setDownloaded(true);
    const int spouseNextId = family.spouse()->m_nextId;

    family.shareSlip(slip, 0);
    QCOMPARE(family.spouse()->countSlipsOfType(SlipType::T5), 2);
    TaxDataEntryStru *twin = family.spouse()->m_slipList.last();
    QCOMPARE(twin->id, spouseNextId);
    QCOMPARE(twin->linkedId, mine->id);
    QCOMPARE(mine->linkedId, spouseNextId);
    QVERIFY(twin->data->isDownloaded());
    QVERIFY(family.isSlipShared(slip));
    // A second share makes yet another twin.
    family.shareSlip(slip, 0);
    QCOMPARE(family.spouse()->countSlipsOfType(SlipType::T5), 3);
    // A T4 cannot be shared.
    TaxDataEntryStru *t4 = family.taxpayer()->addSlip(SlipType::T4, 0, 0);
    family.shareSlip(t4->data, 0);
    QCOMPARE(family.spouse()->countSlipsOfType(SlipType::T4), 0);
    QCOMPARE(t4->linkedId, 0);
}

void TestSpouses::unshareSlip()
{
    FamilyTaxData family(0);
    makeCouple(family);
    TaxDataEntryStru *mine = family.taxpayer()->addSlip(SlipType::T3, 0, 0);
    family.shareSlip(mine->data, 0);
    TaxDataEntryStru *twin = family.spouse()->m_slipList.last();
    QVERIFY(twin->linkedId > 0);
    family.unshareSlip(mine->data);
    QCOMPARE(mine->linkedId, 0);
    QCOMPARE(twin->linkedId, 0);
    QVERIFY(!family.isSlipShared(mine->data));
    // In a single return nothing counts as shared, whatever the links hold.
    FamilyTaxData single(0);
    name(single.taxpayer(), "Ada", "Lovelace", 5);
    TaxDataEntryStru *slip = single.taxpayer()->addSlip(SlipType::T3, 0, 300);
    TaxDataEntryStru *form = single.taxpayer()->addForm(FormType::T776, 0, true, 301, false);
    QVERIFY(!single.isSlipShared(slip->data));
    QVERIFY(!single.isFormShared(form->data));
}

void TestSpouses::mailingAddress_data()
{
    QTest::addColumn<int>("current");
    QTest::newRow("from the taxpayer") << -2;
    QTest::newRow("from the spouse") << -1;
}

void TestSpouses::mailingAddress()
{
    QFETCH(int, current);
    FamilyTaxData family(0);
    makeCouple(family);
    family.setCurrentPersonIndex(current);
    TaxData_T1New *from = t1Of(family.getCurrentPersonData());
    TaxData_T1New *to = t1Of(family.getPartnerData());
    from->careOf = "c/o Byron";
    from->street = "12 Elm Street";
    from->city = "Calgary";
    from->mailingProvince = kAlberta;
    from->postalCode = "T2P1J9";
    from->foreignAddress = false;
    to->street = "Old Road";
    to->country = "Narnia";

    QVERIFY(family.syncSpouseMailingAddress());
    QCOMPARE(QString(to->careOf.value()), QStringLiteral("c/o Byron"));
    QCOMPARE(QString(to->street.value()), QStringLiteral("12 Elm Street"));
    QCOMPARE(QString(to->city.value()), QStringLiteral("Calgary"));
    QCOMPARE(to->mailingProvince.value(), kAlberta);
    QCOMPARE(QString(to->postalCode.value()), QStringLiteral("T2P1J9"));
    QCOMPARE(QString(to->country.value()), QString());
    // Who the partner is stays.
    QCOMPARE(QString(to->firstName.value()), current == -2 ? "Charles" : "Ada");

    FamilyTaxData single(0);
    name(single.taxpayer(), "Ada", "Lovelace", 5);
    QVERIFY(!single.syncSpouseMailingAddress());
}

void TestSpouses::t778Sync()
{
    FamilyTaxData family(0);
    makeCouple(family);
    QCOMPARE(family.syncSpouseT778(), 1);
    auto *mine =
        dynamic_cast<TaxData_T778New *>(family.taxpayer()->getForm(FormType::T778, 0, true));
    auto *theirs =
        dynamic_cast<TaxData_T778New *>(family.spouse()->getForm(FormType::T778, 0, true));
    mine->amount = 4000.0;
    mine->higherIncomeFlag1 = 1;
    QCOMPARE(family.syncSpouseT778(), 0);
    QCOMPARE(theirs->partnerAmount.value(), 4000.0);
    QCOMPARE(theirs->higherIncomeFlag2.value(), 1);
    QCOMPARE(theirs->higherIncomeFlag1.value(), 0);

    FamilyTaxData single(0);
    name(single.taxpayer(), "Ada", "Lovelace", 5);
    QCOMPARE(single.syncSpouseT778(), 0);
}

void TestSpouses::preparerInfoIntoBoth()
{
    FamilyTaxData family(0);
    makeCouple(family);
    family.setCurrentPersonIndex(PersonSpouse);
    appInstance()->config.BusinessName = "Ledger & Co";
    QCOMPARE(family.fillPreparerInfo(), 0);
    ReturnFixture::clearPreparerSettings();
    QCOMPARE(QString(t1Of(family.taxpayer())->preparerName.value()), QStringLiteral("Ledger & Co"));
    QCOMPARE(QString(t1Of(family.spouse())->preparerName.value()), QStringLiteral("Ledger & Co"));
}

void TestSpouses::personNames()
{
    FamilyTaxData family(0);
    makeCouple(family);
    CString taxpayer;
    CString spouse("stale");
    family.getPersonNames(taxpayer, spouse);
    QCOMPARE(QString(taxpayer), QStringLiteral("Ada Lovelace"));
    QCOMPARE(QString(spouse), QStringLiteral("Charles Babbage"));

    FamilyTaxData single(0);
    name(single.taxpayer(), "Grace", "Hopper", 5);
    spouse = CString("stale");
    single.getPersonNames(taxpayer, spouse);
    QCOMPARE(QString(taxpayer), QStringLiteral("Grace Hopper"));
    QVERIFY(spouse.isEmpty());
}

void TestSpouses::balanceAmounts_data()
{
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<bool>("taxpayerT1");
    QTest::addColumn<double>("taxpayer");
    QTest::addColumn<double>("spouse");
    QTest::addColumn<double>("total");
    QTest::newRow("single with a refund") << false << true << -120.50 << 0.0 << -120.50;
    QTest::newRow("coupled") << true << true << -120.50 << 310.25 << 189.75;
    QTest::newRow("no T1") << false << false << 0.0 << 0.0 << 0.0;
}

void TestSpouses::balanceAmounts()
{
    QFETCH(bool, coupled);
    QFETCH(bool, taxpayerT1);
    FamilyTaxData family(0);
    if (coupled) {
        makeCouple(family);
        t1Of(family.spouse())->signedBalance = 310.25;
    }
    if (taxpayerT1)
        t1Of(family.taxpayer())->signedBalance = -120.50;
    double taxpayer = 99;
    double spouse = 99;
    double total = 99;
    family.getBalanceAmounts(taxpayer, spouse, total);
    QTEST(taxpayer, "taxpayer");
    QTEST(spouse, "spouse");
    QTEST(total, "total");
}

QV_TEST_MAIN(TestSpouses)
#include "tst_Spouses.moc"
