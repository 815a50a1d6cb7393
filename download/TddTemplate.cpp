// The one call through which the download fills its templates.
#include "download/TddTemplate.h"

#include <QFile>

int fillTddTemplate(QByteArray &out, const char *path, const TddTemplateValues &values)
{
    // Until the framework's template engine (processTemplatePart, same values map) is in this
    // tree, one pass over the text: each placeholder takes its value once, and a value is
    // never read again as a placeholder. These templates hold no optional lines.
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray text = file.readAll();
    QByteArray filled;
    filled.reserve(text.size());
    int at = 0;
    while (at < text.size()) {
        const int open = text.indexOf("$$(", at);
        const int close = open < 0 ? -1 : text.indexOf(')', open + 3);
        if (close < 0) {
            filled += text.mid(at);
            break;
        }
        filled += text.mid(at, open - at);
        filled += values.value(text.mid(open + 3, close - open - 3)).toUtf8();
        at = close + 1;
    }
    out = filled;
    return 0;
}
