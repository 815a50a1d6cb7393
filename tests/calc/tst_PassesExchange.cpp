// The pass entry and pass 0 of one person, and what the spouse exchange moves after each pass.
#include <QtTest>

#include "CalcFixture.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TypeCodes.h"

using namespace CalcFixture;

namespace {

CT1AppConfig &settings()
{
    return appInstance()->config;
}

// A couple with the person on screen (A), the other one (B) and their T1s at hand.
struct Couple : RecordedCouple
{
    TaxData_T1New *t1A = nullptr;
    TaxData_T1New *t1B = nullptr;
    IndividualTaxData *a = nullptr;
    IndividualTaxData *b = nullptr;

    bool setUpOnScreen(int current)
    {
        if (!setUp())
            return false;
        family.setCurrentPersonIndex(current);
        a = family.getCurrentPersonData();
        b = family.getPartnerData();
        t1A = t1Of(*a);
        t1B = t1Of(*b);
        return true;
    }
};

} // namespace

class TestPassesExchange : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void sinIsNormalised_data();
    void sinIsNormalised();
    void counterpartForms_data();
    void counterpartForms();
    void schedule5ValueReachesT1_data();
    void schedule5ValueReachesT1();
    void filingFormsTakeSettings_data();
    void filingFormsTakeSettings();
    void directDeposit_data();
    void directDeposit();
    void dayCounts_data();
    void dayCounts();
    void resetsResidenceAndPreparer_data();
    void resetsResidenceAndPreparer();

    void identificationAndElection_data();
    void identificationAndElection();
    void spousalPlans_data();
    void spousalPlans();
    void incomesAndChildCare_data();
    void incomesAndChildCare();
    void schedule2FromPartner_data();
    void schedule2FromPartner();
    void workersBenefitAndPensionSums_data();
    void workersBenefitAndPensionSums();
    void nothingMovesWhenNotCoupled();
};

void TestPassesExchange::init()
{
    CT1AppConfig &c = settings();
    c.BusinessName.clear();
    c.BusinessEFileNum.clear();
    c.BusinessEFilePassword.clear();
    c.BusinessPhone.clear();
    c.BusinessAddr.clear();
    c.BusinessCity.clear();
    c.BusinessProv.clear();
    c.BusinessPostcode.clear();
    c.CompabEnable = 0;
    c.EfileSoftwareCode = QStringLiteral("Q25E");
}

void TestPassesExchange::sinIsNormalised_data()
{
    QTest::addColumn<int>("pass");
    QTest::addColumn<QString>("sin");
    QTest::addColumn<QString>("spouseSin");
    QTest::addColumn<QString>("expectedSin");
    QTest::addColumn<QString>("expectedSpouseSin");
    QTest::newRow("blanks") << 0 << "046 454 286"
                            << "130 692 544"
                            << "046454286"
                            << "130692544";
    QTest::newRow("dashes") << 0 << "046-454-286"
                            << "130-692-544"
                            << "046454286"
                            << "130692544";
    QTest::newRow("more than 9 digits") << 0 << "0464542861234"
                                        << "13069254499"
                                        << "046454286"
                                        << "130692544";
    QTest::newRow("blank spouse S.I.N. kept") << 0 << "046454286"
                                              << "   "
                                              << "046454286"
                                              << "   ";
    QTest::newRow("empty spouse S.I.N.") << 0 << "046454286"
                                         << ""
                                         << "046454286"
                                         << "";
    QTest::newRow("no digits") << 0 << "abc"
                               << "x1"
                               << ""
                               << "1";
    // A pass that does not exist still runs the entry.
    QTest::newRow("pass 9") << 9 << "046 454 286-1"
                            << "130-692-544"
                            << "046454286"
                            << "130692544";
}

void TestPassesExchange::sinIsNormalised()
{
    QFETCH(int, pass);
    QFETCH(QString, sin);
    QFETCH(QString, spouseSin);
    QFETCH(QString, expectedSin);
    QFETCH(QString, expectedSpouseSin);
    Couple couple;
    QVERIFY(couple.setUpOnScreen(PersonTaxpayer));
    couple.t1A->sin = sin;
    couple.t1A->spouseSin = spouseSin;

    QCOMPARE(couple.a->CalculatePass(false, 0, pass, false), 0);

    QCOMPARE(QString(couple.t1A->sin.value()), expectedSin);
    QCOMPARE(QString(couple.t1A->spouseSin.value()), expectedSpouseSin);
}

