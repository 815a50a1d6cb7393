// Calculation passes 2 to 6: whole returns through Recalculate with their 2025 federal lines
// derived by hand, and the edge cases of the contribution months, the CPP/QPP mode,
// Schedule 11's base, bankruptcy, the abatement, foreign tax credits, the unused CPP form, the
// instalments, the minimum-tax indicators and the provincial hooks' resets.
#include <QtTest>

#include "CalcFixture.h"
#include "LinkedReturn.h"
#include "PluginFolder.h"
#include "SlipFixtures.h"
#include "TestMain.h"
#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "plugin/TestPluginRecorder.h"

#include <utility>
#include <vector>

using namespace CalcFixture;

namespace {

using namespace ProvinceCode;

const QDate kBornAt40(1985, 3, 1);

using Return = LinkedReturn;

void rrspDeduction(IndividualTaxData &person, double contributions)
{
    auto *sch7 = form<TaxData_Sch7>(person, FormType::SCH7);
    sch7->rrspDeductionLimit = 20000;
    sch7->contribMarToDec = contributions;
}

const std::vector<WholeReturn> &wholeReturnRows()
{
    static const std::vector<WholeReturn> rows = {
        // CPP (45,000 - 3,500) x 5.95% = 2,469.25: base 4.95% = 2,054.25 (30800), first
        // additional 1% = 415.00 (22215). EI 45,000 x 1.64% = 738.00. Net 45,000 - 5,000 -
        // 415 = 39,585. Credits (16,129 + 1,471 + 2,054.25 + 738) x 14.5% = 2,956.876 ->
        // 2,956.88. Tax 39,585 x 14.5% = 5,739.825 -> 5,739.83; 42000 = 2,782.95. BC: tax 39,585
        // x 5.06% = 2,003.00, credits (12,932 + 2,054.25 + 738) x 5.06% = 795.65, reduction 562
        // - 3.56% x 14,565 = 43.49: 42800 = 1,163.86; 43500 = 3,946.81.
        {"BC, 45,000 with payroll CPP/EI and an RRSP of 5,000",
         [](Return &r) {
             r.setUp(BC, kBornAt40);
             IndividualTaxData &p = *r.family.taxpayer();
             Return::addSlip(p, SlipType::T4,
                             {{"box14", 45000},
                              {"box16", 2469.25},
                              {"box18", 738},
                              {"box22", 5000},
                              {"box24", 45000},
                              {"box26", 45000},
                              {"provinceOfEmployment", BC}});
             rrspDeduction(p, 5000);
         },
         {{"15000", 45000},
          {"22215", 415},
          {"23600", 39585},
          {"26000", 39585},
          {"30000", 16129},
          {"30800", 2054.25},
          {"31200", 738},
          {"35000", 2956.88},
          {"42000", 2782.95},
          {"43700", 5000},
          {"42800", 1163.86},
          {"43500", 3946.81},
          {"48400", 1053.19}}},
        // No payroll deductions: net 40,000; credits (16,129 + 1,471) x 14.5% = 2,552.00;
        // tax 40,000 x 14.5% = 5,800.00; 42000 = 3,248.00. BC: 2,024.00 - 654.36 - reduction
        // (562 - 3.56% x 14,980 = 28.71) = 1,340.93.
        {"BC, 45,000 with an RRSP of 5,000",
         [](Return &r) {
             r.setUp(BC, kBornAt40);
             IndividualTaxData &p = *r.family.taxpayer();
             Return::addSlip(p, SlipType::T4, {{"box14", 45000}});
             rrspDeduction(p, 5000);
         },
         {{"15000", 45000},
          {"23600", 40000},
          {"26000", 40000},
          {"30000", 16129},
          {"30800", 0},
          {"31200", 0},
          {"35000", 2552},
          {"42000", 3248},
          {"43700", 0},
          {"42800", 1340.93},
          {"43500", 4588.93},
          {"48500", 4588.93}}},
        // CPP (60,000 - 3,500) x 5.95% = 3,361.75: 2,796.75 and 565.00. EI 984.00. Net
        // 59,435. Credits (16,129 + 1,471 + 2,796.75 + 984) x 14.5% = 3,100.20875 ->
        // 3,100.21. Tax 8,319.375 + 2,060 x 20.5% = 8,741.675 -> 8,741.68; 42000 = 5,641.47.
        // ON: 2,670.743 + 6,549 x 9.15% = 3,269.98 less (12,747 + 2,796.75 + 984) x 5.05% =
        // 834.65: 2,435.33, no surtax, reduction or LIFT; health premium 600: 3,035.33.
        {"ON, 60,000 with payroll CPP/EI",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             Return::addSlip(*r.family.taxpayer(), SlipType::T4,
                             {{"box14", 60000},
                              {"box16", 3361.75},
                              {"box18", 984},
                              {"box22", 9000},
                              {"box24", 60000},
                              {"box26", 60000},
                              {"provinceOfEmployment", ON}});
         },
         {{"15000", 60000},
          {"22215", 565},
          {"23600", 59435},
          {"26000", 59435},
          {"30000", 16129},
          {"30800", 2796.75},
          {"31200", 984},
          {"35000", 3100.21},
          {"42000", 5641.47},
          {"43700", 9000},
          {"42800", 3035.33},
          {"43500", 8676.8},
          {"48400", 323.2}}},
        // Income 30,000 + 8,500 + 9,000 = 47,500. Age amount 9,028 - 15% x 1,978 = 8,731.30;
        // pension amount 2,000. Credits (16,129 + 8,731.30 + 2,000) x 14.5% = 3,894.7435 ->
        // 3,894.74. Tax 47,500 x 14.5% = 6,887.50; 42000 = 2,992.76. AB: age amount 6,221 - 15%
        // x (47,500 - 46,307) = 6,042.05, pension amount 1,685: (22,323 + 6,042.05 + 1,685) x 8%
        // = 2,404.00; 47,500 x 8% = 3,800.00 less 2,404.00: 1,396.00.
        {"AB, single senior of 70 with pension, OAS and CPP",
         [](Return &r) {
             r.setUp(AB, QDate(1955, 3, 1));
             IndividualTaxData &p = *r.family.taxpayer();
             Return::addSlip(p, SlipType::T4A, {{"box16", 30000}, {"box22", 3000}});
             Return::addSlip(p, SlipType::T4AOAS, {{"box18", 8500}});
             Return::addSlip(p, SlipType::T4AP, {{"box20", 9000}});
         },
         {{"15000", 47500},
          {"23600", 47500},
          {"26000", 47500},
          {"30000", 16129},
          {"30100", 8731.3},
          {"31400", 2000},
          {"30800", 0},
          {"31200", 0},
          {"35000", 3894.74},
          {"42000", 2992.76},
          {"43700", 3000},
          {"42800", 1396},
          {"43500", 4388.76},
          {"48500", 1388.76}}},
        // The spouse's net income of 10,000: spouse amount 16,129 - 10,000 = 6,129. Credits
        // (16,129 + 1,471 + 6,129) x 14.5% = 3,440.705 -> 3,440.71. Tax 8,319.375 + 22,625 x
        // 20.5% = 12,957.50; 42000 = 9,516.79. MB (no spouse amount without its published
        // threshold): 5,076 + 33,000 x 12.75% = 9,283.50 less 15,780 x 10.8% = 1,704.24.
        {"MB, coupled, 80,000 and 10,000",
         [](Return &r) {
             r.setUp(MB, kBornAt40, 0);
             r.addSpouse(MB, QDate(1984, 5, 5));
             Return::addSlip(*r.family.taxpayer(), SlipType::T4, {{"box14", 80000}});
             Return::addSlip(*r.family.spouse(), SlipType::T4, {{"box14", 10000}});
             form<TaxData_Sch5>(*r.family.taxpayer(), FormType::SCH5);
         },
         {{"15000", 80000},
          {"23600", 80000},
          {"26000", 80000},
          {"30000", 16129},
          {"30300", 6129},
          {"30800", 0},
          {"31200", 0},
          {"35000", 3440.71},
          {"42000", 9516.79},
          {"43700", 0},
          {"42800", 7579.26},
          {"43500", 17096.05},
          {"48500", 17096.05}}},
        // Eligible dependant with no income: 16,129. Credits (16,129 + 16,129 + 1,471) x
        // 14.5% = 4,890.705 -> 4,890.71. Tax 40,000 x 14.5% = 5,800.00; 42000 = 909.29. SK:
        // 4,200.00 less (19,491 + 19,491) x 10.5% = 4,093.11: 106.89.
        {"SK, single parent with one child",
         [](Return &r) {
             r.setUp(SK, kBornAt40);
             IndividualTaxData &p = *r.family.taxpayer();
             Return::addSlip(p, SlipType::T4, {{"box14", 40000}, {"box22", 1000}});
             form<TaxData_Sch5>(p, FormType::SCH5)->eligibleDependants = 1;
         },
         {{"15000", 40000},
          {"23600", 40000},
          {"26000", 40000},
          {"30000", 16129},
          {"30400", 16129},
          {"30800", 0},
          {"31200", 0},
          {"35000", 4890.71},
          {"42000", 909.29},
          {"43700", 1000},
          {"42800", 106.89},
          {"43500", 1016.18},
          {"48500", 16.18}}},
        // QPP (50,000 - 3,500) x 6.4% = 2,976.00: base 5.4% = 2,511.00, 1% = 465.00. Quebec EI
        // 50,000 x 1.31% = 655.00; PPIP 50,000 x 0.494% = 247.00. Net 49,535. Credits
        // (16,129 + 1,471 + 2,511 + 655 + 247) x 14.5% = 3,046.885 -> 3,046.89. Tax 49,535 x
        // 14.5% = 7,182.575 -> 7,182.58; 42000 = 4,135.69; abatement 16.5% = 682.39.
        {"QC, 50,000 with QPP, PPIP and Quebec EI",
         [](Return &r) {
             r.setUp(QC, kBornAt40);
             Return::addSlip(*r.family.taxpayer(), SlipType::T4,
                             {{"box14", 50000},
                              {"box17", 2976},
                              {"box18", 655},
                              {"box55", 247},
                              {"box22", 6000},
                              {"box24", 50000},
                              {"box26", 50000},
                              {"provinceOfEmployment", QC}});
         },
         {{"15000", 50000},
          {"22215", 465},
          {"23600", 49535},
          {"26000", 49535},
          {"30000", 16129},
          {"30800", 2511},
          {"31200", 655},
          {"31205", 247},
          {"35000", 3046.89},
          {"42000", 4135.69},
          {"43700", 6000},
          {"44000", 682.39},
          {"42800", 0},
          {"43500", 4135.69},
          {"48400", 2546.7}}},
        // CPP at the maxima: 3,356.10 and 678 + 396 = 1,074.00; EI 1,077.48. Net 198,926.
        // Basic amount 16,129 - 1,591 x 21,044 / 75,532 = 15,685.73. Credits (15,685.73 +
        // 1,471 + 3,356.10 + 1,077.48) x 14.5% = 3,130.59495 -> 3,130.59. Tax 36,495.57 +
        // 21,044 x 29% = 42,598.33; 42000 = 39,467.74. ON: 18,395.00 less (12,747 + 3,356.10 +
        // 1,077.48) x 5.05% = 867.62: 17,527.38; surtax 20% x 11,817.38 + 36% x 10,220.38 =
        // 6,042.81; health premium 750: 24,320.19.
        {"ON, 200,000",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             Return::addSlip(*r.family.taxpayer(), SlipType::T4,
                             {{"box14", 200000},
                              {"box16", 4034.1},
                              {"box16A", 396},
                              {"box18", 1077.48},
                              {"box22", 55000},
                              {"box24", 65700},
                              {"box26", 200000},
                              {"provinceOfEmployment", ON}});
         },
         {{"15000", 200000},
          {"22215", 1074},
          {"23600", 198926},
          {"26000", 198926},
          {"30000", 15685.73},
          {"30800", 3356.1},
          {"31200", 1077.48},
          {"35000", 3130.59},
          {"42000", 39467.74},
          {"43700", 55000},
          {"42800", 24320.19},
          {"43500", 63787.93},
          {"48500", 8787.93}}},
        // Federal: 50,000 x 14.5% = 7,250.00 less 2,552.00: 4,698.00. NS: 2,681.5653 + 19,493 x
        // 14.95% = 5,595.77 less 11,744 x 8.79% = 1,032.30: 4,563.47.
        {"NS, 50,000",
         [](Return &r) {
             r.setUp(NS, kBornAt40);
             Return::addSlip(*r.family.taxpayer(), SlipType::T4,
                             {{"box14", 50000}, {"box22", 8000}});
         },
         {{"42000", 4698}, {"42800", 4563.47}, {"43500", 9261.47}, {"48500", 1261.47}}},
        // Federal: 8,319.375 + 12,625 x 20.5% = 10,907.50 less 2,552.00: 8,355.50. NB:
        // 4,822.764 + 18,694 x 14% = 7,439.92 less 13,396 x 9.4% = 1,259.22: 6,180.70.
        {"NB, 70,000",
         [](Return &r) {
             r.setUp(NB, kBornAt40);
             Return::addSlip(*r.family.taxpayer(), SlipType::T4,
                             {{"box14", 70000}, {"box22", 15000}});
         },
         {{"42000", 8355.5}, {"42800", 6180.7}, {"43500", 14536.2}, {"48400", 463.8}}},
        // Federal: 4,350.00 less 2,552.00: 1,798.00. NL: 30,000 x 8.7% = 2,610.00 less 11,067
        // x 8.7% = 962.83: 1,647.17.
        {"NL, 30,000",
         [](Return &r) {
             r.setUp(NL, kBornAt40);
             Return::addSlip(*r.family.taxpayer(), SlipType::T4,
                             {{"box14", 30000}, {"box22", 4000}});
         },
         {{"42000", 1798}, {"42800", 1647.17}, {"43500", 3445.17}, {"48400", 554.83}}},
        // The basic amount 16,129 - 1,591 x 2,118 / 75,532 = 16,084.39 on both returns.
        // Federal: 37,109.79 less (16,084.39 + 1,471) x 14.5% = 2,545.53: 34,564.26. YT:
        // 3,672 + 5,163.75 + 6,881.388 + 2,118 x 12.8% = 15,988.24 less (16,084.39 + the
        // Canada employment amount 1,471) x 6.4% = 1,123.54: 14,864.70.
        {"YT, 180,000",
         [](Return &r) {
             r.setUp(YT, kBornAt40);
             Return::addSlip(*r.family.taxpayer(), SlipType::T4,
                             {{"box14", 180000}, {"box22", 50000}});
         },
         {{"30000", 16084.39},
          {"42000", 34564.26},
          {"42800", 14864.7},
          {"43500", 49428.96},
          {"48400", 571.04}}},
    };
    return rows;
}

