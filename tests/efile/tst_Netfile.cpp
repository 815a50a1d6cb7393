// The NETFILE command end to end on a saved return: its gates in order, one submission to a real
// HTTPS server on 127.0.0.1, and what the return file, the database and the filing log keep of
// each outcome; the submission dialog's EFILE road and the filing wizard pages.
#include "EditorFixture.h"
#include "LocalServer.h"
#include "ModalDriver.h"
#include "ScriptedPresenter.h"
#include "TestCertificates.h"
#include "TestMain.h"

#include "app/TabWndApp.h"
#include "efile/CNetfileResultDlg.h"
#include "efile/DataPpgSignupEmail.h"
#include "efile/FilingServices.h"
#include "efile/PpgAfterNetfile_tab1.h"
#include "efile/PpgSignupEmail_tab1.h"
#include "marrow/CSharableTaxData_Form.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/Clock.h"
#include "ordane/QWebClient.h"
#include "ordane/Utilities.h"
#include "ordane/WizardBase.h"
#include "print/PrintServices.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTextBrowser>
#include <QTimer>

Q_DECLARE_METATYPE(LocalServer::Response)
Q_DECLARE_METATYPE(QList<ModalAction>)

namespace {

const QByteArray kNetfilePath = "/ebci/pfno/ws/services/FileReturnService";
const QByteArray kEfilePath = "/ebci/pfeo/ws/services/FileReturnService";
const char *const kDialogTitle = "NetFile Tax Return to CRA";
const char *const kFullName = "Ana Tremblay";

QByteArray envelope(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope "
           "xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\"><soapenv:Body>" +
           body + "</soapenv:Body></soapenv:Envelope>";
}

QByteArray termsReply()
{
    return envelope("<t1rsp:TermsAndConditionsResponse><t1rsp:TermsAndConditions>"
                    "<t1rsp:EnglishMessage><t1rsp:MessageText>I agree</t1rsp:MessageText>"
                    "<t1rsp:Hyperlink><t1rsp:HyperlinkText>Terms</t1rsp:HyperlinkText>"
                    "<t1rsp:HyperlinkTarget>https://a.example/terms</t1rsp:HyperlinkTarget>"
                    "</t1rsp:Hyperlink></t1rsp:EnglishMessage></t1rsp:TermsAndConditions>"
                    "</t1rsp:TermsAndConditionsResponse>");
}

QByteArray returnReply(const QByteArray &inner)
{
    return envelope("<t1rsp:NetfileReturnResponse><ResultCode>0</ResultCode>"
                    "<t1rsp:FileReturnResponse>" +
                    inner + "</t1rsp:FileReturnResponse></t1rsp:NetfileReturnResponse>");
}

QByteArray acceptedReply(const QByteArray &code)
{
    return returnReply("<t1rsp:Confirmation><t1rsp:ConfirmationCode>" + code +
                       "</t1rsp:ConfirmationCode><t1rsp:EnglishMessage><t1rsp:MessageText>Filed"
                       "</t1rsp:MessageText></t1rsp:EnglishMessage></t1rsp:Confirmation>");
}

const QByteArray kRejectedReply =
    returnReply("<t1rsp:Rejection><t1rsp:EnglishMessage><t1rsp:MessageText>Refused"
                "</t1rsp:MessageText></t1rsp:EnglishMessage></t1rsp:Rejection>");
const QByteArray kFaultReply =
    envelope("<soapenv:Fault><faultcode>soapenv:Server</faultcode><faultstring>Busy"
             "</faultstring></soapenv:Fault>");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TaxData_T1New *t1Of(FamilyTaxData *family)
{
    return dynamic_cast<TaxData_T1New *>(family->taxpayer()->getForm(FormType::T1, 0, false));
}

ModalAction press(const QString &button)
{
    ModalAction action;
    action.button = button;
    return action;
}

ModalAction agree()
{
    ModalAction action;
    action.ticks.insert("fld_bAgree", true);
    action.button = "OK";
    return action;
}

ModalAction choose(const char *radio, const QString &button)
{
    ModalAction action;
    action.ticks.insert(radio, true);
    action.button = button;
    return action;
}

// The history rows as "event|msg|time is null".
QStringList historyRows()
{
    QStringList rows;
    QSqlQuery q("select eventid, msg, event_time is null from tb_history order by id");
    while (q.next())
        rows.append(QStringLiteral("%1|%2|%3")
                        .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString()));
    return rows;
}

QStringList taxpayerRows()
{
    QStringList rows;
    QSqlQuery q("select sin, name, phone, email from tb_taxpayers order by id");
    while (q.next())
        rows.append(QStringLiteral("%1|%2|%3|%4")
                        .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                             q.value(3).toString()));
    return rows;
}

QByteArray returnElement(const QByteArray &text)
{
    const int start = text.indexOf("<t1:T1Return");
    const int end = text.indexOf("</t1:T1Return>");
    if (start < 0 || end < start)
        return QByteArray();
    return text.mid(start, end + int(qstrlen("</t1:T1Return>")) - start);
}

// The fixture's one T4 slip; its id follows the forms' ids.
TaxData_Slip_T4 *firstT4(FamilyTaxData *family)
{
    for (int id = 0; id < 1000; ++id) {
        if (auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(family->taxpayer()->getSlip(1, id, false)))
            return t4;
    }
    return nullptr;
}

