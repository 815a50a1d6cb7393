// FolderView: the forms tree of a return editor: six sections over the lists of the person on
// screen, kept in step with the return in place.
#pragma once

#include "ui/TreeItem.h"

#include <QTreeWidget>
#include <functional>

class FamilyTaxData;
class QMenu;

class FolderView : public QTreeWidget
{
    Q_OBJECT
public:
    // Item kinds, shared with the per-person view settings and the editor.
    enum ItemKind
    {
        KindNone = -1,
        KindForm = 0,
        KindSlip = 1,
        KindNote = 3,
        KindResult = 99
    };
    // Context-menu kinds of the selected item.
    enum MenuKind
    {
        MenuSlips = 0,
        MenuSlip = 1,
        MenuForms = 10,
        MenuForm = 11,
        MenuNotes = 20,
        MenuNote = 21
    };

    explicit FolderView(QWidget *parent = nullptr);
    ~FolderView() override;

    void buildSections(FamilyTaxData *family);
    FamilyTaxData *family() const { return m_family; }

    void populateForms();
    void populateSlips();
    void populateNotes();
    void populateAll();
    void clearFormItems();
    void clearSlipItems();
    void clearNoteItems();
    void refreshFormCaptions();
    // Slips, then notes.
    void refreshSlipCaptions();

    void selectEntry(int kind, int id);
    QTreeWidgetItem *selectedItem() const;
    // Kind, type code and id of the selection (-1, 0, 0 for none); returns its entry, the
    // Result item itself, or null.
    void *selectedEntry(int &kind, int &type, int &id) const;
    bool removeSelectedTreeItem();
    QTreeWidgetItem *nextSiblingItem(QTreeWidgetItem *item) const;
    void removeItemsFrom(QTreeWidgetItem *section, QTreeWidgetItem *item);

    TreeItem *startSection() { return &m_start; }
    TreeItem *slipSection() { return &m_slips; }
    TreeItem *wizardSection() { return &m_wizard; }
    TreeItem *noteSection() { return &m_notes; }
    TreeItem *formSection() { return &m_forms; }
    TreeItem *resultSection() { return &m_result; }

    // Title and kind of the context menu for the selected item; false when it gets none.
    bool contextMenuFor(QString &title, int &kind) const;
    // Fills the menu with the main window's actions of a menu kind; without it no menu opens.
    using MenuFiller = std::function<void(int kind, QMenu *menu)>;
    void setMenuFiller(MenuFiller filler) { m_menuFiller = std::move(filler); }

public slots:
    void ShowContextMenu(const QPoint &position);

private:
    void addSection(TreeItem &section, const QString &text);
    static void setCaption(QTreeWidgetItem *item, const QString &caption);

    // Held by value and taken out of the view before it is destroyed; so the view is never
    // emptied with QTreeWidget::clear, which would delete them.
    TreeItem m_start;
    TreeItem m_slips;
    TreeItem m_wizard;
    TreeItem m_notes;
    TreeItem m_forms;
    TreeItem m_result;
    FamilyTaxData *m_family = nullptr;
    MenuFiller m_menuFiller;
};
