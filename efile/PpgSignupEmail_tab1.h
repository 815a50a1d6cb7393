// PpgSignupEmail_tab1: the one page of the "Online Email Promotion" wizard.
#pragma once

#include "ordane/PpgWizardPage.h"

#include <memory>

class DataPpgSignupEmail;

namespace Ui {
class PpgSignupEmail_tab1;
}

class PpgSignupEmail_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    // The page never runs without its data object.
    PpgSignupEmail_tab1(DataPpgSignupEmail *data, QWidget *parent);
    ~PpgSignupEmail_tab1() override;

    // The two radio buttons answer into fld_signup: 0 sign up, 1 not now.
    void bindFields() override;
    // Finish is refused until one of the two buttons is chosen.
    bool validatePage() override;

private:
    std::unique_ptr<Ui::PpgSignupEmail_tab1> ui;
    DataPpgSignupEmail *m_answer;
};
