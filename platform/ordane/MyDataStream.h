// MyDataStream: the framework's binary stream, big-endian and Qt 5.15 in both directions.
#pragma once

#include <QDataStream>
#include <memory>

class QString;

class MyDataStream : public QDataStream
{
public:
    // The direction follows the device's open mode: a device open for writing only is
    // stored to, anything else is loaded from.
    explicit MyDataStream(QIODevice *device);
    // In-memory stream; WriteOnly stores, ReadOnly loads. WriteOnly | Append stores after
    // what the array holds, through a device made for it (the quickest way to serialise).
    MyDataStream(QByteArray *bytes, QIODevice::OpenMode mode);
    ~MyDataStream();
    // Loads from the bytes in memory: the fixed-size values below are taken straight from
    // them rather than through a QIODevice call for each value.
    MyDataStream(const QByteArray &bytes);

    // The same values, status and end-of-data behaviour as QDataStream's operators; over an
    // in-memory array they read without a device call. Other types go through the base.
    using QDataStream::operator>>;
    MyDataStream &operator>>(qint8 &v);
    MyDataStream &operator>>(quint8 &v);
    MyDataStream &operator>>(qint32 &v);
    MyDataStream &operator>>(quint32 &v);
    MyDataStream &operator>>(qint64 &v);
    MyDataStream &operator>>(double &v);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    // Reads up to length raw bytes into buffer; returns the count read. A short read
    // marks the stream as past its end.
    int Read(char *buffer, int length);

    // The next length bytes where they lie in memory, read past; null (nothing read) when
    // the stream does not read in place or fewer bytes are left.
    const char *takeInPlace(int length);

    // A transaction (start it here, not through QDataStream) reads through the device from
    // then on, so that a rollback returns what was read.
    void startTransaction();

    // Up to maxLength of the next bytes, left unread.
    QByteArray peekRaw(int maxLength);

    // Marks the stream as holding damaged data (keeps an earlier error).
    void setCorrupt();

    // Whether count items of at least minBytesEach bytes can still follow; false marks the
    // stream corrupt. Keeps a damaged count from turning into an allocation.
    bool fitsRemaining(qint64 count, qint64 minBytesEach);

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

private:
    struct Memory;
    void setUp();
    // Whether the next fixed-size value can be taken from memory with the base's meaning.
    bool readsInPlace() const
    {
        return m_memoryDevice && device() == m_memoryDevice && byteOrder() == BigEndian;
    }
    template <typename T> MyDataStream &readInPlace(T &v);
    // Copies up to length bytes from memory; a short read marks the stream past its end.
    int readMemory(char *buffer, int length);

    bool m_storing = false;
    std::unique_ptr<QIODevice> m_appendDevice;
    std::unique_ptr<Memory> m_memory;
    // The device of m_memory while values are read in place; null for other streams and once
    // a transaction has started (it needs the device's own record of what was read).
    QIODevice *m_memoryDevice = nullptr;
};
