// Return file: round trip of a coupled return, the version, password, province and duplicate
// rules as records written here, mandatory forms, damaged and cut files, saving.
#include <QtTest>

#include <QCryptographicHash>

#include "FailDevice.h"
#include "FifoWatchdog.h"
#include "PluginFolder.h"
#include "RecordWriter.h"
#include "ReturnFixture.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FormFactory.h"
#include "marrow/FormTables.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TaxData_TaxNote.h"
#include "model/BarcodeArchive.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "ordane/CReservedArea.h"
#include "ordane/MyDataStream.h"
#include "plugin/TestPluginRecorder.h"

#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>
#include <malloc.h>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ReturnFixture;
using namespace RecordWriter;

namespace {

const QString kDamaged =
    "The file being opened may be damaged, please verify the data after opening.";
const QString kLater = "The tax return file is prepared by a much later version of Quorvandelle. "
                       "Please use the right version of Quorvandelle to open the tax return file.";
const QString kPrompt = "Please enter the password for this return file\n"
                        "This return file is proetected by a password\n\n"
                        "Press 'Cancel' button to cancel";

// The taxpayer record most rows start from: no T1, so nothing is added after reading.
Record baseRecord(int version)
{
    Record r;
    r.version = version;
    r.forms = {{93, 101, 0, {}, false}, {4, 102, 205, {}, false}, {26, 103, 0, {}, false}};
    r.slips = {{1, 104, 300, {}, false}};
    r.notes = {{0, 5, 0, {}, false}};
    return r;
}

QByteArray fileOf(const Record &taxpayer, const Record &spouse = emptySpouse())
{
    File f;
    f.taxpayer = taxpayer;
    f.spouse = spouse;
    return writeFile(f);
}

QString describe(const QList<TaxDataEntryStru *> &list)
{
    QStringList parts;
    for (const TaxDataEntryStru *e : list)
        parts << QString("%1:%2:%3").arg(e->type).arg(e->id).arg(e->linkedId);
    return parts.join(' ');
}

QByteArray int32s(std::initializer_list<qint32> values)
{
    QByteArray bytes;
    MyDataStream ar(&bytes, QIODevice::WriteOnly);
    for (qint32 v : values)
        ar << v;
    return bytes;
}

// A barcode source that makes every person eligible, with two SFD blocks.
bool eligibleSource(const IndividualTaxData &, BarcodeArchiveBlocks &blocks)
{
    blocks.t1Block = "T1-BLOCK";
    blocks.sfdBlocks = {QByteArray("SFD-ONE"), QByteArray("SFD-2")};
    return true;
}

// A bit of each kind of value in every amount of the object, and a flags word.
void fillValues(CTaxData_Form &object, int &value)
{
    object.setFlags(++value % 2);
    for (CField *field : object.fields()) {
        if (auto *amount = dynamic_cast<CFloatField *>(field))
            amount->setValue(++value + 0.25);
    }
}

// A person of the province holding a form of every code any factory or its plug-in makes
// (two of each multiple form), a slip of every slip code and a note.
void fillEveryClass(IndividualTaxData &person, int province, int &value)
{
    person.m_province = province;
    person.m_provsTaxMgr.setMainProvince(province);
    person.m_provsTaxMgr.getProvinceManager(province, true);
    person.m_allFormsFlag = 1;
    for (int code = 0; code < Global_Forms_Num; ++code) {
        if (person.isObsoleteFormType(code))
            continue;
        for (int copy = 0; copy < (IsMultipleForm(code) ? 2 : 1); ++copy) {
            if (TaxDataEntryStru *entry = person.addForm(code, 0, true, 0, false))
                fillValues(*entry->data, value);
        }
    }
    for (int code = 0; code < Global_Slips_Num; ++code) {
        if (TaxDataEntryStru *entry = person.addSlip(code, 0, 0))
            fillValues(*entry->data, value);
    }
    fillValues(*person.addNote(3)->data, value);
}

// A taxpayer record naming many records whose blocks hold no fields: T2125 forms, T4 slips
// and notes. With slipBlock, every T4 slip holds that block (another class's fields).
QByteArray manyEmptyRecords(int forms, int slips, int notes,
                            const std::shared_ptr<CTaxData_Form> &slipBlock = {})
{
    Record r = baseRecord(66098);
    r.forms = {{93, 101, 0, {}, false}};
    for (int i = 0; i < forms; ++i)
        r.forms.append({125, 1000 + i, 0, {}, false});
    r.slips.clear();
    for (int i = 0; i < slips; ++i)
        r.slips.append({1, 100000 + i, 0, slipBlock, false});
    const auto emptyBlock = std::make_shared<CTaxData_Form>(0);
    r.notes.clear();
    for (int i = 0; i < notes; ++i)
        r.notes.append({0, i, 0, emptyBlock, false});
    return fileOf(r);
}

#ifndef QV_SANITIZE
// Bytes malloc holds now.
size_t heldBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}
#endif

} // namespace

class TestReturnFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void roundTripOfCoupledReturn();
    void settingsBlockBytes();
    void recordRules_data();
    void recordRules();
    void messageTitles();
    void summaryKeptOnceAndSingleFormReadTwice();
    void recordReplacesWhatThePersonHeld();
    void missingPluginRefusesRecordWithForms();
    void exceptionWhileReadingFails();
    void fewerThanTwelveDependantsKept();
    void mandatoryForms_data();
    void mandatoryForms();
    void formNeeded_data();
    void formNeeded();
    void barcodeArchive();
    void skipArchive_data();
    void skipArchive();
    void writeErrorAtEveryOffset();
    void bufferedStreamBytes_data();
    void bufferedStreamBytes();
    void bufferedWriteErrorAtEveryOffset_data();
    void bufferedWriteErrorAtEveryOffset();
    void saveUnderSizeLimit_data();
    void saveUnderSizeLimit();
    void loadRefusesWhatIsNoFile_data();
    void loadRefusesWhatIsNoFile();
    void saveAndLoadFiles();
    void everyPrefixFails();
    void changedBytesNeverCrash();
    void everySavedReturnOpens_data();
    void everySavedReturnOpens();
    void versionThresholds_data();
    void versionThresholds();
    void personRecordLayout();
    void recordTagReachesEveryBlock();
    void nanDependantAmountsReadAsZero();
    void recordCountsBounded_data();
    void recordCountsBounded();
    void loadBuildsBoundedByFileSize();
    void committedSeedsLoad();
    void committedReturnsSaveUnchanged_data();
    void committedReturnsSaveUnchanged();

private:
    // Every province's plug-in beside the one init links.
    void linkEveryRealPlugin();

    std::unique_ptr<PluginFolder> m_plugins;
    std::unique_ptr<ScriptedPresenter> m_presenter;
    // Keeps the Ontario plug-in mapped, so that loads in a loop do not map it again each time.
    std::unique_ptr<QLibrary> m_ontario;
};

void TestReturnFile::linkEveryRealPlugin()
{
    for (int province = 1; province <= 13; ++province) {
        if (province != kProvince)
            QVERIFY(m_plugins->linkRealPlugin(province));
    }
}

void TestReturnFile::init()
{
    m_plugins = std::make_unique<PluginFolder>();
    QVERIFY(m_plugins->linkRealPlugin(kProvince));
    m_ontario = std::make_unique<QLibrary>(m_plugins->pluginPath(kProvince));
    QVERIFY(m_ontario->load());
    m_presenter = std::make_unique<ScriptedPresenter>();
}

void TestReturnFile::cleanup()
{
    m_presenter.reset();
    m_ontario->unload();
    m_ontario.reset();
    m_plugins.reset();
    setBarcodeArchiveSource(nullptr);
}

