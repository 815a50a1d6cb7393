// ThreadFindFiles: the walk of the folders, found paths and timed progress sent as signals.
#include "ui/ThreadFindFiles.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>

namespace {
// Timed progress comes at most this often, counted from the last timed report.
constexpr qint64 kReportIntervalMs = 4999;
} // namespace

ThreadFindFiles::ThreadFindFiles(QObject *parent) : MyWorkerThread(parent) {}

void ThreadFindFiles::setSearchLists(const QStringList &folders, const QStringList &suffixes)
{
    m_folders = folders;
    m_suffixes = suffixes;
}

QString ThreadFindFiles::searchStatus(const QStringList &folders, const QStringList &suffixes)
{
    return QStringLiteral("search %1 from %2")
        .arg(suffixes.join(QLatin1Char(',')), folders.join(QLatin1Char(',')));
}

void ThreadFindFiles::run()
{
    m_startMs = QDateTime::currentMSecsSinceEpoch();
    qint64 lastReportMs = m_startMs;
    int lastSeconds = 0;
    const QString status =
        QStringLiteral("search %1 from %2")
            .arg(m_suffixes.join(QLatin1Char(',')), m_folders.join(QLatin1Char(',')));
    for (const QString &folder : qAsConst(m_folders)) {
        // The report at the start of a folder does not restart the 5-second count.
        emit statusChanged(status, lastSeconds);
        if (!walkFolder(folder, lastReportMs, lastSeconds))
            return;
    }
}

bool ThreadFindFiles::walkFolder(const QString &folder, qint64 &lastReportMs, int &lastSeconds)
{
    // Without QDir::Hidden hidden files and folders are skipped; without FollowSymlinks and with
    // NoSymLinks a link is neither listed nor walked into.
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (true) {
        if (isCancelled())
            return false;
        if (!it.hasNext())
            return true;
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isFile() && checkStrInStrList(info.suffix(), m_suffixes, false))
            emit fileFound(path);
        const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
        if (nowMs - lastReportMs > kReportIntervalMs) {
            lastSeconds = static_cast<int>((nowMs - m_startMs) / 1000);
            emit statusChanged(QStringLiteral("looking ") + path, lastSeconds);
            lastReportMs = nowMs;
        }
    }
}
