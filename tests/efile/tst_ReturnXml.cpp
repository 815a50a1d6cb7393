// The T1 return XML: golden returns, the element order of each, and the rules of its keys.
#include <QtTest>

#include "EfileFixture.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "efile/ReturnXml.h"
#include "marrow/BusinessForms.h"
#include "marrow/FederalForms.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"

#include <tinyxml.h>

using namespace EfileFixture;

namespace {

// The prefixes the filing envelope declares, around a return so that it parses alone.
QByteArray wrapped(const QByteArray &xml)
{
    return "<wrap xmlns:t1=\"urn:t1\" xmlns:tp=\"urn:tp\" xmlns:comm=\"urn:comm\" "
           "xmlns:sfd=\"urn:sfd\">" +
           xml + "</wrap>";
}

void collectPaths(const TiXmlElement *element, const QString &parent, QStringList &out)
{
    for (const TiXmlElement *child = element->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        const QString path =
            parent.isEmpty() ? QString(child->Value()) : parent + '/' + QString(child->Value());
        out << path;
        collectPaths(child, path, out);
    }
}

// The element paths in document order; empty when the text does not parse.
QStringList elementPaths(const QByteArray &xml)
{
    TiXmlDocument doc;
    doc.Parse(wrapped(xml).constData());
    if (doc.Error() || !doc.RootElement())
        return {};
    QStringList paths;
    collectPaths(doc.RootElement(), QString(), paths);
    return paths;
}

// The text of the first element of that name, or a null text.
QString elementText(const QByteArray &xml, const char *name)
{
    TiXmlDocument doc;
    doc.Parse(wrapped(xml).constData());
    QList<const TiXmlElement *> stack{doc.RootElement()};
    while (!stack.isEmpty()) {
        const TiXmlElement *e = stack.takeFirst();
        if (!e)
            continue;
        if (qstrcmp(e->Value(), name) == 0)
            return QString::fromUtf8(e->GetText() ? e->GetText() : "");
        QList<const TiXmlElement *> children;
        for (const TiXmlElement *c = e->FirstChildElement(); c; c = c->NextSiblingElement())
            children << c;
        stack = children + stack;
    }
    return QString();
}

QByteArray golden(const char *name)
{
    QFile file(QStringLiteral(QV_GOLDEN_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Part 1's elements in the order the return XML gives them: the path, the editions it is in
// (1 EFILE, 2 NETFILE, 3 both) and whether it is optional.
struct PartElement
{
    const char *path;
    int editions;
    bool optional;
};

const PartElement kPart1[] = {
    {"t1:T1Return", 3, false},
    {"t1:T1Return/comm:SoftwareID", 3, false},
    {"t1:T1Return/comm:SoftwareRevisionDate", 3, false},
    {"t1:T1Return/t1:MultipleTaxYearReturnIndicator", 3, true},
    {"t1:T1Return/t1:AmendedTaxReturnIndicator", 3, true},
    {"t1:T1Return/t1:AutoFillData", 3, false},
    {"t1:T1Return/t1:AutoFillData/t1:AutoFillReturnIndicator", 3, false},
    {"t1:T1Return/t1:AutoFillData/t1:AutoFillRequestDate", 3, true},
    {"t1:T1Return/t1:TaxpayerData", 3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerBasicData", 3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerBasicData/tp:TaxpayerSocialInsuranceNumber", 3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerBasicData/tp:TaxYear", 3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerBasicData/tp:TaxpayerBirthDate", 3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerBasicData/tp:SelfEmployedSpouseDeadlineIndicator", 3,
     false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerMaritalStatusData", 3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerMaritalStatusData/tp:TaxpayerMaritalStatusCode", 3,
     false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerMaritalStatusData/"
     "tp:TaxpayerMaritalStatusChangeIndicator",
     3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerMaritalStatusData/tp:TaxpayerMaritalStatusChangeDate",
     3, true},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerResidenceData", 3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerResidenceData/"
     "tp:TaxpayerYearEndResidenceProvinceCode",
     3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerResidenceData/tp:ProvinceOfResidenceEffectiveDate", 3,
     true},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerSpouseData", 3, true},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerSpouseData/tp:SpouseSocialInsuranceNumber", 3, true},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerSpouseData/tp:SpouseGivenName", 3, true},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerSpouseData/tp:SpouseNetIncomeAmount", 3, true},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData", 3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData/comm:TaxpayerName", 3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData/comm:TaxpayerName/comm:GivenName", 3,
     false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData/comm:TaxpayerName/comm:FamilyName", 3,
     false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData/tp:SurnameChangeIndicator", 1, true},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData/tp:ResidencyType", 3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData/tp:ForeignMailingAddressIndicator", 2,
     false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData/tp:TaxpayerMailingAddress", 3, true},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData/tp:TaxpayerHomeTelephoneNumber", 3, false},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData/tp:TaxpayerHomeTelephoneNumber/"
     "comm:TelephoneAreaCode",
     3, true},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData/tp:TaxpayerHomeTelephoneNumber/"
     "comm:TelephoneLocalNumber",
     3, true},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData/tp:TaxpayerEmailAddress", 3, true},
    {"t1:T1Return/t1:TaxpayerData/tp:TaxpayerContactData/tp:CorrespondenceLanguageCode", 3, false},
    {"t1:T1Return/t1:RelatedProgramData", 3, false},
    {"t1:T1Return/t1:RelatedProgramData/t1:CanadianCitizenshipIndicator", 3, false},
    {"t1:T1Return/t1:RelatedProgramData/t1:ElectionsCanadaAuthorizationIndicator", 3, true},
    {"t1:T1Return/t1:RelatedProgramData/t1:IncomeTaxExemptIndianActIndicator", 3, false},
    {"t1:T1Return/t1:RelatedProgramData/t1:DonorConsentIndicator", 3, true},
    {"t1:T1Return/t1:DeceasedData", 1, true},
    {"t1:T1Return/t1:DeceasedData/t1:DeceasedIndicator", 1, true},
    {"t1:T1Return/t1:DeceasedData/t1:DeathDate", 1, true},
    {"t1:T1Return/t1:DeceasedData/t1:ElectionToTaxDeceasedBeneficiaryIndicator", 1, true},
    {"t1:T1Return/t1:BankruptcyData", 1, true},
    {"t1:T1Return/t1:BankruptcyData/t1:BankruptcyIndicator", 1, true},
    {"t1:T1Return/t1:BankruptcyData/t1:PostBankruptcyNetIncomeAmount", 1, true},
    {"t1:T1Return/t1:BankruptcyData/t1:PostBankruptcyAdjustedNetIncomeAmount", 1, true},
};

