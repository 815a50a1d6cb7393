// FilingExchanges: the NETFILE terms and return exchanges and the EFILE return exchange.
#pragma once

#include "efile/FilingClient.h"
#include "ordane/ResultNumber.h"

class QWidget;

// The EFILE return exchange's results; the user and the result file see the number.
enum class EfileResult : int
{
    Read = 0,
    NotBuilt = 104,
    PostFailed = 106,
    NothingExpected = 111, // neither a response nor a fault
    NotXml = 113,
    SoapFault = 190,
    Interrupted = 200,
};

// The NETFILE terms request and the user's answer; shown to the user by number.
enum class NetfileTermsResult : int
{
    Received = 0,  // the request's success
    Agreed = 0,    // agreement 1
    Declined = 10, // agreement 2
    RequestNotBuilt = -9,
    PostFailed = -50,
    NoTerms = 51, // the reply is unreadable or holds no terms
    Interrupted = -99,
};

// Terms: fetches them, shows them and asks for agreement: agreed, declined, otherwise the
// failed request's result after a message.
NetfileTermsResult confirmNetfileTerms(int &agreement, bool reFile, QWidget *parent,
                                       const FilingSetup &setup = FilingSetup::fromApplication());
NetfileTermsResult requestNetfileTerms(FilingResult &result, bool reFile, const FilingSetup &setup);
// Whether the terms reply held terms.
enum class TermsReplyRead : int
{
    Found = 0,
    NoTerms = -1,
};
TermsReplyRead parseTermsResponse(const QByteArray &reply, FilingResult &result);

// The NETFILE return exchange's results; the user sees the number.
enum class NetfileResult : int
{
    Read = 0, // accepted, refused or a fault: the result says which
    NotXml = 1,
    NotBuilt = -10,
    PostFailed = -20,
    Interrupted = -99,
};

// NETFILE return: the parser's result, or not built, post failed, interrupted.
NetfileResult postNetfileReturn(TemplateValues &values, const QByteArray &xml, FilingResult &result,
                                const FilingSetup &setup);
// replyKind 1 for a NETFILE return, 101 for a T1135 form. Read or not XML.
NetfileResult parseNetfileResponse(FilingResultFile *file, int replyKind, const QByteArray &reply,
                                   FilingResult &result, bool modeDebug);

// EFILE return: not built, post failed, interrupted, or the parser's result.
EfileResult postEfileReturn(TemplateValues &values, const QByteArray &xml, FilingResult &result,
                            const FilingSetup &setup);
// Read, nothing expected, not XML or a SOAP fault.
EfileResult parseEfileResponse(FilingResultFile *file, const QByteArray &reply,
                               FilingResult &result);
