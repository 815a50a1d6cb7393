// The editor's filing report to the e-signature service and the fetch of the customised
// client-letter template into the print engine's form folders.
#include "print/VarnexaRequests.h"

#include "app/CJsonUtil.h"
#include "app/CSqliteDBManager.h"
#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "model/FamilyTaxData.h"
#include "ordane/QWebClient.h"
#include "ordane/ResultNumber.h"
#include "ui/Form_Return.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QUrl>
#include <QtDebug>

#include <cstdio>

using namespace Varnexa;

namespace {

// A reply longer than this is not the service's acknowledgement.
constexpr int longestFilingReply = 200;
// Template files can be larger than a service reply.
constexpr qint64 largestTemplateFile = qint64{64} * 1024 * 1024;

const char *const clientLetterPdf = "t1_clientletter_own.pdf";
const char *const clientLetterXml = "t1_clientletter_own.xml";

QString targetPath(const QString &folder, const char *name)
{
    return folder + QDir::separator() + QString::fromLatin1(name);
}

bool download(const QString &url, const QString &path)
{
    QWebClient client(url.toUtf8());
    client.setMaxReplyBytes(largestTemplateFile);
    return client.getDownloadFile(path);
}

// The template becomes the preparer's own letter in every printed return: it comes only over
// a connection whose certificate is checked, never over plain http.
bool isHttpsAddress(const QString &text)
{
    return QUrl(text).scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

// Renames from over to, replacing it in one step.
bool replaceFile(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

FilingReportResult Form_Return::reportFiling(int formType, bool accepted,
                                             const QString &confirmation, const QString &message)
{
    const CT1AppConfig &config = appInstance()->config;
    if (!config.FilingReport)
        return FilingReportResult::Reported;
    if (config.VarnexaEmail.isEmpty() || config.VarnexaPswd.isEmpty()) {
        showInformation(CString(tr("Enter Varnexa points email/password in preference, they are "
                                   "used for filing report.")),
                        nullptr);
        return FilingReportResult::NoAccount;
    }
    WaitCursorScope wait;
    CString sin, name, phone;
    if (m_family) {
        m_family->getTextByKey(1, sin);
        m_family->getTextByKey(17, name);
        m_family->getTextByKey(19, phone);
    }
    const QString masked = maskedSin(sin);
    const QString formCode = filingFormCode(formType);
    QWebClient client(serviceUrl("%1/api/filing"));
    client.addQueryItem("licdata", masked.toUtf8());
    client.addQueryItem("sw", softwareCode);
    client.addQueryItem("func", filingFunc);
    client.addQueryItem("form", formCode.toUtf8());
    client.addQueryItem("msg1", signatureDigest(filingFunc, formCode, masked));
    client.addQueryItem("taxpayer_name", name.toUtf8());
    client.addQueryItem("taxpayer_phone", phone.toUtf8());
    client.addQueryItem("login_type", loginType);
    client.addQueryItem("filed_at", QByteArray());
    client.addQueryItem("tax_year_end", "2025/12/31");
    client.addQueryItem("status", accepted ? "30100" : "30110");
    client.addQueryItem("confirmation_code", confirmation.toUtf8());
    client.addQueryItem("filing_message", message.toUtf8());
    QString reply;
    if (!answered(client,
                  client.post(reply, accountCredential(config.VarnexaEmail, config.VarnexaPswd))))
        return FilingReportResult::NoReply;
    return reply.size() > longestFilingReply ? FilingReportResult::LongReply
                                             : FilingReportResult::Reported;
}

ClientLetterFetch Form_Return::fetchCustomizedClientLetter(const QString &pdfFolder,
                                                           const QString &xmlFolder)
{
    qInfo() << "fetchCustomizedClientLetter";
    QString token;
    const VarnexaLogin login = loginVarnexa(token);
    if (login != VarnexaLogin::LoggedIn) {
        qInfo() << "cannot get varnexa token:" << resultNumber(login);
        return login == VarnexaLogin::NoAccount ? ClientLetterFetch::NoAccount
                                                : ClientLetterFetch::LoginFailed;
    }
    WaitCursorScope wait;
    QWebClient client(serviceUrl("%1/api/templates/latest"));
    client.addQueryItem("software_name", "T1RW");
    client.addQueryItem("software_version", taxYear);
    client.addQueryItem("type", "client_letter");
    client.addQueryItem("version_info_only", "0");
    QString reply;
    if (!answered(client, client.post(reply, token.toUtf8(), "Bearer")))
        return ClientLetterFetch::RequestFailed;
    CJsonUtil json;
    if (json.parse(CString(reply)) != CJsonUtil::Ok || !json.getBool("success"))
        return ClientLetterFetch::UnreadableReply;
    const QJsonArray data = json.getArray("data");
    if (data.isEmpty())
        return ClientLetterFetch::NothingNewer;
    const QJsonObject offer = data.first().toObject();
    const int version = offer.value(QLatin1String("template_version")).toInt(0);

    CT1AppConfig &config = appInstance()->config;
    const QString pdfPath = targetPath(pdfFolder, clientLetterPdf);
    if (version <= config.CustomizedClientLetter_Ver && QFile::exists(pdfPath))
        return ClientLetterFetch::NothingNewer;

    qInfo() << "tempVer:" << version;
    const QString pdfUrl = offer.value(QLatin1String("template_pdf_url")).toString();
    const QString xmlUrl = offer.value(QLatin1String("template_xml_url")).toString();
    if (!isHttpsAddress(pdfUrl) || !isHttpsAddress(xmlUrl))
        return ClientLetterFetch::UnreadableReply;
    // Both files arrive beside their targets first, so the print folders hold either the old
    // pair or the new pair, never one of each.
    const QString xmlPath = targetPath(xmlFolder, clientLetterXml);
    const QString pdfTemp = pdfPath + QStringLiteral(".download");
    const QString xmlTemp = xmlPath + QStringLiteral(".download");
    if (!download(pdfUrl, pdfTemp) || !download(xmlUrl, xmlTemp) ||
        !replaceFile(pdfTemp, pdfPath) || !replaceFile(xmlTemp, xmlPath)) {
        QFile::remove(pdfTemp);
        QFile::remove(xmlTemp);
        return ClientLetterFetch::RequestFailed;
    }
    config.CustomizedClientLetter_Ver = version;
    CSqliteDBManager::setConfigInt("CustomizedClientLetter_Ver", version);
    return ClientLetterFetch::Deployed;
}