void TestPassesExchange::counterpartForms_data()
{
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<QList<int>>("added");
    using namespace FormType;
    QTest::newRow("Schedule 2 alone") << QList<int>{SCH2} << QList<int>{ON_S2};
    QTest::newRow("provincial Schedule 2 alone") << QList<int>{ON_S2} << QList<int>{SCH2};
    QTest::newRow("both Schedule 2") << QList<int>{SCH2, ON_S2} << QList<int>{};
    QTest::newRow("Schedule 11 alone") << QList<int>{SCH11} << QList<int>{ON_S11};
    QTest::newRow("provincial Schedule 11 alone") << QList<int>{ON_S11} << QList<int>{SCH11};
    QTest::newRow("T778 alone") << QList<int>{T778} << QList<int>{ON479A};
    QTest::newRow("T778 counterpart alone") << QList<int>{ON479A} << QList<int>{};
    QTest::newRow("none") << QList<int>{} << QList<int>{};
    QTest::newRow("all three federal")
        << QList<int>{SCH2, SCH11, T778} << QList<int>{ON_S2, ON_S11, ON479A};
}

void TestPassesExchange::counterpartForms()
{
    QFETCH(QList<int>, present);
    QFETCH(QList<int>, added);
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(linkOntarioWithCounterparts(folder, recorder));
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    setUpPerson(person, 9, "Louise", "046454286", QDate(1970, 5, 1));
    for (int type : present)
        QVERIFY(person.getForm(type, 0, true));
    const QList<int> before = formTypes(person);

    QCOMPARE(person.CalculatePass(false, 0, 0, false), added.size());

    QCOMPARE(formTypes(person), before + added);
    // Everything is in place: a second pass 0 adds nothing.
    QCOMPARE(person.CalculatePass(false, 0, 0, false), 0);
}

void TestPassesExchange::schedule5ValueReachesT1_data()
{
    QTest::addColumn<bool>("hasSchedule5");
    QTest::addColumn<bool>("wizardChanged");
    QTest::addColumn<int>("changedType");
    QTest::addColumn<double>("expected");
    QTest::newRow("Schedule 5 changed") << true << false << int(FormType::SCH5) << 777.25;
    QTest::newRow("another form changed") << true << false << int(FormType::SCH2) << 1.5;
    QTest::newRow("wizard data of type 6") << true << true << int(WizardType::Provincial) << 1.5;
    QTest::newRow("nothing changed") << true << false << 0 << 1.5;
    QTest::newRow("no Schedule 5") << false << false << int(FormType::SCH5) << 1.5;
}

void TestPassesExchange::schedule5ValueReachesT1()
{
    QFETCH(bool, hasSchedule5);
    QFETCH(bool, wizardChanged);
    QFETCH(int, changedType);
    QFETCH(double, expected);
    Couple couple;
    QVERIFY(couple.setUpOnScreen(PersonTaxpayer));
    if (hasSchedule5)
        form<TaxData_Sch5>(*couple.a, FormType::SCH5)->sharedValue = 777.25;
    couple.t1A->sch5SharedValue = 1.5;

    couple.a->CalculatePass(wizardChanged, changedType, 0, false);

    QCOMPARE(double(couple.t1A->sch5SharedValue), expected);
}

void TestPassesExchange::filingFormsTakeSettings_data()
{
    QTest::addColumn<QString>("efileNumber");
    QTest::addColumn<QString>("expectedT183");
    QTest::addColumn<QString>("expectedT185");
    QTest::newRow("EFILE number set") << "EF123"
                                      << "EF123"
                                      << "EF123";
    QTest::newRow("EFILE number empty") << ""
                                        << "OLD77"
                                        << "";
}