// An Ontario taxpayer with a mailing address and telephone in Ottawa and a T4 of 45,000 with
// the tax deducted given; null when the plug-in could not be linked.
TaxData_T1New *employedInOttawa(Return &r, double taxDeducted)
{
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    if (!t1)
        return nullptr;
    t1->street = QStringLiteral("12 Elm St");
    t1->city = QStringLiteral("Ottawa");
    t1->mailingProvince = ON;
    t1->postalCode = QStringLiteral("K1A0B1");
    t1->phone = QStringLiteral("6135550100");
    Return::addSlip(*r.family.taxpayer(), SlipType::T4, {{"box14", 45000}, {"box22", taxDeducted}});
    return t1;
}

} // namespace

class TestPasses2To6 : public QObject
{
    Q_OBJECT
private slots:
    void wholeReturns_data();
    void wholeReturns();
    void spouseReturnOfTheCouple();
    void cppMonths_data();
    void cppMonths();
    void modeIsNeverLowered();
    void blankBox26CountsBox14();
    void schedule11Base_data();
    void schedule11Base();
    void bankruptcyProration_data();
    void bankruptcyProration();
    void abatementInQuebecOnly_data();
    void abatementInQuebecOnly();
    void twoForeignTaxCredits_data();
    void twoForeignTaxCredits();
    void unusedCppFormRemoved_data();
    void unusedCppFormRemoved();
    void instalments();
    void instalmentThreshold_data();
    void instalmentThreshold();
    void rentalLossIndicators();
    void pass5HooksStartFromZero();
    void filingFormsTakeTheReturn();
    void discountedRefundTakesTheReturn();
    void deductionForms_data();
    void deductionForms();
    void overpayments_data();
    void overpayments();
    void workersBenefit_data();
    void workersBenefit();
    void caregiverForInfirmChildren_data();
    void caregiverForInfirmChildren();
    void oasRecovery_data();
    void oasRecovery();
    void creditsAndDeductions_data();
    void creditsAndDeductions();
    void provincialHooksInOrder();
    void splitIncome();
    void everyPluginLoadedKeepsTheProvincialTax();
};

