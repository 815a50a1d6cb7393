// The sharing optimiser on a coupled return with a 20,000 pension maximum and donations to
// divide, as it is and with 1,000 further slips: the time of one run on a fresh copy, the
// number of recalculated trials, and a digest of every field of both persons afterwards, so
// that two builds can be shown to reach the same result field by field.
#include <QtTest>

#include "OptimiserFixture.h"
#include "TestMain.h"
#include "marrow/CTaxData_Form.h"
#include "marrow/TypeCodes.h"
#include "model/DataShareAmtDlg.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/MyDataStream.h"

#include <QCryptographicHash>

namespace {

// Every form and slip of both persons, field by field, as one hash.
QByteArray resultDigest(FamilyTaxData &family)
{
    QByteArray bytes;
    MyDataStream out(&bytes, QIODevice::WriteOnly);
    for (IndividualTaxData *person : {family.taxpayer(), family.spouse()}) {
        for (const QList<TaxDataEntryStru *> *list : {&person->m_formList, &person->m_slipList}) {
            for (const TaxDataEntryStru *entry : *list) {
                out << qint32(entry->type) << qint32(entry->id);
                if (entry->data)
                    entry->data->writeFields(out, 0);
            }
        }
    }
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

// T4, T5 and T3 slips in turn, shared between the spouses.
void addSlips(OptimiserCouple &c, int count)
{
    for (int i = 0; i < count; ++i) {
        IndividualTaxData &person = i % 2 ? *c.family().spouse() : *c.family().taxpayer();
        switch (i % 3) {
        case 0:
            LinkedReturn::addSlip(person, SlipType::T4, {{"box14", 100.0 + i}, {"box22", 10.0}});
            break;
        case 1:
            LinkedReturn::addSlip(person, SlipType::T5, {{"box13", 20.0 + i}});
            break;
        default:
            LinkedReturn::addSlip(person, SlipType::T3, {{"box21", 30.0 + i}});
            break;
        }
    }
}

} // namespace

class BenchOptimiser : public QObject
{
    Q_OBJECT
private slots:
    void shareAmountsBetweenSpouses_data();
    void shareAmountsBetweenSpouses();
};

void BenchOptimiser::shareAmountsBetweenSpouses_data()
{
    QTest::addColumn<int>("furtherSlips");
    QTest::newRow("benchmark couple") << 0;
    QTest::newRow("1,000 slips") << 1000;
}

void BenchOptimiser::shareAmountsBetweenSpouses()
{
    QFETCH(int, furtherSlips);
    OptimiserCouple c;
    if (!c.setUp(ProvinceCode::ON, 70, 66))
        QSKIP("the Ontario plug-in could not be linked");
    c.addIncome(true, 45000, 40000);
    c.addIncome(false, 14000);
    c.elect(20000);
    addSlips(c, furtherSlips);
    c.family().Recalculate(0, nullptr);
    DataShareAmtDlg amounts;
    amounts.fld_Donation_1 = 1500;
    amounts.fld_Donation_2 = 500;
    amounts.fld_Donation_3 = 2000;
    amounts.fld_BankInterest_3 = 1200;
    int runs = 0;
    int trials = 0;
    QByteArray digest;
    QBENCHMARK
    {
        FamilyTaxData copy(0);
        copy = c.family();
        copy.ShareAmountsBetweenSpouses(amounts, &trials);
        if (digest.isEmpty())
            digest = resultDigest(copy);
        copy.freeAllData();
        ++runs;
    }
    QVERIFY(runs > 0);
    qInfo("recalculated trials per run: %d; result digest %s", trials / runs, digest.constData());
}

QV_TEST_MAIN(BenchOptimiser)
#include "bench_Optimiser.moc"
