// The tree walks: captions from the entries, items reused by position.
#include "ui/TreeVisitors.h"

#include "marrow/CTaxData_Form.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_TaxNote.h"
#include "marrow/TypeCodes.h"
#include "model/FormCaption.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/CString.h"
#include "ui/FolderView.h"
#include "ui/SlipCaption.h"

namespace {

FolderView *viewOf(void *param)
{
    return static_cast<FolderView *>(param);
}

void appendItem(QTreeWidgetItem *section, void *entry, const QString &caption)
{
    auto *item = new TreeItem;
    item->setText(0, caption);
    item->setEntry(entry);
    section->addChild(item);
}

} // namespace

bool isHiddenTreeForm(int type)
{
    return type == FormType::T1KS || type == FormType::T1KSREFILE || type == FormType::T1KSPRIOR ||
           type == FormType::T183;
}

void SectionWalk::place(FolderView *view, QTreeWidgetItem *section, TaxDataEntryStru *entry,
                        const QString &caption, bool formItem)
{
    if (m_cursor) {
        m_cursor->setText(0, caption);
        static_cast<TreeItem *>(m_cursor)->setEntry(entry);
        m_cursor = view->nextSiblingItem(m_cursor);
        return;
    }
    TreeItem *item = formItem ? new TreeItemForm : new TreeItem;
    item->setText(0, caption);
    item->setEntry(entry);
    section->addChild(item);
}

void SectionWalk::finish(FolderView *view, QTreeWidgetItem *section)
{
    view->removeItemsFrom(section, m_cursor);
    m_cursor = nullptr;
}

bool CPopFormObj::begin(void *param)
{
    m_walk.start(viewOf(param)->formSection());
    return true;
}

bool CPopFormObj::visit(TaxDataEntryStru *entry, void *param)
{
    if (!entry || isHiddenTreeForm(entry->type))
        return true;
    ++m_count;
    CString caption;
    makeFormCaption(m_walk.coupled(), entry, caption);
    FolderView *view = viewOf(param);
    m_walk.place(view, view->formSection(), entry, caption, true);
    return true;
}

bool CPopFormObj::end(void *param)
{
    m_walk.finish(viewOf(param), viewOf(param)->formSection());
    return true;
}

bool CPopSlipObj::begin(void *param)
{
    m_walk.start(viewOf(param)->slipSection());
    return true;
}

bool CPopSlipObj::visit(TaxDataEntryStru *entry, void *param)
{
    if (!entry)
        return true;
    ++m_count;
    CString caption;
    slipCaption(m_walk.coupled(), entry, caption);
    FolderView *view = viewOf(param);
    m_walk.place(view, view->slipSection(), entry, caption, false);
    return true;
}

bool CPopSlipObj::end(void *param)
{
    m_walk.finish(viewOf(param), viewOf(param)->slipSection());
    return true;
}

bool CPopNoteObj::visit(TaxNoteEntryStru *entry, void *param)
{
    if (!entry)
        return true;
    ++m_count;
    CString caption;
    if (entry->data)
        entry->data->getDescription(caption);
    appendItem(viewOf(param)->noteSection(), entry, caption);
    return true;
}

bool CPopWizObj::visit(TaxWizardEntryStru *entry, void *param)
{
    if (!entry)
        return true;
    ++m_count;
    const TaxWizardInfoRow *row = taxWizardInfo(entry->type);
    appendItem(viewOf(param)->wizardSection(), entry,
               row ? QString::fromLatin1(row->name) : QString());
    return true;
}
