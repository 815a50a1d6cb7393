// TddWebService: the stage and get steps, one SOAP exchange, the sign-in link and the token.
#include "download/TddWebService.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QThread>
#include <QUrl>
#include <climits>
#include <cmath>
#include <cstring>

#include "app/TabWndApp.h"
#include "download/TddEndpoints.h"
#include "download/TddLog.h"
#include "download/TddProgressSink.h"
#include "download/TddSignIn.h"
#include "download/TddSoapRequest.h"
#include "download/TddSoapResult.h"
#include "ordane/Clock.h"
#include "ordane/Encoding.h"
#include "ordane/Utilities.h"

namespace {
constexpr int kMinTokenBytes = 6;
constexpr int kMaxTokenBytes = 512;
constexpr int kStopCheckMs = 20;

bool isTokenByte(char c)
{
    // strchr finds the terminating NUL too, so a NUL byte must be refused before it asks.
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           (c != '\0' && std::strchr("-._~+/=", c) != nullptr);
}

void logText(FILE *log, const QByteArray &text)
{
    if (log && !text.isEmpty())
        std::fwrite(text.constData(), 1, size_t(text.size()), log);
}

// A ReturnCode read as a number and cut toward zero; out-of-range values stay failures.
int returnCodeNumber(const CString &text)
{
    const double value = std::trunc(myStringToDouble(text));
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return int(value);
}
} // namespace

TddWebService::TddWebService() = default;

TddWebService::~TddWebService() = default;

void TddWebService::setTaxYearAndMode(const CString &taxYear, int mode)
{
    m_taxYear = taxYear;
    m_taxYearNumber = taxYear.toInt(nullptr, 10);
    m_mode = qint16(mode);
}

bool TddWebService::setBusy()
{
    bool expected = false;
    return m_busy.compare_exchange_strong(expected, true);
}

void TddWebService::clearBusy()
{
    m_busy = false;
}

void TddWebService::setProgressSink(TddProgressSink *sink)
{
    QMutexLocker lock(&m_sinkLock);
    m_sink = sink;
}

int TddWebService::reportProgress(int value, int code)
{
    QMutexLocker lock(&m_sinkLock);
    if (!m_sink || !m_sink->acceptsProgress())
        return 1;
    m_sink->reportProgress(value, code);
    return 0;
}

void TddWebService::reportServiceUnreachable(const QString &cause)
{
    QMutexLocker lock(&m_sinkLock);
    if (m_sink && m_sink->acceptsProgress())
        m_sink->reportServiceUnreachable(cause);
}

void TddWebService::setRecordCount(int count)
{
    QMutexLocker lock(&m_sinkLock);
    if (m_sink)
        m_sink->setRecordCount(count);
}

QString TddWebService::browserUrl() const
{
    QMutexLocker lock(&m_tokenLock);
    return m_browserUrl;
}

QByteArray TddWebService::stageToken() const
{
    QMutexLocker lock(&m_tokenLock);
    return m_stageToken;
}

QByteArray TddWebService::returnedToken() const
{
    QMutexLocker lock(&m_tokenLock);
    return m_returnedToken;
}

bool TddWebService::serviceHostMissing() const
{
    const TabWndApp *app = appInstance();
    return !app ||
           QString(app->config.downloadEndpoints[TddEndpoint::ServiceHost]).trimmed().isEmpty();
}

QByteArray TddWebService::serviceUrl() const
{
    const TabWndApp *app = appInstance();
    if (!app)
        return QByteArray();
    const CString *endpoints = app->config.downloadEndpoints;
    return ("https://" + endpoints[TddEndpoint::ServiceHost] +
            endpoints[TddEndpoint::ServicePathPrefix] + m_taxYear +
            endpoints[m_mode == 1 ? TddEndpoint::AutoFillService : TddEndpoint::NoaService])
        .toUtf8();
}