void TestReturnFile::roundTripOfCoupledReturn()
{
    FamilyTaxData written(0);
    fillCoupledReturn(written);
    bringToLoadedState(written);
    QCOMPARE(written.taxpayer()->m_formList.first()->type, 1); // the summary is not first yet
    const QByteArray first = saveToBytes(written);
    QVERIFY(!first.isEmpty());
    QCOMPARE(written.taxpayer()->m_formList.first()->type, 93);

    FamilyTaxData read(0);
    m_presenter->queueText(QString(kPassword).toLower());
    QCOMPARE(loadFromBytes(read, first), 0);
    QCOMPARE(m_presenter->shownTexts(), QStringList{kPrompt});
    for (auto pair : {std::make_pair(written.taxpayer(), read.taxpayer()),
                      std::make_pair(written.spouse(), read.spouse())}) {
        QVERIFY(pair.second->isEqual(*pair.first));
        QCOMPARE(pair.second->m_nextId, pair.first->m_nextId);
        QCOMPARE(pair.second->m_province, kProvince);
        QCOMPARE(pair.second->m_password, pair.first->m_password);
        QCOMPARE(describe(pair.second->m_formList), describe(pair.first->m_formList));
        QCOMPARE(describe(pair.second->m_slipList), describe(pair.first->m_slipList));
        QCOMPARE(pair.second->m_formList.first()->type, 93);
        QCOMPARE(pair.second->m_wizardList.size(), pair.first->m_wizardList.size());
        QVERIFY(pair.second->findWizardData(1, false));
        QVERIFY(pair.second->m_coupled);
        for (const TaxDataEntryStru *e : pair.second->m_formList)
            QVERIFY(e->data->isCoupledReturn());
    }
    QCOMPARE(read.taxpayer()->m_password, CString(kPassword));
    QCOMPARE(read.spouse()->m_password, CString());
    QVERIFY(read.dependants() == written.dependants());
    QCOMPARE(DependantRecord::nameText(read.dependants().record(2).firstName), QString("Anaïs"));
    bool isSpouse = false;
    int kind = 0;
    int id = 0;
    read.personalSettings().getLastView(isSpouse, kind, id);
    QVERIFY(isSpouse);
    QCOMPARE(kind, 1);
    QCOMPARE(id, 104);
    read.personalSettings().getPersonView(false, kind, id);
    QCOMPARE(kind, 0);
    QCOMPARE(id, 101);
    QCOMPARE(saveToBytes(read), first);
}

void TestReturnFile::settingsBlockBytes()
{
    FamilyTaxData family(0);
    family.personalSettings().setPersonView(false, 3, 7);
    family.personalSettings().setPersonView(true, 1, 104);
    const QByteArray bytes = saveToBytes(family);
    QCOMPARE(bytes.right(32), int32s({1, 0, 1, 1, 3, 1, 7, 104}));
}

void TestReturnFile::recordRules_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("forms");
    QTest::addColumn<QString>("slips");
    QTest::addColumn<int>("notes");
    QTest::addColumn<QString>("password");
    const QString idsForms = "93:101:0 4:102:205 26:103:0";
    const QString counterForms = "93:120:0 4:121:0 26:122:0";
    const QStringList none;

    QTest::newRow("66098") << fileOf(baseRecord(66098)) << none << 0 << none << idsForms
                           << "1:104:300" << 1 << "";
    QTest::newRow("65857: ids and slip links")
        << fileOf(baseRecord(65857)) << none << 0 << none << idsForms << "1:104:300" << 1 << "";
    QTest::newRow("65856: no slip links")
        << fileOf(baseRecord(65856)) << none << 0 << none << idsForms << "1:104:0" << 1 << "";
    QTest::newRow("65855: ids from the counter")
        << fileOf(baseRecord(65855)) << none << 0 << none << counterForms << "1:104:0" << 1 << "";
    QTest::newRow("65777: notes and markers")
        << fileOf(baseRecord(65777)) << none << 0 << none << counterForms << "1:104:0" << 1 << "";
    QTest::newRow("65776: notes, no markers")
        << fileOf(baseRecord(65776)) << none << 0 << none << counterForms << "1:104:0" << 1 << "";
    QTest::newRow("65715: neither")
        << fileOf(baseRecord(65715)) << none << 0 << none << counterForms << "1:104:0" << 0 << "";

    Record protectedOld = baseRecord(66033);
    protectedOld.password = "Secret";
    QTest::newRow("66033 ignores the password")
        << fileOf(protectedOld) << none << 0 << none << idsForms << "1:104:300" << 1 << "";
    Record protectedNew = baseRecord(66034);
    protectedNew.password = "Secret";
    QTest::newRow("66034, other letter case")
        << fileOf(protectedNew) << QStringList{"sECRET"} << 0 << QStringList{kPrompt} << idsForms
        << "1:104:300" << 1 << "Secret";
    QTest::newRow("66034, one letter short")
        << fileOf(protectedNew) << QStringList{"SECRE"} << 112 << QStringList{kPrompt} << ""
        << "" << 0 << "";
    QTest::newRow("66034, cancelled")
        << fileOf(protectedNew) << none << 112 << QStringList{kPrompt} << ""
        << "" << 0 << "";

    QTest::newRow("65535") << fileOf(baseRecord(65535)) << none << -1
                           << QStringList{kDamaged, kDamaged} << ""
                           << "" << 0 << "";
    QTest::newRow("131072") << fileOf(baseRecord(131072)) << none << -1
                            << QStringList{kDamaged, kDamaged} << ""
                            << "" << 0 << "";
    QTest::newRow("66099") << fileOf(baseRecord(66099)) << none << -1
                           << QStringList{kLater, kDamaged} << ""
                           << "" << 0 << "";
    Record province0 = baseRecord(66098);
    province0.province = 0;
    QTest::newRow("province 0") << fileOf(province0) << none << -1 << QStringList{kDamaged} << ""
                                << "" << 0 << "";
    Record province14 = baseRecord(66098);
    province14.province = 14;
    QTest::newRow("province 14") << fileOf(province14) << none << 119 << none << ""
                                 << "" << 0 << "";

    Record obsolete = baseRecord(66098);
    obsolete.forms.insert(1, {2, 110, 0, {}, false});
    QTest::newRow("obsolete forms dropped")
        << fileOf(obsolete) << none << 0 << none << idsForms << "1:104:300" << 1 << "";
    Record unmade = baseRecord(66098);
    // Codes long out of use: no class makes them, their blocks still read past.
    auto oldValues = std::make_shared<TaxData_T1KSNew>(93);
    oldValues->taxYear = "2004";
    for (int type : {19, 22, 33, 100, 114, 115, 120, 134, 141})
        unmade.forms.insert(1, {type, 200 + type, 0, oldValues, false});
    QTest::newRow("obsolete codes without a class dropped")
        << fileOf(unmade) << none << 0 << none << idsForms << "1:104:300" << 1 << "";
    Record federalOnly = baseRecord(66098);
    federalOnly.province = 0;
    federalOnly.forms.removeLast(); // Ontario's form 26
    QTest::newRow("province 0 with federal forms")
        << fileOf(federalOnly, federalOnly) << none << 0 << none << "93:101:0 4:102:205"
        << "1:104:300" << 1 << "";
    Record foreign = baseRecord(66098);
    foreign.forms.append(
        {43, 112, 0, {}, false}); // British Columbia's, no Ontario plug-in makes it
    QTest::newRow("form of another province")
        << fileOf(foreign) << none << -1 << QStringList{kDamaged} << ""
        << "" << 0 << "";
    Record unknownSlip = baseRecord(66098);
    unknownSlip.slips.append({99, 113, 0, {}, false});
    QTest::newRow("unknown slip") << fileOf(unknownSlip) << none << -1 << QStringList{kDamaged}
                                  << ""
                                  << "" << 0 << "";
    for (const char *which : {"form", "slip", "note"}) {
        Record damaged = baseRecord(66098);
        QList<Entry> &list = QByteArray(which) == "form"   ? damaged.forms
                             : QByteArray(which) == "slip" ? damaged.slips
                                                           : damaged.notes;
        list.first().damaged = true;
        QTest::newRow(qPrintable(QString("damaged %1 block").arg(which)))
            << fileOf(damaged) << none << -1 << QStringList{kDamaged} << ""
            << "" << 0 << "";
    }
    Record oldArchive = baseRecord(66000);
    oldArchive.archive = int32s({4}) + "ABCD" + int32s({1}) + QByteArray(40, 'x');
    QTest::newRow("older archive skipped to its end marker")
        << fileOf(oldArchive) << none << 0 << none << idsForms << "1:104:300" << 1 << "";
    Record countedArchive = baseRecord(66098);
    countedArchive.archive = int32s({4}) + "ABCD" + int32s({2, 3}) + "bbb" + int32s({0});
    QTest::newRow("archive skipped by its lengths")
        << fileOf(countedArchive) << none << 0 << none << idsForms << "1:104:300" << 1 << "";

    Record spouseOld = emptySpouse();
    spouseOld.version = 65535;
    QTest::newRow("spouse record damaged") << fileOf(baseRecord(66098), spouseOld) << none << -1
                                           << QStringList{kDamaged, kDamaged} << ""
                                           << "" << 0 << "";
    Record spouseSlip = emptySpouse();
    spouseSlip.slips = {{99, 100, 0, {}, false}};
    QTest::newRow("spouse slip not made")
        << fileOf(baseRecord(66098), spouseSlip) << none << -1 << QStringList{kDamaged} << ""
        << "" << 0 << "";
    Record spouseProvince14 = emptySpouse();
    spouseProvince14.province = 14;
    QTest::newRow("spouse province 14")
        << fileOf(baseRecord(66098), spouseProvince14) << none << 119 << none << ""
        << "" << 0 << "";

    File badDependants;
    badDependants.taxpayer = baseRecord(66098);
    badDependants.spouse = emptySpouse();
    badDependants.dependants = int32s({5000});
    QTest::newRow("damaged dependants")
        << writeFile(badDependants) << none << -1 << QStringList{kDamaged} << ""
        << "" << 0 << "";
    File noSettings = badDependants;
    noSettings.dependants.clear();
    noSettings.withSettings = false;
    QTest::newRow("settings missing")
        << writeFile(noSettings) << none << -1 << QStringList{kDamaged} << ""
        << "" << 0 << "";
}

