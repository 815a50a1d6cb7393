// Person return data: ids and lookups, slips, notes, wizard data, walks, copy and compare,
// and the provincial objects going back to their plug-in.
#include <QtTest>

#include "FormTestSupport.h"
#include "PluginFolder.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"
#include "calc/SlipTotals.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FormFactory.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TaxData_TaxNote.h"
#include "model/CEnumTaxFormObj.h"
#include "model/CSetCoupledFlagObj.h"
#include "model/IndividualTaxData.h"
#include "plugin/TestPluginRecorder.h"

namespace {

QList<int> typesOf(const QList<TaxDataEntryStru *> &list)
{
    QList<int> types;
    for (const TaxDataEntryStru *e : list)
        types.append(e->type);
    return types;
}

QList<int> idsOf(const QList<TaxDataEntryStru *> &list)
{
    QList<int> ids;
    for (const TaxDataEntryStru *e : list)
        ids.append(e->id);
    return ids;
}

// Visits until the given visit number answers false, noting begin, end and each param.
template <typename Base, typename Entry> class StopAt : public Base
{
public:
    explicit StopAt(int stopAt) : m_stopAt(stopAt) {}
    bool visit(Entry *entry, void *param) override
    {
        Base::visit(entry, param);
        log.append(param == &marker ? "visit" : "visit without param");
        return this->m_count != m_stopAt;
    }
    QStringList log;
    int marker = 0;

private:
    int m_stopAt;
};

template <typename Base> class StopAtWithEnds : public StopAt<Base, TaxDataEntryStru>
{
public:
    using StopAt<Base, TaxDataEntryStru>::StopAt;
    bool begin(void *) override
    {
        this->log.append("begin");
        return false;
    }
    bool end(void *) override
    {
        this->log.append("end");
        return false;
    }
};

} // namespace

class TestIndividualTaxData : public QObject
{
    Q_OBJECT
private slots:
    void idsAndLookups_data();
    void idsAndLookups();
    void lookupsFollowListChanges_data();
    void lookupsFollowListChanges();
    void newFormGetsFlagAndDependants();
    void slipsAndLinks();
    void notesAndWizardData();
    void walks();
    void copyIsEqual();
    void changesMakePersonsDiffer_data();
    void changesMakePersonsDiffer();
    void compareRules();
    void assignValuesRefreshesCopy();
    void selfAssignmentKeepsData();
    void provincialFormsGoBackToPlugin_data();
    void provincialFormsGoBackToPlugin();
    void provincialWizardDataFreedByPlugin();
    void removeFormWithProvincialTwin();
    void copyLoadsProvinceAndCopiesProvincialForms();
    void moveSummaryToFront();
    void obsoleteTypes_data();
    void obsoleteTypes();
    void sumSlipsAddsNeededForms_data();
    void sumSlipsAddsNeededForms();
    void sumSlipsWithTwoT2209Present();
    void slipSummaryAddsScheduleNine();

private:
    DependantInfoStruct m_dependants;
};

void TestIndividualTaxData::idsAndLookups_data()
{
    // existing: form types added in order with ids 100, 101 ...; then one call.
    QTest::addColumn<QList<int>>("existing");
    QTest::addColumn<bool>("find"); // findFormEntry, else addForm
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("create");
    QTest::addColumn<int>("resultId"); // 0: null
    QTest::addColumn<int>("nextId");
    QTest::addColumn<int>("formCount");

    QTest::newRow("add id 0 takes the counter")
        << QList<int>{} << false << 1 << 0 << false << 100 << 101 << 1;
    QTest::newRow("add negative id takes the counter")
        << QList<int>{} << false << 1 << -4 << false << 100 << 101 << 1;
    QTest::newRow("add given id keeps it")
        << QList<int>{} << false << 1 << 340 << false << 340 << 100 << 1;
    QTest::newRow("add 177 refused") << QList<int>{} << false << 177 << 0 << false << 0 << 100 << 0;
    QTest::newRow("add 178 refused")
        << QList<int>{} << false << 178 << 340 << false << 0 << 100 << 0;
    QTest::newRow("add provincial code without plug-in")
        << QList<int>{} << false << 26 << 0 << false << 0 << 100 << 0;
    QTest::newRow("find only form ignores id")
        << QList<int>{4} << true << 4 << 7 << false << 100 << 101 << 1;
    QTest::newRow("find exact id among several")
        << QList<int>{12, 12} << true << 12 << 101 << false << 101 << 102 << 2;
    QTest::newRow("find ambiguous without id")
        << QList<int>{12, 12} << true << 12 << 0 << false << 0 << 102 << 2;
    QTest::newRow("find ambiguous gives null with create")
        << QList<int>{4, 4} << true << 4 << 0 << true << 0 << 102 << 2;
    QTest::newRow("find ambiguous unmatched id with create")
        << QList<int>{4, 4} << true << 4 << 250 << true << 0 << 102 << 2;
    QTest::newRow("find missing without create")
        << QList<int>{1} << true << 4 << 0 << false << 0 << 101 << 1;
    QTest::newRow("find missing with create uses next id")
        << QList<int>{} << true << 4 << 250 << true << 100 << 101 << 1;
    QTest::newRow("find missing after others")
        << QList<int>{1, 7} << true << 4 << 0 << true << 102 << 103 << 3;
}

