// Whole returns through Recalculate in every province with a T1 provincial tax: a senior
// couple, a single parent with two children, a low-income single at, just above and far above
// the province's low-income reduction, a person with dividends and a high earner. The
// provincial lines (the 428's amounts, credits, dividend credit, reductions and line 42800)
// are worked out by hand beside each row from the figures in docs/TaxFigures2025.md and the
// federal lines the return holds (which the row's working names); amounts are rounded to the
// cent at each step.
#include <QtTest>

#include "CalcFixture.h"
#include "LinkedReturn.h"
#include "TestMain.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"

using namespace CalcFixture;
using namespace ProvinceCode;

namespace {

enum Case
{
    SeniorCouple, // 70 with a pension of 30,000; spouse 68 with a pension of 6,000
    SingleParent, // 40, single, employment 40,000, children of 10 and 8
    LowIncome,    // 40, single, employment of the row's amount
    Dividends,    // 40, single, employment 30,000, eligible 13,800, other 11,500 (taxable)
    HighEarner,   // 40, single, employment 300,000
};

// The 428's lines the rows assert.
struct Lines428
{
    double creditAmounts;
    double credits;
    double dividendCredit;
    double reductions; // tax reduction plus the low-income reduction or credit
    double tax;        // line 42800
};

void build(LinkedReturn &r, int province, Case kind, double income)
{
    const bool senior = kind == SeniorCouple;
    r.setUp(province, senior ? QDate(1955, 3, 1) : QDate(1985, 3, 1),
            senior ? 0 : LinkedReturn::kSingle);
    IndividualTaxData &p = r.person();
    // The province's 428 shows the steps.
    form<CTaxData_Form>(p, FormType::PROV428);
    switch (kind) {
    case SeniorCouple:
        r.addSpouse(province, QDate(1957, 6, 1));
        // The spouse amount is claimed on Schedule 5.
        form<TaxData_Sch5>(p, FormType::SCH5);
        LinkedReturn::addSlip(p, SlipType::T4A, {{"box16", 30000}});
        LinkedReturn::addSlip(*r.family.spouse(), SlipType::T4A, {{"box16", 6000}});
        break;
    case SingleParent: {
        DependantInfoStruct &dependants = r.family.dependants();
        dependants.AllocData(2);
        dependants.record(0).birthDate = QDate(2015, 4, 1);
        dependants.record(0).relationship = 1;
        dependants.record(1).birthDate = QDate(2017, 9, 1);
        dependants.record(1).relationship = 2;
        // The elder child is claimed as the eligible dependant on Schedule 5.
        auto *sch5 = form<TaxData_Sch5>(p, FormType::SCH5);
        sch5->eligibleDependants = 1;
        sch5->dependantNetIncome = 0;
        r.addSlip(SlipType::T4, {{"box14", 40000}});
        break;
    }
    case LowIncome:
        r.addSlip(SlipType::T4, {{"box14", income}});
        break;
    case Dividends:
        r.addSlip(SlipType::T4, {{"box14", 30000}});
        r.addSlip(SlipType::T5, {{"box25", 13800}, {"box11", 11500}});
        break;
    case HighEarner:
        r.addSlip(SlipType::T4, {{"box14", 300000}});
        break;
    }
}

} // namespace

class TestProvincialReturns : public QObject
{
    Q_OBJECT
private slots:
    void provincialLines_data();
    void provincialLines();
};

