// MainWindow: the information windows (About, T5008, Update, industry code, direct deposit), the
// preferences, background colour, find-files and Auto-fill entries, and sending a return file
// for help.
#include "ui/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "app/dialogs/PreferenceDlg.h"
#include "ordane/Clock.h"
#include "ordane/DlgMsgWithLink.h"
#include "ui/DlgFindFiles.h"
#include "ui/DlgSendFileForHelp.h"
#include "ui/Form_Return.h"
#include "ui/NeighbourServices.h"

#include <QColorDialog>
#include <QFileInfo>

namespace {

const char *const kReleaseDateText = "20260303";
constexpr unsigned char kNetfileEdition = 2;

QString editionName()
{
    return AppEdition == kNetfileEdition ? QStringLiteral("Quorvandelle 2025 for NetFile")
                                         : QStringLiteral("Quorvandelle 2025 for EFile");
}

// "20260303" shown as "2026-03-03".
QString releaseDateShown()
{
    QString date = QString::fromLatin1(kReleaseDateText);
    return date.insert(6, QLatin1Char('-')).insert(4, QLatin1Char('-'));
}

QString httpsLink(const CString &host, const char *pathAndQuery)
{
    return QStringLiteral("https://") + host + QLatin1String(pathAndQuery);
}

} // namespace

QString MainWindow::webHost(int which) const
{
    if (!m_app)
        return QString();
    switch (which) {
    case 1:
        return m_app->config.StatisticsWebServer;
    case 2:
        return m_app->config.GovernmentWebServer;
    default:
        return m_app->config.QuorvandelleWebServer;
    }
}

void MainWindow::actionAbout()
{
    DlgMsgWithLink dlg(tr("About ") + editionName(), this);
    dlg.setMsg1(tr("This software is released on %1.\n").arg(releaseDateShown()));
    dlg.exec();
}

void MainWindow::on_actionAdd_T5008_slip_triggered()
{
    DlgMsgWithLink dlg(tr("T5008 Tax Slip Information"), this);
    dlg.setMsg1(tr("T5008 tax slip is NOT used directly in tax return."));
    dlg.setMsg2(tr("Capital gain is calculated from Schedule 3, you need to enter T5008 data into "
                   "schedule 3.\nRead the following FAQ link:"));
    dlg.setLink(httpsLink(webHost(0), "/faq/index.php?action=artikel&cat=8&id=48&artlang=en&"
                                      "highlight=t5008"));
    dlg.exec();
}

void MainWindow::on_actionUpdate_Quorvandelle_triggered()
{
    DlgMsgWithLink dlg(tr("Update ") + editionName(), this);
    dlg.setMsg1(tr("To update, install the new release over the old installation; your "
                   "existing return files are kept."));
    dlg.setMsg2(tr("You can download %1 from the following link").arg(editionName()));
    dlg.setLink(httpsLink(webHost(0), AppEdition == kNetfileEdition ? "/download25-in.html"
                                                                    : "/download25-do.html"));
    dlg.exec();
}

void MainWindow::on_actionFind_Industry_Code_triggered()
{
    DlgMsgWithLink dlg(tr("Find Industry Code"), this);
    dlg.setMsg1(tr("Industry code is a 6-digit code."));
    dlg.setMsg2(tr("Find a industry code from the following web link:"));
    dlg.setLink(httpsLink(webHost(1), "/imdb/p3VD.pl?Function=getVD&TVD=1369825"));
    dlg.exec();
}

void MainWindow::on_HelpDirectDepositForm()
{
    DlgMsgWithLink dlg(tr("Direct Deposit Enrolment"), this);
    dlg.setMsg1(tr("Taxpayers will be able to register for Direct Deposit through the following "
                   "methods:"));
    dlg.setMsg2(tr("My Account online, through a Canadian bank or credit union, or by completing "
                   "and mailing a Direct Deposit enrolment form(paper) available at the "
                   "following link. If the Direct Deposit enrolment form is printed from the "
                   "link provided, the form must be signed, and a void cheque must be "
                   "attached."));
    dlg.setLink2(httpsLink(webHost(2), "/en/public-services-procurement/services/"
                                       "payments-to-from-government/direct-deposit/"
                                       "individuals-canada/enrolment-form.html"),
                 tr("Direct Deposit Enrolment Form for individuals"));
    dlg.exec();
}

void MainWindow::on_actionPreference_triggered()
{
    PreferenceDlg dlg(this);
    dlg.exec();
}

void MainWindow::on_actionBackground_Color_triggered()
{
    const QColor color = QColorDialog::getColor();
    if (!color.isValid())
        return;
    if (m_app)
        m_app->config.BKColor = color.name();
    // Only the editor on screen takes the colour now; the others keep theirs, and editors
    // made later read the setting.
    if (Form_Return *editor = committedEditor())
        editor->applyBackgroundColor();
}

void MainWindow::findReturnFiles()
{
    if (m_openReturns >= 2) {
        showInformation(tr("Please close a return file to proceed!"), this);
        return;
    }
    CString listPath;
    if (m_app)
        m_app->tddLogPath(listPath, 2);
    DlgFindFiles dlg(tr("Find Return Files"), listPath, this);
    dlg.exec();
}

void MainWindow::on_actionAuto_Fill_AFR_triggered()
{
    launchAutoFill(true);
    updateTitleAndActions();
}

void MainWindow::launchAutoFill(bool autoFill)
{
    NeighbourServices &services = neighbourServices();
    // The download's dialog takes the editor shown (null on the start page); it reads the
    // person's S.I.N. from it.
    if (!autoFill || !services.autoFillMyReturn) {
        notAvailable(ui->actionAuto_Fill_AFR);
        return;
    }
    services.autoFillMyReturn(shownEditor(), this);
}

void MainWindow::onSendReturnFile()
{
    Form_Return *editor = committedEditor();
    if (!editor)
        return;
    if (!editor->hasFileName()) {
        showInformation(tr("Please save return to a file first."), this);
        return;
    }
    DlgSendFileForHelp dlg(this);
    dlg.setWindowTitle(tr("Send Return File for Help"));
    if (dlg.exec() != QDialog::Accepted || dlg.email().isEmpty())
        return;

    QString path;
    editor->fullFilePath(path);
    const QString uploadName =
        now().toString(QStringLiteral("MMddHHmm-")) + QFileInfo(path).fileName();
    const QByteArray address =
        QByteArray("https://") + webHost(0).toUtf8() + QByteArray("/php/fileupload2.php");
    bool sent = false;
    beginWaitCursor();
    {
        QWebClient client(address, path, uploadName, QByteArrayLiteral("file"));
        client.addQueryItem("email", dlg.email().toUtf8());
        client.addQueryItem("msg",
                            (QString(appTitle) + QLatin1Char('\n') + dlg.message()).toUtf8());
        client.addQueryItem("path", path.toUtf8());
        QString reply;
        sent = client.post(reply);
    }
    endWaitCursor();
    if (sent)
        showInformation(tr("file is sent successfully, we will contact you at ") + dlg.email(),
                        this);
    else
        showInformation(tr("file is NOT sent, please contact us for solution."), this);
}
