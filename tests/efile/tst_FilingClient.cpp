// The filing web-service client against a real HTTPS server on 127.0.0.1: the requests it
// builds, the replies it reads and every wrong answer a server can give.
#include "LocalServer.h"
#include "ScriptedPresenter.h"
#include "TestCertificates.h"
#include "TestMain.h"
#include "app/CT1AppConfig.h"
#include "app/dialogs/DlgFilingTerm.h"
#include "efile/CNetfileResultDlg.h"
#include "efile/FilingExchanges.h"
#include "ordane/MyTiXmlHandle.h"
#include "ordane/QWebClient.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <tinyxml.h>

Q_DECLARE_METATYPE(LocalServer::Response)
Q_DECLARE_METATYPE(NetfileResult)

namespace {

const QByteArray kReturnXml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                              "<t1:T1Return><t1:Line>1</t1:Line></t1:T1Return>\r\n<!-- end -->";
const QByteArray kNetfilePath = "/ebci/pfno/ws/services/FileReturnService";
const QByteArray kEfilePath = "/ebci/pfeo/ws/services/FileReturnService";

QByteArray envelope(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope "
           "xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\"><soapenv:Body>" +
           body + "</soapenv:Body></soapenv:Envelope>";
}

QByteArray netfileReply(const QByteArray &code, const QByteArray &inner)
{
    return envelope("<t1rsp:NetfileReturnResponse><ResultCode>" + code +
                    "</ResultCode><t1rsp:FileReturnResponse>" + inner +
                    "</t1rsp:FileReturnResponse></t1rsp:NetfileReturnResponse>");
}

QByteArray efileReply(const QByteArray &code, const QByteArray &inner, const QByteArray &extra = {})
{
    return envelope("<t1ersp:EfileReturnResponse><ResultCode>" + code + "</ResultCode>" + extra +
                    "<t1rsp:FileReturnResponse>" + inner +
                    "</t1rsp:FileReturnResponse></t1ersp:EfileReturnResponse>");
}

QByteArray link(const QByteArray &target, const QByteArray &text)
{
    return "<t1rsp:Hyperlink><t1rsp:HyperlinkText>" + text +
           "</t1rsp:HyperlinkText><t1rsp:HyperlinkTarget>" + target +
           "</t1rsp:HyperlinkTarget></t1rsp:Hyperlink>";
}

const QByteArray kProcessingError =
    "<t1rsp:ProcessingError><t1rsp:EnglishMessage><t1rsp:MessageText>Check line 101"
    "</t1rsp:MessageText></t1rsp:EnglishMessage><t1rsp:ErrorCodeDescription>"
    "<t1rsp:ErrorCode>2134</t1rsp:ErrorCode><t1rsp:EnglishMessage><t1rsp:MessageText>First"
    "</t1rsp:MessageText><t1rsp:MessageText>Second</t1rsp:MessageText></t1rsp:EnglishMessage>"
    "</t1rsp:ErrorCodeDescription></t1rsp:ProcessingError>";
const QByteArray kProcessingDetails =
    "Check line 101<br/><br/>Error code: (2134)<br/><br/>Error Message:<br/>First<br/>Second";
const QByteArray kRejection = "<t1rsp:Rejection><t1rsp:EnglishMessage><t1rsp:MessageText>"
                              "Rejected</t1rsp:MessageText>" +
                              link("https://a.example/1", "One") +
                              link("https://a.example/2", "Two") +
                              "</t1rsp:EnglishMessage></t1rsp:Rejection>";

TemplateValues netfileValues()
{
    TemplateValues v;
    v.insert("sin", CString("046454286"));
    v.insert("bod", CString("1980-01-02"));
    v.insert("agreement", CString("1"));
    v.insert("firsttime", CString("N"));
    v.insert("accesscode", CString("AB12CD34"));
    v.insert("givenname", CString("Ann"));
    v.insert("familyname", CString("Lee"));
    v.insert("origip", CString("10.1.2.3"));
    return v;
}

TemplateValues efileValues(bool t183)
{
    TemplateValues v;
    v.insert("efilerID", CString("X1234"));
    v.insert("efpasd", CString("s3cret"));
    v.insert("dcn", CString("AB123"));
    v.insert("firsttime", CString("N"));
    if (t183) {
        v.insert("esigned_needed", CString(" "));
        v.insert("esigned", CString("1"));
        v.insert("esigndate", CString("2026-03-01"));
        v.insert("esigntime", CString("10:00:00"));
    }
    return v;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestFilingClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void code184_data();
    void code184();
    void htmlHelpers();
    void bodyMarkers_data();
    void bodyMarkers();
    void netfileRequest();
    void efileSignatureGroups_data();
    void efileSignatureGroups();
    void netfileReplies_data();
    void netfileReplies();
    void efileReplies_data();
    void efileReplies();
    void wrongServers_data();
    void wrongServers();
    void slowServers_data();
    void slowServers();
    void unreachableService_data();
    void unreachableService();
    void failedPostBodies_data();
    void failedPostBodies();
    void resultFile_data();
    void resultFile();
    void termsReplies();
    void confirmTerms_data();
    void confirmTerms();
    void trisRequest();

private:
    FilingSetup setup() const;

    QTemporaryDir m_dir;
    TestCertificates m_certs;
    std::unique_ptr<LocalServer> m_server;
};

void TestFilingClient::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(m_certs.create(m_dir.path()), qPrintable(m_certs.errorString()));
    QWebClient::filingLimits() = {2000, 4000, QWebClient::DefaultMaxReplyBytes};
}

