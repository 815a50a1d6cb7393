// ThreadFindFiles: the worker that walks folders for files with the chosen suffixes.
#pragma once

#include "ordane/MyWorkerThread.h"

class ThreadFindFiles : public MyWorkerThread
{
    Q_OBJECT
public:
    explicit ThreadFindFiles(QObject *parent);

    // The status text of a folder's start: "search " + the suffixes + " from " + every folder.
    static QString searchStatus(const QStringList &folders, const QStringList &suffixes);

    // Copies both lists; called before the start.
    void setSearchLists(const QStringList &folders, const QStringList &suffixes);

signals:
    // Sent from the worker's thread; the dialog connects them queued, so the worker never
    // touches a widget. The progress report carries its status text with the whole seconds
    // since the start.
    void fileFound(const QString &path);
    void statusChanged(const QString &status, int seconds);

protected:
    void run() override;

private:
    // Walks one folder; false when the search was cancelled.
    bool walkFolder(const QString &folder, qint64 &lastReportMs, int &lastSeconds);

    QStringList m_folders;
    QStringList m_suffixes;
    qint64 m_startMs = 0;
};
