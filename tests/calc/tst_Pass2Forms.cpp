// Pass 2's further forms through Recalculate: resource expenses, meals and lodging, excessive
// EPSP amounts, the RRSP excess refund and the foreign plans as deductions; EI on
// self-employment; the CPP election's identification; the cumulative net investment loss.
#include <QtTest>

#include "CalcFixture.h"
#include "LinkedReturn.h"
#include "TestMain.h"
#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TypeCodes.h"

#include <vector>

using namespace CalcFixture;
using namespace ProvinceCode;

namespace {

const QDate kBornAt40(1985, 3, 1);

// Each row fills one form of a return with 45,000 of employment income and no payroll
// contributions. Federal tax before the row's form: credits (16,129 + 1,471) x 14.5% =
// 2,552.00; tax 14.5% of net income; 42000 = tax - 2,552 + additional taxes.
struct DeductionRow
{
    const char *name;
    int type;
    void (*fill)(IndividualTaxData &person, CTaxData_Form &form);
    double netIncome;
    double pensionAdjustment;
    double additionalTaxes;
    double line42000;
};

const std::vector<DeductionRow> &deductionRows()
{
    static const std::vector<DeductionRow> rows = {
        // 4,000 - 1,000 assistance + 500 depletion = 3,500; 41,500 x 14.5% = 6,017.50.
        {"resource expenses (T1229)", FormType::T1229,
         [](IndividualTaxData &, CTaxData_Form &f) {
             auto &t1229 = dynamic_cast<CTaxData_T1229 &>(f);
             t1229.explorationExpenses = 4000;
             t1229.assistance = 1000;
             t1229.depletionAllowance = 500;
         },
         41500, 0, 0, 3465.5},
        // Lodging 800 + meals 400 = 1,200; 43,800 x 14.5% = 6,351.
        {"meals and lodging (TL2)", FormType::TL2,
         [](IndividualTaxData &, CTaxData_Form &f) {
             auto &tl2 = dynamic_cast<TaxData_TL2_New &>(f);
             tl2.lodgingExpenses = 800;
             tl2.deductibleMeals = 400;
         },
         43800, 0, 0, 3799},
        // 1,000 deducted and taxed at 33%: 44,000 x 14.5% = 6,380; + 330.
        {"excessive EPSP amount (RC359)", FormType::RC359,
         [](IndividualTaxData &, CTaxData_Form &f) {
             dynamic_cast<TaxData_RC359 &>(f).excessiveAmount = 1000;
         },
         44000, 0, 330, 4158},
        // The refund of 2,000 is deducted up to the 1,500 it gave back: 43,500 x 14.5% =
        // 6,307.50.
        {"RRSP excess refund (T746)", FormType::T746,
         [](IndividualTaxData &, CTaxData_Form &f) {
             auto &t746 = dynamic_cast<TaxData_T746New &>(f);
             t746.refundIncluded = 2000;
             t746.unusedContributions = 1500;
         },
         43500, 0, 0, 3755.5},
        // 3,000 deducted; the adjustment is both shares, 5,000. 42,000 x 14.5% = 6,090.
        {"US retirement plan (RC267)", FormType::RC267,
         [](IndividualTaxData &, CTaxData_Form &f) {
             auto &rc267 = dynamic_cast<TaxData_RC267New &>(f);
             rc267.contributions = 3000;
             rc267.employerContributions = 2000;
         },
         42000, 5000, 0, 3538},
        // 3,000 paid, deducted up to the RRSP deduction limit of 2,000: 43,000 x 14.5% =
        // 6,235.
        {"Roth IRA within the RRSP limit (RC268)", FormType::RC268,
         [](IndividualTaxData &p, CTaxData_Form &f) {
             form<TaxData_Sch7>(p, FormType::SCH7)->rrspDeductionLimit = 2000;
             dynamic_cast<TaxData_RC268New &>(f).contributions = 3000;
         },
         43000, 2000, 0, 3683},
        // 1,200 deducted and reported: 43,800 x 14.5% = 6,351.
        {"foreign pension plan (RC269)", FormType::RC269,
         [](IndividualTaxData &, CTaxData_Form &f) {
             dynamic_cast<TaxData_RC269 &>(f).contributions = 1200;
         },
         43800, 1200, 0, 3799},
    };
    return rows;
}

} // namespace

class TestPass2Forms : public QObject
{
    Q_OBJECT
private slots:
    void deductions_data();
    void deductions();
    void selfEmployedEi_data();
    void selfEmployedEi();
    void cppElectionIdentification_data();
    void cppElectionIdentification();
    void electionRaisesTheMode_data();
    void electionRaisesTheMode();
    void cumulativeInvestmentLoss_data();
    void cumulativeInvestmentLoss();
    void capitalGainsDeduction_data();
    void capitalGainsDeduction();
};

void TestPass2Forms::deductions_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < deductionRows().size(); ++i)
        QTest::newRow(deductionRows()[i].name) << int(i);
}

