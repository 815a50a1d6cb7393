// One full recalculation of a coupled return with 200 slips and 40 further forms.
#include <QtTest>

#include "ReturnFixture.h"
#include "TestMain.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"

using namespace ReturnFixture;

class BenchRecalculate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void recalculate();

private:
    FamilyTaxData m_family{0};
};

void BenchRecalculate::initTestCase()
{
    fillCoupledReturn(m_family, 100, 20);
    bringToLoadedState(m_family);
    const int slips = m_family.taxpayer()->m_slipList.size() + m_family.spouse()->m_slipList.size();
    const int forms = m_family.taxpayer()->m_formList.size() + m_family.spouse()->m_formList.size();
    qInfo("coupled return: %d slips, %d forms", slips, forms);
    QCOMPARE(slips, 200);
    QVERIFY(m_family.isCoupled());
    // The first call completes the form set; the measured ones recalculate a settled return.
    m_family.Recalculate(-1, nullptr);
}

void BenchRecalculate::recalculate()
{
    QBENCHMARK
    {
        m_family.Recalculate(-1, nullptr);
    }
}

QV_TEST_MAIN(BenchRecalculate)
#include "bench_Recalculate.moc"
