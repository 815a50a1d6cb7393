// The recalculation driver: the order of the passes, exchanges and summaries over both
// spouses, the twin push, the result, and returns whose persons do not hold exactly one T1.
#include <QtTest>

#include "CalcFixture.h"
#include "PluginFolder.h"
#include "ReturnFixture.h"
#include "TestMain.h"
#include "calc/SlipTotals.h"
#include "marrow/BusinessForms.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/ReturnFile.h"
#include "plugin/TestPluginRecorder.h"

#include <memory>
#include <set>

using namespace CalcFixture;

namespace {

// The calls of the named operations, in order.
QStringList callsOf(const TestPluginRecorder &recorder, const QStringList &names)
{
    QStringList out;
    for (const QString &call : recorder.calls) {
        const QString operation = call.section(' ', 1, 1);
        if (names.contains(operation))
            out.append(call);
    }
    return out;
}

const QStringList kOrderCalls = {"calculatePass0",           "exchangeWithPartnerPass2",
                                 "exchangeWithPartnerPass4", "exchangeWithPartnerPass5",
                                 "updateProvincialSummary",  "transferSpouseData"};

// One round as the plug-ins see it: first is the person on screen, told the changed object.
QStringList expectedRound(int first, int second, const QString &firstPass0)
{
    const QString a = QString::number(first);
    const QString b = QString::number(second);
    return {a + " calculatePass0 " + firstPass0,  b + " calculatePass0 0 0",
            b + " exchangeWithPartnerPass2 " + a, b + " exchangeWithPartnerPass4 " + a,
            a + " exchangeWithPartnerPass4 " + b, b + " exchangeWithPartnerPass5 " + a,
            a + " exchangeWithPartnerPass5 " + b, a + " updateProvincialSummary 1",
            a + " transferSpouseData 0",          b + " updateProvincialSummary 1",
            b + " transferSpouseData 0"};
}

// Two entries whose linked ids name each other.
void link(TaxDataEntryStru *one, TaxDataEntryStru *other)
{
    one->linkedId = other->id;
    other->linkedId = one->id;
}

// A coupled return of the fixture beside the real plug-in.
struct FixtureCouple
{
    PluginFolder folder;
    FamilyTaxData family{0};

    bool setUp(int slipsEach, int statementsEach)
    {
        if (!folder.linkRealPlugin(ReturnFixture::kProvince))
            return false;
        ReturnFixture::fillCoupledReturn(family, slipsEach, statementsEach);
        return true;
    }
};

} // namespace

class TestRecalculate : public QObject
{
    Q_OBJECT
private slots:
    void coupledOrder_data();
    void coupledOrder();
    void singleReturnRunsOnTaxpayerOnly();
    void resultIsSumOfPassResults();
    void onlyCurrentPersonIsToldTheChange_data();
    void onlyCurrentPersonIsToldTheChange();
    void sharedSlipReachesTwin_data();
    void sharedSlipReachesTwin();
    void sharedFormReachesTwin();
    void partnerPassesReadThePushedTwin();
    void linkToDeletedTwinIsDropped_data();
    void linkToDeletedTwinIsDropped();
    void personWithoutSingleT1IsNotCalculated_data();
    void personWithoutSingleT1IsNotCalculated();
    void fileWithEmptyTaxpayerRecord();
    void recalculatingTwiceEqualsOnce();
    void heldSlipSumsCalculateAlike();
    void heldSlipSumsFollowTheAge_data();
    void heldSlipSumsFollowTheAge();
    void statementAddedRemovedAndAddedAgain();
};

void TestRecalculate::coupledOrder_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("spouse on screen") << int(PersonSpouse) << kSpouseProvince << kTaxpayerProvince;
    QTest::newRow("taxpayer on screen")
        << int(PersonTaxpayer) << kTaxpayerProvince << kSpouseProvince;
}

