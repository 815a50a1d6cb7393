// Finding return files: the worker on a real folder tree under the test's HOME, the saved list,
// stopping and closing mid-search, and open or import of the chosen file.
#include "EditorFixture.h"
#include "ScriptedPresenter.h"
#include "TestEnvironment.h"
#include "TestMain.h"

#include "app/TabWndApp.h"
#include "model/FamilyTaxData.h"
#include "model/ReturnFile.h"
#include "ui/DlgFindFiles.h"
#include "ui/MainWindow.h"
#include "ui/ThreadFindFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QRadioButton>

namespace {

void writeFile(const QString &path, const QByteArray &bytes = "x")
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList rowsOf(DlgFindFiles &dlg)
{
    QStringList rows;
    for (int i = 0; i < dlg.resultModel()->rowCount(); ++i)
        rows.append(dlg.resultModel()->item(i)->text());
    return rows;
}

} // namespace

class TestFindFiles : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void yearOptions_data();
    void yearOptions();
    void noYearChosen();
    void statusNamesEveryFolder();
    void stopSavesTheList();
    void clearedListStaysOnDisk();
    void shortLinesIgnored();
    void openOrImport_data();
    void openOrImport();
    void closingMidSearch();

private:
    void search(DlgFindFiles &dlg, const char *radio);
    QString home() const { return testEnvironment().home(); }
    QString docs() const { return testEnvironment().documentsPath(); }

    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
    QString m_list;
};

void TestFindFiles::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    m_list = m_fixture->dir() + "/findfiles.csv";
    QDir(home()).removeRecursively();
    writeFile(docs() + "/quorvandelle/2025/a.r25");
    writeFile(docs() + "/quorvandelle-efile/2024/b.r24");
    writeFile(home() + "/.hidden/h.r25");
    writeFile(home() + "/.h2.r25");
    writeFile(home() + "/C.R25");
    writeFile(home() + "/d.r23");
    QVERIFY(QFile::link(docs() + "/quorvandelle/2025/a.r25", home() + "/link.r25"));
    QVERIFY(QFile::link(docs(), home() + "/linkdir"));
}

void TestFindFiles::cleanup()
{
    m_fixture.reset();
    m_presenter.reset();
}

void TestFindFiles::search(DlgFindFiles &dlg, const char *radio)
{
    dlg.findChild<QRadioButton *>(radio)->setChecked(true);
    dlg.on_btnSearch_clicked();
    QVERIFY(dlg.isSearching());
    QTRY_VERIFY_WITH_TIMEOUT(!dlg.isSearching(), 20000);
}

void TestFindFiles::yearOptions_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<QStringList>("found");
    // Documents lies inside home, so a Documents year folder is walked twice, yet each file is
    // listed once; a file the saved list holds already is not added again; hidden entries and
    // links never come.
    const QString d = "/home/Documents";
    QTest::newRow("current year") << "radCurYear" << QStringList()
                                  << QStringList{"/home/C.R25", d + "/quorvandelle/2025/a.r25"};
    QTest::newRow("last year") << "radLastYear" << QStringList()
                               << QStringList{d + "/quorvandelle-efile/2024/b.r24"};
    QTest::newRow("years before") << "radPriorYears" << QStringList() << QStringList{"/home/d.r23"};
    QTest::newRow("current year, one listed before")
        << "radCurYear" << QStringList{d + "/quorvandelle/2025/a.r25"}
        << QStringList{"/home/C.R25", d + "/quorvandelle/2025/a.r25"};
    QTest::newRow("saved list twice the same")
        << "radPriorYears" << QStringList{"/home/d.r23", "/home/d.r23"}
        << QStringList{"/home/d.r23"};
}

void TestFindFiles::yearOptions()
{
    QFETCH(QString, radio);
    QFETCH(QStringList, saved);
    QFETCH(QStringList, found);
    const QString root = testEnvironment().root();
    if (!saved.isEmpty()) {
        QByteArray lines;
        for (const QString &f : saved)
            lines += (root + f + '\n').toUtf8();
        writeFile(m_list, lines);
    }
    DlgFindFiles dlg("Find Return Files", m_list, m_fixture->window());
    search(dlg, radio.toLatin1().constData());
    QStringList rows = rowsOf(dlg);
    rows.sort();
    QStringList expected;
    for (const QString &f : found)
        expected.append(root + f);
    QCOMPARE(rows, expected);
    QCOMPARE(dlg.findChild<QLabel *>("lblSearching")->text(), QString("search stopped"));
    QCOMPARE(dlg.windowTitle(), QString("Find Return Files"));
    // The list is saved in the order found.
    QCOMPARE(readFile(m_list), (rowsOf(dlg).join('\n') + '\n').toUtf8());
}

void TestFindFiles::noYearChosen()
{
    DlgFindFiles dlg("Find Return Files", m_list, m_fixture->window());
    dlg.on_btnSearch_clicked();
    QVERIFY(!dlg.isSearching());
    QCOMPARE(m_presenter->shown().size(), 1);
    QCOMPARE(m_presenter->shown().first().kind, QString("warning"));
    QCOMPARE(m_presenter->shown().first().title, QString("Warning"));
    QCOMPARE(m_presenter->shown().first().text, QString("Please choose search file option first!"));
}

