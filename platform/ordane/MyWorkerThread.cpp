// MyWorkerThread: the cancel flag under its mutex and the list test.
#include "ordane/MyWorkerThread.h"

#include <QMutexLocker>

MyWorkerThread::MyWorkerThread(QObject *parent) : QThread(parent) {}

void MyWorkerThread::cancel()
{
    QMutexLocker lock(&m_mutex);
    m_cancelled = true;
}

bool MyWorkerThread::isCancelled() const
{
    QMutexLocker lock(&m_mutex);
    return m_cancelled;
}

bool MyWorkerThread::checkStrInStrList(const QString &text, const QStringList &list, bool flag)
{
    for (const QString &entry : list) {
        if (flag ? text.contains(entry, Qt::CaseInsensitive)
                 : text.compare(entry, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
