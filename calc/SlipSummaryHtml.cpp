// The HTML slip summary writer.
#include "calc/SlipSummaryHtml.h"

#include "calc/SlipTotals.h"
#include "marrow/TypeCodes.h"
#include "ordane/CString.h"

#include <QTextStream>
#include <algorithm>

namespace {
struct SummarySection
{
    int code;
    const char *heading;
    const char *afterCount;
    int (SlipTotals::*table)(CString &) const;
};

const SummarySection kSections[] = {
    {SlipType::T3, "<br><br>T3 tax slip: ", " <br>", &SlipTotals::toHtmlT3Table},
    {SlipType::T4, "<br><br>T4 tax slip: ", " <br>\n", &SlipTotals::toHtmlT4Table},
    {SlipType::T4A, "<br><br>T4A tax slip: ", " <br>", &SlipTotals::toHtmlT4ATable},
    {SlipType::T5, "<br><br>T5 tax slip: ", " <br>\n", &SlipTotals::toHtmlT5Table},
};
} // namespace

int writeSlipSummaryHtml(QTextStream &out, const std::vector<int> &slipCodes,
                         const std::function<void(SlipTotals &)> &sumSlips)
{
    out << "*this summary is only for purpose of return preparation check, not "
           "accurate/full*<br><br>\n";
    out << "<b>There are totally " << int(slipCodes.size()) << " tax slip(s)</b><br><br>\n";
    SlipTotals totals;
    sumSlips(totals);
    for (const SummarySection &section : kSections) {
        const auto count = std::count(slipCodes.begin(), slipCodes.end(), section.code);
        if (count == 0)
            continue;
        CString table;
        (totals.*section.table)(table);
        out << section.heading << int(count) << section.afterCount << table;
    }
    return 0;
}
