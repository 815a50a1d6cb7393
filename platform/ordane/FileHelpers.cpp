// File helpers: the folder is opened by URL; reading refuses anything but a regular file.
#include "ordane/FileHelpers.h"

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

bool loadFileToQString(const QString &path, QString &out, int flags)
{
    out.clear();
    const bool resource = path.startsWith(QLatin1Char(':'));
    if (resource != ((flags & kLoadFromResource) != 0))
        return false;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxTextFileBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(kMaxTextFileBytes + 1);
    if (bytes.size() > kMaxTextFileBytes)
        return false;
    out = QString::fromUtf8(bytes);
    return true;
}
