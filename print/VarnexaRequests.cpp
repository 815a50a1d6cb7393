// The fixed values and builders of the e-signature service requests.
#include "print/VarnexaRequests.h"

#include "app/TabWndApp.h"
#include "marrow/FormTables.h"
#include "ordane/Encoding.h"
#include "ordane/Hashing.h"
#include "ordane/QWebClient.h"

#include <QUrl>

namespace Varnexa {

const char *const softwareCode = "T1RW2025";
const char *const loginType = "Velquistor";
const char *const deliveryFunc = "DOCDELI";
const char *const filingFunc = "FLNGRCD";
const char *const taxYear = "2025";
const char *const networkFailed = "Network query failed, check firewall settings.";
const char *const invalidResult = "Invalid result returned.";
const char *const noAccountText =
    "Enter Varnexa points email/password in preference, they are used for Varnexa purpose.";

namespace {
// Only enters the signature string; never sent.
const char *const signatureKey = "R4KW7PQ2ZN8VXM3LC6TB9HDF";
} // namespace

void buildSignatureString(const QByteArray &func, const QString &formCode, const QString &subject,
                          QString &signature)
{
    signature = QString::fromLatin1(softwareCode) + QString::fromLatin1(func) +
                QString::fromLatin1(softwareCode) + QLatin1Char('_') + formCode + subject +
                QString::fromLatin1(signatureKey);
}

QByteArray signatureDigest(const QByteArray &func, const QString &formCode, const QString &subject)
{
    QString signature;
    buildSignatureString(func, formCode, subject, signature);
    SHA256 digest;
    return digest(signature.toUtf8());
}

QString deliveryFormCode(int formType)
{
    switch (formType) {
    case 101:
        return QStringLiteral("T1135");
    case 177:
        return QStringLiteral("T1134");
    default:
        return QStringLiteral("T1GEN");
    }
}

QString filingFormCode(int formType)
{
    switch (formType) {
    case 96:
        return QStringLiteral("T183PAD");
    case 117:
        return QStringLiteral("T1013");
    case 1:
        return QStringLiteral("T1");
    default: {
        const FormInfoRow *row = formInfo(formType);
        return row ? QString::fromLatin1(row->code) : QString();
    }
    }
}

QString maskedSin(const QString &sin)
{
    if (sin.isEmpty())
        return sin;
    return sin.left(1) + QStringLiteral("*****") + sin.mid(6);
}

QByteArray accountCredential(const QString &email, const QString &password)
{
    const QByteArray plain = (email + QLatin1Char(':') + password).toUtf8();
    QByteArray encoded;
    Base64encode(encoded, plain.constData(), plain.size());
    return encoded;
}

QByteArray serviceUrl(const char *pattern, const QString &argument)
{
    const QString base = appInstance()->config.VarnexaServer;
    const QString text = QString::fromLatin1(pattern);
    // Both filled at once, so a "%" in either value is never read as a place holder.
    if (text.contains(QLatin1String("%2")))
        return text.arg(base, QString::fromLatin1(QUrl::toPercentEncoding(argument))).toUtf8();
    return text.arg(base).toUtf8();
}

bool answered(const QWebClient &client, bool posted)
{
    return posted && client.httpStatus() >= 200 && client.httpStatus() <= 299;
}

} // namespace Varnexa
