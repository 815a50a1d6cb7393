// The Auto-fill choice: its field list as the wizard pages bind it, and which elements each
// fill option takes.
#include <QtTest>

#include "download/DataAFR.h"
#include "ordane/CString.h"
#include "ordane/MyDataStream.h"

class TestDataAFR : public QObject
{
    Q_OBJECT

private slots:
    void registersTheFieldsInOrder();
    void startsWithNothingChosen();
    void optionZeroTakesEveryElement_data();
    void optionZeroTakesEveryElement();
    void slipTypeFollowsItsOwnFlag_data();
    void slipTypeFollowsItsOwnFlag();
    void stepsFollowTheirOwnFlag_data();
    void stepsFollowTheirOwnFlag();
    void normalizeKeepsTheTicks();
    void choiceSurvivesTheTextListAndTheStream();
};

void TestDataAFR::registersTheFieldsInOrder()
{
    DataAFR data;
    QStringList names;
    for (const CField *f : data.fields())
        names << QString::fromUtf8(f->name());
    const QStringList expected{"fld_iFillOption",
                               "fld_bT4",
                               "fld_bT4A",
                               "fld_bT4AOAS",
                               "fld_bT4AP",
                               "fld_bT4E",
                               "fld_bT4FHSA",
                               "fld_bT4RIF",
                               "fld_bT1204",
                               "fld_bT3",
                               "fld_bT5",
                               "fld_bPRPP",
                               "fld_bRC62",
                               "fld_bRC210",
                               "fld_bT5007",
                               "fld_bT5008",
                               "fld_bTuition",
                               "fld_bT2202",
                               "fld_bMBSB",
                               "fld_bInstalment",
                               "fld_bRRSPLimit",
                               "fld_bT4RSP",
                               "fld_bRRSPContribution",
                               "fld_bHBPLLP"};
    QCOMPARE(names, expected);
    QCOMPARE(data.fields().front()->type(), FieldType::Int);
    for (size_t i = 1; i < data.fields().size(); ++i)
        QCOMPARE(data.fields()[i]->type(), FieldType::Bool);
}

void TestDataAFR::startsWithNothingChosen()
{
    DataAFR data;
    QCOMPARE(int(data.fld_iFillOption), -1);
    // Nothing chosen takes nothing: it reads like "only the ticked ones" with no tick.
    for (int code = 0; code <= 30; ++code)
        QVERIFY2(!data.isSlipTypeSelected(code), qPrintable(QString::number(code)));
    QVERIFY(!data.isTuitionSelected());
    QVERIFY(!data.isInstalmentSelected());
    QVERIFY(!data.isRRSPLimitSelected());
    QVERIFY(!data.isRRSPContributionSelected());
    QVERIFY(!data.isHBPLLPSelected());
}

void TestDataAFR::optionZeroTakesEveryElement_data()
{
    QTest::addColumn<int>("code");
    // The eighteen flagged kinds, the partnership slip that has no flag, and codes no download
    // carries: option 0 takes whatever arrives.
    for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 13, 17, 18, 19, 20, 21, 22, 23, 25, 26, 99})
        QTest::addRow("code %d", code) << code;
}

void TestDataAFR::optionZeroTakesEveryElement()
{
    QFETCH(int, code);
    DataAFR data;
    data.fld_iFillOption = DataAFR::AllElements;
    QVERIFY(data.isSlipTypeSelected(code));
    QVERIFY(data.isTuitionSelected());
    QVERIFY(data.isInstalmentSelected());
    QVERIFY(data.isRRSPLimitSelected());
    QVERIFY(data.isRRSPContributionSelected());
    QVERIFY(data.isHBPLLPSelected());
}

void TestDataAFR::slipTypeFollowsItsOwnFlag_data()
{
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<int>("code");
    QTest::newRow("T4") << QByteArray("fld_bT4") << 1;
    QTest::newRow("T4A") << QByteArray("fld_bT4A") << 2;
    QTest::newRow("T4A(OAS)") << QByteArray("fld_bT4AOAS") << 6;
    QTest::newRow("T4A(P)") << QByteArray("fld_bT4AP") << 3;
    QTest::newRow("T4E") << QByteArray("fld_bT4E") << 5;
    QTest::newRow("T4FHSA") << QByteArray("fld_bT4FHSA") << 26;
    QTest::newRow("T4RIF") << QByteArray("fld_bT4RIF") << 7;
    QTest::newRow("T1204") << QByteArray("fld_bT1204") << 23;
    QTest::newRow("T3") << QByteArray("fld_bT3") << 9;
    QTest::newRow("T5") << QByteArray("fld_bT5") << 8;
    QTest::newRow("PRPP") << QByteArray("fld_bPRPP") << 22;
    QTest::newRow("RC62") << QByteArray("fld_bRC62") << 17;
    QTest::newRow("RC210") << QByteArray("fld_bRC210") << 18;
    QTest::newRow("T5007") << QByteArray("fld_bT5007") << 11;
    QTest::newRow("T5008") << QByteArray("fld_bT5008") << 19;
    QTest::newRow("T2202") << QByteArray("fld_bT2202") << 25;
    QTest::newRow("Manitoba shelter") << QByteArray("fld_bMBSB") << 21;
    QTest::newRow("T4RSP") << QByteArray("fld_bT4RSP") << 4;
}