void TestPassesExchange::filingFormsTakeSettings()
{
    QFETCH(QString, efileNumber);
    QFETCH(QString, expectedT183);
    QFETCH(QString, expectedT185);
    settings().BusinessName = QStringLiteral("Prairie Tax");
    settings().BusinessEFileNum = efileNumber;
    settings().BusinessEFilePassword = QStringLiteral("pw9");
    Couple couple;
    QVERIFY(couple.setUpOnScreen(PersonTaxpayer));
    IndividualTaxData &person = *couple.a;
    TaxData_T1New &t1 = *couple.t1A;
    t1.reFileFlag = 2;
    t1.email = QStringLiteral("louise@example.invalid");
    t1.phone = QStringLiteral("(306) 555-0101");
    auto *t183 = form<TaxData_T183New>(person, FormType::T183);
    t183->efileNumber = QStringLiteral("OLD77");
    auto *t185 = form<TaxData_T185>(person, FormType::T185);
    t185->efileNumber = QStringLiteral("OLD88");
    auto *t1013 = form<TaxData_T1013New>(person, FormType::T1013);
    auto *t1198 = form<TaxData_T1198>(person, FormType::T1198);
    t1198->portions.intAt(0, 0) = 2023;
    t1198->portions.amountAt(0, 1) = 1200.5;
    t1198->portions.amountAt(3, 1) = 300;

    person.CalculatePass(false, 0, 0, false);

    QCOMPARE(bool(t183->reFile), true);
    QCOMPARE(QString(t183->email.value()), QString("louise@example.invalid"));
    QCOMPARE(QString(t183->businessName.value()), QString("Prairie Tax"));
    QCOMPARE(QString(t183->efileNumber.value()), expectedT183);
    QCOMPARE(QString(t183->efilePassword.value()), QString("pw9"));
    QCOMPARE(QString(t183->softwareCode.value()), QString("Q25E"));
    QCOMPARE(QString(t185->businessName.value()), QString("Prairie Tax"));
    QCOMPARE(QString(t185->efileNumber.value()), expectedT185);
    QCOMPARE(QString(t185->efilePassword.value()), QString("pw9"));
    QCOMPARE(QString(t185->softwareCode.value()), QString("Q25E"));
    QCOMPARE(QString(t1013->softwareCode.value()), QString("Q25EH"));
    QCOMPARE(QString(t1013->firstName.value()), QString("Louise"));
    QCOMPARE(QString(t1013->lastName.value()), QString("Gagnon"));
    QCOMPARE(QString(t1013->sin.value()), QString("046454286"));
    QCOMPARE(QString(t1013->phone.value()), QString("3065550101"));
    QCOMPARE(QString(t1198->name.value()), QString("Louise Gagnon"));
    QCOMPARE(QString(t1198->sin.value()), QString("046454286"));
    QCOMPARE(double(t1198->totalPortions), 1500.5);
}

void TestPassesExchange::directDeposit_data()
{
    QTest::addColumn<bool>("hasT1DD");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("T1DD") << true << QStringList{"00123", "004", "9876543"};
    QTest::newRow("no T1DD") << false << QStringList{"", "", ""};
}

void TestPassesExchange::directDeposit()
{
    QFETCH(bool, hasT1DD);
    QFETCH(QStringList, expected);
    Couple couple;
    QVERIFY(couple.setUpOnScreen(PersonTaxpayer));
    TaxData_T1New &t1 = *couple.t1A;
    t1.ddBranch = QStringLiteral("11111");
    t1.ddInstitution = QStringLiteral("222");
    t1.ddAccount = QStringLiteral("333");
    if (hasT1DD) {
        auto *t1dd = form<CTaxData_T1DD>(*couple.a, FormType::T1DD);
        t1dd->branch = QStringLiteral("00123");
        t1dd->institution = QStringLiteral("004");
        t1dd->account = QStringLiteral("9876543");
    }

    couple.a->CalculatePass(false, 0, 0, false);

    QCOMPARE((QStringList{t1.ddBranch.value(), t1.ddInstitution.value(), t1.ddAccount.value()}),
             expected);
}

