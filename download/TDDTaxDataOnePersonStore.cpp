// TDDTaxDataOnePerson: storing the record in the database.
#include "download/TDDTaxDataOnePerson.h"

#include <exception>

#include "app/TabWndApp.h"
#include "download/TddDataStore.h"
#include "ordane/Utilities.h"

namespace {
void logLine(FILE *log, const QByteArray &line)
{
    if (!log)
        return;
    std::fputs(line.constData(), log);
}
} // namespace

int TDDTaxDataOnePerson::saveToDatabase(QSqlDatabase &db, FILE *log, const QByteArray &sin,
                                        const QByteArray &itemXml) const
{
    try {
        const QByteArray createTime = getXMLDateTimeString(false).toUtf8();
        CString page;
        toHtml(page, sin.constData(), createTime.constData(), CString(governmentWebHost()));
        QString name;
        int id = findTaxpayerBySin(db, sin, name);
        if (id == 0) {
            logLine(log, QByteArray("cannot locate id=0\n"));
            id = insertTaxpayer(db, sin);
        }
        logLine(log, "save into id=" + QByteArray::number(id) + "\n");
        const int done = replaceTaxData(db, id, createTime, itemXml, page.toUtf8(), taxYear);
        logLine(log, "save into db=" + QByteArray::number(done) + "\n");
    } catch (const std::exception &) {
        logLine(log, "failed to save into db\n");
    }
    if (log)
        std::fflush(log);
    return 0;
}
