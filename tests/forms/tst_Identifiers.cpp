// Identifiers the checks test: S.I.N.s, postal codes by province, farm-program statements.
#include "marrow/CPostCodeInfo.h"
#include "marrow/CheckSIN.h"
#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"

#include <QtTest>

class TestIdentifiers : public QObject
{
    Q_OBJECT
private slots:
    void sin_data();
    void sin();
    void postCode_data();
    void postCode();
    void farmStatement_data();
    void farmStatement();
};

void TestIdentifiers::sin_data()
{
    QTest::addColumn<QString>("sin");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid") << "046454286" << true;
    QTest::newRow("valid with blanks") << "046 454 286" << true;
    QTest::newRow("valid with hyphens") << "130-692-544" << true;
    QTest::newRow("check digit off by one") << "046454287" << false;
    QTest::newRow("two digits swapped") << "046454268" << false;
    QTest::newRow("eight digits") << "04645428" << false;
    QTest::newRow("ten digits") << "0464542860" << false;
    QTest::newRow("a letter") << "04645428A" << false;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("٠٤٦٤٥٤٢٨٦") << false;
    QTest::newRow("empty") << "" << false;
    // Passes the arithmetic; the checks refuse it apart.
    QTest::newRow("zeros") << "000000000" << true;
}

void TestIdentifiers::sin()
{
    QFETCH(QString, sin);
    QFETCH(bool, valid);
    QCOMPARE(CheckSIN(sin), valid);
}

void TestIdentifiers::postCode_data()
{
    QTest::addColumn<QString>("postCode");
    QTest::addColumn<int>("province");
    // Province codes of the form tables: 1 AB ... 13 YT; 0 for none.
    QTest::newRow("Alberta") << "T2P 1J9" << 1;
    QTest::newRow("British Columbia") << "V6B 4Y8" << 2;
    QTest::newRow("Manitoba") << "R3C 4T3" << 3;
    QTest::newRow("New Brunswick") << "E1C 4M3" << 4;
    QTest::newRow("Newfoundland") << "A1C 5M2" << 5;
    QTest::newRow("Nova Scotia") << "B3H 1A1" << 6;
    QTest::newRow("Northwest Territories X0E") << "X0E 0N0" << 7;
    QTest::newRow("Northwest Territories X1A") << "X1A 2N5" << 7;
    QTest::newRow("Nunavut X0A") << "X0A 0H0" << 8;
    QTest::newRow("Nunavut X0B") << "x0b 0c0" << 8;
    QTest::newRow("Nunavut X0C") << "X0C0G0" << 8;
    QTest::newRow("Ontario K") << "K1A 0B1" << 9;
    QTest::newRow("Ontario L") << "L5B 3C2" << 9;
    QTest::newRow("Ontario M") << "M5V 3L9" << 9;
    QTest::newRow("Ontario N") << "N2L 3G1" << 9;
    QTest::newRow("Ontario P") << "P3E 2C6" << 9;
    QTest::newRow("Prince Edward Island") << "C1A 7N8" << 10;
    QTest::newRow("Quebec G") << "G1R 4P5" << 11;
    QTest::newRow("Quebec H") << " h2x 1y4" << 11;
    QTest::newRow("Quebec J") << "J4K 5G4" << 11;
    QTest::newRow("Saskatchewan") << "S4P 3Y2" << 12;
    QTest::newRow("Yukon") << "Y1A 2C6" << 13;
    QTest::newRow("unused letter D") << "D1A 1A1" << 0;
    QTest::newRow("too short") << "K1" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestIdentifiers::postCode()
{
    QFETCH(QString, postCode);
    QFETCH(int, province);
    const CPostCodeInfo &info = CPostCodeInfo::GetInstance();
    QCOMPARE(&info, &CPostCodeInfo::GetInstance());
    QCOMPARE(info.provinceOf(postCode), province);
    for (int p = 0; p <= 14; ++p)
        QCOMPARE(info.IsPostCodeFromProv(postCode, p), province != 0 && p == province);
}

void TestIdentifiers::farmStatement_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("form");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("Alberta") << 1 << FormType::T1273;
    QTest::newRow("British Columbia") << 2 << FormType::T1163;
    QTest::newRow("Nunavut") << 8 << FormType::T1163;
    QTest::newRow("Ontario") << 9 << FormType::T1273;
    QTest::newRow("Prince Edward Island") << 10 << FormType::T1273;
    QTest::newRow("Quebec") << 11 << 0;
    QTest::newRow("Saskatchewan") << 12 << FormType::T1273;
    QTest::newRow("Yukon") << 13 << FormType::T1163;
    QTest::newRow("outside the table") << 14 << 0;
    QTest::newRow("negative") << -1 << 0;
}

void TestIdentifiers::farmStatement()
{
    QFETCH(int, province);
    QFETCH(int, form);
    QCOMPARE(GetCAISFormTypeFromProv(province), form);
}

QTEST_GUILESS_MAIN(TestIdentifiers)
#include "tst_Identifiers.moc"
