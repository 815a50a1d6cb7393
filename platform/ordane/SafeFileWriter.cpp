// writeFileSafely: QSaveFile with every write, the flush and the sync checked before commit.
#include "ordane/SafeFileWriter.h"

#include "ordane/PrivateFiles.h"

#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

bool writeFileSafely(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered: every write reaches the file engine, whose errors QSaveFile keeps.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    // QSaveFile gives the new file the mode of the one it replaces; the program's files are
    // its user's alone.
    makeDescriptorPrivate(file.handle());
    // A write cut short by a size limit or a full disk returns a short count without error.
    const bool written =
        file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    // Some file systems report a lost write only here (commit syncs too, but ignores the
    // error); a file that cannot sync is no fault.
    const bool synced =
        written && (::fdatasync(file.handle()) == 0 || errno == EINVAL || errno == EROFS);
    if (!synced) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
