// Wizard data into the forms and back, the prefill of new forms, the T1's identification,
// and Ontario's own interview object.
#include <QtTest>

#include "PluginFolder.h"
#include "ReturnFixture.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormFactory.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "marrow/WizardData.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ordane/Clock.h"
#include "plugin/TestPluginRecorder.h"

#include <memory>

namespace {

template <typename Form> Form *formOf(IndividualTaxData &person, int type)
{
    return dynamic_cast<Form *>(person.getForm(type, 0, false));
}

template <typename Wizard> Wizard *wizardOf(IndividualTaxData &person, int type)
{
    return dynamic_cast<Wizard *>(person.findWizardData(type, true));
}

TaxData_T1New *addT1(IndividualTaxData &person)
{
    auto *t1 = dynamic_cast<TaxData_T1New *>(person.addForm(FormType::T1, 0, true, 0, false)->data);
    t1->firstName = QString("Jane");
    t1->lastName = QString("Doe");
    t1->sin = QString("046454286");
    t1->birthDate = QDate(1980, 6, 1);
    t1->spouseFirstName = QString("John");
    t1->spouseLastName = QString("Roe");
    t1->spouseBirthDate = QDate(1979, 2, 3);
    t1->phone = QString("613-555-0100");
    t1->street = QString("1 Elm St");
    t1->city = QString("Ottawa");
    t1->mailingProvince = 9;
    t1->postalCode = QString("K1A 0B1");
    return t1;
}

// Sets every float and int field of an object to a value of its own (its index), so that a
// value sent to the wrong place shows.
void fillDistinct(CTaxData_Form &object, double base)
{
    int i = 0;
    for (CField *field : object.fields()) {
        ++i;
        if (auto *amount = dynamic_cast<CFloatField *>(field))
            *amount = base + i + 0.25;
        else if (auto *number = dynamic_cast<CIntField *>(field))
            *number = int(base) + i;
    }
}

void resetAll(CTaxData_Form &object)
{
    for (CField *field : object.fields())
        field->reset();
}

CFloatField *amountField(CTaxData_Form *object, const char *name)
{
    CField *field = object ? object->findField(name) : nullptr;
    return field && field->type() == FieldType::Float ? static_cast<CFloatField *>(field) : nullptr;
}

} // namespace

class TestWizardData : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void generalAndScheduleNine_data();
    void generalAndScheduleNine();
    void rrspAndScheduleSeven_data();
    void rrspAndScheduleSeven();
    void lastYearAmounts();
    void dependantNamesAreCut();
    void spouseMedicalValues_data();
    void spouseMedicalValues();
    void provincialTuitionGoesToMainPlugin();
    void applyThenUpdateGivesValuesBack();
    void missingEntriesDoNothing();
    void prefill_data();
    void prefill();
    void prefillNeedsT1AndKnownType();
    void splitFirstName_data();
    void splitFirstName();
    void identification();
    void ontarioInterview();

private:
    DependantInfoStruct m_dependants;
};

void TestWizardData::initTestCase()
{
    m_dependants.AllocData(DependantInfoStruct::kDefaultRecords);
}

void TestWizardData::cleanup()
{
    setNow();
    ReturnFixture::clearPreparerSettings();
    m_dependants.AllocData(DependantInfoStruct::kDefaultRecords);
}

void TestWizardData::generalAndScheduleNine_data()
{
    QTest::addColumn<double>("donations");
    QTest::addColumn<double>("otherGifts");
    QTest::addColumn<bool>("scheduleBefore");
    QTest::addColumn<bool>("scheduleAfter");

    QTest::newRow("nothing given") << 0.0 << 0.0 << false << false;
    QTest::newRow("below the tolerance") << 0.008 << 0.0 << false << false;
    QTest::newRow("one cent of donations") << 0.01 << 0.0 << false << true;
    QTest::newRow("one cent of gifts") << 0.0 << 0.01 << false << true;
    QTest::newRow("schedule already there") << 0.0 << 0.0 << true << true;
}

