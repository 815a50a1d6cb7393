// The one call through which the download fills its templates.
#include "download/TddTemplate.h"

#include "ordane/TemplateEngine.h"

int fillTddTemplate(QByteArray &out, const char *path, const TddTemplateValues &values)
{
    // The engine fills each line in one pass, so a value taken from a reply is never read
    // again as a placeholder.
    QByteArray filled;
    if (processTemplatePart(filled, QString::fromUtf8(path), values, TemplateResource) != 0)
        return 1;
    out = filled;
    return 0;
}
