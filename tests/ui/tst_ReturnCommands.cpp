// The return-file commands of the main window: new (through the real wizard), open, save and
// save as, import, couple, the report of returns not filed online, and the whole editing road.
#include "EditorFixture.h"
#include "ModalDriver.h"
#include "PluginFolder.h"
#include "ReturnFixture.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"

#include "app/ReturnFileEntriesModel.h"
#include "app/TabWndApp.h"
#include "marrow/BusinessForms.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalSchedules.h"
#include "marrow/ScrollTaxForm.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/DataDlgChangeProv.h"
#include "model/DataNewReturnBasic.h"
#include "model/FamilyTaxData.h"
#include "model/ImportOptions.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/Clock.h"
#include "ui/FileCommandRules.h"
#include "ui/FolderView.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"
#include "wizards/NewReturnWizard.h"
#include "wizards/WizardServices.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeWidgetItem>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char kDamagedText[] =
    "The file being opened may be damaged, please verify the data after opening.";
const char kOpenFailed[] = "Open return file failed!";

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The bytes of a fixture return, as the program writes them.
QByteArray singleReturnBytes()
{
    std::unique_ptr<FamilyTaxData> family(EditorFixture::singleReturn());
    return ReturnFixture::saveToBytes(*family);
}

// The same file marked with another tax year: the year follows the taxpayer record's version.
QByteArray returnBytesOfYear(qint32 year)
{
    QByteArray bytes = singleReturnBytes();
    QDataStream out(&bytes, QIODevice::ReadWrite);
    out.device()->seek(4);
    out << year;
    return bytes;
}

TaxData_T1New *t1Of(IndividualTaxData *person)
{
    return dynamic_cast<TaxData_T1New *>(person->getForm(FormType::T1, 0, false));
}

QStringList sectionCaptions(QTreeWidgetItem *section)
{
    QStringList texts;
    for (int i = 0; i < section->childCount(); ++i)
        texts.append(section->child(i)->text(0));
    return texts;
}

QStringList selectorTexts(Form_Return *editor)
{
    auto *box = editor->findChild<QComboBox *>("comboBox");
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

// The wizard's first page as a user fills it, then Next.
ModalAction taxpayerPage(const QString &first, const QString &last, int province,
                         const char *maritalButton)
{
    ModalAction page;
    page.fills = {{"fld_FirstName", first},
                  {"fld_LastName", last},
                  {"fld_sin", "046454286"},
                  {"fld_TaxPronv", QString::number(province)}};
    if (maritalButton)
        page.ticks = {{maritalButton, true}};
    page.button = "Next >";
    return page;
}

// The whole X screen as a user sees it, kept as a PNG; it must not be one colour.
void keepScreenshot(const QString &file)
{
    QTest::qWait(200);
    QScreen *screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    const QImage image = screen->grabWindow(0).toImage();
    QCOMPARE(image.size(), QSize(1280, 800));
    bool varied = false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height() && !varied; y += 7) {
        for (int x = 0; x < image.width() && !varied; x += 7)
            varied = image.pixel(x, y) != first;
    }
    QVERIFY2(varied, "the screen is one colour");
    QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
    QVERIFY(image.save(file, "PNG"));
}

// Every tab of the page on screen fits the window: no horizontal scroll bar.
void checkNoHorizontalScroll(Form_Return *editor)
{
    QTabWidget *tabs = editor->tabWidget();
    for (int i = 0; i < tabs->count(); ++i) {
        auto *scroll = qobject_cast<ScrollTaxForm *>(tabs->widget(i));
        if (!scroll)
            continue;
        tabs->setCurrentIndex(i);
        QTest::qWait(50);
        QVERIFY2(!scroll->horizontalScrollBar()->isVisible(), qPrintable(tabs->tabText(i)));
    }
    tabs->setCurrentIndex(0);
}

// The screenshot of one step of the road, beside the road's own screenshot.
QString stepShot(const QString &screenshot, const QString &step)
{
    const QFileInfo info(screenshot);
    return info.absolutePath() + "/editor-" + step + ".png";
}

} // namespace

class TestReturnCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void importStartFolderRule_data();
    void importStartFolderRule();

    void openFailures_data();
    void openFailures();
    void openOtherTaxYear_data();
    void openOtherTaxYear();
    void openSamePathTwiceThenRefused();
    void reopeningLeavesNothingBehind();

    void newReturnThroughWizard_data();
    void newReturnThroughWizard();
    void newReturnPagesRefuseMissingAnswers();
    void newReturnSpousePageRoutes_data();
    void newReturnSpousePageRoutes();
    void newReturnUnsupportedProvince();
    void newReturnCancelMakesNothing();

    void saveProposal_data();
    void saveProposal();
    void saveCancelChangesNothing();
    void saveFailureShowsNoSavedText();
    void saveAtFileSizeLimitKeepsTheReturn();

    void importStartFolderAndFailure();
    void importNotAvailable();
    void importAccepted();

    void coupleUnreadableFile_data();
    void coupleUnreadableFile();
    void coupleAccepted();

    void notFiledReport();
    void notFiledReportEmptyList();
    void notFiledReportCannotBeCreated();

    void wholeRoad();

private:
    QString path(const QString &name) const { return m_fixture->dir() + '/' + name; }
    // Runs the command while the modal driver answers its dialogs.
    void runDriven(ModalDriver &driver, const std::function<void()> &command);

    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
};

void TestReturnCommands::init()
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
}

void TestReturnCommands::cleanup()
{
    NeighbourServices &services = neighbourServices();
    services.newReturnWizard = nullptr;
    services.coupleReturnsWizard = nullptr;
    services.importPriorYearReturn = nullptr;
    setNow();
    m_fixture.reset();
    m_presenter.reset();
}

void TestReturnCommands::runDriven(ModalDriver &driver, const std::function<void()> &command)
{
    command();
    QCOMPARE(driver.pendingActions(), 0);
    for (const ShownMessage &m : driver.seen())
        QVERIFY2(m.kind != "error", qPrintable(m.title + ": " + m.text));
}