// What the result dialogs showed: "heading|body text|line|link".
struct ResultRecorder
{
    QStringList results;
    QStringList wizards; // the visible rows' link labels of after-filing pages
    void inspect(QWidget *modal)
    {
        if (modal->objectName() == "DlgFilingResult") {
            results.append(modal->findChild<QLabel *>("lblOverview")->text() + '|' +
                           modal->findChild<QTextBrowser *>("pteDetails")->toPlainText() + '|' +
                           modal->findChild<QLabel *>("lblBottom")->text() + '|' +
                           modal->findChild<QLabel *>("lblLink")->text());
        } else if (auto *wizard = qobject_cast<QWizard *>(modal)) {
            QStringList shown;
            for (QLabel *label : wizard->findChildren<QLabel *>()) {
                if (label->objectName().startsWith("line") && !label->isHidden() &&
                    label->text().startsWith("<a"))
                    shown.append(label->objectName());
            }
            shown.sort();
            wizards.append(wizard->windowTitle() + ':' + shown.join(','));
        }
    }
};

} // namespace

class TestNetfile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void acceptedFromTheMainWindow();
    void seasonGate_data();
    void seasonGate();
    void signupGate_data();
    void signupGate();
    void multiYearNoKeepsAnEarlierYes();
    void amendedRoad_data();
    void amendedRoad();
    void noWarningMsgSkipsTheReview_data();
    void noWarningMsgSkipsTheReview();
    void onlyTheFirstEligibilityMessage();
    void validationErrorsStop();
    void outcomes_data();
    void outcomes();
    void unreachableService_data();
    void unreachableService();
    void rejectionKeepsAnEarlierConfirmation();
    void failedSaveAfterFilingGivesTheCode();
    void secondOkWhilePostIsHeld();
    void afterFilingRows_data();
    void afterFilingRows();
    void signupPageRefusesFinishWithoutChoice_data();
    void signupPageRefusesFinishWithoutChoice();
    void testingMode_data();
    void testingMode();
    void efileMode_data();
    void efileMode();

private:
    Form_Return *openSaved();
    QString filePath() const { return m_fixture->dir() + "/Tremblay.r25"; }
    QString runPath() const { return m_fixture->dir() + "/run"; }
    void setServer(const QString &host);
    // The return posts the server saw.
    int returnPosts() const;

    QTemporaryDir m_certDir;
    TestCertificates m_certs;
    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
    std::unique_ptr<LocalServer> m_server;
};

void TestNetfile::initTestCase()
{
    QVERIFY2(m_certs.create(m_certDir.path()), qPrintable(m_certs.errorString()));
    QSslConfiguration::setDefaultConfiguration(m_certs.clientConfiguration());
    QWebClient::filingLimits() = {2000, 4000, QWebClient::DefaultMaxReplyBytes};
}

void TestNetfile::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    m_server = std::make_unique<LocalServer>();
    QVERIFY(m_server->listen(m_certs.serverConfiguration()));
    TabWndApp *app = appInstance();
    app->config.SaveBackup = 0;
    app->config.MODEDEBUG = false;
    app->config.NoWarningMsg = true;
    app->config.FilingReport = false;
    app->runPath = runPath();
    QVERIFY(QDir().mkpath(runPath()));
    setServer("127.0.0.1:" + QString::number(m_server->port()));
    setNow(QDateTime(QDate(2026, 3, 15), QTime(14, 30, 12)));
    installFilingServices(neighbourServices());
    installPrintServices(neighbourServices());
    QSqlQuery("delete from tb_history").exec();
    QSqlQuery("delete from tb_taxpayers").exec();
}

void TestNetfile::cleanup()
{
    neighbourServices() = NeighbourServices();
    setNow();
    m_fixture.reset();
    m_presenter.reset();
    m_server.reset();
}

void TestNetfile::setServer(const QString &host)
{
    appInstance()->config.NETFILESERVER = host;
    appInstance()->config.EOLSERVER = host;
}

int TestNetfile::returnPosts() const
{
    int posts = 0;
    for (const LocalServer::Request &r : m_server->requests())
        posts += r.body.contains("<t1:T1Return") ? 1 : 0;
    return posts;
}

Form_Return *TestNetfile::openSaved()
{
    MainWindow *w = m_fixture->window();
    w->show();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    Form_Return *editor = w->shownEditor();
    if (!editor)
        return nullptr;
    // A regular employment slip: the return passes validation.
    TaxData_Slip_T4 *t4 = firstT4(editor->family());
    if (!t4)
        return nullptr;
    t4->employmentKind = 3;
    editor->family()->Recalculate(-1, nullptr);
    t1Of(editor->family())->email = QString("marie@example.org");
    // The pages show what the return holds, so a commit of the page on screen keeps it.
    editor->refreshPages();
    const QFileInfo file(filePath());
    editor->setFilePath(&file);
    QString written;
    if (editor->saveToFile(written, false) != 0)
        return nullptr;
    m_presenter->clear();
    return editor;
}