void TestFilingClient::init()
{
    m_server = std::make_unique<LocalServer>();
    QVERIFY(m_server->listen(m_certs.serverConfiguration()));
    QFile::remove(m_dir.filePath("result.txt"));
}

void TestFilingClient::cleanup()
{
    m_server.reset();
}

FilingSetup TestFilingClient::setup() const
{
    FilingSetup s;
    s.netfileServer = s.eolServer = "127.0.0.1:" + QString::number(m_server->port());
    s.ssl = m_certs.clientConfiguration();
    s.resultFilePath = m_dir.filePath("result.txt");
    return s;
}

void TestFilingClient::code184_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("expected");
    QTest::newRow("184") << "184" << true;
    QTest::newRow("1841") << "1841" << true;
    QTest::newRow("leading blank") << " 184" << false;
    QTest::newRow("short") << "18" << false;
    QTest::newRow("new record") << "-100" << false;
}

void TestFilingClient::code184()
{
    QFETCH(QString, code);
    QFETCH(bool, expected);
    FilingResult r(1);
    QCOMPARE(r.accepted, false);
    QCOMPARE(r.code, CString("-100"));
    QVERIFY(!r.timeStamp.isEmpty());
    r.code = code;
    QCOMPARE(r.isCode184(), expected);
}

void TestFilingClient::htmlHelpers()
{
    CString target = "kept";
    messageTextToHtml(target, nullptr);
    hyperlinksToHtml(target, nullptr);
    QCOMPARE(target, CString("kept"));

    TiXmlDocument doc;
    doc.Parse("<r><m><t>A\xE2\x80\x99s &amp; &lt;b&gt;</t><t>B</t></m><l>" +
              link("https://a.example/x?a=1&amp;b=2", "Caf\xC3\xA9") +
              link("javascript:alert(1)", "Bad") + "</l></r>");
    const MyTiXmlHandle root(doc.RootElement());
    messageTextToHtml(target, root.FirstChildElement("m").FirstChildElement("t").ToElement());
    QCOMPARE(target, CString("A's &amp; &lt;b&gt;<br/>B<br/>"));
    hyperlinksToHtml(target,
                     root.FirstChildElement("l").FirstChildElement("t1rsp:Hyperlink").ToElement());
    QCOMPARE(target, CString(QString::fromUtf8(
                         "A's &amp; &lt;b&gt;<br/>B<br/><br/><a href=\"https://a.example/x?a=1&amp;"
                         "b=2\">Caf\xC3\xA9</a><br/><br/>Bad<br/>")));
}

void TestFilingClient::bodyMarkers_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("expected");
    QTest::newRow("none") << QByteArray("<x/>") << -1;
    QTest::newRow("no end") << QByteArray("<t1:T1Return>") << -1;
    QTest::newRow("no start") << QByteArray("</t1:T1Return>") << -1;
    QTest::newRow("reversed") << QByteArray("</t1:T1Return><t1:T1Return>") << -1;
    QTest::newRow("both") << kReturnXml << 0;
}