void TestPasses2To6::wholeReturns_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < wholeReturnRows().size(); ++i)
        QTest::newRow(wholeReturnRows()[i].name) << int(i);
}

void TestPasses2To6::wholeReturns()
{
    QFETCH(int, index);
    const WholeReturn &row = wholeReturnRows()[size_t(index)];
    Return r;
    row.build(r);
    TaxData_T1New *t1 = t1Of(*r.family.taxpayer());
    QVERIFY(t1);
    r.family.Recalculate(0, nullptr);
    const QString difference = lineDifference(*t1, row.lines);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestPasses2To6::spouseReturnOfTheCouple()
{
    Return r;
    QVERIFY(r.setUp(MB, kBornAt40, 0));
    r.addSpouse(MB, QDate(1984, 5, 5));
    Return::addSlip(*r.family.taxpayer(), SlipType::T4, {{"box14", 80000}});
    Return::addSlip(*r.family.spouse(), SlipType::T4, {{"box14", 10000}});
    r.family.Recalculate(0, nullptr);
    TaxData_T1New *spouse = t1Of(*r.family.spouse());
    // 10,000 x 14.5% = 1,450 is below the credits (16,129 + 1,471) x 14.5% = 2,552.
    QCOMPARE(double(spouse->f23600), 10000.0);
    QCOMPARE(double(spouse->f35000), 2552.0);
    QCOMPARE(double(spouse->f42000), 0.0);
    QCOMPARE(double(t1Of(*r.family.taxpayer())->spouseNetIncome), 10000.0);
}

void TestPasses2To6::cppMonths_data()
{
    QTest::addColumn<QDate>("born");
    QTest::addColumn<QDate>("died");
    QTest::addColumn<int>("excluded");
    QTest::addColumn<int>("cpp");
    QTest::addColumn<int>("qpp");
    QTest::newRow("18, born in March") << QDate(2007, 3, 10) << QDate() << 0 << 9 << 9;
    QTest::newRow("70, born in March") << QDate(1955, 3, 10) << QDate() << 0 << 3 << 12;
    QTest::newRow("71: QPP only") << QDate(1954, 3, 10) << QDate() << 0 << 0 << 12;
    QTest::newRow("73: neither") << QDate(1952, 3, 10) << QDate() << 0 << 0 << 0;
    QTest::newRow("died in June") << kBornAt40 << QDate(2025, 6, 20) << 0 << 6 << 6;
    QTest::newRow("4 excluded months") << kBornAt40 << QDate() << 4 << 8 << 8;
    QTest::newRow("17") << QDate(2008, 1, 10) << QDate() << 0 << 0 << 0;
}

void TestPasses2To6::cppMonths()
{
    QFETCH(QDate, born);
    QFETCH(QDate, died);
    QFETCH(int, excluded);
    QFETCH(int, cpp);
    QFETCH(int, qpp);
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, born);
    QVERIFY(t1);
    if (died.isValid())
        t1->deathDate = died;
    QCOMPARE(r.family.taxpayer()->GetCppContributoryMonths(excluded), cpp);
    QCOMPARE(r.family.taxpayer()->GetQppContributoryMonths(excluded), qpp);
}