void TestIndividualTaxData::idsAndLookups()
{
    QFETCH(QList<int>, existing);
    QFETCH(bool, find);
    QFETCH(int, type);
    QFETCH(int, id);
    QFETCH(bool, create);
    QFETCH(int, resultId);
    QFETCH(int, nextId);
    QFETCH(int, formCount);

    IndividualTaxData person(0, &m_dependants);
    for (int t : existing)
        QVERIFY(person.addForm(t, 0, true, 0, false));
    TaxDataEntryStru *entry =
        find ? person.findFormEntry(type, id, create) : person.addForm(type, id, true, 0, true);
    QCOMPARE(entry ? entry->id : 0, resultId);
    if (entry) {
        QCOMPARE(entry->type, type);
        QCOMPARE(entry->data->getType(), type);
        QCOMPARE(person.getForm(type, resultId, false), entry->data);
    }
    QCOMPARE(person.m_nextId, nextId);
    QCOMPARE(person.m_formList.size(), formCount);
}

void TestIndividualTaxData::lookupsFollowListChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QList<int>>("typesAfter");
    QTest::newRow("form added") << "add" << QList<int>{1, 4, 12, 7, 12, 93, 12};
    QTest::newRow("form removed") << "remove" << QList<int>{1, 4, 7, 12, 93};
    QTest::newRow("entry appended straight to the list")
        << "append" << QList<int>{1, 4, 12, 7, 12, 93, 4};
    QTest::newRow("entry taken straight from the list") << "take" << QList<int>{1, 12, 7, 12, 93};
    QTest::newRow("entries swapped in the list") << "swap" << QList<int>{1, 4, 7, 12, 12, 93};
    QTest::newRow("entry replaced in the list") << "replace" << QList<int>{1, 4, 3, 7, 12, 93};
    QTest::newRow("summary moved to the front") << "front" << QList<int>{93, 1, 4, 12, 7, 12};
    QTest::newRow("walked without a change") << "walk" << QList<int>{1, 4, 12, 7, 12, 93};
    QTest::newRow("all freed") << "free" << QList<int>{};
    QTest::newRow("copied from another person") << "assign" << QList<int>{12, 7};
}

