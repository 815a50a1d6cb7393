// Single-form filing against a real HTTPS server on 127.0.0.1: the TRIS and PAD readers, the
// three exchanges and their result file, the filing dialog's texts, and the T1135 command end
// to end from the main window with the terms, the result window, the form record, the filing
// log and the filing report.
#include "EditorFixture.h"
#include "EfileFixture.h"
#include "LocalServer.h"
#include "ScriptedPresenter.h"
#include "TestCertificates.h"
#include "TestMain.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "efile/CFormFilingDlg.h"
#include "efile/FilingServices.h"
#include "efile/FormFilingExchanges.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"
#include "ordane/Clock.h"
#include "ordane/QWebClient.h"
#include "ordane/ResultNumber.h"
#include "print/PrintServices.h"
#include "ui/DlgValidationMsgs.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <functional>
#include <memory>
#include <tinyxml.h>

Q_DECLARE_METATYPE(LocalServer::Response)

namespace {

const QByteArray kTermsPath = "/ebci/pfno/ws/services/FileReturnService";
const QByteArray kT1135Path = "/ebci/efes/frrms/ws/services/FileFormService";
const QByteArray kPadPath = "/ebci/rjpt/epads_ws/services/PadService";
const QByteArray kReportPath = "/api/filing";
const QString kStamp = "2026-03-15 14:30:12";

QByteArray soap(const QByteArray &body, const QByteArray &prefix = "soapenv")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><" + prefix + ":Envelope xmlns:" + prefix +
           "=\"http://schemas.xmlsoap.org/soap/envelope/\"><" + prefix + ":Body>" + body + "</" +
           prefix + ":Body></" + prefix + ":Envelope>";
}

QByteArray tris(const QByteArray &batch, const QByteArray &prefix = "soapenv")
{
    return soap("<trisr:Response><trisr:BatchResponse>" + batch +
                    "</trisr:BatchResponse></trisr:Response>",
                prefix);
}

QByteArray trisDetail(const QByteArray &count, const QByteArray &confirmation)
{
    return "<trisr:BatchResponseDetail><trisr:ReceivedFormsCount>" + count +
           "</trisr:ReceivedFormsCount><trisr:ConfirmationNumber>" + confirmation +
           "</trisr:ConfirmationNumber></trisr:BatchResponseDetail>";
}

QByteArray padDescription(const QByteArray &code, const QByteArray &text)
{
    return "<ResponseCodeDescription><ResponseCode>" + code +
           "</ResponseCode><EnglishMessage><MessageText>" + text +
           "</MessageText></EnglishMessage></ResponseCodeDescription>";
}

QByteArray pad(const QByteArray &inner, const QByteArray &prefix = "soapenv")
{
    return soap("<PadCreateResponse>" + inner + "</PadCreateResponse>", prefix);
}

QByteArray t1135Reply(const QByteArray &code, const QByteArray &inner)
{
    return soap("<FrrmsNetfileReturnResponse><ResultCode>" + code +
                "</ResultCode><t1rsp:FileReturnResponse>" + inner +
                "</t1rsp:FileReturnResponse></FrrmsNetfileReturnResponse>");
}

const QByteArray kT1135Confirmed =
    t1135Reply("0", "<t1rsp:Confirmation><t1rsp:ConfirmationCode>T99</t1rsp:ConfirmationCode>"
                    "<t1rsp:EnglishMessage><t1rsp:MessageText>Received</t1rsp:MessageText>"
                    "</t1rsp:EnglishMessage></t1rsp:Confirmation>");
const QByteArray kT1135Rejected =
    t1135Reply("1234", "<t1rsp:Rejection><t1rsp:EnglishMessage><t1rsp:MessageText>Rejected"
                       "</t1rsp:MessageText></t1rsp:EnglishMessage></t1rsp:Rejection>");

const QByteArray kTermsReply =
    soap("<t1rsp:TermsAndConditionsResponse><t1rsp:TermsAndConditions><t1rsp:EnglishMessage>"
         "<t1rsp:MessageText>Agree</t1rsp:MessageText></t1rsp:EnglishMessage>"
         "</t1rsp:TermsAndConditions></t1rsp:TermsAndConditionsResponse>");

const QByteArray kStatement = "<t1135:ForeignIncomeVerificationStatement>\r\n"
                              "<t1135:SoftwareID>Q25M</t1135:SoftwareID>\r\n"
                              "</t1135:ForeignIncomeVerificationStatement>";

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// What a window showed: its title and its labels' texts by object name.
struct SeenWindow
{
    QString className;
    QString title;
    QMap<QString, QString> labels;
    QStringList tabs;
};

// Drives the modal windows in the order they come, one step each. A step presses its button
// from a later event, so the window's own work (and the windows it opens) can run while the
// driver keeps polling.
class Steps : public QObject
{
public:
    using Step = std::function<void(QWidget *)>;

    Steps()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &Steps::poll);
        m_timer.start();
    }
    void add(const Step &step) { m_steps.append(step); }
    int pending() const { return m_steps.size(); }
    QList<SeenWindow> seen;

    static void press(QWidget *window, QDialogButtonBox::StandardButton which)
    {
        auto *box = window->findChild<QDialogButtonBox *>();
        QPushButton *button = box ? box->button(which) : nullptr;
        if (button)
            QTimer::singleShot(0, button, &QAbstractButton::click);
    }
    static Step ok()
    {
        return [](QWidget *w) { press(w, QDialogButtonBox::Ok); };
    }
    static Step cancel()
    {
        return [](QWidget *w) { press(w, QDialogButtonBox::Cancel); };
    }
    static Step agree()
    {
        return [](QWidget *w) {
            if (auto *box = w->findChild<QAbstractButton *>("fld_bAgree"))
                box->setChecked(true);
            press(w, QDialogButtonBox::Ok);
        };
    }
    static Step close()
    {
        return [](QWidget *w) {
            if (auto *dialog = qobject_cast<QDialog *>(w))
                QTimer::singleShot(0, dialog, &QDialog::accept);
        };
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || m_steps.isEmpty())
            return;
        for (const QPointer<QWidget> &done : m_done)
            if (done == modal)
                return;
        m_done.append(modal);
        SeenWindow window{modal->metaObject()->className(), modal->windowTitle(), {}, {}};
        for (QLabel *label : modal->findChildren<QLabel *>())
            window.labels.insert(label->objectName(), label->text());
        if (auto *details = modal->findChild<QTextEdit *>())
            window.labels.insert(details->objectName(), details->toPlainText());
        if (auto *tabs = modal->findChild<QTabWidget *>())
            for (int i = 0; i < tabs->count(); ++i)
                window.tabs << tabs->tabText(i);
        seen.append(window);
        m_steps.takeFirst()(modal);
    }

    QTimer m_timer;
    QList<Step> m_steps;
    QList<QPointer<QWidget>> m_done;
};

