// New return from the wizard's answers, province change with the real plug-ins, the spouse
// claim, all-forms mode and the Auto-fill merge hook.
#include <QtTest>

#include "PluginFolder.h"
#include "TestMain.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormFactory.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/AutoFillMerge.h"
#include "model/DataNewReturnBasic.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ordane/CFloatField.h"
#include "plugin/TestPluginRecorder.h"

#include <map>

namespace {

constexpr int kAlberta = 1;
constexpr int kBritishColumbia = 2;
constexpr int kOntario = 9;
constexpr int kQuebec = 11;

TaxData_T1New *t1Of(IndividualTaxData *person)
{
    return dynamic_cast<TaxData_T1New *>(person->getForm(FormType::T1, 0, false));
}

void fillAnswers(DataNewReturnBasic &answers, int province, int status, bool coupled)
{
    answers.fld_FirstName = "Ada";
    answers.fld_LastName = "Lovelace";
    answers.fld_sin = "046454286";
    answers.fld_dob.setDate(QDate(1970, 3, 4));
    answers.fld_TaxPronv = province;
    answers.fld_MaritalStatus = status;
    answers.fld_FirstNameSpouse = "Charles";
    answers.fld_LastNameSpouse = "Babbage";
    answers.fld_sinSpouse = "130692544";
    answers.fld_dobSpouse.setDate(QDate(1968, 7, 8));
    answers.fld_TaxPronvSpouse = province;
    answers.fld_Coupled = coupled;
}

CBoolField *choiceNamed(DataNewReturnBasic &answers, const QString &name)
{
    for (CBoolField *field : {&answers.fld_bSch3, &answers.fld_bSch4, &answers.fld_bSch6,
                              &answers.fld_bSch7, &answers.fld_bSch9, &answers.fld_bSch11,
                              &answers.fld_bSch15, &answers.fld_bT776, &answers.fld_bT2125}) {
        if (QString::fromUtf8(field->name()) == name)
            return field;
    }
    return nullptr;
}

// The test's Auto-fill merge: counts its calls and names the person.
int g_mergeCalls = 0;
const TDDTaxDataOnePerson *g_mergedData = nullptr;

int renamingMerge(IndividualTaxData &person, TDDTaxDataOnePerson *data, DataAFR *)
{
    ++g_mergeCalls;
    g_mergedData = data;
    if (TaxData_T1New *t1 = t1Of(&person)) {
        t1->firstName = "Grace";
        t1->lastName = "Hopper";
    }
    return 7;
}

} // namespace

class TestNewReturn : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dataObjectDefaults();
    void fromWizardAnswers_data();
    void fromWizardAnswers();
    void wizardRecalculates();
    void spouseClaim_data();
    void spouseClaim();
    void provinceChangeAlbertaToBritishColumbia();
    void provinceChangeHandsBackProvincialWizardData();
    void provinceChangeGivesBackBeforeUnloading();
    void provinceChangeOfBothSpouses_data();
    void provinceChangeOfBothSpouses();
    void allFormsMode();
    void autoFillMergeHook();

private:
    std::unique_ptr<PluginFolder> m_plugins;
};

void TestNewReturn::init()
{
    m_plugins = std::make_unique<PluginFolder>();
    for (int province = 1; province < Global_Provs_Num; ++province)
        QVERIFY(m_plugins->linkRealPlugin(province));
}

void TestNewReturn::cleanup()
{
    setAutoFillMerge(nullptr);
    m_plugins.reset();
}

