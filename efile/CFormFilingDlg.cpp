// CFormFilingDlg: the layout built in code, the texts by form code and the two filings.
#include "efile/CFormFilingDlg.h"

#include "app/CT1AppConfig.h"
#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "efile/DlgFilingResult.h"
#include "efile/FilingExchanges.h"
#include "efile/FormFilingExchanges.h"
#include "efile/T1135Xml.h"
#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "ordane/Clock.h"
#include "ordane/DlgMsgWithLink.h"
#include "ordane/MessagePresenter.h"
#include "ordane/XmlWriters.h"
#include "ui/Form_Return.h"
#include "ui/NeighbourServices.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPadFormCode = FormType::T185;

const char *const kFilingSucceeded = "%1 is submitted successfully. Time: %2";
const char *const kErrorOccurred = "Online Filing Error Occured";

// The button and window text, and the title line once the taxpayer is known.
struct FormTexts
{
    const char *submit;
    const char *title;
};

FormTexts textsFor(int formCode)
{
    switch (formCode) {
    case FormType::T1135:
        return {"Submit T1135", "File T1135 Online"};
    case FormType::T1013:
        return {"Submit E-Auth", "File E-Auth (T1013) Online"};
    default:
        return {"EFile Online", "Submit Form To CRA"};
    }
}

QString timeText()
{
    return now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString runFilePath(bool resultFile)
{
    CString path;
    if (const TabWndApp *app = appInstance())
        app->netfileLogPath(path, resultFile);
    return path;
}

// A plain text with line breaks as the result dialog's HTML body.
QString plainToHtml(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br/>"));
}

// A failure line followed by what the web client saw, when it saw something.
QString withClientError(const QString &line, const QString &error)
{
    return error.isEmpty() ? line : line + QLatin1Char('\n') + error;
}

void showFilingResult(QWidget *parent, const QString &title, const QString &heading,
                      const QString &body, const QString &line, const QString &path)
{
    DlgFilingResult dialog(title, parent);
    dialog.setResult(heading, body, line, path);
    dialog.exec();
}

} // namespace

struct CFormFilingDlg::Layout
{
    QVBoxLayout *verticalLayout_2 = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QLabel *lbl1 = nullptr;
    QLabel *lbl2 = nullptr;
    QLabel *lbl3 = nullptr;
    QLabel *lbl4 = nullptr;
    QFrame *line = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
};

CFormFilingDlg::CFormFilingDlg(const CString &efilerNumber, const CString &efilerPassword,
                               int formCode, CString *formBody, FamilyTaxData *family,
                               QWidget *parent)
    : QDialog(parent), m_editor(dynamic_cast<Form_Return *>(parent)), m_formCode(formCode),
      m_efilerNumber(efilerNumber), m_efilerPassword(efilerPassword), m_family(family),
      m_formBody(formBody), m_layout(std::make_unique<Layout>())
{
    m_formName = formCode == FormType::T1135 ? QByteArray("T1135") : ::formName(formCode).toUtf8();
    buildLayout();
    const FormTexts texts = textsFor(formCode);
    m_layout->buttonBox->button(QDialogButtonBox::Ok)->setText(tr(texts.submit));
    setWindowTitle(tr(texts.submit));
}

CFormFilingDlg::~CFormFilingDlg() = default;

