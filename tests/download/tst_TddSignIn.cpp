// The sign-in: HMAC-SHA256, the signed link, and the local listener driven by raw sockets.
#include <QtTest>

#include <QDesktopServices>
#include <QMessageAuthenticationCode>
#include <QTcpSocket>
#include <QUrlQuery>
#include <memory>

#include "LocalServer.h"
#include "TddTestSupport.h"
#include "TestCertificates.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "download/TddHttpServer.h"
#include "download/TddSignIn.h"
#include "download/TddWebService.h"
#include "ordane/Clock.h"
#include "ordane/QServerSocket.h"

Q_DECLARE_METATYPE(Reports)

namespace {
const QByteArray kHelloReply = "HTTP/1.0 200 OK\nContent-Type: text/plain\nContent-Length: 28\n\n"
                               "Hello from Quorvandelle 2025";

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// Sends the request on a new connection and reads until the listener closes it; the
// listener runs on this thread, so events are processed while waiting.
QByteArray ask(quint16 port, const QByteArray &request, bool *connected = nullptr)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QElapsedTimer timer;
    timer.start();
    while (socket.state() != QAbstractSocket::ConnectedState &&
           socket.state() != QAbstractSocket::UnconnectedState && timer.elapsed() < 5000) {
        QCoreApplication::processEvents();
        socket.waitForConnected(10);
    }
    if (connected)
        *connected = socket.state() == QAbstractSocket::ConnectedState;
    if (socket.state() != QAbstractSocket::ConnectedState)
        return QByteArray();
    socket.write(request);
    socket.flush();
    QByteArray received;
    while (socket.state() == QAbstractSocket::ConnectedState && timer.elapsed() < 10000) {
        QCoreApplication::processEvents();
        socket.waitForReadyRead(10);
        received += socket.readAll();
    }
    return received + socket.readAll();
}

QByteArray request(const QByteArray &target, const QByteArray &host)
{
    QByteArray text = "GET " + target + " HTTP/1.1\r\n";
    if (!host.isEmpty())
        text += "Host: " + host + "\r\n";
    return text + "User-Agent: test\r\n\r\n";
}
} // namespace

class TestTddSignIn : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void hmacRfc4231_data();
    void hmacRfc4231();
    void signInLink_data();
    void signInLink();
    void listenerRefuses_data();
    void listenerRefuses();
    void acceptedTokenStartsGetStep_data();
    void acceptedTokenStartsGetStep();
    void tokenWhileStepRuns();
    void listenerBindsLoopbackOnly();
    void listenerTimesOut();
    void busyPort();
    void restartReplacesListener();
    void shutdownAbortsRequestInFlight();

private:
    TddHttpServer *startServer();

    TddServiceFixture m_fixture;
    std::unique_ptr<RecordingSink> m_sink;
};

void TestTddSignIn::initTestCase()
{
    QString error;
    QVERIFY2(m_fixture.initOnce(&error), qPrintable(error));
}

void TestTddSignIn::init()
{
    QVERIFY(m_fixture.startService());
    m_sink = std::make_unique<RecordingSink>(QList<QByteArray>{"046454286"});
    m_fixture.links.links.clear();
}

void TestTddSignIn::cleanup()
{
    TddHttpServer::shutdown();
    m_sink.reset();
    m_fixture.stopService();
    setNow();
}

TddHttpServer *TestTddSignIn::startServer()
{
    TddHttpServer *server = TddHttpServer::instance(m_sink.get());
    server->service()->setTaxYearAndMode("2025", 1);
    server->service()->setRetryWaitMs(10);
    server->setPort(0);
    if (server->start(server->port()) != 0)
        return nullptr;
    return server;
}

