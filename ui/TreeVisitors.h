// The walks that fill the forms tree: forms and slips in place, notes and wizard data anew.
#pragma once

#include "model/CEnumTaxFormObj.h"

#include <QTreeWidgetItem>

class FolderView;
class QString;

// The in-place walk of one section: the coupled flag and the cursor, the next item to reuse.
// Items are reused in order and made only past the old count; finishing destroys the items
// left over.
class SectionWalk
{
public:
    explicit SectionWalk(bool coupled) : m_coupled(coupled) {}
    bool coupled() const { return m_coupled; }
    void start(QTreeWidgetItem *section) { m_cursor = section->child(0); }
    // Gives the cursor item the entry, or appends a new item of the given kind.
    void place(FolderView *view, QTreeWidgetItem *section, TaxDataEntryStru *entry,
               const QString &caption, bool formItem);
    void finish(FolderView *view, QTreeWidgetItem *section);

private:
    bool m_coupled;
    QTreeWidgetItem *m_cursor = nullptr;
};

// Forms and slips: the walk's parameter is the FolderView.
class CPopFormObj : public CEnumTaxFormObj
{
public:
    explicit CPopFormObj(bool coupled) : m_walk(coupled) {}
    bool visit(TaxDataEntryStru *entry, void *view) override;
    bool begin(void *view) override;
    bool end(void *view) override;

private:
    SectionWalk m_walk;
};

class CPopSlipObj : public CEnumTaxSlipObj
{
public:
    explicit CPopSlipObj(bool coupled) : m_walk(coupled) {}
    bool visit(TaxDataEntryStru *entry, void *view) override;
    bool begin(void *view) override;
    bool end(void *view) override;

private:
    SectionWalk m_walk;
};

// Notes and wizard data: one new item per entry, appended.
class CPopNoteObj : public CEnumTaxNoteObj
{
public:
    bool visit(TaxNoteEntryStru *entry, void *view) override;
};

class CPopWizObj : public CEnumTaxWizardObj
{
public:
    bool visit(TaxWizardEntryStru *entry, void *view) override;
};

// Forms the tree never shows: the summary forms and the T183.
bool isHiddenTreeForm(int type);
