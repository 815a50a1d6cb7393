// NETFILE/EFILE eligibility and the ReFile checks on small returns built for each case: the
// messages each gives, in order, and the preparation of a return for re-filing.
#include "EfileFixture.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "efile/FilingChecks.h"
#include "marrow/BusinessForms.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"

using namespace EfileFixture;
using namespace FilingChecks;

namespace {

// Builds the case's return: one token a change, "name:value" where the change takes a value.
void applyTokens(IndividualTaxData &person, TaxData_T1New *t1, const QStringList &tokens)
{
    for (const QString &token : tokens) {
        const QString name = token.section(':', 0, 0);
        const QString value = token.section(':', 1);
        if (name == "sin") {
            t1->sin = value;
        } else if (name == "province") {
            person.m_province = value.toInt();
            t1->province = value.toInt();
            t1->setMainTaxProvince(value.toInt());
        } else if (name == "l44000") {
            t1->f44000 = value.toDouble();
        } else if (name == "rc267") {
            t1->rc267Amount = value.toDouble();
        } else if (name == "rc268") {
            t1->rc268Amount = value.toDouble();
        } else if (name == "rc269") {
            t1->rc269Amount = value.toDouble();
        } else if (name == "forms") {
            const int type = value.section('x', 0, 0).toInt();
            for (int i = value.section('x', 1).toInt(); i > 0; --i)
                QVERIFY(person.addForm(type, 0, true, 0, false));
        } else if (name == "t1163") {
            auto *t1163 = add<TaxData_T1163New>(person, FormType::T1163);
            QVERIFY(t1163);
            t1163->farmsteadProvince = value.toInt();
        } else if (name == "schD") {
            auto *schD = add<TaxData_T1248SchD>(person, FormType::T1248SCHD);
            QVERIFY(schD);
            schD->residencyStatus = value.toInt();
        } else if (name == "selfEmploymentProvince") {
            t1->selfEmploymentProvince = value.toInt();
        } else if (name == "deceased") {
            t1->deathDate.setDate(QDate(2025, 8, 1));
        } else if (name == "bankrupt") {
            t1->bankruptDate.setDate(QDate(2025, 5, 10));
        } else if (name == "revoke") {
            t1->revokeFiscalPeriod = true;
        } else {
            QFAIL(qPrintable("unknown token " + token));
        }
    }
}

QStringList toStrings(const std::list<CString> &messages)
{
    QStringList out;
    for (const CString &m : messages)
        out.append(m);
    return out;
}

} // namespace

class TestEligibility : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void eligibility_data();
    void eligibility();
    void withoutT1EndsAtOnce_data();
    void withoutT1EndsAtOnce();
    void appendsToTheCallersList();
    void t1ddInTestingMode();
    void containsAnyId_data();
    void containsAnyId();
    void reFileBankruptcy_data();
    void reFileBankruptcy();
    void reFileRestrictions_data();
    void reFileRestrictions();
    void prepareReFile();
    void prepareReFileWithoutSummary();
    void familyForwardsToPersonOnScreen();
    void reFileCopyPath_data();
    void reFileCopyPath();

private:
    DependantInfoStruct m_dependants;
};

void TestEligibility::init()
{
    appInstance()->config.MODEDEBUG = false;
}

