// DoubleLineEdit: the line edit bound to an amount field, and the amount text rules.
#pragma once

#include <QLineEdit>

class DoubleLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DoubleLineEdit(QWidget *parent = nullptr);

    // Shows the amount with two decimals and "," grouping; a count without them.
    void setAmount(double value);
    // The text setAmount shows for value.
    QString shownText(double value) const;
    // A count (months, days, meals) kept in an amount field: shown as the number it is, "12"
    // and not "12.00", read by the same rules as an amount.
    void setCount(bool count) { m_count = count; }

    // Reads an amount: an optional leading "-", digits with "," grouping, at most one "."
    // and digits after it; blanks around it are ignored and an empty text is 0. Any other
    // text (letters, a second ".", a sign elsewhere, no digit at all) gives false.
    static bool parseAmount(const QString &text, double &value);
    static QString formatAmount(double value);

private:
    bool m_count = false;
};
