// The benefit and contribution room estimates at their edges, GST/HST credit eligibility, and
// the summary form the transfer fills after the passes.
#include <QtTest>

#include "CalcFixture.h"
#include "TestMain.h"
#include "calc/BenefitEstimates.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TypeCodes.h"
#include "ordane/Clock.h"

using namespace CalcFixture;

namespace {

constexpr int kChild = 1; // a son
constexpr int kOther = 9; // another relative

// Adds a dependant of the relationship born on the date to the return's shared block.
void addDependant(FamilyTaxData &family, int relationship, const QDate &born, bool infirm = false)
{
    DependantInfoStruct &dependants = family.dependants();
    if (dependants.count() == 0)
        dependants.AllocData(DependantInfoStruct::kDefaultRecords);
    for (int i = 0; i < dependants.count(); ++i) {
        DependantRecord &record = dependants.record(i);
        if (record.birthDate.isValid())
            continue;
        record.relationship = relationship;
        record.birthDate = born;
        record.infirm = infirm ? 1 : 0;
        return;
    }
}

} // namespace

class TestSummaryEstimates : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void childBenefit_data();
    void childBenefit();
    void gstCredit_data();
    void gstCredit();
    void contributionRoom_data();
    void contributionRoom();
    void gstEligibility_data();
    void gstEligibility();
    void singleParentEstimates();
    void coupleRecipientSwitches_data();
    void coupleRecipientSwitches();
    void passwordSpreadsFromScreen_data();
    void passwordSpreadsFromScreen();
    void t1PartMirrorsT1Fields();
    void summaryFromT1_data();
    void summaryFromT1();
    void capitalLossItem_data();
    void capitalLossItem();
    void scheduleBlocks();
};

void TestSummaryEstimates::cleanup()
{
    setNow();
}

void TestSummaryEstimates::childBenefit_data()
{
    QTest::addColumn<int>("under6");
    QTest::addColumn<int>("from6To17");
    QTest::addColumn<int>("disabled");
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("expected");
    QTest::newRow("below the first threshold") << 1 << 0 << 0 << 30000.0 << 7787.0;
    QTest::newRow("at the first threshold") << 1 << 0 << 0 << 36502.0 << 7787.0;
    QTest::newRow("at the second threshold") << 1 << 0 << 0 << 79087.0 << 7787 - 42585 * 0.07;
    QTest::newRow("one cent above") << 1 << 0 << 0 << 79087.01 << 7787 - (2981 + 0.01 * 0.032);
    QTest::newRow("two children above")
        << 1 << 1 << 0 << 100000.0 << 14357 - (5749 + 20913 * 0.057);
    QTest::newRow("three children in the first band")
        << 0 << 3 << 0 << 50000.0 << 19710 - 13498 * 0.19;
    QTest::newRow("five children above")
        << 0 << 5 << 0 << 200000.0 << 32850 - (9795 + 120913 * 0.095);
    QTest::newRow("no child but one disabled") << 0 << 0 << 1 << 20000.0 << 0.0;
    QTest::newRow("one disabled child above")
        << 1 << 0 << 1 << 90000.0 << (7787 - 2981 - 10913 * 0.032) + (3322 - 10913 * 0.032);
    QTest::newRow("two disabled children below")
        << 2 << 0 << 2 << 50000.0 << 15574 - 13498 * 0.135 + 6644;
    QTest::newRow("everything reduced away") << 1 << 0 << 1 << 1000000.0 << 0.0;
}

void TestSummaryEstimates::childBenefit()
{
    QFETCH(int, under6);
    QFETCH(int, from6To17);
    QFETCH(int, disabled);
    QFETCH(double, income);
    QFETCH(double, expected);
    QCOMPARE(estimateChildBenefit(9, under6, from6To17, disabled, income), expected);
    // The province plays no part.
    QCOMPARE(estimateChildBenefit(1, under6, from6To17, disabled, income), expected);
}