void TestNetfile::acceptedFromTheMainWindow()
{
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    m_server->enqueue(LocalServer::Response::answer(200, termsReply()));
    m_server->enqueue(LocalServer::Response::answer(200, acceptedReply("CONF7788")));
    m_presenter->queueAnswer(QMessageBox::Yes);

    ResultRecorder recorder;
    ModalDriver driver;
    driver.setInspector([&](QWidget *w) { recorder.inspect(w); });
    driver.queue(press("NetFile Return"));
    driver.queue(agree());
    driver.queue(press("OK"));
    driver.queue(press("Finish"));
    m_fixture->action("actionInternetFiling")->trigger();
    QCOMPARE(driver.pendingActions(), 0);
    QStringList titles;
    for (const ShownMessage &m : driver.seen())
        titles.append(m.title);
    QCOMPARE(titles,
             (QStringList{kDialogTitle, "Terms", "Netfile Filing Result", "CRA Online Service"}));
    QCOMPARE(m_presenter->shown().size(), 1);
    QCOMPARE(m_presenter->shown()[0].kind, "question");
    QVERIFY(m_presenter->shown()[0].text.startsWith(
        "<h3>NetFile accepts the current year (2025) and up to 7 prior-year returns."));

    const QString summary = editor->family()->getPersonIncomeSummary();
    const QString logFile = runPath() + "/netfilelog.txt";
    QCOMPARE(recorder.results,
             QStringList{"Netfile is submitted successfully. The confirmation code is "
                         "[CONF7788].\nResult code is [0]\nTime: 2026-03-15 14:30:12|Filed |"
                         "Check filing log file|<a href=\"file://" +
                         logFile + "\">" + logFile + "</a>"});

    int code = -1;
    std::unique_ptr<FamilyTaxData> loaded = loadReturnFile(filePath(), &code, AppEdition);
    QVERIFY(loaded);
    QCOMPARE(code, 0);
    QCOMPARE(int(t1Of(loaded.get())->filingStatus), 1);
    QCOMPARE(QString(t1Of(loaded.get())->confirmation.value()), "CONF7788");
    QCOMPARE(bool(t1Of(loaded.get())->multiYearFiling.value()), true);

    QCOMPARE(taxpayerRows(), QStringList{"046454286|" + QString(kFullName) + "||"});
    QCOMPARE(historyRows(), (QStringList{"1018|" + summary + "|1", "1019|Filed\r\n|1"}));

    CString time;
    GetCurTime(time, 0);
    QVERIFY(readAll(logFile).endsWith(("Time: " + QString(time) + " \nName: " + kFullName +
                                       "\nResult: " + summary +
                                       "\nConfirmation: CONF7788\nMsg: Filed\r\n\n\n\n")
                                          .toUtf8()));

    const QList<LocalServer::Request> requests = m_server->requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(returnPosts(), 1);
    QString xml;
    loaded->generateReturnXml(xml, 2);
    QVERIFY(!returnElement(xml.toUtf8()).isEmpty());
    QCOMPARE(returnElement(requests[1].body), returnElement(xml.toUtf8()));
    QVERIFY(requests[1].body.contains(
        "<t1:MultipleTaxYearReturnIndicator>1</t1:MultipleTaxYearReturnIndicator>"));
}

// The titles of the modal widgets the driver answered.
static QStringList titlesOf(const ModalDriver &driver)
{
    QStringList titles;
    for (const ShownMessage &m : driver.seen())
        titles.append(m.title);
    return titles;
}

void TestNetfile::seasonGate_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("testing");
    QTest::addColumn<bool>("stopped");
    QTest::newRow("day before") << QDate(2026, 2, 22) << false << true;
    QTest::newRow("first day") << QDate(2026, 2, 23) << false << false;
    QTest::newRow("testing mode ignores the date") << QDate(2026, 2, 22) << true << false;
}

void TestNetfile::seasonGate()
{
    QFETCH(QDate, today);
    QFETCH(bool, testing);
    QFETCH(bool, stopped);
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    appInstance()->config.MODEDEBUG = testing;
    setNow(QDateTime(today, QTime(9, 0)));
    m_presenter->queueAnswer(QMessageBox::No);
    ModalDriver driver;
    driver.queue(press("Cancel"));
    editor->internetFiling();

    if (stopped) {
        QCOMPARE(m_presenter->shown().size(), 1);
        const ShownMessage &m = m_presenter->shown()[0];
        QCOMPARE(m.kind, "link");
        QCOMPARE(m.title, "Quorvandelle 2025");
        QCOMPARE(m.text, "CRA NetFile/EFile for new tax season starts on (2026-02-23). Please try "
                         "again when this day arrives.\nPlease refer the following URL:");
        QCOMPARE(m.link, "https://www.quorvandelle.invalid/faq/index.php?action=artikel&cat=6&id="
                         "16&artlang=en");
        QCOMPARE(titlesOf(driver), QStringList());
        QCOMPARE(historyRows(), QStringList());
    } else {
        QCOMPARE(titlesOf(driver), QStringList{kDialogTitle});
        QCOMPARE(historyRows().size(), 1);
    }
}

void TestNetfile::signupGate_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QList<ModalAction>>("wizard");
    QTest::addColumn<QStringList>("shownKinds");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("reached");
    QTest::newRow("with an e-mail no wizard")
        << "marie@example.org" << QList<ModalAction>() << QStringList{"question"} << "" << true;
    QTest::newRow("sign up stops")
        << "" << QList<ModalAction>{choose("fld_signup_0", "Finish")} << QStringList{"information"}
        << "Please enter your email on page 1 of T1, Identification area, then do NetFile again."
        << false;
    QTest::newRow("not now goes on") << "" << QList<ModalAction>{choose("fld_signup_1", "Finish")}
                                     << QStringList{"question"} << "" << true;
    QTest::newRow("cancel stops silently")
        << "" << QList<ModalAction>{press("Cancel")} << QStringList() << "" << false;
}

void TestNetfile::signupGate()
{
    QFETCH(QString, email);
    QFETCH(QList<ModalAction>, wizard);
    QFETCH(QStringList, shownKinds);
    QFETCH(QString, message);
    QFETCH(bool, reached);
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    t1Of(editor->family())->email = email;
    m_presenter->queueAnswer(QMessageBox::No);
    ModalDriver driver;
    for (const ModalAction &a : wizard)
        driver.queue(a);
    driver.queue(press("Cancel"));
    editor->internetFiling();

    QStringList kinds;
    for (const ShownMessage &m : m_presenter->shown())
        kinds.append(m.kind);
    QCOMPARE(kinds, shownKinds);
    if (!message.isEmpty())
        QCOMPARE(m_presenter->shownTexts(), QStringList{message});
    QStringList expected;
    if (!wizard.isEmpty())
        expected.append("Online Email Promotion");
    if (reached)
        expected.append(kDialogTitle);
    QCOMPARE(titlesOf(driver), expected);
    QCOMPARE(historyRows().size(), reached ? 1 : 0);
}

