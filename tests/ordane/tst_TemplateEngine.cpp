// The template engine, the XML writers and the text forms of filing values, as tables.
#include <QtTest>

#include "ordane/FilingFormats.h"
#include "ordane/TemplateEngine.h"
#include "ordane/XmlWriters.h"

class TestTemplateEngine : public QObject
{
    Q_OBJECT
private slots:
    void fill_data();
    void fill();
    void resource();
    void unreadable_data();
    void unreadable();
    void xmlString_data();
    void xmlString();
    void tags();
    void dates_data();
    void dates();
    void phones_data();
    void phones();
    void postcodes_data();
    void postcodes();

private:
    QTemporaryDir m_dir;
};

void TestTemplateEngine::fill_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("pairs"); // key, value, key, value ...
    QTest::addColumn<QByteArray>("expected");
    const QByteArray optional = "<a>\r\n<b>$$(b0)</b>\r\n</a>\r\n";
    QTest::newRow("optional kept")
        << optional << QStringList{"b", "x"} << QByteArray("<a>\r\n<b>x</b>\r\n</a>\r\n");
    QTest::newRow("optional dropped") << optional << QStringList{} << QByteArray("<a>\r\n</a>\r\n");
    QTest::newRow("optional empty value kept")
        << optional << QStringList{"b", ""} << QByteArray("<a>\r\n<b></b>\r\n</a>\r\n");
    QTest::newRow("optional key with 0 is not the key")
        << optional << QStringList{"b0", "x"} << QByteArray("<a>\r\n</a>\r\n");
    QTest::newRow("plain missing is empty")
        << QByteArray("<s>$$(swcode)</s>\r\n") << QStringList{} << QByteArray("<s></s>\r\n");
    QTest::newRow("plain present")
        << QByteArray("<s>$$(swcode)</s>\r\n") << QStringList{"swcode", "123G"}
        << QByteArray("<s>123G</s>\r\n");
    QTest::newRow("two on a line") << QByteArray("$$(a)-$$(b)\r\n")
                                   << QStringList{"a", "1", "b", "2"} << QByteArray("1-2\r\n");
    QTest::newRow("one optional drops the line")
        << QByteArray("$$(a)-$$(b0)\r\nend") << QStringList{"a", "1"} << QByteArray("end");
    QTest::newRow("open without close stays")
        << QByteArray("<x>$$(name</x>\r\n") << QStringList{"name", "v"}
        << QByteArray("<x>$$(name</x>\r\n");
    QTest::newRow("close on the next line stays")
        << QByteArray("a $$(b\r\nc) d\r\n") << QStringList{"b", "v"}
        << QByteArray("a $$(b\r\nc) d\r\n");
    QTest::newRow("value not filled again")
        << QByteArray("$$(a)\r\n") << QStringList{"a", "$$(b)", "b", "no"}
        << QByteArray("$$(b)\r\n");
    QTest::newRow("name 0 alone is plain")
        << QByteArray("[$$(0)]\n") << QStringList{"0", "z"} << QByteArray("[z]\n");
    QTest::newRow("tabs and LF kept")
        << QByteArray("\t <e>$$(e)</e>\n\n") << QStringList{"e", "\xc3\xa9"}
        << QByteArray("\t <e>\xc3\xa9</e>\n\n");
    QTest::newRow("last line without end dropped")
        << QByteArray("x\r\n$$(gone0)") << QStringList{} << QByteArray("x\r\n");
    QTest::newRow("bare block placeholder")
        << QByteArray("\t$$(block0)\r\n") << QStringList{"block", "<a>1</a>"}
        << QByteArray("\t<a>1</a>\r\n");
    QTest::newRow("empty template") << QByteArray() << QStringList{"a", "1"} << QByteArray();
}

void TestTemplateEngine::fill()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, pairs);
    QFETCH(QByteArray, expected);
    const QString path = m_dir.filePath(QString(QTest::currentDataTag()) + ".xmt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(text), qint64(text.size()));
    file.close();
    TemplateValues values;
    for (int i = 0; i + 1 < pairs.size(); i += 2)
        values.insert(pairs[i].toUtf8(), pairs[i + 1]);

    QString target = "before|";
    QCOMPARE(processTemplatePartInString(target, path, values, TemplatePlain), 0);
    QCOMPARE(target.toUtf8(), "before|" + expected);
    QByteArray bytes = "x";
    QCOMPARE(processTemplatePart(bytes, path, values, TemplateResource), 0);
    QCOMPARE(bytes, "x" + expected);
}

void TestTemplateEngine::resource()
{
    Q_INIT_RESOURCE(templates);
    TemplateValues values{{"b", "B&"}};
    QString target;
    QCOMPARE(processTemplatePartInString(target, ":/test/templates/sample.xmt", values,
                                         TemplateResource),
             0);
    QCOMPARE(target, QString("<a>\r\n\t<b>B&</b>\r\n</a>\r\n"));
    values.insert("c", "C");
    target.clear();
    QCOMPARE(
        processTemplatePartInString(target, ":/test/templates/sample.xmt", values, TemplatePlain),
        0);
    QCOMPARE(target, QString("<a>\r\n\t<b>B&</b>\r\n\t<c>C</c>\r\n</a>\r\n"));
}

