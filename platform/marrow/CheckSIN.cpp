// CheckSIN: nine digits and the Luhn check digit.
#include "marrow/CheckSIN.h"

#include <QString>

bool CheckSIN(const QString &sin)
{
    QString digits;
    for (const QChar c : sin) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('-'))
            continue;
        // Only ASCII digits: other scripts' digits are no S.I.N.
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        digits.append(c);
    }
    if (digits.size() != 9)
        return false;
    int sum = 0;
    for (int i = 0; i < 9; ++i) {
        int d = digits.at(i).unicode() - '0';
        // Every second digit is doubled and its digits added.
        if (i % 2 == 1) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    return sum % 10 == 0;
}
