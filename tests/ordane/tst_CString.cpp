// CString: trimming, comparison signs, printf formatting.
#include <QtTest>

#include "ordane/CString.h"

class TestCString : public QObject
{
    Q_OBJECT
private slots:
    void trim_data();
    void trim();
    void compare();
    void format();
};

void TestCString::trim_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("both");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << "";
    QTest::newRow("blank") << " \t\n"
                           << ""
                           << ""
                           << "";
    QTest::newRow("inner kept") << "  a b \t"
                                << "a b"
                                << "a b \t"
                                << "  a b";
    QTest::newRow("none") << "abc"
                          << "abc"
                          << "abc"
                          << "abc";
}

void TestCString::trim()
{
    QFETCH(QString, input);
    QFETCH(QString, both);
    QFETCH(QString, left);
    QFETCH(QString, right);
    CString a(input), b(input), c(input);
    QCOMPARE(QString(a.Trim()), both);
    QCOMPARE(QString(b.TrimLeft()), left);
    QCOMPARE(QString(c.TrimRight()), right);
}

void TestCString::compare()
{
    CString s("Hello");
    QCOMPARE(s.Compare("Hello"), 0);
    QCOMPARE(s.Compare("hello"), -1);
    QCOMPARE(s.Compare("Hell"), 1);
    QCOMPARE(s.CompareNoCase("hELLO"), 0);
    QCOMPARE(s.CompareNoCase("hellp"), -1);
    QCOMPARE(s.Find("l"), 2);
    QCOMPARE(s.Find("l", 4), -1);
}

void TestCString::format()
{
    CString s;
    s.Format("%s owes %.2f on %05d", "Éloïse", 1234.5, 42);
    QCOMPARE(QString(s), QString::fromUtf8("Éloïse owes 1234.50 on 00042"));
    QCOMPARE(QString(CString::formatted("%d%%", 15)), QString("15%"));
    QCOMPARE(QString(CString::formatted("%s", "")), QString());
}

QTEST_APPLESS_MAIN(TestCString)
#include "tst_CString.moc"