void TestWizardData::generalAndScheduleNine()
{
    QFETCH(double, donations);
    QFETCH(double, otherGifts);
    QFETCH(bool, scheduleBefore);
    QFETCH(bool, scheduleAfter);

    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = addT1(person);
    if (scheduleBefore) {
        auto *sch9 = dynamic_cast<TaxData_Sch9 *>(person.getForm(FormType::SCH9, 0, true));
        sch9->donations = 50.0;
        sch9->otherGifts = 60.0;
    }
    auto *general = wizardOf<TaxData_Wizard_General>(person, WizardType::General);
    general->donations = donations;
    general->otherGifts = otherGifts;
    general->language = 2;
    general->foreignPropertyAnswer = 1;
    general->taxInstalmentsPaid = 400.0;
    person.applyWizardData(WizardType::General);
    QCOMPARE(person.hasForm(FormType::SCH9), scheduleAfter);
    if (auto *sch9 = formOf<TaxData_Sch9>(person, FormType::SCH9)) {
        QCOMPARE(double(sch9->donations), donations);
        QCOMPARE(double(sch9->otherGifts), otherGifts);
    }
    QCOMPARE(int(t1->language), 2);
    QCOMPARE(int(t1->foreignPropertyAnswer), 1);
    QCOMPARE(double(t1->taxInstalmentsPaid), 400.0);
}

void TestWizardData::rrspAndScheduleSeven_data()
{
    QTest::addColumn<QList<double>>("wizard"); // limit, unused, four contributions
    QTest::addColumn<bool>("scheduleBefore");
    QTest::addColumn<bool>("scheduleAfter");

    QTest::newRow("nothing entered") << QList<double>{0, 0, 0, 0, 0, 0} << false << false;
    QTest::newRow("a deduction limit") << QList<double>{5000, 0, 0, 0, 0, 0} << false << true;
    QTest::newRow("unused contributions") << QList<double>{0, 250, 0, 0, 0, 0} << false << true;
    QTest::newRow("a contribution alone") << QList<double>{0, 0, 0, 0, 0, 300.5} << false << true;
    QTest::newRow("nothing, schedule there") << QList<double>{0, 0, 0, 0, 0, 0} << true << true;
}

void TestWizardData::rrspAndScheduleSeven()
{
    QFETCH(QList<double>, wizard);
    QFETCH(bool, scheduleBefore);
    QFETCH(bool, scheduleAfter);

    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = addT1(person);
    t1->rrspDeductionLimit = 77.0;
    t1->unusedRrspContributions = 88.0;
    if (scheduleBefore)
        person.getForm(FormType::SCH7, 0, true);
    auto *rrsp = wizardOf<TaxData_RRSPContrib>(person, WizardType::Rrsp);
    CFloatField *fields[] = {&rrsp->rrspDeductionLimit,    &rrsp->unusedRrspContributions,
                             &rrsp->contribMarToDec,       &rrsp->contribJanToMar,
                             &rrsp->spouseContribMarToDec, &rrsp->spouseContribJanToMar};
    for (int i = 0; i < 6; ++i)
        *fields[i] = wizard[i];
    person.applyWizardData(WizardType::Rrsp);
    QCOMPARE(person.hasForm(FormType::SCH7), scheduleAfter);
    // The unused contributions always reach the T1; the limit only with the schedule.
    QCOMPARE(double(t1->unusedRrspContributions), wizard[1]);
    QCOMPARE(double(t1->rrspDeductionLimit), scheduleAfter ? wizard[0] : 77.0);
    if (auto *sch7 = formOf<TaxData_Sch7>(person, FormType::SCH7)) {
        const QList<double> values{sch7->rrspDeductionLimit,    sch7->unusedRrspContributions,
                                   sch7->contribMarToDec,       sch7->contribJanToMar,
                                   sch7->spouseContribMarToDec, sch7->spouseContribJanToMar};
        QCOMPARE(values, wizard);
    }
}

