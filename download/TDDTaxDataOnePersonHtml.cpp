// TDDTaxDataOnePerson::toHtml: the summary page the user reads before applying a download.
// Downloaded texts are shown as they came (never reformatted) but escaped, so no text from
// outside becomes markup.
#include "download/TDDTaxDataOnePerson.h"

#include "ordane/HtmlLines.h"

namespace {
QString escaped(const QByteArray &text)
{
    return QString::fromUtf8(text).toHtmlEscaped();
}

void line(CString &page, const QByteArray &value, const char *label, const char *skip = "")
{
    toHtmlOneLineItem(page, CString(value), CString(label), CString(skip));
}

void requiredRepaymentLines(CString &page, const TDDRepaymentPlan &plan, const char *label)
{
    for (const TDDYearValue &pair : plan.requiredRepayments) {
        toHtmlOneLineItem(page,
                          QStringLiteral("tax year: %1, required amount: %2")
                              .arg(QString::fromUtf8(pair.year), QString::fromUtf8(pair.value)),
                          CString(label));
    }
}

// A carry-over list: its heading with the row count, the opening tag, each row's lines and a
// line break, the closing tag.
template <class Row, class Lines>
void carryOverList(CString &page, const std::vector<Row> &rows, const char *title,
                   const char *openTag, const char *closeTag, Lines rowLines)
{
    if (rows.empty())
        return;
    toHtmlNewLine(page);
    page += QStringLiteral("<h4>Total records: %1 - %2</h4>\n").arg(rows.size()).arg(title);
    page += QLatin1String(openTag);
    for (const Row &row : rows) {
        rowLines(row);
        toHtmlNewLine(page);
    }
    page += QLatin1String(closeTag);
}

void indicator(CString &page, bool set, const QString &text)
{
    if (!set)
        return;
    page += text;
    toHtmlNewLine(page);
}
} // namespace

CString gstHstFilingAddress(const CString &governmentHost)
{
    return CString(QStringLiteral("https://%1/gst-hst-filing").arg(governmentHost));
}

