// The start page (recent returns: filter, sort, open, remove, context entries) and the main
// window's information windows and small commands.
#include "EditorFixture.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"

#include "app/ReturnFileEntriesModel.h"
#include "app/TabWndApp.h"
#include "model/FamilyTaxData.h"
#include "model/ReturnFile.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"
#include "ui/ViewIntroduction.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>

namespace {

struct RecentRow
{
    const char *name;
    const char *openTime;
    const char *file; // in the test's folder
};

// Three rows whose order differs by each column.
const RecentRow kRows[] = {
    {"Bob Jones", "2026-02-01 10:00:00", "c.r25"},
    {"Alice Smith", "2026-03-01 10:00:00", "b.r25"},
    {"Carol Smithers", "2026-01-01 10:00:00", "a.r25"},
};

void insertRow(const QString &name, const QString &openTime, const QString &path)
{
    QSqlQuery q;
    q.prepare("insert into tb_retfile (name1, name2, filepath, open_time) values (?, '', ?, ?)");
    q.addBindValue(name);
    q.addBindValue(path);
    q.addBindValue(openTime);
    QVERIFY(q.exec());
}

int rowsOfPath(const QString &path)
{
    QSqlQuery q;
    q.prepare("select count(*) from tb_retfile where filepath = ?");
    q.addBindValue(path);
    return q.exec() && q.next() ? q.value(0).toInt() : -1;
}

} // namespace

class TestStartPage : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void filterReloadsAtEachKey();
    void sortedRowsReachTheirFile_data();
    void sortedRowsReachTheirFile();
    void returnKeyOpensOnlyFromTheTable();
    void limitOfOpenReturns();
    void removeWithoutRow();
    void removeTickedAndUnticked_data();
    void removeTickedAndUnticked();
    void removeReportsAFileThatStays();
    void contextEntriesNeedARow();
    void contextCopiesTheFolder();

    void informationWindows_data();
    void informationWindows();
    void t5008ChangesNothing();
    void backgroundColorOnlyOnScreen();
    void findReturnFilesWithTwoOpen();
    void autoFillFromTheStartPage();

private:
    ViewIntroduction *shownPage();
    QTableView *table() { return shownPage()->findChild<QTableView *>("tableView"); }
    void fillRows();
    QString pathOf(const char *file) const { return m_fixture->dir() + "/" + file; }
    void selectProxyRow(int row);
    void pressButton(const char *name);

    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
};

void TestStartPage::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    appInstance()->runPath = m_fixture->dir() + "/run";
}

void TestStartPage::cleanup()
{
    m_fixture.reset();
    m_presenter.reset();
    neighbourServices() = NeighbourServices();
}

ViewIntroduction *TestStartPage::shownPage()
{
    MainWindow *w = m_fixture->window();
    if (!w->isVisible()) {
        w->show();
        QCoreApplication::processEvents();
    }
    return w->startPage();
}

void TestStartPage::fillRows()
{
    std::unique_ptr<FamilyTaxData> family(EditorFixture::singleReturn());
    for (const RecentRow &row : kRows) {
        QCOMPARE(saveReturnFile(*family, pathOf(row.file), AppEdition), 0);
        insertRow(row.name, row.openTime, pathOf(row.file));
    }
}

void TestStartPage::selectProxyRow(int row)
{
    table()->selectRow(row);
}

