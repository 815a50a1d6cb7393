// CSqliteDBManager: schema on fresh and prepared files, open failure, recent-file rows, and a
// worker's own connection beside the GUI thread's.
#include <QtTest>

#include <QSemaphore>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <memory>

#include "ScriptedPresenter.h"
#include "TestEnvironment.h"
#include "TestMain.h"
#include "app/CSqliteDBManager.h"
#include "app/TabWndApp.h"

namespace {

const QStringList tables = {"tb_config",  "tb_taxpayers", "tb_retfile",
                            "tb_taxdata", "tb_taxnoa",    "tb_history"};

QStringList query(const QString &sql, const QString &connection = QString())
{
    QSqlQuery q(connection.isEmpty() ? QSqlDatabase::database()
                                     : QSqlDatabase::database(connection));
    QStringList rows;
    if (!q.exec(sql))
        return {"error: " + q.lastError().text()};
    while (q.next()) {
        QStringList cols;
        for (int i = 0; i < q.record().count(); ++i)
            cols.append(q.value(i).toString());
        rows.append(cols.join('|'));
    }
    return rows;
}

// Row count of each of the six tables, -1 for a missing one.
QList<int> rowCounts(const QString &connection = QString())
{
    QList<int> counts;
    for (const QString &t : tables) {
        const QStringList r = query("select count(*) from " + t, connection);
        counts.append(r.first().startsWith("error") ? -1 : r.first().toInt());
    }
    return counts;
}

// A database in folder with the six tables and one row in each.
void makeFilledDatabase(const QString &folder)
{
    QDir().mkpath(folder);
    CSqliteDBManager db;
    CString path = folder;
    QCOMPARE(db.open(path), DatabaseResult::Open);
    for (const QString &t : tables)
        QVERIFY(QSqlQuery().exec("insert into " + t + " (id) values (1)"));
}

// Row counts of the file, read on a connection of its own.
QList<int> rowCountsOf(const QString &file)
{
    QList<int> counts;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "inspect");
        db.setDatabaseName(file);
        if (db.open())
            counts = rowCounts("inspect");
        db.close();
    }
    QSqlDatabase::removeDatabase("inspect");
    return counts;
}

QByteArray readAll(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// A manager's open of folder's file is refused (103), nothing marked open or created.
void expectRefused(const QString &folder, int busyTimeoutMs)
{
    CSqliteDBManager db;
    db.setBusyTimeout(busyTimeoutMs);
    CString path = folder;
    bool created = true;
    QCOMPARE(db.open(path, &created), DatabaseResult::CannotOpen);
    QVERIFY(!db.isOpened());
    QVERIFY(!created);
}

// Holds an exclusive lock on a database file through a connection of its own.
class ExclusiveLock
{
public:
    explicit ExclusiveLock(const QString &file)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "locker");
        db.setDatabaseName(file);
        m_locked = db.open() && QSqlQuery(db).exec("begin exclusive");
    }
    ~ExclusiveLock()
    {
        {
            QSqlDatabase db = QSqlDatabase::database("locker");
            QSqlQuery(db).exec("rollback");
            db.close();
        }
        QSqlDatabase::removeDatabase("locker");
    }
    bool isLocked() const { return m_locked; }

private:
    bool m_locked = false;
};

// Bytes that no SQLite header starts with.
QByteArray noise(int size)
{
    QByteArray bytes(size, '\0');
    quint32 x = 2463534242u;
    for (char &c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = char(x);
    }
    return bytes;
}

} // namespace

class TestCSqliteDBManager : public QObject
{
    Q_OBJECT
private slots:
    void freshFile();
    void preparedFiles_data();
    void preparedFiles();
    void openFailsWhereFolderIsAFile();
    void lockedFileKeepsRows();
    void tableNotMadeKeepsRows_data();
    void tableNotMadeKeepsRows();
    void notADatabase_data();
    void notADatabase();
    void startUpRefusesUnusableFile_data();
    void startUpRefusesUnusableFile();
    void findKeepsNewestRow();
    void saveUpdatesOrInserts();
    void deleteAndPurge();
    void workerConnection();
};

