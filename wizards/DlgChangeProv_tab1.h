// DlgChangeProv_tab1: the change-province wizard's one page, the new province and who moves.
#pragma once

#include "ordane/PpgWizardPage.h"

#include <memory>

class DataDlgChangeProv;

namespace Ui {
class DlgChangeProv_tab1;
}

class DlgChangeProv_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    DlgChangeProv_tab1(DataDlgChangeProv *data, QWidget *wizard);
    ~DlgChangeProv_tab1() override;

    void bindFields() override;
    // A province must be chosen; nothing is said when it is not.
    bool validatePage() override;

private:
    std::unique_ptr<Ui::DlgChangeProv_tab1> ui;
    DataDlgChangeProv *m_answers;
};
