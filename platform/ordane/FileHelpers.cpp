// File helpers: the folder is opened by URL; a disk file is read only when it is regular.
#include "ordane/FileHelpers.h"

#include "ordane/RegularFile.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

bool showInFolder(const QString &path)
{
    const QFileInfo info(path);
    // Linux file managers take no "select this file" request: the folder is opened.
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    if (path.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::cleanPath(folder)));
}

bool loadFileToString(const QString &path, QByteArray &out, int flags)
{
    out.clear();
    const bool resource = path.startsWith(QLatin1Char(':'));
    if (resource != ((flags & kLoadFromResource) != 0))
        return false;
    if (resource) {
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
            return false;
        out = file.read(kMaxTextFileBytes + 1);
        if (out.size() > kMaxTextFileBytes) {
            out.clear();
            return false;
        }
        return true;
    }
    if (readRegularFile(path, out, kMaxTextFileBytes) != RegularFileRead::Read) {
        out.clear();
        return false;
    }
    return true;
}

bool loadFileToQString(const QString &path, QString &out, int flags)
{
    out.clear();
    QByteArray bytes;
    if (!loadFileToString(path, bytes, flags))
        return false;
    out = QString::fromUtf8(bytes);
    return true;
}
