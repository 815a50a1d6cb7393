// FilingExchanges: the NETFILE terms and return exchanges and the EFILE return exchange.
#pragma once

#include "efile/FilingClient.h"

class QWidget;

// Terms: fetches them, shows them and asks for agreement. 0 agreed (agreement 1), 10 declined
// (agreement 2), otherwise the failed request's result after a message.
int confirmNetfileTerms(int &agreement, bool reFile, QWidget *parent,
                        const FilingSetup &setup = FilingSetup::fromApplication());
// 0, -9 request not assembled, -50 post failed, 51 reply unreadable or without terms, -99.
int requestNetfileTerms(FilingResult &result, bool reFile, const FilingSetup &setup);
// 0 when the reply held terms, -1 otherwise.
int parseTermsResponse(const QByteArray &reply, FilingResult &result);

// NETFILE return: 0 or 1 from the parser; -10 not assembled, -20 post failed, -99.
int postNetfileReturn(TemplateValues &values, const QByteArray &xml, FilingResult &result,
                      const FilingSetup &setup);
// replyKind 1 for a NETFILE return, 101 for a T1135 form. 0 parsed, 1 not XML.
int parseNetfileResponse(FilingResultFile *file, int replyKind, const QByteArray &reply,
                         FilingResult &result, bool modeDebug);

// EFILE return: 104 not built, 106 post failed, 200, or the parser's result.
int postEfileReturn(TemplateValues &values, const QByteArray &xml, FilingResult &result,
                    const FilingSetup &setup);
// 0 read, 111 nothing expected, 113 not XML, 190 SOAP fault.
int parseEfileResponse(FilingResultFile *file, const QByteArray &reply, FilingResult &result);
