// The download's WS-Security credentials and its stage and get request texts.
#pragma once

#include <QByteArray>

#include "ordane/CString.h"

// The 16 nonce bytes, the same in every request.
extern const char kTddNonce[];

// The user name (software code and "N" in mode 1, "U" otherwise) and the password of the
// configuration's endpoint table for the mode and the software code.
void getServiceCredentials(int mode, CString &user, CString &password);
// The UsernameToken PasswordDigest: Base64 of SHA-1 over nonce, Created and password.
void makePasswordDigest(const CString &password, const CString &created, const QByteArray &rawNonce,
                        QByteArray &digest);
// The stage request up to its TaxYear (the caller appends the S.I.N.s and the closing tags)
// and the whole get request, with a fresh UsernameToken. 0 on success, else the template
// engine's result.
int buildStageRequest(const CString &taxYear, int mode, QByteArray &request);
int buildGetRequest(const CString &taxYear, int mode, const QByteArray &token, QByteArray &request);
// Text as XML character data: a value from outside cannot add markup to a request.
QByteArray xmlEscaped(const QByteArray &text);