void TestWizardData::lastYearAmounts()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = addT1(person);
    auto *lastYear = wizardOf<TaxData_LastYearAmounts>(person, WizardType::LastYear);
    fillDistinct(*lastYear, 100);
    // Without the schedules nothing is created; the T1 takes every value.
    person.applyWizardData(WizardType::LastYear);
    QVERIFY(!person.hasForm(FormType::SCH7) && !person.hasForm(FormType::SCH11) &&
            !person.hasForm(FormType::T1212));
    QCOMPARE(double(t1->rrspDeductionLimit), double(lastYear->rrspDeductionLimit));
    QCOMPARE(double(t1->nonCapitalLossCarryForward), double(lastYear->nonCapitalLossCarryForward));
    QCOMPARE(double(t1->t1212CarryForward), double(lastYear->t1212CarryForward));

    // A new Schedule 7, 11 or T1212 is prefilled from the interview.
    auto *sch7 = dynamic_cast<TaxData_Sch7 *>(person.getForm(FormType::SCH7, 0, true));
    auto *sch11 = dynamic_cast<TaxData_Sch11 *>(person.getForm(FormType::SCH11, 0, true));
    auto *t1212 = dynamic_cast<TaxData_T1212New *>(person.getForm(FormType::T1212, 0, true));
    QCOMPARE(double(sch7->rrspDeductionLimit), double(lastYear->rrspDeductionLimit));
    QCOMPARE(double(sch7->unusedRrspContributions), double(lastYear->unusedRrspContributions));
    QCOMPARE(double(sch11->carryForward), double(lastYear->fedTuitionCarryForward));
    QCOMPARE(double(t1212->carryAmount), double(lastYear->t1212CarryForward));

    // Back: the schedules win over the T1, which follows them.
    sch7->rrspDeductionLimit = 1.5;
    sch11->carryForward = 2.5;
    t1212->carryAmount = 3.5;
    person.updateWizardData();
    QCOMPARE(double(lastYear->rrspDeductionLimit), 1.5);
    QCOMPARE(double(t1->rrspDeductionLimit), 1.5);
    QCOMPARE(double(lastYear->fedTuitionCarryForward), 2.5);
    QCOMPARE(double(t1->fedTuitionCarryForward), 2.5);
    QCOMPARE(double(lastYear->t1212CarryForward), 3.5);
    QCOMPARE(double(t1->t1212CarryForward), 3.5);
}

void TestWizardData::dependantNamesAreCut()
{
    IndividualTaxData person(0, &m_dependants);
    auto *wizard = wizardOf<CWizData_Dependant>(person, WizardType::Dependants);
    CTableField &table = wizard->dependants;
    table.textAt(2, 0) = QString(100, QLatin1Char('A'));
    table.textAt(2, 1) = QString("Lefèvre");
    table.dateAt(2, 2) = QDate(2012, 4, 5);
    table.intAt(2, 3) = 2;
    table.amountAt(2, 4) = 1500.75;
    table.intAt(2, 5) = 1;
    table.textAt(2, 6) = QString("130692544");
    table.textAt(2, 7) = QString("Daughter");
    table.intAt(2, 8) = 420;
    person.applyWizardData(WizardType::Dependants);
    const DependantRecord &r = m_dependants.record(2);
    QCOMPARE(DependantRecord::nameText(r.firstName), QString(79, QLatin1Char('A')));
    QCOMPARE(DependantRecord::nameText(r.lastName), QString("Lefèvre"));
    QCOMPARE(r.birthDate, QDate(2012, 4, 5));
    QCOMPARE(r.relationship, 2);
    QCOMPARE(r.netIncome, 1500.75);
    QCOMPARE(r.infirm, 1);
    QCOMPARE(QString(r.sin), QString("130692544"));
    QCOMPARE(QString(r.relationText), QString("Daughter"));
    QCOMPARE(r.otherAmount, 420.0);

    // Back into the interview: the cut name, the second amount truncated to an int.
    m_dependants.record(2).otherAmount = 99.9;
    person.updateWizardData();
    QCOMPARE(QString(table.textAt(2, 0).value()), QString(79, QLatin1Char('A')));
    QCOMPARE(int(table.intAt(2, 8)), 99);
}