void TestPasses2To6::modeIsNeverLowered()
{
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    QVERIFY(t1);
    IndividualTaxData &p = *r.family.taxpayer();
    Return::addSlip(p, SlipType::T4, {{"box14", 30000}, {"box17", 1000}});
    auto *t2125 =
        dynamic_cast<TaxData_T2125_New *>(p.addForm(FormType::T2125, 0, true, 0, false)->data);
    t2125->grossIncome = 20000;
    r.family.Recalculate(0, nullptr);
    // Self-employment in Ontario would choose Schedule 8; the QPP slips keep the RC381.
    QCOMPARE(int(t1->cppMode), 2);
    QVERIFY(p.hasForm(FormType::RC381));
    QVERIFY(!p.hasForm(FormType::SCH8));

    Return self;
    TaxData_T1New *own = self.setUp(ON, kBornAt40);
    auto *business = dynamic_cast<TaxData_T2125_New *>(
        self.family.taxpayer()->addForm(FormType::T2125, 0, true, 0, false)->data);
    business->grossIncome = 20000;
    self.family.Recalculate(0, nullptr);
    QCOMPARE(int(own->cppMode), 1);
}

void TestPasses2To6::blankBox26CountsBox14()
{
    // Without box 26 the earnings are box 14: a payroll deduction is not refunded as an
    // overpayment.
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    Return::addSlip(*r.family.taxpayer(), SlipType::T4, {{"box14", 45000}, {"box16", 2469.25}});
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->f30800), 2054.25);
    QCOMPARE(double(t1->f44800), 0.0);
}

void TestPasses2To6::schedule11Base_data()
{
    QTest::addColumn<double>("previousBase");
    QTest::addColumn<double>("tax");
    QTest::addColumn<bool>("t1206");
    QTest::addColumn<double>("base");
    QTest::newRow("57,375: taxable income") << 57375.0 << 11000.0 << false << 70000.0;
    QTest::newRow("57,375.01: the tax / 14.5%") << 57375.01 << 11600.0 << false << 80000.0;
    QTest::newRow("taxable income with T1206") << 100.0 << 11000.0 << true << 70500.0;
    QTest::newRow("tax with T1206") << 60000.0 << 11600.0 << true << 80500.0;
    QTest::newRow("negative: 0") << 60000.0 << -145.0 << false << 0.0;
}

void TestPasses2To6::schedule11Base()
{
    QFETCH(double, previousBase);
    QFETCH(double, tax);
    QFETCH(bool, t1206);
    QFETCH(double, base);
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    IndividualTaxData &p = *r.family.taxpayer();
    auto *sch11 = form<TaxData_Sch11>(p, FormType::SCH11);
    sch11->incomeBase = previousBase;
    t1->f26000 = 70000;
    // The tax on taxable income alone is line 40400 less the tax on split income (40424);
    // the T1206 adds its total split income.
    t1->f40400 = tax + (t1206 ? 165.0 : 0.0);
    t1->f40424 = t1206 ? 165.0 : 0.0;
    if (t1206)
        form<TaxData_T1206New>(p, FormType::T1206)->f68360 = 500;
    p.CalculatePass(false, 0, 3, false);
    QCOMPARE(double(sch11->incomeBase), base);
}

void TestPasses2To6::bankruptcyProration_data()
{
    QTest::addColumn<QDate>("bankrupt");
    QTest::addColumn<double>("transfer");
    // 2,000 x 181 / 365
    QTest::newRow("bankrupt on 1 July") << QDate(2025, 7, 1) << 991.78;
    QTest::newRow("no bankruptcy: the whole year") << QDate() << 2000.0;
}

void TestPasses2To6::bankruptcyProration()
{
    QFETCH(QDate, bankrupt);
    QFETCH(double, transfer);
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40, 0);
    if (bankrupt.isValid())
        t1->bankruptDate = bankrupt;
    auto *sch2 = form<TaxData_Sch2>(*r.family.taxpayer(), FormType::SCH2);
    sch2->pensionAmount = 2000;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(sch2->f36000), 2000.0);
    QCOMPARE(double(t1->f32600), transfer);
}

