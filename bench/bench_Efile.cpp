// The T1 return XML of a coupled return with 200 slips and 40 forms (12 statements), in
// both editions, per call.
#include <QtTest>

#include "ReturnFixture.h"
#include "TestMain.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"

using namespace ReturnFixture;

class BenchEfile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void generateReturnXml_data();
    void generateReturnXml();

private:
    FamilyTaxData m_family{0};
};

void BenchEfile::initTestCase()
{
    Q_INIT_RESOURCE(net);
    // Six T2125 statements each; foreign tax credit forms bring the count to 40.
    fillCoupledReturn(m_family, 100, 6);
    bringToLoadedState(m_family);
    // The first recalculation completes the form set; the padding comes after it.
    m_family.Recalculate(-1, nullptr);
    for (IndividualTaxData *person : {m_family.taxpayer(), m_family.spouse()}) {
        while (person->m_formList.size() < 20)
            person->addForm(FormType::T2209, 0, true, 0, false);
    }
    m_family.Recalculate(-1, nullptr);
    const int slips = m_family.taxpayer()->m_slipList.size() + m_family.spouse()->m_slipList.size();
    const int forms = m_family.taxpayer()->m_formList.size() + m_family.spouse()->m_formList.size();
    qInfo("coupled return: %d slips, %d forms", slips, forms);
    QCOMPARE(slips, 200);
    QCOMPARE(forms, 40);
    QCOMPARE(m_family.taxpayer()->countSFDForms() + m_family.spouse()->countSFDForms(), 12);
}

void BenchEfile::generateReturnXml_data()
{
    QTest::addColumn<int>("edition");
    QTest::newRow("NETFILE") << 2;
    QTest::newRow("EFILE") << 1;
}

void BenchEfile::generateReturnXml()
{
    QFETCH(int, edition);
    QString xml;
    m_family.generateReturnXml(xml, edition);
    QVERIFY(xml.contains("<t1:SelectedFinancialDataRecordCount>06<"));
    QBENCHMARK
    {
        xml.clear();
        m_family.generateReturnXml(xml, edition);
    }
}

QV_TEST_MAIN(BenchEfile)
#include "bench_Efile.moc"
