// The forms tree on the coupled fixture return: sections, in-place refills, captions,
// selection, removal, context menus and the selected-row painter.
#include "PluginFolder.h"
#include "ReturnFixture.h"
#include "TestMain.h"

#include "marrow/CTaxData_Form.h"
#include "marrow/TaxData_TaxNote.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/FormCaption.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ui/FolderView.h"
#include "ui/SlipCaption.h"
#include "ui/TreeViewDelegate.h"
#include "ui/TreeVisitors.h"

#include <QMenu>
#include <QPainter>
#include <QStandardItemModel>
#include <numeric>

namespace {

constexpr int kMark = Qt::UserRole + 7;

QList<QTreeWidgetItem *> childrenOf(QTreeWidgetItem *section)
{
    QList<QTreeWidgetItem *> items;
    for (int i = 0; i < section->childCount(); ++i)
        items.append(section->child(i));
    return items;
}

QStringList captionsOf(QTreeWidgetItem *section)
{
    QStringList texts;
    for (QTreeWidgetItem *item : childrenOf(section))
        texts.append(item->text(0));
    return texts;
}

QList<int> entryIds(QTreeWidgetItem *section)
{
    QList<int> ids;
    for (QTreeWidgetItem *item : childrenOf(section))
        ids.append(static_cast<TreeItem *>(item)->entryAs<TaxDataEntryStru>()->id);
    return ids;
}

// The ids of the person's forms the tree shows, in list order.
QList<int> shownFormIds(IndividualTaxData *person)
{
    QList<int> ids;
    for (TaxDataEntryStru *e : person->m_formList) {
        if (!isHiddenTreeForm(e->type))
            ids.append(e->id);
    }
    return ids;
}

void markAll(QTreeWidgetItem *section)
{
    for (QTreeWidgetItem *item : childrenOf(section))
        item->setData(0, kMark, true);
}

int markedCount(QTreeWidgetItem *section)
{
    int n = 0;
    for (QTreeWidgetItem *item : childrenOf(section))
        n += item->data(0, kMark).toBool() ? 1 : 0;
    return n;
}

} // namespace

class TestFolderView : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void sectionsTextsFontAndTooltip();
    void secondBuildKeepsSections();
    void hiddenFormTypes();
    void shrinkingAndGrowingFormsReuseItems();
    void shrinkingAndGrowingSlipsReuseItems();
    void slipCaptions_data();
    void slipCaptions();
    void treeCaptionsFollowEntries();
    void selectEntry_data();
    void selectEntry();
    void selectEntryWithoutForms();
    void selectedEntry_data();
    void selectedEntry();
    void removeSelectedTreeItem_data();
    void removeSelectedTreeItem();
    void contextMenus_data();
    void contextMenus();
    void notesRebuiltFromScratch();
    void personSwitchRefill();
    void destroyingViewReportsNothing();
    void delegatePaintsSelection_data();
    void delegatePaintsSelection();

private:
    QTreeWidgetItem *itemByName(const QString &name);
    // Makes the named item the only selected one ("" selects nothing) and returns it.
    QTreeWidgetItem *selectByName(const QString &name);

    PluginFolder *m_plugins = nullptr;
    FamilyTaxData *m_family = nullptr;
    FolderView *m_view = nullptr;
};

void TestFolderView::init()
{
    m_plugins = new PluginFolder;
    QVERIFY(m_plugins->linkRealPlugin(ReturnFixture::kProvince));
    m_family = new FamilyTaxData(0);
    ReturnFixture::fillCoupledReturn(*m_family, 5, 2);
    ReturnFixture::bringToLoadedState(*m_family);
    QVERIFY(m_family->isCoupled());
    m_view = new FolderView;
    m_view->buildSections(m_family);
}

void TestFolderView::cleanup()
{
    delete m_view;
    delete m_family;
    delete m_plugins;
    m_view = nullptr;
    m_family = nullptr;
    m_plugins = nullptr;
}

