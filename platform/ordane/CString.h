// CString: the framework's text class, a QString with the few extra members the system uses.
#pragma once

#include <QString>

class CString : public QString
{
public:
    CString() = default;
    CString(const QString &s) : QString(s) {}
    CString(const char *utf8) : QString(QString::fromUtf8(utf8)) {}
    CString(const QByteArray &utf8) : QString(QString::fromUtf8(utf8)) {}

    int GetLength() const { return length(); }
    bool IsEmpty() const { return isEmpty(); }
    void Empty() { clear(); }

    // Removes leading and trailing white space in place.
    CString &Trim();
    CString &TrimLeft();
    CString &TrimRight();

    // strcmp-style results: negative, 0 or positive.
    int Compare(const QString &other) const;
    int CompareNoCase(const QString &other) const;

    // Index of the first occurrence at or after start, -1 when absent.
    int Find(const QString &what, int start = 0) const;

    CString Left(int n) const { return CString(left(n)); }
    CString Right(int n) const { return CString(right(n)); }
    CString Mid(int pos, int n = -1) const { return CString(mid(pos, n)); }
    CString &MakeUpper();
    CString &MakeLower();

    // printf-style formatting; the result replaces the text. Formats follow the C
    // library (%d, %s with UTF-8 bytes, %.2f ...).
    CString &Format(const char *format, ...);
    static CString formatted(const char *format, ...);

    QByteArray toUtf8Bytes() const { return toUtf8(); }
};