void TestWizardData::spouseMedicalValues_data()
{
    QTest::addColumn<int>("maritalStatus");
    QTest::addColumn<int>("maritalChange");
    QTest::addColumn<bool>("spouseValues");

    QTest::newRow("married") << 0 << 0 << true;
    QTest::newRow("common-law") << 1 << 0 << true;
    QTest::newRow("single") << 5 << 0 << false;
    QTest::newRow("separated in the year") << 4 << 1 << true;
}

void TestWizardData::spouseMedicalValues()
{
    QFETCH(int, maritalStatus);
    QFETCH(int, maritalChange);
    QFETCH(bool, spouseValues);

    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = addT1(person);
    t1->maritalStatus = maritalStatus;
    t1->maritalChange = maritalChange;
    t1->medSpouseAmount = 10.0;
    t1->medSpousePremiums = 20.0;
    t1->medSpouseTravel = 30.0;
    t1->medSpouseAttendant = 40.0;
    t1->medSpouseOther = 50.0;
    t1->medSelfMonths = 7;
    t1->f33099 = 612.5;
    auto *medical = wizardOf<CWizData_MedExp>(person, WizardType::Medical);
    medical->reimbursedAmount = 9.0;
    person.updateWizardData();
    const QList<double> spouse{medical->medSpouseAmount, medical->medSpousePremiums,
                               medical->medSpouseTravel, medical->medSpouseAttendant,
                               medical->medSpouseOther};
    QCOMPARE(spouse,
             spouseValues ? (QList<double>{10, 20, 30, 40, 50}) : (QList<double>{0, 0, 0, 0, 0}));
    QCOMPARE(int(medical->medSelfMonths), 7);
    QCOMPARE(double(medical->allowableAmount), 612.5);
    QCOMPARE(double(medical->reimbursedAmount), 0.0);
    QCOMPARE(QString(medical->spouseFirstName.value()), QString("John"));
    QCOMPARE(medical->birthDate.date(), QDate(1980, 6, 1));
}

void TestWizardData::provincialTuitionGoesToMainPlugin()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(folder.linkTestPlugin(2, &recorder));
    QVERIFY(folder.linkTestPlugin(9, &recorder));
    IndividualTaxData person(0, &m_dependants);
    person.m_provsTaxMgr.getProvinceManager(2, false);
    person.m_provsTaxMgr.getProvinceManager(9, false);
    person.m_provsTaxMgr.setMainProvince(9);
    TaxData_T1New *t1 = addT1(person);
    auto *lastYear = wizardOf<TaxData_LastYearAmounts>(person, WizardType::LastYear);
    lastYear->provTuitionCarryForward = 321.0;
    recorder.calls.clear();
    person.applyWizardData(WizardType::LastYear);
    QCOMPARE(recorder.callsOf("setProvincialAmount"),
             QStringList{"9 setProvincialAmount 11001 321"});
    QCOMPARE(double(t1->provTuitionCarryForward), 321.0);

    // Back: the main plug-in's answer (the test plug-in gives its code + 0.5) wins.
    person.updateWizardData();
    QCOMPARE(recorder.callsOf("getProvincialAmount"), QStringList{"9 getProvincialAmount 11001"});
    QCOMPARE(double(lastYear->provTuitionCarryForward), 9.5);
    QCOMPARE(double(t1->provTuitionCarryForward), 9.5);
    // Every loaded plug-in updates its own interview.
    QCOMPARE(recorder.callsOf("updateWizardData"),
             (QStringList{"2 updateWizardData", "9 updateWizardData"}));
    person.applyWizardData(WizardType::Provincial);
    QCOMPARE(recorder.callsOf("applyWizardData"),
             (QStringList{"2 applyWizardData", "9 applyWizardData"}));
}

