// LocalServer: a scripted HTTP/HTTPS server on 127.0.0.1, on its own thread, for tests.
#include "LocalServer.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QMutexLocker>
#include <QSslSocket>
#include <QTcpServer>
#include <QTimer>

#include <atomic>
#include <cctype>
#include <memory>

namespace {

// The largest request body the server takes: a larger announced length is refused rather
// than waited for.
constexpr qint64 kMaxBodyBytes = qint64{64} * 1024 * 1024;

enum class Parsed
{
    Incomplete, // more bytes are due
    Complete,
    Malformed // answered with 400, never waited for
};

// A length or chunk size: digits only (no sign, no blanks), at most kMaxBodyBytes.
bool parseSize(const QByteArray &text, int base, qint64 &size)
{
    if (text.isEmpty() || text.size() > 16)
        return false;
    for (const char c : text) {
        if (!(base == 16 ? std::isxdigit(uchar(c)) : std::isdigit(uchar(c))))
            return false;
    }
    bool ok = false;
    size = text.toLongLong(&ok, base);
    return ok && size <= kMaxBodyBytes;
}

// A chunked body from from; Incomplete while its last chunk and trailer are still due.
Parsed parseChunked(const QByteArray &data, int from, QByteArray &body)
{
    body.clear();
    qint64 at = from;
    for (;;) {
        const int lineEnd = data.indexOf("\r\n", int(at));
        if (lineEnd < 0)
            return Parsed::Incomplete;
        QByteArray sizeText = data.mid(int(at), lineEnd - int(at));
        const int extension = sizeText.indexOf(';');
        if (extension >= 0)
            sizeText.truncate(extension);
        qint64 size = 0;
        if (!parseSize(sizeText.trimmed(), 16, size) || body.size() + size > kMaxBodyBytes)
            return Parsed::Malformed;
        at = qint64(lineEnd) + 2;
        if (size == 0)
            break;
        if (data.size() < at + size + 2)
            return Parsed::Incomplete;
        if (data.mid(int(at + size), 2) != "\r\n")
            return Parsed::Malformed;
        body += data.mid(int(at), int(size));
        at += size + 2;
    }
    // Trailer lines up to the empty one.
    for (;;) {
        const int lineEnd = data.indexOf("\r\n", int(at));
        if (lineEnd < 0)
            return Parsed::Incomplete;
        if (lineEnd == at)
            return Parsed::Complete;
        at = qint64(lineEnd) + 2;
    }
}

// The request once all of it has arrived. The body follows its Content-Length or its chunked
// encoding; a length or chunk size that is not a plain number within kMaxBodyBytes is
// malformed.
Parsed parseRequest(const QByteArray &data, LocalServer::Request &request)
{
    const int headEnd = data.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return Parsed::Incomplete;
    const QList<QByteArray> lines = data.left(headEnd).split('\n');
    const QList<QByteArray> start = lines.value(0).trimmed().split(' ');
    request.method = start.value(0);
    request.path = start.value(1);
    request.headers.clear();
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.append(
                qMakePair(lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()));
    }
    const int bodyStart = headEnd + 4;
    if (request.header("Transfer-Encoding").toLower().contains("chunked"))
        return parseChunked(data, bodyStart, request.body);
    qint64 length = 0;
    const QByteArray lengthText = request.header("Content-Length");
    if (!lengthText.isEmpty() && !parseSize(lengthText, 10, length))
        return Parsed::Malformed;
    if (data.size() < bodyStart + length)
        return Parsed::Incomplete;
    request.body = data.mid(bodyStart, int(length));
    return Parsed::Complete;
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 201:
        return "Created";
    case 204:
        return "No Content";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// The status line and headers, with the body's length unless the headers give a length or
// a chunked encoding.
QByteArray headBytes(const LocalServer::Response &response)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                     reasonPhrase(response.status) + "\r\n";
    bool hasLength = false;
    for (const auto &h : response.headers) {
        out += h.first + ": " + h.second + "\r\n";
        const QByteArray name = h.first.toLower();
        hasLength = hasLength || name == "content-length" || name == "transfer-encoding";
    }
    if (!hasLength)
        out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    return out + "Connection: close\r\n\r\n";
}