void TestSummaryEstimates::gstCredit_data()
{
    QTest::addColumn<double>("income");
    QTest::addColumn<bool>("hasSpouse");
    QTest::addColumn<double>("spouseIncome");
    QTest::addColumn<bool>("singleParent");
    QTest::addColumn<int>("children");
    QTest::addColumn<double>("expected");
    QTest::newRow("single parent of two at 30000")
        << 30000.0 << false << 0.0 << true << 1 << 1038.0;
    QTest::newRow("single below the supplement") << 11038.0 << false << 0.0 << false << 0 << 340.0;
    QTest::newRow("single, supplement phasing in")
        << 15000.0 << false << 0.0 << false << 0 << 340 + 0.02 * 3961;
    QTest::newRow("single, full supplement") << 20000.0 << false << 0.0 << false << 0 << 519.0;
    QTest::newRow("single at the reduction threshold")
        << 44324.0 << false << 0.0 << false << 0 << 519.0;
    QTest::newRow("single above it") << 44334.0 << false << 0.0 << false << 0 << 518.5;
    QTest::newRow("couple with two children") << 30000.0 << true << 10000.0 << false << 2 << 1038.0;
    QTest::newRow("couple reduced by both incomes")
        << 30000.0 << true << 20000.0 << false << 0 << 680 - 0.05 * 5676;
    QTest::newRow("couple reduced away") << 50000.0 << true << 20000.0 << false << 0 << 0.0;
    QTest::newRow("single parent, child count below 0")
        << 15000.0 << false << 0.0 << true << -1 << 680 + 0.02 * 3961;
}

void TestSummaryEstimates::gstCredit()
{
    QFETCH(double, income);
    QFETCH(bool, hasSpouse);
    QFETCH(double, spouseIncome);
    QFETCH(bool, singleParent);
    QFETCH(int, children);
    QFETCH(double, expected);
    QCOMPARE(estimateGstCredit(income, hasSpouse, spouseIncome, singleParent, children), expected);
}

void TestSummaryEstimates::contributionRoom_data()
{
    QTest::addColumn<double>("earned");
    QTest::addColumn<double>("deduction");
    QTest::addColumn<double>("pensionAdjustment");
    QTest::addColumn<double>("expected");
    QTest::newRow("earned 200000") << 200000.0 << 0.0 << 0.0 << 33810.0;
    QTest::newRow("earned 200000 less the adjustment") << 200000.0 << 0.0 << 5000.0 << 28810.0;
    QTest::newRow("18 percent") << 50000.0 << 1000.0 << 0.0 << 8820.0;
    QTest::newRow("negative earned income") << 1000.0 << 1100.0 << 0.0 << 0.0;
    QTest::newRow("adjustment above the room") << 10000.0 << 0.0 << 5000.0 << 0.0;
}

void TestSummaryEstimates::contributionRoom()
{
    QFETCH(double, earned);
    QFETCH(double, deduction);
    QFETCH(double, pensionAdjustment);
    QFETCH(double, expected);
    QCOMPARE(estimateContributionRoom(earned, deduction, pensionAdjustment), expected);
}

void TestSummaryEstimates::gstEligibility_data()
{
    QTest::addColumn<QDate>("born");
    QTest::addColumn<int>("maritalStatus");
    QTest::addColumn<int>("dependant");
    QTest::addColumn<QString>("leaving");
    QTest::addColumn<bool>("eligible");
    const QDate june17(2008, 6, 30);
    const QDate july17(2008, 7, 1);
    QTest::newRow("17, born in June") << june17 << 5 << 0 << "" << true;
    QTest::newRow("17, born in July") << july17 << 5 << 0 << "" << false;
    QTest::newRow("16") << QDate(2009, 1, 1) << 5 << 0 << "" << false;
    QTest::newRow("18") << QDate(2007, 12, 31) << 5 << 0 << "" << true;
    QTest::newRow("17 in July with a child") << july17 << 5 << kChild << "" << true;
    QTest::newRow("17 in July with another dependant") << july17 << 5 << kOther << "" << true;
    QTest::newRow("17 in July with a spouse") << july17 << 1 << 0 << "" << true;
    QTest::newRow("deceased") << QDate(1960, 1, 1) << 5 << kChild << "deceased" << false;
    QTest::newRow("emigrant") << QDate(1960, 1, 1) << 0 << 0 << "emigrant" << false;
}

void TestSummaryEstimates::gstEligibility()
{
    QFETCH(QDate, born);
    QFETCH(int, maritalStatus);
    QFETCH(int, dependant);
    QFETCH(QString, leaving);
    QFETCH(bool, eligible);
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    IndividualTaxData &person = *couple.family.taxpayer();
    TaxData_T1New *t1 = t1Of(person);
    t1->birthDate = born;
    t1->maritalStatus = maritalStatus;
    if (dependant)
        addDependant(couple.family, dependant, QDate(2015, 3, 3));
    if (leaving == "deceased")
        t1->deathDate = QDate(2025, 8, 1);
    if (leaving == "emigrant")
        t1->departureDate = QDate(2025, 8, 1);

    QCOMPARE(person.isGstCreditEligible(nullptr), eligible);
}