void TestTddSignIn::hmacRfc4231_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("mac");
    QTest::newRow("1") << QByteArray(20, '\x0b') << QByteArray("Hi There")
                       << hex("b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7");
    QTest::newRow("2") << QByteArray("Jefe") << QByteArray("what do ya want for nothing?")
                       << hex("5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
    QTest::newRow("3") << QByteArray(20, '\xaa') << QByteArray(50, '\xdd')
                       << hex("773ea91e36800e46854db8ebd09181a72959098b3ef8c122d9635514ced565fe");
    QTest::newRow("4") << hex("0102030405060708090a0b0c0d0e0f10111213141516171819")
                       << QByteArray(50, '\xcd')
                       << hex("82558a389a443c0ea4cc819899f2083a85f0faa3e578f8077a2e3ff46729665b");
    QTest::newRow("6, key longer than a block")
        << QByteArray(131, '\xaa')
        << QByteArray("Test Using Larger Than Block-Size Key - Hash Key First")
        << hex("60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54");
    QTest::newRow("7, key and data longer than a block")
        << QByteArray(131, '\xaa')
        << QByteArray("This is a test using a larger than block-size key and a larger than "
                      "block-size data. The key needs to be hashed before being used by the HMAC "
                      "algorithm.")
        << hex("9b09ffa71b942fcb27635fbcd5b0e944bfdc63644f0713938a7f51535c3a35e2");
}

void TestTddSignIn::hmacRfc4231()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, mac);
    unsigned char result[32];
    hmacSha256(reinterpret_cast<const unsigned char *>(data.constData()), size_t(data.size()),
               reinterpret_cast<const unsigned char *>(key.constData()), size_t(key.size()),
               result);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(result), 32).toHex(), mac.toHex());
}

void TestTddSignIn::signInLink_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QByteArray>("auth");
    QTest::newRow("auto-fill") << 1 << QByteArray("095N") << QByteArray("/gol-ged/awsc/tdd/ws");
    QTest::newRow("notice") << 2 << QByteArray("095U") << QByteArray("/gol-ged/awsc/tdd/ws/noa");
}

void TestTddSignIn::signInLink()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, auth);
    configureService(m_fixture.service().port(), "095",
                     "TDDEndpoint12=signin.tax-authority.invalid\n");
    const QDateTime fixed = QDateTime::fromSecsSinceEpoch(1767225600);
    setNow(fixed);
    // A stage token holding the signs URL encoding must escape.
    const QByteArray stageToken = "st+ag/e=token";
    m_fixture.service().enqueue(LocalServer::Response::answer(
        200, soapReply(mode == 1 ? "StageTDDNetfileResponse" : "StageNOAResponse",
                       "<ReturnCode>0</ReturnCode><TokenIdentifier>" + stageToken +
                           "</TokenIdentifier>")));
    TddHttpServer *server = TddHttpServer::instance(m_sink.get());
    server->service()->setTaxYearAndMode("2025", mode);
    server->startStage();
    QTRY_COMPARE(m_fixture.links.links.size(), 1);
    QCOMPARE(m_sink->reports(), (Reports{{5, 0}, {10, 0}, {15, 0}, {20, 0}}));

    const QByteArray link = m_fixture.links.links[0].toEncoded();
    QCOMPARE(link, server->service()->browserUrl().toUtf8());
    const QByteArray start = "https://signin.tax-authority.invalid/gol-ged/awsc/tdd/auth/start?";
    QVERIFY2(link.startsWith(start), link.constData());
    const QList<QByteArray> pairs = link.mid(start.size()).split('&');
    QStringList keys;
    QMap<QByteArray, QByteArray> values;
    for (const QByteArray &pair : pairs) {
        const int eq = pair.indexOf('=');
        keys << QString::fromUtf8(pair.left(eq));
        values.insert(pair.left(eq), pair.mid(eq + 1));
    }
    QCOMPARE(keys, (QStringList{"spID", "timestamp", "auth", "key", "t", "lang", "swtaxyear"}));
    QCOMPARE(values["spID"], user);
    QCOMPARE(values["timestamp"], QByteArray("1767225600"));
    QCOMPARE(values["auth"], auth.toPercentEncoding());
    QCOMPARE(values["t"], QByteArray("st%2Bag%2Fe%3Dtoken"));
    QCOMPARE(values["lang"], QByteArray("en"));
    QCOMPARE(values["swtaxyear"], QByteArray("2025"));
    // The key, recomputed with Qt's own HMAC over the encoded host and path (no "https://").
    const QByteArray message =
        user +
        QByteArray("signin.tax-authority.invalid/gol-ged/awsc/tdd/auth/start").toPercentEncoding() +
        "1767225600" + auth.toPercentEncoding() + "en" + (stageToken + "2025").toPercentEncoding();
    const QByteArray mac =
        QMessageAuthenticationCode::hash(message, kPassword095, QCryptographicHash::Sha256);
    QCOMPARE(values["key"], mac.toBase64().toPercentEncoding());
    QCOMPARE(values["key"].size() > 44, true); // "=" fill and signs arrive encoded
}

