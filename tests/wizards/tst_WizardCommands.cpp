// The commands that run the return wizards, through the entries start-up fills: New Return,
// Change Province, Couple Returns, De-couple and Import, each driven on its real pages.
#include "EditorFixture.h"
#include "ModalDriver.h"
#include "PluginFolder.h"
#include "ReturnFixture.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"

#include "app/TabWndApp.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/DataNewReturnBasic.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"
#include "wizards/NewReturnWizard.h"
#include "wizards/WizardServices.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>

namespace {

constexpr int kOntario = ReturnFixture::kProvince;
constexpr int kBritishColumbia = 2;

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

TaxData_T1New *t1Of(IndividualTaxData *person)
{
    return dynamic_cast<TaxData_T1New *>(person->getForm(FormType::T1, 0, false));
}

QStringList selectorTexts(Form_Return *editor)
{
    auto *box = editor->findChild<QComboBox *>("comboBox");
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

// The form types of the new-return wizard's boxes that the person has, in the boxes' order.
QList<int> chosenFormsOf(IndividualTaxData *person)
{
    QList<int> present;
    for (int type : {FormType::SCH3, FormType::WSD1, FormType::SCH6, FormType::SCH7, FormType::SCH9,
                     FormType::SCH11, FormType::SCH15, FormType::T776, FormType::T2125}) {
        if (person->hasForm(type))
            present.append(type);
    }
    return present;
}

ModalAction pressing(const QString &button)
{
    ModalAction action;
    action.button = button;
    return action;
}

} // namespace

class TestWizardCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void newReturnMakesTheReturn_data();
    void newReturnMakesTheReturn();
    void spouseNonResidentNotUsed();

    void changeProvinceWizard_data();
    void changeProvinceWizard();

    void coupleTwoSavedReturns();
    void coupleRefusedPathsStay();

    void deCouple_data();
    void deCouple();
    void deCoupleCancel();

    void importThroughOptions_data();
    void importThroughOptions();

private:
    Form_Return *openEditor(FamilyTaxData *family, const QFileInfo *file = nullptr);
    void runDriven(ModalDriver &driver, const std::function<void()> &command);

    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
};

void TestWizardCommands::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    TabWndApp *app = appInstance();
    app->config.RetPath = m_fixture->dir();
    app->config.SaveBackup = false;
    app->LastOpenPath.clear();
    app->LastImportPath.clear();
    app->runPath = m_fixture->dir();
    app->separator = "/";
    neighbourServices().newReturnWizard = runNewReturnWizard;
    installWizardServices(neighbourServices());
}

void TestWizardCommands::cleanup()
{
    NeighbourServices &services = neighbourServices();
    services.newReturnWizard = nullptr;
    services.coupleReturnsWizard = nullptr;
    services.importPriorYearReturn = nullptr;
    services.changeProvince = nullptr;
    services.decoupleReturn = nullptr;
    m_fixture.reset();
    m_presenter.reset();
}

Form_Return *TestWizardCommands::openEditor(FamilyTaxData *family, const QFileInfo *file)
{
    MainWindow *w = m_fixture->window();
    w->addReturnPage(file, family);
    return w->shownEditor();
}

void TestWizardCommands::runDriven(ModalDriver &driver, const std::function<void()> &command)
{
    command();
    QCOMPARE(driver.pendingActions(), 0);
    for (const ShownMessage &m : driver.seen())
        QVERIFY2(m.kind != "error", qPrintable(m.title + ": " + m.text));
}

// ---- New Return

void TestWizardCommands::newReturnMakesTheReturn_data()
{
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<QList<int>>("spouseForms");
    QTest::addColumn<QStringList>("selector");
    QTest::newRow("married, coupled")
        << true << QList<int>{FormType::SCH6, FormType::SCH7, FormType::SCH11, FormType::T776}
        << QStringList{"Ann Smith", "Bob Smith"};
    QTest::newRow("married, not coupled") << false << QList<int>() << QStringList{"Ann Smith"};
}

