// Small HTML table writers for the summaries the program shows as documents.
#pragma once

#include "ordane/CString.h"

#include <QByteArray>

// Each call appends to html. Cell texts are UTF-8 and are escaped for HTML.
void toHtmlTableStart(CString &html);
void toHtmlOneTableRow(CString &html, const QByteArray &cell1, const QByteArray &cell2,
                       const QByteArray &cell3);
void toHtmlTableEnd(CString &html);
