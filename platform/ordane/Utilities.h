// Small framework helpers: folders, the time text, lenient number reading.
#pragma once

#include "ordane/CString.h"

// Makes the folder and its missing parents, each private (0700); true when the folder exists
// afterwards.
bool makeFolderExists(const QString &path);

// The current local time: mode 0 gives "yyyy-MM-dd HH:mm:ss", any other mode
// "yyyyMMddHHmmss". The text is stored in out and returned.
CString GetCurTime(CString &out, int mode);
// The clock's time as "yyyy-MM-dd hh:mm:ss", the text filing results are stamped with.
CString getCurTimeStr();
// The clock's time for XML: true gives UTC as "yyyy-MM-ddTHH:mm:ssZ" (the form a
// WS-Security Created takes), false the local time as "yyyy-MM-ddTHH:mm:ss".
CString getXMLDateTimeString(bool utc);

// The text as one file name in a folder: "/", NUL and other control characters are removed,
// and so are leading dots, so the name never points outside the folder or hides the file.
CString makeValidFilename(const QString &name);

// Reads a number the way C's atof does, whatever the locale: blanks around it are ignored,
// "," grouping is dropped, an optional sign, digits and one "." are taken up to the first
// other character; a text without digits gives 0.
double myStringToDouble(const CString &text);

// numerator / denominator, or the fallback when the denominator is zero within the amount
// tolerance (a near-zero divisor only ever comes from amounts that cancel out).
double div(double numerator, double denominator, double fallback);

// An amount as text, stored in out and returned. A precision n of 0 or more gives n decimals;
// a negative precision -n gives n decimals with "," grouping the thousands ("12,345.60").
// A value that rounds to zero never carries a minus sign.
CString myDoubleToString(double value, int precision, CString &out);

// True for a well-formed e-mail address (UTF-8): one "@" between a local part of letters,
// digits and !#$%&'*+/=?^_`{|}~.- (no leading, trailing or doubled dot) and a domain of at
// least two dot-separated labels of letters, digits and inner hyphens. No blanks anywhere.
bool checkEmail(const QByteArray &utf8);

// The digits of a text, in order, without anything else ("046-454 286" gives "046454286").
CString GetPureDigitStr(const CString &text);