void TestReturnFile::recordRules()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, typed);
    QFETCH(int, result);
    QFETCH(QStringList, messages);
    QFETCH(QString, forms);
    QFETCH(QString, slips);
    QFETCH(int, notes);
    QFETCH(QString, password);
    if (result == 119)
        QTest::ignoreMessage(QtInfoMsg, "data file not for this version");
    for (const QString &text : typed)
        m_presenter->queueText(text);
    FamilyTaxData family(0);
    QCOMPARE(loadFromBytes(family, file), result);
    QCOMPARE(m_presenter->shownTexts(), messages);
    if (result != 0)
        return;
    IndividualTaxData &taxpayer = *family.taxpayer();
    QCOMPARE(describe(taxpayer.m_formList), forms);
    QCOMPARE(describe(taxpayer.m_slipList), slips);
    QCOMPARE(taxpayer.m_noteList.size(), notes);
    QCOMPARE(QString(taxpayer.m_password), password);
    QCOMPARE(family.dependants().count(), 12);
    bool isSpouse = false;
    int kind = 0;
    int id = 0;
    family.personalSettings().getLastView(isSpouse, kind, id);
    QCOMPARE(id, 204);
    // What was read saves again, whole.
    QVERIFY(!saveToBytes(family).isEmpty());
}

void TestReturnFile::messageTitles()
{
    Record protectedNew = baseRecord(66099);
    FamilyTaxData family(0);
    QCOMPARE(loadFromBytes(family, fileOf(protectedNew)), -1);
    QCOMPARE(m_presenter->shown().size(), 2);
    QCOMPARE(m_presenter->shown()[0].title, QString("Quorvandelle 2025"));
    QCOMPARE(m_presenter->shown()[1].title, QString("Quorvandelle 2025"));
    m_presenter->clear();
    Record password = baseRecord(66098);
    password.password = "x";
    FamilyTaxData asked(0);
    QCOMPARE(loadFromBytes(asked, fileOf(password)), 112);
    QCOMPARE(m_presenter->shown().size(), 1);
    QCOMPARE(m_presenter->shown()[0].kind, QString("input"));
    QCOMPARE(m_presenter->shown()[0].title, QString("Enter password to open file"));
}

void TestReturnFile::summaryKeptOnceAndSingleFormReadTwice()
{
    Record r = baseRecord(66098);
    auto first = std::make_shared<TaxData_T1KSNew>(93);
    first->taxYear = "2025";
    auto second = std::make_shared<TaxData_T1KSNew>(93);
    second->taxYear = "1999";
    auto schedule3a = std::make_shared<CTaxData_Form>(4);
    schedule3a->setFlags(1);
    auto schedule3b = std::make_shared<CTaxData_Form>(4);
    schedule3b->setFlags(0);
    auto t1m = std::make_shared<TaxData_T1MNew>();
    t1m->amount1 = 900;
    t1m->amount2 = 150;
    r.forms = {{93, 101, 0, first, false},
               {4, 102, 0, schedule3a, false},
               {93, 103, 0, second, false},
               {4, 104, 7, schedule3b, false},
               {102, 105, 0, t1m, false}};
    FamilyTaxData family(0);
    QCOMPARE(loadFromBytes(family, fileOf(r)), 0);
    IndividualTaxData &person = *family.taxpayer();
    QCOMPARE(describe(person.m_formList), QString("93:101:0 4:102:0 102:105:0"));
    QCOMPARE(QString(static_cast<TaxData_T1KSNew *>(person.m_formList[0]->data)->taxYear.value()),
             QString("2025"));
    // The second Schedule 3 block went into the first object.
    QCOMPARE(person.m_formList[1]->data->getFlags(), 0);
    QCOMPARE(person.m_t1mCarryAmount, 750.0);
}

void TestReturnFile::recordReplacesWhatThePersonHeld()
{
    QByteArray bytes;
    {
        MyDataStream out(&bytes, QIODevice::WriteOnly);
        writeRecord(out, baseRecord(66098));
    }
    DependantInfoStruct dependants;
    IndividualTaxData person(0, &dependants);
    person.m_provsTaxMgr.getProvinceManager(kProvince, true);
    QVERIFY(person.addForm(1, 0, true, 0, false) && person.addForm(26, 0, true, 0, false));
    QVERIFY(person.addSlip(8, 0, 0) && person.addNote(3) && person.addWizardData(2));
    MyDataStream in(bytes);
    QCOMPARE(person.Serialize(kEdition, in), 66098);
    QCOMPARE(describe(person.m_formList), QString("93:101:0 4:102:205 26:103:0"));
    QCOMPARE(describe(person.m_slipList), QString("1:104:300"));
    QCOMPARE(person.m_noteList.size(), 1);
    QCOMPARE(person.m_noteList.first()->key, 5);
    QVERIFY(person.m_wizardList.isEmpty());
}

void TestReturnFile::missingPluginRefusesRecordWithForms()
{
    // Nova Scotia (6) has no plug-in in this test's folder.
    Record withForms = baseRecord(66098);
    withForms.province = 6;
    FamilyTaxData family(0);
    QCOMPARE(loadFromBytes(family, fileOf(withForms)), 120);
    QCOMPARE(m_presenter->shown().size(), 2);
    QCOMPARE(m_presenter->shown()[0].title, QString("file path"));
    QCOMPARE(
        m_presenter->shown()[1].text,
        QString("This return file cannot be opened: the provincial tax module for Nova Scotia "
                "could not be loaded. Please reinstall Quorvandelle and open the file again."));
    QCOMPARE(m_presenter->shown()[1].title, QString("Quorvandelle 2025"));

    // Only slips and notes: nothing to lose, the file opens.
    m_presenter->clear();
    Record slipsOnly = withForms;
    slipsOnly.forms.clear();
    FamilyTaxData opened(0);
    QCOMPARE(loadFromBytes(opened, fileOf(slipsOnly)), 0);
    QCOMPARE(opened.taxpayer()->m_slipList.size(), 1);
    QCOMPARE(opened.taxpayer()->m_noteList.size(), 1);

    // The same for the spouse's record.
    m_presenter->clear();
    Record spouse = baseRecord(66098);
    spouse.province = 6;
    FamilyTaxData coupled(0);
    QCOMPARE(loadFromBytes(coupled, fileOf(baseRecord(66098), spouse)), 120);
    QVERIFY(m_presenter->shownTexts().last().contains("Nova Scotia"));
}