void TestRecalculate::coupledOrder()
{
    QFETCH(int, current);
    QFETCH(int, first);
    QFETCH(int, second);
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    FamilyTaxData &family = couple.family;
    TestPluginRecorder &recorder = couple.recorder;
    family.setCurrentPersonIndex(current);

    // An edit of the T1 on the page of the person on screen.
    family.Recalculate(0, t1Of(*family.getCurrentPersonData()));

    const QStringList round = expectedRound(first, second, "0 1");
    QCOMPARE(callsOf(recorder, kOrderCalls), round + round);
}

void TestRecalculate::singleReturnRunsOnTaxpayerOnly()
{
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    FamilyTaxData &family = couple.family;
    TestPluginRecorder &recorder = couple.recorder;
    t1Of(*family.taxpayer())->maritalStatus = 5;
    // The spouse's plug-in stays loaded, but without a T1 the return is not coupled.
    family.spouse()->removeForm(t1Of(*family.spouse()), true, false);
    family.setCurrentPersonIndex(PersonSpouse);
    QVERIFY(!family.isCoupled());
    recorder.calls.clear();

    family.Recalculate(-1, nullptr);

    const QStringList round = {"2 calculatePass0 0 0", "2 updateProvincialSummary 1",
                               "2 transferSpouseData 0"};
    QCOMPARE(callsOf(recorder, kOrderCalls), round + round);
    QCOMPARE(callsOf(recorder, {"calculatePass0", "transferSpouseData"}).filter("3 "),
             QStringList());
}

void TestRecalculate::resultIsSumOfPassResults()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(linkOntarioWithCounterparts(folder, recorder));
    FamilyTaxData family(0);
    setUpPerson(*family.taxpayer(), 9, "Louise", "046454286", QDate(1970, 5, 1));
    setUpPerson(*family.spouse(), 9, "Paul", "130692544", QDate(1968, 9, 9));
    family.taxpayer()->getForm(FormType::SCH2, 0, true);
    family.taxpayer()->getForm(FormType::T778, 0, true);
    family.spouse()->getForm(FormType::ON_S11, 0, true);

    // Round one adds ON(S2) and the T778's counterpart for the taxpayer, and Schedule 11 for
    // the spouse; nothing is missing in round two or in a later recalculation.
    QCOMPARE(family.Recalculate(-1, nullptr), 3);
    QVERIFY(family.taxpayer()->hasForm(FormType::ON_S2));
    QVERIFY(family.taxpayer()->hasForm(FormType::ON479A));
    QVERIFY(family.spouse()->hasForm(FormType::SCH11));
    QCOMPARE(family.Recalculate(-1, nullptr), 0);
}

void TestRecalculate::onlyCurrentPersonIsToldTheChange_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("firstPass0");
    QTest::newRow("wizard data") << int(CTaxData_Form::KindWizard)
                                 << QString("1 %1").arg(WizardType::Medical);
    QTest::newRow("form") << int(CTaxData_Form::KindForm) << QString("0 %1").arg(FormType::T2125);
    QTest::newRow("slip") << int(CTaxData_Form::KindSlip) << QString("0 %1").arg(SlipType::T4);
    QTest::newRow("nothing") << -1 << QString("0 0");
}

void TestRecalculate::onlyCurrentPersonIsToldTheChange()
{
    QFETCH(int, kind);
    QFETCH(QString, firstPass0);
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    FamilyTaxData &family = couple.family;
    TestPluginRecorder &recorder = couple.recorder;
    family.setCurrentPersonIndex(PersonSpouse);
    IndividualTaxData &spouse = *family.spouse();
    CTaxData_Form *changed = nullptr;
    if (kind == CTaxData_Form::KindWizard)
        changed = spouse.findWizardData(WizardType::Medical, true);
    else if (kind == CTaxData_Form::KindForm)
        changed = spouse.getForm(FormType::T2125, 0, true);
    else if (kind == CTaxData_Form::KindSlip)
        changed = spouse.addSlip(SlipType::T4, 0, 0)->data;
    recorder.calls.clear();

    // The hint is ignored: the object tells its own kind.
    family.Recalculate(0, changed);

    const QStringList expected = {"3 calculatePass0 " + firstPass0, "2 calculatePass0 0 0"};
    QCOMPARE(callsOf(recorder, {"calculatePass0"}), expected + expected);
}

