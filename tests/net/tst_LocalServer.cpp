// LocalServer's script: path answers, the queue, the unscripted default and scripted headers;
// request bodies as raw clients frame them.
#include <QtTest>

#include <QTcpSocket>

#include "LocalServer.h"
#include "ordane/QWebClient.h"

class TestLocalServer : public QObject
{
    Q_OBJECT
private slots:
    void script();
    void scriptedHeaders();
    void bodyFraming_data();
    void bodyFraming();

private:
    static QString fetch(LocalServer &server, const QByteArray &path, int *status = nullptr);
};

QString TestLocalServer::fetch(LocalServer &server, const QByteArray &path, int *status)
{
    QWebClient client(server.url(path));
    QString reply;
    client.post(reply);
    if (status)
        *status = client.httpStatus();
    return reply;
}

void TestLocalServer::script()
{
    LocalServer server;
    QVERIFY(server.listen());
    QVERIFY(server.port() != 0);
    QCOMPARE(server.url("/a"), "http://127.0.0.1:" + QByteArray::number(server.port()) + "/a");
    server.enqueue(LocalServer::Response::answer(200, "one"));
    server.enqueue(LocalServer::Response::answer(201, "two"));
    server.setResponse("/fixed", LocalServer::Response::answer(202, "always"));

    int status = 0;
    QCOMPARE(fetch(server, "/fixed?x=1", &status), QString("always")); // query ignored
    QCOMPARE(status, 202);
    QCOMPARE(fetch(server, "/q", &status), QString("one"));
    QCOMPARE(status, 200);
    QCOMPARE(fetch(server, "/fixed", &status), QString("always")); // not used up
    QCOMPARE(fetch(server, "/q", &status), QString("two"));
    QCOMPARE(status, 201);
    QCOMPARE(fetch(server, "/q", &status), QString("No scripted answer for /q"));
    QCOMPARE(status, 404);

    QList<QByteArray> paths;
    for (const LocalServer::Request &r : server.requests())
        paths << r.path;
    QCOMPARE(paths, (QList<QByteArray>{"/fixed?x=1", "/q", "/fixed", "/q", "/q"}));
}

void TestLocalServer::scriptedHeaders()
{
    LocalServer server;
    QVERIFY(server.listen());
    server.enqueue(
        LocalServer::Response::answer(200, "{}", {{"Content-Type", "application/json"}}));
    QWebClient client(server.url("/json"));
    client.addQueryItem("k", "v");
    QByteArray reply;
    QVERIFY(client.postData("k=v", "application/x-www-form-urlencoded", reply));
    QCOMPARE(reply, QByteArray("{}"));

    const LocalServer::Request request = server.requests().value(0);
    QCOMPARE(request.header("content-length"), QByteArray("3"));
    QCOMPARE(request.header("HOST"), "127.0.0.1:" + QByteArray::number(server.port()));
    QCOMPARE(request.header("X-Absent"), QByteArray());
}

void TestLocalServer::bodyFraming_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces"); // written one after the other
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body"); // as recorded; none recorded for 400
    const QByteArray post = "POST /up HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    QTest::newRow("length, head and body cut")
        << QList<QByteArray>{post + "Content-Length: 5\r\n\r", "\nhe", "llo"} << 200
        << QByteArray("hello");
    QTest::newRow("no length") << QList<QByteArray>{post + "\r\n"} << 200 << QByteArray();
    QTest::newRow("chunked, cut inside chunks")
        << QList<QByteArray>{post + "Transfer-Encoding: chunked\r\n\r\n5\r\nhel",
                             "lo\r\n3;x=1\r\n wo\r\n0\r\n", "\r\n"}
        << 200 << QByteArray("hello wo");
    QTest::newRow("chunked with trailer")
        << QList<QByteArray>{post +
                             "Transfer-Encoding: chunked\r\n\r\n2\r\nab\r\n0\r\nX: 1\r\n\r\n"}
        << 200 << QByteArray("ab");
    QTest::newRow("length beyond int")
        << QList<QByteArray>{post + "Content-Length: 2147483647\r\n\r\nabc"} << 400 << QByteArray();
    QTest::newRow("length beyond 64 bits")
        << QList<QByteArray>{post + "Content-Length: 99999999999999999999\r\n\r\nabc"} << 400
        << QByteArray();
    QTest::newRow("negative length")
        << QList<QByteArray>{post + "Content-Length: -3\r\n\r\nabc"} << 400 << QByteArray();
    QTest::newRow("length not a number")
        << QList<QByteArray>{post + "Content-Length: 3x\r\n\r\nabc"} << 400 << QByteArray();
    QTest::newRow("chunk size not hexadecimal")
        << QList<QByteArray>{post + "Transfer-Encoding: chunked\r\n\r\nzz\r\nab\r\n0\r\n\r\n"}
        << 400 << QByteArray();
    QTest::newRow("chunk without its line end")
        << QList<QByteArray>{post + "Transfer-Encoding: chunked\r\n\r\n2\r\nabc\r\n0\r\n\r\n"}
        << 400 << QByteArray();
}

// A raw client writes the request in pieces; the server answers once the whole body is in,
// and records exactly that body.
void TestLocalServer::bodyFraming()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    LocalServer server;
    QVERIFY(server.listen());
    server.enqueue(LocalServer::Response::answer(200, "taken"));

    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, server.port());
    QVERIFY(client.waitForConnected(10000));
    for (int i = 0; i < pieces.size(); ++i) {
        client.write(pieces[i]);
        QVERIFY(client.waitForBytesWritten(10000));
        // Before the last piece the request is not whole: nothing may be recorded yet.
        if (i + 1 < pieces.size()) {
            QVERIFY(!client.waitForReadyRead(100));
            QCOMPARE(server.requests().size(), 0);
        }
    }
    QByteArray reply;
    while (client.state() == QAbstractSocket::ConnectedState && client.waitForReadyRead(10000))
        reply += client.readAll();
    reply += client.readAll();
    QCOMPARE(reply.left(reply.indexOf("\r\n")), "HTTP/1.1 " + QByteArray::number(status) + ' ' +
                                                    (status == 200 ? "OK" : "Bad Request"));
    const QList<LocalServer::Request> requests = server.requests();
    if (status == 400) {
        QVERIFY(requests.isEmpty());
        return;
    }
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].body, body);
    QVERIFY(reply.endsWith("\r\n\r\ntaken"));
}

QTEST_GUILESS_MAIN(TestLocalServer)
#include "tst_LocalServer.moc"
