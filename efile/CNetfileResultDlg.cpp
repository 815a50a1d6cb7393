// CNetfileResultDlg: the submission of one return: terms, header values, the post, the filing
// log, the result dialog and, after an accepted NETFILE filing, the online-services wizard.
#include "efile/CNetfileResultDlg.h"
#include "ui_CNetfileResultDlg.h"

#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "efile/DlgFilingResult.h"
#include "efile/FilingExchanges.h"
#include "efile/PpgAfterNetfile_tab1.h"
#include "model/FamilyTaxData.h"
#include "ordane/Clock.h"
#include "ordane/Utilities.h"
#include "ordane/WizardBase.h"
#include "ui/Form_Return.h"
#include "ui/NeighbourServices.h"

#include <QPushButton>

namespace {

const char *const kNetfileResultTitle = "Netfile Filing Result";
const char *const kEfileResultTitle = "Efile Filing Result";

// The EFILE notices that add a paragraph to an accepted filing's message.
const char *const kNotice2139 =
    "(E) 2139 - The CRA is performing pre-assessment verification on this return. Supporting "
    "documentation may or may not be requested. Please do not submit any documentation unless "
    "you are asked to do so.";
const char *const kNotice24 =
    "(E) 24 - The CRA may perform a verification of this taxpayer's return. If so, the "
    "processing may be delayed and supporting documentation may be requested. Please do not "
    "submit any documentation unless you are asked to do so.";

QString msgCode(const char *message, int code)
{
    return CString::formatted("Msg: %s; Code: %d.", message, code);
}

bool modeDebug()
{
    const TabWndApp *app = appInstance();
    return app && app->config.MODEDEBUG;
}

QString logPath(bool resultFile)
{
    CString path;
    if (const TabWndApp *app = appInstance())
        app->netfileLogPath(path, resultFile);
    return path;
}

void showResult(const char *title, const QString &heading, const QString &body, const QString &line,
                const QString &file, QWidget *parent)
{
    DlgFilingResult dialog(QObject::tr(title), parent);
    dialog.setResult(heading, body, line, file);
    dialog.exec();
}

void appendFilingRecord(const QString &name, const QString &summary, const QString &confirmation,
                        const QString &message)
{
    if (TabWndApp *app = appInstance())
        app->appendFilingRecord(name, summary, confirmation, message);
}

// The e-signature service's report of a filing; 0 when this build cannot report.
int reportFiling(Form_Return *editor, bool filed, const QString &confirmation,
                 const QString &message)
{
    const NeighbourServices &services = neighbourServices();
    if (!editor || !services.reportFiling)
        return 0;
    return services.reportFiling(editor, 1, filed, confirmation, message);
}

} // namespace

CNetfileResultDlg::CNetfileResultDlg(int mode, FamilyTaxData *family, int amended,
                                     const QString *request, QWidget *parent)
    : QDialog(parent), m_editor(qobject_cast<Form_Return *>(parent)), m_mode(mode),
      ui(new Ui::CNetfileResultDlg), m_family(family), m_amended(amended), m_request(request)
{
    ui->setupUi(this);
    setWindowTitle(isEfile() ? tr("EFile Tax Return to CRA") : tr("NetFile Tax Return to CRA"));
}

CNetfileResultDlg::~CNetfileResultDlg() = default;

void CNetfileResultDlg::setSummary(const QString &incomeSummary, const QString &fullName)
{
    m_incomeSummary = incomeSummary;
    m_fullName = fullName;
}

void CNetfileResultDlg::showEvent(QShowEvent *event)
{
    if (isEfile()) {
        ui->lblResult->setText(tr("EFile (by Tax Professional)"));
        ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("EFile Return"));
        ui->lblMsg1->setText(tr("This T1 EFile filing is only for %1").arg(m_fullName));
    } else {
        ui->lblResult->setText(tr("NetFile (for youself, family member or friend's tax return)"));
        ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("NetFile Return"));
        ui->lblMsg1->setText(tr("This T1 NetFile filing is only for %1").arg(m_fullName));
    }
    ui->lblResult_2->setText(m_incomeSummary);
    ui->edtTestcase->setVisible(modeDebug());
    QDialog::showEvent(event);
}