void TestFilingClient::bodyMarkers()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, expected);
    QByteArray request = "old";
    QCOMPARE(resultNumber(buildNetfileRequest(true, netfileValues(), xml, request)), expected);
    QByteArray efile;
    QCOMPARE(resultNumber(buildEfileRequest(true, efileValues(false), xml, efile)), expected);
    if (expected != 0) {
        QCOMPARE(request, QByteArray("old"));
        FilingResult r(1);
        TemplateValues v = netfileValues();
        QCOMPARE(postNetfileReturn(v, xml, r, setup()), NetfileResult::NotBuilt);
        QCOMPARE(r.resultText, CString(" cannot assemble Netfile request.\n"));
        FilingResult e(1);
        QCOMPARE(postEfileReturn(v, xml, e, setup()), EfileResult::NotBuilt);
        QCOMPARE(readFile(m_dir.filePath("result.txt")),
                 QByteArray("Efile request creation failed.\n"));
        QCOMPARE(m_server->requests().size(), 0);
    }
}

void TestFilingClient::netfileRequest()
{
    m_server->setResponse(kNetfilePath, LocalServer::Response::answer(
                                            200, netfileReply("0", "<t1rsp:Confirmation/>")));
    TemplateValues values = netfileValues();
    values.remove("accesscode");
    values.remove("givenname");
    FilingResult r(1);
    QCOMPARE(postNetfileReturn(values, kReturnXml, r, setup()), NetfileResult::Read);
    QCOMPARE(values.value("origip"), CString("0.0.0.0"));
    const QList<LocalServer::Request> requests = m_server->requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].path, kNetfilePath);
    QCOMPARE(requests[0].header("Content-Type"), QByteArray("text/xml; charset=UTF-8"));
    const QByteArray body = requests[0].body;
    QVERIFY(body.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<soapenv:Envelope"));
    // The return element exactly, between the first part and the end part.
    QVERIFY(body.contains("<t1rq:TaxReturnForm>\r\n<t1:T1Return><t1:Line>1</t1:Line>"
                          "</t1:T1Return></t1rq:TaxReturnForm>\r\n<comm:FamilyName>Lee"));
    QVERIFY(body.endsWith("</t1rq:FileReturnRequest></soapenv:Body></soapenv:Envelope>"));
    QVERIFY(body.contains("<comm:OriginatingIP>0.0.0.0</comm:OriginatingIP>"));
    QVERIFY(!body.contains("NetfileAccessCode"));
    QVERIFY(!body.contains("GivenName"));
    QVERIFY(!body.contains("TestCaseIdentifier"));
    QVERIFY(!body.contains("<!-- end -->"));
    TiXmlDocument doc;
    doc.Parse(body.constData());
    QVERIFY2(!doc.Error(), doc.ErrorDesc());
    QCOMPARE(r.accepted, true);
    QCOMPARE(r.requestSent, true);
}

void TestFilingClient::efileSignatureGroups_data()
{
    QTest::addColumn<bool>("t183");
    QTest::newRow("with T183") << true;
    QTest::newRow("without") << false;
}

void TestFilingClient::efileSignatureGroups()
{
    QFETCH(bool, t183);
    QByteArray request;
    QCOMPARE(buildEfileRequest(true, efileValues(t183), kReturnXml, request), RequestBuild::Built);
    QCOMPARE(request.contains("<ef:T183ElectronicSignatureData> \r\n"
                              "<ef:T183ElectronicSignatureIndicator>1<"),
             t183);
    QCOMPARE(request.contains("</ef:T183ElectronicSignatureData> \r\n"), t183);
    QVERIFY(!request.contains("RC71"));
    QVERIFY(request.endsWith("</t1rq:EfileReturnRequest></soapenv:Body></soapenv:Envelope>"));
    TiXmlDocument doc;
    doc.Parse(request.constData());
    QVERIFY2(!doc.Error(), doc.ErrorDesc());
}

void TestFilingClient::netfileReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("resultText");
    QTest::addColumn<QString>("details");

    QTest::newRow("confirmed")
        << netfileReply("0", "<t1rsp:Confirmation><t1rsp:ConfirmationCode>ABC123"
                             "</t1rsp:ConfirmationCode><t1rsp:EnglishMessage><t1rsp:MessageText>"
                             "Thanks</t1rsp:MessageText><t1rsp:MessageText>Keep it"
                             "</t1rsp:MessageText></t1rsp:EnglishMessage></t1rsp:Confirmation>")
        << true << "ABC123"
        << "0"
        << "Thanks\r\nKeep it\r\n";
    QTest::newRow("rejection with two links")
        << netfileReply("1", kRejection) << false << ""
        << "1"
        << "Rejected<br/><br/><br/><br/><a href=\"https://a.example/1\">One</a><br/><br/>"
           "<a href=\"https://a.example/2\">Two</a><br/>";
    QTest::newRow("processing error") << netfileReply("1", kProcessingError) << false << ""
                                      << "12134" << QString(kProcessingDetails);
    QTest::newRow("fault") << envelope("<soapenv:Fault><faultstring>Server &lt;busy&gt;"
                                       "</faultstring></soapenv:Fault>")
                           << false << ""
                           << ""
                           << "Server &lt;busy&gt;";
    QTest::newRow("fault without string")
        << envelope("<soapenv:Fault><faultcode>x</faultcode></soapenv:Fault>") << false << ""
        << ""
        << "Error: no T1 return response and Fault";
    QTest::newRow("no expected element") << envelope("<Other/>") << false << ""
                                         << ""
                                         << "Error: no T1 return response and Fault";
}

