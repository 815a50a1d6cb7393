// The editor's e-signature service operations: account check, login, e-delivery of a printed
// PDF and the status query of a T183 or RC71 e-signature request.
#include "print/VarnexaRequests.h"

#include "app/CJsonUtil.h"
#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "brevant/BrevantForms.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "ordane/CYesNoContinueDlg.h"
#include "ordane/QWebClient.h"
#include "ui/Form_Return.h"

#include <QDateTime>
#include <QFileInfo>
#include <exception>

using namespace Varnexa;

bool Form_Return::hasVarnexaCredentials()
{
    const CT1AppConfig &config = appInstance()->config;
    if (!config.VarnexaEmail.isEmpty() && !config.VarnexaPswd.isEmpty())
        return true;
    showInformation(CString(noAccountText), this);
    return false;
}

VarnexaLogin Form_Return::loginVarnexa(QString &token)
{
    if (!hasVarnexaCredentials())
        return VarnexaLogin::NoAccount;
    const CT1AppConfig &config = appInstance()->config;
    VarnexaLogin result = VarnexaLogin::Failed;
    {
        WaitCursorScope wait;
        QWebClient client(serviceUrl("%1/api/user/login"));
        client.addQueryItem("email", config.VarnexaEmail.toUtf8());
        client.addQueryItem("password", config.VarnexaPswd.toUtf8());
        QString reply;
        if (answered(client, client.post(reply))) {
            CJsonUtil json;
            CString value;
            if (json.parse(CString(reply)) == CJsonUtil::Ok &&
                json.getString("access_token", value) == CJsonUtil::Ok) {
                token = value;
                result = VarnexaLogin::LoggedIn;
            }
        }
    }
    if (result != VarnexaLogin::LoggedIn)
        showInformation(CString(tr("The login into the Varnexa service failed. Check the Varnexa "
                                   "email and password in the preferences.")),
                        nullptr);
    return result;
}

void Form_Return::sendVarnexaDelivery(int formType, const QString &email, const QString &sin,
                                      const QString &firstName, const QString &pdfPath)
{
    if (!hasVarnexaCredentials())
        return;
    const QString password = sin.right(4);
    const CString title(QStringLiteral("Send Document for E-Delivery through ") +
                        QString::fromLatin1(CT1AppConfig::varnexaPublicSite));
    const CString question(QStringLiteral("An E-Delivery link email will be sent to %1. Client "
                                          "can download file using %2 (last 4 digits of the "
                                          "S.I.N.) as password.")
                               .arg(email, password));
    if (!CYesNoContinueDlg::warnYesNoMsg(this, title, question))
        return;

    const CT1AppConfig &config = appInstance()->config;
    const QString formCode = deliveryFormCode(formType);
    QString reply;
    bool ok = false;
    {
        WaitCursorScope wait;
        QWebClient client(serviceUrl("%1/api/signature-requests"), pdfPath,
                          QFileInfo(pdfPath).fileName(), "document_file");
        client.addQueryItem("email", email.toUtf8());
        client.addQueryItem("password", password.toUtf8());
        client.addQueryItem("licdata", sin.toUtf8());
        client.addQueryItem("expires_in_days", "30");
        client.addQueryItem("sw", softwareCode);
        client.addQueryItem("func", deliveryFunc);
        client.addQueryItem("form", formCode.toUtf8());
        client.addQueryItem("sender_note",
                            QStringLiteral("This is for %1 (tax year %2), default password is "
                                           "last 4 digits of SIN")
                                .arg(firstName, QString::fromLatin1(taxYear))
                                .toUtf8());
        client.addQueryItem("msg1", signatureDigest(deliveryFunc, formCode, sin));
        client.addQueryItem("login_type", loginType);
        ok = answered(
            client, client.post(reply, accountCredential(config.VarnexaEmail, config.VarnexaPswd)));
    }
    QString message;
    if (!ok) {
        message = QString::fromLatin1(networkFailed);
    } else {
        CJsonUtil json;
        CString text;
        if (json.parse(CString(reply)) == CJsonUtil::Ok)
            json.getString("message", text);
        message = text.isEmpty() ? QString::fromLatin1(invalidResult) + reply : QString(text);
    }
    showInformation(CString(message), nullptr);
}

namespace {

// The form of that type of the person on screen, when there is exactly one.
CTaxData_Form *onlyForm(FamilyTaxData *family, int formType)
{
    if (!family || family->getFormCount(formType) != 1)
        return nullptr;
    return family->getForm(formType, false);
}

QString requestIdOf(CTaxData_Form *form)
{
    if (auto *t183 = dynamic_cast<TaxData_T183New *>(form))
        return t183->esignRequestId.toText().trimmed();
    if (auto *rc71 = dynamic_cast<CTaxData_RC71 *>(form))
        return rc71->esignRequestId.toText().trimmed();
    return QString();
}

} // namespace

void Form_Return::querySignatureStatus(int formType)
{
    if (!hasVarnexaCredentials())
        return;
    CTaxData_Form *form = onlyForm(m_family, formType);
    const QString requestId = requestIdOf(form);
    if (requestId.isEmpty()) {
        showInformation(CString(tr("E-Signature request has not been initiated!")), this);
        return;
    }

    QString message = QStringLiteral("Status: ");
    {
        WaitCursorScope wait;
        QString token;
        if (loginVarnexa(token) != VarnexaLogin::LoggedIn)
            return;
        QWebClient client(serviceUrl("%1/api/signature-requests/%2", requestId));
        QString reply;
        if (!answered(client, client.post(reply, token.toUtf8(), "Bearer"))) {
            message = QString::fromLatin1(networkFailed);
        } else {
            try {
                CJsonUtil json;
                CString value;
                if (json.parse(CString(reply)) != CJsonUtil::Ok ||
                    !json.object().contains(QLatin1String("sr_id"))) {
                    message = QString::fromLatin1(invalidResult) + reply;
                } else {
                    CString status;
                    const bool hasStatus = json.getString("status", status) == CJsonUtil::Ok;
                    if (hasStatus)
                        message += status;
                    CString completedAt;
                    const bool completed = hasStatus && status.compare(QLatin1String("completed"),
                                                                       Qt::CaseInsensitive) == 0;
                    if (completed &&
                        json.getString("completed_at_utc", completedAt) == CJsonUtil::Ok) {
                        message += QStringLiteral(" Signed time: %1").arg(completedAt);
                        QDateTime at = QDateTime::fromString(completedAt, Qt::ISODate);
                        if (at.isValid()) {
                            // A time without a zone is the service's UTC.
                            if (at.timeSpec() == Qt::LocalTime)
                                at.setTimeSpec(Qt::UTC);
                            if (auto *t183 = dynamic_cast<TaxData_T183New *>(form)) {
                                t183->signTimestamp =
                                    CString(at.toLocalTime().toString(Qt::ISODate));
                                t183->esigned = true;
                            }
                            refreshPages();
                        }
                    } else if (completed) {
                        message += QStringLiteral(" No signed time is returned.");
                    } else {
                        message += QStringLiteral(" Signature time is not available.");
                    }
                }
            } catch (const std::exception &) {
                message = QStringLiteral("Network query failed critically.");
            }
        }
    }
    showInformation(CString(message), this);
}
