// Province plug-ins: loading rules, the real plug-ins' forms, and the fan-out to the managers.
#include <QtTest>

#include "PluginFolder.h"
#include "ReturnFixture.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"
#include "marrow/CTaxData_Form.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FormFactory.h"
#include "marrow/FormTables.h"
#include "model/CMultiProvsTaxMgr.h"
#include "plugin/TestPluginRecorder.h"

#include <memory>
#include <set>

class TestCMultiProvsTaxMgr : public QObject
{
    Q_OBJECT
private slots:
    void realPluginForms_data();
    void realPluginForms();
    void realPluginTakesOnlyItsOwnForms();
    void missingLibraryShowsPathOncePerAttempt();
    void noManagerWithoutTheExport();
    void unsupportedProvinces();
    void reloadWithUnloadOthers();
    void loadedProvincesAscending();
    void deleteStopsAtFirstTaker();
    void netfileFirstNonZero();
    void mainProvinceAmounts();
    void firstManagerOnly();
    void everyManager();
    void exchangesNeedBothManagers();
    void warningsStopAtFirstDecline();
    void defaultsWithoutManagers();
    void routedCreation();
    void destructionReleasesManagers();

private:
    DependantInfoStruct m_dependants;
};

void TestCMultiProvsTaxMgr::realPluginForms_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("spouseTransfer");
    QTest::addColumn<int>("tuition");
    QTest::addColumn<int>("t778Counterpart");
    QTest::addColumn<int>("ownForm"); // a further form of the province alone, 0 for none
    const int table[][5] = {{1, 47, 48, 0, 0},   {2, 43, 44, 0, 0},  {3, 90, 91, 0, 0},
                            {4, 94, 95, 0, 0},   {5, 64, 65, 0, 0},  {6, 72, 73, 0, 0},
                            {7, 68, 69, 0, 0},   {8, 76, 77, 0, 0},  {9, 26, 27, 87, 0},
                            {10, 79, 80, 0, 0},  {11, 0, 0, 0, 161}, {12, 82, 83, 0, 81},
                            {13, 110, 111, 0, 0}};
    for (const auto &row : table)
        QTest::newRow(Global_Provs_Info[row[0]].abbreviation)
            << row[0] << row[1] << row[2] << row[3] << row[4];
}

void TestCMultiProvsTaxMgr::realPluginForms()
{
    QFETCH(int, province);
    QFETCH(int, spouseTransfer);
    QFETCH(int, tuition);
    QFETCH(int, t778Counterpart);
    QFETCH(int, ownForm);
    PluginFolder folder;
    QVERIFY(folder.linkRealPlugin(province));
    ScriptedPresenter presenter;
    CMultiProvsTaxMgr manager(0, &m_dependants);
    CProvincialTaxManager *plugin = manager.getProvinceManager(province, true);
    QVERIFY(plugin);
    QCOMPARE(plugin->getProvince(), province);

    // Every plug-in makes the provincial tax form 156 and the T1273 (109).
    std::set<int> expected{109, 156, spouseTransfer, tuition, t778Counterpart, ownForm};
    expected.erase(0);
    std::set<int> made;
    for (int code = -1; code <= Global_Forms_Num + 1; ++code) {
        CTaxData_Form *form = manager.createProvincialForm(code, true);
        if (!form)
            continue;
        made.insert(code);
        QCOMPARE(form->getType(), code);
        QCOMPARE(form->getMainTaxProvince(), province);
        QVERIFY(!formName(code).isEmpty());
        QVERIFY(manager.deleteProvincialForm(form, true));
    }
    QCOMPARE(made, expected);
    QCOMPARE(manager.getLinkedProvincialFormType(3), spouseTransfer);
    QCOMPARE(manager.getLinkedProvincialFormType(11), tuition);
    QCOMPARE(manager.getLinkedProvincialFormType(13), t778Counterpart);
    QCOMPARE(manager.getLinkedProvincialFormType(1), 0);
    // Only Ontario's plug-in has an interview of its own, which it takes back.
    CTaxData_Form *wizard = manager.createProvincialWizardData();
    QCOMPARE(wizard != nullptr, province == ReturnFixture::kProvince);
    if (wizard) {
        QCOMPARE(wizard->getType(), 6);
        QCOMPARE(wizard->getKind(), int(CTaxData_Form::KindWizard));
        QCOMPARE(manager.createProvincialWizardData(), wizard);
        QVERIFY(manager.freeProvincialWizardData());
    }
    QVERIFY(presenter.shown().isEmpty());
}