void TestWizardData::applyThenUpdateGivesValuesBack()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = addT1(person);
    const int types[] = {WizardType::General, WizardType::LastYear, WizardType::Dependants,
                         WizardType::Medical, WizardType::Rrsp};
    std::vector<std::unique_ptr<CTaxData_Form>> originals;
    for (int type : types) {
        CTaxData_Form *wizard = person.findWizardData(type, true);
        fillDistinct(*wizard, 100.0 * type);
        originals.emplace_back(createWizardData(type));
    }
    // What the forms cannot hold apart: the display copies and names come from the T1 and
    // the dependants block, the RRSP limits are one pair of values, one value is kept at 0.
    auto *medical = dynamic_cast<CWizData_MedExp *>(person.findWizardData(WizardType::Medical, 0));
    auto *dependants =
        dynamic_cast<CWizData_Dependant *>(person.findWizardData(WizardType::Dependants, false));
    auto *lastYear =
        dynamic_cast<TaxData_LastYearAmounts *>(person.findWizardData(WizardType::LastYear, 0));
    auto *rrsp = dynamic_cast<TaxData_RRSPContrib *>(person.findWizardData(WizardType::Rrsp, 0));
    medical->firstName = QString("Jane");
    medical->lastName = QString("Doe");
    medical->birthDate = QDate(1980, 6, 1);
    medical->spouseFirstName = QString("John");
    medical->spouseLastName = QString("Roe");
    medical->spouseBirthDate = QDate(1979, 2, 3);
    medical->reimbursedAmount = 0.0;
    t1->f33099 = medical->allowableAmount.value();
    for (int row = 0; row < 12; ++row) {
        dependants->dependants.intAt(row, 3) = 1 + row % 4;
        dependants->dependants.amountAt(row, 4) = 10.5 * row;
        dependants->dependants.intAt(row, 5) = row % 2;
        dependants->dependants.intAt(row, 8) = 7 * row;
        for (int column = 4; column < 9; ++column)
            medical->dependantMedical.amountAt(row, column) = 100.0 * row + column;
        dependants->dependants.textAt(row, 0) = QString("Kid%1").arg(row);
        dependants->dependants.dateAt(row, 2) = QDate(2010, 1, 1 + row);
        medical->dependantMedical.textAt(row, 0) = QString("Kid%1").arg(row);
        medical->dependantMedical.dateAt(row, 2) = QDate(2010, 1, 1 + row);
        medical->dependantMedical.intAt(row, 3) = dependants->dependants.intAt(row, 3).value();
    }
    lastYear->rrspDeductionLimit = rrsp->rrspDeductionLimit.value();
    lastYear->unusedRrspContributions = rrsp->unusedRrspContributions.value();
    for (size_t i = 0; i < originals.size(); ++i)
        originals[i]->copyValuesFrom(*person.findWizardData(types[i], false));

    for (int type : types)
        person.applyWizardData(type);
    QVERIFY(person.hasForm(FormType::SCH9) && person.hasForm(FormType::SCH7));
    for (int type : types)
        resetAll(*person.findWizardData(type, false));
    person.updateWizardData();
    for (size_t i = 0; i < originals.size(); ++i) {
        const CTaxData_Form *back = person.findWizardData(types[i], false);
        for (CField *field : back->fields()) {
            const CField *original = originals[i]->findField(field->name());
            QVERIFY2(
                field->equals(*original),
                qPrintable(QString("wizard %1, %2: %3 instead of %4")
                               .arg(types[i])
                               .arg(QString(field->name()), field->toText(), original->toText())));
        }
    }
}

