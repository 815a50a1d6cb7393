// Framework text helpers: comma-separated lines, byte-text matching, summary-page lines and
// reading a file's bytes unchanged.
#include <QtTest>

#include "ordane/CsvParse.h"
#include "ordane/FileHelpers.h"
#include "ordane/HtmlLines.h"
#include "ordane/TextMatch.h"

class TestTextHelpers : public QObject
{
    Q_OBJECT
private slots:
    void parseCsv_data();
    void parseCsv();
    void endsWith_data();
    void endsWith();
    void compareNoCase_data();
    void compareNoCase();
    void oneLineItem_data();
    void oneLineItem();
    void bytesOfAFile();
};

Q_DECLARE_METATYPE(QList<CsvLine>)

void TestTextHelpers::parseCsv_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<CsvLine>>("lines");
    QTest::newRow("empty") << QByteArray() << QList<CsvLine>{};
    QTest::newRow("ending comma starts an empty field")
        << QByteArray("0010,PFRA,  x  ,\n") << QList<CsvLine>{{"0010", "PFRA", "  x  ", ""}};
    QTest::newRow("quoted comma stays in its field")
        << QByteArray("a,\"Dept, Centre\",b,\r\nc,d\n")
        << QList<CsvLine>{{"a", "Dept, Centre", "b", ""}, {"c", "d"}};
    QTest::newRow("doubled quote and quoted line break")
        << QByteArray("\"say \"\"hi\"\"\",\"two\nlines\"")
        << QList<CsvLine>{{"say \"hi\"", "two\nlines"}};
    QTest::newRow("quote inside a field is a plain byte")
        << QByteArray("ab\"c,d") << QList<CsvLine>{{"ab\"c", "d"}};
    QTest::newRow("empty line is one empty field")
        << QByteArray("a\n\nb") << QList<CsvLine>{{"a"}, {""}, {"b"}};
    QTest::newRow("latin-1 bytes kept")
        << QByteArray("Num\xe9ro,") << QList<CsvLine>{{"Num\xe9ro", ""}};
    QTest::newRow("unclosed quote runs to the end")
        << QByteArray("x,\"open, never closed\n") << QList<CsvLine>{{"x", "open, never closed\n"}};
}

void TestTextHelpers::parseCsv()
{
    QFETCH(QByteArray, text);
    QTEST(ParseCSV(text), "lines");
}

void TestTextHelpers::endsWith_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("suffix");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<bool>("result");
    QTest::newRow("prefixed name")
        << QByteArray("ns3:EmployerName") << QByteArray("EmployerName") << false << true;
    QTest::newRow("case kept") << QByteArray("employername") << QByteArray("EmployerName") << false
                               << false;
    QTest::newRow("case ignored") << QByteArray("employername") << QByteArray("EmployerName")
                                  << true << true;
    QTest::newRow("whole text") << QByteArray("TaxYear") << QByteArray("TaxYear") << false << true;
    QTest::newRow("suffix longer") << QByteArray("Year") << QByteArray("TaxYear") << false << false;
    QTest::newRow("not at the end")
        << QByteArray("TaxYearX") << QByteArray("TaxYear") << false << false;
    QTest::newRow("empty suffix") << QByteArray("abc") << QByteArray("") << false << true;
}

void TestTextHelpers::endsWith()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, suffix);
    QFETCH(bool, ignoreCase);
    QTEST(stringEndwith(text.constData(), suffix.constData(), ignoreCase), "result");
}

void TestTextHelpers::compareNoCase_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<int>("sign");
    QTest::newRow("equal ignoring case") << QByteArray("T4Slip") << QByteArray("t4slip") << 0;
    QTest::newRow("shorter first") << QByteArray("T4") << QByteArray("T4A") << -1;
    QTest::newRow("later letter") << QByteArray("t5") << QByteArray("T4") << 1;
    QTest::newRow("both empty") << QByteArray("") << QByteArray("") << 0;
}

void TestTextHelpers::compareNoCase()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    const int result = stricmp(a.constData(), b.constData());
    QTEST(result < 0 ? -1 : (result > 0 ? 1 : 0), "sign");
    QCOMPARE(stricmp(nullptr, "a") < 0, true);
    QCOMPARE(stricmp(nullptr, nullptr), 0);
}

void TestTextHelpers::oneLineItem_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("skip");
    QTest::addColumn<QString>("page");
    QTest::newRow("written") << "1200.00"
                             << ""
                             << "Instalment: 1200.00<br>\n";
    QTest::newRow("empty dropped") << ""
                                   << ""
                                   << "";
    QTest::newRow("skip value dropped") << "0.0"
                                        << "0.0"
                                        << "";
    QTest::newRow("skip compared exactly") << "0.00"
                                           << "0.0"
                                           << "Instalment: 0.00<br>\n";
    QTest::newRow("empty dropped under another skip") << ""
                                                      << "0"
                                                      << "";
    QTest::newRow("markup escaped") << "<b>A & B</b>"
                                    << ""
                                    << "Instalment: &lt;b&gt;A &amp; B&lt;/b&gt;<br>\n";
}

void TestTextHelpers::oneLineItem()
{
    QFETCH(QString, value);
    QFETCH(QString, skip);
    QFETCH(QString, page);
    CString out("<body>");
    QCOMPARE(toHtmlOneLineItem(out, value, "Instalment", skip), !page.isEmpty());
    toHtmlNewLine(out);
    QCOMPARE(QString(out), "<body>" + page + "<br>\n");
}

void TestTextHelpers::bytesOfAFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("list.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Pr\xe9nom,\r\n");
    file.close();

    QByteArray bytes("stale");
    QVERIFY(loadFileToString(path, bytes));
    QCOMPARE(bytes, QByteArray("Pr\xe9nom,\r\n"));
    // A disk path with the resource flag, a folder and a missing file are refused, emptied.
    QVERIFY(!loadFileToString(path, bytes, kLoadFromResource));
    QCOMPARE(bytes, QByteArray());
    bytes = "stale";
    QVERIFY(!loadFileToString(dir.path(), bytes));
    QCOMPARE(bytes, QByteArray());
    QVERIFY(!loadFileToString(dir.filePath("missing.csv"), bytes));
    QVERIFY(!loadFileToString(":/no/such/resource", bytes, kLoadFromResource));
}

QTEST_GUILESS_MAIN(TestTextHelpers)
#include "tst_TextHelpers.moc"