void CNetfileResultDlg::on_buttonBox_clicked(QAbstractButton *button)
{
    switch (ui->buttonBox->buttonRole(button)) {
    case QDialogButtonBox::RejectRole:
        // Closing while a post waits would leave its outcome unread.
        if (!m_lock.tryLock())
            return;
        m_lock.unlock();
        done(0);
        return;
    case QDialogButtonBox::AcceptRole:
        if (submit())
            done(0);
        return;
    default:
        return;
    }
}

bool CNetfileResultDlg::submit()
{
    if (isEfile()) {
        const TabWndApp *app = appInstance();
        const QString number = app ? QString(app->config.BusinessEFileNum) : QString();
        const QString password = app ? QString(app->config.BusinessEFilePassword) : QString();
        if (number.isEmpty() || password.isEmpty()) {
            if (m_lock.tryLock()) {
                m_lock.unlock();
                showInformation(tr("Please enter EFiler ID/password and RepID into preference "
                                   "from menu Start | Preference."),
                                this);
                return true;
            }
            return false;
        }
        if (!m_lock.tryLock())
            return false;
        submitEfile(number, password);
    } else {
        if (!m_lock.tryLock())
            return false;
        submitNetfile();
    }
    m_lock.unlock();
    return true;
}

QString CNetfileResultDlg::mayHaveReachedNote(const FilingResult &result)
{
    if (!result.requestSent)
        return QString();
    QString note = QStringLiteral("<br/><br/>") +
                   tr("The return may have reached CRA. Check its status before you send it "
                      "again.");
    const QString error = QString(result.resultText).trimmed();
    if (!error.isEmpty())
        note += QStringLiteral("<br/>") + error.toHtmlEscaped().replace('\n', "<br/>");
    return note;
}

QString CNetfileResultDlg::failedPostBody(NetfileResult status, const FilingResult &result)
{
    QString body;
    switch (status) {
    case NetfileResult::NotBuilt:
        body = msgCode("compose NetFile failed", resultNumber(status));
        break;
    case NetfileResult::PostFailed:
        body = msgCode("cannot connect to CRA server, check firewall and CRA system status",
                       resultNumber(status));
        break;
    case NetfileResult::NotXml:
        body = msgCode("the CRA server's reply could not be read", resultNumber(status));
        break;
    default:
        body = tr("An unexpected error happened inside software. Please contact Quorvandelle "
                  "software support.");
        break;
    }
    return body + (result.requestSent ? mayHaveReachedNote(result) : notSentNote(result));
}

QString CNetfileResultDlg::notSentNote(const FilingResult &result)
{
    // What the exchange saw: no host set, nothing listening, an untrusted certificate...
    const QString cause = QString(result.resultText).trimmed();
    if (cause.isEmpty())
        return QString();
    return QStringLiteral("<br/><br/>") + tr("The return was not sent to CRA.") +
           QStringLiteral("<br/>") + cause.toHtmlEscaped().replace('\n', "<br/>");
}

void CNetfileResultDlg::submitNetfile()
{
    const FilingSetup setup = FilingSetup::fromApplication();
    int agreement = 0;
    if (confirmNetfileTerms(agreement, m_amended != 0, this, setup) != NetfileTermsResult::Agreed)
        return;

    FilingResult result(1);
    NetfileResult status = NetfileResult::Read;
    {
        WaitCursorScope wait;
        int testCase = 0;
        if (setup.modeDebug) {
            m_testCase = ui->edtTestcase->text();
            bool number = false;
            testCase = m_testCase.isEmpty() ? 0 : m_testCase.toInt(&number, 10);
            if (!number)
                testCase = 0;
        }
        TemplateValues values;
        CString email;
        if (m_family)
            m_family->fillNetfileHeaderValues(values, agreement, email, m_balance, testCase);
        m_email = email;
        status = postNetfileReturn(values, m_request ? m_request->toUtf8() : QByteArray(), result,
                                   setup);
    }

    const QString resultFile = logPath(true);
    if (status != NetfileResult::Read) {
        showResult(kNetfileResultTitle, tr("NetFile Filing Failed"), failedPostBody(status, result),
                   tr("Check filing result file"), resultFile, this);
        return;
    }

    if (result.accepted) {
        appendFilingRecord(m_fullName, m_incomeSummary, result.confirmation, result.details);
        const QString time = now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        showResult(kNetfileResultTitle,
                   tr("Netfile is submitted successfully. The confirmation code is [%1].\nResult "
                      "code is [%2]\nTime: %3")
                       .arg(result.confirmation, result.resultText, time),
                   result.details, tr("Check filing log file"), logPath(false), this);
        m_confirmation = result.confirmation;
        m_resultMessage = result.details;
        m_success = true;
        offerOnlineServices();
        return;
    }

    // Read but not accepted: a refusal of the return, or a fault that says nothing of it.
    m_refused = result.refused;
    QString body = result.details;
    if (!result.refused)
        body += mayHaveReachedNote(result);
    showResult(
        kNetfileResultTitle,
        tr("Netfile submission is NOT successful!\nResult code is [%1]").arg(result.resultText),
        body, tr("Check filing result file"), resultFile, this);
    m_confirmation.clear();
    m_success = false;
}

