// DlgPrintOption_Info: asks how to print, the client copy with its options or the condensed
// barcode print, and keeps the answer in PrintOptions.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class DlgPrintOption_Info;
}

class DlgPrintOption_Info : public QDialog
{
    Q_OBJECT
public:
    // condensedAllowed false disables the condensed barcode print. Making the dialog resets
    // PrintOptions::clientLetter to the PrntClientLetter setting.
    DlgPrintOption_Info(bool condensedAllowed, QWidget *parent = nullptr);
    ~DlgPrintOption_Info() override;

private slots:
    // Stores every choice in PrintOptions and accepts.
    void on_btnPrint_clicked();
    // Rejects; PrintOptions keeps what it held.
    void on_btnCancel_clicked();

private:
    bool m_condensedAllowed;
    std::unique_ptr<Ui::DlgPrintOption_Info> ui;
};
