// Person queries: form captions, keyed access, filing results, display texts and income tests.
#include <QtTest>

#include "TestMain.h"
#include "marrow/BusinessForms.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/TypeCodes.h"
#include "model/FormCaption.h"
#include "model/IndividualTaxData.h"

class TestPersonQueries : public QObject
{
    Q_OBJECT
private slots:
    void captions_data();
    void captions();

private:
    DependantInfoStruct m_dependants;
};

void TestPersonQueries::captions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("linkedId");
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("caption");

    QTest::newRow("single form") << FormType::SCH3 << 0 << false << ""
                                 << "Schedule 3";
    QTest::newRow("linked, coupled") << FormType::SCH3 << 7 << true << ""
                                     << "S-Schedule 3";
    QTest::newRow("linked, not coupled") << FormType::SCH3 << 7 << false << ""
                                         << "Schedule 3";
    QTest::newRow("not linked, coupled") << FormType::SCH3 << 0 << true << ""
                                         << "Schedule 3";
    QTest::newRow("multiple without description") << FormType::T2125 << 0 << false << ""
                                                  << "T2125";
    QTest::newRow("multiple with description") << FormType::T2125 << 0 << false << "Maple Bakery"
                                               << "T2125 - Maple Bakery (100)";
    QTest::newRow("multiple, shared") << FormType::T2125 << 9 << true << "Maple Bakery"
                                      << "S-T2125 - Maple Bakery (100)";
    QTest::newRow("multiple, rental") << FormType::T776 << 0 << false << "12 Elm St"
                                      << "T776 - 12 Elm St (100)";
}

void TestPersonQueries::captions()
{
    QFETCH(int, type);
    QFETCH(int, linkedId);
    QFETCH(bool, coupled);
    QFETCH(QString, description);
    QFETCH(QString, caption);

    IndividualTaxData person(0, &m_dependants);
    TaxDataEntryStru *entry = person.addForm(type, 0, true, linkedId, false);
    QVERIFY(entry);
    if (auto *t2125 = dynamic_cast<TaxData_T2125_New *>(entry->data))
        t2125->businessName = description;
    if (auto *t776 = dynamic_cast<TaxData_T776New *>(entry->data))
        t776->propertyAddress = description;
    CString text;
    makeFormCaption(coupled, entry, text);
    QCOMPARE(QString(text), caption);
}

QV_TEST_MAIN(TestPersonQueries)
#include "tst_PersonQueries.moc"
