// Framework helpers: number reading and writing, division, HTML tables, folder making, time text.
#include <QtTest>

#include "ordane/CDateField.h"
#include "ordane/Clock.h"
#include "ordane/FieldOwner.h"
#include "ordane/HtmlTable.h"
#include "ordane/Utilities.h"

class TestUtilities : public QObject
{
    Q_OBJECT
private slots:
    void toDouble_data();
    void toDouble();
    void toText_data();
    void toText();
    void division();
    void htmlTable();
    void folders();
    void curTime();
    void settableClock();
    void validFilename_data();
    void validFilename();
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

void TestUtilities::toText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("text");
    QTest::newRow("grouped") << 1234567.891 << -2 << "1,234,567.89";
    QTest::newRow("grouped zero") << 0.0 << -2 << "0.00";
    QTest::newRow("no negative zero") << -0.004 << -2 << "0.00";
    QTest::newRow("grouped negative") << -1234.5 << -2 << "-1,234.50";
    QTest::newRow("rounds into a group") << 999.999 << -2 << "1,000.00";
    QTest::newRow("below a thousand") << 100.0 << -2 << "100.00";
    QTest::newRow("ungrouped") << 123456.26 << 1 << "123456.3";
    QTest::newRow("no decimals") << -5.0 << 0 << "-5";
}

void TestUtilities::toText()
{
    QFETCH(double, value);
    QFETCH(int, precision);
    CString out = "old";
    const CString r = myDoubleToString(value, precision, out);
    QTEST(QString(out), "text");
    QCOMPARE(QString(r), QString(out));
}

void TestUtilities::division()
{
    QCOMPARE(div(1, 4, 7), 0.25);
    QCOMPARE(div(-3, -1.5, 0), 2.0);
    QCOMPARE(div(1, 0, 7), 7.0);
    QCOMPARE(div(1, 0.005, 7), 7.0);
    QCOMPARE(div(1, -0.005, 7), 7.0);
}

void TestUtilities::htmlTable()
{
    CString html = "x";
    toHtmlTableStart(html);
    toHtmlOneTableRow(html, "1.00", "<a & b>", "");
    toHtmlOneTableRow(html, "caf\xc3\xa9", "", "3");
    toHtmlTableEnd(html);
    QCOMPARE(QString(html),
             QString::fromUtf8("x<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
                               "<tr><td>1.00</td><td>&lt;a &amp; b&gt;</td><td></td></tr>\n"
                               "<tr><td>caf\xc3\xa9</td><td></td><td>3</td></tr>\n"
                               "</table>\n"));
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
    QVERIFY(
        QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$").match(out).hasMatch());
    GetCurTime(out, 1);
    QVERIFY(QRegularExpression("^\\d{14}$").match(out).hasMatch());
}

void TestUtilities::settableClock()
{
    setNow(QDateTime(QDate(2026, 3, 7), QTime(14, 5, 9)));
    CString out;
    QCOMPARE(QString(GetCurTime(out, 0)), QString("2026-03-07 14:05:09"));
    QCOMPARE(QString(GetCurTime(out, 1)), QString("20260307140509"));
    QCOMPARE(QString(getCurTimeStr()), QString("2026-03-07 14:05:09"));
    FieldOwner owner;
    CDateField stamp(&owner, "stamp");
    stamp.setCurTime();
    QCOMPARE(stamp.date(), QDate(2026, 3, 7));
    QCOMPARE(stamp.time(), QTime(14, 5, 9));

    setNow();
    const QDateTime before = QDateTime::currentDateTime();
    QVERIFY(now() >= before && now() <= QDateTime::currentDateTime().addSecs(1));
    QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$")
                .match(getCurTimeStr())
                .hasMatch());
}

void TestUtilities::validFilename_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("valid");

    QTest::newRow("plain") << "Jane_Doe"
                           << "Jane_Doe";
    QTest::newRow("slashes") << "Ja/ne_../../etc/Doe"
                             << "Jane_....etcDoe";
    QTest::newRow("climbs out") << "../../x_unknown"
                                << "x_unknown";
    QTest::newRow("hidden") << ".Jane_Doe"
                            << "Jane_Doe";
    QTest::newRow("dots after a slash") << "/..Jane"
                                        << "Jane";
    QTest::newRow("inner dots kept") << "J.R._Doe"
                                     << "J.R._Doe";
    QTest::newRow("controls") << QString("Ja\tne\n_D") + QChar(0) + "oe\x7f"
                              << "Jane_Doe";
    QTest::newRow("letters beyond ASCII") << "Zoë_Émile"
                                          << "Zoë_Émile";
    QTest::newRow("only dots") << "..."
                               << "";
}

void TestUtilities::validFilename()
{
    QFETCH(QString, name);
    QFETCH(QString, valid);
    QCOMPARE(QString(makeValidFilename(name)), valid);
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
