// DlgTDDProgressWait: the progress texts, the once-a-second bar, the listener and the close.
#include "download/DlgTDDProgressWait.h"

#include "ui_DlgTDDProgressWait.h"

#include <QCloseEvent>
#include <QPointer>
#include <QThread>

#include "app/TabWndApp.h"
#include "download/TddHttpServer.h"
#include "download/TddLog.h"
#include "download/TddWebService.h"
#include "ordane/FileHelpers.h"

DlgTDDProgressWait::DlgTDDProgressWait(int mode, const QList<QByteArray> &sins, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::DlgTDDProgressWait>()), m_sins(sins),
      m_mode(qint16(mode))
{
    ui->setupUi(this);
    setWindowTitle(mode == 1 ? "Auto-fill My Return Progress" : "View NOA Progress");
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &DlgTDDProgressWait::reject);
    m_timer.setParent(this);
    m_timer.setInterval(tickMs);
    connect(&m_timer, &QTimer::timeout, this, &DlgTDDProgressWait::timerTimeout);
    m_timer.start();
}

DlgTDDProgressWait::~DlgTDDProgressWait()
{
    detach();
}

template <class Call> void DlgTDDProgressWait::onGuiThread(Call call)
{
    if (m_detached)
        return;
    if (QThread::currentThread() == thread()) {
        call();
        return;
    }
    // Queued to this object: calls from one thread arrive in the order made, and none
    // arrives once the dialog is gone.
    QMetaObject::invokeMethod(
        this,
        [this, call] {
            if (!m_detached)
                call();
        },
        Qt::QueuedConnection);
}

void DlgTDDProgressWait::reportProgress(int value, int code)
{
    onGuiThread([this, value, code] { applyReport(value, code); });
}

void DlgTDDProgressWait::setRecordCount(int count)
{
    onGuiThread([this, count] { m_recordCount = count; });
}

void DlgTDDProgressWait::addTaxpayerMessage(const QByteArray &sin, const QString &message)
{
    onGuiThread([this, sin, message] { m_messages.insert(sin, message); });
}

void DlgTDDProgressWait::reportServiceUnreachable(const QString &cause)
{
    onGuiThread([this, cause] { m_serviceFailure = cause; });
}

QString DlgTDDProgressWait::statusText(int value, int code, const QString &current)
{
    switch (value) {
    case 10:
        return "Start to token request ...";
    case 20:
        return "You are about to be redirected to CRA secure server to authorize Auto-fill My "
               "Return ...";
    case 50:
        return "Start to receive data ...";
    case 99:
        return QStringLiteral("%1 record(s) saved into tax data locally (%2).")
            .arg(code >= 1000 ? code - 1000 : 0)
            .arg(code);
    case 1000:
        if (code == TddHttpServer::listenFailed)
            return listenFailedText;
        if (code == resultNumber(TddExchangeResult::HandshakeRefused))
            return QStringLiteral("initial web service handshake failed, code = %1").arg(code);
        return QStringLiteral("some error occured, code = %1").arg(code);
    default:
        if (value > 100)
            return QStringLiteral("some unpected error occured, code = %1 - %2.")
                .arg(value)
                .arg(code);
        return current;
    }
}

void DlgTDDProgressWait::applyReport(int value, int code)
{
    m_progress = value;
    m_status = statusText(value, code, m_status);
    ui->lblStatus->setText(m_status);
}

void DlgTDDProgressWait::timerTimeout()
{
    const int v = m_progress;
    if (v == m_lastApplied)
        return;
    m_lastApplied = v;
    if (v <= 98) {
        ui->progressBar->setValue(v);
        ui->lblStatus->setText(m_status);
        return;
    }
    if (v == 99) {
        m_progress = 100;
        ui->lblStatus->setText(m_status);
        return;
    }
    m_timer.stop();
    if (m_server)
        m_server->stop();
    // The listener's failure keeps its own text: trying again later would not help.
    if (v != 100 && m_status != listenFailedText) {
        m_status = "Error happened in Auto-fill My Return, please try again later.";
        ui->lblStatus->setText(m_status);
    }
    if (!m_ended) {
        m_ended = true;
        QTimer::singleShot(closeDelayMs, this, &QDialog::close);
    }
}

void DlgTDDProgressWait::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ui->progressBar->setRange(0, 100);
    ui->progressBar->setValue(m_progress);
    ui->progressBar->setTextVisible(true);
    ui->progressBar->setFormat("Loading...");
    ui->progressBar->setAlignment(Qt::AlignCenter);
    if (m_detached)
        return;
    m_server = TddHttpServer::instance(this);
    m_server->service()->setTaxYearAndMode("2025", m_mode);
    TabWndApp *app = appInstance();
    const QString file = app ? QString(app->config.TDDDataFile) : QString();
    if (file.isEmpty())
        m_server->startStage();
    else
        runOffline(file);
}

void DlgTDDProgressWait::runOffline(const QString &file)
{
    FILE *log = openTddLog(0);
    QByteArray reply;
    loadFileToString(file, reply);
    TddWebService *service = m_server->service();
    const int records = m_mode == 1 ? service->saveTaxDataResponse(log, reply)
                                    : service->saveNoaResponse(log, reply);
    setRecordCount(records);
    closeTddLog(log);
}

void DlgTDDProgressWait::closeEvent(QCloseEvent *event)
{
    detach();
    QDialog::closeEvent(event);
}

void DlgTDDProgressWait::done(int result)
{
    detach();
    QDialog::done(result);
}

void DlgTDDProgressWait::detach()
{
    m_timer.stop();
    if (m_server) {
        m_server->stop();
        m_server->setProgressDialog(nullptr);
        m_server = nullptr;
    }
    m_detached = true;
}