void TestPassesExchange::dayCounts_data()
{
    QTest::addColumn<QDate>("entry");
    QTest::addColumn<QDate>("departure");
    QTest::addColumn<QDate>("bankrupt");
    QTest::addColumn<int>("daysInCanada");
    QTest::addColumn<int>("bankruptDays");
    QTest::newRow("resident all year") << QDate() << QDate() << QDate() << 365 << 0;
    QTest::newRow("arrived 1 July") << QDate(2025, 7, 1) << QDate() << QDate() << 184 << 0;
    QTest::newRow("arrived 1 July, left 30 September")
        << QDate(2025, 7, 1) << QDate(2025, 9, 30) << QDate() << 92 << 0;
    QTest::newRow("arrived 1 January") << QDate(2025, 1, 1) << QDate() << QDate() << 365 << 0;
    QTest::newRow("arrived last year") << QDate(2024, 3, 1) << QDate() << QDate() << 365 << 0;
    QTest::newRow("left only") << QDate() << QDate(2025, 9, 30) << QDate() << 365 << 0;
    QTest::newRow("bankrupt 1 March") << QDate() << QDate() << QDate(2025, 3, 1) << 365 << 59;
    QTest::newRow("bankrupt last year") << QDate() << QDate() << QDate(2024, 3, 1) << 365 << 0;
}

void TestPassesExchange::dayCounts()
{
    QFETCH(QDate, entry);
    QFETCH(QDate, departure);
    QFETCH(QDate, bankrupt);
    QFETCH(int, daysInCanada);
    QFETCH(int, bankruptDays);
    Couple couple;
    QVERIFY(couple.setUpOnScreen(PersonTaxpayer));
    TaxData_T1New &t1 = *couple.t1A;
    t1.entryDate = entry;
    t1.departureDate = departure;
    t1.bankruptDate = bankrupt;

    couple.a->CalculatePass(false, 0, 3, false);

    QCOMPARE(double(t1.daysInYear), 365.0);
    QCOMPARE(double(t1.daysInCanada), double(daysInCanada));
    QCOMPARE(double(t1.bankruptDays), double(bankruptDays));
}

void TestPassesExchange::resetsResidenceAndPreparer_data()
{
    QTest::addColumn<int>("residency");
    QTest::addColumn<bool>("factual");
    QTest::addColumn<int>("preparerIndicator");
    QTest::addColumn<QString>("preparerName");
    QTest::newRow("factual resident, no preparer yet") << 1 << true << 0 << "Prairie Tax";
    QTest::newRow("deemed resident, preparer kept") << 2 << false << 1 << "Own Name";
    QTest::newRow("no Schedule D") << -1 << false << 0 << "Prairie Tax";
}

void TestPassesExchange::resetsResidenceAndPreparer()
{
    QFETCH(int, residency);
    QFETCH(bool, factual);
    QFETCH(int, preparerIndicator);
    QFETCH(QString, preparerName);
    settings().BusinessName = QStringLiteral("Prairie Tax");
    Couple couple;
    QVERIFY(couple.setUpOnScreen(PersonTaxpayer));
    TaxData_T1New &t1 = *couple.t1A;
    if (residency >= 0)
        form<TaxData_T1248SchD>(*couple.a, FormType::T1248SCHD)->residencyStatus = residency;
    t1.factualResident = !factual;
    t1.pensionAt65 = 10;
    t1.pensionUnder65 = 20;
    t1.spousalPlanAdjustment = 30;
    t1.statusInt1 = 5;
    t1.statusInt2 = 5;
    t1.preparerIndicator = preparerIndicator;
    t1.preparerName = QStringLiteral("Own Name");

    couple.a->CalculatePass(false, 0, 0, false);

    QCOMPARE(bool(t1.factualResident), factual);
    QCOMPARE(double(t1.pensionAt65), 0.0);
    QCOMPARE(double(t1.pensionUnder65), 0.0);
    QCOMPARE(double(t1.spousalPlanAdjustment), 0.0);
    QCOMPARE(int(t1.statusInt1), -1);
    QCOMPARE(int(t1.statusInt2), 2);
    QCOMPARE(QString(t1.preparerName.value()), preparerName);
}