void TestEligibility::eligibility_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QStringList>("tokens");
    QTest::addColumn<QStringList>("messages");
    const QString ontario = "province:9";
    QTest::newRow("plain return, NETFILE") << 2 << QStringList{ontario} << QStringList();
    QTest::newRow("plain return, EFILE") << 1 << QStringList{ontario} << QStringList();
    QTest::newRow("no province") << 2 << QStringList{"province:0"} << QStringList{kUnsupported};
    QTest::newRow("province beyond the table")
        << 2 << QStringList{"province:14"} << QStringList{kUnsupported};
    QTest::newRow("SIN 08, NETFILE")
        << 2 << QStringList{ontario, "sin:081234567"} << QStringList{kNetfileSinPrefix};
    QTest::newRow("SIN 09, NETFILE")
        << 2 << QStringList{ontario, "sin:091234567"} << QStringList{kNetfileSinPrefix};
    QTest::newRow("SIN 07, NETFILE") << 2 << QStringList{ontario, "sin:071234567"} << QStringList();
    QTest::newRow("SIN 07, EFILE")
        << 1 << QStringList{ontario, "sin:071234567"} << QStringList{kEfileSinPrefix};
    QTest::newRow("SIN 08, other edition")
        << 3 << QStringList{ontario, "sin:081234567"} << QStringList();
    QTest::newRow("deemed resident")
        << 2 << QStringList{ontario, "schD:2"} << QStringList{kResidencyType};
    QTest::newRow("factual resident") << 2 << QStringList{ontario, "schD:1"} << QStringList();
    QTest::newRow("self-employed in another province")
        << 2 << QStringList{ontario, "selfEmploymentProvince:2"}
        << QStringList{kSelfEmploymentProvince};
    QTest::newRow("self-employed in the tax province")
        << 2 << QStringList{ontario, "selfEmploymentProvince:9"} << QStringList();
    QTest::newRow("deceased, NETFILE")
        << 2 << QStringList{ontario, "deceased"} << QStringList{kDeceased};
    QTest::newRow("deceased, EFILE") << 1 << QStringList{ontario, "deceased"} << QStringList();
    QTest::newRow("bankrupt, NETFILE")
        << 2 << QStringList{ontario, "bankrupt"} << QStringList{kBankrupt};
    QTest::newRow("bankrupt, EFILE")
        << 1 << QStringList{ontario, "bankrupt"} << QStringList{kBankrupt};
    QTest::newRow("bankrupt and revoked, EFILE") << 1 << QStringList{ontario, "bankrupt", "revoke"}
                                                 << QStringList{kRevokedFiscalPeriod, kBankrupt};
    QTest::newRow("revoked alone, EFILE") << 1 << QStringList{ontario, "revoke"} << QStringList();
    QTest::newRow("RC267 with RC269") << 2 << QStringList{ontario, "rc267:120", "rc269:0.01"}
                                      << QStringList{kForeignPlanCombination};
    QTest::newRow("RC268 with a negative RC267")
        << 2 << QStringList{ontario, "rc268:50", "rc267:-40"}
        << QStringList{kForeignPlanCombination};
    QTest::newRow("RC268 alone") << 2 << QStringList{ontario, "rc268:500"} << QStringList();
    QTest::newRow("RC267 with RC269 below the tolerance")
        << 2 << QStringList{ontario, "rc267:120", "rc269:0.008"} << QStringList();
    QTest::newRow("RC267 with RC269, EFILE")
        << 1 << QStringList{ontario, "rc267:120", "rc269:10"} << QStringList();
    QTest::newRow("line 44000 in Quebec")
        << 2 << QStringList{"province:11", "l44000:250"} << QStringList();
    QTest::newRow("line 44000 in Ontario")
        << 2 << QStringList{ontario, "l44000:250"} << QStringList{kMultipleJurisdictions};
    QTest::newRow("line 44000 below the tolerance")
        << 2 << QStringList{ontario, "l44000:0.005"} << QStringList();
    QTest::newRow("T1DD") << 2 << QStringList{ontario, "forms:52x1"} << QStringList{kT1DD};
    QTest::newRow("3 T2209") << 2 << QStringList{ontario, "forms:35x3"} << QStringList();
    QTest::newRow("4 T2209") << 2 << QStringList{ontario, "forms:35x4"}
                             << QStringList{kTooManyT2209};
    QTest::newRow("12 SFD forms") << 2 << QStringList{ontario, "forms:125x12"} << QStringList();
    QTest::newRow("13 SFD forms") << 2 << QStringList{ontario, "forms:125x13"}
                                  << QStringList{kTooManySFD};
    QTest::newRow("a T1163 counts: 12 T2125 and a T1163")
        << 2 << QStringList{ontario, "forms:125x12", "t1163:9"} << QStringList{kTooManySFD};
    QTest::newRow("T1163 in the tax province")
        << 2 << QStringList{ontario, "t1163:9"} << QStringList();
    QTest::newRow("two T1163 in other provinces")
        << 2 << QStringList{ontario, "t1163:2", "t1163:9", "t1163:10"}
        << QStringList{kFarmsteadProvince, kFarmsteadProvince};
    QTest::newRow("several problems in step order") << 2
                                                    << QStringList{"province:0",
                                                                   "t1163:5",
                                                                   "forms:35x4",
                                                                   "forms:52x1",
                                                                   "l44000:10",
                                                                   "rc269:1",
                                                                   "rc268:1",
                                                                   "deceased",
                                                                   "schD:2",
                                                                   "sin:091234567",
                                                                   "selfEmploymentProvince:4"}
                                                    << QStringList{kUnsupported,
                                                                   kNetfileSinPrefix,
                                                                   kResidencyType,
                                                                   kSelfEmploymentProvince,
                                                                   kDeceased,
                                                                   kForeignPlanCombination,
                                                                   kMultipleJurisdictions,
                                                                   kT1DD,
                                                                   kTooManyT2209,
                                                                   kFarmsteadProvince};
}