// Under option 1 (and under -1) exactly the ticked kind is taken: each flag selects its own
// code and no other, and T5013 and the receipts are never taken.
void TestDataAFR::slipTypeFollowsItsOwnFlag()
{
    QFETCH(QByteArray, flag);
    QFETCH(int, code);
    for (int option : {1, -1}) {
        DataAFR data;
        data.fld_iFillOption = option;
        auto *field = dynamic_cast<CBoolField *>(data.findField(flag));
        QVERIFY(field);
        QVERIFY(!data.isSlipTypeSelected(code));
        *field = true;
        for (int other = 0; other <= 30; ++other)
            QCOMPARE(data.isSlipTypeSelected(other), other == code);
        QVERIFY(!data.isTuitionSelected());
        QVERIFY(!data.isRRSPContributionSelected());
    }
}

void TestDataAFR::stepsFollowTheirOwnFlag_data()
{
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<int>("step");
    QTest::newRow("tuition") << QByteArray("fld_bTuition") << 0;
    QTest::newRow("instalment") << QByteArray("fld_bInstalment") << 1;
    QTest::newRow("RRSP limit") << QByteArray("fld_bRRSPLimit") << 2;
    QTest::newRow("RRSP contribution") << QByteArray("fld_bRRSPContribution") << 3;
    QTest::newRow("HBP/LLP") << QByteArray("fld_bHBPLLP") << 4;
}

void TestDataAFR::stepsFollowTheirOwnFlag()
{
    QFETCH(QByteArray, flag);
    QFETCH(int, step);
    DataAFR data;
    data.fld_iFillOption = DataAFR::OnlySelected;
    *dynamic_cast<CBoolField *>(data.findField(flag)) = true;
    const QVector<bool> selected{data.isTuitionSelected(), data.isInstalmentSelected(),
                                 data.isRRSPLimitSelected(), data.isRRSPContributionSelected(),
                                 data.isHBPLLPSelected()};
    for (int i = 0; i < selected.size(); ++i)
        QCOMPARE(selected[i], i == step);
    // A step flag is no slip flag: the receipts' code is not selected through it.
    QVERIFY(!data.isSlipTypeSelected(20));
}

void TestDataAFR::normalizeKeepsTheTicks()
{
    DataAFR data;
    data.fld_iFillOption = DataAFR::OnlySelected;
    data.fld_bT5 = true;
    data.fld_bHBPLLP = true;
    QCOMPARE(data.normalizeData(), 0);
    QCOMPARE(int(data.fld_iFillOption), 1);
    QVERIFY(data.fld_bT5);
    QVERIFY(data.fld_bHBPLLP);
    QVERIFY(!data.fld_bT4);
}

void TestDataAFR::choiceSurvivesTheTextListAndTheStream()
{
    DataAFR data;
    data.fld_iFillOption = DataAFR::OnlySelected;
    data.fld_bT4 = true;
    data.fld_bT5008 = true;
    data.fld_bHBPLLP = true;

    CString text;
    data.writeToString(text);
    QVERIFY(text.startsWith("fld_iFillOption=1\nfld_bT4=1\nfld_bT4A=0\n"));
    QVERIFY(text.endsWith("fld_bRRSPContribution=0\nfld_bHBPLLP=1\n"));

    QByteArray bytes;
    {
        MyDataStream out(&bytes, QIODevice::WriteOnly);
        data.Serialize(out, 1);
    }
    DataAFR back;
    {
        MyDataStream in(bytes);
        back.Serialize(in, 1);
        QCOMPARE(in.status(), QDataStream::Ok);
    }
    QVERIFY(back.fieldsEqual(data));
    QVERIFY(back.isSlipTypeSelected(1));
    QVERIFY(back.isSlipTypeSelected(19));
    QVERIFY(!back.isSlipTypeSelected(8));
    QVERIFY(back.isHBPLLPSelected());
}

QTEST_GUILESS_MAIN(TestDataAFR)
#include "tst_DataAFR.moc"
