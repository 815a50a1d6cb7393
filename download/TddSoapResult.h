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

// What reading a reply found.
enum class TddReplyRead : int
{
    Found = 0,     // the response element
    NotParsed = 1, // or nested too deep
    NoAnswer = 10, // a SOAP fault or no response element
};

TddReplyRead parseSoapResponse(const QByteArray &reply, const char *responseName,
                               const char *tokenName, TddSoapResult &result);