void TestRecalculate::sharedSlipReachesTwin_data()
{
    QTest::addColumn<int>("current");
    QTest::newRow("taxpayer edits") << int(PersonTaxpayer);
    QTest::newRow("spouse edits") << int(PersonSpouse);
}

void TestRecalculate::sharedSlipReachesTwin()
{
    QFETCH(int, current);
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    FamilyTaxData &family = couple.family;
    family.setCurrentPersonIndex(current);
    TaxDataEntryStru *mine = family.getCurrentPersonData()->addSlip(SlipType::T4, 0, 0);
    // An unlinked slip of the same type in the partner's return stays as it is.
    TaxDataEntryStru *other = family.getPartnerData()->addSlip(SlipType::T4, 0, 0);
    TaxDataEntryStru *twin = family.getPartnerData()->addSlip(SlipType::T4, 0, 0);
    link(mine, twin);
    auto *edited = static_cast<TaxData_Slip_T4 *>(mine->data);
    edited->box14 = 48250.75;
    edited->box22 = 7012.5;

    family.Recalculate(1, edited);

    auto *copy = static_cast<TaxData_Slip_T4 *>(twin->data);
    QCOMPARE(double(copy->box14), 48250.75);
    QCOMPARE(double(copy->box22), 7012.5);
    QCOMPARE(double(static_cast<TaxData_Slip_T4 *>(other->data)->box14), 0.0);
    QCOMPARE(mine->linkedId, twin->id);
}

void TestRecalculate::sharedFormReachesTwin()
{
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    FamilyTaxData &family = couple.family;
    TaxDataEntryStru *mine = family.taxpayer()->addForm(FormType::T2125, 0, true, 0, false);
    TaxDataEntryStru *twin = family.spouse()->addForm(FormType::T2125, 0, true, 0, false);
    link(mine, twin);
    auto *edited = static_cast<TaxData_T2125_New *>(mine->data);
    edited->grossIncome = 91000;
    edited->sharePercent = 50;

    family.Recalculate(0, edited);

    auto *copy = static_cast<TaxData_T2125_New *>(twin->data);
    QCOMPARE(double(copy->grossIncome), 91000.0);
    QCOMPARE(double(copy->sharePercent), 50.0);
    QCOMPARE(mine->linkedId, twin->id);
}

void TestRecalculate::partnerPassesReadThePushedTwin()
{
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    FamilyTaxData &family = couple.family;
    family.setCurrentPersonIndex(PersonSpouse);
    TaxDataEntryStru *mine = family.spouse()->addForm(FormType::T1DD, 0, true, 0, false);
    TaxDataEntryStru *twin = family.taxpayer()->addForm(FormType::T1DD, 0, true, 0, false);
    link(mine, twin);
    auto *edited = static_cast<CTaxData_T1DD *>(mine->data);
    edited->account = QStringLiteral("4455667");

    family.Recalculate(0, edited);

    // The taxpayer's pass 0 took its banking texts from the twin that the push had filled.
    QCOMPARE(QString(t1Of(*family.taxpayer())->ddAccount.value()), QString("4455667"));
}

void TestRecalculate::linkToDeletedTwinIsDropped_data()
{
    QTest::addColumn<bool>("slip");
    QTest::addColumn<bool>("otherOfSameType");
    QTest::newRow("slip") << true << false;
    QTest::newRow("slip, another slip of the type") << true << true;
    QTest::newRow("form") << false << false;
    // The lookup by id would fall back to the only form of the type: it must not be taken.
    QTest::newRow("form, another form of the type") << false << true;
}

