// writeFileSafely: a private temporary file beside the target, written, synced once and renamed.
#include "ordane/SafeFileWriter.h"

#include "ordane/PrivateFiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// The file a write to path lands in: a symbolic link is followed to what it names, so that
// saving through a link replaces the linked file and keeps the link.
QString finalTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// Every byte, or false: a write cut short by a size limit or a full disk returns a short
// count first, and the next one the error.
bool writeAll(int descriptor, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::write(descriptor, data, size_t(left));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        left -= done;
    }
    return true;
}

} // namespace

bool writeFileSafely(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return false;
    const QString target = finalTarget(path);
    const QFileInfo existing(target);
    // A folder is never replaced by a file, nor a file its user may not write.
    if (existing.isDir() || (existing.exists() && !existing.isWritable()))
        return false;
    QByteArray temporary = QFile::encodeName(target) + ".XXXXXX";
    // Made 0600: the program's files are its user's alone, also when the new file replaces a
    // wider one.
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0)
        return false;
    makeDescriptorPrivate(descriptor);
    // The one sync of the save, and its error is kept: some file systems report a lost write
    // only here. A file system that cannot sync is no fault.
    bool good = writeAll(descriptor, bytes) &&
                (::fdatasync(descriptor) == 0 || errno == EINVAL || errno == EROFS);
    good = ::close(descriptor) == 0 && good;
    // Only a whole, synced file takes the place of the old one, in one step.
    if (good && ::rename(temporary.constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    ::unlink(temporary.constData());
    return false;
}