void TestSummaryEstimates::singleParentEstimates()
{
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    FamilyTaxData &family = couple.family;
    family.spouse()->removeForm(t1Of(*family.spouse()), true, false);
    IndividualTaxData &person = *family.taxpayer();
    TaxData_T1New *t1 = t1Of(person);
    t1->maritalStatus = 5;
    t1->f23600 = 30000;
    addDependant(family, kChild, QDate(2013, 4, 1));
    addDependant(family, kChild, QDate(2015, 9, 1));
    addDependant(family, kChild, QDate(2003, 9, 1)); // an adult child counts for neither

    family.Recalculate(-1, nullptr);

    TaxData_T1KSNew *summary = summaryOf(person);
    QCOMPARE(double(summary->gstCredit), 1038.0);
    QCOMPARE(double(summary->childBenefit), 2 * 6570.0);
    QCOMPARE(double(summary->estimatedBenefits), 1038.0 + 2 * 6570.0);
    QVERIFY(couple.recorder.calls.contains("2 updateProvincialSummary 1"));

    // The no-benefit flag leaves the child benefit out; a switch set keeps the credit off.
    summary->noBenefit = 1;
    summary->gstRecipient = 1;
    couple.recorder.calls.clear();
    family.Recalculate(-1, nullptr);
    QCOMPARE(double(summary->childBenefit), 0.0);
    QCOMPARE(double(summary->gstCredit), 0.0);
    QVERIFY(couple.recorder.calls.contains("2 updateProvincialSummary 0"));
}

void TestSummaryEstimates::coupleRecipientSwitches_data()
{
    QTest::addColumn<double>("incomeA");
    QTest::addColumn<double>("incomeB");
    QTest::addColumn<int>("switchA");
    QTest::addColumn<int>("switchB");
    QTest::addColumn<int>("excludedA");
    QTest::addColumn<double>("creditA");
    QTest::addColumn<double>("creditB");
    QTest::newRow("equal incomes, both switches clear")
        << 15000.0 << 15000.0 << 0 << 0 << 0 << 680.0 << 680.0;
    QTest::newRow("equal incomes, both switches set")
        << 15000.0 << 15000.0 << 1 << 1 << 0 << 0.0 << 0.0;
    QTest::newRow("higher income, its switch set")
        << 20000.0 << 10000.0 << 1 << 0 << 0 << 680.0 << 680.0;
    QTest::newRow("higher income, switches clear")
        << 20000.0 << 10000.0 << 0 << 0 << 0 << 0.0 << 680.0;
    QTest::newRow("spouse excluded")
        << 15000.0 << 15000.0 << 0 << 0 << 1 << 340 + 0.02 * 3961 << 680.0;
}

void TestSummaryEstimates::coupleRecipientSwitches()
{
    QFETCH(double, incomeA);
    QFETCH(double, incomeB);
    QFETCH(int, switchA);
    QFETCH(int, switchB);
    QFETCH(int, excludedA);
    QFETCH(double, creditA);
    QFETCH(double, creditB);
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    FamilyTaxData &family = couple.family;
    IndividualTaxData &a = *family.taxpayer();
    IndividualTaxData &b = *family.spouse();
    // The recalculation derives net income: each person earns it on a T4 without deductions.
    for (auto [person, income] : {std::make_pair(&a, incomeA), std::make_pair(&b, incomeB)})
        static_cast<TaxData_Slip_T4 *>(person->addSlip(SlipType::T4, 0, 0)->data)->box14 = income;
    t1Of(a)->spouseExcluded = excludedA;
    summaryOf(a)->gstRecipient = switchA;
    summaryOf(b)->gstRecipient = switchB;

    family.Recalculate(-1, nullptr);

    QCOMPARE(double(summaryOf(a)->gstCredit), creditA);
    QCOMPARE(double(summaryOf(b)->gstCredit), creditB);
}

void TestSummaryEstimates::passwordSpreadsFromScreen_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("otherHasSummary");
    QTest::newRow("spouse on screen") << int(PersonSpouse) << true;
    QTest::newRow("taxpayer on screen") << int(PersonTaxpayer) << true;
    QTest::newRow("partner without a summary") << int(PersonSpouse) << false;
}

