// The calculations of the further federal forms on their own, from the 2025 figures of
// docs/TaxFigures2025.md: the GST/HST rebate, the Canada caregiver amounts of Schedule 5, home
// accessibility expenses, the northern residents deductions, meals of transport employees,
// the additional tax on RESP payments, the tax shelter claim, the loss carryback request, the
// exempt income of the T90, the pension split after the adjustment and the foreign tax on
// property income above 15%.
#include <QtTest>

#include "brevant/BrevantForms.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TypeCodes.h"

namespace {

constexpr int kParent = 5;
constexpr int kSon = 1;

void setAmount(CTaxData_Form &form, const char *name, double value)
{
    CField *field = form.findField(name);
    if (auto *amount = dynamic_cast<CFloatField *>(field))
        *amount = value;
    else if (auto *count = dynamic_cast<CIntField *>(field))
        *count = int(value);
    else if (auto *flag = dynamic_cast<CBoolField *>(field))
        *flag = value != 0;
    else
        qFatal("no field %s", name);
}

double amount(const CTaxData_Form &form, const char *name)
{
    const auto *field = dynamic_cast<const CFloatField *>(form.findField(name));
    if (!field)
        qFatal("no amount %s", name);
    return field->value();
}

using Values = QList<QPair<QByteArray, double>>;

void setAll(CTaxData_Form &form, const Values &values)
{
    for (const auto &value : values)
        setAmount(form, value.first.constData(), value.second);
}

// Compares each expected amount of the form to the cent.
void expectAll(const CTaxData_Form &form, const Values &expected)
{
    for (const auto &value : expected) {
        const double actual = amount(form, value.first.constData());
        QVERIFY2(qAbs(actual - value.second) < 0.001,
                 qPrintable(QString("%1: %2, expected %3")
                                .arg(QString::fromLatin1(value.first))
                                .arg(actual, 0, 'f', 2)
                                .arg(value.second, 0, 'f', 2)));
    }
}

struct Dependant
{
    QDate born;
    int relationship;
    int infirm;
    double netIncome;
    const char *sin;
};

} // namespace

Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(QList<Dependant>)

class TestFederalFormCalculations : public QObject
{
    Q_OBJECT

private slots:
    void gstRebate_data();
    void gstRebate();
    void caregiver_data();
    void caregiver();
    void homeAccessibility_data();
    void homeAccessibility();
    void northernResidents_data();
    void northernResidents();
    void mealsAndLodging_data();
    void mealsAndLodging();
    void respAccumulatedIncome_data();
    void respAccumulatedIncome();
    void taxShelters();
    void lossCarryback_data();
    void lossCarryback();
    void indianActIncome();
    void pensionSplitAfterTax();
    void foreignPropertyTax_data();
    void foreignPropertyTax();
};

void TestFederalFormCalculations::gstRebate_data()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    // 1,050 x 5/105 = 50; 2,260 x 13/113 = 260; 1,140 x 14/114 = 140; 1,150 x 15/115 = 150.
    QTest::newRow("GST on expenses")
        << Values{{"gstExpenses", 1050}} << Values{{"gstRebate", 50}, {"rebate", 50}};
    QTest::newRow("GST on expenses and CCA") << Values{{"gstExpenses", 840}, {"gstCca", 210}}
                                             << Values{{"gstRebate", 50}, {"rebate", 50}};
    QTest::newRow("13% HST") << Values{{"hst13Expenses", 2000}, {"hst13Cca", 260}}
                             << Values{{"hst13Rebate", 260}, {"rebate", 260}};
    QTest::newRow("14% HST") << Values{{"hst14Expenses", 1140}}
                             << Values{{"hst14Rebate", 140}, {"rebate", 140}};
    QTest::newRow("15% HST") << Values{{"hst15Cca", 1150}}
                             << Values{{"hst15Rebate", 150}, {"rebate", 150}};
    QTest::newRow("every rate") << Values{{"gstExpenses", 1050},
                                          {"hst13Expenses", 2260},
                                          {"hst14Expenses", 1140},
                                          {"hst15Expenses", 1150}}
                                << Values{{"rebate", 600}};
    // 100 x 13/113 = 11.504... rounds to 11.50.
    QTest::newRow("rounded to the cent")
        << Values{{"hst13Expenses", 100}} << Values{{"hst13Rebate", 11.5}, {"rebate", 11.5}};
    QTest::newRow("a negative expense counts as none")
        << Values{{"gstExpenses", -1050}, {"hst13Expenses", 2260}} << Values{{"rebate", 260}};
    QTest::newRow("nothing entered") << Values{} << Values{{"rebate", 0}};
}

