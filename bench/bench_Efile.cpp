// The T1 return XML of a coupled return with 200 slips and 40 forms (12 statements), in
// both editions, per call; the barcode archive of the same return with two statements each,
// per person.
#include <QtTest>

#include "ReturnFixture.h"
#include "TestMain.h"
#include "efile/BarcodeArchiveSource.h"
#include "marrow/TaxData_T1New.h"
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
    void barcodeArchive_data();
    void barcodeArchive();

private:
    FamilyTaxData m_family{0};
    FamilyTaxData m_archiveFamily{0};
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

    // The same return with two statements each, so that every archive has statement blocks;
    // the taxpayer's S.I.N. is one that may carry an archive.
    fillCoupledReturn(m_archiveFamily, 100, 2);
    bringToLoadedState(m_archiveFamily);
    m_archiveFamily.Recalculate(-1, nullptr);
    static_cast<TaxData_T1New *>(m_archiveFamily.taxpayer()->getForm(1, 0, false))->sin =
        QString("193456787");
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

void BenchEfile::barcodeArchive_data()
{
    QTest::addColumn<bool>("spouse");
    QTest::newRow("taxpayer") << false;
    QTest::newRow("spouse") << true;
}

void BenchEfile::barcodeArchive()
{
    QFETCH(bool, spouse);
    const IndividualTaxData &person =
        spouse ? *m_archiveFamily.spouse() : *m_archiveFamily.taxpayer();
    BarcodeArchiveBlocks blocks;
    QVERIFY(makeBarcodeArchiveBlocks(person, blocks));
    QCOMPARE(int(blocks.sfdBlocks.size()), 2);
    QBENCHMARK
    {
        BarcodeArchiveBlocks again;
        makeBarcodeArchiveBlocks(person, again);
    }
}

QV_TEST_MAIN(BenchEfile)
#include "bench_Efile.moc"
