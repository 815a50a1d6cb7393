// Recent return files: the model's rows, texts and signals, the listing's filter and order,
// and the application's record and remove operations.
#include <QtTest>

#include <QAbstractItemModelTester>
#include <QSqlQuery>

#include "TestMain.h"
#include "app/CSqliteDBManager.h"
#include "app/ReturnFileEntriesModel.h"
#include "app/TabWndApp.h"

namespace {

struct Row
{
    QString name1, name2, path, openTime;
};

void insertRows(const QList<Row> &rows)
{
    for (const Row &r : rows) {
        QSqlQuery q;
        q.prepare("insert into tb_retfile (name1, name2, filepath, open_time) values (?, ?, ?, ?)");
        q.addBindValue(r.name1);
        q.addBindValue(r.name2);
        q.addBindValue(r.path);
        q.addBindValue(r.openTime);
        QVERIFY(q.exec());
    }
}

QStringList column(const QAbstractItemModel &model, int col)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.data(model.index(row, col)).toString());
    return texts;
}

QStringList tablePaths()
{
    QSqlQuery q("select filepath from tb_retfile order by id");
    QStringList paths;
    while (q.next())
        paths.append(q.value(0).toString());
    return paths;
}

// Signal arguments as "first-last" texts.
QStringList ranges(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &args : spy)
        out.append(QString("%1-%2").arg(args.at(1).toInt()).arg(args.at(2).toInt()));
    return out;
}

} // namespace

class TestRecentReturns : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void modelTester();
    void texts();
    void appendRemoveClearSignals();
    void listing_data();
    void listing();
    void listingJoinsNames();
    void reloadReplacesContent();
    void recordRecentReturn();
    void removeRecentReturn_data();
    void removeRecentReturn();

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestRecentReturns::init()
{
    m_dir.reset(new QTemporaryDir);
    QCOMPARE(appInstance()->openDatabase(m_dir->path()), OpenDatabaseResult::Open);
    appInstance()->retFileModel->clearEntries();
}

void TestRecentReturns::modelTester()
{
    ReturnFileEntriesModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int i = 0; i < 4; ++i)
        model.appendEntry(
            new ReturnFileEntry(i + 1, QString("n%1").arg(i), "t", QString("/p%1").arg(i)));
    QVERIFY(model.removeEntryAt(1));
    QVERIFY(!model.removeEntryAt(3));
    QVERIFY(!model.removeEntryAt(-1));
    model.clearEntries();
    model.clearEntries();
    insertRows({{"Ann", "", "/a.r25", "2026-01-01 10:00:00"},
                {"Bo", "Cy", "/b.r25", "2026-01-02 10:00:00"}});
    QCOMPARE(CSqliteDBManager::loadRetFiles(&model, ""), 2);
    QCOMPARE(CSqliteDBManager::loadRetFiles(&model, "zzz"), 0);
}

void TestRecentReturns::texts()
{
    ReturnFileEntriesModel model;
    model.appendEntry(new ReturnFileEntry(7, "Ann & Bo", "2026-02-01 09:30:00", "/home/u/a.r25"));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.columnCount(), 3);
    // Items have no children: a flat table, not an endless tree.
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    QCOMPARE(model.columnCount(model.index(0, 0)), 0);
    QCOMPARE(column(model, 0), QStringList{"Ann & Bo"});
    QCOMPARE(column(model, 1), QStringList{"2026-02-01 09:30:00"});
    QCOMPARE(column(model, 2), QStringList{"/home/u/a.r25"});
    QCOMPARE(model.data(model.index(0, 2), Qt::EditRole).toString(), QString("/home/u/a.r25"));
    QVERIFY(!model.data(model.index(0, 0), Qt::ToolTipRole).isValid());
    QVERIFY(!model.data(model.index(1, 0)).isValid());
    QVERIFY(!model.data(QModelIndex()).isValid());

    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Tax Payer's Name"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Last Open Time"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QString("Return File Path"));
    QVERIFY(!model.headerData(3, Qt::Horizontal).isValid());
    QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::EditRole).isValid());

    QCOMPARE(QString(model.filePathAt(0)), QString("/home/u/a.r25"));
    QCOMPARE(QString(model.filePathAt(1)), QString());
    QCOMPARE(QString(model.filePathAt(-1)), QString());
    QCOMPARE(QString(model.filePathOf(model.index(0, 1))), QString("/home/u/a.r25"));
    QCOMPARE(QString(model.filePathOf(QModelIndex())), QString());
    QCOMPARE(model.entryAt(0)->id(), 7);
    QCOMPARE(model.entryCount(), 1);
}

