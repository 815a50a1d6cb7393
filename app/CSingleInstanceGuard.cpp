// CSingleInstanceGuard: an 8-byte shared segment under the key followed by "_qrvn".
#include "app/CSingleInstanceGuard.h"

CSingleInstanceGuard::CSingleInstanceGuard(const QString &key, QObject *parent)
    : QObject(parent), m_key(key), m_memKey(key + "_qrvn"), m_shared(m_memKey)
{
}

CSingleInstanceGuard::~CSingleInstanceGuard()
{
    release();
}

bool CSingleInstanceGuard::isAnotherRunning()
{
    if (m_shared.isAttached())
        return false;
    if (m_shared.attach(QSharedMemory::ReadOnly)) {
        m_shared.detach();
        return true;
    }
    return false;
}

bool CSingleInstanceGuard::tryToRun()
{
    if (isAnotherRunning())
        return false;
    return m_shared.create(8, QSharedMemory::ReadWrite);
}

void CSingleInstanceGuard::release()
{
    if (m_shared.isAttached())
        m_shared.detach();
}
