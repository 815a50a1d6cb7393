// Text forms of dates, telephone numbers and postal codes.
#include "ordane/FilingFormats.h"

#include "ordane/Utilities.h"

CString GetDateStr(const QDate &date, int style)
{
    if (!date.isValid())
        return CString();
    switch (style) {
    case 1:
        return CString(date.toString(QStringLiteral("yyyyMMdd")));
    case 2:
        return CString(date.toString(QStringLiteral("yyyy-MM-dd")));
    default:
        return CString();
    }
}

CString FormatQDate(const QDate &date, int style)
{
    if (!date.isValid() || style != 7)
        return CString();
    return CString(date.toString(QStringLiteral("MMdd")));
}

CString GetRawPhoneStr(const CString &phone, bool dropTrunkPrefix)
{
    CString digits = GetPureDigitStr(phone);
    if (dropTrunkPrefix && digits.size() == 11 && digits.startsWith(QLatin1Char('1')))
        digits.remove(0, 1);
    return digits;
}

bool ChkPhoneStrHasSomething(const CString &phone)
{
    for (const QChar c : phone) {
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9'))
            return true;
    }
    return false;
}

CString GetRawPostcode(const CString &postcode)
{
    QString out;
    for (const QChar c : postcode) {
        if (!c.isSpace() && c != QLatin1Char('-'))
            out += c.toUpper();
    }
    return CString(out);
}
