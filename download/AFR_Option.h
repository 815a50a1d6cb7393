// AFR_Option: the Auto-fill wizard's choice of every element or only the ticked ones.
#pragma once

#include "ordane/PpgWizardPage.h"

#include <memory>

class DataAFR;
namespace Ui {
class AFR_Option;
}

class AFR_Option : public PpgWizardPage
{
    Q_OBJECT
public:
    // Sets the choice's fill option to 0 (every element) before building the form, so the
    // first radio button starts checked.
    AFR_Option(DataAFR *data, QWidget *parent = nullptr);
    ~AFR_Option() override;

    // The radio group "fld_iFillOption" (ids 0 and 1), then the 23 element check boxes.
    void bindFields() override;
    // Stores every bound widget; accepts only a fill option of 0 or 1.
    bool validatePage() override;

private:
    std::unique_ptr<Ui::AFR_Option> ui;
    DataAFR *m_choice;
};
