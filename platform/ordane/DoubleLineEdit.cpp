// DoubleLineEdit: strict reading and two-decimal display of amounts.
#include "ordane/DoubleLineEdit.h"

#include "ordane/Utilities.h"

#include <cmath>

DoubleLineEdit::DoubleLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void DoubleLineEdit::setAmount(double value)
{
    setText(shownText(value));
}

QString DoubleLineEdit::shownText(double value) const
{
    return m_count ? QString::number(value, 'g', 15) : formatAmount(value);
}

QString DoubleLineEdit::formatAmount(double value)
{
    CString text;
    return myDoubleToString(value, -2, text);
}

bool DoubleLineEdit::parseAmount(const QString &text, double &value)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        value = 0.0;
        return true;
    }
    QString digits;
    bool point = false;
    bool anyDigit = false;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c == '-' && i == 0) {
            digits += c;
        } else if (c.isDigit() && c.unicode() < 128) {
            digits += c;
            anyDigit = true;
        } else if (c == '.' && !point) {
            digits += c;
            point = true;
        } else if (c == ',' && !point) {
            continue; // grouping, only among the whole digits
        } else {
            return false;
        }
    }
    if (!anyDigit)
        return false;
    bool ok = false;
    const double v = digits.toDouble(&ok);
    // A run of digits past the double range reads as infinity.
    if (!ok || !std::isfinite(v))
        return false;
    value = v == 0.0 ? 0.0 : v; // "-0" is stored as 0
    return true;
}