void TestNewReturn::dataObjectDefaults()
{
    DataNewReturnBasic answers;
    QVERIFY(answers.fields().empty());
    QCOMPARE(answers.fld_dob.date(), QDate(1980, 1, 1));
    QCOMPARE(answers.fld_dobSpouse.date(), QDate(1980, 1, 1));
    QCOMPARE(answers.fld_MaritalStatus.value(), -1);
    QCOMPARE(answers.fld_TaxPronv.value(), 0);
    QCOMPARE(answers.fld_FirstName.length(), 50);
    QCOMPARE(QString::fromUtf8(answers.fld_bT2125.name()), QStringLiteral("fld_bT2125"));
    QVERIFY(!answers.hasSpouse());
    for (int status : {0, 1}) {
        answers.fld_MaritalStatus = status;
        QVERIFY(answers.hasSpouse());
    }
    for (int status : {2, 3, 4, 5}) {
        answers.fld_MaritalStatus = status;
        QVERIFY(!answers.hasSpouse());
    }
    QCOMPARE(answers.normalizeData(), 0);

    // Names in the table's order; a copy takes every one.
    const QStringList names{"fld_FirstName",
                            "fld_LastName",
                            "fld_sin",
                            "fld_dob",
                            "fld_TaxPronv",
                            "fld_MaritalStatus",
                            "fld_FirstNameSpouse",
                            "fld_LastNameSpouse",
                            "fld_Coupled",
                            "fld_SpouseNonResident",
                            "fld_sinSpouse",
                            "fld_dobSpouse",
                            "fld_TaxPronvSpouse",
                            "fld_bSch3",
                            "fld_bSch4",
                            "fld_bSch6",
                            "fld_bSch7",
                            "fld_bSch9",
                            "fld_bSch11",
                            "fld_bSch15",
                            "fld_bT776",
                            "fld_bT2125"};
    QStringList seen;
    for (CField *field : answers.allFields())
        seen.append(QString::fromUtf8(field->name()));
    QCOMPARE(seen, names);
    fillAnswers(answers, kOntario, 1, true);
    answers.fld_bT776 = true;
    DataNewReturnBasic copy;
    copy.copyFrom(answers);
    for (size_t i = 0; i < copy.allFields().size(); ++i)
        QVERIFY2(copy.allFields()[i]->equals(*answers.allFields()[i]), qPrintable(names[int(i)]));
}

void TestNewReturn::fromWizardAnswers_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<bool>("together");
    QTest::addColumn<QList<int>>("taxpayerHas");
    QTest::addColumn<QList<int>>("taxpayerHasNot");
    QTest::addColumn<QList<int>>("spouseHas");
    QTest::addColumn<QList<int>>("spouseHasNot");

    QTest::newRow("common-law, coupled, T2125")
        << kBritishColumbia << 1 << true << QStringList{"fld_bT2125"} << true
        << QList<int>{FormType::T1, FormType::T1KS, FormType::T2125, FormType::SCH2,
                      FormType::BC_S2}
        << QList<int>{FormType::SCH11}
        << QList<int>{FormType::T1, FormType::T1KS, FormType::SCH2, FormType::BC_S2}
        << QList<int>{FormType::T2125};
    QTest::newRow("married, every choice the spouse takes")
        << kOntario << 0 << true
        << QStringList{"fld_bSch3", "fld_bSch4",  "fld_bSch6",  "fld_bSch7",
                       "fld_bSch9", "fld_bSch11", "fld_bSch15", "fld_bT776"}
        << true << QList<int>{FormType::SCH3, FormType::WSD1,  FormType::SCH6,   FormType::SCH7,
                              FormType::SCH9, FormType::SCH11, FormType::ON_S11, FormType::SCH15,
                              FormType::T776, FormType::SCH2,  FormType::ON_S2}
        << QList<int>{FormType::T2125}
        << QList<int>{FormType::SCH6, FormType::SCH7, FormType::SCH11, FormType::ON_S11,
                      FormType::T776, FormType::SCH2, FormType::ON_S2}
        << QList<int>{FormType::SCH3, FormType::WSD1, FormType::SCH9, FormType::SCH15};
    QTest::newRow("single: no spouse forms, coupled ignored")
        << kAlberta << 5 << true << QStringList{"fld_bSch7"} << false
        << QList<int>{FormType::T1, FormType::SCH7}
        << QList<int>{FormType::SCH2, FormType::AB_S2, FormType::SCH5} << QList<int>{}
        << QList<int>{FormType::T1};
    QTest::newRow("married, not coupled: the spouse forms only")
        << kAlberta << 0 << false << QStringList{} << false
        << QList<int>{FormType::SCH2, FormType::AB_S2, FormType::SCH5} << QList<int>{}
        << QList<int>{} << QList<int>{FormType::T1};
    QTest::newRow("Quebec tuition: Schedule 11 only")
        << kQuebec << 5 << false << QStringList{"fld_bSch11"} << false
        << QList<int>{FormType::SCH11} << QList<int>{} << QList<int>{} << QList<int>{};
}

