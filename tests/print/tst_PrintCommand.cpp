// The print command without a Java virtual machine: the print options dialog, the after-print
// dialog, the option flags word, the failure texts, and the command road up to the engine (the
// checks, the options, the client-letter fetch and the single-form print).
#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "EditorFixture.h"
#include "LocalServer.h"
#include "ModalDriver.h"
#include "PrintReturns.h"
#include "ScriptedPresenter.h"
#include "TestCertificates.h"
#include "TestEnvironment.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "print/CJavaPrintEngine.h"
#include "print/DlgPrintOption_Info.h"
#include "print/DlgVarnexaAfterPrint.h"
#include "print/PrintCommands.h"
#include "print/PrintOptions.h"
#include "print/PrintServices.h"
#include "ui/FolderView.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"

namespace {
const char kNoEngine[] = "Print environment error, error code is -21.";
const char kStillPrint[] =
    "Do you still want to generate the printable file? Click 'Yes' button to continue print.";
const char kBadEmail[] = "Please make sure receiver's email is not empty and valid.";
const char kTokenReply[] = "{\"access_token\":\"tok-77\"}";

QList<int> storedOptions()
{
    return {PrintOptions::condensedBarcode, PrintOptions::currentFormOnly,
            PrintOptions::clientLetter, PrintOptions::fullSin, PrintOptions::invoice};
}

void setOptions(const QList<int> &values)
{
    PrintOptions::condensedBarcode = values[0];
    PrintOptions::currentFormOnly = values[1];
    PrintOptions::clientLetter = values[2];
    PrintOptions::fullSin = values[3];
    PrintOptions::invoice = values[4];
}

template <typename T> T *child(QWidget *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(name);
    if (!widget)
        qWarning("no widget %s", name);
    return widget;
}
} // namespace

class TestPrintCommand : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void flagsWord_data();
    void flagsWord();
    void failureMessage_data();
    void failureMessage();

    void optionsDialogOpens_data();
    void optionsDialogOpens();
    void optionsDialogStores_data();
    void optionsDialogStores();
    void optionsDialogCancelStoresNothing();

    void afterPrintDialogOpens_data();
    void afterPrintDialogOpens();
    void afterPrintDelivery_data();
    void afterPrintDelivery();
    void afterPrintCloseSendsNothing_data();
    void afterPrintCloseSendsNothing();

    void cancelledOptionsPrintNothing();
    void validationErrorsAnsweredNo();
    void unsavedReturnWithoutEngine();
    void condensedPrintFetchesNothing();
    void clientLetterFetchedOncePerRun_data();
    void clientLetterFetchedOncePerRun();
    void testingModeShowsTheChoice_data();
    void testingModeShowsTheChoice();
    void missingFormForSignature_data();
    void missingFormForSignature();

private:
    Form_Return *openEditor(FamilyTaxData *family);
    void triggerPrint();
    QStringList shown() const { return m_presenter->shownTexts(); }

    QTemporaryDir m_certDir;
    TestCertificates m_certs;
    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
    std::unique_ptr<LocalServer> m_server;
};

void TestPrintCommand::initTestCase()
{
    installPrintServices(neighbourServices());
    // The client-letter template comes only over https: the service is played over HTTPS with
    // a test authority that the process's clients trust.
    QVERIFY(m_certDir.isValid());
    QVERIFY2(m_certs.create(m_certDir.path()), qPrintable(m_certs.errorString()));
    QSslConfiguration::setDefaultConfiguration(m_certs.clientConfiguration());
}

void TestPrintCommand::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    m_server = std::make_unique<LocalServer>();
    QVERIFY(m_server->listen(m_certs.serverConfiguration()));
    CT1AppConfig &c = appInstance()->config;
    // No virtual machine starts in this process: the engine fails to load with -21.
    c.JVMPATH = testEnvironment().root() + "/no-jvm/libjvm.so";
    c.RetPdfPath = m_fixture->dir() + "/pdf out";
    c.PDFPATH = m_fixture->dir() + "/engine pdf";
    c.XMLPATH = m_fixture->dir() + "/engine xml";
    c.PrntClientLetter = 0;
    c.PdfPathSameAsRet = 0;
    c.CustomizedClientLetter = false;
    c.MODEDEBUG = false;
    c.EnableGenPrint = false;
    c.SaveBackup = 0;
    c.VarnexaServer = QString::fromLatin1(m_server->url(""));
    c.VarnexaEmail = "preparer@example.com";
    c.VarnexaPswd = "s3cret";
    c.CustomizedClientLetter_Ver = 0;
    appInstance()->m_clientLetterFetched = false;
    setOptions({0, 0, -1, 0, 0});
}