// The mailing address elements, in order.
const char *const kCanadianAddress[] = {"comm:CanadianMailingAddress",
                                        "comm:CanadianMailingAddress/comm:AddressStreetText",
                                        "comm:CanadianMailingAddress/comm:AddressMunicipalityName",
                                        "comm:CanadianMailingAddress/comm:AddressProvinceCode",
                                        "comm:CanadianMailingAddress/comm:AddressPostalCode",
                                        "tp:HomeAddressSameAsMailingAddressIndicator"};
const char *const kUsaAddress[] = {"comm:NonCanadianMailingAddress",
                                   "comm:NonCanadianMailingAddress/comm:AddressStreetText",
                                   ("comm:NonCanadianMailingAddress/"
                                    "comm:GlobalAddressMunicipalityName"),
                                   "comm:NonCanadianMailingAddress/comm:StateCode",
                                   "comm:NonCanadianMailingAddress/comm:USZipCode",
                                   "comm:NonCanadianMailingAddress/comm:USZipCode/comm:ZipCode",
                                   "comm:NonCanadianMailingAddress/comm:CountryCode"};

// The part-1 paths of an edition with the optional elements named present (by last segment),
// the mailing address elements after the address element, then the records as given.
QStringList expectedPaths(int edition, const QStringList &present, const QStringList &address,
                          const QStringList &records)
{
    QStringList paths;
    for (const PartElement &e : kPart1) {
        const QString path = e.path;
        if (!(e.editions & edition))
            continue;
        if (e.optional && !present.contains(path.section('/', -1)))
            continue;
        paths << path;
        if (path.endsWith("tp:TaxpayerMailingAddress")) {
            for (const QString &a : address)
                paths << path + '/' + a;
        }
    }
    for (const QString &r : records)
        paths << "t1:T1Return/" + r;
    return paths;
}

QStringList listOf(const char *const *items, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << items[i];
    return out;
}

QStringList lines(std::initializer_list<int> codes)
{
    QStringList out;
    for (int code : codes)
        out << "t1:L" + QString::number(code);
    return out;
}

const std::initializer_list<int> kSupportCodes = {67650, 67830, 67820, 67860, 67840,
                                                  67910, 68080, 68100, 68110};

} // namespace