void TestNewReturn::fromWizardAnswers()
{
    QFETCH(int, province);
    QFETCH(int, status);
    QFETCH(bool, coupled);
    QFETCH(QStringList, choices);
    QFETCH(bool, together);
    QFETCH(QList<int>, taxpayerHas);
    QFETCH(QList<int>, taxpayerHasNot);
    QFETCH(QList<int>, spouseHas);
    QFETCH(QList<int>, spouseHasNot);

    DataNewReturnBasic answers;
    fillAnswers(answers, province, status, coupled);
    for (const QString &choice : choices)
        *choiceNamed(answers, choice) = true;
    FamilyTaxData family(0);
    family.createFromNewReturnWizard(answers);

    QCOMPARE(family.isCoupled(), together);
    IndividualTaxData *taxpayer = family.taxpayer();
    for (int type : taxpayerHas)
        QVERIFY2(taxpayer->countFormsOfType(type) == 1, qPrintable(QString::number(type)));
    for (int type : taxpayerHasNot)
        QVERIFY2(!taxpayer->hasForm(type), qPrintable(QString::number(type)));
    for (int type : spouseHas)
        QVERIFY2(family.spouse()->countFormsOfType(type) == 1, qPrintable(QString::number(type)));
    for (int type : spouseHasNot)
        QVERIFY2(!family.spouse()->hasForm(type), qPrintable(QString::number(type)));
    // No provincial tuition form where the province has none.
    if (province == kQuebec) {
        for (int tuition : {48, 44, 91, 95, 65, 73, 69, 77, 27, 80, 83, 111})
            QVERIFY(!taxpayer->hasForm(tuition));
    }

    TaxData_T1New *t1 = t1Of(taxpayer);
    QVERIFY(t1);
    QCOMPARE(QString(t1->firstName.value()), QStringLiteral("Ada"));
    QCOMPARE(QString(t1->lastName.value()), QStringLiteral("Lovelace"));
    QCOMPARE(QString(t1->sin.value()), QStringLiteral("046454286"));
    QCOMPARE(t1->birthDate.date(), QDate(1970, 3, 4));
    QCOMPARE(t1->maritalStatus.value(), status);
    QCOMPARE(QString(t1->provinceText.value()),
             QString::fromUtf8(Global_Provs_Info[province].name));
    QCOMPARE(taxpayer->m_province, province);
    // The recalculation that ends the set-up gives the T1 its province of residence, which
    // the electronic return's province code and the T1 page read.
    QCOMPARE(t1->province.value(), province);
    QCOMPARE(taxpayer->m_coupled, together);
    QCOMPARE(taxpayer->m_dataVersion, 66098);
    const bool spouseInT1 = status < 2;
    QCOMPARE(QString(t1->spouseFirstName.value()), spouseInT1 ? "Charles" : "");
    QCOMPARE(QString(t1->spouseSin.value()), spouseInT1 ? "130692544" : "");
    QCOMPARE(family.dependants().count(), 12);
    for (const TaxWizardInfoRow &row : Global_TaxWizard_Info) {
        // Only Ontario's plug-in makes provincial interview data.
        const bool expected = row.type > 0 && row.createAfterLoad &&
                              (row.type != WizardType::Provincial || province == kOntario);
        QCOMPARE(taxpayer->findWizardData(row.type, false) != nullptr, expected);
    }

    if (together) {
        TaxData_T1New *spouseT1 = t1Of(family.spouse());
        QVERIFY(spouseT1);
        QCOMPARE(QString(spouseT1->firstName.value()), QStringLiteral("Charles"));
        QCOMPARE(QString(spouseT1->spouseFirstName.value()), QStringLiteral("Ada"));
        QCOMPARE(QString(spouseT1->spouseSin.value()), QStringLiteral("046454286"));
        QCOMPARE(spouseT1->spouseBirthDate.date(), QDate(1970, 3, 4));
        QCOMPARE(spouseT1->maritalStatus.value(), status);
        QVERIFY(family.spouse()->m_coupled);
    }
}

