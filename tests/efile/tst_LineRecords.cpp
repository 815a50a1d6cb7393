// The line records of a person: the derived T1 records over the value map, the form walk and
// the financial-data records.
#include <QtTest>

#include "EfileFixture.h"
#include "TestMain.h"
#include "brevant/BrevantForms.h"
#include "efile/CNetfileGenObj.h"
#include "efile/NetfileLineRecords.h"
#include "marrow/BusinessForms.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TypeCodes.h"

using namespace EfileFixture;

Q_DECLARE_METATYPE(NetfileTaggedValue)

namespace {

NetfileTaggedValue cents(double amount)
{
    return NetfileTaggedValue::cents(amount);
}

NetfileTaggedValue integer(int value)
{
    return NetfileTaggedValue::wholeNumber(value);
}

// Codes with their values, and codes that must be absent.
using Expected = QList<QPair<int, NetfileTaggedValue>>;

} // namespace

class TestLineRecords : public QObject
{
    Q_OBJECT
private slots:
    void valueMap_data();
    void valueMap();
    void line49000_data();
    void line49000();
    void valueMapLeavesReturnAlone();
    void noCodeTwice();
    void walk();
    void sfdRecords();
    void bankruptKeepsT2091();
    void splitIncomeLines();
    void anyFieldCode();

private:
    DependantInfoStruct m_dependants;
};

void TestLineRecords::valueMap_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<Expected>("present");
    QTest::addColumn<QList<int>>("absent");
    QTest::newRow("rental only") << "rental" << Expected{{12599, cents(1)}, {12600, cents(1)}}
                                 << QList<int>{9915, 13499, 13500};
    QTest::newRow("no income") << "" << Expected{{9915, integer(1)}} << QList<int>{12600};
    QTest::newRow("nil total with 13500 written")
        << "business" << Expected{{13499, cents(1)}, {13500, cents(1)}} << QList<int>{9915};
    QTest::newRow("30300 single") << "30300" << Expected{{30300, cents(500)}, {55220, integer(1)}}
                                  << QList<int>{55290};
    QTest::newRow("30400 couple") << "30400 couple"
                                  << Expected{{30400, cents(500)}, {55290, integer(1)}}
                                  << QList<int>{55220};
    QTest::newRow("couple with the deadline flag")
        << "deadline couple" << Expected{} << QList<int>{55220, 55290};
    QTest::newRow("single with the deadline flag")
        << "deadline" << Expected{{55220, integer(1)}} << QList<int>{55290};
    QTest::newRow("22100 at 0.5") << "22100=0.5"
                                  << Expected{{67840, cents(0)},
                                              {67820, cents(0)},
                                              {67860, cents(0)}}
                                  << QList<int>{67924, 67926};
    QTest::newRow("22100 at 1") << "22100=1"
                                << Expected{{67924, cents(1)}, {67840, cents(1)}, {67820, cents(1)}}
                                << QList<int>{67926};
    QTest::newRow("deduction present")
        << "deduction" << Expected{{67820, cents(1)}, {67840, cents(0)}} << QList<int>{67924};
    QTest::newRow("farming loss") << "farming loss" << Expected{{54950, cents(1234)}}
                                  << QList<int>{};
    QTest::newRow("farming loss without the flag")
        << "farming loss no flag" << Expected{} << QList<int>{54950};
    QTest::newRow("T691 present") << "T691" << Expected{{67650, cents(0)}, {68080, cents(0)}}
                                  << QList<int>{67830, 67924, 67820, 67860, 67840, 67910};
    QTest::newRow("T936 present") << "T936" << Expected{{67830, cents(0)}}
                                  << QList<int>{68080, 68100, 68110};
    QTest::newRow("T5004 present") << "T5004" << Expected{{67830, cents(0)}} << QList<int>{67650};
    QTest::newRow("capital gains") << "12700" << Expected{{12700, cents(-40)}} << QList<int>{};
    QTest::newRow("Schedule 8 triggers")
        << "sch8"
        << Expected{{50329, cents(1)}, {50330, cents(1)}, {50340, cents(1)}, {50339, cents(1)}}
        << QList<int>{};
    QTest::newRow("Schedule 8 present")
        << "sch8 form" << Expected{} << QList<int>{50329, 50340, 50339};
    QTest::newRow("55320 with the spouse claim")
        << "cwb spouse" << Expected{{55320, cents(1)}} << QList<int>{};
    QTest::newRow("55320 own amount") << "cwb" << Expected{{55320, cents(321.5)}} << QList<int>{};
    QTest::newRow("T778") << "T778" << Expected{{55300, cents(75)}} << QList<int>{};
    QTest::newRow("widowed with Schedule 6")
        << "sch6 widowed" << Expected{{55220, integer(1)}} << QList<int>{};
}