class TestReturnXml : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void goldens_data();
    void goldens();
    void spouseBlock_data();
    void spouseBlock();
    void dateOfMove_data();
    void dateOfMove();
    void citizenship();
    void softwareId_data();
    void softwareId();
    void bankruptcyRounding_data();
    void bankruptcyRounding();
    void homeAddress_data();
    void homeAddress();
    void userTextIsEscaped();
    void familyForwardsToPersonOnScreen();

private:
    QByteArray generate(IndividualTaxData &person, int edition)
    {
        QString out;
        person.generateReturnXml(out, edition);
        return out.toUtf8();
    }
    DependantInfoStruct m_dependants;
};

void TestReturnXml::initTestCase()
{
    Q_INIT_RESOURCE(net);
    setSoftwareSettings();
}

void TestReturnXml::goldens_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("edition");
    QTest::addColumn<QStringList>("paths");
    const QStringList canada = listOf(kCanadianAddress, 6);
    QTest::newRow("NETFILE first-time filer")
        << "netfile_first.xml" << 2
        << expectedPaths(2,
                         {"tp:TaxpayerMailingAddress", "comm:TelephoneAreaCode",
                          "comm:TelephoneLocalNumber", "tp:TaxpayerEmailAddress",
                          "t1:ElectionsCanadaAuthorizationIndicator", "t1:DonorConsentIndicator"},
                         canada, lines({10100, 15000}) + lines(kSupportCodes));
    QTest::newRow("NETFILE re-filed, multi-year")
        << "netfile_refile.xml" << 2
        << expectedPaths(
               2,
               {"t1:MultipleTaxYearReturnIndicator", "t1:AmendedTaxReturnIndicator",
                "tp:TaxpayerSpouseData", "tp:SpouseSocialInsuranceNumber", "tp:SpouseGivenName",
                "tp:SpouseNetIncomeAmount", "tp:TaxpayerMailingAddress",
                "t1:ElectionsCanadaAuthorizationIndicator", "t1:DonorConsentIndicator"},
               canada,
               lines({30400, 12599, 12600, 55290}) + lines(kSupportCodes) +
                   QStringList{"t1:SelectedFinancialDataRecordCount", "sfd:SelectedFinancialData",
                               "sfd:SelectedFinancialData/t1:L12599",
                               "sfd:SelectedFinancialData/t1:L12600"});
    QTest::newRow("USA address, NETFILE")
        << "usa_netfile.xml" << 2
        << expectedPaths(2, {"t1:DonorConsentIndicator"}, {}, lines({9915}) + lines(kSupportCodes));
    QTest::newRow("USA address, EFILE")
        << "usa_efile.xml" << 1
        << expectedPaths(1,
                         {"tp:SurnameChangeIndicator", "tp:TaxpayerMailingAddress",
                          "t1:DonorConsentIndicator"},
                         listOf(kUsaAddress, 7),
                         lines({9915}) + lines(kSupportCodes) + lines({49000}));
    // A re-filed return as a reload leaves it: the summary, the snapshot of the return as first
    // filed and last year's copy all hold line amounts under the T1's names, and the dividend
    // worksheet holds line 12000 too; each line is written once, with the T1's amended amount.
    const QStringList refiled = {"t1:AmendedTaxReturnIndicator", "tp:TaxpayerMailingAddress",
                                 "t1:ElectionsCanadaAuthorizationIndicator",
                                 "t1:DonorConsentIndicator"};
    QTest::newRow("NETFILE re-filed, with the summary and its copies")
        << "netfile_summaries.xml" << 2
        << expectedPaths(2, refiled, canada,
                         lines({10100, 12000, 15000, 43500}) + lines(kSupportCodes));
    QTest::newRow("EFILE re-filed, with the summary and its copies")
        << "efile_summaries.xml" << 1
        << expectedPaths(1, refiled + QStringList{"tp:SurnameChangeIndicator"}, canada,
                         lines({10100, 12000, 15000, 43500}) + lines(kSupportCodes) +
                             lines({49000}));
    QStringList careOf = canada;
    careOf.prepend("comm:AddressCareOfLineText");
    QTest::newRow("EFILE bankrupt and deceased, T183 and RC71")
        << "efile_bankrupt_deceased.xml" << 1
        << expectedPaths(
               1,
               {"tp:TaxpayerMaritalStatusChangeDate", "tp:ProvinceOfResidenceEffectiveDate",
                "tp:SurnameChangeIndicator", "tp:TaxpayerMailingAddress", "comm:TelephoneAreaCode",
                "comm:TelephoneLocalNumber", "t1:ElectionsCanadaAuthorizationIndicator",
                "t1:DonorConsentIndicator", "t1:DeceasedData", "t1:DeceasedIndicator",
                "t1:DeathDate", "t1:ElectionToTaxDeceasedBeneficiaryIndicator", "t1:BankruptcyData",
                "t1:BankruptcyIndicator", "t1:PostBankruptcyNetIncomeAmount",
                "t1:PostBankruptcyAdjustedNetIncomeAmount"},
               careOf,
               lines({15000, 13499, 13500}) + lines(kSupportCodes) + lines({49000}) +
                   QStringList{"sfd:SelectedFinancialData"});
}