void TestReturnFile::exceptionWhileReadingFails()
{
    TestPluginRecorder recorder;
    recorder.scripts[2].throwOnCreateForm = true;
    QVERIFY(m_plugins->linkTestPlugin(2, &recorder));
    Record r = baseRecord(66098);
    r.province = 2;
    r.forms = {{93, 101, 0, {}, false}, {43, 102, 0, {}, false}};
    QTest::ignoreMessage(QtInfoMsg, "serize exception happens");
    FamilyTaxData family(0);
    QCOMPARE(loadFromBytes(family, fileOf(r)), -1);
    QCOMPARE(m_presenter->shownTexts(), QStringList{kDamaged});
}

void TestReturnFile::fewerThanTwelveDependantsKept()
{
    DependantInfoStruct two;
    two.AllocData(2);
    DependantRecord::setName(two.record(1).firstName, "Noé");
    QByteArray block;
    MyDataStream ar(&block, QIODevice::WriteOnly);
    two.serilize(66098, ar);
    File f;
    f.taxpayer = baseRecord(66098);
    f.spouse = emptySpouse();
    f.dependants = block;
    FamilyTaxData family(0);
    QCOMPARE(loadFromBytes(family, writeFile(f)), 0);
    QCOMPARE(family.dependants().count(), 12);
    QCOMPARE(DependantRecord::nameText(family.dependants().record(1).firstName), QString("Noé"));
}

void TestReturnFile::mandatoryForms_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QList<int>>("forms");
    QTest::newRow("NETFILE") << 2 << "" << QList<int>{1, 93};
    QTest::newRow("EFILE adds the T183") << 1 << "" << QList<int>{1, 93, 96};
    QTest::newRow("re-filing keeps a summary copy") << 2 << "refile" << QList<int>{1, 93, 159};
    QTest::newRow("EI slip: T2204") << 2 << "t4" << QList<int>{1, 23, 93};
    QTest::newRow("OAS amount: worksheet") << 2 << "oas" << QList<int>{1, 93, 210};
    QTest::newRow("EI benefits: worksheet") << 2 << "ei" << QList<int>{1, 93, 210};
    QTest::newRow("two T1s: only the summary") << 2 << "twoT1" << QList<int>{1, 1, 93};
}

void TestReturnFile::mandatoryForms()
{
    QFETCH(int, edition);
    QFETCH(QString, setup);
    QFETCH(QList<int>, forms);
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    auto *t1 = static_cast<TaxData_T1New *>(person.getForm(1, 0, true));
    if (setup == "twoT1")
        person.addForm(1, 0, true, 0, false);
    if (setup == "refile")
        t1->reFileFlag = 1;
    if (setup == "oas")
        t1->f11300 = 0.01;
    if (setup == "ei")
        t1->f11900 = -0.01;
    if (setup == "t4")
        static_cast<TaxData_Slip_T4 *>(person.addSlip(1, 0, 0)->data)->box18 = 10;
    auto *summary = static_cast<TaxData_T1KSNew *>(person.getForm(93, 0, true));
    summary->averageRate = 0.2;
    person.addMandatoryForms(edition, 0);
    QList<int> types;
    for (const TaxDataEntryStru *e : person.m_formList)
        types.append(e->type);
    std::sort(types.begin(), types.end());
    QCOMPARE(types, forms);
    if (setup == "refile") {
        auto *copy = static_cast<TaxData_T1KSNew *>(person.getForm(159, 0, false));
        QCOMPARE(copy->averageRate.value(), 0.2);
        QVERIFY(person.isFormNeeded(159));
    }
}

void TestReturnFile::formNeeded_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("withT1");
    QTest::addColumn<bool>("needed");
    QTest::newRow("summary") << 93 << false << true;
    QTest::newRow("T1") << 1 << false << true;
    QTest::newRow("T183 is not mandatory for NETFILE") << 96 << true << false;
    QTest::newRow("re-file copy without the flag") << 159 << true << false;
    QTest::newRow("worksheet without amounts") << 210 << true << false;
    QTest::newRow("worksheet without a T1") << 210 << false << false;
    QTest::newRow("Schedule 3") << 4 << true << false;
}

void TestReturnFile::formNeeded()
{
    QFETCH(int, type);
    QFETCH(bool, withT1);
    QFETCH(bool, needed);
    FamilyTaxData family(0);
    if (withT1)
        family.taxpayer()->getForm(1, 0, true);
    QCOMPARE(family.taxpayer()->isFormNeeded(type), needed);
}

void TestReturnFile::barcodeArchive()
{
    FamilyTaxData family(0);
    fillSingleReturn(family);
    bringToLoadedState(family);
    const QByteArray notEligible = saveToBytes(family);
    QVERIFY(notEligible.contains(QByteArray("bbbbbbbb") + QByteArray(4, '\0') + "bbbbbbbb"));

    setBarcodeArchiveSource(eligibleSource);
    const QByteArray eligible = saveToBytes(family);
    const QByteArray archive =
        int32s({8}) + "T1-BLOCK" + int32s({2, 7}) + "SFD-ONE" + int32s({5}) + "SFD-2";
    QVERIFY(eligible.contains(QByteArray("bbbbbbbb") + archive + "bbbbbbbb"));
    FamilyTaxData read(0);
    QCOMPARE(loadFromBytes(read, eligible), 0);
    QVERIFY(read.taxpayer()->isEqual(*family.taxpayer()));
}

void TestReturnFile::skipArchive_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("position"); // where the stream stands afterwards
    const QByteArray head = int32s({4}) + "ABCD" + int32s({1});
    const QByteArray marker(8, 'b');
    QTest::newRow("no archive") << 66098 << int32s({0}) + marker << 4;
    QTest::newRow("T1 block, no SFD blocks")
        << 66098 << int32s({4}) + "ABCD" + int32s({0}) + marker << 12;
    QTest::newRow("counted blocks")
        << 66064 << int32s({4}) + "ABCD" + int32s({2, 3}) + "bbb" + int32s({0}) + marker << 23;
    QTest::newRow("older: end marker next") << 66063 << head + marker << 12;
    QTest::newRow("older: end marker after the blocks")
        << 66063 << head + QByteArray(40, 'x') + marker << 52;
    QTest::newRow("older: last marker in reach")
        << 66063 << head + QByteArray(3092, 'x') + marker << 3104;
    QTest::newRow("older: marker out of reach")
        << 66063 << head + QByteArray(3093, 'x') + marker << 12;
    QTest::newRow("older: first of a longer run") << 66063 << head + "xbbbbbbbbbb" << 13;
}

void TestReturnFile::skipArchive()
{
    QFETCH(int, version);
    QFETCH(QByteArray, bytes);
    QFETCH(int, position);
    DependantInfoStruct dependants;
    IndividualTaxData person(0, &dependants);
    person.m_dataVersion = version;
    MyDataStream in(bytes);
    person.skipBarcodeArchive(in);
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(int(in.device()->pos()), position);
}

