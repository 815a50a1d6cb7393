// readRegularFile: the one way the program reads a file a user or a configuration names.
#pragma once

#include <QByteArray>
#include <QString>

enum class RegularFileRead
{
    Read,       // contents holds the whole file
    CannotOpen, // missing, not permitted, or a folder
    NotRegular, // a FIFO, socket or device: refused without waiting on it
    ReadFailed, // an I/O error, or larger than the limit
};

// Largest file readRegularFile takes by default, far above any return or path file.
constexpr qint64 kMaxRegularFileBytes = qint64{256} * 1024 * 1024;

// Reads the whole file into contents. The file is opened without blocking and checked to be
// a regular file before anything is read, so that a FIFO never hangs the program.
RegularFileRead readRegularFile(const QString &path, QByteArray &contents,
                                qint64 maxBytes = kMaxRegularFileBytes);
