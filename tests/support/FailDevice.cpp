// FailDevice: takes bytes up to its capacity, then a short write, then errors only.
#include "FailDevice.h"

FailDevice::FailDevice(qint64 capacity) : m_capacity(capacity)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 FailDevice::readData(char *, qint64)
{
    return -1;
}

qint64 FailDevice::writeData(const char *data, qint64 size)
{
    const qint64 room = m_capacity - m_written.size();
    if (room <= 0) {
        ++m_refused;
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    // Like a disk filling up: what fits is taken and the count says the rest was not.
    const qint64 taken = qMin(room, size);
    m_written.append(data, int(taken));
    if (taken < size)
        ++m_refused;
    return taken;
}
