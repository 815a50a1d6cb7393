// CJsonUtil: parse results, keyed reads and their error codes.
#include <QtTest>

#include "app/CJsonUtil.h"

class TestCJsonUtil : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void getIntAndString();
    void getBoolKeepsEarlierError();
    void arraysAndObjects();
    void insertAndWrite();
};

void TestCJsonUtil::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("held"); // compact JSON of the object afterwards
    QTest::newRow("object replaces") << R"({"b": 2})" << 0 << R"({"b":2})";
    QTest::newRow("array leaves object") << "[1, 2]" << 0 << R"({"a":1})";
    QTest::newRow("broken text") << R"({"b": )" << 99 << R"({"a":1})";
    QTest::newRow("empty text") << "" << 99 << R"({"a":1})";
    QTest::newRow("plain word") << "points" << 99 << R"({"a":1})";
    QTest::newRow("UTF-8 text") << QString::fromUtf8(R"({"n": "Élise"})") << 0
                                << QString::fromUtf8(R"({"n":"Élise"})");
}

void TestCJsonUtil::parse()
{
    QFETCH(QString, text);
    QFETCH(int, result);
    CJsonUtil json;
    QCOMPARE(json.parse(R"({"a": 1})"), 0);
    QCOMPARE(json.parse(text), result);
    QCOMPARE(json.errorCode(), result);
    CString out;
    QCOMPARE(json.toJson(out), 0);
    QTEST(QString(out), "held");
}

void TestCJsonUtil::getIntAndString()
{
    CJsonUtil json;
    QCOMPARE(json.parse(R"({"a": 1, "s": "text", "n": 12, "f": 2.5, "t": "7"})"), 0);
    int value = -1;
    QCOMPARE(json.getInt("a", value), 0);
    QCOMPARE(value, 1);
    value = -1;
    QCOMPARE(json.getInt("b", value), 99);
    QCOMPARE(json.errorCode(), 99);
    QCOMPARE(value, -1);
    QCOMPARE(json.getInt("f", value), 0);
    QCOMPARE(value, 0); // not an integral number
    value = -1;
    QCOMPARE(json.getInt("t", value), 0);
    QCOMPARE(value, 0); // text reads as 0
    QCOMPARE(json.errorCode(), 0);

    CString text = "unchanged";
    QCOMPARE(json.getString("missing", text), 99);
    QCOMPARE(QString(text), QString("unchanged"));
    QCOMPARE(json.getString("s", text), 0);
    QCOMPARE(QString(text), QString("text"));
    QCOMPARE(json.getString("n", text), 0);
    QCOMPARE(QString(text), QString());
}

void TestCJsonUtil::getBoolKeepsEarlierError()
{
    CJsonUtil json;
    json.parse(R"({"yes": true, "num": 1})");
    QCOMPARE(json.getBool("missing"), false);
    QCOMPARE(json.errorCode(), 99);
    QCOMPARE(json.getBool("yes"), true);
    QCOMPARE(json.errorCode(), 99);
    QCOMPARE(json.getBool("num"), false);
}

void TestCJsonUtil::arraysAndObjects()
{
    CJsonUtil json;
    json.parse(R"({"list": [1, "x"], "obj": {"k": "v"}, "s": "t"})");
    int unused = 0;
    json.getInt("missing", unused); // sets 99; getArray and getObject leave it
    QCOMPARE(json.getArray("list"), (QJsonArray{1, "x"}));
    QCOMPARE(json.getArray("s"), QJsonArray());
    QCOMPARE(json.getArray("none"), QJsonArray());
    QCOMPARE(json.getObject("obj"), (QJsonObject{{"k", "v"}}));
    QCOMPARE(json.getObject("list"), QJsonObject());
    QCOMPARE(json.errorCode(), 99);
}

void TestCJsonUtil::insertAndWrite()
{
    CJsonUtil json;
    QCOMPARE(json.insertString(nullptr, "v"), 99);
    CString out;
    json.toJson(out);
    QCOMPARE(QString(out), QString("{}"));
    QCOMPARE(json.insertString("name", "first"), 0);
    QCOMPARE(json.insertString("name", QString::fromUtf8("é \"q\"")), 0);
    json.toJson(out);
    QCOMPARE(QString(out), QString::fromUtf8("{\"name\":\"é \\\"q\\\"\"}"));
}

QTEST_APPLESS_MAIN(TestCJsonUtil)
#include "tst_CJsonUtil.moc"