void TestReturnXml::goldens()
{
    QFETCH(QString, name);
    QFETCH(int, edition);
    QFETCH(QStringList, paths);
    const QByteArray expected = golden(qPrintable(name));
    QVERIFY(!expected.isEmpty());
    // The golden itself follows the element order and parses.
    QCOMPARE(elementPaths(expected), paths);
    QVERIFY(expected.endsWith("\r\n") && !expected.contains("\n\n"));

    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    if (name == "netfile_first.xml") {
        t1->f10100 = 50000;
        t1->f15000 = 50000;
        t1->phone = QString("(416) 555-0123");
        t1->email = QString("a&b<c>@x.ca");
    } else if (name == "netfile_refile.xml") {
        t1->reFileFlag = 1;
        t1->multiYearFiling = true;
        t1->filedBefore = true;
        t1->maritalStatus = 0;
        t1->selfEmployedDeadline = true;
        t1->spouseSin = QString("527000145");
        t1->spouseFirstName = QString("Alexandra");
        t1->spouseNetIncome = 0.5;
        t1->f30400 = 100;
        add<TaxData_T776New>(person, FormType::T776)->grossRental = 1000;
    } else if (name.endsWith("_summaries.xml")) {
        auto setLines = [t1](double income, double tax) {
            t1->f10100 = income;
            t1->f15000 = income;
            t1->f43500 = tax;
        };
        t1->f12000 = 300;
        add<TaxData_WS_D1>(person, FormType::WSD1)->f12000 = 300;
        setLines(55000, 8000);
        add<TaxData_T1KSNew>(person, FormType::T1KSPRIOR)->copyT1Part(*t1);
        setLines(60000, 9000);
        add<TaxData_T1KSNew>(person, FormType::T1KS)->copyT1Part(*t1);
        t1->reFileFlag = 1;
        person.afterLoad(quint8(edition)); // takes the snapshot of the summary as filed
        QVERIFY(person.getForm(FormType::T1KSREFILE, 0, false));
        setLines(61000, 9200);
        static_cast<TaxData_T1KSNew *>(person.getForm(FormType::T1KS, 0, false))->copyT1Part(*t1);
    } else if (name.startsWith("usa_")) {
        t1->foreignAddress = true;
        t1->street = QString("5 Fifth Ave");
        t1->city = QString("New York");
        t1->state = QString("NY ");
        t1->postalCode = QString(" 10001");
        t1->country = QString(" usa ");
        t1->citizen = 2;
        t1->homeAddressSame = 2;
    } else {
        t1->filedBefore = true;
        t1->lastName = QString("O'Neil & <Co>");
        t1->maritalStatus = 2;
        t1->maritalChange = 1;
        t1->maritalChangeDate = QDate(2025, 2, 10);
        t1->dateOfMove = QDate(2026, 1, 15);
        t1->phone = QString("416-555-0123");
        t1->careOf = QString("c/o Estate");
        t1->deathDate = QDate(2025, 8, 15);
        t1->deceasedBeneficiaryElection = true;
        t1->bankruptDate = QDate(2025, 3, 1);
        t1->postBankruptNetIncome = -7.6;
        t1->postBankruptAdjustedNetIncome = 0;
        t1->f15000 = 100;
        add<TaxData_T183New>(person, FormType::T183);
        add<CTaxData_RC71>(person, FormType::RC71);
        add<TaxData_T2125_New>(person, FormType::T2125)->grossIncome = 500;
        add<TaxData_T2091>(person, FormType::T2091);
    }
    const QByteArray actual = generate(person, edition);
    QCOMPARE(actual, expected);
}

