// Small framework helpers: folders, the time text, lenient number reading.
#pragma once

#include "ordane/CString.h"

// Makes the folder and its parents; true when the folder exists afterwards.
bool makeFolderExists(const QString &path);

// The current local time: mode 0 gives "yyyy-MM-dd HH:mm:ss", any other mode
// "yyyyMMddHHmmss". The text is stored in out and returned.
CString GetCurTime(CString &out, int mode);

// Reads a number the way C's atof does, whatever the locale: blanks around it are ignored,
// "," grouping is dropped, an optional sign, digits and one "." are taken up to the first
// other character; a text without digits gives 0.
double myStringToDouble(const CString &text);

// True for a well-formed e-mail address (UTF-8): one "@" between a local part of letters,
// digits and !#$%&'*+/=?^_`{|}~.- (no leading, trailing or doubled dot) and a domain of at
// least two dot-separated labels of letters, digits and inner hyphens. No blanks anywhere.
bool checkEmail(const QByteArray &utf8);
