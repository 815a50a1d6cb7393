// The print command end to end with the real print engine on a saved coupled return: the
// options chosen in the dialog, the PDF's folder and text, the retry in the local data folder,
// the after-print dialog and the single-form print with its e-delivery. One virtual machine per
// process: CTest runs each group of cases in a process of its own.
#include <QtTest>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>
#include <memory>

#include "EditorFixture.h"
#include "FileModes.h"
#include "LocalServer.h"
#include "PdfInfo.h"
#include "PrintReturns.h"
#include "ReturnFixture.h"
#include "ScriptedPresenter.h"
#include "TestEnvironment.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FieldDescriptions.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "print/CJavaPrintEngine.h"
#include "print/PrintOptions.h"
#include "print/PrintServices.h"
#include "print/PrintTitles.h"
#include "ui/FolderView.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"

namespace {
const char kTaxpayerSin[] = "046454286";
const char kSpouseSin[] = "130692544";

// The PDF's text lines as laid out, each with its runs of blanks made one blank; without blank
// lines and page breaks.
QStringList textLines(const QString &pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    if (!p.waitForFinished(60000))
        return {};
    QStringList lines;
    for (QString line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        line = line.remove('\f').simplified();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

// What a modal dialog of the print showed, and what the driver did with it.
struct SeenDialog
{
    QString title;
    QString link;  // the after-print dialog's link label
    QString email; // the e-mail it offered
};

struct DialogAction
{
    QMap<QString, bool> ticks;
    QString email; // typed into the after-print dialog when not null
    QString button;
};

// Answers the print's modal dialogs in turn: records them, ticks and types, presses a button.
// A dialog with no action left is recorded and rejected.
class PrintDialogDriver : public QObject
{
public:
    PrintDialogDriver()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &PrintDialogDriver::poll);
        m_timer.start();
    }
    void queue(const DialogAction &action) { m_actions.append(action); }
    int pending() const { return m_actions.size(); }
    const QList<SeenDialog> &seen() const { return m_seen; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (m_actions.isEmpty()) {
            // A dialog the case did not expect: recorded and closed, so the case fails at
            // once instead of waiting for its time-out.
            m_seen.append({"unexpected: " + modal->windowTitle(), QString(), QString()});
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            return;
        }
        const DialogAction action = m_actions.takeFirst();
        SeenDialog seen{modal->windowTitle(), QString(), QString()};
        if (auto *link = modal->findChild<QLabel *>("lblFileLink"))
            seen.link = link->text();
        auto *edit = modal->findChild<QLineEdit *>("edtToEmail");
        if (edit)
            seen.email = edit->text();
        m_seen.append(seen);
        for (auto it = action.ticks.begin(); it != action.ticks.end(); ++it) {
            if (auto *box = modal->findChild<QAbstractButton *>(it.key()))
                box->setChecked(it.value());
        }
        if (edit && !action.email.isNull())
            edit->setText(action.email);
        for (QAbstractButton *b : modal->findChildren<QAbstractButton *>()) {
            if (QString(b->text()).remove('&') == action.button) {
                b->click();
                return;
            }
        }
    }

    QTimer m_timer;
    QList<DialogAction> m_actions;
    QList<SeenDialog> m_seen;
};

// The line under every page's title: the person's name and masked S.I.N.
QString personLine(const char *first, const QString &sin)
{
    return QString::fromUtf8(first) + " Tremblay S.I.N. " + sin;
}

const QString kElise = personLine("Élise", "******286");
const QString kMarc = personLine("Marc", "******544");

// Chooses the person shown, as the user does in the editor's person box.
void showPerson(Form_Return *editor, PersonIndex person)
{
    auto *box = editor->findChild<QComboBox *>("comboBox");
    box->setCurrentIndex(box->findData(person));
}

DialogAction generate(const QMap<QString, bool> &ticks = {})
{
    return {ticks, QString(), "Generate Print"};
}

DialogAction closeDialog()
{
    return {{}, QString(), "Close"};
}

QString link(const QString &pdf)
{
    const QString url = QUrl::fromLocalFile(pdf).toString();
    return "<a href=\"" + url + "\">" + url + "</a>";
}
} // namespace