int countRequests(const QList<LocalServer::Request> &requests, const QByteArray &path)
{
    int n = 0;
    for (const LocalServer::Request &r : requests)
        n += r.path == path ? 1 : 0;
    return n;
}

LocalServer::Request firstRequest(const QList<LocalServer::Request> &requests,
                                  const QByteArray &path)
{
    for (const LocalServer::Request &r : requests)
        if (r.path == path)
            return r;
    return {};
}

TaxData_T1135New *t1135Of(FamilyTaxData *family)
{
    return formOf<TaxData_T1135New>(*family->getCurrentPersonData(), FormType::T1135);
}

} // namespace

class TestFormFiling : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void trisReader_data();
    void trisReader();
    void padReader_data();
    void padReader();
    void padExchange_data();
    void padExchange();
    void t1013RequestIsNeverGuessed();
    void testingModeDumpsTheRequestMasked();
    void t1135Exchange_data();
    void t1135Exchange();
    void t1135WithoutStatementPostsNothing();

    void dialogTexts_data();
    void dialogTexts();
    void enterCancelsAndSendsNothing();
    void t1135Outcomes_data();
    void t1135Outcomes();
    void declinedTermsPostNothing();
    void aSecondOkFilesNothing();
    void testingModeAsksForTheTestCase_data();
    void testingModeAsksForTheTestCase();
    void authFiling_data();
    void authFiling();

    void commandWithoutT1135();
    void commandWithErrorsShowsThemOnly();
    void validateT1135_data();
    void validateT1135();

private:
    FilingSetup setup() const;
    QString resultPath() const { return m_dir.filePath("result.txt"); }
    Form_Return *openEditor(bool withStatement);
    // An editor on a return with a complete T1135, its statement in xml, and a service that
    // confirms the filing; null when the statement could not be made.
    Form_Return *openForFiling(CString &xml);
    QList<LocalServer::Request> requests() const { return m_server->requests(); }

    QTemporaryDir m_dir;
    TestCertificates m_certs;
    std::unique_ptr<LocalServer> m_server;
    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
};

void TestFormFiling::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(m_certs.create(m_dir.path()), qPrintable(m_certs.errorString()));
    QWebClient::filingLimits() = {2000, 4000, QWebClient::DefaultMaxReplyBytes};
    // The dialog's exchanges and the filing report build their own clients: they trust the
    // test authority through this process's default configuration.
    QSslConfiguration::setDefaultConfiguration(m_certs.clientConfiguration());
    installFilingServices(neighbourServices());
    installPrintServices(neighbourServices());
}

void TestFormFiling::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    m_server = std::make_unique<LocalServer>();
    QVERIFY(m_server->listen(m_certs.serverConfiguration()));
    setNow(QDateTime(QDate(2026, 3, 15), QTime(14, 30, 12)));
    EfileFixture::setSoftwareSettings();
    CT1AppConfig &c = appInstance()->config;
    const QString host = "127.0.0.1:" + QString::number(m_server->port());
    c.NETFILESERVER = host;
    c.T1013SERVER = host;
    c.MODEDEBUG = false;
    c.SaveBackup = 0;
    c.VarnexaServer = QString::fromLatin1(m_server->url(""));
    c.VarnexaEmail = "preparer@example.com";
    c.VarnexaPswd = "s3cret";
    c.FilingReport = true;
    appInstance()->runPath = m_fixture->dir() + "/run";
    // The main window makes the run folder before its filing commands; the dialog's own
    // tests open it without that command.
    QVERIFY(QDir().mkpath(appInstance()->runPath));
    m_server->setResponse(kTermsPath, LocalServer::Response::answer(200, kTermsReply));
    m_server->setResponse(kReportPath, LocalServer::Response::answer(200, "{}"));
    QFile::remove(resultPath());
}