void TestRecentReturns::appendRemoveClearSignals()
{
    ReturnFileEntriesModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    for (int i = 0; i < 5; ++i)
        model.appendEntry(new ReturnFileEntry(i, "n", "t", QString("/p%1").arg(i)));
    QCOMPARE(ranges(inserted), (QStringList{"0-0", "1-1", "2-2", "3-3", "4-4"}));

    QVERIFY(!model.removeEntryAt(5));
    QCOMPARE(removed.count(), 0);
    QVERIFY(model.removeEntryAt(2));
    QCOMPARE(ranges(removed), QStringList{"2-2"});
    QCOMPARE(QString(model.filePathAt(2)), QString("/p3"));

    model.appendEntry(new ReturnFileEntry(9, "n", "t", "/p9"));
    removed.clear();
    model.clearEntries();
    QCOMPARE(ranges(removed), QStringList{"0-4"});
    QCOMPARE(model.rowCount(), 0);
    model.clearEntries();
    QCOMPARE(removed.count(), 1);
}

void TestRecentReturns::listing_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("paths");
    // Rows as inserted (ids 1 to 6); equal open times list by ascending id.
    QTest::newRow("empty filter, newest first")
        << "" << QStringList{"/6", "/3", "/4", "/5", "/1", "/2"};
    QTest::newRow("letters, any case") << "SMITH" << QStringList{"/3", "/1"};
    QTest::newRow("matches name2") << "lee" << QStringList{"/4", "/2"};
    QTest::newRow("percent matches every row")
        << "%" << QStringList{"/6", "/3", "/4", "/5", "/1", "/2"};
    QTest::newRow("underscore is one character") << "J_n" << QStringList{"/3", "/1"};
    QTest::newRow("apostrophe matched literally") << "O'Br" << QStringList{"/5"};
    QTest::newRow("quote only") << "'" << QStringList{"/5"};
    QTest::newRow("injection text") << "' or 1=1 --" << QStringList{};
    QTest::newRow("no match") << "zzz" << QStringList{};
}

void TestRecentReturns::listing()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, paths);
    insertRows({{"Jan Smith", "", "/1", "2026-01-01 10:00:00"},
                {"Ann", "Bo Lee", "/2", "2025-12-31 23:59:59"},
                {"Jon SMITHSON", "", "/3", "2026-01-05 08:00:00"},
                {"Lee Wong", "", "/4", "2026-01-05 08:00:00"},
                {"Pat O'Brien", "", "/5", "2026-01-05 08:00:00"},
                {"Zed", "", "/6", "2026-02-01 00:00:00"}});
    ReturnFileEntriesModel model;
    QCOMPARE(CSqliteDBManager::loadRetFiles(&model, filter), paths.size());
    QCOMPARE(column(model, 2), paths);
    QCOMPARE(tablePaths().size(), 6);
}

void TestRecentReturns::listingJoinsNames()
{
    insertRows(
        {{"Ann", "", "/1", "2026-01-02 00:00:00"}, {"Bo", "Cy", "/2", "2026-01-01 00:00:00"}});
    ReturnFileEntriesModel model;
    QCOMPARE(CSqliteDBManager::loadRetFiles(&model, ""), 2);
    QCOMPARE(column(model, 0), (QStringList{"Ann", "Bo & Cy"}));
    QCOMPARE(column(model, 1), (QStringList{"2026-01-02 00:00:00", "2026-01-01 00:00:00"}));
    QCOMPARE(model.entryAt(0)->id(), 1);
    QCOMPARE(model.entryAt(1)->id(), 2);
}