QTreeWidgetItem *TestFolderView::itemByName(const QString &name)
{
    if (name == "start")
        return m_view->startSection();
    if (name == "slips")
        return m_view->slipSection();
    if (name == "wizard")
        return m_view->wizardSection();
    if (name == "notes")
        return m_view->noteSection();
    if (name == "forms")
        return m_view->formSection();
    if (name == "result")
        return m_view->resultSection();
    if (name == "slip")
        return m_view->slipSection()->child(1);
    if (name == "form")
        return m_view->formSection()->child(2);
    if (name == "note")
        return m_view->noteSection()->child(1);
    if (name == "wizard item")
        return m_view->wizardSection()->child(0);
    return nullptr;
}

QTreeWidgetItem *TestFolderView::selectByName(const QString &name)
{
    QTreeWidgetItem *chosen = itemByName(name);
    m_view->clearSelection();
    if (chosen)
        m_view->setCurrentItem(chosen);
    return chosen;
}

void TestFolderView::sectionsTextsFontAndTooltip()
{
    QCOMPARE(m_view->columnCount(), 1);
    QCOMPARE(m_view->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(m_view->contextMenuPolicy(), Qt::CustomContextMenu);
    QCOMPARE(m_view->topLevelItemCount(), 6);
    const QStringList texts{"Start",     "Tax Slips", "Express Wizard",
                            "Tax Notes", "Tax Forms", "Result"};
    const QList<bool> expanded{false, true, true, true, true, false};
    for (int i = 0; i < 6; ++i) {
        QTreeWidgetItem *section = m_view->topLevelItem(i);
        QCOMPARE(section->text(0), texts[i]);
        const QFont font = section->data(0, Qt::FontRole).value<QFont>();
        QCOMPARE(font.weight(), 75);
        QCOMPARE(font.family(), QApplication::font().family());
        QCOMPARE(section->toolTip(0),
                 i == 1 ? QString("Right click to add more tax slips") : QString());
        QCOMPARE(section->isExpanded(), expanded[i]);
        QCOMPARE(static_cast<TreeItem *>(section)->entry(), nullptr);
        QCOMPARE(section->type(), 0);
    }
    QCOMPARE(m_view->startSection()->childCount(), 0);
    QCOMPARE(m_view->resultSection()->childCount(), 0);
    QCOMPARE(captionsOf(m_view->noteSection()), (QStringList{"Receipts", "Call"}));
    // One item per wizard-data entry, in list order, named by its type.
    const QStringList wizardNames{"",
                                  "General Questions",
                                  "Last Year's Amounts",
                                  "Dependants",
                                  "Medical Expenses",
                                  "RRSP Contributions",
                                  "Provincial Questions"};
    QStringList expectedWizards;
    for (TaxWizardEntryStru *e : m_family->taxpayer()->m_wizardList)
        expectedWizards.append(wizardNames.value(e->type));
    QVERIFY(expectedWizards.size() >= 5);
    QCOMPARE(expectedWizards.mid(0, 5),
             (QStringList{"General Questions", "Last Year's Amounts", "Dependants",
                          "Medical Expenses", "RRSP Contributions"}));
    QCOMPARE(captionsOf(m_view->wizardSection()), expectedWizards);
    QCOMPARE(captionsOf(m_view->slipSection()), (QStringList{"T4", "T5", "T3", "T4", "T5"}));
    QCOMPARE(entryIds(m_view->formSection()), shownFormIds(m_family->taxpayer()));
    QCOMPARE(m_view->formSection()->child(0)->text(0), QString("T1 General"));
}

void TestFolderView::secondBuildKeepsSections()
{
    m_view->slipSection()->setExpanded(false);
    m_family->setCurrentPersonIndex(PersonSpouse);
    m_family->spouse()->removeNote(m_family->spouse()->getNote(7, false));
    m_view->buildSections(m_family);
    QCOMPARE(m_view->topLevelItemCount(), 6);
    QCOMPARE(m_view->topLevelItem(5)->text(0), QString("Result"));
    QCOMPARE(captionsOf(m_view->noteSection()), QStringList{"Receipts"});
    QCOMPARE(entryIds(m_view->formSection()), shownFormIds(m_family->spouse()));
    QVERIFY(m_view->slipSection()->isExpanded());
}

void TestFolderView::hiddenFormTypes()
{
    IndividualTaxData *person = m_family->taxpayer();
    for (int type : {FormType::T1KSREFILE, FormType::T1KSPRIOR, FormType::T183})
        QVERIFY(person->addForm(type, 0, true, 0, false));
    QVERIFY(person->hasForm(FormType::T1KS));
    m_view->populateForms();
    for (QTreeWidgetItem *item : childrenOf(m_view->formSection())) {
        const int type = static_cast<TreeItemForm *>(item)->formEntry()->type;
        QVERIFY2(!isHiddenTreeForm(type), qPrintable(QString::number(type)));
    }
    const QList<int> shown = shownFormIds(person);
    QCOMPARE(shown.size(), person->m_formList.size() - 4);
    QCOMPARE(entryIds(m_view->formSection()), shown);

    CPopFormObj visitor(true);
    person->enumForms(visitor, m_view);
    QCOMPARE(visitor.m_count, shown.size());
    QCOMPARE(m_view->formSection()->childCount(), shown.size());
}

void TestFolderView::shrinkingAndGrowingFormsReuseItems()
{
    IndividualTaxData *person = m_family->taxpayer();
    QList<QTreeWidgetItem *> before = childrenOf(m_view->formSection());
    const int n = before.size();
    QVERIFY(n >= 5);
    m_view->formSection()->setExpanded(false);
    m_view->setCurrentItem(before[1]);
    const QList<TaxDataEntryStru *> forms = person->m_formList;
    QList<CTaxData_Form *> t2125;
    for (TaxDataEntryStru *e : forms) {
        if (e->type == FormType::T2125)
            t2125.append(e->data);
    }
    QCOMPARE(t2125.size(), 2);
    for (CTaxData_Form *f : t2125)
        person->removeForm(f, true, false);

    m_view->populateForms();
    const QList<QTreeWidgetItem *> after = childrenOf(m_view->formSection());
    QCOMPARE(after, before.mid(0, n - 2));
    QCOMPARE(entryIds(m_view->formSection()), shownFormIds(person));
    QCOMPARE(m_view->selectedItem(), before[1]);
    QCOMPARE(m_view->currentItem(), before[1]);
    QVERIFY(!m_view->formSection()->isExpanded());

    TaxDataEntryStru *added = person->addForm(FormType::T2125, 0, true, 0, false);
    QVERIFY(added);
    m_view->populateForms();
    const QList<QTreeWidgetItem *> grown = childrenOf(m_view->formSection());
    QCOMPARE(grown.size(), n - 1);
    QCOMPARE(grown.mid(0, n - 2), after);
    QCOMPARE(static_cast<TreeItemForm *>(grown.last())->formEntry(), added);
    QCOMPARE(m_view->selectedItem(), before[1]);
    QVERIFY(!m_view->formSection()->isExpanded());
}

void TestFolderView::shrinkingAndGrowingSlipsReuseItems()
{
    IndividualTaxData *person = m_family->taxpayer();
    QList<QTreeWidgetItem *> before = childrenOf(m_view->slipSection());
    QCOMPARE(before.size(), 5);
    m_view->setCurrentItem(before[2]);
    markAll(m_view->slipSection());
    person->removeSlip(person->m_slipList[3]->data);
    person->removeSlip(person->m_slipList[3]->data);
    m_view->populateSlips();
    QCOMPARE(childrenOf(m_view->slipSection()), before.mid(0, 3));
    QCOMPARE(markedCount(m_view->slipSection()), 3);
    QCOMPARE(m_view->selectedItem(), before[2]);

    // Removing the first slip moves the others up: the items take the new entries in order.
    person->removeSlip(person->m_slipList[0]->data);
    person->addSlip(SlipType::T4A, 0, 0);
    person->addSlip(SlipType::T5007, 0, 0);
    m_view->populateSlips();
    const QList<QTreeWidgetItem *> grown = childrenOf(m_view->slipSection());
    QCOMPARE(grown.size(), 4);
    QCOMPARE(grown.mid(0, 3), before.mid(0, 3));
    QCOMPARE(captionsOf(m_view->slipSection()), (QStringList{"T5", "T3", "T4A", "T5007"}));
    QCOMPARE(markedCount(m_view->slipSection()), 3);
    QVERIFY(!grown[3]->data(0, kMark).toBool());
    QVERIFY(m_view->slipSection()->isExpanded());
}

void TestFolderView::slipCaptions_data()
{
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<int>("linkedId");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("downloaded");
    QTest::addColumn<QString>("caption");

    QTest::newRow("plain") << false << 0 << "" << false << "T4";
    QTest::newRow("coupled and linked") << true << 120 << "" << false << "S-T4";
    QTest::newRow("linked, not coupled") << false << 120 << "" << false << "T4";
    QTest::newRow("coupled, not linked") << true << 0 << "" << false << "T4";
    QTest::newRow("description") << false << 0 << "Acme Ltd" << false << "T4 - Acme Ltd";
    QTest::newRow("downloaded") << false << 0 << "" << true << "T4 -  by AFR";
    QTest::newRow("all") << true << 7 << "Acme" << true << "S-T4 - Acme by AFR";
}

void TestFolderView::slipCaptions()
{
    QFETCH(bool, coupled);
    QFETCH(int, linkedId);
    QFETCH(QString, description);
    QFETCH(bool, downloaded);
    QFETCH(QString, caption);

    // A note stands in for a slip that keeps a description.
    TaxData_TaxNote slip;
    slip.description.setValue(description);
    slip.setDownloaded(downloaded);
    TaxDataEntryStru entry;
    entry.type = SlipType::T4;
    entry.id = 104;
    entry.linkedId = linkedId;
    entry.data = &slip;
    CString text;
    slipCaption(coupled, &entry, text);
    QCOMPARE(QString(text), caption);
}

void TestFolderView::treeCaptionsFollowEntries()
{
    IndividualTaxData *person = m_family->taxpayer();
    TaxDataEntryStru *first = person->m_slipList[0];
    TaxDataEntryStru *second = person->m_slipList[1];
    QTreeWidgetItem *firstItem = m_view->slipSection()->child(0);
    first->linkedId = 200;
    second->data->setDownloaded(true);
    m_view->refreshSlipCaptions();
    QCOMPARE(m_view->slipSection()->child(0), firstItem);
    QCOMPARE(captionsOf(m_view->slipSection()).mid(0, 2), (QStringList{"S-T4", "T5 -  by AFR"}));

    // A linked form in the coupled return carries the marker too.
    QTreeWidgetItem *scheduleItem = m_view->formSection()->child(1);
    TaxDataEntryStru *schedule = static_cast<TreeItemForm *>(scheduleItem)->formEntry();
    QCOMPARE(schedule->type, FormType::SCH3);
    schedule->linkedId = 300;
    m_view->refreshFormCaptions();
    QCOMPARE(scheduleItem->text(0), QString("S-Schedule 3"));

    // A single return never shows the marker.
    m_family->spouse()->removeForm(m_family->spouse()->getForm(FormType::T1, 0, false), true,
                                   false);
    QVERIFY(!m_family->isCoupled());
    m_view->refreshSlipCaptions();
    QCOMPARE(firstItem->text(0), QString("T4"));

    // Form captions are the return model's, item by item.
    for (QTreeWidgetItem *item : childrenOf(m_view->formSection()))
        item->setText(0, "stale");
    m_view->refreshFormCaptions();
    for (QTreeWidgetItem *item : childrenOf(m_view->formSection())) {
        CString expected;
        makeFormCaption(false, static_cast<TreeItemForm *>(item)->formEntry(), expected);
        QCOMPARE(item->text(0), QString(expected));
    }
    QCOMPARE(m_view->formSection()->child(0)->text(0), QString("T1 General"));
    QCOMPARE(scheduleItem->text(0), QString("Schedule 3"));
    int multiples = 0;
    for (QTreeWidgetItem *item : childrenOf(m_view->formSection())) {
        if (static_cast<TreeItemForm *>(item)->formEntry()->type == FormType::T2125) {
            QVERIFY(item->text(0).startsWith("T2125"));
            ++multiples;
        }
    }
    QCOMPARE(multiples, 2);

    // Notes take their descriptions again.
    person->getNote(7, false)->description.setValue("Phone");
    m_view->refreshSlipCaptions();
    QCOMPARE(captionsOf(m_view->noteSection()), (QStringList{"Receipts", "Phone"}));
}

void TestFolderView::selectEntry_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("expected");

    QTest::newRow("slip by id") << 1 << "slip 3"
                                << "slip 3";
    QTest::newRow("form by id") << 0 << "form 2"
                                << "form 2";
    QTest::newRow("note by key") << 3 << "7"
                                 << "note 1";
    QTest::newRow("result kind") << 99 << "0"
                                 << "form 0";
    QTest::newRow("unknown form id") << 0 << "0"
                                     << "form 0";
    QTest::newRow("unknown slip id") << 1 << "99999"
                                     << "form 0";
    QTest::newRow("form id as slip") << 1 << "form 1"
                                     << "form 0";
    QTest::newRow("unknown note key") << 3 << "8"
                                      << "form 0";
    QTest::newRow("no kind") << -1 << "slip 0"
                             << "form 0";
}