void TestFormFiling::cleanup()
{
    setNow();
    m_fixture.reset();
    m_presenter.reset();
    m_server.reset();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

FilingSetup TestFormFiling::setup() const
{
    FilingSetup s;
    s.netfileServer = s.t1013Server = "127.0.0.1:" + QString::number(m_server->port());
    s.ssl = m_certs.clientConfiguration();
    s.resultFilePath = resultPath();
    return s;
}

Form_Return *TestFormFiling::openEditor(bool withStatement)
{
    FamilyTaxData *family = EditorFixture::singleReturn();
    if (withStatement)
        EfileFixture::addT1135Statement(*family->getCurrentPersonData());
    MainWindow *w = m_fixture->window();
    w->show();
    w->addReturnPage(nullptr, family);
    return w->shownEditor();
}

Form_Return *TestFormFiling::openForFiling(CString &xml)
{
    m_server->setResponse(kT1135Path, LocalServer::Response::answer(200, kT1135Confirmed));
    Form_Return *editor = openEditor(true);
    return editor && editor->family()->generateT1135Xml(xml) == T1135XmlResult::Made ? editor
                                                                                     : nullptr;
}

void TestFormFiling::trisReader_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("message");

    const QByteArray batchCodes =
        "<trisr:ResponseCodes><trisr:BatchLevelResponse><trisr:BatchResponseCode>"
        "<trisr:ResponseCode>A1</trisr:ResponseCode><trisr:ResponseCode>B2</trisr:ResponseCode>"
        "</trisr:BatchResponseCode></trisr:BatchLevelResponse></trisr:ResponseCodes>";
    QTest::newRow("two codes in document order")
        << tris(trisDetail("1", "C123") + batchCodes) << 1 << "C123" << QStringList{"A1", "B2"}
        << "response codes: A1 B2 ";
    QTest::newRow("another element after the first code")
        << tris("<trisr:ResponseCodes><trisr:BatchLevelResponse><trisr:BatchResponseCode>"
                "<trisr:Note>Z0</trisr:Note><trisr:ResponseCode>A1</trisr:ResponseCode>"
                "<trisr:Note>X9</trisr:Note></trisr:BatchResponseCode></trisr:BatchLevelResponse>"
                "</trisr:ResponseCodes>")
        << 0 << "" << QStringList{"A1", "X9"} << "response codes: A1 X9 ";
    QTest::newRow("groups in their fixed order")
        << tris("<trisr:RejectedBatchForms><trisr:BatchLevelError><trisr:BatchErrorCode>"
                "<trisr:ErrorCode>E1</trisr:ErrorCode></trisr:BatchErrorCode>"
                "</trisr:BatchLevelError></trisr:RejectedBatchForms><trisr:ResponseCodes>"
                "<trisr:FormLevelResponse><trisr:FormResponseCode><trisr:ResponseCode>F1"
                "</trisr:ResponseCode></trisr:FormResponseCode></trisr:FormLevelResponse>"
                "<trisr:BatchLevelResponse><trisr:BatchResponseCode><trisr:ResponseCode>B1"
                "</trisr:ResponseCode></trisr:BatchResponseCode></trisr:BatchLevelResponse>"
                "</trisr:ResponseCodes>" +
                trisDetail("2", "C9"))
        << 2 << "C9" << QStringList{"B1", "F1", "E1"} << "response codes: B1 F1 E1 ";
    QTest::newRow("no batch detail")
        << tris(batchCodes) << 0 << "" << QStringList{"A1", "B2"} << "response codes: A1 B2 ";
    QTest::newRow("count not a number")
        << tris(trisDetail("one", "C1")) << 0 << "C1" << QStringList{} << "response codes: ";
    QTest::newRow("soap fault")
        << soap("<soapenv:Fault><faultcode>soapenv:Server</faultcode><faultstring>Boom"
                "</faultstring><Detail><SystemSoapFaultType><description><englishMessageText>"
                "Down</englishMessageText></description></SystemSoapFaultType></Detail>"
                "</soapenv:Fault>")
        << 0 << "" << QStringList{}
        << "response codes:  Fault code: soapenv:Server details:Boom description:Down";
    QTest::newRow("fault without description")
        << soap("<soapenv:Fault><faultcode>c</faultcode><faultstring>s</faultstring>"
                "</soapenv:Fault>")
        << 0 << "" << QStringList{} << "response codes:  Fault code: c details:s";
    QTest::newRow("another envelope prefix") << tris(trisDetail("1", "C123") + batchCodes, "env")
                                             << 0 << "" << QStringList{} << "response codes: ";
}

void TestFormFiling::trisReader()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, count);
    QFETCH(QString, confirmation);
    QFETCH(QStringList, codes);
    QFETCH(QString, message);
    TiXmlDocument doc;
    doc.Parse(reply.constData());
    QVERIFY2(!doc.Error(), doc.ErrorDesc());
    TrisFilingResult result;
    result.messageText = "replaced";
    QCOMPARE(parseTrisResponse(doc.FirstChildElement(), result), FormFilingResult::Read);
    QCOMPARE(result.receivedFormsCount, count);
    QCOMPARE(QString(result.confirmationNumber), confirmation);
    QCOMPARE(result.responseCodes, codes);
    QCOMPARE(QString(result.messageText), message);
}

void TestFormFiling::padReader_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("message");

    const QByteArray confirmation = "<Confirmation><ConfirmationNumber>P77</ConfirmationNumber>" +
                                    padDescription("100", "Accepted") +
                                    padDescription("101", "Queued") + "</Confirmation>";
    QTest::newRow("confirmation") << pad(confirmation) << "P77" << QStringList{"100", "101"}
                                  << "Accepted\nQueued\n";
    QTest::newRow("confirmation and rejection")
        << pad(confirmation + "<Rejection>" + padDescription("300", "Bad account") + "</Rejection>")
        << "P77" << QStringList{"300"} << "Bad account\n";
    QTest::newRow("confirmation without descriptions")
        << pad("<Confirmation><ConfirmationNumber>P77</ConfirmationNumber></Confirmation>") << "P77"
        << QStringList{} << "";
    QTest::newRow("the last section wins")
        << pad("<ProcessingError>" + padDescription("400", "Later") + "</ProcessingError>" +
               "<SystemError>" + padDescription("500", "Down") + "</SystemError>")
        << "" << QStringList{"500"} << "Down\n";
    QTest::newRow("a later section without descriptions")
        << pad(confirmation + "<Rejection/>") << "P77" << QStringList{} << "";
    QTest::newRow("soap fault")
        << soap("<soapenv:Fault><faultcode>c</faultcode><faultstring>Boom</faultstring>"
                "</soapenv:Fault>")
        << "" << QStringList{} << "Boom";
    QTest::newRow("another envelope prefix")
        << pad(confirmation, "env") << "" << QStringList{} << "";
}

void TestFormFiling::padReader()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, confirmation);
    QFETCH(QStringList, codes);
    QFETCH(QString, message);
    TiXmlDocument doc;
    doc.Parse(reply.constData());
    QVERIFY2(!doc.Error(), doc.ErrorDesc());
    TrisFilingResult result;
    QCOMPARE(parsePadResponse(doc.FirstChildElement(), result), FormFilingResult::Read);
    QCOMPARE(result.receivedFormsCount, 0);
    QCOMPARE(QString(result.confirmationNumber), confirmation);
    QCOMPARE(result.responseCodes, codes);
    QCOMPARE(QString(result.messageText), message);
}

