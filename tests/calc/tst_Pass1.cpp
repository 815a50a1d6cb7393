// Calculation pass 1: slips and income forms into the T1 lines through a full recalculation,
// the CPP/QPP mode and forms, the T90, the CPT20, parental insurance, the restricted farm
// loss, capital gains, the spousal plan and the wizard data.
#include <QtTest>

#include "CalcFixture.h"
#include "LinkedReturn.h"
#include "PluginFolder.h"
#include "SlipFixtures.h"
#include "TestMain.h"
#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalRates2025.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "plugin/TestPluginRecorder.h"

#include <utility>
#include <vector>

using namespace CalcFixture;

namespace {

using Lines = std::vector<std::pair<const char *, double>>;
using Slips = std::vector<std::pair<int, FieldValues>>;

const QDate kBornAt40(1985, 3, 1);
const QDate kBornAt70(1955, 3, 1);

// A single return (the taxpayer alone) in a province whose real plug-in is linked.
struct SingleReturn : LinkedReturn
{
    bool setUp(int province, const QDate &born)
    {
        return LinkedReturn::setUp(province, born) != nullptr;
    }
};

// Every field of the form as text, by name.
QMap<QByteArray, QString> snapshot(const CTaxData_Form &form)
{
    QMap<QByteArray, QString> out;
    for (const CField *field : form.fields())
        out.insert(field->name(), field->toText());
    return out;
}

struct LineCase
{
    const char *name;
    QDate born;
    Slips slips;
    Lines lines;
};

const std::vector<LineCase> &lineCases()
{
    static const std::vector<LineCase> cases = {
        {"T4 box 14", kBornAt40, {{SlipType::T4, {{"box14", 45000}}}}, {{"10100", 45000}}},
        {"T4A(P) box 20",
         kBornAt70,
         {{SlipType::T4AP, {{"box20", 8123.45}}}},
         {{"11400", 8123.45}, {"13000", 0}}},
        {"T4A(OAS) box 18", kBornAt70, {{SlipType::T4AOAS, {{"box18", 8500}}}}, {{"11300", 8500}}},
        {"T4A box 16",
         kBornAt70,
         {{SlipType::T4A, {{"box16", 12000}}}},
         {{"11500", 12000}, {"13000", 0}}},
        {"T4RIF at 70 is pension",
         kBornAt70,
         {{SlipType::T4RIF, {{"box16", 5000}}}},
         {{"11500", 5000}, {"13000", 0}}},
        {"T4RIF at 40 is other income",
         kBornAt40,
         {{SlipType::T4RIF, {{"box16", 5000}}}},
         {{"11500", 0}, {"13000", 5000}}},
        {"T4E box 14", kBornAt40, {{SlipType::T4E, {{"box14", 6000}}}}, {{"11900", 6000}}},
        {"T5 taxable dividends",
         kBornAt40,
         {{SlipType::T5, {{"box24", 1000}, {"box25", 1380}, {"box10", 1000}, {"box11", 1150}}}},
         {{"12000", 2530}, {"12010", 1150}}},
        {"T5 actual dividends only",
         kBornAt40,
         {{SlipType::T5, {{"box10", 1000}, {"box24", 1000}}}},
         {{"12000", 0}, {"12010", 0}}},
        {"T5 interest alone", kBornAt40, {{SlipType::T5, {{"box13", 1000}}}}, {{"12100", 1000}}},
        {"T5 interest with dividends",
         kBornAt40,
         {{SlipType::T5, {{"box13", 250.5}, {"box11", 115}}}},
         {{"12100", 250.5}, {"12000", 115}, {"12010", 115}}},
        {"T4RSP box 22", kBornAt40, {{SlipType::T4RSP, {{"box22", 3000}}}}, {{"12900", 3000}}},
        {"T3 dividends, gains and other income",
         kBornAt40,
         {{SlipType::T3, {{"box32", 115}, {"box50", 276}, {"box21", 400}, {"box26", 90}}}},
         {{"12000", 391}, {"12010", 115}, {"12700", 200}, {"13000", 90}}},
        {"T5013 amounts",
         kBornAt40,
         {{SlipType::T5013,
           {{"box5", 50}, {"amtH", 1000}, {"amtK", 400}, {"amtN", 200}, {"amtR", 140}}}},
         {{"13000", 500}, {"12000", 300}, {"12010", 200}, {"12200", 70}}},
        {"total of several slips",
         kBornAt40,
         {{SlipType::T4, {{"box14", 30000}}},
          {SlipType::T4, {{"box14", 15000.25}}},
          {SlipType::T5, {{"box13", 99.75}}}},
         {{"10100", 45000.25}, {"12100", 99.75}, {"15000", 45100}}},
    };
    return cases;
}

} // namespace