void TestNetfile::multiYearNoKeepsAnEarlierYes()
{
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    TaxData_T1New *t1 = t1Of(editor->family());
    t1->multiYearFiling = true;
    m_presenter->queueAnswer(QMessageBox::No);
    ModalDriver driver;
    driver.queue(press("Cancel"));
    editor->internetFiling();
    QCOMPARE(titlesOf(driver), QStringList{kDialogTitle});
    QCOMPARE(bool(t1->multiYearFiling.value()), true);
}

void TestNetfile::amendedRoad_data()
{
    QTest::addColumn<bool>("goOn");
    QTest::newRow("warning accepted") << true;
    QTest::newRow("warning declined") << false;
}

void TestNetfile::amendedRoad()
{
    QFETCH(bool, goOn);
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    FamilyTaxData *family = editor->family();
    QCOMPARE(family->prepareReFile(), 0);
    t1Of(family)->email = QString();
    m_presenter->queueAnswer(goOn ? QMessageBox::Yes : QMessageBox::No);
    ModalDriver driver;
    driver.queue(press("Cancel"));
    editor->internetFiling();

    // No sign-up wizard and no multi-year question: the amended-return warning alone.
    QCOMPARE(m_presenter->shown().size(), 1);
    QCOMPARE(m_presenter->shown()[0].kind, "warning");
    QCOMPARE(m_presenter->shown()[0].title, QString(appTitle));
    QCOMPARE(m_presenter->shown()[0].text,
             "Please note that this is an Amended Return for Re-File purpose.");
    QCOMPARE(titlesOf(driver), goOn ? QStringList{kDialogTitle} : QStringList());
    QCOMPARE(bool(t1Of(family)->multiYearFiling.value()), false);
}

void TestNetfile::noWarningMsgSkipsTheReview_data()
{
    QTest::addColumn<bool>("noWarningMsg");
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<bool>("reached");
    QTest::newRow("review runs and is stopped")
        << false << QStringList{"question", "warning"} << false;
    QTest::newRow("NoWarningMsg skips it") << true << QStringList{"question"} << true;
}

void TestNetfile::noWarningMsgSkipsTheReview()
{
    QFETCH(bool, noWarningMsg);
    QFETCH(QStringList, kinds);
    QFETCH(bool, reached);
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    // Half of a T5 in a single return: the review warns about shared slips.
    TaxDataEntryStru *entry = editor->family()->taxpayer()->addSlip(8, 0, 0);
    QVERIFY(entry);
    auto *t5 = dynamic_cast<CSharableTaxData_Form *>(entry->data);
    QVERIFY(t5);
    t5->sharePercent = 50.0;
    appInstance()->config.NoWarningMsg = noWarningMsg;
    m_presenter->queueAnswer(QMessageBox::No);
    m_presenter->queueAnswer(QMessageBox::No);
    ModalDriver driver;
    driver.queue(press("Cancel"));
    editor->internetFiling();

    QStringList shownKinds;
    for (const ShownMessage &m : m_presenter->shown())
        shownKinds.append(m.kind);
    QCOMPARE(shownKinds, kinds);
    if (!noWarningMsg) {
        QCOMPARE(m_presenter->shown()[1].title, "Quorvandelle Warning Message");
        QCOMPARE(m_presenter->shown()[1].text,
                 "This single return file has shared tax slips or tax forms. Make sure other "
                 "returns claim the rest of the shared part.");
    }
    QCOMPARE(titlesOf(driver), reached ? QStringList{kDialogTitle} : QStringList());
}

void TestNetfile::onlyTheFirstEligibilityMessage()
{
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    TaxData_T1New *t1 = t1Of(editor->family());
    t1->sin = QString("081234567");
    t1->rc267Amount = 100.0;
    t1->rc268Amount = 100.0;
    ModalDriver driver;
    driver.queue(press("Cancel"));
    editor->internetFiling();
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"Tax return which has SIN number starting with 09 or 08 is not eligible "
                         "for Netfile."});
    QCOMPARE(titlesOf(driver), QStringList());
    QCOMPARE(historyRows(), QStringList());
}

void TestNetfile::validationErrorsStop()
{
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    // A T4 of placement-agency income with no business form: a review error.
    firstT4(editor->family())->employmentKind = 0;
    editor->family()->Recalculate(-1, nullptr);
    ModalDriver driver;
    driver.queue(press("OK"));
    driver.queue(press("Cancel"));
    editor->internetFiling();
    QCOMPARE(driver.pendingActions(), 1);
    QCOMPARE(driver.seen().size(), 1);
    QCOMPARE(driver.seen()[0].title, "Validation Result");
    QCOMPARE(m_presenter->shown().size(), 0);
    QCOMPARE(historyRows(), QStringList());
}