void TestPrintCommand::cleanup()
{
    m_fixture.reset();
    m_presenter.reset();
    m_server.reset();
    QVERIFY(!CJavaPrintEngine::instance().isLoaded());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

Form_Return *TestPrintCommand::openEditor(FamilyTaxData *family)
{
    MainWindow *w = m_fixture->window();
    w->addReturnPage(nullptr, family);
    return w->shownEditor();
}

void TestPrintCommand::triggerPrint()
{
    m_fixture->action("actionGenerate_Print_pdf_Files")->trigger();
}

// ---- pure rules

void TestPrintCommand::flagsWord_data()
{
    QTest::addColumn<int>("letter");
    QTest::addColumn<int>("invoice");
    QTest::addColumn<int>("fullSin");
    QTest::addColumn<int>("word");
    QTest::newRow("nothing") << 0 << 0 << 0 << 0;
    QTest::newRow("client letter") << 1 << 0 << 0 << 36;
    QTest::newRow("invoice") << 0 << 1 << 0 << 8;
    QTest::newRow("full S.I.N.") << 0 << 0 << 1 << 16;
    QTest::newRow("all three") << 1 << 1 << 1 << 60;
    QTest::newRow("invoice and S.I.N.") << 0 << 1 << 1 << 24;
    QTest::newRow("letter at its start value") << -1 << 0 << 0 << 0;
    QTest::newRow("letter other than 1") << 2 << 1 << 0 << 8;
}

void TestPrintCommand::flagsWord()
{
    QFETCH(int, letter);
    QFETCH(int, invoice);
    QFETCH(int, fullSin);
    // The condensed and current-form choices are not part of the word.
    setOptions({1, 1, letter, fullSin, invoice});
    QTEST(PrintOptions::flagsWord(), "word");
}

void TestPrintCommand::failureMessage_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("-116") << -116
                          << "Quorvandelle cannot generate .pdf file, check if output folder "
                             "pathname contains non-English characters., error code is -116.";
    QTest::newRow("-117") << -117
                          << "The output PDF file is now opened by another application, e.g. a "
                             "PDF reader. Please close the PDF file and try generate PDF file "
                             "again.\nor anti-virus software blocks pdf file generation., error "
                             "code is -117.";
    QTest::newRow("engine exception") << -140 << "Print error happend, error code is -140.";
    QTest::newRow("no method") << -103 << "Print error happend, error code is -103.";
    QTest::newRow("positive") << 5 << "Print error happend, error code is 5.";
}

void TestPrintCommand::failureMessage()
{
    QFETCH(int, code);
    QTEST(printFailureMessage(code), "message");
}

// ---- the print options dialog

void TestPrintCommand::optionsDialogOpens_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<bool>("condensedAllowed");
    QTest::addColumn<bool>("letterChecked");
    QTest::addColumn<QString>("condensedText");
    QTest::newRow("letter set") << 1 << true << true
                                << "Condensed Barcode Print (Paper Filing to CRA)";
    QTest::newRow("letter not set")
        << 0 << true << false << "Condensed Barcode Print (Paper Filing to CRA)";
    QTest::newRow("condensed not allowed")
        << 1 << false << true << "Condensed print, not applicable";
}

