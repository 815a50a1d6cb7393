// The review before filing through the scripted presenter (and once with real dialogs), and
// the Canada Workers Benefit hints.
#include "CheckFixture.h"
#include "ModalDriver.h"
#include "PluginFolder.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"
#include "plugin/TestPluginRecorder.h"

#include "brevant/BrevantForms.h"
#include "calc/CwbTables.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TypeCodes.h"

using namespace CheckFixture;

namespace {

const char kTitle[] = "Quorvandelle Warning Message";
const char kResidency[] =
    "2: Please confirm tax residency of the tax payer. You can use this online filing if you "
    "were, in the tax year, a resident, immigrant, or some type of emigrant of Canada. If you "
    "were a factual resident, please specify it in form T1248 Schedule D and do the online "
    "filing.";
const char kNonResident[] =
    "3: Non-resident, deemed resident return should be prepared by another software.";
const QStringList kAccessCodeLines = {
    "1: NetFile Access Code",
    "2: Your unique Access code can be found on your Notice of Assessment (NOA) for a previous "
    "tax year. This eight-character Access code is made up of numbers and letters.",
    "3: Are you sure you want to file your tax return without entering your Access code? If you "
    "do not enter your Access code, you will not be able to use information from your 2025 tax "
    "return when confirming your identity with the CRA.",
    "4: You can enter NetFile Access Code on page 1 of T1, under tax payer's name."};
const char kWarning15[] =
    "If you or your spouse receive an RC210 slip with an amount in Box 10, the person, who is "
    "claiming the basic CWB, must report the spouse's Box 10 amount in Schedule 6. if neither "
    "spouse is claiming the basic CWB, they can choose who reports the amounts of Box 10 of "
    "RC210 slip.";
const char kEmigrantText[] =
    "Does the tax payer's tax situation require submission of any of the following forms: T1243, "
    "T1244, and/or T1161? Please select Yes or No. \n\nIf 'Yes' is selected, a paper return must "
    "be filed.";
const char kOnce30500[] = "As married or common-law, each child eligible for field 30500 can only "
                          "be claimed by one person.";

// A slip with warnings of its own.
class WarningSlip : public CTaxData_Form
{
public:
    explicit WarningSlip(const QStringList &texts)
        : CTaxData_Form(SlipType::RC62, KindSlip), m_texts(texts)
    {
    }
    void collectWarnings(QStringList &messages) override { messages += m_texts; }

private:
    QStringList m_texts;
};

// A single person of 40 with income and the FHSA box ticked: nothing to warn about but the
// residency, the access code and warning 15.
TaxData_T1New *setUpPlain(IndividualTaxData &person)
{
    TaxData_T1New *t1 = setUpPerson(person);
    t1->f15000 = 52000;
    formOf<TaxData_Sch15>(person, FormType::SCH15, true)->box68930 = true;
    return t1;
}

QStringList kinds(const ScriptedPresenter &presenter)
{
    QStringList out;
    for (const ShownMessage &m : presenter.shown())
        out.append(m.kind);
    return out;
}

} // namespace

class TestPreFilingReview : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void plainReturnSequence();
    void stopAtEachDialog_data();
    void stopAtEachDialog();
    void emigrantNote_data();
    void emigrantNote();
    void accessCode_data();
    void accessCode();
    void efileEditionDialogs();
    void medicalAndContractWarningsTogether();
    void noT1AfterSlipWarnings();
    void provincialWarnings();
    void returnFileWarnings_data();
    void returnFileWarnings();
    void cwbLimits_data();
    void cwbLimits();
    void cwbHints_data();
    void cwbHints();
    void realDialogsUnderModalDriver();

private:
    std::unique_ptr<PluginFolder> m_plugins;
};

void TestPreFilingReview::init()
{
    m_plugins.reset();
    m_plugins = std::make_unique<PluginFolder>();
}

void TestPreFilingReview::plainReturnSequence()
{
    FamilyTaxData family(0);
    setUpPlain(*family.taxpayer());
    ScriptedPresenter presenter;
    QVERIFY(family.preCheckReturn(2));
    const QList<ShownMessage> &shown = presenter.shown();
    QCOMPARE(kinds(presenter), (QStringList{"continue", "continue", "warning"}));
    for (const ShownMessage &m : shown)
        QCOMPARE(m.title, QString(kTitle));
    QCOMPARE(shown[0].lines, (QStringList{kResidency, kNonResident}));
    QCOMPARE(shown[0].size, QSize());
    QCOMPARE(shown[1].lines, kAccessCodeLines);
    QCOMPARE(shown[1].size, QSize(700, 400));
    QCOMPARE(shown[2].text, QString(kWarning15));
}