void TestFolderView::selectEntry()
{
    QFETCH(int, kind);
    QFETCH(QString, id);
    QFETCH(QString, expected);
    const auto resolveId = [&](const QString &text) {
        const QStringList parts = text.split(' ');
        if (parts.size() == 1)
            return parts[0].toInt();
        QTreeWidgetItem *section =
            parts[0] == "slip" ? m_view->slipSection() : m_view->formSection();
        return static_cast<TreeItem *>(section->child(parts[1].toInt()))
            ->entryAs<TaxDataEntryStru>()
            ->id;
    };
    const QStringList want = expected.split(' ');
    QTreeWidgetItem *section = want[0] == "slip"   ? m_view->slipSection()
                               : want[0] == "note" ? m_view->noteSection()
                                                   : m_view->formSection();
    QTreeWidgetItem *target = section->child(want[1].toInt());

    m_view->setCurrentItem(m_view->resultSection());
    m_view->selectEntry(kind, resolveId(id));
    QCOMPARE(m_view->currentItem(), target);
    QCOMPARE(m_view->selectedItem(), target);
}

void TestFolderView::selectEntryWithoutForms()
{
    m_view->setCurrentItem(m_view->slipSection()->child(0));
    m_view->clearFormItems();
    m_view->selectEntry(99, 0);
    QCOMPARE(m_view->currentItem(), nullptr);
    QCOMPARE(m_view->selectedItem(), nullptr);
    // A collapsed section is searched like an open one.
    m_view->slipSection()->setExpanded(false);
    const int id = m_family->taxpayer()->m_slipList[4]->id;
    m_view->selectEntry(1, id);
    QCOMPARE(m_view->currentItem(), m_view->slipSection()->child(4));
}