class TestPass1 : public QObject
{
    Q_OBJECT
private slots:
    void slipsReachTheirLines_data();
    void slipsReachTheirLines();
    void actualDividendsAddNoWorksheet();
    void dividendFixturesAreGrossedUp();
    void incomeFormsReachTheirLines_data();
    void incomeFormsReachTheirLines();
    void partnershipShares_data();
    void partnershipShares();
    void deathBenefits_data();
    void deathBenefits();
    void exemptIncomeCreatesT90Once();
    void cppModeAndForm_data();
    void cppModeAndForm();
    void ensureCppForm_data();
    void ensureCppForm();
    void cpt20TakesSixT4s();
    void parentalInsurance_data();
    void parentalInsurance();
    void restrictedFarmLoss_data();
    void restrictedFarmLoss();
    void capitalLossOfDeceased_data();
    void capitalLossOfDeceased();
    void spousalPlanPension_data();
    void spousalPlanPension();
    void pensionSplitTakesHalf();
    void provincialWizardDataInCurrentPassOneOnly();
    void recalculatingTwiceEqualsOnce();
};

void TestPass1::slipsReachTheirLines_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < lineCases().size(); ++i)
        QTest::newRow(lineCases()[i].name) << int(i);
}

void TestPass1::slipsReachTheirLines()
{
    QFETCH(int, index);
    const LineCase &c = lineCases()[size_t(index)];
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, c.born));
    for (const auto &slip : c.slips)
        r.addSlip(slip.first, slip.second);

    r.family.Recalculate(0, nullptr);

    for (const auto &line : c.lines)
        QVERIFY2(qAbs(amountOf(*r.t1, line.first) - line.second) < 0.001,
                 qPrintable(QString("%1: %2").arg(line.first).arg(amountOf(*r.t1, line.first))));
}

void TestPass1::actualDividendsAddNoWorksheet()
{
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt40));
    r.addSlip(SlipType::T5, {{"box10", 1000}, {"box24", 1000}});
    r.family.Recalculate(0, nullptr);
    QVERIFY(!r.person().hasForm(FormType::WSD1));

    // Interest alone brings the worksheet at once, so one recalculation reports it.
    SingleReturn interest;
    QVERIFY(interest.setUp(ProvinceCode::ON, kBornAt40));
    interest.addSlip(SlipType::T5, {{"box13", 1000}});
    interest.family.Recalculate(0, nullptr);
    QVERIFY(interest.person().hasForm(FormType::WSD1));
    QCOMPARE(double(interest.t1->f12100), 1000.0);
}

void TestPass1::dividendFixturesAreGrossedUp()
{
    // The slips carry the taxable amounts already grossed up: the fixtures' boxes 25 and 11
    // are 138% and 115% of boxes 24 and 10, and line 12000 takes them as they are.
    QCOMPARE(1000 * (1 + FederalRates2025::kEligibleGrossUp), 1380.0);
    QCOMPARE(1000 * (1 + FederalRates2025::kNonEligibleGrossUp), 1150.0);
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt40));
    r.addSlip(SlipType::T5, {{"box24", 1000}, {"box25", 1380}, {"box10", 1000}, {"box11", 1150}});
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(r.t1->f12000), 1380.0 + 1150.0);
    QCOMPARE(double(r.t1->eligibleDividends), 1380.0);
    // The federal dividend credit: 15.0198% of 1,380 + 9.0301% of 1,150 = 311.119 -> 311.12.
    QCOMPARE(double(r.t1->f40425), 311.12);
}

