// QServerSocket: a small local TCP listener that hands each received request to its owner.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>

class QTcpServer;
class QTcpSocket;
class QTimer;

// Listens on 127.0.0.1 only: the browser on this machine is the one caller it expects.
// Each connection carries one request: once its request line and headers are in (an empty
// line ends them), dataReceived delivers them with the connection, once. The receiver writes
// its answer; the connection closes when the answer is flushed. A request whose head grows
// past maxRequestBytes, or a connection still open after connectionTimeoutMs, is dropped.
class QServerSocket : public QObject
{
    Q_OBJECT
public:
    static constexpr int maxRequestBytes = 8 * 1024;
    static constexpr int defaultConnectionTimeoutMs = 10000;

    // Starts listening on port at once (0: a free port the system picks).
    QServerSocket(quint16 port, QObject *parent = nullptr);
    ~QServerSocket() override;

    bool isListening() const;
    quint16 serverPort() const;
    QString serverAddress() const;
    QString errorString() const;

    void setConnectionTimeout(int ms) { m_connectionTimeoutMs = ms; }

    // Stops listening; connections already accepted still get their answer.
    void close();
    // Stops listening and deletes this object once its last connection has ended (at once
    // when there is none). Safe from inside a dataReceived receiver.
    void closeAndDeleteWhenIdle();

signals:
    void dataReceived(QTcpSocket *socket, QByteArray data);

private:
    void acceptConnections();
    void readRequest(QTcpSocket *socket);
    void finishAnswer(QTcpSocket *socket);
    void dropConnection(QTcpSocket *socket);

    struct Connection
    {
        QByteArray received;
        bool delivered = false;
        QTimer *timer = nullptr;
    };

    QTcpServer *m_server;
    QHash<QTcpSocket *, Connection> m_connections;
    int m_connectionTimeoutMs = defaultConnectionTimeoutMs;
    bool m_deleteWhenIdle = false;
};
