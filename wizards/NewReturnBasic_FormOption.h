// NewReturnBasic_FormOption: the new-return wizard's last page, the forms the return starts with.
#pragma once

#include "ordane/PpgWizardPage.h"

#include <memory>

class DataNewReturnBasic;

namespace Ui {
class NewReturnBasic_FormOption;
}

class NewReturnBasic_FormOption : public PpgWizardPage
{
    Q_OBJECT
public:
    NewReturnBasic_FormOption(DataNewReturnBasic *data, QWidget *wizard);
    ~NewReturnBasic_FormOption() override;

    void bindFields() override;
    // Any choice of forms is valid.
    bool validatePage() override;

private:
    std::unique_ptr<Ui::NewReturnBasic_FormOption> ui;
    DataNewReturnBasic *m_answers;
};
