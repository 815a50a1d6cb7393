// NetfileExchange: the NETFILE terms request and agreement, the return post and its reply.
#include "efile/FilingExchanges.h"

#include "app/MessageHelpers.h"
#include "app/dialogs/DlgFilingTerm.h"
#include "ordane/MyTiXmlHandle.h"
#include "ordane/Utilities.h"
#include "ordane/XmlParse.h"

#include <QApplication>
#include <QCursor>

#include <tinyxml.h>

namespace {

const char *const kNetfilePath = "/ebci/pfno/ws/services/FileReturnService";
const char *const kFirewallHint =
    "Please try again, make sure Quorvandelle is permitted by firewall to use Internet.\n";

// The texts of the element and its following siblings, each escaped and ended by CR LF.
void appendLines(CString &target, const TiXmlElement *first)
{
    for (const TiXmlElement *e = first; e; e = e->NextSiblingElement()) {
        const char *text = e->GetText();
        target += replyTextToHtml(QString::fromUtf8(text ? text : "")) + QLatin1String("\r\n");
    }
}

// The failure note followed by what the web client saw.
QString transportNote(const char *note, const SoapPostOutcome &outcome)
{
    return QString::fromLatin1(note) + outcome.error + QLatin1Char('\n');
}

} // namespace

TermsReplyRead parseTermsResponse(const QByteArray &reply, FilingResult &result)
{
    TermsReplyRead status = TermsReplyRead::Found;
    TiXmlDocument doc;
    if (!parseXmlDocument(doc, reply)) {
        result.accepted = false;
        result.resultText = "response error";
        status = TermsReplyRead::NoTerms;
    }
    const TiXmlElement *terms = MyTiXmlHandle(&doc)
                                    .FirstChildElement()
                                    .FirstChildElement("soapenv:Body")
                                    .FirstChildElement("t1rsp:TermsAndConditionsResponse")
                                    .FirstChildElement("t1rsp:TermsAndConditions")
                                    .ToElement();
    if (!terms) {
        result.accepted = false;
        result.resultText = "unknown response error";
        return TermsReplyRead::NoTerms;
    }
    result.accepted = true;
    const MyTiXmlHandle message = MyTiXmlHandle(terms).FirstChildElement("t1rsp:EnglishMessage");
    appendLines(result.details, message.FirstChildElement("t1rsp:MessageText").ToElement());
    if (const TiXmlElement *link = message.FirstChildElement("t1rsp:Hyperlink").ToElement()) {
        result.confirmation = getElementSubEleStringText(link, "t1rsp:HyperlinkText");
        result.resultText = getElementSubEleStringText(link, "t1rsp:HyperlinkTarget");
    }
    return status;
}

NetfileTermsResult requestNetfileTerms(FilingResult &result, bool reFile, const FilingSetup &setup)
{
    CString time;
    GetCurTime(time, 0);
    FilingResultFile file(setup.resultFilePath, true);
    file.write("\n\n" + time.toUtf8() + " \n");
    file.flush();

    TemplateValues values;
    values.insert("termrequestkw", reFile ? CString("RefileTermsAndConditionsRequest")
                                          : CString("TermsAndConditionsRequest"));
    values.insert("xmlnsbase", CString(kFilingSchemaBase));
    QByteArray request;
    if (processTemplatePart(request, ":/net/net/nwsreq.xmt", values, TemplatePlain) != 0) {
        result.resultText += " cannot assemble request of Netfile Term and Agreement.\n";
        file.write(result.resultText);
        return NetfileTermsResult::RequestNotBuilt;
    }
    try {
        file.write(setup.netfileServer.toUtf8() + "\n");
        file.flush();
        QByteArray reply;
        const SoapPostOutcome outcome =
            postFilingSoap(setup, setup.netfileServer, kNetfilePath, request, reply);
        result.requestSent = outcome.sent;
        if (!outcome.replied) {
            result.resultText +=
                transportNote(" read Netfile Term failed or network interruption.\n", outcome);
            file.write(result.resultText);
            file.flush();
            return NetfileTermsResult::PostFailed;
        }
        if (setup.modeDebug)
            file.write(reply);
        if (parseTermsResponse(reply, result) != TermsReplyRead::Found) {
            result.resultText += " parses Netfile Term failed.\n";
            file.write(result.resultText);
            file.flush();
            return NetfileTermsResult::NoTerms;
        }
        return NetfileTermsResult::Received;
    } catch (...) {
        file.write(QByteArray(kFirewallHint));
        file.flush();
        return NetfileTermsResult::Interrupted;
    }
}

