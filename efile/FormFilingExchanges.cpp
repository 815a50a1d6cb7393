// FormFilingExchanges: the TRIS, PAD and T1135 posts, their result-file lines and readers.
#include "efile/FormFilingExchanges.h"

#include "efile/FilingExchanges.h"
#include "ordane/MyTiXmlHandle.h"
#include "ordane/Utilities.h"
#include "ordane/XmlParse.h"

#include <tinyxml.h>

const char *const kTrisServicePath = "/ebci/tdws/esub/services/TRISWebService";
const char *const kPadServicePath = "/ebci/rjpt/epads_ws/services/PadService";
const char *const kT1135ServicePath = "/ebci/efes/frrms/ws/services/FileFormService";

namespace {

QString elementText(const TiXmlElement *element)
{
    const char *text = element ? element->GetText() : nullptr;
    return text ? QString::fromUtf8(text) : QString();
}

// The reply from its first "<?xml" to the end of its first envelope end. A reply without the
// declaration is taken from its start, one without the envelope end to its end, so a reply
// of another shape still reaches the parser, which then decides.
QByteArray cutEnvelope(const QByteArray &reply)
{
    static const QByteArray start("<?xml");
    static const QByteArray end("</soapenv:Envelope>");
    const int from = qMax(0, reply.indexOf(start));
    const int to = reply.indexOf(end, from);
    return to < 0 ? reply.mid(from) : reply.mid(from, to + end.size() - from);
}

// The texts of the first element and of every element after it at the same level.
void appendCodes(const TiXmlElement *first, TrisFilingResult &result)
{
    for (const TiXmlElement *e = first; e; e = e->NextSiblingElement()) {
        const QString code = elementText(e);
        result.responseCodes.append(code);
        result.messageText += code + QLatin1Char(' ');
    }
}

} // namespace

FormFilingResult parseTrisResponse(const TiXmlElement *root, TrisFilingResult &result)
{
    const MyTiXmlHandle body = MyTiXmlHandle(root).FirstChildElement("soapenv:Body");
    const MyTiXmlHandle batch =
        body.FirstChildElement("trisr:Response").FirstChildElement("trisr:BatchResponse");
    if (const TiXmlElement *detail =
            batch.FirstChildElement("trisr:BatchResponseDetail").ToElement()) {
        result.receivedFormsCount =
            getElementSubEleStringAsInt(detail, "trisr:ReceivedFormsCount", 0);
        result.confirmationNumber = getElementSubEleStringText(detail, "trisr:ConfirmationNumber");
    }
    result.messageText = "response codes: ";

    const MyTiXmlHandle codes = batch.FirstChildElement("trisr:ResponseCodes");
    const struct
    {
        MyTiXmlHandle parent;
        const char *code;
    } groups[] = {
        {codes.FirstChildElement("trisr:BatchLevelResponse")
             .FirstChildElement("trisr:BatchResponseCode"),
         "trisr:ResponseCode"},
        {codes.FirstChildElement("trisr:FormLevelResponse")
             .FirstChildElement("trisr:FormResponseCode"),
         "trisr:ResponseCode"},
        {batch.FirstChildElement("trisr:RejectedBatchForms")
             .FirstChildElement("trisr:BatchLevelError")
             .FirstChildElement("trisr:BatchErrorCode"),
         "trisr:ErrorCode"},
    };
    for (const auto &group : groups)
        if (!group.parent.isNull())
            appendCodes(group.parent.FirstChildElement(group.code).ToElement(), result);

    const MyTiXmlHandle fault = body.FirstChildElement("soapenv:Fault");
    if (const TiXmlElement *f = fault.ToElement()) {
        result.messageText +=
            QLatin1String(" Fault code: ") + getElementSubEleStringText(f, "faultcode") +
            QLatin1String(" details:") + getElementSubEleStringText(f, "faultstring");
        const TiXmlElement *description = fault.FirstChildElement("Detail")
                                              .FirstChildElement("SystemSoapFaultType")
                                              .FirstChildElement("description")
                                              .ToElement();
        if (description)
            result.messageText += QLatin1String(" description:") +
                                  getElementSubEleStringText(description, "englishMessageText");
    }
    return FormFilingResult::Read;
}

