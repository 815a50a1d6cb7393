// The download logs of the run folder: "tddlog.txt" (type 0) and "tddlog2.txt" (type 1).
#pragma once

#include <QByteArray>
#include <cstdio>

// The log's path, empty while there is no run folder (no log is written then).
QByteArray tddLogFilePath(int type);
// The log opened for appending, or null; the caller closes it.
FILE *openTddLog(int type);
// Closes the log when open and forgets it.
void closeTddLog(FILE *&log);