// ---- pure rules

void TestReturnCommands::importStartFolderRule_data()
{
    QTest::addColumn<QString>("lastImport");
    QTest::addColumn<QString>("retFolder");
    QTest::addColumn<bool>("priorYearFolderExists");
    QTest::addColumn<QString>("expected");
    QTest::newRow("last import folder") << "/x/last"
                                        << "Q2025/ret" << true << "/x/last";
    QTest::newRow("prior-year folder exists") << ""
                                              << "Q2025/ret2025" << true << "Q2024/ret2024";
    QTest::newRow("no prior-year folder") << ""
                                          << "Q2025/ret2025" << false << "Q2025/ret2025";
    QTest::newRow("no year in the name") << ""
                                         << "Returns" << false << "Returns";
}

void TestReturnCommands::importStartFolderRule()
{
    QFETCH(QString, lastImport);
    QFETCH(QString, retFolder);
    QFETCH(bool, priorYearFolderExists);
    QFETCH(QString, expected);
    const QString base = m_fixture->dir() + '/';
    QVERIFY(QDir().mkpath(base + retFolder));
    if (priorYearFolderExists)
        QVERIFY(QDir().mkpath(base + "Q2024/ret2024"));
    const QString last = lastImport.isEmpty() ? QString() : lastImport;
    QString want = expected.startsWith('/') ? expected : base + expected;
    QCOMPARE(importStartFolder(last, base + retFolder), want);
}

// ---- open

void TestReturnCommands::openFailures_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("missing file") << QByteArray() << QStringList{kOpenFailed};
    // The reader's box comes for the refused record and again for the file.
    QTest::newRow("damaged file") << QByteArray("this is not a return file, only text")
                                  << QStringList{kDamagedText, kDamagedText, kOpenFailed};
    QByteArray otherVersion = singleReturnBytes();
    // The taxpayer's province lies beyond the last one this version knows.
    {
        std::unique_ptr<FamilyTaxData> family(EditorFixture::singleReturn());
        family->taxpayer()->m_province = 14;
        otherVersion = ReturnFixture::saveToBytes(*family);
    }
    QTest::newRow("not for this version")
        << otherVersion
        << QStringList{"The return file is not meant for this version of software!"};
}

void TestReturnCommands::openFailures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, texts);
    MainWindow *w = m_fixture->window();
    const QString file = path("Failing.r25");
    if (!bytes.isEmpty())
        QVERIFY(writeBytes(file, bytes));
    const int pagesBefore = w->pages()->count();

    w->openReturnFile(file);

    QCOMPARE(m_presenter->shownTexts(), texts);
    QCOMPARE(w->pages()->count(), pagesBefore);
    QCOMPARE(w->openReturnCount(), 0);
    QCOMPARE(QString(appInstance()->LastOpenPath), QString());
    QCOMPARE(w->statusTextLabel()->text(), QString());
}

void TestReturnCommands::openOtherTaxYear_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("pages");
    QTest::newRow("Yes gives a page") << int(QMessageBox::Yes) << 1;
    QTest::newRow("No gives none") << int(QMessageBox::No) << 0;
}

void TestReturnCommands::openOtherTaxYear()
{
    QFETCH(int, answer);
    QFETCH(int, pages);
    QCOMPARE(singleReturnBytes().mid(4, 4), QByteArray::fromHex("000007e9"));
    QVERIFY(QDir().mkpath(path("old")));
    const QString file = path("old/Last.r25");
    QVERIFY(writeBytes(file, returnBytesOfYear(2024)));
    m_presenter->queueAnswer(QMessageBox::StandardButton(answer));
    MainWindow *w = m_fixture->window();

    w->openReturnFile(file);

    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"This tax return file is for tax year 2024. Do you still want to "
                         "continue?"});
    QCOMPARE(w->openReturnCount(), pages);
    QCOMPARE(QString(appInstance()->LastOpenPath), pages ? path("old") : QString());
    QCOMPARE(w->statusTextLabel()->text(), pages ? QString("File read successfully") : QString());
    if (pages)
        QCOMPARE(w->shownEditor()->displayName(), file);
}

void TestReturnCommands::openSamePathTwiceThenRefused()
{
    const QString file = path("Twice.r25");
    QVERIFY(writeBytes(file, singleReturnBytes()));
    MainWindow *w = m_fixture->window();
    ModalDriver driver;
    ModalAction pick;
    pick.fills = {{"fileNameEdit", file}};
    pick.button = "Open";
    driver.queue(pick);
    runDriven(driver, [w] { w->actionOpenReturn(); });
    QCOMPARE(w->openReturnCount(), 1);
    QCOMPARE(driver.seen().first().title, QString("Open Return File"));
    QCOMPARE(QString(appInstance()->LastOpenPath), m_fixture->dir());
    Form_Return *first = w->shownEditor();

    w->openReturnFile(file);
    QCOMPARE(w->openReturnCount(), 2);
    Form_Return *second = w->shownEditor();
    QVERIFY(first != second);
    QVERIFY(first->family() != second->family());
    QCOMPARE(second->displayName(), file);
    QCOMPARE(m_presenter->shownTexts(), QStringList());

    // The third is refused before any dialog.
    w->actionOpenReturn();
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"Maximum number of returns are opened already. Please click 'Close' "
                         "button on top to close a return first!"});
    QCOMPARE(w->openReturnCount(), 2);
}