void TestFederalFormCalculations::gstRebate()
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    CTaxData_GST370 form;
    setAll(form, entered);
    form.Calculate01();
    expectAll(form, expected);
}

void TestFederalFormCalculations::caregiver_data()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<QList<Dependant>>("dependants");
    QTest::addColumn<Values>("expected");
    const QList<Dependant> none;
    // Claimant's net income 60,000: basic personal amount 16,129.
    // Infirm spouse of 15,000: 30300 = 16,129 + 2,687 - 15,000 = 3,816; top-up 8,601 - 3,816.
    QTest::newRow("infirm spouse, 15,000")
        << Values{{"claimantNetIncome", 60000},
                  {"canClaimSpouse", 1},
                  {"spouseInfirm", 1},
                  {"spouseNetIncome", 15000}}
        << none << Values{{"30300", 3816}, {"30425", 4785}, {"30450", 0}};
    // 25,000: no spouse amount (18,816 - 25,000 < 0); 8,601 - (25,000 - 20,197) = 3,798.
    QTest::newRow("infirm spouse, 25,000") << Values{{"claimantNetIncome", 60000},
                                                     {"canClaimSpouse", 1},
                                                     {"spouseInfirm", 1},
                                                     {"spouseNetIncome", 25000}}
                                           << none << Values{{"30300", 0}, {"30425", 3798}};
    // Above 28,798 nothing is left.
    QTest::newRow("infirm spouse, 30,000") << Values{{"claimantNetIncome", 60000},
                                                     {"canClaimSpouse", 1},
                                                     {"spouseInfirm", 1},
                                                     {"spouseNetIncome", 30000}}
                                           << none << Values{{"30300", 0}, {"30425", 0}};
    QTest::newRow("spouse not infirm")
        << Values{{"claimantNetIncome", 60000}, {"canClaimSpouse", 1}, {"spouseNetIncome", 15000}}
        << none << Values{{"30300", 1129}, {"30425", 0}};
    // Eligible dependant of 12,000: 30400 = 18,816 - 12,000 = 6,816; top-up 8,601 - 6,816.
    QTest::newRow("infirm eligible dependant, 12,000")
        << Values{{"claimantNetIncome", 60000},
                  {"eligibleDependants", 1},
                  {"dependantInfirm", 1},
                  {"dependantNetIncome", 12000}}
        << none << Values{{"30400", 6816}, {"30425", 1785}};
    QTest::newRow("infirm eligible dependant, 5,000")
        << Values{{"claimantNetIncome", 60000},
                  {"eligibleDependants", 1},
                  {"dependantInfirm", 1},
                  {"dependantNetIncome", 5000}}
        << none << Values{{"30400", 13816}, {"30425", 0}};
    // A parent of 70 with 22,000: 8,601 - 1,803 = 6,798; the infirm son of 16 is line 30500's
    // and the parent without an infirmity counts for nothing.
    QTest::newRow("other infirm dependants")
        << Values{{"claimantNetIncome", 60000}}
        << QList<Dependant>{{QDate(1955, 1, 1), kParent, 1, 22000, "000000001"},
                            {QDate(2009, 1, 1), kSon, 1, 0, "000000002"},
                            {QDate(1950, 1, 1), kParent, 0, 0, "000000003"}}
        << Values{{"30300", 0}, {"30400", 0}, {"30425", 0}, {"30450", 6798}};
    // The eligible dependant (known by the S.I.N. given) is not counted again on 30450.
    QTest::newRow("eligible dependant not counted twice")
        << Values{{"claimantNetIncome", 60000},
                  {"eligibleDependants", 1},
                  {"dependantInfirm", 1},
                  {"dependantNetIncome", 12000}}
        << QList<Dependant>{{QDate(1955, 1, 1), kParent, 1, 12000, "000000001"},
                            {QDate(1950, 1, 1), kParent, 1, 0, "000000003"}}
        << Values{{"30400", 6816}, {"30425", 1785}, {"30450", 8601}};
}