void TestPrintCommand::optionsDialogOpens()
{
    QFETCH(int, setting);
    QFETCH(bool, condensedAllowed);
    appInstance()->config.PrntClientLetter = setting;
    // Earlier choices are not shown again.
    setOptions({1, 1, 0, 1, 1});
    DlgPrintOption_Info dialog(condensedAllowed, nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Print Options"));
    QCOMPARE(dialog.size(), QSize(613, 370));
    QCOMPARE(PrintOptions::clientLetter, setting);
    QVERIFY(child<QRadioButton>(&dialog, "fld_PrintOption_0")->isChecked());
    auto *condensed = child<QRadioButton>(&dialog, "fld_PrintOption_1");
    QVERIFY(!condensed->isChecked());
    QCOMPARE(condensed->isEnabled(), condensedAllowed);
    QTEST(condensed->text(), "condensedText");
    QTEST(child<QCheckBox>(&dialog, "fld_ClientLetter")->isChecked(), "letterChecked");
    for (const char *name :
         {"fld_CurFormOnly", "fld_EngagementCover", "fld_Invoice", "fld_FullSIN"})
        QVERIFY2(!child<QCheckBox>(&dialog, name)->isChecked(), name);
    auto *print = child<QPushButton>(&dialog, "btnPrint");
    QCOMPARE(print->text(), QString("Generate Print"));
    QVERIFY(print->isDefault());
    QCOMPARE(child<QPushButton>(&dialog, "btnCancel")->text(), QString("Cancel"));
}

void TestPrintCommand::optionsDialogStores_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QList<int>>("stored"); // condensed, current form, letter, S.I.N., invoice
    QTest::newRow("as opened") << QStringList() << QList<int>{0, 0, 1, 0, 0};
    QTest::newRow("letter unticked")
        << QStringList{"fld_ClientLetter"} << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("every box") << QStringList{"fld_CurFormOnly", "fld_FullSIN", "fld_Invoice",
                                              "fld_EngagementCover"}
                               << QList<int>{0, 1, 1, 1, 1};
    // The boxes stay as they are; the print command ignores them for a condensed print.
    QTest::newRow("condensed") << QStringList{"fld_PrintOption_1", "fld_Invoice"}
                               << QList<int>{1, 0, 1, 0, 1};
}

void TestPrintCommand::optionsDialogStores()
{
    QFETCH(QStringList, ticks);
    appInstance()->config.PrntClientLetter = 1;
    {
        DlgPrintOption_Info dialog(true, nullptr);
        dialog.show();
        for (const QString &name : ticks)
            dialog.findChild<QAbstractButton *>(name)->click();
        QTest::mouseClick(child<QPushButton>(&dialog, "btnPrint"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QTEST(storedOptions(), "stored");
    }
    // The letter is unticked for that print only: the next dialog starts from the setting.
    DlgPrintOption_Info next(true, nullptr);
    QCOMPARE(PrintOptions::clientLetter, 1);
    QVERIFY(child<QCheckBox>(&next, "fld_ClientLetter")->isChecked());
}

void TestPrintCommand::optionsDialogCancelStoresNothing()
{
    appInstance()->config.PrntClientLetter = 1;
    setOptions({0, 1, 0, 0, 1});
    DlgPrintOption_Info dialog(true, nullptr);
    dialog.show();
    for (const char *name :
         {"fld_PrintOption_1", "fld_CurFormOnly", "fld_ClientLetter", "fld_FullSIN", "fld_Invoice"})
        dialog.findChild<QAbstractButton *>(name)->click();
    QTest::mouseClick(child<QPushButton>(&dialog, "btnCancel"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    // The letter as the dialog set it from the setting, the rest as they were.
    QCOMPARE(storedOptions(), (QList<int>{0, 1, 1, 0, 1}));
}

// ---- the after-print dialog

void TestPrintCommand::afterPrintDialogOpens_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("linkText");
    QTest::newRow("with e-mail") << "file:///data/pdf/Tremblay 2025.pdf"
                                 << "elise@example.org"
                                 << "<a href=\"file:///data/pdf/Tremblay 2025.pdf\">"
                                    "file:///data/pdf/Tremblay 2025.pdf</a>";
    QTest::newRow("without e-mail") << "file:///tmp/a.pdf"
                                    << ""
                                    << "<a href=\"file:///tmp/a.pdf\">file:///tmp/a.pdf</a>";
    QTest::newRow("ampersand in the name")
        << "file:///tmp/R&D <1>.pdf"
        << ""
        << "<a href=\"file:///tmp/R&amp;D &lt;1&gt;.pdf\">file:///tmp/R&amp;D &lt;1&gt;.pdf</a>";
}

void TestPrintCommand::afterPrintDialogOpens()
{
    QFETCH(QString, url);
    QFETCH(QString, email);
    DlgVarnexaAfterPrint dialog(url, email, nullptr);
    QCOMPARE(dialog.size(), QSize(645, 340));
    QCOMPARE(dialog.windowTitle(), QString("Dialog"));
    auto *link = child<QLabel>(&dialog, "lblFileLink");
    QTEST(link->text(), "linkText");
    QCOMPARE(link->textFormat(), Qt::RichText);
    QVERIFY(link->openExternalLinks());
    QCOMPARE(link->textInteractionFlags(), Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse |
                                               Qt::LinksAccessibleByKeyboard);
    QCOMPARE(child<QLineEdit>(&dialog, "edtToEmail")->text(), email);
    QCOMPARE(dialog.receiverEmail(), email);
    QVERIFY(child<QLabel>(&dialog, "label")->text().contains("open this file in a PDF reader;"));
    auto *box = child<QDialogButtonBox>(&dialog, "buttonBox");
    QCOMPARE(box->button(QDialogButtonBox::Ok)->text(), QString("E-Delivery"));
    QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), QString("Close"));
    QVERIFY(box->button(QDialogButtonBox::Cancel)->isDefault());
    QVERIFY(!box->button(QDialogButtonBox::Ok)->isDefault());
}

void TestPrintCommand::afterPrintDelivery_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QStringList>("typed"); // one entry per press of "E-Delivery"
    QTest::addColumn<int>("warnings");
    QTest::addColumn<QString>("receiver");
    QTest::newRow("offered address")
        << "elise@example.org" << QStringList{QString()} << 0 << "elise@example.org";
    QTest::newRow("empty, then corrected")
        << "" << QStringList{"", "marc@example.org"} << 1 << "marc@example.org";
    QTest::newRow("invalid, then corrected")
        << "elise@example.org" << QStringList{"elise at example", "no-at.example.org", "e@x.ca"}
        << 2 << "e@x.ca";
}

