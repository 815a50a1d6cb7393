// DlgFilingTerm: terms and conditions the user must agree to before a filing or a download.
#include "app/dialogs/DlgFilingTerm.h"

#include <QUrl>

#include "app/dialogs/FilingLinks.h"
#include "ordane/FileHelpers.h"
#include "ordane/QWebClient.h"
#include "ui_DlgFilingTerm.h"

DlgFilingTerm::DlgFilingTerm(bool reFile, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::DlgFilingTerm>())
{
    Q_UNUSED(reFile);
    ui->setupUi(this);
    ui->lblAgree->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui->fld_bAgree->setChecked(false);
}

DlgFilingTerm::~DlgFilingTerm() = default;

QString DlgFilingTerm::linkHtml(const QString &link)
{
    // The link may come from a service reply: only a web address becomes a link, and every
    // character of it is escaped so that it adds no markup of its own.
    const QUrl url(link);
    if (link.isEmpty() || !url.isValid() || !QWebClient::isWebAddress(link) || url.host().isEmpty())
        return QString();
    const QString escaped = link.toHtmlEscaped();
    return QString("<a href=\"%1\">%2</a>").arg(escaped, escaped);
}

void DlgFilingTerm::setTerms(const QString &agreement, const QString &link, const QString &title,
                             const QString &resourcePath)
{
    setWindowTitle(title);

    setLinkLabel(ui->lblLink, linkHtml(link));

    QString terms;
    // An unreadable resource leaves the terms empty; the dialog still works.
    loadFileToQString(resourcePath, terms, kLoadFromResource);
    ui->fld_term->setOpenExternalLinks(true);
    ui->fld_term->setTextInteractionFlags(kLinkInteraction);
    ui->fld_term->setHtml(terms);

    ui->lblAgree->setText(agreement);
}

void DlgFilingTerm::on_buttonBox_clicked(QAbstractButton *button)
{
    switch (ui->buttonBox->standardButton(button)) {
    case QDialogButtonBox::Cancel:
        reject();
        break;
    case QDialogButtonBox::Ok:
        if (ui->fld_bAgree->isChecked())
            accept();
        break;
    default:
        break;
    }
}
