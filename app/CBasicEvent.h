// CBasicEvent: the taxpayer rows and the event history (tb_taxpayers, tb_history).
#pragma once

#include <QSqlDatabase>

#include "ordane/CString.h"
#include "ordane/ResultNumber.h"

// Deleting an event's rows; counting them gives its exception's number in place of a count.
enum class EventRows : int
{
    Deleted = 1,
    NotDeleted = 0, // the statement failed
    DeleteThrew = -1,
    CountThrew = -100,
};

class CBasicEvent
{
public:
    // Filing events: an attempt before the submission, and a successful submission.
    enum EventId
    {
        FilingAttempt = 1018,
        Filed = 1019
    };

    virtual ~CBasicEvent();

    // Rows of that event id; the number of EventRows::CountThrew on an exception.
    static int countEvents(QSqlDatabase &db, int eventId);
    static EventRows deleteEvents(QSqlDatabase &db, int eventId);
    // Writes one history row; with replace, the earlier rows of the event (and of uid when it
    // is not 0) go first. Returns the new row id, 0 when nothing was written; a message too
    // long to encode leaves every row as it was.
    static int addEvent(QSqlDatabase &db, int uid, int eventId, const CString &msg, bool encode,
                        bool withTime, bool replace);
    // Updates the newest row of the S.I.N. or inserts one; its id, 0 on failure.
    static int saveTaxpayer(QSqlDatabase &db, const CString &sin, const CString &name,
                            const CString &phone, const CString &email);
    // Appends the taxpayer's filing messages to history, each followed by a separator line.
    // The taxpayer's id, 0 when no row has the S.I.N. (both outputs then unchanged).
    static int efileHistoryText(QSqlDatabase &db, const CString &sin, CString &name,
                                CString &history);
};