NetfileTermsResult confirmNetfileTerms(int &agreement, bool reFile, QWidget *parent,
                                       const FilingSetup &setup)
{
    FilingResult result(0);
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const NetfileTermsResult status = requestNetfileTerms(result, reFile, setup);
    QApplication::restoreOverrideCursor();
    if (status != NetfileTermsResult::Received) {
        showInformation(CString::formatted("Msg: %s; Code: %d.",
                                           result.resultText.toUtf8().constData(),
                                           resultNumber(status)),
                        parent);
        return status;
    }
    DlgFilingTerm dialog(reFile, parent);
    dialog.setTerms(result.details, reFile ? CString(kReFileTermsPage) : result.resultText,
                    result.confirmation, ":/net/net/netfileterm.txt");
    if (dialog.exec() == QDialog::Accepted) {
        agreement = 1;
        return NetfileTermsResult::Agreed;
    }
    agreement = 2;
    return NetfileTermsResult::Declined;
}

NetfileResult parseNetfileResponse(FilingResultFile *file, int replyKind, const QByteArray &reply,
                                   FilingResult &result, bool modeDebug)
{
    TiXmlDocument doc;
    if (!parseXmlDocument(doc, reply)) {
        result.accepted = false;
        result.resultText = "response error";
        if (file)
            file->write("response error\n\n");
        return NetfileResult::NotXml;
    }
    const MyTiXmlHandle body =
        MyTiXmlHandle(&doc).FirstChildElement().FirstChildElement("soapenv:Body");
    const MyTiXmlHandle response = body.FirstChildElement(
        replyKind == 101 ? "FrrmsNetfileReturnResponse" : "t1rsp:NetfileReturnResponse");
    const TiXmlElement *resultCode = response.FirstChildElement("ResultCode").ToElement();
    const TiXmlElement *fileResponse =
        response.FirstChildElement("t1rsp:FileReturnResponse").ToElement();
    if (resultCode) {
        const char *text = resultCode->GetText();
        result.resultText = QString::fromUtf8(text ? text : "");
    }
    if (resultCode && fileResponse) {
        const MyTiXmlHandle confirmation =
            MyTiXmlHandle(fileResponse).FirstChildElement("t1rsp:Confirmation");
        if (const TiXmlElement *c = confirmation.ToElement()) {
            result.accepted = true;
            result.confirmation = getElementSubEleStringText(c, "t1rsp:ConfirmationCode");
            appendLines(result.details, confirmation.FirstChildElement("t1rsp:EnglishMessage")
                                            .FirstChildElement("t1rsp:MessageText")
                                            .ToElement());
        } else {
            result.accepted = false;
            result.refused = true;
            negativeReplyDetails(fileResponse, result);
        }
    } else {
        result.accepted = false;
        const TiXmlElement *fault =
            body.FirstChildElement("soapenv:Fault").FirstChildElement("faultstring").ToElement();
        if (fault) {
            const char *text = fault->GetText();
            result.details = replyTextToHtml(QString::fromUtf8(text ? text : ""));
        } else {
            result.details = "Error: no T1 return response and Fault";
        }
    }
    if (file && !modeDebug)
        file->write(result.details + QLatin1String("\n\n"));
    return NetfileResult::Read;
}

NetfileResult postNetfileReturn(TemplateValues &values, const QByteArray &xml, FilingResult &result,
                                const FilingSetup &setup)
{
    CString time;
    GetCurTime(time, 0);
    FilingResultFile file(setup.resultFilePath, false);
    values.insert("origip", CString("0.0.0.0"));
    QByteArray request;
    if (buildNetfileRequest(true, values, xml, request) != RequestBuild::Built) {
        result.resultText += " cannot assemble Netfile request.\n";
        file.write(result.resultText);
        return NetfileResult::NotBuilt;
    }
    writeRequestHead(file, setup.modeDebug, setup.fullLog, request, setup.netfileServer, time);
    try {
        QByteArray reply;
        const SoapPostOutcome outcome =
            postFilingSoap(setup, setup.netfileServer, kNetfilePath, request, reply);
        result.requestSent = outcome.sent;
        if (!outcome.replied) {
            result.resultText += transportNote(" Online filing failed.\n", outcome);
            file.write("\n" + reply + "\n");
            return NetfileResult::PostFailed;
        }
        if (setup.modeDebug && setup.fullLog)
            file.flush();
        const NetfileResult status = parseNetfileResponse(file.isOpen() ? &file : nullptr, 1, reply,
                                                          result, setup.modeDebug);
        if (status == NetfileResult::NotXml &&
            (outcome.httpStatus < 200 || outcome.httpStatus > 299))
            result.resultText += QStringLiteral(" (HTTP status %1)").arg(outcome.httpStatus);
        return status;
    } catch (...) {
        result.resultText += " Exception occurred.\n";
        file.write(result.resultText);
        file.flush();
        return NetfileResult::Interrupted;
    }
}