int TDDTaxDataOnePerson::toHtml(CString &page, const char *sinText, const char *updateTime,
                                const CString &governmentHost) const
{
    page = CString(QStringLiteral("<body>\n<h3>SIN: %1, update time: %2</h3>")
                       .arg(escaped(QByteArray(sinText ? sinText : "")),
                            escaped(QByteArray(updateTime ? updateTime : ""))));
    toHtmlNewLine(page);
    page += QLatin1String("<h3>Summary</h3>");

    line(page, summary.disabilityCode, "Client may be able to claim disability tax credit");
    line(page, summary.instalmentAmount, "Instalment", "0.0");
    line(page, summary.accessCode, "Access Code");
    line(page, summary.canadaTrainingCreditLimit, "Canada Training Credit Limit");
    line(page, summary.eiElection, "EI Election on self-employment");

    if (!summary.unfiledYears.empty()) {
        toHtmlNewLine(page);
        page += QLatin1String(
            "<font>Unfiled Return(s) for the Following Tax Year(s):</font><br>\n<font>");
        for (const QByteArray &year : summary.unfiledYears)
            page += escaped(year) + QLatin1Char(' ');
        page += QLatin1String("</font>");
        toHtmlNewLine(page);
    }

    if (!summary.rrspContributions.empty()) {
        toHtmlNewLine(page);
        page += QLatin1String("<h4>RRSP History, RRSP Limit, HBP/LLP:</h4>\n");
        for (const TDDRrspContributionRow &row : summary.rrspContributions) {
            if (row.isEmpty())
                continue;
            line(page, row.taxYear, "Tax Year");
            line(page, row.undeductedContributions, "Undeducted Contribution Amount");
            line(page, row.currentYearContributions, "Current Year Contribution Amount");
            line(page, row.totalAvailableContributions, "Total Contribution Amount");
            line(page, row.repaymentToHbpOrLlp, "Repayment to HBP/LLP Amount");
            line(page, row.contributionsDeducted, "Contribution Deducted Amount");
            line(page, row.totalUnclaimedContributions, "Total Unclaimed Contribution Amount");
            toHtmlNewLine(page);
        }
        toHtmlNewLine(page);
    }

    if (summary.fhsaPlan.present) {
        static const char *const labels[TDDFhsaPlanData::ItemCount] = {
            "FHSA Variable 'B' Prior Year Amount",
            "FHSA Prior Year Transfer from RRSP Amount",
            "FHSA Prior Year Designated to RRSP/RRIF Amount",
            "FHSA Annual Limit Amount",
            "FHSA Prior Year Deduction Amount",
            "FHSA Unused Contribution Amount Available to Deduct in Future Years",
            "FHSA Carry Forward Amount for Current Year",
            "FHSA Carry Forward Amount for Prior Year",
            "FHSA Variable 'F' Prior Year Amount",
            "FHSA Variable 'H' Prior Year Amount",
            "Total Contribution Made to FHSA in Prior Year",
            "Contribution to FHSA in Prior Year before First Withdraw",
        };
        toHtmlNewLine(page);
        page += QLatin1String("<h4>FHSA Plan:</h4>\n");
        for (int i = 0; i < TDDFhsaPlanData::ItemCount; ++i)
            line(page, summary.fhsaPlan.items[i].text, labels[i]);
        toHtmlNewLine(page);
    }

    const TDDRepaymentPlan &hbp = summary.hbp;
    if (!hbp.updateDate.isEmpty())
        toHtmlNewLine(page);
    line(page, hbp.updateDate, "HBP Update Time");
    line(page, hbp.repayableBalance, "HBP Repayable Balance");
    line(page, hbp.repaymentToDate, "HBP Repayment up-to-date", "0.0");
    line(page, hbp.requiredRepaymentRemaining, "HBP Required Repayment Remaining", "0.0");
    requiredRepaymentLines(page, hbp, "HBP Required Repayment");
    if (!hbp.updateDate.isEmpty())
        toHtmlNewLine(page);

    const TDDRepaymentPlan &llp = summary.llp;
    if (!llp.updateDate.isEmpty())
        toHtmlNewLine(page);
    line(page, llp.updateDate, "LLP Update Time");
    line(page, llp.repayableBalance, "LLP Outstanding Balance", "0.0");
    line(page, llp.repaymentToDate, "LLP Repayment up-to-date", "0.0");
    line(page, llp.requiredRepaymentRemaining, "LLP Remaining Balance", "0.0");
    requiredRepaymentLines(page, llp, "LLP Required Repayment");
    if (!llp.updateDate.isEmpty())
        toHtmlNewLine(page);

    const bool rrspLimit = !summary.rrspUpdateDate.isEmpty();
    if (rrspLimit)
        toHtmlNewLine(page);
    line(page, summary.rrspUpdateDate, "RRSP Update Time");
    line(page, summary.rrspDeductionLimit, "RRSP Deduction Limit");
    line(page, summary.rrspUnusedContribution, "RRSP Unused Amount");
    if (rrspLimit) {
        toHtmlNewLine(page);
        toHtmlNewLine(page);
    }

    page += QLatin1String("<ul>");
    indicator(page, summary.uncashedCheque, QStringLiteral("<li>- has uncashed cheque(s)"));
    indicator(page, summary.gstHstReturn,
              QStringLiteral("<li>- All future refunds will be held until all outstanding "
                             "returns have been filed.This may include, but is not limited to, "
                             "any outstanding GST/HST returns. For information on how to file "
                             "your business GST/HST returns, visit %1.")
                  .arg(gstHstFilingAddress(governmentHost).toHtmlEscaped()));
    indicator(page, summary.manageOnlineMail, QStringLiteral("<li>- Manage Online Mail Elected"));
    indicator(page, summary.returnedMail, QStringLiteral("<li>- Return Mail Elected"));
    indicator(page, summary.foreignPropertyDeclared,
              QStringLiteral("<li>- Foreign Property Declared"));
    indicator(page, !summary.electronicCorrespondence.isEmpty(),
              QStringLiteral("<li>- Electronic Correspondence Preference Indicator = ") +
                  escaped(summary.electronicCorrespondence));
    page += QLatin1String("</ul>");
    toHtmlNewLine(page);

    page += QLatin1String("<h3>CarryOver Amounts</h3><br>");
    carryOverList(page, carryOver.nonCapitalLosses, "Non-Capital Loss", "<p>", "</p>",
                  [&page](const TDDNonCapitalLossRow &row) {
                      line(page, row.taxYear, "Tax Year");
                      line(page, row.currentYearLoss, "Current Year Non-Capital Loss Amount");
                      line(page, row.priorYearLoss, "Prior Year Non-Capital Loss Amount");
                      line(page, row.subsequentYearLoss, "Subsequent Year Non-Capital Loss Amount");
                  });
    carryOverList(page, carryOver.capitalGainLosses, "Capital Gain Loss", "<p>", "</p>",
                  [&page](const TDDCapitalGainLossRow &row) {
                      line(page, row.taxYear, "Tax Year");
                      line(page, row.inclusionRate, " Inclusion Rate %");
                      line(page, row.taxableCapitalGain, " Taxable Capital Gain Amount (12700)");
                      line(page, row.unappliedNetLoss, "Unapplied Net Loss Amount");
                      line(page, row.priorYearNetLoss, "Prior Year Net Loss Amount");
                      line(page, row.subsequentYearNetLoss, "Subsequent Year Net Loss Amount");
                  });
    carryOverList(page, carryOver.capitalGainDeductions, "Capital Gain Deduction", "<p>", "</p>",
                  [&page](const TDDCapitalGainDeductionRow &row) {
                      line(page, row.taxYear, "Tax Year");
                      line(page, row.capitalGainDeduction, "Capital Gain Deduction (25400)");
                      line(page, row.netCapitalGainLoss, "Net Capital Gain Loss (10700)");
                      line(page, row.netFarmPropertyDisposition, "Net Farm Property Disposition");
                      line(page, row.netSmallBusinessShareDisposition,
                           "Net Small Business Share Disposition (10699)");
                  });
    const auto tuitionLines = [&page](const TDDYearValue &row) {
        line(page, row.year, "Tax Year");
        line(page, row.value, "Carryforward Available Amount");
    };
    carryOverList(page, carryOver.federalTuition, "Federal Tuition Education Textbook Amounts",
                  "<font>", "</font>", tuitionLines);
    carryOverList(page, carryOver.provincialTuition,
                  "Provincial Tuition Education Textbook Amounts", "<font color=\"#000000\">",
                  "</font>", tuitionLines);
    carryOverList(page, carryOver.businessInvestmentLosses, "Business Investment Loss Amounts",
                  "<font color=\"#000000\">", "</font>", [&page](const TDDYearValue &row) {
                      line(page, row.year, "Tax Year");
                      line(page, row.value, "Loss Amount");
                  });
    page += QLatin1String("<br>");
    toHtmlNewLine(page);

    if (!slips.empty()) {
        page += QStringLiteral("<h3>Tax Slips, number of slips = %1</h3><br>\n").arg(slipCount());
        int ordinal = 0;
        for (const std::unique_ptr<TaxSlip> &slip : slips) {
            ++ordinal;
            slip->appendHtmlHeader(page, ordinal);
            slip->toHtml(page, ordinal);
            slip->appendBoxLines(page);
            toHtmlNewLine(page);
        }
    }
    if (!remark.isEmpty())
        page += QStringLiteral("<h3>Tax Slips, remarked as %1</h3><br>\n").arg(escaped(remark));
    page += QLatin1String("</body>\n");
    return 0;
}