void TestRecalculate::linkToDeletedTwinIsDropped()
{
    QFETCH(bool, slip);
    QFETCH(bool, otherOfSameType);
    RecordedCouple couple;
    QVERIFY(couple.setUp());
    FamilyTaxData &family = couple.family;
    IndividualTaxData &taxpayer = *family.taxpayer();
    IndividualTaxData &spouse = *family.spouse();
    const int type = slip ? SlipType::T4 : FormType::T2125;
    TaxDataEntryStru *mine =
        slip ? taxpayer.addSlip(type, 0, 0) : taxpayer.addForm(type, 0, true, 0, false);
    TaxDataEntryStru *twin =
        slip ? spouse.addSlip(type, 0, 0) : spouse.addForm(type, 0, true, 0, false);
    link(mine, twin);
    TaxDataEntryStru *other = nullptr;
    if (otherOfSameType)
        other = slip ? spouse.addSlip(type, 0, 0) : spouse.addForm(type, 0, true, 0, false);
    if (slip)
        spouse.removeSlip(twin->data);
    else
        spouse.removeForm(twin->data, true, false);
    auto *edited = static_cast<CTaxData_Form *>(mine->data);
    const QByteArray amountName = slip ? "box14" : "grossIncome";
    static_cast<CFloatField *>(edited->findField(amountName))->setValue(1234.5);

    family.Recalculate(slip ? 1 : 0, edited);

    QCOMPARE(mine->linkedId, 0);
    if (other)
        QCOMPARE(static_cast<CFloatField *>(other->data->findField(amountName))->value(), 0.0);
}

void TestRecalculate::personWithoutSingleT1IsNotCalculated_data()
{
    QTest::addColumn<bool>("spouseDamaged");
    QTest::addColumn<int>("current");
    QTest::newRow("spouse with two T1s, taxpayer on screen") << true << int(PersonTaxpayer);
    QTest::newRow("spouse with two T1s, spouse on screen") << true << int(PersonSpouse);
    QTest::newRow("taxpayer with two T1s, taxpayer on screen") << false << int(PersonTaxpayer);
    QTest::newRow("taxpayer with two T1s, spouse on screen") << false << int(PersonSpouse);
}

void TestRecalculate::personWithoutSingleT1IsNotCalculated()
{
    QFETCH(bool, spouseDamaged);
    QFETCH(int, current);
    PluginFolder folder;
    QVERIFY(folder.linkRealPlugin(ReturnFixture::kProvince));
    FamilyTaxData family(0);
    ReturnFixture::fillCoupledReturn(family, 3, 0);
    family.taxpayer()->m_password.clear();
    IndividualTaxData &damaged = spouseDamaged ? *family.spouse() : *family.taxpayer();
    IndividualTaxData &sound = spouseDamaged ? *family.taxpayer() : *family.spouse();
    auto *first = t1Of(damaged);
    auto *second =
        static_cast<TaxData_T1New *>(damaged.addForm(FormType::T1, 0, true, 0, false)->data);
    QVERIFY(family.isCoupled());
    family.setCurrentPersonIndex(current);
    TaxData_T1New *soundT1 = t1Of(sound);
    soundT1->sin = QStringLiteral("046 454 286");
    soundT1->spouseFirstName = QStringLiteral("kept");
    first->sin = QStringLiteral("130-692-544");
    second->sin = QStringLiteral("130-692-545");
    summaryOf(damaged)->taxYear = QStringLiteral("1999");
    summaryOf(damaged)->password = QStringLiteral("Typed1");

    // Only the sound person is calculated: its pass 0 completes its Schedule 2 beside the
    // Ontario one, and its pass 1 reports the Schedule 8 its T4 contributions bring.
    QCOMPARE(family.Recalculate(-1, nullptr), 2);
    QVERIFY(sound.hasForm(FormType::SCH8));
    QVERIFY(!damaged.hasForm(FormType::SCH8));

    // The sound person is calculated, the other one is left alone and nothing moves between
    // the T1s; the damaged person's summary only loses its T1 part.
    QVERIFY(sound.hasForm(FormType::SCH2));
    QVERIFY(!damaged.hasForm(FormType::SCH2));
    QCOMPARE(QString(soundT1->sin.value()), QString("046454286"));
    QCOMPARE(QString(first->sin.value()), QString("130-692-544"));
    QCOMPARE(QString(second->sin.value()), QString("130-692-545"));
    QCOMPARE(QString(soundT1->spouseFirstName.value()), QString("kept"));
    QCOMPARE(QString(summaryOf(damaged)->taxYear.value()), QString());
    QCOMPARE(fieldText(*summaryOf(damaged), "firstName"), QString());
    QCOMPARE(QString(summaryOf(sound)->taxYear.value()), QString("2025"));
    const QString expectedPassword = &damaged == family.getCurrentPersonData() ? "Typed1" : "";
    QCOMPARE(QString(damaged.m_password), expectedPassword);
    QCOMPARE(QString(sound.m_password), expectedPassword);
}

