// The two download workers: the stage step with the sign-in link, and the get step.
#pragma once

#include <QThread>

class TddWebService;

// Claims busy itself; when a step is running it reports (1000, -50) and ends.
class ThreadTDDGetWebAuth : public QThread
{
    Q_OBJECT
public:
    ThreadTDDGetWebAuth(TddWebService *service, QObject *parent = nullptr);

protected:
    void run() override;

private:
    TddWebService *m_service;
};

// Started by the listener, which has claimed busy for it.
class ThreadTDDGetData : public QThread
{
    Q_OBJECT
public:
    ThreadTDDGetData(TddWebService *service, QObject *parent = nullptr);

protected:
    void run() override;

private:
    TddWebService *m_service;
};
