// The download workers: each runs one step and releases busy however the step ends.
#include "download/TddWorkers.h"

#include "download/TddWebService.h"

namespace {
// Releases busy on every way out of a step, an exception included.
struct BusyRelease
{
    TddWebService *service;
    ~BusyRelease() { service->clearBusy(); }
};
} // namespace

ThreadTDDGetWebAuth::ThreadTDDGetWebAuth(TddWebService *service, QObject *parent)
    : QThread(parent), m_service(service)
{
}

void ThreadTDDGetWebAuth::run()
{
    if (!m_service->setBusy()) {
        // A step is running; the progress dialog must still hear that this one did not start.
        m_service->reportProgress(1000, -50);
        return;
    }
    BusyRelease release{m_service};
    try {
        if (m_service->stageRequest() == TddExchangeResult::Done)
            m_service->openAuthorizationPage();
    } catch (...) {
    }
}

ThreadTDDGetData::ThreadTDDGetData(TddWebService *service, QObject *parent)
    : QThread(parent), m_service(service)
{
}

void ThreadTDDGetData::run()
{
    BusyRelease release{m_service};
    try {
        m_service->pollForData();
    } catch (...) {
    }
}