void TestRecalculate::fileWithEmptyTaxpayerRecord()
{
    PluginFolder folder;
    QVERIFY(folder.linkRealPlugin(ReturnFixture::kProvince));
    const QString path = QDir(qEnvironmentVariable("HOME")).filePath("damaged.r25");
    {
        FamilyTaxData family(0);
        ReturnFixture::fillCoupledReturn(family, 3, 0);
        family.taxpayer()->m_password.clear();
        family.taxpayer()->freeAllData();
        QCOMPARE(saveReturnFile(family, path, ReturnFixture::kEdition), 0);
    }
    int result = -99;
    std::unique_ptr<FamilyTaxData> family = loadReturnFile(path, &result, ReturnFixture::kEdition);
    QCOMPARE(result, 0);
    QVERIFY(!family->taxpayer()->hasForm(FormType::T1));
    family->setCurrentPersonIndex(PersonSpouse);
    TaxData_T1New *spouseT1 = t1Of(*family->spouse());
    spouseT1->sin = QStringLiteral("130 692 544");
    FamilyTaxData before(0);
    before = *family;

    // Not coupled: the taxpayer is calculated, and without a T1 nothing happens.
    QCOMPARE(family->Recalculate(0, spouseT1), 0);
    QVERIFY(family->isEqual(before));
}

void TestRecalculate::recalculatingTwiceEqualsOnce()
{
    PluginFolder folder;
    QVERIFY(folder.linkRealPlugin(ReturnFixture::kProvince));
    FamilyTaxData family(0);
    ReturnFixture::fillCoupledReturn(family, 6, 2);
    ReturnFixture::bringToLoadedState(family);
    family.setCurrentPersonIndex(PersonSpouse);
    t1Of(*family.spouse())->sin = QStringLiteral("130 692 544 77");
    summaryOf(*family.spouse())->password = QStringLiteral("Shared4");
    family.Recalculate(0, t1Of(*family.spouse()));
    FamilyTaxData once(0);
    once = family;
    QVERIFY(once.isEqual(family));

    family.Recalculate(0, t1Of(*family.spouse()));

    QVERIFY(family.isEqual(once));
    QCOMPARE(QString(t1Of(*family.taxpayer())->spouseSin.value()), QString("130692544"));
}

// Slip sums held for a run of trials give the return every recalculation without them gives,
// and follow a slip added in the meantime.
void TestRecalculate::heldSlipSumsCalculateAlike()
{
    PluginFolder folder;
    QVERIFY(folder.linkRealPlugin(ReturnFixture::kProvince));
    FamilyTaxData plain(0);
    ReturnFixture::fillCoupledReturn(plain, 6, 2);
    ReturnFixture::bringToLoadedState(plain);
    plain.Recalculate(0, nullptr);
    FamilyTaxData held(0);
    held = plain;
    for (IndividualTaxData *person : {held.taxpayer(), held.spouse()})
        QVERIFY(!person->holdSlipSums(true));
    QVERIFY(held.taxpayer()->holdSlipSums(true));

    plain.Recalculate(0, nullptr);
    held.Recalculate(0, nullptr);
    QVERIFY(held.isEqual(plain));
    const double before = t1Of(*held.taxpayer())->f10100;

    for (FamilyTaxData *family : {&plain, &held}) {
        auto *t4 =
            static_cast<TaxData_Slip_T4 *>(family->taxpayer()->addSlip(SlipType::T4, 0, 0)->data);
        t4->box14 = 1000.0;
        family->Recalculate(0, nullptr);
    }
    QCOMPARE(double(t1Of(*held.taxpayer())->f10100), before + 1000.0);
    QVERIFY(held.isEqual(plain));
    for (IndividualTaxData *person : {held.taxpayer(), held.spouse()})
        QVERIFY(person->holdSlipSums(false));
}

