// Whole-file reading of regular files only, the safe whole-file write and private modes.
#include <QtTest>

#include "FifoWatchdog.h"
#include "FileModes.h"
#include "ordane/PrivateFiles.h"
#include "ordane/RegularFile.h"
#include "ordane/SafeFileWriter.h"

Q_DECLARE_METATYPE(RegularFileRead)

class TestFileHelpers : public QObject
{
    Q_OBJECT
private slots:
    void readRegular_data();
    void readRegular();
    void writeSafely();
    void writeRefused_data();
    void writeRefused();
    void writtenFilesArePrivate();
    void writeInPieces_data();
    void writeInPieces();
    void privateFolders();
    void privateStream();
    void narrowing();
};

void TestFileHelpers::readRegular_data()
{
    // What the path names, the file's bytes where it is one, the limit, and the outcome.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<RegularFileRead>("expected");
    const QByteArray ten("0123456789");
    QTest::newRow("empty file") << "file" << QByteArray() << qint64(10) << RegularFileRead::Read;
    QTest::newRow("at the limit") << "file" << ten << qint64(10) << RegularFileRead::Read;
    QTest::newRow("above the limit") << "file" << ten << qint64(9) << RegularFileRead::ReadFailed;
    QTest::newRow("binary") << "file" << QByteArray("a\0b\xff", 4) << kMaxRegularFileBytes
                            << RegularFileRead::Read;
    QTest::newRow("missing") << "missing" << QByteArray() << kMaxRegularFileBytes
                             << RegularFileRead::CannotOpen;
    QTest::newRow("folder") << "folder" << QByteArray() << kMaxRegularFileBytes
                            << RegularFileRead::CannotOpen;
    QTest::newRow("fifo") << "fifo" << QByteArray() << kMaxRegularFileBytes
                          << RegularFileRead::NotRegular;
    QTest::newRow("device") << "device" << QByteArray() << kMaxRegularFileBytes
                            << RegularFileRead::NotRegular;
}

void TestFileHelpers::readRegular()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(qint64, limit);
    QFETCH(RegularFileRead, expected);
    QTemporaryDir dir;
    QString path = dir.filePath("named");
    std::unique_ptr<FifoWatchdog> fifo;
    if (kind == "file")
        QVERIFY(writeFileSafely(path, content));
    else if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("named"));
    else if (kind == "fifo")
        fifo = std::make_unique<FifoWatchdog>(path);
    else if (kind == "device")
        path = "/dev/null";
    QByteArray read("left over");
    RegularFileRead result = RegularFileRead::Read;
    const auto call = [&] { result = readRegularFile(path, read, limit); };
    if (fifo) {
        QVERIFY(fifo->isValid());
        QVERIFY2(fifo->runUnblocked(call), "the reader blocked on the FIFO");
    } else {
        call();
    }
    QCOMPARE(result, expected);
    QCOMPARE(read, expected == RegularFileRead::Read ? content : QByteArray());
}

void TestFileHelpers::writeSafely()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.bin");
    QByteArray big(100 * 1024, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = char(i * 7);
    for (const QByteArray &bytes :
         {QByteArray("first version, the longer one"), big, QByteArray("short"), QByteArray()}) {
        QVERIFY(writeFileSafely(path, bytes));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.bin"});
    }
}

void TestFileHelpers::writeRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder at the path") << "folder";
    QTest::newRow("file where the folder should be") << "file as folder";
    QTest::newRow("no folder") << "missing folder";
}

void TestFileHelpers::writeRefused()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString blocker = dir.filePath("blocker");
    QString path = blocker;
    if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir("blocker"));
    } else if (kind == "file as folder") {
        QVERIFY(writeFileSafely(blocker, "kept"));
        path = blocker + "/out.bin";
    } else {
        path = dir.filePath("none/out.bin");
    }
    QVERIFY(!writeFileSafely(path, "new"));
    // Whatever stood there stands as it was, and nothing was added.
    if (kind == "folder") {
        QVERIFY(QFileInfo(blocker).isDir());
    } else if (kind == "file as folder") {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("kept"));
    }
    const int expected = kind == "missing folder" ? 0 : 1;
    QCOMPARE(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
        expected);
}

void TestFileHelpers::writeInPieces_data()
{
    // How the write in pieces ends: committed, given up, or its device dropped.
    QTest::addColumn<QString>("end");
    QTest::newRow("committed") << "commit";
    QTest::newRow("closed") << "close";
    QTest::newRow("dropped") << "drop";
}

void TestFileHelpers::writeInPieces()
{
    QFETCH(QString, end);
    QTemporaryDir dir;
    const QString path = dir.filePath("out.bin");
    QVERIFY(writeFileSafely(path, "old content"));
    QByteArray expected;
    {
        SafeFile file(path);
        QVERIFY(!file.open(QIODevice::ReadWrite));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(!file.open(QIODevice::WriteOnly));
        for (int piece = 0; piece < 50; ++piece) {
            const QByteArray bytes(1000 + piece, char('a' + piece % 26));
            QCOMPARE(file.write(bytes), qint64(bytes.size()));
            expected += bytes;
        }
        // The old file stands while the new one is written beside it.
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old content"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        if (end == "commit") {
            QVERIFY(file.commit());
            QVERIFY(!file.isOpen());
            QVERIFY(!file.commit());
        } else if (end == "close") {
            file.close();
            QVERIFY(!file.isOpen());
            QVERIFY(!file.commit());
        }
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), end == "commit" ? expected : QByteArray("old content"));
    QCOMPARE(fileMode(path), 0600);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.bin"});
}

