// DlgFilingResult: the outcome of one filing, with a link to its result or log file.
#include "efile/DlgFilingResult.h"

#include <QUrl>

#include "app/dialogs/FilingLinks.h"
#include "ui_DlgFilingResult.h"

DlgFilingResult::DlgFilingResult(const QString &title, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::DlgFilingResult>())
{
    ui->setupUi(this);
    setWindowTitle(title);
}

DlgFilingResult::~DlgFilingResult() = default;

QString DlgFilingResult::fileLinkHtml(const QString &filePath)
{
    if (filePath.isEmpty())
        return QString();
    // A local path may hold blanks, "#" or "&": the target is the encoded file URL, and both
    // it and the visible path are escaped for the markup.
    const QString target = QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded);
    return QString("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), filePath.toHtmlEscaped());
}

void DlgFilingResult::setResult(const QString &heading, const QString &body, const QString &line,
                                const QString &filePath)
{
    ui->lblOverview->setText(heading);

    ui->pteDetails->setOpenExternalLinks(true);
    ui->pteDetails->setTextInteractionFlags(kLinkInteraction);
    ui->pteDetails->setHtml("<html><body>" + body + "</body></html>");

    ui->lblBottom->setText(line);

    setLinkLabel(ui->lblLink, fileLinkHtml(filePath));
}
