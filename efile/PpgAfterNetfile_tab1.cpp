// PpgAfterNetfile_tab1: the after-filing links to the authority's online services.
#include "efile/PpgAfterNetfile_tab1.h"
#include "ui_PpgAfterNetfile_tab1.h"

#include "app/TabWndApp.h"
#include "app/dialogs/FilingLinks.h"

namespace {

// Paths on the government's public web host.
const char *const kMyAccountPath =
    "/en/revenue-agency/services/e-services/e-services-individuals/account-individuals.html";
const char *const kDirectDepositPath =
    "/en/public-services-procurement/services/payments-to-from-government/direct-deposit/"
    "individuals-canada/enrolment-form.html";
const char *const kPayNowPath =
    "/en/revenue-agency/services/make-a-payment-canada-revenue-agency.html";
const char *const kArrangePath = "/en/revenue-agency/services/tax/individuals/topics/"
                                 "about-your-tax-return/making-payments-individuals/"
                                 "payment-arrangements.html";

// A cent, with the comparisons the rows use: a refund of at least a cent shows the refund row,
// anything above a cent of refund shows the payment row.
constexpr double kCent = 0.01;

QString linkHtml(const char *path, const QString &text)
{
    const QString address = "https://" + governmentWebHost() + QLatin1String(path);
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(address.toHtmlEscaped(), text);
}

void showRow(std::initializer_list<QWidget *> widgets, bool visible)
{
    for (QWidget *w : widgets)
        w->setVisible(visible);
}

} // namespace

PpgAfterNetfile_tab1::PpgAfterNetfile_tab1(bool hasEmail, double balance, QWidget *parent)
    : PpgWizardPage(nullptr, nullptr, parent), m_hasEmail(hasEmail), m_balance(balance),
      ui(new Ui::PpgAfterNetfile_tab1)
{
    ui->setupUi(this);
}

PpgAfterNetfile_tab1::~PpgAfterNetfile_tab1() = default;

bool PpgAfterNetfile_tab1::isWanted(bool hasEmail, double balance)
{
    return hasEmail || balance > kCent || balance < -kCent;
}

void PpgAfterNetfile_tab1::bindFields()
{
    showRow({ui->line1_1, ui->line1_2, ui->line1_myaccount}, m_hasEmail);
    if (m_hasEmail)
        setLinkLabel(ui->line1_myaccount, linkHtml(kMyAccountPath, tr("My Account")));

    const bool refund = m_balance <= -kCent;
    showRow({ui->line2_1, ui->line2_2, ui->line2_DirDeposit}, refund);
    if (refund)
        setLinkLabel(ui->line2_DirDeposit, linkHtml(kDirectDepositPath, tr("Direct Deposit")));

    const bool payment = m_balance >= -kCent;
    showRow({ui->line3_1, ui->line3_2, ui->line3_PayNow, ui->line3_4, ui->line3_Pay, ui->line3_6},
            payment);
    if (payment) {
        setLinkLabel(ui->line3_PayNow, linkHtml(kPayNowPath, tr("Pay Now")));
        setLinkLabel(ui->line3_Pay, linkHtml(kArrangePath, tr("Arrange to pay")));
    }
}

bool PpgAfterNetfile_tab1::validatePage()
{
    return true;
}