void TestFormFiling::padExchange_data()
{
    QTest::addColumn<LocalServer::Response>("response");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("message");
    // The result file after the stamp line; "$reply" stands for the reply the server sent.
    QTest::addColumn<QByteArray>("file");

    const QByteArray confirmed = pad("<Confirmation><ConfirmationNumber>P77</ConfirmationNumber>" +
                                     padDescription("100", "Accepted") + "</Confirmation>");
    QTest::newRow("confirmation") << LocalServer::Response::answer(200, confirmed) << 0 << "P77"
                                  << "Accepted\n"
                                  << QByteArray(confirmed + "\n\nxml=>\n" + confirmed +
                                                "Accepted\n\n\n");
    const QByteArray bare = confirmed.mid(confirmed.indexOf("<soapenv:Envelope"));
    QTest::newRow("no xml declaration: read from the start")
        << LocalServer::Response::answer(200, bare) << 0 << "P77"
        << "Accepted\n"
        << QByteArray(bare + "\n\nxml=>\n" + bare + "Accepted\n\n\n");
    QTest::newRow("text after the envelope is cut off")
        << LocalServer::Response::answer(200, confirmed + "\r\n--end--") << 0 << "P77"
        << "Accepted\n"
        << QByteArray(confirmed + "\r\n--end--\n\nxml=>\n" + confirmed + "Accepted\n\n\n");
    const QByteArray cut = confirmed.left(confirmed.indexOf("</soapenv:Body>"));
    QTest::newRow("no envelope end: read to the end")
        << LocalServer::Response::answer(200, cut) << -100 << ""
        << "response parse failed."
        << QByteArray(cut + "\n\nxml=>\n" + cut + "cannot parse returned response.\n");
    QTest::newRow("not XML") << LocalServer::Response::answer(200, "Service Unavailable") << -100
                             << ""
                             << "response parse failed."
                             << QByteArray("Service Unavailable\n\nxml=>\nService Unavailable"
                                           "cannot parse returned response.\n");
    QTest::newRow("post failed") << LocalServer::Response::closeWithoutAnswer() << -10 << ""
                                 << "web service failed."
                                 << QByteArray("T1013 web service failed.\n\n\nweb service "
                                               "failed.\n\n");
}

void TestFormFiling::padExchange()
{
    QFETCH(LocalServer::Response, response);
    QFETCH(int, code);
    QFETCH(QString, confirmation);
    QFETCH(QString, message);
    QFETCH(QByteArray, file);
    m_server->setResponse(kPadPath, response);
    // Each exchange starts the result file afresh.
    writeFile(resultPath(), "an earlier exchange\n");

    TemplateValues values;
    values.insert("efilerid", CString("X1234"));
    values.insert("password", CString("s3cret"));
    values.insert("softwarecode", CString("E25P"));
    values.insert("revdate", CString("2026-03-03"));
    values.insert("sin", CString("046454286"));
    TrisFilingResult result;
    QCOMPARE(
        resultNumber(postTrisFiling(false, values, "<padrq:PadCreateDetail/>", result, setup())),
        code);
    QCOMPARE(QString(result.confirmationNumber), confirmation);
    QCOMPARE(QString(result.messageText), message);
    QCOMPARE(result.transportError.isEmpty(), code != -10);
    QCOMPARE(readFile(resultPath()), "\n\n" + kStamp.toUtf8() + "\n" + file);

    QCOMPARE(requests().size(), 1);
    const LocalServer::Request request = requests().first();
    QCOMPARE(request.path, kPadPath);
    QCOMPARE(request.header("Content-Type"), QByteArray("text/xml; charset=UTF-8"));
    QVERIFY(request.body.contains("<padrq:PasswordIdentifier>s3cret</padrq:PasswordIdentifier>"));
    QVERIFY(request.body.contains("<padrq:TaxpayerSocialInsuranceNumber>046454286</padrq:"
                                  "TaxpayerSocialInsuranceNumber>\r\n<padrq:PadCreateDetail/>"
                                  "</padrq:PadCreateRequest>"));
}

void TestFormFiling::t1013RequestIsNeverGuessed()
{
    writeFile(resultPath(), "an earlier exchange\n");
    TemplateValues values;
    values.insert("efilerid", CString("X1234"));
    values.insert("taxyear", CString("2025"));
    TrisFilingResult result;
    QCOMPARE(postTrisFiling(true, values, "<form/>", result, setup()), FormFilingResult::NotBuilt);
    QCOMPARE(QString(result.messageText), QString("request creation failed."));
    QCOMPARE(readFile(resultPath()), "\n\n" + kStamp.toUtf8() + "\nrequest creation failed.\n");
    QCOMPARE(requests().size(), 0);
}

void TestFormFiling::testingModeDumpsTheRequestMasked()
{
    m_server->setResponse(kPadPath, LocalServer::Response::answer(200, pad("")));
    FilingSetup s = setup();
    s.modeDebug = true;
    TemplateValues values;
    values.insert("efilerid", CString("X1234"));
    values.insert("password", CString("s3cret"));
    TrisFilingResult result;
    QCOMPARE(postTrisFiling(false, values, "<padrq:PadCreateDetail/>", result, s),
             FormFilingResult::Read);
    const QByteArray file = readFile(resultPath());
    QVERIFY2(file.startsWith("<soap-env:Envelope"), file.constData());
    QVERIFY(file.contains("<padrq:PasswordIdentifier>****</padrq:PasswordIdentifier>"));
    QVERIFY(!file.contains("s3cret"));
    // The service itself gets the password.
    QVERIFY(requests().value(0).body.contains("<padrq:PasswordIdentifier>s3cret<"));
}

void TestFormFiling::t1135Exchange_data()
{
    QTest::addColumn<LocalServer::Response>("response");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("accepted");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("resultText");
    QTest::addColumn<QString>("details");
    QTest::addColumn<QByteArray>("file"); // after the stamp line

    QTest::newRow("confirmation") << LocalServer::Response::answer(200, kT1135Confirmed) << 0 << 1
                                  << "T99"
                                  << "0"
                                  << "Received\r\n"
                                  << QByteArray("\n" + kT1135Confirmed + "\nReceived\r\n\n\n");
    QTest::newRow("no confirmation")
        << LocalServer::Response::answer(200, kT1135Rejected) << 0 << 0 << ""
        << "1234"
        << "Rejected<br/>" << QByteArray("\n" + kT1135Rejected + "\nRejected<br/>\n\n");
    QTest::newRow("not XML") << LocalServer::Response::answer(200, "Service Unavailable") << 1 << 0
                             << ""
                             << ""
                             << "" << QByteArray("\nService Unavailable\nresponse error\n\n");
    QTest::newRow("post failed") << LocalServer::Response::closeWithoutAnswer() << -10 << 0 << ""
                                 << ""
                                 << "" << QByteArray("T1135 web service failed.\n");
}

