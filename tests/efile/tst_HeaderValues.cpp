// The values of the filing envelope's header: NETFILE and EFILE maps.
#include <QtTest>

#include "EfileFixture.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"

using namespace EfileFixture;

namespace {
using Pairs = QList<QPair<QByteArray, QString>>;

Pairs pairsOf(const TemplateValues &values)
{
    Pairs out;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        out << qMakePair(it.key(), QString(it.value()));
    return out;
}
} // namespace

class TestHeaderValues : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void netfile_data();
    void netfile();
    void efile_data();
    void efile();
    void efileTestCase();
    void familyForwards();

private:
    DependantInfoStruct m_dependants;
};

void TestHeaderValues::init()
{
    CT1AppConfig &c = appInstance()->config;
    c.BusinessEFileNum = "X9&<1";
    c.BusinessEFilePassword = "pa<ss";
    c.MODEDEBUG = false;
}

void TestHeaderValues::netfile_data()
{
    QTest::addColumn<bool>("filedBefore");
    QTest::addColumn<QString>("accessCode");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("testCase");
    QTest::addColumn<Pairs>("expected");
    const Pairs common{{"agreement", "1"}, {"bod", "1980-06-01"}};
    QTest::newRow("filed before with an access code")
        << true << "a&b1"
        << "Lee" << 0
        << common + Pairs{{"accesscode", "a&amp;b1"}, {"firsttime", "0"}, {"sin", "046454286"}};
    QTest::newRow("filed before, blank access code")
        << true << "   "
        << "" << 7 << common + Pairs{{"firsttime", "0"}, {"sin", "046454286"}, {"testcaseID", "7"}};
    QTest::newRow("first-time filer, empty second name")
        << false << "AB12"
        << "" << 0
        << Pairs{{"agreement", "1"},  {"bod", "1980-06-01"}, {"familyname", "O&apos;Neil"},
                 {"firsttime", "1"},  {"givenname", "Mary"}, {"secondname", "X"},
                 {"sin", "046454286"}};
}

void TestHeaderValues::netfile()
{
    QFETCH(bool, filedBefore);
    QFETCH(QString, accessCode);
    QFETCH(QString, second);
    QFETCH(int, testCase);
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->filedBefore = filedBefore;
    t1->accessCode = accessCode;
    t1->secondName = second;
    t1->email = QString(" mary@x.ca ");
    t1->signedBalance = -12.5;
    TemplateValues values;
    CString email;
    double balance = 0;
    person.fillNetfileHeaderValues(values, 1, email, balance, testCase);
    QFETCH(Pairs, expected);
    std::sort(expected.begin(), expected.end());
    QCOMPARE(pairsOf(values), expected);
    QCOMPARE(QString(email), QString("mary@x.ca"));
    QCOMPARE(balance, -12.5);
}

void TestHeaderValues::efile_data()
{
    QTest::addColumn<QString>("forms");
    QTest::addColumn<Pairs>("expected");
    const Pairs identity{{"efilerID", "X9&amp;&lt;1"}, {"efpasd", "pa&lt;ss"}};
    const Pairs names{{"familyname", "O&apos;Neil"},
                      {"firsttime", "1"},
                      {"givenname", "Mary"},
                      {"secondname", "X"}};
    QTest::newRow("no T183") << "" << Pairs{{"dcn", ""}} + identity + names;
    QTest::newRow("T183 not signed, contact choice 0")
        << "T183"
        << Pairs{{"dcn", "D&amp;1"}} + identity + Pairs{{"esigned", "0"}, {"esigned_needed", " "}} +
               names + Pairs{{"postcntctcode", "3"}, {"precntctcode", "2"}};
    QTest::newRow("T183 signed, preparer, RC71 signed")
        << "T183 signed preparer RC71"
        << Pairs{{"dcn", "D&amp;1"}, {"discounterRegNum", "R&amp;9"}} + identity +
               Pairs{{"esigndate", "2026-02-20"},
                     {"esigned", "1"},
                     {"esigned_needed", " "},
                     {"esigntime", "14:05:09"}} +
               names + Pairs{{"postcntctcode", "3"},     {"precntctcode", "2"},
                             {"preparerRepresent", "1"}, {"preparerRepresentExpDate", "2026-12-31"},
                             {"rc71_exist", ""},         {"rc71_needed", " "},
                             {"rc71sign", "0"},          {"rc71signdate", "2026-02-21"},
                             {"rc71signed", "1"},        {"rc71signtime", "09:00:00"}};
    QTest::newRow("RC71 without T183")
        << "RC71"
        << Pairs{{"dcn", ""}, {"discounterRegNum", "R&amp;9"}} + identity + names +
               Pairs{{"rc71_exist", ""}, {"rc71sign", "0"}};
}

void TestHeaderValues::efile()
{
    QFETCH(QString, forms);
    IndividualTaxData person(0, &m_dependants);
    setUpPerson(person);
    if (forms.contains("T183")) {
        auto *t183 = add<TaxData_T183New>(person, FormType::T183);
        t183->documentControlNumber = QString("D&1");
        t183->preAssessment = 0;
        t183->postAssessment = 1;
        if (forms.contains("signed")) {
            t183->esigned = true;
            t183->signTimestamp = QString("2026-02-20T14:05:09");
        }
        if (forms.contains("preparer")) {
            t183->preparerAuthorisation = 1;
            t183->authorisationExpiry = QDate(2026, 12, 31);
        }
    }
    if (forms.contains("RC71")) {
        auto *rc71 = add<CTaxData_RC71>(person, FormType::RC71);
        rc71->discounterCode = QString("R&9");
        rc71->esigned = true;
        rc71->signTimestamp = QString("2026-02-21T09:00:00");
    }
    TemplateValues values;
    person.fillEfileHeaderValues(values, 1);
    QFETCH(Pairs, expected);
    std::sort(expected.begin(), expected.end());
    QCOMPARE(pairsOf(values), expected);
}

void TestHeaderValues::efileTestCase()
{
    IndividualTaxData person(0, &m_dependants);
    setUpPerson(person)->filedBefore = true;
    TemplateValues values{{"testid", "12"}};
    person.fillEfileHeaderValues(values, 1);
    QVERIFY(!values.contains("testcaseID"));
    QCOMPARE(values.value("firsttime"), CString("0"));
    QVERIFY(!values.contains("givenname"));
    appInstance()->config.MODEDEBUG = true;
    person.fillEfileHeaderValues(values, 1);
    QCOMPARE(values.value("testcaseID"), CString("12"));
    TemplateValues zero{{"testid", "0"}};
    person.fillEfileHeaderValues(zero, 1);
    QVERIFY(!zero.contains("testcaseID"));
}

void TestHeaderValues::familyForwards()
{
    FamilyTaxData family(0);
    setUpPerson(*family.getPersonData(PersonTaxpayer));
    setUpPerson(*family.getPersonData(PersonSpouse))->sin = QString("527000145");
    family.setCurrentPersonIndex(PersonSpouse);
    TemplateValues values;
    CString email;
    double balance = 1;
    family.fillNetfileHeaderValues(values, 0, email, balance, 0);
    QCOMPARE(values.value("sin"), CString("527000145"));
    TemplateValues efile;
    family.fillEfileHeaderValues(efile, 1);
    QCOMPARE(efile.value("givenname"), CString("Mary"));
}

QV_TEST_MAIN(TestHeaderValues)
#include "tst_HeaderValues.moc"