void TestFindFiles::statusNamesEveryFolder()
{
    const QString root = testEnvironment().root();
    const QString docs = root + "/home/Documents";
    const QStringList folders = DlgFindFiles::searchFolders();
    QCOMPARE(folders,
             (QStringList{root + "/data/quorvandelle_2022n", root + "/data/quorvandelle_2022e",
                          docs + "/quorvandelle/2024", docs + "/quorvandelle-efile/2024",
                          docs + "/quorvandelle/2025", docs + "/quorvandelle-efile/2025",
                          root + "/home", root + "/data"}));
    QCOMPARE(ThreadFindFiles::searchStatus(folders, DlgFindFiles::suffixesOf(2)),
             "search r23,r22,r21 from " + folders.join(','));
}

void TestFindFiles::stopSavesTheList()
{
    writeFile(m_list, "/earlier/e.r25\n");
    DlgFindFiles dlg("Find Return Files", m_list, m_fixture->window());
    dlg.findChild<QRadioButton *>("radPriorYears")->setChecked(true);
    dlg.on_btnSearch_clicked();
    // While it runs, a second Search starts nothing and Open and Clear say to stop first.
    dlg.on_btnSearch_clicked();
    dlg.on_btnClearResult();
    dlg.on_btnStop_clicked();
    QTRY_VERIFY_WITH_TIMEOUT(!dlg.isSearching(), 20000);
    QCOMPARE(dlg.findChildren<QThread *>().size(), 1);
    QCOMPARE(dlg.findChild<QLabel *>("lblSearching")->text(), QString("search stopped"));
    const QStringList rows = rowsOf(dlg);
    QCOMPARE(rows.first(), QString("/earlier/e.r25"));
    QCOMPARE(readFile(m_list), (rows.join('\n') + '\n').toUtf8());
    QCOMPARE(m_presenter->shownTexts(), QStringList{"Please stop the search process first"});
}

void TestFindFiles::clearedListStaysOnDisk()
{
    QDir(home()).removeRecursively();
    QVERIFY(QDir().mkpath(home()));
    writeFile(m_list, "/earlier/e.r25\n/earlier/f.r25\n");
    {
        DlgFindFiles dlg("Find Return Files", m_list, m_fixture->window());
        dlg.on_btnClearResult();
        QCOMPARE(rowsOf(dlg), QStringList());
        search(dlg, "radPriorYears");
        QCOMPARE(rowsOf(dlg), QStringList());
    }
    QCOMPARE(readFile(m_list), QByteArray("/earlier/e.r25\n/earlier/f.r25\n"));
    DlgFindFiles again("Find Return Files", m_list, m_fixture->window());
    QCOMPARE(rowsOf(again), (QStringList{"/earlier/e.r25", "/earlier/f.r25"}));
}

void TestFindFiles::shortLinesIgnored()
{
    writeFile(m_list, "abc\n   /x/y.r25  \n\nab\n/abcd\n");
    DlgFindFiles dlg("Find Return Files", m_list, m_fixture->window());
    QCOMPARE(rowsOf(dlg), (QStringList{"/x/y.r25", "/abcd"}));
    // A missing list gives an empty one, without a message.
    DlgFindFiles none("Find Return Files", m_list + ".none", m_fixture->window());
    QCOMPARE(rowsOf(none), QStringList());
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

void TestFindFiles::openOrImport_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("result");
    // A real return opens in a page with no message; the import says which command had it.
    QTest::newRow("R25 opens") << "X.R25"
                               << "" << 0;
    QTest::newRow("r24 imports") << "x.r24"
                                 << "Import Prior Year's Return is not available in this build "
                                    "yet."
                                 << 0;
    QTest::newRow("deleted file") << ""
                                  << "cannot read this file" << -1;
}

void TestFindFiles::openOrImport()
{
    QFETCH(QString, file);
    QFETCH(QString, shown);
    QFETCH(int, result);
    const QString path = m_fixture->dir() + "/" + (file.isEmpty() ? "gone.r25" : file);
    writeFile(m_list, path.toUtf8() + "\n");
    if (file == "X.R25") {
        std::unique_ptr<FamilyTaxData> family(EditorFixture::singleReturn());
        QCOMPARE(saveReturnFile(*family, path, AppEdition), 0);
    } else if (!file.isEmpty()) {
        writeFile(path);
    }
    DlgFindFiles dlg("Find Return Files", m_list, m_fixture->window());
    dlg.setResult(-1);
    auto *list = dlg.findChild<QListView *>("listView");
    list->setCurrentIndex(dlg.resultModel()->index(0, 0));
    dlg.on_btnOpenReturn();
    QCOMPARE(m_presenter->shownTexts(), shown.isEmpty() ? QStringList() : QStringList{shown});
    QCOMPARE(m_fixture->window()->openReturnCount(), shown.isEmpty() ? 1 : 0);
    // Open or import closes the dialog; an unreadable file keeps it.
    QCOMPARE(dlg.result(), result);
}

void TestFindFiles::closingMidSearch()
{
    auto *dlg = new DlgFindFiles("Find Return Files", m_list, m_fixture->window());
    dlg->findChild<QRadioButton *>("radCurYear")->setChecked(true);
    dlg->on_btnSearch_clicked();
    dlg->reject();
    QVERIFY(!dlg->isSearching());
    QCOMPARE(dlg->findChild<QLabel *>("lblSearching")->text(), QString("search stopped"));
    delete dlg;
}

QV_TEST_MAIN(TestFindFiles)
#include "tst_FindFiles.moc"
