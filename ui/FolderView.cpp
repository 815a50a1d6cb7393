// FolderView: sections, in-place refills, selection and the context menu of the forms tree.
#include "ui/FolderView.h"

#include "marrow/TaxData_TaxNote.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/FormCaption.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/CString.h"
#include "ui/SlipCaption.h"
#include "ui/TreeVisitors.h"

#include <QApplication>
#include <QMenu>

FolderView::FolderView(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The editor's sheet gives every row one height, bold sections included: the view then
    // measures one row instead of every slip and form whenever it scrolls or paints.
    setUniformRowHeights(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &FolderView::ShowContextMenu);
}

FolderView::~FolderView()
{
    // The sections are members: the view must not delete them as its own items. Taking
    // them out must not report selection changes to an editor that is being destroyed.
    const QSignalBlocker quietView(this);
    const QSignalBlocker quietSelection(selectionModel());
    while (topLevelItemCount() > 0)
        takeTopLevelItem(topLevelItemCount() - 1);
}

void FolderView::addSection(TreeItem &section, const QString &text)
{
    section.setText(0, text);
    QFont bold = QApplication::font();
    bold.setWeight(75);
    section.setData(0, Qt::FontRole, bold);
    // A second build keeps each section once.
    if (section.treeWidget() != this)
        addTopLevelItem(&section);
}

void FolderView::buildSections(FamilyTaxData *family)
{
    m_family = family;
    if (!family)
        return;
    addSection(m_start, tr("Start"));
    addSection(m_slips, tr("Tax Slips"));
    m_slips.setToolTip(0, tr("Right click to add more tax slips"));
    addSection(m_wizard, tr("Express Wizard"));
    addSection(m_notes, tr("Tax Notes"));
    populateNotes();
    m_notes.setExpanded(true);
    addSection(m_forms, tr("Tax Forms"));
    populateAll();
    m_slips.setExpanded(true);
    m_wizard.setExpanded(true);
    m_notes.setExpanded(true);
    m_forms.setExpanded(true);
    addSection(m_result, tr("Result"));
}

void FolderView::populateForms()
{
    IndividualTaxData *person = m_family ? m_family->getCurrentPersonData() : nullptr;
    if (!person)
        return;
    CPopFormObj visitor(m_family->isCoupled());
    person->enumForms(visitor, this);
}

void FolderView::populateSlips()
{
    IndividualTaxData *person = m_family ? m_family->getCurrentPersonData() : nullptr;
    if (!person)
        return;
    CPopSlipObj visitor(m_family->isCoupled());
    person->enumSlips(visitor, this);
}

void FolderView::populateNotes()
{
    clearNoteItems();
    IndividualTaxData *person = m_family ? m_family->getCurrentPersonData() : nullptr;
    if (!person)
        return;
    CPopNoteObj visitor;
    person->enumNotes(visitor, this);
}

void FolderView::populateAll()
{
    IndividualTaxData *person = m_family ? m_family->getCurrentPersonData() : nullptr;
    if (!person)
        return;
    populateNotes();
    removeAllChildren(&m_wizard);
    CPopWizObj wizards;
    person->enumWizardData(wizards, this);
    populateForms();
    populateSlips();
    populateNotes();
}

void FolderView::clearFormItems()
{
    removeAllChildren(&m_forms);
}

void FolderView::clearSlipItems()
{
    removeAllChildren(&m_slips);
}

void FolderView::clearNoteItems()
{
    removeAllChildren(&m_notes);
}

void FolderView::setCaption(QTreeWidgetItem *item, const QString &caption)
{
    if (item->text(0) != caption)
        item->setText(0, caption);
}

void FolderView::refreshFormCaptions()
{
    const bool coupled = m_family && m_family->isCoupled();
    for (int i = 0; i < m_forms.childCount(); ++i) {
        auto *item = static_cast<TreeItemForm *>(m_forms.child(i));
        CString caption;
        makeFormCaption(coupled, item->formEntry(), caption);
        setCaption(item, caption);
    }
}

void FolderView::refreshSlipCaptions()
{
    const bool coupled = m_family && m_family->isCoupled();
    for (int i = 0; i < m_slips.childCount(); ++i) {
        auto *item = static_cast<TreeItem *>(m_slips.child(i));
        CString caption;
        slipCaption(coupled, item->entryAs<TaxDataEntryStru>(), caption);
        setCaption(item, caption);
    }
    for (int i = 0; i < m_notes.childCount(); ++i) {
        auto *item = static_cast<TreeItem *>(m_notes.child(i));
        const TaxNoteEntryStru *note = item->entryAs<TaxNoteEntryStru>();
        CString caption;
        if (note && note->data)
            note->data->getDescription(caption);
        setCaption(item, caption);
    }
}