void TestFilingClient::netfileReplies()
{
    QFETCH(QByteArray, reply);
    m_server->setResponse(kNetfilePath, LocalServer::Response::answer(200, reply));
    TemplateValues values = netfileValues();
    FilingResult r(1);
    QCOMPARE(postNetfileReturn(values, kReturnXml, r, setup()), NetfileResult::Read);
    QTEST(bool(r.accepted), "accepted");
    QTEST(QString(r.confirmation), "confirmation");
    QTEST(QString(r.resultText), "resultText");
    QTEST(QString(r.details), "details");
    QCOMPARE(r.code, CString("-100"));
    QCOMPARE(m_server->requests().size(), 1);
}

void TestFilingClient::efileReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("resultText");
    QTest::addColumn<QString>("details");

    QTest::newRow("confirmed")
        << efileReply("0",
                      "<t1rsp:Confirmation><t1rsp:EnglishMessage><t1rsp:MessageText>Filed"
                      "</t1rsp:MessageText>" +
                          link("https://a.example/n", "Notice") +
                          "</t1rsp:EnglishMessage></t1rsp:Confirmation>",
                      "<TransmissionNumber>T-77</TransmissionNumber>"
                      "<t1ersp:CvIndicator>Y</t1ersp:CvIndicator>")
        << 0 << true << "0"
        << "T-77"
        << ""
        << "Filed<br/><a href=\"https://a.example/n\">Notice</a><br/>";
    QTest::newRow("184 processing error")
        << efileReply("184", kProcessingError) << 0 << false << "184"
        << ""
        << "2134" << QString(kProcessingDetails);
    QTest::newRow("184 rejection only") << efileReply("184", kRejection) << 0 << false << "184"
                                        << ""
                                        << ""
                                        << "";
    QTest::newRow("service down") << envelope("<pfeo:EolResponse><resultCode>132</resultCode>"
                                              "</pfeo:EolResponse>")
                                  << 0 << false << "132"
                                  << ""
                                  << ""
                                  << "132 means EFile system is not operational at this time.";
    QTest::newRow("fault before service down")
        << envelope("<pfeo:EolResponse><resultCode>132</resultCode></pfeo:EolResponse>"
                    "<soapenv:Fault><faultcode>x</faultcode></soapenv:Fault>")
        << 190 << false << "-100"
        << ""
        << ""
        << "XML fault error, no details.";
    QTest::newRow("nothing expected") << envelope("<Other/>") << 111 << false << "-1"
                                      << ""
                                      << ""
                                      << "Efile error, no response, nor fault error";
    QTest::newRow("not XML") << QByteArray("<html>oops") << 113 << false << "-1"
                             << ""
                             << "response error"
                             << "";
}

void TestFilingClient::efileReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, status);
    QFETCH(QString, details);
    m_server->setResponse(kEfilePath, LocalServer::Response::answer(200, reply));
    TemplateValues values = efileValues(false);
    FilingResult r(1);
    QCOMPARE(resultNumber(postEfileReturn(values, kReturnXml, r, setup())), status);
    QTEST(bool(r.accepted), "accepted");
    QTEST(QString(r.code), "code");
    QTEST(QString(r.confirmation), "confirmation");
    QTEST(QString(r.resultText), "resultText");
    QCOMPARE(QString(r.details), details);
    QCOMPARE(r.cvIndicator, CString(QTest::currentDataTag() == QByteArray("confirmed") ? "Y" : ""));
    const QByteArray logged = readFile(m_dir.filePath("result.txt"));
    QVERIFY2(logged.endsWith(status == 113 ? QByteArray("\n") : details.toUtf8() + "\n"),
             logged.constData());
    QCOMPARE(m_server->requests().size(), 1);
}

