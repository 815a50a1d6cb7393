// FifoWatchdog: a FIFO for tests of readers that must refuse one, and a rescue if they block.
#pragma once

#include <QString>
#include <functional>

class FifoWatchdog
{
public:
    // Makes a FIFO at path; graceMs is how long a call may run before it counts as blocked.
    explicit FifoWatchdog(const QString &path, int graceMs = 2000);

    bool isValid() const { return m_valid; }

    // Runs call. Should it still run after the grace time, the FIFO is opened for writing
    // and closed again, so a reader blocked on it sees the end of the file and the test
    // goes on to fail instead of hanging. True when the call needed no rescue.
    bool runUnblocked(const std::function<void()> &call);

private:
    QString m_path;
    int m_graceMs;
    bool m_valid = false;
};