void TestPasses2To6::abatementInQuebecOnly_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("abatement");
    QTest::newRow("Quebec") << QC << 688.3; // 16.5% x 4,171.51
    QTest::newRow("Ontario") << ON << 0.0;
}

void TestPasses2To6::abatementInQuebecOnly()
{
    QFETCH(int, province);
    QFETCH(double, abatement);
    Return r;
    TaxData_T1New *t1 = r.setUp(province, kBornAt40);
    // As the Quebec whole return without PPIP: credits (16,129 + 1,471 + 2,511 + 655) x 14.5%
    // = 3,011.07; 42900 = 7,182.58 - 3,011.07 = 4,171.51 in either province.
    Return::addSlip(*r.family.taxpayer(), SlipType::T4,
                    {{"box14", 50000},
                     {"box17", 2976},
                     {"box18", 655},
                     {"box24", 50000},
                     {"box26", 50000},
                     {"provinceOfEmployment", QC}});
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->f42900), 4171.51);
    QCOMPARE(double(t1->quebecAbatement), abatement);
    QCOMPARE(double(t1->f44000), abatement);
    // The abatement is a credit of its own: line 42000 is the basic federal tax.
    QCOMPARE(double(t1->f42000), double(t1->f42900));
}

void TestPasses2To6::twoForeignTaxCredits_data()
{
    QTest::addColumn<double>("employment");
    QTest::addColumn<double>("credit");
    // Each credit is the tax paid (15 and 30) within 42900 x its income / the base:
    // 6,305.50 x 1,000 / 60,000 = 105.09 and 210.18.
    QTest::newRow("credits below the tax") << 60000.0 << 45.0;
    // 42900 = 16,000 x 14.5% - 2,552 = 0: no credit at all.
    QTest::newRow("no basic federal tax") << 13000.0 << 0.0;
}

void TestPasses2To6::twoForeignTaxCredits()
{
    QFETCH(double, employment);
    QFETCH(double, credit);
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    IndividualTaxData &p = *r.family.taxpayer();
    Return::addSlip(p, SlipType::T4, {{"box14", employment}});
    auto *first =
        static_cast<TaxData_T2209_2036 *>(p.addForm(FormType::T2209, 0, true, 0, false)->data);
    first->foreignIncome = 1000;
    first->foreignTax = 15;
    auto *second =
        static_cast<TaxData_T2209_2036 *>(p.addForm(FormType::T2209, 0, true, 0, false)->data);
    second->foreignIncome = 2000;
    second->foreignTax = 30;
    auto *t691 = form<TaxData_T691New>(p, FormType::T691);
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->foreignTaxCredit), credit);
    QCOMPARE(double(t1->f41700), qMax(0.0, t1->f42900 - credit));
    // The minimum tax holds the last form's amounts.
    QCOMPARE(double(t691->f67922), 2000.0);
    QCOMPARE(double(t691->f67924), 30.0);
    QCOMPARE(double(t1->foreignTaxTotal1), 45.0);
    QCOMPARE(double(t691->f67926), credit);
}

void TestPasses2To6::unusedCppFormRemoved_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("present");
    QTest::addColumn<int>("removed");
    QTest::newRow("mode 1 removes the RC381") << 1 << int(FormType::RC381) << 1;
    QTest::newRow("mode 2 removes Schedule 8") << 2 << int(FormType::SCH8) << 1;
    QTest::newRow("mode 0 keeps the RC381") << 0 << int(FormType::RC381) << 0;
    QTest::newRow("mode 1 keeps Schedule 8") << 1 << int(FormType::SCH8) << 0;
}

void TestPasses2To6::unusedCppFormRemoved()
{
    QFETCH(int, mode);
    QFETCH(int, present);
    QFETCH(int, removed);
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    IndividualTaxData &p = *r.family.taxpayer();
    p.getForm(present, 0, true);
    t1->cppMode = mode;
    QCOMPARE(p.CalculatePass(false, 0, 6, false), removed);
    QCOMPARE(p.hasForm(present), removed == 0);
    QCOMPARE(p.CalculatePass(false, 0, 6, false), 0);
}

void TestPasses2To6::instalments()
{
    Return r;
    QVERIFY(r.setUp(ON, kBornAt40));
    IndividualTaxData &p = *r.family.taxpayer();
    Return::addSlip(p, SlipType::T4, {{"box14", 45000}});
    TaxData_T1KSNew *summary = summaryOf(p);
    for (CFloatField *amount : {&summary->instalmentMarch, &summary->instalmentJune,
                                &summary->instalmentSeptember, &summary->instalmentDecember})
        *amount = 5;
    r.family.Recalculate(0, nullptr);
    for (double amount :
         {summary->instalmentMarch.value(), summary->instalmentJune.value(),
          summary->instalmentSeptember.value(), summary->instalmentDecember.value()})
        QCOMPARE(amount, 0.0);

    // With the calculator: 42000 = 45,000 x 14.5% - 2,552 = 3,973.00 and the plug-in's
    // Ontario tax 1,828.78 (counted once, though it is also in line 43500): 5,801.78 owing, in
    // four parts of 1,450.445, rounded to 1,450.45.
    auto *calculator = form<TaxData_InstalmentCalc>(p, FormType::INSTCALC);
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(calculator->provincialAmount1), 1828.78);
    QCOMPARE(double(calculator->provincialAmount2), 0.0);
    QCOMPARE(double(calculator->netTaxOwing), 5801.78);
    QCOMPARE(double(summary->instalmentMarch), 1450.45);
    QCOMPARE(double(summary->instalmentDecember), 1450.45);
}

