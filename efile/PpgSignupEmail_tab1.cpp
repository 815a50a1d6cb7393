// PpgSignupEmail_tab1: binding of the sign-up choice and the gate on Finish.
#include "efile/PpgSignupEmail_tab1.h"
#include "ui_PpgSignupEmail_tab1.h"

#include "efile/DataPpgSignupEmail.h"

#include <QButtonGroup>

PpgSignupEmail_tab1::PpgSignupEmail_tab1(DataPpgSignupEmail *data, QWidget *parent)
    : PpgWizardPage(data, nullptr, parent), ui(new Ui::PpgSignupEmail_tab1), m_answer(data)
{
    ui->setupUi(this);
}

PpgSignupEmail_tab1::~PpgSignupEmail_tab1() = default;

void PpgSignupEmail_tab1::bindFields()
{
    ui->fld_signup->setId(ui->fld_signup_0, DataPpgSignupEmail::SignUp);
    ui->fld_signup->setId(ui->fld_signup_1, DataPpgSignupEmail::NotNow);
    binder().bind(ui->fld_signup, &m_answer->fld_signup);
}

bool PpgSignupEmail_tab1::validatePage()
{
    PpgWizardPage::validatePage();
    // Unsigned, so the initial -1 is refused along with any other stray value.
    return static_cast<unsigned>(m_answer->fld_signup.value()) <= DataPpgSignupEmail::NotNow;
}
