// DlgChangeFormOrder: moves a person's forms up and down and writes the order back on OK.
#pragma once

#include <QDialog>
#include <QVector>
#include <memory>

class IndividualTaxData;
struct TaxDataEntryStru;

namespace Ui {
class DlgChangeFormOrder;
}

class DlgChangeFormOrder : public QDialog
{
    Q_OBJECT
public:
    // The person is borrowed; its list changes only when the dialog is accepted.
    DlgChangeFormOrder(IndividualTaxData *person, QWidget *parent = nullptr);
    ~DlgChangeFormOrder() override;

    // The summary forms keep their places and are never listed.
    static bool isFixedInOrder(int formType);

private slots:
    void on_btnUp_clicked();
    void on_btnDown_clicked();
    void on_buttonBox_accepted();

private:
    void swapRows(int row, int other);

    std::unique_ptr<Ui::DlgChangeFormOrder> ui;
    IndividualTaxData *m_person;
    // Row i of the list always shows entry i.
    QVector<TaxDataEntryStru *> m_entries;
};
