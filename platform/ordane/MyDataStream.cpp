// MyDataStream: direction, raw reads, bounded counts and the text codec of every block.
#include "ordane/MyDataStream.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <cstring>

MyDataStream::MyDataStream(QIODevice *device) : QDataStream(device)
{
    m_storing = device && device->isWritable() && !device->isReadable();
    setUp();
}

// The device a stream storing through its buffer is given: what the base writes (texts,
// byte arrays) goes on to the sink after what the buffer gathered, so the order holds.
class MyDataStream::AppendDevice : public QIODevice
{
public:
    explicit AppendDevice(MyDataStream &stream) : m_stream(stream)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        m_stream.flushPending();
        if (m_stream.status() != Ok)
            return -1;
        return m_stream.m_sink ? m_stream.m_sink->write(data, size) : -1;
    }

private:
    MyDataStream &m_stream;
};

namespace {

using Cursor = MyDataStream::Cursor;

// Reads at the shared cursor. Sequential, so QIODevice keeps no position of its own that the
// stream's direct reads would leave behind.
class CursorDevice : public QIODevice
{
public:
    explicit CursorDevice(Cursor &cursor) : m_cursor(cursor)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    qint64 pos() const override { return m_cursor.pos; }
    qint64 size() const override { return m_cursor.size; }
    qint64 bytesAvailable() const override
    {
        return m_cursor.remaining() + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = qMin(maxSize, m_cursor.remaining());
        if (n <= 0)
            return 0;
        std::memcpy(data, m_cursor.data + m_cursor.pos, size_t(n));
        m_cursor.pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    Cursor &m_cursor;
};

// Plain ASCII, by far the most common text, is one byte a character.
bool isAscii(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

struct MyDataStream::Memory
{
    explicit Memory(const QByteArray &bytes) : device(cursor)
    {
        cursor.bytes = bytes;
        cursor.data = cursor.bytes.constData();
        cursor.size = cursor.bytes.size();
    }
    Cursor cursor;
    CursorDevice device;
};

MyDataStream::MyDataStream(QByteArray *bytes, QIODevice::OpenMode mode) : QDataStream(bytes, mode)
{
    m_storing = (mode & QIODevice::WriteOnly) && !(mode & QIODevice::ReadOnly);
    setUp();
}

MyDataStream::MyDataStream(QIODevice *device, int bufferBytes)
    : m_appendDevice(std::make_unique<AppendDevice>(*this)), m_sink(device)
{
    m_pendingCapacity = qMax(bufferBytes, 1);
    m_pending.reset(new char[size_t(m_pendingCapacity)]);
    setDevice(m_appendDevice.get());
    m_storing = true;
    setUp();
    if (!m_sink)
        setStatus(WriteFailed);
}

MyDataStream::MyDataStream(const QByteArray &bytes) : m_memory(std::make_unique<Memory>(bytes))
{
    m_memoryDevice = &m_memory->device;
    m_cursor = &m_memory->cursor;
    setDevice(m_memoryDevice);
    m_storing = false;
    setUp();
}

MyDataStream::~MyDataStream()
{
    flushPending();
    // The device goes before the stream that points at it.
    if (m_appendDevice || m_memory)
        setDevice(nullptr);
}

void MyDataStream::readPastEnd()
{
    m_cursor->pos = m_cursor->size;
    setStatus(ReadPastEnd);
}

MyDataStream &MyDataStream::operator>>(double &v)
{
    if (!readsInPlace() || floatingPointPrecision() != DoublePrecision) {
        QDataStream::operator>>(v);
        return *this;
    }
    // The eight bytes as one big-endian word, 0.0 after a short read.
    quint64 bits = 0;
    readInPlace(bits);
    std::memcpy(&v, &bits, sizeof v);
    return *this;
}

MyDataStream &MyDataStream::operator<<(double v)
{
    if (!appendsInPlace() || floatingPointPrecision() != DoublePrecision) {
        QDataStream::operator<<(v);
        return *this;
    }
    quint64 bits = 0;
    std::memcpy(&bits, &v, sizeof v);
    return writeFixed(bits);
}

char *MyDataStream::appendRoomSlowly(int length)
{
    flushPending();
    // As the base: nothing more is written once a write failed.
    if (status() != Ok)
        return nullptr;
    if (length <= m_pendingCapacity) {
        m_pendingUsed = length;
        return m_pending.get();
    }
    // One value larger than the buffer (a long text): the buffer grows to hold it.
    m_pending.reset(new char[size_t(length)]);
    m_pendingCapacity = m_pendingUsed = length;
    return m_pending.get();
}

void MyDataStream::flushPending()
{
    if (m_pendingUsed == 0)
        return;
    const int length = m_pendingUsed;
    m_pendingUsed = 0;
    if (status() != Ok || !m_sink)
        return;
    if (m_sink->write(m_pending.get(), length) != length)
        setStatus(WriteFailed);
}

bool MyDataStream::finish()
{
    flushPending();
    return status() == Ok;
}

void MyDataStream::setFloatingPointPrecision(FloatingPointPrecision precision)
{
    m_singlePrecision = precision == SinglePrecision;
    QDataStream::setFloatingPointPrecision(precision);
}

int MyDataStream::writeRawData(const char *data, int length)
{
    if (!appendsInPlace() || length < 0)
        return QDataStream::writeRawData(data, length);
    if (length > m_pendingCapacity) {
        // Larger than the buffer: straight to the device, after what gathered.
        flushPending();
        if (status() != Ok)
            return -1;
        if (m_sink->write(data, length) != length) {
            setStatus(WriteFailed);
            return -1;
        }
        return length;
    }
    char *room = appendRoom(length);
    if (!room)
        return -1;
    if (length > 0)
        std::memcpy(room, data, size_t(length));
    return length;
}

int MyDataStream::readMemory(char *buffer, int length)
{
    Cursor &c = *m_cursor;
    const int got = int(qMin(qint64(length), c.remaining()));
    std::memcpy(buffer, c.data + c.pos, size_t(got));
    c.pos += got;
    if (got < length)
        setStatus(ReadPastEnd);
    return got;
}

void MyDataStream::startTransaction()
{
    m_memoryDevice = nullptr;
    QDataStream::startTransaction();
}

QByteArray MyDataStream::peekRaw(int maxLength)
{
    if (maxLength <= 0)
        return QByteArray();
    if (readsInPlace()) {
        const Cursor &c = *m_cursor;
        return QByteArray(c.data + c.pos, int(qMin(qint64(maxLength), c.remaining())));
    }
    return device() ? device()->peek(maxLength) : QByteArray();
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
    if (readsInPlace())
        return readMemory(buffer, length);
    const int got = readRawData(buffer, length);
    if (got < length)
        setStatus(QDataStream::ReadPastEnd);
    return got < 0 ? 0 : got;
}

void MyDataStream::setCorrupt()
{
    setStatus(QDataStream::ReadCorruptData);
}

bool MyDataStream::fitsRemainingSlowly(qint64 count, qint64 minBytesEach)
{
    if (status() != QDataStream::Ok)
        return false;
    if (count < 0) {
        setCorrupt();
        return false;
    }
    QIODevice *d = device();
    // The memory device is sequential, yet knows its end.
    const bool bounded = d && (!d->isSequential() || (m_memory && d == &m_memory->device));
    if (bounded && minBytesEach > 0 && count > d->bytesAvailable() / minBytesEach) {
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

qint64 MyDataStream::writtenTextBytes(const QString &text, quint32 maxBytes)
{
    const quint32 limit = qMin(maxBytes, kMaxTextBytes);
    const qint64 bytes =
        isAscii(text) ? qMin<qint64>(text.size(), limit) : utf8Within(text, limit).size();
    return qint64(sizeof(quint32)) + bytes;
}

void MyDataStream::writeText(const QString &text, quint32 maxBytes)
{
    // Plain ASCII within the limit goes straight into the buffer, one byte a character.
    if (appendsInPlace() && quint32(text.size()) <= qMin(maxBytes, kMaxTextBytes) &&
        isAscii(text)) {
        const int size = text.size();
        if (char *room = appendRoom(int(sizeof(quint32)) + size)) {
            qToBigEndian<quint32>(quint32(size), room);
            const QChar *units = text.constData();
            for (int i = 0; i < size; ++i)
                room[sizeof(quint32) + size_t(i)] = char(units[i].unicode());
        }
        return;
    }
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
    if (size == 0) {
        // Empty, not null, as a conversion gives it, without allocating for it: most texts of a
        // return are empty.
        text = QString(QLatin1String(""));
        return true;
    }
    if (readsInPlace() && m_cursor->remaining() >= qint64(size)) {
        Cursor &c = *m_cursor;
        text = QString::fromUtf8(c.data + c.pos, int(size));
        c.pos += qint64(size);
        return true;
    }
    QByteArray bytes(int(size), Qt::Uninitialized);
    if (Read(bytes.data(), int(size)) != int(size))
        return false;
    // By length: fromUtf8 of a QByteArray stops at a NUL, as the in-memory road does not.
    text = QString::fromUtf8(bytes.constData(), bytes.size());
    return true;
}
