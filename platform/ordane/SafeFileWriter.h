// writeFileSafely and SafeFile: the one way the program writes a whole file.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Writes bytes as the whole new content of path: a temporary file beside it is written, synced
// to disk once and renamed over it, so the old file is replaced only when every byte reached
// the disk. Each write and the sync are checked (a cut file would otherwise replace the good
// one on a full disk or under a file-size limit). A symbolic link is followed to the file it
// names. The file is made private (0600), also when it replaces a wider one. False on any
// failure, with the old file untouched and nothing left beside it.
bool writeFileSafely(const QString &path, const QByteArray &bytes);

// The same write in pieces, for content made while it is written: open() makes the private
// temporary file beside the target, each write goes to it, commit() syncs it once and renames
// it over the target. Once a write fails every later write and the commit fail (a file with a
// gap must never take the old one's place). Until a commit succeeds the old file is untouched;
// a temporary file not committed (a failure, close(), the device's end) is removed.
class SafeFile : public QIODevice
{
public:
    explicit SafeFile(const QString &path);
    ~SafeFile() override;
    SafeFile(const SafeFile &) = delete;
    SafeFile &operator=(const SafeFile &) = delete;

    // Write-only; false when the target may not be replaced (a folder, a file its user may not
    // write) or no temporary file can be made beside it.
    bool open(OpenMode mode) override;
    // Syncs and renames the temporary file over the target; false (and the temporary file
    // removed) when a write, the sync or the rename failed. The device is closed afterwards.
    bool commit();
    // Gives up the write: the temporary file is removed, the old file stays.
    void close() override;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void discard();

    QString m_path;
    QByteArray m_temporary;
    int m_descriptor = -1;
    bool m_failed = false;
    // A long write starts the disk on each such stretch of what it wrote (the bytes sent so,
    // and those written since).
    static constexpr qint64 kWritebackBytes = 512 * 1024;
    qint64 m_written = 0;
    qint64 m_unflushed = 0;
};
