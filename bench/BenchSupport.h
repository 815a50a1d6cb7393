// What the benchmarks share: the time of every pass of a measured body, beside QBENCHMARK's own
// figure, and the floor the disk sets on the same bytes (a plain durable write and a plain read).
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <unistd.h>

struct PassTimes
{
    qint64 nanoseconds = 0;
    qint64 passes = 0;
    double mean() const { return passes ? double(nanoseconds) / double(passes) : 0.0; }
    double meanMs() const { return mean() / 1e6; }
};

// Adds the time from its making to its end to the pass times.
class PassTimer
{
public:
    explicit PassTimer(PassTimes &times) : m_times(times) { m_timer.start(); }
    ~PassTimer()
    {
        m_times.nanoseconds += m_timer.nsecsElapsed();
        ++m_times.passes;
    }
    PassTimer(const PassTimer &) = delete;
    PassTimer &operator=(const PassTimer &) = delete;

private:
    PassTimes &m_times;
    QElapsedTimer m_timer;
};

// The least a save that survives a crash can do: write a temporary file, sync it and rename it
// over the target. False on any failure.
inline bool durableWrite(const QString &target, const QByteArray &bytes)
{
    const QByteArray temporary = QFile::encodeName(target + ".tmp");
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written =
        ::write(fd, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size()) &&
        ::fsync(fd) == 0;
    ::close(fd);
    return written && ::rename(temporary.constData(), QFile::encodeName(target).constData()) == 0;
}

// Open, read into a new buffer, close: what any reader of a whole file does first. The bytes
// read, -1 when the file would not open.
inline qint64 plainRead(const QString &path, qint64 expectedSize)
{
    QByteArray buffer(int(expectedSize) + 1, Qt::Uninitialized);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const ssize_t got = ::read(fd, buffer.data(), size_t(buffer.size()));
    ::close(fd);
    return qint64(got);
}
