// What a mechanical title reads, and the words some paper forms print beside a box that are also
// the field's name in words: the only titles the "no mechanical title" checks let coincide with a
// field's name.
#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QSet>
#include <QString>

inline QSet<QString> formsOwnWords()
{
    return {"First name",
            "Last name",
            "City",
            "Country",
            "Postal code",
            "Care of",
            "Address",
            "Refund",
            "Gross rents",
            "Capital cost allowance",
            "Adjusted cost base",
            "Earned income",
            "Employment income",
            "Split income",
            "Minimum tax",
            "Discounter code",
            "EFILE number",
            "Document control number",
            "Lodging expenses",
            "Functional currency",
            "Housing amount",
            "Depletion allowance",
            "Pension adjustment",
            "RRSP deduction limit",
            "Pensionable earnings",
            "Confirmation number",
            "Net tax owing",
            "Description"};
}

// What a title made from the field's name alone would read: "Box 14", "Amount A",
// "Line 12100", or the camel case split into words ("Contrib mar to dec").
inline QString mechanicalLabel(const QByteArray &name)
{
    const QString text = QString::fromLatin1(name);
    static const QRegularExpression line(QStringLiteral("^\\d{5}$"));
    if (line.match(text).hasMatch())
        return QStringLiteral("Line %1").arg(text);
    static const QRegularExpression box(QStringLiteral("^box(\\d+[A-Z]?)$"));
    QRegularExpressionMatch m = box.match(text);
    if (m.hasMatch())
        return QStringLiteral("Box %1").arg(m.captured(1));
    static const QRegularExpression amount(QStringLiteral("^amt([A-Z]\\d*)$"));
    m = amount.match(text);
    if (m.hasMatch())
        return QStringLiteral("Amount %1").arg(m.captured(1));
    QString words;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool startsWord = i > 0 && ((c.isUpper() && !text[i - 1].isUpper()) ||
                                          (c.isDigit() && !text[i - 1].isDigit()));
        if (startsWord)
            words += QLatin1Char(' ');
        words += i == 0 ? c.toUpper() : c.toLower();
    }
    return words;
}
