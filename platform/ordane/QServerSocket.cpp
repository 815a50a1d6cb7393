// QServerSocket: a local listener delivering one request per connection.
#include "ordane/QServerSocket.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

QServerSocket::QServerSocket(quint16 port, QObject *parent)
    : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &QServerSocket::acceptConnections);
    m_server->listen(QHostAddress::LocalHost, port);
}

QServerSocket::~QServerSocket()
{
    // The sockets are children; they go with this object. Their signals must not reach the
    // half-destroyed listener.
    for (auto it = m_connections.begin(); it != m_connections.end(); ++it)
        it.key()->disconnect(this);
}

bool QServerSocket::isListening() const
{
    return m_server->isListening();
}

quint16 QServerSocket::serverPort() const
{
    return m_server->serverPort();
}

QString QServerSocket::serverAddress() const
{
    return m_server->serverAddress().toString();
}

QString QServerSocket::errorString() const
{
    return m_server->errorString();
}

void QServerSocket::close()
{
    m_server->close();
}

void QServerSocket::closeAndDeleteWhenIdle()
{
    m_server->close();
    m_deleteWhenIdle = true;
    if (m_connections.isEmpty())
        deleteLater();
}

void QServerSocket::dropConnection(QTcpSocket *socket)
{
    if (m_connections.remove(socket) == 0)
        return;
    socket->deleteLater();
    if (m_deleteWhenIdle && m_connections.isEmpty())
        deleteLater();
}

void QServerSocket::acceptConnections()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        Connection &connection = m_connections[socket];
        connection.timer = new QTimer(socket);
        connection.timer->setSingleShot(true);
        connect(connection.timer, &QTimer::timeout, this, [this, socket] {
            socket->abort();
            dropConnection(socket);
        });
        connection.timer->start(m_connectionTimeoutMs);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, this,
                [this, socket] { dropConnection(socket); });
        if (socket->bytesAvailable() > 0)
            readRequest(socket);
    }
}

void QServerSocket::readRequest(QTcpSocket *socket)
{
    auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    Connection &connection = *it;
    if (connection.delivered) {
        socket->readAll(); // one request per connection: the rest is not read
        return;
    }
    const qint64 room = maxRequestBytes - connection.received.size();
    connection.received += socket->read(room + 1);
    if (connection.received.size() > maxRequestBytes) {
        socket->abort();
        dropConnection(socket);
        return;
    }
    const QByteArray &data = connection.received;
    const bool headComplete = data.contains("\r\n\r\n") || data.contains("\n\n");
    if (!headComplete)
        return;
    connection.delivered = true;
    const QByteArray request = data;
    emit dataReceived(socket, request);
    finishAnswer(socket);
}

void QServerSocket::finishAnswer(QTcpSocket *socket)
{
    // Closes once what the receiver wrote has gone out; the timer still bounds a peer that
    // never reads it.
    if (m_connections.contains(socket) && socket->state() == QAbstractSocket::ConnectedState)
        socket->disconnectFromHost();
}