void TestRecentReturns::reloadReplacesContent()
{
    insertRows({{"Ann", "", "/1", "2026-01-02 00:00:00"}, {"Bo", "", "/2", "2026-01-01 00:00:00"}});
    TabWndApp *app = appInstance();
    QSignalSpy removed(app->retFileModel, &QAbstractItemModel::rowsRemoved);
    ReturnFileEntriesModel *model = app->reloadRecentReturns("");
    QCOMPARE(model, app->retFileModel);
    QCOMPARE(column(*model, 2), (QStringList{"/1", "/2"}));
    QCOMPARE(removed.count(), 0);
    app->reloadRecentReturns("bo");
    QCOMPARE(ranges(removed), QStringList{"0-1"});
    QCOMPARE(column(*model, 2), QStringList{"/2"});
}

void TestRecentReturns::recordRecentReturn()
{
    TabWndApp *app = appInstance();
    const int id = app->recordRecentReturn("Ann", "", "/r/a.r25");
    QVERIFY(id > 0);
    QCOMPARE(app->recordRecentReturn("Ann B", "Cy", "/r/a.r25"), id);
    QVERIFY(app->recordRecentReturn("Dee", "", "/r/d.r25") > id);
    QSqlQuery q("select name1, name2, filepath from tb_retfile order by id");
    QStringList rows;
    while (q.next())
        rows.append(q.value(0).toString() + "|" + q.value(1).toString() + "|" +
                    q.value(2).toString());
    QCOMPARE(rows, (QStringList{"Ann B|Cy|/r/a.r25", "Dee||/r/d.r25"}));
}

void TestRecentReturns::removeRecentReturn_data()
{
    QTest::addColumn<bool>("deleteFile");
    QTest::newRow("entry only") << false;
    QTest::newRow("entry and file") << true;
}

void TestRecentReturns::removeRecentReturn()
{
    QFETCH(bool, deleteFile);
    const QString file = m_dir->filePath("a.r25");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("data");
    f.close();
    insertRows({{"Ann", "", file, "2026-01-03 00:00:00"},
                {"Bo", "", "/other.r25", "2026-01-02 00:00:00"},
                {"Ann old", "", file, "2026-01-01 00:00:00"}});
    TabWndApp *app = appInstance();
    ReturnFileEntriesModel *model = app->reloadRecentReturns("");
    QCOMPARE(column(*model, 2), (QStringList{file, "/other.r25", file}));
    QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);

    app->removeRecentReturn(model->index(0, 1), deleteFile);
    QCOMPARE(QFile::exists(file), !deleteFile);
    QCOMPARE(tablePaths(), QStringList{"/other.r25"}); // every row of that path
    QCOMPARE(ranges(removed), QStringList{"0-0"});
    QCOMPARE(column(*model, 2), (QStringList{"/other.r25", file}));

    // A file that is already gone: the entry goes all the same.
    app->removeRecentReturn(model->index(1, 0), true);
    QCOMPARE(column(*model, 2), QStringList{"/other.r25"});
    QCOMPARE(tablePaths(), QStringList{"/other.r25"});

    // No row (an invalid index): nothing is removed, not even a row without a path.
    insertRows({{"Nameless", "", "", "2026-01-04 00:00:00"}});
    removed.clear();
    app->removeRecentReturn(QModelIndex(), deleteFile);
    QCOMPARE(tablePaths(), (QStringList{"/other.r25", ""}));
    QCOMPARE(column(*model, 2), QStringList{"/other.r25"});
    QCOMPARE(removed.size(), 0);
}

QV_TEST_MAIN(TestRecentReturns)
#include "tst_RecentReturns.moc"
