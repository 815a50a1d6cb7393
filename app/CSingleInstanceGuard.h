// CSingleInstanceGuard: tells whether another process of the program holds the shared segment.
#pragma once

#include <QObject>
#include <QSharedMemory>
#include <QString>

// The segment's 8 bytes name its owner (process id and start time), because the kernel keeps
// a segment after its owner is killed: only a live owner counts as another instance.
class CSingleInstanceGuard : public QObject
{
    Q_OBJECT
public:
    // The guard of this process's user.
    CSingleInstanceGuard(const QString &key, QObject *parent = nullptr);
    // The guard of the user with id uid: each user's copies are counted apart, so another
    // user's running copy on the same machine is no other instance.
    CSingleInstanceGuard(const QString &key, uint uid, QObject *parent = nullptr);
    ~CSingleInstanceGuard() override;

    bool isAnotherRunning();
    // Takes the segment; false when another process holds it or it cannot be made.
    bool tryToRun();
    void release();

    // The shared-memory key of a key for the user with id uid.
    static QString memoryKey(const QString &key, uint uid);

    // The owner record as the segment holds it.
    struct Owner
    {
        qint32 pid = 0;
        quint32 startToken = 0; // low bits of the process's start time since boot
    };
    // This process's record.
    static Owner currentOwner();
    // True when the record names a process that is still running. A record of zeros is
    // an owner still writing it.
    static bool isOwnerAlive(const Owner &owner);

private:
    QString m_key;
    QString m_memKey;
    QSharedMemory m_shared;
};
