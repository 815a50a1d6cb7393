// The line helpers of summary pages: one "label: value" line, or a bare line break.
#pragma once

#include "ordane/CString.h"

// Appends label, ": ", value and "<br>\n" to page, or nothing when the value is empty or
// equals skip exactly. The value is plain text from outside and is escaped
// for HTML, so a downloaded "<" or "&" shows as itself and never becomes markup; the label is
// the program's own and goes in as written. True when a line was written.
bool toHtmlOneLineItem(CString &page, const CString &value, const CString &label,
                       const CString &skip = CString());

// Appends "<br>\n" to page.
void toHtmlNewLine(CString &page);
