// SHA1 and SHA256: message digests fed in pieces.
#pragma once

#include <QByteArray>
#include <QCryptographicHash>

// What both digests share: feeding and starting afresh.
class MessageDigest
{
public:
    void reset() { m_hash.reset(); }
    void add(const void *data, int length);
    void add(const QByteArray &data) { add(data.constData(), data.size()); }

protected:
    explicit MessageDigest(QCryptographicHash::Algorithm algorithm) : m_hash(algorithm) {}
    // The digest of everything added so far, size bytes into out.
    void copyHash(unsigned char *out, int size) const;

    QCryptographicHash m_hash;
};

class SHA1 : public MessageDigest
{
public:
    static constexpr int HashSize = 20;

    SHA1() : MessageDigest(QCryptographicHash::Sha1) {}
    void getHash(unsigned char (&out)[HashSize]) const { copyHash(out, HashSize); }
};

class SHA256 : public MessageDigest
{
public:
    static constexpr int HashSize = 32;

    SHA256() : MessageDigest(QCryptographicHash::Sha256) {}
    // The digest of everything added so far, raw or as 64 lower-case hexadecimal characters.
    void getHash(unsigned char (&out)[HashSize]) const { copyHash(out, HashSize); }
    QByteArray getHashHex() const { return m_hash.result().toHex(); }
    // Starts afresh and gives the hexadecimal digest of data alone.
    QByteArray operator()(const QByteArray &data);
};