void TestFormFiling::t1135Exchange()
{
    QFETCH(LocalServer::Response, response);
    QFETCH(int, code);
    QFETCH(int, accepted);
    QFETCH(QString, confirmation);
    QFETCH(QString, resultText);
    QFETCH(QString, details);
    QFETCH(QByteArray, file);
    m_server->setResponse(kT1135Path, response);
    writeFile(resultPath(), "an earlier exchange\n");

    TemplateValues values;
    values.insert("sin", CString("046454286"));
    values.insert("origip", CString("10.1.2.3"));
    T1135FilingResult result;
    const QByteArray xml = "<?xml version=\"1.0\"?>\r\n" + kStatement + "\r\n<!-- after -->";
    QCOMPARE(resultNumber(postT1135Filing(values, xml, result, setup())), code);
    QCOMPARE(result.accepted, accepted);
    QCOMPARE(QString(result.confirmationCode), confirmation);
    QCOMPARE(QString(result.resultText), resultText);
    QCOMPARE(QString(result.details), details);
    QCOMPARE(result.transportError.isEmpty(), code != -10);
    QCOMPARE(values.value("origip"), CString("0.0.0.0"));
    QCOMPARE(readFile(resultPath()), kStamp.toUtf8() + "\n" + file);

    QCOMPARE(requests().size(), 1);
    const LocalServer::Request request = requests().first();
    QCOMPARE(request.path, kT1135Path);
    QVERIFY(request.body.contains("<t1rq:TaxReturnForm>\r\n" + kStatement + "</t1rq:"));
    QVERIFY(!request.body.contains("<!-- after -->"));
    QVERIFY(request.body.contains("<comm:OriginatingIP>0.0.0.0</comm:OriginatingIP>"));
}

void TestFormFiling::t1135WithoutStatementPostsNothing()
{
    writeFile(resultPath(), "an earlier exchange\n");
    TemplateValues values;
    T1135FilingResult result;
    QCOMPARE(postT1135Filing(values, "<t1:T1Return></t1:T1Return>", result, setup()),
             FormFilingResult::NotBuilt);
    QCOMPARE(readFile(resultPath()), QByteArray("T1135 request creation failed.\n"));
    QCOMPARE(requests().size(), 0);
    QCOMPARE(result.accepted, 0);
}

void TestFormFiling::dialogTexts_data()
{
    QTest::addColumn<int>("formCode");
    QTest::addColumn<QString>("submit");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("formName");
    QTest::newRow("T1135") << 101 << "Submit T1135"
                           << "File T1135 Online" << QByteArray("T1135");
    QTest::newRow("T1013") << 117 << "Submit E-Auth"
                           << "File E-Auth (T1013) Online" << QByteArray("T1013");
    QTest::newRow("PAD") << 181 << "EFile Online"
                         << "Submit Form To CRA" << QByteArray("T185");
    QTest::newRow("another code") << 96 << "EFile Online"
                                  << "Submit Form To CRA" << QByteArray("T183");
}

void TestFormFiling::dialogTexts()
{
    QFETCH(int, formCode);
    QFETCH(QString, submit);
    QFETCH(QString, title);
    QFETCH(QByteArray, formName);
    CString body;
    CFormFilingDlg dialog(CString(), CString(), formCode, &body, nullptr, nullptr);
    QCOMPARE(dialog.objectName(), QString("CFormFilingDlg"));
    QCOMPARE(dialog.windowTitle(), submit);
    QCOMPARE(dialog.size(), QSize(612, 325));
    QCOMPARE(dialog.font().pointSize(), 11);
    QCOMPARE(dialog.formName(), formName);
    auto *box = dialog.findChild<QDialogButtonBox *>("buttonBox");
    QVERIFY(box);
    QCOMPARE(box->button(QDialogButtonBox::Ok)->text(), submit);
    QVERIFY(box->button(QDialogButtonBox::Cancel)->isDefault());
    QVERIFY(!box->button(QDialogButtonBox::Ok)->isDefault());
    auto *lbl1 = dialog.findChild<QLabel *>("lbl1");
    QCOMPARE(lbl1->text(), QString("Submit Form To CRA"));
    QVERIFY(lbl1->font().bold());
    QCOMPARE(lbl1->font().pointSize(), 12);
    QCOMPARE(dialog.findChild<QFrame *>("line")->frameShape(), QFrame::HLine);
    QCOMPARE(dialog.findChild<QLabel *>("lbl4")->text(),
             QString("Make sure the program can access Internet to submit the filing. Usually "
                     "the failure is caused by anti-virus software blocking the program. Add "
                     "Quorvandelle as trusted program inside anti-virus software."));

    dialog.showFormInfo("Mary O'Neil", "046454286");
    QCOMPARE(lbl1->text(), title);
    QCOMPARE(dialog.findChild<QLabel *>("lbl2")->text(),
             QString("This filing is for <b>Mary O'Neil (046454286)</b>"));
    QCOMPARE(dialog.findChild<QLabel *>("lbl3")->text(), QString());
    QVERIFY(!dialog.isFiled());
}