// The look-ups by type answer from an index of the form list; whatever changed the list, and
// however, they answer as a walk of the list would.
void TestIndividualTaxData::lookupsFollowListChanges()
{
    QFETCH(QString, change);
    QFETCH(QList<int>, typesAfter);
    IndividualTaxData person(0, &m_dependants);
    for (int type : {1, 4, 12, 7, 12, 93})
        QVERIFY(person.addForm(type, 0, true, 0, false));
    // The first look-ups build the index.
    QCOMPARE(person.countFormsOfType(12), 2);
    QCOMPARE(person.findFormEntry(4, 0, false)->id, 101);

    std::unique_ptr<TaxDataEntryStru> taken;
    if (change == "add") {
        QVERIFY(person.addForm(12, 0, true, 0, false));
    } else if (change == "remove") {
        person.removeForm(person.m_formList[2]->data, true, false);
    } else if (change == "append") {
        person.m_formList.append(new TaxDataEntryStru{4, 500, 0, createFederalForm(4)});
    } else if (change == "take") {
        taken.reset(person.m_formList.takeAt(1));
        delete taken->data;
    } else if (change == "swap") {
        std::swap(person.m_formList[2], person.m_formList[4]);
        std::swap(person.m_formList[2], person.m_formList[3]);
    } else if (change == "replace") {
        taken.reset(person.m_formList[2]);
        delete taken->data;
        person.m_formList[2] = new TaxDataEntryStru{3, 600, 0, createFederalForm(3)};
    } else if (change == "front") {
        person.moveT1KSToFront();
    } else if (change == "walk") {
        for (TaxDataEntryStru *entry : person.m_formList)
            QVERIFY(entry->data);
    } else if (change == "free") {
        person.freeAllData();
    } else if (change == "assign") {
        IndividualTaxData other(0, &m_dependants);
        for (int type : {12, 7})
            QVERIFY(other.addForm(type, 0, true, 0, false));
        person = other;
    }
    QCOMPARE(typesOf(person.m_formList), typesAfter);

    for (int type : {1, 3, 4, 7, 12, 93, 26}) {
        QList<TaxDataEntryStru *> walked;
        for (TaxDataEntryStru *entry : person.m_formList) {
            if (entry->type == type)
                walked.append(entry);
        }
        const QByteArray what = QByteArray::number(type);
        QVERIFY2(person.countFormsOfType(type) == walked.size(), what);
        QVERIFY2(person.hasForm(type) == !walked.isEmpty(), what);
        QList<TaxDataEntryStru *> collected;
        person.collectFormsOfType(type, collected);
        QVERIFY2(collected == walked, what);
        TaxDataEntryStru *only = walked.size() == 1 ? walked.first() : nullptr;
        QVERIFY2(person.findFormEntry(type, 0, false) == only, what);
        QVERIFY2(person.getForm(type, 0, false) == (only ? only->data : nullptr), what);
        for (TaxDataEntryStru *entry : walked)
            QVERIFY2(person.findFormEntry(type, entry->id, false) == entry, what);
    }
}

void TestIndividualTaxData::newFormGetsFlagAndDependants()
{
    IndividualTaxData person(0, &m_dependants);
    person.m_coupled = true;
    TaxDataEntryStru *t1 = person.addForm(1, 0, true, 55, true);
    TaxDataEntryStru *sch3 = person.addForm(4, 0, true, 0, true);
    QVERIFY(t1 && sch3);
    QCOMPARE(t1->linkedId, 55);
    QVERIFY(t1->data->isCoupledReturn() && sch3->data->isCoupledReturn());
    QCOMPARE(t1->data->depInfo(), &m_dependants);
    QCOMPARE(sch3->data->depInfo(), nullptr);

    // Without addToList the caller owns the entry and its object.
    std::unique_ptr<TaxDataEntryStru> loose(person.addForm(7, 0, false, 0, false));
    QVERIFY(loose && loose->data);
    QCOMPARE(loose->id, 102);
    QCOMPARE(person.m_formList.size(), 2);
    QVERIFY(!person.hasForm(7));
    delete loose->data;

    QVERIFY(person.hasForm(1) && !person.hasForm(35));
    person.addForm(35, 0, true, 0, false);
    person.addForm(35, 0, true, 0, false);
    QCOMPARE(person.countFormsOfType(35), 2);
    QList<TaxDataEntryStru *> found;
    person.collectFormsOfType(35, found);
    QCOMPARE(idsOf(found), (QList<int>{103, 104}));
    T2209FormList t2209;
    QCOMPARE(person.collectT2209Forms(t2209), 0);
    QCOMPARE(t2209, (T2209FormList{found[0]->data, found[1]->data}));

    QVERIFY(person.setFormLinkId(sch3->data, 321));
    QCOMPARE(person.getFormLinkId(sch3->data), 321);
    QCOMPARE(person.getFormId(sch3->data), 101);
    std::unique_ptr<CTaxData_Form> stranger(createFederalForm(4));
    QVERIFY(!person.setFormLinkId(stranger.get(), 1));
    QCOMPARE(person.getFormId(stranger.get()), 0);
    QCOMPARE(person.getFormLinkId(stranger.get()), 0);
}