void TestPrintCommand::afterPrintDelivery()
{
    QFETCH(QString, offered);
    QFETCH(QStringList, typed);
    QFETCH(int, warnings);
    DlgVarnexaAfterPrint dialog("file:///tmp/a.pdf", offered, nullptr);
    dialog.show();
    auto *edit = child<QLineEdit>(&dialog, "edtToEmail");
    QPushButton *send = child<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Ok);
    for (int i = 0; i < typed.size(); ++i) {
        if (!typed[i].isNull())
            edit->setText(typed[i]);
        QTest::mouseClick(send, Qt::LeftButton);
        // Each refused address warns and keeps the dialog open.
        QCOMPARE(dialog.isVisible(), i + 1 < typed.size());
    }
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QTEST(dialog.receiverEmail(), "receiver");
    QCOMPARE(m_presenter->shown().size(), warnings);
    for (const ShownMessage &m : m_presenter->shown()) {
        QCOMPARE(m.kind, QString("warning"));
        QCOMPARE(m.title, QString("Warnings"));
        QCOMPARE(m.text, QString(kBadEmail));
    }
}

void TestPrintCommand::afterPrintCloseSendsNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close") << "close";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("Enter presses the default Close") << "enter";
    QTest::newRow("window closed") << "window";
}

void TestPrintCommand::afterPrintCloseSendsNothing()
{
    QFETCH(QString, how);
    DlgVarnexaAfterPrint dialog("file:///tmp/a.pdf", "bad address", nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (how == "close")
        QTest::mouseClick(
            child<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Cancel),
            Qt::LeftButton);
    else if (how == "escape")
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else if (how == "enter")
        QTest::keyClick(child<QLineEdit>(&dialog, "edtToEmail"), Qt::Key_Return);
    else
        dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    // Nothing was checked, so nothing warned.
    QCOMPARE(shown(), QStringList());
}

// ---- the command road up to the engine

void TestPrintCommand::cancelledOptionsPrintNothing()
{
    openEditor(withoutErrors(EditorFixture::singleReturn()));
    ModalDriver driver;
    driver.pressButton("Cancel");
    triggerPrint();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(driver.seen().size(), 1);
    QCOMPARE(driver.seen().first().title, QString("Print Options"));
    // No engine load was tried, so no environment error.
    QCOMPARE(shown(), QStringList());
    QVERIFY(QFileInfo(appInstance()->config.RetPdfPath).isDir());
}