void TestNewReturn::wizardRecalculates()
{
    DataNewReturnBasic answers;
    fillAnswers(answers, kAlberta, 1, true);
    answers.fld_bSch7 = true;
    FamilyTaxData family(0);
    const int result = family.createFromNewReturnWizard(answers);

    // The same file made step by step, then recalculated.
    FamilyTaxData expected(0);
    expected.taxpayer()->setupNewReturn(kAlberta, "Ada", "Lovelace", "046454286", QDate(1970, 3, 4),
                                        1, "Charles", "Babbage", "130692544", QDate(1968, 7, 8),
                                        true);
    expected.taxpayer()->getForm(FormType::SCH7, 0, true);
    expected.taxpayer()->addSpouseTransferForms();
    expected.spouse()->setupNewReturn(kAlberta, "Charles", "Babbage", "130692544",
                                      QDate(1968, 7, 8), 1, "Ada", "Lovelace", "046454286",
                                      QDate(1970, 3, 4), true);
    expected.spouse()->getForm(FormType::SCH7, 0, true);
    expected.spouse()->addSpouseTransferForms();
    expected.dependants().AllocData(12);
    QCOMPARE(result, expected.Recalculate(-1, nullptr));
    QVERIFY(family.isEqual(expected));
    auto *summary =
        dynamic_cast<TaxData_T1KSNew *>(family.spouse()->getForm(FormType::T1KS, 0, false));
    QVERIFY(summary);
    QCOMPARE(QString(summary->fullName.value()), QStringLiteral("Charles Babbage"));
}

void TestNewReturn::spouseClaim_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("maritalChange");
    QTest::addColumn<bool>("schedule5");
    QTest::addColumn<double>("line30300");
    QTest::newRow("married") << 0 << 0 << true << 1500.0;
    QTest::newRow("common-law") << 1 << 0 << true << 1500.0;
    QTest::newRow("single") << 5 << 0 << false << 0.0;
    QTest::newRow("separated during the year") << 4 << 1 << true << 1500.0;
}

void TestNewReturn::spouseClaim()
{
    QFETCH(int, status);
    QFETCH(int, maritalChange);
    QFETCH(bool, schedule5);
    QFETCH(double, line30300);

    IndividualTaxData person(0, nullptr);
    person.getForm(FormType::T1, 0, true);
    TaxData_T1New *t1 = t1Of(&person);
    t1->maritalStatus = status;
    t1->maritalChange = maritalChange;
    t1->f30300 = 1500.0;
    person.initSpouseClaim();
    auto *sch5 = dynamic_cast<TaxData_Sch5 *>(person.getForm(FormType::SCH5, 0, false));
    QCOMPARE(sch5 != nullptr, schedule5);
    if (sch5)
        QCOMPARE(sch5->spouseClaim.value(), 1);
    QCOMPARE(t1->f30300.value(), line30300);
}

void TestNewReturn::provinceChangeAlbertaToBritishColumbia()
{
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    person.setupNewReturn(kAlberta, "Ada", "Lovelace", "046454286", QDate(1970, 3, 4), 0, "Charles",
                          "Babbage", "130692544", QDate(1968, 7, 8), false);
    person.addTuitionForms();
    person.addSpouseTransferForms();
    person.getForm(FormType::PROV428, 0, true);
    TaxDataEntryStru *t1273 = person.findFormEntry(FormType::T1273, 0, true);
    QVERIFY(t1273 && t1273->data);
    t1273->linkedId = 321;
    t1273->data->setFlags(CTaxData_Form::FlagDownloaded);
    const int t1273Id = t1273->id;
    auto *sch11 = dynamic_cast<TaxData_Sch11 *>(person.getForm(FormType::SCH11, 0, false));
    QVERIFY(sch11);
    auto *sch3 = dynamic_cast<TaxData_Sch3 *>(person.getForm(FormType::SCH3, 0, true));
    sch3->f13200A = 2345.67;
    QVERIFY(person.hasForm(FormType::AB_S11) && person.hasForm(FormType::AB_S2));

    family.changeProvince(kAlberta, kBritishColumbia, false);

    QCOMPARE(person.m_province, kBritishColumbia);
    QCOMPARE(person.m_provsTaxMgr.getMainProvince(), kBritishColumbia);
    QList<int> loaded;
    person.m_provsTaxMgr.listLoadedProvinces(loaded);
    QCOMPARE(loaded, QList<int>{kBritishColumbia});
    for (const TaxDataEntryStru *entry : person.m_formList) {
        QVERIFY(entry->data);
        QVERIFY2(getFormProv(entry->type) != kAlberta, qPrintable(QString::number(entry->type)));
    }
    QVERIFY(!person.hasForm(FormType::PROV428));
    // The form every plug-in makes comes back from the new one, with its id, link and flags.
    t1273 = person.findFormEntry(FormType::T1273, 0, false);
    QVERIFY(t1273 && t1273->data);
    QCOMPARE(t1273->id, t1273Id);
    QCOMPARE(t1273->linkedId, 321);
    QCOMPARE(t1273->data->getFlags(), int(CTaxData_Form::FlagDownloaded));
    QCOMPARE(t1273->data->getMainTaxProvince(), kBritishColumbia);
    // Federal forms keep their objects and values.
    QCOMPARE(person.getForm(FormType::SCH11, 0, false), sch11);
    QCOMPARE(person.getForm(FormType::SCH3, 0, false), sch3);
    QCOMPARE(sch3->f13200A.value(), 2345.67);
    QVERIFY(person.hasForm(FormType::T1) && person.hasForm(FormType::SCH2));
    // The new province's flagged forms.
    const ProvinceFormList &rows = Province_Forms_Info[kBritishColumbia];
    for (int i = 0; i < rows.count; ++i) {
        if (rows.rows[i].flag)
            QCOMPARE(person.countFormsOfType(rows.rows[i].type), 1);
    }
    // Tuition and spouse forms come again with the federal ones, from the new plug-in.
    person.addTuitionForms();
    QVERIFY(person.hasForm(FormType::BC_S11));
    // Emptying the person touches every object once more: each must still have its code.
    family.freeAllData();
    QVERIFY(person.m_formList.isEmpty());
}