void TestTddSignIn::listenerRefuses_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("host");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<Reports>("reports");
    const QByteArray local = "127.0.0.1:%1";
    QTest::newRow("favicon") << QByteArray("/favicon.ico") << local << kHelloReply
                             << Reports{{25, 0}};
    QTest::newRow("logout") << QByteArray("/logout") << local
                            << QByteArray("HTTP/1.0 200 OK\nContent-Type: text/plain\n"
                                          "Content-Length: 42\n\n"
                                          "You have logged out of CRA secure session!")
                            << Reports{{25, 0}};
    QTest::newRow("5-byte token") << QByteArray("/taxdata?t=abcde") << local << kHelloReply
                                  << Reports{{25, 0}, {30, 0}};
    QTest::newRow("5 bytes once decoded")
        << QByteArray("/taxdata?t=ab%2Bcd") << local << kHelloReply << Reports{{25, 0}, {30, 0}};
    QTest::newRow("token with <") << QByteArray("/taxdata?t=abc<script>") << local << kHelloReply
                                  << Reports{{25, 0}, {30, 0}};
    QTest::newRow("encoded <") << QByteArray("/taxdata?t=abc%3Cdef") << local << kHelloReply
                               << Reports{{25, 0}, {30, 0}};
    QTest::newRow("NUL bytes once decoded") << QByteArray("/taxdata?t=%00%00%00%00%00%00") << local
                                            << kHelloReply << Reports{{25, 0}, {30, 0}};
    QTest::newRow("600 bytes") << "/taxdata?t=" + QByteArray(600, 'a') << local << kHelloReply
                               << Reports{{25, 0}, {30, 0}};
    // "%s" would skip the blank and read "HTTP/1.1" as the token.
    QTest::newRow("empty token") << QByteArray("/taxdata?t=") << local << kHelloReply
                                 << Reports{{25, 0}, {30, 0}};
    QTest::newRow("other host") << QByteArray("/taxdata?t=abcdef123") << QByteArray("evil.example")
                                << kHelloReply << Reports{{25, 0}};
    QTest::newRow("other port") << QByteArray("/taxdata?t=abcdef123") << QByteArray("127.0.0.1:1")
                                << kHelloReply << Reports{{25, 0}};
    QTest::newRow("no host") << QByteArray("/taxdata?t=abcdef123") << QByteArray() << kHelloReply
                             << Reports{{25, 0}};
    QTest::newRow("token path not first") << QByteArray("/x?u=/taxdata?t=abcdef123") << local
                                          << kHelloReply << Reports{{25, 0}, {30, 0}};
}

