// SlipTotals: the summary tables of the T3, T4, T4A and T5 slips.
#include "calc/SlipTotals.h"

#include "ordane/AmountTolerance.h"
#include "ordane/CString.h"
#include "ordane/HtmlTable.h"
#include "ordane/Utilities.h"

#include <initializer_list>
#include <utility>

namespace {
using Row = std::pair<const char *, double>;

int writeTable(CString &html, std::initializer_list<Row> rows)
{
    html.Empty();
    toHtmlTableStart(html);
    toHtmlOneTableRow(html, "Amounts", "Totalled into", "");
    for (const Row &row : rows) {
        CString amount;
        toHtmlOneTableRow(html, myDoubleToString(row.second, -2, amount).toUtf8(), row.first, "");
    }
    toHtmlTableEnd(html);
    return 0;
}
} // namespace

int SlipTotals::toHtmlT3Table(CString &html) const
{
    const double capitalGainsOver = t3AmountE - 10000;
    const double totalIncome = t3Box26Net + t3AmountA +
                               (capitalGainsOver >= kAmountTolerance ? capitalGainsOver : 0.0) +
                               t3AmountC;
    return writeTable(html, {
                                {"Actual non-eligible dividend", t3Box23},
                                {"Taxable non-eligible dividend", t3Box32},
                                {"Tax credit of non-eligible dividend", t3Box39},
                                {"Total Income", totalIncome},
                                {"Actual eligible dividend", t3Box49},
                                {"Taxable eligible dividend", t3Box50},
                                {"Tax credit of eligible dividend", t3Box51},
                            });
}

int SlipTotals::toHtmlT4Table(CString &html) const
{
    return writeTable(html, {
                                {"Total Income", t4Box14},
                                {"CPP Payment", t4Box16},
                                {"QPP Payment", t4Box17},
                                {"EI Payment", t4Box18},
                                {"Income Tax Withheld", t4Box22},
                            });
}

int SlipTotals::toHtmlT4ATable(CString &html) const
{
    return writeTable(
        html, {
                  {"Field 10400", t4aBox107 + t4aBox104Net + t4aBox118 + t4aBox119 + t4aBox127 +
                                      t4aAmountJ + t4aAmountM3 + t4aAmountM5},
                  {"Field 11500", t4aBox16 + t4aBox24Senior + t4aAmountKSenior + t4aAmountNSenior},
              });
}

int SlipTotals::toHtmlT5Table(CString &html) const
{
    return writeTable(html, {
                                {"Actual non-eligible dividend", t5Box10},
                                {"Taxable non-eligible dividend", t5Box11},
                                {"Tax credit of non-eligible dividend", t5Box12},
                                {"Interest income", t5AmountA},
                                {"Actual eligible dividend", t5Box24},
                                {"Taxable eligible dividend", t5Box25},
                                {"Tax credit of eligible dividend", t5Box26},
                            });
}
