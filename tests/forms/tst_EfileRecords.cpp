// Line records: the four writers in both output kinds, and what each form class writes.
#include <QtTest>

#include "marrow/BusinessForms.h"
#include "marrow/EfileRecords.h"
#include "marrow/FederalForms.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "ordane/NetfileRecords.h"

Q_DECLARE_METATYPE(NetfileTaggedValue)

namespace {

// A parameter record of one kind with its own text and map.
struct Records
{
    CString text;
    NetfileCodeMap codes;
    int counter = 0;
    NetfileGenObjParamStru param;

    explicit Records(int kind)
    {
        param.outputKind = quint8(kind);
        param.output = &text;
        param.counter = &counter;
        param.codes = &codes;
    }
    QList<int> keys() const { return codes.keys(); }
};

NetfileTaggedValue cents(double amount)
{
    return NetfileTaggedValue::cents(amount);
}

NetfileTaggedValue integer(int value)
{
    return NetfileTaggedValue::wholeNumber(value);
}

} // namespace

class TestEfileRecords : public QObject
{
    Q_OBJECT
private slots:
    void writers_data();
    void writers();
    void elementName();
    void baseWritesLineFields();
    void t1LeavesDerivedCodes();
    void statements_data();
    void statements();
    void t5013Parts();
};

void TestEfileRecords::writers_data()
{
    QTest::addColumn<int>("writer"); // 0 dollar, 1 numeric, 2 dollar 1-if-zero, 3 field
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("xml");
    QTest::addColumn<NetfileTaggedValue>("tagged");
    QTest::newRow("dollar") << 0 << 1234.5 << "<t1:L10100>1234.50</t1:L10100>" << cents(1234.5);
    QTest::newRow("dollar negative")
        << 0 << -7.125 << "<t1:L10100>-7.13</t1:L10100>" << cents(-7.125);
    QTest::newRow("dollar tiny negative no sign")
        << 0 << -0.004 << "<t1:L10100>0.00</t1:L10100>" << cents(-0.004);
    QTest::newRow("numeric") << 1 << 1.0 << "<t1:L10100>1</t1:L10100>" << integer(1);
    QTest::newRow("numeric truncated") << 1 << -2.9 << "<t1:L10100>-2</t1:L10100>" << integer(-2);
    QTest::newRow("numeric huge held")
        << 1 << 1e12 << "<t1:L10100>2147483647</t1:L10100>" << integer(2147483647);
    QTest::newRow("one if zero, zero") << 2 << 0.0 << "<t1:L10100>1.00</t1:L10100>" << cents(1);
    QTest::newRow("one if zero, below tolerance")
        << 2 << 0.008 << "<t1:L10100>1.00</t1:L10100>" << cents(1);
    QTest::newRow("one if zero, amount") << 2 << 0.5 << "<t1:L10100>0.50</t1:L10100>" << cents(0.5);
    QTest::newRow("field one if zero") << 3 << 0.0 << "<t1:L10100>1.00</t1:L10100>" << cents(1);
    QTest::newRow("field loss") << 3 << -300.0 << "<t1:L10100>-300.00</t1:L10100>" << cents(-300);
}

void TestEfileRecords::writers()
{
    QFETCH(int, writer);
    QFETCH(double, value);
    QFETCH(NetfileTaggedValue, tagged);
    TaxData_T1New t1;
    t1.f10100 = value;
    for (int kind : {0, 2}) {
        Records r(kind);
        switch (writer) {
        case 0:
            NETFILE_DOLLAR_VALUE_Func(10100, value, r.param);
            break;
        case 1:
            NETFILE_NUMERIC_VALUE_Func(10100, value, r.param);
            break;
        case 2:
            NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(10100, value, r.param);
            break;
        default:
            NETFILE_DOLLAR_FIELD_IFZEROTHENONE_Func(10100, t1.f10100, r.param);
        }
        QCOMPARE(r.keys(), QList<int>{10100});
        QCOMPARE(r.codes.value(10100), tagged);
        if (kind == 0)
            QTEST(QString(r.text), "xml");
        else
            QCOMPARE(QString(r.text), QString());
    }
}

void TestEfileRecords::elementName()
{
    QCOMPARE(netfileElementName(9915), QByteArray("t1:L9915"));
    QCOMPARE(netfileElementName(67924), QByteArray("t1:L67924"));
}

