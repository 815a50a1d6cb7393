// NetfileCommand: the editor's NETFILE command: the gates a return passes before it is filed,
// the submission and what is recorded of its outcome.
#include "app/CBasicEvent.h"
#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "efile/CNetfileResultDlg.h"
#include "efile/DataPpgSignupEmail.h"
#include "efile/PpgSignupEmail_tab1.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ordane/CYesNoContinueDlg.h"
#include "ordane/Clock.h"
#include "ordane/DlgMsgWithLink.h"
#include "ordane/SafeFileWriter.h"
#include "ordane/Utilities.h"
#include "ordane/WizardBase.h"
#include "ui/Form_Return.h"

#include <QFile>
#include <QSqlDatabase>

namespace {

// The first day the authority takes returns of the tax year.
const char *const kSeasonStart = "2026-02-23";
const char *const kTaxYear = "2025";
// The maker's help article on the filing season.
const char *const kSeasonArticle = "/faq/index.php?action=artikel&cat=6&id=16&artlang=en";

// The command always files by NETFILE, whatever the edition.
constexpr int kNetfileMode = 2;
// The filing kind the pre-filing review is run with.
constexpr unsigned char kNetfileReview = 2;

// Keys of the person on screen's values.
constexpr int kKeySin = 1;
constexpr int kKeyReFile = 2;
constexpr int kKeyMultiYear = 3;
constexpr int kKeyHasEmail = 10;
constexpr int kKeyFullName = 17;

constexpr int kT1Filed = 1;
constexpr int kT1Failed = -1;

QString seasonArticleLink()
{
    const TabWndApp *app = appInstance();
    const QString host = app ? QString(app->config.QuorvandelleWebServer)
                             : QString::fromLatin1(CT1AppConfig::makerWebHost);
    return "https://" + host + QLatin1String(kSeasonArticle);
}

// False, after the season message, before the first day of the filing season.
bool seasonHasStarted(QWidget *parent)
{
    const QDate start =
        QDate::fromString(QLatin1String(kSeasonStart), QStringLiteral("yyyy-MM-dd"));
    if (now().date() >= start)
        return true;
    DlgMsgWithLink message(QStringLiteral("Quorvandelle 2025"), parent);
    message.setMsg1(QObject::tr("CRA NetFile/EFile for new tax season starts on (%1). Please try "
                                "again when this day arrives.")
                        .arg(QLatin1String(kSeasonStart)));
    message.setMsg2(QObject::tr("Please refer the following URL:"));
    message.setLink(seasonArticleLink());
    message.exec();
    return false;
}

// Shows the first message of a check and answers false when the check found any.
bool passes(const std::list<CString> &messages, QWidget *parent)
{
    if (messages.empty())
        return true;
    showInformation(messages.front(), parent);
    return false;
}

// The "Online Email Promotion" wizard: true when the user goes on without signing up.
bool signupDeclined(QWidget *parent)
{
    DataPpgSignupEmail answer;
    WizardBase wizard(parent, QObject::tr("Online Email Promotion"));
    wizard.addPage(new PpgSignupEmail_tab1(&answer, &wizard));
    wizard.initUI(670, 540);
    if (wizard.exec() != 1)
        return false;
    if (answer.fld_signup.value() == DataPpgSignupEmail::SignUp) {
        showInformation(QObject::tr("Please enter your email on page 1 of T1, Identification area, "
                                    "then do NetFile again."),
                        parent);
        return false;
    }
    return answer.fld_signup.value() == DataPpgSignupEmail::NotNow;
}

TaxData_T1New *t1Of(FamilyTaxData *family)
{
    IndividualTaxData *person = family->getCurrentPersonData();
    return person ? dynamic_cast<TaxData_T1New *>(person->getForm(FormType::T1, 0, false))
                  : nullptr;
}

// The testing-mode copy of the XML, named after the person; never outside the run folder.
QString testingCopyPath(FamilyTaxData *family)
{
    const TabWndApp *app = appInstance();
    const QString run = app ? QString(app->runPath) : QString();
    return run + '/' + makeValidFilename(family->getPersonDefaultFileName()) + '_' +
           QLatin1String(kTaxYear) + QStringLiteral(".ws");
}

} // namespace