void TestCSqliteDBManager::freshFile()
{
    QTemporaryDir dir;
    CSqliteDBManager db;
    CString path = dir.path();
    bool created = false;
    QCOMPARE(db.open(path, &created), DatabaseResult::Open);
    QVERIFY(created);
    QVERIFY(db.isOpened());
    QCOMPARE(QString(path), dir.path() + "/mydata2025n.db");
    QCOMPARE(query("select type, name, sql from sqlite_master order by rowid"),
             QStringList({
                 "table|tb_config|CREATE TABLE tb_config (id integer primary key autoincrement, "
                 "name text, value text)",
                 "table|sqlite_sequence|CREATE TABLE sqlite_sequence(name,seq)",
                 "index|idx_tb_config_name|CREATE INDEX idx_tb_config_name on tb_config (name)",
                 "table|tb_taxpayers|CREATE TABLE tb_taxpayers (id integer primary key "
                 "autoincrement, name varchar(200), sin varchar(20), phone varchar(20), email "
                 "varchar(80))",
                 "index|idx_tb_taxpayer_sin|CREATE INDEX idx_tb_taxpayer_sin on tb_taxpayers (sin)",
                 "table|tb_retfile|CREATE TABLE tb_retfile (id integer primary key autoincrement, "
                 "name1 varchar(100), name2 varchar(100), uid1 integer, uid2 integer, filepath "
                 "varchar(200), open_time datetime)",
                 "index|idx_tb_retfile_filepath|CREATE INDEX idx_tb_retfile_filepath on tb_retfile "
                 "(filepath)",
                 "index|idx_tb_retfile_names|CREATE INDEX idx_tb_retfile_names on tb_retfile "
                 "(name1, name2)",
                 "index|idx_tb_retfile_uid|CREATE INDEX idx_tb_retfile_uid on tb_retfile (uid1, "
                 "uid2)",
                 "table|tb_taxdata|CREATE TABLE tb_taxdata (id integer primary key autoincrement, "
                 "uid integer, create_time datetime, data1 text, html1 text, taxyear integer)",
                 "index|idx_tb_taxdata_uid|CREATE INDEX idx_tb_taxdata_uid on tb_taxdata (uid)",
                 "table|tb_taxnoa|CREATE TABLE tb_taxnoa (id integer primary key autoincrement, "
                 "uid integer, create_time datetime, data1 text, htmlfile varchar(256), taxyear "
                 "integer)",
                 "index|idx_tb_taxnoa_uid|CREATE INDEX idx_tb_taxnoa_uid on tb_taxnoa (uid)",
                 "table|tb_history|CREATE TABLE tb_history (id integer primary key autoincrement, "
                 "uid integer, eventid integer, msg varchar(200), event_time datetime DEFAULT "
                 "NULL)",
                 "index|idx_tb_history_uid|CREATE INDEX idx_tb_history_uid on tb_history (uid)",
             }));
    QCOMPARE(rowCounts(), (QList<int>{0, 0, 0, 0, 0, 0}));
}

void TestCSqliteDBManager::preparedFiles_data()
{
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<bool>("created");
    QTest::addColumn<QList<int>>("counts"); // rows left in each table after the second open
    QTest::newRow("complete") << QStringList() << false << QList<int>{1, 1, 1, 1, 1, 1};
    QTest::newRow("no tb_config") << QStringList{"tb_config"} << true
                                  << QList<int>{0, 0, 0, 0, 0, 1};
    QTest::newRow("no tb_taxpayers")
        << QStringList{"tb_taxpayers"} << false << QList<int>{1, 0, 0, 1, 1, 1};
    QTest::newRow("no tb_retfile")
        << QStringList{"tb_retfile"} << false << QList<int>{1, 1, 0, 1, 1, 1};
    QTest::newRow("no tb_taxdata")
        << QStringList{"tb_taxdata"} << false << QList<int>{1, 1, 1, 0, 0, 1};
    QTest::newRow("no tb_taxnoa") << QStringList{"tb_taxnoa"} << false
                                  << QList<int>{1, 1, 1, 1, 0, 1};
    QTest::newRow("no tb_history")
        << QStringList{"tb_history"} << false << QList<int>{1, 1, 1, 1, 1, 0};
    QTest::newRow("only tb_history left")
        << QStringList{"tb_config", "tb_taxpayers", "tb_retfile", "tb_taxdata", "tb_taxnoa"} << true
        << QList<int>{0, 0, 0, 0, 0, 1};
}