void TestFilingClient::wrongServers_data()
{
    QTest::addColumn<LocalServer::Response>("response");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("resultText");
    QTest::addColumn<int>("requests");

    const QString failed = QStringLiteral(" Online filing failed.\n");
    QTest::newRow("HTTP 500 page") << LocalServer::Response::answer(500, "<html><body>Oops</html>")
                                   << 1 << "response error (HTTP status 500)" << 1;
    QTest::newRow("malformed XML")
        << LocalServer::Response::answer(200, "<a><b></a>") << 1 << "response error" << 1;
    QTest::newRow("empty body") << LocalServer::Response::answer(200, "") << 1 << "response error"
                                << 1;
    QTest::newRow("deep nesting") << LocalServer::Response::answer(
                                         200, QByteArray("<a>").repeated(100000))
                                  << 1 << "response error" << 1;
    QTest::newRow("closed before any byte")
        << LocalServer::Response::closeWithoutAnswer() << -20
        << failed + "The connection to 127.0.0.1 closed before any answer; the request was not "
                    "sent again.\n"
        << 1;
    QTest::newRow("closed mid-body")
        << LocalServer::Response::cutBody(netfileReply("0", "<t1rsp:Confirmation/>")) << -20
        << failed + "The reply from 127.0.0.1 broke off: Connection closed\n"
        << 1;
    QTest::newRow("silent") << LocalServer::Response::neverAnswer() << -20
                            << failed + "No answer from 127.0.0.1 within 2000 ms.\n"
                            << 1;
    QTest::newRow("dripping") << LocalServer::Response::drip(QByteArray(200, 'x'), 50) << -20
                              << failed + "The reply from 127.0.0.1 did not end within 4000 ms.\n"
                              << 1;
    QTest::newRow("3 MiB") << LocalServer::Response::answer(200, QByteArray(3 << 20, 'x')) << -20
                           << failed + "The reply from 127.0.0.1 is larger than 2097152 bytes.\n"
                           << 1;
}

void TestFilingClient::wrongServers()
{
    QFETCH(LocalServer::Response, response);
    QFETCH(int, status);
    QFETCH(QString, resultText);
    QFETCH(int, requests);
    m_server->setResponse(kNetfilePath, response);
    TemplateValues values = netfileValues();
    FilingResult r(1);
    QCOMPARE(resultNumber(postNetfileReturn(values, kReturnXml, r, setup())), status);
    QCOMPARE(QString(r.resultText), resultText);
    QCOMPARE(r.accepted, false);
    QCOMPARE(m_server->requests().size(), requests);
    // Every one of these servers read the whole request: the return may have arrived.
    QCOMPARE(r.requestSent, true);

    // The EFILE exchange meets the same server: 113 for an unreadable reply, 106 for a failed
    // post, whose record carries the client's reason without the NETFILE note.
    m_server->setResponse(kEfilePath, response);
    TemplateValues efile = efileValues(false);
    FilingResult e(1);
    const QString failedNote = QStringLiteral(" Online filing failed.\n");
    QCOMPARE(postEfileReturn(efile, kReturnXml, e, setup()),
             status == 1 ? EfileResult::NotXml : EfileResult::PostFailed);
    QCOMPARE(QString(e.resultText),
             status == 1 ? resultText : resultText.mid(failedNote.size()).chopped(1));
    QCOMPARE(e.accepted, false);
    QCOMPARE(m_server->requests().size(), 2 * requests);
}

void TestFilingClient::slowServers_data()
{
    QTest::addColumn<LocalServer::Response>("response");
    const QByteArray reply = netfileReply(
        "0", "<t1rsp:Confirmation><t1rsp:ConfirmationCode>SLOW1</t1rsp:ConfirmationCode>"
             "</t1rsp:Confirmation>");
    // Far within the limits that slowServers sets, so a loaded machine cannot fail them.
    QTest::newRow("answer after a pause") << LocalServer::Response::delayed(reply, 400);
    QTest::newRow("a byte at a time") << LocalServer::Response::drip(reply, 2);
}

void TestFilingClient::slowServers()
{
    QFETCH(LocalServer::Response, response);
    m_server->setResponse(kNetfilePath, response);
    const QWebClient::Limits tight = QWebClient::filingLimits();
    QWebClient::filingLimits() = {10000, 30000, QWebClient::DefaultMaxReplyBytes};
    TemplateValues values = netfileValues();
    FilingResult r(1);
    const NetfileResult status = postNetfileReturn(values, kReturnXml, r, setup());
    QWebClient::filingLimits() = tight;
    QCOMPARE(status, NetfileResult::Read);
    QCOMPARE(r.accepted, true);
    QCOMPARE(r.confirmation, CString("SLOW1"));
    QCOMPARE(m_server->requests().size(), 1);
}

