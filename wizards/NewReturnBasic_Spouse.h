// NewReturnBasic_Spouse: the new-return wizard's page of the spouse's identification.
#pragma once

#include "ordane/PpgWizardPage.h"

#include <memory>

class DataNewReturnBasic;

namespace Ui {
class NewReturnBasic_Spouse;
}

class NewReturnBasic_Spouse : public PpgWizardPage
{
    Q_OBJECT
public:
    NewReturnBasic_Spouse(DataNewReturnBasic *data, QWidget *wizard);
    ~NewReturnBasic_Spouse() override;

    void bindFields() override;
    // Each time the page is entered going forward the spouse's province starts as the
    // taxpayer's.
    void initializePage() override;
    // Both names not only blanks and a province.
    bool validatePage() override;

private:
    std::unique_ptr<Ui::NewReturnBasic_Spouse> ui;
    DataNewReturnBasic *m_answers;
};
