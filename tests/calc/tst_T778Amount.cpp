// The T778's earned income and the amount the e-file line records write for it.
#include <QtTest>

#include "marrow/BusinessForms.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalForms.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/IndividualTaxData.h"

namespace {
template <typename Form> Form *add(IndividualTaxData &person, int type)
{
    TaxDataEntryStru *entry = person.addForm(type, 0, true, 0, false);
    return entry ? dynamic_cast<Form *>(entry->data) : nullptr;
}
} // namespace

class TestT778Amount : public QObject
{
    Q_OBJECT
private slots:
    void amounts_data();
    void amounts();

private:
    DependantInfoStruct m_dependants;
};

void TestT778Amount::amounts_data()
{
    QTest::addColumn<bool>("withT778");
    QTest::addColumn<double>("line12200");
    QTest::addColumn<double>("t2125Net");
    QTest::addColumn<double>("line13500");
    QTest::addColumn<double>("earned");
    QTest::addColumn<double>("amount");
    // Employment part of both sums: 10100 40000 + second 1000 + 10400 other 500 + 15200 250.
    QTest::newRow("no T778") << false << 300.0 << 2000.0 << 2000.0 << 44050.0 << 0.0;
    QTest::newRow("statement net equals T1 net")
        << true << 300.0 << 2000.0 << 2000.0 << 44050.0 << 300.0 + 75.5;
    QTest::newRow("loss counts in neither") << true << 0.0 << -800.0 << -800.0 << 41750.0 << 75.5;
    QTest::newRow("12200 below the tolerance") << true << 0.008 << 0.0 << 0.0 << 41750.0 << 75.5;
    QTest::newRow("statement above the T1 line")
        << true << 0.0 << 1500.0 << 1000.0 << 43250.0 << 500.0 + 75.5;
}

void TestT778Amount::amounts()
{
    QFETCH(bool, withT778);
    QFETCH(double, line12200);
    QFETCH(double, t2125Net);
    QFETCH(double, line13500);
    IndividualTaxData person(0, &m_dependants);
    QCOMPARE(person.getT778Amount(), 0.0);
    auto *t1 = add<TaxData_T1New>(person, FormType::T1);
    t1->f10100 = 40000;
    t1->employmentIncome2 = 1000;
    t1->other10400A = 500;
    t1->f15200 = 250;
    t1->f12200 = line12200;
    t1->f13500 = line13500;
    add<TaxData_T2125_New>(person, FormType::T2125)->netIncome = t2125Net;
    if (withT778)
        add<TaxData_T778New>(person, FormType::T778)->amount = 75.5;
    QTEST(person.GetEarnedIncomeForT778(), "earned");
    QTEST(person.getT778Amount(), "amount");
}

QTEST_GUILESS_MAIN(TestT778Amount)
#include "tst_T778Amount.moc"
