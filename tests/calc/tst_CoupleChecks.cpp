// The couple checks and the review of one person with them.
#include "CheckFixture.h"
#include "PluginFolder.h"
#include "TestMain.h"
#include "plugin/TestPluginRecorder.h"

#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TypeCodes.h"

using namespace CheckFixture;

namespace {

const char kUccbSpouse[] =
    "UCCB must be claimed by your spouse because your spouse has lower net income.";
const char kUccbOwn[] = "UCCB must be claimed by you because you have lower net income.";
const char kT778[] = "One tax return should claim it has higher net income in form T778 for "
                     "child care expenses.";
const char kT1032[] = "Please make sure form T1032 (Election to Split Pension) is presented in "
                      "both coupled returns.";
const char kHomeBuyers[] =
    "The total of Home Buyer's Amount in field 31270 in both returns is more than $10,000.";
const char kAdoption1[] =
    "The total of field 31300 (adoption) for child 1 in both returns is more than $19580.00.";
const char kAdoption6[] =
    "The total of field 31300 (adoption) for child 6 in both returns is more than $19580.00.";

struct Couple
{
    PluginFolder plugins; // empty: no plug-in texts
    FamilyTaxData family{0};
    TaxData_T1New *own;
    TaxData_T1New *partner;

    Couple()
    {
        own = setUpPerson(*family.taxpayer(), 9, 0);
        partner = setUpPerson(*family.spouse(), 9, 0);
        partner->firstName = QStringLiteral("Paul");
    }
    QStringList coupleTexts(bool forSpouse = false)
    {
        std::list<CString> messages;
        family.checkCouple(2, messages, forSpouse);
        return QStringList(messages.begin(), messages.end());
    }
};

using CoupleSetup = std::function<void(Couple &)>;

} // namespace

Q_DECLARE_METATYPE(CoupleSetup)

class TestCoupleChecks : public QObject
{
    Q_OBJECT
private slots:
    void singleReturn();
    void emptyCoupleGroupIsAppended();
    void coupleChecks_data();
    void coupleChecks();
    void uccbIsSeenFromThePersonChecked();
    void provincialTextsComeLast();
};

void TestCoupleChecks::singleReturn()
{
    PluginFolder plugins;
    FamilyTaxData family(0);
    TaxData_T1New *t1 = setUpPerson(*family.taxpayer());
    t1->f45350 = 100;
    t1->birthDate = QDate(1950, 1, 1);
    std::list<ValidationMsgGroup *> groups;
    CString name("kept");
    QCOMPARE(family.collectCheckMessages(2, groups, name, true, true), 0);
    QVERIFY(groups.empty());
    QCOMPARE(QString(name), QString("kept"));

    QCOMPARE(family.collectCheckMessages(2, groups, name, false, true), 1);
    QCOMPARE(QString(name), QString("Louise Gagnon"));
    QCOMPARE(int(groups.size()), 1);
    QCOMPARE(groups.front()->m_kind, 4);
    std::list<CString> messages;
    QCOMPARE(family.checkCouple(2, messages, false), 0);
    QVERIFY(messages.empty());
    freeValidationMsgGroups(groups);
}

void TestCoupleChecks::emptyCoupleGroupIsAppended()
{
    Couple couple;
    couple.partner->f45350 = 100;
    couple.partner->birthDate = QDate(1950, 1, 1);
    std::list<ValidationMsgGroup *> groups{new ValidationMsgGroup};
    CString name;
    // The spouse's single-return group, then an empty couple group; the count adds no message.
    QCOMPARE(couple.family.collectCheckMessages(2, groups, name, true, true), 2);
    QCOMPARE(QString(name), QString("Paul Gagnon"));
    QCOMPARE(int(groups.size()), 3);
    QCOMPARE(groups.back()->m_kind, 5);
    QCOMPARE(groups.back()->m_type, 0);
    QVERIFY(groups.back()->m_msgs.empty());

    // A finding counts as one more.
    couple.own->f30500 = 1;
    couple.partner->f30500 = 1;
    freeValidationMsgGroups(groups);
    QCOMPARE(couple.family.collectCheckMessages(2, groups, name, false, true), 1);
    QCOMPARE(textsOf(groups, 5),
             QStringList{"You and your spouse can NOT claim the amount at field 30500 at the same "
                         "time."});
    freeValidationMsgGroups(groups);
    // Without the couple flag no couple group.
    QCOMPARE(couple.family.collectCheckMessages(2, groups, name, false, false), 0);
    QVERIFY(groups.empty());
}