void TestReturnFile::writeErrorAtEveryOffset()
{
    FamilyTaxData family(0);
    fillSingleReturn(family);
    bringToLoadedState(family);
    const QByteArray whole = saveToBytes(family);
    for (int capacity = 0; capacity < whole.size(); ++capacity) {
        FailDevice device(capacity);
        MyDataStream out(&device);
        QVERIFY(out.IsStoring());
        const int result = family.Serialize(kEdition, out);
        if (result != 121)
            QFAIL(qPrintable(QString("a write failing after %1 of %2 bytes gave %3")
                                 .arg(capacity)
                                 .arg(whole.size())
                                 .arg(result)));
    }
    FailDevice roomy(whole.size());
    MyDataStream out(&roomy);
    QCOMPARE(family.Serialize(kEdition, out), 0);
    QCOMPARE(roomy.written(), whole);
    QCOMPARE(roomy.refusedWrites(), 0);
}

void TestReturnFile::bufferedStreamBytes_data()
{
    QTest::addColumn<int>("bufferBytes");
    QTest::newRow("1 byte") << 1;
    QTest::newRow("16 bytes") << 16;
    QTest::newRow("100 bytes") << 100;
    QTest::newRow("64 KiB") << 64 * 1024;
}

void TestReturnFile::bufferedStreamBytes()
{
    QFETCH(int, bufferBytes);
    // Every kind of write the stream has, some longer than the smallest buffers, some through
    // the base's operators: the same bytes as the base writes into an array (which gives no
    // room in place, so the caller writes through writeRawData, as the contract says).
    const auto writeAll = [](MyDataStream &out) {
        out << qint32(-7) << quint8(200) << qint64(1) << 12.5;
        out.writeText(QString(300, QChar('x')));
        out.writeText(QStringLiteral("Qu\u00e9bec"));
        out << QStringLiteral("through the base");
        out << qint32(42);
        out.writeRawData(QByteArray(500, 'r').constData(), 500);
        if (char *room = out.appendRaw(3))
            std::memcpy(room, "abc", 3);
        else
            out.writeRawData("abc", 3);
        out.writeDouble(-0.25);
        out.writeRawData("tail", 4);
        static_cast<QDataStream &>(out) << QByteArray("base bytes");
    };
    QByteArray expected;
    {
        MyDataStream out(&expected, QIODevice::WriteOnly);
        writeAll(out);
        QCOMPARE(out.status(), QDataStream::Ok);
    }
    FailDevice device(1 << 20);
    MyDataStream out(&device, bufferBytes);
    QVERIFY(out.IsStoring());
    writeAll(out);
    QVERIFY(out.finish());
    QCOMPARE(device.written(), expected);
    QCOMPARE(device.refusedWrites(), 0);
}

void TestReturnFile::bufferedWriteErrorAtEveryOffset_data()
{
    QTest::addColumn<int>("bufferBytes");
    QTest::newRow("1 byte") << 1;
    QTest::newRow("100 bytes") << 100;
    QTest::newRow("larger than the file") << 64 * 1024;
}

void TestReturnFile::bufferedWriteErrorAtEveryOffset()
{
    QFETCH(int, bufferBytes);
    FamilyTaxData family(0);
    fillSingleReturn(family);
    bringToLoadedState(family);
    const QByteArray whole = saveToBytes(family);
    QVERIFY(whole.size() < 64 * 1024);
    for (int capacity = 0; capacity < whole.size(); ++capacity) {
        FailDevice device(capacity);
        MyDataStream out(&device, bufferBytes);
        // A failure is the serialisation's result, or found when the last buffer goes out.
        const int result = family.Serialize(kEdition, out);
        const bool finished = out.finish();
        if (finished || (result != 0 && result != 121))
            QFAIL(qPrintable(QString("a write failing after %1 of %2 bytes gave %3, %4")
                                 .arg(capacity)
                                 .arg(whole.size())
                                 .arg(result)
                                 .arg(finished ? "finished" : "not finished")));
        QVERIFY(whole.startsWith(device.written()));
    }
    FailDevice roomy(whole.size());
    MyDataStream out(&roomy, bufferBytes);
    QCOMPARE(family.Serialize(kEdition, out), 0);
    QVERIFY(out.finish());
    QCOMPARE(roomy.written(), whole);
    QCOMPARE(roomy.refusedWrites(), 0);
}

void TestReturnFile::saveUnderSizeLimit_data()
{
    // The file-size limit is share * the new file's size - less bytes, for a return of so many
    // slips a spouse.
    QTest::addColumn<double>("share");
    QTest::addColumn<int>("less");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("slips");
    QTest::newRow("no byte") << 0.0 << 0 << 121 << 30;
    QTest::newRow("half") << 0.5 << 0 << 121 << 30;
    QTest::newRow("where the last 16 KB begin") << 1.0 << 16 * 1024 << 121 << 30;
    QTest::newRow("inside the last 16 KB") << 1.0 << 5000 << 121 << 30;
    QTest::newRow("one byte short") << 1.0 << 1 << 121 << 30;
    QTest::newRow("the full size") << 1.0 << 0 << 0 << 30;
    // Large enough that the limit is met while the return is still being serialised.
    QTest::newRow("large: a tenth") << 0.1 << 0 << 121 << 400;
    QTest::newRow("large: half") << 0.5 << 0 << 121 << 400;
    QTest::newRow("large: one byte short") << 1.0 << 1 << 121 << 400;
    QTest::newRow("large: the full size") << 1.0 << 0 << 0 << 400;
}

void TestReturnFile::saveUnderSizeLimit()
{
    QFETCH(double, share);
    QFETCH(int, less);
    QFETCH(int, expected);
    QFETCH(int, slips);
    QTemporaryDir dir;
    const QString path = dir.filePath("couple.r25");
    FamilyTaxData old(0);
    fillSingleReturn(old);
    bringToLoadedState(old);
    QCOMPARE(saveReturnFile(old, path, kEdition), 0);
    const QByteArray oldBytes = saveToBytes(old);

    FamilyTaxData family(0);
    fillCoupledReturn(family, slips);
    bringToLoadedState(family);
    const QByteArray newBytes = saveToBytes(family);
    QVERIFY(newBytes.size() > (slips > 30 ? 8 * 64 * 1024 : 3 * 16 * 1024));
    const qint64 limit = qint64(share * newBytes.size()) - less;

    // The limit holds in a child only: the test process keeps writing freely.
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        alarm(30); // never outlive a broken save
        signal(SIGXFSZ, SIG_IGN);
        rlimit cap{rlim_t(limit), rlim_t(limit)};
        setrlimit(RLIMIT_FSIZE, &cap);
        _exit(saveReturnFile(family, path, kEdition));
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), expected);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected == 0 ? newBytes : oldBytes);
    // Nothing of the failed attempt is left beside the file.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"couple.r25"});
}

void TestReturnFile::loadRefusesWhatIsNoFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("missing") << "missing" << 107 << QStringList();
    QTest::newRow("folder") << "folder" << 107 << QStringList();
    QTest::newRow("fifo") << "fifo" << -1 << QStringList{kDamaged};
    QTest::newRow("device") << "device" << -1 << QStringList{kDamaged};
}

void TestReturnFile::loadRefusesWhatIsNoFile()
{
    QFETCH(QString, kind);
    QFETCH(int, expected);
    QFETCH(QStringList, shown);
    QTemporaryDir dir;
    QString path = dir.filePath("return.r25");
    std::unique_ptr<FifoWatchdog> fifo;
    if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("return.r25"));
    if (kind == "fifo") {
        fifo = std::make_unique<FifoWatchdog>(path);
        QVERIFY(fifo->isValid());
    }
    if (kind == "device")
        path = "/dev/zero";
    int result = -99;
    std::unique_ptr<FamilyTaxData> family;
    const auto load = [&] { family = loadReturnFile(path, &result, kEdition); };
    if (fifo)
        QVERIFY2(fifo->runUnblocked(load), "the load blocked on the FIFO");
    else
        load();
    QCOMPARE(result, expected);
    QCOMPARE(bool(family), expected != 107);
    QCOMPARE(m_presenter->shownTexts(), shown);
    if (!shown.isEmpty())
        QCOMPARE(m_presenter->shown().first().title, QString("Quorvandelle 2025"));
}

