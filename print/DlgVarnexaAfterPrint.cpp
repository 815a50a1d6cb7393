// DlgVarnexaAfterPrint: the after-print dialog.
#include "print/DlgVarnexaAfterPrint.h"
#include "ui_DlgVarnexaAfterPrint.h"

#include "ordane/MessagePresenter.h"
#include "ordane/Utilities.h"

#include <QPushButton>

DlgVarnexaAfterPrint::DlgVarnexaAfterPrint(const QString &fileUrl, const QString &email,
                                           QWidget *parent)
    : QDialog(parent), m_receiverEmail(email), ui(std::make_unique<Ui::DlgVarnexaAfterPrint>())
{
    ui->setupUi(this);
    ui->edtToEmail->setText(email);
    // Escaped, so a folder or file name with "&" or "<" still makes one whole link.
    const QString escaped = fileUrl.toHtmlEscaped();
    ui->lblFileLink->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(escaped, escaped));
    ui->lblFileLink->setTextFormat(Qt::RichText);
    ui->lblFileLink->setTextInteractionFlags(
        Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    ui->lblFileLink->setOpenExternalLinks(true);
    QPushButton *close = ui->buttonBox->button(QDialogButtonBox::Cancel);
    QPushButton *send = ui->buttonBox->button(QDialogButtonBox::Ok);
    send->setAutoDefault(false);
    send->setDefault(false);
    close->setDefault(true);
    close->setText(tr("Close"));
    send->setText(tr("E-Delivery"));
}

DlgVarnexaAfterPrint::~DlgVarnexaAfterPrint() = default;

void DlgVarnexaAfterPrint::accept()
{
    m_receiverEmail = ui->edtToEmail->text();
    if (!m_receiverEmail.isEmpty() && checkEmail(m_receiverEmail.toUtf8())) {
        QDialog::accept();
        return;
    }
    presentMessage(QMessageBox::Warning, this, tr("Warnings"),
                   tr("Please make sure receiver's email is not empty and valid."));
}
