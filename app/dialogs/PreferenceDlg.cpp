// PreferenceDlg: fields to and from the configuration, folder pickers, the EFiler password
// field and the account check.
#include "app/dialogs/PreferenceDlg.h"

#include <QFileDialog>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/CJsonUtil.h"
#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "app/dialogs/PasswordConfirmDlg.h"
#include "ordane/MsgBox.h"
#include "ordane/QWebClient.h"
#include "ordane/Utilities.h"
#include "ui_PreferenceDlg.h"

namespace {

// 0 preparer, 1 taxpayer; with neither button checked the stored choice stays.
void loadChoice(int value, QAbstractButton *preparer, QAbstractButton *taxpayer)
{
    preparer->setChecked(value == 0);
    taxpayer->setChecked(value == 1);
}

void storeChoice(int &value, const QAbstractButton *preparer, const QAbstractButton *taxpayer)
{
    if (preparer->isChecked())
        value = 0;
    else if (taxpayer->isChecked())
        value = 1;
}

} // namespace

PreferenceDlg::PreferenceDlg(QWidget *parent) : QDialog(parent), ui(new Ui_PreferenceDlg)
{
    ui->setupUi(this);
    m_checkPointsCount = 0;
    setWindowTitle(tr("Preference"));
    loadFields();
    const CT1AppConfig &c = appInstance()->config;
    if (c.MODEDEBUG && !c.EnableGenPrint) {
        ui->chkTestCompatiblity->hide();
        ui->lineEditCompatibility->hide();
    }
    ui->edtEFilerPswd->installEventFilter(this);
    connect(ui->btnCheckPoints, SIGNAL(clicked()), this, SLOT(onBtnCheckPointsClicked()));
}

// Defined here, where the form's class is complete.
PreferenceDlg::~PreferenceDlg() = default;

void PreferenceDlg::loadFields()
{
    const CT1AppConfig &c = appInstance()->config;
    ui->edtFolderRetFiles->setText(c.RetPath);
    ui->edtFolderPdfFiles->setText(c.RetPdfPath);
    ui->chkPdfSavedWithRet->setChecked(c.PdfPathSameAsRet != 0);
    ui->chkTestCompatiblity->setChecked(c.CompabEnable != 0);
    ui->lineEditCompatibility->setText(c.CompabWord);
    ui->edtBusiName->setText(c.BusinessName);
    ui->edtStreetAddr->setText(c.BusinessAddr);
    ui->edtCity->setText(c.BusinessCity);
    ui->edtProv->setText(c.BusinessProv);
    ui->edtPostcode->setText(c.BusinessPostcode);
    ui->edtPhone->setText(c.BusinessPhone);
    ui->edtEFilerID->setText(c.BusinessEFileNum);
    ui->edtEFilerPswd->setText(c.BusinessEFilePassword);
    ui->edtDiscounterID->setText(c.DiscounterCode);
    loadChoice(c.PreAssessment, ui->rdoPreAssessPreparer, ui->rdoPreAssessTaxPayer);
    loadChoice(c.PostAssessment, ui->rdoPostAssessPreparer, ui->rdoPostAssessTaxPayer);
    ui->chkInclClientLetter->setChecked(c.PrntClientLetter != 0);
    ui->chkSaveBakFile->setChecked(c.SaveBackup != 0);
    ui->chkFilingReport->setChecked(c.FilingReport);
    ui->chkCustomizedClientLetter->setChecked(c.CustomizedClientLetter);
    ui->edtUserEmail->setText(c.VarnexaEmail);
    ui->edtUserPswd->setText(c.VarnexaPswd);
    ui->edtFromEmail->setText(c.VXFromEmail);
}

