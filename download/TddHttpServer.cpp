// TddHttpServer: the singleton, the listener's start and stop, and the answer to the browser.
#include "download/TddHttpServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <cctype>

#include "app/LogFile.h"
#include "app/TabWndApp.h"
#include "download/TddEndpoints.h"
#include "download/TddLog.h"
#include "download/TddProgressSink.h"
#include "download/TddTemplate.h"
#include "download/TddWebService.h"
#include "download/TddWorkers.h"
#include "ordane/QServerSocket.h"

namespace {
TddHttpServer *s_instance = nullptr;

const QByteArray kHello = "Hello from Quorvandelle 2025";
const QByteArray kLoggedOut = "You have logged out of CRA secure session!";

// The run of non-blank bytes after "t=" when the request line starts with pattern.
QByteArray tokenAfter(const QByteArray &request, const QByteArray &pattern)
{
    if (!request.startsWith(pattern))
        return QByteArray();
    int end = pattern.size();
    while (end < request.size() && !std::isspace(static_cast<unsigned char>(request[end])))
        ++end;
    return request.mid(pattern.size(), end - pattern.size());
}
} // namespace

TddHttpServer::TddHttpServer() : m_service(new TddWebService)
{
    m_listenTimer.setSingleShot(true);
    connect(&m_listenTimer, &QTimer::timeout, this, &TddHttpServer::listenTimedOut);
    m_service->setSignInGate([this] { return startForSignIn(); });
}

TddHttpServer::~TddHttpServer()
{
    stop();
    delete m_service;
}

TddHttpServer *TddHttpServer::instance(TddProgressSink *dialog)
{
    if (!s_instance) {
        s_instance = new TddHttpServer;
        qAddPostRoutine(&TddHttpServer::shutdown);
    }
    s_instance->setProgressDialog(dialog);
    return s_instance;
}

void TddHttpServer::shutdown()
{
    TddHttpServer *server = s_instance;
    if (!server)
        return;
    s_instance = nullptr;
    server->stop();
    server->setProgressDialog(nullptr);
    server->m_service->requestStop();
    if (!server->waitForWorkers(shutdownWaitMs))
        server->m_service = nullptr; // left to the workers still using it
    delete server;
}

void TddHttpServer::setProgressDialog(TddProgressSink *dialog)
{
    m_dialog = dialog;
    m_service->setProgressSink(dialog);
}

QByteArray TddHttpServer::logPath() const
{
    return tddLogFilePath(1);
}

int TddHttpServer::port() const
{
    if (m_port >= 0)
        return m_port;
    return AppEdition == 2 ? 16248 : 16249;
}

quint16 TddHttpServer::listeningPort() const
{
    return m_listener ? m_listener->serverPort() : 0;
}

int TddHttpServer::start(int port)
{
    stop();
    auto *listener = new QServerSocket(quint16(port), this);
    if (!listener->isListening()) {
        delete listener;
        appendLogLine(logPath(), "http server exception in start\n");
        return listenFailed;
    }
    m_listener = listener;
    connect(m_listener, &QServerSocket::dataReceived, this, &TddHttpServer::dataReceived);
    appendLogLine(logPath(), "http server up\n");
    m_listenTimer.start(m_listenTimeoutMs);
    return 0;
}

void TddHttpServer::stop()
{
    m_listenTimer.stop();
    if (!m_listener)
        return;
    appendLogLine(logPath(), "http server down\n");
    m_listener->disconnect(this);
    // A connection still being answered keeps the listener until its answer is out.
    m_listener->closeAndDeleteWhenIdle();
    m_listener = nullptr;
}

bool TddHttpServer::startForSignIn()
{
    // A download cancelled meanwhile signs in nowhere: no listener, no browser.
    if (!m_dialog || !m_dialog->acceptsProgress())
        return false;
    if (isRunning() || start(port()) == 0)
        return true;
    m_service->reportProgress(1000, listenFailed);
    return false;
}

void TddHttpServer::listenTimedOut()
{
    stop();
    m_service->reportProgress(1000, -40);
}

bool TddHttpServer::hostAllowed(const QByteArray &request) const
{
    // A page in the browser may send requests here too; only the return call names this
    // machine's address with the listener's port.
    const QByteArray port = QByteArray::number(listeningPort());
    const QList<QByteArray> lines = request.split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty())
            break;
        const int colon = line.indexOf(':');
        if (colon <= 0 || line.left(colon).trimmed().toLower() != "host")
            continue;
        const QByteArray host = line.mid(colon + 1).trimmed();
        return host == "127.0.0.1:" + port || host == "localhost:" + port;
    }
    return false;
}

bool TddHttpServer::takeToken(const QByteArray &request, const char *path)
{
    m_service->reportProgress(30, 0);
    const QByteArray token = tokenAfter(request, "GET " + QByteArray(path) + "?t=");
    return !m_service->setReturnedToken(token);
}

void TddHttpServer::dataReceived(QTcpSocket *socket, const QByteArray &data)
{
    try {
        m_service->reportProgress(25, 0);
        bool valid = false;
        bool logout = false;
        if (hostAllowed(data)) {
            // A path counts anywhere but at the very start of the request.
            if (data.indexOf("/taxdata") > 0)
                valid = takeToken(data, "/taxdata");
            const bool upper = data.indexOf("/TAXDATA") > 0;
            if (upper)
                valid = takeToken(data, "/TAXDATA");
            const bool noa = !upper && data.indexOf("/expnoa") > 0;
            if (noa)
                valid = takeToken(data, "/expnoa");
            if (!upper && !noa)
                logout = data.contains("/logout");
        }
        QByteArray body;
        socket->write("HTTP/1.0 200 OK\n");
        if (valid) {
            m_service->reportProgress(40, 0);
            socket->write("Content-Type: text/html\n");
            TddTemplateValues values;
            if (const TabWndApp *app = appInstance())
                values.insert("crajsurl",
                              app->config.downloadEndpoints[TddEndpoint::SignInScriptUrl]);
            fillTddTemplate(body, ":/tdd/tdd/tdd_logouthtml.xmt", values);
        } else {
            socket->write("Content-Type: text/plain\n");
            body = logout ? kLoggedOut : kHello;
        }
        socket->write("Content-Length: " + QByteArray::number(body.size()) + "\n\n");
        socket->write(body);
        socket->flush();
        if (valid) {
            // One token per sign-in: a later caller finds no listener.
            stop();
            if (m_service->setBusy())
                startWorker(new ThreadTDDGetData(m_service));
        }
    } catch (...) {
        appendLogLine(logPath(), "svr accept exception\n");
        m_service->reportProgress(1000, 0);
    }
}

void TddHttpServer::startStage()
{
    startWorker(new ThreadTDDGetWebAuth(m_service));
}

void TddHttpServer::startWorker(QThread *worker)
{
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    m_workers.removeAll(nullptr);
    m_workers.append(worker);
    worker->start(QThread::InheritPriority);
}

bool TddHttpServer::waitForWorkers(int ms)
{
    QDeadlineTimer deadline(ms);
    bool allDone = true;
    for (const QPointer<QThread> &worker : qAsConst(m_workers)) {
        if (!worker)
            continue;
        if (worker->wait(deadline))
            delete worker.data();
        else
            allDone = false;
    }
    m_workers.clear();
    return allDone;
}
