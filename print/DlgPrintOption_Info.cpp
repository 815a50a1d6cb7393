// DlgPrintOption_Info: the print options dialog.
#include "print/DlgPrintOption_Info.h"
#include "ui_DlgPrintOption_Info.h"

#include "app/TabWndApp.h"
#include "print/PrintOptions.h"

DlgPrintOption_Info::DlgPrintOption_Info(bool condensedAllowed, QWidget *parent)
    : QDialog(parent), m_condensedAllowed(condensedAllowed),
      ui(std::make_unique<Ui::DlgPrintOption_Info>())
{
    ui->setupUi(this);
    ui->fld_PrintOption_0->setChecked(true);
    if (!m_condensedAllowed) {
        ui->fld_PrintOption_1->setEnabled(false);
        ui->fld_PrintOption_1->setText(tr("Condensed print, not applicable"));
    }
    const TabWndApp *app = appInstance();
    PrintOptions::clientLetter = app ? app->config.PrntClientLetter : 0;
    ui->fld_ClientLetter->setChecked(PrintOptions::clientLetter != 0);
}

DlgPrintOption_Info::~DlgPrintOption_Info() = default;

void DlgPrintOption_Info::on_btnPrint_clicked()
{
    PrintOptions::condensedBarcode = ui->fld_PrintOption_1->isChecked() ? 1 : 0;
    PrintOptions::currentFormOnly = ui->fld_CurFormOnly->isChecked() ? 1 : 0;
    PrintOptions::clientLetter = ui->fld_ClientLetter->isChecked() ? 1 : 0;
    PrintOptions::fullSin = ui->fld_FullSIN->isChecked() ? 1 : 0;
    PrintOptions::invoice = ui->fld_Invoice->isChecked() ? 1 : 0;
    accept();
}

void DlgPrintOption_Info::on_btnCancel_clicked()
{
    reject();
}