void TestCMultiProvsTaxMgr::realPluginTakesOnlyItsOwnForms()
{
    PluginFolder folder;
    QVERIFY(folder.linkRealPlugin(2) && folder.linkRealPlugin(9));
    CMultiProvsTaxMgr manager(0, &m_dependants);
    CProvincialTaxManager *bc = manager.getProvinceManager(2, false);
    CProvincialTaxManager *on = manager.getProvinceManager(9, false);
    QVERIFY(bc && on);
    // Both make the provincial tax form; each takes back only its own object.
    CTaxData_Form *form = on->createProvincialForm(156, true);
    QVERIFY(form);
    QVERIFY(!bc->deleteProvincialForm(form, true));
    QVERIFY(on->deleteProvincialForm(form, true));
    std::unique_ptr<CTaxData_Form> federal(createFederalForm(1));
    QVERIFY(!manager.deleteProvincialForm(federal.get(), true));
}

void TestCMultiProvsTaxMgr::missingLibraryShowsPathOncePerAttempt()
{
    PluginFolder folder;
    ScriptedPresenter presenter;
    CMultiProvsTaxMgr manager(0, &m_dependants);
    QCOMPARE(manager.getProvinceManager(9, false), nullptr);
    QCOMPARE(presenter.shown().size(), 1);
    const ShownMessage box = presenter.shown().first();
    QCOMPARE(box.kind, QStringLiteral("information"));
    QCOMPARE(box.title, QStringLiteral("file path"));
    QCOMPARE(box.text, folder.path() + "/libqvprov_on.so");
    QCOMPARE(box.parent, nullptr);
    QCOMPARE(manager.getProvinceManager(9, true), nullptr);
    QCOMPARE(presenter.shown().size(), 2);
    QList<int> loaded;
    manager.listLoadedProvinces(loaded);
    QVERIFY(loaded.isEmpty());
}

void TestCMultiProvsTaxMgr::noManagerWithoutTheExport()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    recorder.scripts[9].nullManager = true;
    QVERIFY(folder.linkNoExportLibrary(1));
    QVERIFY(folder.linkTestPlugin(9, &recorder));
    ScriptedPresenter presenter;
    CMultiProvsTaxMgr manager(0, &m_dependants);
    QCOMPARE(manager.getProvinceManager(1, false), nullptr);
    QCOMPARE(manager.getProvinceManager(9, false), nullptr);
    QCOMPARE(recorder.calls, QStringList{"9 GetTaxManager"});
    QVERIFY(presenter.shown().isEmpty());
    QCOMPARE(manager.getFirstManager(), nullptr);
}

void TestCMultiProvsTaxMgr::unsupportedProvinces()
{
    PluginFolder folder;
    ScriptedPresenter presenter;
    CMultiProvsTaxMgr manager(0, &m_dependants);
    for (int province : {-1, 0, 14})
        QCOMPARE(manager.getProvinceManager(province, true), nullptr);
    QVERIFY(presenter.shown().isEmpty());
    QString name = "unchanged";
    QVERIFY(!getProvinceLibraryName(0, name) && !getProvinceLibraryName(14, name));
    QCOMPARE(name, QStringLiteral("unchanged"));
    QVERIFY(getProvinceLibraryName(11, name));
    QCOMPARE(name, QStringLiteral("libqvprov_qc.so"));
}

void TestCMultiProvsTaxMgr::reloadWithUnloadOthers()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(folder.linkTestPlugin(9, &recorder));
    CMultiProvsTaxMgr manager(0, &m_dependants);
    CProvincialTaxManager *first = manager.getProvinceManager(9, false);
    QVERIFY(first);
    QCOMPARE(manager.getProvinceManager(9, false), first);
    QCOMPARE(recorder.callsOf("GetTaxManager").size(), 1);
    QVERIFY(manager.getProvinceManager(9, true));
    QCOMPARE(recorder.calls, (QStringList{"9 GetTaxManager", "9 destroyed", "9 GetTaxManager"}));
    QCOMPARE(recorder.managersDeleted, 1);
}

void TestCMultiProvsTaxMgr::loadedProvincesAscending()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(folder.linkTestPlugin(9, &recorder) && folder.linkTestPlugin(2, &recorder));
    CMultiProvsTaxMgr manager(0, &m_dependants);
    QVERIFY(manager.getProvinceManager(9, false) && manager.getProvinceManager(2, false));
    QList<int> loaded{13};
    manager.listLoadedProvinces(loaded);
    QCOMPARE(loaded, (QList<int>{13, 2, 9}));
    QCOMPARE(manager.getFirstManager()->getProvince(), 2);
}

