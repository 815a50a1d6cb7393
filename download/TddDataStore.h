// The downloaded-data store's pieces: the taxpayer and tax-data statements, the worker's named
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
// the number of its two statements that succeeded, 0, 1 or 2.
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

// The texts of the elements of that local name, in document order, each from its own start
// tag to its own end tag, whatever the namespace prefix and whatever stands between the name
// and ">". An element that cannot be cut (no end tag, or written as an empty tag) gives an
// empty text in its place, so the n-th text still goes with the n-th element.
QList<QByteArray> cutElementTexts(const QByteArray &text, const QByteArray &localName);

// The map from the SHA-256 digest of each S.I.N. (64 lower-case hexadecimal characters) to it.
QMap<QByteArray, QByteArray> sinMatchTable(const QList<QByteArray> &sins);

// The S.I.N. as the logs and page names show it: "xxxxx" and its last four characters.
QByteArray maskedSin(const QByteArray &sin);