void TestProvincialReturns::provincialLines_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("creditAmounts");
    QTest::addColumn<double>("credits");
    QTest::addColumn<double>("dividendCredit");
    QTest::addColumn<double>("reductions");
    QTest::addColumn<double>("tax");
    const auto row = [](const char *name, int province, Case kind, double income,
                        const Lines428 &l) {
        QTest::newRow(name) << province << int(kind) << income << l.creditAmounts << l.credits
                            << l.dividendCredit << l.reductions << l.tax;
    };
    // Each row: the 428 amounts (the sum of the named amounts), the credits at the rate, the
    // tax on taxable income less the credits, the dividend credit, the reductions.
    // amounts basic 22,323 + age 6,221 + spouse 16,323 + pension 1,685 = 46,552, x 8% = 3,724.16;
    // tax 2,400 less credits: 0; line 42800 0.00.
    row("AB senior couple", AB, SeniorCouple, 0, {46552, 3724.16, 0, 0, 0});
    // amounts basic 22,323 + eligible dependant 22,323 = 44,646, x 8% = 3,571.68; tax 3,200 less
    // credits: 0; line 42800 0.00.
    row("AB single parent", AB, SingleParent, 0, {44646, 3571.68, 0, 0, 0});
    // amounts basic 22,323 = 22,323, x 8% = 1,785.84; tax 1,600 less credits: 0; line 42800 0.00.
    row("AB low income 20000", AB, LowIncome, 20000, {22323, 1785.84, 0, 0, 0});
    // amounts basic 22,323 = 22,323, x 8% = 1,785.84; tax 4,424 less credits: 2,638.16; dividends
    // 13,800 x 8.12% + 11,500 x 2.18% = 1,371.26: 1,266.90; line 42800 1,266.90.
    row("AB dividends", AB, Dividends, 0, {22323, 1785.84, 1371.26, 0, 1266.9});
    // amounts basic 22,323 = 22,323, x 8% = 1,785.84; tax 33,540.77 less credits: 31,754.93; line
    // 42800 31,754.93.
    row("AB high earner", AB, HighEarner, 0, {22323, 1785.84, 0, 0, 31754.93});
    // amounts basic 12,932 + age 5,799 + spouse 6,181 + pension 1,000 = 25,912, x 5.06% =
    // 1,311.15; tax 1,518 less credits: 206.85; reduction 562 - 3.56% x 4,980, at most the tax:
    // 206.85; line 42800 0.00.
    row("BC senior couple", BC, SeniorCouple, 0, {25912, 1311.15, 0, 206.85, 0});
    // amounts basic 12,932 + eligible dependant 11,073 = 24,005, x 5.06% = 1,214.65; tax 2,024
    // less credits: 809.35; reduction 562 - 3.56% x 14,980, at most the tax: 28.71; line 42800
    // 780.64.
    row("BC single parent", BC, SingleParent, 0, {24005, 1214.65, 0, 28.71, 780.64});
    // amounts basic 12,932 = 12,932, x 5.06% = 654.36; tax 1,266.01 less credits: 611.65;
    // reduction 562 - 3.56% x 0, at most the tax: 562; line 42800 49.65.
    row("BC low income 25020", BC, LowIncome, 25020, {12932, 654.36, 0, 562, 49.65});
    // amounts basic 12,932 = 12,932, x 5.06% = 654.36; tax 1,266.06 less credits: 611.70;
    // reduction 562 - 3.56% x 1, at most the tax: 561.96; line 42800 49.74.
    row("BC low income 25021", BC, LowIncome, 25021, {12932, 654.36, 0, 561.96, 49.74});
    // amounts basic 12,932 = 12,932, x 5.06% = 654.36; tax 2,277 less credits: 1,622.64; reduction
    // 562 - 3.56% x 19,980, at most the tax: 0; line 42800 1,622.64.
    row("BC low income 45000", BC, LowIncome, 45000, {12932, 654.36, 0, 0, 1622.64});
    // amounts basic 12,932 = 12,932, x 5.06% = 654.36; tax 2,957.13 less credits: 2,302.77;
    // dividends 13,800 x 12% + 11,500 x 1.96% = 1,881.40: 421.37; reduction 562 - 3.56% x 30,280,
    // at most the tax: 0; line 42800 421.37.
    row("BC dividends", BC, Dividends, 0, {12932, 654.36, 1881.4, 0, 421.37});
    // amounts basic 12,932 = 12,932, x 5.06% = 654.36; tax 38,576.22 less credits: 37,921.86;
    // reduction 562 - 3.56% x 274,980, at most the tax: 0; line 42800 37,921.86.
    row("BC high earner", BC, HighEarner, 0, {12932, 654.36, 0, 0, 37921.86});
    // amounts basic 15,780 + age 3,390.35 + pension 1,000 = 20,170.35, x 10.8% = 2,178.40; family
    // tax benefit (8,260 - 9% x 30,000) x 10.8% = 600.48; tax 3,240 less credits: 461.12; line
    // 42800 461.12.
    row("MB senior couple", MB, SeniorCouple, 0, {20170.35, 2778.88, 0, 0, 461.12});
    // amounts basic 15,780 = 15,780, x 10.8% = 1,704.24; family tax benefit (9,634 - 9% x 40,000)
    // x 10.8% = 651.67; tax 4,320 less credits: 1,964.09; line 42800 1,964.09.
    row("MB single parent", MB, SingleParent, 0, {15780, 2355.91, 0, 0, 1964.09});
    // amounts basic 15,780 = 15,780, x 10.8% = 1,704.24; family tax benefit (2,065 - 9% x 20,000)
    // x 10.8% = 28.62; tax 2,160 less credits: 427.14; line 42800 427.14.
    row("MB low income 20000", MB, LowIncome, 20000, {15780, 1732.86, 0, 0, 427.14});
    // amounts basic 15,780 = 15,780, x 10.8% = 1,704.24; tax 6,134.25 less credits: 4,430.01;
    // dividends 13,800 x 8% + 11,500 x 0.7835% = 1,194.10: 3,235.91; line 42800 3,235.91.
    row("MB dividends", MB, Dividends, 0, {15780, 1704.24, 1194.1, 0, 3235.91});
    // amounts basic 7,890 = 7,890, x 10.8% = 852.12; tax 46,633.50 less credits: 45,781.38; line
    // 42800 45,781.38.
    row("MB high earner", MB, HighEarner, 0, {7890, 852.12, 0, 0, 45781.38});
    // amounts basic 13,396 + age 6,037 + spouse 5,550 + pension 1,000 = 25,983, x 9.4% = 2,442.40;
    // tax 2,820 less credits: 377.60; line 42800 377.60.
    row("NB senior couple", NB, SeniorCouple, 0, {25983, 2442.4, 0, 0, 377.6});
    // amounts basic 13,396 + eligible dependant 10,499 = 23,895, x 9.4% = 2,246.13; tax 3,760 less
    // credits: 1,513.87; line 42800 1,513.87.
    row("NB single parent", NB, SingleParent, 0, {23895, 2246.13, 0, 0, 1513.87});
    // amounts basic 13,396 = 13,396, x 9.4% = 1,259.22; tax 1,880 less credits: 620.78; line 42800
    // 620.78.
    row("NB low income 20000", NB, LowIncome, 20000, {13396, 1259.22, 0, 0, 620.78});
    // amounts basic 13,396 = 13,396, x 9.4% = 1,259.22; tax 5,381.92 less credits: 4,122.70;
    // dividends 13,800 x 14% + 11,500 x 2.75% = 2,248.25: 1,874.45; line 42800 1,874.45.
    row("NB dividends", NB, Dividends, 0, {13396, 1259.22, 2248.25, 0, 1874.45});
    // amounts basic 13,396 = 13,396, x 9.4% = 1,259.22; tax 47,435.54 less credits: 46,176.32;
    // line 42800 46,176.32.
    row("NB high earner", NB, HighEarner, 0, {13396, 1259.22, 0, 0, 46176.32});
    // amounts basic 11,067 + age 7,064 + spouse 3,948 + pension 1,000 = 23,079, x 8.7% =
    // 2,007.87; tax 2,610 less credits: 602.13; line 42800 602.13.
    row("NL senior couple", NL, SeniorCouple, 0, {23079, 2007.87, 0, 0, 602.13});
    // amounts basic 11,067 + eligible dependant 9,043 = 20,110, x 8.7% = 1,749.57; tax 3,480 less
    // credits: 1,730.43; line 42800 1,730.43.
    row("NL single parent", NL, SingleParent, 0, {20110, 1749.57, 0, 0, 1730.43});
    // amounts basic 11,067 = 11,067, x 8.7% = 962.83; tax 1,740 less credits: 777.17; line 42800
    // 777.17.
    row("NL low income 20000", NL, LowIncome, 20000, {11067, 962.83, 0, 0, 777.17});
    // amounts basic 11,067 = 11,067, x 8.7% = 962.83; tax 5,455.36 less credits: 4,492.53;
    // dividends 13,800 x 6.3% + 11,500 x 3.2% = 1,237.40: 3,255.13; line 42800 3,255.13.
    row("NL dividends", NL, Dividends, 0, {11067, 962.83, 1237.4, 0, 3255.13});
    // amounts basic 11,067 = 11,067, x 8.7% = 962.83; tax 48,291.72 less credits: 47,328.89; line
    // 42800 47,328.89.
    row("NL high earner", NL, HighEarner, 0, {11067, 962.83, 0, 0, 47328.89});
    // amounts basic 11,744 = 11,744, x 8.79% = 1,032.30; tax 2,637 less credits: 1,604.70; low-
    // income reduction 600 - 5% x 21,000, at most the tax: 0; line 42800 1,604.70.
    row("NS senior couple", NS, SeniorCouple, 0, {11744, 1032.3, 0, 0, 1604.7});
    // amounts basic 11,744 = 11,744, x 8.79% = 1,032.30; tax 4,100.77 less credits: 3,068.47; low-
    // income reduction 765 - 5% x 25,000, at most the tax: 0; line 42800 3,068.47.
    row("NS single parent", NS, SingleParent, 0, {11744, 1032.3, 0, 0, 3068.47});
    // amounts basic 11,744 = 11,744, x 8.79% = 1,032.30; tax 1,318.50 less credits: 286.20; low-
    // income reduction 300 - 5% x 0, at most the tax: 286.20; line 42800 0.00.
    row("NS low income 15000", NS, LowIncome, 15000, {11744, 1032.3, 0, 286.2, 0});
    // amounts basic 11,744 = 11,744, x 8.79% = 1,032.30; tax 1,318.59 less credits: 286.29; low-
    // income reduction 300 - 5% x 1, at most the tax: 286.29; line 42800 0.00.
    row("NS low income 15001", NS, LowIncome, 15001, {11744, 1032.3, 0, 286.29, 0});
    // amounts basic 11,744 = 11,744, x 8.79% = 1,032.30; tax 1,758 less credits: 725.70; low-
    // income reduction 300 - 5% x 5,000, at most the tax: 50; line 42800 675.70.
    row("NS low income 20000", NS, LowIncome, 20000, {11744, 1032.3, 0, 50, 675.7});
    // amounts basic 11,744 = 11,744, x 8.79% = 1,032.30; tax 2,637 less credits: 1,604.70; low-
    // income reduction 300 - 5% x 15,000, at most the tax: 0; line 42800 1,604.70.
    row("NS low income 30000", NS, LowIncome, 30000, {11744, 1032.3, 0, 0, 1604.7});
    // amounts basic 11,744 = 11,744, x 8.79% = 1,032.30; tax 6,388.12 less credits: 5,355.82;
    // dividends 13,800 x 8.85% + 11,500 x 1.5% = 1,393.80: 3,962.02; low-income reduction 300 - 5%
    // x 40,300, at most the tax: 0; line 42800 3,962.02.
    row("NS dividends", NS, Dividends, 0, {11744, 1032.3, 1393.8, 0, 3962.02});
    // amounts basic 11,744 = 11,744, x 8.79% = 1,032.30; tax 53,862.73 less credits: 52,830.43;
    // low-income reduction 300 - 5% x 285,000, at most the tax: 0; line 42800 52,830.43.
    row("NS high earner", NS, HighEarner, 0, {11744, 1032.3, 0, 0, 52830.43});
    // amounts basic 17,842 = 17,842, x 5.9% = 1,052.68; tax 1,770 less credits: 717.32; line 42800
    // 717.32.
    row("NT senior couple", NT, SeniorCouple, 0, {17842, 1052.68, 0, 0, 717.32});
    // amounts basic 17,842 = 17,842, x 5.9% = 1,052.68; tax 2,360 less credits: 1,307.32; line
    // 42800 1,307.32.
    row("NT single parent", NT, SingleParent, 0, {17842, 1052.68, 0, 0, 1307.32});
    // amounts basic 17,842 = 17,842, x 5.9% = 1,052.68; tax 1,180 less credits: 127.32; line 42800
    // 127.32.
    row("NT low income 20000", NT, LowIncome, 20000, {17842, 1052.68, 0, 0, 127.32});
    // amounts basic 17,842 = 17,842, x 5.9% = 1,052.68; tax 3,352.77 less credits: 2,300.09;
    // dividends 13,800 x 11.5% + 11,500 x 0% = 1,587: 713.09; line 42800 713.09.
    row("NT dividends", NT, Dividends, 0, {17842, 1052.68, 1587, 0, 713.09});
    // amounts basic 17,842 = 17,842, x 5.9% = 1,052.68; tax 33,879.60 less credits: 32,826.92;
    // line 42800 32,826.92.
    row("NT high earner", NT, HighEarner, 0, {17842, 1052.68, 0, 0, 32826.92});
    // amounts basic 19,274 = 19,274, x 4% = 770.96; tax 1,200 less credits: 429.04; line 42800
    // 429.04.
    row("NU senior couple", NU, SeniorCouple, 0, {19274, 770.96, 0, 0, 429.04});
    // amounts basic 19,274 = 19,274, x 4% = 770.96; tax 1,600 less credits: 829.04; line 42800
    // 829.04.
    row("NU single parent", NU, SingleParent, 0, {19274, 770.96, 0, 0, 829.04});
    // amounts basic 19,274 = 19,274, x 4% = 770.96; tax 800 less credits: 29.04; line 42800 29.04.
    row("NU low income 20000", NU, LowIncome, 20000, {19274, 770.96, 0, 0, 29.04});
    // amounts basic 19,274 = 19,274, x 4% = 770.96; tax 2,229.79 less credits: 1,458.83; dividends
    // 13,800 x 5.51% + 11,500 x 0% = 760.38: 698.45; line 42800 698.45.
    row("NU dividends", NU, Dividends, 0, {19274, 770.96, 760.38, 0, 698.45});
    // amounts basic 19,274 = 19,274, x 4% = 770.96; tax 26,223.51 less credits: 25,452.55; line
    // 42800 25,452.55.
    row("NU high earner", NU, HighEarner, 0, {19274, 770.96, 0, 0, 25452.55});
    // amounts basic 12,747 + age 6,223 + spouse 5,905 + pension 1,762 = 26,637, x 5.05% =
    // 1,345.17; tax 1,515 less credits: 169.83; reduction 2 x (294 + 544 x 0) less the tax:
    // 169.83; LIFT 0; premium 300; line 42800 300.00.
    row("ON senior couple", ON, SeniorCouple, 0, {26637, 1345.17, 0, 169.83, 300});
    // amounts basic 12,747 + eligible dependant 10,823 = 23,570, x 5.05% = 1,190.29; tax 2,020
    // less credits: 829.71; reduction 2 x (294 + 544 x 2) less the tax: 829.71; LIFT 0; premium
    // 450; line 42800 450.00.
    row("ON single parent", ON, SingleParent, 0, {23570, 1190.29, 0, 829.71, 450});
    // amounts basic 12,747 = 12,747, x 5.05% = 643.72; tax 757.50 less credits: 113.78; reduction
    // 2 x (294 + 544 x 0) less the tax: 113.78; LIFT 0; premium 0; line 42800 0.00.
    row("ON low income 15000", ON, LowIncome, 15000, {12747, 643.72, 0, 113.78, 0});
    // amounts basic 12,747 = 12,747, x 5.05% = 643.72; tax 1,010 less credits: 366.28; reduction 2
    // x (294 + 544 x 0) less the tax: 221.72; LIFT 144.56; premium 0; line 42800 0.00.
    row("ON low income 20000", ON, LowIncome, 20000, {12747, 643.72, 0, 366.28, 0});
    // amounts basic 12,747 = 12,747, x 5.05% = 643.72; tax 2,020 less credits: 1,376.28; reduction
    // 2 x (294 + 544 x 0) less the tax: 0; LIFT 500; premium 450; line 42800 1,326.28.
    row("ON low income 40000", ON, LowIncome, 40000, {12747, 643.72, 0, 500, 1326.28});
    // amounts basic 12,747 = 12,747, x 5.05% = 643.72; tax 2,891.62 less credits: 2,247.90;
    // dividends 13,800 x 10% + 11,500 x 2.9863% = 1,723.42: 524.48; reduction 2 x (294 + 544 x 0)
    // less the tax: 63.52; LIFT 0; premium 600; line 42800 1,060.96.
    row("ON dividends", ON, Dividends, 0, {12747, 643.72, 1723.42, 63.52, 1060.96});
    // amounts basic 12,747 = 12,747, x 5.05% = 643.72; tax 31,485.60 less credits: 30,841.88;
    // surtax 13,498.93: 44,340.81; reduction 2 x (294 + 544 x 0) less the tax: 0; LIFT 0; premium
    // 900; line 42800 45,240.81.
    row("ON high earner", ON, HighEarner, 0, {12747, 643.72, 0, 0, 45240.81});
    // amounts basic 14,250 + age 6,510 + spouse 7,313 = 28,073, x 9.5% = 2,666.94; tax 2,850 less
    // credits: 183.06; low-income reduction 1,200 - 5% x 13,750, at most the tax: 183.06; line
    // 42800 0.00.
    row("PE senior couple", PE, SeniorCouple, 0, {28073, 2666.94, 0, 183.06, 0});
    // amounts basic 14,250 + eligible dependant 12,103 = 26,353, x 9.5% = 2,503.54; tax 4,064.88
    // less credits: 1,561.34; low-income reduction 1,000 - 5% x 17,750, at most the tax: 112.50;
    // line 42800 1,448.84.
    row("PE single parent", PE, SingleParent, 0, {26353, 2503.54, 0, 112.5, 1448.84});
    // amounts basic 14,250 = 14,250, x 9.5% = 1,353.75; tax 2,113.75 less credits: 760; low-income
    // reduction 350 - 5% x 0, at most the tax: 350; line 42800 410.00.
    row("PE low income 22250", PE, LowIncome, 22250, {14250, 1353.75, 0, 350, 410});
    // amounts basic 14,250 = 14,250, x 9.5% = 1,353.75; tax 2,113.85 less credits: 760.10; low-
    // income reduction 350 - 5% x 1, at most the tax: 349.95; line 42800 410.15.
    row("PE low income 22251", PE, LowIncome, 22251, {14250, 1353.75, 0, 349.95, 410.15});
    // amounts basic 14,250 = 14,250, x 9.5% = 1,353.75; tax 2,565 less credits: 1,211.25; low-
    // income reduction 350 - 5% x 4,750, at most the tax: 112.50; line 42800 1,098.75.
    row("PE low income 27000", PE, LowIncome, 27000, {14250, 1353.75, 0, 112.5, 1098.75});
    // amounts basic 14,250 = 14,250, x 9.5% = 1,353.75; tax 4,064.88 less credits: 2,711.13; low-
    // income reduction 350 - 5% x 17,750, at most the tax: 0; line 42800 2,711.13.
    row("PE low income 40000", PE, LowIncome, 40000, {14250, 1353.75, 0, 0, 2711.13});
    // amounts basic 14,250 = 14,250, x 9.5% = 1,353.75; tax 6,125.79 less credits: 4,772.04;
    // dividends 13,800 x 10.5% + 11,500 x 1.3% = 1,598.50: 3,173.54; low-income reduction 350 - 5%
    // x 33,050, at most the tax: 0; line 42800 3,173.54.
    row("PE dividends", PE, Dividends, 0, {14250, 1353.75, 1598.5, 0, 3173.54});
    // amounts basic 14,250 = 14,250, x 9.5% = 1,353.75; tax 50,650.15 less credits: 49,296.40;
    // low-income reduction 350 - 5% x 277,750, at most the tax: 0; line 42800 49,296.40.
    row("PE high earner", PE, HighEarner, 0, {14250, 1353.75, 0, 0, 49296.4});
    // amounts basic 19,491 + spouse 15,440 + pension 1,000 + senior supplement 2,028 = 37,959, x
    // 10.5% = 3,985.70; tax 3,150 less credits: 0; line 42800 0.00.
    row("SK senior couple", SK, SeniorCouple, 0, {37959, 3985.7, 0, 0, 0});
    // amounts basic 19,491 + eligible dependant 19,491 + children 2 x 7,704 = 54,390, x 10.5% =
    // 5,710.95; tax 4,200 less credits: 0; line 42800 0.00.
    row("SK single parent", SK, SingleParent, 0, {54390, 5710.95, 0, 0, 0});
    // amounts basic 19,491 = 19,491, x 10.5% = 2,046.56; tax 2,100 less credits: 53.44; line 42800
    // 53.44.
    row("SK low income 20000", SK, LowIncome, 20000, {19491, 2046.56, 0, 0, 53.44});
    // amounts basic 19,491 = 19,491, x 10.5% = 2,046.56; tax 5,843.24 less credits: 3,796.68;
    // dividends 13,800 x 11% + 11,500 x 2.519% = 1,807.69: 1,988.99; line 42800 1,988.99.
    row("SK dividends", SK, Dividends, 0, {19491, 2046.56, 1807.69, 0, 1988.99});
    // amounts basic 19,491 = 19,491, x 10.5% = 2,046.56; tax 39,375.74 less credits: 37,329.18;
    // line 42800 37,329.18.
    row("SK high earner", SK, HighEarner, 0, {19491, 2046.56, 0, 0, 37329.18});
    // amounts basic 16,129 + 30100 9,028 + 30300 10,129 + 31400 2,000 = 37,286, x 6.4% = 2,386.30;
    // tax 1,920 less credits: 0; line 42800 0.00.
    row("YT senior couple", YT, SeniorCouple, 0, {37286, 2386.3, 0, 0, 0});
    // amounts basic 16,129 + 30400 16,129 + 31260 1,471 = 33,729, x 6.4% = 2,158.66; tax 2,560
    // less credits: 401.34; line 42800 401.34.
    row("YT single parent", YT, SingleParent, 0, {33729, 2158.66, 0, 0, 401.34});
    // amounts basic 16,129 + 31260 1,471 = 17,600, x 6.4% = 1,126.40; tax 1,280 less credits:
    // 153.60; line 42800 153.60.
    row("YT low income 20000", YT, LowIncome, 20000, {17600, 1126.4, 0, 0, 153.6});
    // amounts basic 16,129 + 31260 1,471 = 17,600, x 6.4% = 1,126.40; tax 3,539.20 less credits:
    // 2,412.80; dividends 13,800 x 12.02% + 11,500 x 0.67% = 1,735.81: 676.99; line 42800 676.99.
    row("YT dividends", YT, Dividends, 0, {17600, 1126.4, 1735.81, 0, 676.99});
    // amounts basic 14,538 + 31260 1,471 = 16,009, x 6.4% = 1,024.58; tax 31,348.24 less credits:
    // 30,323.66; line 42800 30,323.66.
    row("YT high earner", YT, HighEarner, 0, {16009, 1024.58, 0, 0, 30323.66});
}