void TestFilingClient::unreachableService_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("cause");
    QTest::newRow("no host set") << ""
                                 << "No host is set for the CRA service in the configuration.";
    QTest::newRow("refused port") << "refused"
                                  << "The request to 127.0.0.1 failed: Connection refused";
    QTest::newRow("untrusted certificate") << "untrusted"
                                           << "The secure connection to 127.0.0.1 failed: ";
}

// A service that cannot be reached never got the return: the failure dialog's body tells the
// cause instead of the bare "cannot connect" text, and does not say the return may have
// arrived. The server is a real HTTPS server on 127.0.0.1 whose certificate the client does
// not trust, a port where nothing listens, or no host at all.
void TestFilingClient::unreachableService()
{
    QFETCH(QString, service);
    QFETCH(QString, cause);
    FilingSetup s = setup();
    QTcpServer closed;
    if (service.isEmpty()) {
        s.netfileServer = s.eolServer = CString();
    } else if (service == "refused") {
        // A port the system handed out and nobody listens on any more.
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        s.netfileServer = s.eolServer = "127.0.0.1:" + QString::number(port);
    } else {
        // The system's authorities only: the test authority's certificate is not trusted.
        s.ssl = QSslConfiguration::defaultConfiguration();
        s.ssl.setCaCertificates(QSslConfiguration::systemCaCertificates());
    }
    m_server->setResponse(kNetfilePath,
                          LocalServer::Response::answer(
                              200, netfileReply("0", "<t1rsp:Confirmation><t1rsp:Confirmation"
                                                     "Code>NO</t1rsp:ConfirmationCode>"
                                                     "</t1rsp:Confirmation>")));
    TemplateValues values = netfileValues();
    FilingResult r(1);
    QCOMPARE(postNetfileReturn(values, kReturnXml, r, s), NetfileResult::PostFailed);
    QCOMPARE(r.requestSent, false);
    QCOMPARE(r.accepted, false);
    QCOMPARE(m_server->requests().size(), 0);
    const QString noted = " Online filing failed.\n" + cause;
    QVERIFY2(QString(r.resultText).startsWith(noted), qPrintable(r.resultText));

    const QString body = CNetfileResultDlg::failedPostBody(NetfileResult::PostFailed, r);
    const QString opening = "Msg: cannot connect to CRA server, check firewall and CRA system "
                            "status; Code: -20.<br/><br/>The return was not sent to CRA.<br/>"
                            "Online filing failed.<br/>" +
                            cause.toHtmlEscaped();
    QVERIFY2(body.startsWith(opening), qPrintable(body));
    QVERIFY2(!body.contains("may have reached"), qPrintable(body));
    if (service == "untrusted")
        QVERIFY2(body.contains("certificate", Qt::CaseInsensitive), qPrintable(body));
    else
        QCOMPARE(body, opening);

    // The EFILE exchange meets the same service and keeps the same cause.
    TemplateValues efile = efileValues(false);
    FilingResult e(1);
    QCOMPARE(postEfileReturn(efile, kReturnXml, e, s), EfileResult::PostFailed);
    QVERIFY2(QString(e.resultText).startsWith(cause), qPrintable(e.resultText));
    QCOMPARE(m_server->requests().size(), 0);
}

void TestFilingClient::failedPostBodies_data()
{
    QTest::addColumn<NetfileResult>("status");
    QTest::addColumn<QString>("body");
    QTest::newRow("not built") << NetfileResult::NotBuilt
                               << "Msg: compose NetFile failed; Code: -10.";
    QTest::newRow("post failed")
        << NetfileResult::PostFailed
        << "Msg: cannot connect to CRA server, check firewall and CRA system status; Code: -20.";
    QTest::newRow("not XML") << NetfileResult::NotXml
                             << "Msg: the CRA server's reply could not be read; Code: 1.";
    const QString unexpected = "An unexpected error happened inside software. Please contact "
                               "Quorvandelle software support.";
    QTest::newRow("interrupted") << NetfileResult::Interrupted << unexpected;
    QTest::newRow("read") << NetfileResult::Read << unexpected;
}

// The message of each failed post, with the number the user quotes to support; nothing sent
// and no cause seen, so no note follows it.
void TestFilingClient::failedPostBodies()
{
    QFETCH(NetfileResult, status);
    const FilingResult nothingSent(1);
    QTEST(CNetfileResultDlg::failedPostBody(status, nothingSent), "body");
}

