// HTML table writers: one bordered table, one row per call, three cells a row.
#include "ordane/HtmlTable.h"

void toHtmlTableStart(CString &html)
{
    html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
}

void toHtmlOneTableRow(CString &html, const QByteArray &cell1, const QByteArray &cell2,
                       const QByteArray &cell3)
{
    html += "<tr>";
    for (const QByteArray *cell : {&cell1, &cell2, &cell3})
        html += "<td>" + QString::fromUtf8(*cell).toHtmlEscaped() + "</td>";
    html += "</tr>\n";
}

void toHtmlTableEnd(CString &html)
{
    html += "</table>\n";
}