void TestFormFiling::enterCancelsAndSendsNothing()
{
    CString body = "<t1135:ForeignIncomeVerificationStatement/>";
    CFormFilingDlg dialog(CString(), CString(), 101, &body, nullptr, nullptr);
    dialog.showFormInfo("Mary O'Neil", "046454286");
    QTimer::singleShot(50, &dialog, [&dialog] {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &dialog, Qt::Key_Return);
    });
    QTimer::singleShot(3000, &dialog, [&dialog] { dialog.done(99); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(requests().size(), 0);
    QCOMPARE(m_presenter->shown().size(), 0);
}

void TestFormFiling::t1135Outcomes_data()
{
    QTest::addColumn<LocalServer::Response>("response");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<int>("reports");
    QTest::addColumn<bool>("logged");
    // The result window's heading and link file, or the information message shown instead.
    QTest::addColumn<QString>("heading");
    QTest::addColumn<bool>("linksLog");
    QTest::addColumn<QString>("information");

    QTest::newRow("confirmation") << LocalServer::Response::answer(200, kT1135Confirmed) << 1
                                  << "T99" << 1 << true
                                  << "T1135 is submitted successfully. Time: " + kStamp << true
                                  << QString();
    QTest::newRow("no confirmation")
        << LocalServer::Response::answer(200, kT1135Rejected) << -1 << "" << 1 << false
        << "%1 submission failed. \nThe error codes are [1234].\nTime: " + kStamp << false
        << QString();
    QTest::newRow("post failed") << LocalServer::Response::closeWithoutAnswer() << 0 << "" << 0
                                 << false << QString() << false
                                 << "Error filing T1135, return code = -10.\n";
    QTest::newRow("reply not XML")
        << LocalServer::Response::answer(200, "Service Unavailable") << 0 << "" << 0 << false
        << QString() << false << "Error filing T1135, return code = 1.";
}

void TestFormFiling::t1135Outcomes()
{
    QFETCH(LocalServer::Response, response);
    QFETCH(int, status);
    QFETCH(QString, confirmation);
    QFETCH(int, reports);
    QFETCH(bool, logged);
    QFETCH(QString, heading);
    QFETCH(bool, linksLog);
    QFETCH(QString, information);
    m_server->setResponse(kT1135Path, response);
    Form_Return *editor = openEditor(true);
    QVERIFY(editor);
    FamilyTaxData *family = editor->family();
    CString name, sin;
    family->getTextByKey(17, name);
    family->getTextByKey(1, sin);
    Steps steps;
    steps.add(Steps::ok()); // the filing dialog
    // The terms come while the filing runs: the filing dialog's buttons no longer take a press.
    bool filingButtonsEnabled = true;
    steps.add([&filingButtonsEnabled](QWidget *terms) {
        if (auto *box = terms->parentWidget()->findChild<QDialogButtonBox *>("buttonBox"))
            filingButtonsEnabled = box->isEnabled();
        Steps::agree()(terms);
    });
    if (!heading.isEmpty())
        steps.add(Steps::close()); // the result window
    m_fixture->action("actionFile_T1135_Online")->trigger();
    QTRY_COMPARE(steps.pending(), 0);

    QVERIFY(!filingButtonsEnabled);
    QCOMPARE(steps.seen.value(1).className, QString("DlgFilingTerm"));
    QCOMPARE(steps.seen.value(0).title, QString("Submit T1135"));
    QCOMPARE(steps.seen.value(0).labels.value("lbl1"), QString("File T1135 Online"));
    QCOMPARE(steps.seen.value(0).labels.value("lbl2"),
             QString("This filing is for <b>%1 (%2)</b>").arg(name, sin));
    CString logPath, resultFile;
    appInstance()->netfileLogPath(logPath, false);
    appInstance()->netfileLogPath(resultFile, true);
    if (!heading.isEmpty()) {
        QCOMPARE(steps.seen.size(), 3);
        const SeenWindow &result = steps.seen.at(2);
        QCOMPARE(result.title, QString("T1135 Web Service Result"));
        QCOMPARE(result.labels.value("lblOverview"),
                 heading.contains("%1") ? heading.arg(name) : heading);
        QVERIFY2(result.labels.value("lblLink").contains(
                     QUrl::fromLocalFile(linksLog ? logPath : resultFile).toString()),
                 qPrintable(result.labels.value("lblLink")));
        QCOMPARE(m_presenter->shown().size(), 0);
    } else {
        QCOMPARE(steps.seen.size(), 2);
        QCOMPARE(m_presenter->shown().size(), 1);
        QCOMPARE(m_presenter->shown().first().kind, QString("information"));
        const QString text = m_presenter->shown().first().text;
        if (information.endsWith('\n')) {
            // The web client's reason follows the code.
            QVERIFY2(text.startsWith(information) && text.size() > information.size(),
                     qPrintable(text));
        } else {
            QCOMPARE(text, information);
        }
    }

    TaxData_T1135New *form = t1135Of(family);
    QCOMPARE(int(form->filingStatus), status);
    QCOMPARE(QString(form->confirmation), confirmation);
    QCOMPARE(QString(form->filingTime).isEmpty(), status == 0);
    const QByteArray log = readFile(logPath);
    if (logged)
        QCOMPARE(log, "Time: " + kStamp.toUtf8() + " \nName: " + name.toUtf8() +
                          "\nResult: T1135 is submitted successfully. Time: " + kStamp.toUtf8() +
                          "\nConfirmation: T99\nMsg: Received\r\n\n\n\n");
    else
        QCOMPARE(log, QByteArray("<missing>"));

    const QList<LocalServer::Request> seen = requests();
    QCOMPARE(countRequests(seen, kTermsPath), 1);
    QCOMPARE(countRequests(seen, kT1135Path), 1);
    QCOMPARE(countRequests(seen, kReportPath), reports);
    // The statement as the command made it, after the page was committed and recalculated.
    QString xml;
    QCOMPARE(family->generateT1135Xml(xml), T1135XmlResult::Made);
    const QByteArray body = firstRequest(seen, kT1135Path).body;
    QVERIFY(body.contains("<t1rq:TaxReturnForm>\r\n" + xml.trimmed().toUtf8() + "</t1rq:"));
    QVERIFY(body.contains("<comm:OriginatingIP>0.0.0.0</comm:OriginatingIP>"));
    QVERIFY(body.contains("<t1rq:AgreementIndicator>1</t1rq:AgreementIndicator>"));
    // Only the T1135 exchange is in the result file.
    QVERIFY(readFile(resultFile).startsWith(kStamp.toUtf8() + "\n"));
}

void TestFormFiling::declinedTermsPostNothing()
{
    CString xml;
    Form_Return *editor = openForFiling(xml);
    QVERIFY(editor);
    CFormFilingDlg dialog(CString(), CString(), 101, &xml, editor->family(), editor);
    Steps steps;
    steps.add(Steps::cancel());
    TemplateValues values;
    QCOMPARE(dialog.fileT1135(values), 10);
    QCOMPARE(steps.seen.value(0).className, QString("DlgFilingTerm"));
    QCOMPARE(countRequests(requests(), kTermsPath), 1);
    QCOMPARE(countRequests(requests(), kT1135Path), 0);
    QCOMPARE(countRequests(requests(), kReportPath), 0);
    QCOMPARE(int(t1135Of(editor->family())->filingStatus), 0);
    QVERIFY(!dialog.isFiled());
}

void TestFormFiling::aSecondOkFilesNothing()
{
    CString xml;
    Form_Return *editor = openForFiling(xml);
    QVERIFY(editor);
    CFormFilingDlg dialog(CString(), CString(), 101, &xml, editor->family(), editor);
    Steps steps;
    steps.add(Steps::agree());
    steps.add(Steps::close());
    steps.add(Steps::agree());
    dialog.accept();
    dialog.accept();
    QCOMPARE(steps.pending(), 1);
    QCOMPARE(countRequests(requests(), kTermsPath), 1);
    QCOMPARE(countRequests(requests(), kT1135Path), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestFormFiling::testingModeAsksForTheTestCase_data()
{
    QTest::addColumn<QString>("answer"); // empty: the input is cancelled
    QTest::addColumn<QByteArray>("testCaseLine");
    QTest::newRow("a number") << "12" << QByteArray("<comm:TestCaseIdentifier>12<");
    QTest::newRow("not a number") << "x7" << QByteArray();
    QTest::newRow("cancelled") << "" << QByteArray();
}

void TestFormFiling::testingModeAsksForTheTestCase()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, testCaseLine);
    appInstance()->config.MODEDEBUG = true;
    CString xml;
    Form_Return *editor = openForFiling(xml);
    QVERIFY(editor);
    if (!answer.isEmpty())
        m_presenter->queueText(answer);
    CFormFilingDlg dialog(CString(), CString(), 101, &xml, editor->family(), editor);
    Steps steps;
    steps.add(Steps::agree());
    steps.add(Steps::close());
    TemplateValues values;
    QCOMPARE(dialog.fileT1135(values), 0);
    QVERIFY(dialog.isFiled());
    QCOMPARE(m_presenter->shown().value(0).kind, QString("input"));
    QCOMPARE(m_presenter->shown().value(0).title, QString("test ID"));
    QCOMPARE(m_presenter->shown().value(0).text, QString("Enter testcase ID:"));

    const QByteArray body = firstRequest(requests(), kT1135Path).body;
    if (testCaseLine.isEmpty())
        QVERIFY(!body.contains("TestCaseIdentifier"));
    else
        QVERIFY(body.contains(testCaseLine));
    // Testing mode: the result file is the ".ws" one and starts with the request.
    CString resultFile;
    appInstance()->netfileLogPath(resultFile, true);
    QVERIFY(resultFile.endsWith("/netfileresult.ws"));
    QVERIFY(readFile(resultFile)
                .startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                            "<soapenv:Envelope"));
}

