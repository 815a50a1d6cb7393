// Saving and loading a coupled return with 200 slips and 40 forms, through real files, beside
// the floor the disk sets on the same bytes: a plain durable write and a plain read.
#include <QtTest>

#include "BenchSupport.h"
#include "ReturnFixture.h"
#include "TestMain.h"
#include "efile/BarcodeArchiveSource.h"
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
    void durableWrite();
    void load();
    void plainRead();
    void cleanupTestCase();

private:
    QTemporaryDir m_dir;
    FamilyTaxData m_family{0};
    QString m_path;
    QByteArray m_bytes;
    PassTimes m_save, m_durableWrite, m_load, m_plainRead;
};

void BenchReturnFile::initTestCase()
{
    // Saves write the barcode archives as the program's do.
    installBarcodeArchiveSource();
    // 100 slips and 20 forms for each spouse once the mandatory forms are in.
    fillCoupledReturn(m_family, 100, 12);
    m_family.taxpayer()->m_password.clear();
    bringToLoadedState(m_family);
    const int slips = m_family.taxpayer()->m_slipList.size() + m_family.spouse()->m_slipList.size();
    const int forms = m_family.taxpayer()->m_formList.size() + m_family.spouse()->m_formList.size();
    QCOMPARE(slips, 200);
    QCOMPARE(forms, 40);
    m_path = m_dir.filePath("couple.r25");
    QCOMPARE(saveReturnFile(m_family, m_path, kEdition), 0);
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_bytes = file.readAll();
    qInfo("coupled return: %d slips, %d forms, %d bytes", slips, forms, m_bytes.size());
}

void BenchReturnFile::save()
{
    QBENCHMARK
    {
        PassTimer timer(m_save);
        QCOMPARE(saveReturnFile(m_family, m_path, kEdition), 0);
    }
}

void BenchReturnFile::durableWrite()
{
    QBENCHMARK
    {
        PassTimer timer(m_durableWrite);
        QVERIFY(::durableWrite(m_path, m_bytes));
    }
}

void BenchReturnFile::load()
{
    QBENCHMARK
    {
        int result = -99;
        std::unique_ptr<FamilyTaxData> loaded;
        {
            // The load alone: freeing the return afterwards is no part of opening it.
            PassTimer timer(m_load);
            loaded = loadReturnFile(m_path, &result, kEdition);
        }
        QCOMPARE(result, 0);
    }
}

void BenchReturnFile::plainRead()
{
    QBENCHMARK
    {
        PassTimer timer(m_plainRead);
        QCOMPARE(::plainRead(m_path, m_bytes.size()), qint64(m_bytes.size()));
    }
}

void BenchReturnFile::cleanupTestCase()
{
    qInfo("per pass: save %.3f ms, durable write %.3f ms, load %.3f ms, plain read %.3f ms",
          m_save.mean() / 1e6, m_durableWrite.mean() / 1e6, m_load.mean() / 1e6,
          m_plainRead.mean() / 1e6);
    if (m_durableWrite.mean() > 0 && m_plainRead.mean() > 0)
        qInfo("save / durable write: %.2f; load / plain read: %.1f",
              m_save.mean() / m_durableWrite.mean(), m_load.mean() / m_plainRead.mean());
}

QV_TEST_MAIN(BenchReturnFile)
#include "bench_ReturnFile.moc"
