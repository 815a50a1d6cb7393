// MyDataStream: direction, raw reads, bounded counts and the text codec of every block.
#include "ordane/MyDataStream.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <limits>

MyDataStream::MyDataStream(QIODevice *device) : QDataStream(device)
{
    m_storing = device && device->isWritable() && !device->isReadable();
    setUp();
}

namespace {

// Appends every write to a byte array: a whole file is serialised with far less work per
// value than through QBuffer, which resizes and re-checks the array at each write.
class AppendDevice : public QIODevice
{
public:
    explicit AppendDevice(QByteArray *bytes) : m_bytes(bytes)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (size > qint64(std::numeric_limits<int>::max()) - m_bytes->size())
            return -1;
        m_bytes->append(data, int(size));
        return size;
    }

private:
    QByteArray *m_bytes;
};

} // namespace

MyDataStream::MyDataStream(QByteArray *bytes, QIODevice::OpenMode mode) : QDataStream(bytes, mode)
{
    if (mode == (QIODevice::WriteOnly | QIODevice::Append)) {
        m_appendDevice = std::make_unique<AppendDevice>(bytes);
        setDevice(m_appendDevice.get());
    }
    m_storing = (mode & QIODevice::WriteOnly) && !(mode & QIODevice::ReadOnly);
    setUp();
}

MyDataStream::MyDataStream(const QByteArray &bytes) : QDataStream(bytes)
{
    m_storing = false;
    setUp();
}

MyDataStream::~MyDataStream()
{
    // The device goes before the stream that points at it.
    if (m_appendDevice)
        setDevice(nullptr);
}

void MyDataStream::setUp()
{
    setByteOrder(QDataStream::BigEndian);
    setVersion(QDataStream::Qt_5_15);
}

int MyDataStream::Read(char *buffer, int length)
{
    if (length <= 0)
        return 0;
    const int got = readRawData(buffer, length);
    if (got < length)
        setStatus(QDataStream::ReadPastEnd);
    return got < 0 ? 0 : got;
}

void MyDataStream::setCorrupt()
{
    setStatus(QDataStream::ReadCorruptData);
}

bool MyDataStream::fitsRemaining(qint64 count, qint64 minBytesEach)
{
    if (status() != QDataStream::Ok)
        return false;
    if (count < 0) {
        setCorrupt();
        return false;
    }
    QIODevice *d = device();
    if (d && !d->isSequential() && minBytesEach > 0 && count > d->bytesAvailable() / minBytesEach) {
        setCorrupt();
        return false;
    }
    return true;
}

QByteArray MyDataStream::utf8Within(const QString &text, quint32 maxBytes)
{
    QByteArray bytes = text.toUtf8();
    if (quint32(bytes.size()) <= maxBytes)
        return bytes;
    int n = int(maxBytes);
    // Back off over continuation bytes to the start of the character that does not fit.
    while (n > 0 && (uchar(bytes[n]) & 0xC0) == 0x80)
        --n;
    bytes.truncate(n);
    return bytes;
}

void MyDataStream::writeText(const QString &text, quint32 maxBytes)
{
    const QByteArray bytes = utf8Within(text, qMin(maxBytes, kMaxTextBytes));
    *this << quint32(bytes.size());
    writeRawData(bytes.constData(), bytes.size());
}

bool MyDataStream::readText(QString &text, quint32 maxBytes)
{
    quint32 size = 0;
    *this >> size;
    if (status() != QDataStream::Ok)
        return false;
    if (size > maxBytes || size > kMaxTextBytes || !fitsRemaining(size, 1)) {
        setCorrupt();
        return false;
    }
    QByteArray bytes(int(size), Qt::Uninitialized);
    if (Read(bytes.data(), int(size)) != int(size))
        return false;
    text = QString::fromUtf8(bytes);
    return true;
}