void TestStartPage::pressButton(const char *name)
{
    auto *button = shownPage()->findChild<QPushButton *>(name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestStartPage::filterReloadsAtEachKey()
{
    fillRows();
    ViewIntroduction *page = shownPage();
    ReturnFileEntriesModel *model = appInstance()->retFileModel;
    QCOMPARE(model->entryCount(), 3);
    auto *filter = page->findChild<QLineEdit *>("edtFilter");
    // Each key reloads: "s" is in every name (Jone-s), "sm" only in the two Smiths.
    const QList<QPair<QChar, int>> keys = {{'s', 3}, {'m', 2}, {'i', 2}, {'t', 2},
                                           {'h', 2}, {'e', 1}, {'r', 1}, {'x', 0}};
    for (const auto &key : keys) {
        QTest::keyClick(filter, key.first.toLatin1());
        QCOMPARE(model->entryCount(), key.second);
        QCOMPARE(table()->model()->rowCount(), key.second);
    }
    pressButton("resetFilterButton");
    QCOMPARE(filter->text(), QString());
    QCOMPARE(model->entryCount(), 3);
    QCOMPARE(table()->model()->rowCount(), 3);
}

void TestStartPage::sortedRowsReachTheirFile_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("firstFile");
    // The model lists the newest first: Alice (b), Bob (c), Carol (a).
    QTest::newRow("name ascending") << 0 << int(Qt::AscendingOrder) << "b.r25";
    QTest::newRow("name descending") << 0 << int(Qt::DescendingOrder) << "a.r25";
    QTest::newRow("time ascending") << 1 << int(Qt::AscendingOrder) << "a.r25";
    QTest::newRow("time descending") << 1 << int(Qt::DescendingOrder) << "b.r25";
    QTest::newRow("path ascending") << 2 << int(Qt::AscendingOrder) << "a.r25";
    QTest::newRow("path descending") << 2 << int(Qt::DescendingOrder) << "c.r25";
}

void TestStartPage::sortedRowsReachTheirFile()
{
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QString, firstFile);
    fillRows();
    ViewIntroduction *page = shownPage();
    table()->sortByColumn(column, Qt::SortOrder(order));
    selectProxyRow(0);
    const QString chosen = m_fixture->dir() + "/" + firstFile;
    QCOMPARE(page->selectedFilePath(), chosen);
    // The model keeps its own order; only the view is sorted.
    QCOMPARE(QString(appInstance()->retFileModel->filePathAt(0)), pathOf("b.r25"));

    // Remove, ticked, takes that file and its row; the other two stay.
    m_presenter->queueAnswer(QMessageBox::Yes);
    m_presenter->queueCheck(true);
    pressButton("delButton");
    QVERIFY(!QFile::exists(chosen));
    QCOMPARE(rowsOfPath(chosen), 0);
    QCOMPARE(appInstance()->retFileModel->entryCount(), 2);
    for (const RecentRow &row : kRows) {
        if (pathOf(row.file) == chosen)
            continue;
        QVERIFY(QFile::exists(pathOf(row.file)));
        QCOMPARE(rowsOfPath(pathOf(row.file)), 1);
    }

    // Open reaches the row now first in the sorted view.
    selectProxyRow(0);
    const QString next = page->selectedFilePath();
    QVERIFY(next != chosen && next.startsWith(m_fixture->dir()));
    pressButton("openButton");
    QCOMPARE(m_presenter->shown().size(), 1);
    MainWindow *w = m_fixture->window();
    QCOMPARE(w->openReturnCount(), 1);
    QString opened;
    w->shownEditor()->fullFilePath(opened);
    QCOMPARE(QFileInfo(opened).canonicalFilePath(), QFileInfo(next).canonicalFilePath());
}

void TestStartPage::returnKeyOpensOnlyFromTheTable()
{
    fillRows();
    ViewIntroduction *page = shownPage();
    selectProxyRow(0);
    auto *filter = page->findChild<QLineEdit *>("edtFilter");
    filter->setFocus();
    QTest::keyClick(filter, Qt::Key_Return);
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    // The keypad's Enter is not the Return key.
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_Enter);
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    QCOMPARE(m_fixture->window()->openReturnCount(), 0);
    const QString path = page->selectedFilePath();
    QTest::keyClick(table(), Qt::Key_Return);
    QCOMPARE(m_fixture->window()->openReturnCount(), 1);
    QString opened;
    m_fixture->window()->shownEditor()->fullFilePath(opened);
    QCOMPARE(QFileInfo(opened).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
}

void TestStartPage::limitOfOpenReturns()
{
    fillRows();
    MainWindow *w = m_fixture->window();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    w->actionShowWelcome();
    ViewIntroduction *page = shownPage();
    selectProxyRow(1);
    const QString limit = "Maximum number of returns are opened already. Please click 'Close' "
                          "button on top to close a return first!";
    pressButton("openButton");
    emit table()->doubleClicked(table()->model()->index(1, 0));
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_Return);
    QCOMPARE(m_presenter->shownTexts(), (QStringList{limit, limit, limit}));
    QCOMPARE(w->openReturnCount(), 2);
    Q_UNUSED(page);
}

void TestStartPage::removeWithoutRow()
{
    fillRows();
    shownPage();
    pressButton("delButton");
    QCOMPARE(m_presenter->shown().size(), 1);
    QCOMPARE(m_presenter->shown().first().title, QString("Remove Return"));
    QCOMPARE(m_presenter->shown().first().text,
             QString("Please choose a return file entry first."));
    QCOMPARE(appInstance()->retFileModel->entryCount(), 3);
}

void TestStartPage::removeTickedAndUnticked_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("fileStays");
    QTest::addColumn<int>("rowsLeft");
    QTest::newRow("ticked") << true << true << false << 0;
    QTest::newRow("unticked") << true << false << true << 0;
    QTest::newRow("not confirmed") << false << true << true << 2;
}