void TestWizardData::missingEntriesDoNothing()
{
    IndividualTaxData person(0, &m_dependants);
    addT1(person);
    for (int type = 0; type <= 7; ++type)
        person.applyWizardData(type);
    person.updateWizardData();
    QCOMPARE(person.m_formList.size(), 1);
    QVERIFY(person.m_wizardList.isEmpty());

    // Without a dependants block the dependant steps are skipped.
    IndividualTaxData alone(0, nullptr);
    addT1(alone);
    wizardOf<CWizData_Dependant>(alone, WizardType::Dependants)->dependants.textAt(0, 0) =
        QString("Kid");
    wizardOf<CWizData_MedExp>(alone, WizardType::Medical)->medSelfAmount = 5.0;
    alone.applyWizardData(WizardType::Dependants);
    alone.applyWizardData(WizardType::Medical);
    alone.updateWizardData();
    QCOMPARE(double(dynamic_cast<TaxData_T1New *>(alone.getT1Data())->medSelfAmount), 0.0);
}

void TestWizardData::prefill_data()
{
    QTest::addColumn<int>("type");
    // field name = expected text, for each value the prefill sets
    QTest::addColumn<QStringList>("values");

    QTest::newRow("131 commission T2125")
        << FormType::T2125C << QStringList{"ownerName=Mary Ann Doe", "sin=046454286", "kind=0"};
    QTest::newRow("125 T2125 keeps its kind")
        << FormType::T2125 << QStringList{"ownerName=Mary Ann Doe", "sin=046454286", "kind=1"};
    QTest::newRow("12 T776") << FormType::T776
                             << QStringList{"ownerName=Mary Ann Doe", "sin=046454286"};
    QTest::newRow("15 T1163") << FormType::T1163
                              << QStringList{"firstName=Mary Ann", "lastName=Doe", "sin=046454286"};
    QTest::newRow("21 T2042") << FormType::T2042
                              << QStringList{"ownerName=Mary Ann Doe", "sin=046454286"};
    QTest::newRow("51 T2121") << FormType::T2121
                              << QStringList{"ownerName=Mary Ann Doe", "sin=046454286"};
    QTest::newRow("92 TL2") << FormType::TL2 << QStringList{"sin=046454286"};
    QTest::newRow("101 T1135") << FormType::T1135
                               << QStringList{"givenName=Mary",       "secondName=Ann",
                                              "lastName=Doe",         "sin=046454286",
                                              "street=1 Elm St",      "city=Ottawa",
                                              "province=9",           "postalCode=K1A 0B1",
                                              "phone=613-555-0100",   "countryCode=CAN",
                                              "periodFrom=2025-01-01"};
    QTest::newRow("53 RC71") << FormType::RC71
                             << QStringList{"businessName=Tax Co", "discounterCode=D77",
                                            "businessAddress=1 Main St, Ottawa, ON, K2P 1A1",
                                            "businessPhone=613-555-0199"};
    QTest::newRow("96 T183") << FormType::T183
                             << QStringList{"businessName=Tax Co", "efileNumber=X1234",
                                            "preAssessment=1", "postAssessment=0", "signDate="};
    QTest::newRow("97 T1153") << FormType::T1153
                              << QStringList{"businessName=Tax Co",       "discounterCode=D77",
                                             "businessAddress=1 Main St", "efileNumber=X1234",
                                             "businessCity=Ottawa",       "businessProvince=ON",
                                             "businessPostalCode=K2P 1A1"};
    QTest::newRow("116 T1-ADJ") << FormType::T1ADJ
                                << QStringList{"requestDate=2026-04-02 09:15:30"};
    QTest::newRow("117 T1013") << FormType::T1013
                               << QStringList{"formDate=2026-04-02", "phone=613-555-0100"};
    QTest::newRow("119 Schedule 6, a spouse")
        << FormType::SCH6 << QStringList{"noEligibleSpouse=0"};
    QTest::newRow("6 Schedule 5, a spouse") << FormType::SCH5 << QStringList{"spouseClaim=1"};
    QTest::newRow("1 T1") << FormType::T1
                          << QStringList{"preparerName=Tax Co", "preparerIndicator=0"};
}