void TestIndividualTaxData::slipsAndLinks()
{
    IndividualTaxData person(0, &m_dependants);
    person.m_coupled = true;
    TaxDataEntryStru *t4 = person.addSlip(1, 0, 0);
    QVERIFY(t4);
    QCOMPARE(t4->id, 100);
    QVERIFY(!t4->data->isCoupledReturn());
    QCOMPARE(person.addSlip(12, 0, 0), nullptr);
    QCOMPARE(person.m_nextId, 101);

    // A created slip keeps the id asked for.
    CTaxData_Form *t5 = person.getSlip(8, 340, true);
    QVERIFY(t5);
    QCOMPARE(person.getSlipId(t5), 340);
    QCOMPARE(person.m_nextId, 101);
    QCOMPARE(person.getSlip(8, 340, false), t5);
    QCOMPARE(person.getSlip(8, 341, false), nullptr);
    QCOMPARE(person.getSlip(19, 5, true), nullptr);

    QVERIFY(person.setSlipLinkId(t5, 77));
    QCOMPARE(person.getSlipLinkId(t5), 77);
    QVERIFY(!person.setSlipLinkId(nullptr, 1));
    QCOMPARE(person.getSlipId(nullptr), 0);

    QVERIFY(!person.hasSharedSlip());
    static_cast<TaxData_Slip_T5 *>(t5)->sharePercent.setValue(50.0);
    QVERIFY(person.hasSharedSlip());

    person.addSlip(1, 0, 0);
    QCOMPARE(person.countSlipsOfType(1), 2);
    QList<TaxDataEntryStru *> t4s;
    person.collectSlipsOfType(1, t4s);
    QCOMPARE(idsOf(t4s), (QList<int>{100, 101}));

    person.removeSlip(t4->data);
    QCOMPARE(typesOf(person.m_slipList), (QList<int>{8, 1}));
    std::unique_ptr<CTaxData_Form> stranger(createSlip(1));
    person.removeSlip(stranger.get());
    QCOMPARE(person.m_slipList.size(), 2);
}

void TestIndividualTaxData::notesAndWizardData()
{
    IndividualTaxData person(0, &m_dependants);
    person.m_coupled = true;
    TaxNoteEntryStru *first = person.addNote(5);
    TaxNoteEntryStru *second = person.addNote(5);
    QVERIFY(first && second && first->data != second->data);
    QCOMPARE(person.getNote(5, false), first->data);
    QCOMPARE(person.getNote(6, false), nullptr);
    TaxData_TaxNote *made = person.getNote(6, true);
    QVERIFY(made);
    person.removeNote(first->data);
    QCOMPARE(person.m_noteList.size(), 2);
    QCOMPARE(person.getNote(5, false), second->data);

    QCOMPARE(person.addWizardData(7), nullptr);
    QCOMPARE(person.addWizardData(0), nullptr);
    QCOMPARE(person.addWizardData(6), nullptr); // no plug-in loaded
    QVERIFY(person.m_wizardList.isEmpty());
    TaxWizardEntryStru *general = person.addWizardData(1);
    QVERIFY(general && general->data->isCoupledReturn());
    QCOMPARE(general->type, 1);
    QCOMPARE(person.findWizardData(2, false), nullptr);
    CTaxData_Form *last = person.findWizardData(2, true);
    QVERIFY(last);
    QCOMPARE(person.findWizardData(2, true), last);
    QCOMPARE(person.findWizardData(6, true), nullptr);
    QCOMPARE(person.m_wizardList.size(), 2);
}

void TestIndividualTaxData::walks()
{
    IndividualTaxData person(0, &m_dependants);
    for (int type : {1, 4, 7})
        person.addForm(type, 0, true, 0, false);
    for (int type : {1, 2, 3})
        person.addSlip(type, 0, 0);
    for (int key : {1, 2, 3})
        person.addNote(key);
    for (int type : {1, 2, 3})
        person.addWizardData(type);

    StopAtWithEnds<CEnumTaxFormObj> forms(2);
    person.enumForms(forms, &forms.marker);
    QCOMPARE(forms.log, (QStringList{"begin", "visit", "visit", "end"}));
    QCOMPARE(forms.m_count, 2);

    StopAtWithEnds<CEnumTaxSlipObj> slips(99);
    person.enumSlips(slips, &slips.marker);
    QCOMPARE(slips.log, (QStringList{"begin", "visit", "visit", "visit", "end"}));

    StopAt<CEnumTaxNoteObj, TaxNoteEntryStru> notes(1);
    person.enumNotes(notes, &notes.marker);
    QCOMPARE(notes.m_count, 1);

    // The wizard walk does not test what visit answers.
    StopAt<CEnumTaxWizardObj, TaxWizardEntryStru> wizards(1);
    person.enumWizardData(wizards, &wizards.marker);
    QCOMPARE(wizards.m_count, 3);
    QCOMPARE(wizards.log.size(), 3);

    bool coupled = true;
    CSetCoupledFlagObj setter;
    person.enumForms(setter, &coupled);
    QCOMPARE(setter.m_count, 3);
    for (const TaxDataEntryStru *e : person.m_formList)
        QVERIFY(e->data->isCoupledReturn());
    QVERIFY(!person.m_slipList.first()->data->isCoupledReturn());
}

