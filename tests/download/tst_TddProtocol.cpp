// The download's two signed SOAP steps against a local HTTPS service: the requests on the
// wire, the progress sequences, the logs, and replies a server should never send.
#include <QtTest>

#include <QDesktopServices>
#include <QRegularExpression>
#include <memory>

#include "LocalServer.h"
#include "TddTestSupport.h"
#include "TestCertificates.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "download/TddSoapRequest.h"
#include "download/TddSoapResult.h"
#include "download/TddWebService.h"
#include "download/TddWorkers.h"
#include "ordane/Encoding.h"
#include "ordane/Hashing.h"

Q_DECLARE_METATYPE(Reports)

namespace {
const QByteArray kServicePath = "/ebci/awsc/tdd/ws/2025/TaxDataDeliveryService";
const QByteArray kNoaPath = "/ebci/awsc/tdd/ws/2025/NoticeOfAssessmentService";

QByteArray stageOk(const QByteArray &response = "StageTDDNetfileResponse")
{
    return soapReply(response, "<ReturnCode>0</ReturnCode><TokenIdentifier>stage-token-1"
                               "</TokenIdentifier>");
}

QByteArray getReply(const QByteArray &code, const QByteArray &token)
{
    return soapReply("GetTDDNetfileResponse", "<ReturnCode>" + code +
                                                  "</ReturnCode>"
                                                  "<TokenIdentifier>" +
                                                  token + "</TokenIdentifier>");
}

QByteArray elementText(const QByteArray &xml, const QByteArray &name)
{
    const int start = xml.indexOf("<" + name);
    const int open = xml.indexOf('>', start) + 1;
    const int close = xml.indexOf("</" + name + ">", open);
    return start < 0 || close < 0 ? QByteArray() : xml.mid(open, close - open);
}

// The digest the service would compute from the request's own Created.
QByteArray expectedDigest(const QByteArray &request, const QByteArray &password)
{
    SHA1 hash;
    hash.add(QByteArray("quorvandelle2025"));
    hash.add(elementText(request, "wsu:Created"));
    hash.add(password);
    unsigned char raw[SHA1::HashSize];
    hash.getHash(raw);
    return QByteArray(reinterpret_cast<const char *>(raw), SHA1::HashSize).toBase64();
}

Reports getReports(const QList<int> &bases)
{
    Reports reports;
    for (int v : bases)
        reports << Report(v - 6, 0) << Report(v - 1, 0) << Report(v, 0);
    return reports;
}
} // namespace

class TestTddProtocol : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stageOnTheWire_data();
    void stageOnTheWire();
    void getOnTheWire();
    void stageReplies_data();
    void stageReplies();
    void getSequences_data();
    void getSequences();
    void faultAsGetReplyPostsEmptyToken();
    void stageWorkerWhileBusy();
    void placeholderHostFailsAtOnce();
    void silentServerTimesOut();
    void fullLog_data();
    void fullLog();
    void malformedReplies_data();
    void malformedReplies();
    void credentials_data();
    void credentials();
    void stopEndsGetStep();
    void sinkAttachment();

private:
    // Runs the stage worker to its end and lets the queued link opening happen.
    void runStageWorker();
    std::unique_ptr<TddWebService> makeService(int mode = 1);

    TddServiceFixture m_fixture;
    std::unique_ptr<RecordingSink> m_sink;
    std::unique_ptr<TddWebService> m_service;
};

void TestTddProtocol::initTestCase()
{
    QString error;
    QVERIFY2(m_fixture.initOnce(&error), qPrintable(error));
}

void TestTddProtocol::init()
{
    QVERIFY(m_fixture.startService());
    m_sink = std::make_unique<RecordingSink>(QList<QByteArray>{"046454286", "123456782"});
    m_service = makeService();
    m_fixture.links.links.clear();
}

void TestTddProtocol::cleanup()
{
    m_service.reset();
    m_sink.reset();
    m_fixture.stopService();
}

