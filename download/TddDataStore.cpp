// The downloaded-data store's statements, worker connection and item cutting.
#include "download/TddDataStore.h"

#include <QSqlQuery>
#include <QVariant>
#include <exception>

#include "app/TabWndApp.h"
#include "ordane/Hashing.h"

int findTaxpayerBySin(QSqlDatabase &db, const QByteArray &sin, QString &name)
{
    try {
        QSqlQuery find(db);
        if (!find.prepare("select id, name from tb_taxpayers where sin=:sin"))
            return 0;
        find.bindValue(":sin", QString::fromUtf8(sin));
        if (!find.exec() || !find.next())
            return 0;
        name = find.value(1).isNull() ? QString() : find.value(1).toString();
        return find.value(0).toInt();
    } catch (const std::exception &) {
        return 0;
    }
}

int insertTaxpayer(QSqlDatabase &db, const QByteArray &sin)
{
    try {
        QSqlQuery insert(db);
        if (!insert.prepare("insert into tb_taxpayers (name, sin) values ('', :sin)"))
            return 0;
        insert.bindValue(":sin", QString::fromUtf8(sin));
        if (!insert.exec())
            return 0;
        return insert.lastInsertId().toInt();
    } catch (const std::exception &) {
        return 0;
    }
}

int replaceTaxData(QSqlDatabase &db, int uid, const QByteArray &createTime,
                   const QByteArray &itemXml, const QByteArray &html, int taxYear)
{
    try {
        // The old download goes only together with the new one's arrival: both in one
        // transaction, rolled back when the insert fails.
        if (!db.transaction())
            return 0;
        int done = 0;
        QSqlQuery remove(db);
        if (remove.prepare("delete from tb_taxdata where uid=:uid")) {
            remove.bindValue(":uid", uid);
            if (remove.exec())
                ++done;
        }
        // Inserted whatever the delete gave: a failed delete must not lose the new download.
        QSqlQuery insert(db);
        if (insert.prepare("insert into tb_taxdata (uid, create_time, data1, html1, taxyear) "
                           "values (:uid, :time, :xmldata, :htmldata, :year)")) {
            insert.bindValue(":uid", uid);
            insert.bindValue(":time", QString::fromUtf8(createTime));
            insert.bindValue(":xmldata", QString::fromUtf8(itemXml));
            insert.bindValue(":htmldata", QString::fromUtf8(html));
            insert.bindValue(":year", taxYear);
            if (insert.exec() && db.commit())
                return done + 1;
        }
        db.rollback();
        return 0;
    } catch (const std::exception &) {
        db.rollback();
        return 0;
    }
}

TddWorkerConnection::TddWorkerConnection(const char *name) : m_name(QString::fromLatin1(name))
{
    m_db = QSqlDatabase::addDatabase("QSQLITE", m_name);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (TabWndApp *app = appInstance())
        app->openWorkerConnection(m_db);
}

TddWorkerConnection::~TddWorkerConnection()
{
    closeWorkerConnection(m_db);
    // The last handle must be gone before Qt lets the name go.
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

namespace {
bool isNameEnd(char c)
{
    return c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The qualified name of the tag whose "<" (or "</") ends just before from.
QByteArray tagName(const QByteArray &text, int from)
{
    int end = from;
    while (end < text.size() && !isNameEnd(text.at(end)))
        ++end;
    return text.mid(from, end - from);
}

QByteArray localPart(const QByteArray &qualified)
{
    const int colon = qualified.lastIndexOf(':');
    return colon < 0 ? qualified : qualified.mid(colon + 1);
}

// The position just past the ">" of the end tag "</qualified ...>" at or after from; -1 when
// there is none.
int endTagEnd(const QByteArray &text, const QByteArray &qualified, int from)
{
    const QByteArray open = "</" + qualified;
    for (int at = text.indexOf(open, from); at >= 0; at = text.indexOf(open, at + 1)) {
        int pos = at + open.size();
        while (pos < text.size() && (text.at(pos) == ' ' || text.at(pos) == '\t' ||
                                     text.at(pos) == '\r' || text.at(pos) == '\n'))
            ++pos;
        if (pos < text.size() && text.at(pos) == '>')
            return pos + 1;
    }
    return -1;
}
} // namespace

ElementSpan findElement(const QByteArray &text, const QByteArray &localName, int from)
{
    ElementSpan span;
    int pos = from;
    while (pos < text.size()) {
        const int start = text.indexOf('<', pos);
        if (start < 0 || start + 1 >= text.size())
            return span;
        pos = start + 1;
        // Names inside comments and character data are text, not elements.
        if (text.mid(start, 4) == "<!--" || text.mid(start, 9) == "<![CDATA[") {
            const bool comment = text.at(start + 2) == '-';
            const int close = text.indexOf(comment ? "-->" : "]]>", start + 4);
            if (close < 0)
                return span;
            pos = close + 3;
            continue;
        }
        const char first = text.at(pos);
        if (first == '/' || first == '!' || first == '?')
            continue;
        const QByteArray qualified = tagName(text, pos);
        if (localPart(qualified) != localName)
            continue;
        span.start = start;
        const int close = text.indexOf('>', pos);
        if (close < 0) {
            span.next = text.size();
            return span;
        }
        span.next = close + 1;
        // Written as an empty tag, or never closed: the element has no content to take.
        if (text.at(close - 1) == '/')
            return span;
        const int end = endTagEnd(text, qualified, close + 1);
        if (end < 0)
            return span;
        span.contentStart = close + 1;
        span.contentEnd = text.lastIndexOf("</", end - 1);
        span.end = end;
        span.next = end;
        return span;
    }
    return span;
}

QList<QByteArray> cutElementTexts(const QByteArray &text, const QByteArray &localName)
{
    QList<QByteArray> texts;
    for (ElementSpan span = findElement(text, localName, 0); span.found();
         span = findElement(text, localName, span.next))
        texts << (span.cut() ? text.mid(span.start, span.end - span.start) : QByteArray());
    return texts;
}

QMap<QByteArray, QByteArray> sinMatchTable(const QList<QByteArray> &sins)
{
    QMap<QByteArray, QByteArray> table;
    SHA256 digest;
    for (const QByteArray &sin : sins)
        table.insert(digest(sin).toLower(), sin);
    return table;
}

QByteArray maskedSin(const QByteArray &sin)
{
    return sin.size() <= 5 ? QByteArray("xxxxx") : "xxxxx" + sin.mid(5);
}

QByteArray maskedIdentifier(const QByteArray &identifier)
{
    if (identifier.isEmpty())
        return QByteArray();
    return identifier.size() <= 5 ? QByteArray("xxxxx") : "xxxxx" + identifier.right(4);
}
