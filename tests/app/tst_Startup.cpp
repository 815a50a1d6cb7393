// Start-up scenarios: the program run in a child process with its own HOME and XDG folders.
#include <QtTest>

#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSslSocket>

#include "FileModes.h"
#include "LocalServer.h"
#include "ScenarioRunner.h"
#include "TestCertificates.h"
#include "TestMain.h"
#include "app/CSingleInstanceGuard.h"
#include "app/CSqliteDBManager.h"
#include "ui/NeighbourServices.h"

#include <sys/stat.h>

namespace {

QStringList lines(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QStringList l = QString::fromUtf8(f.readAll()).split('\n');
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

QStringList queryFile(const QString &file, const QString &sql)
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(sql, db);
            while (q.next())
                rows.append(q.value(0).toString() + "=" + q.value(1).toString());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("check");
    return rows;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
}

QStringList sslMessage()
{
    if (QSslSocket::supportsSsl())
        return {};
    return {QString("This system's SSL/TLS (%1/%2), please email these details and OS version "
                    "for support.")
                .arg(QSslSocket::sslLibraryBuildVersionString())
                .arg(QSslSocket::sslLibraryVersionNumber())};
}

const QString stamp = "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d ";

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void normalStart();
    void storedRowsAtStart();
    void databaseFolderBlocked();
    void filesArePrivate();
    void variants_data();
    void variants();
    void icons();
    void releaseCheckTalksToServer();
    void everyNeighbourEntryFilled();
    void emptyEntriesNamed();
};

void TestStartup::normalStart()
{
    TestEnvironment env;
    ScenarioRunner runner(env);
    const ScenarioResult r = runner.run();
    QVERIFY2(r.finished, r.standardError.constData());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.texts("window"),
             QStringList{"Quorvandelle 2025 NETFILE - Release date: 2026-03-03"});
    QCOMPARE(r.texts("information"), sslMessage());

    const QString local = env.appLocalDataPath();
    const QString doc = env.documentsPath() + "/quorvandelle/2025";
    QVERIFY(QFileInfo(local + "/run").isDir());
    QVERIFY(QFileInfo(local + "/._sys").isDir());
    QVERIFY(QFileInfo(doc + "/data").isDir());

    const QStringList log = lines(local + "/run/log2025.txt");
    const QStringList expected{"Only one instance of quorvandelle can run",
                               "check 70",
                               "check 80",
                               "Doc path : " + doc,
                               "AppLocal Version path: " + local + " ",
                               "db path : " + local + "/._sys",
                               "check 90",
                               "check 120",
                               "check 130"};
    QCOMPARE(log.size(), 1 + expected.size());
    QCOMPARE(log[0], QString("Log file created"));
    for (int i = 0; i < expected.size(); ++i) {
        const bool continuation = i == 4 || i == 5;
        const QString pattern = continuation
                                    ? QRegularExpression::escape(expected[i])
                                    : "Log: " + stamp + QRegularExpression::escape(expected[i]);
        QVERIFY2(QRegularExpression("^" + pattern + "$").match(log[i + 1]).hasMatch(),
                 qPrintable(log[i + 1]));
    }

    const QString db = local + "/._sys/mydata2025n.db";
    QCOMPARE(queryFile(db, "select type, name from sqlite_master order by rowid"),
             (QStringList{"table=tb_config", "table=sqlite_sequence", "index=idx_tb_config_name",
                          "table=tb_taxpayers", "index=idx_tb_taxpayer_sin", "table=tb_retfile",
                          "index=idx_tb_retfile_filepath", "index=idx_tb_retfile_names",
                          "index=idx_tb_retfile_uid", "table=tb_taxdata",
                          "index=idx_tb_taxdata_uid", "table=tb_taxnoa", "index=idx_tb_taxnoa_uid",
                          "table=tb_history", "index=idx_tb_history_uid"}));
    // The whole-screen first window is moved from (20, 60) into the available area; the
    // offscreen platform then keeps its 2-pixel frame on the screen.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(
        queryFile(db, "select name, value from tb_config order by id"),
        (QStringList{"LastOpenPath=", "LastImportPath=", "LeftPaneSize=270",
                     QString("LeftX=%1").arg(area.left() + 2),
                     QString("LeftY=%1").arg(area.top() + 2), QString("Width=%1").arg(area.width()),
                     QString("Height=%1").arg(area.height()), "BKColor=#d0f1ff", "FontSize=12"}));

    // A second run empties the run log again and keeps the stored window.
    const ScenarioResult again = runner.run();
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(lines(local + "/run/log2025.txt").size(), 10);
    QCOMPARE(queryFile(db, "select count(*), 0 from tb_config"), QStringList{"9=0"});
}

