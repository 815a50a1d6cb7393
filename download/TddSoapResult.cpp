// Reading a download reply: its ReturnCode and token, or why there is none.
#include "download/TddSoapResult.h"

#include <tinyxml.h>

#include "ordane/MyTiXmlHandle.h"
#include "ordane/XmlParse.h"

TddReplyRead parseSoapResponse(const QByteArray &reply, const char *responseName,
                               const char *tokenName, TddSoapResult &result)
{
    TiXmlDocument doc;
    if (!parseXmlDocument(doc, reply)) {
        result.faultText = "response parse error";
        return TddReplyRead::NotParsed;
    }
    const MyTiXmlHandle body =
        MyTiXmlHandle(&doc).FirstChildElement().FirstChildElement("soapenv:Body");
    if (const TiXmlElement *response = body.FirstChildElement(responseName, "ns").ToElement()) {
        result.ReturnCode = getElementSubEleStringText(response, "ReturnCode");
        result.TokenIdentifier = getElementSubEleStringText(response, tokenName).toUtf8();
        return TddReplyRead::Found;
    }
    if (const TiXmlElement *fault = body.FirstChildElement("soapenv:Fault").ToElement()) {
        if (fault->FirstChildElement("faultstring")) {
            result.faultText = getElementSubEleStringText(fault, "faultstring");
            return TddReplyRead::NoAnswer;
        }
    }
    result.faultText = "Error: no response and Fault";
    return TddReplyRead::NoAnswer;
}
