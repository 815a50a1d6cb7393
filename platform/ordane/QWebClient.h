// QWebClient: a blocking HTTP(S) client for one request (form posts and raw bodies).
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QSslConfiguration>
#include <QString>
#include <QUrl>

#include <atomic>

// One client serves one request: build it, add the form fields, post once, read the
// result, destroy it. The call blocks in a local event loop that takes no user input, so
// it may run on the GUI thread or on any worker thread that has no event loop of its own.
// Certificate checks always stay on; a caller that must trust another authority (a test
// server) passes its own SSL configuration.
class QWebClient
{
public:
    enum ErrorCode
    {
        NoError = 0,
        InvalidUrl,       // not an absolute http or https address
        ReservedHost,     // a host under ".invalid": refused before any name lookup
        AlreadySent,      // a client serves one request only
        TimedOut,         // nothing moved for the time-out, or the overall limit passed
        SslFailed,        // the server's certificate was not accepted
        NetworkFailed,    // refused, closed without a whole reply, name not found ...
        HttpStatusFailed, // a reply came, with a status outside 200 to 299
        ReplyTooLarge,    // the reply grew past the size limit and was cut off
        Cancelled,        // the caller's cancel flag was raised
        FileUnreadable    // the upload's local file could not be read
    };

    static constexpr int DefaultTimeoutMs = 10000;
    static constexpr int DefaultTotalLimitMs = 30000;
    static constexpr qint64 DefaultMaxReplyBytes = qint64(2) * 1024 * 1024;
    // A filing service may take long to check a return: 60 s of silence, 3 minutes overall.
    static constexpr int FilingIdleMs = 60000;
    static constexpr int FilingTotalMs = 180000;

    // The bounds of one request, so a caller can keep its own set in one place.
    struct Limits
    {
        int idleMs = DefaultTimeoutMs;
        int totalMs = DefaultTotalLimitMs;
        qint64 maxReplyBytes = DefaultMaxReplyBytes;
    };

    // url: the full address as UTF-8 text. The flag is kept for the callers' form; no
    // behaviour depends on it yet.
    explicit QWebClient(const QByteArray &url, bool flag = false);
    // An upload: post sends multipart/form-data, the local file first as the part fieldName
    // with the file name uploadName, then the form fields in the order added. The file is
    // read when posting; one that cannot be read sends nothing.
    QWebClient(const QByteArray &url, const QString &localFile, const QString &uploadName,
               const QByteArray &fieldName);
    ~QWebClient();

    QWebClient(const QWebClient &) = delete;
    QWebClient &operator=(const QWebClient &) = delete;

    // Adds a form field (UTF-8 name and value); fields are sent in the order added.
    void addQueryItem(const QByteArray &name, const QByteArray &value);

    // Posts the form fields as application/x-www-form-urlencoded. The credential, when not
    // empty, is the Base64 of "user:password" and goes out as Basic authorization.
    // True when a whole HTTP reply came, whatever its status (error() tells a status outside
    // 2xx); its body (UTF-8) is then in reply. On a failure reply is left as it was.
    // An upload is true only with a 2xx reply, and it is sent at most once: a connection
    // closed before any reply byte fails the upload rather than sending the file again.
    bool post(QString &reply, const QByteArray &credential = QByteArray());
    // The same with the token under the given authorization scheme ("Bearer").
    bool post(QString &reply, const QByteArray &token, const QByteArray &scheme);

    // The multipart/form-data body of an upload and its boundary: the file part, then the
    // fields, each value as it stands.
    static QByteArray multipartBody(const QByteArray &boundary, const QByteArray &fieldName,
                                    const QString &uploadName, const QByteArray &fileContents,
                                    const QList<QPair<QByteArray, QByteArray>> &fields);

    // Fetches the address with GET and writes the body to path through writeFileSafely, so the file
    // is whole and private or untouched. True only when a 2xx reply came and the file was written.
    bool getDownloadFile(const QString &path);