void TestStartPage::removeTickedAndUnticked()
{
    QFETCH(bool, confirm);
    QFETCH(bool, ticked);
    QFETCH(bool, fileStays);
    QFETCH(int, rowsLeft);
    const QString path = pathOf("twice.r25");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    // Two rows of the one path: both go with the entry.
    insertRow("Dana Twice", "2026-01-01 09:00:00", path);
    insertRow("Dana Again", "2026-01-02 09:00:00", path);
    shownPage();
    selectProxyRow(0);
    m_presenter->queueAnswer(confirm ? QMessageBox::Yes : QMessageBox::No);
    m_presenter->queueCheck(ticked);
    pressButton("delButton");
    const ShownMessage &asked = m_presenter->shown().first();
    QCOMPARE(asked.kind, QString("checkquestion"));
    QCOMPARE(asked.title, QString("Remove file entry from history list"));
    QCOMPARE(asked.text, QString("Please confirm to remove the entry of this return file?"));
    QCOMPARE(QFile::exists(path), fileStays);
    QCOMPARE(rowsOfPath(path), rowsLeft);
    QCOMPARE(m_presenter->shown().size(), 1);
}

void TestStartPage::removeReportsAFileThatStays()
{
    // A folder in the file's place cannot be removed as a file.
    const QString path = pathOf("folder.r25");
    QVERIFY(QDir().mkpath(path + "/inside"));
    insertRow("Eve Folder", "2026-01-01 09:00:00", path);
    shownPage();
    selectProxyRow(0);
    m_presenter->queueAnswer(QMessageBox::Yes);
    m_presenter->queueCheck(true);
    pressButton("delButton");
    QCOMPARE(m_presenter->shownTexts().last(),
             QString("The file %1 cannot be deleted from the hard drive.").arg(path));
    QCOMPARE(rowsOfPath(path), 0);
    QCOMPARE(appInstance()->retFileModel->entryCount(), 0);
}

void TestStartPage::contextEntriesNeedARow()
{
    shownPage();
    QApplication::clipboard()->setText("before");
    ViewIntroduction *page = shownPage();
    // The menu opens on an empty list and both entries do nothing.
    QTimer::singleShot(0, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList texts;
        for (QAction *a : menu->actions())
            texts.append(a->text());
        QCOMPARE(texts, (QStringList{"Open containing folder", "Copy containing folder path"}));
        QCOMPARE(menu->title(), QString("Context menu"));
        menu->actions().at(1)->trigger();
        menu->close();
    });
    emit page->customContextMenuRequested(QPoint(10, 10));
    page->gotoSelectedFolder();
    QCOMPARE(QApplication::clipboard()->text(), QString("before"));
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

void TestStartPage::contextCopiesTheFolder()
{
    fillRows();
    ViewIntroduction *page = shownPage();
    table()->sortByColumn(2, Qt::DescendingOrder);
    selectProxyRow(0);
    page->copySelectedFolder();
    QCOMPARE(QApplication::clipboard()->text(), m_fixture->dir());
}

void TestStartPage::informationWindows_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("link");
    const QString site = "https://www.quorvandelle.invalid";
    QTest::newRow("About NETFILE")
        << "actionAbout_Quorvandelle" << 2 << "About Quorvandelle 2025 for NetFile"
        << "This software is released on 2026-03-03.\n"
        << "";
    QTest::newRow("About EFILE") << "actionAbout_Quorvandelle" << 1
                                 << "About Quorvandelle 2025 for EFile"
                                 << "This software is released on 2026-03-03.\n"
                                 << "";
    const QString update = "To update, install the new release over the old installation; your "
                           "existing return files are kept.\nYou can download %1 from the "
                           "following link";
    QTest::newRow("Update NETFILE")
        << "actionUpdate_Quorvandelle" << 2 << "Update Quorvandelle 2025 for NetFile"
        << update.arg("Quorvandelle 2025 for NetFile") << site + "/download25-in.html";
    QTest::newRow("Update EFILE") << "actionUpdate_Quorvandelle" << 1
                                  << "Update Quorvandelle 2025 for EFile"
                                  << update.arg("Quorvandelle 2025 for EFile")
                                  << site + "/download25-do.html";
    QTest::newRow("T5008") << "actionAdd_T5008_slip" << 2 << "T5008 Tax Slip Information"
                           << "T5008 tax slip is NOT used directly in tax return.\nCapital gain "
                              "is calculated from Schedule 3, you need to enter T5008 data into "
                              "schedule 3.\nRead the following FAQ link:"
                           << site + "/faq/index.php?action=artikel&cat=8&id=48&artlang=en&"
                                     "highlight=t5008";
    QTest::newRow("industry code")
        << "actionFind_Industry_Code" << 2 << "Find Industry Code"
        << "Industry code is a 6-digit code.\nFind a industry code from the following web link:"
        << "https://www.statistics-agency.invalid/imdb/p3VD.pl?Function=getVD&TVD=1369825";
    QTest::newRow("direct deposit")
        << "actionDirect_deposit_form" << 2 << "Direct Deposit Enrolment"
        << "Taxpayers will be able to register for Direct Deposit through the following "
           "methods:\nMy Account online, through a Canadian bank or credit union, or by "
           "completing and mailing a Direct Deposit enrolment form(paper) available at the "
           "following link. If the Direct Deposit enrolment form is printed from the link "
           "provided, the form must be signed, and a void cheque must be attached."
        << "https://www.government.invalid/en/public-services-procurement/services/"
           "payments-to-from-government/direct-deposit/individuals-canada/enrolment-form.html";
}

