// FormFilingExchanges: the single-form exchanges (T1013 through TRIS, the pre-authorised debit
// agreement through PAD, the T1135 through the form filing service) and their reply readers.
#pragma once

#include "efile/FilingClient.h"

#include <QStringList>

class TiXmlElement;

// What a TRIS or PAD exchange read; made empty by the caller.
struct TrisFilingResult
{
    int receivedFormsCount = 0;
    CString confirmationNumber;
    CString messageText;       // the reply's texts, or the exchange's own failure text
    QStringList responseCodes; // in document order
    CString transportError;    // what the web client saw when the post failed
};

// What a T1135 exchange read; made empty by the caller.
struct T1135FilingResult
{
    int accepted = 0; // 1 when the reply carried a confirmation
    CString confirmationCode;
    CString resultText; // the reply's result code and error codes
    CString details;    // the reply's messages for display
    CString transportError;
};

// The services' paths on their hosts.
extern const char *const kTrisServicePath;
extern const char *const kPadServicePath;
extern const char *const kT1135ServicePath;

// The single-form exchanges' results; the user sees the number.
enum class FormFilingResult : int
{
    Read = 0,
    T1135NotXml = 1, // the T1135 reply was not XML
    NotBuilt = -1,
    PostFailed = -10,
    Interrupted = -99,
    NotXml = -100, // the TRIS or PAD reply was not XML
};

// Posts a T1013 (isT1013) or PAD request with the body, once: read, not built, post failed,
// interrupted or not XML.
FormFilingResult postTrisFiling(bool isT1013, const TemplateValues &values, const QString &body,
                                TrisFilingResult &result,
                                const FilingSetup &setup = FilingSetup::fromApplication());
// The readers of the replies' envelope element; always read.
FormFilingResult parseTrisResponse(const TiXmlElement *root, TrisFilingResult &result);
FormFilingResult parsePadResponse(const TiXmlElement *root, TrisFilingResult &result);

// Posts the T1135 statement cut from the XML in the NETFILE envelope, once; sets "origip" in
// the values. Read, not built, post failed, interrupted or (T1135) not XML.
FormFilingResult postT1135Filing(TemplateValues &values, const QByteArray &xml,
                                 T1135FilingResult &result,
                                 const FilingSetup &setup = FilingSetup::fromApplication());