void TestCoupleChecks::coupleChecks_data()
{
    QTest::addColumn<CoupleSetup>("setup");
    QTest::addColumn<QStringList>("expected");

    // Q = 1000 - 100 = 900; R = partner's net income; 2a fires once Q - R - U >= 0.009.
    const auto uccb = [](double partnerNet) {
        return CoupleSetup([partnerNet](Couple &c) {
            c.own->f23600 = 1000;
            c.own->uccbAmount = 100;
            c.partner->f23600 = partnerNet;
        });
    };
    QTest::newRow("2a at Q - R - U of 0.008") << uccb(799.992) << QStringList{};
    QTest::newRow("2a at Q - R - U of 0.009") << uccb(799.991) << QStringList{kUccbSpouse};
    QTest::newRow("2b: the spouse's benefit, own income higher") << CoupleSetup([](Couple &c) {
        c.own->spouseUccbAmount = 500;
        c.own->f23600 = 10000;
        c.partner->f23600 = 20000;
    }) << QStringList{kUccbOwn};

    const auto adoption = [](double partnerAmount) {
        return CoupleSetup([partnerAmount](Couple &c) {
            c.own->adoptionChild1 = 10000;
            c.partner->adoptionChild1 = partnerAmount;
        });
    };
    QTest::newRow("adoption 19580") << adoption(9580) << QStringList{};
    QTest::newRow("adoption 19580.005") << adoption(9580.005) << QStringList{};
    QTest::newRow("adoption 19580.01") << adoption(9580.01) << QStringList{kAdoption1};
    QTest::newRow("adoption child 6 on one side")
        << CoupleSetup([](Couple &c) { c.partner->adoptionChild6 = 20000; })
        << QStringList{kAdoption6};

    const auto homeBuyers = [](double own) {
        return CoupleSetup([own](Couple &c) {
            c.own->f31270 = own;
            c.partner->f31270 = 5000;
        });
    };
    QTest::newRow("home buyers 10000") << homeBuyers(5000) << QStringList{};
    QTest::newRow("home buyers 10000.01") << homeBuyers(5000.01) << QStringList{kHomeBuyers};

    const auto t778 = [](int own, int partner) {
        return CoupleSetup([=](Couple &c) {
            formOf<TaxData_T778New>(*c.family.taxpayer(), FormType::T778, true)->higherIncomeFlag1 =
                own;
            formOf<TaxData_T778New>(*c.family.spouse(), FormType::T778, true)->higherIncomeFlag1 =
                partner;
        });
    };
    QTest::newRow("T778 both set") << t778(1, 1) << QStringList{kT778};
    QTest::newRow("T778 both clear") << t778(0, 0) << QStringList{kT778};
    QTest::newRow("T778 one set") << t778(1, 0) << QStringList{};

    QTest::newRow("T1032 on neither") << CoupleSetup([](Couple &) {}) << QStringList{};
    QTest::newRow("T1032 on one") << CoupleSetup([](Couple &c) {
        c.family.spouse()->addForm(FormType::T1032, 0, true, 0, false);
    }) << QStringList{kT1032};
    QTest::newRow("T1032 on both") << CoupleSetup([](Couple &c) {
        c.family.spouse()->addForm(FormType::T1032, 0, true, 0, false);
        c.family.taxpayer()->addForm(FormType::T1032, 0, true, 0, false);
    }) << QStringList{};

    QTest::newRow("widowed without the change, order of checks")
        << CoupleSetup([](Couple &c) {
               c.partner->maritalStatus = 2;
               c.own->f30300 = 100;
               c.partner->f30300 = 100;
               c.own->f31270 = 10000.01;
               auto *sch2 = formOf<TaxData_Sch2>(*c.family.taxpayer(), FormType::SCH2, true);
               sch2->f36000 = 100;
               formOf<TaxData_Sch11>(*c.family.spouse(), FormType::SCH11, true)->f32700 = 99.99;
               formOf<TaxData_Sch6>(*c.family.taxpayer(), FormType::SCH6, true);
               formOf<TaxData_Sch6>(*c.family.spouse(), FormType::SCH6, true);
           })
        << QStringList{
               "If you are widowed in the tax year, please check the box under marital "
               "status to indicate marital status changed in the tax year, so spouse "
               "related amount can be filed.",
               "Both spouses claimed spouse amount in schedule 5, only one should claim it.",
               kHomeBuyers,
               "To claim an amount in field 36000 of Schedule 2, there has to be an even "
               "larger amount in field 32700 of spouse Schedule 11.",
               "Only one person between Married or Common-law couple can claim basic CWB "
               "benefit in schedule 6."};
}

void TestCoupleChecks::coupleChecks()
{
    QFETCH(CoupleSetup, setup);
    QFETCH(QStringList, expected);
    Couple couple;
    setup(couple);
    QCOMPARE(couple.coupleTexts(), expected);
}

void TestCoupleChecks::uccbIsSeenFromThePersonChecked()
{
    Couple couple;
    couple.own->f23600 = 30000;
    couple.own->uccbAmount = 1000;
    couple.partner->f23600 = 20000;
    QCOMPARE(couple.coupleTexts(false), QStringList{kUccbSpouse});
    QCOMPARE(couple.coupleTexts(true), QStringList{});
}

void TestCoupleChecks::provincialTextsComeLast()
{
    PluginFolder plugins;
    TestPluginRecorder recorder;
    recorder.scripts[9].coupleTexts = QStringList{"Ontario couple text"};
    QVERIFY(plugins.linkTestPlugin(9, &recorder));
    FamilyTaxData family(0);
    setUpPerson(*family.taxpayer(), 9, 0)->f30500 = 1;
    setUpPerson(*family.spouse(), 9, 0)->f30500 = 1;
    std::list<CString> messages{CString("before")};
    QCOMPARE(family.checkCouple(2, messages, false), 3);
    QCOMPARE(QStringList(messages.begin(), messages.end()),
             (QStringList{"before",
                          "You and your spouse can NOT claim the amount at field 30500 at the "
                          "same time.",
                          "Ontario couple text"}));
    QCOMPARE(recorder.callsOf("collectProvincialCoupleMessages"),
             QStringList{"9 collectProvincialCoupleMessages 9"});
}

QV_TEST_MAIN(TestCoupleChecks)
#include "tst_CoupleChecks.moc"
