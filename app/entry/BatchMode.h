// The batch result mode: recalculates each return file of a list and writes one result line
// per file into "./taxresult.txt".
#pragma once

#include <QString>

// Writes "taxresult.txt" in the current folder: for each name of the list file, the name as
// read and the result text of the return file at folder + name. The list ends at its end or at
// a line of two characters or fewer, line end included. Nothing is written anywhere else, and
// nothing waits for a person: no box is shown and no password asked while it runs.
void runBatch(const QString &folder, const QString &listFile);

// The result text of one return file: "cannot find return file", the read-error line with the
// load's code, or the person's one-line income summary after a whole recalculation. Everything
// it loads is freed before it returns.
QString loadAndSummarise(const QString &path);

// A list line's bytes as a name: UTF-8 when they are valid UTF-8, otherwise Latin-1.
QString decodeListLine(const QByteArray &line);