void TestFilingClient::resultFile_data()
{
    QTest::addColumn<bool>("modeDebug");
    QTest::addColumn<bool>("fullLog");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QByteArray>("efileTail");
    const QByteArray fault =
        envelope("<soapenv:Fault><faultstring>Down</faultstring></soapenv:Fault>");
    const QByteArray requestEnd = "</soapenv:Body></soapenv:Envelope>";
    QTest::newRow("plain") << false << false << fault << QByteArray("\nDown\n\n")
                           << QByteArray("\nDown\n");
    QTest::newRow("full log only") << false << true << fault << QByteArray("\nDown\n\n")
                                   << QByteArray("</soapenv:Envelope>.\n\nDown\n");
    QTest::newRow("testing") << true << false << fault << requestEnd << requestEnd;
    QTest::newRow("testing, full log, not XML")
        << true << true << QByteArray("nope") << QByteArray("response error\n\n")
        << QByteArray("nope.\n\n");
}

void TestFilingClient::resultFile()
{
    QFETCH(bool, modeDebug);
    QFETCH(bool, fullLog);
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, tail);
    m_server->setResponse(kNetfilePath, LocalServer::Response::answer(200, reply));
    FilingSetup s = setup();
    s.modeDebug = modeDebug;
    s.fullLog = fullLog;
    TemplateValues values = netfileValues();
    FilingResult r(1);
    postNetfileReturn(values, kReturnXml, r, s);
    const QByteArray logged = readFile(s.resultFilePath);
    QVERIFY2(logged.endsWith(tail), logged.constData());
    QVERIFY(!logged.contains("AB12CD34"));
    QCOMPARE(logged.contains("<t1rq:NetfileAccessCode>****</t1rq:NetfileAccessCode>"), modeDebug);
    QVERIFY(m_server->requests().value(0).body.contains(
        "<t1rq:NetfileAccessCode>AB12CD34</t1rq:NetfileAccessCode>"));
    if (!modeDebug)
        QVERIFY(logged.startsWith(s.netfileServer.toUtf8() + "\n"));

    // The EFILE password stays out of every dump as well.
    m_server->setResponse(kEfilePath, LocalServer::Response::answer(200, reply));
    TemplateValues efile = efileValues(false);
    FilingResult e(1);
    postEfileReturn(efile, kReturnXml, e, s);
    const QByteArray efileLogged = readFile(s.resultFilePath);
    QFETCH(QByteArray, efileTail);
    QVERIFY2(efileLogged.endsWith(efileTail), efileLogged.constData());
    QVERIFY(!efileLogged.contains("s3cret"));
    QCOMPARE(efileLogged.contains("<ef:PasswordID>****</ef:PasswordID>"), modeDebug || fullLog);
}

void TestFilingClient::termsReplies()
{
    m_server->setResponse(kNetfilePath, LocalServer::Response::answer(200, envelope("<Other/>")));
    FilingResult r(0);
    QCOMPARE(requestNetfileTerms(r, false, setup()), NetfileTermsResult::NoTerms);
    QCOMPARE(r.resultText, CString("unknown response error parses Netfile Term failed.\n"));
    QVERIFY(m_server->requests().value(0).body.contains("<t1rq:TermsAndConditionsRequest/>"));
    {
        ScriptedPresenter presenter;
        int agreement = 7;
        QCOMPARE(confirmNetfileTerms(agreement, false, nullptr, setup()),
                 NetfileTermsResult::NoTerms);
        QCOMPARE(agreement, 7);
        QCOMPARE(
            presenter.shownTexts(),
            QStringList{"Msg: unknown response error parses Netfile Term failed.\n; Code: 51."});
    }

    m_server->setResponse(
        kNetfilePath,
        LocalServer::Response::answer(
            200, envelope("<t1rsp:TermsAndConditionsResponse><t1rsp:TermsAndConditions>"
                          "<t1rsp:EnglishMessage><t1rsp:MessageText>Agree</t1rsp:MessageText>" +
                          link("https://a.example/t", "Terms") +
                          "</t1rsp:EnglishMessage></t1rsp:TermsAndConditions>"
                          "</t1rsp:TermsAndConditionsResponse>")));
    FilingResult ok(0);
    QCOMPARE(requestNetfileTerms(ok, true, setup()), NetfileTermsResult::Received);
    QCOMPARE(ok.accepted, true);
    // Every sibling of the first message text is a line, the link element's empty one included.
    QCOMPARE(ok.details, CString("Agree\r\n\r\n"));
    QCOMPARE(ok.confirmation, CString("Terms"));
    QCOMPARE(ok.resultText, CString("https://a.example/t"));
    QVERIFY(m_server->requests().value(2).body.contains("<t1rq:RefileTermsAndConditionsRequest/>"));

    // The placeholder host fails at once, with the client's reason, and sends nothing.
    FilingSetup placeholder = setup();
    placeholder.netfileServer = CT1AppConfig::productionHost;
    FilingResult refused(0);
    QCOMPARE(requestNetfileTerms(refused, false, placeholder), NetfileTermsResult::PostFailed);
    QCOMPARE(refused.requestSent, false);
    QVERIFY(refused.resultText.startsWith(
        " read Netfile Term failed or network interruption.\nThe host ws.tax-authority.invalid"));
    // A server whose certificate the client does not trust gets nothing either.
    FilingSetup untrusted = setup();
    untrusted.ssl = QSslConfiguration::defaultConfiguration();
    FilingResult ssl(0);
    QCOMPARE(requestNetfileTerms(ssl, false, untrusted), NetfileTermsResult::PostFailed);
    QVERIFY2(ssl.resultText.contains("The secure connection to 127.0.0.1 failed"),
             qPrintable(ssl.resultText));
    QCOMPARE(m_server->requests().size(), 3);
}

