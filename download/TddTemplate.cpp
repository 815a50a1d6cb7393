// The one call through which the download fills its templates.
#include "download/TddTemplate.h"

#include <QFile>

int fillTddTemplate(QByteArray &out, const char *path, const TddTemplateValues &values)
{
    // Plain substitution of the placeholders these templates hold, until the framework's
    // template engine takes over this call.
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QByteArray text = file.readAll();
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        text.replace("$$(" + it.key() + ")", it.value().toUtf8());
    out = text;
    return 0;
}