void TestWizardCommands::newReturnMakesTheReturn()
{
    QFETCH(bool, coupled);
    QFETCH(QList<int>, spouseForms);
    QFETCH(QStringList, selector);
    PluginFolder plugins;
    QVERIFY(plugins.linkRealPlugin(kOntario));
    QVERIFY(plugins.linkRealPlugin(kBritishColumbia));
    MainWindow *w = m_fixture->window();
    ModalDriver driver;
    ModalAction taxpayer;
    taxpayer.fills = {{"fld_FirstName", "Ann"},
                      {"fld_LastName", "Smith"},
                      {"fld_sin", "046454286"},
                      {"fld_TaxPronv", QString::number(kOntario)}};
    taxpayer.ticks = {{"fld_MaritalStatus_0", true}};
    taxpayer.button = "Next >";
    driver.queue(taxpayer);
    ModalAction spouse;
    spouse.fills = {{"fld_FirstNameSpouse", "Bob"},
                    {"fld_LastNameSpouse", "Smith"},
                    {"fld_sinSpouse", "130692544"},
                    {"fld_TaxPronvSpouse", QString::number(kBritishColumbia)}};
    spouse.ticks = {{"fld_Coupled", coupled}};
    spouse.button = "Next >";
    driver.queue(spouse);
    ModalAction forms;
    for (const char *box : {"fld_bSch3", "fld_bSch4", "fld_bSch6", "fld_bSch7", "fld_bSch9",
                            "fld_bSch11", "fld_bSch15", "fld_bT776", "fld_bT2125"})
        forms.ticks.insert(box, true);
    forms.button = "Finish";
    driver.queue(forms);

    runDriven(driver, [w] { w->actionNewReturn(); });

    QCOMPARE(m_presenter->shownTexts(), QStringList());
    QCOMPARE(w->openReturnCount(), 1);
    Form_Return *editor = w->shownEditor();
    FamilyTaxData *family = editor->family();
    QCOMPARE(family->isCoupled(), coupled);
    QCOMPARE(selectorTexts(editor), selector);
    IndividualTaxData *taxpayerData = family->taxpayer();
    QCOMPARE(taxpayerData->m_province, kOntario);
    QCOMPARE(
        chosenFormsOf(taxpayerData),
        (QList<int>{FormType::SCH3, FormType::WSD1, FormType::SCH6, FormType::SCH7, FormType::SCH9,
                    FormType::SCH11, FormType::SCH15, FormType::T776, FormType::T2125}));
    // The spouse's identification is on the taxpayer's T1 either way.
    TaxData_T1New *t1 = t1Of(taxpayerData);
    QVERIFY(t1);
    QCOMPARE(t1->maritalStatus.value(), 0);
    QCOMPARE(QString(t1->spouseFirstName.value()), QString("Bob"));
    QCOMPARE(QString(t1->spouseLastName.value()), QString("Smith"));
    QCOMPARE(QString(t1->spouseSin.value()), QString("130692544"));
    QCOMPARE(t1->spouseBirthDate.date(), QDate(1980, 1, 1));
    IndividualTaxData *spouseData = family->spouse();
    QCOMPARE(chosenFormsOf(spouseData), spouseForms);
    if (coupled) {
        QCOMPARE(spouseData->m_province, kBritishColumbia);
        QCOMPARE(QString(t1Of(spouseData)->firstName.value()), QString("Bob"));
        QCOMPARE(t1Of(spouseData)->birthDate.date(), QDate(1980, 1, 1));
    } else {
        QVERIFY(spouseData->m_formList.isEmpty());
    }
}

void TestWizardCommands::spouseNonResidentNotUsed()
{
    // Collected by the spouse page, but the new return has no place for it: both answers
    // make the same file.
    QList<QByteArray> files;
    for (bool nonResident : {false, true}) {
        DataNewReturnBasic answers;
        answers.fld_FirstName.setValue("Ann");
        answers.fld_LastName.setValue("Smith");
        answers.fld_TaxPronv.setValue(kOntario);
        answers.fld_MaritalStatus.setValue(1);
        answers.fld_FirstNameSpouse.setValue("Bob");
        answers.fld_LastNameSpouse.setValue("Smith");
        answers.fld_TaxPronvSpouse.setValue(kOntario);
        answers.fld_Coupled.setValue(true);
        answers.fld_SpouseNonResident.setValue(nonResident);
        FamilyTaxData family(0);
        family.createFromNewReturnWizard(answers);
        QVERIFY(family.isCoupled());
        files.append(ReturnFixture::saveToBytes(family));
    }
    QVERIFY(!files.first().isEmpty());
    QCOMPARE(files.last(), files.first());
}

// ---- Change Province

void TestWizardCommands::changeProvinceWizard_data()
{
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<int>("province");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("spouseOnScreen");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("taxpayerProvince");
    QTest::addColumn<int>("spouseProvince");
    const QString changed = "Tax return file is changed to the new province, you need to save "
                            "file the confirm the changes.";
    QTest::newRow("the same province")
        << true << kOntario << "fld_ChgBoth_0" << false
        << QStringList{"Tax return province is not changed!"} << kOntario << kOntario;
    QTest::newRow("both") << true << kBritishColumbia << "fld_ChgBoth_0" << false
                          << QStringList{changed} << kBritishColumbia << kBritishColumbia;
    QTest::newRow("current only, the taxpayer")
        << true << kBritishColumbia << "fld_ChgBoth_1" << false << QStringList{changed}
        << kBritishColumbia << kOntario;
    QTest::newRow("current only, the spouse")
        << true << kBritishColumbia << "fld_ChgBoth_1" << true << QStringList{changed} << kOntario
        << kBritishColumbia;
    // A single return has no spouse to move.
    QTest::newRow("single, both asked") << false << kBritishColumbia << "fld_ChgBoth_0" << false
                                        << QStringList{changed} << kBritishColumbia << 0;
}

