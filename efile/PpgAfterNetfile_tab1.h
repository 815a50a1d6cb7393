// PpgAfterNetfile_tab1: the one page of the "CRA Online Service" wizard shown after an accepted
// NETFILE filing, with links chosen by the e-mail and the balance.
#pragma once

#include "ordane/PpgWizardPage.h"

#include <memory>

namespace Ui {
class PpgAfterNetfile_tab1;
}

class PpgAfterNetfile_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    // balance: positive a balance owing, negative a refund.
    PpgAfterNetfile_tab1(bool hasEmail, double balance, QWidget *parent);
    ~PpgAfterNetfile_tab1() override;

    // Shows the e-mail row with an e-mail, the refund row for a refund of at least a cent and
    // the payment row otherwise (both at exactly one cent of refund). Binds nothing.
    void bindFields() override;
    bool validatePage() override;

    // Whether the wizard holding the page is worth showing: an e-mail, or a balance or refund
    // of more than a cent.
    static bool isWanted(bool hasEmail, double balance);

private:
    bool m_hasEmail;
    double m_balance;
    std::unique_ptr<Ui::PpgAfterNetfile_tab1> ui;
};