void TestFolderView::selectedEntry_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("returned");

    QTest::newRow("nothing") << "" << -1 << "null";
    QTest::newRow("start") << "start" << -1 << "null";
    QTest::newRow("slips section") << "slips" << -1 << "null";
    QTest::newRow("wizard section") << "wizard" << -1 << "null";
    QTest::newRow("wizard item") << "wizard item" << -1 << "null";
    QTest::newRow("notes section") << "notes" << -1 << "null";
    QTest::newRow("forms section") << "forms" << -1 << "null";
    QTest::newRow("slip") << "slip" << 1 << "entry";
    QTest::newRow("form") << "form" << 0 << "entry";
    QTest::newRow("note") << "note" << 3 << "note";
    QTest::newRow("result") << "result" << 99 << "item";
}

void TestFolderView::selectedEntry()
{
    QFETCH(QString, item);
    QFETCH(int, kind);
    QFETCH(QString, returned);

    QTreeWidgetItem *chosen = selectByName(item);
    int k = 5, type = 5, id = 5;
    void *result = m_view->selectedEntry(k, type, id);
    QCOMPARE(k, kind);
    if (returned == "null") {
        QCOMPARE(result, nullptr);
        QCOMPARE(type, 0);
        QCOMPARE(id, 0);
    } else if (returned == "entry") {
        auto *entry = static_cast<TreeItem *>(chosen)->entryAs<TaxDataEntryStru>();
        QCOMPARE(result, static_cast<void *>(entry));
        QCOMPARE(type, entry->type);
        QCOMPARE(id, entry->id);
        QVERIFY(id >= 100);
    } else if (returned == "note") {
        auto *note = static_cast<TreeItem *>(chosen)->entryAs<TaxNoteEntryStru>();
        QCOMPARE(result, static_cast<void *>(note));
        QCOMPARE(type, 0);
        QCOMPARE(id, 7);
    } else {
        QCOMPARE(result, static_cast<void *>(chosen));
        QCOMPARE(type, 93);
        QCOMPARE(id, 0);
    }
}