void TestReturnFile::saveAndLoadFiles()
{
    QTemporaryDir dir;
    FamilyTaxData family(0);
    fillCoupledReturn(family);
    bringToLoadedState(family);
    const QString path = dir.filePath("couple.r25");
    QCOMPARE(saveReturnFile(family, path, kEdition), 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saveToBytes(family));
    file.close();

    int result = 0;
    m_presenter->queueText(kPassword);
    std::unique_ptr<FamilyTaxData> loaded(loadReturnFile(path, &result, kEdition));
    QCOMPARE(result, 0);
    QVERIFY(loaded && loaded->isEqual(family));

    std::unique_ptr<FamilyTaxData> missing(
        loadReturnFile(dir.filePath("none.r25"), &result, kEdition));
    QCOMPARE(result, 107);
    QVERIFY(!missing);

    // A folder where the file should be, and a file where its folder should be.
    QVERIFY(QDir(dir.path()).mkdir("folder.r25"));
    QCOMPARE(saveReturnFile(family, dir.filePath("folder.r25"), kEdition), 121);
    QVERIFY(QFileInfo(dir.filePath("folder.r25")).isDir());
    QCOMPARE(saveReturnFile(family, path + "/inside.r25", kEdition), 121);
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(QFileInfo(path).size(), saveToBytes(family).size());
}

void TestReturnFile::everyPrefixFails()
{
    FamilyTaxData family(0);
    fillSingleReturn(family);
    bringToLoadedState(family);
    const QByteArray whole = saveToBytes(family);
    QVERIFY(whole.size() < 16 * 1024);
    for (int length = 0; length < whole.size(); ++length) {
        FamilyTaxData read(0);
        const int result = loadFromBytes(read, whole.left(length));
        if (result == 0)
            QFAIL(qPrintable(
                QString("a prefix of %1 of %2 bytes loaded").arg(length).arg(whole.size())));
        m_presenter->clear();
    }
    FamilyTaxData read(0);
    QCOMPARE(loadFromBytes(read, whole), 0);
}

void TestReturnFile::changedBytesNeverCrash()
{
    FamilyTaxData family(0);
    fillSingleReturn(family);
    bringToLoadedState(family);
    const QByteArray whole = saveToBytes(family);
    // The record header, the summary form and the start of the T1; both flips in the header.
    const int span = qMin(whole.size(), 2500);
    const int header = 200;
#ifndef QV_SANITIZE
    // A damaged count or length must never turn into a large allocation: cap the address space.
    rlimit before{};
    getrlimit(RLIMIT_AS, &before);
    QFile status("/proc/self/statm");
    QVERIFY(status.open(QIODevice::ReadOnly));
    const qint64 pages = status.readAll().split(' ').first().toLongLong();
    rlimit capped = before;
    capped.rlim_cur = rlim_t(pages * 4096 + qint64{256} * 1024 * 1024);
    setrlimit(RLIMIT_AS, &capped);
#endif
    int loaded = 0;
    int exceptions = 0;
    QtMessageHandler previous = qInstallMessageHandler(nullptr);
    static int *s_exceptions = nullptr;
    s_exceptions = &exceptions;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
        if (text == "serize exception happens")
            ++*s_exceptions;
    });
    for (int at = 0; at < span; ++at) {
        for (char flip : {char(0xFF), char(0x01)}) {
            if (flip == char(0x01) && at >= header)
                break;
            QByteArray changed = whole;
            changed[at] = char(changed[at] ^ flip);
            FamilyTaxData read(0);
            if (loadFromBytes(read, changed) == 0) {
                ++loaded;
                QByteArray again;
                MyDataStream out(&again, QIODevice::WriteOnly);
                QCOMPARE(read.Serialize(kEdition, out), 0);
            }
            m_presenter->clear();
        }
    }
    qInstallMessageHandler(previous);
#ifndef QV_SANITIZE
    setrlimit(RLIMIT_AS, &before);
#endif
    QCOMPARE(exceptions, 0);
    QVERIFY(loaded > 0); // values changed inside blocks still load
}

void TestReturnFile::everySavedReturnOpens_data()
{
    QTest::addColumn<int>("taxpayerProvince");
    QTest::addColumn<int>("spouseProvince");
    for (int province = 0; province <= 13; ++province)
        QTest::addRow("taxpayer %d, spouse %d", province, 13 - province)
            << province << 13 - province;
}

void TestReturnFile::everySavedReturnOpens()
{
    QFETCH(int, taxpayerProvince);
    QFETCH(int, spouseProvince);
    linkEveryRealPlugin();
    FamilyTaxData written(0);
    int value = 0;
    fillEveryClass(*written.taxpayer(), taxpayerProvince, value);
    fillEveryClass(*written.spouse(), spouseProvince, value);
    written.dependants().AllocData(DependantInfoStruct::kDefaultRecords);
    bringToLoadedState(written);
    QVERIFY(written.taxpayer()->m_formList.size() > 80);
    QCOMPARE(written.spouse()->m_slipList.size(), 23);
    const QByteArray bytes = saveToBytes(written);
    QVERIFY(!bytes.isEmpty());

    FamilyTaxData read(0);
    QCOMPARE(loadFromBytes(read, bytes), 0);
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    QVERIFY(read.isEqual(written));
    for (auto pair : {std::make_pair(written.taxpayer(), read.taxpayer()),
                      std::make_pair(written.spouse(), read.spouse())}) {
        QCOMPARE(describe(pair.second->m_formList), describe(pair.first->m_formList));
        QCOMPARE(describe(pair.second->m_slipList), describe(pair.first->m_slipList));
        QCOMPARE(pair.second->m_province, pair.first->m_province);
        QCOMPARE(pair.second->m_nextId, pair.first->m_nextId);
        QCOMPARE(pair.second->m_allFormsFlag, 1);
    }
    QCOMPARE(saveToBytes(read), bytes);
}

void TestReturnFile::versionThresholds_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("allFormsFlag");
    // The record's flag is 1 wherever it is written.
    QTest::newRow("65865: no all-forms flag") << 65865 << -100;
    QTest::newRow("65866: all-forms flag") << 65866 << 1;
    QTest::newRow("65988: no reserved int") << 65988 << 1;
    QTest::newRow("65989: reserved int") << 65989 << 1;
}

void TestReturnFile::versionThresholds()
{
    QFETCH(int, version);
    QFETCH(int, allFormsFlag);
    FamilyTaxData family(0);
    QCOMPARE(loadFromBytes(family, fileOf(baseRecord(version))), 0);
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    QCOMPARE(family.taxpayer()->m_allFormsFlag, allFormsFlag);
    QCOMPARE(family.taxpayer()->m_nextId, 120);
    QCOMPARE(describe(family.taxpayer()->m_formList), QString("93:101:0 4:102:205 26:103:0"));
    QCOMPARE(describe(family.taxpayer()->m_slipList), QString("1:104:300"));
}

