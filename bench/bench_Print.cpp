// Printing a coupled return with 200 slips and 40 forms through the real print engine: the
// titles handed to the engine and the taxpayer's and the spouse's PDF, with their page counts.
// The first print also starts the Java virtual machine; it is timed apart.
#include <QtTest>

#include "PdfInfo.h"
#include "ReturnFixture.h"
#include "TestEnvironment.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "print/CJavaPrintEngine.h"
#include "print/PrintTitles.h"

#include <QElapsedTimer>

using namespace ReturnFixture;

class BenchPrint : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void firstPrint();
    void titles();
    void printTaxpayer();
    void printSpouse();

private:
    int print(bool spouse, QString *pdf);

    FamilyTaxData m_family{0};
    QString m_path;
    QString m_out;
};

void BenchPrint::initTestCase()
{
    CT1AppConfig &c = appInstance()->config;
    const QString root = testEnvironment().root();
    c.JVMPATH = CT1AppConfig::defaultJvmLibrary;
    c.JAVACLASSPATH = QCoreApplication::applicationDirPath() + "/mr.jar";
    c.PDFPATH = root + "/pdf";
    c.XMLPATH = root + "/xml";
    m_out = root + "/out";
    for (const QString &folder : {QString(c.PDFPATH), QString(c.XMLPATH), m_out})
        QVERIFY(QDir().mkpath(folder));
    // 100 slips and 20 forms for each spouse once the mandatory forms are in.
    fillCoupledReturn(m_family, 100, 12);
    bringToLoadedState(m_family);
    const int slips = m_family.taxpayer()->m_slipList.size() + m_family.spouse()->m_slipList.size();
    const int forms = m_family.taxpayer()->m_formList.size() + m_family.spouse()->m_formList.size();
    QCOMPARE(slips, 200);
    QCOMPARE(forms, 40);
    // Printed as a person prints it: after the totals are worked out, so the pages carry the
    // amounts and not zeros.
    m_family.Recalculate(-1, nullptr);
    m_path = root + "/couple.r25";
    QCOMPARE(saveReturnFile(m_family, m_path, kEdition), 0);
    QVERIFY(writePrintTitles(m_family, m_path));
}

int BenchPrint::print(bool spouse, QString *pdf)
{
    CString name;
    const int result =
        CJavaPrintEngine::instance().runPrintJob(m_path, spouse, 0, 0, 0, 0, m_out, name);
    *pdf = name;
    return result;
}

void BenchPrint::firstPrint()
{
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(CJavaPrintEngine::instance().load(), 0);
    QString pdf;
    QCOMPARE(print(false, &pdf), 0);
    qInfo("first print, the virtual machine started: %lld ms, %d pages", timer.elapsed(),
          pdfPageCount(pdf));
}

void BenchPrint::titles()
{
    QBENCHMARK
    {
        QVERIFY(writePrintTitles(m_family, m_path));
    }
}

void BenchPrint::printTaxpayer()
{
    QString pdf;
    QBENCHMARK
    {
        QCOMPARE(print(false, &pdf), 0);
    }
    qInfo("taxpayer: %d slips, %d pages", m_family.taxpayer()->m_slipList.size(),
          pdfPageCount(pdf));
}

void BenchPrint::printSpouse()
{
    QString pdf;
    QBENCHMARK
    {
        QCOMPARE(print(true, &pdf), 0);
    }
    qInfo("spouse: %d slips, %d pages", m_family.spouse()->m_slipList.size(), pdfPageCount(pdf));
}

QV_TEST_MAIN(BenchPrint)
#include "bench_Print.moc"
