// FifoWatchdog: mkfifo, and a thread that frees a reader blocked on the FIFO.
#include "FifoWatchdog.h"

#include <QFile>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

FifoWatchdog::FifoWatchdog(const QString &path, int graceMs) : m_path(path), m_graceMs(graceMs)
{
    m_valid = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool FifoWatchdog::runUnblocked(const std::function<void()> &call)
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::atomic<bool> rescued{false};
    const QByteArray name = QFile::encodeName(m_path);
    std::thread watcher([&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (finished.wait_for(lock, std::chrono::milliseconds(m_graceMs), [&] { return done; }))
            return;
        // Opening the writing end without blocking fails until a reader has it open.
        while (!done) {
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                ::close(fd);
                rescued = true;
            }
            finished.wait_for(lock, std::chrono::milliseconds(20), [&] { return done; });
        }
    });
    call();
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
    }
    finished.notify_all();
    watcher.join();
    return !rescued;
}