void TestRecalculate::heldSlipSumsFollowTheAge_data()
{
    // The T5's amount E of 250 goes to the senior's total from 65 on, else to the other one.
    QTest::addColumn<QDate>("before");
    QTest::addColumn<QDate>("after");
    QTest::addColumn<double>("otherBefore");
    QTest::addColumn<double>("seniorBefore");
    QTest::addColumn<double>("otherAfter");
    QTest::addColumn<double>("seniorAfter");
    QTest::newRow("turns 65") << QDate(1962, 11, 2) << QDate(1958, 3, 14) << 250.0 << 0.0 << 0.0
                              << 250.0;
    QTest::newRow("under 65 again")
        << QDate(1958, 3, 14) << QDate(1962, 11, 2) << 0.0 << 250.0 << 250.0 << 0.0;
}

// Held sums are summed again when the T1 age changes, as a wizard's new birth date does
// between the passes of one recalculation.
void TestRecalculate::heldSlipSumsFollowTheAge()
{
    QFETCH(QDate, before);
    QFETCH(QDate, after);
    QFETCH(double, otherBefore);
    QFETCH(double, seniorBefore);
    QFETCH(double, otherAfter);
    QFETCH(double, seniorAfter);
    FixtureCouple couple;
    QVERIFY(couple.setUp(0, 0));
    IndividualTaxData &person = *couple.family.taxpayer();
    auto *t5 = static_cast<TaxData_Slip_T5 *>(person.addSlip(SlipType::T5, 0, 0)->data);
    t5->amtE = 250.0;
    t1Of(person)->birthDate = before;
    QVERIFY(!person.holdSlipSums(true));
    SlipTotals first;
    std::set<int> neededForms;
    person.SumSlips(first, neededForms);

    t1Of(person)->birthDate = after;
    SlipTotals second;
    person.SumSlips(second, neededForms);

    QCOMPARE(first.t5AmountE, otherBefore);
    QCOMPARE(first.t5AmountESenior, seniorBefore);
    QCOMPARE(second.t5AmountE, otherAfter);
    QCOMPARE(second.t5AmountESenior, seniorAfter);
    QVERIFY(person.holdSlipSums(false));
}

// The queries by form type follow the form list between recalculations: a business statement
// added, removed and added again gives the self-employment amounts each time.
void TestRecalculate::statementAddedRemovedAndAddedAgain()
{
    FixtureCouple couple;
    QVERIFY(couple.setUp(3, 0));
    FamilyTaxData &family = couple.family;
    ReturnFixture::bringToLoadedState(family);
    IndividualTaxData &person = *family.taxpayer();
    const auto addStatement = [&person] {
        auto *t2125 = static_cast<TaxData_T2125_New *>(
            person.addForm(FormType::T2125, 0, true, 0, true)->data);
        t2125->grossIncome = 12000.0;
        t2125->expenses = 1750.5;
        t2125->ownFlag = true;
        return t2125;
    };
    const auto check = [&family, &person](double income, int province, int partnerFlag) {
        family.Recalculate(0, nullptr);
        QCOMPARE(double(t1Of(person)->selfEmploymentIncome), income);
        QCOMPARE(int(t1Of(person)->selfEmploymentProvince), province);
        QCOMPARE(int(t1Of(*family.spouse())->partnerSelfEmployed), partnerFlag);
    };
    check(0.0, 0, 0);

    TaxData_T2125_New *statement = addStatement();
    check(10249.5, ReturnFixture::kProvince, 1);

    person.removeForm(statement, true, false);
    check(0.0, 0, 0);

    addStatement();
    check(10249.5, ReturnFixture::kProvince, 1);
}

QV_TEST_MAIN(TestRecalculate)
#include "tst_Recalculate.moc"
