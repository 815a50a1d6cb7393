// MyDataStream: the framework's binary stream, big-endian and Qt 5.15 in both directions.
#pragma once

#include <QDataStream>
#include <QtEndian>
#include <cstring>
#include <memory>

class QString;

class MyDataStream : public QDataStream
{
public:
    // The direction follows the device's open mode: a device open for writing only is
    // stored to, anything else is loaded from.
    explicit MyDataStream(QIODevice *device);
    // In-memory stream; WriteOnly stores, ReadOnly loads.
    MyDataStream(QByteArray *bytes, QIODevice::OpenMode mode);
    // Stores to device a buffer of bufferBytes at a time: values gather in memory, written in
    // place, and go to the device when the buffer fills, before anything the
    // base writes to it and at finish(). A write the device refuses fails the stream.
    MyDataStream(QIODevice *device, int bufferBytes);
    ~MyDataStream();
    // Loads from the bytes in memory: the fixed-size values below are taken straight from
    // them rather than through a QIODevice call for each value.
    MyDataStream(const QByteArray &bytes);

    // The same values, status and end-of-data behaviour as QDataStream's operators; over an
    // in-memory array they read without a device call. Other types go through the base.
    using QDataStream::operator>>;
    MyDataStream &operator>>(qint8 &v) { return readInPlace(v); }
    MyDataStream &operator>>(quint8 &v) { return readInPlace(v); }
    MyDataStream &operator>>(qint32 &v) { return readInPlace(v); }
    MyDataStream &operator>>(quint32 &v) { return readInPlace(v); }
    MyDataStream &operator>>(qint64 &v) { return readInPlace(v); }
    MyDataStream &operator>>(double &v);

    // The same bytes and status as QDataStream's operators; a stream storing through its
    // buffer writes them into it without a device call. Other types go through the base (its
    // device sends the buffer on first, so the order holds).
    using QDataStream::operator<<;
    MyDataStream &operator<<(qint8 v) { return writeFixed(v); }
    MyDataStream &operator<<(quint8 v) { return writeFixed(v); }
    MyDataStream &operator<<(qint32 v) { return writeFixed(v); }
    MyDataStream &operator<<(quint32 v) { return writeFixed(v); }
    MyDataStream &operator<<(qint64 v) { return writeFixed(v); }
    MyDataStream &operator<<(double v);
    // As QDataStream::writeRawData: the bytes written, or -1.
    int writeRawData(const char *data, int length);

    // Room for the next length bytes of a stream storing through its buffer, for the caller to
    // fill at once; null when the stream does not append in place or has failed (write through
    // writeRawData then, which gives the base's result).
    char *appendRaw(int length) { return appendsInPlace() ? appendRoom(length) : nullptr; }

    // As setting double precision and then writing or reading one double (an amount's eight
    // bytes); readDouble gives whether the stream is still good.
    void writeDouble(double v)
    {
        if (m_singlePrecision)
            setFloatingPointPrecision(DoublePrecision);
        quint64 bits = 0;
        std::memcpy(&bits, &v, sizeof v);
        writeFixed(bits);
    }
    bool readDouble(double &v)
    {
        if (m_singlePrecision)
            setFloatingPointPrecision(DoublePrecision);
        quint64 bits = 0;
        readInPlace(bits);
        std::memcpy(&v, &bits, sizeof v);
        return status() == Ok;
    }
    // Recorded here as well, so that the doubles above need not ask the base each time.
    void setFloatingPointPrecision(FloatingPointPrecision precision);

    // Sends what a stream storing through its buffer gathered to the device; whether the
    // stream is still good (every byte so far taken by the device).
    bool finish();

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    // Reads up to length raw bytes into buffer; returns the count read. A short read
    // marks the stream as past its end.
    int Read(char *buffer, int length);

    // The next length bytes where they lie in memory, read past; null (nothing read) when
    // the stream does not read in place or fewer bytes are left.
    const char *takeInPlace(int length)
    {
        if (length < 0 || !readsInPlace() || m_cursor->remaining() < length)
            return nullptr;
        const char *at = m_cursor->data + m_cursor->pos;
        m_cursor->pos += length;
        return at;
    }

    // The bytes not yet read where they lie in memory, and how many are left; null when the
    // stream does not read in place. skipInPlace reads past length of them (at most those left).
    const char *bytesInPlace(qint64 &left) const
    {
        if (!readsInPlace())
            return nullptr;
        left = m_cursor->remaining();
        return m_cursor->data + m_cursor->pos;
    }
    void skipInPlace(qint64 length) { m_cursor->pos += length; }

    // A transaction (start it here, not through QDataStream) reads through the device from
    // then on, so that a rollback returns what was read.
    void startTransaction();