void TestTddSignIn::listenerRefuses()
{
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, host);
    QFETCH(QByteArray, reply);
    QFETCH(Reports, reports);
    TddHttpServer *server = startServer();
    QVERIFY(server);
    QVERIFY(!server->service()->setReturnedToken("earlier-token"));
    const QByteArray port = QByteArray::number(server->listeningPort());
    QCOMPARE(ask(server->listeningPort(), request(target, host.replace("%1", port))), reply);
    QCOMPARE(m_sink->reports(), reports);
    QCOMPARE(server->service()->returnedToken(), QByteArray("earlier-token"));
    QVERIFY(server->isRunning());
    QVERIFY(!server->service()->isBusy());
    QVERIFY(m_fixture.service().requests().isEmpty());
    // Still listening for the real return call.
    QCOMPARE(ask(server->listeningPort(), request("/", "localhost:" + port)), kHelloReply);
}

void TestTddSignIn::acceptedTokenStartsGetStep_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("token");
    QTest::addColumn<int>("mode");
    QTest::newRow("6 bytes, percent-encoded")
        << QByteArray("/taxdata?t=ab%2Bcd%3D") << QByteArray("ab+cd=") << 1;
    QTest::newRow("upper case path")
        << QByteArray("/TAXDATA?t=Zz09-._~") << QByteArray("Zz09-._~") << 1;
    QTest::newRow("notice") << QByteArray("/expnoa?t=notice/token") << QByteArray("notice/token")
                            << 2;
}

void TestTddSignIn::acceptedTokenStartsGetStep()
{
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, token);
    QFETCH(int, mode);
    m_fixture.service().enqueue(LocalServer::Response::answer(
        200, soapReply(mode == 1 ? "GetTDDNetfileResponse" : "GetNOAResponse",
                       "<ReturnCode>20</ReturnCode>")));
    TddHttpServer *server = startServer();
    QVERIFY(server);
    server->service()->setTaxYearAndMode("2025", mode);
    const quint16 port = server->listeningPort();
    const QByteArray reply = ask(port, request(target, "127.0.0.1:" + QByteArray::number(port)));

    QFile page(":/tdd/tdd/tdd_logouthtml.xmt");
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray body = page.readAll().replace(
        "$$(crajsurl)", "https://127.0.0.1:" + QByteArray::number(m_fixture.service().port()) +
                            "/gol-ged/awsc/tdd/auth/pub/js/cra.js");
    QVERIFY(body.contains("<p>Now back to Quorvandelle Auto-fill My Return!</p>\r\n"));
    QCOMPARE(reply, "HTTP/1.0 200 OK\nContent-Type: text/html\nContent-Length: " +
                        QByteArray::number(body.size()) + "\n\n" + body);

    // One token per sign-in: the listener is gone, the get step runs with the token.
    QVERIFY(!server->isRunning());
    QTRY_VERIFY(m_sink->ended());
    QCOMPARE(m_sink->reports(),
             (Reports{{25, 0}, {30, 0}, {40, 0}, {50, 0}, {55, 0}, {80, 0}, {81, 0}, {99, 995}}));
    const QList<LocalServer::Request> requests = m_fixture.service().requests();
    QCOMPARE(requests.size(), 1);
    QVERIFY(requests[0].body.contains("<TokenIdentifier>" + token + "</TokenIdentifier>"));
    QVERIFY(requests[0].path.endsWith(mode == 1 ? "/TaxDataDeliveryService"
                                                : "/NoticeOfAssessmentService"));
    QTRY_VERIFY(!server->service()->isBusy());
    bool connected = true;
    QCOMPARE(ask(port, request("/taxdata?t=second-token", "127.0.0.1")), QByteArray());
    Q_UNUSED(connected);
    ask(port, request("/", ""), &connected);
    QVERIFY(!connected);
    const QByteArray log = readTddLog(1);
    QVERIFY(log.contains("http server up\n"));
    QVERIFY(log.contains("http server down\n"));
}