namespace {

// A person with three forms (one of a multiple type), two slips, a note and wizard data.
void fillPerson(IndividualTaxData &person)
{
    person.addForm(1, 0, true, 0, false);
    person.addForm(12, 0, true, 400, false);
    person.addForm(4, 0, true, 0, false);
    person.addSlip(1, 0, 0);
    person.addSlip(8, 0, 301);
    person.addNote(9);
    person.addWizardData(1);
    for (auto *e : person.m_formList)
        fillAll(*e->data);
    for (auto *e : person.m_slipList)
        fillAll(*e->data);
    fillAll(*person.m_noteList.first()->data);
}

} // namespace

void TestIndividualTaxData::copyIsEqual()
{
    IndividualTaxData source(0, &m_dependants);
    fillPerson(source);
    source.m_dataVersion = 66000;
    IndividualTaxData copy(0, &m_dependants);
    copy.addForm(7, 0, true, 0, false); // replaced by the copy
    copy = source;
    QCOMPARE(typesOf(copy.m_formList), (QList<int>{1, 12, 4}));
    QCOMPARE(idsOf(copy.m_formList), (QList<int>{100, 101, 102}));
    QCOMPARE(copy.m_formList[1]->linkedId, 400);
    QCOMPARE(typesOf(copy.m_slipList), (QList<int>{1, 8}));
    QCOMPARE(idsOf(copy.m_slipList), (QList<int>{103, 104}));
    QCOMPARE(copy.m_slipList[1]->linkedId, 301);
    QCOMPARE(copy.m_noteList.size(), 1);
    QCOMPARE(copy.m_noteList.first()->key, 9);
    QCOMPARE(copy.m_wizardList.size(), 1);
    QCOMPARE(copy.m_nextId, 105);
    QCOMPARE(copy.m_dataVersion, 66000);
    QVERIFY(copy.m_formList[0]->data != source.m_formList[0]->data);
    QVERIFY(copy.isEqual(source) && source.isEqual(copy));
    QVERIFY(!copy.isDifferent(source));
}

void TestIndividualTaxData::changesMakePersonsDiffer_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("differs");
    QTest::newRow("first form") << "form" << 0 << true;
    QTest::newRow("multiple-type form") << "form" << 1 << true;
    QTest::newRow("slip") << "slip" << 1 << true;
    QTest::newRow("note") << "note" << 0 << true;
    // Wizard data is rebuilt from the return and never saved: it is not compared.
    QTest::newRow("wizard data") << "wizard" << 0 << false;
}

void TestIndividualTaxData::changesMakePersonsDiffer()
{
    QFETCH(QString, where);
    QFETCH(int, index);
    QFETCH(bool, differs);
    IndividualTaxData source(0, &m_dependants);
    fillPerson(source);
    IndividualTaxData copy(0, &m_dependants);
    copy = source;
    CTaxData_Form *changed = where == "form"   ? copy.m_formList[index]->data
                             : where == "slip" ? copy.m_slipList[index]->data
                             : where == "note"
                                 ? static_cast<CTaxData_Form *>(copy.m_noteList[index]->data)
                                 : copy.m_wizardList[index]->data;
    changed->setDownloaded(!changed->isDownloaded());
    QCOMPARE(copy.isDifferent(source), differs);
    QCOMPARE(source.isDifferent(copy), differs);
}

void TestIndividualTaxData::compareRules()
{
    IndividualTaxData a(0, &m_dependants);
    IndividualTaxData b(0, &m_dependants);
    // Same single-instance forms in another order: equal.
    a.addForm(1, 0, true, 0, false);
    a.addForm(4, 0, true, 0, false);
    b.addForm(4, 0, true, 0, false);
    b.addForm(1, 0, true, 0, false);
    QVERIFY(a.isEqual(b));
    // A multiple-instance type matches only by id.
    a.addForm(12, 200, true, 0, false);
    b.addForm(12, 201, true, 0, false);
    QVERIFY(!a.isEqual(b));
    b.m_formList.last()->id = 200;
    QVERIFY(a.isEqual(b));
    // Slips match by type and id; notes by key.
    a.addSlip(1, 150, 0);
    b.addSlip(1, 151, 0);
    QVERIFY(!a.isEqual(b));
    b.m_slipList.last()->id = 150;
    a.addNote(1);
    b.addNote(2);
    QVERIFY(!a.isEqual(b));
    b.m_noteList.last()->key = 1;
    QVERIFY(a.isEqual(b));
    // Counts differ.
    a.addNote(1);
    QVERIFY(a.isDifferent(b));
}