void TestWizardData::prefill()
{
    QFETCH(int, type);
    QFETCH(QStringList, values);

    setNow(QDateTime(QDate(2026, 4, 2), QTime(9, 15, 30)));
    CT1AppConfig &c = appInstance()->config;
    c.BusinessName = "Tax Co";
    c.DiscounterCode = "D77";
    c.BusinessAddr = "1 Main St";
    c.BusinessCity = "Ottawa";
    c.BusinessProv = "ON";
    c.BusinessPostcode = "K2P 1A1";
    c.BusinessPhone = "613-555-0199";
    c.BusinessEFileNum = "X1234";
    c.PreAssessment = 1;
    c.PostAssessment = 0;

    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = addT1(person);
    t1->firstName = QString("Mary Ann");
    t1->maritalStatus = 0;
    TaxDataEntryStru *entry = type == FormType::T1 ? person.findFormEntry(type, 0, false)
                                                   : person.addForm(type, 0, true, 0, false);
    QVERIFY(entry && entry->data);
    // Values the prefill must overwrite.
    if (auto *t2125 = dynamic_cast<TaxData_T2125_New *>(entry->data))
        t2125->kind = 1;
    if (auto *t183 = dynamic_cast<TaxData_T183New *>(entry->data))
        t183->signDate = QDate(2026, 1, 1);
    if (auto *sch6 = dynamic_cast<TaxData_Sch6 *>(entry->data))
        sch6->noEligibleSpouse = 1;
    t1->preparerIndicator = -1;
    person.prefillNewForm(entry);
    for (const QString &value : values) {
        const QString name = value.section('=', 0, 0);
        const CField *field = entry->data->findField(name.toUtf8());
        QVERIFY2(field, qPrintable(name));
        const QString text =
            field->type() == FieldType::Date
                ? static_cast<const CDateField *>(field)->date().toString(Qt::ISODate)
                : field->toText();
        const QString expected = value.section('=', 1);
        if (name == "requestDate") {
            const auto *date = static_cast<const CDateField *>(field);
            QCOMPARE(QDateTime(date->date(), date->time()).toString("yyyy-MM-dd hh:mm:ss"),
                     expected);
        } else {
            QCOMPARE(text, expected);
        }
    }
}

void TestWizardData::prefillNeedsT1AndKnownType()
{
    appInstance()->config.BusinessName = "Tax Co";
    IndividualTaxData person(0, &m_dependants);
    auto *t776 =
        dynamic_cast<TaxData_T776New *>(person.addForm(FormType::T776, 0, true, 0, true)->data);
    QCOMPARE(QString(t776->ownerName.value()), QString());
    addT1(person)->maritalStatus = 5;
    // A form the prefill does not know keeps its values.
    auto *t1198 =
        dynamic_cast<TaxData_T1198 *>(person.addForm(FormType::T1198, 0, true, 0, true)->data);
    QCOMPARE(QString(t1198->sin.value()), QString());
    // No spouse to claim: Schedule 6 says so, Schedule 5 claims nothing.
    QCOMPARE(
        int(dynamic_cast<TaxData_Sch6 *>(person.addForm(FormType::SCH6, 0, true, 0, true)->data)
                ->noEligibleSpouse),
        1);
    QCOMPARE(
        int(dynamic_cast<TaxData_Sch5 *>(person.addForm(FormType::SCH5, 0, true, 0, true)->data)
                ->spouseClaim),
        0);
    // Through addForm's prefill argument.
    auto *tl2 =
        dynamic_cast<TaxData_TL2_New *>(person.addForm(FormType::TL2, 0, true, 0, true)->data);
    QCOMPARE(QString(tl2->sin.value()), QString("046454286"));
    auto *t1135 =
        dynamic_cast<TaxData_T1135New *>(person.addForm(FormType::T1135, 0, true, 0, false)->data);
    dynamic_cast<TaxData_T1New *>(person.getT1Data())->foreignAddress = true;
    t1135->province = 3;
    person.prefillNewForm(person.findFormEntry(FormType::T1135, 0, false));
    QCOMPARE(int(t1135->province), 3);
    QCOMPARE(QString(t1135->countryCode.value()), QString("CAN"));
}