void TestCMultiProvsTaxMgr::deleteStopsAtFirstTaker()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(folder.linkTestPlugin(2, &recorder) && folder.linkTestPlugin(9, &recorder));
    CMultiProvsTaxMgr manager(0, &m_dependants);
    CProvincialTaxManager *bc = manager.getProvinceManager(2, false);
    CProvincialTaxManager *on = manager.getProvinceManager(9, false);
    CTaxData_Form *bcForm = bc->createProvincialForm(43, true);
    CTaxData_Form *onForm = on->createProvincialForm(26, true);
    QVERIFY(bcForm && onForm);
    recorder.calls.clear();

    QVERIFY(manager.deleteProvincialForm(bcForm, true));
    QCOMPARE(recorder.calls, QStringList{"2 deleteProvincialForm 43 1"});
    recorder.calls.clear();
    QVERIFY(manager.deleteProvincialForm(onForm, false));
    QCOMPARE(recorder.calls,
             (QStringList{"2 deleteProvincialForm 0 0", "9 deleteProvincialForm 26 0"}));
    QCOMPARE(recorder.formsDeletedByPlugin, 2);
}

void TestCMultiProvsTaxMgr::netfileFirstNonZero()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    recorder.scripts[3].netfileCode = 0;
    recorder.scripts[7].netfileCode = 5;
    recorder.scripts[9].netfileCode = 3;
    for (int p : {3, 7, 9})
        QVERIFY(folder.linkTestPlugin(p, &recorder));
    CMultiProvsTaxMgr manager(0, &m_dependants);
    for (int p : {9, 7, 3})
        QVERIFY(manager.getProvinceManager(p, false));
    recorder.calls.clear();
    QCOMPARE(manager.getNetfileIneligibility(), 5);
    QCOMPARE(recorder.calls,
             (QStringList{"3 getNetfileIneligibility", "7 getNetfileIneligibility"}));
}

void TestCMultiProvsTaxMgr::mainProvinceAmounts()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(folder.linkTestPlugin(3, &recorder) && folder.linkTestPlugin(7, &recorder));
    CMultiProvsTaxMgr manager(0, &m_dependants);
    QVERIFY(manager.getProvinceManager(3, false) && manager.getProvinceManager(7, false));
    recorder.calls.clear();

    manager.setMainProvince(7);
    QCOMPARE(manager.getMainProvince(), 7);
    double amount = 0;
    QVERIFY(manager.getProvincialAmount(11001, &amount));
    QCOMPARE(amount, 7.5);
    QCOMPARE(manager.setProvincialAmount(11001, 250.25), 7);
    QCOMPARE(manager.provincialQuery1(4, 5), 1);
    QCOMPARE(manager.provincialQuery2(6, 7), 2);
    QCOMPARE(recorder.calls,
             (QStringList{"7 getProvincialAmount 11001", "7 setProvincialAmount 11001 250.25",
                          "7 provincialQuery1 4 5", "7 provincialQuery2 6 7"}));

    recorder.calls.clear();
    manager.setMainProvince(4);
    amount = -1;
    QVERIFY(!manager.getProvincialAmount(11001, &amount));
    QCOMPARE(amount, -1.0);
    QCOMPARE(manager.setProvincialAmount(11001, 1.0), 0);
    QCOMPARE(manager.provincialQuery1(1, 1), 0);
    QVERIFY(recorder.calls.isEmpty());
}

void TestCMultiProvsTaxMgr::firstManagerOnly()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    recorder.scripts[2].linkedForms[11] = 44;
    recorder.scripts[9].linkedForms[11] = 27;
    QVERIFY(folder.linkTestPlugin(2, &recorder) && folder.linkTestPlugin(9, &recorder));
    CMultiProvsTaxMgr manager(0, &m_dependants);
    QVERIFY(manager.getProvinceManager(9, false) && manager.getProvinceManager(2, false));
    recorder.calls.clear();

    QCOMPARE(manager.getLinkedProvincialFormType(11), 44);
    QList<double> thresholds{1.0};
    manager.getProvincialThresholds(thresholds);
    QCOMPARE(thresholds, (QList<double>{1.0, 2000.0}));
    QVERIFY(!manager.isNonRefTaxCreditAllUsed());
    // Form 26 is Ontario's, but the first loaded manager is British Columbia's.
    QCOMPARE(manager.createProvincialForm(26, false), nullptr);
    QCOMPARE(manager.createProvincialWizardData(), nullptr);
    QCOMPARE(recorder.calls, (QStringList{"2 getLinkedProvincialFormType 11",
                                          "2 getProvincialThresholds", "2 isNonRefTaxCreditAllUsed",
                                          "2 createProvincialForm 26 0", "2 createWizardData"}));
}