void TestEfileRecords::baseWritesLineFields()
{
    TaxData_T691New t691;
    t691.f67820 = 12.34;  // five digits: written
    t691.f67922 = -5;     // a negative amount is present too
    t691.f67924 = 0.008;  // below the tolerance: not written
    t691.f6786 = 99;      // four digits: not a line code
    t691.minimumTax = 50; // a named role
    Records r(0);
    QCOMPARE(t691.writeEfileRecords(2, r.param), 2);
    QCOMPARE(QString(r.text), QString("<t1:L67820>12.34</t1:L67820><t1:L67922>-5.00</t1:L67922>"));
    QCOMPARE(r.keys(), (QList<int>{67820, 67922}));
}

void TestEfileRecords::t1LeavesDerivedCodes()
{
    TaxData_T1New t1;
    t1.f15000 = 100;
    t1.f12600 = 200;
    t1.f12700 = 300;
    t1.f13500 = 400;
    t1.support67650 = 500;
    t1.support67830 = 600;
    t1.f55320 = 700;
    t1.f54950 = -800;
    t1.support68080 = 900;
    Records r(2);
    QCOMPARE(t1.writeEfileRecords(1, r.param), 1);
    QCOMPARE(r.keys(), QList<int>{15000});
    for (int code : t1DerivedNetfileCodes())
        QVERIFY(!r.codes.contains(code));
}

void TestEfileRecords::statements_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("codes");
    QTest::newRow("T776") << FormType::T776 << 0 << QList<int>{12599, 12600};
    QTest::newRow("T1163") << FormType::T1163 << 0 << QList<int>{14099, 14100};
    QTest::newRow("T2042") << FormType::T2042 << 0 << QList<int>{14099, 14100};
    QTest::newRow("T2121") << FormType::T2121 << 0 << QList<int>{14299, 14300};
    QTest::newRow("T2125 business") << FormType::T2125 << 0 << QList<int>{13499, 13500};
    QTest::newRow("T2125 professional") << FormType::T2125 << 1 << QList<int>{13699, 13700};
    QTest::newRow("T2125 commission") << FormType::T2125C << 0 << QList<int>{13899, 13900};
}

void TestEfileRecords::statements()
{
    QFETCH(int, type);
    QFETCH(int, kind);
    QFETCH(QList<int>, codes);
    std::unique_ptr<CTaxData_Form> form;
    switch (type) {
    case FormType::T776: {
        auto *t776 = new TaxData_T776New;
        t776->grossRental = 1000;
        t776->otherRental = 50;
        t776->netRental = -20;
        form.reset(t776);
        break;
    }
    case FormType::T1163:
        form.reset(new TaxData_T1163New);
        break;
    case FormType::T2042:
        form.reset(new TaxData_T2042New);
        break;
    case FormType::T2121:
        form.reset(new TaxData_T2121New);
        break;
    default: {
        auto *t2125 = new TaxData_T2125_New(type);
        t2125->kind = kind;
        t2125->grossIncome = 1000;
        t2125->netIncome = 10;
        t2125->netIncome2 = 20;
        t2125->netSwitch = 1;
        form.reset(t2125);
    }
    }
    Records r(2);
    QCOMPARE(form->writeEfileRecords(1, r.param), 2);
    QCOMPARE(r.keys(), codes);
    if (type == FormType::T776) {
        QCOMPARE(r.codes.value(12599), cents(1000)); // the other rental income stays out
        QCOMPARE(r.codes.value(12600), cents(-20));
    }
    if (type == FormType::T2125 || type == FormType::T2125C)
        QCOMPARE(r.codes.value(codes[1]), cents(20));
}

void TestEfileRecords::t5013Parts()
{
    CTaxData_T5013 t5013;
    t5013.rentalIncome = 100;
    t5013.professionalIncome = -50;
    t5013.commissionIncome = 25;
    t5013.fishingIncome = 0.008;
    const QList<bool> parts{t5013.IsThisSFD(0), t5013.IsThisSFD(1), t5013.IsThisSFD(2),
                            t5013.IsThisSFD(3), t5013.IsThisSFD(4)};
    QCOMPARE(parts, (QList<bool>{true, true, false, false, false}));
    Records r(0);
    QCOMPARE(t5013.ConvertToNetfile(1, 1, r.param), 2);
    QCOMPARE(QString(r.text), QString("<t1:L13700>-50.00</t1:L13700><t1:L13900>25.00</t1:L13900>"));
    QCOMPARE(t5013.ConvertToNetfile(1, 3, r.param), 0);
    QCOMPARE(t5013.ConvertToNetfile(1, 0, r.param), 1);
    QCOMPARE(r.keys(), (QList<int>{12600, 13700, 13900}));
}

QTEST_GUILESS_MAIN(TestEfileRecords)
#include "tst_EfileRecords.moc"
