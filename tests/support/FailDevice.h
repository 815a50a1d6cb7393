// FailDevice: a write-only device that takes a given number of bytes, then fails every write.
#pragma once

#include <QByteArray>
#include <QIODevice>

class FailDevice : public QIODevice
{
public:
    // Opens itself for writing; the first `capacity` bytes are kept, later writes fail.
    explicit FailDevice(qint64 capacity);

    const QByteArray &written() const { return m_written; }
    // Writes refused (a short write counts as one).
    int refusedWrites() const { return m_refused; }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    qint64 m_capacity;
    QByteArray m_written;
    int m_refused = 0;
};
