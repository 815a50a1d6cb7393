// DoubleLineEdit: the line edit bound to an amount field, and the amount text rules.
#pragma once

#include <QLineEdit>

class DoubleLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DoubleLineEdit(QWidget *parent = nullptr);

    // Shows the amount with two decimals and "," grouping.
    void setAmount(double value);

    // Reads an amount: an optional leading "-", digits with "," grouping, at most one "."
    // and digits after it; blanks around it are ignored and an empty text is 0. Any other
    // text (letters, a second ".", a sign elsewhere, no digit at all) gives false.
    static bool parseAmount(const QString &text, double &value);
    static QString formatAmount(double value);
};