void TestStartup::storedRowsAtStart()
{
    TestEnvironment env;
    const QString sys = env.appLocalDataPath() + "/._sys";
    const QString kept = env.root() + "/kept.r25";
    const QString stored = env.root() + "/stored/returns";
    writeFile(kept, "r25");
    QDir().mkpath(env.root() + "/folder.r25");
    {
        QDir().mkpath(sys);
        CSqliteDBManager db;
        CString path = sys;
        QCOMPARE(db.open(path), DatabaseResult::Open);
        for (const QString &file : {kept, env.root() + "/folder.r25", env.root() + "/gone.r25"})
            QVERIFY(CSqliteDBManager::insertRetFile("A", "", file.toUtf8()) > 0);
        CSqliteDBManager::setConfig("RetPath", stored, 1);
    }
    const ScenarioResult r = ScenarioRunner(env).run();
    QVERIFY2(r.finished, r.standardError.constData());
    QCOMPARE(r.exitCode, 0);
    // Rows of return files that vanished or became folders are gone; the file's row stays.
    QCOMPARE(queryFile(sys + "/mydata2025n.db", "select filepath, name1 from tb_retfile"),
             QStringList{kept + "=A"});
    // The stored folder of return files is made, not the default one.
    QVERIFY(QFileInfo(stored).isDir());
    QVERIFY(QFileInfo(env.documentsPath() + "/quorvandelle/2025").isDir());
    QVERIFY(!QFileInfo(env.documentsPath() + "/quorvandelle/2025/data").exists());
}

void TestStartup::databaseFolderBlocked()
{
    TestEnvironment env;
    const QString local = env.appLocalDataPath();
    writeFile(local + "/._sys", "not a folder");
    const ScenarioResult r = ScenarioRunner(env).run();
    QVERIFY(r.finished);
    QCOMPARE(r.exitCode, 255);
    QCOMPARE(r.texts("window"), QStringList());
    // The application object is freed on this path too; with no database it stores nothing.
    QVERIFY2(r.standardError.contains("app closing"), r.standardError.constData());
    QCOMPARE(r.shown.size(), 1);
    QCOMPARE(r.shown[0].kind, QString("critical"));
    QCOMPARE(r.shown[0].title, QString("Error"));
    QCOMPARE(r.shown[0].text,
             "Program cannot read/write config file " + local + "/._sys/mydata2025n.db.");
    const QStringList log = lines(local + "/run/log2025.txt");
    QCOMPARE(log.size(), 2);
    QCOMPARE(log[0], QString("Log file created"));
    QVERIFY(QRegularExpression("^Log: " + stamp + "Only one instance of quorvandelle can run$")
                .match(log[1])
                .hasMatch());
}

void TestStartup::filesArePrivate()
{
    // What an earlier run left open to others, under a wide umask: all of it is narrowed.
    TestEnvironment env;
    const QString local = env.appLocalDataPath();
    const QString doc = env.documentsPath() + "/quorvandelle/2025";
    writeFile(local + "/run/log2025.txt", "old log\n");
    writeFile(local + "/run/tddlog1.txt", "old download log\n");
    writeFile(doc + "/data/Tremblay 2025.r25", "r25");
    writeFile(doc + "/data/noa1/notice.html", "<html/>");
    for (const QString &folder : {local, local + "/run", doc, doc + "/data", doc + "/data/noa1"})
        QVERIFY(setFileMode(folder, 0755));
    for (const QString &file : {local + "/run/log2025.txt", local + "/run/tddlog1.txt",
                                doc + "/data/Tremblay 2025.r25", doc + "/data/noa1/notice.html"})
        QVERIFY(setFileMode(file, 0644));
    const mode_t wide = ::umask(022);
    const ScenarioResult r = ScenarioRunner(env).run();
    ::umask(wide);
    QVERIFY2(r.finished, r.standardError.constData());
    QCOMPARE(r.exitCode, 0);
    // The run log, the database and its folder are new; the rest was there.
    QCOMPARE(modesUnder(local),
             (QStringList{". 700", "._sys 700", "._sys/mydata2025n.db 600", "run 700",
                          "run/log2025.txt 600", "run/tddlog1.txt 600"}));
    QCOMPARE(modesUnder(doc), (QStringList{". 700", "data 700", "data/Tremblay 2025.r25 600",
                                           "data/noa1 700", "data/noa1/notice.html 600"}));
}

void TestStartup::variants_data()
{
    QTest::addColumn<QByteArray>("runIni");
    QTest::addColumn<bool>("anotherRunning");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("title");
    const QString running = "Quorvandelle 2025 for NetFile is already running!";
    QTest::newRow("second instance") << QByteArray() << true << QStringList{running}
                                     << "Quorvandelle 2025 NETFILE - Release date: 2026-03-03";
    QTest::newRow("second instance allowed")
        << QByteArray("Allow2nd=1\n") << true << QStringList()
        << "Quorvandelle 2025 NETFILE - Release date: 2026-03-03";
    QTest::newRow("testing mode")
        << QByteArray("MODEDEBUG=1\n") << false << QStringList()
        << "Quorvandelle 2025 NETFILE - Testing - Release date: 2026-03-03";
}

