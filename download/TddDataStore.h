// The downloaded-data store's helpers: the taxpayer and tax-data statements, the worker's named
// connection, the cutting of item texts out of a reply and the S.I.N. matching table.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSqlDatabase>
#include <QString>

// The id of the first tb_taxpayers row of the S.I.N. and its name (empty when NULL); 0 when
// there is none or the statement fails.
int findTaxpayerBySin(QSqlDatabase &db, const QByteArray &sin, QString &name);
// Adds a taxpayer row with an empty name; its new id, or 0 on failure.
int insertTaxpayer(QSqlDatabase &db, const QByteArray &sin);
// Replaces the taxpayer's tb_taxdata row (each taxpayer keeps one, whatever its tax year):
// the number of its two statements that succeeded, 0, 1 or 2. Both run in one transaction that
// is kept only when the insert succeeds, so a failed store leaves the old row (and gives 0).
int replaceTaxData(QSqlDatabase &db, int uid, const QByteArray &createTime,
                   const QByteArray &itemXml, const QByteArray &html, int taxYear);

// A worker's own connection to the program's database file under a fixed name, made, used and
// removed on the calling thread. Its statements wait for the GUI thread's locks a while
// rather than fail at once.
class TddWorkerConnection
{
public:
    static constexpr const char *taxDataName = "TDD_DB_Connection";
    static constexpr const char *noaName = "NOA_DB_Connection";
    static constexpr int busyTimeoutMs = 5000;

    explicit TddWorkerConnection(const char *name);
    ~TddWorkerConnection();
    TddWorkerConnection(const TddWorkerConnection &) = delete;
    TddWorkerConnection &operator=(const TddWorkerConnection &) = delete;

    // Closed when the file could not be opened; its statements then fail.
    QSqlDatabase &database() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

// Where an element stands in a text: its "<", its content between its own start and end tags,
// and just past its end tag. Positions are -1 where there is nothing.
struct ElementSpan
{
    int start = -1;
    int contentStart = -1;
    int contentEnd = -1;
    int end = -1;
    int next = -1; // where a search for the next element goes on
    bool found() const { return start >= 0; }
    bool cut() const { return end >= 0; }
};
// The first element of that local name at or after from, whatever its namespace prefix and
// whatever stands between its name and ">"; comments and character data are skipped. An empty
// tag, or one without its end tag, is found but not cut.
ElementSpan findElement(const QByteArray &text, const QByteArray &localName, int from);

// The texts of the elements of that local name, in document order, each from its own start
// tag to its own end tag, whatever the namespace prefix and whatever stands between the name
// and ">". An element that cannot be cut (no end tag, or written as an empty tag) gives an
// empty text in its place, so the n-th text still goes with the n-th element.
QList<QByteArray> cutElementTexts(const QByteArray &text, const QByteArray &localName);

// The map from the SHA-256 digest of each S.I.N. (64 lower-case hexadecimal characters) to it.
QMap<QByteArray, QByteArray> sinMatchTable(const QList<QByteArray> &sins);

// The S.I.N. as the logs and page names show it: its first five characters replaced by
// "xxxxx"; a S.I.N. of five characters or fewer is "xxxxx".
QByteArray maskedSin(const QByteArray &sin);
// An item's taxpayer identifier as the logs show it: "xxxxx" and its last four characters (so a
// S.I.N. reads as maskedSin gives it, and a digest of one cannot be turned back); "xxxxx" for
// five characters or fewer, and nothing for none.
QByteArray maskedIdentifier(const QByteArray &identifier);