void TestProvincialReturns::provincialLines()
{
    QFETCH(int, province);
    QFETCH(int, kind);
    QFETCH(double, income);
    QFETCH(double, creditAmounts);
    QFETCH(double, credits);
    QFETCH(double, dividendCredit);
    QFETCH(double, reductions);
    QFETCH(double, tax);
    LinkedReturn r;
    build(r, province, Case(kind), income);
    QVERIFY(r.t1);
    r.family.Recalculate(0, nullptr);
    auto *form428 = existing<CTaxData_Form>(r.person(), FormType::PROV428);
    QVERIFY(form428);
    const double actual[] = {amountOf(*form428, "creditAmounts"), amountOf(*form428, "credits"),
                             amountOf(*form428, "dividendCredit"),
                             amountOf(*form428, "taxReduction") +
                                 amountOf(*form428, "lowIncomeCredit"),
                             double(r.t1->f42800)};
    const double expected[] = {creditAmounts, credits, dividendCredit, reductions, tax};
    const QString seen = QString("428: %1 %2 %3 %4 %5; T1 30800 %6 31200 %7 31260 %8 31400 %9 "
                                 "30300 %10 30400 %11 23600 %12 26000 %13 33200 %14")
                             .arg(actual[0], 0, 'f', 2)
                             .arg(actual[1], 0, 'f', 2)
                             .arg(actual[2], 0, 'f', 2)
                             .arg(actual[3], 0, 'f', 2)
                             .arg(actual[4], 0, 'f', 2)
                             .arg(double(r.t1->f30800), 0, 'f', 2)
                             .arg(double(r.t1->f31200), 0, 'f', 2)
                             .arg(double(r.t1->f31260), 0, 'f', 2)
                             .arg(double(r.t1->f31400), 0, 'f', 2)
                             .arg(double(r.t1->f30300), 0, 'f', 2)
                             .arg(double(r.t1->f30400), 0, 'f', 2)
                             .arg(double(r.t1->f23600), 0, 'f', 2)
                             .arg(double(r.t1->f26000), 0, 'f', 2)
                             .arg(double(r.t1->f33200), 0, 'f', 2);
    for (int i = 0; i < 5; ++i)
        QVERIFY2(qAbs(actual[i] - expected[i]) < 0.001, qPrintable(seen));
}

QV_TEST_MAIN(TestProvincialReturns)
#include "tst_ProvincialReturns.moc"
