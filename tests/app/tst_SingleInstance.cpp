// The single-instance guard across processes: a live holder counts, a killed one does not.
#include <QtTest>

#include <QProcess>
#include <QSharedMemory>
#include <cstring>
#include <poll.h>
#include <unistd.h>

#include "TestEnvironment.h"
#include "TestMain.h"
#include "app/CSingleInstanceGuard.h"

namespace {

const char *const holdFlag = "--hold-guard";
const QString key = "Quorvandelle 2025 for NetFile";

// The child: takes the guard, says so, and keeps it until its input closes (at most 60 s).
int holdGuard()
{
    CSingleInstanceGuard guard(key);
    const bool held = guard.tryToRun();
    std::fputs(held ? "held\n" : "refused\n", stdout);
    std::fflush(stdout);
    pollfd input{STDIN_FILENO, POLLIN, 0};
    ::poll(&input, 1, 60000);
    return held ? 0 : 1;
}

// A guard made with TMPDIR of env, where the segment's key file lives.
std::unique_ptr<CSingleInstanceGuard> guardIn(const TestEnvironment &env)
{
    const QByteArray own = qgetenv("TMPDIR");
    qputenv("TMPDIR", env.tmp().toUtf8());
    auto guard = std::make_unique<CSingleInstanceGuard>(key);
    qputenv("TMPDIR", own);
    return guard;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void holderEnds_data();
    void holderEnds();
    void reusedProcessId();
    void ownerRecord();
    void perUser_data();
    void perUser();
};

void TestSingleInstance::holderEnds_data()
{
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("running");
    QTest::newRow("live holder") << "none" << true;
    QTest::newRow("normal exit") << "exit" << false;
    QTest::newRow("SIGTERM") << "term" << false;
    QTest::newRow("SIGKILL") << "kill" << false;
}

void TestSingleInstance::holderEnds()
{
    QFETCH(QString, end);
    QFETCH(bool, running);
    TestEnvironment env;
    QProcess child;
    child.setProcessEnvironment(env.processEnvironment());
    child.start(QCoreApplication::applicationFilePath(), {holdFlag});
    QVERIFY(child.waitForStarted(10000));
    QVERIFY(child.waitForReadyRead(10000));
    QCOMPARE(child.readAllStandardOutput(), QByteArray("held\n"));

    if (end == "exit") {
        child.closeWriteChannel();
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitCode(), 0);
    } else if (end == "term") {
        child.terminate();
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    } else if (end == "kill") {
        child.kill();
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    }

    auto next = guardIn(env);
    QCOMPARE(next->isAnotherRunning(), running);
    QCOMPARE(next->tryToRun(), !running);
    // Whoever holds it now, a third start sees a live instance.
    auto third = guardIn(env);
    QCOMPARE(third->isAnotherRunning(), true);
    QCOMPARE(third->tryToRun(), false);

    if (child.state() != QProcess::NotRunning) {
        child.closeWriteChannel();
        QVERIFY(child.waitForFinished(10000));
    }
}

void TestSingleInstance::reusedProcessId()
{
    // A segment left behind whose process id now belongs to another process (this one, with
    // another start time) names no owner.
    TestEnvironment env;
    const QByteArray own = qgetenv("TMPDIR");
    qputenv("TMPDIR", env.tmp().toUtf8());
    QSharedMemory leftOver(key + "_qrvn_" + QString::number(::getuid()));
    qputenv("TMPDIR", own);
    QVERIFY(leftOver.create(8));
    CSingleInstanceGuard::Owner stale = CSingleInstanceGuard::currentOwner();
    stale.startToken += 1;
    std::memcpy(leftOver.data(), &stale, sizeof stale);
    QCOMPARE(guardIn(env)->isAnotherRunning(), false);

    CSingleInstanceGuard::Owner live = CSingleInstanceGuard::currentOwner();
    std::memcpy(leftOver.data(), &live, sizeof live);
    QCOMPARE(guardIn(env)->isAnotherRunning(), true);
}

void TestSingleInstance::ownerRecord()
{
    const CSingleInstanceGuard::Owner me = CSingleInstanceGuard::currentOwner();
    QCOMPARE(me.pid, qint32(::getpid()));
    QVERIFY(me.startToken != 0);
    QVERIFY(CSingleInstanceGuard::isOwnerAlive(me));
    // A record still being written counts as live; a gone process does not.
    QVERIFY(CSingleInstanceGuard::isOwnerAlive(CSingleInstanceGuard::Owner()));
    QProcess gone;
    gone.start("true", QStringList());
    QVERIFY(gone.waitForStarted(10000));
    CSingleInstanceGuard::Owner ended;
    ended.pid = qint32(gone.processId());
    QVERIFY(gone.waitForFinished(10000));
    QVERIFY(!CSingleInstanceGuard::isOwnerAlive(ended));
}

void TestSingleInstance::perUser_data()
{
    QTest::addColumn<uint>("otherUid");
    QTest::addColumn<QString>("otherKey");
    QTest::addColumn<bool>("running");
    const uint me = ::getuid();
    QTest::newRow("same user") << me << key + "_qrvn_" + QString::number(me) << true;
    QTest::newRow("another user") << me + 1 << key + "_qrvn_" + QString::number(me + 1) << false;
    QTest::newRow("root") << 0u << key + "_qrvn_0" << (me == 0);
}

void TestSingleInstance::perUser()
{
    // This process holds its user's guard; a copy started by the other user counts another
    // instance only when that user is this one.
    QFETCH(uint, otherUid);
    QFETCH(QString, otherKey);
    QFETCH(bool, running);
    TestEnvironment env;
    auto mine = guardIn(env);
    QVERIFY(mine->tryToRun());
    QCOMPARE(CSingleInstanceGuard::memoryKey(key, otherUid), otherKey);
    const QByteArray own = qgetenv("TMPDIR");
    qputenv("TMPDIR", env.tmp().toUtf8());
    CSingleInstanceGuard other(key, otherUid);
    qputenv("TMPDIR", own);
    QCOMPARE(other.isAnotherRunning(), running);
    QCOMPARE(other.tryToRun(), !running);
}

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], holdFlag) == 0)
        return holdGuard();
    return qvTestMain(argc, argv, [](int ac, char **av) {
        TestSingleInstance tc;
        return QTest::qExec(&tc, ac, av);
    });
}

#include "tst_SingleInstance.moc"