void TestFilingClient::confirmTerms_data()
{
    QTest::addColumn<bool>("reFile");
    QTest::addColumn<bool>("agree");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("agreement");
    QTest::addColumn<QString>("shown");
    QTest::newRow("agreed") << false << true << 0 << 1 << "https://a.example/t";
    QTest::newRow("declined") << false << false << 10 << 2 << "https://a.example/t";
    QTest::newRow("ReFile uses the fixed page") << true << true << 0 << 1 << kReFileTermsPage;
}

void TestFilingClient::confirmTerms()
{
    QFETCH(bool, reFile);
    QFETCH(bool, agree);
    QFETCH(QString, shown);
    m_server->setResponse(
        kNetfilePath,
        LocalServer::Response::answer(
            200, envelope("<t1rsp:TermsAndConditionsResponse><t1rsp:TermsAndConditions>"
                          "<t1rsp:EnglishMessage><t1rsp:MessageText>Agree</t1rsp:MessageText>" +
                          link("https://a.example/t", "Terms") +
                          "</t1rsp:EnglishMessage></t1rsp:TermsAndConditions>"
                          "</t1rsp:TermsAndConditionsResponse>")));
    // Answers the dialog itself, so its link and title are read before it closes.
    QString shownLink;
    QString title;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&, agree] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !title.isNull())
            return;
        title = modal->windowTitle();
        if (auto *label = modal->findChild<QLabel *>("lblLink"))
            shownLink = label->text();
        if (auto *box = modal->findChild<QAbstractButton *>("fld_bAgree"))
            box->setChecked(agree);
        auto *buttons = modal->findChild<QDialogButtonBox *>();
        QVERIFY(buttons);
        buttons->button(agree ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    answer.start(10);
    int agreement = 0;
    QTEST(resultNumber(confirmNetfileTerms(agreement, reFile, nullptr, setup())), "status");
    QTEST(agreement, "agreement");
    QCOMPARE(title, QString("Terms"));
    QCOMPARE(shownLink, DlgFilingTerm::linkHtml(shown));
}

void TestFilingClient::trisRequest()
{
    TemplateValues values;
    values.insert("efilerid", CString("X1234"));
    values.insert("sin", CString("046454286"));
    QString request;
    QVERIFY(buildTrisRequest(true, values, "<body/>", request) != 0);
    QCOMPARE(request, QString());
    QCOMPARE(buildTrisRequest(false, values, "<padrq:Body/>", request), 0);
    QVERIFY(request.startsWith("<soap-env:Envelope xmlns=\"https://schemas.tax-authority.invalid"
                               "/xmlns/padrq/request/1-0-0\""));
    QVERIFY(request.contains("<padrq:TransmitterEfilerNumber>X1234</"));
    QVERIFY(request.endsWith("<padrq:TaxpayerSocialInsuranceNumber>046454286</padrq:"
                             "TaxpayerSocialInsuranceNumber>\r\n<padrq:Body/></padrq:"
                             "PadCreateRequest>\r\n</soap-env:Body>\r\n</soap-env:Envelope>"));
    TiXmlDocument doc;
    doc.Parse(request.toUtf8().constData());
    QVERIFY2(!doc.Error(), doc.ErrorDesc());
}

QV_TEST_MAIN(TestFilingClient)
#include "tst_FilingClient.moc"
