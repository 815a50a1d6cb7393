// AddTaxFormDlg: quick-add buttons, the run-wide filter and the list of offered forms.
#include "ui/AddTaxFormDlg.h"
#include "ui_AddTaxFormDlg.h"

#include "marrow/ComboChoices.h"
#include "marrow/TypeCodes.h"

QString AddTaxFormDlg::s_filter;

AddTaxFormDlg::AddTaxFormDlg(const QList<int> &formTypes, QWidget *parent)
    : QDialog(parent), ui(new Ui::AddTaxFormDlg), m_formTypes(formTypes)
{
    ui->setupUi(this);
    // Setting the text before the list is filled must not store or reload twice.
    {
        const QSignalBlocker quiet(ui->edtFilter);
        ui->edtFilter->setText(s_filter);
    }
    reloadForms();
}

AddTaxFormDlg::~AddTaxFormDlg() = default;

QString AddTaxFormDlg::rememberedFilter()
{
    return s_filter;
}

int AddTaxFormDlg::selectedFormType() const
{
    if (quickChosen)
        return quickFormType;
    return ui->cmbTaxForms->curSelData();
}

void AddTaxFormDlg::reloadForms()
{
    ui->cmbTaxForms->clear();
    ui->cmbTaxForms->setChoices(formChoices(m_formTypes), s_filter);
}

void AddTaxFormDlg::on_edtFilter_textChanged(const QString &text)
{
    s_filter = text;
    reloadForms();
}

void AddTaxFormDlg::on_btnClear_clicked()
{
    s_filter.clear();
    ui->edtFilter->clear();
}

void AddTaxFormDlg::chooseQuick(int formType)
{
    quickChosen = true;
    quickFormType = formType;
    accept();
}

void AddTaxFormDlg::on_btnAddT2125_clicked()
{
    chooseQuick(FormType::T2125);
}

void AddTaxFormDlg::on_btnAddT776_clicked()
{
    chooseQuick(FormType::T776);
}

void AddTaxFormDlg::on_btnAddSch11_clicked()
{
    chooseQuick(FormType::SCH11);
}

void AddTaxFormDlg::on_btnAddT2042_clicked()
{
    chooseQuick(FormType::T2042);
}

void AddTaxFormDlg::on_btnAddT2209_clicked()
{
    chooseQuick(FormType::T2209);
}

void AddTaxFormDlg::on_btnAddSch5_clicked()
{
    chooseQuick(FormType::SCH5);
}

void AddTaxFormDlg::on_btnAddCommission_clicked()
{
    chooseQuick(FormType::T2125C);
}

void AddTaxFormDlg::on_btnAddSch7_clicked()
{
    chooseQuick(FormType::SCH7);
}

void AddTaxFormDlg::on_btnAddSch9_clicked()
{
    chooseQuick(FormType::SCH9);
}
