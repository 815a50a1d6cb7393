// DlgSendFileForHelp: the address check on OK.
#include "ui/DlgSendFileForHelp.h"
#include "ui_DlgSendFileForHelp.h"

#include "app/MessageHelpers.h"

#include <QRegularExpression>

DlgSendFileForHelp::DlgSendFileForHelp(QWidget *parent)
    : QDialog(parent), ui(new Ui_DlgSendFileForHelp)
{
    ui->setupUi(this);
}

DlgSendFileForHelp::~DlgSendFileForHelp() = default;

bool DlgSendFileForHelp::isValidEmail(const QString &address)
{
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral(
                                         "\\b[A-Z0-9._%+-]+@[A-Z0-9.-]+\\.[A-Z]{2,4}\\b")),
                                     QRegularExpression::CaseInsensitiveOption);
    return pattern.match(address).hasMatch();
}

void DlgSendFileForHelp::accept()
{
    m_email = ui->edtEmail->text();
    m_message = ui->edtMsg->toPlainText();
    if (!isValidEmail(m_email)) {
        showInformation(tr("please enter a valid email address."), this);
        return;
    }
    QDialog::accept();
}
