// Framework helpers: number reading, folder making, time text.
#include <QtTest>

#include "ordane/Utilities.h"

class TestUtilities : public QObject
{
    Q_OBJECT
private slots:
    void toDouble_data();
    void toDouble();
    void folders();
    void curTime();
    void email_data();
    void email();
};

void TestUtilities::toDouble_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "2147483647" << 2147483647.0;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("blanks") << "  42 \t" << 42.0;
    QTest::newRow("decimal") << "12.50" << 12.5;
    QTest::newRow("grouping") << "1,234.5" << 1234.5;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("leading point") << ".25" << 0.25;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("text") << "abc" << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
}

void TestUtilities::toDouble()
{
    QFETCH(QString, text);
    QTEST(myStringToDouble(CString(text)), "value");
}

void TestUtilities::folders()
{
    QTemporaryDir dir;
    QVERIFY(makeFolderExists(dir.filePath("a/b/c")));
    QVERIFY(QFileInfo(dir.filePath("a/b/c")).isDir());
    QVERIFY(makeFolderExists(dir.filePath("a/b/c")));
    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!makeFolderExists(dir.filePath("file")));
    QVERIFY(!makeFolderExists(dir.filePath("file/sub")));
}

void TestUtilities::curTime()
{
    CString out;
    const CString r = GetCurTime(out, 0);
    QCOMPARE(QString(r), QString(out));
    QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$").match(out).hasMatch());
    GetCurTime(out, 1);
    QVERIFY(QRegularExpression("^\\d{14}$").match(out).hasMatch());
}

QTEST_GUILESS_MAIN(TestUtilities)
#include "tst_Utilities.moc"

void TestUtilities::email_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << QByteArray("ann@example.invalid") << true;
    QTest::newRow("dots and plus") << QByteArray("a.b+tax@mail.example.invalid") << true;
    QTest::newRow("hyphen in domain") << QByteArray("x@my-host.invalid") << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("no at") << QByteArray("ann.example.invalid") << false;
    QTest::newRow("two at") << QByteArray("a@b@example.invalid") << false;
    QTest::newRow("no local part") << QByteArray("@example.invalid") << false;
    QTest::newRow("single label") << QByteArray("ann@localhost") << false;
    QTest::newRow("empty label") << QByteArray("ann@example..invalid") << false;
    QTest::newRow("trailing dot") << QByteArray("ann@example.invalid.") << false;
    QTest::newRow("leading dot") << QByteArray(".ann@example.invalid") << false;
    QTest::newRow("double dot") << QByteArray("a..n@example.invalid") << false;
    QTest::newRow("blank") << QByteArray("an n@example.invalid") << false;
    QTest::newRow("hyphen edge") << QByteArray("ann@-example.invalid") << false;
    QTest::newRow("non-ASCII") << QByteArray("\xc3\xa9@example.invalid") << false;
}

void TestUtilities::email()
{
    QFETCH(QByteArray, address);
    QTEST(checkEmail(address), "valid");
}