void CFormFilingDlg::buildLayout()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("CFormFilingDlg"));
    resize(612, 325);
    QFont dialogFont = font();
    dialogFont.setPointSize(11);
    setFont(dialogFont);

    Layout &l = *m_layout;
    l.verticalLayout_2 = new QVBoxLayout(this);
    l.verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
    l.verticalLayout = new QVBoxLayout();
    l.verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    l.verticalLayout_2->addLayout(l.verticalLayout);

    l.lbl1 = new QLabel(this);
    l.lbl1->setObjectName(QStringLiteral("lbl1"));
    QFont titleFont = dialogFont;
    titleFont.setPointSize(12);
    titleFont.setWeight(75);
    l.lbl1->setFont(titleFont);
    l.lbl1->setText(tr("Submit Form To CRA"));
    l.verticalLayout->addWidget(l.lbl1);

    const auto wrapped = [this, &l](const char *name) {
        auto *label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
        l.verticalLayout->addWidget(label);
        return label;
    };
    l.lbl2 = wrapped("lbl2");
    l.lbl3 = wrapped("lbl3");
    l.lbl4 = wrapped("lbl4");
    l.lbl4->setText(tr("Make sure the program can access Internet to submit the filing. Usually "
                       "the failure is caused by anti-virus software blocking the program. Add "
                       "Quorvandelle as trusted program inside anti-virus software."));

    l.line = new QFrame(this);
    l.line->setObjectName(QStringLiteral("line"));
    l.line->setFrameShape(QFrame::HLine);
    l.line->setFrameShadow(QFrame::Sunken);
    l.verticalLayout->addWidget(l.line);

    l.buttonBox = new QDialogButtonBox(this);
    l.buttonBox->setObjectName(QStringLiteral("buttonBox"));
    l.buttonBox->setOrientation(Qt::Horizontal);
    l.buttonBox->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    l.verticalLayout->addWidget(l.buttonBox);
    // Enter must never file: only Cancel is a default button, and it starts with the focus.
    QPushButton *ok = l.buttonBox->button(QDialogButtonBox::Ok);
    QPushButton *cancel = l.buttonBox->button(QDialogButtonBox::Cancel);
    ok->setAutoDefault(false);
    ok->setDefault(false);
    cancel->setDefault(true);
    cancel->setFocus();
    connect(l.buttonBox, &QDialogButtonBox::accepted, this, &CFormFilingDlg::accept);
    connect(l.buttonBox, &QDialogButtonBox::rejected, this, &CFormFilingDlg::reject);
}

void CFormFilingDlg::showFormInfo(const QString &name, const QString &sin)
{
    m_name = name;
    m_sin = sin;
    if (m_formCode == FormType::T1135 || m_formCode == FormType::T1013)
        m_layout->lbl1->setText(tr(textsFor(m_formCode).title));
    m_layout->lbl2->setText(
        tr("This filing is for <b>%1 (%2)</b>").arg(name.toHtmlEscaped(), sin.toHtmlEscaped()));
}

void CFormFilingDlg::accept()
{
    // The web client keeps events flowing while it waits: a second OK must not file again.
    if (m_submitted)
        return;
    m_submitted = true;
    m_layout->buttonBox->setEnabled(false);
    TemplateValues values;
    values.insert("efilerid", convertToXMLString(m_efilerNumber));
    values.insert("password", convertToXMLString(m_efilerPassword));
    if (m_formCode == FormType::T1013 || m_formCode == kPadFormCode)
        fileAuthForm(values);
    else
        fileT1135(values);
    QDialog::accept();
}

int CFormFilingDlg::fileT1135(TemplateValues &values)
{
    int testCase = 0;
    if (const TabWndApp *app = appInstance(); app && app->config.MODEDEBUG) {
        QString answer;
        if (presentTextInput(this, QStringLiteral("test ID"), QStringLiteral("Enter testcase ID:"),
                             answer))
            testCase = answer.trimmed().toInt();
    }

    int agreement = 0;
    const NetfileTermsResult terms = confirmNetfileTerms(agreement, false, this);
    if (terms != NetfileTermsResult::Agreed)
        return resultNumber(terms);

    CString email;
    double balance = 0;
    if (m_family)
        m_family->fillNetfileHeaderValues(values, agreement, email, balance, testCase);

    T1135FilingResult result;
    const QByteArray xml = m_formBody ? m_formBody->toUtf8() : QByteArray();
    beginWaitCursor();
    const FormFilingResult code = postT1135Filing(values, xml, result);
    endWaitCursor();

    const QString title = QStringLiteral("T1135 Web Service Result");
    const QString time = timeText();
    if (code != FormFilingResult::Read) {
        showInformation(
            withClientError(
                QStringLiteral("Error filing T1135, return code = %1.").arg(resultNumber(code)),
                result.transportError),
            this);
        return resultNumber(code);
    }

    m_filed = !result.confirmationCode.isEmpty();
    beginWaitCursor();
    if (const auto &report = neighbourServices().reportFiling; report && m_editor)
        report(m_editor, m_formCode, m_filed, result.confirmationCode, result.details);
    endWaitCursor();

    if (m_filed) {
        if (m_family)
            m_family->recordFilingResult(m_formCode, 1, result.confirmationCode);
        const QString resultText = QString::fromLatin1(kFilingSucceeded).arg("T1135", time);
        if (TabWndApp *app = appInstance())
            app->appendFilingRecord(m_name, resultText, result.confirmationCode, result.details);
        showFilingResult(this, title, resultText, result.details, QString(), runFilePath(false));
    } else {
        const QString failure =
            QStringLiteral("%1 submission failed. \nThe error codes are [%2].\nTime: %3")
                .arg(m_name, result.resultText, time);
        if (m_family)
            m_family->recordFilingResult(m_formCode, -1, failure);
        showFilingResult(this, title, failure, result.details, QString(), runFilePath(true));
    }
    return 0;
}