void TestPass1::incomeFormsReachTheirLines_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("expected");
    QTest::newRow("Schedule 3 gain") << int(FormType::SCH3) << "12700" << 5000.0;
    QTest::newRow("T776 net rent") << int(FormType::T776) << "12600" << 8000.0;
    QTest::newRow("T776 gross rent") << int(FormType::T776) << "grossRentalIncome" << 12000.0;
    QTest::newRow("T2125 net business") << int(FormType::T2125) << "13500" << 30000.0;
    QTest::newRow("T2125 gross business") << int(FormType::T2125) << "13499" << 50000.0;
    QTest::newRow("T2125 commission") << int(FormType::T2125C) << "13900" << 30000.0;
    QTest::newRow("T2121 fishing") << int(FormType::T2121) << "14300" << 30000.0;
    QTest::newRow("T2042 farming") << int(FormType::T2042) << "14100" << 30000.0;
    QTest::newRow("total income") << int(FormType::T776) << "15000" << 8000.0;
}

void TestPass1::incomeFormsReachTheirLines()
{
    QFETCH(int, type);
    QFETCH(QString, line);
    QFETCH(double, expected);
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt40));
    IndividualTaxData &p = r.person();
    switch (type) {
    case FormType::SCH3: {
        auto *sch3 = form<TaxData_Sch3>(p, type);
        sch3->dispositions.amountAt(0, 0) = 25000;
        sch3->dispositions.amountAt(0, 1) = 14000;
        sch3->dispositions.amountAt(0, 2) = 1000;
        break;
    }
    case FormType::T776: {
        auto *t776 = form<TaxData_T776New>(p, type);
        t776->grossRents = 12000;
        t776->expenses = 3500;
        t776->personalPortion = 500;
        t776->capitalCostAllowance = 1000;
        break;
    }
    case FormType::T2125:
    case FormType::T2125C: {
        auto *t2125 = dynamic_cast<TaxData_T2125_New *>(p.addForm(type, 0, true, 0, false)->data);
        t2125->grossIncome = 50000;
        t2125->expenses = 18000;
        t2125->capitalCostAllowance = 2000;
        break;
    }
    case FormType::T2121: {
        auto *t2121 = form<TaxData_T2121New>(p, type);
        t2121->grossIncome = 50000;
        t2121->expenses = 20000;
        break;
    }
    case FormType::T2042: {
        auto *t2042 = form<TaxData_T2042New>(p, type);
        t2042->grossIncome = 50000;
        t2042->expenses = 20000;
        break;
    }
    }

    r.family.Recalculate(0, nullptr);

    QCOMPARE(amountOf(*r.t1, line.toLatin1().constData()), expected);
}

void TestPass1::partnershipShares_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("first set") << 1;
    QTest::newRow("second set") << 2;
}

void TestPass1::partnershipShares()
{
    QFETCH(int, kind);
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt40));
    auto *t2125 = dynamic_cast<TaxData_T2125_New *>(
        r.person().addForm(FormType::T2125, 0, true, 0, false)->data);
    t2125->grossIncome = 80000;
    t2125->expenses = 20000;
    t2125->partnershipFlag = true;
    t2125->partnershipKind = kind;
    t2125->partnership.share = 25;
    auto *t2042 = form<TaxData_T2042New>(r.person(), FormType::T2042);
    t2042->grossIncome = 10000;
    t2042->expenses = 6000;
    t2042->partnershipFlag = true;
    t2042->partnershipKind = kind;
    t2042->partnership.share = 50;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(r.t1->f13500), 15000.0);
    QCOMPARE(double(r.t1->f13499), 80000.0);
    QCOMPARE(double(r.t1->f14100), 2000.0);
    QVERIFY(r.t1->partnershipIndicator);
    QCOMPARE(double(r.t1->partnershipGross), 20000.0 + 5000);
    QCOMPARE(double(r.t1->partnershipNet), 15000.0 + 2000);
    QCOMPARE(t2042->partnerName.value(), CString("Louise Gagnon"));
}

void TestPass1::deathBenefits_data()
{
    QTest::addColumn<double>("box106");
    QTest::addColumn<double>("otherIncome");
    QTest::newRow("15,000: the part above 10,000") << 15000.0 << 5000.0;
    QTest::newRow("8,000: nothing") << 8000.0 << 0.0;
    QTest::newRow("exactly 10,000: nothing") << 10000.0 << 0.0;
}

void TestPass1::deathBenefits()
{
    QFETCH(double, box106);
    QFETCH(double, otherIncome);
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt40));
    r.addSlip(SlipType::T4A, {{"box106", box106}});
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(r.t1->otherIncome), otherIncome);
    QCOMPARE(double(r.t1->f13000), otherIncome);
}