void TestFormFiling::authFiling_data()
{
    QTest::addColumn<int>("formCode");
    QTest::addColumn<LocalServer::Response>("response");
    QTest::addColumn<int>("posts");
    QTest::addColumn<int>("reports");
    QTest::addColumn<QString>("confirmation"); // recorded on the T185
    QTest::addColumn<bool>("logged");
    // The result window (title, heading, details, line) or the link message (title, text).
    QTest::addColumn<QStringList>("window");
    QTest::addColumn<QStringList>("linkMessage");

    const QByteArray confirmed =
        pad("<Confirmation><ConfirmationNumber>P77</ConfirmationNumber>" +
            padDescription("A1", "Accepted") + padDescription("B2", "Queued") + "</Confirmation>");
    const QString success = "T185 is submitted successfully. Time: " + kStamp;
    QTest::newRow("PAD confirmed")
        << 181 << LocalServer::Response::answer(200, confirmed) << 1 << 1 << "P77" << true
        << QStringList{"T185 Filing Result", success,
                       success + "\nThe confirmation number is P77\nFiling services return "
                                 "these codes: A1,B2",
                       ""}
        << QStringList{};
    const QByteArray noCodes =
        pad("<Confirmation><ConfirmationNumber>P78</ConfirmationNumber></Confirmation>");
    QTest::newRow("PAD confirmed without codes")
        << 181 << LocalServer::Response::answer(200, noCodes) << 1 << 1 << "P78" << true
        << QStringList{"T185 Filing Result", success, success + "\nThe confirmation number is P78",
                       ""}
        << QStringList{};
    const QByteArray rejected = pad("<Rejection>" + padDescription("R1", "Bad account") +
                                    padDescription("R2", "Closed") + "</Rejection>");
    QTest::newRow("PAD rejected")
        << 181 << LocalServer::Response::answer(200, rejected) << 1 << 1 << "" << false
        << QStringList{"T185 Filing Result", "Online Filing Error Occured",
                       "T185 submission failed. The error message is:\nBad account\nClosed\n\n"
                       "The error codes are [R1,R2].",
                       "Check filing result file"}
        << QStringList{};
    QTest::newRow("PAD post failed")
        << 181 << LocalServer::Response::closeWithoutAnswer() << 1 << 0 << "" << false
        << QStringList{}
        << QStringList{"Online Filing Failed",
                       "T185 form submission failed. The error code is -10.\nweb service "
                       "failed.\n"};
    QTest::newRow("T1013 request never built")
        << 117 << LocalServer::Response::answer(200, confirmed) << 0 << 0 << "" << false
        << QStringList{}
        << QStringList{"Online Filing Failed",
                       "T1013 form submission failed. The error code is -1.\nrequest creation "
                       "failed."};
}

