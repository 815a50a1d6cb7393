// Small framework helpers.
#include "ordane/Utilities.h"

#include "ordane/AmountTolerance.h"
#include "ordane/Clock.h"
#include "ordane/PrivateFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

bool makeFolderExists(const QString &path)
{
    return makePrivateFolder(path);
}

CString GetCurTime(CString &out, int mode)
{
    out = CString(now().toString(mode == 0 ? "yyyy-MM-dd HH:mm:ss" : "yyyyMMddHHmmss"));
    return out;
}

CString getCurTimeStr()
{
    return CString(now().toString("yyyy-MM-dd hh:mm:ss"));
}

CString getXMLDateTimeString(bool utc)
{
    const QDateTime time = now();
    return utc ? CString(time.toUTC().toString("yyyy-MM-dd'T'HH:mm:ss'Z'"))
               : CString(time.toLocalTime().toString("yyyy-MM-dd'T'HH:mm:ss"));
}

CString makeValidFilename(const QString &name)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c.category() == QChar::Other_Control)
            continue;
        if (c == QLatin1Char('.') && out.isEmpty())
            continue;
        out.append(c);
    }
    return CString(out);
}

double myStringToDouble(const CString &text)
{
    QString s = text.trimmed();
    s.remove(QLatin1Char(','));
    int end = 0;
    if (end < s.size() && (s[end] == '+' || s[end] == '-'))
        ++end;
    bool digits = false;
    bool point = false;
    for (; end < s.size(); ++end) {
        const QChar c = s[end];
        if (c.isDigit() && c.unicode() < 128) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    QString number = s.left(end);
    if (number.endsWith('.'))
        number.chop(1);
    return number.toDouble();
}

double div(double numerator, double denominator, double fallback)
{
    if (std::fabs(denominator) < kAmountTolerance)
        return fallback;
    return numerator / denominator;
}

CString myDoubleToString(double value, int precision, CString &out)
{
    const bool grouped = precision < 0;
    const int decimals = grouped ? -precision : precision;
    QString digits = QString::number(std::fabs(value), 'f', decimals);
    const bool negative = value < 0 && digits.contains(QRegularExpression("[1-9]"));
    if (grouped) {
        int point = digits.indexOf('.');
        if (point < 0)
            point = digits.size();
        for (int at = point - 3; at > 0; at -= 3)
            digits.insert(at, ',');
    }
    out = CString(negative ? "-" + digits : digits);
    return out;
}

namespace {

bool isAsciiAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool validLocalPart(const QByteArray &local)
{
    static const QByteArray specials = "!#$%&'*+/=?^_`{|}~-";
    if (local.isEmpty() || local.size() > 64 || local.startsWith('.') || local.endsWith('.') ||
        local.contains(".."))
        return false;
    for (char c : local) {
        if (!isAsciiAlnum(c) && c != '.' && !specials.contains(c))
            return false;
    }
    return true;
}

bool validDomain(const QByteArray &domain)
{
    const QList<QByteArray> labels = domain.split('.');
    if (domain.size() > 253 || labels.size() < 2)
        return false;
    for (const QByteArray &label : labels) {
        if (label.isEmpty() || label.size() > 63 || label.startsWith('-') || label.endsWith('-'))
            return false;
        for (char c : label) {
            if (!isAsciiAlnum(c) && c != '-')
                return false;
        }
    }
    return true;
}

} // namespace

bool checkEmail(const QByteArray &utf8)
{
    const int at = utf8.indexOf('@');
    if (at < 0 || utf8.indexOf('@', at + 1) >= 0)
        return false;
    return validLocalPart(utf8.left(at)) && validDomain(utf8.mid(at + 1));
}

CString GetPureDigitStr(const CString &text)
{
    CString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    }
    return digits;
}
