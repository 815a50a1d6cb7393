// DlgTDDMain: the statements on the stored downloads (list, page, record, delete).
#include "download/DlgTDDMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <tinyxml.h>

#include "app/TabWndApp.h"
#include "download/TDDDataEntriesModel.h"
#include "download/TDDTaxDataOnePerson.h"
#include "download/TddDataStore.h"
#include "ordane/XmlParse.h"

namespace {
const char *const kListTaxData =
    "select p.sin, d.id, d.create_time, d.taxyear from tb_taxdata d, tb_taxpayers p where "
    "d.uid=p.id order by create_time desc";
const char *const kListNoa =
    "select p.sin, d.id, d.create_time, d.taxyear from tb_taxnoa d, tb_taxpayers p where "
    "d.uid=p.id order by create_time desc";
const char *const kPageTaxData =
    "select p.sin, html1, create_time, taxyear from tb_taxdata d, tb_taxpayers p where d.id=:id "
    "and p.id=d.uid order by create_time desc";
const char *const kPageNoa =
    "select p.sin, htmlfile, create_time from tb_taxnoa d, tb_taxpayers p where d.id=:id and "
    "p.id=d.uid order by create_time desc";
const char *const kRecordTaxData =
    "select data1, create_time from tb_taxdata where id=:id order by create_time desc";
const char *const kDeleteTaxData = "delete from tb_taxdata where id=:uid";
const char *const kDeleteNoa = "delete from tb_taxnoa where id=:uid";
} // namespace

void DlgTDDMain::logDatabaseFailure(const char *what, const QString &error) const
{
    if (TabWndApp *app = appInstance())
        app->writeLogLine(QByteArray("download manager: ") + what + " failed: " + error.toUtf8());
}

void DlgTDDMain::reloadRecords()
{
    m_model->clear();
    if (m_mode == 1)
        loadTaxDataRecords();
    else
        loadNoaRecords();
}

namespace {
// Appends one entry per row of the list statement; the number appended.
int appendRows(QSqlQuery &query, TDDDataEntriesModel &model)
{
    int appended = 0;
    while (query.next()) {
        model.appendEntry(TDDDataEntriesModel::makeEntry(
            query.value("id").toInt(), CString(query.value("sin").toString()),
            CString(query.value("create_time").toString()), query.value("taxyear").toInt()));
        ++appended;
    }
    return appended;
}
} // namespace

int DlgTDDMain::loadTaxDataRecords()
{
    QSqlQuery query(m_db);
    if (!query.exec(QString::fromLatin1(kListTaxData))) {
        logDatabaseFailure("listing tb_taxdata", query.lastError().text());
        return 0;
    }
    return appendRows(query, *m_model);
}

int DlgTDDMain::loadNoaRecords()
{
    QSqlQuery query(m_db);
    if (!query.exec(QString::fromLatin1(kListNoa))) {
        logDatabaseFailure("listing tb_taxnoa", query.lastError().text());
        return 0;
    }
    return appendRows(query, *m_model);
}

bool DlgTDDMain::recordHtml(int id, CString &sin, CString &page)
{
    sin.clear();
    page.clear();
    QSqlQuery query(m_db);
    const bool prepared = query.prepare(QString::fromLatin1(m_mode == 1 ? kPageTaxData : kPageNoa));
    query.bindValue(QStringLiteral(":id"), id);
    if (!prepared || !query.exec()) {
        logDatabaseFailure("reading a stored page", query.lastError().text());
        return false;
    }
    if (!query.next())
        return false;
    sin = CString(query.value("sin").toString());
    page = CString(query.value(m_mode == 1 ? "html1" : "htmlfile").toString());
    return true;
}

StoredDownloadRead DlgTDDMain::loadTaxDataRecord(int id, TDDTaxDataOnePerson &record)
{
    QSqlQuery query(m_db);
    const bool prepared = query.prepare(QString::fromLatin1(kRecordTaxData));
    query.bindValue(QStringLiteral(":id"), id);
    if (!prepared || !query.exec()) {
        logDatabaseFailure("reading a stored download", query.lastError().text());
        return StoredDownloadRead::DatabaseFailed;
    }
    if (!query.next())
        return StoredDownloadRead::NoRow;
    TiXmlDocument doc;
    if (!parseXmlDocument(doc, query.value("data1").toString().toUtf8()))
        return StoredDownloadRead::NotParsed;
    record.parseItem(doc.FirstChildElement());
    return StoredDownloadRead::Loaded;
}

bool DlgTDDMain::isInsideFolder(const QString &path, const QString &folder)
{
    if (path.isEmpty() || folder.isEmpty())
        return false;
    const QFileInfo file(path);
    // Both resolved, so neither "..", a link nor a second spelling reaches outside the folder.
    const QString root = QDir(folder).canonicalPath();
    const QString target = file.canonicalFilePath();
    return file.isFile() && !root.isEmpty() && !target.isEmpty() &&
           target.startsWith(root + QLatin1Char('/'));
}

int DlgTDDMain::deleteRecord(int id)
{
    if (m_mode != 1) {
        CString sin;
        CString page;
        // A stored message names no file, and a page is deleted only inside the notice folder:
        // an edited database must not make Remove delete any other file.
        TabWndApp *app = appInstance();
        if (recordHtml(id, sin, page) && app && isInsideFolder(page, app->config.NoaPath))
            QFile::remove(page);
    }
    QSqlQuery query(m_db);
    const bool prepared =
        query.prepare(QString::fromLatin1(m_mode == 1 ? kDeleteTaxData : kDeleteNoa));
    query.bindValue(QStringLiteral(":uid"), id);
    if (!prepared || !query.exec())
        logDatabaseFailure("deleting a stored download", query.lastError().text());
    return 0;
}

bool DlgTDDMain::identifierNamesSin(const QByteArray &identifier, const QByteArray &sin)
{
    if (identifier.isEmpty() || sin.isEmpty())
        return false;
    return identifier == sin || sinMatchTable({sin}).contains(identifier.toLower());
}
