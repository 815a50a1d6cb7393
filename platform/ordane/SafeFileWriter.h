// writeFileSafely: the one way the program writes a whole file.
#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes as the whole new content of path through QSaveFile: the old file is replaced
// only when every byte reached the disk. QSaveFile::commit alone ignores the error of its
// final flush (a cut file would replace the good one on a full disk), so each write, the
// flush and the sync are checked first. The file is made private (0600), also
// when it replaces a wider one. False on any failure, with the old file untouched.
bool writeFileSafely(const QString &path, const QByteArray &bytes);