// Opening and closing the same return again and again leaves nothing behind: after each round
// the same widgets, windows, objects, window entries and recent rows, and while it is open the
// same editor, every tab shown.
void TestReturnCommands::reopeningLeavesNothingBehind()
{
    const QString file = path("Again.r25");
    {
        std::unique_ptr<FamilyTaxData> family(EditorFixture::coupledReturn(5, 2));
        QVERIFY(writeBytes(file, ReturnFixture::saveToBytes(*family)));
    }
    MainWindow *w = m_fixture->window();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto *windows = w->findChild<QMenu *>("menuWindows");
    QVERIFY(windows);
    const auto footprint = [w, windows]() {
        return QList<int>{QApplication::allWidgets().size(),
                          QApplication::topLevelWidgets().size(),
                          w->findChildren<QObject *>().size(),
                          windows->actions().size(),
                          w->pages()->count(),
                          EditorFixture::recentRows().size()};
    };
    const QList<int> before = footprint();
    QList<int> settledOpen;
    QList<int> settledClosed;
    for (int round = 0; round < 5; ++round) {
        w->openReturnFile(file);
        Form_Return *editor = w->shownEditor();
        QVERIFY(editor);
        QTabWidget *tabs = editor->tabWidget();
        QCOMPARE(tabs->count(), 5);
        for (int i = tabs->count() - 1; i >= 0; --i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
        }
        const QList<int> open = footprint();
        QCOMPARE(open.at(3), before.at(3) + 1);
        QCOMPARE(open.at(4), before.at(4) + 1);
        w->actionCloseReturn();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(w->openReturnCount(), 0);
        const QList<int> closed = footprint();
        QCOMPARE(closed.mid(3, 2), before.mid(3, 2));
        // The first two rounds may leave what Qt makes once, on a first use (the tool bar's
        // animation, a font); every later round leaves exactly what the second one did.
        if (round <= 1) {
            settledOpen = open;
            settledClosed = closed;
            continue;
        }
        QCOMPARE(open, settledOpen);
        QCOMPARE(closed, settledClosed);
    }
    QCOMPARE(EditorFixture::recentRows().size(), 1);
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

// ---- new return

void TestReturnCommands::newReturnThroughWizard_data()
{
    QTest::addColumn<QString>("maritalButton");
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<QStringList>("selector");
    QTest::newRow("single") << "fld_MaritalStatus_5" << false << QStringList{"Ann Smith"};
    QTest::newRow("married and coupled")
        << "fld_MaritalStatus_0" << true << QStringList{"Ann Smith", "Bob Smith"};
}

void TestReturnCommands::newReturnThroughWizard()
{
    QFETCH(QString, maritalButton);
    QFETCH(bool, coupled);
    QFETCH(QStringList, selector);
    MainWindow *w = m_fixture->window();
    ModalDriver driver;
    driver.queue(taxpayerPage("Ann", "Smith", ReturnFixture::kProvince,
                              maritalButton.toLatin1().constData()));
    if (coupled) {
        ModalAction spouse;
        spouse.fills = {{"fld_FirstNameSpouse", "Bob"},
                        {"fld_LastNameSpouse", "Smith"},
                        {"fld_sinSpouse", "046454294"}};
        spouse.ticks = {{"fld_Coupled", true}};
        spouse.button = "Next >";
        driver.queue(spouse);
    }
    ModalAction formsPage;
    formsPage.ticks = {{"fld_bT2125", true}};
    formsPage.button = "Finish";
    driver.queue(formsPage);

    runDriven(driver, [w] { w->actionNewReturn(); });

    QCOMPARE(driver.seen().first().title, QString("Create a new tax return"));
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    QCOMPARE(w->openReturnCount(), 1);
    Form_Return *editor = w->shownEditor();
    QVERIFY(editor);
    QVERIFY(!editor->hasFileName());
    FamilyTaxData *family = editor->family();
    QCOMPARE(family->isCoupled(), coupled);
    TaxData_T1New *t1 = t1Of(family->taxpayer());
    QVERIFY(t1);
    QCOMPARE(QString(t1->firstName.value()), QString("Ann"));
    QCOMPARE(QString(t1->lastName.value()), QString("Smith"));
    QCOMPARE(t1->birthDate.date(), QDate(1980, 1, 1));
    QCOMPARE(family->taxpayer()->m_province, ReturnFixture::kProvince);
    QCOMPARE(selectorTexts(editor), selector);
    QVERIFY(family->taxpayer()->getForm(FormType::T2125, 0, false));
    if (coupled) {
        TaxData_T1New *spouseT1 = t1Of(family->spouse());
        QVERIFY(spouseT1);
        QCOMPARE(QString(spouseT1->firstName.value()), QString("Bob"));
        QCOMPARE(family->spouse()->m_province, ReturnFixture::kProvince);
        // The spouse takes only some of the choices: no T2125.
        QVERIFY(!family->spouse()->getForm(FormType::T2125, 0, false));
    }
    // The tree lists the return's forms, the T1 first, and the T1 page is on screen.
    const QStringList captions = sectionCaptions(editor->folderView()->formSection());
    QVERIFY2(!captions.isEmpty() && captions.first().startsWith("T1"),
             qPrintable(captions.join('|')));
    QVERIFY(captions.filter("T2125").size() == 1);
    QCOMPARE(editor->currentForm(), static_cast<CTaxData_Form *>(t1));
    auto *lastName = qobject_cast<QLineEdit *>(boundWidget(editor, "lastName"));
    QVERIFY(lastName);
    QCOMPARE(lastName->text(), QString("Smith"));
}

void TestReturnCommands::newReturnPagesRefuseMissingAnswers()
{
    // A last name of blanks stays on the first page; a real one goes on; an unchosen status
    // skips the spouse page.
    MainWindow *w = m_fixture->window();
    ModalDriver driver;
    driver.queue(taxpayerPage("", "   ", ReturnFixture::kProvince, nullptr));
    ModalAction again = taxpayerPage("", "Doe", ReturnFixture::kProvince, nullptr);
    driver.queue(again);
    driver.pressButton("Finish");
    runDriven(driver, [w] { w->actionNewReturn(); });
    QCOMPARE(w->openReturnCount(), 1);
    FamilyTaxData *family = w->shownEditor()->family();
    QVERIFY(!family->isCoupled());
    QCOMPARE(QString(t1Of(family->taxpayer())->lastName.value()), QString("Doe"));
    QCOMPARE(QString(t1Of(family->taxpayer())->firstName.value()), QString());
}

void TestReturnCommands::newReturnSpousePageRoutes_data()
{
    QTest::addColumn<bool>("backToSingle");
    QTest::addColumn<bool>("tickCoupled");
    QTest::addColumn<int>("spouseProvinceChosen");
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<QString>("spouseOnT1");
    QTest::addColumn<int>("spouseProvinceKept");
    // Married without the coupled box: one return, the spouse's name on the taxpayer's T1.
    QTest::newRow("married, not coupled") << false << false << 0 << false << "Bob" << 9;
    // Back from the spouse page to Single: the spouse page is skipped and nothing of the
    // spouse is used.
    QTest::newRow("back to single") << true << true << 0 << false << "" << 9;
    // A spouse province changed, then back and forward again: the taxpayer's again.
    QTest::newRow("province copied again") << true << true << 2 << false << "Bob" << 9;
}

void TestReturnCommands::newReturnSpousePageRoutes()
{
    QFETCH(bool, backToSingle);
    QFETCH(bool, tickCoupled);
    QFETCH(int, spouseProvinceChosen);
    QFETCH(bool, coupled);
    QFETCH(QString, spouseOnT1);
    QFETCH(int, spouseProvinceKept);
    DataNewReturnBasic *seen = nullptr;
    DataNewReturnBasic kept;
    neighbourServices().newReturnWizard = [&](DataNewReturnBasic &answers, QWidget *parent) {
        seen = &answers;
        const int accepted = runNewReturnWizard(answers, parent);
        kept.copyFrom(answers);
        return accepted;
    };
    MainWindow *w = m_fixture->window();
    ModalDriver driver;
    driver.queue(taxpayerPage("Ann", "Smith", ReturnFixture::kProvince, "fld_MaritalStatus_0"));
    ModalAction spouse;
    spouse.fills = {{"fld_FirstNameSpouse", "Bob"}, {"fld_LastNameSpouse", "Smith"}};
    if (spouseProvinceChosen)
        spouse.fills.insert("fld_TaxPronvSpouse", QString::number(spouseProvinceChosen));
    spouse.ticks = {{"fld_Coupled", tickCoupled}};
    if (backToSingle) {
        spouse.button = "< Back";
        driver.queue(spouse);
        // Married again and forward when a province was changed; Single otherwise.
        if (spouseProvinceChosen) {
            driver.pressButton("Next >");
            ModalAction untick;
            untick.ticks = {{"fld_Coupled", false}};
            untick.button = "Next >";
            driver.queue(untick);
        } else {
            ModalAction single;
            single.ticks = {{"fld_MaritalStatus_5", true}};
            single.button = "Next >";
            driver.queue(single);
        }
    } else {
        spouse.button = "Next >";
        driver.queue(spouse);
    }
    driver.pressButton("Finish");
    runDriven(driver, [w] { w->actionNewReturn(); });

    QVERIFY(seen);
    QCOMPARE(kept.fld_TaxPronvSpouse.value(), spouseProvinceKept);
    QCOMPARE(w->openReturnCount(), 1);
    FamilyTaxData *family = w->shownEditor()->family();
    QCOMPARE(family->isCoupled(), coupled);
    QCOMPARE(QString(t1Of(family->taxpayer())->spouseFirstName.value()), spouseOnT1);
}

void TestReturnCommands::newReturnUnsupportedProvince()
{
    QList<QDate> birthDates;
    neighbourServices().newReturnWizard = [&birthDates](DataNewReturnBasic &answers, QWidget *) {
        birthDates = {answers.fld_dob.date(), answers.fld_dobSpouse.date()};
        answers.fld_LastName.setValue("Far");
        answers.fld_TaxPronv.setValue(99);
        return 1;
    };
    MainWindow *w = m_fixture->window();
    const int pagesBefore = w->pages()->count();
    w->actionNewReturn();
    // The command set both birth dates before the wizard ran.
    QCOMPARE(birthDates, (QList<QDate>{QDate(1980, 1, 1), QDate(1980, 1, 1)}));
    QCOMPARE(m_presenter->shownTexts(), QStringList{"Tax Province is not supported!"});
    QCOMPARE(w->openReturnCount(), 0);
    QCOMPARE(w->pages()->count(), pagesBefore);
}

void TestReturnCommands::newReturnCancelMakesNothing()
{
    MainWindow *w = m_fixture->window();
    const int pagesBefore = w->pages()->count();
    ModalDriver driver;
    driver.queue(taxpayerPage("Ann", "Smith", ReturnFixture::kProvince, "fld_MaritalStatus_5"));
    driver.pressButton("Cancel");
    runDriven(driver, [w] { w->actionNewReturn(); });
    QCOMPARE(w->openReturnCount(), 0);
    QCOMPARE(w->pages()->count(), pagesBefore);
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

// ---- save

void TestReturnCommands::saveProposal_data()
{
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<QString>("typed"); // empty: the proposal as it stands
    QTest::addColumn<QString>("savedName");
    // The fixture persons are Ana Tremblay, and Élise and Marc Tremblay.
    QTest::newRow("single, proposal") << false << ""
                                      << "Ana_Tremblay.r25";
    QTest::newRow("couple, proposal") << true << ""
                                      << "Élise_Tremblay_Marc_Tremblay.r25";
    QTest::newRow("suffix added") << false << "Smith"
                                  << "Smith.r25";
    QTest::newRow("suffix kept") << false << "Smith.r25"
                                 << "Smith.r25";
}

void TestReturnCommands::saveProposal()
{
    QFETCH(bool, coupled);
    QFETCH(QString, typed);
    QFETCH(QString, savedName);
    MainWindow *w = m_fixture->window();
    FamilyTaxData *family =
        coupled ? EditorFixture::coupledReturn() : EditorFixture::singleReturn();
    const QString defaultName = family->getDefaultFileName();
    w->addReturnPage(nullptr, family);
    Form_Return *editor = w->shownEditor();

    QString proposed;
    ModalDriver driver;
    ModalAction save;
    if (!typed.isEmpty())
        save.fills = {{"fileNameEdit", typed}};
    save.button = "Save";
    driver.queue(save);
    // The proposal is read from the dialog before the driver answers it.
    QTimer::singleShot(0, [&proposed] {
        if (auto *edit = QApplication::activeModalWidget()->findChild<QLineEdit *>("fileNameEdit"))
            proposed = edit->text();
    });
    runDriven(driver, [w] { w->actionSaveReturn(); });

    QCOMPARE(proposed, defaultName + ".r25");
    QCOMPARE(driver.seen().first().title, QString("Save Return File"));
    const QString saved = path(savedName);
    QVERIFY2(QFile::exists(saved), qPrintable(saved));
    QCOMPARE(w->statusTextLabel()->text(), QString("File saved"));
    QVERIFY(w->windowTitle().endsWith(saved));
    QCOMPARE(editor->displayName(), saved);
    QVERIFY(!editor->isModified());
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

void TestReturnCommands::saveCancelChangesNothing()
{
    MainWindow *w = m_fixture->window();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    Form_Return *editor = w->shownEditor();
    w->setStatusText(QString());
    const QString title = w->windowTitle();
    ModalDriver driver;
    driver.pressButton("Cancel");
    int result = -1;
    runDriven(driver, [&] { result = w->saveReturn(editor, true); });
    QCOMPARE(result, 0);
    QVERIFY(!editor->hasFileName());
    QCOMPARE(w->statusTextLabel()->text(), QString());
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(QDir(m_fixture->dir()).entryList(QStringList{"*.r25"}), QStringList());
}

void TestReturnCommands::saveFailureShowsNoSavedText()
{
    MainWindow *w = m_fixture->window();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    Form_Return *editor = w->shownEditor();
    // A folder where the file must go.
    const QString target = path("Blocked.r25");
    QVERIFY(QDir().mkpath(target));
    const QFileInfo file(target);
    editor->setFilePath(&file);
    w->setStatusText(QString());
    QCOMPARE(w->saveReturn(editor, false), 121);
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"The return file could not be saved to " + target + "."});
    // The result lines' summary, not "File saved".
    QCOMPARE(w->statusTextLabel()->text(), QString(editor->family()->getPersonIncomeSummary()));
    QVERIFY(QFileInfo(target).isDir());
}

void TestReturnCommands::saveAtFileSizeLimitKeepsTheReturn()
{
    MainWindow *w = m_fixture->window();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    Form_Return *editor = w->shownEditor();
    const QString target = path("Limited.r25");
    const QFileInfo file(target);
    editor->setFilePath(&file);
    QCOMPARE(w->saveReturn(editor, false), 0);
    const QByteArray old = readBytes(target);
    QVERIFY(old.size() > 1000);
    const QString summary = editor->family()->getPersonIncomeSummary();

    // The limit holds in a child only. It starts up as the program does, then saves under a
    // limit of half the return; each failed check has its own exit code.
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        alarm(60); // never outlive a save that hangs
        appInstance()->startUp();
        m_presenter->clear();
        const rlimit cap{rlim_t(old.size() / 2), rlim_t(old.size() / 2)};
        setrlimit(RLIMIT_FSIZE, &cap);
        const int result = w->saveReturn(editor, false);
        int code = 0;
        if (result != 121)
            code = 10;
        else if (m_presenter->shownTexts() !=
                 QStringList{"The return file could not be saved to " + target + "."})
            code = 11;
        else if (w->shownEditor() != editor ||
                 editor->family()->getPersonIncomeSummary() != summary)
            code = 12;
        _exit(code);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status), qPrintable(QString("ended by signal %1").arg(WTERMSIG(status))));
    QCOMPARE(WEXITSTATUS(status), 0);
    // The old file whole, and nothing of the failed save beside it.
    QCOMPARE(readBytes(target), old);
    QCOMPARE(QDir(m_fixture->dir()).entryList({"Limited.r25*"}, QDir::Files | QDir::Hidden),
             QStringList{"Limited.r25"});
}

