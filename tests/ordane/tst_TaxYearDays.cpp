// Day counts of the tax year and the digits of a text.
#include <QtTest>

#include "ordane/TaxYearDays.h"
#include "ordane/Utilities.h"

class TestTaxYearDays : public QObject
{
    Q_OBJECT
private slots:
    void daysInYear();
    void daysInCanada_data();
    void daysInCanada();
    void pureDigits_data();
    void pureDigits();
};

void TestTaxYearDays::daysInYear()
{
    QCOMPARE(GetDaysInYear(2025), 365);
    QCOMPARE(GetDaysInYear(2024), 366);
}

void TestTaxYearDays::daysInCanada_data()
{
    QTest::addColumn<QDate>("entry");
    QTest::addColumn<QDate>("departure");
    QTest::addColumn<int>("days");
    QTest::newRow("open ends") << QDate() << QDate() << 365;
    QTest::newRow("arrived 1 July") << QDate(2025, 7, 1) << QDate() << 184;
    QTest::newRow("left 1 July") << QDate() << QDate(2025, 7, 1) << 182;
    QTest::newRow("one day") << QDate(2025, 3, 3) << QDate(2025, 3, 3) << 1;
    QTest::newRow("arrived last year, left next year")
        << QDate(2024, 5, 1) << QDate(2026, 1, 9) << 365;
    QTest::newRow("left before arriving") << QDate(2025, 9, 1) << QDate(2025, 8, 31) << 0;
    QTest::newRow("arrived next year") << QDate(2026, 2, 1) << QDate() << 0;
    QTest::newRow("left last year") << QDate() << QDate(2024, 12, 31) << 0;
}

void TestTaxYearDays::daysInCanada()
{
    QFETCH(QDate, entry);
    QFETCH(QDate, departure);
    QFETCH(int, days);
    QCOMPARE(DaysInCanadaInTaxYear(2025, entry, departure), days);
}

void TestTaxYearDays::pureDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digits");
    QTest::newRow("blanks and dashes") << " 046-454 286 "
                                       << "046454286";
    QTest::newRow("letters") << "A1b2C3"
                             << "123";
    QTest::newRow("other scripts' digits are not digits here") << "12\u0663"
                                                               << "12";
    QTest::newRow("none") << "--"
                          << "";
}

void TestTaxYearDays::pureDigits()
{
    QFETCH(QString, text);
    QFETCH(QString, digits);
    QCOMPARE(QString(GetPureDigitStr(text)), digits);
}

QTEST_GUILESS_MAIN(TestTaxYearDays)
#include "tst_TaxYearDays.moc"