void TestReturnXml::spouseBlock_data()
{
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<QString>("givenName");
    QTest::addColumn<double>("benefit");
    QTest::addColumn<QString>("block");
    const QString sin =
        "<tp:SpouseSocialInsuranceNumber>527000145</tp:SpouseSocialInsuranceNumber>";
    QTest::newRow("net income 0.49")
        << 0.49 << "Bob" << 0.0 << sin + "<tp:SpouseGivenName>Bob</tp:SpouseGivenName>";
    QTest::newRow("net income 0.5, nine letters")
        << 0.5 << "Alexandra" << 0.0
        << sin + "<tp:SpouseGivenName>Alex</tp:SpouseGivenName>"
                 "<tp:SpouseNetIncomeAmount>1</tp:SpouseNetIncomeAmount>";
    QTest::newRow("loss, benefit truncated")
        << -250.0 << "Al&" << 99.9
        << sin + "<tp:SpouseGivenName>Al&amp;</tp:SpouseGivenName>"
                 "<tp:SpouseUniversalChildCareBenefitAmount>99"
                 "</tp:SpouseUniversalChildCareBenefitAmount>";
}

void TestReturnXml::spouseBlock()
{
    QFETCH(double, netIncome);
    QFETCH(QString, givenName);
    QFETCH(double, benefit);
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->spouseSin = QString("527000145");
    t1->spouseFirstName = givenName;
    t1->spouseNetIncome = netIncome;
    t1->spouseUccbAmount = benefit;
    QString block;
    person.makeSpouseDataXml(block);
    QTEST(block, "block");
}

void TestReturnXml::dateOfMove_data()
{
    QTest::addColumn<QDate>("moved");
    QTest::addColumn<QString>("written");
    QTest::newRow("2024") << QDate(2024, 12, 1) << QString();
    QTest::newRow("2025") << QDate(2025, 7, 1) << "2025-07-01";
    QTest::newRow("2026") << QDate(2026, 1, 15) << "2026-01-15";
    QTest::newRow("none") << QDate() << QString();
}

void TestReturnXml::dateOfMove()
{
    QFETCH(QDate, moved);
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->dateOfMove = moved;
    QTEST(elementText(generate(person, 2), "tp:ProvinceOfResidenceEffectiveDate"), "written");
}

void TestReturnXml::citizenship()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->citizen = 2;
    const QByteArray xml = generate(person, 2);
    QCOMPARE(elementText(xml, "t1:CanadianCitizenshipIndicator"), QString("0"));
    QVERIFY(elementText(xml, "t1:ElectionsCanadaAuthorizationIndicator").isNull());
    t1->citizen = 1;
    QCOMPARE(elementText(generate(person, 2), "t1:CanadianCitizenshipIndicator"), QString("2"));
    t1->citizen = 0;
    t1->elecanauth = 1;
    QCOMPARE(elementText(generate(person, 2), "t1:ElectionsCanadaAuthorizationIndicator"),
             QString("02"));
}

void TestReturnXml::softwareId_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("refile");
    QTest::addColumn<int>("compatibility");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("amended");
    QTest::newRow("NETFILE first") << 2 << 0 << 0 << "Q25G" << QString();
    QTest::newRow("NETFILE re-filed") << 2 << 1 << 0 << "Q25S"
                                      << "1";
    QTest::newRow("EFILE first") << 1 << 0 << 0 << "E25F" << QString();
    QTest::newRow("EFILE re-filed") << 1 << 1 << 0 << "E25R"
                                    << "1";
    QTest::newRow("EFILE compatibility trial") << 1 << 0 << 1 << "097F" << QString();
}

void TestReturnXml::softwareId()
{
    QFETCH(int, edition);
    QFETCH(int, refile);
    QFETCH(int, compatibility);
    appInstance()->config.CompabEnable = compatibility;
    IndividualTaxData person(0, &m_dependants);
    setUpPerson(person)->reFileFlag = refile;
    const QByteArray xml = generate(person, edition);
    appInstance()->config.CompabEnable = 0;
    QTEST(elementText(xml, "comm:SoftwareID"), "id");
    QTEST(elementText(xml, "t1:AmendedTaxReturnIndicator"), "amended");
}

void TestReturnXml::bankruptcyRounding_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("written");
    QTest::newRow("0") << 0.0 << "1";
    QTest::newRow("-0.3") << -0.3 << "1";
    QTest::newRow("-7.6") << -7.6 << "-8";
    QTest::newRow("0.995") << 0.995 << "1";
    QTest::newRow("1234.5") << 1234.5 << "1235";
}