void TestIndividualTaxData::assignValuesRefreshesCopy()
{
    IndividualTaxData source(0, &m_dependants);
    fillPerson(source);
    IndividualTaxData copy(0, &m_dependants);
    copy = source;
    for (auto *e : source.m_formList)
        e->data->setDownloaded(true);
    source.m_noteList.first()->data->description.setValue("changed");
    source.m_nextId = 500;
    QVERIFY(copy.isDifferent(source));
    QVERIFY(copy.assignValuesFrom(source));
    QVERIFY(copy.isEqual(source));
    QCOMPARE(copy.m_nextId, 500);

    // A structure change: counts copied, false.
    source.addForm(7, 0, true, 0, false);
    source.m_dataVersion = 1;
    QVERIFY(!copy.assignValuesFrom(source));
    QCOMPARE(copy.m_dataVersion, 1);
    QCOMPARE(copy.m_nextId, 501);

    // Types that differ at a position: earlier positions copied, then false.
    IndividualTaxData other(0, &m_dependants);
    other = copy;
    copy.m_formList[0]->data->setDownloaded(false);
    std::swap(other.m_formList[1], other.m_formList[2]);
    other.m_formList[0]->data->setDownloaded(true);
    QVERIFY(!copy.assignValuesFrom(other));
    QVERIFY(copy.m_formList[0]->data->isDownloaded());

    // Another province is another structure.
    IndividualTaxData moved(0, &m_dependants);
    moved = source;
    moved.m_province = 9;
    QVERIFY(!moved.assignValuesFrom(source));
}

void TestIndividualTaxData::selfAssignmentKeepsData()
{
    IndividualTaxData person(0, &m_dependants);
    fillPerson(person);
    IndividualTaxData &same = person;
    person = same;
    QCOMPARE(typesOf(person.m_formList), (QList<int>{1, 12, 4}));
    QCOMPARE(person.m_slipList.size(), 2);
    QCOMPARE(person.m_noteList.size(), 1);
}

void TestIndividualTaxData::provincialFormsGoBackToPlugin_data()
{
    QTest::addColumn<bool>("pluginTakes");
    QTest::newRow("plug-in takes its form") << true;
    QTest::newRow("no plug-in takes it") << false;
}

void TestIndividualTaxData::provincialFormsGoBackToPlugin()
{
    QFETCH(bool, pluginTakes);
    PluginFolder folder;
    TestPluginRecorder recorder;
    recorder.scripts[9].takeForms = pluginTakes;
    QVERIFY(folder.linkTestPlugin(9, &recorder));
    IndividualTaxData person(0, &m_dependants);
    QVERIFY(person.m_provsTaxMgr.getProvinceManager(9, true));
    person.addForm(1, 0, true, 0, false);
    TaxDataEntryStru *provincial = person.addForm(26, 0, true, 0, false);
    QVERIFY(provincial);
    QCOMPARE(provincial->id, 101);
    int destroyed = 0;
    connect(provincial->data, &QObject::destroyed, this, [&destroyed] { ++destroyed; });
    recorder.calls.clear();

    person.freeAllData();
    QCOMPARE(destroyed, 1);
    QCOMPARE(recorder.formsDeletedByPlugin, pluginTakes ? 1 : 0);
    // Both forms were offered, the provincial one before the plug-in went away.
    QCOMPARE(recorder.calls, (QStringList{"9 deleteProvincialForm 0 1",
                                          "9 deleteProvincialForm 26 1", "9 destroyed"}));
    QVERIFY(person.m_formList.isEmpty());
    QCOMPARE(person.m_nextId, 102);
}

void TestIndividualTaxData::provincialWizardDataFreedByPlugin()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    recorder.scripts[9].makesWizardData = true;
    QVERIFY(folder.linkTestPlugin(9, &recorder));
    IndividualTaxData person(0, &m_dependants);
    QVERIFY(person.m_provsTaxMgr.getProvinceManager(9, true));
    person.m_coupled = true;
    TaxWizardEntryStru *entry = person.addWizardData(6);
    QVERIFY(entry && entry->data->isCoupledReturn());
    person.addWizardData(1);
    recorder.calls.clear();
    person.freeAllData();
    QCOMPARE(recorder.calls, (QStringList{"9 freeWizardData", "9 destroyed"}));
    QVERIFY(person.m_wizardList.isEmpty());
}