void TestCMultiProvsTaxMgr::everyManager()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(folder.linkTestPlugin(2, &recorder) && folder.linkTestPlugin(9, &recorder));
    CMultiProvsTaxMgr manager(0, &m_dependants);
    QVERIFY(manager.getProvinceManager(9, false) && manager.getProvinceManager(2, false));
    recorder.calls.clear();

    manager.setupNewReturn(nullptr, nullptr);
    manager.applyWizardData();
    manager.updateWizardData();
    manager.calculatePass0(true, 12, nullptr);
    manager.calculatePass4Begin(nullptr);
    QCOMPARE(manager.calculatePass4(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                    nullptr, {}, nullptr, nullptr),
             90);
    manager.calculatePass5Begin(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {}, nullptr,
                                nullptr, nullptr);
    manager.calculatePass5(nullptr, 0, nullptr, {nullptr});
    QCOMPARE(manager.beforeFormCalculation(173, nullptr), 0);
    QCOMPARE(manager.afterFormCalculation(174, nullptr), 0);
    manager.updateProvincialSummary(true, nullptr, nullptr);
    manager.transferSpouseData(nullptr, 0, nullptr, nullptr);
    std::list<CString> messages;
    manager.collectProvincialCheckMessages(messages, nullptr, nullptr, nullptr, nullptr, nullptr,
                                           nullptr, nullptr);
    QVERIFY(manager.freeProvincialWizardData());

    const QStringList each = {"setupNewReturn null null",
                              "applyWizardData",
                              "updateWizardData",
                              "calculatePass0 1 12",
                              "calculatePass4Begin",
                              "calculatePass4",
                              "calculatePass5Begin",
                              "calculatePass5 0 1",
                              "beforeFormCalculation 173",
                              "afterFormCalculation 174",
                              "updateProvincialSummary 1",
                              "transferSpouseData 0",
                              "collectProvincialCheckMessages",
                              "freeWizardData"};
    QStringList expected;
    for (const QString &call : each)
        expected << "2 " + call << "9 " + call;
    QCOMPARE(recorder.calls, expected);
    QCOMPARE(messages, (std::list<CString>{CString("check 2"), CString("check 9")}));
}

void TestCMultiProvsTaxMgr::exchangesNeedBothManagers()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(folder.linkTestPlugin(2, &recorder) && folder.linkTestPlugin(9, &recorder));
    CMultiProvsTaxMgr taxpayer(0, &m_dependants);
    CMultiProvsTaxMgr spouse(0, &m_dependants);
    CMultiProvsTaxMgr empty(0, &m_dependants);
    QVERIFY(taxpayer.getProvinceManager(9, true) && spouse.getProvinceManager(2, true));
    recorder.calls.clear();

    taxpayer.exchangeWithPartnerPass2(&spouse);
    taxpayer.exchangeWithPartnerPass4(&spouse);
    spouse.exchangeWithPartnerPass5(&taxpayer);
    std::list<CString> messages;
    taxpayer.collectProvincialCoupleMessages(messages, &spouse);
    QCOMPARE(recorder.calls,
             (QStringList{"9 exchangeWithPartnerPass2 2", "9 exchangeWithPartnerPass4 2",
                          "2 exchangeWithPartnerPass5 9", "9 collectProvincialCoupleMessages 2"}));

    recorder.calls.clear();
    taxpayer.exchangeWithPartnerPass2(&empty);
    empty.exchangeWithPartnerPass4(&taxpayer);
    taxpayer.exchangeWithPartnerPass5(nullptr);
    empty.collectProvincialCoupleMessages(messages, &taxpayer);
    QVERIFY(recorder.calls.isEmpty());
    // The couple check still runs when only the partner lacks a manager.
    taxpayer.collectProvincialCoupleMessages(messages, &empty);
    QCOMPARE(recorder.calls, QStringList{"9 collectProvincialCoupleMessages 0"});

    // With the routing flag the exchanges are skipped.
    CMultiProvsTaxMgr routed(1, &m_dependants);
    QVERIFY(routed.getProvinceManager(9, true));
    recorder.calls.clear();
    routed.exchangeWithPartnerPass2(&spouse);
    routed.collectProvincialCoupleMessages(messages, &spouse);
    QVERIFY(recorder.calls.isEmpty());
}

