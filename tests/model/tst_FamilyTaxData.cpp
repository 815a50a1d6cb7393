// Return-file object: persons, current and partner, coupled test, snapshot copy and compare.
#include <QtTest>

#include "PluginFolder.h"
#include "TestMain.h"
#include "marrow/CTaxData_Form.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "plugin/TestPluginRecorder.h"

class TestFamilyTaxData : public QObject
{
    Q_OBJECT
private slots:
    void newObject();
    void currentPerson_data();
    void currentPerson();
    void coupled_data();
    void coupled();
    void snapshotCopyAndCompare();
    void dependantsCountAsChanges();
    void freeAllDataEmpties();
    void loadedProvincesOfCurrentPerson();
    void destructionUnloadsPlugins();
};

void TestFamilyTaxData::newObject()
{
    FamilyTaxData family(0);
    QVERIFY(!family.isCoupled());
    QCOMPARE(family.getCurrentPersonIndex(), -2);
    QCOMPARE(family.getCurrentPersonData(), family.taxpayer());
    QCOMPARE(family.getPartnerData(), family.spouse());
    QVERIFY(family.taxpayer() && family.spouse() && family.taxpayer() != family.spouse());
    QCOMPARE(family.taxpayer()->m_dependants, &family.dependants());
    QCOMPARE(family.spouse()->m_dependants, &family.dependants());
    QCOMPARE(family.taxpayer()->m_dataVersion, 66098);
}

void TestFamilyTaxData::currentPerson_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("person"); // "taxpayer", "spouse" or "none"
    QTest::addColumn<QString>("partner");
    QTest::newRow("spouse") << -1 << -1 << "spouse"
                            << "taxpayer";
    QTest::newRow("taxpayer") << -2 << -2 << "taxpayer"
                              << "spouse";
    QTest::newRow("further person 5") << 5 << 5 << "none"
                                      << "none";
    QTest::newRow("further person 11") << 11 << 11 << "none"
                                       << "none";
    QTest::newRow("12 refused") << 12 << -1 << "spouse"
                                << "taxpayer";
    QTest::newRow("-3 refused") << -3 << -1 << "spouse"
                                << "taxpayer";
}

void TestFamilyTaxData::currentPerson()
{
    QFETCH(int, index);
    QFETCH(int, current);
    QFETCH(QString, person);
    QFETCH(QString, partner);
    FamilyTaxData family(0);
    family.setCurrentPersonIndex(-1);
    QCOMPARE(family.setCurrentPersonIndex(index), current);
    QCOMPARE(family.getCurrentPersonIndex(), current);
    auto name = [&](IndividualTaxData *p) {
        return p == family.taxpayer() ? "taxpayer"
               : p == family.spouse() ? "spouse"
               : p                    ? "other"
                                      : "none";
    };
    QCOMPARE(QString(name(family.getCurrentPersonData())), person);
    QCOMPARE(QString(name(family.getPartnerData())), partner);
    QCOMPARE(family.getPersonData(-2), family.taxpayer());
    QCOMPARE(family.getPersonData(-1), family.spouse());
    QCOMPARE(family.getPersonData(0), nullptr);
    QCOMPARE(family.getPersonData(-5), nullptr);
}

void TestFamilyTaxData::coupled_data()
{
    QTest::addColumn<QList<int>>("taxpayerForms");
    QTest::addColumn<QList<int>>("spouseForms");
    QTest::addColumn<bool>("coupled");
    QTest::newRow("both T1") << QList<int>{1} << QList<int>{1} << true;
    QTest::newRow("taxpayer T1 only") << QList<int>{1} << QList<int>{} << false;
    QTest::newRow("taxpayer T1, spouse TP-1") << QList<int>{1} << QList<int>{161} << false;
    QTest::newRow("no T1, spouse TP-1") << QList<int>{} << QList<int>{161} << true;
    QTest::newRow("no T1, spouse T1") << QList<int>{} << QList<int>{1} << false;
    QTest::newRow("empty") << QList<int>{} << QList<int>{} << false;
}

void TestFamilyTaxData::coupled()
{
    QFETCH(QList<int>, taxpayerForms);
    QFETCH(QList<int>, spouseForms);
    QFETCH(bool, coupled);
    PluginFolder folder;
    QVERIFY(folder.linkRealPlugin(11));
    FamilyTaxData family(0);
    QVERIFY(family.spouse()->m_provsTaxMgr.getProvinceManager(11, true));
    for (int type : taxpayerForms)
        QVERIFY(family.taxpayer()->addForm(type, 0, true, 0, false));
    for (int type : spouseForms)
        QVERIFY(family.spouse()->addForm(type, 0, true, 0, false));
    QCOMPARE(family.isCoupled(), coupled);
}

