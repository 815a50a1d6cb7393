// CSingleInstanceGuard: an 8-byte shared segment under the key followed by "_qrvn" and the
// user's id.
#include "app/CSingleInstanceGuard.h"

#include <QFile>
#include <QList>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/types.h>
#include <unistd.h>

static_assert(sizeof(CSingleInstanceGuard::Owner) == 8, "the segment holds 8 bytes");

namespace {

// The start time of a process from /proc; false when it is gone, a zombie, or unreadable.
bool readProcessStart(qint32 pid, quint32 &startToken)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    // The command name may hold blanks and parentheses: the fields follow its last ')'.
    const int nameEnd = text.lastIndexOf(')');
    if (nameEnd < 0)
        return false;
    const QList<QByteArray> fields = text.mid(nameEnd + 1).simplified().split(' ');
    // fields[0] is the state (field 3), fields[19] the start time (field 22).
    if (fields.size() < 20)
        return false;
    const QByteArray &state = fields[0];
    if (state == "Z" || state == "X" || state == "x")
        return false;
    startToken = static_cast<quint32>(fields[19].toULongLong());
    return true;
}

} // namespace

CSingleInstanceGuard::CSingleInstanceGuard(const QString &key, QObject *parent)
    : CSingleInstanceGuard(key, static_cast<uint>(::getuid()), parent)
{
}

CSingleInstanceGuard::CSingleInstanceGuard(const QString &key, uint uid, QObject *parent)
    : QObject(parent), m_key(key), m_memKey(memoryKey(key, uid)), m_shared(m_memKey)
{
}

QString CSingleInstanceGuard::memoryKey(const QString &key, uint uid)
{
    return key + QStringLiteral("_qrvn_") + QString::number(uid);
}

CSingleInstanceGuard::~CSingleInstanceGuard()
{
    release();
}

CSingleInstanceGuard::Owner CSingleInstanceGuard::currentOwner()
{
    Owner owner;
    owner.pid = static_cast<qint32>(::getpid());
    readProcessStart(owner.pid, owner.startToken);
    return owner;
}

bool CSingleInstanceGuard::isOwnerAlive(const Owner &owner)
{
    if (owner.pid == 0)
        return true;
    if (owner.pid < 0 || (::kill(owner.pid, 0) != 0 && errno != EPERM))
        return false;
    // Without /proc the id alone answers.
    if (!QFile::exists(QStringLiteral("/proc/self/stat")))
        return true;
    quint32 start = 0;
    // Another process under a reused id is no owner.
    return readProcessStart(owner.pid, start) && start == owner.startToken;
}

bool CSingleInstanceGuard::isAnotherRunning()
{
    if (m_shared.isAttached())
        return false;
    if (!m_shared.attach(QSharedMemory::ReadOnly))
        return false;
    Owner owner;
    if (m_shared.size() >= static_cast<int>(sizeof owner) && m_shared.lock()) {
        std::memcpy(&owner, m_shared.constData(), sizeof owner);
        m_shared.unlock();
    }
    // The last detach removes a segment that no process holds any more.
    m_shared.detach();
    return isOwnerAlive(owner);
}

bool CSingleInstanceGuard::tryToRun()
{
    if (isAnotherRunning())
        return false;
    if (!m_shared.create(8, QSharedMemory::ReadWrite))
        return false;
    const Owner owner = currentOwner();
    if (m_shared.lock()) {
        std::memcpy(m_shared.data(), &owner, sizeof owner);
        m_shared.unlock();
    }
    return true;
}

void CSingleInstanceGuard::release()
{
    if (m_shared.isAttached())
        m_shared.detach();
}