void TestFileHelpers::writtenFilesArePrivate()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("return.r25");
    QVERIFY(writeFileSafely(path, "first"));
    QCOMPARE(fileMode(path), 0600);
    // Replacing a file that others could read leaves one they cannot.
    QVERIFY(setFileMode(path, 0644));
    QVERIFY(writeFileSafely(path, "second"));
    QCOMPARE(fileMode(path), 0600);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("second"));
}

void TestFileHelpers::privateFolders()
{
    QTemporaryDir dir;
    QVERIFY(setFileMode(dir.path(), 0755));
    QVERIFY(makePrivateFolder(dir.filePath("a/b/c")));
    QCOMPARE(fileMode(dir.filePath("a")), 0700);
    QCOMPARE(fileMode(dir.filePath("a/b")), 0700);
    QCOMPARE(fileMode(dir.filePath("a/b/c")), 0700);
    // What stood before is the user's own business.
    QCOMPARE(fileMode(dir.path()), 0755);
    QVERIFY(setFileMode(dir.filePath("a/b"), 0750));
    QVERIFY(makePrivateFolder(dir.filePath("a/b")));
    QCOMPARE(fileMode(dir.filePath("a/b")), 0750);
    // A file where a folder must be.
    QVERIFY(writeFileSafely(dir.filePath("file"), "x"));
    QVERIFY(!makePrivateFolder(dir.filePath("file")));
    QVERIFY(!makePrivateFolder(dir.filePath("file/sub")));
    QVERIFY(!makePrivateFolder(QString()));
}

void TestFileHelpers::privateStream()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.txt");
    QVERIFY(writeFileSafely(path, "one\n"));
    QVERIFY(setFileMode(path, 0644));
    FILE *file = openPrivateStream(QFile::encodeName(path), "at");
    QVERIFY(file);
    QCOMPARE(std::fputs("two\n", file) >= 0, true);
    QCOMPARE(std::fclose(file), 0);
    QCOMPARE(fileMode(path), 0600);
    QFile read(path);
    QVERIFY(read.open(QIODevice::ReadOnly));
    QCOMPARE(read.readAll(), QByteArray("one\ntwo\n"));
    QVERIFY(!openPrivateStream(QFile::encodeName(dir.filePath("none/log.txt")), "at"));
}

void TestFileHelpers::narrowing()
{
    QTemporaryDir dir;
    QTemporaryDir outside;
    const QString top = dir.filePath("data");
    QVERIFY(QDir().mkpath(top + "/sub/deeper"));
    QVERIFY(writeFileSafely(top + "/a.r25", "a"));
    QVERIFY(writeFileSafely(top + "/sub/deeper/b.pdf", "b"));
    QVERIFY(writeFileSafely(top + "/own.sh", "c"));
    QVERIFY(writeFileSafely(outside.filePath("shared.txt"), "d"));
    QVERIFY(setFileMode(top, 0755));
    QVERIFY(setFileMode(top + "/sub", 0775));
    QVERIFY(setFileMode(top + "/sub/deeper", 0711));
    QVERIFY(setFileMode(top + "/a.r25", 0644));
    QVERIFY(setFileMode(top + "/sub/deeper/b.pdf", 0666));
    QVERIFY(setFileMode(top + "/own.sh", 0754));
    QVERIFY(setFileMode(outside.filePath("shared.txt"), 0644));
    QVERIFY(setFileMode(outside.path(), 0755));
    QVERIFY(QFile::link(outside.filePath("shared.txt"), top + "/link.txt"));
    QVERIFY(QFile::link(outside.path(), top + "/linked-folder"));

    narrowToOwner(top);
    QCOMPARE(fileMode(top), 0700);
    QCOMPARE(fileMode(top + "/sub"), 0700);
    QCOMPARE(fileMode(top + "/sub/deeper"), 0700);
    QCOMPARE(fileMode(top + "/a.r25"), 0600);
    QCOMPARE(fileMode(top + "/sub/deeper/b.pdf"), 0600);
    // The user's own bits stay; only others lose theirs.
    QCOMPARE(fileMode(top + "/own.sh"), 0700);
    // Nothing outside is reached through a link.
    QCOMPARE(fileMode(outside.filePath("shared.txt")), 0644);
    QCOMPARE(fileMode(outside.path()), 0755);
    QCOMPARE(fileMode(top + "/link.txt"), 0777);
    // A missing folder is no failure.
    narrowToOwner(dir.filePath("none"));
}

QTEST_GUILESS_MAIN(TestFileHelpers)
#include "tst_FileHelpers.moc"
