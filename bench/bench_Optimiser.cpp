// The sharing optimiser on a coupled return with a 20,000 pension maximum and donations to
// divide: the time of one run on a fresh copy and the number of recalculated trials.
#include <QtTest>

#include "OptimiserFixture.h"
#include "TestMain.h"
#include "marrow/TypeCodes.h"
#include "model/DataShareAmtDlg.h"
#include "model/FamilyTaxData.h"

class BenchOptimiser : public QObject
{
    Q_OBJECT
private slots:
    void shareAmountsBetweenSpouses();
};

void BenchOptimiser::shareAmountsBetweenSpouses()
{
    OptimiserCouple c;
    if (!c.setUp(ProvinceCode::ON, 70, 66))
        QSKIP("the Ontario plug-in could not be linked");
    c.addIncome(true, 45000, 40000);
    c.addIncome(false, 14000);
    c.elect(20000);
    c.family().Recalculate(0, nullptr);
    DataShareAmtDlg amounts;
    amounts.fld_Donation_1 = 1500;
    amounts.fld_Donation_2 = 500;
    amounts.fld_Donation_3 = 2000;
    amounts.fld_BankInterest_3 = 1200;
    int runs = 0;
    int trials = 0;
    QBENCHMARK
    {
        FamilyTaxData copy(0);
        copy = c.family();
        copy.ShareAmountsBetweenSpouses(amounts, &trials);
        copy.freeAllData();
        ++runs;
    }
    QVERIFY(runs > 0);
    qInfo("recalculated trials per run: %d", trials / runs);
}

QV_TEST_MAIN(BenchOptimiser)
#include "bench_Optimiser.moc"