void TestIndividualTaxData::removeFormWithProvincialTwin()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    recorder.scripts[9].linkedForms[11] = 27;
    QVERIFY(folder.linkTestPlugin(9, &recorder));
    IndividualTaxData person(0, &m_dependants);
    QVERIFY(person.m_provsTaxMgr.getProvinceManager(9, true));
    for (int type : {1, 11, 27, 3, 26})
        QVERIFY(person.addForm(type, 0, true, 0, false));

    person.removeForm(person.getForm(11, 0, false), true, true);
    QCOMPARE(typesOf(person.m_formList), (QList<int>{1, 3, 26}));
    QCOMPARE(recorder.formsDeletedByPlugin, 1);
    // Without the twin flag the counterpart stays.
    person.removeForm(person.getForm(3, 0, false), true, false);
    QCOMPARE(typesOf(person.m_formList), (QList<int>{1, 26}));
    // An object no entry holds is left alone.
    std::unique_ptr<CTaxData_Form> stranger(createFederalForm(4));
    person.removeForm(stranger.get(), true, true);
    person.removeForm(nullptr, true, true);
    QCOMPARE(person.m_formList.size(), 2);

    // Without unlink the object goes, the entry stays for the caller.
    TaxDataEntryStru *entry = person.findFormEntry(26, 0, false);
    person.removeForm(entry->data, false, false);
    QCOMPARE(recorder.formsDeletedByPlugin, 2);
    QCOMPARE(person.m_formList.size(), 2);
    person.m_formList.removeOne(entry);
    delete entry;
}

void TestIndividualTaxData::copyLoadsProvinceAndCopiesProvincialForms()
{
    PluginFolder folder;
    QVERIFY(folder.linkRealPlugin(9));
    ScriptedPresenter presenter;
    IndividualTaxData source(0, &m_dependants);
    source.m_province = 9;
    source.m_provsTaxMgr.setMainProvince(9);
    QVERIFY(source.m_provsTaxMgr.getProvinceManager(9, true));
    source.addForm(11, 0, true, 0, false);
    TaxDataEntryStru *tuition = source.addForm(27, 0, true, 0, false);
    QVERIFY(tuition);
    fillAll(*tuition->data);

    IndividualTaxData copy(0, &m_dependants);
    copy = source;
    QList<int> loaded;
    copy.m_provsTaxMgr.listLoadedProvinces(loaded);
    QCOMPARE(loaded, QList<int>{9});
    QCOMPARE(copy.m_provsTaxMgr.getMainProvince(), 9);
    QCOMPARE(typesOf(copy.m_formList), (QList<int>{11, 27}));
    QVERIFY(copy.isEqual(source));
    QVERIFY(copy.m_formList[1]->data != tuition->data);

    // Without the plug-in the provincial form cannot be made and is skipped.
    IndividualTaxData unplugged(0, &m_dependants);
    source.m_province = 0;
    unplugged = source;
    QCOMPARE(typesOf(unplugged.m_formList), QList<int>{11});
    QVERIFY(presenter.shown().isEmpty());
}

void TestIndividualTaxData::moveSummaryToFront()
{
    IndividualTaxData person(0, &m_dependants);
    for (int type : {1, 4, 93, 7, 93})
        person.addForm(type, 0, true, 0, false);
    person.moveT1KSToFront();
    QCOMPARE(typesOf(person.m_formList), (QList<int>{93, 1, 4, 7, 93}));
    QCOMPARE(idsOf(person.m_formList), (QList<int>{102, 100, 101, 103, 104}));
    IndividualTaxData none(0, &m_dependants);
    for (int type : {1, 4})
        none.addForm(type, 0, true, 0, false);
    none.moveT1KSToFront();
    QCOMPARE(typesOf(none.m_formList), (QList<int>{1, 4}));
}

void TestIndividualTaxData::obsoleteTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("taxYear");
    QTest::addColumn<bool>("obsolete");
    QTest::newRow("19 after 2007") << 19 << 2025 << true;
    QTest::newRow("22 in 2007") << 22 << 2007 << false;
    QTest::newRow("33 in 2008") << 33 << 2008 << true;
    for (int type : {100, 114, 115, 120, 134, 141})
        QTest::newRow(qPrintable(QString("always %1").arg(type))) << type << 2000 << true;
    QTest::newRow("expired 2") << 2 << 2025 << true;
    QTest::newRow("T1") << 1 << 2025 << false;
    QTest::newRow("provincial") << 26 << 2025 << false;
}

