// TddSoapResult and parseSoapResponse: what the download reads from a SOAP reply.
#pragma once

#include <QByteArray>

#include "ordane/CString.h"

struct TddSoapResult
{
    CString ReturnCode;         // empty until found
    QByteArray TokenIdentifier; // empty until found
    CString faultText;          // why the reply held no answer
};

// 0 the response element was found, 1 the reply does not parse (or is nested too deep),
// 10 a SOAP fault or no response element.
int parseSoapResponse(const QByteArray &reply, const char *responseName, const char *tokenName,
                      TddSoapResult &result);