int CFormFilingDlg::fileAuthForm(TemplateValues &values)
{
    const bool t1013 = m_formCode == FormType::T1013;
    if (t1013) {
        values.insert("taxyear", CString("2025"));
    } else {
        const TabWndApp *app = appInstance();
        const CString software = app ? app->config.getSoftwareCode() : CString();
        values.insert("softwarecode", convertToXMLString(software + QLatin1String("P")));
        values.insert("revdate", CString(kT1135RevisionDate));
        values.insert("sin", convertToXMLString(m_sin));
    }

    TrisFilingResult result;
    beginWaitCursor();
    const FormFilingResult code =
        postTrisFiling(t1013, values, m_formBody ? *m_formBody : QString(), result);
    endWaitCursor();

    const QString name = QString::fromUtf8(m_formName);
    const QString title = QStringLiteral("%1 Filing Result").arg(name);
    if (code != FormFilingResult::Read) {
        DlgMsgWithLink dialog(QStringLiteral("Online Filing Failed"), this);
        dialog.setMsg1(QStringLiteral("%1 form submission failed. The error code is %2.")
                           .arg(name)
                           .arg(resultNumber(code)));
        dialog.setMsg2(withClientError(result.messageText, result.transportError));
        dialog.exec();
        return 0;
    }

    const QString codes = result.responseCodes.join(QLatin1Char(','));
    const QString time = timeText();
    m_filed = !result.confirmationNumber.isEmpty() && (!t1013 || result.receivedFormsCount == 1);

    beginWaitCursor();
    if (const auto &report = neighbourServices().reportFiling; report && m_editor)
        report(m_editor, m_formCode, m_filed, result.confirmationNumber, result.messageText);
    endWaitCursor();

    if (m_filed) {
        if (m_family)
            m_family->recordFilingResult(m_formCode, 1, result.confirmationNumber);
        const QString resultText = QString::fromLatin1(kFilingSucceeded).arg(name, time);
        QString body = resultText + QStringLiteral("\nThe confirmation number is ") +
                       result.confirmationNumber;
        if (!codes.isEmpty())
            body += QStringLiteral("\nFiling services return these codes: %1").arg(codes);
        if (TabWndApp *app = appInstance())
            app->appendFilingRecord(m_name, resultText, result.confirmationNumber,
                                    result.messageText);
        showFilingResult(this, title, resultText, plainToHtml(body), QString(), runFilePath(false));
        return 0;
    }

    if (m_family)
        m_family->recordFilingResult(m_formCode, -1, codes);
    const QString failure =
        QStringLiteral("%1 submission failed. The error message is:\n%2\nThe error codes are [%3].")
            .arg(name, result.messageText, codes);
    if (t1013) {
        DlgMsgWithLink dialog(QString::fromLatin1(kErrorOccurred), this);
        dialog.setMsg1(failure);
        dialog.setMsg2(tr("To find out what the error code means, follow the link below"));
        dialog.setLink(QStringLiteral("https://%1/help/filing-error-codes")
                           .arg(QLatin1String(CT1AppConfig::makerWebHost)));
        dialog.exec();
    } else {
        showFilingResult(this, title, QString::fromLatin1(kErrorOccurred), plainToHtml(failure),
                         tr("Check filing result file"), runFilePath(true));
    }
    return 0;
}
