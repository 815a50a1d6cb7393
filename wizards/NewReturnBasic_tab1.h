// NewReturnBasic_tab1: the new-return wizard's page of the taxpayer's identification.
#pragma once

#include "ordane/PpgWizardPage.h"

#include <memory>

class DataNewReturnBasic;

namespace Ui {
class NewReturnBasic_tab1;
}

class NewReturnBasic_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    NewReturnBasic_tab1(DataNewReturnBasic *data, QWidget *wizard);
    ~NewReturnBasic_tab1() override;

    void bindFields() override;
    // A last name that is not only blanks and a province; the first name is not tested.
    bool validatePage() override;
    // The spouse page for a married or common-law taxpayer, else the forms page.
    int nextId() const override;

private:
    std::unique_ptr<Ui::NewReturnBasic_tab1> ui;
    DataNewReturnBasic *m_answers;
};
