// SafeFile and writeFileSafely: a private temporary file beside the target, written, synced
// once and renamed.
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
bool writeAll(int descriptor, const char *data, qint64 left)
{
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

SafeFile::SafeFile(const QString &path) : m_path(path) {}

SafeFile::~SafeFile()
{
    discard();
}

bool SafeFile::open(OpenMode mode)
{
    if (isOpen() || m_descriptor >= 0 || (mode & ReadOnly) || !(mode & WriteOnly) ||
        m_path.isEmpty())
        return false;
    const QString target = finalTarget(m_path);
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
    m_descriptor = descriptor;
    m_temporary = temporary;
    m_path = target;
    m_failed = false;
    m_written = m_unflushed = 0;
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 SafeFile::readData(char *, qint64)
{
    return -1;
}

qint64 SafeFile::writeData(const char *data, qint64 size)
{
    if (m_failed || m_descriptor < 0)
        return -1;
    if (!writeAll(m_descriptor, data, size)) {
        m_failed = true;
        return -1;
    }
    m_unflushed += size;
    // A long write sends what it holds on its way to the disk now and then, so that the disk
    // works while the rest is made and the one sync at the end has little left to wait for.
    if (m_unflushed >= kWritebackBytes) {
        ::sync_file_range(m_descriptor, m_written, m_unflushed, SYNC_FILE_RANGE_WRITE);
        m_written += m_unflushed;
        m_unflushed = 0;
    }
    return size;
}

bool SafeFile::commit()
{
    if (m_descriptor < 0)
        return false;
    // The one sync of the save, and its error is kept: some file systems report a lost write
    // only here. A file system that cannot sync is no fault.
    bool good = !m_failed && (::fdatasync(m_descriptor) == 0 || errno == EINVAL || errno == EROFS);
    good = ::close(m_descriptor) == 0 && good;
    m_descriptor = -1;
    // Only a whole, synced file takes the place of the old one, in one step.
    if (good && ::rename(m_temporary.constData(), QFile::encodeName(m_path).constData()) == 0)
        m_temporary.clear();
    const bool committed = m_temporary.isEmpty();
    discard();
    return committed;
}

void SafeFile::close()
{
    discard();
}

void SafeFile::discard()
{
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
        m_descriptor = -1;
    }
    if (!m_temporary.isEmpty()) {
        ::unlink(m_temporary.constData());
        m_temporary.clear();
    }
    if (isOpen())
        QIODevice::close();
}

bool writeFileSafely(const QString &path, const QByteArray &bytes)
{
    SafeFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}
