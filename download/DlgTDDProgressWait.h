// DlgTDDProgressWait: runs one download and follows it from the sign-in to the saved records.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <memory>

#include "download/TddProgressSink.h"

class TddHttpServer;
namespace Ui {
class DlgTDDProgressWait;
}

// The download's progress sink. Reports may come from any thread; each is handed to the GUI
// thread as a queued call, in the order made (at once when made on the GUI thread). The bar
// follows the latest value once a second; the status text follows each report. Once closed
// (by itself, Cancel or the window) the dialog has stopped its timer and the listener and
// detached itself, so it receives nothing more.
class DlgTDDProgressWait : public QDialog, public TddProgressSink
{
    Q_OBJECT
public:
    static constexpr int tickMs = 1000;
    static constexpr int closeDelayMs = 3000;
    // The end of a download whose sign-in listener could not bind its port.
    static constexpr const char *listenFailedText =
        "The sign-in cannot start: another program is using the port on this computer that the "
        "browser returns to. Close that program and try again.";

    // mode 1 Auto-fill My Return, else Express NOA. The S.I.N. list is the caller's and must
    // outlive the dialog.
    DlgTDDProgressWait(int mode, const QList<QByteArray> &sins, QWidget *parent = nullptr);
    ~DlgTDDProgressWait() override;

    // The progress sink.
    QList<QByteArray> requestedSins() const override { return m_sins; }
    bool acceptsProgress() const override { return !m_detached; }
    void reportProgress(int value, int code) override;
    void setRecordCount(int count) override;
    void addTaxpayerMessage(const QByteArray &sin, const QString &message) override;
    void reportServiceUnreachable(const QString &cause) override;

    int recordCount() const { return m_recordCount; }
    // Why the service could not be reached; empty when it answered or was never asked.
    QString serviceFailure() const { return m_serviceFailure; }
    // One message per taxpayer, in S.I.N. order.
    QStringList taxpayerMessages() const { return m_messages.values(); }
    // The status text of a report, given the text shown before it.
    static QString statusText(int value, int code, const QString &current);

public slots:
    void timerTimeout();
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Runs call on the GUI thread: at once there, else queued in call order. Dropped once the
    // dialog has detached or is gone.
    template <class Call> void onGuiThread(Call call);
    void applyReport(int value, int code);
    // Stops the timer and the listener and leaves the service without a sink.
    void detach();
    // The store run over the saved reply file instead of a download.
    void runOffline(const QString &file);

    std::unique_ptr<Ui::DlgTDDProgressWait> ui;
    int m_progress = 0;
    QString m_status;
    int m_lastApplied = -1;
    QTimer m_timer;
    const QList<QByteArray> &m_sins;
    qint16 m_mode;
    int m_recordCount = 0;
    QMap<QByteArray, QString> m_messages; // by S.I.N.
    QString m_serviceFailure;
    TddHttpServer *m_server = nullptr;
    std::atomic<bool> m_detached{false};
    bool m_ended = false;
};