void TestFolderView::removeSelectedTreeItem_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("removed");
    QTest::newRow("nothing") << "" << false;
    QTest::newRow("start") << "start" << false;
    QTest::newRow("slips section") << "slips" << false;
    QTest::newRow("forms section") << "forms" << false;
    QTest::newRow("wizard item") << "wizard item" << false;
    QTest::newRow("result") << "result" << false;
    QTest::newRow("slip") << "slip" << true;
    QTest::newRow("form") << "form" << true;
    QTest::newRow("note") << "note" << true;
}

void TestFolderView::removeSelectedTreeItem()
{
    QFETCH(QString, item);
    QFETCH(bool, removed);

    QTreeWidgetItem *chosen = selectByName(item);
    const QList<int> counts{
        m_view->slipSection()->childCount(), m_view->formSection()->childCount(),
        m_view->noteSection()->childCount(), m_view->wizardSection()->childCount()};
    QTreeWidgetItem *parent = chosen ? chosen->parent() : nullptr;
    const int index = parent ? parent->indexOfChild(chosen) : -1;
    QTreeWidgetItem *next = parent ? parent->child(index + 1) : nullptr;

    QCOMPARE(m_view->removeSelectedTreeItem(), removed);
    const QList<int> after{m_view->slipSection()->childCount(), m_view->formSection()->childCount(),
                           m_view->noteSection()->childCount(),
                           m_view->wizardSection()->childCount()};
    const int total = std::accumulate(counts.begin(), counts.end(), 0);
    QCOMPARE(std::accumulate(after.begin(), after.end(), 0), total - (removed ? 1 : 0));
    if (removed)
        QCOMPARE(parent->child(index), next);
    QCOMPARE(m_view->topLevelItemCount(), 6);
}