void TestPass2Forms::deductions()
{
    QFETCH(int, index);
    const DeductionRow &row = deductionRows()[size_t(index)];
    LinkedReturn r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    QVERIFY(t1);
    r.addSlip(SlipType::T4, {{"box14", 45000}});
    CTaxData_Form *deductionForm = r.person().addForm(row.type, 0, true, 0, false)->data;
    row.fill(r.person(), *deductionForm);
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->f15000), 45000.0);
    QCOMPARE(double(t1->f23600), row.netIncome);
    QCOMPARE(double(t1->f26000), row.netIncome);
    QCOMPARE(double(t1->pensionAdjustment), row.pensionAdjustment);
    QCOMPARE(double(t1->additionalTaxes), row.additionalTaxes);
    QCOMPARE(double(t1->f35000), 2552.0);
    QCOMPARE(double(t1->f42000), row.line42000);
}

void TestPass2Forms::selfEmployedEi_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("business");
    QTest::addColumn<double>("insurableEmployment");
    QTest::addColumn<double>("insurable");
    QTest::addColumn<double>("premium");
    // 30,000 x 1.64% = 492.00.
    QTest::newRow("business alone") << ON << 30000.0 << 0.0 << 30000.0 << 492.0;
    // Room left by 50,000 of insurable employment: 65,700 - 50,000 = 15,700 x 1.64% = 257.48.
    QTest::newRow("beside insurable employment") << ON << 30000.0 << 50000.0 << 15700.0 << 257.48;
    // At most the maximum insurable earnings: 65,700 x 1.64% = 1,077.48.
    QTest::newRow("above the maximum") << ON << 70000.0 << 0.0 << 65700.0 << 1077.48;
    // The Quebec rate: 30,000 x 1.31% = 393.00.
    QTest::newRow("Quebec rate") << QC << 30000.0 << 0.0 << 30000.0 << 393.0;
}

void TestPass2Forms::selfEmployedEi()
{
    QFETCH(int, province);
    QFETCH(double, business);
    QFETCH(double, insurableEmployment);
    QFETCH(double, insurable);
    QFETCH(double, premium);
    LinkedReturn r;
    TaxData_T1New *t1 = r.setUp(province, kBornAt40);
    QVERIFY(t1);
    if (insurableEmployment > 0) {
        r.addSlip(SlipType::T4, {{"box14", insurableEmployment},
                                 {"box24", insurableEmployment},
                                 {"provinceOfEmployment", province}});
    }
    auto *t2125 = dynamic_cast<TaxData_T2125_New *>(
        r.person().addForm(FormType::T2125, 0, true, 0, false)->data);
    t2125->grossIncome = business;
    auto *sch13 = form<TaxData_Sch13>(r.person(), FormType::SCH13);
    auto *t2204 = form<TaxData_T2204_New>(r.person(), FormType::T2204);
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(sch13->insurableSelfEmployment), insurable);
    QCOMPARE(double(t1->f31217), premium);
    QCOMPARE(double(t1->f42120), premium);
    QCOMPARE(double(t2204->selfEmployedPremiums), premium);
    QCOMPARE(double(t2204->selfEmploymentIncome), business);

    // Without Schedule 13 nothing is owed on self-employment.
    r.person().removeForm(sch13, true, true);
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->f31217), 0.0);
    QCOMPARE(double(t1->f42120), 0.0);
    QCOMPARE(double(t2204->selfEmployedPremiums), 0.0);
}

void TestPass2Forms::cppElectionIdentification_data()
{
    QTest::addColumn<double>("box16");
    QTest::addColumn<int>("months");
    QTest::addColumn<double>("earnings");
    QTest::addColumn<double>("elected");
    QTest::newRow("Schedule 8 from the payroll CPP") << 2469.25 << 12 << 45000.0 << 5000.0;
    // An election also makes the return use Schedule 8; without one there is no CPP form.
    QTest::newRow("no CPP form") << 0.0 << -100 << 0.0 << 0.0;
}

void TestPass2Forms::cppElectionIdentification()
{
    QFETCH(double, box16);
    QFETCH(int, months);
    QFETCH(double, earnings);
    QFETCH(double, elected);
    LinkedReturn r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    QVERIFY(t1);
    t1->street = QStringLiteral("12 Elm St");
    t1->city = QStringLiteral("Ottawa");
    t1->postalCode = QStringLiteral("K1A0B1");
    r.addSlip(SlipType::T4, {{"box14", 45000}, {"box16", box16}, {"box26", earnings}});
    auto *cpt20 = form<TaxData_CPT20_New>(r.person(), FormType::CPT20);
    cpt20->line16 = elected;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(cpt20->lastName.value(), CString("Gagnon"));
    QCOMPARE(cpt20->firstName.value(), CString("Louise"));
    QCOMPARE(cpt20->sin.value(), t1->sin.value());
    QCOMPARE(cpt20->postalCode.value(), CString("K1A0B1"));
    QCOMPARE(cpt20->address.value(), t1->GetFullAddressWithoutPostcode(0));
    QVERIFY(!cpt20->address.value().IsEmpty());
    QCOMPARE(int(cpt20->cppFormMonths), months);
    QCOMPARE(double(cpt20->cppFormEarnings), earnings);
    QCOMPARE(double(cpt20->electedIncome), elected);
}

