// QWebClient: a blocking HTTP(S) client for one request (form posts and raw bodies).
#include "ordane/QWebClient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QStringList>
#include <QTimer>

QWebClient::QWebClient(const QByteArray &url, bool flag)
    : m_url(QString::fromUtf8(url), QUrl::StrictMode), m_flag(flag),
      m_sslConfig(QSslConfiguration::defaultConfiguration())
{
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

bool QWebClient::isReservedHost(const QString &host)
{
    QString name = host.toLower();
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name == QLatin1String("invalid") || name.endsWith(QLatin1String(".invalid"));
}

bool QWebClient::sendForm(QString &reply, const QByteArray &authorization)
{
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
    return replied && m_error == NoError;
}

bool QWebClient::checkBeforeSending()
{
    m_httpStatus = 0; // the results always describe the latest call
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
                      const QByteArray &authorization, QByteArray &reply)
{
    if (!checkBeforeSending())
        return false;

    QNetworkAccessManager manager;
    QNetworkRequest request(m_url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    if (!authorization.isEmpty())
        request.setRawHeader("Authorization", authorization);
    if (m_url.scheme() == QLatin1String("https"))
        request.setSslConfiguration(m_sslConfig);

    QNetworkReply *networkReply = manager.post(request, body);
    QStringList sslProblems;
    QObject::connect(networkReply, &QNetworkReply::sslErrors, networkReply,
                     [&sslProblems](const QList<QSslError> &errors) {
                         for (const QSslError &e : errors)
                             sslProblems << e.errorString();
                     });
    bool timedOut = false;
    {
        QEventLoop loop;
        QTimer idle;
        idle.setSingleShot(true);
        QObject::connect(&idle, &QTimer::timeout, &loop, [&timedOut, networkReply] {
            timedOut = true;
            networkReply->abort();
        });
        // Any movement restarts the time-out, so a slow but live transfer completes.
        auto restart = [&idle] { idle.start(); };
        QObject::connect(networkReply, &QNetworkReply::uploadProgress, &idle, restart);
        QObject::connect(networkReply, &QNetworkReply::downloadProgress, &idle, restart);
        QObject::connect(networkReply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        idle.start(m_timeoutMs);
        if (!networkReply->isFinished())
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    const QString host = m_url.host();
    if (timedOut) {
        fail(TimedOut,
             QStringLiteral("No answer from %1 within %2 ms.").arg(host).arg(m_timeoutMs));
        return false;
    }
    m_httpStatus = networkReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_httpStatus != 0) {
        reply = networkReply->readAll();
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
    fail(NetworkFailed,
         QStringLiteral("The request to %1 failed: %2").arg(host, networkReply->errorString()));
    return false;
}

void QWebClient::fail(ErrorCode code, const QString &text)
{
    m_error = code;
    m_errorString = text;
}
