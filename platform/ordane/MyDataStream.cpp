// MyDataStream: direction, raw reads, bounded counts and the text codec of every block.
#include "ordane/MyDataStream.h"

#include <QBuffer>
#include <QByteArray>
#include <QIODevice>
#include <QString>

MyDataStream::MyDataStream(QIODevice *device) : QDataStream(device)
{
    m_storing = device && device->isWritable() && !device->isReadable();
    setUp();
}

MyDataStream::MyDataStream(QByteArray *bytes, QIODevice::OpenMode mode) : QDataStream(bytes, mode)
{
    m_storing = (mode & QIODevice::WriteOnly) && !(mode & QIODevice::ReadOnly);
    setUp();
}

MyDataStream::MyDataStream(const QByteArray &bytes) : m_buffer(std::make_unique<QBuffer>())
{
    // Unbuffered: the bytes are in memory already, a read buffer would only copy them again.
    m_buffer->setData(bytes);
    m_buffer->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    setDevice(m_buffer.get());
    m_storing = false;
    setUp();
}

MyDataStream::~MyDataStream()
{
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
