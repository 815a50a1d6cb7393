// ShareAmtDlg_tab1: the one page of the "Identify Shareable Amounts" wizard.
#pragma once

#include "ordane/PpgWizardPage.h"

#include <memory>

class DataShareAmtDlg;
class FamilyTaxData;

namespace Ui {
class ShareAmtDlg_tab1;
}

class ShareAmtDlg_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    // The family is the open return's, read for the names only.
    ShareAmtDlg_tab1(DataShareAmtDlg *data, FamilyTaxData *family, QWidget *parent);
    ~ShareAmtDlg_tab1() override;

    // Any amounts go on.
    bool validatePage() override;
    // The amounts the return claims are shown only; the shareable ones store on each edit.
    void bindFields() override;

protected:
    // The spouses' names, afresh at every show.
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::ShareAmtDlg_tab1> ui;
    FamilyTaxData *m_family;
};
