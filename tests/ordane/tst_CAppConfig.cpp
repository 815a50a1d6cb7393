// CAppConfig: path-file syntax, flags, later file wins, missing files and FIFOs.
#include <QtTest>

#include "FifoWatchdog.h"
#include "ordane/CAppConfig.h"

namespace {

class Config : public CAppConfig
{
public:
    Config()
    {
        addTextKey("Host", &host);
        addTextKey("Path", &path);
        addFlagKey("Debug", &debug);
        addFlagKey("Logo", &logo);
    }
    void afterReadConfigFile() override { ++afterCalls; }
    CString host;
    CString path = "unchanged";
    bool debug = false;
    bool logo = true;
    int afterCalls = 0;
};

QByteArray writeFile(const QTemporaryDir &dir, const char *name, const QByteArray &content)
{
    const QString p = dir.filePath(name);
    QFile f(p);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return p.toUtf8();
}

} // namespace

class TestCAppConfig : public QObject
{
    Q_OBJECT
private slots:
    void syntax_data();
    void syntax();
    void laterFileWins();
    void missingFile();
    void fifoIsNoFile();
    void setIfNotSet();
};

void TestCAppConfig::syntax_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("debug");
    QTest::addColumn<bool>("logo");
    QTest::newRow("empty") << QByteArray() << ""
                           << "unchanged" << false << true;
    QTest::newRow("plain") << QByteArray("Host=a.invalid\nDebug=1\nLogo=0\n") << "a.invalid"
                           << "unchanged" << true << false;
    QTest::newRow("blanks and crlf")
        << QByteArray("  Host =  b.invalid  \r\nDebug = TRUE\r\n") << "b.invalid"
        << "unchanged" << true << true;
    QTest::newRow("comments and sections")
        << QByteArray("# Host=x\n; Debug=1\n[paths]\n\nPath=/opt/q\n") << ""
        << "/opt/q" << false << true;
    QTest::newRow("value keeps =") << QByteArray("Host=a=b\n") << "a=b"
                                   << "unchanged" << false << true;
    QTest::newRow("key case counts") << QByteArray("host=x\nDEBUG=1\n") << ""
                                     << "unchanged" << false << true;
    QTest::newRow("flag words") << QByteArray("Debug=true\nLogo=False\n") << ""
                                << "unchanged" << true << false;
    QTest::newRow("bad flag ignored") << QByteArray("Debug=yes\nLogo=2\n") << ""
                                      << "unchanged" << false << true;
    QTest::newRow("unknown and no =") << QByteArray("Other=1\nHost\n=x\n") << ""
                                      << "unchanged" << false << true;
    QTest::newRow("empty value clears") << QByteArray("Path=\n") << ""
                                        << "" << false << true;
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBFHost=c.invalid\r\nDebug=1\r\n") << "c.invalid"
        << "unchanged" << true << true;
    QTest::newRow("utf8") << QByteArray("Path=/home/h\xc3\xa9l\xc3\xa8ne\n") << ""
                          << QString::fromUtf8("/home/h\xc3\xa9l\xc3\xa8ne") << false << true;
}

void TestCAppConfig::syntax()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    Config c;
    QCOMPARE(c.readConfigFile(writeFile(dir, "gr_path.ini", content)), 0);
    QCOMPARE(c.afterCalls, 1);
    QTEST(QString(c.host), "host");
    QTEST(QString(c.path), "path");
    QTEST(c.debug, "debug");
    QTEST(c.logo, "logo");
}

void TestCAppConfig::laterFileWins()
{
    QTemporaryDir dir;
    Config c;
    c.readConfigFile(writeFile(dir, "first.ini", "Host=first\nPath=/p1\nDebug=1\n"));
    c.readConfigFile(writeFile(dir, "second.ini", "Host=second\nDebug=0\n"));
    QCOMPARE(QString(c.host), QString("second"));
    QCOMPARE(QString(c.path), QString("/p1"));
    QCOMPARE(c.debug, false);
    QCOMPARE(c.afterCalls, 2);
    QCOMPARE(c.readerState(), 0);
}

void TestCAppConfig::missingFile()
{
    QTemporaryDir dir;
    Config c;
    c.host = "kept";
    QCOMPARE(c.readConfigFile(dir.filePath("none.ini").toUtf8()), -1);
    // A folder where the file should be is no file either.
    QCOMPARE(c.readConfigFile(dir.path().toUtf8()), -1);
    QCOMPARE(QString(c.host), QString("kept"));
    // The hook runs after every read, a missing file included.
    QCOMPARE(c.afterCalls, 2);
    QCOMPARE(c.readerState(), -1);
}

void TestCAppConfig::fifoIsNoFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("gr_path.ini");
    FifoWatchdog fifo(path);
    QVERIFY(fifo.isValid());
    Config c;
    c.host = "kept";
    int result = 0;
    QVERIFY2(fifo.runUnblocked([&] { result = c.readConfigFile(path.toUtf8()); }),
             "the reader blocked on the FIFO");
    QCOMPARE(result, -1);
    QCOMPARE(QString(c.host), QString("kept"));
    QCOMPARE(c.readerState(), -1);
}

void TestCAppConfig::setIfNotSet()
{
    CString empty, full("a");
    CAppConfig::setStringValIfNotSet(empty, "x");
    CAppConfig::setStringValIfNotSet(full, "x");
    QCOMPARE(QString(empty), QString("x"));
    QCOMPARE(QString(full), QString("a"));
}

QTEST_GUILESS_MAIN(TestCAppConfig)
#include "tst_CAppConfig.moc"