void TestPreFilingReview::stopAtEachDialog_data()
{
    QTest::addColumn<int>("stopAt");
    QTest::newRow("residency") << 0;
    QTest::newRow("access code") << 1;
    QTest::newRow("warning 15") << 2;
}

void TestPreFilingReview::stopAtEachDialog()
{
    QFETCH(int, stopAt);
    FamilyTaxData family(0);
    setUpPlain(*family.taxpayer());
    ScriptedPresenter presenter;
    for (int i = 0; i < stopAt; ++i)
        presenter.queueAnswer(QMessageBox::Yes);
    presenter.queueAnswer(QMessageBox::No);
    QVERIFY(!family.preCheckReturn(2));
    QCOMPARE(presenter.shown().size(), stopAt + 1);
}

void TestPreFilingReview::emigrantNote_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("shown");
    QTest::newRow("Yes stops") << int(QMessageBox::Yes) << false << 2;
    QTest::newRow("No goes on") << int(QMessageBox::No) << true << 4;
}

void TestPreFilingReview::emigrantNote()
{
    QFETCH(int, answer);
    QFETCH(bool, result);
    QFETCH(int, shown);
    FamilyTaxData family(0);
    setUpPlain(*family.taxpayer())->departureDate = QDate(2025, 8, 15);
    ScriptedPresenter presenter;
    presenter.queueAnswer(QMessageBox::Yes);
    presenter.queueAnswer(QMessageBox::StandardButton(answer));
    QCOMPARE(family.preCheckReturn(2), result);
    QCOMPARE(presenter.shown().size(), shown);
    const ShownMessage &note = presenter.shown()[1];
    QCOMPARE(note.kind, QString("question"));
    QCOMPARE(note.title, QString("Emigrant Return Note"));
    QCOMPARE(note.text, QString(kEmigrantText));
}

void TestPreFilingReview::accessCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("kinds");
    QTest::newRow("blanks only") << "   " << QStringList{"continue", "continue", "warning"};
    QTest::newRow("filled") << "A1B2C3D4" << QStringList{"continue", "warning"};
}

void TestPreFilingReview::accessCode()
{
    QFETCH(QString, code);
    QFETCH(QStringList, kinds);
    FamilyTaxData family(0);
    setUpPlain(*family.taxpayer())->accessCode = code;
    ScriptedPresenter presenter;
    QVERIFY(family.preCheckReturn(2));
    QCOMPARE(::kinds(presenter), kinds);
}

void TestPreFilingReview::efileEditionDialogs()
{
    FamilyTaxData family(0);
    TaxData_T1New *t1 = setUpPlain(*family.taxpayer());
    t1->email = QStringLiteral("louise@example.invalid");
    t1->question4Answer = 1;
    t1->foreignPropertyAnswer = 0;
    ScriptedPresenter presenter;
    QVERIFY(family.taxpayer()->ReviewBeforeFiling(1));
    const QList<ShownMessage> &shown = presenter.shown();
    QCOMPARE(kinds(presenter),
             (QStringList{"continue", "continue", "continue", "continue", "continue", "warning"}));
    QCOMPARE(shown[0].lines[1], QString("3: For EFile purpose, emigrant of Canda in the tax year "
                                        "would be allowed for online filing."));
    QCOMPARE(shown[1].lines[1], QString("3: Please make sure that tax payer's new address, and/or "
                                        "direct deposit information are updated in form T183 and "
                                        "T1DD."));
    QCOMPARE(shown[2].lines.first(), QString("1: Quorvandelle Warning Message"));
    QCOMPARE(shown[2].lines.last(),
             QString("4: Canada direct deposit enrolment form "
                     "<https://www.tax-authority.invalid/direct-deposit-enrolment>"));
    QCOMPARE(shown[2].size, QSize(700, 400));
    QCOMPARE(shown[3].lines.size(), 4);
    QCOMPARE(shown[3].lines[3], QString("4: For more information, see Form T1135."));
    QCOMPARE(shown[3].size, QSize(700, 500));
    QVERIFY(shown[4].lines[1].startsWith("2: By providing your client's email address"));
    QCOMPARE(shown[4].link, QString("https://www.tax-authority.invalid/register-account"));
    QCOMPARE(shown[4].lines[2].left(30), QString("4: Register for a CRA account "));
    QCOMPARE(shown[4].size, QSize(600, 400));
}