void TestNetfile::outcomes_data()
{
    QTest::addColumn<QList<LocalServer::Response>>("replies");
    QTest::addColumn<bool>("invalidHost");
    QTest::addColumn<QList<ModalAction>>("actions");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("posts");
    QTest::addColumn<bool>("recordsAttempt");

    const QString resultFile = "|Check filing result file|<a href=\"file://RUN/netfileresult.txt\">"
                               "RUN/netfileresult.txt</a>";
    const QString reached =
        "\n\nThe return may have reached CRA. Check its status before you send it again.";
    const QString noReply = "Msg: cannot connect to CRA server, check firewall and CRA system "
                            "status; Code: -20.";
    const LocalServer::Response terms = LocalServer::Response::answer(200, termsReply());
    const QList<ModalAction> filed = {press("NetFile Return"), agree(), press("OK")};

    QTest::newRow("declined terms") << QList<LocalServer::Response>{terms} << false
                                    << QList<ModalAction>{press("NetFile Return"), press("Cancel")}
                                    << QStringList() << QStringList() << 0 << false;
    QTest::newRow("cancel") << QList<LocalServer::Response>() << false
                            << QList<ModalAction>{press("Cancel")} << QStringList() << QStringList()
                            << 0 << false;
    QTest::newRow("rejection")
        << QList<LocalServer::Response>{terms, LocalServer::Response::answer(200, kRejectedReply)}
        << false << filed
        << QStringList{"Netfile submission is NOT successful!\nResult code is [0]|Refused\n" +
                       resultFile}
        << QStringList() << 1 << true;
    QTest::newRow("fault") << QList<LocalServer::Response>{terms, LocalServer::Response::answer(
                                                                      500, kFaultReply)}
                           << false << filed
                           << QStringList{"Netfile submission is NOT successful!\nResult code is "
                                          "[]|Busy" +
                                          reached + resultFile}
                           << QStringList() << 1 << false;
    QTest::newRow("HTTP 500")
        << QList<LocalServer::Response>{terms, LocalServer::Response::answer(500, "<html>oops")}
        << false << filed
        << QStringList{"NetFile Filing Failed|Msg: the CRA server's reply "
                       "could not be read; Code: 1." +
                       reached + "\nresponse error (HTTP status 500)" + resultFile}
        << QStringList() << 1 << false;
    QTest::newRow("cut") << QList<LocalServer::Response>{terms, LocalServer::Response::cutBody(
                                                                    acceptedReply("CUT1"))}
                         << false << filed
                         << QStringList{"NetFile Filing Failed|" + noReply + reached +
                                        "\nOnline filing failed.\nThe reply from 127.0.0.1 "
                                        "broke off: Connection closed" +
                                        resultFile}
                         << QStringList() << 1 << false;
    QTest::newRow("time-out") << QList<LocalServer::Response>{terms,
                                                              LocalServer::Response::neverAnswer()}
                              << false << filed
                              << QStringList{"NetFile Filing Failed|" + noReply + reached +
                                             "\nOnline filing failed.\nNo answer from 127.0.0.1 "
                                             "within 2000 ms." +
                                             resultFile}
                              << QStringList() << 1 << false;
    QTest::newRow("default hosts")
        << QList<LocalServer::Response>() << true << QList<ModalAction>{press("NetFile Return")}
        << QStringList()
        << QStringList{"Msg:  read Netfile Term failed or network interruption.\nThe host "
                       "ws.tax-authority.invalid is a placeholder under the reserved .invalid "
                       "domain; set the real address in the configuration.\n; Code: -50."}
        << 0 << false;
}

void TestNetfile::outcomes()
{
    QFETCH(QList<LocalServer::Response>, replies);
    QFETCH(bool, invalidHost);
    QFETCH(QList<ModalAction>, actions);
    QFETCH(QStringList, results);
    QFETCH(QStringList, messages);
    QFETCH(int, posts);
    QFETCH(bool, recordsAttempt);
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    if (invalidHost)
        setServer(CT1AppConfig::productionHost);
    for (const LocalServer::Response &r : replies)
        m_server->enqueue(r);
    const QByteArray before = readAll(filePath());
    TaxData_T1New *t1 = t1Of(editor->family());
    const int status = t1->filingStatus;

    m_presenter->queueAnswer(QMessageBox::No);
    ResultRecorder recorder;
    ModalDriver driver;
    driver.setInspector([&](QWidget *w) { recorder.inspect(w); });
    for (const ModalAction &a : actions)
        driver.queue(a);
    editor->internetFiling();
    QCOMPARE(driver.pendingActions(), 0);

    for (QString &r : results)
        r.replace("RUN", runPath());
    QStringList shownResults = recorder.results;
    QCOMPARE(shownResults, results);
    QStringList shown = m_presenter->shownTexts();
    QVERIFY(!shown.isEmpty());
    shown.removeFirst(); // the multi-year question
    QCOMPARE(shown, messages);
    QCOMPARE(returnPosts(), posts);

    QCOMPARE(readAll(filePath()), before);
    const QString summary = editor->family()->getPersonIncomeSummary();
    QCOMPARE(historyRows(), QStringList{"1018|" + summary + "|1"});
    QCOMPARE(int(t1->filingStatus), status);
    QCOMPARE(QString(t1->confirmation.value()), QString());
    QCOMPARE(QString(t1->filingTime.value()),
             recordsAttempt ? QString("2026-03-15 14:30:12") : QString());
}

void TestNetfile::unreachableService_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("shown");  // the message box, or empty
    QTest::addColumn<QString>("result"); // the result dialog, or empty
    const QString terms = "Msg:  read Netfile Term failed or network interruption.\n";
    QTest::newRow("no host set")
        << "" << terms + "No host is set for the CRA service in the configuration.\n; Code: -50."
        << "";
    QTest::newRow("untrusted certificate")
        << "untrusted" << terms + "The secure connection to 127.0.0.1 failed: "
        << "";
    QTest::newRow("refused once the terms are read")
        << "refused"
        << ""
        << "NetFile Filing Failed|Msg: cannot connect to CRA server, check firewall and CRA "
           "system status; Code: -20.\n\nThe return was not sent to CRA.\nOnline filing "
           "failed.\nThe request to 127.0.0.1 failed: Connection refused|Check filing result "
           "file|<a href=\"file://RUN/netfileresult.txt\">RUN/netfileresult.txt</a>";
}