FormFilingResult parsePadResponse(const TiXmlElement *root, TrisFilingResult &result)
{
    const MyTiXmlHandle body = MyTiXmlHandle(root).FirstChildElement("soapenv:Body");
    const MyTiXmlHandle response = body.FirstChildElement("PadCreateResponse");
    const TiXmlElement *descriptions = nullptr;
    if (const TiXmlElement *confirmation = response.FirstChildElement("Confirmation").ToElement()) {
        result.confirmationNumber = getElementSubEleStringText(confirmation, "ConfirmationNumber");
        descriptions = confirmation->FirstChildElement("ResponseCodeDescription");
    }
    // A later section of the reply replaces the descriptions of an earlier one.
    for (const char *section : {"Rejection", "ProcessingError", "SystemError"})
        if (const TiXmlElement *e = response.FirstChildElement(section).ToElement())
            descriptions = e->FirstChildElement("ResponseCodeDescription");
    for (const TiXmlElement *e = descriptions; e; e = e->NextSiblingElement()) {
        result.responseCodes.append(getElementSubEleStringText(e, "ResponseCode"));
        result.messageText += getElementSubEleStringText(
            MyTiXmlHandle(e).FirstChildElement("EnglishMessage").ToElement(), "MessageText");
        result.messageText += QLatin1Char('\n');
    }
    if (const TiXmlElement *fault = body.FirstChildElement("soapenv:Fault").ToElement())
        result.messageText += getElementSubEleStringText(fault, "faultstring");
    return FormFilingResult::Read;
}

FormFilingResult postTrisFiling(bool isT1013, const TemplateValues &values, const QString &body,
                                TrisFilingResult &result, const FilingSetup &setup)
{
    CString stamp;
    GetCurTime(stamp, 0);
    const QByteArray stampLine = "\n\n" + stamp.toUtf8() + "\n";
    FilingResultFile file(setup.resultFilePath, false);

    QString requestText;
    if (buildTrisRequest(isT1013, values, body, requestText) != 0) {
        file.write(stampLine);
        file.write("request creation failed.\n");
        file.close();
        result.messageText = "request creation failed.";
        return FormFilingResult::NotBuilt;
    }
    const QByteArray request = requestText.toUtf8();
    file.write(setup.modeDebug ? maskSecrets(request) : stampLine);
    file.flush();

    FormFilingResult code = FormFilingResult::Read;
    QByteArray reply;
    try {
        const SoapPostOutcome outcome = postFilingSoap(
            setup, setup.t1013Server, isT1013 ? kTrisServicePath : kPadServicePath, request, reply);
        if (!outcome.replied) {
            file.write("T1013 web service failed.\n");
            result.messageText = "web service failed.";
            result.transportError = outcome.error;
            code = FormFilingResult::PostFailed;
        }
    } catch (...) {
        file.write("Please try again, make sure Quorvandelle is allowed by firewall to use "
                   "Internet.\n");
        file.close();
        result.messageText = "web service exception failed.";
        return FormFilingResult::Interrupted;
    }
    file.write(reply + "\n\n");
    if (code != FormFilingResult::Read) {
        file.write(result.messageText + QLatin1String("\n\n"));
        file.close();
        return code;
    }

    const QByteArray xml = cutEnvelope(reply);
    file.write("xml=>\n" + xml);
    TiXmlDocument doc;
    if (!parseXmlDocument(doc, xml)) {
        file.write("cannot parse returned response.\n");
        file.close();
        result.messageText = "response parse failed.";
        return FormFilingResult::NotXml;
    }
    const TiXmlElement *root = doc.FirstChildElement();
    code = isT1013 ? parseTrisResponse(root, result) : parsePadResponse(root, result);
    file.write(result.messageText + QLatin1String("\n\n"));
    file.close();
    return code;
}

FormFilingResult postT1135Filing(TemplateValues &values, const QByteArray &xml,
                                 T1135FilingResult &result, const FilingSetup &setup)
{
    CString stamp;
    GetCurTime(stamp, 0);
    FilingResultFile file(setup.resultFilePath, false);
    values.insert("origip", CString("0.0.0.0"));

    QByteArray request;
    if (buildNetfileRequest(false, values, xml, request) != RequestBuild::Built) {
        file.write("T1135 request creation failed.\n");
        file.close();
        return FormFilingResult::NotBuilt;
    }
    file.write(setup.modeDebug ? maskSecrets(request) : stamp.toUtf8() + "\n");
    file.flush();

    FormFilingResult code = FormFilingResult::Read;
    QByteArray reply;
    try {
        const SoapPostOutcome outcome =
            postFilingSoap(setup, setup.netfileServer, kT1135ServicePath, request, reply);
        if (outcome.replied) {
            file.write("\n" + reply + "\n");
        } else {
            file.write("T1135 web service failed.\n");
            result.transportError = outcome.error;
            code = FormFilingResult::PostFailed;
        }
    } catch (...) {
        file.write("Please try again, make sure Quorvandelle is permitted by firewall to use "
                   "Internet.\n");
        code = FormFilingResult::Interrupted;
    }
    file.flush();

    FilingResult read(101);
    if (code == FormFilingResult::Read &&
        parseNetfileResponse(file.isOpen() ? &file : nullptr, 101, reply, read, setup.modeDebug) ==
            NetfileResult::NotXml)
        code = FormFilingResult::T1135NotXml;
    if (code == FormFilingResult::Read) {
        result.accepted = read.accepted ? 1 : 0;
        if (read.accepted)
            result.confirmationCode = read.confirmation;
        result.resultText = read.resultText;
        result.details = read.details;
    }
    file.close();
    return code;
}
