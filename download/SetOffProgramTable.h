// The refund set-off programmes: abbreviation to programme text, from the compiled-in list.
#pragma once

#include "ordane/CString.h"

#include <QByteArray>
#include <map>

// The compiled-in programme list (ISO-8859-1, comma-separated).
constexpr const char *kSetOffProgramResource = ":/tdd/tdd/cde-elements-25b.csv";

using SetOffProgramTable = std::map<QByteArray, CString>;

// The programme text of an abbreviation as UTF-8, empty when the abbreviation is not listed.
// The first call loads the table; calls from several threads at once load it exactly once,
// and later calls only read it.
QByteArray setOffProgramName(const QByteArray &abbreviation);

// Reads the list at path: for each line after the header with at least four fields, the
// second field ("Eng Abbr", as written) keys the next-to-last field, or the last field when
// that one is empty; the first line of an abbreviation wins. Every line ends with a comma,
// so the last field is always empty and the text is the "Other" column. A list that cannot
// be read gives an empty table.
SetOffProgramTable
loadSetOffProgramTable(const QString &path = QString::fromLatin1(kSetOffProgramResource));

// How many times the process-wide table has been loaded (0 before the first lookup, then 1).
int setOffProgramTableLoads();
