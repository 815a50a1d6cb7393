// The template engine: placeholders replaced line by line, optional lines dropped.
#include "ordane/TemplateEngine.h"

#include <QFile>

namespace {

const QLatin1String kOpen("$$(");

// Fills one line (its line end included); false when an optional placeholder has no value.
bool fillLine(const QString &line, const TemplateValues &values, QString &out)
{
    int from = 0;
    for (;;) {
        const int open = line.indexOf(kOpen, from);
        if (open < 0)
            break;
        const int nameStart = open + kOpen.size();
        const int close = line.indexOf(QLatin1Char(')'), nameStart);
        if (close < 0)
            break;
        out += line.midRef(from, open - from);
        QByteArray name = line.mid(nameStart, close - nameStart).toUtf8();
        const bool optional = name.size() > 1 && name.endsWith('0');
        if (optional)
            name.chop(1);
        const auto found = values.constFind(name);
        if (found != values.constEnd())
            out += *found;
        else if (optional)
            return false;
        from = close + 1;
    }
    out += line.midRef(from);
    return true;
}

} // namespace

int processTemplatePartInString(QString &target, const QString &path, const TemplateValues &values,
                                int flags)
{
    Q_UNUSED(flags);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return 1;
    return processTemplateText(target, QString::fromUtf8(bytes), values);
}

int processTemplateText(QString &target, const QString &text, const TemplateValues &values)
{
    QString result;
    result.reserve(text.size());
    int start = 0;
    while (start < text.size()) {
        const int newline = text.indexOf(QLatin1Char('\n'), start);
        const int end = newline < 0 ? text.size() : newline + 1;
        QString line;
        if (fillLine(text.mid(start, end - start), values, line))
            result += line;
        start = end;
    }
    target += result;
    return 0;
}

int processTemplatePart(QByteArray &target, const QString &path, const TemplateValues &values,
                        int flags)
{
    QString text;
    const int result = processTemplatePartInString(text, path, values, flags);
    if (result == 0)
        target += text.toUtf8();
    return result;
}