    // Posts body as it stands with the given content type. True when any HTTP reply came,
    // whatever its status (a SOAP fault comes with 500); its body is in reply.
    bool postData(const QByteArray &body, const QByteArray &contentType, QByteArray &reply);

    // Posts a SOAP request: body as it stands with the content type ("text/xml;
    // charset=UTF-8"), a SOAPAction header when soapAction is not null and a further header
    // line ("Name: value") when extraHeader is not null. True when any HTTP reply came, a SOAP
    // fault with status 500 included; its body is in reply. Sent once: never retried.
    bool postSoapXML(const QByteArray &body, const QByteArray &contentType, const char *soapAction,
                     const char *extraHeader, QByteArray &reply);

    // A flag another thread may raise to abort the request in flight (checked every few
    // milliseconds); the request then fails as Cancelled. Not owned; null for none.
    void setCancelFlag(const std::atomic<bool> *flag) { m_cancel = flag; }

    // Inactivity time-out in milliseconds: the request fails when nothing is sent or
    // received for this long.
    void setTimeout(int ms) { m_limits.idleMs = ms; }
    int timeout() const { return m_limits.idleMs; }
    // Overall limit in milliseconds: the request fails when it has not ended by then, so a
    // server that keeps it alive a byte at a time cannot hold the caller.
    void setTotalLimit(int ms) { m_limits.totalMs = ms; }
    int totalLimit() const { return m_limits.totalMs; }
    // The largest reply body taken; a larger one is refused while it arrives.
    void setMaxReplyBytes(qint64 bytes) { m_limits.maxReplyBytes = bytes; }
    qint64 maxReplyBytes() const { return m_limits.maxReplyBytes; }
    void setLimits(const Limits &limits) { m_limits = limits; }
    // The bounds every filing post uses; a test may shorten them through filingLimits().
    static Limits &filingLimits();
    Limits limits() const { return m_limits; }

    // The SSL configuration used for https; the default one unless the caller sets another.
    void setSslConfiguration(const QSslConfiguration &config) { m_sslConfig = config; }
    QSslConfiguration sslConfiguration() const { return m_sslConfig; }

    QUrl url() const { return m_url; }
    bool flag() const { return m_flag; }

    // After a request: the HTTP status (0 when no reply came) and the failure, if any.
    int httpStatus() const { return m_httpStatus; }
    ErrorCode error() const { return m_error; }
    // True when the whole request body went out, so a failed post may still have reached the
    // server (the caller can warn that a return may have arrived although no answer came).
    bool requestFullySent() const { return m_requestSent; }
    QString errorString() const { return m_errorString; }

    // True when host is "invalid" or lies under it (the reserved top-level domain).
    static bool isReservedHost(const QString &host);
    // True for an http or https address: the only kind a reply's link may open.
    static bool isWebAddress(const QString &text);

private:
    bool sendForm(QString &reply, const QByteArray &authorization);
    bool sendUpload(QString &reply, const QByteArray &authorization);
    bool send(const QByteArray &body, const QByteArray &contentType,
              const QByteArray &authorization, QByteArray &reply,
              const QList<QPair<QByteArray, QByteArray>> &extraHeaders = {});
    bool checkBeforeSending();
    void fail(ErrorCode code, const QString &text);

    QUrl m_url;
    bool m_flag;
    QList<QPair<QByteArray, QByteArray>> m_fields;
    Limits m_limits;
    QSslConfiguration m_sslConfig;
    const std::atomic<bool> *m_cancel = nullptr;
    // An upload's local file, its name at the server and the file part's name; empty for
    // every other request.
    QString m_uploadFile;
    QString m_uploadName;
    QByteArray m_uploadField;
    // A download asks with GET; every other request is a POST.
    bool m_get = false;
    bool m_sent = false;
    bool m_requestSent = false;
    int m_httpStatus = 0;
    ErrorCode m_error = NoError;
    QString m_errorString;
};
