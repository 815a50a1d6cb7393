// readRegularFile: open without blocking, refuse anything but a regular file, read it whole.
#include "ordane/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out.
struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

RegularFileRead readRegularFile(const QString &path, QByteArray &contents, qint64 maxBytes)
{
    contents.clear();
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        return RegularFileRead::CannotOpen;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer for ever.
    Descriptor file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0)
        return RegularFileRead::CannotOpen;
    // Checked on the open descriptor, so the file cannot be swapped after the check.
    struct stat info = {};
    if (::fstat(file.fd, &info) != 0)
        return RegularFileRead::ReadFailed;
    if (S_ISDIR(info.st_mode))
        return RegularFileRead::CannotOpen;
    if (!S_ISREG(info.st_mode))
        return RegularFileRead::NotRegular;
    if (info.st_size > maxBytes)
        return RegularFileRead::ReadFailed;

    // One byte beyond the size: the end of the file shows without a second buffer.
    QByteArray bytes(int(qMin<qint64>(info.st_size, maxBytes) + 1), Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        if (done == bytes.size()) {
            // Grown since fstat: read on, but never beyond the limit.
            if (done > maxBytes)
                return RegularFileRead::ReadFailed;
            bytes.resize(int(qMin<qint64>(done * 2, maxBytes + 1)));
        }
        const ssize_t got = ::read(file.fd, bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return RegularFileRead::ReadFailed;
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(int(done));
    contents = bytes;
    return RegularFileRead::Read;
}