void TestPreFilingReview::medicalAndContractWarningsTogether()
{
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    setUpPlain(person);
    dynamic_cast<TaxData_Slip_T4 *>(person.addSlip(SlipType::T4, 0, 0)->data)->box85 = 120;
    dynamic_cast<TaxData_Slip_T4A *>(person.addSlip(SlipType::T4A, 0, 0)->data)->box135 = 80;
    person.addSlip(SlipType::T1204, 0, 0);
    ScriptedPresenter presenter;
    QVERIFY(family.preCheckReturn(2));
    const QStringList texts = presenter.shownTexts();
    QCOMPARE(texts.mid(texts.size() - 4),
             (QStringList{kWarning15,
                          "Please confirm that medical expense is claimed for box 85 of T4 slip.",
                          "Please confirm that medical expense is claimed for box 135 of T4A slip.",
                          "Can you confirm that T2125 is completed properly to report government "
                          "contract income from T1204 tax slip?"}));
}

void TestPreFilingReview::noT1AfterSlipWarnings()
{
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    addEntry(person.m_slipList, person, SlipType::RC62,
             new WarningSlip({"slip warning 1", "slip warning 2"}));
    ScriptedPresenter presenter;
    QVERIFY(!person.ReviewBeforeFiling(2));
    QCOMPARE(presenter.shownTexts(), (QStringList{"slip warning 1", "slip warning 2"}));
    // A stop at a slip warning ends there.
    presenter.clear();
    presenter.queueAnswer(QMessageBox::No);
    QVERIFY(!person.ReviewBeforeFiling(2));
    QCOMPARE(presenter.shownTexts(), QStringList{"slip warning 1"});
}

void TestPreFilingReview::provincialWarnings()
{
    TestPluginRecorder recorder;
    recorder.scripts[9].warnings = QStringList{"Ontario warning"};
    QVERIFY(m_plugins->linkTestPlugin(9, &recorder));
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    setUpPlain(person);
    addEntry(person.m_formList, person, FormType::T2209, new WarningSlip({"form warning"}));
    formOf<TaxData_Sch7>(person, FormType::SCH7, true);
    ScriptedPresenter presenter;
    QVERIFY(family.preCheckReturn(2));
    const QStringList texts = presenter.shownTexts();
    QCOMPARE(texts.mid(2),
             (QStringList{kWarning15, "form warning",
                          "Please confirm that there is no requirement for HBP or LLP repayment. "
                          "If you withdrew RRSP for HBP or LLP in prior year, you need to check "
                          "and verify.",
                          "Ontario warning"}));
    // Stopping at the plug-in's warning stops the review.
    presenter.clear();
    for (int i = 0; i < 5; ++i)
        presenter.queueAnswer(QMessageBox::Yes);
    presenter.queueAnswer(QMessageBox::No);
    QVERIFY(!family.preCheckReturn(2));
    QCOMPARE(presenter.shownTexts().last(), QString("Ontario warning"));
}

void TestPreFilingReview::returnFileWarnings_data()
{
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<int>("maritalStatus");
    QTest::addColumn<double>("own30500");
    QTest::addColumn<double>("spouse30500");
    QTest::addColumn<bool>("infirmChild");
    QTest::addColumn<QString>("expected");
    QTest::newRow("coupled, both claim") << true << 0 << 100.0 << 100.0 << false << kOnce30500;
    QTest::newRow("coupled, one claims") << true << 0 << 100.0 << 0.0 << false << "";
    QTest::newRow("married alone, claims") << false << 0 << 100.0 << 0.0 << false << kOnce30500;
    QTest::newRow("single, infirm child, no claim")
        << false << 5 << 0.0 << 0.0 << true
        << "You may be eligible to claim Canada caregiver amount for infirm children under age 18 "
           "at field 30500.";
    QTest::newRow("single, infirm child, claims") << false << 5 << 100.0 << 0.0 << true << "";
}

