// writeFileSafely: the one way the program writes a whole file.
#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes as the whole new content of path: a temporary file beside it is written, synced
// to disk once and renamed over it, so the old file is replaced only when every byte reached
// the disk. Each write and the sync are checked (a cut file would otherwise replace the good
// one on a full disk or under a file-size limit). A symbolic link is followed to the file it
// names. The file is made private (0600), also when it replaces a wider one. False on any
// failure, with the old file untouched and nothing left beside it.
bool writeFileSafely(const QString &path, const QByteArray &bytes);