void FolderView::selectEntry(int kind, int id)
{
    QTreeWidgetItem *match = nullptr;
    auto findIn = [&](TreeItem &section, auto idOf) {
        for (int i = 0; i < section.childCount() && !match; ++i) {
            auto *item = static_cast<TreeItem *>(section.child(i));
            if (item->entry() && idOf(item) == id)
                match = item;
        }
    };
    const auto entryId = [](TreeItem *item) { return item->entryAs<TaxDataEntryStru>()->id; };
    if (kind == KindSlip)
        findIn(m_slips, entryId);
    else if (kind == KindForm)
        findIn(m_forms, entryId);
    else if (kind == KindNote)
        findIn(m_notes, [](TreeItem *item) { return item->entryAs<TaxNoteEntryStru>()->key; });
    if (!match)
        match = m_forms.child(0);
    if (match) {
        setCurrentItem(match);
    } else {
        clearSelection();
        setCurrentItem(nullptr);
    }
}

QTreeWidgetItem *FolderView::selectedItem() const
{
    const QList<QTreeWidgetItem *> items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

void *FolderView::selectedEntry(int &kind, int &type, int &id) const
{
    kind = KindNone;
    type = 0;
    id = 0;
    QTreeWidgetItem *item = selectedItem();
    if (!item)
        return nullptr;
    QTreeWidgetItem *parent = item->parent();
    auto *treeItem = static_cast<TreeItem *>(item);
    if (parent == &m_forms || parent == &m_slips) {
        TaxDataEntryStru *entry = treeItem->entryAs<TaxDataEntryStru>();
        if (!entry)
            return nullptr;
        kind = parent == &m_forms ? KindForm : KindSlip;
        type = entry->type;
        id = entry->id;
        return entry;
    }
    if (parent == &m_notes) {
        TaxNoteEntryStru *note = treeItem->entryAs<TaxNoteEntryStru>();
        if (!note)
            return nullptr;
        kind = KindNote;
        id = note->key;
        return note;
    }
    if (item == &m_result) {
        kind = KindResult;
        type = FormType::T1KS;
        return item;
    }
    return nullptr;
}

bool FolderView::removeSelectedTreeItem()
{
    QTreeWidgetItem *item = selectedItem();
    if (!item)
        return false;
    QTreeWidgetItem *parent = item->parent();
    if (parent != &m_forms && parent != &m_slips && parent != &m_notes)
        return false;
    delete parent->takeChild(parent->indexOfChild(item));
    return true;
}

QTreeWidgetItem *FolderView::nextSiblingItem(QTreeWidgetItem *item) const
{
    QTreeWidgetItem *parent = item ? item->parent() : nullptr;
    if (!parent)
        return nullptr;
    return parent->child(parent->indexOfChild(item) + 1);
}

void FolderView::removeItemsFrom(QTreeWidgetItem *section, QTreeWidgetItem *item)
{
    if (!section || !item)
        return;
    const int first = section->indexOfChild(item);
    if (first < 0)
        return;
    for (int i = section->childCount() - 1; i >= first; --i)
        delete section->takeChild(i);
}

bool FolderView::contextMenuFor(QString &title, int &kind) const
{
    QTreeWidgetItem *item = selectedItem();
    if (!item)
        return false;
    // A section item and its children each have their menu; the other sections none.
    struct MenuRow
    {
        const TreeItem *section;
        const char *sectionTitle;
        int sectionKind;
        const char *childTitle;
        int childKind;
    };
    const MenuRow rows[] = {
        {&m_slips, QT_TR_NOOP("Slips menu"), MenuSlips, QT_TR_NOOP("Slip menu"), MenuSlip},
        {&m_forms, QT_TR_NOOP("Forms menu"), MenuForms, QT_TR_NOOP("Form menu"), MenuForm},
        {&m_notes, QT_TR_NOOP("Note menu"), MenuNotes, QT_TR_NOOP("Note menu"), MenuNote},
    };
    for (const MenuRow &row : rows) {
        const bool isSection = item == row.section;
        if (isSection || item->parent() == row.section) {
            title = tr(isSection ? row.sectionTitle : row.childTitle);
            kind = isSection ? row.sectionKind : row.childKind;
            return true;
        }
    }
    return false;
}

void FolderView::ShowContextMenu(const QPoint &position)
{
    QString title;
    int kind = 0;
    if (!contextMenuFor(title, kind) || !m_menuFiller)
        return;
    QMenu menu(title, this);
    m_menuFiller(kind, &menu);
    if (!menu.isEmpty())
        menu.exec(viewport()->mapToGlobal(position));
}
