// The template engine: fills "$$(name)" placeholders of a template file from a values map.
#pragma once

#include "ordane/CString.h"

#include <QByteArray>
#include <QMap>

// Key (byte string) to text, in key order; read by the engine, filled by the generators.
using TemplateValues = QMap<QByteArray, CString>;

// Flags the callers pass: 1 a plain template, 64 a compiled-in resource. Both read the same
// way, through QFile, so a resource path (":/...") and a file path both work.
enum TemplateFlag
{
    TemplatePlain = 1,
    TemplateResource = 64,
};

// Appends the template's text with every placeholder replaced. A plain name takes its value,
// the empty text when the map has none. A name ending in "0" is optional: it is looked up
// without the "0", and when that key is absent the whole template line holding it is left
// out. Line ends (CR LF) are kept as they are; a "$$(" without ")" on its line stays as
// written; values are inserted as given (the callers escape them). Returns 0, or 1 when the
// template cannot be read (the target is then unchanged).
int processTemplatePartInString(QString &target, const QString &path, const TemplateValues &values,
                                int flags);
// The same for a template already held as text (read by the caller); always 0.
int processTemplateText(QString &target, const QString &templateText, const TemplateValues &values);
// The same, appending the result as UTF-8 bytes (a request body).
int processTemplatePart(QByteArray &target, const QString &path, const TemplateValues &values,
                        int flags);