// Instalments are due only above the net tax owing of 3,000 (1,800 in Quebec).
void TestPasses2To6::instalmentThreshold_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("employment");
    QTest::addColumn<double>("owing");
    QTest::addColumn<double>("quarter");
    // 42000 = 30,000 x 14.5% - 2,552 = 1,798.00, and the plug-in's Ontario tax 300.00: 2,098.00
    // is below 3,000.
    QTest::newRow("Ontario, below 3,000") << ON << 30000.0 << 2098.0 << 0.0;
    // Quebec: 42000 = 40,000 x 14.5% - 2,552 = 3,248.00, less the abatement 535.92 (16.5%):
    // 2,712.08 is above 1,800; four parts of 678.02.
    QTest::newRow("Quebec, above 1,800") << QC << 40000.0 << 2712.08 << 678.02;
    // Quebec, 25,000: 42000 = 1,073.00 less 177.05: below 1,800.
    QTest::newRow("Quebec, below 1,800") << QC << 25000.0 << 895.95 << 0.0;
}

void TestPasses2To6::instalmentThreshold()
{
    QFETCH(int, province);
    QFETCH(double, employment);
    QFETCH(double, owing);
    QFETCH(double, quarter);
    Return r;
    QVERIFY(r.setUp(province, kBornAt40));
    IndividualTaxData &p = *r.family.taxpayer();
    Return::addSlip(p, SlipType::T4, {{"box14", employment}});
    auto *calculator = form<TaxData_InstalmentCalc>(p, FormType::INSTCALC);
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(calculator->netTaxOwing), owing);
    QCOMPARE(double(calculator->quarterly), quarter);
    QCOMPARE(double(summaryOf(p)->instalmentSeptember), quarter);
}

void TestPasses2To6::rentalLossIndicators()
{
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    IndividualTaxData &p = *r.family.taxpayer();
    auto *t776 = form<TaxData_T776New>(p, FormType::T776);
    t776->grossRents = 1000;
    t776->expenses = 3000;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->f12600), -2000.0);
    QCOMPARE(double(t1->minimumTaxIndicator), 1.0);

    auto *t691 = form<TaxData_T691New>(p, FormType::T691);
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t691->indicator1), 1.0);
}

void TestPasses2To6::pass5HooksStartFromZero()
{
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    t1->f47900 = 120;
    t1->f47555 = 80;
    t1->f42800 = 900;
    T2209FormList none;
    r.family.taxpayer()->m_provsTaxMgr.calculatePass5Begin(
        t1, nullptr, nullptr, nullptr, nullptr, nullptr, none, nullptr, nullptr, nullptr);
    QCOMPARE(double(t1->f47900), 0.0);
    QCOMPARE(double(t1->f47555), 80.0);
    r.family.taxpayer()->m_provsTaxMgr.calculatePass5(t1, 0, nullptr, none);
    QCOMPARE(double(t1->f47555), 0.0);
    QCOMPARE(double(t1->f42800), 900.0);
}

void TestPasses2To6::filingFormsTakeTheReturn()
{
    Return r;
    QVERIFY(employedInOttawa(r, 0));
    IndividualTaxData &p = *r.family.taxpayer();
    auto *t183 = form<TaxData_T183New>(p, FormType::T183);
    form<CTaxData_T1DD>(p, FormType::T1DD);
    auto *t1adj = form<CTaxData_T1ADJ>(p, FormType::T1ADJ);
    auto *t1153 = form<CTaxData_T1153>(p, FormType::T1153);
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t183->totalIncome), 45000.0);
    // Federal 6,525 - 2,552 = 3,973.00; Ontario 2,272.50 - 643.72 = 1,628.78, less LIFT 875 -
    // 5% x 12,500 = 250.00, plus the health premium 450: 1,828.78.
    QCOMPARE(double(t183->balanceDue), 5801.78);
    QCOMPARE(double(t183->refund), 0.0);
    QVERIFY(t183->directDeposit);
    QCOMPARE(t183->city.value(), CString("Ottawa"));
    QCOMPARE(t1adj->name.value(), CString("Gagnon, Louise"));
    QCOMPARE(t1adj->yearText.value(), CString("2025"));
    QCOMPARE(t1153->provinceText.value(), CString("Ontario"));
    QCOMPARE(t1153->fullName.value(), CString("Louise Gagnon"));
}

// The discounter's form (RC71) takes the person's identification and the refund: tax
// deducted 10,000 against the 5,801.78 payable on 45,000 of employment in Ontario.
void TestPasses2To6::discountedRefundTakesTheReturn()
{
    Return r;
    TaxData_T1New *t1 = employedInOttawa(r, 10000);
    QVERIFY(t1);
    IndividualTaxData &p = *r.family.taxpayer();
    auto *rc71 = form<CTaxData_RC71>(p, FormType::RC71);
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->f48400), 4198.22);
    QCOMPARE(double(rc71->refund), 4198.22);
    QCOMPARE(rc71->fullName.value(), CString("Louise Gagnon"));
    QCOMPARE(rc71->address.value(), CString("12 Elm St, Ottawa, Ontario"));
    QCOMPARE(rc71->phone.value(), CString("6135550100"));
    QCOMPARE(rc71->sin.value(), t1->sin.value());
}

void TestPasses2To6::deductionForms_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("entered");
    QTest::addColumn<double>("netIncome");
    QTest::newRow("moving expenses") << int(FormType::T1M) << 3000.0 << 42000.0;
    QTest::newRow("moving expenses above the income") << int(FormType::T1M) << 60000.0 << 0.0;
    QTest::newRow("employment expenses") << int(FormType::T777) << 1200.0 << 43800.0;
    QTest::newRow("clergy residence") << int(FormType::T1223) << 9000.0 << 36000.0;
    QTest::newRow("disability supports") << int(FormType::T929) << 2500.0 << 42500.0;
}

void TestPasses2To6::deductionForms()
{
    QFETCH(int, type);
    QFETCH(double, entered);
    QFETCH(double, netIncome);
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    IndividualTaxData &p = *r.family.taxpayer();
    // The clergy residence comes from T4 box 30 (included in box 14).
    const double box30 = type == FormType::T1223 ? entered : 0.0;
    Return::addSlip(p, SlipType::T4, {{"box14", 45000}, {"box30", box30}});
    CTaxData_Form *deductionForm = p.addForm(type, 0, true, 0, false)->data;
    if (auto *t1m = dynamic_cast<TaxData_T1MNew *>(deductionForm)) {
        t1m->amount1 = entered;
        t1m->incomeAtNewLocation = 45000;
    } else if (auto *t777 = dynamic_cast<TaxData_T777New *>(deductionForm)) {
        t777->expenses = entered;
    } else if (auto *t929 = dynamic_cast<TaxData_T929New *>(deductionForm)) {
        t929->expenses = entered;
    }
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->f23600), netIncome);
}

