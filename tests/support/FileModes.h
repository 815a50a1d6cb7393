// FileModes: the permission bits of files, as tests read and set them.
#pragma once

#include <QString>
#include <QStringList>

// The permission bits of what the path names (a link itself, not its target); -1 when nothing
// is there.
int fileMode(const QString &path);
// Sets the permission bits; true on success.
bool setFileMode(const QString &path, int mode);
// Each entry of the tree, the folder itself first, as "relative path mode" with the bits in
// octal ("." for the folder itself), sorted.
QStringList modesUnder(const QString &folder);
