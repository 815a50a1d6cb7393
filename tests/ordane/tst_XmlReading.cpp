// Outside XML: the depth check before TinyXML, the parse helper, the handle and the readers.
#include <QtTest>

#include <tinyxml.h>

#include "ordane/MyTiXmlHandle.h"
#include "ordane/XmlParse.h"

class TestXmlReading : public QObject
{
    Q_OBJECT
private slots:
    void nestingDepth_data();
    void nestingDepth();
    void parse_data();
    void parse();
    void handle();
    void prefixedChild_data();
    void prefixedChild();
    void childText();
    void childBool_data();
    void childBool();
    void childInt_data();
    void childInt();
};

namespace {
QByteArray nested(int depth, const QByteArray &open = "<a>", const QByteArray &close = "</a>")
{
    return open.repeated(depth) + close.repeated(depth);
}
} // namespace

void TestXmlReading::nestingDepth_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("depth");
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("one") << QByteArray("<?xml version=\"1.0\"?><a>x</a>") << 1;
    QTest::newRow("siblings") << QByteArray("<r><a/><b></b><c x='1'/></r>") << 2;
    QTest::newRow("256") << nested(256) << 256;
    QTest::newRow("257 stops at limit + 1") << nested(257) << 257;
    QTest::newRow("100000 stops at limit + 1") << nested(100000) << 257;
    QTest::newRow("unclosed opens count") << QByteArray("<a><b><c>") << 3;
    QTest::newRow("comment hides nothing") << QByteArray("<a><!-- <b><c> --></a>") << 1;
    QTest::newRow("cdata hides nothing") << QByteArray("<a><![CDATA[<b><c>]]></a>") << 1;
    // A quoted "/>" must not make the tag look empty, or nesting would hide behind it.
    QTest::newRow("quoted slash") << nested(300, "<a x=\"/>\">", "</a>") << 257;
    QTest::newRow("quoted close tag") << QByteArray("<a x='</a>'><b></b></a>") << 2;
    QTest::newRow("self-closing with blank") << QByteArray("<r><a /><a /></r>") << 1;
    QTest::newRow("prefixed") << QByteArray("<S:E><S:B><ns2:R/></S:B></S:E>") << 2;
    QTest::newRow("text with lone <") << QByteArray("<a>1 < 2</a>") << 1;
}

void TestXmlReading::nestingDepth()
{
    QFETCH(QByteArray, text);
    QFETCH(int, depth);
    QCOMPARE(xmlNestingDepth(text), depth);
}

void TestXmlReading::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("parses");
    QTest::addColumn<QString>("error");
    const QByteArray good = "<?xml version=\"1.0\"?><root><a>1</a></root>";
    QTest::newRow("good") << good << true << QString();
    QTest::newRow("deepest allowed") << nested(256) << true << QString();
    QTest::newRow("one too deep") << nested(257) << false
                                  << QString("The XML is nested deeper than 256 elements.");
    // 100,000 levels would overflow TinyXML's recursion; refused before it starts.
    QTest::newRow("100000 nested")
        << nested(100000) << false << QString("The XML is nested deeper than 256 elements.");
    QTest::newRow("truncated") << good.left(good.size() - 5) << false << QString("*");
    QTest::newRow("empty") << QByteArray() << false << QString("*");
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 151 + 7) & 0xff);
    QTest::newRow("binary") << binary << false << QString("*");
    // A lead byte of a four-byte character as the last byte of the text.
    QTest::newRow("cut multi-byte character") << QByteArray("<a b=\"\xf0") << false << QString("*");
    QTest::newRow("1 MB of text") << QByteArray(1 << 20, 'x') << false << QString("*");
    QTest::newRow("1 MB inside an element")
        << "<a>" + QByteArray(1 << 20, 'x') + "</a>" << true << QString();
}

void TestXmlReading::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, parses);
    QFETCH(QString, error);
    TiXmlDocument doc;
    QString why = "unset";
    QCOMPARE(parseXmlDocument(doc, text, &why), parses);
    if (parses) {
        QCOMPARE(why, QString("unset"));
        QVERIFY(doc.RootElement());
    } else if (error == "*") {
        QVERIFY2(why.startsWith("The XML does not parse: "), qPrintable(why));
    } else {
        QCOMPARE(why, error);
        QVERIFY(!doc.RootElement()); // TinyXML never saw it
    }
}

void TestXmlReading::handle()
{
    TiXmlDocument doc;
    QVERIFY(parseXmlDocument(doc, "<E><B><R><Code>0</Code></R></B></E>"));
    const MyTiXmlHandle root(doc.RootElement());
    QCOMPARE(QByteArray(root.FirstChildElement().FirstChildElement().ToElement()->Value()),
             QByteArray("R"));
    QCOMPARE(getElementSubEleStringText(
                 root.FirstChildElement("B").FirstChildElement("R").ToElement(), "Code"),
             CString("0"));
    // A missing step gives empty handles to the end of the chain.
    const MyTiXmlHandle missing =
        root.FirstChildElement("X").FirstChildElement().FirstChildElement("R", "ns");
    QVERIFY(missing.isNull());
    QVERIFY(!missing.ToElement());
    QVERIFY(!missing.ToNode());
    QVERIFY(MyTiXmlHandle().FirstChildElement(nullptr).isNull());
}

