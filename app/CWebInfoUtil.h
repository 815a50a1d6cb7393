// CWebInfoUtil: the maker's information service, asked for one keyword's current value.
#pragma once

#include <QByteArray>

#include "ordane/CString.h"
#include "ordane/ResultNumber.h"

// The numbers the query gives in place of the service's status.
enum class InfoStatus : int
{
    NoNumber = -1, // the reply does not start with a number
    Interrupted = -100,
};

class CWebInfoUtil
{
public:
    // The service's path on its host (the host is the configuration's InfoServer).
    static const char *const infoPath;
    // The longest reply word kept; the rest of a longer word is dropped.
    static constexpr int MaxWordBytes = 255;

    virtual ~CWebInfoUtil();

    // Posts kw1 and kw2 and returns the reply's status; answer gets the reply's word for
    // statuses 199 to 201 only. No number when the reply does not start with one (no reply and
    // an HTTP error reply count as empty), interrupted when an exception stopped the query.
    static int queryInfo(const QByteArray &kw1, const QByteArray &kw2, CString &answer);

    // Reads a reply as "%d %s" would: the status (no number when the reply has none) and the
    // first word after it, cut to MaxWordBytes (empty when there is none).
    static int readReply(const QByteArray &reply, QByteArray &word);
};
