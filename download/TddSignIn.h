// The signature of the sign-in link: HMAC-SHA256 and the link's key.
#pragma once

#include <QByteArray>
#include <cstddef>

// RFC 2104 HMAC with SHA-256 (64-byte block): the 32-byte code of the message under the key.
void hmacSha256(const unsigned char *message, size_t messageLength, const unsigned char *key,
                size_t keyLength, unsigned char (&result)[32]);

// The sign-in host followed by its start path, from the configuration (UTF-8).
QByteArray signInHostAndPath();

// The link's key: URL-encoded Base64 of the HMAC-SHA256, under the mode's password, of the
// user name, the URL-encoded sign-in host and start path, then timestamp, auth value,
// language and token value. Always 0.
int makeAuthKey(int mode, QByteArray &key, const QByteArray &timestamp, const QByteArray &auth,
                const QByteArray &language, const QByteArray &token);
