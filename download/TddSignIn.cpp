// HMAC-SHA256 and the sign-in link's key.
#include "download/TddSignIn.h"

#include <cstring>

#include "app/TabWndApp.h"
#include "download/TddEndpoints.h"
#include "download/TddSoapRequest.h"
#include "ordane/Encoding.h"
#include "ordane/Hashing.h"

namespace {
constexpr size_t kBlockSize = 64;
} // namespace

void hmacSha256(const unsigned char *message, size_t messageLength, const unsigned char *key,
                size_t keyLength, unsigned char (&result)[32])
{
    unsigned char block[kBlockSize] = {};
    if (keyLength > kBlockSize) {
        SHA256 keyHash;
        keyHash.add(key, int(keyLength));
        unsigned char digest[SHA256::HashSize];
        keyHash.getHash(digest);
        std::memcpy(block, digest, sizeof digest);
    } else if (keyLength > 0) {
        std::memcpy(block, key, keyLength);
    }
    unsigned char inner[kBlockSize], outer[kBlockSize];
    for (size_t i = 0; i < kBlockSize; ++i) {
        inner[i] = block[i] ^ 0x36;
        outer[i] = block[i] ^ 0x5c;
    }
    SHA256 hash;
    hash.add(inner, int(kBlockSize));
    hash.add(message, int(messageLength));
    unsigned char innerDigest[SHA256::HashSize];
    hash.getHash(innerDigest);
    hash.reset();
    hash.add(outer, int(kBlockSize));
    hash.add(innerDigest, SHA256::HashSize);
    hash.getHash(result);
}

QByteArray signInHostAndPath()
{
    const TabWndApp *app = appInstance();
    if (!app)
        return QByteArray();
    return (app->config.downloadEndpoints[TddEndpoint::SignInHost] +
            app->config.downloadEndpoints[TddEndpoint::SignInStartPath])
        .toUtf8();
}

int makeAuthKey(int mode, QByteArray &key, const QByteArray &timestamp, const QByteArray &auth,
                const QByteArray &language, const QByteArray &token)
{
    CString user, password;
    getServiceCredentials(mode, user, password);
    const QByteArray message =
        user.toUtf8() + urlEncode(signInHostAndPath()) + timestamp + auth + language + token;
    const QByteArray secret = password.toUtf8();
    unsigned char code[32];
    hmacSha256(reinterpret_cast<const unsigned char *>(message.constData()), size_t(message.size()),
               reinterpret_cast<const unsigned char *>(secret.constData()), size_t(secret.size()),
               code);
    QByteArray base64;
    Base64encode(base64, code, int(sizeof code));
    key = urlEncode(base64);
    return 0;
}
