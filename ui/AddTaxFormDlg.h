// AddTaxFormDlg: the "Add a Tax Form" dialog: nine quick-add buttons and a filtered form list.
#pragma once

#include <QDialog>
#include <QList>
#include <memory>

namespace Ui {
class AddTaxFormDlg;
}

class AddTaxFormDlg : public QDialog
{
    Q_OBJECT
public:
    // The offered types are borrowed for the dialog's lifetime.
    AddTaxFormDlg(const QList<int> &formTypes, QWidget *parent = nullptr);
    ~AddTaxFormDlg() override;

    // The quick-add button's type, else the current list entry's type; 0 for none.
    int selectedFormType() const;

    // The filter is kept for the whole run, so the next opening starts from it.
    static QString rememberedFilter();

private slots:
    void on_edtFilter_textChanged(const QString &text);
    void on_btnClear_clicked();
    void on_btnAddT2125_clicked();
    void on_btnAddT776_clicked();
    void on_btnAddSch11_clicked();
    void on_btnAddT2042_clicked();
    void on_btnAddT2209_clicked();
    void on_btnAddSch5_clicked();
    void on_btnAddCommission_clicked();
    void on_btnAddSch7_clicked();
    void on_btnAddSch9_clicked();

private:
    void reloadForms();
    void chooseQuick(int formType);

    std::unique_ptr<Ui::AddTaxFormDlg> ui;
    const QList<int> &m_formTypes;
    bool quickChosen = false;
    int quickFormType = 0;
    static QString s_filter;
};
