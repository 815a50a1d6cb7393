// CSqliteDBManager: opening, schema rules and the tb_retfile rows.
#include "app/CSqliteDBManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <climits>
#include <cmath>
#include <exception>
#include <iterator>

#include "app/ReturnFileEntriesModel.h"
#include "ordane/PrivateFiles.h"
#include "ordane/Utilities.h"

namespace {

// A file that is neither absent, empty nor a SQLite file is someone else's: SQLite would take
// one shorter than a page for an empty database and write over it.
bool mayOpenAsDatabase(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    if (!info.isFile())
        return false;
    if (info.size() == 0)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    static const char header[] = "SQLite format 3"; // 16 bytes with its NUL
    return file.read(sizeof header) == QByteArray(header, sizeof header);
}

// The six tables of the file, in the order they are created.
const char *const tableNames[] = {"tb_config",  "tb_taxpayers", "tb_retfile",
                                  "tb_taxdata", "tb_taxnoa",    "tb_history"};

bool run(const char *statement)
{
    QSqlQuery query;
    return query.exec(QString::fromLatin1(statement));
}

} // namespace

CSqliteDBManager::CSqliteDBManager() = default;

CSqliteDBManager::~CSqliteDBManager()
{
    close();
    releaseConnection();
}

void CSqliteDBManager::releaseConnection()
{
    if (m_db.isValid()) {
        m_db.close();
        const QString name = m_db.connectionName();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
}

void CSqliteDBManager::dbFileName(CString &name)
{
    name = CString("mydata") + "2025" + "n" + ".db";
}

DatabaseResult CSqliteDBManager::open(CString &path, bool *created)
{
    try {
        m_opened = false;
        if (created)
            *created = false;
        CString name;
        dbFileName(name);
        path = QDir::toNativeSeparators(path + "/" + name);

        // A second open (tests) replaces the connection without leaving a handle behind.
        if (m_db.isValid()) {
            m_db.close();
            m_db = QSqlDatabase();
        }
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
        m_db = QSqlDatabase::addDatabase("QSQLITE");
        m_db.setDatabaseName(path);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
        if (!mayOpenAsDatabase(path))
            return DatabaseResult::CannotOpen;
        // SQLite gives its journals the database's mode: both private.
        prepareFilePrivate(path);
        if (!m_db.open())
            return DatabaseResult::CannotOpen;

        bool madeConfig = false;
        // A file that could not be asked (locked, damaged, not a database) or that still lacks
        // a table is left as it is: starting on it would store nothing.
        if (!createTables(madeConfig) || !allTablesPresent()) {
            releaseConnection();
            return DatabaseResult::CannotOpen;
        }
        if (created)
            *created = madeConfig;
        m_opened = true;
        return DatabaseResult::Open;
    } catch (const std::exception &) {
        m_opened = false;
        return DatabaseResult::Exception;
    }
}

bool CSqliteDBManager::createTables(bool &configCreated)
{
    // Every state is known before anything is dropped: a table that could not be asked about
    // is never taken for a missing one.
    static_assert(std::size(tableNames) == kTables, "one state per table");
    TableState states[kTables];
    for (std::size_t i = 0; i < std::size(tableNames); ++i) {
        states[i] = tableState(tableNames[i]);
        if (states[i] == TableState::Unknown)
            return false;
    }
    configCreated = states[0] == TableState::Missing;
    if (std::find(std::begin(states), std::end(states), TableState::Missing) == std::end(states))
        return true;
    // One transaction for the whole shape: a first start syncs the disk once instead of once
    // a statement, and a file that still lacks a table afterwards (a name taken by a view)
    // is refused as it was, with none of the tables the rules drop emptied.
    if (!m_db.transaction())
        return false;
    if (!makeMissingTables(states, configCreated) || !allTablesPresent() || !m_db.commit()) {
        m_db.rollback();
        configCreated = false;
        return false;
    }
    return true;
}

bool CSqliteDBManager::makeMissingTables(const TableState (&states)[kTables], bool configCreated)
{
    const auto [config, taxpayers, retfile, taxdata, taxnoa, history] = states;
    Q_UNUSED(config); // configCreated says what its state means
    if (configCreated) {
        // A new tb_config empties the tables below: only once it really was made.
        if (!run("create table tb_config (id integer primary key autoincrement, name text, "
                 "value text)"))
            return false;
        run("create index idx_tb_config_name on tb_config (name)");
    }
    const char *createRetfile[] = {
        ("create table tb_retfile (id integer primary key autoincrement, name1 varchar(100), name2 "
         "varchar(100), uid1 integer, uid2 integer, filepath varchar(200), open_time datetime)"),
        "create index idx_tb_retfile_filepath on tb_retfile (filepath)",
        "create index idx_tb_retfile_names on tb_retfile (name1, name2)",
        "create index idx_tb_retfile_uid on tb_retfile (uid1, uid2)"};
    if (taxpayers == TableState::Missing || configCreated) {
        run("drop table if exists tb_taxpayers");
        run("drop table if exists tb_retfile");
        run("create table tb_taxpayers (id integer primary key autoincrement, name "
            "varchar(200), sin varchar(20), phone varchar(20), email varchar(80))");
        run("create index idx_tb_taxpayer_sin on tb_taxpayers (sin)");
        for (const char *statement : createRetfile)
            run(statement);
    } else if (retfile == TableState::Missing) {
        // Without this table no recent file could ever be recorded; the taxpayers stay.
        for (const char *statement : createRetfile)
            run(statement);
    }
    const char *createTaxnoa = "create table tb_taxnoa (id integer primary key autoincrement, "
                               "uid integer, create_time datetime, data1 text, htmlfile "
                               "varchar(256), taxyear integer)";
    const char *indexTaxnoa = "create index idx_tb_taxnoa_uid on tb_taxnoa (uid)";
    if (taxdata == TableState::Missing || configCreated) {
        run("drop table if exists tb_taxdata");
        run("create table tb_taxdata (id integer primary key autoincrement, uid integer, "
            "create_time datetime, data1 text, html1 text, taxyear integer)");
        run("create index idx_tb_taxdata_uid on tb_taxdata (uid)");
        run("drop table if exists tb_taxnoa");
        run(createTaxnoa);
        run(indexTaxnoa);
    } else if (taxnoa == TableState::Missing) {
        // Without this table no notice of assessment could ever be stored; the downloaded
        // tax data stays.
        run(createTaxnoa);
        run(indexTaxnoa);
    }
    if (history == TableState::Missing) {
        run("create table tb_history (id integer primary key autoincrement, uid integer, "
            "eventid integer, msg varchar(200), event_time datetime DEFAULT NULL)");
        run("create index idx_tb_history_uid on tb_history (uid)");
    }
    return true;
}

bool CSqliteDBManager::allTablesPresent()
{
    for (const char *table : tableNames) {
        if (tableState(table) != TableState::Present)
            return false;
    }
    return true;
}

CSqliteDBManager::TableState CSqliteDBManager::tableState(const char *table)
{
    QSqlQuery query;
    query.prepare("select count(*) from sqlite_master where type='table' and name=:name");
    query.bindValue(":name", QString::fromLatin1(table));
    if (!query.exec() || !query.next())
        return TableState::Unknown;
    return query.value(0).toInt() > 0 ? TableState::Present : TableState::Missing;
}

bool CSqliteDBManager::tableExists(const char *table)
{
    return tableState(table) == TableState::Present;
}

int CSqliteDBManager::close()
{
    if (m_opened && m_db.isOpen())
        m_db.close();
    m_opened = false;
    return 0;
}

int CSqliteDBManager::insertRetFile(const QByteArray &name1, const QByteArray &name2,
                                    const QByteArray &path)
{
    try {
        QSqlQuery query;
        query.prepare("insert into tb_retfile (name1, name2, filepath, open_time) values "
                      "(:name1,:name2, :path, datetime('now','localtime'))");
        query.bindValue(":name1", QString::fromUtf8(name1));
        query.bindValue(":name2", QString::fromUtf8(name2));
        query.bindValue(":path", QString::fromUtf8(path));
        if (!query.exec())
            return 0;
        return query.lastInsertId().toInt();
    } catch (const std::exception &) {
        return 0;
    }
}

RowChange CSqliteDBManager::deleteRetFileByPath(const QByteArray &path)
{
    try {
        QSqlQuery query;
        query.prepare("delete from tb_retfile where filepath=:path");
        query.bindValue(":path", QString::fromUtf8(path));
        query.exec();
        return RowChange::Done;
    } catch (const std::exception &) {
        return RowChange::Failed;
    }
}

RowChange CSqliteDBManager::deleteRetFileById(int id)
{
    try {
        QSqlQuery query;
        query.prepare("delete from tb_retfile where id=:id");
        query.bindValue(":id", id);
        query.exec();
        return RowChange::Deleted;
    } catch (const std::exception &) {
        return RowChange::Exception;
    }
}

int CSqliteDBManager::purgeMissingRetFiles()
{
    QList<int> missing;
    {
        QSqlQuery query;
        if (!query.exec("select id, filepath from tb_retfile"))
            return 0;
        while (query.next()) {
            if (!QFileInfo(query.value(1).toString()).isFile())
                missing.append(query.value(0).toInt());
        }
        query.finish();
    }
    for (int id : missing)
        deleteRetFileById(id);
    return missing.size();
}

int CSqliteDBManager::findRetFileByPath(const CString &path)
{
    try {
        QList<int> ids;
        {
            QSqlQuery query;
            query.prepare("select id from tb_retfile where filepath=:path order by open_time desc");
            query.bindValue(":path", QString(path));
            if (query.exec()) {
                while (query.next())
                    ids.append(query.value(0).toInt());
            }
            query.finish();
        }
        if (ids.isEmpty())
            return 0;
        for (int i = 1; i < ids.size(); ++i)
            deleteRetFileById(ids[i]);
        return ids.first();
    } catch (const std::exception &) {
        return resultNumber(RowChange::Exception);
    }
}

int CSqliteDBManager::saveRetFile(const CString &name1, const CString &name2, const CString &path)
{
    const int id = findRetFileByPath(path);
    if (id > 0) {
        QSqlQuery query;
        query.prepare("update tb_retfile set name1=:name1, name2=:name2, filepath=:path, "
                      "open_time=datetime('now','localtime') where id=:id");
        query.bindValue(":name1", QString(name1));
        query.bindValue(":name2", QString(name2));
        query.bindValue(":path", QString(path));
        query.bindValue(":id", id);
        return query.exec() ? id : 0;
    }
    return insertRetFile(name1.toUtf8(), name2.toUtf8(), path.toUtf8());
}

int CSqliteDBManager::loadRetFiles(ReturnFileEntriesModel *model, const CString &filter)
{
    try {
        model->clearEntries();
        QString sql = "select id, name1, name2, filepath, open_time from tb_retfile";
        // The pattern is a bound value, so a quote in the filter is just a character while
        // its own "%" and "_" keep their LIKE meaning.
        if (!filter.isEmpty())
            sql += " where name1 like :pattern1 or name2 like :pattern2";
        sql += " order by open_time desc, id";
        QSqlQuery query;
        query.prepare(sql);
        if (!filter.isEmpty()) {
            const QString pattern = "%" + filter + "%";
            query.bindValue(":pattern1", pattern);
            query.bindValue(":pattern2", pattern);
        }
        if (!query.exec())
            return 0;
        int count = 0;
        while (query.next()) {
            CString name = query.value(1).toString();
            const QString name2 = query.value(2).toString();
            if (!name2.isEmpty())
                name += " & " + name2;
            model->appendEntry(new ReturnFileEntry(query.value(0).toInt(), name,
                                                   query.value(4).toString(),
                                                   query.value(3).toString()));
            ++count;
        }
        return count;
    } catch (const std::exception &) {
        return resultNumber(RowChange::Exception);
    }
}

int CSqliteDBManager::getConfig(const char *key, CString &value, int native)
{
    try {
        QSqlQuery query;
        query.prepare("select id, value from tb_config where name=:name order by id desc");
        query.bindValue(":name", QString::fromUtf8(key));
        if (!query.exec() || !query.next())
            return 0;
        QString text = query.value(1).toString().trimmed();
        if (native == 1)
            text = QDir::toNativeSeparators(text);
        value = text;
        return query.value(0).toInt();
    } catch (const std::exception &) {
        return resultNumber(RowChange::Exception);
    }
}

RowChange CSqliteDBManager::setConfig(const char *key, const CString &value, int native)
{
    try {
        CString old;
        const int id = getConfig(key, old);
        // An empty text is bound as "", never as a null QString, which the driver stores as NULL.
        QSqlQuery query;
        if (id < 1) {
            QString text = value.trimmed();
            if (native == 1)
                text = QDir::toNativeSeparators(text);
            query.prepare("insert into tb_config (name, value) values (:name,:value)");
            query.bindValue(":name", QString::fromUtf8(key));
            query.bindValue(":value", text.isNull() ? QString(QLatin1String("")) : text);
        } else {
            query.prepare("update tb_config set value=? where id=?");
            query.addBindValue(value.isNull() ? QString(QLatin1String("")) : QString(value));
            query.addBindValue(id);
        }
        return query.exec() ? RowChange::Done : RowChange::Failed;
    } catch (const std::exception &) {
        return RowChange::Exception;
    }
}

int CSqliteDBManager::getConfigInt(const char *key, int &value)
{
    CString text;
    const int id = getConfig(key, text);
    if (id > 0) {
        // A number beyond an int (a damaged or hand-edited row) is held at the int's limit:
        // converting it as it stands would be undefined.
        const double number = myStringToDouble(text);
        value = std::isnan(number) ? 0 : static_cast<int>(qBound<double>(INT_MIN, number, INT_MAX));
    }
    return id;
}

int CSqliteDBManager::getConfigBool(const char *key, bool &value)
{
    int number = 0;
    const int id = getConfigInt(key, number);
    if (id > 0)
        value = number != 0;
    return id;
}

RowChange CSqliteDBManager::setConfigInt(const char *key, int value)
{
    return setConfig(key, CString::formatted("%d", value));
}

RowChange CSqliteDBManager::setConfigBool(const char *key, bool value)
{
    return setConfig(key, CString(value ? "1" : "0"));
}