void TestTemplateEngine::unreadable_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("unknown resource") << ":/test/templates/none.xmt";
    QTest::newRow("missing file") << m_dir.filePath("absent.xmt");
    QTest::newRow("folder") << m_dir.path();
}

void TestTemplateEngine::unreadable()
{
    QFETCH(QString, path);
    QString target = "kept";
    QVERIFY(processTemplatePartInString(target, path, {{"a", "1"}}, TemplateResource) != 0);
    QCOMPARE(target, QString("kept"));
    QByteArray bytes = "kept";
    QVERIFY(processTemplatePart(bytes, path, {}, TemplatePlain) != 0);
    QCOMPARE(bytes, QByteArray("kept"));
}

void TestTemplateEngine::xmlString_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Toronto" << 0 << "<t:x>Toronto</t:x>";
    QTest::newRow("empty") << "" << 0 << "<t:x></t:x>";
    QTest::newRow("all five") << "O'Neil & <Co> \"x\"" << 0
                              << "<t:x>O&apos;Neil &amp; &lt;Co&gt; &quot;x&quot;</t:x>";
    QTest::newRow("limit cuts before escaping") << "ab&cd" << 3 << "<t:x>ab&amp;</t:x>";
    QTest::newRow("limit above length") << "abc" << 10 << "<t:x>abc</t:x>";
    QTest::newRow("limit equal") << "abc" << 3 << "<t:x>abc</t:x>";
    QTest::newRow("negative limit is none") << "abc" << -1 << "<t:x>abc</t:x>";
    QTest::newRow("control characters dropped") << QString("a\x01"
                                                           "b\tc\r\nd")
                                                << 0 << "<t:x>ab\tc\r\nd</t:x>";
    QTest::newRow("surrogate pair not cut")
        << QString("a") + QString::fromUcs4(U"\U0001F600") << 2 << "<t:x>a</t:x>";
    QTest::newRow("accented kept") << QString::fromUtf8("Qu\xc3\xa9"
                                                        "bec")
                                   << 0
                                   << QString::fromUtf8("<t:x>Qu\xc3\xa9"
                                                        "bec</t:x>");
}

void TestTemplateEngine::xmlString()
{
    QFETCH(QString, value);
    QFETCH(int, limit);
    QString text = "<p>";
    writeXMLString(text, "t:x", value, limit);
    QTEST(text.mid(3), "expected");
}

void TestTemplateEngine::tags()
{
    QString text;
    writeXMLOpenTagString(text, "tp:A");
    writeXMLString(text, "comm:B", "1");
    writeXMLCloseTagString(text, "tp:A");
    QCOMPARE(text, QString("<tp:A><comm:B>1</comm:B></tp:A>"));
    QCOMPARE(convertToXMLString("a<b>&"), CString("a&lt;b&gt;&amp;"));
}

void TestTemplateEngine::dates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("expected");
    QTest::newRow("xml") << QDate(2025, 3, 7) << 2 << "2025-03-07";
    QTest::newRow("barcode") << QDate(1960, 12, 31) << 1 << "19601231";
    QTest::newRow("invalid") << QDate() << 2 << "";
    QTest::newRow("unknown style") << QDate(2025, 1, 1) << 9 << "";
}

void TestTemplateEngine::dates()
{
    QFETCH(QDate, date);
    QFETCH(int, style);
    QTEST(QString(GetDateStr(date, style)), "expected");
}

void TestTemplateEngine::phones_data()
{
    QTest::addColumn<QString>("phone");
    QTest::addColumn<bool>("something");
    QTest::addColumn<QString>("raw");
    QTest::newRow("formatted") << "(416) 555-0123" << true << "4165550123";
    QTest::newRow("trunk prefix") << "1-416-555-0123" << true << "4165550123";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("empty mask") << "(000) 000-0000" << false << "0000000000";
    QTest::newRow("blanks") << "   " << false << "";
    QTest::newRow("short") << "555-01" << true << "55501";
}

void TestTemplateEngine::phones()
{
    QFETCH(QString, phone);
    QTEST(ChkPhoneStrHasSomething(phone), "something");
    QTEST(QString(GetRawPhoneStr(phone)), "raw");
}

void TestTemplateEngine::postcodes_data()
{
    QTest::addColumn<QString>("postcode");
    QTest::addColumn<QString>("raw");
    QTest::newRow("lower with blank") << "k1a 0b1"
                                      << "K1A0B1";
    QTest::newRow("hyphen and blanks") << " M5V-2T6 "
                                       << "M5V2T6";
    QTest::newRow("empty") << ""
                           << "";
}

void TestTemplateEngine::postcodes()
{
    QFETCH(QString, postcode);
    QTEST(QString(GetRawPostcode(postcode)), "raw");
}

QTEST_GUILESS_MAIN(TestTemplateEngine)
#include "tst_TemplateEngine.moc"