void TestCMultiProvsTaxMgr::warningsStopAtFirstDecline()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    recorder.scripts[2].warnings = QStringList{"first", "second"};
    recorder.scripts[9].warnings = QStringList{"third"};
    QVERIFY(folder.linkTestPlugin(2, &recorder) && folder.linkTestPlugin(9, &recorder));
    CMultiProvsTaxMgr manager(0, &m_dependants);
    QVERIFY(manager.getProvinceManager(9, false) && manager.getProvinceManager(2, false));

    {
        ScriptedPresenter presenter;
        presenter.queueAnswer(QMessageBox::Yes);
        presenter.queueAnswer(QMessageBox::No);
        QVERIFY(!manager.warnProvincialMessages(nullptr, nullptr));
        QCOMPARE(presenter.shownTexts(), (QStringList{"first", "second"}));
        QCOMPARE(presenter.shown().first().title, QStringLiteral("Quorvandelle Warning Message"));
        QCOMPARE(presenter.shown().first().kind, QStringLiteral("warning"));
        QCOMPARE(recorder.callsOf("getWarningMessages"), QStringList{"2 getWarningMessages"});
    }
    {
        ScriptedPresenter presenter;
        QVERIFY(manager.warnProvincialMessages(nullptr, nullptr));
        QCOMPARE(presenter.shownTexts(), (QStringList{"first", "second", "third"}));
    }
}

void TestCMultiProvsTaxMgr::defaultsWithoutManagers()
{
    PluginFolder folder;
    ScriptedPresenter presenter;
    CMultiProvsTaxMgr manager(0, &m_dependants);
    manager.setMainProvince(9);
    std::unique_ptr<CTaxData_Form> federal(createFederalForm(1));
    QCOMPARE(manager.createProvincialForm(26, true), nullptr);
    QCOMPARE(manager.getLinkedProvincialFormType(11), 0);
    QCOMPARE(manager.createProvincialWizardData(), nullptr);
    QVERIFY(!manager.isNonRefTaxCreditAllUsed());
    QVERIFY(!manager.deleteProvincialForm(federal.get(), true));
    QVERIFY(manager.freeProvincialWizardData());
    QCOMPARE(manager.getNetfileIneligibility(), 0);
    QCOMPARE(manager.calculatePass4(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                    nullptr, {}, nullptr, nullptr),
             0);
    double amount = 3;
    QVERIFY(!manager.getProvincialAmount(1, &amount));
    QCOMPARE(amount, 3.0);
    QVERIFY(manager.warnProvincialMessages(nullptr, nullptr));
    QList<double> thresholds;
    manager.getProvincialThresholds(thresholds);
    QVERIFY(thresholds.isEmpty());
    QVERIFY(presenter.shown().isEmpty());
}

void TestCMultiProvsTaxMgr::routedCreation()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(folder.linkTestPlugin(2, &recorder) && folder.linkTestPlugin(9, &recorder));
    CMultiProvsTaxMgr manager(1, &m_dependants);
    QVERIFY(manager.getProvinceManager(2, false));
    // The form goes to its own province's plug-in, which is loaded beside the others.
    CTaxData_Form *form = manager.createProvincialForm(26, true);
    QVERIFY(form);
    QList<int> loaded;
    manager.listLoadedProvinces(loaded);
    QCOMPARE(loaded, (QList<int>{2, 9}));
    QCOMPARE(manager.forwardToFormProvince(27, 1, 2), 7);
    QCOMPARE(manager.forwardToFormProvince(1, 1, 2), 0);
    QVERIFY(manager.deleteProvincialForm(form, true));
    QCOMPARE(recorder.callsOf("formRequest"), QStringList{"9 formRequest 27 1 2"});
}

void TestCMultiProvsTaxMgr::destructionReleasesManagers()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(folder.linkTestPlugin(2, &recorder) && folder.linkTestPlugin(9, &recorder));
    {
        CMultiProvsTaxMgr manager(0, &m_dependants);
        QVERIFY(manager.getProvinceManager(2, false) && manager.getProvinceManager(9, false));
        QCOMPARE(recorder.managersMade, 2);
    }
    QCOMPARE(recorder.managersDeleted, 2);
}

QV_TEST_MAIN(TestCMultiProvsTaxMgr)
#include "tst_CMultiProvsTaxMgr.moc"