void TestLineRecords::valueMap()
{
    QFETCH(QString, setup);
    QFETCH(Expected, present);
    QFETCH(QList<int>, absent);
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->f15000 = setup.isEmpty() || setup == "rental" || setup == "business" ? 0 : 1000;
    if (setup == "rental")
        add<TaxData_T776New>(person, FormType::T776);
    if (setup == "business")
        add<TaxData_T2125_New>(person, FormType::T2125);
    if (setup.startsWith("303"))
        t1->f30300 = 500;
    if (setup.startsWith("30400"))
        t1->f30400 = 500;
    if (setup.endsWith("couple"))
        t1->maritalStatus = 0;
    if (setup.startsWith("deadline"))
        t1->selfEmployedDeadline = true;
    if (setup.startsWith("22100"))
        t1->f22100 = setup.endsWith("0.5") ? 0.5 : 1.0;
    if (setup == "deduction")
        t1->f23200 = 10;
    if (setup.startsWith("farming loss")) {
        add<TaxData_T2042New>(person, FormType::T2042);
        t1->farmingLossFlag = !setup.endsWith("no flag");
        t1->f54950 = -1234.56;
    }
    if (setup == "T691")
        add<TaxData_T691New>(person, FormType::T691);
    if (setup == "T936")
        add<TaxData_T936New>(person, FormType::T936);
    if (setup == "T5004")
        add<TaxData_T5004>(person, FormType::T5004);
    if (setup == "12700")
        t1->f12700 = -40;
    if (setup.startsWith("sch8")) {
        t1->f31000 = 50;
        t1->sch8Flag = true;
        if (setup.endsWith("form"))
            add<TaxData_Sch8_14>(person, FormType::SCH8);
    }
    if (setup.startsWith("cwb")) {
        t1->cwbAmount = 100;
        t1->f55320 = 321.5;
        if (setup.endsWith("spouse")) {
            t1->cwbEligibleSpouseFlag = true;
            add<TaxData_Sch6>(person, FormType::SCH6)->partnerAnswer = 1;
        }
    }
    if (setup == "T778") {
        add<TaxData_T778New>(person, FormType::T778)->amount = 75;
        t1->f21400 = 75;
    }
    if (setup == "sch6 widowed") {
        t1->maritalStatus = 2;
        // Part 1 of the schedule counts once it holds a working income.
        add<TaxData_Sch6>(person, FormType::SCH6)->workingIncome = 5000.0;
    }

    Records r(2, NetfileGenObjParamStru::OutputValueMap);
    person.generateNetfileRecords(2, r.param);
    for (const auto &entry : present) {
        QVERIFY2(r.codes.contains(entry.first), qPrintable(QString::number(entry.first)));
        QCOMPARE(r.codes.value(entry.first), entry.second);
    }
    for (int code : absent)
        QVERIFY2(!r.codes.contains(code), qPrintable(QString::number(code)));
    QVERIFY(!r.codes.contains(49000));
    QCOMPARE(QString(r.text), QString());
}