TddExchangeResult TddWebService::postSoapRequest(const QByteArray &request, QByteArray &reply)
{
    FILE *log = openTddLog(0);
    const TabWndApp *app = appInstance();
    const bool fullLog = app && app->config.FullLog;
    const bool logRequest = fullLog && app->config.MODEDEBUG;
    if (log) {
        std::fprintf(log, "\n\n%s\n", now().toString(Qt::TextDate).toUtf8().constData());
        if (logRequest)
            logText(log, request);
        std::fputs("\n\n", log);
        std::fflush(log);
    }
    TddExchangeResult result = TddExchangeResult::Done;
    try {
        const QByteArray url = serviceUrl();
        qDebug("url: %s", url.constData());
        QWebClient client(url, false);
        client.setLimits(m_limits);
        client.setCancelFlag(&m_stop);
        if (!client.postSoapXML(request, "text/xml; charset=UTF-8", nullptr, nullptr, reply)) {
            if (log)
                std::fprintf(log, "TDD web service step failed.\n%s\n",
                             client.errorString().toUtf8().constData());
            // A stop the user asked for is no fault of the service.
            if (client.error() != QWebClient::Cancelled)
                reportServiceUnreachable(serviceHostMissing()
                                             ? QStringLiteral("No host is set for the CRA "
                                                              "service in the configuration.")
                                             : client.errorString());
            result = TddExchangeResult::PostFailed;
        } else if (fullLog) {
            logText(log, reply);
        }
    } catch (...) {
        if (log)
            std::fputs("Please try again, make sure Quorvandelle is permitted by firewall to use "
                       "Internet.\n",
                       log);
        result = TddExchangeResult::Interrupted;
    }
    closeTddLog(log);
    return result;
}

TddExchangeResult TddWebService::stageRequest()
{
    QList<QByteArray> sins;
    {
        QMutexLocker lock(&m_sinkLock);
        if (!m_sink)
            return TddExchangeResult::NoSink;
        sins = m_sink->requestedSins();
    }
    reportProgress(5, 0);
    QByteArray request;
    if (buildStageRequest(m_taxYear, m_mode, request) != 0) {
        reportProgress(1000, resultNumber(TddExchangeResult::RequestNotBuilt));
        return TddExchangeResult::RequestNotBuilt;
    }
    for (const QByteArray &sin : qAsConst(sins))
        request += "<Sin>" + xmlEscaped(sin) + "</Sin>";
    request += m_mode == 1 ? "</StageTDDNetfile></S:Body></S:Envelope>"
                           : "</StageNOA></S:Body></S:Envelope>";
    QByteArray reply;
    const TddExchangeResult posted = postSoapRequest(request, reply);
    if (posted != TddExchangeResult::Done) {
        reportProgress(1000, resultNumber(posted));
        return posted;
    }
    reportProgress(10, 0);
    TddSoapResult result;
    parseSoapResponse(reply, m_mode == 1 ? "StageTDDNetfileResponse" : "StageNOAResponse",
                      "TokenIdentifier", result);
    if (result.ReturnCode.compare(QLatin1String("0"), Qt::CaseInsensitive) != 0) {
        reportProgress(1000, resultNumber(TddExchangeResult::HandshakeRefused));
        return TddExchangeResult::HandshakeRefused;
    }
    reportProgress(15, 0);
    QMutexLocker lock(&m_tokenLock);
    m_stageToken = result.TokenIdentifier;
    return TddExchangeResult::Done;
}

bool TddWebService::waitBeforeRetry() const
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < m_retryWaitMs) {
        if (m_stop)
            return false;
        QThread::msleep(ulong(qMin<qint64>(kStopCheckMs, m_retryWaitMs - timer.elapsed())));
    }
    return !m_stop;
}

