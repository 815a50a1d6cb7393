// The amount-sharing optimiser: the bracket walk, the sharing fields in the calculation, the
// sharing run on real couples, and the searches checked against every whole dollar.
#include <QtTest>

#include "CalcFixture.h"
#include "OptimiserFixture.h"
#include "TestMain.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/DataShareAmtDlg.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "wizards/CBracketList.h"
#include "wizards/SplitSearch.h"

#include <cmath>
#include <functional>

using namespace CalcFixture;

namespace {

CBracketList listOf(std::initializer_list<double> values)
{
    CBracketList list;
    list.init();
    for (double value : values)
        list.insertSorted(value);
    return list;
}

// A single person of Alberta, 40, with 40,000 of other income (T4A box 28).
struct SingleReturn
{
    LinkedReturn r;
    TaxData_Slip_T4A *slip = nullptr;

    bool setUp()
    {
        if (!r.setUp(ProvinceCode::AB, QDate(1985, 3, 1)))
            return false;
        slip = dynamic_cast<TaxData_Slip_T4A *>(r.addSlip(SlipType::T4A, {{"box28", 40000}}));
        return slip != nullptr;
    }
    double balance() const { return r.t1->signedBalance; }
};

using Change = std::function<void(SingleReturn &)>;

// Runs the search on a table of balances by value, counting the trials.
double searchTable(double low, double high, double start, const std::function<double(double)> &f,
                   int &trials)
{
    trials = 0;
    return findLowestBalance(low, high, start, f(start), f, &trials);
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestOptimiser : public QObject
{
    Q_OBJECT
private slots:
    void bracketWalk_data();
    void bracketWalk();
    void insertSortedKeepsEqualValues();

    void sharingFieldsInTheCalculation_data();
    void sharingFieldsInTheCalculation();
    void sharingFieldsAreSaved();

    void searchFindsTheOtherBasin();
    void searchTriesNothingWithoutRange();
    void searchKeepsTheStartOnTies();

    void walkMovesInterestThenGains_data();
    void walkMovesInterestThenGains();
    void donationsBelowACentStayHalved();
    void donationsGoToTheHigherIncome_data();
    void donationsGoToTheHigherIncome();
    void notCoupledChangesNothing();

    void splitReachesTheTransferee();
    void pensionSplitAgainstEveryDollar_data();
    void pensionSplitAgainstEveryDollar();
    void donationSplitAgainstEveryDollar();
    void zeroMaximumRunsNoTrial();
};

// ---- the bracket walk

void TestOptimiser::bracketWalk_data()
{
    QTest::addColumn<bool>("withThresholds");
    QTest::addColumn<double>("firstIncome");
    QTest::addColumn<double>("firstShareable");
    QTest::addColumn<double>("secondIncome");
    QTest::addColumn<double>("secondShareable");
    QTest::addColumn<double>("nearest");
    QTest::addColumn<double>("farthest");
    QTest::newRow("taxpayer gives down into the middle bracket")
        << true << 120000.0 << 80000.0 << 30000.0 << 5000.0 << 20000.0 << 70000.0;
    QTest::newRow("swapped: the spouse gives")
        << true << 30000.0 << 5000.0 << 120000.0 << 80000.0 << -20000.0 << -70000.0;
    QTest::newRow("the spouse runs out before the threshold")
        << true << 30000.0 << 5000.0 << 120000.0 << 8000.0 << -8000.0 << -8000.0;
    QTest::newRow("same bracket: the taxpayer gives")
        << true << 60000.0 << 5000.0 << 80000.0 << 8000.0 << 5000.0 << -8000.0;
    QTest::newRow("both below the first threshold")
        << true << 30000.0 << 0.0 << 30000.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("both end at 100,000")
        << true << 0.0 << 0.0 << 200000.0 << 1000000.0 << -100000.0 << -100000.0;
    QTest::newRow("an income on a threshold lies above it")
        << true << 100000.0 << 1000.0 << 49999.0 << 1000.0 << 1.0 << 1000.0;
    QTest::newRow("no thresholds")
        << false << 120000.0 << 80000.0 << 30000.0 << 5000.0 << 0.0 << 0.0;
}

void TestOptimiser::bracketWalk()
{
    QFETCH(bool, withThresholds);
    QFETCH(double, firstIncome);
    QFETCH(double, firstShareable);
    QFETCH(double, secondIncome);
    QFETCH(double, secondShareable);
    QFETCH(double, nearest);
    QFETCH(double, farthest);
    const CBracketList list = withThresholds ? listOf({150000, 50000, 100000}) : listOf({});
    SpouseIncomePair first;
    SpouseIncomePair second;
    first.set(firstIncome, firstShareable);
    second.set(secondIncome, secondShareable);
    double far = -1;
    double near = -1;
    list.findEqualisingTransfer(first, second, far, near);
    QCOMPARE(near, nearest);
    QCOMPARE(far, farthest);
}

void TestOptimiser::insertSortedKeepsEqualValues()
{
    CBracketList list = listOf({100000, 50000, 100000, 50000, 150000});
    QCOMPARE(list.count(), 5);
    QList<double> values;
    for (int i = 0; i < list.count(); ++i)
        values.append(list.at(i));
    QCOMPARE(values, (QList<double>{50000, 50000, 100000, 100000, 150000}));
    // An income equal to a threshold lies above every equal one.
    QCOMPARE(list.indexAbove(50000), 2);
    QCOMPARE(list.indexAbove(49999.99), 0);
    QCOMPARE(list.indexAbove(200000), 5);
    QCOMPARE(list.at(-3), 50000.0);
    list.clear();
    QCOMPARE(list.count(), 0);
}

// ---- the sharing fields in the calculation

void TestOptimiser::sharingFieldsInTheCalculation_data()
{
    QTest::addColumn<Change>("sharing");
    QTest::addColumn<Change>("sameByOtherMeans");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("lineValue");
    QTest::addColumn<double>("taxableIncome");
    // Each sharing amount must count exactly as the same amount entered the usual way.
    QTest::newRow("interest into line 12100")
        << Change([](SingleReturn &s) { s.r.t1->interestSharing = 1000; })
        << Change([](SingleReturn &s) {
               s.r.addSlip(SlipType::T5, {{"box13", 1000}});
           })
        << "T1"
        << "12100" << 1000.0 << 41000.0;
    QTest::newRow("capital gains at the inclusion rate into line 12700")
        << Change([](SingleReturn &s) { s.r.t1->capitalGainsSharing = 2000; })
        << Change([](SingleReturn &s) { s.r.t1->capitalGainsAdjustment = 1000; }) << "T1"
        << "12700" << 1000.0 << 41000.0;
    QTest::newRow("income item into line 13000")
        << Change([](SingleReturn &s) { s.r.t1->incomeItem = 1000; })
        << Change([](SingleReturn &s) {
               s.r.addSlip(SlipType::T4A, {{"box28", 1000}});
           })
        << "T1"
        << "13000" << 41000.0 << 41000.0;
    QTest::newRow("deduction item into line 23200")
        << Change([](SingleReturn &s) { s.r.t1->deductionItem = 1000; })
        << Change([](SingleReturn &s) { s.slip->box28 = 39000; }) << "T1"
        << "23200" << 1000.0 << 39000.0;
    QTest::newRow("donation sharing into line 33700") << Change([](SingleReturn &s) {
        form<TaxData_Sch9>(s.r.person(), FormType::SCH9)->donationSharing = 500;
    }) << Change([](SingleReturn &s) {
        form<TaxData_Sch9>(s.r.person(), FormType::SCH9)->donations = 500;
    }) << "Sch9"
                                                      << "33700" << 500.0 << 40000.0;
}

void TestOptimiser::sharingFieldsInTheCalculation()
{
    QFETCH(Change, sharing);
    QFETCH(Change, sameByOtherMeans);
    QFETCH(QString, form);
    QFETCH(QString, line);
    QFETCH(double, lineValue);
    QFETCH(double, taxableIncome);
    // One return at a time: each links the plug-in folder of its own.
    double sharedBalance = 0;
    {
        SingleReturn shared;
        if (!shared.setUp())
            QSKIP("the Alberta plug-in could not be linked");
        shared.r.family.Recalculate(0, nullptr);
        const double before = shared.balance();
        QCOMPARE(double(shared.r.t1->f26000), 40000.0);
        sharing(shared);
        shared.r.family.Recalculate(0, nullptr);
        const int type = form == "T1" ? FormType::T1 : FormType::SCH9;
        CTaxData_Form *holder = shared.r.person().getForm(type, 0, false);
        QVERIFY(holder);
        QCOMPARE(amountOf(*holder, line.toLatin1().constData()), lineValue);
        QCOMPARE(double(shared.r.t1->f26000), taxableIncome);
        sharedBalance = shared.balance();
        QVERIFY(sharedBalance != before);
    }
    SingleReturn entered;
    QVERIFY(entered.setUp());
    sameByOtherMeans(entered);
    entered.r.family.Recalculate(0, nullptr);
    QCOMPARE(double(entered.r.t1->f26000), taxableIncome);
    QCOMPARE(sharedBalance, entered.balance());
}

void TestOptimiser::sharingFieldsAreSaved()
{
    TaxData_T1New t1;
    t1.interestSharing = 1.25;
    t1.capitalGainsSharing = -2.5;
    t1.incomeItem = 3.75;
    t1.deductionItem = 4.5;
    TaxData_Sch9 sch9;
    sch9.donationSharing = -5.25;
    // The names are the file format: a form read back by name keeps every value.
    for (const char *name :
         {"interestSharing", "capitalGainsSharing", "incomeItem", "deductionItem"})
        QVERIFY2(t1.findField(name), name);
    QVERIFY(sch9.findField("donationSharing"));
    TaxData_T1New t1Copy;
    t1Copy.copyValuesFrom(t1);
    TaxData_Sch9 sch9Copy;
    sch9Copy.copyValuesFrom(sch9);
    QCOMPARE(amountOf(t1Copy, "interestSharing"), 1.25);
    QCOMPARE(amountOf(t1Copy, "capitalGainsSharing"), -2.5);
    QCOMPARE(amountOf(t1Copy, "incomeItem"), 3.75);
    QCOMPARE(amountOf(t1Copy, "deductionItem"), 4.5);
    QCOMPARE(amountOf(sch9Copy, "donationSharing"), -5.25);
}

// ---- the search on tables of balances

void TestOptimiser::searchFindsTheOtherBasin()
{
    // A wide basin at 300 (balance 100) holds the best coarse point; the lowest point is the
    // narrow basin at 1,234.5 (balance 50), between coarse points.
    const auto balance = [](double x) {
        return std::min(100 + std::fabs(x - 300), 50 + 10 * std::fabs(x - 1234.5));
    };
    int trials = 0;
    QCOMPARE(searchTable(0, 2000, 0, balance, trials), 1234.5);
    QVERIFY(trials > 0);
    // Refining only around the best coarse point keeps the first basin.
    QCOMPARE(plainSearch(0, 2000, 0, balance(0), balance), 300.0);
}

void TestOptimiser::searchTriesNothingWithoutRange()
{
    int trials = -1;
    const auto balance = [](double x) { return -x; };
    QCOMPARE(searchTable(0, 0, 0, balance, trials), 0.0);
    QCOMPARE(trials, 0);
    QCOMPARE(searchTable(5, -5, 5, balance, trials), 5.0);
    QCOMPARE(trials, 0);
}

void TestOptimiser::searchKeepsTheStartOnTies()
{
    int trials = 0;
    // A flat balance: no trial is strictly lower, the start stays.
    QCOMPARE(searchTable(
                 0, 500, 250, [](double) { return 7.0; }, trials),
             250.0);
    // Falling to the end: the upper bound itself, which no level reaches by steps, wins.
    QCOMPARE(searchTable(
                 0, 1234.56, 0, [](double x) { return -x; }, trials),
             1234.56);
}

// ---- the sharing run on couples

void TestOptimiser::walkMovesInterestThenGains_data()
{
    QTest::addColumn<double>("taxpayerIncome");
    QTest::addColumn<double>("spouseIncome");
    QTest::addColumn<double>("interest");
    QTest::addColumn<double>("gains");
    QTest::addColumn<double>("interestMoved");
    QTest::addColumn<double>("gainsMoved");
    // 120,000 against 30,000 in Alberta: the taxpayer runs out before the brackets meet, so
    // all 7,000 move, interest first.
    QTest::newRow("all of both") << 120000.0 << 30000.0 << 3000.0 << 4000.0 << 3000.0 << 4000.0;
    // 70,000 and 65,000 share the bracket from 60,000: the taxpayer gives its distance down to
    // 60,000, all of it interest.
    QTest::newRow("interest only") << 70000.0 << 65000.0 << 12000.0 << 4000.0 << 10000.0 << 0.0;
}

void TestOptimiser::walkMovesInterestThenGains()
{
    QFETCH(double, taxpayerIncome);
    QFETCH(double, spouseIncome);
    QFETCH(double, interest);
    QFETCH(double, gains);
    QFETCH(double, interestMoved);
    QFETCH(double, gainsMoved);
    OptimiserCouple c;
    if (!c.setUp(ProvinceCode::AB, 40, 40))
        QSKIP("the Alberta plug-in could not be linked");
    c.addIncome(true, taxpayerIncome);
    c.addIncome(false, spouseIncome);
    c.family().Recalculate(0, nullptr);
    DataShareAmtDlg amounts;
    amounts.fld_BankInterest_1 = interest;
    amounts.fld_CapGain_1 = gains;
    c.family().ShareAmountsBetweenSpouses(amounts);
    QCOMPARE(double(c.mine->interestSharing), -interestMoved);
    QCOMPARE(double(c.theirs->interestSharing), interestMoved);
    QCOMPARE(double(c.mine->capitalGainsSharing), -gainsMoved);
    QCOMPARE(double(c.theirs->capitalGainsSharing), gainsMoved);
    // Without donations nothing else moves, and both Schedule 9 forms now exist.
    auto *sch9 = existing<TaxData_Sch9>(*c.family().spouse(), FormType::SCH9);
    QVERIFY(sch9);
    QCOMPARE(double(sch9->donationSharing), 0.0);
}

void TestOptimiser::donationsBelowACentStayHalved()
{
    OptimiserCouple c;
    if (!c.setUp(ProvinceCode::AB, 40, 40))
        QSKIP("the Alberta plug-in could not be linked");
    c.addIncome(true, 50000);
    c.addIncome(false, 60000);
    DataShareAmtDlg amounts;
    amounts.fld_Donation_3 = 0.008;
    c.family().ShareAmountsBetweenSpouses(amounts);
    QCOMPARE(
        double(existing<TaxData_Sch9>(*c.family().taxpayer(), FormType::SCH9)->donationSharing),
        0.004);
    QCOMPARE(double(existing<TaxData_Sch9>(*c.family().spouse(), FormType::SCH9)->donationSharing),
             0.004);
}

void TestOptimiser::donationsGoToTheHigherIncome_data()
{
    QTest::addColumn<double>("spouseIncome");
    QTest::addColumn<double>("taxpayerShare");
    QTest::addColumn<double>("spouseShare");
    // Donations of 100 (taxpayer), 200 (spouse) and 300 joint; both keep tax to absorb them.
    // Taxable incomes are in cents: equal ones give the donations to the taxpayer.
    QTest::newRow("equal incomes: the taxpayer") << 50000.0 << 500.0 << -200.0;
    QTest::newRow("the spouse's higher income") << 50000.01 << -100.0 << 400.0;
}

void TestOptimiser::donationsGoToTheHigherIncome()
{
    QFETCH(double, spouseIncome);
    QFETCH(double, taxpayerShare);
    QFETCH(double, spouseShare);
    OptimiserCouple c;
    if (!c.setUp(ProvinceCode::AB, 40, 40))
        QSKIP("the Alberta plug-in could not be linked");
    c.addIncome(true, 50000);
    c.addIncome(false, spouseIncome);
    DataShareAmtDlg amounts;
    amounts.fld_Donation_1 = 100;
    amounts.fld_Donation_2 = 200;
    amounts.fld_Donation_3 = 300;
    c.family().ShareAmountsBetweenSpouses(amounts);
    QCOMPARE(
        double(existing<TaxData_Sch9>(*c.family().taxpayer(), FormType::SCH9)->donationSharing),
        taxpayerShare);
    QCOMPARE(double(existing<TaxData_Sch9>(*c.family().spouse(), FormType::SCH9)->donationSharing),
             spouseShare);
}

void TestOptimiser::notCoupledChangesNothing()
{
    SingleReturn single;
    if (!single.setUp())
        QSKIP("the Alberta plug-in could not be linked");
    single.r.family.Recalculate(0, nullptr);
    const double balance = single.balance();
    DataShareAmtDlg amounts;
    amounts.fld_BankInterest_3 = 1000;
    amounts.fld_Donation_3 = 500;
    single.r.family.ShareAmountsBetweenSpouses(amounts);
    QCOMPARE(double(single.r.t1->interestSharing), 0.0);
    QVERIFY(!single.r.person().hasForm(FormType::SCH9));
    QCOMPARE(single.balance(), balance);

    // Coupled through the spouse's T1 alone: no step may read the taxpayer's missing T1.
    FamilyTaxData family(0);
    addQuebecReturnEntry(*family.spouse());
    QVERIFY(family.isCoupled());
    family.ShareAmountsBetweenSpouses(amounts);
    QVERIFY(!family.spouse()->hasForm(FormType::SCH9));
}

// ---- the searches against every whole dollar

void TestOptimiser::splitReachesTheTransferee()
{
    // The spouse on screen too: the transferee's form has no pension of its own to bound it.
    for (PersonIndex shown : {PersonTaxpayer, PersonSpouse}) {
        OptimiserCouple c;
        if (!c.setUp(ProvinceCode::ON, 70, 66))
            QSKIP("the Ontario plug-in could not be linked");
        c.addIncome(true, 30000, 12000);
        c.addIncome(false, 20000);
        c.elect(6000);
        c.family().setCurrentPersonIndex(shown);
        c.election(true)->electedAmount = 2500;
        c.election(false)->electedAmount = 2500;
        c.family().Recalculate(0, c.election(true));
        QCOMPARE(double(c.mine->f21000), 2500.0);
        QCOMPARE(double(c.theirs->f11600), 2500.0);
        QCOMPARE(double(c.election(false)->electedAmount), 2500.0);
    }
}

void TestOptimiser::pensionSplitAgainstEveryDollar_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("taxpayerAge");
    QTest::addColumn<int>("spouseAge");
    QTest::addColumn<double>("taxpayerIncome");
    QTest::addColumn<double>("pension");
    QTest::addColumn<double>("taxpayerOas");
    QTest::addColumn<double>("spouseIncome");
    QTest::addColumn<double>("spouseOas");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<bool>("plainEndsAbove");
    // The taxpayer transfers; the ranges stay a few thousand dollars wide. Most couples have
    // their lowest balance inside the range: the receiver's pension amount, the age amount
    // and the OAS recovery bend the balance there.
    QTest::newRow("ON 72/66, both in the OAS recovery")
        << int(ProvinceCode::ON) << 72 << 66 << 75000.0 << 20000.0 << 8000.0 << 95000.0 << 8000.0
        << 4000.0 << false;
    QTest::newRow("BC 72/66, both in the OAS recovery")
        << int(ProvinceCode::BC) << 72 << 66 << 75000.0 << 20000.0 << 8000.0 << 95000.0 << 8000.0
        << 4000.0 << false;
    QTest::newRow("AB 72/66, the receiver in the age-amount range")
        << int(ProvinceCode::AB) << 72 << 66 << 60000.0 << 20000.0 << 8000.0 << 50000.0 << 8000.0
        << 4000.0 << false;
    QTest::newRow("MB 72/66, the receiver above the OAS threshold")
        << int(ProvinceCode::MB) << 72 << 66 << 60000.0 << 20000.0 << 8000.0 << 95000.0 << 8000.0
        << 4000.0 << false;
    QTest::newRow("BC 66/64, a receiver under 65")
        << int(ProvinceCode::BC) << 66 << 64 << 30000.0 << 20000.0 << 0.0 << 45000.0 << 0.0
        << 2500.0 << false;
    QTest::newRow("MB 64/72 across a bracket")
        << int(ProvinceCode::MB) << 64 << 72 << 55000.0 << 8000.0 << 0.0 << 50000.0 << 0.0 << 4000.0
        << false;
    // From the top bracket to the lowest, the balance falls to the maximum itself, 0.09 past
    // the last point a level of 0.1 reaches: the plain search ends above.
    QTest::newRow("AB 66/66 falling to an upper bound off the grid")
        << int(ProvinceCode::AB) << 66 << 66 << 300000.0 << 4000.0 << 0.0 << 20000.0 << 0.0
        << 1999.99 << true;
}

void TestOptimiser::pensionSplitAgainstEveryDollar()
{
    QFETCH(int, province);
    QFETCH(int, taxpayerAge);
    QFETCH(int, spouseAge);
    QFETCH(double, taxpayerIncome);
    QFETCH(double, pension);
    QFETCH(double, taxpayerOas);
    QFETCH(double, spouseIncome);
    QFETCH(double, spouseOas);
    QFETCH(double, maximum);
    QFETCH(bool, plainEndsAbove);
    OptimiserCouple c;
    if (!c.setUp(province, taxpayerAge, spouseAge))
        QSKIP("the province's plug-in could not be linked");
    c.addIncome(true, taxpayerIncome, pension, taxpayerOas);
    c.addIncome(false, spouseIncome, 0, spouseOas);
    c.elect(maximum);
    FamilyTaxData &family = c.family();
    family.Recalculate(0, nullptr);
    const double startBalance = c.familyBalance();

    int trials = 0;
    double best = 0;
    family.OptimizePensionSplit(maximum, best, &trials);
    QVERIFY(trials > 0);
    const auto balanceAt = [&](double split) {
        c.election(true)->electedAmount = split;
        c.election(false)->electedAmount = split;
        family.Recalculate(0, c.election(true));
        return c.familyBalance();
    };
    const double found = balanceAt(best);
    double lowest = startBalance;
    double lowestAt = 0;
    for (int dollar = 0; dollar <= int(maximum); ++dollar) {
        const double balance = balanceAt(dollar);
        if (balance < lowest) {
            lowest = balance;
            lowestAt = dollar;
        }
    }
    if (balanceAt(maximum) < lowest) {
        lowest = balanceAt(maximum);
        lowestAt = maximum;
    }
    QVERIFY2(found <= lowest, qPrintable(QString("found %1 at %2, lowest %3 at %4")
                                             .arg(found)
                                             .arg(best)
                                             .arg(lowest)
                                             .arg(lowestAt)));
    const double plain = plainSearch(0, maximum, 0, startBalance, balanceAt);
    QCOMPARE(balanceAt(plain) > lowest, plainEndsAbove);
}

void TestOptimiser::donationSplitAgainstEveryDollar()
{
    // Donations of 1,500 (taxpayer), 500 (spouse) and 1,000 joint, more credit than either
    // spouse's small tax can take: the best division lies inside the range.
    OptimiserCouple c;
    if (!c.setUp(ProvinceCode::ON, 40, 40))
        QSKIP("the Ontario plug-in could not be linked");
    c.addIncome(true, 21000);
    c.addIncome(false, 20000);
    FamilyTaxData &family = c.family();
    auto *mine = form<TaxData_Sch9>(*family.taxpayer(), FormType::SCH9);
    auto *theirs = form<TaxData_Sch9>(*family.spouse(), FormType::SCH9);
    mine->donations = 1500;
    theirs->donations = 500;
    const double low = -1500;
    const double high = 1500;
    const double joint = 1000;
    double best = 500;
    mine->donationSharing = best;
    theirs->donationSharing = joint - best;
    family.Recalculate(0, nullptr);
    int trials = 0;
    family.OptimizeDonationSplit(low, high, joint, best, &trials);
    QVERIFY(trials > 0);
    const auto balanceAt = [&](double share) {
        mine->donationSharing = share;
        theirs->donationSharing = joint - share;
        family.Recalculate(0, mine);
        return c.familyBalance();
    };
    const double found = balanceAt(best);
    double lowest = balanceAt(500);
    double lowestAt = 500;
    for (int dollar = int(low); dollar <= int(high); ++dollar) {
        const double balance = balanceAt(dollar);
        if (balance < lowest) {
            lowest = balance;
            lowestAt = dollar;
        }
    }
    QVERIFY2(found <= lowest, qPrintable(QString("found %1 at %2, lowest %3 at %4")
                                             .arg(found)
                                             .arg(best)
                                             .arg(lowest)
                                             .arg(lowestAt)));
    // Inside the range: either end costs more.
    QVERIFY(balanceAt(low) > lowest);
    QVERIFY(balanceAt(high) > lowest);
}

void TestOptimiser::zeroMaximumRunsNoTrial()
{
    OptimiserCouple c;
    if (!c.setUp(ProvinceCode::ON, 66, 66))
        QSKIP("the Ontario plug-in could not be linked");
    c.addIncome(true, 40000, 10000);
    c.addIncome(false, 20000);
    c.elect(0);
    c.election(true)->electedAmount = 0.0;
    c.family().Recalculate(0, nullptr);
    int trials = 0;
    double best = 0;
    c.family().OptimizePensionSplit(0, best, &trials);
    QCOMPARE(trials, 0);
    QCOMPARE(best, 0.0);
    c.family().OptimizeDonationSplit(0, 0, 0, best, &trials);
    QCOMPARE(trials, 0);
}

QV_TEST_MAIN(TestOptimiser)
#include "tst_Optimiser.moc"
