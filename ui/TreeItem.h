// TreeItem and TreeItemForm: forms-tree items that point at an entry of the person's lists.
#pragma once

#include <QTreeWidgetItem>

struct TaxDataEntryStru;

// The entry is a TaxDataEntryStru (slip), TaxNoteEntryStru (note) or TaxWizardEntryStru
// (Express Wizard item), by the section that holds the item; null for a section item. The
// item never owns it.
class TreeItem : public QTreeWidgetItem
{
public:
    TreeItem() : QTreeWidgetItem(Type) {}
    ~TreeItem() override;

    void *entry() const { return m_entry; }
    void setEntry(void *entry) { m_entry = entry; }
    template <typename Entry> Entry *entryAs() const { return static_cast<Entry *>(m_entry); }

private:
    void *m_entry = nullptr;
};

// A form's item: the same pointer, read and written as the form's entry.
class TreeItemForm : public TreeItem
{
public:
    TaxDataEntryStru *formEntry() const { return entryAs<TaxDataEntryStru>(); }
    void setFormEntry(TaxDataEntryStru *entry) { setEntry(entry); }
};

// Destroys the item's children, last first.
void removeAllChildren(QTreeWidgetItem *item);