void TestPasses2To6::overpayments_data()
{
    QTest::addColumn<double>("box16");
    QTest::addColumn<double>("box18");
    QTest::addColumn<double>("line30800");
    QTest::addColumn<double>("line44800");
    QTest::addColumn<double>("line31200");
    QTest::addColumn<double>("line45000");
    // Required on 45,000: CPP 2,469.25 (base 2,054.25), EI 738.00.
    QTest::newRow("as required") << 2469.25 << 738.0 << 2054.25 << 0.0 << 738.0 << 0.0;
    QTest::newRow("two employers, too much")
        << 2969.25 << 900.0 << 2054.25 << 500.0 << 738.0 << 162.0;
    QTest::newRow("too little") << 2000.0 << 700.0 << 1663.87 << 0.0 << 700.0 << 0.0;
}

void TestPasses2To6::overpayments()
{
    QFETCH(double, box16);
    QFETCH(double, box18);
    QFETCH(double, line30800);
    QFETCH(double, line44800);
    QFETCH(double, line31200);
    QFETCH(double, line45000);
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    Return::addSlip(
        *r.family.taxpayer(), SlipType::T4,
        {{"box14", 45000}, {"box16", box16}, {"box18", box18}, {"box24", 45000}, {"box26", 45000}});
    r.family.Recalculate(0, nullptr);
    // 2,000 x 4.95 / 5.95 = 1,663.87
    QCOMPARE(double(t1->f30800), line30800);
    QCOMPARE(double(t1->f44800), line44800);
    QCOMPARE(double(t1->f31200), line31200);
    QCOMPARE(double(t1->f45000), line45000);
}

void TestPasses2To6::workersBenefit_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("employment");
    QTest::addColumn<double>("benefit");
    // 27% x (10,000 - 3,000) = 1,890, at most 1,633; net income below 26,855.
    QTest::newRow("the maximum") << ON << 10000.0 << 1633.0;
    // 27% x 2,000 = 540.
    QTest::newRow("phasing in") << ON << 5000.0 << 540.0;
    // 1,633 - 15% x (30,000 - 26,855) = 1,161.25.
    QTest::newRow("phasing out") << ON << 30000.0 << 1161.25;
    QTest::newRow("Quebec: figures not published here") << QC << 10000.0 << 0.0;
}

void TestPasses2To6::workersBenefit()
{
    QFETCH(int, province);
    QFETCH(double, employment);
    QFETCH(double, benefit);
    Return r;
    TaxData_T1New *t1 = r.setUp(province, kBornAt40);
    IndividualTaxData &p = *r.family.taxpayer();
    Return::addSlip(p, SlipType::T4, {{"box14", employment}});
    form<TaxData_Sch6>(p, FormType::SCH6);
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->f45300), benefit);
}

void TestPasses2To6::caregiverForInfirmChildren_data()
{
    QTest::addColumn<int>("infirm");
    QTest::addColumn<double>("amount");
    QTest::newRow("one infirm child: 2,687") << 1 << 2687.0;
    QTest::newRow("a child who is not infirm") << 0 << 0.0;
}

void TestPasses2To6::caregiverForInfirmChildren()
{
    QFETCH(int, infirm);
    QFETCH(double, amount);
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    DependantInfoStruct &dependants = r.family.dependants();
    dependants.AllocData(1);
    dependants.record(0).birthDate = QDate(2015, 4, 1);
    dependants.record(0).relationship = 1;
    dependants.record(0).infirm = infirm;
    Return::addSlip(*r.family.taxpayer(), SlipType::T4, {{"box14", 45000}});
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->f30500), amount);
    // The credit amounts hold it: (16,129 + 1,471 + amount) x 14.5%.
    QCOMPARE(double(t1->f35000), qRound64((17600 + amount) * 14.5) / 100.0);
}

void TestPasses2To6::oasRecovery_data()
{
    QTest::addColumn<double>("pension");
    QTest::addColumn<double>("recovery");
    // 15% x (120,000 - 93,454) = 3,981.90
    QTest::newRow("above the threshold") << 111500.0 << 3981.9;
    // 15% x (160,000 - 93,454) = 9,981.90, at most the 8,500 received
    QTest::newRow("all of it") << 151500.0 << 8500.0;
    QTest::newRow("below the threshold") << 80000.0 << 0.0;
}

void TestPasses2To6::oasRecovery()
{
    QFETCH(double, pension);
    QFETCH(double, recovery);
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, QDate(1955, 3, 1));
    IndividualTaxData &p = *r.family.taxpayer();
    Return::addSlip(p, SlipType::T4A, {{"box16", pension}});
    Return::addSlip(p, SlipType::T4AOAS, {{"box18", 8500}});
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->f23500), recovery);
    QCOMPARE(double(t1->f42200), recovery);
    QCOMPARE(double(t1->f23600), pension + 8500 - recovery);
    QCOMPARE(double(t1->f43500), t1->f42000 + t1->f42800 + recovery);
}

void TestPasses2To6::creditsAndDeductions_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("expected");
    // All on employment of 50,000 in Ontario, without payroll deductions.
    // The lesser of the contributions (8,000) and the limit (20,000 in the fixture).
    QTest::newRow("RRSP contributions") << "rrsp" << 8000.0 << "20800" << 8000.0;
    QTest::newRow("RRSP above the limit") << "rrsp" << 25000.0 << "20800" << 20000.0;
    // 200 x 14.5% + 800 x 29%
    QTest::newRow("donations of 1,000") << "donations" << 1000.0 << "34900" << 261.0;
    // Capped at 75% of net income: 37,500; 29 + 37,300 x 29% = 10,846.
    QTest::newRow("donations above the limit") << "donations" << 60000.0 << "34900" << 10846.0;
    // Above the lesser of 3% of 50,000 (1,500) and 2,834.
    QTest::newRow("medical expenses") << "medical" << 3000.0 << "33200" << 1500.0;
    QTest::newRow("medical expenses below the threshold") << "medical" << 1000.0 << "33200" << 0.0;
    // The credits: (16,129 + 1,471 + 1,500) x 14.5% = 2,769.50.
    QTest::newRow("medical expenses in the credits") << "medical" << 3000.0 << "35000" << 2769.5;
    QTest::newRow("disability") << "disability" << 1.0 << "31600" << 10138.0;
}