void TestLineRecords::line49000_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("preparer");
    QTest::addColumn<bool>("rc71");
    QTest::addColumn<int>("value"); // 0: not written
    QTest::newRow("NETFILE XML") << 2 << 0 << 1 << true << 0;
    QTest::newRow("value map") << 2 << 2 << 1 << true << 0;
    QTest::newRow("EFILE with RC71") << 1 << 0 << 1 << true << 3;
    QTest::newRow("EFILE preparer") << 1 << 0 << 1 << false << 2;
    QTest::newRow("EFILE otherwise") << 1 << 2 << 0 << false << 1;
}

void TestLineRecords::line49000()
{
    QFETCH(int, edition);
    QFETCH(int, kind);
    QFETCH(int, preparer);
    QFETCH(bool, rc71);
    QFETCH(int, value);
    IndividualTaxData person(0, &m_dependants);
    setUpPerson(person)->preparerIndicator = preparer;
    if (rc71)
        add<CTaxData_RC71>(person, FormType::RC71);
    Records r(edition, kind);
    person.generateNetfileRecords(edition, r.param);
    QCOMPARE(r.codes.contains(49000), value != 0);
    if (value != 0) {
        QCOMPARE(r.codes.value(49000), integer(value));
        if (kind == 0)
            QVERIFY(r.text.endsWith(QString("<t1:L49000>%1</t1:L49000>").arg(value)));
    }
}

void TestLineRecords::valueMapLeavesReturnAlone()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->f31000 = 50;
    t1->sch8Marker = 5;
    TaxData_T1New before;
    before.copyValuesFrom(*t1);
    Records map(2, NetfileGenObjParamStru::OutputValueMap);
    person.generateNetfileRecords(2, map.param);
    QVERIFY(map.codes.contains(50340));
    QVERIFY(!t1->isDifferentFrom(before));
    Records xml(2, NetfileGenObjParamStru::OutputXml);
    person.generateNetfileRecords(2, xml.param);
    QCOMPARE(int(t1->sch8Marker), 8);
    t1->f31000 = 0;
    person.generateNetfileRecords(2, xml.param);
    QCOMPARE(int(t1->sch8Marker), -1);
}

void TestLineRecords::noCodeTwice()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    // Every five-digit amount of the T1 set, with the forms that make each derived step run.
    for (CField *field : t1->fields()) {
        if (field->type() == FieldType::Float && field->nameSize() == 5)
            *static_cast<CFloatField *>(field) = 123.45;
    }
    t1->f54950 = -5;
    t1->farmingLossFlag = true;
    t1->cwbAmount = 1;
    add<TaxData_T776New>(person, FormType::T776);
    add<TaxData_T2042New>(person, FormType::T2042);
    add<TaxData_T778New>(person, FormType::T778);
    Records r(1, NetfileGenObjParamStru::OutputXml);
    person.generateNetfileRecords(1, r.param);
    QStringList seen;
    for (const QString &element : r.text.split("</")) {
        const int open = element.lastIndexOf('<');
        if (open < 0)
            continue;
        const QString name = element.mid(open + 1, element.indexOf('>', open) - open - 1);
        QVERIFY2(!seen.contains(name), qPrintable(name));
        seen << name;
    }
    QCOMPARE(seen.size(), r.codes.size());
    QVERIFY(seen.contains("t1:L12600") && seen.contains("t1:L54950") &&
            seen.contains("t1:L67910") && seen.contains("t1:L10100"));
}

void TestLineRecords::walk()
{
    IndividualTaxData person(0, &m_dependants);
    setUpPerson(person)->f10100 = 10;
    add<TaxData_T2209_2036>(person, FormType::T2209);
    add<TaxData_T2209_2036>(person, FormType::T2209);
    auto *t776 = add<TaxData_T776New>(person, FormType::T776);
    t776->netRental = 10;
    auto *t691 = add<TaxData_T691New>(person, FormType::T691);
    t691->f67820 = 7;
    Records r(2, NetfileGenObjParamStru::OutputValueMap);
    CNetfileGenObj walker;
    person.enumForms(walker, &r.param);
    QCOMPARE(walker.m_count, 5);
    QCOMPARE(r.param.t2209Count, 2);
    QCOMPARE(r.codes.keys(), (QList<int>{10100, 67820}));
}