void TestIndividualTaxData::obsoleteTypes()
{
    QFETCH(int, type);
    QFETCH(int, taxYear);
    QFETCH(bool, obsolete);
    IndividualTaxData person(0, &m_dependants);
    person.m_taxYear = taxYear;
    QCOMPARE(person.isObsoleteFormType(type), obsolete);
}

void TestIndividualTaxData::sumSlipsAddsNeededForms_data()
{
    QTest::addColumn<int>("slipCode");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QList<int>>("formsAfter"); // the person starts with its T1
    QTest::addColumn<QList<int>>("needed");
    QTest::newRow("T3 box 21: Schedule 3 and T936, only 4 named")
        << 9 << "box21" << QList<int>{1, 4, 32} << QList<int>{4};
    QTest::newRow("T4 box 18: T2204") << 1 << "box18" << QList<int>{1, 23} << QList<int>{23};
    QTest::newRow("T4 box 16: Schedule 8") << 1 << "box16" << QList<int>{1, 150} << QList<int>{150};
    QTest::newRow("T5 box 16: T2209") << 8 << "box16" << QList<int>{1, 35} << QList<int>{35};
    // Interest alone reaches the T1 only through the federal worksheet.
    QTest::newRow("T5 box 13 only: the worksheet")
        << 8 << "box13" << QList<int>{1, 210} << QList<int>{210};
    QTest::newRow("T5 box 10 only: nothing") << 8 << "box10" << QList<int>{1} << QList<int>{};
}

void TestIndividualTaxData::sumSlipsAddsNeededForms()
{
    QFETCH(int, slipCode);
    QFETCH(QString, field);
    QFETCH(QList<int>, formsAfter);
    QFETCH(QList<int>, needed);
    IndividualTaxData person(0, &m_dependants);
    person.getForm(1, 0, true);
    CTaxData_Form *slip = person.addSlip(slipCode, 0, 0)->data;
    static_cast<CFloatField *>(slip->findField(field.toUtf8()))->setValue(250);
    SlipTotals totals;
    std::set<int> neededForms;
    person.SumSlips(totals, neededForms);
    QCOMPARE(typesOf(person.m_formList), formsAfter);
    QCOMPARE(QList<int>(neededForms.begin(), neededForms.end()), needed);
    // A second run adds nothing more.
    std::set<int> again;
    SlipTotals fresh;
    person.SumSlips(fresh, again);
    QCOMPARE(typesOf(person.m_formList), formsAfter);
}

void TestIndividualTaxData::sumSlipsWithTwoT2209Present()
{
    IndividualTaxData person(0, &m_dependants);
    person.getForm(1, 0, true);
    person.addForm(35, 0, true, 0, false);
    person.addForm(35, 0, true, 0, false);
    auto *t3 = static_cast<TaxData_Slip_T3 *>(person.addSlip(9, 0, 0)->data);
    t3->box34 = 75;
    SlipTotals totals;
    std::set<int> neededForms;
    person.SumSlips(totals, neededForms);
    QCOMPARE(typesOf(person.m_formList), (QList<int>{1, 35, 35}));
    QCOMPARE(QList<int>(neededForms.begin(), neededForms.end()), QList<int>{35});
    QCOMPARE(totals.t3Box34, 75.0);
    // With two already there, the T2209 no longer counts as needed by the slips.
    QVERIFY(!person.isFormNeeded(35));
}

void TestIndividualTaxData::slipSummaryAddsScheduleNine()
{
    IndividualTaxData person(0, &m_dependants);
    person.getForm(1, 0, true);
    auto *t4 = static_cast<TaxData_Slip_T4 *>(person.addSlip(1, 0, 0)->data);
    t4->box14 = 1000;
    t4->box46 = 20;
    person.addSlip(8, 0, 0);
    QString html;
    QTextStream out(&html);
    QCOMPARE(person.WriteSlipSummary(out), 0);
    out.flush();
    QVERIFY(
        html.startsWith("*this summary is only for purpose of return preparation check, not "
                        "accurate/full*<br><br>\n<b>There are totally 2 tax slip(s)</b><br><br>\n"
                        "<br><br>T4 tax slip: 1 <br>\n"));
    QVERIFY(html.contains("<br><br>T5 tax slip: 1 <br>\n"));
    QVERIFY(!html.contains("T3 tax slip"));
    QVERIFY(person.hasForm(9));
}

QV_TEST_MAIN(TestIndividualTaxData)
#include "tst_IndividualTaxData.moc"
