// VarnexaRequests: the fixed values and small builders shared by the e-signature service
// operations of the editor (login, e-delivery, status query, filing report, template fetch).
#pragma once

#include <QByteArray>
#include <QString>

class QWebClient;

namespace Varnexa {

// The fixed texts of the requests ("sw", "login_type", "func") and of the messages.
extern const char *const softwareCode;  // "T1RW2025"
extern const char *const loginType;     // "Velquistor"
extern const char *const deliveryFunc;  // "DOCDELI"
extern const char *const filingFunc;    // "FLNGRCD"
extern const char *const taxYear;       // "2025"
extern const char *const networkFailed; // "Network query failed, check firewall settings."
extern const char *const invalidResult; // "Invalid result returned."
extern const char *const noAccountText; // the account message of the service operations

// "T1RW2025" + func + "T1RW2025_" + formCode + subject + the signature key, no separators.
void buildSignatureString(const QByteArray &func, const QString &formCode, const QString &subject,
                          QString &signature);
// "msg1": the SHA-256 of the UTF-8 signature string as 64 lower-case hexadecimal characters.
QByteArray signatureDigest(const QByteArray &func, const QString &formCode, const QString &subject);

// Form codes: of the printed form in an e-delivery request, and of a filed form in a report.
QString deliveryFormCode(int formType);
QString filingFormCode(int formType);

// The S.I.N. with its second to sixth characters replaced by "*****" (a shorter one keeps its
// first character; an empty one stays empty).
QString maskedSin(const QString &sin);

// The Basic credential: Base64 of the UTF-8 bytes of "email:password".
QByteArray accountCredential(const QString &email, const QString &password);

// The configured base URL with the pattern's %1 (and %2, percent-encoded) filled in.
QByteArray serviceUrl(const char *pattern, const QString &argument = QString());

// True when the client's request came back with a 2xx reply.
bool answered(const QWebClient &client, bool posted);

} // namespace Varnexa