std::unique_ptr<TddWebService> TestTddProtocol::makeService(int mode)
{
    auto service = std::make_unique<TddWebService>();
    service->setTaxYearAndMode("2025", mode);
    service->setProgressSink(m_sink.get());
    service->setRetryWaitMs(10);
    QWebClient::Limits limits;
    limits.idleMs = 3000;
    limits.totalMs = 6000;
    service->setRequestLimits(limits);
    return service;
}

void TestTddProtocol::runStageWorker()
{
    ThreadTDDGetWebAuth worker(m_service.get());
    worker.start();
    QVERIFY(worker.wait(20000));
    QCoreApplication::processEvents();
}

void TestTddProtocol::stageOnTheWire_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<QByteArray>>("sins");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QByteArray>("tail");
    const QByteArray year = "<TaxYear>2025</TaxYear>\r\n";
    QTest::newRow("mode 1, two") << 1 << QList<QByteArray>{"046454286", "123456782"} << kServicePath
                                 << QByteArray("095N")
                                 << year + "<Sin>046454286</Sin><Sin>123456782</Sin>"
                                           "</StageTDDNetfile></S:Body></S:Envelope>";
    QTest::newRow("mode 1, none") << 1 << QList<QByteArray>{} << kServicePath << QByteArray("095N")
                                  << year + "</StageTDDNetfile></S:Body></S:Envelope>";
    QTest::newRow("mode 2, order kept")
        << 2 << QList<QByteArray>{"9", "1", "5"} << kNoaPath << QByteArray("095U")
        << year + "<Sin>9</Sin><Sin>1</Sin><Sin>5</Sin></StageNOA></S:Body></S:Envelope>";
    // A S.I.N. is data, never markup.
    QTest::newRow("markup in a S.I.N.")
        << 1 << QList<QByteArray>{"1</Sin><x>"} << kServicePath << QByteArray("095N")
        << year + "<Sin>1&lt;/Sin&gt;&lt;x&gt;</Sin>"
                  "</StageTDDNetfile></S:Body></S:Envelope>";
}

void TestTddProtocol::stageOnTheWire()
{
    QFETCH(int, mode);
    QFETCH(QList<QByteArray>, sins);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, tail);
    m_sink = std::make_unique<RecordingSink>(sins);
    m_service = makeService(mode);
    m_fixture.service().enqueue(LocalServer::Response::answer(500, soapFault("no")));
    m_fixture.service().enqueue(LocalServer::Response::answer(500, soapFault("no")));
    QCOMPARE(m_service->stageRequest(), TddExchangeResult::HandshakeRefused);
    QCOMPARE(m_service->stageRequest(), TddExchangeResult::HandshakeRefused);

    const QList<LocalServer::Request> requests = m_fixture.service().requests();
    QCOMPARE(requests.size(), 2);
    for (const LocalServer::Request &request : requests) {
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.path, path);
        QCOMPARE(request.header("Content-Type"), QByteArray("text/xml; charset=UTF-8"));
        const QByteArray body = request.body;
        QVERIFY2(body.endsWith(tail), body.right(200).constData());
        QVERIFY(body.startsWith(
            mode == 1 ? "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<S:Envelope"
                      : "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<S:Envelope"));
        QVERIFY(body.contains("\r\n\t<wsse:Username>" + user + "</wsse:Username>\r\n"));
        QCOMPARE(elementText(body, "wsse:Nonce"), QByteArray("cXVvcnZhbmRlbGxlMjAyNQ=="));
        QCOMPARE(elementText(body, "wsse:Password"), expectedDigest(body, kPassword095));
        QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$")
                    .match(QString::fromUtf8(elementText(body, "wsu:Created")))
                    .hasMatch());
        QCOMPARE(body.count("<Sin>"), sins.size());
        QVERIFY(body.contains(mode == 1 ? "<StageTDDNetfile xmlns=" : "<StageNOA xmlns="));
    }
}