void TestStartup::variants()
{
    QFETCH(QByteArray, runIni);
    QFETCH(bool, anotherRunning);
    TestEnvironment env;
    if (!runIni.isEmpty())
        writeFile(env.appLocalDataPath() + "/run/gr_path.ini", runIni);

    // The other instance holds the segment under the child's TMPDIR.
    const QByteArray ownTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", env.tmp().toUtf8());
    CSingleInstanceGuard other("Quorvandelle 2025 for NetFile");
    qputenv("TMPDIR", ownTmp);
    if (anotherRunning)
        QVERIFY(other.tryToRun());

    const ScenarioResult r = ScenarioRunner(env).run();
    QVERIFY2(r.finished, r.standardError.constData());
    QCOMPARE(r.exitCode, 0);
    QFETCH(QStringList, messages);
    QCOMPARE(r.texts("information"), messages + sslMessage());
    QFETCH(QString, title);
    QCOMPARE(r.texts("window"), QStringList{title});
}

void TestStartup::icons()
{
    Q_INIT_RESOURCE(images);
    for (const char *path : {":/res/images/netfile-2025.ico", ":/res/images/efile-2025.ico"}) {
        const QImage image(path);
        QCOMPARE(image.size(), QSize(32, 32));
    }
}

void TestStartup::releaseCheckTalksToServer()
{
    // The check runs while the window is being shown, in a loop of its own that waits for the
    // reply; the program must still reach its event loop and end.
    QTemporaryDir certDir;
    TestCertificates certs;
    QVERIFY2(certs.create(certDir.path()), qPrintable(certs.errorString()));
    LocalServer server;
    QVERIFY(server.listen(certs.serverConfiguration()));
    server.setResponse("/phpproj/t2ovn/info/velquistorinfo.php",
                       LocalServer::Response::answer(200, "200 20270101"));

    TestEnvironment env;
    writeFile(env.appLocalDataPath() + "/run/gr_path.ini",
              QString("InfoServer=127.0.0.1:%1\n").arg(server.port()).toUtf8());
    ScenarioRunner runner(env);
    runner.trustAuthority(certDir.filePath("ca.crt"));
    const ScenarioResult r = runner.run();
    QVERIFY2(r.finished, r.standardError.constData());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.texts("window"),
             QStringList{"Quorvandelle 2025 NETFILE - Release date: 2026-03-03"});
    QCOMPARE(r.texts("information"),
             QStringList{"There is a new version of Quorvandelle 2025. You can go to "
                         "https://www.quorvandelle.invalid to download/install it again."} +
                 sslMessage());
    const QList<LocalServer::Request> requests = server.requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].body, QByteArray("kw1=QT1N-2025&kw2=latest"));
}

void TestStartup::everyNeighbourEntryFilled()
{
    // Start-up installs every library above the editor before the window shows: no command of
    // the menus tells the user it is not available in this build.
    TestEnvironment env;
    const ScenarioResult r = ScenarioRunner(env).run();
    QVERIFY2(r.finished, r.standardError.constData());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.texts("window"),
             QStringList{"Quorvandelle 2025 NETFILE - Release date: 2026-03-03"});
    QCOMPARE(r.texts("empty entries"), QStringList{QString()});
}

void TestStartup::emptyEntriesNamed()
{
    // A table no library filled names every entry once, in its order.
    NeighbourServices services;
    const QStringList all{"autoFillMyReturn",
                          "newReturnWizard",
                          "coupleReturnsWizard",
                          "importPriorYearReturn",
                          "changeProvince",
                          "decoupleReturn",
                          "shareAmounts",
                          "taxPlanning",
                          "optimizeReturn",
                          "generatePrint",
                          "printToPdf",
                          "sendFormForSignature",
                          "querySignatureStatus",
                          "reportFiling",
                          "generateDeveloperFiles",
                          "setReFile",
                          "clearReFileFlag",
                          "fileT1135Online",
                          "internetFiling"};
    QCOMPARE(emptyEntries(services), all);

    // Each filled entry leaves the list under its own name.
    services.taxPlanning = [](FamilyTaxData &, QWidget *) { return 1; };
    services.internetFiling = [](Form_Return *) {};
    services.autoFillMyReturn = [](Form_Return *, QWidget *) {};
    QStringList rest = all;
    for (const char *filled : {"taxPlanning", "internetFiling", "autoFillMyReturn"})
        rest.removeOne(filled);
    QCOMPARE(emptyEntries(services), rest);
}

QV_TEST_MAIN(TestStartup)
#include "tst_Startup.moc"