void TestReturnFile::personRecordLayout()
{
    FamilyTaxData family(0);
    fillSingleReturn(family);
    IndividualTaxData &taxpayer = *family.taxpayer();
    taxpayer.m_password = "Pw-7";
    taxpayer.m_allFormsFlag = 1;
    bringToLoadedState(family);
    taxpayer.m_slipList.first()->linkedId = 77;
    taxpayer.m_nextId = 345;
    const QByteArray bytes = saveToBytes(family);

    MyDataStream in(bytes);
    auto nextInt = [&in] {
        qint32 v = 0;
        in >> v;
        return int(v);
    };
    auto nextMarker = [&in] {
        QByteArray marker(8, '\0');
        in.readRawData(marker.data(), 8);
        return marker;
    };
    auto skipBlock = [&in](int type) {
        CTaxData_Form block(type);
        CString tag;
        block.Serialize(66098, tag, in);
    };
    for (IndividualTaxData *person : {family.taxpayer(), family.spouse()}) {
        QCOMPARE(nextInt(), 66098);
        QCOMPARE(nextInt(), 2025);
        QCOMPARE(nextInt(), 0);
        QCOMPARE(nextInt(), person->m_allFormsFlag);
        CReservedArea area;
        QVERIFY(area.readFromArchive(in));
        QCOMPARE(QString(area.getString(1)), QString(person->m_password));
        QCOMPARE(QString(area.getString(2)), QString("4093tax81726354"));
        QCOMPARE(nextInt(), person->m_nextId);
        QCOMPARE(nextInt(), person->m_province);
        // Forms and slips: a count, then type, id, linked id and block of each.
        for (const QList<TaxDataEntryStru *> *list : {&person->m_formList, &person->m_slipList}) {
            QCOMPARE(nextInt(), list->size());
            for (const TaxDataEntryStru *e : *list) {
                QCOMPARE(nextInt(), e->type);
                QCOMPARE(nextInt(), e->id);
                QCOMPARE(nextInt(), e->linkedId);
                skipBlock(e->type);
            }
        }
        QCOMPARE(nextInt(), person->m_noteList.size());
        for (const TaxNoteEntryStru *e : person->m_noteList) {
            QCOMPARE(nextInt(), 1);
            QCOMPARE(nextInt(), e->key);
            skipBlock(0);
        }
        QCOMPARE(nextMarker(), QByteArray("bbbbbbbb"));
        QCOMPARE(nextInt(), 0); // not eligible for the barcode
        QCOMPARE(nextMarker(), QByteArray("bbbbbbbb"));
        QCOMPARE(in.status(), QDataStream::Ok);
    }
    QCOMPARE(taxpayer.m_formList.first()->type, 93);
    QCOMPARE(taxpayer.m_slipList.first()->linkedId, 77);
    QCOMPARE(family.spouse()->m_allFormsFlag, -100);
    DependantInfoStruct dependants;
    dependants.serilize(66098, in);
    QVERIFY(dependants == family.dependants());
    for (int value : {1, 0, 1, 0, 0, 0, 0, 0})
        QCOMPARE(nextInt(), value);
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
}

void TestReturnFile::recordTagReachesEveryBlock()
{
    TestPluginRecorder recorder;
    QVERIFY(m_plugins->linkTestPlugin(2, &recorder));
    Record r = baseRecord(66098);
    r.province = 2;
    r.tag = "OTHER-TAG-1";
    r.forms = {{93, 101, 0, {}, false}, {43, 102, 0, {}, false}};
    FamilyTaxData family(0);
    QCOMPARE(loadFromBytes(family, fileOf(r)), 0);
    QCOMPARE(recorder.blocks.filter(" read "), QStringList{"2 read 43 OTHER-TAG-1"});
    recorder.blocks.clear();
    QVERIFY(!saveToBytes(family).isEmpty());
    QCOMPARE(recorder.blocks, QStringList{"2 write 43 4093tax81726354"});
}

void TestReturnFile::nanDependantAmountsReadAsZero()
{
    FamilyTaxData family(0);
    fillSingleReturn(family);
    bringToLoadedState(family);
    family.dependants().AllocData(DependantInfoStruct::kDefaultRecords);
    DependantRecord &r = family.dependants().record(0);
    DependantRecord::setName(r.firstName, "Léa");
    r.netIncome = 4321.5;
    r.otherAmount = 8765.25;
    QByteArray bytes = saveToBytes(family);
    auto doubleBytes = [](double value) {
        QByteArray out;
        MyDataStream ar(&out, QIODevice::WriteOnly);
        ar.setFloatingPointPrecision(QDataStream::DoublePrecision);
        ar << value;
        return out;
    };
    // A file whose block holds what an earlier writer stored: not-a-number amounts.
    for (double amount : {4321.5, 8765.25}) {
        const int at = bytes.indexOf(doubleBytes(amount));
        QVERIFY(at > 0);
        bytes.replace(at, 8, doubleBytes(std::numeric_limits<double>::quiet_NaN()));
    }
    FamilyTaxData read(0);
    QCOMPARE(loadFromBytes(read, bytes), 0);
    QCOMPARE(read.dependants().record(0).netIncome, 0.0);
    QCOMPARE(read.dependants().record(0).otherAmount, 0.0);
    QCOMPARE(DependantRecord::nameText(read.dependants().record(0).firstName), QString("Léa"));
    FamilyTaxData snapshot(0);
    snapshot = read;
    QVERIFY(!read.isDifferent(snapshot));

    // Not-a-number and infinite amounts are written as 0.
    r.netIncome = std::numeric_limits<double>::quiet_NaN();
    r.otherAmount = -std::numeric_limits<double>::infinity();
    const QByteArray written = saveToBytes(family);
    QVERIFY(!written.contains(doubleBytes(r.netIncome)));
    FamilyTaxData again(0);
    QCOMPARE(loadFromBytes(again, written), 0);
    QCOMPARE(again.dependants().record(0).netIncome, 0.0);
    QCOMPARE(again.dependants().record(0).otherAmount, 0.0);
}

void TestReturnFile::recordCountsBounded_data()
{
    QTest::addColumn<QByteArray>("file");
    // 24 bytes a record; before the bounds the first took about a gigabyte.
    QTest::newRow("200,000 slips") << manyEmptyRecords(0, 200000, 0);
    QTest::newRow("slips within the count, empty blocks") << manyEmptyRecords(0, 15000, 0);
    QTest::newRow("6,000 forms") << manyEmptyRecords(6000, 0, 0);
    QTest::newRow("forms within the count, empty blocks") << manyEmptyRecords(4000, 0, 0);
    QTest::newRow("6,000 notes") << manyEmptyRecords(0, 0, 6000);
    QByteArray named = manyEmptyRecords(0, 10, 0);
    // The slip count says a million; the file holds ten.
    const QByteArray ten = int32s({1}) + int32s({100000});
    QVERIFY(named.contains(int32s({10}) + ten));
    named.replace(named.indexOf(int32s({10}) + ten), 4, int32s({1000000}));
    QTest::newRow("a million slips named") << named;
}

void TestReturnFile::recordCountsBounded()
{
    QFETCH(QByteArray, file);
    FamilyTaxData family(0);
    QCOMPARE(loadFromBytes(family, file), -1);
    QCOMPARE(m_presenter->shownTexts(), QStringList{kDamaged});
}

void TestReturnFile::loadBuildsBoundedByFileSize()
{
    // A real return far larger than any filed one opens.
    FamilyTaxData large(0);
    fillCoupledReturn(large, 3000, 100);
    large.taxpayer()->m_password.clear();
    bringToLoadedState(large);
    FamilyTaxData read(0);
    QCOMPARE(loadFromBytes(read, saveToBytes(large)), 0);
    QCOMPARE(read.taxpayer()->m_slipList.size(), 3000);

#ifndef QV_SANITIZE
    // Files of 4,000 T4 slips whose blocks hold fewer fields than a T4 has (those of a T4RSP,
    // T4RIF or T4AOAS slip, or none): each one is refused or builds at most about 50 times
    // its size.
    int refused = 0;
    int opened = 0;
    for (int donor : {4, 7, 6, 0}) {
        std::shared_ptr<CTaxData_Form> block(donor ? createSlip(donor) : nullptr);
        const QByteArray file = manyEmptyRecords(0, 4000, 0, block);
        const size_t before = heldBytes();
        auto family = std::make_unique<FamilyTaxData>(0);
        const int result = loadFromBytes(*family, file);
        const size_t held = heldBytes() - before;
        m_presenter->clear();
        if (result != 0) {
            ++refused;
            continue;
        }
        ++opened;
        QCOMPARE(family->taxpayer()->m_slipList.size(), 4000);
        QVERIFY2(held <= 50 * size_t(file.size()) + size_t{512} * 1024,
                 qPrintable(QString("blocks of slip %1: %2 bytes held for a file of %3")
                                .arg(donor)
                                .arg(held)
                                .arg(file.size())));
    }
    QVERIFY(opened > 0);
    QVERIFY(refused > 0);
#endif
}