void TestPassesExchange::identificationAndElection_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("answerA");
    QTest::addColumn<int>("answerB");
    QTest::addColumn<QString>("pensionerA");
    QTest::addColumn<QString>("pensionerB");
    QTest::newRow("A transfers") << int(PersonTaxpayer) << 0 << 1 << "A-side"
                                 << "A-side";
    QTest::newRow("A receives") << int(PersonTaxpayer) << 1 << 0 << "B-side"
                                << "B-side";
    QTest::newRow("unanswered") << int(PersonTaxpayer) << -1 << 7 << "A-side"
                                << "B-side";
    // The person on screen decides, so the taxpayer's election data comes from the spouse.
    QTest::newRow("spouse on screen receives") << int(PersonSpouse) << 1 << 0 << "B-side"
                                               << "B-side";
}

void TestPassesExchange::identificationAndElection()
{
    QFETCH(int, current);
    QFETCH(int, answerA);
    QFETCH(int, answerB);
    QFETCH(QString, pensionerA);
    QFETCH(QString, pensionerB);
    Couple couple;
    QVERIFY(couple.setUpOnScreen(current));
    couple.t1B->entryDate = QDate(2025, 4, 2);
    auto *electionA = form<TaxData_T1032_New>(*couple.a, FormType::T1032);
    auto *electionB = form<TaxData_T1032_New>(*couple.b, FormType::T1032);
    electionA->transferer = answerA;
    electionA->pensionerLastName = QStringLiteral("A-side");
    electionA->electionEntries.intAt(0, 0) = 3;
    electionA->electionEntries.amountAt(0, 1) = 9.5;
    electionA->amount = 100;
    electionA->election = true;
    electionA->electedAmount = 5000;
    electionB->transferer = 7;
    electionB->pensionerLastName = QStringLiteral("B-side");
    electionB->amount = 200;

    couple.family.ExchangeSpouseAmounts(0);

    QCOMPARE(QString(couple.t1A->spouseFirstName.value()), QString(couple.t1B->firstName.value()));
    QCOMPARE(QString(couple.t1A->spouseLastName.value()), QString("Gagnon"));
    QCOMPARE(QString(couple.t1A->spouseSin.value()), QString(couple.t1B->sin.value()));
    QCOMPARE(couple.t1A->spouseBirthDate.date(), couple.t1B->birthDate.date());
    QCOMPARE(couple.t1A->spouseEntryDate.date(), QDate(2025, 4, 2));
    QCOMPARE(QString(couple.t1B->spouseSin.value()), QString(couple.t1A->sin.value()));
    QCOMPARE(couple.t1B->spouseEntryDate.date(), QDate());
    QCOMPARE(int(electionB->transferer), answerB);
    QCOMPARE(QString(electionA->pensionerLastName.value()), pensionerA);
    QCOMPARE(QString(electionB->pensionerLastName.value()), pensionerB);
    const bool fromA = pensionerB == "A-side";
    QCOMPARE(double(electionB->amount), fromA ? 100.0 : 200.0);
    QCOMPARE(double(electionB->electionEntries.amountAt(0, 1)), fromA ? 9.5 : 0.0);
    // Whatever the answers, the split is the one of the person on screen.
    QCOMPARE(bool(electionB->election), true);
    QCOMPARE(double(electionB->electedAmount), 5000.0);
}

void TestPassesExchange::spousalPlans_data()
{
    QTest::addColumn<bool>("planA");
    QTest::addColumn<bool>("planB");
    QTest::addColumn<double>("adjustmentA");
    QTest::addColumn<double>("adjustmentB");
    QTest::addColumn<double>("pensionAt65A");
    QTest::addColumn<double>("pensionUnder65B");
    QTest::newRow("T2205 in each return") << true << true << -600.0 << 600.0 << 100.0 << 300.0;
    QTest::newRow("A's T2205 only") << true << false << -1000.0 << 1000.0 << 0.0 << 300.0;
    QTest::newRow("B's T2205 only") << false << true << 400.0 << -400.0 << 100.0 << 0.0;
    QTest::newRow("none") << false << false << 0.0 << 0.0 << 0.0 << 0.0;
}