    // Up to maxLength of the next bytes, left unread.
    QByteArray peekRaw(int maxLength);

    // Marks the stream as holding damaged data (keeps an earlier error).
    void setCorrupt();

    // Whether count items of at least minBytesEach bytes can still follow; false marks the
    // stream corrupt. Keeps a damaged count from turning into an allocation.
    bool fitsRemaining(qint64 count, qint64 minBytesEach)
    {
        // Over bytes in memory the answer is at hand (the status check stays with the base).
        if (readsInPlace() && count >= 0 && minBytesEach > 0 &&
            count <= m_cursor->remaining() / minBytesEach)
            return status() == Ok;
        return fitsRemainingSlowly(count, minBytesEach);
    }

    // Texts as a 32-bit byte length and UTF-8 bytes. writeText cuts a text to maxBytes (at a
    // character boundary), so that a block never holds what its reader refuses; readText
    // refuses (marks corrupt) a length above maxBytes or beyond the device's end.
    void writeText(const QString &text, quint32 maxBytes = kMaxTextBytes);
    bool readText(QString &text, quint32 maxBytes);

    // The text's UTF-8 bytes, cut to at most maxBytes without splitting a character.
    static QByteArray utf8Within(const QString &text, quint32 maxBytes);
    // How many bytes writeText writes for the text, length included.
    static qint64 writtenTextBytes(const QString &text, quint32 maxBytes = kMaxTextBytes);

    // Largest text any block accepts.
    static constexpr quint32 kMaxTextBytes = 16u * 1024u * 1024u;

    // The read position over bytes held in memory, shared by the stream's own reads and the
    // device that serves every other read of the stream.
    struct Cursor
    {
        QByteArray bytes; // shares the caller's array, so it lives as long as the stream
        const char *data = nullptr;
        qint64 size = 0;
        qint64 pos = 0;
        qint64 remaining() const { return size - pos; }
    };

private:
    struct Memory;
    void setUp();
    // Whether the next fixed-size value can be taken from memory with the base's meaning.
    bool readsInPlace() const
    {
        return m_memoryDevice && device() == m_memoryDevice && byteOrder() == BigEndian;
    }
    template <typename T> MyDataStream &readInPlace(T &v)
    {
        if (!readsInPlace()) {
            QDataStream::operator>>(v);
            return *this;
        }
        // As QDataStream: a short read takes what is left, gives 0 and marks the stream.
        Cursor &c = *m_cursor;
        if (c.remaining() >= qint64(sizeof(T))) {
            v = qFromBigEndian<T>(c.data + c.pos);
            c.pos += qint64(sizeof(T));
        } else {
            readPastEnd();
            v = 0;
        }
        return *this;
    }
    void readPastEnd();
    bool fitsRemainingSlowly(qint64 count, qint64 minBytesEach);
    // Copies up to length bytes from memory; a short read marks the stream past its end.
    int readMemory(char *buffer, int length);

    // Whether values go straight into the buffer of a stream storing through one, with the
    // base's meaning.
    bool appendsInPlace() const
    {
        return m_appendDevice && device() == m_appendDevice.get() && byteOrder() == BigEndian;
    }
    // Room for length more bytes in the buffer (sent on first when it is full), or null (nothing
    // written) when the stream already failed.
    char *appendRoom(int length)
    {
        if (length <= m_pendingCapacity - m_pendingUsed) {
            char *at = m_pending.get() + m_pendingUsed;
            m_pendingUsed += length;
            return at;
        }
        return appendRoomSlowly(length);
    }
    char *appendRoomSlowly(int length);
    // Sends what gathered to the device.
    void flushPending();
    template <typename T> MyDataStream &writeFixed(T v)
    {
        if (!appendsInPlace()) {
            QDataStream::operator<<(v);
            return *this;
        }
        if (char *room = appendRoom(int(sizeof(T))))
            qToBigEndian<T>(v, room);
        return *this;
    }

    class AppendDevice;
    bool m_storing = false;
    bool m_singlePrecision = false;
    std::unique_ptr<QIODevice> m_appendDevice;
    // The device a stream storing through its buffer sends the buffer to.
    QIODevice *m_sink = nullptr;
    // What a stream storing through its buffer gathered, not yet sent to the device.
    std::unique_ptr<char[]> m_pending;
    int m_pendingCapacity = 0;
    int m_pendingUsed = 0;
    std::unique_ptr<Memory> m_memory;
    // The device of m_memory while values are read in place; null for other streams and once
    // a transaction has started (it needs the device's own record of what was read).
    QIODevice *m_memoryDevice = nullptr;
    // The cursor of m_memory, for the reads made in place.
    Cursor *m_cursor = nullptr;
};