// NETFILE from the editor when the CRA service cannot be reached: the user is told the cause.
// With no host or an untrusted certificate the terms cannot be read, and their message says
// why; a server that goes away once its terms are read refuses the return, and the failure
// dialog says the return was not sent and why.
void TestNetfile::unreachableService()
{
    QFETCH(QString, service);
    QFETCH(QString, shown);
    QFETCH(QString, result);
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    const QSslConfiguration trusted = QSslConfiguration::defaultConfiguration();
    if (service.isEmpty()) {
        setServer(QString());
    } else if (service == "untrusted") {
        QSslConfiguration system = trusted;
        system.setCaCertificates(QSslConfiguration::systemCaCertificates());
        QSslConfiguration::setDefaultConfiguration(system);
    } else {
        m_server->enqueue(LocalServer::Response::answer(200, termsReply()));
    }
    TaxData_T1New *t1 = t1Of(editor->family());
    const int status = t1->filingStatus;
    const QByteArray before = readAll(filePath());

    m_presenter->queueAnswer(QMessageBox::No);
    ResultRecorder recorder;
    ModalDriver driver;
    driver.setInspector([&](QWidget *w) {
        // The terms are on screen: the server goes away before the return is posted.
        if (w->objectName() == "DlgFilingTerm")
            m_server.reset();
        recorder.inspect(w);
    });
    driver.queue(press("NetFile Return"));
    if (service == "refused") {
        driver.queue(agree());
        driver.queue(press("OK"));
    }
    editor->internetFiling();
    QSslConfiguration::setDefaultConfiguration(trusted);
    QCOMPARE(driver.pendingActions(), 0);

    QStringList messages = m_presenter->shownTexts();
    QVERIFY(!messages.isEmpty());
    messages.removeFirst(); // the multi-year question
    if (shown.isEmpty()) {
        QCOMPARE(messages, QStringList());
    } else {
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(shown), qPrintable(messages[0]));
        if (service == "untrusted")
            QVERIFY2(messages[0].contains("certificate", Qt::CaseInsensitive),
                     qPrintable(messages[0]));
    }
    result.replace("RUN", runPath());
    QCOMPARE(recorder.results, result.isEmpty() ? QStringList() : QStringList{result});
    if (m_server)
        QCOMPARE(returnPosts(), 0);
    QCOMPARE(readAll(filePath()), before);
    QCOMPARE(int(t1->filingStatus), status);
    QCOMPARE(QString(t1->confirmation.value()), QString());
}

void TestNetfile::rejectionKeepsAnEarlierConfirmation()
{
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    TaxData_T1New *t1 = t1Of(editor->family());
    t1->confirmation = QString("OLD42");
    t1->filingStatus = 1;
    t1->filingTime = QString("2026-03-01 09:00:00");
    m_server->enqueue(LocalServer::Response::answer(200, termsReply()));
    m_server->enqueue(LocalServer::Response::answer(200, kRejectedReply));
    m_presenter->queueAnswer(QMessageBox::No);
    ModalDriver driver;
    for (const ModalAction &a : {press("NetFile Return"), agree(), press("OK")})
        driver.queue(a);
    editor->internetFiling();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(returnPosts(), 1);
    QCOMPARE(QString(t1->confirmation.value()), "OLD42");
    QCOMPARE(int(t1->filingStatus), 1);
    QCOMPARE(QString(t1->filingTime.value()), "2026-03-01 09:00:00");
}

void TestNetfile::failedSaveAfterFilingGivesTheCode()
{
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    // A file stands where the folder of the return's new path must be.
    QFile blocker(m_fixture->dir() + "/blocked");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QFileInfo unwritable(m_fixture->dir() + "/blocked/Tremblay.r25");
    editor->setFilePath(&unwritable);
    m_server->enqueue(LocalServer::Response::answer(200, termsReply()));
    m_server->enqueue(LocalServer::Response::answer(200, acceptedReply("CONF9")));
    m_presenter->queueAnswer(QMessageBox::No);
    ModalDriver driver;
    for (const ModalAction &a : {press("NetFile Return"), agree(), press("OK"), press("Finish")})
        driver.queue(a);
    editor->internetFiling();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(m_presenter->shownTexts().last(),
             "The return was filed: its confirmation code is [CONF9]. The return file was NOT "
             "saved, so it does not show the filing yet; please keep the code and save the "
             "return again.");
    QCOMPARE(int(t1Of(editor->family())->filingStatus), 1);
    QCOMPARE(historyRows().size(), 2);
    QVERIFY(historyRows()[1].startsWith("1019|"));
}

void TestNetfile::secondOkWhilePostIsHeld()
{
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    m_server->enqueue(LocalServer::Response::answer(200, termsReply()));
    m_server->enqueue(LocalServer::Response::delayed(acceptedReply("ONCE1"), 1500));
    m_presenter->queueAnswer(QMessageBox::No);

    // Once the server holds the return post, OK is pressed again on the same dialog.
    bool clickedAgain = false;
    bool stillOpen = false;
    QTimer again;
    again.setInterval(10);
    connect(&again, &QTimer::timeout, [&] {
        if (clickedAgain || m_server->requests().size() < 2)
            return;
        auto *dialog = editor->findChild<CNetfileResultDlg *>();
        if (!dialog)
            return;
        clickedAgain = true;
        // Neither a second OK nor Cancel does anything while the post waits.
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        stillOpen = dialog->isVisible();
    });
    again.start();

    ModalDriver driver;
    for (const ModalAction &a : {press("NetFile Return"), agree(), press("OK"), press("Finish")})
        driver.queue(a);
    editor->internetFiling();
    QVERIFY(clickedAgain);
    QVERIFY(stillOpen);
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(m_server->requests().size(), 2);
    QCOMPARE(returnPosts(), 1);
    QCOMPARE(QString(t1Of(editor->family())->confirmation.value()), "ONCE1");
}

