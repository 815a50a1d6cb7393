// Recursive folder copy.
#pragma once

#include <QString>

// Copies source with all its subfolders and files into destination. An existing destination
// is refused, or with overwrite removed first. Refused as well when the destination is the
// source or lies inside it, or (with overwrite) when removing the destination would remove
// the source. True when the destination exists afterwards.
bool copyDirRecursively(const QString &source, const QString &destination, bool overwrite);