void CNetfileResultDlg::offerOnlineServices()
{
    const bool hasEmail = !m_email.isEmpty();
    if (!PpgAfterNetfile_tab1::isWanted(hasEmail, m_balance))
        return;
    WizardBase wizard(this, tr("CRA Online Service"));
    wizard.addPage(new PpgAfterNetfile_tab1(hasEmail, m_balance, this));
    wizard.initUI(770, 540);
    wizard.exec();
}

void CNetfileResultDlg::submitEfile(const QString &efilerNumber, const QString &efilerPassword)
{
    // The password reaches the request through the header values, from the same setting.
    Q_UNUSED(efilerPassword)
    const FilingSetup setup = FilingSetup::fromApplication();
    TemplateValues values;
    if (setup.modeDebug) {
        m_testCase = ui->edtTestcase->text();
        if (!m_testCase.isEmpty())
            values.insert("testid", CString(m_testCase));
    }
    if (m_family)
        m_family->fillEfileHeaderValues(values, 1);
    const QString dcn = efilerNumber + values.value("dcn");

    FilingResult result(1);
    EfileResult status = EfileResult::Read;
    {
        WaitCursorScope wait;
        status =
            postEfileReturn(values, m_request ? m_request->toUtf8() : QByteArray(), result, setup);
    }
    const QString resultFile = logPath(true);
    CString time;
    GetCurTime(time, 0);

    if (status != EfileResult::Read) {
        showResult(
            kEfileResultTitle, tr("EFile Filing Failed"),
            msgCode("efile failed, check firewall and write file access", resultNumber(status)),
            tr("Check filing result file"), resultFile, this);
        return;
    }

    if (result.accepted) {
        appendFilingRecord(m_fullName, m_incomeSummary, result.confirmation, result.details);
        const QString heading =
            CString::formatted("Efile is submitted successfully. Result code is [%s]. The "
                               "confirmation number is [%s].\n%s",
                               result.code.toUtf8().constData(),
                               result.confirmation.toUtf8().constData(), time.toUtf8().constData());
        bool number = false;
        const int notice = QString(result.cvIndicator).toInt(&number);
        if (number && notice == 2139)
            result.details += QLatin1String("\n\n") + QLatin1String(kNotice2139);
        else if (number && notice == 24)
            result.details += QLatin1String("\n\n") + QLatin1String(kNotice24);
        const int report = reportFiling(m_editor, true, result.confirmation, result.details);
        showResult(kEfileResultTitle, heading, result.details,
                   tr("Check filing log file (%1)").arg(report), logPath(false), this);
        m_confirmation = result.confirmation;
        m_resultMessage = result.details;
        m_success = true;
        return;
    }

    m_success = false;
    m_confirmation.clear();
    m_refused = true;
    QString heading;
    if (result.isCode184()) {
        heading = CString::formatted(
            "Efile submission for [%s] failed. Document Control Number is [%s].\nEFile result "
            "code is [%s], Error clue codes are [%s]. ",
            m_fullName.toUtf8().constData(), dcn.toUtf8().constData(),
            result.code.toUtf8().constData(), result.resultText.toUtf8().constData());
        m_confirmation = CString::formatted("code=%s, clue=%s", result.code.toUtf8().constData(),
                                            result.resultText.toUtf8().constData());
    } else {
        heading = CString::formatted(
            "Efile submission for [%s] failed. Document Control Number is [%s].\nEFile result "
            "code is [%s]. ",
            m_fullName.toUtf8().constData(), dcn.toUtf8().constData(),
            result.code.toUtf8().constData());
        m_confirmation = CString::formatted("code=%s", result.code.toUtf8().constData());
    }
    heading += time;
    const int report = reportFiling(m_editor, false, m_confirmation, heading);
    showResult(kEfileResultTitle, heading, result.details,
               tr("Check filing log file (%1)").arg(report), resultFile, this);
}