void TestStartPage::informationWindows()
{
    QFETCH(QString, action);
    QFETCH(int, edition);
    const unsigned char saved = AppEdition;
    AppEdition = static_cast<unsigned char>(edition);
    MainWindow *w = m_fixture->window();
    m_fixture->action(action.toLatin1().constData())->trigger();
    AppEdition = saved;
    QCOMPARE(m_presenter->shown().size(), 1);
    const ShownMessage &shown = m_presenter->shown().first();
    QCOMPARE(shown.kind, QString("link"));
    QTEST(shown.title, "title");
    QTEST(shown.text, "text");
    QTEST(shown.link, "link");
    QCOMPARE(shown.parent, static_cast<QWidget *>(w));
}

void TestStartPage::t5008ChangesNothing()
{
    MainWindow *w = m_fixture->window();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    Form_Return *editor = w->shownEditor();
    QVERIFY(!editor->isModified());
    const int slips = editor->findChildren<QWidget *>().size();
    m_fixture->action("actionAdd_T5008_slip")->trigger();
    QCOMPARE(m_presenter->shown().size(), 1);
    QVERIFY(!editor->isModified());
    QCOMPARE(editor->findChildren<QWidget *>().size(), slips);
}

void TestStartPage::backgroundColorOnlyOnScreen()
{
    MainWindow *w = m_fixture->window();
    appInstance()->config.BKColor = "#d0f1ff";
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    Form_Return *first = w->shownEditor();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    Form_Return *second = w->shownEditor();
    const QString firstSheet = first->styleSheet() + first->findChild<QWidget *>()->styleSheet();
    QStringList sheetsBefore;
    for (QWidget *child : first->findChildren<QWidget *>())
        sheetsBefore.append(child->styleSheet());

    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setCurrentColor(QColor(0x20, 0x30, 0x40));
        dialog->accept();
    });
    m_fixture->action("actionBackground_Color")->trigger();
    QCOMPARE(QString(appInstance()->config.BKColor), QString("#203040"));

    QStringList sheetsAfter;
    for (QWidget *child : first->findChildren<QWidget *>())
        sheetsAfter.append(child->styleSheet());
    QCOMPARE(sheetsAfter, sheetsBefore);
    bool secondTakesIt = false;
    for (QWidget *child : second->findChildren<QWidget *>())
        secondTakesIt = secondTakesIt || child->styleSheet().contains("#203040");
    QVERIFY(secondTakesIt);
    Q_UNUSED(firstSheet);

    // Cancelled: nothing changes.
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->reject();
    });
    m_fixture->action("actionBackground_Color")->trigger();
    QCOMPARE(QString(appInstance()->config.BKColor), QString("#203040"));
}

void TestStartPage::findReturnFilesWithTwoOpen()
{
    MainWindow *w = m_fixture->window();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    m_fixture->action("actionFind_Return_Files")->trigger();
    QCOMPARE(m_presenter->shownTexts(), QStringList{"Please close a return file to proceed!"});
}

void TestStartPage::autoFillFromTheStartPage()
{
    MainWindow *w = m_fixture->window();
    m_fixture->action("actionAuto_Fill_AFR")->trigger();
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"Auto-fill My Return (AFR) is not available in this build yet."});

    // With the entry filled: the start page passes no editor, an editor on screen passes it.
    QList<Form_Return *> editors;
    neighbourServices().autoFillMyReturn = [&editors, w](Form_Return *editor, QWidget *parent) {
        QCOMPARE(parent, static_cast<QWidget *>(w));
        editors.append(editor);
    };
    m_fixture->action("actionAuto_Fill_AFR")->trigger();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    m_fixture->action("actionAuto_Fill_AFR")->trigger();
    QCOMPARE(editors, (QList<Form_Return *>{nullptr, w->shownEditor()}));
}

QV_TEST_MAIN(TestStartPage)
#include "tst_StartPage.moc"
