// Field labels: box, amount and line names, and camel case split into words.
#include "marrow/FieldLabels.h"

#include "marrow/LineTitles.h"

#include <QRegularExpression>

QString fieldLabel(const QByteArray &name)
{
    const QString text = QString::fromLatin1(name);
    static const QRegularExpression line(QStringLiteral("^\\d{5}$"));
    if (line.match(text).hasMatch()) {
        const QString title = lineTitle(text.toInt());
        return title.isEmpty() ? QStringLiteral("Line %1").arg(text) : title;
    }
    static const QRegularExpression box(QStringLiteral("^box(\\d+[A-Z]?)$"));
    QRegularExpressionMatch m = box.match(text);
    if (m.hasMatch())
        return QStringLiteral("Box %1").arg(m.captured(1));
    static const QRegularExpression amount(QStringLiteral("^amt([A-Z]\\d*)$"));
    m = amount.match(text);
    if (m.hasMatch())
        return QStringLiteral("Amount %1").arg(m.captured(1));
    // Camel case: a capital or a run of digits starts a word; a run of capitals stays one.
    QString words;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool startsWord = i > 0 && ((c.isUpper() && !text[i - 1].isUpper()) ||
                                          (c.isDigit() && !text[i - 1].isDigit()));
        if (startsWord)
            words += QLatin1Char(' ');
        const bool acronym = c.isUpper() && i + 1 < text.size() && text[i + 1].isUpper();
        words += (i == 0 || acronym) ? c : c.toLower();
    }
    if (!words.isEmpty())
        words[0] = words[0].toUpper();
    return words;
}