class TestPrintCommandEngine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Group "output".
    void neverSavedReturn();
    void failedSaveStopsThePrint();
    void wholeReturn_data();
    void wholeReturn();
    void currentFormOnly_data();
    void currentFormOnly();
    void condensedIgnoresTheOtherOptions();
    void pdfBesideTheReturn();
    void printedFilesArePrivate();
    void ontarioSingle();

    // Group "retry".
    void secondJobInLocalDataFolder();
    void bothJobsFail();
    void singleFormDelivered();
    void pdfFolderCannotBeMade();

    // Group "stub": the test engine, which names a PDF file it never writes.
    void missingFont();
    void zeroContentPdf();

private:
    Form_Return *openSaved(FamilyTaxData *family, const QString &name = "Tremblay 2025.r25");
    void triggerPrint();
    QStringList shown() const { return m_presenter->shownTexts(); }

    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
    std::unique_ptr<LocalServer> m_server;
    std::unique_ptr<PrintDialogDriver> m_driver;
    QString m_returnFile;
};

void TestPrintCommandEngine::initTestCase()
{
    installPrintServices(neighbourServices());
    CT1AppConfig &c = appInstance()->config;
    c.JVMPATH = CT1AppConfig::defaultJvmLibrary;
    c.JAVACLASSPATH = QCoreApplication::applicationDirPath() + "/mr.jar";
    c.PDFPATH = testEnvironment().root() + "/engine pdf";
    c.XMLPATH = testEnvironment().root() + "/engine xml";
    QVERIFY(QDir().mkpath(c.PDFPATH) && QDir().mkpath(c.XMLPATH));
}

void TestPrintCommandEngine::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    m_server = std::make_unique<LocalServer>();
    m_driver = std::make_unique<PrintDialogDriver>();
    QVERIFY(m_server->listen());
    TabWndApp *app = appInstance();
    CT1AppConfig &c = app->config;
    c.RetPdfPath = m_fixture->dir() + "/pdf out";
    c.PdfPathSameAsRet = 0;
    c.PrntClientLetter = 0;
    c.CustomizedClientLetter = false;
    c.SaveBackup = 0;
    c.VarnexaServer = QString::fromLatin1(m_server->url(""));
    c.VarnexaEmail = "preparer@example.com";
    c.VarnexaPswd = "s3cret";
    app->appLocalPath = m_fixture->dir() + "/local data";
    QVERIFY(QDir().mkpath(app->appLocalPath));
    m_returnFile = m_fixture->dir() + "/Tremblay 2025.r25";
}