void TestNewReturn::provinceChangeHandsBackProvincialWizardData()
{
    IndividualTaxData person(0, nullptr);
    person.setupNewReturn(kOntario, "Ada", "Lovelace", "", QDate(), 5, "", "", "", QDate(), false);
    CTaxData_Form *interview = person.findWizardData(WizardType::Provincial, false);
    QVERIFY(interview);
    person.getForm(FormType::ON479A, 0, true);

    person.changeProvince(kOntario, kBritishColumbia);
    QVERIFY(!person.findWizardData(WizardType::Provincial, false));
    QVERIFY(!person.hasForm(FormType::ON479A));
    QVERIFY(person.findWizardData(WizardType::General, false));

    person.changeProvince(kBritishColumbia, kOntario);
    CTaxData_Form *again = person.findWizardData(WizardType::Provincial, false);
    QVERIFY(again);
    QCOMPARE(again->getType(), WizardType::Provincial);
    // Old province equal to the new one: the plug-in reloads and its objects are made again.
    person.changeProvince(kAlberta, kOntario);
    QVERIFY(person.findWizardData(WizardType::Provincial, false));
    person.freeAllData();
    QVERIFY(person.m_wizardList.isEmpty());
}

void TestNewReturn::provinceChangeGivesBackBeforeUnloading()
{
    // The old folder first: its destructor points the manager back at the program's folder.
    m_plugins.reset();
    m_plugins = std::make_unique<PluginFolder>();
    TestPluginRecorder recorder;
    recorder.scripts[kOntario].makesWizardData = true;
    QVERIFY(m_plugins->linkTestPlugin(kOntario, &recorder));
    QVERIFY(m_plugins->linkTestPlugin(kBritishColumbia, &recorder));
    IndividualTaxData person(0, nullptr);
    person.setupNewReturn(kOntario, "Ada", "Lovelace", "", QDate(), 5, "", "", "", QDate(), false);
    person.getForm(FormType::ON_S2, 0, true);
    person.getForm(FormType::ON_S11, 0, true);
    QVERIFY(person.findWizardData(WizardType::Provincial, false));
    QCOMPARE(recorder.formsMade, 2);
    recorder.calls.clear();

    person.changeProvince(kOntario, kBritishColumbia);
    QCOMPARE(recorder.formsDeletedByPlugin, 2);
    const QStringList ontario = recorder.calls.filter(QRegularExpression("^9 "));
    QCOMPARE(ontario, (QStringList{"9 deleteProvincialForm 26 1", "9 deleteProvincialForm 27 1",
                                   "9 freeWizardData", "9 destroyed"}));
    QVERIFY(recorder.calls.indexOf("2 createWizardData") > recorder.calls.indexOf("9 destroyed"));
    QVERIFY(!person.findWizardData(WizardType::Provincial, false));
    person.freeAllData();
    QCOMPARE(recorder.managersDeleted, recorder.managersMade);
}

void TestNewReturn::provinceChangeOfBothSpouses_data()
{
    QTest::addColumn<bool>("both");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("taxpayerProvince");
    QTest::addColumn<int>("spouseProvince");
    QTest::newRow("both") << true << -2 << kBritishColumbia << kBritishColumbia;
    QTest::newRow("the taxpayer only") << false << -2 << kBritishColumbia << kAlberta;
    QTest::newRow("the spouse only") << false << -1 << kAlberta << kBritishColumbia;
}