void TestPass2Forms::electionRaisesTheMode_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<double>("line16");
    QTest::addColumn<int>("mode");
    // An income elected at line 16 puts the return in the Schedule 8 mode; an option ticked
    // without an elected income does not.
    QTest::newRow("income elected") << 0 << 5000.0 << 1;
    QTest::newRow("option without an income") << 1 << 0.0 << 0;
}

void TestPass2Forms::electionRaisesTheMode()
{
    QFETCH(int, option);
    QFETCH(double, line16);
    QFETCH(int, mode);
    LinkedReturn r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    QVERIFY(t1);
    r.addSlip(SlipType::T4, {{"box14", 45000}});
    auto *cpt20 = form<TaxData_CPT20_New>(r.person(), FormType::CPT20);
    cpt20->option = option;
    cpt20->line16 = line16;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(int(t1->cppMode), mode);
}

void TestPass2Forms::cumulativeInvestmentLoss_data()
{
    QTest::addColumn<double>("rents");
    QTest::addColumn<double>("expenses");
    QTest::addColumn<double>("loss");
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("cumulative");
    // A net rental loss of 1,000 is all loss; with 500 carried: 1,500.
    QTest::newRow("rental loss") << 1000.0 << 2000.0 << 1000.0 << 0.0 << 1500.0;
    // A net rental income of 2,000 uses up the 500 carried.
    QTest::newRow("rental income") << 3000.0 << 1000.0 << 0.0 << 2000.0 << 0.0;
}

void TestPass2Forms::cumulativeInvestmentLoss()
{
    QFETCH(double, rents);
    QFETCH(double, expenses);
    QFETCH(double, loss);
    QFETCH(double, income);
    QFETCH(double, cumulative);
    LinkedReturn r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    QVERIFY(t1);
    auto *t776 = form<TaxData_T776New>(r.person(), FormType::T776);
    t776->grossRents = rents;
    t776->expenses = expenses;
    auto *t936 = form<TaxData_T936New>(r.person(), FormType::T936);
    t936->priorYearsLoss = 500;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t936->rentalLoss), loss);
    QCOMPARE(double(t936->rentalIncome), income);
    QCOMPARE(double(t936->investmentExpensesTotal), loss);
    QCOMPARE(double(t936->investmentIncomeTotal), income);
    QCOMPARE(double(t936->cumulativeLoss), cumulative);
    QCOMPARE(double(t1->cumulativeInvestmentLoss), cumulative);
}

void TestPass2Forms::capitalGainsDeduction_data()
{
    QTest::addColumn<double>("qualified");
    QTest::addColumn<double>("priorLoss");
    QTest::addColumn<double>("priorDeductions");
    QTest::addColumn<double>("deduction");
    // A gain of 100,000 (taxable 50,000) on qualified shares; the lifetime limit is half of
    // 1,250,000 = 625,000.
    QTest::newRow("all of the taxable gain") << 100000.0 << 0.0 << 0.0 << 50000.0;
    QTest::newRow("less the cumulative net investment loss")
        << 100000.0 << 3000.0 << 0.0 << 47000.0;
    QTest::newRow("the lifetime limit left: 625,000 - 600,000")
        << 100000.0 << 0.0 << 600000.0 << 25000.0;
    QTest::newRow("a gain that does not qualify") << 0.0 << 0.0 << 0.0 << 0.0;
}

void TestPass2Forms::capitalGainsDeduction()
{
    QFETCH(double, qualified);
    QFETCH(double, priorLoss);
    QFETCH(double, priorDeductions);
    QFETCH(double, deduction);
    LinkedReturn r;
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
    QVERIFY(t1);
    auto *sch3 = form<TaxData_Sch3>(r.person(), FormType::SCH3);
    sch3->dispositions.amountAt(0, 0) = 150000;
    sch3->dispositions.amountAt(0, 1) = 50000;
    sch3->f10700 = qualified;
    form<TaxData_T936New>(r.person(), FormType::T936)->priorYearsLoss = priorLoss;
    auto *t657 = form<TaxData_T657New>(r.person(), FormType::T657);
    t657->priorDeductions = priorDeductions;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t1->f12700), 50000.0);
    QCOMPARE(double(t1->f23600), 50000.0);
    QCOMPARE(double(t657->deduction), deduction);
    QCOMPARE(double(t1->capitalGainsDeduction), deduction);
    QCOMPARE(double(t1->f26000), 50000.0 - deduction);
}

QV_TEST_MAIN(TestPass2Forms)
#include "tst_Pass2Forms.moc"