int TddWebService::pollForData()
{
    FILE *log = openTddLog(1);
    QByteArray token = returnedToken();
    for (const int v : {56, 66, 76}) {
        if (m_stop) {
            closeTddLog(log);
            return resultNumber(TddExchangeResult::Done);
        }
        QByteArray request;
        if (buildGetRequest(m_taxYear, m_mode, token, request) != 0) {
            reportProgress(1000, resultNumber(TddExchangeResult::RequestNotBuilt));
            closeTddLog(log);
            return resultNumber(TddExchangeResult::RequestNotBuilt);
        }
        reportProgress(v - 6, 0);
        QByteArray reply;
        const TddExchangeResult posted = postSoapRequest(request, reply);
        if (posted != TddExchangeResult::Done) {
            reportProgress(1000, resultNumber(posted));
            closeTddLog(log);
            return resultNumber(posted);
        }
        reportProgress(v - 1, 0);
        TddSoapResult result;
        parseSoapResponse(reply, m_mode == 1 ? "GetTDDNetfileResponse" : "GetNOAResponse",
                          "TokenIdentifier", result);
        const int code = returnCodeNumber(result.ReturnCode);
        if (code == resultNumber(TddExchangeResult::DataReceived)) {
            int records = 0;
            try {
                records =
                    m_mode == 1 ? saveTaxDataResponse(log, reply) : saveNoaResponse(log, reply);
            } catch (...) {
                records = 0;
            }
            setRecordCount(records);
            closeTddLog(log);
            reportProgress(99, 1000 + records);
            return resultNumber(TddExchangeResult::DataReceived);
        }
        if (code != 0) {
            // 10 included: the progress dialog closes only on a final report, so no end
            // may leave it waiting.
            reportProgress(1000, code);
            closeTddLog(log);
            return code;
        }
        token = result.TokenIdentifier;
        if (log && token.size() <= kMinTokenBytes)
            std::fputs("token is short\n", log);
        if (!waitBeforeRetry()) {
            closeTddLog(log);
            return resultNumber(TddExchangeResult::Done);
        }
        reportProgress(v, 0);
    }
    closeTddLog(log);
    reportProgress(1000, resultNumber(TddExchangeResult::NoDataInTime));
    return resultNumber(TddExchangeResult::Done);
}

int TddWebService::openAuthorizationPage()
{
    CString user, password;
    getServiceCredentials(m_mode, user, password);
    const QByteArray timestamp = QByteArray::number(now().toSecsSinceEpoch());
    const QByteArray auth =
        urlEncode(m_mode == 1 ? "/gol-ged/awsc/tdd/ws" : "/gol-ged/awsc/tdd/ws/noa");
    const QByteArray stage = stageToken();
    const QByteArray encodedToken = urlEncode(stage);
    const QByteArray tokenAndYear = urlEncode(stage + m_taxYear.toUtf8());
    QByteArray key;
    makeAuthKey(m_mode, key, timestamp, auth, "en", tokenAndYear);

    const QByteArray link = "https://" + signInHostAndPath() + "?spID=" + user.toUtf8() +
                            "&timestamp=" + timestamp + "&auth=" + auth + "&key=" + key +
                            "&t=" + encodedToken + "&lang=en&swtaxyear=" + m_taxYear.toUtf8();
    {
        QMutexLocker lock(&m_tokenLock);
        m_browserUrl = QString::fromUtf8(link);
    }
    reportProgress(20, 0);
    // The browser opens on the GUI thread; the worker does not wait for it.
    if (QCoreApplication *app = QCoreApplication::instance()) {
        const QUrl url = QUrl::fromEncoded(link);
        const std::function<bool()> gate = m_signInGate;
        QMetaObject::invokeMethod(
            app,
            [url, gate] {
                if (!gate || gate())
                    QDesktopServices::openUrl(url);
            },
            Qt::QueuedConnection);
    }
    return 0;
}

bool TddWebService::setReturnedToken(const QByteArray &token)
{
    const QByteArray decoded = urlDecode(token);
    bool acceptable = decoded.size() >= kMinTokenBytes && decoded.size() <= kMaxTokenBytes;
    for (int i = 0; acceptable && i < decoded.size(); ++i)
        acceptable = isTokenByte(decoded[i]);
    if (!acceptable)
        return true;
    QMutexLocker lock(&m_tokenLock);
    m_returnedToken = decoded;
    return false;
}
