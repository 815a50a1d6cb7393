// DlgImportOption_Info: the record shown on the widgets and written back on Import.
#include "wizards/DlgImportOption_Info.h"
#include "ui_DlgImportOption_Info.h"

#include "model/ImportOptions.h"

DlgImportOption_Info::DlgImportOption_Info(ImportOptions *options, QWidget *parent)
    : QDialog(parent), ui(new Ui::DlgImportOption_Info), m_options(options)
{
    ui->setupUi(this);
    ui->fld_KeepForms->setChecked(m_options->keepForms != 0);
    ui->fld_KeepNotes->setChecked(m_options->keepNotes != 0);
    ui->fld_bIncludeSFD->setChecked(m_options->includeSFD != 0);
    ui->fld_bMakeCoupled->setChecked(m_options->makeCoupled != 0);
    if (m_options->copyData != 0)
        ui->fld_iCopyData_1->setChecked(true);
    else
        ui->fld_iCopyData_0->setChecked(true);
}

DlgImportOption_Info::~DlgImportOption_Info() = default;

void DlgImportOption_Info::on_btnImport_clicked()
{
    m_options->keepForms = ui->fld_KeepForms->isChecked() ? 1 : 0;
    m_options->keepNotes = ui->fld_KeepNotes->isChecked() ? 1 : 0;
    m_options->includeSFD = ui->fld_bIncludeSFD->isChecked() ? 1 : 0;
    m_options->copyData = ui->fld_iCopyData_1->isChecked() ? 1 : 0;
    m_options->makeCoupled = ui->fld_bMakeCoupled->isChecked() ? 1 : 0;
    accept();
}

void DlgImportOption_Info::on_btnCancel_clicked()
{
    reject();
}