void TestWizardData::splitFirstName_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("second");

    QTest::newRow("two words") << "Mary Ann"
                               << "Mary"
                               << "Ann";
    QTest::newRow("three words") << "Anne Marie Claire"
                                 << "Anne Marie"
                                 << "Claire";
    QTest::newRow("one word, blanks around") << "  Jean  "
                                             << "Jean"
                                             << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestWizardData::splitFirstName()
{
    QFETCH(QString, first);
    QFETCH(QString, given);
    QFETCH(QString, second);

    IndividualTaxData person(0, &m_dependants);
    addT1(person)->firstName = first;
    QString actualGiven("stale");
    CString actualSecond("stale");
    person.splitFirstName(actualGiven, actualSecond);
    QCOMPARE(actualGiven, given);
    QCOMPARE(QString(actualSecond), second);
}

void TestWizardData::identification()
{
    IndividualTaxData person(0, &m_dependants);
    QCOMPARE(person.getSIN(), QString());
    QCOMPARE(person.getBirthDate(), QDate());
    TaxData_T1New *t1 = addT1(person);
    t1->spouseSin = QString("130692544");
    QCOMPARE((QStringList{person.getSIN(), person.getFirstName(), person.getLastName(),
                          person.getSpouseSIN(), person.getSpouseFirstName(),
                          person.getSpouseLastName()}),
             (QStringList{"046454286", "Jane", "Doe", "130692544", "John", "Roe"}));
    QCOMPARE(person.getBirthDate(), QDate(1980, 6, 1));
    QCOMPARE(person.getSpouseBirthDate(), QDate(1979, 2, 3));
}

void TestWizardData::ontarioInterview()
{
    PluginFolder folder;
    QVERIFY(folder.linkRealPlugin(ReturnFixture::kProvince));
    QByteArray bytes;
    {
        FamilyTaxData family(0);
        ReturnFixture::fillSingleReturn(family);
        ReturnFixture::bringToLoadedState(family);
        IndividualTaxData &person = *family.taxpayer();
        QCOMPARE(person.countFormsOfType(1), 1);
        CTaxData_Form *wizard = person.findWizardData(WizardType::Provincial, false);
        QVERIFY(wizard);
        QCOMPARE(wizard->getKind(), int(CTaxData_Form::KindWizard));

        // The plug-in reads the answers and gives them back.
        *amountField(wizard, "rentPaid") = 1200.0;
        person.applyWizardData(WizardType::Provincial);
        *amountField(wizard, "rentPaid") = 0.0;
        person.updateWizardData();
        QCOMPARE(double(*amountField(wizard, "rentPaid")), 1200.0);
        bytes = ReturnFixture::saveToBytes(family);
        QVERIFY(!bytes.isEmpty());
        // The person gives the object back before the plug-in goes (checked under the
        // sanitizers).
        person.freeAllData();
        QVERIFY(person.m_wizardList.isEmpty());
    }
    FamilyTaxData loaded(0);
    QCOMPARE(ReturnFixture::loadFromBytes(loaded, bytes), 0);
    ReturnFixture::bringToLoadedState(loaded);
    int provincial = 0;
    for (const TaxWizardEntryStru *entry : loaded.taxpayer()->m_wizardList)
        provincial += entry->type == WizardType::Provincial ? 1 : 0;
    QCOMPARE(provincial, 1);
    QCOMPARE(double(*amountField(loaded.taxpayer()->findWizardData(WizardType::Provincial, 0),
                                 "rentPaid")),
             0.0);
    // Another province's plug-in has no interview of its own.
    IndividualTaxData elsewhere(0, &m_dependants);
    QVERIFY(folder.linkRealPlugin(2));
    QVERIFY(elsewhere.m_provsTaxMgr.getProvinceManager(2, true));
    QCOMPARE(elsewhere.addWizardData(WizardType::Provincial), nullptr);
}

QV_TEST_MAIN(TestWizardData)
#include "tst_WizardData.moc"