void PreferenceDlg::storeFields()
{
    CT1AppConfig &c = appInstance()->config;
    c.RetPath = ui->edtFolderRetFiles->text();
    c.RetPdfPath = ui->edtFolderPdfFiles->text();
    c.PdfPathSameAsRet = ui->chkPdfSavedWithRet->isChecked() ? 1 : 0;
    c.CompabEnable = ui->chkTestCompatiblity->isChecked() ? 1 : 0;
    c.CompabWord = ui->lineEditCompatibility->text();
    c.BusinessName = ui->edtBusiName->text();
    c.BusinessAddr = ui->edtStreetAddr->text();
    c.BusinessCity = ui->edtCity->text();
    c.BusinessProv = ui->edtProv->text();
    c.BusinessPostcode = ui->edtPostcode->text();
    c.BusinessPhone = ui->edtPhone->text();
    c.BusinessEFileNum = ui->edtEFilerID->text();
    c.BusinessEFilePassword = ui->edtEFilerPswd->text();
    c.DiscounterCode = ui->edtDiscounterID->text();
    storeChoice(c.PreAssessment, ui->rdoPreAssessPreparer, ui->rdoPreAssessTaxPayer);
    storeChoice(c.PostAssessment, ui->rdoPostAssessPreparer, ui->rdoPostAssessTaxPayer);
    c.PrntClientLetter = ui->chkInclClientLetter->isChecked() ? 1 : 0;
    c.SaveBackup = ui->chkSaveBakFile->isChecked() ? 1 : 0;
    c.FilingReport = ui->chkFilingReport->isChecked();
    c.CustomizedClientLetter = ui->chkCustomizedClientLetter->isChecked();
    c.VarnexaEmail = ui->edtUserEmail->text();
    c.VarnexaPswd = ui->edtUserPswd->text();
    c.VXFromEmail = ui->edtFromEmail->text();
}

void PreferenceDlg::browseFolder(QLineEdit *field)
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select Folder (need write access)"), field->text(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        field->setText(QDir::toNativeSeparators(folder));
}

void PreferenceDlg::on_btnBrowseRetFilesFolder_clicked()
{
    browseFolder(ui->edtFolderRetFiles);
}

void PreferenceDlg::on_btnBrowsePdfFilesFolder_clicked()
{
    browseFolder(ui->edtFolderPdfFiles);
}

void PreferenceDlg::on_btnApply_clicked()
{
    storeFields();
    appInstance()->writeSettings();
    accept();
}

void PreferenceDlg::on_btnCancel_clicked()
{
    reject();
}

bool PreferenceDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui->edtEFilerPswd)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
        // No context menu; and text committed by an input method arrives without a key press,
        // it must not type into the field either.
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection on X11: a paste like Ctrl+V.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton)
            return true;
        return QDialog::eventFilter(watched, event);
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Paste))
            return true;
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        askEFilerPassword();
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void PreferenceDlg::askEFilerPassword()
{
    PasswordConfirmDlg dialog(this);
    dialog.resize(300, 100);
    if (dialog.exec() == QDialog::Accepted)
        ui->edtEFilerPswd->setText(dialog.password());
}

void PreferenceDlg::onBtnCheckPointsClicked()
{
    const CString email = ui->edtUserEmail->text();
    const CString password = ui->edtUserPswd->text();
    if (email.isEmpty() || password.isEmpty() || !checkEmail(email.toUtf8())) {
        showInformation("Please enter valid email address and password for user points.");
        return;
    }
    // One dialog sends at most three verification requests.
    if (++m_checkPointsCount > 3)
        return;

    const CString server = appInstance()->config.VarnexaServer;
    beginWaitCursor();
    QWebClient client(QString("%1/api/user/verify").arg(server).toUtf8(), false);
    client.setLimits(appInstance()->webCheckLimits);
    client.addQueryItem("email", email.toUtf8());
    client.addQueryItem("password", password.toUtf8());
    client.addQueryItem("msg", "testing");
    client.addQueryItem("formname", "E-Auth");
    client.addQueryItem("sfwrver", gMsgGetTitle(AppEdition).toUtf8());
    QString reply;
    const bool replied = client.post(reply);
    endWaitCursor();

    CString message;
    if (replied) {
        CJsonUtil json;
        json.parse(reply);
        int points = 0;
        if (json.getInt("points", points) == CJsonUtil::Ok) {
            if (points < 0)
                message = QString("Login to Varnexa failed, code=%1!").arg(points);
            else
                message +=
                    QString("Your account has %1 points available. [%2]").arg(points).arg(server);
        }
        CString text;
        if (json.getString("subscription", text) == CJsonUtil::Ok)
            message += QString("\nActive subscription ends %1.").arg(text);
        if (json.getString("subscriptionStatus", text) == CJsonUtil::Ok)
            message += QString("\nStatus: %1").arg(text);
    }
    if (!replied || message.isEmpty())
        message = "Check account points failed, maybe network problem!";
    showInformation(message);
}

QList<QByteArray> splitString(const QByteArray &text, const QByteArray &delimiter)
{
    QList<QByteArray> pieces;
    if (delimiter.isEmpty())
        return pieces;
    int start = 0;
    for (int at = text.indexOf(delimiter); at >= 0; at = text.indexOf(delimiter, start)) {
        pieces.append(text.mid(start, at - start));
        start = at + delimiter.size();
    }
    pieces.append(text.mid(start));
    return pieces;
}