void TestPrintCommand::validationErrorsAnsweredNo()
{
    FamilyTaxData *family = EditorFixture::singleReturn();
    static_cast<TaxData_T1New *>(family->getForm(FormType::T1, false))->sin = QString();
    // A review error: the T4 marked as placement-agency income without the matching business
    // income (a T4 is ordinary employment unless marked).
    for (TaxDataEntryStru *slip : family->taxpayer()->m_slipList) {
        if (auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(slip->data))
            t4->employmentKind = 0;
    }
    family->Recalculate(-1, nullptr);
    openEditor(family);
    ModalDriver driver;
    m_presenter->queueAnswer(QMessageBox::No); // view the validation errors?
    m_presenter->queueAnswer(QMessageBox::No); // print anyway?
    triggerPrint();
    QCOMPARE(shown(), (QStringList{"This return contains validation errors. Do you want to view "
                                   "the validation errors?",
                                   kStillPrint}));
    QCOMPARE(driver.seen().size(), 0);
}

void TestPrintCommand::unsavedReturnWithoutEngine()
{
    Form_Return *editor = openEditor(withoutErrors(EditorFixture::singleReturn()));
    QVERIFY(!editor->hasFileName());
    ModalDriver driver;
    driver.pressButton("Generate Print");
    triggerPrint();
    QCOMPARE(driver.seen().size(), 1);
    // The engine is loaded before the save check, so its error comes first and alone.
    QCOMPARE(shown(), QStringList{kNoEngine});
    QCOMPARE(m_presenter->shown().first().parent, appInstance()->mainWindow);

    // The next print tries to load the engine again.
    m_presenter->clear();
    editor->printToPdf(0, 0, 0, 0, 0);
    QCOMPARE(shown(), QStringList{kNoEngine});
}

void TestPrintCommand::condensedPrintFetchesNothing()
{
    CT1AppConfig &c = appInstance()->config;
    c.CustomizedClientLetter = true;
    openEditor(withoutErrors(EditorFixture::singleReturn()));
    ModalDriver driver;
    driver.queue(ModalAction{{},
                             {{"fld_PrintOption_1", true},
                              {"fld_ClientLetter", true},
                              {"fld_Invoice", true},
                              {"fld_CurFormOnly", true}},
                             "Generate Print"});
    triggerPrint();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(shown(), QStringList{kNoEngine});
    QCOMPARE(m_server->requests().size(), 0);
    QVERIFY(!appInstance()->m_clientLetterFetched);
    QCOMPARE(storedOptions(), (QList<int>{1, 1, 1, 0, 1}));
}

void TestPrintCommand::clientLetterFetchedOncePerRun_data()
{
    QTest::addColumn<int>("loginStatus");
    QTest::addColumn<QStringList>("firstShown");
    QTest::addColumn<QStringList>("paths"); // requests of the first print
    QTest::newRow("template deployed")
        << 200 << QStringList{"Customized client letter is deployed!", kNoEngine}
        << QStringList{"/api/user/login", "/api/templates/latest", "/files/letter.pdf",
                       "/files/letter.xml"};
    QTest::newRow("login refused")
        << 500
        << QStringList{"The login into the Varnexa service failed. Check the Varnexa email and "
                       "password in the preferences.",
                       kNoEngine}
        << QStringList{"/api/user/login"};
}

void TestPrintCommand::clientLetterFetchedOncePerRun()
{
    QFETCH(int, loginStatus);
    CT1AppConfig &c = appInstance()->config;
    c.CustomizedClientLetter = true;
    QVERIFY(QDir().mkpath(c.PDFPATH) && QDir().mkpath(c.XMLPATH));
    const QByteArray offer = "{\"success\":true,\"data\":[{\"template_version\":4,"
                             "\"template_pdf_url\":\"" +
                             m_server->url("/files/letter.pdf") + "\",\"template_xml_url\":\"" +
                             m_server->url("/files/letter.xml") + "\"}]}";
    m_server->setResponse("/api/user/login",
                          LocalServer::Response::answer(loginStatus, kTokenReply));
    m_server->setResponse("/api/templates/latest", LocalServer::Response::answer(200, offer));
    m_server->setResponse("/files/letter.pdf", LocalServer::Response::answer(200, "new pdf"));
    m_server->setResponse("/files/letter.xml", LocalServer::Response::answer(200, "<new/>"));
    openEditor(withoutErrors(EditorFixture::singleReturn()));

    ModalDriver driver;
    driver.pressButton("Generate Print");
    triggerPrint();
    QTEST(shown(), "firstShown");
    QStringList paths;
    for (const LocalServer::Request &r : m_server->requests())
        paths << QString::fromLatin1(r.path);
    QTEST(paths, "paths");
    QVERIFY(appInstance()->m_clientLetterFetched);

    // Later prints of the run, condensed or not, leave the service alone.
    m_presenter->clear();
    driver.pressButton("Generate Print");
    triggerPrint();
    QCOMPARE(shown(), QStringList{kNoEngine});
    QCOMPARE(m_server->requests().size(), paths.size());
}

