// LocalServer's script: path answers, the queue, the unscripted default and scripted headers.
#include <QtTest>

#include "LocalServer.h"
#include "ordane/QWebClient.h"

class TestLocalServer : public QObject
{
    Q_OBJECT
private slots:
    void script();
    void scriptedHeaders();

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

QTEST_GUILESS_MAIN(TestLocalServer)
#include "tst_LocalServer.moc"