void TestXmlReading::prefixedChild_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("found");
    QTest::newRow("ns") << QByteArray("<ns:Resp>1</ns:Resp>") << QByteArray("ns:Resp");
    QTest::newRow("ns2") << QByteArray("<ns2:Resp>1</ns2:Resp>") << QByteArray("ns2:Resp");
    QTest::newRow("ns10") << QByteArray("<ns10:Resp>1</ns10:Resp>") << QByteArray("ns10:Resp");
    QTest::newRow("unprefixed") << QByteArray("<Resp>1</Resp>") << QByteArray("Resp");
    QTest::newRow("after another")
        << QByteArray("<ns2:Other/><ns3:Resp/>") << QByteArray("ns3:Resp");
    QTest::newRow("other prefix") << QByteArray("<tns:Resp/>") << QByteArray();
    QTest::newRow("letters after prefix") << QByteArray("<nsx:Resp/>") << QByteArray();
    QTest::newRow("longer name") << QByteArray("<ns:RespX/>") << QByteArray();
    QTest::newRow("name as prefix") << QByteArray("<ns:Resp:x/>") << QByteArray();
}

void TestXmlReading::prefixedChild()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, found);
    TiXmlDocument doc;
    QVERIFY(parseXmlDocument(doc, "<Body>" + body + "</Body>"));
    const MyTiXmlHandle child = MyTiXmlHandle(doc.RootElement()).FirstChildElement("Resp", "ns");
    QCOMPARE(child.ToElement() ? QByteArray(child.ToElement()->Value()) : QByteArray(), found);
}

void TestXmlReading::childText()
{
    TiXmlDocument doc;
    QVERIFY(parseXmlDocument(doc, "<r><a k=\"v\">caf\xc3\xa9 &amp; co</a><e/><e>2</e></r>"));
    const TiXmlElement *r = doc.RootElement();
    QCOMPARE(getElementSubEleStringText(r, "a"), CString(QString::fromUtf8("café & co")));
    QCOMPARE(getElementSubEleStringText(r, "e"), CString()); // the first "e" has no text
    QCOMPARE(getElementSubEleStringText(r, "none"), CString());
    QCOMPARE(getElementSubEleStringText(nullptr, "a"), CString());
    QCOMPARE(getElementSubEleStringAttribute(r, "a", "k"), CString("v"));
    QCOMPARE(getElementSubEleStringAttribute(r, "a", "z"), CString());
    QCOMPARE(getElementSubEleStringAttribute(r, "none", "k"), CString());
    QCOMPARE(getElementSubEleStringAttribute(nullptr, "a", "k"), CString());
}

void TestXmlReading::childBool_data()
{
    QTest::addColumn<QByteArray>("child");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("value");
    QTest::newRow("true") << QByteArray("<f>true</f>") << false << true;
    QTest::newRow("TRUE") << QByteArray("<f>TRUE</f>") << false << true;
    QTest::newRow("1") << QByteArray("<f>1</f>") << false << true;
    QTest::newRow("Y") << QByteArray("<f>Y</f>") << false << true;
    QTest::newRow("y") << QByteArray("<f>y</f>") << false << true;
    QTest::newRow("Yes blanks") << QByteArray("<f> Yes </f>") << false << true;
    QTest::newRow("false") << QByteArray("<f>false</f>") << true << false;
    QTest::newRow("0") << QByteArray("<f>0</f>") << true << false;
    QTest::newRow("N") << QByteArray("<f>N</f>") << true << false;
    QTest::newRow("2") << QByteArray("<f>2</f>") << true << false;
    QTest::newRow("yess") << QByteArray("<f>yess</f>") << true << false;
    QTest::newRow("empty, default true") << QByteArray("<f/>") << true << true;
    QTest::newRow("missing, default true") << QByteArray() << true << true;
    QTest::newRow("missing, default false") << QByteArray() << false << false;
}

void TestXmlReading::childBool()
{
    QFETCH(QByteArray, child);
    QFETCH(bool, defaultValue);
    QFETCH(bool, value);
    TiXmlDocument doc;
    QVERIFY(parseXmlDocument(doc, "<r>" + child + "</r>"));
    QCOMPARE(getElementSubEleStringAsBool(doc.RootElement(), "f", defaultValue), value);
}

void TestXmlReading::childInt_data()
{
    QTest::addColumn<QByteArray>("child");
    QTest::addColumn<int>("value");
    QTest::newRow("number") << QByteArray("<n>42</n>") << 42;
    QTest::newRow("negative, blanks") << QByteArray("<n> -7 </n>") << -7;
    QTest::newRow("decimal") << QByteArray("<n>20.9</n>") << -1;
    QTest::newRow("text") << QByteArray("<n>abc</n>") << -1;
    QTest::newRow("too large") << QByteArray("<n>99999999999</n>") << -1;
    QTest::newRow("missing") << QByteArray() << -1;
}

void TestXmlReading::childInt()
{
    QFETCH(QByteArray, child);
    QFETCH(int, value);
    TiXmlDocument doc;
    QVERIFY(parseXmlDocument(doc, "<r>" + child + "</r>"));
    QCOMPARE(getElementSubEleStringAsInt(doc.RootElement(), "n", -1), value);
}

QTEST_APPLESS_MAIN(TestXmlReading)
#include "tst_XmlReading.moc"