void TestNetfile::afterFilingRows_data()
{
    QTest::addColumn<bool>("email");
    QTest::addColumn<double>("balance");
    QTest::addColumn<bool>("wanted");
    QTest::addColumn<QStringList>("links");
    const QStringList mail{"line1_myaccount"};
    const QStringList refund{"line2_DirDeposit"};
    const QStringList payment{"line3_Pay", "line3_PayNow"};
    QTest::newRow("e-mail, 0") << true << 0.0 << true << mail + payment;
    QTest::newRow("no e-mail, 0") << false << 0.0 << false << payment;
    QTest::newRow("no e-mail, 0.01") << false << 0.01 << false << payment;
    QTest::newRow("no e-mail, -0.01") << false << -0.01 << false << refund + payment;
    QTest::newRow("e-mail, -0.01") << true << -0.01 << true << mail + refund + payment;
    QTest::newRow("no e-mail, 0.02") << false << 0.02 << true << payment;
    QTest::newRow("no e-mail, -0.02") << false << -0.02 << true << refund;
    QTest::newRow("no e-mail, 50") << false << 50.0 << true << payment;
    QTest::newRow("no e-mail, -50") << false << -50.0 << true << refund;
    QTest::newRow("e-mail, -50") << true << -50.0 << true << mail + refund;
}

void TestNetfile::afterFilingRows()
{
    QFETCH(bool, email);
    QFETCH(double, balance);
    QFETCH(bool, wanted);
    QFETCH(QStringList, links);
    QCOMPARE(PpgAfterNetfile_tab1::isWanted(email, balance), wanted);

    WizardBase wizard(nullptr, "CRA Online Service");
    wizard.addPage(new PpgAfterNetfile_tab1(email, balance, &wizard));
    wizard.initUI(770, 540);
    ResultRecorder recorder;
    recorder.inspect(&wizard);
    links.sort();
    QCOMPARE(recorder.wizards, QStringList{"CRA Online Service:" + links.join(',')});

    // Each row's dash and text go with its links.
    const bool refundRow = links.contains("line2_DirDeposit");
    QCOMPARE(!wizard.findChild<QLabel *>("line2_1")->isHidden(), refundRow);
    QCOMPARE(!wizard.findChild<QLabel *>("line3_6")->isHidden(), links.contains("line3_Pay"));
    QCOMPARE(!wizard.findChild<QLabel *>("line1_2")->isHidden(), email);
    if (refundRow)
        QCOMPARE(wizard.findChild<QLabel *>("line2_DirDeposit")->text(),
                 "<a href=\"https://www.government.invalid/en/public-services-procurement/"
                 "services/payments-to-from-government/direct-deposit/individuals-canada/"
                 "enrolment-form.html\">Direct Deposit</a>");
    if (email)
        QCOMPARE(wizard.findChild<QLabel *>("line1_myaccount")->text(),
                 "<a href=\"https://www.government.invalid/en/revenue-agency/services/e-services/"
                 "e-services-individuals/account-individuals.html\">My Account</a>");
    QVERIFY(wizard.page(0)->validatePage());
}

void TestNetfile::signupPageRefusesFinishWithoutChoice_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("choice");
    QTest::newRow("sign up") << "fld_signup_0" << 0;
    QTest::newRow("not now") << "fld_signup_1" << 1;
}

void TestNetfile::signupPageRefusesFinishWithoutChoice()
{
    QFETCH(QString, radio);
    QFETCH(int, choice);
    DataPpgSignupEmail answer;
    QCOMPARE(answer.fld_signup.value(), -1);
    QVERIFY(answer.fields().size() == 1);
    QCOMPARE(QString(answer.fields()[0]->name()), "fld_signup");
    WizardBase wizard(nullptr, "Online Email Promotion");
    wizard.addPage(new PpgSignupEmail_tab1(&answer, &wizard));
    wizard.initUI(670, 540);
    ModalDriver driver;
    driver.queue(press("Finish"));
    driver.queue(choose(radio.toLatin1().constData(), "Finish"));
    QCOMPARE(wizard.exec(), 1);
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(driver.seen().size(), 2);
    QCOMPARE(answer.fld_signup.value(), choice);
}

void TestNetfile::testingMode_data()
{
    QTest::addColumn<QString>("testCase");
    QTest::addColumn<QString>("lastName");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("12") << "12"
                        << "Tremblay"
                        << QByteArray("<comm:TestCaseIdentifier>12</comm:TestCaseIdentifier>");
    QTest::newRow("abc") << "abc"
                         << "Tremblay" << QByteArray();
    QTest::newRow("name with a path") << "7"
                                      << "../../Tremblay"
                                      << QByteArray("<comm:TestCaseIdentifier>7</comm:Test"
                                                    "CaseIdentifier>");
}

void TestNetfile::testingMode()
{
    QFETCH(QString, testCase);
    QFETCH(QString, lastName);
    QFETCH(QByteArray, sent);
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    appInstance()->config.MODEDEBUG = true;
    t1Of(editor->family())->lastName = lastName;
    m_server->enqueue(LocalServer::Response::answer(200, termsReply()));
    m_server->enqueue(LocalServer::Response::answer(200, acceptedReply("TEST1")));
    m_presenter->queueAnswer(QMessageBox::No);

    bool fieldShown = false;
    QStringList copies;
    QStringList parentFiles;
    ModalDriver driver;
    driver.setInspector([&](QWidget *w) {
        if (auto *edit = w->findChild<QLineEdit *>("edtTestcase"))
            fieldShown = edit->isVisible();
        if (w->windowTitle() == "Terms") {
            copies = QDir(runPath()).entryList({"*_2025.ws"}, QDir::Files);
            parentFiles = QDir(m_fixture->dir()).entryList({"*.ws"}, QDir::Files);
        }
    });
    ModalAction fill = press("NetFile Return");
    fill.fills.insert("edtTestcase", testCase);
    for (const ModalAction &a : {fill, agree(), press("OK"), press("Finish")})
        driver.queue(a);
    editor->internetFiling();
    QCOMPARE(driver.pendingActions(), 0);
    QVERIFY(fieldShown);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(parentFiles, QStringList());
    QCOMPARE(QDir(runPath()).entryList({"*_2025.ws"}, QDir::Files), QStringList());
    QCOMPARE(returnPosts(), 1);
    const QByteArray body = m_server->requests().value(1).body;
    if (sent.isEmpty())
        QVERIFY(!body.contains("TestCaseIdentifier"));
    else
        QVERIFY(body.contains(sent));
}