void TestTddProtocol::getOnTheWire()
{
    QVERIFY(!m_service->setReturnedToken("ret%2Btok%3D"));
    m_fixture.service().enqueue(LocalServer::Response::answer(200, getReply("7", "x")));
    QCOMPARE(m_service->pollForData(), 7);
    const LocalServer::Request request = m_fixture.service().requests().value(0);
    QCOMPARE(request.path, kServicePath);
    QVERIFY(request.body.endsWith("<GetTDDNetfile xmlns=\"http://tax-authority.invalid/xmlns/tdd/"
                                  "2-10-1\" xmlns:ns2=\"http://tax-authority.invalid/xmlns/ccms/"
                                  "1-0-0\">\r\n<TokenIdentifier>ret+tok=</TokenIdentifier>\r\n"
                                  "<TaxYear>2025</TaxYear>\r\n</GetTDDNetfile>\r\n</S:Body>\r\n"
                                  "</S:Envelope>\r\n"));
    QCOMPARE(elementText(request.body, "wsse:Password"),
             expectedDigest(request.body, kPassword095));
    QCOMPARE(m_sink->reports(), (Reports{{50, 0}, {55, 0}, {1000, 7}}));
}

void TestTddProtocol::stageReplies_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<Reports>("reports");
    QTest::addColumn<bool>("linkOpened");
    QTest::newRow("accepted") << 200 << stageOk() << Reports{{5, 0}, {10, 0}, {15, 0}, {20, 0}}
                              << true;
    QTest::newRow("accepted, unprefixed response")
        << 200 << stageOk().replace("ns2:", "") << Reports{{5, 0}, {10, 0}, {15, 0}, {20, 0}}
        << true;
    const Reports refused{{5, 0}, {10, 0}, {1000, 100}};
    QTest::newRow("fault") << 500 << soapFault("Server error") << refused << false;
    QTest::newRow("unparsable") << 200 << QByteArray("<soapenv:Envelope><soapenv:Body>") << refused
                                << false;
    QTest::newRow("return code 00")
        << 200
        << soapReply("StageTDDNetfileResponse",
                     "<ReturnCode>00</ReturnCode><TokenIdentifier>t</TokenIdentifier>")
        << refused << false;
    QTest::newRow("return code 1")
        << 200 << soapReply("StageTDDNetfileResponse", "<ReturnCode>1</ReturnCode>") << refused
        << false;
    QTest::newRow("empty body") << 200 << QByteArray() << refused << false;
    QTest::newRow("response for the other mode")
        << 200 << stageOk("StageNOAResponse") << refused << false;
}

void TestTddProtocol::stageReplies()
{
    QFETCH(int, status);
    QFETCH(QByteArray, reply);
    QFETCH(Reports, reports);
    QFETCH(bool, linkOpened);
    m_fixture.service().enqueue(LocalServer::Response::answer(status, reply));
    runStageWorker();
    QCOMPARE(m_sink->reports(), reports);
    QTRY_COMPARE(m_fixture.links.links.size(), linkOpened ? 1 : 0);
    QCOMPARE(m_service->isBusy(), false);
    QCOMPARE(m_service->stageToken(), linkOpened ? QByteArray("stage-token-1") : QByteArray());
    if (linkOpened)
        QCOMPARE(m_fixture.links.links.value(0).toEncoded(), m_service->browserUrl().toUtf8());
}