void TestPasses2To6::creditsAndDeductions()
{
    QFETCH(QString, what);
    QFETCH(double, value);
    QFETCH(QString, line);
    QFETCH(double, expected);
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    IndividualTaxData &p = *r.family.taxpayer();
    Return::addSlip(p, SlipType::T4, {{"box14", 50000}});
    if (what == "rrsp") {
        rrspDeduction(p, value);
    } else if (what == "donations") {
        form<TaxData_Sch9>(p, FormType::SCH9)->donations = value;
    } else if (what == "medical") {
        t1->medSelfAmount = value;
    } else if (what == "disability") {
        t1->disabilityFlag = int(value);
    }
    r.family.Recalculate(0, nullptr);
    QCOMPARE(amountOf(*t1, line.toLatin1().constData()), expected);
}

void TestPasses2To6::provincialHooksInOrder()
{
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    IndividualTaxData &taxpayer = *couple.family.taxpayer();
    taxpayer.addForm(FormType::T2209, 0, true, 0, false);
    form<TaxData_T225>(taxpayer, FormType::T225)->rebateClaimed = 150;
    auto *t224 = form<TaxData_T224>(taxpayer, FormType::T224);
    t224->generalRebate = 300;
    t224->miningRebate = 200;
    couple.recorder.calls.clear();

    couple.family.Recalculate(0, nullptr);

    const QStringList hooks = {"calculatePass4Begin",  "calculatePass4",
                               "calculatePass5Begin",  "beforeFormCalculation",
                               "afterFormCalculation", "calculatePass5"};
    QStringList calls;
    for (const QString &call : couple.recorder.calls) {
        if (call.startsWith(QString::number(kTaxpayerProvince) + ' ') &&
            hooks.contains(call.section(' ', 1, 1)))
            calls.append(call.section(' ', 1));
    }
    // Pass 4 asks before and after the federal tax, pass 5 around the T225 and the T224 (each
    // computed between its two hooks: 150, and 300 + 200) and then with the T2209 list; in
    // both rounds, the second starting from the first round's rebates.
    const QStringList first = {"calculatePass4Begin",
                               "calculatePass4",
                               "calculatePass5Begin",
                               "beforeFormCalculation 174 rebate 0",
                               "afterFormCalculation 174 rebate 150",
                               "beforeFormCalculation 173 rebate 0",
                               "afterFormCalculation 173 rebate 500",
                               "calculatePass5 0 1"};
    const QStringList second = {"calculatePass4Begin",
                                "calculatePass4",
                                "calculatePass5Begin",
                                "beforeFormCalculation 174 rebate 150",
                                "afterFormCalculation 174 rebate 150",
                                "beforeFormCalculation 173 rebate 500",
                                "afterFormCalculation 173 rebate 500",
                                "calculatePass5 0 1"};
    QCOMPARE(calls, first + second);
}

void TestPasses2To6::everyPluginLoadedKeepsTheProvincialTax()
{
    // ON on 60,000: 2,670.743 + 7,114 x 9.15% = 3,321.67 less 643.72 = 2,677.95, plus the
    // health premium 600: 3,277.95. With every plug-in loaded beside Ontario's (as a person's
    // manager holds when forms of other provinces were made), only Ontario's computes.
    double lines[2] = {0, 0};
    for (bool every : {false, true}) {
        Return r;
        TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
        QVERIFY(t1);
        IndividualTaxData &p = *r.family.taxpayer();
        if (every) {
            for (int province = 1; province < Global_Provs_Num; ++province) {
                if (province != ON)
                    QVERIFY(r.folder.linkRealPlugin(province));
                QVERIFY(p.m_provsTaxMgr.getProvinceManager(province, false));
            }
            QList<int> loaded;
            p.m_provsTaxMgr.listLoadedProvinces(loaded);
            QCOMPARE(loaded, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
        }
        Return::addSlip(p, SlipType::T4, {{"box14", 60000}});
        r.family.Recalculate(0, nullptr);
        lines[every] = t1->f42800;
    }
    QCOMPARE(lines[0], 3277.95);
    QCOMPARE(lines[1], lines[0]);
}

void TestPasses2To6::splitIncome()
{
    Return r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    IndividualTaxData &p = *r.family.taxpayer();
    Return::addSlip(p, SlipType::T4, {{"box14", 50000}});
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->adjustedNetIncome), 50000.0);
    QVERIFY(!t1->t1206Flag);

    // 10,000 of split income: out of regular income (23200), 33% on the T1206, on line 40424
    // inside 40400 and so inside 41700: 42000 is 41700, not 3,300 more. The tax on 50,000 is
    // 7,250.00, the credits 2,552.00: 40400 = 10,550.00, 42900 = 41700 = 42000 = 7,998.00.
    Return::addSlip(p, SlipType::T5, {{"box13", 10000}});
    form<TaxData_T1206New>(p, FormType::T1206)->splitIncome = 10000;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->f23200), 10000.0);
    QCOMPARE(double(t1->f23600), 50000.0);
    QCOMPARE(double(t1->adjustedNetIncome), 60000.0);
    QCOMPARE(double(t1->f40424), 3300.0);
    QCOMPARE(double(t1->f40400), 10550.0);
    QCOMPARE(double(t1->splitIncomeTax), 3300.0);
    QVERIFY(t1->t1206Flag);
    QCOMPARE(double(t1->f41700), 7998.0);
    QCOMPARE(double(t1->f42000), 7998.0);
}

QV_TEST_MAIN(TestPasses2To6)
#include "tst_Passes2To6.moc"
