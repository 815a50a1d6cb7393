// Log writers: the "Log:" line format on any file, and printf onto an open C file.
#pragma once

#include <QByteArray>
#include <cstdio>

// Appends "Log: yyyy-MM-dd HH:mm:ss <text>\n" to the file; a file that cannot be opened is
// skipped silently.
void appendLogLine(const QByteArray &path, const QByteArray &utf8Text);

// Writes the formatted text (C99 formats); the number of characters written, negative on error.
int logPrintf(FILE *file, const char *format, ...);