// ---- import

void TestReturnCommands::importStartFolderAndFailure()
{
    neighbourServices().importPriorYearReturn = [](ImportOptions &, QWidget *) { return 1; };
    QVERIFY(QDir().mkpath(path("Q2025")));
    QVERIFY(QDir().mkpath(path("Q2024")));
    appInstance()->config.RetPath = path("Q2025");
    const QString bad = path("Q2024/Bad.r24");
    QVERIFY(writeBytes(bad, "no return in here"));
    MainWindow *w = m_fixture->window();
    QString startFolder;
    ModalDriver driver;
    ModalAction pick;
    pick.fills = {{"fileNameEdit", bad}};
    pick.button = "Open";
    driver.queue(pick);
    QTimer::singleShot(0, [&startFolder] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
            startFolder = dialog->directory().absolutePath();
    });
    runDriven(driver, [w] { w->on_actionImport_Prior_Year_s_Return_triggered(); });
    QCOMPARE(driver.seen().first().title, QString("Import Return File"));
    QCOMPARE(startFolder, path("Q2024"));
    QCOMPARE(m_presenter->shownTexts(),
             (QStringList{kDamagedText, kDamagedText,
                          "Import prior year's return file failed, error = -1."}));
    QCOMPARE(w->openReturnCount(), 0);
    QCOMPARE(QString(appInstance()->LastImportPath), QString());
}

