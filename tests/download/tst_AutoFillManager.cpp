// The download manager on a real database file: its records model, the lists of both modes,
// View, Remove and New (offline, from a reply file), and the main window's Auto-fill command.
#include <QtTest>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDesktopServices>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWizard>
#include <functional>

#include "EditorFixture.h"
#include "ModalDriver.h"
#include "ScriptedPresenter.h"
#include "TddTestSupport.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "download/DlgTDDMain.h"
#include "download/DownloadServices.h"
#include "download/TDDDataEntriesModel.h"
#include "download/TddHttpServer.h"
#include "model/FamilyTaxData.h"
#include "ordane/MyDataStream.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"

Q_DECLARE_METATYPE(ModalAction)

namespace {
// The fixture return's taxpayer, and someone else.
const QByteArray kSinA = "046454286";
const QByteArray kSinB = "130692544";
const char *const kNoRecordText = "No record is found at the CRA system, please try later!";

int insert(const QString &statement, const QVariantList &values)
{
    QSqlQuery query;
    if (!query.prepare(statement))
        return -1;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec() ? query.lastInsertId().toInt() : -1;
}

int addTaxpayer(const QByteArray &sin)
{
    return insert("insert into tb_taxpayers (name, sin) values ('', ?)", {QString(sin)});
}

int addTaxData(int uid, const QString &time, int year, const QString &data1 = QString(),
               const QString &html = QString())
{
    return insert("insert into tb_taxdata (uid, create_time, data1, html1, taxyear) values "
                  "(?, ?, ?, ?, ?)",
                  {uid, time, data1, html, year});
}

int addNoa(int uid, const QString &time, int year, const QString &htmlfile)
{
    return insert("insert into tb_taxnoa (uid, create_time, data1, htmlfile, taxyear) values "
                  "(?, ?, '', ?, ?)",
                  {uid, time, htmlfile, year});
}

QList<int> ids(const char *table)
{
    QList<int> found;
    QSqlQuery query(QString("select id from %1 order by id").arg(table));
    while (query.next())
        found.append(query.value(0).toInt());
    return found;
}

// The ids of the rows as the table shows them, top to bottom.
QList<int> shownIds(const DlgTDDMain &dialog)
{
    QList<int> found;
    const QSortFilterProxyModel *proxy = dialog.sortProxy();
    for (int row = 0; row < proxy->rowCount(); ++row)
        found.append(
            dialog.recordsModel()->entryAt(proxy->mapToSource(proxy->index(row, 0)).row())->id());
    return found;
}

QTableView *table(DlgTDDMain &dialog)
{
    return dialog.findChild<QTableView *>("tableView");
}

void click(DlgTDDMain &dialog, const char *button)
{
    dialog.findChild<QPushButton *>(button)->click();
}

// Calls back with each dialog as it is shown, before any modal driver acts on it.
class ShowProbe : public QObject
{
public:
    explicit ShowProbe(std::function<void(QWidget *)> seen) : m_seen(std::move(seen))
    {
        qApp->installEventFilter(this);
    }
    ~ShowProbe() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QDialog *>(watched))
            m_seen(static_cast<QWidget *>(watched));
        return false;
    }

private:
    std::function<void(QWidget *)> m_seen;
};

// What a wizard showed: its title, its number of pages and its Finish button's text.
struct WizardSeen
{
    QString title;
    int pages = 0;
    QString finish;
};

// The return as its file holds it.
QByteArray returnBytes(FamilyTaxData &family)
{
    QByteArray bytes;
    MyDataStream stream(&bytes, QIODevice::WriteOnly);
    family.Serialize(2, stream);
    return bytes;
}

} // namespace

