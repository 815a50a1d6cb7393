// CSingleInstanceGuard: tells whether another process of the program holds the shared segment.
#pragma once

#include <QObject>
#include <QSharedMemory>
#include <QString>

class CSingleInstanceGuard : public QObject
{
    Q_OBJECT
public:
    CSingleInstanceGuard(const QString &key, QObject *parent = nullptr);
    ~CSingleInstanceGuard() override;

    bool isAnotherRunning();
    // Takes the segment; false when another process holds it or it cannot be made.
    bool tryToRun();
    void release();

private:
    QString m_key;
    QString m_memKey;
    QSharedMemory m_shared;
};