void TestReturnCommands::importNotAvailable()
{
    const QString file = path("Prior.r24");
    QVERIFY(writeBytes(file, returnBytesOfYear(2024)));
    MainWindow *w = m_fixture->window();
    w->on_actionImport_Prior_Year_s_Return_triggered();
    w->importPriorYearReturn(file);
    QCOMPARE(m_presenter->shownTexts(),
             (QStringList{"Import Prior Year's Return is not available in this build yet.",
                          "Import Prior Year's Return is not available in this build yet."}));
    QCOMPARE(w->openReturnCount(), 0);
    QCOMPARE(QString(appInstance()->LastImportPath), QString());
}

void TestReturnCommands::importAccepted()
{
    QVERIFY(QDir().mkpath(path("prior")));
    const QString file = path("prior/Prior.r24");
    QVERIFY(writeBytes(file, returnBytesOfYear(2024)));
    MainWindow *w = m_fixture->window();
    QList<int> seenKeepNotes;
    int answer = 0;
    neighbourServices().importPriorYearReturn = [&](ImportOptions &options, QWidget *parent) {
        seenKeepNotes.append(options.keepNotes + 10 * options.includeSFD + 100 * options.keepForms +
                             1000 * options.copyData + 10000 * options.makeCoupled);
        if (parent != w)
            return 0;
        return answer;
    };

    // Cancelled: no page, but the folder is kept.
    w->importPriorYearReturn(file);
    QCOMPARE(w->openReturnCount(), 0);
    QCOMPARE(QString(appInstance()->LastImportPath), path("prior"));

    answer = 1;
    w->importPriorYearReturn(file);
    QCOMPARE(seenKeepNotes, (QList<int>{1, 1}));
    QCOMPARE(w->openReturnCount(), 1);
    Form_Return *editor = w->shownEditor();
    QVERIFY(!editor->hasFileName());
    int year = 0;
    QVERIFY(editor->family()->getIntByKey(995, year));
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

// ---- couple

void TestReturnCommands::coupleUnreadableFile_data()
{
    QTest::addColumn<bool>("firstGood");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << false
                           << "First return file cannot be read properly, Couple return failed.";
    QTest::newRow("second") << true
                            << "Second return file cannot be read properly, Couple return failed.";
}

void TestReturnCommands::coupleUnreadableFile()
{
    QFETCH(bool, firstGood);
    QFETCH(QString, text);
    const QString good = path("Good.r25");
    QVERIFY(writeBytes(good, singleReturnBytes()));
    const QString missing = path("Missing.r25");
    neighbourServices().coupleReturnsWizard = [&](QWidget *, QString &first, QString &second) {
        first = firstGood ? good : missing;
        second = missing;
        return 1;
    };
    MainWindow *w = m_fixture->window();
    w->on_actionCouple_Returns_2to1_triggered();
    QCOMPARE(m_presenter->shownTexts(), QStringList{text});
    QCOMPARE(w->openReturnCount(), 0);
    QVERIFY(!QApplication::overrideCursor());
}

void TestReturnCommands::coupleAccepted()
{
    const QString first = path("First.r25");
    const QString second = path("Second.r25");
    QVERIFY(writeBytes(first, singleReturnBytes()));
    {
        std::unique_ptr<FamilyTaxData> other(EditorFixture::singleReturn());
        t1Of(other->taxpayer())->firstName.setValue("Mary");
        QVERIFY(writeBytes(second, ReturnFixture::saveToBytes(*other)));
    }
    MainWindow *w = m_fixture->window();
    // Not available while the entry is empty.
    w->on_actionCouple_Returns_2to1_triggered();
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"Couple Returns (2to1) is not available in this build yet."});
    m_presenter->clear();
    neighbourServices().coupleReturnsWizard = [&](QWidget *, QString &a, QString &b) {
        a = first;
        b = second;
        return 1;
    };
    w->on_actionCouple_Returns_2to1_triggered();
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    QCOMPARE(w->openReturnCount(), 1);
    Form_Return *editor = w->shownEditor();
    QVERIFY(editor->family()->isCoupled());
    QVERIFY(!editor->hasFileName());
    QCOMPARE(QString(t1Of(editor->family()->spouse())->firstName.value()), QString("Mary"));
    QVERIFY(!QApplication::overrideCursor());
}