void TestWizardCommands::changeProvinceWizard()
{
    QFETCH(bool, coupled);
    QFETCH(int, province);
    QFETCH(QString, answer);
    QFETCH(bool, spouseOnScreen);
    QFETCH(QStringList, messages);
    QFETCH(int, taxpayerProvince);
    QFETCH(int, spouseProvince);
    PluginFolder plugins;
    QVERIFY(plugins.linkRealPlugin(kOntario));
    QVERIFY(plugins.linkRealPlugin(kBritishColumbia));
    Form_Return *editor =
        openEditor(coupled ? EditorFixture::coupledReturn(1, 0) : EditorFixture::singleReturn());
    // The coupled fixture's view settings open it on the spouse.
    editor->findChild<QComboBox *>("comboBox")->setCurrentIndex(spouseOnScreen ? 1 : 0);
    QCOMPARE(editor->family()->getCurrentPersonIndex(),
             spouseOnScreen ? PersonSpouse : PersonTaxpayer);
    m_presenter->clear();
    ModalDriver driver;
    // Finish with no province stays on the page, silently.
    driver.queue(pressing("Finish"));
    ModalAction choose;
    choose.fills = {{"fld_NewTaxProv", QString::number(province)}};
    choose.ticks = {{answer, true}};
    choose.button = "Finish";
    driver.queue(choose);
    runDriven(driver, [this] { m_fixture->action("actionChange_Tax_Province")->trigger(); });
    QCOMPARE(driver.seen().size(), 2);
    QCOMPARE(driver.seen().at(0).title, QString("Change Tax Province"));
    QCOMPARE(driver.seen().at(1).title, QString("Change Tax Province"));
    QCOMPARE(m_presenter->shownTexts(), messages);
    QCOMPARE(editor->family()->taxpayer()->m_province, taxpayerProvince);
    QCOMPARE(editor->family()->spouse()->m_province, spouseProvince);
    QCOMPARE(editor->isModified(), province != kOntario);
}

// ---- Couple Returns

void TestWizardCommands::coupleTwoSavedReturns()
{
    const QDir dir(m_fixture->dir());
    const QString first = dir.filePath("Ann.r25");
    const QString second = dir.filePath("Marc.r25");
    {
        std::unique_ptr<FamilyTaxData> one(EditorFixture::singleReturn());
        QVERIFY(writeBytes(first, ReturnFixture::saveToBytes(*one)));
        std::unique_ptr<FamilyTaxData> other(EditorFixture::singleReturn());
        t1Of(other->taxpayer())->firstName.setValue("Marc");
        QVERIFY(writeBytes(second, ReturnFixture::saveToBytes(*other)));
    }
    MainWindow *w = m_fixture->window();
    ModalDriver driver;
    ModalAction paths;
    paths.fills = {{"fld_Filename1", first}, {"fld_Filename2", second}};
    paths.button = "Finish";
    driver.queue(paths);
    runDriven(driver, [w] { w->on_actionCouple_Returns_2to1_triggered(); });
    QCOMPARE(driver.seen().first().title, QString("Couple Two Returns Together"));
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    QCOMPARE(w->openReturnCount(), 1);
    Form_Return *editor = w->shownEditor();
    QVERIFY(!editor->hasFileName());
    FamilyTaxData *family = editor->family();
    QVERIFY(family->isCoupled());
    QCOMPARE(QString(t1Of(family->taxpayer())->firstName.value()), QString("Ana"));
    QCOMPARE(QString(t1Of(family->spouse())->firstName.value()), QString("Marc"));
    QCOMPARE(selectorTexts(editor).size(), 2);
    QVERIFY(family->taxpayer()->m_coupled);
    QVERIFY(family->spouse()->m_coupled);
}