void TestPreFilingReview::returnFileWarnings()
{
    QFETCH(bool, coupled);
    QFETCH(int, maritalStatus);
    QFETCH(double, own30500);
    QFETCH(double, spouse30500);
    QFETCH(bool, infirmChild);
    QFETCH(QString, expected);
    FamilyTaxData family(0);
    TaxData_T1New *t1 = setUpPlain(*family.taxpayer());
    t1->maritalStatus = maritalStatus;
    t1->f30500 = own30500;
    formOf<TaxData_Sch2>(*family.taxpayer(), FormType::SCH2, true);
    formOf<TaxData_Sch5>(*family.taxpayer(), FormType::SCH5, true)->spouseClaim = 1;
    if (coupled)
        setUpPlain(*family.spouse())->f30500 = spouse30500;
    if (infirmChild) {
        family.dependants().AllocData(1);
        DependantRecord &child = family.dependants().record(0);
        child.birthDate = QDate(2015, 2, 2);
        child.relationship = 1;
        child.infirm = 1;
    }
    ScriptedPresenter presenter;
    presenter.queueAnswer(QMessageBox::No);
    // The first dialog is the return file's warning when there is one, else the residency.
    QVERIFY(!family.preCheckReturn(2));
    QCOMPARE(presenter.shown().size(), 1);
    QCOMPARE(presenter.shown()[0].kind, QString(expected.isEmpty() ? "continue" : "warning"));
    if (!expected.isEmpty())
        QCOMPARE(presenter.shown()[0].text, expected);
}

void TestPreFilingReview::cwbLimits_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<bool>("spouse");
    QTest::addColumn<bool>("children");
    QTest::addColumn<bool>("disability");
    QTest::addColumn<double>("limit");
    QTest::addColumn<double>("minimum");
    QTest::newRow("Quebec, spouse and children")
        << 11 << true << true << false << 23718.79 << 2400.0;
    QTest::newRow("Quebec, spouse") << 11 << true << false << true << 31434.05 << 3600.0;
    QTest::newRow("Quebec, children") << 11 << false << true << false << 16974.03 << 2400.0;
    QTest::newRow("Quebec, alone") << 11 << false << false << false << 20332.99 << 2400.0;
    QTest::newRow("Alberta, family, disability") << 1 << true << false << true << 47720.0 << 910.0;
    QTest::newRow("Alberta, family") << 1 << false << true << false << 42920.0 << 2760.0;
    QTest::newRow("Alberta, single, disability") << 1 << false << false << true << 37117.0 << 910.0;
    QTest::newRow("Alberta, single") << 1 << false << false << false << 32317.0 << 2760.0;
    QTest::newRow("Nunavut, disability") << 8 << false << false << true << 64217.0 << 4800.0;
    QTest::newRow("Nunavut") << 8 << true << true << false << 57550.0 << 6000.0;
    QTest::newRow("Ontario, family, disability") << 9 << true << false << true << 46997.0 << 1150.0;
    QTest::newRow("Ontario, family") << 9 << false << true << false << 42197.0 << 3000.0;
    QTest::newRow("Ontario, single, disability")
        << 9 << false << false << true << 37044.0 << 1150.0;
    QTest::newRow("Ontario, single") << 9 << false << false << false << 32244.0 << 3000.0;
}

void TestPreFilingReview::cwbLimits()
{
    QFETCH(int, province);
    QFETCH(bool, spouse);
    QFETCH(bool, children);
    QFETCH(bool, disability);
    QFETCH(double, limit);
    QFETCH(double, minimum);
    const CwbLimit cwb = cwbLimitFor(province, spouse, children, disability);
    QCOMPARE(cwb.limit, limit);
    QCOMPARE(cwb.minimum, minimum);
}