void TestTddProtocol::getSequences_data()
{
    QTest::addColumn<QList<QByteArray>>("codes");
    QTest::addColumn<Reports>("reports");
    QTest::addColumn<int>("result");
    QTest::newRow("0, 0, 20") << QList<QByteArray>{"0", "0", "20"}
                              << getReports({56, 66}) +
                                     Reports{{70, 0}, {75, 0}, {80, 0}, {81, 0}, {99, 995}}
                              << 20;
    QTest::newRow("20 at once") << QList<QByteArray>{"20"}
                                << Reports{{50, 0}, {55, 0}, {80, 0}, {81, 0}, {99, 995}} << 20;
    QTest::newRow("20.9 reads 20") << QList<QByteArray>{"20.9"}
                                   << Reports{{50, 0}, {55, 0}, {80, 0}, {81, 0}, {99, 995}} << 20;
    // These two ends used to leave the progress dialog open with no word.
    QTest::newRow("10 ends the download")
        << QList<QByteArray>{"0", "10"} << getReports({56}) + Reports{{60, 0}, {65, 0}, {1000, 10}}
        << 10;
    QTest::newRow("three times not ready")
        << QList<QByteArray>{"0", "0", "0"} << getReports({56, 66, 76}) + Reports{{1000, -30}} << 0;
    QTest::newRow("other code") << QList<QByteArray>{"0", "-3"}
                                << getReports({56}) + Reports{{60, 0}, {65, 0}, {1000, -3}} << -3;
    QTest::newRow("huge code stays a failure")
        << QList<QByteArray>{"99999999999999999999"}
        << Reports{{50, 0}, {55, 0}, {1000, 2147483647}} << 2147483647;
}

void TestTddProtocol::getSequences()
{
    QFETCH(QList<QByteArray>, codes);
    QFETCH(Reports, reports);
    QFETCH(int, result);
    // Each token holds a placeholder: it is data and must reach the next request as it came.
    int n = 0;
    for (const QByteArray &code : codes)
        m_fixture.service().enqueue(LocalServer::Response::answer(
            200, getReply(code, "$$(username)next-token-" + QByteArray::number(++n))));
    QVERIFY(!m_service->setReturnedToken("first-token"));
    QCOMPARE(m_service->pollForData(), result);
    QCOMPARE(m_sink->reports(), reports);
    // These replies carry no TaxDataDelivery: the store ends with -5.
    QCOMPARE(m_sink->recordCounts(), result == 20 ? QList<int>{-5} : QList<int>{});
    // Each attempt posts the token the last reply gave.
    const QList<LocalServer::Request> requests = m_fixture.service().requests();
    QCOMPARE(requests.size(), codes.size());
    for (int i = 0; i < requests.size(); ++i)
        QCOMPARE(elementText(requests[i].body, "TokenIdentifier"),
                 i == 0 ? QByteArray("first-token")
                        : "$$(username)next-token-" + QByteArray::number(i));
    QVERIFY(!readTddLog(1).contains("token is short"));
}

void TestTddProtocol::faultAsGetReplyPostsEmptyToken()
{
    m_fixture.service().enqueue(LocalServer::Response::answer(500, soapFault("busy")));
    m_fixture.service().enqueue(LocalServer::Response::answer(200, getReply("20", "")));
    QVERIFY(!m_service->setReturnedToken("first-token"));
    QCOMPARE(m_service->pollForData(), 20);
    QCOMPARE(m_sink->reports(),
             (getReports({56}) + Reports{{60, 0}, {65, 0}, {80, 0}, {81, 0}, {99, 995}}));
    const QList<LocalServer::Request> requests = m_fixture.service().requests();
    QCOMPARE(requests.size(), 2);
    QVERIFY(requests[1].body.contains("<TokenIdentifier></TokenIdentifier>"));
    QCOMPARE(readTddLog(1), QByteArray("token is short\nenter parse data\ndb alive\n"));
}

void TestTddProtocol::stageWorkerWhileBusy()
{
    QVERIFY(m_service->setBusy());
    runStageWorker();
    QCOMPARE(m_sink->reports(), (Reports{{1000, -50}}));
    QVERIFY(m_fixture.service().requests().isEmpty());
    QVERIFY(m_service->isBusy()); // still the running step's
    m_service->clearBusy();
}