// Writes the body one byte per interval, then closes.
void startDrip(QTcpSocket *socket, const LocalServer::Response &response)
{
    socket->write(headBytes(response));
    auto *timer = new QTimer(socket);
    auto sent = std::make_shared<int>(0);
    const QByteArray body = response.body;
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, sent, body] {
        if (*sent >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
            return;
        }
        socket->write(body.mid((*sent)++, 1));
    });
    timer->start(response.intervalMs);
}

// Keeps a little queued for the client, chunk after chunk, until it goes or the bound passes.
// Every byte the system took from the socket is added to sent.
void startEndless(QTcpSocket *socket, const LocalServer::Response &response,
                  std::atomic<qint64> *sent)
{
    QObject::connect(socket, &QIODevice::bytesWritten, socket,
                     [sent](qint64 bytes) { sent->fetch_add(bytes); });
    socket->write(headBytes(response));
    const QByteArray chunk =
        QByteArray::number(response.body.size(), 16) + "\r\n" + response.body + "\r\n";
    auto *timer = new QTimer(socket);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, chunk, clock] {
        if (clock.hasExpired(LocalServer::endlessStopMs)) {
            timer->stop();
            socket->abort();
            return;
        }
        if (socket->state() != QAbstractSocket::ConnectedState) {
            timer->stop();
            return;
        }
        for (int i = 0; i < 4 && socket->bytesToWrite() < qint64{4} * chunk.size(); ++i) {
            if (socket->write(chunk) < 0) {
                timer->stop();
                return;
            }
        }
    });
    timer->start(1);
}

} // namespace

class LocalServer::Listener : public QTcpServer
{
public:
    Listener(LocalServer *owner, bool tls, const QSslConfiguration &config, QObject *parent)
        : QTcpServer(parent), m_owner(owner), m_tls(tls), m_config(config)
    {
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        QTcpSocket *socket = nullptr;
        if (m_tls) {
            auto *ssl = new QSslSocket(this);
            ssl->setSslConfiguration(m_config);
            socket = ssl;
        } else {
            socket = new QTcpSocket(this);
        }
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        auto handled = std::make_shared<bool>(false);
        connect(socket, &QIODevice::readyRead, socket, [this, socket, received, handled] {
            // What follows a handled request is dropped, not kept growing.
            if (*handled) {
                socket->readAll();
                return;
            }
            received->append(socket->readAll());
            Request request;
            const Parsed parsed = parseRequest(*received, request);
            if (parsed == Parsed::Incomplete)
                return;
            *handled = true;
            if (parsed == Parsed::Malformed) {
                // Neither recorded nor answered from the script: the request is not whole.
                const Response refused = Response::answer(400, "Malformed request body framing");
                socket->write(headBytes(refused) + refused.body);
                socket->disconnectFromHost();
                return;
            }
            const Response response = m_owner->takeResponse(request);
            switch (response.kind) {
            case Response::Answer:
                socket->write(headBytes(response) + response.body);
                socket->disconnectFromHost();
                break;
            case Response::CloseWithoutAnswer:
                socket->disconnectFromHost();
                break;
            case Response::NeverAnswer:
                break;
            case Response::Drip:
                startDrip(socket, response);
                break;
            case Response::EndlessChunked:
                startEndless(socket, response, &m_owner->m_endlessSent);
                break;
            case Response::Delayed:
                QTimer::singleShot(response.intervalMs, socket, [socket, response] {
                    socket->write(headBytes(response) + response.body);
                    socket->disconnectFromHost();
                });
                break;
            case Response::CutBody:
                socket->write(headBytes(response) + response.body.left(response.body.size() / 2));
                socket->disconnectFromHost();
                break;
            }
        });
        if (m_tls)
            static_cast<QSslSocket *>(socket)->startServerEncryption();
    }

private:
    LocalServer *m_owner;
    bool m_tls;
    QSslConfiguration m_config;
};