void TestPassesExchange::spousalPlans()
{
    QFETCH(bool, planA);
    QFETCH(bool, planB);
    QFETCH(double, adjustmentA);
    QFETCH(double, adjustmentB);
    QFETCH(double, pensionAt65A);
    QFETCH(double, pensionUnder65B);
    Couple couple;
    QVERIFY(couple.setUpOnScreen(PersonTaxpayer));
    // A is 70 at the end of the year, B 50.
    couple.t1A->birthDate = QDate(1955, 2, 1);
    couple.t1B->birthDate = QDate(1975, 2, 1);
    couple.t1A->spousalPlanAdjustment = 55;
    couple.t1B->spousalPlanAdjustment = 66;
    CTaxData_T2205 *t2205A = nullptr;
    if (planA) {
        t2205A = form<CTaxData_T2205>(*couple.a, FormType::T2205);
        t2205A->amountToInclude = 1000;
        t2205A->pensionPortion = 300;
    }
    if (planB) {
        auto *t2205B = form<CTaxData_T2205>(*couple.b, FormType::T2205);
        t2205B->amountToInclude = 400;
        t2205B->pensionPortion = 100;
    }
    couple.t1A->uccbAmount = 12.5;
    couple.t1B->excludedRepayment2 = 7.25;
    couple.b->getForm(FormType::T2125, 0, true);

    couple.family.ExchangeSpouseAmounts(1);

    QCOMPARE(double(couple.t1A->spousalPlanAdjustment), adjustmentA);
    QCOMPARE(double(couple.t1B->spousalPlanAdjustment), adjustmentB);
    QCOMPARE(double(couple.t1A->pensionAt65), pensionAt65A);
    QCOMPARE(double(couple.t1A->pensionUnder65), 0.0);
    QCOMPARE(double(couple.t1B->pensionUnder65), pensionUnder65B);
    QCOMPARE(double(couple.t1B->pensionAt65), 0.0);
    if (t2205A)
        QCOMPARE(QString(t2205A->spouseName.value()), QString("Paul Gagnon"));
    QCOMPARE(double(couple.t1B->spouseUccbAmount), 12.5);
    QCOMPARE(double(couple.t1A->spouseExcludedRepayment2), 7.25);
    QCOMPARE(int(couple.t1A->partnerSelfEmployed), 1);
    QCOMPARE(int(couple.t1B->partnerSelfEmployed), 0);
}

void TestPassesExchange::incomesAndChildCare_data()
{
    QTest::addColumn<int>("flagA");
    QTest::addColumn<int>("flagB");
    QTest::addColumn<double>("partnerAmountA");
    QTest::addColumn<double>("partnerAmountB");
    QTest::newRow("A has the higher income") << 1 << 1 << -1.0 << 4100.0;
    QTest::newRow("B has the higher income") << 0 << 1 << 2200.0 << -1.0;
    QTest::newRow("neither box") << 0 << 0 << -1.0 << -1.0;
}

void TestPassesExchange::incomesAndChildCare()
{
    QFETCH(int, flagA);
    QFETCH(int, flagB);
    QFETCH(double, partnerAmountA);
    QFETCH(double, partnerAmountB);
    Couple couple;
    QVERIFY(couple.setUpOnScreen(PersonTaxpayer));
    TaxData_T1New &t1A = *couple.t1A;
    TaxData_T1New &t1B = *couple.t1B;
    t1A.f23600 = 61000;
    t1A.f26000 = 60000;
    t1A.netIncomeDeduction = 150;
    t1A.f12500 = 1;
    t1A.f22215 = 2;
    t1A.f42200 = 3;
    t1B.f23600 = 31000;
    t1A.childCareIncome = 4100;
    t1B.childCareIncome = 2200;
    auto *t778A = form<TaxData_T778New>(*couple.a, FormType::T778);
    auto *t778B = form<TaxData_T778New>(*couple.b, FormType::T778);
    t778A->higherIncomeFlag1 = flagA;
    t778B->higherIncomeFlag1 = flagB;
    t778A->partnerAmount = -1;
    t778B->partnerAmount = -1;

    couple.family.ExchangeSpouseAmounts(2);

    QCOMPARE(double(t1B.spouseNetIncome), 61000.0);
    QCOMPARE(double(t1B.spouseTaxableIncome), 60000.0);
    QCOMPARE(double(t1B.spouseNetIncomeDeduction), 150.0);
    QCOMPARE((QList<double>{t1B.spouseRdspIncome, t1B.spouseCppEnhancedDeduction,
                            t1B.spouseSocialBenefitsRepayment}),
             (QList<double>{1, 2, 3}));
    QCOMPARE(double(t1A.spouseNetIncome), 31000.0);
    QCOMPARE(double(t778A->partnerAmount), partnerAmountA);
    QCOMPARE(double(t778B->partnerAmount), partnerAmountB);
    QCOMPARE(couple.recorder.calls, QStringList{"3 exchangeWithPartnerPass2 2"});
}

