// TddHttpServer: the run's download service and the local listener of the sign-in's return.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QServerSocket;
class QTcpSocket;
class QThread;
class TddProgressSink;
class TddWebService;

// A singleton on the GUI thread. The listener binds 127.0.0.1 only, takes one token from
// the browser's return call, answers it and starts the get step, then closes; a listener
// that hears no token within the listen time-out closes and reports (1000, -40).
class TddHttpServer : public QObject
{
    Q_OBJECT
public:
    static constexpr int defaultListenTimeoutMs = 10 * 60 * 1000;
    static constexpr int shutdownWaitMs = 15000;
    // The result of start, and the failure code reported, when the listener cannot listen.
    static constexpr int listenFailed = 200;

    // Creates the singleton on the first call; attaches the sink on every call.
    static TddHttpServer *instance(TddProgressSink *dialog);
    // At exit (also registered with the application): stops the listener, detaches the
    // sink, stops the steps and waits for the workers. A worker still running after the
    // wait keeps the service alive rather than have it freed under it.
    static void shutdown();

    void setProgressDialog(TddProgressSink *dialog);
    TddWebService *service() const { return m_service; }

    // (Re)starts the listener: 0, or listenFailed when it cannot listen.
    int start(int port);
    void stop();
    bool isRunning() const { return m_listener != nullptr; }
    // The port the listener is bound to; 0 when none.
    quint16 listeningPort() const;

    // The port the progress dialog starts the listener on: 16248 in the NETFILE edition,
    // else 16249, unless set (tests pick free ones so parallel runs do not collide).
    int port() const;
    void setPort(int port) { m_port = port; }
    void setListenTimeout(int ms) { m_listenTimeoutMs = ms; }

    // Starts the stage worker for the attached download.
    void startStage();

public slots:
    void dataReceived(QTcpSocket *socket, const QByteArray &data);

private:
    TddHttpServer();
    ~TddHttpServer() override;

    QByteArray logPath() const;
    bool hostAllowed(const QByteArray &request) const;
    // Reads the token of a token path into the service; true when it was accepted.
    bool takeToken(const QByteArray &request, const char *path);
    void listenTimedOut();
    // The gate before the browser opens the sign-in link: the listener for its return call
    // runs first; a port that cannot be bound ends the download with (1000, listenFailed).
    bool startForSignIn();
    void startWorker(QThread *worker);
    // Waits for the workers; true when none is left running.
    bool waitForWorkers(int ms);

    TddWebService *m_service;
    QServerSocket *m_listener = nullptr;
    TddProgressSink *m_dialog = nullptr;
    QTimer m_listenTimer;
    int m_listenTimeoutMs = defaultListenTimeoutMs;
    int m_port = -1;
    QList<QPointer<QThread>> m_workers;
};