void TestNetfile::efileMode_data()
{
    QTest::addColumn<QString>("efiler");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("headingStart");
    QTest::addColumn<QString>("bodyEnd");

    const QByteArray processingError =
        "<t1rsp:ProcessingError><t1rsp:EnglishMessage><t1rsp:MessageText>Check line 101"
        "</t1rsp:MessageText></t1rsp:EnglishMessage><t1rsp:ErrorCodeDescription>"
        "<t1rsp:ErrorCode>2134</t1rsp:ErrorCode><t1rsp:EnglishMessage><t1rsp:MessageText>First"
        "</t1rsp:MessageText></t1rsp:EnglishMessage></t1rsp:ErrorCodeDescription>"
        "</t1rsp:ProcessingError>";
    auto efileReply = [](const QByteArray &code, const QByteArray &inner, const QByteArray &extra) {
        return envelope("<t1ersp:EfileReturnResponse><ResultCode>" + code + "</ResultCode>" +
                        extra + "<t1rsp:FileReturnResponse>" + inner +
                        "</t1rsp:FileReturnResponse></t1ersp:EfileReturnResponse>");
    };
    const QByteArray confirmed = "<t1rsp:Confirmation><t1rsp:EnglishMessage><t1rsp:MessageText>"
                                 "Filed</t1rsp:MessageText></t1rsp:EnglishMessage>"
                                 "</t1rsp:Confirmation>";

    QTest::newRow("missing credentials")
        << "" << QByteArray()
        << "Please enter EFiler ID/password and RepID into preference from "
           "menu Start | Preference."
        << false << ""
        << ""
        << "";
    QTest::newRow("notice 2139")
        << "X1234"
        << efileReply("0", confirmed,
                      "<TransmissionNumber>T-77</TransmissionNumber>"
                      "<t1ersp:CvIndicator>2139</t1ersp:CvIndicator>")
        << "" << true << "T-77"
        << "Efile is submitted successfully. Result code is [0]. The confirmation number is "
           "[T-77].\n"
        << "\n\n(E) 2139 - The CRA is performing pre-assessment verification on this return. "
           "Supporting documentation may or may not be requested. Please do not submit any "
           "documentation unless you are asked to do so.";
    QTest::newRow("code 1841 shows the clues")
        << "X1234" << efileReply("1841", processingError, QByteArray()) << "" << false
        << "code=1841, clue=2134"
        << "Efile submission for [Ana Tremblay] failed. Document Control Number is [X1234]"
           ".\nEFile result code is [1841], Error clue codes are [2134]. "
        << "";
    QTest::newRow("code 18 does not")
        << "X1234" << efileReply("18", processingError, QByteArray()) << "" << false << "code=18"
        << "Efile submission for [Ana Tremblay] failed. Document Control Number is [X1234]"
           ".\nEFile result code is [18]. "
        << "";
}

void TestNetfile::efileMode()
{
    QFETCH(QString, efiler);
    QFETCH(QByteArray, reply);
    QFETCH(QString, message);
    QFETCH(bool, success);
    QFETCH(QString, confirmation);
    QFETCH(QString, headingStart);
    QFETCH(QString, bodyEnd);
    Form_Return *editor = openSaved();
    QVERIFY(editor);
    TabWndApp *app = appInstance();
    app->config.BusinessEFileNum = efiler;
    app->config.BusinessEFilePassword = efiler.isEmpty() ? QString() : QString("s3cret");
    if (!reply.isEmpty())
        m_server->setResponse(kEfilePath, LocalServer::Response::answer(200, reply));

    QString xml;
    editor->family()->generateReturnXml(xml, 1);
    QString heading;
    QString body;
    ModalDriver driver;
    driver.setInspector([&](QWidget *w) {
        if (w->objectName() == "DlgFilingResult") {
            heading = w->findChild<QLabel *>("lblOverview")->text();
            body = w->findChild<QTextBrowser *>("pteDetails")->toHtml();
        }
    });
    driver.queue(press("EFile Return"));
    if (!reply.isEmpty())
        driver.queue(press("OK"));
    CNetfileResultDlg dialog(CNetfileResultDlg::EfileMode, editor->family(), 0, &xml, editor);
    dialog.setSummary("summary", kFullName);
    QCOMPARE(dialog.exec(), 0);
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(driver.seen().value(0).title, "EFile Tax Return to CRA");
    QCOMPARE(m_presenter->shownTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(dialog.succeeded(), success);
    QCOMPARE(dialog.confirmation(), confirmation);
    QCOMPARE(m_server->requests().size(), reply.isEmpty() ? 0 : 1);
    if (headingStart.isEmpty())
        QCOMPARE(heading, QString());
    else
        QVERIFY2(heading.startsWith(headingStart), qPrintable(heading));
    if (success)
        QVERIFY(dialog.resultMessage().endsWith(bodyEnd));
    app->config.BusinessEFileNum = QString();
    app->config.BusinessEFilePassword = QString();
}

QV_TEST_MAIN(TestNetfile)
#include "tst_Netfile.moc"
