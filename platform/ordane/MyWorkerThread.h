// MyWorkerThread: a worker thread with a cancel flag and progress reports.
#pragma once

#include <QMutex>
#include <QStringList>
#include <QThread>

class MyWorkerThread : public QThread
{
    Q_OBJECT
public:
    explicit MyWorkerThread(QObject *parent = nullptr);

    // Asks the run to stop; the run checks isCancelled between steps.
    void cancel();
    bool isCancelled() const;

    // Whether text is in the list: flag false, an entry equal to the whole text; flag true, an
    // entry the text contains. Case is ignored either way.
    static bool checkStrInStrList(const QString &text, const QStringList &list, bool flag);

signals:
    void progressChanged(int value);

private:
    mutable QMutex m_mutex;
    bool m_cancelled = false;
};