void TestPass1::exemptIncomeCreatesT90Once()
{
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt40));
    IndividualTaxData &p = r.person();
    r.addSlip(SlipType::T4, {{"box14", 20000}, {"box71", 20000}});
    QVERIFY(!p.hasForm(FormType::T90));
    QCOMPARE(p.CalculatePass(false, 0, 1, false), 1);
    QCOMPARE(p.CalculatePass(false, 0, 1, false), 0);
    auto *t90 = existing<TaxData_T90>(p, FormType::T90);
    QVERIFY(t90);
    QCOMPARE(double(t90->exemptAmount), 20000.0);
    QVERIFY(t90->exemptFlag);
    QCOMPARE(p.countFormsOfType(FormType::T90), 1);
}

void TestPass1::cppModeAndForm_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("otherForm");
    QTest::newRow("QPP box 17") << "box17" << 2 << int(FormType::RC381) << int(FormType::SCH8);
    QTest::newRow("QPP box 17A") << "box17A" << 2 << int(FormType::RC381) << int(FormType::SCH8);
    QTest::newRow("CPP box 16") << "box16" << 1 << int(FormType::SCH8) << int(FormType::RC381);
    QTest::newRow("CPP box 16A") << "box16A" << 1 << int(FormType::SCH8) << int(FormType::RC381);
    QTest::newRow("no contributions") << "box18" << 0 << 0 << int(FormType::SCH8);
}

void TestPass1::cppModeAndForm()
{
    QFETCH(QString, box);
    QFETCH(int, mode);
    QFETCH(int, form);
    QFETCH(int, otherForm);
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt40));
    r.addSlip(SlipType::T4, {{"box14", 40000}, {box.toLatin1().constData(), 1500}});
    // The pass that brings the CPP form reports it; the next one finds it.
    QCOMPARE(r.person().CalculatePass(false, 0, 1, false), form ? 1 : 0);
    QCOMPARE(r.person().CalculatePass(false, 0, 1, false), 0);
    r.family.Recalculate(0, nullptr);
    QCOMPARE(int(r.t1->cppMode), mode);
    if (form)
        QVERIFY(r.person().hasForm(form));
    QVERIFY(!r.person().hasForm(otherForm));
    if (mode == 2)
        QCOMPARE(double(existing<TaxData_RC381>(r.person(), FormType::RC381)
                            ->findField(box == "box17" ? "box17Total" : "box17ATotal")
                            ->toText()
                            .toDouble()),
                 1500.0);
}

void TestPass1::ensureCppForm_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("form");
    QTest::newRow("mode 1: Schedule 8") << 1 << int(FormType::SCH8);
    QTest::newRow("mode 2: RC381") << 2 << int(FormType::RC381);
    QTest::newRow("mode 0: none") << 0 << 0;
    QTest::newRow("mode 3: none") << 3 << 0;
}

void TestPass1::ensureCppForm()
{
    QFETCH(int, mode);
    QFETCH(int, form);
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt40));
    const int before = r.person().getFormCount(0);
    QCOMPARE(r.person().EnsureCppForm(mode), form ? 1 : 0);
    QCOMPARE(r.person().EnsureCppForm(mode), 0);
    QCOMPARE(r.person().getFormCount(0), before + (form ? 1 : 0));
    if (form)
        QVERIFY(r.person().hasForm(form));
}

void TestPass1::cpt20TakesSixT4s()
{
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt40));
    auto *cpt20 = form<TaxData_CPT20_New>(r.person(), FormType::CPT20);
    for (int i = 1; i <= 7; ++i) {
        // Box 26 counts when present; box 14 stands in for it otherwise.
        const double box26 = i == 2 ? 900.0 : 0.0;
        r.addSlip(SlipType::T4,
                  {{"box14", 1000.0 * i}, {"box26", box26}, {"box16", 10.0 * i}, {"box16A", i}});
    }
    r.family.Recalculate(0, nullptr);
    for (int n = 1; n <= 6; ++n) {
        QCOMPARE(double(cpt20->entries.amountAt(n - 1, 0)), n == 2 ? 900.0 : 1000.0 * n);
        QCOMPARE(double(cpt20->entries.amountAt(n - 1, 1)), 10.0 * n);
        QCOMPARE(double(cpt20->entries.amountAt(n - 1, 2)), double(n));
    }
    QCOMPARE(int(r.t1->t4Count), 7);
}

