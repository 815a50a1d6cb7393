// Province texts a download carries, read into the return's province codes.
#include <QtTest>

#include "ordane/ProvinceText.h"

class TestProvinceText : public QObject
{
    Q_OBJECT

private slots:
    void province_data();
    void province();
};

void TestProvinceText::province_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("AB") << "AB" << 1;
    QTest::newRow("BC") << "BC" << 2;
    QTest::newRow("MB") << "MB" << 3;
    QTest::newRow("NB") << "NB" << 4;
    QTest::newRow("NL") << "NL" << 5;
    QTest::newRow("NS") << "NS" << 6;
    QTest::newRow("NT") << "NT" << 7;
    QTest::newRow("NU") << "NU" << 8;
    QTest::newRow("ON") << "ON" << 9;
    QTest::newRow("PE") << "PE" << 10;
    QTest::newRow("QC") << "QC" << 11;
    QTest::newRow("SK") << "SK" << 12;
    QTest::newRow("YT") << "YT" << 13;
    QTest::newRow("lower case") << "qc" << 11;
    QTest::newRow("mixed case") << "oN" << 9;
    QTest::newRow("blanks around") << "  BC\t" << 2;
    QTest::newRow("English name") << "Nunavut" << 8;
    QTest::newRow("English name, any case") << "PRINCE EDWARD ISLAND" << 10;
    QTest::newRow("two words") << "Newfoundland and Labrador" << 5;
    QTest::newRow("French name") << QString::fromUtf8("Québec") << 11;
    QTest::newRow("French name, upper case") << QString::fromUtf8("NOUVELLE-ÉCOSSE") << 6;
    QTest::newRow("French name with accent") << QString::fromUtf8("Île-du-Prince-Édouard") << 10;
    QTest::newRow("unknown code") << "XX" << 0;
    QTest::newRow("outside Canada") << "US" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blanks only") << "   " << 0;
    QTest::newRow("part of a name") << "Nova" << 0;
    QTest::newRow("code with more") << "ON9" << 0;
    QTest::newRow("a number") << "9" << 0;
}

void TestProvinceText::province()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(getProvince(CString(text)), code);
}

QTEST_GUILESS_MAIN(TestProvinceText)
#include "tst_ProvinceText.moc"
