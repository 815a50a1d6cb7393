// The line helpers of summary pages.
#include "ordane/HtmlLines.h"

bool toHtmlOneLineItem(CString &page, const CString &value, const CString &label,
                       const CString &skip)
{
    if (value.isEmpty() || value == skip)
        return false;
    page += label;
    page += QLatin1String(": ");
    page += value.toHtmlEscaped();
    page += QLatin1String("<br>\n");
    return true;
}

void toHtmlNewLine(CString &page)
{
    page += QLatin1String("<br>\n");
}