void TestTddSignIn::tokenWhileStepRuns()
{
    TddHttpServer *server = startServer();
    QVERIFY(server);
    QVERIFY(server->service()->setBusy()); // a step is running
    const quint16 port = server->listeningPort();
    const QByteArray reply =
        ask(port, request("/taxdata?t=abcdef", "127.0.0.1:" + QByteArray::number(port)));
    QVERIFY(reply.startsWith("HTTP/1.0 200 OK\nContent-Type: text/html\n"));
    QCOMPARE(m_sink->reports(), (Reports{{25, 0}, {30, 0}, {40, 0}}));
    QTest::qWait(50);
    QVERIFY(m_fixture.service().requests().isEmpty()); // no second get step
    server->service()->clearBusy();
}

void TestTddSignIn::listenerBindsLoopbackOnly()
{
    TddHttpServer *server = startServer();
    QVERIFY(server);
    const QServerSocket *listener = server->findChild<QServerSocket *>();
    QVERIFY(listener);
    QCOMPARE(listener->serverAddress(), QString("127.0.0.1"));
    QCOMPARE(listener->serverPort(), server->listeningPort());
}

void TestTddSignIn::listenerTimesOut()
{
    TddHttpServer *server = TddHttpServer::instance(m_sink.get());
    server->setListenTimeout(200);
    server->setPort(0);
    QCOMPARE(server->start(server->port()), 0);
    const quint16 port = server->listeningPort();
    QTRY_VERIFY(m_sink->ended());
    QCOMPARE(m_sink->reports(), (Reports{{1000, -40}}));
    QVERIFY(!server->isRunning());
    bool connected = true;
    ask(port, request("/", ""), &connected);
    QVERIFY(!connected);
}

void TestTddSignIn::busyPort()
{
    QServerSocket other(0);
    QVERIFY(other.isListening());
    TddHttpServer *server = TddHttpServer::instance(m_sink.get());
    QCOMPARE(server->start(other.serverPort()), 200);
    QVERIFY(!server->isRunning());
    QVERIFY(readTddLog(1).contains("http server exception in start\n"));
    // The default port follows the edition.
    server->setPort(-1);
    QCOMPARE(server->port(), AppEdition == 2 ? 16248 : 16249);
}

void TestTddSignIn::restartReplacesListener()
{
    TddHttpServer *server = startServer();
    QVERIFY(server);
    const quint16 first = server->listeningPort();
    QCOMPARE(server->start(0), 0);
    QVERIFY(server->isRunning());
    QVERIFY(server->listeningPort() != 0);
    // The first listener no longer takes calls.
    bool connected = true;
    ask(first, request("/", ""), &connected);
    QVERIFY(!connected || server->listeningPort() == first);
    server->stop();
    QVERIFY(!server->isRunning());
    QCOMPARE(server->listeningPort(), quint16(0));
    QCOMPARE(readTddLog(1).count("http server up\n"), 2);
    QCOMPARE(readTddLog(1).count("http server down\n"), 2);
}

void TestTddSignIn::shutdownAbortsRequestInFlight()
{
    // The get step's request hangs on a silent service with long time-outs; at exit the
    // request is aborted and the worker ends within the wait, so nothing outlives the run.
    m_fixture.service().enqueue(LocalServer::Response::neverAnswer());
    TddHttpServer *server = startServer();
    QVERIFY(server);
    QWebClient::Limits limits;
    limits.idleMs = 120000;
    limits.totalMs = 120000;
    server->service()->setRequestLimits(limits);
    const quint16 port = server->listeningPort();
    ask(port, request("/taxdata?t=abcdef", "127.0.0.1:" + QByteArray::number(port)));
    QTRY_COMPARE(m_fixture.service().requests().size(), 1);
    TddHttpServer::shutdown();
    QVERIFY(readTddLog(0).contains(
        "TDD web service step failed.\nThe request to 127.0.0.1 was cancelled.\n"));
    // Detached before the abort: the sink heard nothing after the request went out.
    QCOMPARE(m_sink->reports(), (Reports{{25, 0}, {30, 0}, {40, 0}, {50, 0}}));
}

QV_TEST_MAIN(TestTddSignIn)
#include "tst_TddSignIn.moc"
