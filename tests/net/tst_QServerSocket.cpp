// QServerSocket driven by raw sockets: framing, one delivery per request, limits, closing.
#include <QtTest>

#include <QPointer>
#include <QTcpSocket>

#include "ordane/QServerSocket.h"

class TestQServerSocket : public QObject
{
    Q_OBJECT
private slots:
    void answersOneRequest_data();
    void answersOneRequest();
    void oversizedRequestDropped();
    void silentConnectionTimesOut();
    void busyPort();
    void deleteWhenIdle();
};

namespace {
// Connects, sends the pieces with a pause between them, and reads until the server closes.
QByteArray exchange(quint16 port, const QList<QByteArray> &pieces, bool *closed)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return "not connected";
    for (const QByteArray &piece : pieces) {
        socket.write(piece);
        socket.flush();
        QTest::qWait(30);
    }
    QByteArray received;
    QElapsedTimer timer;
    timer.start();
    while (socket.state() == QAbstractSocket::ConnectedState && timer.elapsed() < 5000) {
        QCoreApplication::processEvents();
        socket.waitForReadyRead(20);
        received += socket.readAll();
    }
    received += socket.readAll();
    *closed = socket.state() != QAbstractSocket::ConnectedState;
    return received;
}
} // namespace

void TestQServerSocket::answersOneRequest_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QByteArray>("delivered");
    QTest::newRow("CR LF, one piece") << QList<QByteArray>{"GET /x HTTP/1.1\r\nHost: a\r\n\r\n"}
                                      << QByteArray("GET /x HTTP/1.1\r\nHost: a\r\n\r\n");
    QTest::newRow("LF, three pieces")
        << QList<QByteArray>{"GET /y", " HTTP/1.0\n", "\n"} << QByteArray("GET /y HTTP/1.0\n\n");
}

void TestQServerSocket::answersOneRequest()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QByteArray, delivered);
    QServerSocket server(0);
    QVERIFY(server.isListening());
    QCOMPARE(server.serverAddress(), QString("127.0.0.1"));
    QList<QByteArray> received;
    connect(&server, &QServerSocket::dataReceived, this,
            [&received](QTcpSocket *socket, const QByteArray &data) {
                received << data;
                socket->write("answer " + QByteArray::number(received.size()));
                socket->flush();
            });
    bool closed = false;
    QCOMPARE(exchange(server.serverPort(), pieces, &closed), QByteArray("answer 1"));
    QVERIFY(closed);
    QCOMPARE(received, QList<QByteArray>{delivered});
}

void TestQServerSocket::oversizedRequestDropped()
{
    QServerSocket server(0);
    int deliveries = 0;
    connect(&server, &QServerSocket::dataReceived, this,
            [&deliveries](QTcpSocket *, const QByteArray &) { ++deliveries; });
    // A head with no end past 8 KB, then its end: never delivered, connection dropped.
    bool closed = false;
    const QByteArray head = "GET /" + QByteArray(QServerSocket::maxRequestBytes, 'a');
    QCOMPARE(exchange(server.serverPort(), {head, " HTTP/1.0\r\n\r\n"}, &closed), QByteArray());
    QVERIFY(closed);
    QCOMPARE(deliveries, 0);
    // Exactly at the limit still counts.
    const QByteArray request = "GET /b HTTP/1.0\r\n\r\n";
    const QByteArray padded = request.left(6) +
                              QByteArray(QServerSocket::maxRequestBytes - request.size(), 'b') +
                              request.mid(6);
    QCOMPARE(padded.size(), QServerSocket::maxRequestBytes);
    exchange(server.serverPort(), {padded}, &closed);
    QCOMPARE(deliveries, 1);
}

void TestQServerSocket::silentConnectionTimesOut()
{
    QServerSocket server(0);
    server.setConnectionTimeout(200);
    int deliveries = 0;
    connect(&server, &QServerSocket::dataReceived, this,
            [&deliveries](QTcpSocket *, const QByteArray &) { ++deliveries; });
    bool closed = false;
    // Never ends its head: closed by the server, nothing delivered.
    QCOMPARE(exchange(server.serverPort(), {"GET / HTTP/1.0\r\n"}, &closed), QByteArray());
    QVERIFY(closed);
    QCOMPARE(deliveries, 0);
}

void TestQServerSocket::busyPort()
{
    QServerSocket first(0);
    QVERIFY(first.isListening());
    QServerSocket second(first.serverPort());
    QVERIFY(!second.isListening());
    QVERIFY(!second.errorString().isEmpty());
}

void TestQServerSocket::deleteWhenIdle()
{
    QPointer<QServerSocket> server = new QServerSocket(0);
    const quint16 port = server->serverPort();
    connect(server, &QServerSocket::dataReceived, this,
            [&server](QTcpSocket *socket, const QByteArray &) {
                socket->write("bye");
                socket->flush();
                server->closeAndDeleteWhenIdle(); // from inside the receiver
            });
    bool closed = false;
    QCOMPARE(exchange(port, {"GET / HTTP/1.0\r\n\r\n"}, &closed), QByteArray("bye"));
    QTRY_VERIFY(server.isNull());
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!late.waitForConnected(2000));
}

QTEST_GUILESS_MAIN(TestQServerSocket)
#include "tst_QServerSocket.moc"