void TestEligibility::eligibility()
{
    QFETCH(int, edition);
    QFETCH(QStringList, tokens);
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->setMainTaxProvince(9);
    // A number EFILE takes too; the cases on the prefix set their own.
    t1->sin = QString("446454286");
    applyTokens(person, t1, tokens);
    ScriptedPresenter presenter;
    std::list<CString> messages;
    const int count = person.checkNetfileEligibility(edition, messages);
    QTEST(toStrings(messages), "messages");
    QCOMPARE(count, int(messages.size()));
    QCOMPARE(presenter.shownTexts(), QStringList());
}

void TestEligibility::withoutT1EndsAtOnce_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Ontario") << 9 << QStringList{kUnsupported};
    QTest::newRow("no province") << 0 << QStringList{kUnsupported, kUnsupported};
}

void TestEligibility::withoutT1EndsAtOnce()
{
    QFETCH(int, province);
    IndividualTaxData person(0, &m_dependants);
    person.m_province = province;
    // Problems the later steps would find stay unreported: they read the T1.
    for (int i = 0; i < 4; ++i)
        QVERIFY(person.addForm(FormType::T2209, 0, true, 0, false));
    QVERIFY(person.addForm(FormType::T1DD, 0, true, 0, false));
    std::list<CString> messages;
    const int count = person.checkNetfileEligibility(2, messages);
    QCOMPARE(count, int(messages.size()));
    QTEST(toStrings(messages), "messages");
}

void TestEligibility::appendsToTheCallersList()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->f44000 = 3;
    std::list<CString> messages{"earlier"};
    QCOMPARE(person.checkNetfileEligibility(2, messages), 2);
    QCOMPARE(toStrings(messages), (QStringList{"earlier", kMultipleJurisdictions}));
}

void TestEligibility::t1ddInTestingMode()
{
    appInstance()->config.MODEDEBUG = true;
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->setMainTaxProvince(9);
    QVERIFY(person.addForm(FormType::T1DD, 0, true, 0, false));
    ScriptedPresenter presenter;
    std::list<CString> messages;
    QCOMPARE(person.checkNetfileEligibility(2, messages), 0);
    QCOMPARE(presenter.shown().size(), 1);
    const ShownMessage shown = presenter.shown().value(0);
    QCOMPARE(shown.kind, "information");
    QCOMPARE(shown.title, "Quorvandelle 2025");
    QCOMPARE(shown.text, "Netfile will skip T1DD form.");
}

