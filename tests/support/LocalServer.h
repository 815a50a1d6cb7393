// LocalServer: a scripted HTTP/HTTPS server on 127.0.0.1, on its own thread, for tests.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QPair>
#include <QSslConfiguration>
#include <QThread>

#include <atomic>

class QTcpServer;

// Listens on 127.0.0.1 only, on a port the system picks. Each complete request is recorded
// before it is answered, so once a client has its reply the test can read the request.
// The answer comes from the script: a response set for the path, else the next queued one,
// else 404. Each connection carries one request and is closed after the answer. The body is
// read by its Content-Length or its chunked encoding; a length or chunk size that is not a
// plain number up to 64 MiB gets 400 and is neither recorded nor answered from the script.
class LocalServer
{
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    struct Request
    {
        QByteArray method;
        QByteArray path; // the request target as sent, query included
        Headers headers; // in the order received
        QByteArray body;

        // The value of the first header of that name (case ignored); empty when absent.
        QByteArray header(const QByteArray &name) const;
    };

    struct Response
    {
        enum Kind
        {
            Answer,             // status line, headers and body
            CloseWithoutAnswer, // the connection is closed once the request is read
            NeverAnswer,        // the connection stays open and silent
            Drip,               // head at once, then the body one byte per interval
            EndlessChunked,     // chunked body sent again and again, never ended
            CutBody,            // the whole body's length announced, half of it sent, closed
            Delayed             // the whole answer, after intervalMs of silence
        };
        Kind kind = Answer;
        int status = 200;
        Headers headers;
        QByteArray body;
        int intervalMs = 0;

        static Response answer(int status, const QByteArray &body, const Headers &headers = {});
        static Response closeWithoutAnswer();
        static Response neverAnswer();
        // Status 200 with the body's length announced; a byte every intervalMs.
        static Response drip(const QByteArray &body, int intervalMs);
        // Status 200, chunked, chunk after chunk as fast as the client reads, until the client
        // goes or endlessStopMs has passed.
        static Response endlessChunked(const QByteArray &chunk);
        // Status 200 announcing the body's length, then the first half and the connection
        // closed: a reply that broke off part-way.
        static Response cutBody(const QByteArray &body);
        // Status 200 with the body, sent whole once delayMs have passed.
        static Response delayed(const QByteArray &body, int delayMs);
    };

    // The bound of an endless reply, so a client that never stops it cannot keep the server
    // thread busy past the test.
    static constexpr int endlessStopMs = 20000;

    LocalServer();
    ~LocalServer();

    LocalServer(const LocalServer &) = delete;
    LocalServer &operator=(const LocalServer &) = delete;

    // Starts plain HTTP.
    bool listen();
    // Starts HTTPS with the certificate and key of tls (see TestCertificates).
    bool listen(const QSslConfiguration &tls);

    quint16 port() const { return m_port; }
    // "http://127.0.0.1:<port>" or "https://..." followed by path.
    QByteArray url(const QByteArray &path) const;

    // Every request for path (the target without its query) gets response.
    void setResponse(const QByteArray &path, const Response &response);
    // Answers the next request that has no path response; used up by it.
    void enqueue(const Response &response);

    // The requests recorded so far, oldest first.
    QList<Request> requests() const;

    // The bytes, head included, that endless replies have handed to the system so far.
    qint64 endlessBytesSent() const { return m_endlessSent.load(); }

private:
    class Listener;

    // Called on the server thread: records the request and picks its answer.
    Response takeResponse(const Request &request);
    bool start(bool tls, const QSslConfiguration &config);

    QThread m_thread;
    QObject *m_context = nullptr; // lives on m_thread; owns the listener
    QTcpServer *m_listener = nullptr;
    quint16 m_port = 0;
    bool m_tls = false;

    mutable QMutex m_mutex;
    QMap<QByteArray, Response> m_byPath;
    QList<Response> m_queue;
    QList<Request> m_requests;
    std::atomic<qint64> m_endlessSent{0};
};