void TestCSqliteDBManager::preparedFiles()
{
    QFETCH(QStringList, dropped);
    QTemporaryDir dir;
    CString path = dir.path();
    {
        CSqliteDBManager first;
        QCOMPARE(first.open(path), DatabaseResult::Open);
        for (const QString &t : tables)
            QVERIFY(QSqlQuery().exec("insert into " + t + " (id) values (1)"));
        for (const QString &t : dropped)
            QVERIFY(QSqlQuery().exec("drop table " + t));
    }
    CSqliteDBManager second;
    CString again = dir.path();
    bool created = false;
    QCOMPARE(second.open(again, &created), DatabaseResult::Open);
    QTEST(created, "created");
    QTEST(rowCounts(), "counts");
    // Whatever was recreated or kept, every table and index is in place again.
    QCOMPARE(query("select count(*) from sqlite_master where type='index'"), QStringList{"8"});
    QVERIFY(QSqlQuery().exec("insert into tb_taxnoa (uid, data1) values (7, 'noa')"));
}

void TestCSqliteDBManager::openFailsWhereFolderIsAFile()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("._sys"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    CSqliteDBManager db;
    CString path = dir.filePath("._sys");
    QCOMPARE(db.open(path), DatabaseResult::CannotOpen);
    QVERIFY(!db.isOpened());
    QCOMPARE(QString(path), dir.filePath("._sys/mydata2025n.db"));
}

void TestCSqliteDBManager::lockedFileKeepsRows()
{
    QTemporaryDir dir;
    makeFilledDatabase(dir.path());
    const QString file = dir.filePath("mydata2025n.db");
    {
        ExclusiveLock lock(file);
        QVERIFY(lock.isLocked());
        expectRefused(dir.path(), 50);
    }
    QCOMPARE(rowCountsOf(file), (QList<int>{1, 1, 1, 1, 1, 1}));
    // Once the lock is gone the same file opens with its rows.
    CSqliteDBManager db;
    CString path = dir.path();
    QCOMPARE(db.open(path), DatabaseResult::Open);
    QCOMPARE(rowCounts(), (QList<int>{1, 1, 1, 1, 1, 1}));
}

void TestCSqliteDBManager::tableNotMadeKeepsRows_data()
{
    QTest::addColumn<QString>("view");
    // The tables recreated for a new tb_config are never emptied, whichever cannot be made.
    QTest::newRow("tb_config cannot be made") << "tb_config";
    QTest::newRow("tb_history cannot be made after tb_config") << "tb_history";
}

// A table that cannot be made (its name taken by a view) empties nothing: the tables the rule
// would recreate for a new tb_config keep their rows.
void TestCSqliteDBManager::tableNotMadeKeepsRows()
{
    QFETCH(QString, view);
    QTemporaryDir dir;
    makeFilledDatabase(dir.path());
    const QString file = dir.filePath("mydata2025n.db");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "reshape");
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec("drop table tb_config"));
        if (view != "tb_config")
            QVERIFY(QSqlQuery(db).exec("drop table " + view));
        QVERIFY(QSqlQuery(db).exec("create view " + view + " as select 1 as id"));
        db.close();
    }
    QSqlDatabase::removeDatabase("reshape");
    expectRefused(dir.path(), 5000);
    const int configRows = view == "tb_config" ? 1 : -1;
    QCOMPARE(rowCountsOf(file), (QList<int>{configRows, 1, 1, 1, 1, 1}));
}