void TestPassesExchange::schedule2FromPartner_data()
{
    QTest::addColumn<bool>("sourceArrived");
    QTest::addColumn<bool>("receiverArrived");
    QTest::addColumn<bool>("sourceHasSchedule11");
    QTest::addColumn<double>("share");
    QTest::addColumn<double>("tuition");
    const double arrivedJuly = 184.0 / 365.0;
    QTest::newRow("neither arrived") << false << false << true << 1.0 << 600.0;
    QTest::newRow("receiver arrived") << false << true << true << arrivedJuly << 600.0;
    QTest::newRow("source arrived") << true << false << true << 1.0 << 600.0;
    QTest::newRow("both arrived") << true << true << false << 1.0 << 0.0;
}

void TestPassesExchange::schedule2FromPartner()
{
    QFETCH(bool, sourceArrived);
    QFETCH(bool, receiverArrived);
    QFETCH(bool, sourceHasSchedule11);
    QFETCH(double, share);
    QFETCH(double, tuition);
    Couple couple;
    QVERIFY(couple.setUpOnScreen(PersonTaxpayer));
    // A is the source, B receives.
    TaxData_T1New &source = *couple.t1A;
    if (sourceArrived)
        source.entryDate = QDate(2025, 7, 1);
    if (receiverArrived)
        couple.t1B->entryDate = QDate(2025, 7, 1);
    source.ageAmountSource = 1000;
    source.f30500 = 500;
    source.pensionAmountSource = 2000;
    source.disabilityAmountSource = 3000;
    source.basicAmountSource = 4;
    source.contributionCreditsSource = 5;
    if (sourceHasSchedule11)
        form<TaxData_Sch11>(*couple.a, FormType::SCH11)->transferToSpouse = 600;
    auto *sch2 = form<TaxData_Sch2>(*couple.b, FormType::SCH2);
    // The entry of a pass fills the day counts the proration reads.
    couple.a->CalculatePass(false, 0, 9, false);
    couple.b->CalculatePass(false, 0, 9, true);

    couple.family.ExchangeSpouseAmounts(3);

    QCOMPARE(double(sch2->ageAmount), 1000 * share);
    QCOMPARE(double(sch2->caregiverAmount), 500 * share);
    QCOMPARE(double(sch2->pensionAmount), 2000.0);
    QCOMPARE(double(sch2->disabilityAmount), 3000.0);
    QCOMPARE(double(sch2->basicAmount), 4.0);
    QCOMPARE(double(sch2->contributionCredits), 5.0);
    QCOMPARE(double(sch2->tuitionAmount), tuition);
    // A has no Schedule 2 to fill.
    QVERIFY(!couple.a->hasForm(FormType::SCH2));
}

void TestPassesExchange::workersBenefitAndPensionSums_data()
{
    QTest::addColumn<bool>("scheduleA");
    QTest::addColumn<bool>("scheduleB");
    QTest::addColumn<int>("answerA");
    QTest::addColumn<int>("answerB");
    QTest::newRow("Schedule 6 in both") << true << true << 0 << 1;
    QTest::newRow("Schedule 6 of A only") << true << false << 1 << -1;
    QTest::newRow("Schedule 6 of B only") << false << true << -1 << 0;
}

