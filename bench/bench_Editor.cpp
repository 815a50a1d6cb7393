// The editor on a coupled return with 200 slips and 40 further forms: one keystroke (a new
// amount in T4 box 14 and Tab, to the refreshed result line), and opening the return's file
// until its T1 page has painted.
#include <QtTest>

#include "EditorFixture.h"
#include "ReturnFixture.h"
#include "TestMain.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ui/FolderView.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace {

// Tells when the watched widget has painted.
class PaintWatcher : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

} // namespace

class BenchEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void keystroke();
    void open();

private:
    std::unique_ptr<EditorFixture> m_fixture;
    Form_Return *m_editor = nullptr;
    int m_amount = 50000;
};

void BenchEditor::initTestCase()
{
    m_fixture = std::make_unique<EditorFixture>();
    FamilyTaxData *family = EditorFixture::coupledReturn(100, 20);
    const int slips = family->taxpayer()->m_slipList.size() + family->spouse()->m_slipList.size();
    QCOMPARE(slips, 200);
    MainWindow *w = m_fixture->window();
    w->resize(1270, 673);
    w->show();
    w->addReturnPage(nullptr, family);
    QVERIFY(QTest::qWaitForWindowActive(w));
    m_editor = w->shownEditor();
    for (TaxDataEntryStru *e : family->getCurrentPersonData()->m_slipList) {
        if (e->type == SlipType::T4) {
            m_editor->folderView()->selectEntry(FolderView::KindSlip, e->id);
            break;
        }
    }
    QVERIFY(boundWidget(m_editor, "box14"));
}

void BenchEditor::cleanupTestCase()
{
    m_fixture.reset();
}

void BenchEditor::keystroke()
{
    auto *line = m_editor->findChild<QLabel *>("lblResultLine1");
    QBENCHMARK
    {
        line->clear();
        // A new amount each time (the function itself runs more than once), so every Tab
        // stores a change and recalculates.
        typeInto(m_editor, "box14", QString::number(++m_amount));
        if (line->text().isEmpty())
            QFAIL("the result line was not refreshed");
    }
}

void BenchEditor::open()
{
    MainWindow *w = m_fixture->window();
    const QString file = m_fixture->dir() + "/Bench_Couple.r25";
    {
        std::unique_ptr<FamilyTaxData> family(EditorFixture::coupledReturn(100, 20));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(ReturnFixture::saveToBytes(*family));
    }
    // Room for the return opened each round.
    w->actionCloseReturn();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(w->openReturnCount(), 0);
    QBENCHMARK
    {
        w->openReturnFile(file);
        Form_Return *editor = w->shownEditor();
        QWidget *page = editor ? editor->tabWidget()->currentWidget() : nullptr;
        if (!page)
            QFAIL("no T1 page");
        PaintWatcher watcher;
        page->installEventFilter(&watcher);
        while (!watcher.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        page->removeEventFilter(&watcher);
        w->actionCloseReturn();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QV_TEST_MAIN(BenchEditor)
#include "bench_Editor.moc"