void TestPass1::parentalInsurance_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("box55");
    QTest::addColumn<double>("premiums");
    QTest::newRow("Quebec, capped") << ProvinceCode::QC << 600.0 << 484.12;
    QTest::newRow("Quebec, below the cap") << ProvinceCode::QC << 300.5 << 300.5;
    QTest::newRow("Ontario") << ProvinceCode::ON << 600.0 << 0.0;
}

void TestPass1::parentalInsurance()
{
    QFETCH(int, province);
    QFETCH(double, box55);
    QFETCH(double, premiums);
    SingleReturn r;
    QVERIFY(r.setUp(province, kBornAt40));
    r.addSlip(SlipType::T4, {{"box14", 100000}, {"box55", box55}});
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(r.t1->parentalInsurance), premiums);
    auto *t2204 = existing<TaxData_T2204_New>(r.person(), FormType::T2204);
    QVERIFY(t2204);
    QCOMPARE(double(t2204->ppipPremiums), box55);
}

void TestPass1::restrictedFarmLoss_data()
{
    QTest::addColumn<double>("loss");
    QTest::addColumn<int>("indicator");
    QTest::addColumn<double>("line14100");
    QTest::addColumn<int>("indicatorAfter");
    QTest::newRow("2,000: whole, indicator cleared") << 2000.0 << 1 << -2000.0 << 0;
    QTest::newRow("10,000: 2,500 and half the rest") << 10000.0 << 1 << -6250.0 << 1;
    QTest::newRow("40,000: the maximum") << 40000.0 << 1 << -17500.0 << 1;
    QTest::newRow("32,500: exactly the maximum") << 32500.0 << 1 << -17500.0 << 1;
    QTest::newRow("10,000 without the indicator") << 10000.0 << 0 << -10000.0 << 0;
}

void TestPass1::restrictedFarmLoss()
{
    QFETCH(double, loss);
    QFETCH(int, indicator);
    QFETCH(double, line14100);
    QFETCH(int, indicatorAfter);
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt40));
    auto *t1163 = form<TaxData_T1163New>(r.person(), FormType::T1163);
    t1163->grossIncome = 1000;
    t1163->expenses = 1000 + loss;
    r.t1->restrictedFarmLoss = indicator;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(r.t1->f14100), line14100);
    QCOMPARE(double(r.t1->farmingAmount), -loss);
    QCOMPARE(int(r.t1->restrictedFarmLoss), indicatorAfter);
}

void TestPass1::capitalLossOfDeceased_data()
{
    QTest::addColumn<bool>("deceased");
    QTest::addColumn<double>("line12700");
    QTest::newRow("deceased keeps the loss") << true << -500.0;
    QTest::newRow("living person: 0") << false << 0.0;
}

void TestPass1::capitalLossOfDeceased()
{
    QFETCH(bool, deceased);
    QFETCH(double, line12700);
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt70));
    if (deceased)
        r.t1->deathDate = QDate(2025, 6, 15);
    auto *sch3 = form<TaxData_Sch3>(r.person(), FormType::SCH3);
    sch3->dispositions.amountAt(0, 0) = 4000;
    sch3->dispositions.amountAt(0, 1) = 5000;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(sch3->f19900), -500.0);
    QCOMPARE(double(r.t1->f12700), line12700);
    QCOMPARE(bool(sch3->deceased), deceased);
}

void TestPass1::spousalPlanPension_data()
{
    QTest::addColumn<QDate>("born");
    QTest::addColumn<double>("under65");
    QTest::addColumn<double>("at65");
    QTest::newRow("64") << QDate(1961, 6, 1) << 1500.0 << 0.0;
    QTest::newRow("65") << QDate(1960, 6, 1) << 0.0 << 1500.0;
}

void TestPass1::spousalPlanPension()
{
    QFETCH(QDate, born);
    QFETCH(double, under65);
    QFETCH(double, at65);
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, born));
    auto *t2205 = form<CTaxData_T2205>(r.person(), FormType::T2205);
    t2205->contributions3Years = 4000;
    t2205->annuityPayments = 1500;
    r.addSlip(SlipType::T4RSP, {{"box22", 6000}, {"flag2", 1}});
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(t2205->flaggedWithdrawals), 6000.0);
    QCOMPARE(double(t2205->amountToInclude), 4000.0);
    QCOMPARE(double(r.t1->spousalPlanAdjustment), -4000.0);
    QCOMPARE(double(r.t1->pensionUnder65), under65);
    QCOMPARE(double(r.t1->pensionAt65), at65);
}