void Form_Return::internetFiling()
{
    FamilyTaxData *data = family();
    if (!data)
        return;
    const TabWndApp *app = appInstance();
    const bool testing = app && app->config.MODEDEBUG;
    const bool noReview = app && app->config.NoWarningMsg;

    int reFile = 0;
    data->getIntByKey(kKeyReFile, reFile);
    const bool amended = reFile != 0;

    if (!testing && !seasonHasStarted(this))
        return;
    refreshPages();

    if (amended) {
        std::list<CString> messages;
        data->checkReFileBankruptcy(AppEdition, messages);
        if (!passes(messages, this))
            return;
    }
    {
        std::list<CString> messages;
        data->checkNetfileEligibility(AppEdition, messages);
        if (!passes(messages, this))
            return;
    }
    // The validation dialog has shown the errors.
    if (validateReturn(AppEdition, false, false) > 0)
        return;
    if (amended) {
        std::list<CString> messages;
        data->checkReFileRestrictions(messages);
        if (!passes(messages, this))
            return;
    }

    CString sin;
    CString fullName;
    data->getTextByKey(kKeySin, sin);
    data->getTextByKey(kKeyFullName, fullName);

    if (!amended) {
        int hasEmail = 0;
        data->getIntByKey(kKeyHasEmail, hasEmail);
        if (hasEmail == 0 && !signupDeclined(this))
            return;
        const QString question =
            tr("<h3>NetFile accepts the current year (%1) and up to 7 prior-year returns. If you "
               "intend to file more than one of these returns today or within next two days, "
               "click 'Yes' button on every return you file.</h3><br><br>In order to accurately "
               "assess tax returns, please file your return in order, oldest return "
               "first.<br><br>Click 'No' button if you only file this year's return.")
                .arg(QLatin1String(kTaxYear));
        if (askQuestion(question, this))
            data->setValueByKey(kKeyMultiYear, 1, 0.0);
        if (!noReview && !data->preCheckReturn(kNetfileReview, false))
            return;
    } else {
        if (!noReview && !data->preCheckReturn(kNetfileReview, true))
            return;
        if (!CYesNoContinueDlg::warnYesNoMsg(
                this, appTitle,
                tr("Please note that this is an Amended Return for Re-File purpose.")))
            return;
    }

    QString xml;
    data->generateReturnXml(xml, kNetfileMode);
    const QString copyPath = testing ? testingCopyPath(data) : QString();
    if (testing && !writeFileSafely(copyPath, xml.toUtf8())) {
        showInformation(tr("Netfile or EFile can NOT be created. Check firewall program or "
                           "anti-virus software settings."),
                        this);
        return;
    }

    QSqlDatabase db = QSqlDatabase::database();
    const int taxpayerId = CBasicEvent::saveTaxpayer(db, sin, fullName, CString(), CString());
    const CString summary = data->getPersonIncomeSummary();
    CBasicEvent::addEvent(db, taxpayerId, CBasicEvent::FilingAttempt, summary, false, false, true);

    bool filed = false;
    bool refused = false;
    QString confirmation;
    QString resultMessage;
    {
        CNetfileResultDlg dialog(kNetfileMode, data, reFile, &xml, this);
        dialog.setSummary(summary, fullName);
        dialog.exec();
        filed = dialog.succeeded();
        refused = dialog.refused();
        confirmation = dialog.confirmation();
        resultMessage = dialog.resultMessage();
    }

    if (filed) {
        data->recordFilingResult(FormType::T1, kT1Filed, confirmation);
        if (saveAfterFiling(true) != 0) {
            showInformation(tr("The return was filed: its confirmation code is [%1]. The return "
                               "file was NOT saved, so it does not show the filing yet; please "
                               "keep the code and save the return again.")
                                .arg(confirmation),
                            this);
        }
        CBasicEvent::addEvent(db, taxpayerId, CBasicEvent::Filed, resultMessage, false, false,
                              true);
    } else if (refused) {
        // A refusal is noted as a failed attempt, but never over the confirmation of an
        // earlier accepted filing.
        const TaxData_T1New *t1 = t1Of(data);
        if (t1 && QString(t1->confirmation.value()).isEmpty())
            data->recordFilingResult(FormType::T1, kT1Failed, confirmation);
    }
    // Cancelled, declined, or no usable reply: the return stays exactly as it was.

    refreshPages();
    if (testing)
        QFile::remove(copyPath);
}
