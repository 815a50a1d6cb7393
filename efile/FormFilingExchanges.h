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

// Posts a T1013 (isT1013) or PAD request with the body, once. 0 a reply was read; -1 request
// not built; -10 post failed; -99 exception; -100 reply not parseable.
int postTrisFiling(bool isT1013, const TemplateValues &values, const QString &body,
                   TrisFilingResult &result,
                   const FilingSetup &setup = FilingSetup::fromApplication());
// The readers of the replies' envelope element; always 0.
int parseTrisResponse(const TiXmlElement *root, TrisFilingResult &result);
int parsePadResponse(const TiXmlElement *root, TrisFilingResult &result);

// Posts the T1135 statement cut from the XML in the NETFILE envelope, once; sets "origip" in
// the values. 0 a reply was read; -1 request not built; -10 post failed; -99 exception; 1 the
// reply was not XML.
int postT1135Filing(TemplateValues &values, const QByteArray &xml, T1135FilingResult &result,
                    const FilingSetup &setup = FilingSetup::fromApplication());