void TestEligibility::containsAnyId_data()
{
    QTest::addColumn<QList<int>>("set");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("found");
    const QList<int> lines{116, 210, 252, 253};
    QTest::newRow("one in the set") << QList<int>{1, 252} << lines << 4 << true;
    QTest::newRow("none in the set") << QList<int>{1, 2, 3} << lines << 4 << false;
    QTest::newRow("empty set") << QList<int>() << lines << 4 << false;
    QTest::newRow("count 0") << QList<int>{116} << lines << 0 << false;
    QTest::newRow("negative count") << QList<int>{116} << lines << -1 << false;
    QTest::newRow("only the first ids counted") << QList<int>{253} << lines << 3 << false;
    QTest::newRow("last id counted") << QList<int>{253} << lines << 4 << true;
}

void TestEligibility::containsAnyId()
{
    QFETCH(QList<int>, set);
    QFETCH(QList<int>, ids);
    QFETCH(int, count);
    const std::set<int> values(set.begin(), set.end());
    const std::vector<int> list(ids.begin(), ids.end());
    QTEST(::containsAnyId(values, list.data(), count), "found");
}

void TestEligibility::reFileBankruptcy_data()
{
    QTest::addColumn<QDate>("bankruptDate");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("no bankruptcy") << QDate() << QStringList();
    QTest::newRow("bankrupt this year") << QDate(2025, 3, 2) << QStringList{kReFileBankruptcy};
    QTest::newRow("bankrupt another year") << QDate(2023, 3, 2) << QStringList();
}

void TestEligibility::reFileBankruptcy()
{
    QFETCH(QDate, bankruptDate);
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    if (bankruptDate.isValid())
        t1->bankruptDate.setDate(bankruptDate);
    for (int edition : {1, 2}) {
        std::list<CString> messages;
        const int count = person.checkReFileBankruptcy(edition, messages);
        QCOMPARE(count, int(messages.size()));
        QTEST(toStrings(messages), "messages");
    }
}

void TestEligibility::reFileRestrictions_data()
{
    QTest::addColumn<QList<int>>("forms");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("summary and snapshot")
        << QList<int>{FormType::T1KS, FormType::T1KSREFILE} << QStringList();
    QTest::newRow("neither") << QList<int>() << QStringList{kReFileBroken};
    QTest::newRow("summary only") << QList<int>{FormType::T1KS} << QStringList{kReFileBroken};
    QTest::newRow("snapshot only")
        << QList<int>{FormType::T1KSREFILE} << QStringList{kReFileBroken};
}

void TestEligibility::reFileRestrictions()
{
    QFETCH(QList<int>, forms);
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    // Changed pension-split and loss lines: the rule on them does not fire.
    t1->f11600 = 2000;
    t1->f25300 = 300;
    for (int type : forms)
        QVERIFY(person.addForm(type, 0, true, 0, false));
    std::list<CString> messages;
    const int count = person.checkReFileRestrictions(messages);
    QCOMPARE(count, int(messages.size()));
    QTEST(toStrings(messages), "messages");
}

void TestEligibility::prepareReFile()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->filingStatus = 1;
    auto *summary = add<TaxData_T1KSNew>(person, FormType::T1KS);
    QVERIFY(summary);
    summary->gstCredit = 321.5;
    summary->fullName = QString("Mary O'Neil");
    QVERIFY(!person.hasForm(FormType::T1KSREFILE));

    QCOMPARE(person.prepareReFile(), 0);
    auto *snapshot =
        dynamic_cast<TaxData_T1KSNew *>(person.getForm(FormType::T1KSREFILE, 0, false));
    QVERIFY(snapshot);
    QCOMPARE(snapshot->getType(), FormType::T1KSREFILE);
    QCOMPARE(double(snapshot->gstCredit), 321.5);
    QCOMPARE(snapshot->fullName.value(), QString("Mary O'Neil"));
    QCOMPARE(int(t1->reFileFlag), 1);
    QCOMPARE(int(t1->filingStatus), 2);
    int flag = -1;
    QVERIFY(person.getFormIntByKey(2, flag));
    QCOMPARE(flag, 1);
    std::list<CString> messages;
    QCOMPARE(person.checkReFileRestrictions(messages), 0);

    // A later change of the summary leaves the snapshot as it was.
    summary->gstCredit = 10;
    QCOMPARE(double(snapshot->gstCredit), 321.5);

    QCOMPARE(person.clearReFileFlag(), 0);
    QCOMPARE(int(t1->reFileFlag), 0);
    QCOMPARE(int(t1->filingStatus), 2);
}