void TestNewReturn::provinceChangeOfBothSpouses()
{
    QFETCH(bool, both);
    QFETCH(int, current);
    QFETCH(int, taxpayerProvince);
    QFETCH(int, spouseProvince);

    DataNewReturnBasic answers;
    fillAnswers(answers, kAlberta, 0, true);
    FamilyTaxData family(0);
    family.createFromNewReturnWizard(answers);
    family.setCurrentPersonIndex(current);
    QVERIFY(family.taxpayer()->hasForm(FormType::AB_S2) &&
            family.spouse()->hasForm(FormType::AB_S2));

    family.changeProvince(kAlberta, kBritishColumbia, both);
    QCOMPARE(family.taxpayer()->m_province, taxpayerProvince);
    QCOMPARE(family.spouse()->m_province, spouseProvince);
    QCOMPARE(family.taxpayer()->hasForm(FormType::AB_S2), taxpayerProvince == kAlberta);
    QCOMPARE(family.spouse()->hasForm(FormType::AB_S2), spouseProvince == kAlberta);
    family.Recalculate(-1, nullptr);
    family.freeAllData();
}

void TestNewReturn::allFormsMode()
{
    auto family = std::make_unique<FamilyTaxData>(0);
    family->enableAllFormsMode();
    IndividualTaxData &person = *family->taxpayer();
    QCOMPARE(person.m_allFormsFlag, 1);
    QCOMPARE(family->spouse()->m_allFormsFlag, 1);
    // The person's own plug-in manager is not used.
    QVERIFY(!person.m_provsTaxMgr.getFirstManager());

    std::map<int, int> counts;
    for (const TaxDataEntryStru *entry : person.m_formList) {
        QVERIFY(entry->data);
        QCOMPARE(entry->id, 0);
        QCOMPARE(entry->linkedId, 0);
        QCOMPARE(entry->data->getType(), entry->type);
        const bool needsDependants = Global_Forms_Info[entry->type].flags & FormNeedsDependants;
        QCOMPARE(entry->data->depInfo() == &family->dependants(), needsDependants);
        ++counts[entry->type];
    }
    for (int code = 1; code < Global_Forms_Num; ++code) {
        const FormInfoRow &row = Global_Forms_Info[code];
        const bool made =
            std::unique_ptr<CTaxData_Form>(createFederalForm(code)) != nullptr || row.province != 0;
        const int expected = !IsFormExpired(code, 0) && made ? 1 : 0;
        QVERIFY2(counts[code] == expected, qPrintable(QString::number(code)));
    }
    // A provincial form comes from its own province's plug-in.
    TaxDataEntryStru *bcTuition = person.findFormEntry(FormType::BC_S11, 0, false);
    QVERIFY(bcTuition);
    QCOMPARE(bcTuition->data->getMainTaxProvince(), kBritishColumbia);
    // Every form goes back to the plug-in that made it before the libraries go.
    family->freeAllData();
    QVERIFY(person.m_formList.isEmpty());
    QVERIFY(!person.m_allFormsMgr);
    family->enableAllFormsMode();
    family.reset();
}

void TestNewReturn::autoFillMergeHook()
{
    DataNewReturnBasic answers;
    fillAnswers(answers, kAlberta, 5, false);
    FamilyTaxData family(0);
    family.createFromNewReturnWizard(answers);

    // The default merges nothing; the recalculation still runs.
    QCOMPARE(family.applyAutoFillData(nullptr, nullptr), 0);

    g_mergeCalls = 0;
    setAutoFillMerge(renamingMerge);
    auto *downloaded = reinterpret_cast<TDDTaxDataOnePerson *>(&g_mergeCalls);
    QCOMPARE(family.applyAutoFillData(downloaded, nullptr), 0);
    QCOMPARE(g_mergeCalls, 1);
    QCOMPARE(g_mergedData, downloaded);
    auto *summary =
        dynamic_cast<TaxData_T1KSNew *>(family.taxpayer()->getForm(FormType::T1KS, 0, false));
    QVERIFY(summary);
    QCOMPARE(QString(summary->fullName.value()), QStringLiteral("Grace Hopper"));

    setAutoFillMerge(nullptr);
    QCOMPARE(autoFillMerge()(*family.taxpayer(), nullptr, nullptr), 0);
    QCOMPARE(g_mergeCalls, 1);
}

QV_TEST_MAIN(TestNewReturn)
#include "tst_NewReturn.moc"
