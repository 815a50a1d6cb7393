#pragma once

#include <QString>

// The number of pages of a PDF as pdfinfo reads it; -1 when it cannot be read.
int pdfPageCount(const QString &pdf);