void TestEligibility::prepareReFileWithoutSummary()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->filingStatus = 1;
    QCOMPARE(person.prepareReFile(), -1);
    QCOMPARE(int(t1->reFileFlag), 0);
    QCOMPARE(int(t1->filingStatus), 1);
}

void TestEligibility::familyForwardsToPersonOnScreen()
{
    FamilyTaxData family(0);
    TaxData_T1New *taxpayer = setUpPerson(*family.taxpayer());
    TaxData_T1New *spouse = setUpPerson(*family.spouse());
    taxpayer->setMainTaxProvince(9);
    spouse->setMainTaxProvince(9);
    spouse->bankruptDate.setDate(QDate(2025, 2, 1));
    QVERIFY(add<TaxData_T1KSNew>(*family.spouse(), FormType::T1KS));

    family.setCurrentPersonIndex(-1);
    std::list<CString> messages;
    QCOMPARE(family.checkNetfileEligibility(2, messages), 1);
    QCOMPARE(family.checkReFileBankruptcy(2, messages), 2);
    QCOMPARE(family.checkReFileRestrictions(messages), 3);
    QCOMPARE(toStrings(messages), (QStringList{kBankrupt, kReFileBankruptcy, kReFileBroken}));
    QCOMPARE(family.prepareReFile(), 0);
    QCOMPARE(int(spouse->reFileFlag), 1);
    QCOMPARE(int(taxpayer->reFileFlag), 0);
    QCOMPARE(family.clearReFileFlag(), 0);
    QCOMPARE(int(spouse->reFileFlag), 0);

    family.setCurrentPersonIndex(-2);
    messages.clear();
    QCOMPARE(family.checkNetfileEligibility(2, messages), 0);
    QCOMPARE(family.prepareReFile(), -1);
}

void TestEligibility::reFileCopyPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("copy");
    const QDateTime time(QDate(2026, 3, 15), QTime(14, 30, 59));
    QTest::newRow("lower case") << "/r/Smith.r25" << time << "/r/Smith_RF2603151430.r25";
    QTest::newRow("capitals") << "/r/SMITH.R25" << time << "/r/SMITH_RF2603151430.R25";
    QTest::newRow("a copy again") << "/r/Smith_RF2603151430.r25"
                                  << QDateTime(QDate(2026, 3, 15), QTime(14, 31))
                                  << "/r/Smith_RF2603151430_RF2603151431.r25";
    QTest::newRow("no extension") << "/r/Smith" << time << "/r/Smith_RF2603151430";
    QTest::newRow("another extension") << "/r/Smith.r24" << time << "/r/Smith.r24_RF2603151430";
    QTest::newRow("dots in the name")
        << "/r/Smith.John.r25" << time << "/r/Smith.John_RF2603151430.r25";
    QTest::newRow("folder named like a file")
        << "/r/old.r25/Smith" << time << "/r/old.r25/Smith_RF2603151430";
    QTest::newRow("the extension alone") << "/r/.r25" << time << "/r/.r25_RF2603151430";
    QTest::newRow("morning, new year")
        << "/r/a b.r25" << QDateTime(QDate(2027, 1, 2), QTime(9, 5)) << "/r/a b_RF2701020905.r25";
}

void TestEligibility::reFileCopyPath()
{
    QFETCH(QString, path);
    QFETCH(QDateTime, time);
    QTEST(::reFileCopyPath(path, time), "copy");
}

QV_TEST_MAIN(TestEligibility)
#include "tst_Eligibility.moc"