void TestPreFilingReview::cwbHints_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("maritalStatus");
    QTest::addColumn<bool>("disability");
    QTest::addColumn<double>("working");
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<bool>("qualifies");
    QTest::addColumn<bool>("suggest");

    // Ontario single: L 32244, M 3000; threshold row columns 4 and 6: 3000 and 16667.
    QTest::newRow("single at both limits")
        << 9 << 40 << 5 << false << 3000.009 << 16667.0 << true << true;
    QTest::newRow("single below the minimum")
        << 9 << 40 << 5 << false << 3000.008 << 16667.0 << false << true;
    QTest::newRow("single above the hint's limit")
        << 9 << 40 << 5 << false << 3000.009 << 16667.01 << true << false;
    QTest::newRow("single 0.01 inside the test's limit")
        << 9 << 40 << 5 << false << 5000.0 << 32243.99 << true << false;
    QTest::newRow("single past the test's limit")
        << 9 << 40 << 5 << false << 5000.0 << 32243.992 << false << false;
    QTest::newRow("age 18") << 9 << 18 << 5 << false << 5000.0 << 10000.0 << false << false;
    QTest::newRow("age 19") << 9 << 19 << 5 << false << 5000.0 << 10000.0 << true << true;
    // Widowed: the family column (7: 25700) and no working-income minimum for the hint.
    QTest::newRow("widowed at the family limit")
        << 9 << 50 << 2 << false << 0.0 << 25700.0 << false << true;
    QTest::newRow("widowed past the family limit")
        << 9 << 50 << 2 << false << 0.0 << 25700.01 << false << false;
    // Disability: Ontario single 37044 and 1150; row columns 0 and 2: 1150 and 19750.
    QTest::newRow("single with disability")
        << 9 << 40 << 5 << true << 1150.009 << 19750.0 << true << true;
    // Quebec alone: L 20332.99, M 2400; the hint takes Quebec's threshold row (3000, 16667).
    QTest::newRow("Quebec at the minimum")
        << 11 << 40 << 5 << false << 2400.009 << 20332.981 << true << false;
    QTest::newRow("Quebec below the minimum")
        << 11 << 40 << 5 << false << 2400.0 << 10000.0 << false << false;
    // Nunavut (8): L 57550, M 6000; row columns 4 and 6: 6000 and 34500.
    QTest::newRow("Nunavut at both limits")
        << 8 << 40 << 5 << false << 6000.009 << 34500.0 << true << true;
    QTest::newRow("Nunavut below the minimum")
        << 8 << 40 << 5 << false << 5999.99 << 34500.0 << false << false;
}

void TestPreFilingReview::cwbHints()
{
    QFETCH(int, province);
    QFETCH(int, age);
    QFETCH(int, maritalStatus);
    QFETCH(bool, disability);
    QFETCH(double, working);
    QFETCH(double, netIncome);
    QFETCH(bool, qualifies);
    QFETCH(bool, suggest);
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    TaxData_T1New *t1 = setUpPerson(person, province, maritalStatus);
    t1->birthDate = QDate(2025 - age, 6, 1);
    t1->disabilityFlag = disability ? 1 : 0;
    t1->f10100 = working;
    t1->f23600 = netIncome;
    QCOMPARE(person.claimsDisabilityAmount(), disability);
    QCOMPARE(person.mayQualifyForCwb(), qualifies);
    QCOMPARE(person.shouldSuggestSchedule6(), suggest);
    QCOMPARE(family.shouldSuggestSchedule6(), suggest);
    // A Schedule 6 on the person on screen ends the return file's hint.
    formOf<TaxData_Sch6>(person, FormType::SCH6, true);
    QVERIFY(!family.shouldSuggestSchedule6());
}

void TestPreFilingReview::realDialogsUnderModalDriver()
{
    FamilyTaxData family(0);
    setUpPlain(*family.taxpayer());
    MessagePresenter *before = MessagePresenter::install(nullptr);
    ModalDriver driver;
    driver.pressButton("Continue");
    driver.pressButton("Continue");
    driver.pressButton("Yes");
    const bool result = family.preCheckReturn(2);
    MessagePresenter::install(before);
    QVERIFY(result);
    QCOMPARE(driver.pendingActions(), 0);
    const QList<ShownMessage> &seen = driver.seen();
    QCOMPARE(seen.size(), 3);
    for (const ShownMessage &m : seen)
        QCOMPARE(m.title, QString(kTitle));
    QVERIFY(seen[0].text.startsWith("Please confirm tax residency of the tax payer."));
    QVERIFY(seen[1].text.startsWith("NetFile Access Code\nYour unique Access code"));
    QCOMPARE(seen[1].size, QSize(700, 400));
    QCOMPARE(seen[2].text, QString(kWarning15));

    // Stop closes the dialog with 0.
    MessagePresenter::install(nullptr);
    ModalDriver stopper;
    stopper.pressButton("Stop");
    const bool stopped = family.preCheckReturn(2);
    MessagePresenter::install(before);
    QVERIFY(!stopped);
    QCOMPARE(stopper.seen().size(), 1);
}

QV_TEST_MAIN(TestPreFilingReview)
#include "tst_PreFilingReview.moc"