void TestPassesExchange::workersBenefitAndPensionSums()
{
    QFETCH(bool, scheduleA);
    QFETCH(bool, scheduleB);
    QFETCH(int, answerA);
    QFETCH(int, answerB);
    Couple couple;
    QVERIFY(couple.setUpOnScreen(PersonTaxpayer));
    TaxData_T1New &t1A = *couple.t1A;
    TaxData_T1New &t1B = *couple.t1B;
    t1A.f10100 = 20000;
    t1A.employmentIncome2 = 500;
    t1A.cwbOtherWorkingIncome = 70;
    t1B.f10100 = 9000;
    t1B.employmentIncome2 = 100;
    t1B.cwbOtherWorkingIncome = 30;
    auto *business = form<TaxData_T2125_New>(*couple.b, FormType::T2125);
    business->netIncome = 2500;
    TaxData_Sch6 *sch6A = scheduleA ? form<TaxData_Sch6>(*couple.a, FormType::SCH6) : nullptr;
    TaxData_Sch6 *sch6B = scheduleB ? form<TaxData_Sch6>(*couple.b, FormType::SCH6) : nullptr;
    for (TaxData_Sch6 *sch6 : {sch6A, sch6B}) {
        if (!sch6)
            continue;
        sch6->ownAnswer = sch6 == sch6A ? 2 : 3;
        sch6->rc210Box10 = sch6 == sch6A ? 11 : 21;
        sch6->adjustedNetIncome = sch6 == sch6A ? 15000 : 8000;
        sch6->partnerAnswer = 9;
    }
    t1A.splitEligiblePension = 100;
    t1A.splitEligibleAnnuity = 20;
    t1A.splitEligibleRrif = 3;
    t1B.splitEligiblePension = 400;
    auto *t1032A = form<TaxData_T1032_New>(*couple.a, FormType::T1032);
    auto *t1032B = form<TaxData_T1032_New>(*couple.b, FormType::T1032);
    t1032A->transferer = answerA;
    t1032B->transferer = answerB;

    couple.family.ExchangeSpouseAmounts(4);

    if (sch6A) {
        QCOMPARE(int(sch6A->partnerAnswer), sch6B ? 3 : 1);
        QCOMPARE(double(sch6A->spouseRc210Box10), sch6B ? 21.0 : 0.0);
        QCOMPARE(double(sch6A->spouseAdjustedNetIncome), sch6B ? 8000.0 : 0.0);
        QCOMPARE(double(sch6A->partnerEmploymentIncome), 9100.0);
        QCOMPARE(double(sch6A->partnerOtherWorkingIncome), 30.0);
        QCOMPARE(double(sch6A->partnerSelfEmploymentIncome), 2500.0);
    }
    if (sch6B) {
        QCOMPARE(int(sch6B->partnerAnswer), sch6A ? 2 : 1);
        QCOMPARE(double(sch6B->partnerEmploymentIncome), 20500.0);
        QCOMPARE(double(sch6B->partnerOtherWorkingIncome), 70.0);
        QCOMPARE(double(sch6B->partnerSelfEmploymentIncome), 0.0);
    }
    // Each T1032 takes the partner's sum in the field of its own answer.
    const auto sums = [](const TaxData_T1032_New *t) {
        return QList<double>{t->partnerSumTransferer, t->partnerSumTransferee};
    };
    const auto expectedSums = [](int answer, double sum) {
        return QList<double>{answer == 0 ? sum : 0.0, answer == 1 ? sum : 0.0};
    };
    QCOMPARE(sums(t1032A), expectedSums(answerA, 400));
    QCOMPARE(sums(t1032B), expectedSums(answerB, 123));
    QCOMPARE(couple.recorder.calls,
             (QStringList{"3 exchangeWithPartnerPass4 2", "2 exchangeWithPartnerPass4 3"}));
}

void TestPassesExchange::nothingMovesWhenNotCoupled()
{
    Couple couple;
    QVERIFY(couple.setUpOnScreen(PersonTaxpayer));
    couple.b->removeForm(couple.t1B, true, false);
    couple.t1B = nullptr;
    QVERIFY(!couple.family.isCoupled());
    auto *electionA = form<TaxData_T1032_New>(*couple.a, FormType::T1032);
    auto *electionB = form<TaxData_T1032_New>(*couple.b, FormType::T1032);
    electionA->transferer = 0;
    electionA->electedAmount = 10;
    couple.recorder.calls.clear();

    for (int pass = -1; pass <= 7; ++pass)
        couple.family.ExchangeSpouseAmounts(pass);

    QCOMPARE(int(electionB->transferer), -1);
    QCOMPARE(double(electionB->electedAmount), 0.0);
    QCOMPARE(couple.recorder.calls, QStringList());
}

QV_TEST_MAIN(TestPassesExchange)
#include "tst_PassesExchange.moc"