void TestPass1::pensionSplitTakesHalf()
{
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt70));
    r.t1->maritalStatus = 0;
    auto *t1032 = form<TaxData_T1032_New>(r.person(), FormType::T1032);
    t1032->transferer = 0;
    t1032->electedAmount = 9000;
    r.addSlip(SlipType::T4A, {{"box16", 12000}});
    r.family.Recalculate(0, nullptr);
    // At most half of the eligible pension may be split; the election is kept within it.
    QCOMPARE(double(t1032->maxSplit), 6000.0);
    QCOMPARE(double(r.t1->f21000), 6000.0);
    QCOMPARE(double(r.t1->f11600), 0.0);
    QCOMPARE(r.person().PrepareT1032(), 6000.0);

    t1032->transferer = 5;
    QCOMPARE(r.person().PrepareT1032(), 0.0);
    QCOMPARE(double(r.t1->f21000), 0.0);
}

void TestPass1::provincialWizardDataInCurrentPassOneOnly()
{
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    couple.recorder.scripts[kSpouseProvince].makesWizardData = true;
    couple.family.setCurrentPersonIndex(PersonSpouse);
    CTaxData_Form *wizard = couple.family.spouse()->findWizardData(WizardType::Provincial, true);
    QVERIFY(wizard);
    couple.recorder.calls.clear();

    couple.family.Recalculate(0, wizard);

    QStringList applied;
    for (const QString &call : couple.recorder.calls) {
        if (call.section(' ', 1, 1) == "applyWizardData")
            applied.append(call);
    }
    // Once per round, from the spouse's (current) pass 1, never from the taxpayer's.
    const QString spouse = QString::number(kSpouseProvince);
    QCOMPARE(applied, QStringList({spouse + " applyWizardData", spouse + " applyWizardData"}));
}

void TestPass1::recalculatingTwiceEqualsOnce()
{
    SingleReturn r;
    QVERIFY(r.setUp(ProvinceCode::ON, kBornAt70));
    IndividualTaxData &p = r.person();
    r.addSlip(SlipType::T4, {{"box14", 30000}, {"box16", 1500}, {"box22", 4000}});
    r.addSlip(SlipType::T4A, {{"box16", 12000}, {"box22", 800}, {"box106", 12000}});
    r.addSlip(SlipType::T4RIF, {{"box16", 5000}, {"box28", 500}});
    r.addSlip(SlipType::T5,
              {{"box13", 300}, {"box11", 115}, {"box25", 276}, {"box15", 50}, {"box16", 5}});
    r.addSlip(SlipType::T3, {{"box21", 400}, {"box26", 90}, {"box32", 115}});
    r.addSlip(SlipType::T5013, {{"box5", 100}, {"amtH", 100}, {"amtR", 40}, {"amtS", 10}});
    r.addSlip(SlipType::T4E, {{"box14", 2000}, {"box22", 200}});
    auto *t776 = form<TaxData_T776New>(p, FormType::T776);
    t776->grossRents = 9000;
    t776->expenses = 2000;
    auto *t1163 = form<TaxData_T1163New>(p, FormType::T1163);
    t1163->expenses = 8000;
    r.t1->restrictedFarmLoss = 1;
    form<TaxData_Sch3>(p, FormType::SCH3)->dispositions.amountAt(0, 0) = 3000;

    r.family.Recalculate(0, nullptr);
    const QMap<QByteArray, QString> once = snapshot(*r.t1);
    r.family.Recalculate(0, nullptr);
    const QMap<QByteArray, QString> twice = snapshot(*r.t1);

    for (auto it = once.cbegin(); it != once.cend(); ++it)
        QVERIFY2(
            twice.value(it.key()) == it.value(),
            qPrintable(QString("%1: %2 then %3")
                           .arg(QString::fromLatin1(it.key()), it.value(), twice.value(it.key()))));
    QCOMPARE(double(r.t1->incomeTaxDeducted), 4000.0 + 800 + 500 + 200 + 10);
    QCOMPARE(double(r.t1->f12100), 300.0 + 50);
}

QV_TEST_MAIN(TestPass1)
#include "tst_Pass1.moc"
