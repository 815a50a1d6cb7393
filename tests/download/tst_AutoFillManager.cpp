// The download manager on a real database file: its records model, the lists of both modes,
// View, Remove and New (offline, from a reply file), and the main window's Auto-fill command.
#include <QtTest>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSortFilterProxyModel>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWizard>
#include <QWizardPage>
#include <functional>

#include "EditorFixture.h"
#include "ModalDriver.h"
#include "ScriptedPresenter.h"
#include "TddTestSupport.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "download/AFR_Option.h"
#include "download/DataAFR.h"
#include "download/DlgTDDMain.h"
#include "download/DownloadServices.h"
#include "download/MergeDownloadedTaxData.h"
#include "download/TDDDataEntriesModel.h"
#include "download/TDDTaxDataOnePerson.h"
#include "download/TddEndpoints.h"
#include "download/TddHttpServer.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/AutoFillMerge.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "ordane/Clock.h"
#include "ordane/DoubleLineEdit.h"
#include "ordane/MyDataStream.h"
#include "ordane/WizardBase.h"
#include "ui/FolderView.h"
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

// Views the manager's first row and goes through the three wizard pages, finishing with the
// action given (ticks on the option page, then the Finish button); the number of actions left.
int viewThroughWizard(DlgTDDMain &dialog, const ModalAction &finish)
{
    dialog.show();
    table(dialog)->selectRow(0);
    ModalDriver driver;
    driver.pressButton("Next >");
    driver.pressButton("Next >");
    driver.queue(finish);
    click(dialog, "btnView");
    return driver.pendingActions();
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

// What the return's merge hook was handed, one line per call: the item's identifier, its
// number of slips, the fill option and the names of the flags set.
QStringList g_merges;

int recordMerge(IndividualTaxData &, TDDTaxDataOnePerson *record, DataAFR *choice)
{
    QStringList flags;
    for (CField *field : choice->fields()) {
        if (field->type() == FieldType::Bool && static_cast<CBoolField *>(field)->value())
            flags << QString::fromUtf8(field->name());
    }
    g_merges << QString("%1 %2 %3 %4")
                    .arg(QString(record->sin))
                    .arg(record->slipCount())
                    .arg(choice->fld_iFillOption.value())
                    .arg(flags.join(','));
    return 0;
}

QString digest(const QByteArray &sin)
{
    return QCryptographicHash::hash(sin, QCryptographicHash::Sha256).toHex();
}

// A stored Auto-fill item of the S.I.N.: an FHSA contribution and one T4 slip.
QString storedItem(const QByteArray &sin)
{
    return "<ns2:IndividualIncomeTaxDataItem><IndividualTaxpayerIdentifier>" + digest(sin) +
           "</IndividualTaxpayerIdentifier><Summary><InstalmentAmount>1200.00</"
           "InstalmentAmount><FHSAPlan><FHSAContributionAmount>3000.00"
           "</FHSAContributionAmount></FHSAPlan></Summary><Slips><T4Slip>"
           "<SlipTaxYear>2025</SlipTaxYear><EmployerName>Acme Ltd</EmployerName>"
           "<EmploymentIncomeAmount boxNumber=\"14\">52000.00</EmploymentIncomeAmount>"
           "</T4Slip></Slips></ns2:IndividualIncomeTaxDataItem>";
}

QStringList captionsOf(QTreeWidgetItem *section)
{
    QStringList texts;
    for (int i = 0; i < section->childCount(); ++i)
        texts.append(section->child(i)->text(0));
    return texts;
}

// The person's slips that a download made, by type code.
QList<int> downloadedSlipTypes(IndividualTaxData &person)
{
    QList<int> types;
    for (const TaxDataEntryStru *entry : person.m_slipList) {
        if (entry->data && entry->data->isDownloaded())
            types.append(entry->type);
    }
    return types;
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
        // The manager's installer puts in the real merge; each test starts from the default.
        setAutoFillMerge(nullptr);
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

    // A service that cannot be reached was never asked: the user is told why, not that it
    // holds no record. The service is a local HTTPS server whose certificate this program does
    // not trust, a port where nothing listens, a host under .invalid, or no host at all.
    void newTellsWhyTheServiceIsUnreachable_data()
    {
        QTest::addColumn<QString>("service");
        QTest::addColumn<QString>("cause");
        QTest::newRow("no host set") << ""
                                     << "No host is set for the CRA service in the configuration.";
        QTest::newRow("host under .invalid")
            << "tdd.example.invalid"
            << "The host tdd.example.invalid is a placeholder under the reserved .invalid domain; "
               "set the real address in the configuration.";
        QTest::newRow("nothing listening") << "closed port"
                                           << "The request to 127.0.0.1 failed: Connection refused";
        QTest::newRow("untrusted certificate") << "untrusted"
                                               << "The secure connection to 127.0.0.1 failed: ";
    }

    void newTellsWhyTheServiceIsUnreachable()
    {
        QFETCH(QString, service);
        QFETCH(QString, cause);
        QTemporaryDir certDir;
        TestCertificates certs;
        LocalServer server;
        QString host = service;
        if (service == "untrusted") {
            QVERIFY2(certs.create(certDir.path()), qPrintable(certs.errorString()));
            QVERIFY(server.listen(certs.serverConfiguration()));
            host = "127.0.0.1:" + QString::number(server.port());
        } else if (service == "closed port") {
            QTcpServer free;
            QVERIFY(free.listen(QHostAddress::LocalHost));
            host = "127.0.0.1:" + QString::number(free.serverPort());
        }
        CString &serviceHost = appInstance()->config.downloadEndpoints[TddEndpoint::ServiceHost];
        const CString kept = serviceHost;
        serviceHost = host;

        ScriptedPresenter presenter;
        DlgTDDMain dialog(1, QSqlDatabase::database(), CString(), nullptr);
        dialog.show();
        ModalDriver driver;
        driver.queue({{}, {{"fld_bAgree", true}}, "OK"});
        driver.queue({{{"edtSin01", QString(kSinA)}}, {}, "OK"});
        // The progress dialog is left to end by itself.
        click(dialog, "btnNew");
        serviceHost = kept;
        QCOMPARE(driver.pendingActions(), 0);
        QCOMPARE(driver.seen().size(), 2);
        const QStringList shown = presenter.shownTexts();
        QCOMPARE(shown.size(), 1);
        const QString opening = "Auto-fill My Return could not reach the CRA service.\n";
        QVERIFY2(shown[0].startsWith(opening + cause), qPrintable(shown[0]));
        if (service == "untrusted")
            QVERIFY2(shown[0].contains("certificate", Qt::CaseInsensitive), qPrintable(shown[0]));
        else
            QCOMPARE(shown[0], opening + cause);
        QCOMPARE(server.requests().size(), 0);
        QCOMPARE(ids("tb_taxdata"), QList<int>());
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

    // The option page starts on "every element"; its radio buttons and boxes write the choice,
    // and only a fill option of 0 or 1 lets the wizard finish.
    void optionPage_data()
    {
        QTest::addColumn<bool>("selectOnly");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("flags");
        QTest::newRow("no click") << false << QStringList() << 0 << QStringList();
        QTest::newRow("only, nothing ticked") << true << QStringList() << 1 << QStringList();
        QTest::newRow("only, three ticked")
            << true << QStringList{"fld_bHBPLLP", "fld_bT4", "fld_bT5008"} << 1
            << QStringList{"fld_bT4", "fld_bT5008", "fld_bHBPLLP"};
        // The boxes stay enabled under "every element" and their ticks are kept.
        QTest::newRow("all, one ticked")
            << false << QStringList{"fld_bTuition"} << 0 << QStringList{"fld_bTuition"};
    }

    void optionPage()
    {
        QFETCH(bool, selectOnly);
        QFETCH(QStringList, ticks);
        DataAFR choice;
        WizardBase wizard(nullptr, "Auto-fill My Return");
        auto *page = new AFR_Option(&choice, &wizard);
        QCOMPARE(choice.fld_iFillOption.value(), 0);
        wizard.addPage(page);
        wizard.initUI(740, 600);
        wizard.show();
        QVERIFY(page->findChild<QRadioButton *>("fld_iFillOption_0")->isChecked());
        QVERIFY(!page->findChild<QRadioButton *>("fld_iFillOption_1")->isChecked());
        // Every field of the choice, the radio group first, is bound to its own widget.
        QCOMPARE(page->binder().count(), 24);
        for (CField *field : choice.fields())
            QCOMPARE(page->binder().widgetOf(field)->objectName(),
                     QString::fromUtf8(field->name()));
        if (selectOnly)
            QTest::mouseClick(page->findChild<QRadioButton *>("fld_iFillOption_1"), Qt::LeftButton);
        for (const QString &name : ticks) {
            auto *box = page->findChild<QCheckBox *>(name);
            QVERIFY(box->isEnabled());
            box->click();
        }
        QVERIFY(page->validatePage());
        QTEST(choice.fld_iFillOption.value(), "option");
        QStringList flags;
        for (CField *field : choice.fields()) {
            if (field->type() == FieldType::Bool && static_cast<CBoolField *>(field)->value())
                flags << QString::fromUtf8(field->name());
        }
        QTEST(flags, "flags");

        // A choice with no option chosen is refused.
        choice.fld_iFillOption.setValue(-1);
        page->GetDataFromDoc();
        QVERIFY(!page->validatePage());
        QCOMPARE(choice.fld_iFillOption.value(), -1);
    }

    void optionPageLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("columnSpan");
        const struct
        {
            const char *name;
            const char *text;
            int row, column, span;
        } widgets[] = {
            {"label", "Auto-fill My Return Options", 1, 1, 4},
            {"fld_iFillOption_0", "Select all tax data elements", 5, 1, 4},
            {"fld_iFillOption_1", "Select only the following tax data elements", 6, 1, 4},
            {"fld_bT4", "T4", 7, 1, 1},
            {"fld_bT4AP", "T4A(P)", 7, 4, 1},
            {"fld_bT4FHSA", "T4FHSA", 8, 2, 1},
            {"fld_bT1204", "T1204", 8, 4, 1},
            {"fld_bPRPP", "PRPP tax slip", 9, 3, 2},
            {"fld_bT5008", "T5008", 10, 4, 1},
            {"fld_bTuition", "Fed./Prov. Tuition Carryover amount", 12, 1, 3},
            {"fld_bT2202", "T2202", 12, 4, 1},
            {"fld_bMBSB", "Manitoba shelter benefit slip", 13, 1, 2},
            {"fld_bInstalment", "Tax instalment from CRA records", 13, 3, 2},
            {"fld_bRRSPLimit", "RRSP Deduction Limit and Unused RRSP from CRA records", 15, 1, 4},
            {"fld_bT4RSP", "T4RSP slip", 16, 1, 1},
            {"fld_bRRSPContribution", "RRSP Contribution Receipt", 16, 2, 3},
            {"fld_bHBPLLP", "HBP/LLP required repayment from CRA records", 18, 1, 2},
            {"line1", "", 21, 1, 5},
        };
        for (const auto &w : widgets)
            QTest::newRow(w.name) << w.name << w.text << w.row << w.column << w.span;
    }

    void optionPageLayout()
    {
        QFETCH(QString, name);
        DataAFR choice;
        AFR_Option page(&choice);
        QCOMPARE(page.objectName(), QString("AFR_Option"));
        QCOMPARE(page.size(), QSize(797, 490));
        QWidget *widget = page.findChild<QWidget *>(name);
        QVERIFY(widget);
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            QTEST(button->text(), "text");
        else if (auto *label = qobject_cast<QLabel *>(widget))
            QTEST(label->text(), "text");
        auto *grid = qobject_cast<QGridLayout *>(page.layout());
        int row = -1, column = -1, rowSpan = -1, columnSpan = -1;
        grid->getItemPosition(grid->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
        QTEST(row, "row");
        QTEST(column, "column");
        QTEST(columnSpan, "columnSpan");
        QCOMPARE(rowSpan, 1);
    }

    // A wizard grows to the page on screen: under a larger application font each page of the
    // manager's wizard (summary, notice, options) gets at least its minimum size, so the
    // options page's "HBP/LLP required repayment from CRA records" is not cut off.
    void wizardGrowsToItsPage_data()
    {
        QTest::addColumn<int>("points");
        QTest::newRow("the font as it is") << 0;
        QTest::newRow("16 points") << 16;
        QTest::newRow("22 points") << 22;
    }

    void wizardGrowsToItsPage()
    {
        QFETCH(int, points);
        const QFont kept = QApplication::font();
        if (points > 0) {
            QFont larger = kept;
            larger.setPointSize(points);
            QApplication::setFont(larger);
        }
        g_merges.clear();
        setAutoFillMerge(recordMerge);
        Form_Return *editor = openReturn();
        CString openSin;
        QVERIFY(editor->getFieldText(1, openSin));
        addTaxData(addTaxpayer(kSinA), "2026-03-02", 2025, storedItem(kSinA), "<p>Summary</p>");
        DlgTDDMain dialog(1, QSqlDatabase::database(), openSin, editor);
        dialog.show();
        table(dialog)->selectRow(0);
        QStringList pages;
        QStringList cut;
        ModalDriver driver;
        driver.setInspector([&](QWidget *modal) {
            auto *wizard = qobject_cast<QWizard *>(modal);
            if (!wizard || !wizard->currentPage())
                return;
            QWizardPage *page = wizard->currentPage();
            pages.append(page->objectName());
            const QSize needed = page->minimumSizeHint();
            if (page->width() < needed.width() || page->height() < needed.height())
                cut.append(QStringLiteral("%1 %2x%3 in a wizard of %4x%5 needs %6x%7")
                               .arg(page->objectName())
                               .arg(page->width())
                               .arg(page->height())
                               .arg(wizard->width())
                               .arg(wizard->height())
                               .arg(needed.width())
                               .arg(needed.height()));
            for (QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
                if (button->isVisible() && button->width() < button->minimumSizeHint().width())
                    cut.append(page->objectName() + ": " + button->text());
            }
        });
        driver.pressButton("Next >");
        driver.pressButton("Next >");
        driver.queue({{}, {}, "Auto-fill My Return"});
        click(dialog, "btnView");
        QApplication::setFont(kept);
        setAutoFillMerge(nullptr);
        QCOMPARE(driver.pendingActions(), 0);
        QCOMPARE(pages, (QStringList{"AFR_Data", "AFR_Message", "AFR_Option"}));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        QCOMPARE(g_merges, QStringList{digest(kSinA) + " 1 0 "});
    }

    // The open return's own download: summary, notice and options, and finishing hands the
    // stored item and the choice to the return's merge, then closes the manager.
    void viewAppliesTheOpenReturnsDownload()
    {
        g_merges.clear();
        setAutoFillMerge(recordMerge);
        Form_Return *editor = openReturn();
        CString openSin;
        QVERIFY(editor->getFieldText(1, openSin));
        QCOMPARE(QByteArray(openSin.toUtf8()), kSinA);
        addTaxData(addTaxpayer(kSinA), "2026-03-02", 2025, storedItem(kSinA), "<p>Summary</p>");
        DlgTDDMain dialog(1, QSqlDatabase::database(), openSin, editor);
        WizardSeen seen;
        ShowProbe probe([&](QWidget *shown) {
            if (auto *wizard = qobject_cast<QWizard *>(shown))
                seen = {wizard->windowTitle(), wizard->pageIds().size(),
                        wizard->buttonText(QWizard::FinishButton)};
        });
        QCOMPARE(viewThroughWizard(dialog, {{}, {}, "Auto-fill My Return"}), 0);
        setAutoFillMerge(nullptr);
        QCOMPARE(seen.title, QString("Auto-fill My Return"));
        QCOMPARE(seen.pages, 3);
        QCOMPARE(seen.finish, QString("Auto-fill My Return"));
        QCOMPARE(g_merges, QStringList{digest(kSinA) + " 1 0 "});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // A stored item that does not load, or is not the row's taxpayer's, is never merged.
    void viewRefusesAnUnreadableDownload_data()
    {
        QTest::addColumn<QString>("data1");
        QTest::newRow("not XML") << "PK\x03\x04 not xml";
        QTest::newRow("empty") << "";
        QTest::newRow("no identifier") << "<IndividualIncomeTaxDataItem/>";
        QTest::newRow("another S.I.N.'s item") << storedItem(kSinB);
        QTest::newRow("nested too deep")
            << QString("<a>").repeated(300) + QString("</a>").repeated(300);
    }

    void viewRefusesAnUnreadableDownload()
    {
        QFETCH(QString, data1);
        g_merges.clear();
        setAutoFillMerge(recordMerge);
        Form_Return *editor = openReturn();
        CString openSin;
        editor->getFieldText(1, openSin);
        const QString path = m_dir.filePath("return.r25");
        QCOMPARE(saveReturnFile(*editor->family(), path, AppEdition), 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        ScriptedPresenter presenter;
        addTaxData(addTaxpayer(kSinA), "2026-03-02", 2025, data1, "<p>Summary</p>");
        DlgTDDMain dialog(1, QSqlDatabase::database(), openSin, editor);
        QCOMPARE(viewThroughWizard(dialog, {{}, {}, "Auto-fill My Return"}), 0);
        setAutoFillMerge(nullptr);
        QCOMPARE(g_merges, QStringList());
        QCOMPARE(presenter.shownTexts(),
                 QStringList{"The stored tax data cannot be read, so nothing was applied."});
        QCOMPARE(presenter.shown().first().parent, &dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(saveReturnFile(*editor->family(), path, AppEdition), 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // Finishing the wizard for the open return's own download merges it with the real merge:
    // the slips it makes are marked and named " by AFR" in the tree, the FHSA amounts and the
    // T1's Auto-fill stamp are written whatever was chosen, the result lines follow the
    // recalculated return, and the manager closes.
    void finishingAppliesTheDownload_data()
    {
        QTest::addColumn<bool>("selectOnly");
        QTest::addColumn<QList<int>>("slipTypes");
        QTest::addColumn<double>("incomeAdded");
        QTest::addColumn<double>("instalments");
        QTest::newRow("every element, no click") << false << QList<int>{1} << 52000.0 << 1200.0;
        // The instalments typed on the T1 page, not yet stored, stay.
        QTest::newRow("only, nothing ticked") << true << QList<int>() << 0.0 << 750.0;
    }

    void finishingAppliesTheDownload()
    {
        QFETCH(bool, selectOnly);
        QFETCH(QList<int>, slipTypes);
        QFETCH(double, incomeAdded);
        QFETCH(double, instalments);
        installAutoFillMerge();
        Form_Return *editor = openReturn();
        FamilyTaxData *family = editor->family();
        IndividualTaxData &person = *family->getCurrentPersonData();
        auto *t1 = dynamic_cast<TaxData_T1New *>(person.getForm(FormType::T1, 0, false));
        QVERIFY(t1);
        const double incomeBefore = t1->f15000.value();
        const QStringList slipsBefore = captionsOf(editor->folderView()->slipSection());
        QVERIFY(!t1->autoFillFlag.value());
        CString openSin;
        editor->getFieldText(1, openSin);
        addTaxData(addTaxpayer(kSinA), "2026-03-02", 2025, storedItem(kSinA), "<p>Summary</p>");
        auto *instalmentsEdit =
            qobject_cast<QLineEdit *>(boundWidget(editor, "taxInstalmentsPaid"));
        QVERIFY(instalmentsEdit);
        QTabWidget *tabs = editor->tabWidget();
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i)->isAncestorOf(instalmentsEdit))
                tabs->setCurrentIndex(i);
        }
        QVERIFY(tabs->currentWidget()->isAncestorOf(instalmentsEdit));
        instalmentsEdit->setText("750.00");

        DlgTDDMain dialog(1, QSqlDatabase::database(), openSin, editor);
        ModalAction finish{{}, {}, "Auto-fill My Return"};
        if (selectOnly)
            finish.ticks.insert("fld_iFillOption_1", true);
        QCOMPARE(viewThroughWizard(dialog, finish), 0);
        setAutoFillMerge(nullptr);
        QVERIFY(!dialog.isVisible());

        QCOMPARE(downloadedSlipTypes(person), slipTypes);
        QStringList slips = slipsBefore;
        if (!slipTypes.isEmpty())
            slips.append("T4 - Acme Ltd by AFR");
        QCOMPARE(captionsOf(editor->folderView()->slipSection()), slips);
        QCOMPARE(t1->f15000.value(), incomeBefore + incomeAdded);
        QCOMPARE(resultLines(editor), balanceTexts(family));
        auto *sch15 = dynamic_cast<TaxData_Sch15 *>(person.getForm(FormType::SCH15, 0, false));
        QVERIFY(sch15);
        QCOMPARE(sch15->fhsaContributions.value(), 3000.0);
        QVERIFY(t1->autoFillFlag.value());
        QCOMPARE(t1->autoFillDate.date(), now().date());
        // The page shows what the return now holds, so a later commit cannot undo the merge.
        QCOMPARE(t1->taxInstalmentsPaid.value(), instalments);
        QCOMPARE(instalmentsEdit->text(), DoubleLineEdit::formatAmount(instalments));
    }

    // A statement that fails tells the user nothing but leaves a line in the run log.
    void databaseFailuresGoToTheRunLog()
    {
        const CString savedLog = appInstance()->logPath;
        const QString logPath = m_dir.filePath("log2025.txt");
        appInstance()->logPath = logPath;
        QFile::remove(logPath);
        ScriptedPresenter presenter;
        QVERIFY(QSqlQuery().exec("alter table tb_taxdata rename to tb_taxdata_away"));
        DlgTDDMain dialog(1, QSqlDatabase::database(), CString(kSinA), nullptr);
        dialog.show();
        CString sin = "x", page = "y";
        QVERIFY(!dialog.recordHtml(1, sin, page));
        QCOMPARE(sin, CString());
        QCOMPARE(page, CString());
        TDDTaxDataOnePerson record(0);
        QCOMPARE(dialog.loadTaxDataRecord(1, record), StoredDownloadRead::DatabaseFailed);
        QCOMPARE(dialog.deleteRecord(1), 0);
        QVERIFY(QSqlQuery().exec("alter table tb_taxdata_away rename to tb_taxdata"));
        appInstance()->logPath = savedLog;
        QCOMPARE(dialog.recordsModel()->rowCount(), 0);
        QCOMPARE(presenter.shownTexts(), QStringList());
        QFile log(logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QStringList lines;
        for (const QByteArray &line : log.readAll().split('\n')) {
            const int at = line.indexOf("download manager: ");
            if (at >= 0)
                lines << QString::fromUtf8(line.mid(at)).section(" failed:", 0, 0);
        }
        QCOMPARE(lines, (QStringList{"download manager: listing tb_taxdata",
                                     "download manager: reading a stored page",
                                     "download manager: reading a stored download",
                                     "download manager: deleting a stored download"}));
    }
};

QV_TEST_MAIN(TestAutoFillManager)
#include "tst_AutoFillManager.moc"