void TestFederalFormCalculations::caregiver()
{
    QFETCH(Values, entered);
    QFETCH(QList<Dependant>, dependants);
    QFETCH(Values, expected);
    DependantInfoStruct block;
    block.AllocData(dependants.size());
    for (int i = 0; i < dependants.size(); ++i) {
        DependantRecord &r = block.record(i);
        r.birthDate = dependants[i].born;
        r.relationship = dependants[i].relationship;
        r.infirm = dependants[i].infirm;
        r.netIncome = dependants[i].netIncome;
        r.sin = CString(dependants[i].sin);
    }
    TaxData_Sch5 form;
    form.setDepInfo(&block);
    form.sin55295 = CString("000000001");
    setAll(form, entered);
    form.Calculate01();
    expectAll(form, expected);
}

void TestFederalFormCalculations::homeAccessibility_data()
{
    QTest::addColumn<double>("expenses");
    QTest::addColumn<double>("claimed");
    QTest::newRow("under the maximum") << 8000.0 << 8000.0;
    QTest::newRow("above the maximum of 10,000") << 12000.0 << 10000.0;
    QTest::newRow("negative") << -500.0 << 0.0;
}

void TestFederalFormCalculations::homeAccessibility()
{
    QFETCH(double, expenses);
    QFETCH(double, claimed);
    TaxData_Sch12_2016 form;
    form.eligibleExpenses = expenses;
    form.Calculate01();
    QCOMPARE(double(form.f31285), claimed);
}

void TestFederalFormCalculations::northernResidents_data()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    // 365 x 11 + 365 x 11 = 8,030, under 20% of 60,000.
    QTest::newRow("Zone A, the whole year")
        << Values{{"netIncome", 60000}, {"days1", 365}, {"days3", 365}}
        << Values{{"residencyDeduction", 8030}, {"travelDeduction", 0}, {"deduction", 8030}};
    QTest::newRow("limited to 20% of net income")
        << Values{{"netIncome", 30000}, {"days1", 365}, {"days3", 365}}
        << Values{{"residencyDeduction", 6000}, {"deduction", 6000}};
    // Half of 365 x 11.
    QTest::newRow("Zone B, basic only")
        << Values{{"netIncome", 60000}, {"days2", 365}} << Values{{"residencyDeduction", 2007.5}};
    QTest::newRow("days are whole days")
        << Values{{"netIncome", 60000}, {"days1", 30.9}} << Values{{"residencyDeduction", 330}};
    // The least of the benefits 800, the expenses 1,500 and the airfare 1,000.
    QTest::newRow("travel: benefits the least")
        << Values{{"netIncome", 60000},
                  {"slipAmount1", 500},
                  {"slipAmount2", 300},
                  {"travelExpensesA", 1500},
                  {"lowestAirfareA", 1000}}
        << Values{{"travelDeduction", 800}, {"deduction", 800}};
    QTest::newRow("travel: standard amount, airfare the least")
        << Values{{"netIncome", 60000},
                  {"standardAmount", 1},
                  {"travelExpensesA", 1500},
                  {"lowestAirfareA", 1000}}
        << Values{{"travelDeduction", 1000}};
    // Zone A takes 1,000 of the 1,200; Zone B the other 200, halved.
    QTest::newRow("travel: both zones share the amount")
        << Values{{"netIncome", 60000},     {"standardAmount", 1},    {"travelExpensesA", 1500},
                  {"lowestAirfareA", 1000}, {"travelExpensesB", 900}, {"lowestAirfareB", 1100}}
        << Values{{"travelDeduction", 1100}};
}