class TestAutoFillManager : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<EditorFixture> m_fixture;
    QTemporaryDir m_dir;
    LinkCatcher m_files;

    // The main window showing the fixture return, and its editor.
    Form_Return *openReturn()
    {
        MainWindow *window = m_fixture->window();
        window->addReturnPage(nullptr, EditorFixture::singleReturn());
        return window->shownEditor();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_fixture = std::make_unique<EditorFixture>();
        configureService(0, "095", QByteArray());
        QDesktopServices::setUrlHandler("file", &m_files, "open");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("file");
        m_fixture.reset();
    }

    void init()
    {
        for (const char *table : {"tb_taxdata", "tb_taxnoa", "tb_taxpayers"})
            QSqlQuery(QString("delete from %1").arg(table)).exec();
        appInstance()->config.TDDDataFile.clear();
        appInstance()->config.NoaPath = m_dir.filePath("noa1");
        QDir().mkpath(appInstance()->config.NoaPath);
        m_files.links.clear();
    }

    void cleanup()
    {
        TddHttpServer::shutdown();
        m_fixture->closeWindow();
    }

    void modelPassesTheTester()
    {
        TDDDataEntriesModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("S.I.N."));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Update Time"));
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QString("Tax Year"));
        QVERIFY(!model.headerData(3, Qt::Horizontal).isValid());
        QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
        QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());

        model.appendEntry(
            TDDDataEntriesModel::makeEntry(7, "046454286", "2026-03-01 10:00:00", 2025));
        model.appendEntry(TDDDataEntriesModel::makeEntry(9, "130692544", "2026-02-01", 2024));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.data(model.index(0, 0)).toString(), QString("046454286"));
        QCOMPARE(model.data(model.index(0, 1), Qt::EditRole).toString(),
                 QString("2026-03-01 10:00:00"));
        QCOMPARE(model.data(model.index(1, 2)), QVariant(2024));
        QVERIFY(!model.data(model.index(1, 2), Qt::ToolTipRole).isValid());
        QCOMPARE(model.entryAt(1)->id(), 9);
        QCOMPARE(model.entryAt(2), nullptr);
        QCOMPARE(model.entryAt(-1), nullptr);

        QSignalSpy removals(&model, &QAbstractItemModel::rowsAboutToBeRemoved);
        for (int row : {-1, 2, 100})
            QVERIFY(!model.removeEntry(row));
        QCOMPARE(removals.size(), 0);
        QCOMPARE(model.rowCount(), 2);

        QVERIFY(model.removeEntry(0));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.entryAt(0)->id(), 9);
        model.clear();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(removals.size(), 2);
        model.clear();
        QCOMPARE(removals.size(), 2);
    }

    void listNewestFirst_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::newRow("Auto-fill") << 1 << "Auto Fill Tax Data";
        QTest::newRow("notices") << 2 << "Express Notice of Assessment";
    }

    void listNewestFirst()
    {
        QFETCH(int, mode);
        const int a = addTaxpayer(kSinA);
        const int b = addTaxpayer(kSinB);
        QList<int> rows;
        const QStringList times{"2026-03-02 09:00:00", "2026-03-05 09:00:00",
                                "2026-03-01 09:00:00"};
        for (int i = 0; i < times.size(); ++i) {
            const int uid = i == 1 ? b : a;
            rows << (mode == 1 ? addTaxData(uid, times[i], 2023 + i)
                               : addNoa(uid, times[i], 2023 + i, "For x: no notice"));
        }
        // A row of the other mode's table is never listed.
        QVERIFY(mode == 1 ? addNoa(a, "2026-04-01", 2025, "x") > 0
                          : addTaxData(a, "2026-04-01", 2025) > 0);

        DlgTDDMain dialog(mode, QSqlDatabase::database(), CString(), nullptr);
        QTEST(dialog.windowTitle(), "title");
        QCOMPARE(dialog.size(), QSize(813, 423));
        dialog.show();
        QCOMPARE(shownIds(dialog), (QList<int>{rows[1], rows[0], rows[2]}));
        const TDDDataEntriesModel *model = dialog.recordsModel();
        QCOMPARE(model->data(model->index(0, 0)).toString(), QString(kSinB));
        QCOMPARE(model->data(model->index(0, 1)).toString(), times[1]);
        QCOMPARE(model->data(model->index(0, 2)).toInt(), 2024);
        QCOMPARE(table(dialog)->columnWidth(0), 120);
        QCOMPARE(table(dialog)->columnWidth(1), 260);

        // Showing again loads the list afresh.
        dialog.hide();
        QSqlQuery(mode == 1 ? "delete from tb_taxdata" : "delete from tb_taxnoa").exec();
        dialog.show();
        QCOMPARE(dialog.recordsModel()->rowCount(), 0);
    }

    void emptyListViewAndRemoveDoNothing_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("Auto-fill") << 1;
        QTest::newRow("notices") << 2;
    }

    void emptyListViewAndRemoveDoNothing()
    {
        QFETCH(int, mode);
        ScriptedPresenter presenter;
        DlgTDDMain dialog(mode, QSqlDatabase::database(), CString(kSinA), nullptr);
        dialog.show();
        QStringList opened;
        ShowProbe probe([&opened](QWidget *shown) { opened << shown->windowTitle(); });
        click(dialog, "btnView");
        click(dialog, "btnRemove");
        QCOMPARE(presenter.shownTexts(), QStringList());
        QCOMPARE(opened, QStringList());
        QVERIFY(dialog.isVisible());
    }

    // The table sorted by a header shows the rows in another order than the model holds them:
    // Remove must take the row the user sees selected.
    void removeAfterSortingByTaxYear()
    {
        const int a = addTaxpayer(kSinA);
        const int newest = addTaxData(a, "2026-03-09", 2024);
        const int middle = addTaxData(a, "2026-03-05", 2021);
        const int oldest = addTaxData(a, "2026-03-01", 2023);
        DlgTDDMain dialog(1, QSqlDatabase::database(), CString(), nullptr);
        dialog.show();
        QCOMPARE(shownIds(dialog), (QList<int>{newest, middle, oldest}));

        QHeaderView *header = table(dialog)->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(2) + 5, 5));
        QCOMPARE(header->sortIndicatorSection(), 2);
        const QList<int> sorted = header->sortIndicatorOrder() == Qt::AscendingOrder
                                      ? QList<int>{middle, oldest, newest}
                                      : QList<int>{newest, oldest, middle};
        QCOMPARE(shownIds(dialog), sorted);

        table(dialog)->selectRow(1);
        QCOMPARE(dialog.selectedEntry()->id(), sorted[1]);
        click(dialog, "btnRemove");
        QList<int> left = sorted;
        left.removeAt(1);
        QCOMPARE(shownIds(dialog), left);
        std::sort(left.begin(), left.end());
        QCOMPARE(ids("tb_taxdata"), left);
    }

    void removeNotice_data()
    {
        QTest::addColumn<QString>("stored"); // "<noa>/" and "<dir>/" stand for the folders
        QTest::addColumn<QString>("file");   // the file made before Remove, "" for none
        QTest::addColumn<bool>("fileKept");
        QTest::newRow("message") << "For 046454286: no notice for 2025."
                                 << "" << false;
        QTest::newRow("page in the notice folder") << "<noa>/xxxxx4286_2025.html"
                                                   << "<noa>/xxxxx4286_2025.html" << false;
        QTest::newRow("page outside it") << "<dir>/kept.html"
                                         << "<dir>/kept.html" << true;
        QTest::newRow("climbing out of it") << "<noa>/../kept.html"
                                            << "<dir>/kept.html" << true;
        QTest::newRow("the folder itself") << "<noa>"
                                           << "" << false;
    }

    void removeNotice()
    {
        QFETCH(QString, stored);
        QFETCH(QString, file);
        QFETCH(bool, fileKept);
        const QString noa = appInstance()->config.NoaPath;
        auto place = [&](QString text) {
            return text.replace("<noa>", noa).replace("<dir>", m_dir.path());
        };
        if (!file.isEmpty()) {
            QFile page(place(file));
            QVERIFY(page.open(QIODevice::WriteOnly));
            page.write("<html>notice</html>");
        }
        const int a = addTaxpayer(kSinA);
        const int other = addNoa(a, "2026-03-01", 2024, "For 046454286: kept row.");
        const int removed = addNoa(a, "2026-03-02", 2025, place(stored));
        DlgTDDMain dialog(2, QSqlDatabase::database(), CString(), nullptr);
        dialog.show();
        table(dialog)->selectRow(0);
        click(dialog, "btnRemove");
        QCOMPARE(ids("tb_taxnoa"), QList<int>{other});
        QCOMPARE(shownIds(dialog), QList<int>{other});
        if (!file.isEmpty())
            QCOMPARE(QFile::exists(place(file)), fileKept);
        QVERIFY(QFileInfo(noa).isDir());
        QVERIFY(!ids("tb_taxnoa").contains(removed));
    }

    void viewNotice_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("makeFile");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("message") << "For 046454286: the notice is not ready." << false
                                 << QStringList{"For 046454286: the notice is not ready."};
        QTest::newRow("page") << "<noa>/xxxxx4286 2025#1.html" << true << QStringList();
        QTest::newRow("missing page")
            << "<noa>/gone.html" << false << QStringList{"cannot find the file for viewing"};
        QTest::newRow("a folder") << "<noa>" << false
                                  << QStringList{"cannot find the file for viewing"};
    }

    void viewNotice()
    {
        QFETCH(QString, stored);
        QFETCH(bool, makeFile);
        QFETCH(QStringList, texts);
        const QString path = QString(stored).replace("<noa>", appInstance()->config.NoaPath);
        if (makeFile) {
            QFile page(path);
            QVERIFY(page.open(QIODevice::WriteOnly));
        }
        ScriptedPresenter presenter;
        addNoa(addTaxpayer(kSinA), "2026-03-02", 2025, path);
        DlgTDDMain dialog(2, QSqlDatabase::database(), CString(kSinA), nullptr);
        dialog.show();
        table(dialog)->selectRow(0);
        click(dialog, "btnView");
        QCOMPARE(presenter.shownTexts(), texts);
        if (!texts.isEmpty())
            QCOMPARE(presenter.shown().first().parent, &dialog);
        // A name with a blank and "#" reaches the handler as a file, whole.
        QCOMPARE(m_files.links, makeFile ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>());
        if (makeFile)
            QCOMPARE(m_files.links.first().toLocalFile(), path);
    }

    // Only the open return's own download offers to fill it: any other shows its summary page
    // alone, and finishing changes nothing.
    void viewWithoutTheReturnShowsOnlyTheSummary_data()
    {
        QTest::addColumn<bool>("withReturn");
        QTest::addColumn<QByteArray>("rowSin");
        QTest::newRow("no return open") << false << kSinA;
        QTest::newRow("another S.I.N.") << true << kSinB;
    }

    void viewWithoutTheReturnShowsOnlyTheSummary()
    {
        QFETCH(bool, withReturn);
        QFETCH(QByteArray, rowSin);
        Form_Return *editor = withReturn ? openReturn() : nullptr;
        CString openSin;
        if (editor)
            QVERIFY(editor->getFieldText(1, openSin));
        const QByteArray before = editor ? returnBytes(*editor->family()) : QByteArray();
        addTaxData(addTaxpayer(rowSin), "2026-03-02", 2025, taxDataReply({rowSin}),
                   "<p>Summary of <b>the download</b></p>");
        DlgTDDMain dialog(1, QSqlDatabase::database(), openSin, editor);
        dialog.show();
        table(dialog)->selectRow(0);

        WizardSeen seen;
        QString shownText;
        ShowProbe probe([&](QWidget *shown) {
            if (auto *wizard = qobject_cast<QWizard *>(shown)) {
                seen = {wizard->windowTitle(), wizard->pageIds().size(),
                        wizard->buttonText(QWizard::FinishButton)};
                if (auto *view = wizard->findChild<QPlainTextEdit *>("txtTaxData"))
                    shownText = view->toPlainText();
            }
        });
        ModalDriver driver;
        driver.pressButton("Finish");
        click(dialog, "btnView");
        QCOMPARE(driver.pendingActions(), 0);
        QCOMPARE(seen.title, QString("Auto-fill My Return"));
        QCOMPARE(seen.pages, 1);
        QCOMPARE(shownText, QString("Summary of the download"));
        QVERIFY(dialog.isVisible());
        if (editor)
            QCOMPARE(returnBytes(*editor->family()), before);
    }

    // New in offline mode: the terms (OK needs the box ticked), the S.I.N.s, the progress
    // dialog storing the reply file, and the list reloaded with the new row.
    void newStoresAndReloads()
    {
        const QString reply = m_dir.filePath("reply.xml");
        QFile file(reply);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(taxDataReply({kSinA}));
        file.close();
        appInstance()->config.TDDDataFile = reply;
        const int old = addTaxData(addTaxpayer(kSinB), "2020-01-01 00:00:00", 2019);

        ScriptedPresenter presenter;
        DlgTDDMain dialog(1, QSqlDatabase::database(), CString(), nullptr);
        dialog.show();
        QCOMPARE(shownIds(dialog), QList<int>{old});
        QString terms;
        ShowProbe probe([&terms](QWidget *shown) {
            if (auto *text = shown->findChild<QTextBrowser *>("fld_term"))
                terms = text->toPlainText();
        });
        ModalDriver driver;
        driver.queue({{}, {{"fld_bAgree", false}}, "OK"});
        driver.queue({{}, {{"fld_bAgree", true}}, "OK"});
        driver.queue({{{"edtSin01", QString(kSinA)}}, {}, "OK"});
        driver.pressButton("Cancel");
        click(dialog, "btnNew");
        QCOMPARE(driver.pendingActions(), 0);
        QStringList titles;
        for (const ShownMessage &shown : driver.seen())
            titles << shown.kind + ": " + shown.title;
        QCOMPARE(titles, (QStringList{"modal: Auto-fill My Return", "modal: Auto-fill My Return",
                                      "modal: Dialog", "modal: Auto-fill My Return Progress"}));
        QVERIFY(terms.startsWith("Auto-fill my return\n"));
        QCOMPARE(presenter.shownTexts(), QStringList());
        const QList<int> rows = ids("tb_taxdata");
        QCOMPARE(rows.size(), 2);
        QCOMPARE(shownIds(dialog), (QList<int>{rows[1], old}));
        QCOMPARE(dialog.recordsModel()->entryAt(0)->sin(), CString(kSinA));
    }

    void newStopsEarly_data()
    {
        QTest::addColumn<QList<ModalAction>>("actions");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("terms cancelled")
            << QList<ModalAction>{{{}, {{"fld_bAgree", true}}, "Cancel"}} << 1 << QStringList();
        QTest::newRow("S.I.N.s cancelled")
            << QList<ModalAction>{{{}, {{"fld_bAgree", true}}, "OK"}, {{}, {}, "Cancel"}} << 2
            << QStringList();
        // The reply holds no item: nothing is stored.
        QTest::newRow("nothing stored")
            << QList<ModalAction>{{{}, {{"fld_bAgree", true}}, "OK"},
                                  {{{"edtSin01", QString(kSinA)}}, {}, "OK"},
                                  {{}, {}, "Cancel"}}
            << 3 << QStringList{kNoRecordText};
    }

    void newStopsEarly()
    {
        QFETCH(QList<ModalAction>, actions);
        QFETCH(int, dialogs);
        QFETCH(QStringList, texts);
        const QString reply = m_dir.filePath("empty.xml");
        QFile file(reply);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(taxDataReply({}));
        file.close();
        appInstance()->config.TDDDataFile = reply;

        ScriptedPresenter presenter;
        DlgTDDMain dialog(1, QSqlDatabase::database(), CString(), nullptr);
        dialog.show();
        ModalDriver driver;
        for (const ModalAction &action : actions)
            driver.queue(action);
        // Anything shown past the expected dialogs is closed and counted.
        driver.pressButton("Cancel");
        click(dialog, "btnNew");
        QCOMPARE(driver.seen().size(), dialogs);
        QCOMPARE(driver.pendingActions(), 1);
        QCOMPARE(presenter.shownTexts(), texts);
        QCOMPARE(ids("tb_taxdata"), QList<int>());
        QCOMPARE(dialog.recordsModel()->rowCount(), 0);
    }

    // The command opens the manager in mode 1 for the return shown, and on the start page with
    // no return.
    void mainWindowCommandOpensTheManager_data()
    {
        QTest::addColumn<bool>("withReturn");
        QTest::addColumn<QString>("sin");
        QTest::newRow("start page") << false << "";
        QTest::newRow("return shown") << true << QString(kSinA);
    }

    void mainWindowCommandOpensTheManager()
    {
        QFETCH(bool, withReturn);
        QFETCH(QString, sin);
        NeighbourServices saved = neighbourServices();
        installDownloadServices(neighbourServices());
        Form_Return *editor = withReturn ? openReturn() : nullptr;
        MainWindow *window = m_fixture->window();
        window->show();
        int mode = 0;
        QString openSin = "unset";
        Form_Return *shownFor = nullptr;
        QWidget *parent = nullptr;
        ShowProbe probe([&](QWidget *shown) {
            if (auto *manager = qobject_cast<DlgTDDMain *>(shown)) {
                mode = manager->mode();
                openSin = manager->openSin();
                shownFor = manager->editor();
                parent = manager->parentWidget();
            }
        });
        ModalDriver driver;
        driver.pressButton("Close");
        m_fixture->action("actionAuto_Fill_AFR")->trigger();
        neighbourServices() = saved;
        QCOMPARE(driver.pendingActions(), 0);
        QCOMPARE(driver.seen().first().title, QString("Auto Fill Tax Data"));
        QCOMPARE(mode, 1);
        QCOMPARE(openSin, sin);
        QCOMPARE(shownFor, editor);
        QCOMPARE(parent, window);
        QVERIFY(window->findChildren<DlgTDDMain *>().isEmpty());
    }
};

QV_TEST_MAIN(TestAutoFillManager)
#include "tst_AutoFillManager.moc"