void TestSummaryEstimates::passwordSpreadsFromScreen()
{
    QFETCH(int, current);
    QFETCH(bool, otherHasSummary);
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    FamilyTaxData &family = couple.family;
    family.setCurrentPersonIndex(current);
    IndividualTaxData &onScreen = *family.getCurrentPersonData();
    IndividualTaxData &other = *family.getPartnerData();
    summaryOf(onScreen)->password = QStringLiteral("Secret9");
    summaryOf(other)->password = QStringLiteral("Other1");
    if (!otherHasSummary)
        other.removeForm(summaryOf(other), true, false);
    other.m_password = QStringLiteral("Old");

    family.Recalculate(-1, nullptr);

    QCOMPARE(QString(onScreen.m_password), QString("Secret9"));
    QCOMPARE(QString(other.m_password), QString("Secret9"));
    if (otherHasSummary)
        QCOMPARE(QString(summaryOf(other)->password.value()), QString("Secret9"));
}

void TestSummaryEstimates::t1PartMirrorsT1Fields()
{
    TaxData_T1New t1;
    TaxData_T1KSNew summary(FormType::T1KS);
    for (const TaxData_T1KSNew::Mirror &m : TaxData_T1KSNew::t1Part()) {
        const CField *source = t1.findField(m.source);
        const CField *target = summary.findField(m.name);
        QVERIFY2(source && target, m.name);
        QCOMPARE(source->type(), m.type);
        QCOMPARE(target->type(), m.type);
    }
}

void TestSummaryEstimates::summaryFromT1_data()
{
    QTest::addColumn<double>("balance");
    QTest::addColumn<double>("totalIncome");
    QTest::addColumn<int>("refundIndicator");
    QTest::addColumn<double>("averageRate");
    QTest::newRow("balance owing") << 0.009 << 80000.0 << 0 << 25.0;
    QTest::newRow("refund") << 0.005 << 80000.0 << 1 << 25.0;
    QTest::newRow("no total income") << -100.0 << 0.008 << 1 << 0.0;
}

void TestSummaryEstimates::summaryFromT1()
{
    QFETCH(double, balance);
    QFETCH(double, totalIncome);
    QFETCH(int, refundIndicator);
    QFETCH(double, averageRate);
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    IndividualTaxData &person = *couple.family.taxpayer();
    person.m_province = 2;
    TaxData_T1New *t1 = t1Of(person);
    t1->street = QStringLiteral("12 Rue Principale");
    t1->city = QStringLiteral("Moncton");
    t1->provinceText = QStringLiteral("NB");
    t1->postalCode = QStringLiteral("E1C 4B7");
    t1->f10100 = 200000;
    t1->f20600 = 5000;
    t1->f26000 = 180000;
    t1->f15000 = totalIncome;
    t1->f43500 = totalIncome / 4;
    t1->signedBalance = balance;
    t1->partnerSelfEmployed = 1;
    auto *first = form<TaxData_T1MNew>(person, FormType::T1M);
    first->amount1 = 1000;
    first->amount2 = 400;
    auto *second =
        static_cast<TaxData_T1MNew *>(person.addForm(FormType::T1M, 0, true, 0, false)->data);
    second->amount1 = 100;
    second->amount2 = 300;

    person.TransferSpouseData(true, nullptr);

    TaxData_T1KSNew &summary = *summaryOf(person);
    QCOMPARE(int(summary.province), 2);
    QCOMPARE(fieldText(summary, "firstName"), QString("Louise"));
    QCOMPARE(fieldText(summary, "sin"), QString("046454286"));
    QCOMPARE(fieldText(summary, "partnerSelfEmployed"), QString("1"));
    QCOMPARE(QString(summary.fullName.value()), QString("Louise Gagnon"));
    QCOMPARE(QString(summary.fullNamePrint.value()), QString("Louise Gagnon"));
    QCOMPARE(QString(summary.address.value()), QString("12 Rue Principale, Moncton, NB"));
    QCOMPARE(static_cast<const CFloatField *>(summary.findField("26000"))->value(), 180000.0);
    QCOMPARE(QString(summary.taxYear.value()), QString("2025"));
    QCOMPARE(int(summary.refundIndicator), refundIndicator);
    QCOMPARE(double(summary.averageRate), averageRate);
    QCOMPARE(double(summary.contributionRoom), 28810.0);
    QCOMPARE(double(summary.t1mCarryForward), 600.0);
    QCOMPARE(couple.recorder.calls,
             (QStringList{"2 updateProvincialSummary 1", "2 transferSpouseData 0"}));

    // Without the T1 the T1 part goes back to its built values.
    person.removeForm(t1, true, false);
    person.TransferSpouseData(true, nullptr);
    QCOMPARE(fieldText(summary, "firstName"), QString());
    QCOMPARE(QString(summary.fullName.value()), QString());
    QCOMPARE(QString(summary.taxYear.value()), QString());
    QCOMPARE(double(summary.contributionRoom), 0.0);
}

