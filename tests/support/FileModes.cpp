// FileModes: lstat and chmod for tests.
#include "FileModes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <sys/stat.h>

int fileMode(const QString &path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

bool setFileMode(const QString &path, int mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0;
}

QStringList modesUnder(const QString &folder)
{
    QStringList out;
    const auto add = [&](const QString &path, const QString &name) {
        out.append(name + ' ' + QString::number(fileMode(path), 8));
    };
    add(folder, QStringLiteral("."));
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        add(path, QDir(folder).relativeFilePath(path));
    }
    out.sort();
    return out;
}