void TestTddProtocol::placeholderHostFailsAtOnce()
{
    configureService(0, "095");
    runStageWorker();
    QCOMPARE(m_sink->reports(), (Reports{{5, 0}, {1000, -20}}));
    const QByteArray log = readTddLog(0);
    QVERIFY2(log.contains("TDD web service step failed.\nThe host ws.tax-authority.invalid is a "
                          "placeholder under the reserved .invalid domain"),
             log.constData());
    QVERIFY(!m_service->isBusy());
    QCOMPARE(m_fixture.links.links.size(), 0);
}

void TestTddProtocol::silentServerTimesOut()
{
    QWebClient::Limits limits;
    limits.idleMs = 300;
    m_service->setRequestLimits(limits);
    m_fixture.service().enqueue(LocalServer::Response::neverAnswer());
    QCOMPARE(m_service->stageRequest(), TddExchangeResult::PostFailed);
    QCOMPARE(m_sink->reports(), (Reports{{5, 0}, {1000, -20}}));
    QVERIFY(readTddLog(0).contains("No answer from 127.0.0.1 within 300 ms."));
}

void TestTddProtocol::fullLog_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<bool>("requestLogged");
    QTest::addColumn<bool>("replyLogged");
    QTest::newRow("neither") << QByteArray() << false << false;
    QTest::newRow("FullLog") << QByteArray("FullLog=1\n") << false << true;
    QTest::newRow("MODEDEBUG") << QByteArray("MODEDEBUG=1\n") << false << false;
    QTest::newRow("both") << QByteArray("FullLog=1\nMODEDEBUG=1\n") << true << true;
}

void TestTddProtocol::fullLog()
{
    QFETCH(QByteArray, keys);
    QFETCH(bool, requestLogged);
    QFETCH(bool, replyLogged);
    // Under MODEDEBUG the test endpoints are read; the test keys point at the same server.
    const QByteArray port = QByteArray::number(m_fixture.service().port());
    configureService(m_fixture.service().port(), "095",
                     keys + "TDDEndpointTest8=127.0.0.1:" + port + "\nTDDEndpointTest0=" +
                         kPassword095 + "\nTDDEndpointTest10=/TaxDataDeliveryService\n");
    m_fixture.service().enqueue(LocalServer::Response::answer(200, stageOk()));
    QCOMPARE(m_service->stageRequest(), TddExchangeResult::Done);
    const QByteArray log = readTddLog(0);
    QVERIFY(log.startsWith("\n\n"));
    QCOMPARE(log.contains("<wsse:Username>095N</wsse:Username>"), requestLogged);
    QCOMPARE(log.contains("<TokenIdentifier>stage-token-1</TokenIdentifier>"), replyLogged);
    QVERIFY(!log.contains("failed"));
}

void TestTddProtocol::malformedReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("parsed");
    QTest::addColumn<QString>("fault");
    const QByteArray good = stageOk();
    QTest::newRow("truncated") << good.left(good.size() / 2) << 1 << "response parse error";
    QTest::newRow("wrong root") << QByteArray("<html><body>Service unavailable</body></html>") << 10
                                << "Error: no response and Fault";
    QTest::newRow("fault without text")
        << soapFault("x").replace("<faultstring>x</faultstring>", "") << 10
        << "Error: no response and Fault";
    QByteArray binary;
    for (int i = 0; i < 65536; ++i)
        binary += char((i * 7919 + 13) & 0xff);
    QTest::newRow("binary") << binary << 1 << "response parse error";
    QTest::newRow("binary after a good start")
        << good.left(120) + binary << 1 << "response parse error";
    QTest::newRow("1 MB of text") << QByteArray(1 << 20, 'A') << 1 << "response parse error";
    QTest::newRow("100,000 nested")
        << QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000) << 1
        << "response parse error";
}