void TestSummaryEstimates::capitalLossItem_data()
{
    QTest::addColumn<bool>("hasSchedule3");
    QTest::addColumn<bool>("hasT1A");
    QTest::addColumn<double>("netResult");
    QTest::addColumn<double>("expected");
    QTest::newRow("loss on Schedule 3") << true << false << -250.5 << 250.5;
    QTest::newRow("small gain counts") << true << false << 0.008 << -0.008;
    QTest::newRow("gain") << true << false << 0.009 << 0.0;
    QTest::newRow("T1A loss first") << true << true << -250.5 << 77.0;
    QTest::newRow("no Schedule 3") << false << true << 0.0 << 0.0;
}

void TestSummaryEstimates::capitalLossItem()
{
    QFETCH(bool, hasSchedule3);
    QFETCH(bool, hasT1A);
    QFETCH(double, netResult);
    QFETCH(double, expected);
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    IndividualTaxData &person = *couple.family.taxpayer();
    if (hasSchedule3)
        form<TaxData_Sch3>(person, FormType::SCH3)->netResult = netResult;
    if (hasT1A)
        form<TaxData_T1ANew>(person, FormType::T1A)->lossAmount = 77;
    summaryOf(person)->capitalLoss = 5;

    person.TransferSpouseData(true, nullptr);

    QCOMPARE(double(summaryOf(person)->capitalLoss), expected);
}

void TestSummaryEstimates::scheduleBlocks()
{
    setNow(QDateTime(QDate(2026, 3, 14), QTime(9, 30)));
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    IndividualTaxData &person = *couple.family.taxpayer();
    TaxData_T1KSNew &summary = *summaryOf(person);
    form<TaxData_Sch2>(person, FormType::SCH2)->ageAmount = 4321;
    form<TaxData_Sch3>(person, FormType::SCH3)->answer17900 = 2;
    auto *sch11 = form<TaxData_Sch11>(person, FormType::SCH11);
    sch11->f59140 = 812.5;
    sch11->transferToSpouse = 90;
    auto *t1a = form<TaxData_T1ANew>(person, FormType::T1A);
    t1a->lossAmount = 33;
    auto *t1dd = form<CTaxData_T1DD>(person, FormType::T1DD);
    t1dd->account = QStringLiteral("555123");
    // Left from an earlier transfer: a Schedule 7 that is gone now.
    static_cast<CFloatField *>(summary.findField("sch7_24600"))->setValue(99);

    person.TransferSpouseData(true, nullptr);

    QCOMPARE(fieldText(summary, "sch2_ageAmount"), QString("4321.00"));
    QCOMPARE(fieldText(summary, "sch3_17900"), QString("2"));
    QCOMPARE(double(summary.tuitionCarryForward), 812.5);
    QCOMPARE(fieldText(summary, "sch11_transferToSpouse"), QString("90.00"));
    QCOMPARE(fieldText(summary, "t1a_lossAmount"), QString("33.00"));
    QCOMPARE(summary.t1aDate.date(), QDate(2026, 3, 14));
    QCOMPARE(fieldText(summary, "t1dd_account"), QString("555123"));
    QCOMPARE(static_cast<const CFloatField *>(summary.findField("sch7_24600"))->value(), 0.0);

    person.removeForm(sch11, true, false);
    person.removeForm(t1a, true, false);
    person.removeForm(t1dd, true, false);
    person.TransferSpouseData(true, nullptr);

    QCOMPARE(double(summary.tuitionCarryForward), 0.0);
    QCOMPARE(fieldText(summary, "sch11_transferToSpouse"), QString("0.00"));
    QCOMPARE(fieldText(summary, "t1a_lossAmount"), QString("0.00"));
    QCOMPARE(summary.t1aDate.date(), QDate());
    QCOMPARE(fieldText(summary, "t1dd_account"), QString());
    QCOMPARE(fieldText(summary, "sch2_ageAmount"), QString("4321.00"));
}

QV_TEST_MAIN(TestSummaryEstimates)
#include "tst_SummaryEstimates.moc"