void TestLineRecords::sfdRecords()
{
    IndividualTaxData person(0, &m_dependants);
    setUpPerson(person);
    add<TaxData_T2125_New>(person, FormType::T2125)->grossIncome = 125;
    add<TaxData_T776New>(person, FormType::T776)->grossRental = 12;
    add<TaxData_T2125_New>(person, FormType::T2125C)->grossIncome = 131;
    Records r(2, NetfileGenObjParamStru::OutputXml);
    QCOMPARE(person.makeSFDRecordsXml(2, r.param), 3);
    const QString open = "<sfd:SelectedFinancialData>";
    const QString close = "</sfd:SelectedFinancialData>";
    QCOMPARE(QString(r.text),
             "<t1:SelectedFinancialDataRecordCount>03</t1:SelectedFinancialDataRecordCount>" +
                 open + "<t1:L13899>131.00</t1:L13899><t1:L13900>0.00</t1:L13900>" + close + open +
                 "<t1:L13499>125.00</t1:L13499><t1:L13500>0.00</t1:L13500>" + close + open +
                 "<t1:L12599>12.00</t1:L12599><t1:L12600>0.00</t1:L12600>" + close);
}

void TestLineRecords::bankruptKeepsT2091()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->bankruptDate = QDate(2025, 4, 1);
    add<TaxData_T2125_New>(person, FormType::T2125);
    add<TaxData_T2091>(person, FormType::T2091WS);
    add<TaxData_T2091>(person, FormType::T2091);
    QString out;
    person.generateReturnXml(out, 2);
    QVERIFY(!out.contains("SelectedFinancialDataRecordCount"));
    QCOMPARE(out.count("<sfd:SelectedFinancialData>"), 2);
    Records r(2, NetfileGenObjParamStru::OutputXml);
    QCOMPARE(person.makeSFDWrapperXml(2, r.param), 2);
}

// The federal tax on split income is a line of the T1 like the other lines of the net federal
// tax; the T1206 sends its own lines (the total split income, the foreign part) and none of
// its working amounts.
void TestLineRecords::splitIncomeLines()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->f40424 = 3300;
    t1->f40400 = 10550;
    t1->f40425 = 0;
    auto *t1206 = add<TaxData_T1206New>(person, FormType::T1206);
    t1206->splitIncome = 10000;
    t1206->f68360 = 10000;
    t1206->f68370 = 4000;
    t1206->f68380 = 5000;
    t1206->federalTax = 3300;
    t1206->netTax = 3300;
    Records r(2, NetfileGenObjParamStru::OutputXml);
    person.generateNetfileRecords(2, r.param);
    QCOMPARE(r.codes.value(40424), cents(3300));
    QCOMPARE(r.codes.value(40400), cents(10550));
    QVERIFY(!r.codes.contains(40425));
    QCOMPARE(r.codes.value(68360), cents(10000));
    QCOMPARE(r.codes.value(68370), cents(4000));
    QCOMPARE(r.codes.value(68380), cents(5000));
    QVERIFY(!r.codes.contains(68330));
    QVERIFY(r.text.contains("<t1:L40424>3300.00</t1:L40424>"));
    QCOMPARE(r.text.count("L40424>"), 2);
}

void TestLineRecords::anyFieldCode()
{
    NetfileCodeMap codes;
    const int list[] = {1, 2, 3};
    QVERIFY(!hasAnyFieldCode(codes, list, 3));
    codes.insert(3, NetfileTaggedValue());
    QVERIFY(hasAnyFieldCode(codes, list, 3));
    QVERIFY(!hasAnyFieldCode(codes, list, 2));
    QVERIFY(!hasAnyFieldCode(codes, list, 0));
    QVERIFY(!hasAnyFieldCode(codes, list, -1));
    QVERIFY(hasAnyFieldCode(codes, {5, 3}));
}

QV_TEST_MAIN(TestLineRecords)
#include "tst_LineRecords.moc"