void TestCSqliteDBManager::notADatabase_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("one byte") << noise(1);
    QTest::newRow("random 300 bytes") << noise(300);
    QTest::newRow("random 4 KiB") << noise(4096);
    QTest::newRow("text") << QByteArray("LeftX=20\nLeftY=60\n").repeated(40);
}

void TestCSqliteDBManager::notADatabase()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString file = dir.filePath("mydata2025n.db");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(content), qint64(content.size()));
    f.close();
    {
        CSqliteDBManager db;
        CString path = dir.path();
        QCOMPARE(db.open(path), DatabaseResult::CannotOpen);
        QVERIFY(!db.isOpened());
    }
    QCOMPARE(readAll(file), content);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"mydata2025n.db"});
}

void TestCSqliteDBManager::startUpRefusesUnusableFile_data()
{
    QTest::addColumn<bool>("locked");
    QTest::newRow("locked past the busy time-out") << true;
    QTest::newRow("random bytes") << false;
}

void TestCSqliteDBManager::startUpRefusesUnusableFile()
{
    QFETCH(bool, locked);
    TabWndApp *app = appInstance();
    const QString sys = testEnvironment().appLocalDataPath() + "/._sys";
    const QString file = sys + "/mydata2025n.db";
    QDir(sys).removeRecursively();
    if (locked) {
        makeFilledDatabase(sys);
    } else {
        QDir().mkpath(sys);
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(noise(4096));
    }
    const QByteArray before = readAll(file);

    ScriptedPresenter presenter;
    std::unique_ptr<ExclusiveLock> lock;
    if (locked) {
        lock = std::make_unique<ExclusiveLock>(file);
        QVERIFY(lock->isLocked());
    }
    app->dbManager.setBusyTimeout(50);
    const StartUpResult result = app->startUp();
    app->dbManager.setBusyTimeout(5000);
    lock.reset();
    QCOMPARE(result, StartUpResult::DatabaseNotOpen);
    QVERIFY(!app->dbManager.isOpened());
    QCOMPARE(presenter.shown().size(), 1);
    QCOMPARE(presenter.shown()[0].kind, QString("critical"));
    QCOMPARE(presenter.shown()[0].title, QString("Error"));
    QCOMPARE(presenter.shown()[0].text,
             "Program cannot read/write config file " + QDir::toNativeSeparators(file) + ".");
    if (locked)
        QCOMPARE(rowCountsOf(file), (QList<int>{1, 1, 1, 1, 1, 1}));
    else
        QCOMPARE(readAll(file), before);
}

void TestCSqliteDBManager::findKeepsNewestRow()
{
    QTemporaryDir dir;
    CSqliteDBManager db;
    CString path = dir.path();
    QCOMPARE(db.open(path), DatabaseResult::Open);
    for (const char *time : {"2025-03-01 10:00:00", "2025-05-01 10:00:00", "2025-04-01 10:00:00"})
        QVERIFY(QSqlQuery().exec(QString("insert into tb_retfile (name1, filepath, open_time) "
                                         "values ('A', '/r/a.r25', '%1')")
                                     .arg(time)));
    QVERIFY(QSqlQuery().exec("insert into tb_retfile (name1, filepath, open_time) values "
                             "('B', '/r/b.r25', '2025-06-01 10:00:00')"));
    QCOMPARE(CSqliteDBManager::findRetFileByPath("/r/a.r25"), 2);
    QCOMPARE(query("select id, filepath from tb_retfile order by id"),
             (QStringList{"2|/r/a.r25", "4|/r/b.r25"}));
    QCOMPARE(CSqliteDBManager::findRetFileByPath("/r/A.r25"), 0);
}

