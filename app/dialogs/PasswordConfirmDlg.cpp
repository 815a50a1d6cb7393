// PasswordConfirmDlg: its code-built form and the match check.
#include "app/dialogs/PasswordConfirmDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ordane/MessagePresenter.h"

PasswordConfirmDlg::PasswordConfirmDlg(QWidget *parent)
    : QDialog(parent), m_password(new QLineEdit(this)), m_confirm(new QLineEdit(this))
{
    setWindowTitle(tr("Set EFiler Password"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Enter Password:"), this));
    layout->addWidget(m_password);
    layout->addWidget(new QLabel(tr("Confirm Password:"), this));
    layout->addWidget(m_confirm);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PasswordConfirmDlg::validateAndAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString PasswordConfirmDlg::password() const
{
    return m_password->text();
}

void PasswordConfirmDlg::validateAndAccept()
{
    if (m_password->text() == m_confirm->text()) {
        accept();
        return;
    }
    presentMessage(QMessageBox::Warning, this, tr("Error"),
                   tr("Passwords do not match. Please try again."), QMessageBox::Ok);
    m_password->clear();
    m_confirm->clear();
    m_password->setFocus();
}