void TestReturnXml::bankruptcyRounding()
{
    QFETCH(double, amount);
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->bankruptDate = QDate(2025, 5, 1);
    t1->postBankruptNetIncome = amount;
    t1->postBankruptAdjustedNetIncome = amount;
    add<TaxData_T2125_New>(person, FormType::T2125);
    const QByteArray xml = generate(person, 1);
    QTEST(elementText(xml, "t1:PostBankruptcyNetIncomeAmount"), "written");
    QTEST(elementText(xml, "t1:PostBankruptcyAdjustedNetIncomeAmount"), "written");
    // Bankrupt: no financial-data records, in either edition.
    QVERIFY(!xml.contains("SelectedFinancialData"));
    QVERIFY(!generate(person, 2).contains("SelectedFinancialData"));
    QVERIFY(!generate(person, 2).contains("BankruptcyData"));
}

void TestReturnXml::homeAddress_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("careOf");
    QTest::addColumn<QString>("address");
    const QString canada = "<comm:CanadianMailingAddress><comm:AddressStreetText>12 Main St"
                           "</comm:AddressStreetText><comm:AddressMunicipalityName>Toronto"
                           "</comm:AddressMunicipalityName><comm:AddressProvinceCode>ON"
                           "</comm:AddressProvinceCode><comm:AddressPostalCode>M5V2T6"
                           "</comm:AddressPostalCode></comm:CanadianMailingAddress>";
    const QString same = "<tp:HomeAddressSameAsMailingAddressIndicator>%1"
                         "</tp:HomeAddressSameAsMailingAddressIndicator>";
    QTest::newRow("index 0") << 0 << "" << canada + same.arg(1);
    QTest::newRow("index 1") << 1 << "  " << canada + same.arg(2);
    QTest::newRow("index 2, care-of absent") << 2 << "" << canada;
    QTest::newRow("care-of cut to 26")
        << 2 << "c/o Abcdefghijklmnopqrstuvwxyz"
        << "<comm:AddressCareOfLineText>c/o Abcdefghijklmnopqrstuv</comm:AddressCareOfLineText>" +
               canada;
}

void TestReturnXml::homeAddress()
{
    QFETCH(int, index);
    QFETCH(QString, careOf);
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->homeAddressSame = index;
    t1->careOf = careOf;
    QString out;
    person.makeMailingAddressXml(out);
    QFETCH(QString, address);
    QCOMPARE(out, "<tp:TaxpayerMailingAddress>" + address + "</tp:TaxpayerMailingAddress>");
}

void TestReturnXml::userTextIsEscaped()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = setUpPerson(person);
    t1->filedBefore = true;
    t1->firstName = QString("O'Neil & <Co>");
    t1->lastName = QString("O'Neil & <Co>");
    t1->email = QString("a&b<c>@x.ca");
    t1->sin = QString("046<454&286");
    t1->city = QString("Saint-<Jean> & Co");
    for (int edition : {1, 2}) {
        const QByteArray xml = generate(person, edition);
        QVERIFY2(!elementPaths(xml).isEmpty(), xml.constData());
        QCOMPARE(elementText(xml, "tp:TaxpayerEmailAddress"), QString("a&b<c>@x.ca"));
        QCOMPARE(elementText(xml, "tp:TaxpayerSocialInsuranceNumber"), QString("046<454&286"));
        QCOMPARE(elementText(xml, "comm:AddressMunicipalityName"), QString("Saint-<Jean> & Co"));
        if (edition == 1) {
            QCOMPARE(elementText(xml, "comm:GivenName"), QString("O'Neil & <Co>"));
            QCOMPARE(elementText(xml, "comm:FamilyName"), QString("O'Neil & <Co>"));
        }
    }
}

void TestReturnXml::familyForwardsToPersonOnScreen()
{
    FamilyTaxData family(0);
    setUpPerson(*family.getPersonData(PersonTaxpayer));
    TaxData_T1New *spouse = setUpPerson(*family.getPersonData(PersonSpouse));
    spouse->sin = QString("527000145");
    family.setCurrentPersonIndex(PersonSpouse);
    QString out;
    family.generateReturnXml(out, 2);
    QCOMPARE(elementText(out.toUtf8(), "tp:TaxpayerSocialInsuranceNumber"), QString("527000145"));
}

QV_TEST_MAIN(TestReturnXml)
#include "tst_ReturnXml.moc"
