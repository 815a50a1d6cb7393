// The request and page templates of the download, filled from a map of values.
#pragma once

#include <QByteArray>

#include "ordane/TemplateEngine.h"

using TddTemplateValues = TemplateValues;

// Fills the resource template at path (":/tdd/tdd/...") with values, as UTF-8 into out.
// 0 on success, non-zero when the template cannot be read or filled.
int fillTddTemplate(QByteArray &out, const char *path, const TddTemplateValues &values);
