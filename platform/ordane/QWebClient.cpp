// QWebClient: a blocking HTTP(S) client for one request (form posts and raw bodies).
#include "ordane/QWebClient.h"

#include "ordane/RegularFile.h"
#include "ordane/SafeFileWriter.h"

#include <QEventLoop>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QSslError>
#include <QStringList>
#include <QTimer>

namespace {

// How much of a reply the HTTP layer may hold before this client has read it.
constexpr qint64 kReadBufferBytes = qint64{256} * 1024;

// The request body as a device that refuses to rewind. Qt's HTTP layer sends a request again
// when its connection closed before the first reply byte, rewinding the body first; a body
// that cannot be rewound makes that a failed request instead, so a filing never reaches a
// server twice.
class OneShotBody : public QIODevice
{
public:
    explicit OneShotBody(const QByteArray &data) : m_data(data) { open(QIODevice::ReadOnly); }

    qint64 size() const override { return m_data.size(); }
    bool reset() override { return false; }

protected:
    qint64 readData(char *out, qint64 maxSize) override
    {
        const qint64 n = qMin(maxSize, qint64(m_data.size()) - pos());
        if (n <= 0)
            return 0;
        memcpy(out, m_data.constData() + pos(), size_t(n));
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_data;
};

} // namespace

QWebClient::Limits &QWebClient::filingLimits()
{
    static Limits limits{FilingIdleMs, FilingTotalMs, DefaultMaxReplyBytes};
    return limits;
}

QWebClient::QWebClient(const QByteArray &url, bool flag)
    : m_url(QString::fromUtf8(url), QUrl::StrictMode), m_flag(flag),
      m_sslConfig(QSslConfiguration::defaultConfiguration())
{
}

QWebClient::QWebClient(const QByteArray &url, const QString &localFile, const QString &uploadName,
                       const QByteArray &fieldName)
    : QWebClient(url)
{
    m_uploadFile = localFile;
    m_uploadName = uploadName;
    m_uploadField = fieldName;
}

QWebClient::~QWebClient() = default;

void QWebClient::addQueryItem(const QByteArray &name, const QByteArray &value)
{
    m_fields.append(qMakePair(name, value));
}

bool QWebClient::post(QString &reply, const QByteArray &credential)
{
    return sendForm(reply, credential.isEmpty() ? QByteArray() : "Basic " + credential);
}

bool QWebClient::post(QString &reply, const QByteArray &token, const QByteArray &scheme)
{
    return sendForm(reply, token.isEmpty() ? QByteArray() : scheme + ' ' + token);
}

bool QWebClient::postData(const QByteArray &body, const QByteArray &contentType, QByteArray &reply)
{
    return send(body, contentType, QByteArray(), reply);
}

bool QWebClient::postSoapXML(const QByteArray &body, const QByteArray &contentType,
                             const char *soapAction, const char *extraHeader, QByteArray &reply)
{
    QList<QPair<QByteArray, QByteArray>> headers;
    if (soapAction)
        headers.append(qMakePair(QByteArray("SOAPAction"), QByteArray(soapAction)));
    if (extraHeader) {
        const QByteArray line(extraHeader);
        const int colon = line.indexOf(':');
        if (colon > 0)
            headers.append(qMakePair(line.left(colon).trimmed(), line.mid(colon + 1).trimmed()));
    }
    return send(body, contentType, QByteArray(), reply, headers);
}

bool QWebClient::isReservedHost(const QString &host)
{
    QString name = host.toLower();
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name == QLatin1String("invalid") || name.endsWith(QLatin1String(".invalid"));
}

bool QWebClient::isWebAddress(const QString &text)
{
    const QString scheme = QUrl(text).scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

bool QWebClient::sendForm(QString &reply, const QByteArray &authorization)
{
    if (!m_uploadField.isEmpty())
        return sendUpload(reply, authorization);
    // Every byte outside the unreserved set is escaped, so "+", "&", "=" and spaces in a
    // value arrive as they were typed.
    QByteArray body;
    for (const auto &field : qAsConst(m_fields)) {
        if (!body.isEmpty())
            body += '&';
        body += field.first.toPercentEncoding() + '=' + field.second.toPercentEncoding();
    }
    QByteArray bytes;
    const bool replied = send(body, "application/x-www-form-urlencoded", authorization, bytes);
    if (replied)
        reply = QString::fromUtf8(bytes);
    return replied;
}

namespace {
// A quoted header parameter: quotes, backslashes and line breaks cannot end it early.
QByteArray quotedParameter(const QByteArray &value)
{
    QByteArray quoted;
    for (char c : value) {
        if (c == '"' || c == '\\' || c == '\r' || c == '\n')
            quoted += '_';
        else
            quoted += c;
    }
    return '"' + quoted + '"';
}

} // namespace

QByteArray QWebClient::multipartBody(const QByteArray &boundary, const QByteArray &fieldName,
                                     const QString &uploadName, const QByteArray &fileContents,
                                     const QList<QPair<QByteArray, QByteArray>> &fields)
{
    const QByteArray dashes = "--" + boundary;
    QByteArray body = dashes +
                      "\r\nContent-Disposition: form-data; name=" + quotedParameter(fieldName) +
                      "; filename=" + quotedParameter(uploadName.toUtf8()) +
                      "\r\nContent-Type: application/octet-stream\r\n\r\n" + fileContents + "\r\n";
    for (const auto &field : fields)
        body += dashes +
                "\r\nContent-Disposition: form-data; name=" + quotedParameter(field.first) +
                "\r\n\r\n" + field.second + "\r\n";
    return body + dashes + "--\r\n";
}

bool QWebClient::sendUpload(QString &reply, const QByteArray &authorization)
{
    if (m_sent)
        return checkBeforeSending(); // fails as already sent
    QByteArray contents;
    if (readRegularFile(m_uploadFile, contents) != RegularFileRead::Read) {
        m_sent = true; // nothing went out, and nothing will
        m_httpStatus = 0;
        fail(FileUnreadable, QStringLiteral("The file \"%1\" cannot be read.").arg(m_uploadFile));
        return false;
    }
    // A boundary that the contents cannot hold: random bytes, made longer until absent.
    QByteArray boundary;
    do {
        boundary = "----QuorvandelleUpload" +
                   QByteArray::number(QRandomGenerator::global()->generate64(), 16) +
                   QByteArray::number(QRandomGenerator::global()->generate64(), 16);
    } while (contents.contains(boundary));
    const QByteArray body =
        multipartBody(boundary, m_uploadField, m_uploadName, contents, m_fields);
    QByteArray bytes;
    const bool replied =
        send(body, "multipart/form-data; boundary=" + boundary, authorization, bytes);
    if (!replied)
        return false;
    reply = QString::fromUtf8(bytes);
    return m_httpStatus >= 200 && m_httpStatus <= 299;
}

bool QWebClient::getDownloadFile(const QString &path)
{
    m_get = true;
    QByteArray bytes;
    if (!send(QByteArray(), QByteArray(), QByteArray(), bytes))
        return false;
    if (m_httpStatus < 200 || m_httpStatus > 299)
        return false;
    if (!writeFileSafely(path, bytes)) {
        fail(NetworkFailed, QStringLiteral("The file \"%1\" cannot be written.").arg(path));
        return false;
    }
    return true;
}

bool QWebClient::checkBeforeSending()
{
    m_httpStatus = 0; // the results always describe the latest call
    m_requestSent = false;
    if (m_sent) {
        fail(AlreadySent, QStringLiteral("This web client has already sent its request."));
        return false;
    }
    m_sent = true;
    const QString scheme = m_url.scheme();
    if (!m_url.isValid() || m_url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        fail(InvalidUrl, QStringLiteral("Not a web address: \"%1\".").arg(m_url.toString()));
        return false;
    }
    if (isReservedHost(m_url.host())) {
        fail(ReservedHost, QStringLiteral("The host %1 is a placeholder under the reserved "
                                          ".invalid domain; set the real address in the "
                                          "configuration.")
                               .arg(m_url.host()));
        return false;
    }
    return true;
}

bool QWebClient::send(const QByteArray &body, const QByteArray &contentType,
                      const QByteArray &authorization, QByteArray &reply,
                      const QList<QPair<QByteArray, QByteArray>> &extraHeaders)
{
    if (!checkBeforeSending())
        return false;

    // Declared before the manager so it outlives the reply that reads it.
    OneShotBody upload(body);
    QNetworkAccessManager manager;
    QNetworkRequest request(m_url);
    if (!m_get) {
        request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
        request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    }
    if (!authorization.isEmpty())
        request.setRawHeader("Authorization", authorization);
    for (const auto &header : extraHeaders)
        request.setRawHeader(header.first, header.second);
    if (m_url.scheme() == QLatin1String("https"))
        request.setSslConfiguration(m_sslConfig);

    QNetworkReply *networkReply = nullptr;
    if (m_get) {
        networkReply = manager.get(request);
    } else {
        networkReply = manager.post(request, &upload);
        const qint64 bodySize = body.size();
        QObject::connect(networkReply, &QNetworkReply::uploadProgress, networkReply,
                         [this, bodySize](qint64 sent, qint64) {
                             if (sent >= bodySize)
                                 m_requestSent = true;
                         });
    }
    QStringList sslProblems;
    QObject::connect(networkReply, &QNetworkReply::sslErrors, networkReply,
                     [&sslProblems](const QList<QSslError> &errors) {
                         for (const QSslError &e : errors)
                             sslProblems << e.errorString();
                     });
    enum class Stop
    {
        None,
        Idle,
        Total,
        TooLarge,
        Cancelled
    } stop = Stop::None;
    QByteArray received;
    {
        QEventLoop loop;
        auto abortWith = [&stop, networkReply](Stop why) {
            if (stop == Stop::None)
                stop = why;
            networkReply->abort();
        };
        QTimer idle;
        idle.setSingleShot(true);
        QObject::connect(&idle, &QTimer::timeout, &loop, [&abortWith] { abortWith(Stop::Idle); });
        QTimer total;
        total.setSingleShot(true);
        QObject::connect(&total, &QTimer::timeout, &loop, [&abortWith] { abortWith(Stop::Total); });
        // Any movement restarts the idle time-out, so a slow but live transfer completes
        // within the overall limit.
        auto restart = [&idle] { idle.start(); };
        QObject::connect(networkReply, &QNetworkReply::uploadProgress, &idle, restart);
        QObject::connect(networkReply, &QNetworkReply::downloadProgress, &idle, restart);
        // The body is taken as it arrives, so an oversized one is refused before it is held.
        // The bounded read buffer makes the HTTP layer stop reading from the connection until
        // this loop has taken what it holds: an endless reply cannot pile up unread behind a
        // busy loop, and the count below sees each byte soon after it came.
        const qint64 maxBytes = m_limits.maxReplyBytes;
        networkReply->setReadBufferSize(qMin(maxBytes + 1, kReadBufferBytes));
        QObject::connect(networkReply, &QNetworkReply::downloadProgress, &loop,
                         [maxBytes, &abortWith](qint64 receivedSoFar, qint64) {
                             if (receivedSoFar > maxBytes)
                                 abortWith(Stop::TooLarge);
                         });
        QObject::connect(networkReply, &QNetworkReply::metaDataChanged, &loop,
                         [networkReply, maxBytes, &abortWith] {
                             const QVariant length =
                                 networkReply->header(QNetworkRequest::ContentLengthHeader);
                             if (length.isValid() && length.toLongLong() > maxBytes)
                                 abortWith(Stop::TooLarge);
                         });
        QObject::connect(networkReply, &QNetworkReply::readyRead, &loop,
                         [networkReply, maxBytes, &received, &abortWith] {
                             if (networkReply->bytesAvailable() > maxBytes - received.size()) {
                                 abortWith(Stop::TooLarge);
                                 return;
                             }
                             received += networkReply->readAll();
                         });
        QObject::connect(networkReply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer cancelCheck;
        if (m_cancel) {
            const std::atomic<bool> *cancel = m_cancel;
            QObject::connect(&cancelCheck, &QTimer::timeout, &loop, [cancel, &abortWith] {
                if (cancel->load())
                    abortWith(Stop::Cancelled);
            });
            cancelCheck.start(20);
        }
        idle.start(m_limits.idleMs);
        total.start(m_limits.totalMs);
        if (m_cancel && m_cancel->load())
            abortWith(Stop::Cancelled);
        if (!networkReply->isFinished())
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    const int status = networkReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0)
        m_requestSent = true; // a server answers only a request it has read
    if (stop == Stop::None && status != 0) {
        const QByteArray rest = networkReply->readAll();
        if (rest.size() > m_limits.maxReplyBytes - received.size())
            stop = Stop::TooLarge;
        else
            received += rest;
    }

    const QString host = m_url.host();
    switch (stop) {
    case Stop::Idle:
        fail(TimedOut,
             QStringLiteral("No answer from %1 within %2 ms.").arg(host).arg(m_limits.idleMs));
        return false;
    case Stop::Total:
        fail(TimedOut, QStringLiteral("The reply from %1 did not end within %2 ms.")
                           .arg(host)
                           .arg(m_limits.totalMs));
        return false;
    case Stop::TooLarge:
        fail(ReplyTooLarge, QStringLiteral("The reply from %1 is larger than %2 bytes.")
                                .arg(host)
                                .arg(m_limits.maxReplyBytes));
        return false;
    case Stop::Cancelled:
        fail(Cancelled, QStringLiteral("The request to %1 was cancelled.").arg(host));
        return false;
    case Stop::None:
        break;
    }
    // A reply whose transfer broke off (closed early, bad chunking) is no reply: a cut body
    // could read as a different answer.
    const QNetworkReply::NetworkError transferError = networkReply->error();
    const bool cutOff = (transferError > QNetworkReply::NoError &&
                         transferError < QNetworkReply::ContentAccessDenied) ||
                        (transferError >= QNetworkReply::ProtocolUnknownError &&
                         transferError <= QNetworkReply::ProtocolFailure);
    if (status != 0 && cutOff) {
        fail(NetworkFailed, QStringLiteral("The reply from %1 broke off: %2")
                                .arg(host, networkReply->errorString()));
        return false;
    }
    if (status != 0) {
        m_httpStatus = status;
        reply = received;
        if (m_httpStatus < 200 || m_httpStatus > 299)
            fail(HttpStatusFailed,
                 QStringLiteral("%1 answered with HTTP status %2.").arg(host).arg(m_httpStatus));
        return true;
    }
    if (!sslProblems.isEmpty() || networkReply->error() == QNetworkReply::SslHandshakeFailedError) {
        fail(SslFailed,
             QStringLiteral("The secure connection to %1 failed: %2")
                 .arg(host, sslProblems.isEmpty() ? networkReply->errorString()
                                                  : sslProblems.join(QLatin1String("; "))));
        return false;
    }
    if (networkReply->error() == QNetworkReply::ContentReSendError) {
        // Qt wanted to send the request again; the body refused to rewind (see OneShotBody).
        fail(NetworkFailed, QStringLiteral("The connection to %1 closed before any answer; the "
                                           "request was not sent again.")
                                .arg(host));
        return false;
    }
    fail(NetworkFailed,
         QStringLiteral("The request to %1 failed: %2").arg(host, networkReply->errorString()));
    return false;
}

void QWebClient::fail(ErrorCode code, const QString &text)
{
    m_error = code;
    m_errorString = text;
}
