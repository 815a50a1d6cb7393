// TddProgressSink: what a download step reports to, the progress dialog in the program.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Every member may be called from a worker thread; an implementation that touches widgets
// hands the call to the GUI thread, in the order made.
class TddProgressSink
{
public:
    virtual ~TddProgressSink() = default;

    // The S.I.N.s requested, in the order entered; not changed while a download runs.
    virtual QList<QByteArray> requestedSins() const = 0;
    // False while the sink takes no reports; they are then dropped.
    virtual bool acceptsProgress() const = 0;
    // A step (value below 99), the end (99, 1000 + records) or a failure (1000, code).
    virtual void reportProgress(int value, int code) = 0;
    virtual void setRecordCount(int count) = 0;
    // Enters or replaces the message of the taxpayer with that S.I.N.
    virtual void addTaxpayerMessage(const QByteArray &sin, const QString &message) = 0;
    // Why the service could not be reached (no host set, no connection, an untrusted
    // certificate, no answer), before a failure report; a sink that does not tell it ignores it.
    virtual void reportServiceUnreachable(const QString &cause) { Q_UNUSED(cause); }
};