void TestReturnFile::committedSeedsLoad()
{
    // The seeds are files written by earlier builds: they must keep opening.
    const QString seeds = QStringLiteral(QV_SOURCE_DIR "/fuzz/seeds");
    const QString out = qEnvironmentVariable("QV_WRITE_FUZZ_SEEDS");
    if (!out.isEmpty()) {
        FamilyTaxData single(0);
        fillSingleReturn(single);
        bringToLoadedState(single);
        FamilyTaxData couple(0);
        fillCoupledReturn(couple, 2);
        couple.taxpayer()->m_password.clear();
        bringToLoadedState(couple);
        QCOMPARE(saveReturnFile(single, out + "/single.r25", kEdition), 0);
        QCOMPARE(saveReturnFile(couple, out + "/couple.r25", kEdition), 0);
        // A small file naming many forms, slips and notes of empty blocks: the loader
        // refuses it before it builds much.
        QFile amplifying(out + "/amplifying.r25");
        QVERIFY(amplifying.open(QIODevice::WriteOnly));
        amplifying.write(manyEmptyRecords(300, 2000, 100));
    }
    const QStringList files = QDir(seeds).entryList({"*.r25"}, QDir::Files);
    QVERIFY(files.contains("amplifying.r25"));
    for (const QString &name : files) {
        int result = -99;
        std::unique_ptr<FamilyTaxData> family(
            loadReturnFile(seeds + '/' + name, &result, kEdition));
        if (name.startsWith("amplifying")) {
            QVERIFY2(result == -1, qPrintable(name));
            continue;
        }
        QVERIFY2(result == 0, qPrintable(name));
        QVERIFY(!saveToBytes(*family).isEmpty());
    }
}

void TestReturnFile::committedReturnsSaveUnchanged_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("digest");
    // Returns written by earlier builds (the fixture returns of every province and the seeds
    // the loader is fuzzed from, all but the one it refuses), and the SHA-256 of the file this
    // program writes for each once it has opened it: saving must keep writing those bytes.
    // A field added to a form changes what every file holds, and so these digests; after such a
    // change, check that the writer alone writes the same bytes as before the change (build the
    // earlier writer with the new form) and take the new digests from this test's output.
    const struct
    {
        const char *folder;
        const char *name;
        const char *digest;
    } rows[] = {
        {"tests/fixtures/returns", "ab-dividends.r25",
         "5b43f20b5e158df9aa24a1a976cbfeb0eba6cad92da1e14055b7945b42be80f9"},
        {"tests/fixtures/returns", "bc-25021.r25",
         "e9b59ddd13c833f8ed05f48d5f03fad87452447b13551ae8cfffaa92341c7da1"},
        {"tests/fixtures/returns", "bc-payroll-rrsp.r25",
         "1757b3e22590de68e98f11c65143703ecafb204dd875a46ca9e860d8c1c8d7f2"},
        {"tests/fixtures/returns", "mb-single-parent.r25",
         "22354a6fa2b22f4f7e6b7d1402747ca1de09c811be6f6268c66589a009a5356b"},
        {"tests/fixtures/returns", "nb-70000.r25",
         "8b60962e45009f91255a59d3ce1a021d502695cabbfd2f83be532f03f496de31"},
        {"tests/fixtures/returns", "nb-dividends.r25",
         "c1793bd9738921f490554acefe50c2d8e4b1d3e27e507f069dc1492959023c5e"},
        {"tests/fixtures/returns", "nl-30000.r25",
         "40f5ac9f4e7a70ef7639fa1a7ead6aded950ee4188e8e31f5eb692b5ad733360"},
        {"tests/fixtures/returns", "nl-dividends.r25",
         "c8bd45a6991d33b073571025936f2e2ad87b6cce8b2eb7366fab8cf502f4bdf9"},
        {"tests/fixtures/returns", "ns-20000.r25",
         "89af6c9f9187be50b3ee7526b20e1349cb61cbddd2ab3f5e97eeae810e842bc8"},
        {"tests/fixtures/returns", "ns-50000.r25",
         "e1075005231a9f60defe04846af6292ceeb177e6f0179a0dffcda7c1f30366b3"},
        {"tests/fixtures/returns", "nt-dividends.r25",
         "8e8f8c92b369055e799458c40459ebd3124254a5d5f3cd1f976fd7ab5dc528ab"},
        {"tests/fixtures/returns", "nu-dividends.r25",
         "27e0550e7a03ca90d87bb483333afa566505599499e44855f61ae09f77b42373"},
        {"tests/fixtures/returns", "on-200000.r25",
         "4e75119adec27f17c160fb762634dbe9d5be1a1cf65d3d19922844d662c5cb24"},
        {"tests/fixtures/returns", "on-60000.r25",
         "7df61a0f9482cd9f6c996e7d3dad9f658b92f801623ad358778d46080258f018"},
        {"tests/fixtures/returns", "on-single-parent.r25",
         "2413ef33167b164f0327bfc51ca3f7139465a932a376fe52d2ca505af6f982f5"},
        {"tests/fixtures/returns", "pe-27000.r25",
         "3f0830b782d5dc042dc7cc793d318fafbf0d14a9afbc35e53931a02c65d5d47c"},
        {"tests/fixtures/returns", "qc-50000.r25",
         "e4aae3f92c6832996dada4b1b389271d1af28574e01735b9ad2521e1026273e8"},
        {"tests/fixtures/returns", "sk-single-parent.r25",
         "9db7607850dc59d04dde124c2c923ae49ea8dafd19a417215fbe27561bc0bb2b"},
        {"tests/fixtures/returns", "yt-180000.r25",
         "1b132c2da48c5533646975ee4a107ea83f219b1edf9ed6828a36917f5bdccfc6"},
        {"tests/fixtures/returns", "yt-single-parent.r25",
         "10bef35b11bb954503fdf5071c4f05fde1a498529c1f1a0135430252f00c07f6"},
        {"fuzz/seeds", "archives.r25",
         "d223b09ec54490dfc454d4502481492ba6991a1bfa7b109dd63f13189bf95e99"},
        {"fuzz/seeds", "couple.r25",
         "2987754e9b7e75a624efdb9e193f7b2f4bafd3d0de9b3c0002a32aa69f9cb260"},
        {"fuzz/seeds", "single.r25",
         "b4505cb2592b3869035eacd0ea782a6427b80cf3e886f3156363187c455d9885"},
    };
    for (const auto &row : rows) {
        QTest::newRow(row.name) << QString::fromLatin1(QV_SOURCE_DIR "/%1/%2")
                                       .arg(QLatin1String(row.folder), QLatin1String(row.name))
                                << QByteArray(row.digest);
    }
}

void TestReturnFile::committedReturnsSaveUnchanged()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, digest);
    linkEveryRealPlugin();
    QTemporaryDir dir;
    QString from = path;
    QByteArray first;
    // Opened and saved, then the saved file opened and saved again: the same bytes each time.
    for (const QString &to : {dir.filePath("first.r25"), dir.filePath("second.r25")}) {
        int result = -99;
        std::unique_ptr<FamilyTaxData> family(loadReturnFile(from, &result, kEdition));
        QCOMPARE(result, 0);
        QCOMPARE(saveReturnFile(*family, to, kEdition), 0);
        QFile saved(to);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        if (first.isNull()) {
            first = bytes;
            QCOMPARE(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(), digest);
        } else {
            QVERIFY(bytes == first);
        }
        from = to;
    }
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

QV_TEST_MAIN(TestReturnFile)
#include "tst_ReturnFile.moc"