void TestWizardCommands::coupleRefusedPathsStay()
{
    const QDir dir(m_fixture->dir());
    QVERIFY(dir.mkpath("Folder.r25"));
    const QString good = dir.filePath("Ann.r25");
    {
        std::unique_ptr<FamilyTaxData> one(EditorFixture::singleReturn());
        QVERIFY(writeBytes(good, ReturnFixture::saveToBytes(*one)));
    }
    MainWindow *w = m_fixture->window();
    ModalDriver driver;
    ModalAction folder;
    folder.fills = {{"fld_Filename1", good}, {"fld_Filename2", dir.filePath("Folder.r25")}};
    folder.button = "Finish";
    driver.queue(folder);
    driver.queue(pressing("Cancel"));
    runDriven(driver, [w] { w->on_actionCouple_Returns_2to1_triggered(); });
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"Please make sure both return files exist in the given file path"});
    QCOMPARE(w->openReturnCount(), 0);
}

// ---- De-couple

void TestWizardCommands::deCouple_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("kept");
    QTest::newRow("keep the taxpayer") << 0 << "Élise Tremblay";
    QTest::newRow("keep the spouse") << 1 << "Marc Tremblay";
}

void TestWizardCommands::deCouple()
{
    QFETCH(int, index);
    QFETCH(QString, kept);
    const QString path = QDir(m_fixture->dir()).filePath("couple.r25");
    const QFileInfo file(path);
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(2, 1), &file);
    QVERIFY(!editor->isModified());
    QCOMPARE(selectorTexts(editor).size(), 2);
    ModalDriver driver;
    // The combo's items carry no data: the person is chosen by index once the dialog is up,
    // and only then is OK queued.
    QTimer::singleShot(0, [index, &driver] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->findChild<QComboBox *>("comboBox")->setCurrentIndex(index);
        driver.queue(pressing("OK"));
    });
    runDriven(driver, [this] { m_fixture->action("actionDe_Couple_Return_1to2")->trigger(); });
    QCOMPARE(driver.seen().first().title, QString("De-Couple Tax Return"));
    FamilyTaxData *family = editor->family();
    QVERIFY(!family->isCoupled());
    QCOMPARE(family->getCurrentPersonIndex(), PersonTaxpayer);
    QCOMPARE(selectorTexts(editor).size(), 1);
    CString names[2];
    family->getPersonNames(names[0], names[1]);
    QCOMPARE(QString(names[0]), kept);
    QVERIFY(!family->taxpayer()->m_coupled);
    for (TaxDataEntryStru *entry : family->taxpayer()->m_formList)
        QVERIFY(!entry->data->isCoupledReturn());
    QVERIFY(family->spouse()->m_formList.isEmpty());
    // Changed in place: modified, and no longer tied to the coupled file, so closing asks and
    // a save cannot overwrite it unasked.
    QVERIFY(editor->isModified());
    QVERIFY(!editor->hasFileName());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(editor->currentForm(), family->taxpayer()->getForm(FormType::T1, 0, false));
}

void TestWizardCommands::deCoupleCancel()
{
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(2, 1));
    FamilyTaxData *family = editor->family();
    const QByteArray before = ReturnFixture::saveToBytes(*family);
    ModalDriver driver;
    driver.queue(pressing("Cancel"));
    runDriven(driver, [this] { m_fixture->action("actionDe_Couple_Return_1to2")->trigger(); });
    QVERIFY(family->isCoupled());
    QVERIFY(!editor->isModified());
    QCOMPARE(selectorTexts(editor).size(), 2);
    QCOMPARE(ReturnFixture::saveToBytes(*family), before);
}

// ---- Import

void TestWizardCommands::importThroughOptions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("pages");
    QTest::newRow("imported") << "Import Return" << 1;
    QTest::newRow("cancelled") << "Cancel" << 0;
}

void TestWizardCommands::importThroughOptions()
{
    QFETCH(QString, button);
    QFETCH(int, pages);
    const QString prior = QDir(m_fixture->dir()).filePath("Prior.r24");
    {
        std::unique_ptr<FamilyTaxData> one(EditorFixture::singleReturn());
        QVERIFY(writeBytes(prior, ReturnFixture::saveToBytes(*one)));
    }
    MainWindow *w = m_fixture->window();
    ModalDriver driver;
    QWidget *parent = nullptr;
    QTimer::singleShot(0, [&] {
        if (QWidget *modal = QApplication::activeModalWidget())
            parent = modal->parentWidget();
        driver.queue(pressing(button));
    });
    runDriven(driver, [w, &prior] { w->importPriorYearReturn(prior); });
    QCOMPARE(driver.seen().first().title, QString("DlgImportOption_Info"));
    QCOMPARE(parent, static_cast<QWidget *>(w));
    QCOMPARE(w->openReturnCount(), pages);
    QCOMPARE(QString(appInstance()->LastImportPath), m_fixture->dir());
}

QV_TEST_MAIN(TestWizardCommands)
#include "tst_WizardCommands.moc"