void TestFederalFormCalculations::northernResidents()
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    CTaxData_T2222 form;
    setAll(form, entered);
    form.Calculate01();
    expectAll(form, expected);
}

void TestFederalFormCalculations::mealsAndLodging_data()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    QTest::newRow("simplified, long-haul: 100 x 23 x 80%")
        << Values{{"simplifiedMeals", 100}, {"longHaul", 1}}
        << Values{{"mealsClaim", 1840}, {"deduction", 1840}};
    QTest::newRow("simplified, other: 100 x 23 x 50%")
        << Values{{"simplifiedMeals", 100}} << Values{{"mealsClaim", 1150}};
    QTest::newRow("at most three meals a day: 60 x 23 x 50%")
        << Values{{"simplifiedMeals", 100}, {"daysAway", 20}} << Values{{"mealsClaim", 690}};
    QTest::newRow("detailed, long-haul, with lodging and a typed share")
        << Values{{"mealsBought", 1000},
                  {"longHaul", 1},
                  {"lodgingExpenses", 500},
                  {"deductibleMeals", 100}}
        << Values{{"mealsClaim", 800}, {"deduction", 1400}};
}

void TestFederalFormCalculations::mealsAndLodging()
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    TaxData_TL2_New form;
    setAll(form, entered);
    form.Calculate01();
    expectAll(form, expected);
}

void TestFederalFormCalculations::respAccumulatedIncome_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    QTest::newRow("Part A: 10,000 less 4,000 deducted, 20%")
        << int(ProvinceCode::ON)
        << Values{{"t4aBox40", 10000}, {"partA", 1}, {"contributionsDeducted", 4000}}
        << Values{{"68270", 10000}, {"68280", 6000}, {"additionalTax", 1200}};
    QTest::newRow("Part B: all of it, 20%")
        << int(ProvinceCode::ON)
        << Values{{"t4aBox40", 10000}, {"partA", 0}, {"contributionsDeducted", 4000}}
        << Values{{"68280", 10000}, {"additionalTax", 2000}};
    // 48,000 used before leaves 2,000 of the lifetime 50,000.
    QTest::newRow("Part A: the lifetime limit") << int(ProvinceCode::ON)
                                                << Values{{"t4aBox40", 10000},
                                                          {"partA", 1},
                                                          {"contributionsDeducted", 4000},
                                                          {"earlierReductions", 48000}}
                                                << Values{{"68280", 8000}, {"additionalTax", 1600}};
    QTest::newRow("Quebec: 12%") << int(ProvinceCode::QC)
                                 << Values{{"t4aBox40", 10000},
                                           {"partA", 1},
                                           {"contributionsDeducted", 4000}}
                                 << Values{{"68280", 6000}, {"additionalTax", 720}};
}

void TestFederalFormCalculations::respAccumulatedIncome()
{
    QFETCH(int, province);
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    TaxData_T1172New form;
    form.province = province;
    setAll(form, entered);
    form.Calculate01();
    expectAll(form, expected);
}

void TestFederalFormCalculations::taxShelters()
{
    TaxData_T5004 form;
    form.shelters.textAt(0, 0) = CString("TS012345");
    form.shelters.amountAt(0, 1) = 1000;
    form.shelters.amountAt(1, 1) = 2500.25;
    form.Calculate01();
    QCOMPARE(double(form.f6765), 3500.25);
}

void TestFederalFormCalculations::lossCarryback_data()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    // Business loss 30,000 against other income 5,000 and deductions 2,000: 27,000.
    const Values year{{"otherIncome", 5000}, {"deductions", 2000}, {"capitalLoss", 3000}};
    QTest::newRow("all of the loss asked for")
        << (year + Values{{"lossAmount", 30000}, {"capitalLossRequested", 5000}})
        << Values{{"nonCapitalLoss", 27000},
                  {"lossCarriedBack", 27000},
                  {"lossCarriedForward", 0},
                  {"capitalLossCarriedBack", 3000}};
    QTest::newRow("part of it") << (year + Values{{"lossAmount", 10000}})
                                << Values{{"nonCapitalLoss", 27000},
                                          {"lossCarriedBack", 10000},
                                          {"lossCarriedForward", 17000}};
}

