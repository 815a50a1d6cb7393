// SHA1 and SHA256 over Qt's digests.
#include "ordane/Hashing.h"

#include <cstring>

void MessageDigest::add(const void *data, int length)
{
    if (length > 0)
        m_hash.addData(static_cast<const char *>(data), length);
}

void MessageDigest::copyHash(unsigned char *out, int size) const
{
    const QByteArray digest = m_hash.result();
    Q_ASSERT(digest.size() == size);
    std::memcpy(out, digest.constData(), size_t(size));
}

QByteArray SHA256::operator()(const QByteArray &data)
{
    reset();
    add(data);
    return getHashHex();
}
