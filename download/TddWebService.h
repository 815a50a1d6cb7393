// TddWebService: the client of the tax authority's data download and notice services.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <atomic>
#include <cstdio>
#include <functional>

#include "ordane/CString.h"
#include "ordane/QWebClient.h"
#include "ordane/ResultNumber.h"

class TddProgressSink;
class TiXmlDocument;

// The results of the stage step and of one SOAP exchange, also the code of their final
// progress report. The get step ends with the service's own return code instead, or with these
// numbers.
enum class TddExchangeResult : int
{
    Done = 0,
    NoSink = -5,
    RequestNotBuilt = -10,
    PostFailed = -20,
    Interrupted = -99,
    HandshakeRefused = 100, // the stage reply's return code was not 0
    // The get step: the reply's return code when it holds the records, and the progress code
    // after the last attempt went by without them.
    DataReceived = 20,
    NoDataInTime = -30,
};

// One exists for the whole run, inside TddHttpServer. A download runs the stage step (which
// ends by opening the sign-in link) and, after the browser's return call, the get step; each
// on a worker of its own, one at a time under the busy flag. Progress goes to the attached
// sink as (value, code) pairs.
class TddWebService
{
public:
    static constexpr int defaultRetryWaitMs = 4000;

    TddWebService();
    virtual ~TddWebService();

    TddWebService(const TddWebService &) = delete;
    TddWebService &operator=(const TddWebService &) = delete;

    // Mode 1 Auto-fill My Return; any other value Express NOA.
    void setTaxYearAndMode(const CString &taxYear, int mode);
    int mode() const { return m_mode; }
    CString taxYear() const { return m_taxYear; }

    bool setBusy();
    void clearBusy();
    bool isBusy() const { return m_busy.load(); }

    // Attaches the sink (none detaches it); a report never reaches a sink once detached.
    void setProgressSink(TddProgressSink *sink);
    // 0 delivered; 1 dropped (no sink, or it takes no reports). Any thread.
    int reportProgress(int value, int code);

    // The two steps and one SOAP exchange; results as the progress table gives them.
    TddExchangeResult stageRequest();
    // Data received, done (stopped, or no data in time), a failed exchange's result or the
    // get reply's return code.
    int pollForData();
    TddExchangeResult postSoapRequest(const QByteArray &request, QByteArray &reply);
    // Builds the signed sign-in link and has the GUI thread open it in the browser, once the
    // gate (when set) has run there and agreed.
    int openAuthorizationPage();
    // Run on the GUI thread just before the browser opens the sign-in link; false keeps the
    // browser closed (the gate reports why). Set once, before any step runs.
    void setSignInGate(std::function<bool()> gate) { m_signInGate = std::move(gate); }
    // URL-decodes the browser's token and keeps it when it is 6 to 512 bytes of letters,
    // digits and "-._~+/="; true, keeping the token it had, for anything else.
    bool setReturnedToken(const QByteArray &token);

    // The store of a data reply and of a notice reply: the number of items taken, or a
    // negative store code.
    int saveTaxDataResponse(FILE *log, const QByteArray &reply);
    int saveNoaResponse(FILE *log, const QByteArray &reply);

    QString browserUrl() const;
    QByteArray stageToken() const;
    QByteArray returnedToken() const;

    // At exit: aborts a request in flight and ends the get step at its next check.
    void requestStop() { m_stop = true; }
    bool stopRequested() const { return m_stop.load(); }

    // The wait between get attempts, and the bounds of each request; tests shorten them.
    void setRetryWaitMs(int ms) { m_retryWaitMs = ms; }
    void setRequestLimits(const QWebClient::Limits &limits) { m_limits = limits; }

private:
    QByteArray serviceUrl() const;
    // True when the configuration names no service host.
    bool serviceHostMissing() const;
    // The attached sink's S.I.N.s; none without a sink.
    QList<QByteArray> requestedSins() const;
    void addTaxpayerMessage(const QByteArray &sin, const QString &message);
    // The start both stores share: the log lines, progress, the pause on a worker and the
    // parse; false when the reply does not parse.
    bool beginStore(FILE *log, const QByteArray &reply, TiXmlDocument &doc);
    // Waits the retry time in short slices; false when a stop was requested meanwhile.
    bool waitBeforeRetry() const;
    void setRecordCount(int count);
    void reportServiceUnreachable(const QString &cause);

    QString m_browserUrl;
    std::atomic<bool> m_busy{false};
    QByteArray m_stageToken;
    QByteArray m_returnedToken;
    TddProgressSink *m_sink = nullptr;
    qint16 m_mode = 1;
    CString m_taxYear;
    int m_taxYearNumber = 0;

    // Attaching, detaching and reporting; recursive, so a sink may detach itself from inside
    // a report made on its own thread.
    mutable QRecursiveMutex m_sinkLock;
    mutable QMutex m_tokenLock; // tokens and the link, written and read on different threads
    std::atomic<bool> m_stop{false};
    int m_retryWaitMs = defaultRetryWaitMs;
    QWebClient::Limits m_limits;
    std::function<bool()> m_signInGate;
};