void TestFormFiling::authFiling()
{
    QFETCH(int, formCode);
    QFETCH(LocalServer::Response, response);
    QFETCH(int, posts);
    QFETCH(int, reports);
    QFETCH(QString, confirmation);
    QFETCH(bool, logged);
    QFETCH(QStringList, window);
    QFETCH(QStringList, linkMessage);
    m_server->setResponse(kPadPath, response);
    Form_Return *editor = openEditor(false);
    FamilyTaxData *family = editor->family();
    auto *t185 = formOf<TaxData_T185>(*family->getCurrentPersonData(), FormType::T185, true);
    QVERIFY(t185);

    CString body = "<padrq:PadCreateDetail/>";
    CFormFilingDlg dialog("X1234", "p&ss", formCode, &body, family, editor);
    dialog.showFormInfo("Mary O'Neil", "046454286");
    Steps steps;
    steps.add(Steps::ok());
    if (!window.isEmpty())
        steps.add(Steps::close());
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(steps.pending(), 0);

    if (!window.isEmpty()) {
        QCOMPARE(steps.seen.size(), 2);
        const SeenWindow &shown = steps.seen.at(1);
        QCOMPARE(shown.title, window.at(0));
        QCOMPARE(shown.labels.value("lblOverview"), window.at(1));
        QCOMPARE(shown.labels.value("pteDetails"), window.at(2));
        QCOMPARE(shown.labels.value("lblBottom"), window.at(3));
        QCOMPARE(m_presenter->shown().size(), 0);
    } else {
        QCOMPARE(steps.seen.size(), 1);
        QCOMPARE(m_presenter->shown().size(), 1);
        const ShownMessage &shown = m_presenter->shown().first();
        QCOMPARE(shown.kind, QString("link"));
        QCOMPARE(shown.title, linkMessage.at(0));
        if (linkMessage.at(1).endsWith('\n'))
            QVERIFY2(shown.text.startsWith(linkMessage.at(1)) &&
                         shown.text.size() > linkMessage.at(1).size(),
                     qPrintable(shown.text));
        else
            QCOMPARE(shown.text, linkMessage.at(1));
    }

    QCOMPARE(dialog.isFiled(), !confirmation.isEmpty());
    QCOMPARE(QString(t185->confirmationNumber), confirmation);
    QCOMPARE(QString(t185->message).isEmpty(), confirmation.isEmpty());
    CString logPath;
    appInstance()->netfileLogPath(logPath, false);
    QCOMPARE(readFile(logPath) != QByteArray("<missing>"), logged);
    const QList<LocalServer::Request> seen = requests();
    QCOMPARE(countRequests(seen, kPadPath), posts);
    QCOMPARE(countRequests(seen, kReportPath), reports);
    QCOMPARE(countRequests(seen, kTermsPath), 0);
    if (posts > 0) {
        const QByteArray sent = firstRequest(seen, kPadPath).body;
        QVERIFY(sent.contains("<padrq:TransmitterEfilerNumber>X1234<"));
        QVERIFY(sent.contains("<padrq:PasswordIdentifier>p&amp;ss</padrq:PasswordIdentifier>"));
        QVERIFY(sent.contains("<padrq:SoftwareIdentifier>E25P</padrq:SoftwareIdentifier>"));
        QVERIFY(sent.contains("<padrq:SoftwareRevisionDate>2026-03-03<"));
        QVERIFY(sent.contains("<padrq:TaxpayerSocialInsuranceNumber>046454286<"));
    } else {
        CString resultFile;
        appInstance()->netfileLogPath(resultFile, true);
        QVERIFY(readFile(resultFile).endsWith("request creation failed.\n"));
    }
}

void TestFormFiling::commandWithoutT1135()
{
    Form_Return *editor = openEditor(false);
    Steps steps;
    QCOMPARE(editor->fileT1135Online(), T1135FilingStart::NoT1135);
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"Please add form T1135 into tax return first!"});
    // Reached from the main window: the same message, and no window opens.
    m_presenter->clear();
    m_fixture->action("actionFile_T1135_Online")->trigger();
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"Please add form T1135 into tax return first!"});
    QCOMPARE(steps.seen.size(), 0);
    QCOMPARE(requests().size(), 0);
}

void TestFormFiling::commandWithErrorsShowsThemOnly()
{
    Form_Return *editor = openEditor(true);
    TaxData_T1135New *form = t1135Of(editor->family());
    form->certifierFirstName = QString();
    form->certificationDate.reset();
    Steps steps;
    steps.add(Steps::close());
    QCOMPARE(editor->fileT1135Online(), T1135FilingStart::FormHasErrors);
    QCOMPARE(steps.seen.size(), 1);
    QCOMPARE(steps.seen.first().className, QString("DlgValidationMsgs"));
    QCOMPARE(steps.seen.first().tabs, QStringList{"T1135"});
    QCOMPARE(m_presenter->shown().size(), 0);
    QCOMPARE(requests().size(), 0);
}

void TestFormFiling::validateT1135_data()
{
    QTest::addColumn<bool>("complete");
    QTest::addColumn<int>("formType");
    QTest::addColumn<bool>("showSuccess");
    QTest::addColumn<bool>("askFirst");
    QTest::addColumn<int>("answer"); // to the question, when one is asked
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("shown"); // presenter texts
    QTest::addColumn<bool>("dialog");       // the validation window opened

    const QString question =
        "Form contains validation errors. Do you want to view the validation errors?";
    const QString passes = "Form passes validation check, there are no errors found.";
    QTest::newRow("errors, asked, yes") << false << 101 << false << true << int(QMessageBox::Yes)
                                        << 2 << QStringList{question} << true;
    QTest::newRow("errors, asked, no") << false << 101 << true << true << int(QMessageBox::No) << 2
                                       << QStringList{question} << false;
    QTest::newRow("no errors, success shown")
        << true << 101 << true << false << 0 << 0 << QStringList{passes} << false;
    QTest::newRow("no errors, quiet")
        << true << 101 << false << true << 0 << 0 << QStringList{} << false;
    QTest::newRow("another form type")
        << false << 1 << true << true << 0 << 0 << QStringList{passes} << false;
}

void TestFormFiling::validateT1135()
{
    QFETCH(bool, complete);
    QFETCH(int, formType);
    QFETCH(bool, showSuccess);
    QFETCH(bool, askFirst);
    QFETCH(int, answer);
    QFETCH(int, count);
    QFETCH(QStringList, shown);
    QFETCH(bool, dialog);
    Form_Return *editor = openEditor(true);
    if (!complete) {
        TaxData_T1135New *form = t1135Of(editor->family());
        form->city = QString();
        form->certifierPhone = QString("(000) 000-0000");
    }
    if (answer != 0)
        m_presenter->queueAnswer(QMessageBox::StandardButton(answer));
    Steps steps;
    steps.add(Steps::close());
    QCOMPARE(editor->validateT1135(2, formType, showSuccess, askFirst), count);
    QCOMPARE(m_presenter->shownTexts(), shown);
    QCOMPARE(steps.seen.size(), dialog ? 1 : 0);
}

QV_TEST_MAIN(TestFormFiling)
#include "tst_FormFiling.moc"