void TestFederalFormCalculations::lossCarryback()
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    TaxData_T1ANew form;
    form.incomeParts.amountAt(4, 1) = 30000; // the business loss
    setAll(form, entered);
    form.Calculate01();
    expectAll(form, expected);
}

void TestFederalFormCalculations::indianActIncome()
{
    TaxData_T90 form;
    form.exemptAmount = 20000;
    form.secondAmount = -100;
    form.Calculate01();
    QCOMPARE(double(form.cwbEmployment), 20000.0);
    QCOMPARE(double(form.cwbSelfEmployment), 0.0);
}

void TestFederalFormCalculations::pensionSplitAfterTax()
{
    TaxData_T1032_New form;
    form.pensionerTaxAfterSplit = 5000.25;
    form.transfereeTaxAfterSplit = 3000.5;
    form.CalculateIncomeTaxAfterAdjustment();
    QCOMPARE(double(form.combinedTaxAfterSplit), 8000.75);
}

// The T2209: the foreign tax above 15% of property income is deducted (adjustment15) and only
// the rest counts for the credit, which is the lesser of that tax and the tax limit in the
// proportion of the foreign income to the income base (here 10,000 of tax on 100,000).
void TestFederalFormCalculations::foreignPropertyTax_data()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected");
    // 15% x 2,000 = 300: 500 - 300 = 200 deducted, 300 creditable; the limit 10,000 x 2% =
    // 200 is less.
    QTest::newRow("typed property income taxed 25%")
        << Values{{"foreignIncome", 2000}, {"foreignTax", 500}, {"typedIsPropertyIncome", 1}}
        << Values{{"adjustment15", 200}, {"credit", 200}};
    // The same amounts not from property: nothing deducted, the limit 200 again.
    QTest::newRow("typed income not from property")
        << Values{{"foreignIncome", 2000}, {"foreignTax", 500}}
        << Values{{"adjustment15", 0}, {"credit", 200}};
    // 10% is under 15%: nothing deducted; 100 creditable, under the limit of 100.
    QTest::newRow("property income taxed under 15%")
        << Values{{"foreignIncome", 1000}, {"foreignTax", 100}, {"typedIsPropertyIncome", 1}}
        << Values{{"adjustment15", 0}, {"credit", 100}};
    // Tax on a loss is all above 15% of it: the whole 80 is deducted, none credited.
    QTest::newRow("tax paid on a property loss")
        << Values{{"foreignIncome", -1000}, {"foreignTax", 80}, {"typedIsPropertyIncome", 1}}
        << Values{{"adjustment15", 80}, {"credit", 0}};
    // The slips' part adds to the typed part: two T5 slips, 1,000 taxed 300 (150 above 15%)
    // and 9,000 taxed nothing, give 10,000 and 300 with 150 found slip by slip. Deducted 150
    // + 200 = 350; creditable 500 + 300 - 350 = 450, under the limit 10,000 x 12,000 /
    // 100,000 = 1,200: credit 450.
    QTest::newRow("slips' part and typed part")
        << Values{{"foreignIncome", 2000}, {"foreignTax", 500},  {"typedIsPropertyIncome", 1},
                  {"slipAmount1", 10000},  {"slipAmount2", 300}, {"slipPropertyTaxOver15", 150}}
        << Values{{"adjustment15", 350}, {"credit", 450}};
}

void TestFederalFormCalculations::foreignPropertyTax()
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    TaxData_T2209_2036 form;
    setAll(form, entered);
    form.incomeBase = 100000;
    form.taxLimit = 10000;
    form.Adjust15Percent();
    form.Calculate01();
    expectAll(form, expected);
}

QTEST_GUILESS_MAIN(TestFederalFormCalculations)
#include "tst_FederalFormCalculations.moc"