// ---- the report of returns not filed online

void TestReturnCommands::notFiledReport()
{
    setNow(QDateTime(QDate(2026, 4, 3), QTime(14, 5, 9)));
    TabWndApp *app = appInstance();
    const QString missing = path("Gone.r25");
    const QString filed = path("Filed.r25");
    const QString notFiled = path("NotFiled.r25");
    {
        std::unique_ptr<FamilyTaxData> family(EditorFixture::singleReturn());
        t1Of(family->taxpayer())->filingStatus = 1;
        QVERIFY(writeBytes(filed, ReturnFixture::saveToBytes(*family)));
    }
    QVERIFY(writeBytes(notFiled, singleReturnBytes()));
    app->recordRecentReturn(CString("A"), CString(), CString(missing));
    app->recordRecentReturn(CString("B"), CString(), CString(filed));
    app->recordRecentReturn(CString("C"), CString(), CString(notFiled));
    app->reloadRecentReturns(CString());
    QCOMPARE(app->retFileModel->entryCount(), 3);
    QStringList order;
    for (int i = 0; i < 3; ++i)
        order.append(app->retFileModel->filePathAt(i));

    m_fixture->window()->on_actionFind_Returns_Not_Filed_Online_triggered();

    const QString report = path("filing260403140509.txt");
    QString expected;
    for (int i = 0; i < 3; ++i) {
        // The filed return is not listed.
        if (order[i] == missing)
            expected += QString::asprintf("%04d ", i) + order[i] + "\n===> file open failed\n\n";
        else if (order[i] == notFiled)
            expected += QString::asprintf("%04d ", i) + order[i] +
                        "\n===> Ana Tremblay: (not filed/unknown)  \n\n";
    }
    expected += "Summary: Total files scaned: 3;  Not-filed files: 1\n\n";
    QCOMPARE(QString::fromUtf8(readBytes(report)), expected);
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

void TestReturnCommands::notFiledReportEmptyList()
{
    setNow(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 58)));
    appInstance()->reloadRecentReturns(CString());
    QCOMPARE(notFiledReportPath("/run", now()), QString("/run/filing251231235958.txt"));
    m_fixture->window()->on_actionFind_Returns_Not_Filed_Online_triggered();
    QCOMPARE(readBytes(path("filing251231235958.txt")),
             QByteArray("Summary: Total files scaned: 0;  Not-filed files: 0\n\n"));
}