void TestFamilyTaxData::snapshotCopyAndCompare()
{
    FamilyTaxData live(0);
    live.taxpayer()->addForm(1, 0, true, 0, false);
    live.taxpayer()->addSlip(1, 0, 0);
    live.spouse()->addForm(1, 0, true, 0, false);
    live.setCurrentPersonIndex(-1);
    live.dependants().AllocData(2);
    DependantRecord::setName(live.dependants().record(0).firstName, "Ana");

    FamilyTaxData snapshot(0);
    snapshot = live;
    QCOMPARE(snapshot.getCurrentPersonIndex(), -1);
    QVERIFY(snapshot.dependants() == live.dependants());
    QVERIFY(!snapshot.isDifferent(live) && snapshot.isEqual(live));
    // Each person of the copy points at the copy's own dependants.
    QCOMPARE(snapshot.taxpayer()->m_dependants, &snapshot.dependants());

    live.spouse()->m_formList.first()->data->setDownloaded(true);
    QVERIFY(snapshot.isDifferent(live));
    QVERIFY(snapshot.assignValuesFrom(live));
    QVERIFY(!snapshot.isDifferent(live));

    // A new form in one person: the copy no longer takes the values.
    live.taxpayer()->addForm(4, 0, true, 0, false);
    QVERIFY(snapshot.isDifferent(live));
    QVERIFY(!snapshot.assignValuesFrom(live));
    // Assigning a snapshot to itself (through a second name) must leave it whole.
    const FamilyTaxData &same = snapshot;
    snapshot = same;
    QVERIFY(snapshot.isDifferent(live));
}

void TestFamilyTaxData::dependantsCountAsChanges()
{
    FamilyTaxData live(0);
    live.taxpayer()->addForm(1, 0, true, 0, false);
    live.dependants().AllocData(1);
    FamilyTaxData snapshot(0);
    snapshot = live;
    QVERIFY(!snapshot.isDifferent(live));

    // A change only in the dependants is an unsaved change ...
    DependantRecord::setName(live.dependants().record(0).firstName, "Noor");
    QVERIFY(snapshot.isDifferent(live));
    QVERIFY(!snapshot.isEqual(live));
    // ... and refreshing the snapshot after a save takes it over.
    QVERIFY(snapshot.assignValuesFrom(live));
    QVERIFY(!snapshot.isDifferent(live));
    QCOMPARE(DependantRecord::nameText(snapshot.dependants().record(0).firstName),
             QStringLiteral("Noor"));

    live.dependants().AllocData(2);
    QVERIFY(snapshot.isDifferent(live));
}

void TestFamilyTaxData::freeAllDataEmpties()
{
    FamilyTaxData family(0);
    family.taxpayer()->addForm(1, 0, true, 0, false);
    family.spouse()->addNote(3);
    family.dependants().AllocData(3);
    family.setCurrentPersonIndex(-1);
    IndividualTaxData *taxpayer = family.taxpayer();
    family.freeAllData();
    QCOMPARE(family.taxpayer(), taxpayer);
    QVERIFY(family.taxpayer()->m_formList.isEmpty() && family.spouse()->m_noteList.isEmpty());
    QCOMPARE(family.dependants().count(), 0);
    QCOMPARE(family.getCurrentPersonIndex(), -2);
    QVERIFY(family.taxpayer()->addForm(1, 0, true, 0, false));
}

void TestFamilyTaxData::loadedProvincesOfCurrentPerson()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(folder.linkTestPlugin(2, &recorder) && folder.linkTestPlugin(9, &recorder) &&
            folder.linkTestPlugin(12, &recorder));
    FamilyTaxData family(0);
    QVERIFY(family.taxpayer()->m_provsTaxMgr.getProvinceManager(9, true));
    QVERIFY(family.taxpayer()->m_provsTaxMgr.getProvinceManager(2, false));
    QVERIFY(family.spouse()->m_provsTaxMgr.getProvinceManager(12, true));
    QList<int> loaded;
    family.getLoadedProvinces(loaded);
    QCOMPARE(loaded, (QList<int>{2, 9}));
    family.setCurrentPersonIndex(-1);
    loaded.clear();
    family.getLoadedProvinces(loaded);
    QCOMPARE(loaded, QList<int>{12});
    // Each person called the export itself.
    QCOMPARE(recorder.callsOf("GetTaxManager").size(), 3);
}

void TestFamilyTaxData::destructionUnloadsPlugins()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(folder.linkTestPlugin(9, &recorder) && folder.linkTestPlugin(12, &recorder));
    {
        FamilyTaxData family(0);
        QVERIFY(family.taxpayer()->m_provsTaxMgr.getProvinceManager(9, true));
        QVERIFY(family.spouse()->m_provsTaxMgr.getProvinceManager(9, true));
        QVERIFY(family.taxpayer()->addForm(26, 0, true, 0, false));
        // The onFormChanged hook reaches Saskatchewan's plug-in only for form 81.
        family.taxpayer()->onFormChanged(80, 0);
        QCOMPARE(recorder.managersMade, 2);
        family.taxpayer()->onFormChanged(81, 0);
        QCOMPARE(recorder.callsOf("formChanged"), QStringList{"12 formChanged 81 set"});
        QCOMPARE(recorder.managersMade, 3);
    }
    QCOMPARE(recorder.managersDeleted, 3);
    QCOMPARE(recorder.formsDeletedByPlugin, 1);
    // The form went back before its plug-in's manager was destroyed.
    QCOMPARE(recorder.calls.indexOf("9 deleteProvincialForm 26 1") <
                 recorder.calls.indexOf("9 destroyed"),
             true);
}

QV_TEST_MAIN(TestFamilyTaxData)
#include "tst_FamilyTaxData.moc"
