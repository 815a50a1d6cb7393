// Saving and loading a coupled return with 200 slips and 40 forms, through real files.
#include <QtTest>

#include "ReturnFixture.h"
#include "TestMain.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"

#include <memory>

using namespace ReturnFixture;

class BenchReturnFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void save();
    void load();

private:
    QTemporaryDir m_dir;
    FamilyTaxData m_family{0};
    QString m_path;
};

void BenchReturnFile::initTestCase()
{
    // 100 slips and 20 forms for each spouse once the mandatory forms are in.
    fillCoupledReturn(m_family, 100, 13);
    m_family.taxpayer()->m_password.clear();
    bringToLoadedState(m_family);
    const int slips = m_family.taxpayer()->m_slipList.size() + m_family.spouse()->m_slipList.size();
    const int forms = m_family.taxpayer()->m_formList.size() + m_family.spouse()->m_formList.size();
    qInfo("coupled return: %d slips, %d forms", slips, forms);
    QCOMPARE(slips, 200);
    QCOMPARE(forms, 40);
    m_path = m_dir.filePath("couple.r25");
    QCOMPARE(saveReturnFile(m_family, m_path, kEdition), 0);
}

void BenchReturnFile::save()
{
    QBENCHMARK
    {
        QCOMPARE(saveReturnFile(m_family, m_path, kEdition), 0);
    }
}

void BenchReturnFile::load()
{
    QBENCHMARK
    {
        int result = -99;
        std::unique_ptr<FamilyTaxData> loaded(loadReturnFile(m_path, &result, kEdition));
        QCOMPARE(result, 0);
    }
}

QV_TEST_MAIN(BenchReturnFile)
#include "bench_ReturnFile.moc"