QByteArray LocalServer::Request::header(const QByteArray &name) const
{
    const QByteArray wanted = name.toLower();
    for (const auto &h : headers) {
        if (h.first.toLower() == wanted)
            return h.second;
    }
    return QByteArray();
}

LocalServer::Response LocalServer::Response::answer(int status, const QByteArray &body,
                                                    const Headers &headers)
{
    Response r;
    r.status = status;
    r.body = body;
    r.headers = headers;
    return r;
}

LocalServer::Response LocalServer::Response::closeWithoutAnswer()
{
    Response r;
    r.kind = CloseWithoutAnswer;
    return r;
}

LocalServer::Response LocalServer::Response::neverAnswer()
{
    Response r;
    r.kind = NeverAnswer;
    return r;
}

LocalServer::Response LocalServer::Response::drip(const QByteArray &body, int intervalMs)
{
    Response r = answer(200, body);
    r.kind = Drip;
    r.intervalMs = intervalMs;
    return r;
}

LocalServer::Response LocalServer::Response::endlessChunked(const QByteArray &chunk)
{
    Response r = answer(200, chunk, {{"Transfer-Encoding", "chunked"}});
    r.kind = EndlessChunked;
    return r;
}

LocalServer::LocalServer()
{
    m_thread.setObjectName(QStringLiteral("LocalServer"));
}

LocalServer::~LocalServer()
{
    if (!m_context)
        return;
    // The listener and its sockets belong to the server thread: end them there.
    QMetaObject::invokeMethod(
        m_context, [this] { delete m_listener; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_context;
}

bool LocalServer::listen()
{
    return start(false, QSslConfiguration());
}

bool LocalServer::listen(const QSslConfiguration &tls)
{
    return start(true, tls);
}

bool LocalServer::start(bool tls, const QSslConfiguration &config)
{
    if (m_context)
        return false; // one listener per server
    m_tls = tls;
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    m_thread.start();
    bool ok = false;
    QMetaObject::invokeMethod(
        m_context,
        [this, tls, config, &ok] {
            m_listener = new Listener(this, tls, config, m_context);
            ok = m_listener->listen(QHostAddress::LocalHost, 0);
            m_port = m_listener->serverPort();
        },
        Qt::BlockingQueuedConnection);
    return ok;
}

QByteArray LocalServer::url(const QByteArray &path) const
{
    return (m_tls ? "https" : "http") + QByteArray("://127.0.0.1:") + QByteArray::number(m_port) +
           path;
}

void LocalServer::setResponse(const QByteArray &path, const Response &response)
{
    QMutexLocker lock(&m_mutex);
    m_byPath.insert(path, response);
}

void LocalServer::enqueue(const Response &response)
{
    QMutexLocker lock(&m_mutex);
    m_queue.append(response);
}

QList<LocalServer::Request> LocalServer::requests() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

LocalServer::Response LocalServer::takeResponse(const Request &request)
{
    QMutexLocker lock(&m_mutex);
    m_requests.append(request);
    const int query = request.path.indexOf('?');
    const QByteArray path = query < 0 ? request.path : request.path.left(query);
    const auto byPath = m_byPath.constFind(path);
    if (byPath != m_byPath.constEnd())
        return *byPath;
    if (!m_queue.isEmpty())
        return m_queue.takeFirst();
    return Response::answer(404, "No scripted answer for " + request.path);
}

LocalServer::Response LocalServer::Response::cutBody(const QByteArray &body)
{
    Response r = answer(200, body);
    r.kind = CutBody;
    return r;
}

LocalServer::Response LocalServer::Response::delayed(const QByteArray &body, int delayMs)
{
    Response r = answer(200, body);
    r.kind = Delayed;
    r.intervalMs = delayMs;
    return r;
}
