// XML writers: elements appended to a text, with the values escaped.
#pragma once

#include "ordane/CString.h"

// The value as XML character data: "&", "<", ">", '"' and "'" as entities; characters XML 1.0
// cannot carry (control characters other than tab, line feed and carriage return) are dropped.
CString convertToXMLString(const QString &value);
// Appends "<tag>value</tag>" with the value escaped. A limit above 0 first cuts the value to
// that many characters, so an entity is never cut in two.
void writeXMLString(QString &text, const char *tag, const QString &value, int limit = 0);
void writeXMLOpenTagString(QString &text, const char *tag);
void writeXMLCloseTagString(QString &text, const char *tag);
