// Recursive folder copy, guarded against copying a folder into itself.
#include "app/DirCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ordane/PrivateFiles.h"

namespace {

// The canonical form of a path that may not exist yet: its deepest existing folder resolved,
// the rest appended as written.
QString resolvedPath(const QString &path)
{
    QString rest;
    QFileInfo info(QDir::cleanPath(QDir(path).absolutePath()));
    while (!info.exists()) {
        const QString parent = info.path();
        rest = "/" + info.fileName() + rest;
        if (parent == info.filePath())
            break;
        info = QFileInfo(parent);
    }
    const QString base = info.exists() ? info.canonicalFilePath() : info.filePath();
    return QDir::cleanPath(base + rest);
}

bool isSameOrInside(const QString &inner, const QString &outer)
{
    return inner == outer || inner.startsWith(outer.endsWith('/') ? outer : outer + '/');
}

bool copyTree(const QString &source, const QString &destination, bool overwrite)
{
    QDir sourceDir(source);
    if (!sourceDir.exists())
        return false;
    QDir destDir(destination);
    if (destDir.exists()) {
        if (!overwrite)
            return false;
        destDir.removeRecursively();
    }
    makePrivateFolder(destination);
    // A linked folder is not followed: it could lead back up the tree.
    const QStringList folders =
        sourceDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &folder : folders)
        copyTree(sourceDir.filePath(folder), destDir.filePath(folder), overwrite);
    const QStringList files = sourceDir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &file : files) {
        // A copy takes its source's mode; the program's own copies are private.
        if (QFile::copy(sourceDir.filePath(file), destDir.filePath(file)))
            makeFilePrivate(destDir.filePath(file));
    }
    return destDir.exists();
}

} // namespace

bool copyDirRecursively(const QString &source, const QString &destination, bool overwrite)
{
    if (!QFileInfo(source).isDir())
        return false;
    const QString from = resolvedPath(source);
    const QString to = resolvedPath(destination);
    // Copying into itself never ends, and removing the destination first would remove the
    // source with it.
    if (isSameOrInside(to, from) || (overwrite && isSameOrInside(from, to)))
        return false;
    return copyTree(source, destination, overwrite);
}
