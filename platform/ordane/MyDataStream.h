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
    MyDataStream(const QByteArray &bytes);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    // Reads up to length raw bytes into buffer; returns the count read. A short read
    // marks the stream as past its end.
    int Read(char *buffer, int length);

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

    // Largest text any block accepts.
    static constexpr quint32 kMaxTextBytes = 16u * 1024u * 1024u;

private:
    void setUp();
    bool m_storing = false;
    std::unique_ptr<QIODevice> m_appendDevice;
};
