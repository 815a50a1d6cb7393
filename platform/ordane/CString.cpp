// CString members beyond QString: trimming in place, strcmp-style comparison, printf formatting.
#include "ordane/CString.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

QString vformat(const char *format, va_list args)
{
    va_list sizing;
    va_copy(sizing, args);
    const int needed = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (needed <= 0)
        return QString();
    std::vector<char> buffer(static_cast<size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return QString::fromUtf8(buffer.data(), needed);
}

int sign(int v)
{
    return (v > 0) - (v < 0);
}

} // namespace

CString &CString::Trim()
{
    *this = CString(trimmed());
    return *this;
}

CString &CString::TrimLeft()
{
    int i = 0;
    while (i < length() && at(i).isSpace())
        ++i;
    remove(0, i);
    return *this;
}

CString &CString::TrimRight()
{
    int n = length();
    while (n > 0 && at(n - 1).isSpace())
        --n;
    truncate(n);
    return *this;
}

int CString::Compare(const QString &other) const
{
    return sign(QString::compare(*this, other, Qt::CaseSensitive));
}

int CString::CompareNoCase(const QString &other) const
{
    return sign(QString::compare(*this, other, Qt::CaseInsensitive));
}

int CString::Find(const QString &what, int start) const
{
    return indexOf(what, start);
}

CString &CString::MakeUpper()
{
    *this = CString(toUpper());
    return *this;
}

CString &CString::MakeLower()
{
    *this = CString(toLower());
    return *this;
}

CString &CString::Format(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    *this = CString(vformat(format, args));
    va_end(args);
    return *this;
}

CString CString::formatted(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    CString result(vformat(format, args));
    va_end(args);
    return result;
}