void TestFolderView::contextMenus_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("kind");

    QTest::newRow("nothing") << ""
                             << "" << -1;
    QTest::newRow("start") << "start"
                           << "" << -1;
    QTest::newRow("slips section") << "slips"
                                   << "Slips menu" << 0;
    QTest::newRow("slip") << "slip"
                          << "Slip menu" << 1;
    QTest::newRow("wizard section") << "wizard"
                                    << "" << -1;
    QTest::newRow("wizard item") << "wizard item"
                                 << "" << -1;
    QTest::newRow("notes section") << "notes"
                                   << "Note menu" << 20;
    QTest::newRow("note") << "note"
                          << "Note menu" << 21;
    QTest::newRow("forms section") << "forms"
                                   << "Forms menu" << 10;
    QTest::newRow("form") << "form"
                          << "Form menu" << 11;
    QTest::newRow("result") << "result"
                            << "" << -1;
}

void TestFolderView::contextMenus()
{
    QFETCH(QString, item);
    QFETCH(QString, title);
    QFETCH(int, kind);

    selectByName(item);
    QString gotTitle;
    int gotKind = -1;
    QCOMPARE(m_view->contextMenuFor(gotTitle, gotKind), kind >= 0);
    QCOMPARE(gotTitle, title);
    QCOMPARE(gotKind, kind);

    // The main window fills the menu; a filler that adds nothing keeps it from opening.
    QList<int> filled;
    QStringList titles;
    m_view->setMenuFiller([&](int k, QMenu *menu) {
        filled.append(k);
        titles.append(menu->title());
    });
    m_view->ShowContextMenu(QPoint(5, 5));
    QCOMPARE(filled, kind >= 0 ? QList<int>{kind} : QList<int>{});
    QCOMPARE(titles, kind >= 0 ? QStringList{title} : QStringList{});
}

void TestFolderView::notesRebuiltFromScratch()
{
    markAll(m_view->noteSection());
    markAll(m_view->wizardSection());
    m_view->populateNotes();
    QCOMPARE(captionsOf(m_view->noteSection()), (QStringList{"Receipts", "Call"}));
    QCOMPARE(markedCount(m_view->noteSection()), 0);
    markAll(m_view->noteSection());
    m_view->populateAll();
    QCOMPARE(markedCount(m_view->noteSection()), 0);
    QCOMPARE(markedCount(m_view->wizardSection()), 0);
    QCOMPARE(m_view->wizardSection()->childCount(), m_family->taxpayer()->m_wizardList.size());
    m_view->clearNoteItems();
    QCOMPARE(m_view->noteSection()->childCount(), 0);
}

