// EfileExchange: a preparer's EFILE return post and its reply.
#include "efile/FilingExchanges.h"

#include "ordane/MyTiXmlHandle.h"
#include "ordane/Utilities.h"
#include "ordane/XmlParse.h"

#include <tinyxml.h>

namespace {

const char *const kEfilePath = "/ebci/pfeo/ws/services/FileReturnService";

QString textOf(const TiXmlElement *element)
{
    const char *text = element ? element->GetText() : nullptr;
    return QString::fromUtf8(text ? text : "");
}

} // namespace

EfileResult parseEfileResponse(FilingResultFile *file, const QByteArray &reply,
                               FilingResult &result)
{
    TiXmlDocument doc;
    if (!parseXmlDocument(doc, reply)) {
        result.code = "-1";
        result.resultText = "response error";
        return EfileResult::NotXml;
    }
    EfileResult status = EfileResult::Read;
    const MyTiXmlHandle body =
        MyTiXmlHandle(&doc).FirstChildElement().FirstChildElement("soapenv:Body");
    const MyTiXmlHandle response = body.FirstChildElement("t1ersp:EfileReturnResponse");
    if (const TiXmlElement *r = response.ToElement()) {
        result.details.clear();
        result.code = getElementSubEleStringText(r, "ResultCode");
        const MyTiXmlHandle fileResponse = response.FirstChildElement("t1rsp:FileReturnResponse");
        const MyTiXmlHandle confirmation = fileResponse.FirstChildElement("t1rsp:Confirmation");
        if (!confirmation.isNull()) {
            result.accepted = true;
            result.confirmation = getElementSubEleStringText(r, "TransmissionNumber");
            result.cvIndicator = getElementSubEleStringText(r, "t1ersp:CvIndicator");
            const MyTiXmlHandle message = confirmation.FirstChildElement("t1rsp:EnglishMessage");
            if (const TiXmlElement *m = message.FirstChildElement("t1rsp:MessageText").ToElement())
                result.details += replyTextToHtml(textOf(m));
            hyperlinksToHtml(result.details,
                             message.FirstChildElement("t1rsp:Hyperlink").ToElement());
        } else {
            result.accepted = false;
            if (result.isCode184()) {
                if (const TiXmlElement *e =
                        fileResponse.FirstChildElement("t1rsp:ProcessingError").ToElement())
                    processingErrorDetails(e, result);
            } else {
                negativeReplyDetails(fileResponse.ToElement(), result);
            }
        }
    } else if (const TiXmlElement *fault = body.FirstChildElement("soapenv:Fault").ToElement()) {
        const TiXmlElement *text =
            MyTiXmlHandle(fault).FirstChildElement("faultstring").ToElement();
        result.details =
            text ? replyTextToHtml(textOf(text)) : CString("XML fault error, no details.");
        status = EfileResult::SoapFault;
    } else if (const TiXmlElement *frrms =
                   body.FirstChildElement("FrrmsEfileReturnResponse").ToElement()) {
        result.code = getElementSubEleStringText(frrms, "ResultCode");
        result.details = replyTextToHtml(textOf(MyTiXmlHandle(frrms)
                                                    .FirstChildElement("t1rsp:FileReturnResponse")
                                                    .FirstChildElement("t1rsp:Rejection")
                                                    .FirstChildElement("t1rsp:EnglishMessage")
                                                    .FirstChildElement("t1rsp:MessageText")
                                                    .ToElement()));
    } else if (const TiXmlElement *eol = body.FirstChildElement("pfeo:EolResponse").ToElement()) {
        result.code = getElementSubEleStringText(eol, "resultCode");
        result.details = "132 means EFile system is not operational at this time.";
    } else {
        result.code = "-1";
        result.details = "Efile error, no response, nor fault error";
        status = EfileResult::NothingExpected;
    }
    if (file)
        file->write(result.details + QLatin1String("\n"));
    return status;
}

EfileResult postEfileReturn(TemplateValues &values, const QByteArray &xml, FilingResult &result,
                            const FilingSetup &setup)
{
    CString time;
    GetCurTime(time, 0);
    FilingResultFile file(setup.resultFilePath, false);
    values.insert("origip", CString("0.0.0.0"));
    QByteArray request;
    if (buildEfileRequest(true, values, xml, request) != RequestBuild::Built) {
        file.write("Efile request creation failed.\n");
        return EfileResult::NotBuilt;
    }
    writeRequestHead(file, setup.modeDebug || setup.fullLog, setup.fullLog, request,
                     setup.eolServer, time);
    try {
        QByteArray reply;
        const SoapPostOutcome outcome =
            postFilingSoap(setup, setup.eolServer, kEfilePath, request, reply);
        result.requestSent = outcome.sent;
        if (!outcome.replied) {
            // The record carries what the web client saw; the caller shows the result number.
            result.resultText += outcome.error;
            file.write("EFile web service failed.\n" + outcome.error.toUtf8() + "\n");
            return EfileResult::PostFailed;
        }
        if (setup.modeDebug || setup.fullLog)
            file.write(reply + ".\n\n");
        const EfileResult status =
            parseEfileResponse(file.isOpen() ? &file : nullptr, reply, result);
        if (status == EfileResult::NotXml && (outcome.httpStatus < 200 || outcome.httpStatus > 299))
            result.resultText += QStringLiteral(" (HTTP status %1)").arg(outcome.httpStatus);
        return status;
    } catch (...) {
        file.write(QByteArray("Please try again, make sure Quorvandelle is permitted by "
                              "firewall to use Internet.\n"));
        file.flush();
        return EfileResult::Interrupted;
    }
}