void TestCSqliteDBManager::saveUpdatesOrInserts()
{
    QTemporaryDir dir;
    CSqliteDBManager db;
    CString path = dir.path();
    QCOMPARE(db.open(path), DatabaseResult::Open);
    const int id = CSqliteDBManager::saveRetFile("Jane Roe", "", QString::fromUtf8("/r/é.r25"));
    QCOMPARE(id, 1);
    QVERIFY(QSqlQuery().exec("update tb_retfile set open_time='2000-01-01 00:00:00'"));
    QCOMPARE(CSqliteDBManager::saveRetFile("Jane Roe", "John Roe", QString::fromUtf8("/r/é.r25")),
             1);
    const QStringList rows = query("select id, name1, name2, filepath, uid1 is null, open_time "
                                   "> '2000-01-01 00:00:00' from tb_retfile");
    QCOMPARE(rows, QStringList{QString::fromUtf8("1|Jane Roe|John Roe|/r/é.r25|1|1")});
    QCOMPARE(CSqliteDBManager::saveRetFile("X", "", "/r/x.r25"), 2);
    QCOMPARE(CSqliteDBManager::insertRetFile("Y", "", "/r/x.r25"), 3);
}

void TestCSqliteDBManager::deleteAndPurge()
{
    QTemporaryDir dir;
    CSqliteDBManager db;
    CString path = dir.path();
    QCOMPARE(db.open(path), DatabaseResult::Open);
    QFile kept(dir.filePath("kept.r25"));
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.close();
    QDir().mkdir(dir.filePath("folder.r25"));
    CSqliteDBManager::insertRetFile("A", "", kept.fileName().toUtf8());
    CSqliteDBManager::insertRetFile("B", "", dir.filePath("folder.r25").toUtf8());
    CSqliteDBManager::insertRetFile("C", "", dir.filePath("gone.r25").toUtf8());
    CSqliteDBManager::insertRetFile("D", "", "/r/d.r25");
    CSqliteDBManager::insertRetFile("E", "", "/r/d.r25");
    QCOMPARE(CSqliteDBManager::deleteRetFileByPath("/r/d.r25"), RowChange::Done);
    QCOMPARE(query("select name1 from tb_retfile order by id"), (QStringList{"A", "B", "C"}));
    QCOMPARE(CSqliteDBManager::purgeMissingRetFiles(), 2);
    QCOMPARE(query("select name1 from tb_retfile"), QStringList{"A"});
    QCOMPARE(CSqliteDBManager::deleteRetFileById(1), RowChange::Deleted);
    QCOMPARE(query("select count(*) from tb_retfile"), QStringList{"0"});
}

void TestCSqliteDBManager::workerConnection()
{
    TabWndApp *app = appInstance();
    QTemporaryDir dir;
    QCOMPARE(app->openDatabase(dir.path()), OpenDatabaseResult::Open);
    QCOMPARE(QString(app->dbPath), dir.filePath("mydata2025n.db"));

    // The worker writes a row, the GUI thread reads it on its own connection, in turn.
    QSemaphore written, read;
    bool opened = false;
    QThread *worker = QThread::create([&] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "TDD_DB_Connection");
            opened = app->openWorkerConnection(db);
            for (int i = 0; i < 3; ++i) {
                QSqlQuery q(db);
                q.prepare("insert into tb_taxdata (uid, data1, taxyear) values (:uid, 'x', 2025)");
                q.bindValue(":uid", i + 1);
                q.exec();
                written.release();
                read.acquire();
            }
            closeWorkerConnection(db);
        }
        QSqlDatabase::removeDatabase("TDD_DB_Connection");
    });
    worker->start();
    // Compared only after the worker has ended: a failed comparison returns at once and must
    // not leave the worker waiting for its turn.
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        written.acquire();
        seen += query("select count(*), max(uid) from tb_taxdata");
        read.release();
    }
    worker->wait();
    delete worker;
    QVERIFY(opened);
    QCOMPARE(seen, (QStringList{"1|1", "2|2", "3|3"}));
    app->dbManager.close();
}

QV_TEST_MAIN(TestCSqliteDBManager)
#include "tst_CSqliteDBManager.moc"
