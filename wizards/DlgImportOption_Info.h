// DlgImportOption_Info: how a prior year's return is carried into the new one, five options.
#pragma once

#include <QDialog>
#include <memory>

struct ImportOptions;

namespace Ui {
class DlgImportOption_Info;
}

class DlgImportOption_Info : public QDialog
{
    Q_OBJECT
public:
    // The widgets start from the record; only Import writes them back. Not owned.
    DlgImportOption_Info(ImportOptions *options, QWidget *parent = nullptr);
    ~DlgImportOption_Info() override;

private slots:
    void on_btnImport_clicked();
    void on_btnCancel_clicked();

private:
    std::unique_ptr<Ui::DlgImportOption_Info> ui;
    ImportOptions *m_options;
};