void TestReturnCommands::notFiledReportCannotBeCreated()
{
    setNow(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    const QString report = path("filing260102030405.txt");
    QVERIFY(QDir().mkpath(report));
    m_fixture->window()->on_actionFind_Returns_Not_Filed_Online_triggered();
    QCOMPARE(m_presenter->shownTexts(), QStringList{"cannot create report file " + report});
    QVERIFY(QFileInfo(report).isDir());
}

// ---- the whole road

void TestReturnCommands::wholeRoad()
{
    // The X-server run names the file for its screenshot.
    const QString screenshot = qEnvironmentVariable("QV_XVFB_SCREENSHOT");
    if (!screenshot.isEmpty() && QGuiApplication::platformName() != "xcb")
        QSKIP("xvfb-run is not installed: the road was not run on an X server");
    MainWindow *w = m_fixture->window();
    w->resize(1270, 673);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    // 1. New Return through the wizard, each of its pages kept as it is answered.
    {
        ModalDriver driver;
        int wizardPage = 0;
        if (!screenshot.isEmpty()) {
            driver.setInspector([&](QWidget *) {
                keepScreenshot(
                    stepShot(screenshot, QStringLiteral("new-return-%1").arg(++wizardPage)));
            });
        }
        driver.queue(taxpayerPage("Ann", "Road", ReturnFixture::kProvince, "fld_MaritalStatus_5"));
        driver.pressButton("Finish");
        runDriven(driver, [w] { w->actionNewReturn(); });
    }
    // Keys go to the window again once the wizard has closed.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    Form_Return *editor = w->shownEditor();
    QVERIFY(editor);
    FamilyTaxData *family = editor->family();
    const QStringList linesBefore = resultLines(editor);

    // 2. A T4 with boxes 14 and 22 typed.
    QAction *addT4 = m_fixture->action("actionAdd_T4_slip");
    const int slipsBefore = family->taxpayer()->m_slipList.size();
    addT4->trigger();
    if (family->taxpayer()->m_slipList.size() == slipsBefore) {
        // Until the add-slip command is in this build: the slip the command would add.
        m_presenter->clear();
        TaxDataEntryStru *entry = family->addSlip(SlipType::T4, 0, 0);
        QVERIFY(entry);
        editor->folderView()->populateSlips();
        editor->folderView()->selectEntry(FolderView::KindSlip, entry->id);
    }
    auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(editor->currentForm());
    QVERIFY(t4);
    typeInto(editor, "box14", "52000");
    typeInto(editor, "box22", "7400");
    QCOMPARE(double(t4->box14), 52000.0);
    QCOMPARE(double(t4->box22), 7400.0);

    // 3. The result lines changed and show the T1's balance.
    const QStringList linesWithT4 = resultLines(editor);
    const QStringList &lines = linesWithT4;
    QVERIFY(lines != linesBefore);
    QCOMPARE(lines, balanceTexts(family));
    double balance = 0, spouseBalance = 0, total = 0;
    family->getBalanceAmounts(balance, spouseBalance, total);
    QVERIFY(lines.first().contains(QString::asprintf("%.2f", qAbs(balance))));
    if (!screenshot.isEmpty()) {
        keepScreenshot(screenshot);
        keepScreenshot(stepShot(screenshot, "t4"));
        checkNoHorizontalScroll(editor);
    }

    // 3a. The RRSP receipt, on Schedule 7.
    if (!family->taxpayer()->getForm(FormType::SCH7, 0, false)) {
        QVERIFY(family->addForm(FormType::SCH7, 0, true, 0, false));
        editor->folderView()->populateForms();
    }
    auto *sch7 =
        dynamic_cast<TaxData_Sch7 *>(family->taxpayer()->getForm(FormType::SCH7, 0, false));
    QVERIFY(sch7);
    for (TaxDataEntryStru *e : family->taxpayer()->m_formList) {
        if (e->type == FormType::SCH7)
            editor->folderView()->selectEntry(FolderView::KindForm, e->id);
    }
    QCOMPARE(editor->currentForm(), static_cast<CTaxData_Form *>(sch7));
    typeInto(editor, "contribMarToDec", "3000");
    QCOMPARE(double(sch7->contribMarToDec), 3000.0);
    if (!screenshot.isEmpty()) {
        keepScreenshot(stepShot(screenshot, "schedule7"));
        checkNoHorizontalScroll(editor);
    }

    // 3b. Every T1 tab, each read as the form reads.
    editor->folderView()->selectEntry(FolderView::KindForm, 0);
    for (TaxDataEntryStru *e : family->taxpayer()->m_formList) {
        if (e->type == FormType::T1)
            editor->folderView()->selectEntry(FolderView::KindForm, e->id);
    }
    QVERIFY(dynamic_cast<TaxData_T1New *>(editor->currentForm()));
    QTabWidget *tabs = editor->tabWidget();
    QCOMPARE(tabs->count(), 5);
    auto *marital = tabs->widget(0)->findChild<QComboBox *>("maritalStatus");
    QVERIFY(marital);
    QCOMPARE(marital->currentText(), QString("Single"));
    QCOMPARE(tabs->widget(0)->findChild<QComboBox *>("province")->currentText(),
             QString("Ontario"));
    if (!screenshot.isEmpty()) {
        checkNoHorizontalScroll(editor);
        const char *names[] = {"t1-identification", "t1-income", "t1-deductions",
                               "t1-credits-and-tax", "t1-refund-or-balance"};
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            keepScreenshot(stepShot(screenshot, names[i]));
        }
        tabs->setCurrentIndex(0);
    }

    // 3c. The Result page: each line with its number, read-only, line 42800 among them.
    editor->folderView()->setCurrentItem(editor->folderView()->resultSection());
    QTabWidget *resultTabs = editor->tabWidget();
    QCOMPARE(resultTabs->count(), 1);
    QWidget *result = resultTabs->widget(0);
    QVERIFY(result->findChild<QLabel *>("lblLine_42800"));
    QCOMPARE(result->findChild<QLabel *>("lblLine_42800")->text(), QString("42800"));
    QVERIFY(result->findChild<QLabel *>("amt1_48400"));
    QVERIFY(result->findChildren<QLineEdit *>().size() == 2);
    for (QLineEdit *edit : result->findChildren<QLineEdit *>())
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
    if (!screenshot.isEmpty()) {
        keepScreenshot(stepShot(screenshot, "result"));
        checkNoHorizontalScroll(editor);
    }

    // 3d. Change Tax Province through its wizard: the balance beside the tree follows at once.
    {
        PluginFolder plugins;
        plugins.linkRealPlugin(ReturnFixture::kProvince);
        plugins.linkRealPlugin(2);
        neighbourServices().changeProvince = [](Form_Return *editor, DataDlgChangeProv &answers) {
            return runChangeProvinceWizard(answers, editor);
        };
        ModalDriver driver;
        if (!screenshot.isEmpty())
            driver.setInspector(
                [&](QWidget *) { keepScreenshot(stepShot(screenshot, "change-province")); });
        ModalAction province;
        province.fills = {{"fld_NewTaxProv", "2"}};
        province.ticks = {{"fld_ChgBoth_1", true}};
        province.button = "Finish";
        driver.queue(province);
        runDriven(driver, [this] { m_fixture->action("actionChange_Tax_Province")->trigger(); });
        neighbourServices().changeProvince = nullptr;
        QCOMPARE(family->taxpayer()->m_province, 2);
        QCOMPARE(resultLines(editor), balanceTexts(family));
        if (!screenshot.isEmpty())
            keepScreenshot(stepShot(screenshot, "province-changed"));
        // Back to the road's province, so the rest of the road is as before.
        neighbourServices().changeProvince = [](Form_Return *, DataDlgChangeProv &answers) {
            answers.fld_NewTaxProv = ReturnFixture::kProvince;
            answers.fld_ChgBoth = 0;
            return 1;
        };
        m_fixture->action("actionChange_Tax_Province")->trigger();
        neighbourServices().changeProvince = nullptr;
        m_presenter->clear();
    }
    for (TaxDataEntryStru *e : family->taxpayer()->m_slipList) {
        if (e->type == SlipType::T4)
            editor->folderView()->selectEntry(FolderView::KindSlip, e->id);
    }
    const QStringList linesAfterProvince = resultLines(editor);

    // 4. A T2125.
    if (!family->taxpayer()->getForm(FormType::T2125, 0, false)) {
        QVERIFY(family->addForm(FormType::T2125, 0, true, 0, false));
        editor->folderView()->populateForms();
    }
    const QStringList forms = sectionCaptions(editor->folderView()->formSection());
    const QStringList slips = sectionCaptions(editor->folderView()->slipSection());
    QVERIFY(forms.filter("T2125").size() == 1);

    // 5. Save, close, open again.
    {
        ModalDriver driver;
        ModalAction save;
        save.button = "Save";
        driver.queue(save);
        runDriven(driver, [w] { w->actionSaveReturn(); });
    }
    const QString file = path("Ann_Road.r25");
    QVERIFY(QFile::exists(file));
    QVERIFY(!editor->isModified());
    w->actionCloseReturn();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(w->openReturnCount(), 0);
    w->openReturnFile(file);

    // 6. The same tree, values and result lines; nothing modified.
    Form_Return *reopened = w->shownEditor();
    QVERIFY(reopened);
    QCOMPARE(sectionCaptions(reopened->folderView()->formSection()), forms);
    QCOMPARE(sectionCaptions(reopened->folderView()->slipSection()), slips);
    TaxData_Slip_T4 *t4Again = nullptr;
    for (TaxDataEntryStru *e : reopened->family()->taxpayer()->m_slipList) {
        if (e->type == SlipType::T4)
            t4Again = dynamic_cast<TaxData_Slip_T4 *>(e->data);
    }
    QVERIFY(t4Again);
    QCOMPARE(double(t4Again->box14), 52000.0);
    QCOMPARE(double(t4Again->box22), 7400.0);
    QCOMPARE(resultLines(reopened), linesAfterProvince);
    QVERIFY(!reopened->isModified());
    QCOMPARE(m_presenter->shownTexts(), QStringList());

    // 7. Quit with an unsaved change: Cancel keeps the program and the change; then Save.
    for (TaxDataEntryStru *e : reopened->family()->taxpayer()->m_slipList) {
        if (e->type == SlipType::T4)
            reopened->folderView()->selectEntry(FolderView::KindSlip, e->id);
    }
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    typeInto(reopened, "box14", "53000");
    QVERIFY(reopened->isModified());
    m_presenter->queueAnswer(QMessageBox::Cancel);
    m_fixture->action("actionQuit")->trigger();
    QCOMPARE(m_presenter->shownTexts().size(), 1);
    QVERIFY(w->isVisible());
    QCOMPARE(w->openReturnCount(), 1);
    QVERIFY(reopened->isModified());
    if (!screenshot.isEmpty())
        keepScreenshot(stepShot(screenshot, "quit-cancelled"));
    // Quit again and answer Save: the change is written and the return closed, as closing
    // the window does; a last Quit with nothing left to ask about ends the program.
    m_presenter->clear();
    m_presenter->queueAnswer(QMessageBox::Yes);
    m_fixture->action("actionQuit")->trigger();
    QCOMPARE(m_presenter->shownTexts().size(), 1);
    QCOMPARE(w->openReturnCount(), 0);
    if (!screenshot.isEmpty())
        keepScreenshot(stepShot(screenshot, "quit-saved"));
    m_presenter->clear();
    m_fixture->action("actionQuit")->trigger();
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    QVERIFY(!w->isVisible());
    w->openReturnFile(file);
    QVERIFY(w->shownEditor());
    for (TaxDataEntryStru *e : w->shownEditor()->family()->taxpayer()->m_slipList) {
        if (e->type == SlipType::T4)
            QCOMPARE(double(static_cast<TaxData_Slip_T4 *>(e->data)->box14), 53000.0);
    }
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

QV_TEST_MAIN(TestReturnCommands)
#include "tst_ReturnCommands.moc"