void TestFolderView::personSwitchRefill()
{
    // The editor's person switch: clear, switch, refill, select the stored entry.
    m_view->clearSlipItems();
    m_view->clearFormItems();
    m_view->clearNoteItems();
    QCOMPARE(m_view->slipSection()->childCount(), 0);
    m_family->setCurrentPersonIndex(PersonSpouse);
    m_view->populateAll();
    IndividualTaxData *spouse = m_family->spouse();
    QCOMPARE(entryIds(m_view->formSection()), shownFormIds(spouse));
    QCOMPARE(m_view->slipSection()->childCount(), 5);
    QCOMPARE(static_cast<TreeItem *>(m_view->slipSection()->child(0))->entryAs<TaxDataEntryStru>(),
             spouse->m_slipList[0]);
    m_view->selectEntry(1, spouse->m_slipList[2]->id);
    int kind = 0, type = 0, id = 0;
    QCOMPARE(m_view->selectedEntry(kind, type, id), static_cast<void *>(spouse->m_slipList[2]));
    QCOMPARE(kind, 1);
    QCOMPARE(type, SlipType::T3);
}

void TestFolderView::destroyingViewReportsNothing()
{
    // The editor listens to the selection; it is half gone when its tree is destroyed.
    m_view->selectEntry(1, m_family->taxpayer()->m_slipList[1]->id);
    QVERIFY(m_view->selectedItem());
    int reports = 0;
    connect(m_view, &QTreeWidget::itemSelectionChanged, [&] { ++reports; });
    connect(m_view, &QTreeWidget::currentItemChanged, [&] { ++reports; });
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, [&] { ++reports; });
    delete m_view;
    m_view = nullptr;
    QCOMPARE(reports, 0);
}

void TestFolderView::delegatePaintsSelection_data()
{
    QTest::addColumn<int>("lightness");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("alpha");
    QTest::newRow("white base") << 255 << true << 25;
    QTest::newRow("lightness 129") << 129 << true << 25;
    QTest::newRow("lightness 128") << 128 << true << 40;
    QTest::newRow("dark base") << 30 << true << 40;
    QTest::newRow("not selected") << 255 << false << 0;
}

void TestFolderView::delegatePaintsSelection()
{
    QFETCH(int, lightness);
    QFETCH(bool, selected);
    QFETCH(int, alpha);

    QStandardItemModel model(1, 1);
    TreeViewDelegate delegate;
    QImage image(120, 22, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 120, 22);
    option.state = QStyle::State_Enabled | QStyle::State_Active;
    if (selected)
        option.state |= QStyle::State_Selected;
    option.palette.setColor(QPalette::Base, QColor::fromHsl(200, 0, lightness));
    option.palette.setColor(QPalette::Highlight, Qt::red);
    {
        QPainter painter(&image);
        delegate.paint(&painter, option, model.index(0, 0));
    }
    // Inside the fill: the soft blue, never the toolkit's highlight.
    const QColor inside = image.pixelColor(60, 11);
    QCOMPARE(inside.alpha(), alpha);
    if (alpha) {
        QCOMPARE(qAbs(inside.red() - 0) <= 3, true);
        QCOMPARE(qAbs(inside.green() - 120) <= 3, true);
        QCOMPARE(qAbs(inside.blue() - 215) <= 3, true);
    }
    // Outside the fill (the 1-pixel top margin, the 2-pixel right margin): nothing.
    QCOMPARE(image.pixelColor(60, 0).alpha(), 0);
    QCOMPARE(image.pixelColor(118, 11).alpha(), 0);
    // The bar: opaque at the left edge from top to bottom, 3 pixels wide about the edge.
    for (int y : {0, 11, 21}) {
        const QColor bar = image.pixelColor(0, y);
        QCOMPARE(bar.alpha(), selected ? 255 : 0);
        if (selected)
            QCOMPARE(bar, QColor(0, 120, 212, 255));
    }
    QCOMPARE(image.pixelColor(3, 11).alpha(), alpha);
}

QV_TEST_MAIN(TestFolderView)
#include "tst_FolderView.moc"
