// DlgChangeFormOrder: the listed forms are permuted among the places they hold in the list.
#include "ui/DlgChangeFormOrder.h"
#include "ui_DlgChangeFormOrder.h"

#include "marrow/TypeCodes.h"
#include "model/FormCaption.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"

DlgChangeFormOrder::DlgChangeFormOrder(IndividualTaxData *person, QWidget *parent)
    : QDialog(parent), ui(new Ui::DlgChangeFormOrder), m_person(person)
{
    ui->setupUi(this);
    if (!m_person)
        return;
    m_entries.reserve(m_person->m_formList.size());
    for (TaxDataEntryStru *entry : qAsConst(m_person->m_formList)) {
        if (!entry || isFixedInOrder(entry->type))
            continue;
        m_entries.append(entry);
        CString caption;
        makeFormCaption(false, entry, caption);
        ui->listFormsWgt->addItem(caption);
    }
}

DlgChangeFormOrder::~DlgChangeFormOrder() = default;

bool DlgChangeFormOrder::isFixedInOrder(int formType)
{
    return formType == FormType::T1KS || formType == FormType::T1KSREFILE ||
           formType == FormType::T1KSPRIOR;
}

void DlgChangeFormOrder::swapRows(int row, int other)
{
    QListWidget *list = ui->listFormsWgt;
    QListWidgetItem *item = list->takeItem(row);
    list->insertItem(other, item);
    list->setCurrentRow(other);
    std::swap(m_entries[row], m_entries[other]);
}

void DlgChangeFormOrder::on_btnUp_clicked()
{
    const int row = ui->listFormsWgt->currentRow();
    if (row > 0 && row < m_entries.size())
        swapRows(row, row - 1);
}

void DlgChangeFormOrder::on_btnDown_clicked()
{
    const int row = ui->listFormsWgt->currentRow();
    if (row >= 0 && row < m_entries.size() - 1 && ui->listFormsWgt->item(row))
        swapRows(row, row + 1);
}

void DlgChangeFormOrder::on_buttonBox_accepted()
{
    if (!m_person)
        return;
    int i = 0;
    for (TaxDataEntryStru *&node : m_person->m_formList) {
        if (i >= m_entries.size())
            break;
        if (!node || isFixedInOrder(node->type))
            continue;
        node = m_entries[i++];
    }
}