void TestPrintCommand::testingModeShowsTheChoice_data()
{
    QTest::addColumn<bool>("currentFormOnly");
    QTest::addColumn<int>("select"); // 0 nothing, 1 the T1, 2 the first slip
    QTest::addColumn<QString>("text");
    QTest::newRow("whole return") << false << 2 << "print category - 0 formtype 0 formid 0";
    QTest::newRow("a slip selected") << true << 2 << "print category - 1 formtype {slip} formid 0";
    QTest::newRow("a form selected") << true << 1 << "print category - 0 formtype 1 formid {T1}";
    QTest::newRow("nothing selected") << true << 0 << "print category - -1 formtype 0 formid 0";
}

void TestPrintCommand::testingModeShowsTheChoice()
{
    QFETCH(bool, currentFormOnly);
    QFETCH(int, select);
    QFETCH(QString, text);
    CT1AppConfig &c = appInstance()->config;
    c.MODEDEBUG = true;
    c.EnableGenPrint = true;
    FamilyTaxData *family = withoutErrors(EditorFixture::singleReturn());
    const TaxDataEntryStru *slip = family->getCurrentPersonData()->m_slipList.first();
    const TaxDataEntryStru *t1 = family->findFormEntry(FormType::T1, 0, false);
    Form_Return *editor = openEditor(family);
    FolderView *tree = editor->folderView();
    tree->clearSelection();
    tree->setCurrentItem(nullptr);
    if (select == 1)
        tree->selectEntry(0, t1->id);
    if (select == 2)
        tree->selectEntry(1, slip->id);
    ModalDriver driver;
    driver.queue(ModalAction{{}, {{"fld_CurFormOnly", currentFormOnly}}, "Generate Print"});
    triggerPrint();
    text.replace("{slip}", QString::number(slip->type)).replace("{T1}", QString::number(t1->id));
    QCOMPARE(shown(), (QStringList{text, kNoEngine}));
    QCOMPARE(m_presenter->shown().first().parent, editor);
}

void TestPrintCommand::missingFormForSignature_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("formType");
    QTest::addColumn<int>("copies");
    QTest::addColumn<QString>("text");
    QTest::newRow("T183 missing") << "actionSend_T183_for_E_Signature" << FormType::T183 << 0
                                  << "Form[T183] is not in the tax return.";
    // The editor's event road (the menu command exists in the other edition only).
    QTest::newRow("RC71 missing") << "" << FormType::RC71 << 0
                                  << "Form[RC71] is not in the tax return.";
    QTest::newRow("two T183") << "actionSend_T183_for_E_Signature" << FormType::T183 << 2
                              << "Form[T183] is not in the tax return.";
    // With the form present it goes on to the print, which here cannot load the engine.
    QTest::newRow("one T183") << "actionSend_T183_for_E_Signature" << FormType::T183 << 1
                              << kNoEngine;
}

void TestPrintCommand::missingFormForSignature()
{
    QFETCH(int, formType);
    QFETCH(int, copies);
    FamilyTaxData *family = withoutErrors(EditorFixture::singleReturn());
    for (int i = 0; i < copies; ++i)
        family->addForm(formType, 0, true, 0, false);
    Form_Return *editor = openEditor(family);
    QFETCH(QString, action);
    if (action.isEmpty())
        editor->requestSignature(formType, "Send RC71 for E-Signature");
    else
        m_fixture->action(action.toLatin1().constData())->trigger();
    QFETCH(QString, text);
    QCOMPARE(shown(), QStringList{text});
    QCOMPARE(m_presenter->shown().first().parent, appInstance()->mainWindow);
}

QV_TEST_MAIN(TestPrintCommand)
#include "tst_PrintCommand.moc"
