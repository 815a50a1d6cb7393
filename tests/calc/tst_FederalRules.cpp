// The 2025 federal rules as tables: bracket tax at and past each threshold, the basic personal
// amount, the age amount, the Canada employment amount, the pension contributions and the
// rounding of amounts to the cent.
#include <QtTest>

#include "marrow/FederalTaxRules.h"
#include "marrow/TaxData_T1New.h"

using namespace FederalTaxRules;

class TestFederalRules : public QObject
{
    Q_OBJECT
private slots:
    void bracketTax_data();
    void bracketTax();
    void basicPersonalAmount_data();
    void basicPersonalAmount();
    void ageAmount_data();
    void ageAmount();
    void canadaEmploymentAmount_data();
    void canadaEmploymentAmount();
    void pensionContributions_data();
    void pensionContributions();
    void roundingIsHalfAwayFromZero_data();
    void roundingIsHalfAwayFromZero();
};

void TestFederalRules::bracketTax_data()
{
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("tax");
    // Each threshold's tax is the sum of the full brackets below it; a dollar past it pays
    // the next rate.
    QTest::newRow("0") << 0.0 << 0.0;
    QTest::newRow("1") << 1.0 << 0.15;                // 0.145
    QTest::newRow("57,375") << 57375.0 << 8319.38;    // 57,375 x 14.5% = 8,319.375
    QTest::newRow("57,376") << 57376.0 << 8319.58;    // + 20.5%
    QTest::newRow("114,750") << 114750.0 << 20081.25; // + 57,375 x 20.5% = 11,761.875
    QTest::newRow("114,751") << 114751.0 << 20081.51; // + 26%
    QTest::newRow("177,882") << 177882.0 << 36495.57; // + 63,132 x 26% = 16,414.32
    QTest::newRow("177,883") << 177883.0 << 36495.86; // + 29%
    QTest::newRow("253,414") << 253414.0 << 58399.85; // + 75,532 x 29% = 21,904.28
    QTest::newRow("253,415") << 253415.0 << 58400.18; // + 33%
    QTest::newRow("negative") << -500.0 << 0.0;
}

void TestFederalRules::bracketTax()
{
    QFETCH(double, income);
    QFETCH(double, tax);
    QCOMPARE(roundCents(FederalTaxRules::bracketTax(income)), tax);
    QCOMPARE(roundCents(STRUCT_TAX_STAIRS_JURISDICTION().CalcAlgoForSpouseF260S2(income, nullptr)),
             tax);
}

void TestFederalRules::basicPersonalAmount_data()
{
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<double>("amount");
    QTest::newRow("below the reduction") << 50000.0 << 16129.0;
    QTest::newRow("177,882: the maximum") << 177882.0 << 16129.0;
    // 16,129 - 1,591 x 37,766 / 75,532
    QTest::newRow("215,648: half way") << 215648.0 << 15333.5;
    QTest::newRow("253,414: the minimum") << 253414.0 << 14538.0;
    QTest::newRow("above") << 400000.0 << 14538.0;
}

void TestFederalRules::basicPersonalAmount()
{
    QFETCH(double, netIncome);
    QFETCH(double, amount);
    QCOMPARE(roundCents(FederalTaxRules::basicPersonalAmount(netIncome)), amount);
}

void TestFederalRules::ageAmount_data()
{
    QTest::addColumn<bool>("senior");
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<double>("amount");
    QTest::newRow("45,522: the maximum") << true << 45522.0 << 9028.0;
    QTest::newRow("50,000") << true << 50000.0 << 8356.3; // 9,028 - 15% x 4,478
    QTest::newRow("105,709: nothing") << true << 105709.0 << 0.0;
    QTest::newRow("under 65") << false << 20000.0 << 0.0;
}

void TestFederalRules::ageAmount()
{
    QFETCH(bool, senior);
    QFETCH(double, netIncome);
    QFETCH(double, amount);
    QCOMPARE(roundCents(FederalTaxRules::ageAmount(senior, netIncome)), amount);
    QCOMPARE(TaxData_T1New::CalculateAgeAmount(senior, netIncome, 365, 365, 9028, 45522, 0.15),
             amount);
}

void TestFederalRules::canadaEmploymentAmount_data()
{
    QTest::addColumn<double>("employment");
    QTest::addColumn<double>("amount");
    QTest::newRow("below 1,471") << 1000.0 << 1000.0;
    QTest::newRow("1,471") << 1471.0 << 1471.0;
    QTest::newRow("above 1,471") << 1472.0 << 1471.0;
    QTest::newRow("none") << 0.0 << 0.0;
}

void TestFederalRules::canadaEmploymentAmount()
{
    QFETCH(double, employment);
    QFETCH(double, amount);
    QCOMPARE(FederalTaxRules::canadaEmploymentAmount(employment), amount);
}

void TestFederalRules::pensionContributions_data()
{
    QTest::addColumn<bool>("qpp");
    QTest::addColumn<double>("earnings");
    QTest::addColumn<int>("months");
    QTest::addColumn<double>("paid");
    QTest::addColumn<double>("paidSecond");
    QTest::addColumn<double>("base");
    QTest::addColumn<double>("enhanced");
    QTest::addColumn<double>("overpayment");
    // 41,500 x 4.95% and 1%
    QTest::newRow("CPP 45,000") << false << 45000.0 << 12 << 2469.25 << 0.0 << 2054.25 << 415.0
                                << 0.0;
    // 67,800 x 4.95%; 678 + CPP2 4% x 9,900
    QTest::newRow("CPP at the maxima")
        << false << 200000.0 << 12 << 4034.10 << 396.0 << 3356.1 << 1074.0 << 0.0;
    // 46,500 x 5.4% and 1%
    QTest::newRow("QPP 50,000") << true << 50000.0 << 12 << 2976.0 << 0.0 << 2511.0 << 465.0 << 0.0;
    // Six months: (35,650 - 1,750) x 5.95% = 2,017.05 required; 100 paid too much.
    QTest::newRow("six months") << false << 45000.0 << 6 << 2117.05 << 0.0 << 1678.05 << 339.0
                                << 100.0;
    QTest::newRow("no months: all back")
        << false << 45000.0 << 0 << 2469.25 << 0.0 << 0.0 << 0.0 << 2469.25;
}

void TestFederalRules::pensionContributions()
{
    QFETCH(bool, qpp);
    QFETCH(double, earnings);
    QFETCH(int, months);
    QFETCH(double, paid);
    QFETCH(double, paidSecond);
    QFETCH(double, base);
    QFETCH(double, enhanced);
    QFETCH(double, overpayment);
    const PensionSplit split = pensionPlanSplit(qpp, earnings, months, paid, paidSecond);
    QCOMPARE(split.base, base);
    QCOMPARE(split.enhanced, enhanced);
    QCOMPARE(split.overpayment, overpayment);
}

void TestFederalRules::roundingIsHalfAwayFromZero_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("rounded");
    QTest::newRow("half up") << 2956.875 << 2956.88;
    QTest::newRow("half of a negative") << -0.125 << -0.13;
    QTest::newRow("below half") << 3130.59495 << 3130.59;
    QTest::newRow("whole") << 12.0 << 12.0;
}

void TestFederalRules::roundingIsHalfAwayFromZero()
{
    QFETCH(double, amount);
    QFETCH(double, rounded);
    QCOMPARE(roundCents(amount), rounded);
}

QTEST_APPLESS_MAIN(TestFederalRules)
#include "tst_FederalRules.moc"