void TestPrintCommandEngine::cleanup()
{
    m_driver.reset();
    m_fixture.reset();
    m_presenter.reset();
    m_server.reset();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

Form_Return *TestPrintCommandEngine::openSaved(FamilyTaxData *family, const QString &name)
{
    const QString path = m_fixture->dir() + "/" + name;
    if (saveReturnFile(*family, path, AppEdition) != 0)
        return nullptr;
    const QFileInfo file(path);
    MainWindow *w = m_fixture->window();
    w->addReturnPage(&file, family);
    Form_Return *editor = w->shownEditor();
    if (editor)
        showPerson(editor, PersonTaxpayer);
    return editor;
}

void TestPrintCommandEngine::triggerPrint()
{
    m_fixture->action("actionGenerate_Print_pdf_Files")->trigger();
}

void TestPrintCommandEngine::neverSavedReturn()
{
    m_fixture->window()->addReturnPage(nullptr, withoutErrors(EditorFixture::coupledReturn()));
    m_driver->queue(generate());
    triggerPrint();
    QCOMPARE(m_driver->pending(), 0);
    QCOMPARE(shown(), QStringList{"Please save tax return to a tax return file first by menu "
                                  "Start | Save or Start | Save As."});
    QVERIFY(CJavaPrintEngine::instance().isLoaded());
    QCOMPARE(QDir(appInstance()->config.RetPdfPath).entryList(QDir::Files), QStringList());
}

void TestPrintCommandEngine::failedSaveStopsThePrint()
{
    Form_Return *editor = openSaved(withoutErrors(EditorFixture::coupledReturn()));
    QVERIFY(editor);
    // A folder now stands where the return file must be written.
    QVERIFY(QFile::remove(m_returnFile));
    QVERIFY(QDir().mkpath(m_returnFile));
    m_driver->queue(generate());
    triggerPrint();
    QCOMPARE(shown(), QStringList{"The return file could not be saved to " + m_returnFile + "."});
    QCOMPARE(m_driver->seen().size(), 1);
    QCOMPARE(QDir(appInstance()->config.RetPdfPath).entryList(QDir::Files), QStringList());
    QCOMPARE(QDir(appInstance()->appLocalPath).entryList(QDir::Files), QStringList());
}

void TestPrintCommandEngine::wholeReturn_data()
{
    QTest::addColumn<bool>("spouse");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QString>("person"); // the line under each page's title
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("taxpayer, no option")
        << false << QStringList() << kElise << QStringList{"T1 General"}
        << QStringList{"Client letter", "Invoice", personLine("Élise", kTaxpayerSin)};
    QTest::newRow("taxpayer, client letter")
        << false << QStringList{"fld_ClientLetter"} << kElise
        << QStringList{"Client letter", "Dear Élise Tremblay,"} << QStringList{"Invoice"};
    QTest::newRow("taxpayer, invoice and full S.I.N.")
        << false << QStringList{"fld_Invoice", "fld_FullSIN"} << personLine("Élise", kTaxpayerSin)
        << QStringList{"Invoice", "Client: Élise Tremblay"} << QStringList{"Client letter", kElise};
    QTest::newRow("spouse, every option")
        << true << QStringList{"fld_ClientLetter", "fld_Invoice", "fld_FullSIN"}
        << personLine("Marc", kSpouseSin)
        << QStringList{"Client letter", "Dear Marc Tremblay,", "Invoice"} << QStringList{kMarc};
}

void TestPrintCommandEngine::wholeReturn()
{
    QFETCH(bool, spouse);
    QFETCH(QStringList, ticks);
    QFETCH(QString, person);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    FamilyTaxData *family = withoutErrors(EditorFixture::coupledReturn());
    auto *t1 = static_cast<TaxData_T1New *>(
        (spouse ? family->spouse() : family->taxpayer())->getForm(FormType::T1, 0, false));
    t1->email = spouse ? "" : "elise@example.org";
    t1->secondEmail = spouse ? "marc@example.org" : "";
    Form_Return *editor = openSaved(family);
    QVERIFY(editor);
    showPerson(editor, spouse ? PersonSpouse : PersonTaxpayer);
    QCOMPARE(family->getCurrentPersonIndex(), spouse ? PersonSpouse : PersonTaxpayer);
    QMap<QString, bool> boxes;
    for (const QString &name : ticks)
        boxes.insert(name, true);
    m_driver->queue(generate(boxes));
    m_driver->queue(closeDialog());
    triggerPrint();
    QCOMPARE(m_driver->pending(), 0);
    QCOMPARE(shown(), QStringList());

    const QString pdf =
        appInstance()->config.RetPdfPath + "/Tremblay 2025" + (spouse ? "_spouse" : "") + ".pdf";
    QCOMPARE(m_driver->seen().at(1).title, QString("Generate Printable Return File"));
    QCOMPARE(m_driver->seen().at(1).link, link(pdf));
    QCOMPARE(m_driver->seen().at(1).email,
             QString(spouse ? "marc@example.org" : "elise@example.org"));
    const QStringList lines = textLines(pdf);
    QCOMPARE(lines.mid(0, 2), (QStringList{"T1 Summary", person}));
    QCOMPARE(lines.count(person), pdfPageCount(pdf));
    for (const QString &line : present)
        QVERIFY2(lines.contains(line), qPrintable(line));
    for (const QString &line : absent)
        QVERIFY2(!lines.contains(line), qPrintable(line));
    // Each person's forms under that person's name alone.
    QCOMPARE(lines.filter(QRegularExpression("^(Élise|Marc) Tremblay S.I.N. ")).size(),
             pdfPageCount(pdf));
    // The hand-off beside the return is gone once the print is done.
    QVERIFY(!QFile::exists(m_returnFile + ".titles"));
    // Closed: nothing went to the e-delivery service.
    QCOMPARE(m_server->requests().size(), 0);
}

void TestPrintCommandEngine::currentFormOnly_data()
{
    QTest::addColumn<int>("kind");  // what is selected in the forms tree: 0 a form, 1 a slip
    QTest::addColumn<int>("index"); // which of the person's slips
    QTest::addColumn<QString>("title");
    QTest::newRow("Schedule 3 selected") << 0 << 0 << "Schedule 3";
    // A slip is passed as category 1 with entry id 0; the slip selected goes to the engine in
    // the hand-off, and it prints alone.
    QTest::newRow("T4 slip selected") << 1 << 0 << "T4 slip";
    QTest::newRow("T5 slip selected") << 1 << 1 << "T5 slip";
}

void TestPrintCommandEngine::currentFormOnly()
{
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(QString, title);
    FamilyTaxData *family = withoutErrors(EditorFixture::coupledReturn());
    IndividualTaxData &person = *family->taxpayer();
    const TaxDataEntryStru *entry =
        kind == 0 ? person.findFormEntry(FormType::SCH3, 0, false) : person.m_slipList.at(index);
    QVERIFY(entry);
    Form_Return *editor = openSaved(family);
    QVERIFY(editor);
    editor->folderView()->selectEntry(kind, entry->id);
    m_driver->queue(generate({{"fld_CurFormOnly", true}, {"fld_ClientLetter", true}}));
    m_driver->queue(closeDialog());
    triggerPrint();
    QCOMPARE(shown(), QStringList());
    const QString pdf = appInstance()->config.RetPdfPath + "/Tremblay 2025.pdf";
    const QStringList lines = textLines(pdf);
    QCOMPARE(lines.mid(0, 2), (QStringList{title, kElise}));
    // That item alone: every page is its own, with no letter.
    QCOMPARE(lines.count(title) + lines.count(title + " (continued)"), pdfPageCount(pdf));
    QVERIFY(!lines.contains("Client letter"));
}

void TestPrintCommandEngine::condensedIgnoresTheOtherOptions()
{
    appInstance()->config.CustomizedClientLetter = true;
    Form_Return *editor = openSaved(withoutErrors(EditorFixture::coupledReturn()));
    QVERIFY(editor);
    editor->folderView()->selectEntry(0,
                                      editor->family()->findFormEntry(FormType::T1, 0, false)->id);
    m_driver->queue(generate({{"fld_PrintOption_1", true},
                              {"fld_CurFormOnly", true},
                              {"fld_ClientLetter", true},
                              {"fld_Invoice", true},
                              {"fld_FullSIN", true}}));
    m_driver->queue(closeDialog());
    triggerPrint();
    QCOMPARE(shown(), QStringList());
    const QString pdf = appInstance()->config.RetPdfPath + "/Tremblay 2025.pdf";
    QCOMPARE(pdfPageCount(pdf), 1);
    // The summary page with the S.I.N. masked, no letter or invoice: the job had (1, 0, 0, 0, 0).
    const QStringList lines = textLines(pdf);
    QCOMPARE(lines.mid(0, 2), (QStringList{"T1 Summary", kElise}));
    QCOMPARE(m_server->requests().size(), 0);
    QVERIFY(!appInstance()->m_clientLetterFetched);
}

void TestPrintCommandEngine::pdfBesideTheReturn()
{
    appInstance()->config.PdfPathSameAsRet = 1;
    const QString returnFolder = m_fixture->dir() + "/returns";
    QVERIFY(QDir().mkpath(returnFolder));
    Form_Return *editor =
        openSaved(withoutErrors(EditorFixture::coupledReturn()), "returns/Tremblay 2025.r25");
    QVERIFY(editor);
    m_driver->queue(generate());
    m_driver->queue(closeDialog());
    triggerPrint();
    QCOMPARE(shown(), QStringList());
    const QString pdf = returnFolder + "/Tremblay 2025.pdf";
    QVERIFY(QFileInfo(pdf).size() > 0);
    QCOMPARE(m_driver->seen().at(1).link, link(pdf));
    // The RetPdfPath folder is made by the menu command, but holds nothing.
    QCOMPARE(QDir(appInstance()->config.RetPdfPath).entryList(QDir::Files), QStringList());
}

void TestPrintCommandEngine::printedFilesArePrivate()
{
    // A return and a PDF of an earlier print that others could read.
    Form_Return *editor = openSaved(withoutErrors(EditorFixture::coupledReturn()));
    QVERIFY(editor);
    const QString pdfFolder = appInstance()->config.RetPdfPath;
    const QString pdf = pdfFolder + "/Tremblay 2025.pdf";
    QVERIFY(QDir().mkpath(pdfFolder));
    QFile old(pdf);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();
    QVERIFY(setFileMode(pdf, 0644));
    QVERIFY(setFileMode(m_returnFile, 0644));
    m_driver->queue(generate());
    m_driver->queue(closeDialog());
    triggerPrint();
    QCOMPARE(shown(), QStringList());
    QVERIFY(QFileInfo(pdf).size() > 0);
    // The print saves the return first: both files are the user's alone.
    QCOMPARE(fileMode(pdf), 0600);
    QCOMPARE(fileMode(m_returnFile), 0600);
}

// A single Ontario return with a T4 and Schedule 7 prints as the forms read: numbered lines
// with their names and amounts, never the program's own fields or the file password.
void TestPrintCommandEngine::ontarioSingle()
{
    auto *family = new FamilyTaxData(0);
    ReturnFixture::fillSingleReturn(*family);
    IndividualTaxData &person = *family->taxpayer();
    static_cast<TaxData_Slip_T4 *>(person.m_slipList.first()->data)->box14 = 60000;
    person.getForm(FormType::SCH7, 0, true);
    person.m_password = "Maple2025";
    ReturnFixture::bringToLoadedState(*family);
    Form_Return *editor = openSaved(withoutErrors(family), "Nguyen 2025.r25");
    QVERIFY(editor);
    m_driver->queue(generate());
    m_driver->queue(closeDialog());
    triggerPrint();
    QCOMPARE(shown(), QStringList());
    const QStringList lines = textLines(appInstance()->config.RetPdfPath + "/Nguyen 2025.pdf");
    QVERIFY2(lines.contains("15000 Total income 60,000.00"), qPrintable(lines.join('\n')));
    QVERIFY(lines.contains("14 Employment income 60,000.00"));
    for (const char *block : {"T1 Summary", "T1 General", "Schedule 7", "T4 slip"})
        QVERIFY2(lines.contains(block), block);
    for (const char *line : {"42000", "42800", "43500", "48400"}) {
        const FieldDescription *d = fieldDescription(0, FormType::T1, line);
        QVERIFY2(d, line);
        const QString title = QString(d->title).remove(QRegularExpression("^Line [0-9]+: "));
        const QString start = QString(line) + " " + title;
        QVERIFY2(!lines
                      .filter(QRegularExpression("^" + QRegularExpression::escape(start) +
                                                 " -?[0-9,]+\\.[0-9]{2}$"))
                      .isEmpty(),
                 qPrintable(start));
    }
    const QString text = lines.join('\n');
    for (const char *own :
         {"statusInt1", "maritalStatus", "refundIndicator", "password", "Password", "Maple2025"})
        QVERIFY2(!text.contains(own), own);
}

void TestPrintCommandEngine::secondJobInLocalDataFolder()
{
    Form_Return *editor = openSaved(withoutErrors(EditorFixture::coupledReturn()));
    QVERIFY(editor);
    const QString blocked = appInstance()->config.RetPdfPath + "/Tremblay 2025.pdf";
    QVERIFY(QDir().mkpath(blocked));
    m_driver->queue(generate());
    m_driver->queue(closeDialog());
    triggerPrint();
    QCOMPARE(shown(), QStringList());
    const QString pdf = appInstance()->appLocalPath + "/Tremblay 2025.pdf";
    QCOMPARE(m_driver->seen().size(), 2);
    QCOMPARE(m_driver->seen().at(1).link, link(pdf));
    QCOMPARE(textLines(pdf).mid(0, 2), (QStringList{"T1 Summary", kElise}));
    QVERIFY(QFileInfo(blocked).isDir());
}

void TestPrintCommandEngine::bothJobsFail()
{
    Form_Return *editor = openSaved(withoutErrors(EditorFixture::coupledReturn()));
    QVERIFY(editor);
    QVERIFY(QDir().mkpath(appInstance()->config.RetPdfPath + "/Tremblay 2025.pdf"));
    QVERIFY(QDir().mkpath(appInstance()->appLocalPath + "/Tremblay 2025.pdf"));
    m_driver->queue(generate());
    triggerPrint();
    QCOMPARE(shown(), QStringList{"The output PDF file is now opened by another application, e.g. "
                                  "a PDF reader. Please close the PDF file and try generate PDF "
                                  "file again.\nor anti-virus software blocks pdf file "
                                  "generation., error code is -117."});
    QCOMPARE(m_presenter->shown().first().parent, editor);
    // No after-print dialog.
    QCOMPARE(m_driver->seen().size(), 1);
}

void TestPrintCommandEngine::singleFormDelivered()
{
    m_server->setResponse("/api/user/login",
                          LocalServer::Response::answer(200, "{\"access_token\":\"tok-77\"}"));
    m_server->setResponse("/api/signature-requests",
                          LocalServer::Response::answer(200, "{\"message\":\"Queued\"}"));
    FamilyTaxData *family = withoutErrors(EditorFixture::coupledReturn());
    family->addForm(FormType::T183, 0, true, 0, false);
    const TaxDataEntryStru *t183 = family->findFormEntry(FormType::T183, 0, false);
    QVERIFY(t183);
    Form_Return *editor = openSaved(family);
    QVERIFY(editor);
    // The person has no e-mail: the dialog opens empty; the first press warns.
    m_driver->queue({{}, QString(), "E-Delivery"});
    m_driver->queue({{}, "client@example.org", "E-Delivery"});
    m_fixture->action("actionSend_T183_for_E_Signature")->trigger();
    QCOMPARE(m_driver->pending(), 0);
    QCOMPARE(m_driver->seen().size(), 2);
    QCOMPARE(m_driver->seen().first().email, QString());
    const QString pdf = appInstance()->config.RetPdfPath + "/Tremblay 2025.pdf";
    QCOMPARE(m_driver->seen().first().link, link(pdf));
    QCOMPARE(pdfPageCount(pdf), 1);
    QCOMPARE(textLines(pdf).first(), QString("T183"));

    QCOMPARE(shown().first(), QString("Please make sure receiver's email is not empty and valid."));
    QCOMPARE(shown().last(), QString("Queued"));
    QList<LocalServer::Request> sent;
    for (const LocalServer::Request &r : m_server->requests())
        if (r.path == "/api/signature-requests")
            sent.append(r);
    QCOMPARE(sent.size(), 1);
    const QByteArray &body = sent.first().body;
    QVERIFY(body.contains("name=\"email\"\r\n\r\nclient@example.org\r\n"));
    QVERIFY(body.contains("name=\"form\"\r\n\r\nT1GEN\r\n"));
    QVERIFY(body.contains(QByteArray("name=\"licdata\"\r\n\r\n") + kTaxpayerSin + "\r\n"));
    QVERIFY(body.contains("filename=\"Tremblay 2025.pdf\""));
}

void TestPrintCommandEngine::pdfFolderCannotBeMade()
{
    // The single-form command does not pass the menu's folder check: a file stands where the
    // PDF folder must be.
    const QString retPdfPath = appInstance()->config.RetPdfPath;
    QFile blocker(retPdfPath);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    FamilyTaxData *family = withoutErrors(EditorFixture::coupledReturn());
    family->addForm(FormType::T183, 0, true, 0, false);
    Form_Return *editor = openSaved(family);
    QVERIFY(editor);
    QVERIFY(QFile::remove(m_returnFile));
    m_fixture->action("actionSend_T183_for_E_Signature")->trigger();
    QCOMPARE(m_presenter->shown().size(), 1);
    const ShownMessage &box = m_presenter->shown().first();
    QCOMPARE(box.title, QString("Quorvandelle 2025"));
    QCOMPARE(box.text, QString("Quorvandelle cannot open or create the file folder for printable "
                               "tax form (.pdf) file."));
    QCOMPARE(box.parent, nullptr);
    // Saved before the folder was chosen; nothing printed, no after-print dialog.
    QVERIFY(QFileInfo(m_returnFile).size() > 0);
    QVERIFY(QFileInfo(retPdfPath).isFile());
    QCOMPARE(QDir(appInstance()->appLocalPath).entryList(QDir::Files), QStringList());
    QCOMPARE(m_driver->seen().size(), 0);
}

// Without the font the engine embeds, no name could print as typed: the print stops with a
// message that names the file and its package.
void TestPrintCommandEngine::missingFont()
{
    appInstance()->config.JAVACLASSPATH =
        QCoreApplication::applicationDirPath() + "/testengine_full.jar";
    const QString fonts = printFontFolder();
    setPrintFontFolder(m_fixture->dir() + "/no fonts");
    Form_Return *editor = openSaved(withoutErrors(EditorFixture::coupledReturn()));
    QVERIFY(editor);
    m_driver->queue(generate());
    triggerPrint();
    setPrintFontFolder(fonts);
    QCOMPARE(shown(), QStringList{"The print font " + m_fixture->dir() +
                                  "/no fonts/DejaVuSans.ttf is missing. Install the package "
                                  "fonts-dejavu-core, then generate the print again."});
    QCOMPARE(m_presenter->shown().first().parent, editor);
    QCOMPARE(m_driver->seen().size(), 1);
    QCOMPARE(QDir(appInstance()->config.RetPdfPath).entryList(QDir::Files), QStringList());
    QVERIFY(!QFile::exists(m_returnFile + ".titles"));
}

// The engine reports success and a PDF name, but no such file was written.
void TestPrintCommandEngine::zeroContentPdf()
{
    appInstance()->config.JAVACLASSPATH =
        QCoreApplication::applicationDirPath() + "/testengine_full.jar";
    Form_Return *editor = openSaved(withoutErrors(EditorFixture::coupledReturn()));
    QVERIFY(editor);
    m_driver->queue(generate());
    triggerPrint();
    const QString folder = appInstance()->config.RetPdfPath;
    QVERIFY(QFileInfo(folder + "/calls.txt").isFile()); // the test engine ran the job
    QVERIFY(!QFile::exists(folder + "/stub.pdf"));
    QCOMPARE(shown(), QStringList{"PDF file is created with zero content, usually it means "
                                  "anti-virus software blocks file generation."});
    QCOMPARE(m_presenter->shown().first().parent, nullptr);
    // No after-print dialog.
    QCOMPARE(m_driver->seen().size(), 1);
}

QV_TEST_MAIN(TestPrintCommandEngine)
#include "tst_PrintCommandEngine.moc"