void TestTddProtocol::malformedReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, parsed);
    QFETCH(QString, fault);
    TddSoapResult result;
    QCOMPARE(resultNumber(
                 parseSoapResponse(reply, "StageTDDNetfileResponse", "TokenIdentifier", result)),
             parsed);
    QCOMPARE(QString(result.faultText), fault);
    QVERIFY(result.ReturnCode.isEmpty());
    QVERIFY(result.TokenIdentifier.isEmpty());
    // Through the wire too: a failure pair, never a crash.
    for (int i = 0; i < 4; ++i)
        m_fixture.service().enqueue(LocalServer::Response::answer(200, reply));
    QCOMPARE(m_service->stageRequest(), TddExchangeResult::HandshakeRefused);
    QCOMPARE(m_sink->reports(), (Reports{{5, 0}, {10, 0}, {1000, 100}}));
    // As a get reply it is "not ready" each time, and the download ends after three.
    m_sink = std::make_unique<RecordingSink>();
    m_service->setProgressSink(m_sink.get());
    QVERIFY(!m_service->setReturnedToken("first-token"));
    QCOMPARE(m_service->pollForData(), 0);
    QCOMPARE(m_sink->reports(), (getReports({56, 66, 76}) + Reports{{1000, -30}}));
}

void TestTddProtocol::credentials_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::newRow("095, mode 1") << QByteArray("095") << 1 << "095N" << kPassword095;
    QTest::newRow("095, mode 2") << QByteArray("095") << 2 << "095U" << kPassword095;
    QTest::newRow("097, mode 1") << QByteArray("097") << 1 << "097N" << kPasswordOther;
    QTest::newRow("097, mode 2") << QByteArray("097") << 2 << "097U" << kPasswordOther;
}

void TestTddProtocol::credentials()
{
    QFETCH(QByteArray, code);
    QFETCH(int, mode);
    QFETCH(QString, user);
    QFETCH(QString, password);
    configureService(m_fixture.service().port(), code);
    CString u, p;
    getServiceCredentials(mode, u, p);
    QCOMPARE(QString(u), user);
    QCOMPARE(QString(p), password);
}

void TestTddProtocol::stopEndsGetStep()
{
    // Not ready, then a long wait: a stop ends the step without waiting it out or posting.
    m_service->setRetryWaitMs(600000);
    m_fixture.service().enqueue(LocalServer::Response::answer(200, getReply("0", "next-token")));
    QVERIFY(!m_service->setReturnedToken("first-token"));
    QTimer::singleShot(200, [this] { m_service->requestStop(); });
    std::unique_ptr<QThread> worker(QThread::create([this] { m_service->pollForData(); }));
    worker->start();
    QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 10000);
    QCOMPARE(m_sink->reports(), (Reports{{50, 0}, {55, 0}}));
    QCOMPARE(m_fixture.service().requests().size(), 1);
}

void TestTddProtocol::sinkAttachment()
{
    // A disabled sink drops reports; a sink that detaches itself inside a report (as a
    // dialog closing on a failure may) gets nothing more, and nothing locks up.
    m_sink->setEnabled(false);
    QCOMPARE(m_service->reportProgress(25, 0), 1);
    m_sink->setEnabled(true);
    m_sink->onReport = [this](int value, int) {
        if (value >= 1000)
            m_service->setProgressSink(nullptr);
    };
    std::unique_ptr<QThread> reporter(QThread::create([this] {
        m_service->reportProgress(30, 0);
        m_service->reportProgress(1000, 0);
        m_service->reportProgress(40, 0);
    }));
    reporter->start();
    QVERIFY(reporter->wait(10000));
    QCOMPARE(m_sink->reports(), (Reports{{30, 0}, {1000, 0}}));
    QCOMPARE(m_service->reportProgress(50, 0), 1);
    // No sink: the stage step does not start.
    QCOMPARE(m_service->stageRequest(), TddExchangeResult::NoSink);
    QVERIFY(m_fixture.service().requests().isEmpty());
}

QV_TEST_MAIN(TestTddProtocol)
#include "tst_TddProtocol.moc"
