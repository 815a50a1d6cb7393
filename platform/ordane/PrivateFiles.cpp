// Private file modes: umask, the mode of an open or named file, private folders, narrowing.
#include "ordane/PrivateFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Takes the group and other bits off one entry that is not a symbolic link.
void narrowEntry(const QByteArray &name)
{
    struct stat info;
    if (::lstat(name.constData(), &info) != 0 || S_ISLNK(info.st_mode))
        return;
    if ((info.st_mode & 077) != 0 && info.st_uid == ::geteuid())
        ::chmod(name.constData(), info.st_mode & 07700);
}

} // namespace

void usePrivateFileModes()
{
    ::umask(077);
}

void makeDescriptorPrivate(int descriptor)
{
    if (descriptor >= 0)
        ::fchmod(descriptor, kPrivateFileMode);
}

bool makeFilePrivate(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::lstat(name.constData(), &info) != 0 || S_ISLNK(info.st_mode))
        return false;
    return ::chmod(name.constData(), kPrivateFileMode) == 0;
}

void prepareFilePrivate(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int made =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateFileMode);
    if (made >= 0)
        ::close(made);
    else
        makeFilePrivate(path);
}

FILE *openPrivateStream(const QByteArray &path, const char *mode)
{
    FILE *file = std::fopen(path.constData(), mode);
    if (file)
        makeDescriptorPrivate(::fileno(file));
    return file;
}

bool makePrivateFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    // Each level from the top, so that a parent made here is private too.
    const QStringList parts = clean.split('/', Qt::SkipEmptyParts);
    QString level;
    for (const QString &part : parts) {
        level += '/' + part;
        const QByteArray name = QFile::encodeName(level);
        if (::mkdir(name.constData(), kPrivateFolderMode) != 0 && errno != EEXIST)
            return false;
    }
    return QFileInfo(clean).isDir();
}

void narrowToOwner(const QString &folder)
{
    const QFileInfo top(folder);
    if (top.isSymLink() || !top.isDir())
        return;
    narrowEntry(QFile::encodeName(folder));
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext())
        narrowEntry(QFile::encodeName(entries.next()));
}
