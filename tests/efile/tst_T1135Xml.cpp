// The T1135 statement: its XML read back with TinyXML, the optional lines, and the check that
// names what identification and certification data is missing.
#include "EfileFixture.h"
#include "TestMain.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "calc/ValidationMsgGroup.h"
#include "efile/T1135Xml.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ordane/MyTiXmlHandle.h"

#include <tinyxml.h>

using namespace EfileFixture;

namespace {

const char *const kCertifier = kT1135Certifier;

TaxData_T1135New *setUpStatement(IndividualTaxData &person)
{
    setUpPerson(person);
    return addT1135Statement(person);
}

QString childText(const TiXmlElement *element, const QByteArray &path)
{
    MyTiXmlHandle h(element);
    for (const QByteArray &step : path.split('/'))
        h = h.FirstChildElement(step.constData());
    const TiXmlElement *e = h.ToElement();
    return e && e->GetText() ? QString::fromUtf8(e->GetText()) : QString();
}

// "tag" for each child element of the root, in order.
QStringList childNames(const TiXmlElement *root)
{
    QStringList names;
    for (const TiXmlElement *e = root->FirstChildElement(); e; e = e->NextSiblingElement())
        names << QString::fromUtf8(e->Value());
    return names;
}

} // namespace

class TestT1135Xml : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readsBackWithTinyXml();
    void propertiesLieBetweenParts2And3_data();
    void propertiesLieBetweenParts2And3();
    void startsAndEndsWithTheStatement();
    void optionalLines_data();
    void optionalLines();
    void emptyPropertyRowsAreLeftOut();
    void withoutT1135();
    void templatesMissingFromTheMap();
    void checkNamesMissingData_data();
    void checkNamesMissingData();
    void checkCountsEveryMessage();

private:
    DependantInfoStruct m_dependants;
};

void TestT1135Xml::initTestCase()
{
    setSoftwareSettings();
    // The statement keeps its own revision date whatever NETFILE date is configured.
    appInstance()->config.NetfileSoftwareDate = "2025-11-15";
}

void TestT1135Xml::readsBackWithTinyXml()
{
    IndividualTaxData person(0, &m_dependants);
    setUpStatement(person);
    QString xml;
    QCOMPARE(person.generateT1135Xml(xml), T1135XmlResult::Made);

    TiXmlDocument doc;
    doc.Parse(xml.toUtf8().constData());
    QVERIFY2(!doc.Error(), doc.ErrorDesc());
    const TiXmlElement *root = doc.RootElement();
    QCOMPARE(QString(root->Value()), QString("t1135:ForeignIncomeVerificationStatement"));
    QCOMPARE(childText(root, "t1135:SoftwareID"), QString("Q25M"));
    QCOMPARE(childText(root, "t1135:SoftwareRevisionDate"), QString("2026-03-03"));
    const char *taxpayer = "t1135:TaxpayerIdentification/t1135:IndividualTaxpayer";
    QCOMPARE(childText(root, QByteArray(taxpayer) + "/t1135:TaxpayerName/t1135:GivenName"),
             QString("Mary"));
    QCOMPARE(childText(root, QByteArray(taxpayer) + "/t1135:TaxpayerName/t1135:FamilyName"),
             QString("O'Neil"));
    QCOMPARE(childText(root, QByteArray(taxpayer) + "/ccms:SocialInsuranceNumber"),
             QString("046454286"));
    QCOMPARE(childText(root, QByteArray(taxpayer) + "/t1135:IndividualSelfEmploymentCode"),
             QString("2"));
    QCOMPARE(childText(root, "t1135:TaxpayerAddress/t1135:GlobalProvinceTerritoryStateCode"),
             QString("ON"));
    QCOMPARE(childText(root, "t1135:TaxpayerAddress/t1135:GlobalPostalZipCode"), QString("M5V2T6"));
    QCOMPARE(childText(root, "t1135:TaxpayerAddress/t1135:CountryCode"), QString("CAN"));
    QCOMPARE(childText(root, "t1135:TaxationYearData/t1135:TaxationYearStartDate"),
             QString("2025-01-01"));
    QCOMPARE(childText(root, "t1135:TaxationYearData/t1135:TaxationYearEndDate"),
             QString("2025-12-31"));

    const char *certifier = "t1135:CertificationDetail/t1135:CertifierName/t1135:TaxpayerName";
    QCOMPARE(childText(root, QByteArray(certifier) + "/t1135:GivenName"), QString("Ann"));
    QCOMPARE(childText(root, QByteArray(certifier) + "/t1135:FamilyName"), QString(kCertifier));
    QCOMPARE(childText(root, "t1135:CertificationDetail/t1135:CertifierPositionTitle"),
             QString("Owner"));
    QCOMPARE(childText(root, "t1135:CertificationDetail/t1135:CertifierPhoneNumber"),
             QString("4165550100"));
    QCOMPARE(childText(root, "t1135:CertificationDetail/t1135:CertificationDate"),
             QString("2026-03-20"));
    QCOMPARE(childText(root, "t1135:CertificationDetail/t1135:PreparerName"),
             QString("Lee & Sons"));
    QCOMPARE(childText(root,
                       "t1135:CertificationDetail/t1135:PreparerAddress/t1135:GlobalPostalZipCode"),
             QString("M5J2N8"));
    QCOMPARE(childText(root, "t1135:CertificationDetail/t1135:PreparerPhoneNumber"),
             QString("4165550199"));
    // The typed texts went in escaped, not as markup.
    QVERIFY(xml.contains("<t1135:FamilyName>O&apos;Neil &amp; &lt;Co&gt;</t1135:FamilyName>"));
}

void TestT1135Xml::propertiesLieBetweenParts2And3_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QStringList>("values");
    const auto amounts = [](int c, bool capital, bool gain) {
        const double base = 1000.0 * c;
        QStringList v{QString("Property %1").arg(c), "USA", QString::number(base + 0.25, 'f', 2),
                      QString::number(base + 0.5, 'f', 2), QString::number(base + 0.75, 'f', 2)};
        v << (capital ? QString::number(base + 1, 'f', 2) : QString());
        v << (gain ? QString::number(-(base + 2), 'f', 2) : QString());
        return v;
    };
    QTest::newRow("funds") << "t1135:FundsHeldOutsideCanada" << amounts(1, false, false);
    QTest::newRow("shares") << "t1135:SharesOfNonResidentCorporation" << amounts(2, false, true);
    QTest::newRow("debts") << "t1135:IndebtednessOwedByNonResident" << amounts(3, false, true);
    QTest::newRow("trusts") << "t1135:InterestInNonResidentTrust" << amounts(4, true, true);
    QTest::newRow("real") << "t1135:RealPropertyOutsideCanada" << amounts(5, false, true);
    QTest::newRow("other") << "t1135:OtherPropertyOutsideCanada" << amounts(6, false, true);
    QTest::newRow("dealer") << "t1135:PropertyHeldWithCanadianDealer" << amounts(7, false, true);
}

void TestT1135Xml::propertiesLieBetweenParts2And3()
{
    QFETCH(QString, tag);
    QFETCH(QStringList, values);
    IndividualTaxData person(0, &m_dependants);
    setUpStatement(person);
    QString xml;
    QCOMPARE(person.generateT1135Xml(xml), T1135XmlResult::Made);
    TiXmlDocument doc;
    doc.Parse(xml.toUtf8().constData());
    QVERIFY2(!doc.Error(), doc.ErrorDesc());
    const QStringList names = childNames(doc.RootElement());
    const int part2End = names.indexOf("t1135:TaxationYearData");
    const int part3 = names.indexOf("t1135:CertificationDetail");
    const int at = names.indexOf(tag);
    QVERIFY(part2End >= 0);
    QCOMPARE(names.count(tag), 1);
    QVERIFY2(part2End < at && at < part3, qPrintable(names.join(' ')));
    QCOMPARE(part3 - part2End - 1, int(TaxData_T1135New::CategoryCount));

    const TiXmlElement *e = doc.RootElement()->FirstChildElement(tag.toUtf8().constData());
    const QStringList read{
        childText(e, "t1135:PropertyDescription"), childText(e, "t1135:CountryCode"),
        childText(e, "t1135:MaximumCostAmount"),   childText(e, "t1135:YearEndCostAmount"),
        childText(e, "t1135:IncomeAmount"),        childText(e, "t1135:CapitalReceivedAmount"),
        childText(e, "t1135:GainLossAmount")};
    QCOMPARE(read, values);
}

void TestT1135Xml::startsAndEndsWithTheStatement()
{
    FamilyTaxData family(0);
    setUpStatement(*family.getPersonData(PersonTaxpayer));
    QString xml;
    QCOMPARE(family.generateT1135Xml(xml), T1135XmlResult::Made);
    QVERIFY2(xml.startsWith("<t1135:ForeignIncomeVerificationStatement>\r\n"
                            "\t<t1135:SoftwareID>Q25M</t1135:SoftwareID>\r\n"
                            "\t<t1135:SoftwareRevisionDate>2026-03-03"
                            "</t1135:SoftwareRevisionDate>\r\n"),
             qPrintable(xml.left(200)));
    QVERIFY2(xml.endsWith("</t1135:PreparerPhoneNumber>\r\n\t</t1135:CertificationDetail>\r\n"
                          "</t1135:ForeignIncomeVerificationStatement>\r\n"),
             qPrintable(xml.right(200)));

    // The spouse on screen has no T1135: the family forwards to the person shown.
    family.setCurrentPersonIndex(PersonSpouse);
    QString none = "kept";
    QCOMPARE(family.generateT1135Xml(none), T1135XmlResult::NoT1135);
    QCOMPARE(none, QString("kept"));
}

void TestT1135Xml::optionalLines_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<bool>("amended");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("preparer");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("all given") << "usd" << true << "Owner"
                               << "Lee"
                               << QStringList{"<t1135:FunctionalCurrencyCode>USD<",
                                              "<t1135:AmendedReturnIndicator>1<",
                                              "<t1135:CertifierPositionTitle>Owner<",
                                              "<t1135:PreparerName>Lee<"}
                               << QStringList{};
    QTest::newRow("none given") << "" << false << " "
                                << "" << QStringList{"<t1135:CertifierPhoneNumber>4165550100<"}
                                << QStringList{"FunctionalCurrencyCode", "AmendedReturnIndicator",
                                               "CertifierPositionTitle", "<t1135:PreparerName>"};
}

void TestT1135Xml::optionalLines()
{
    QFETCH(QString, currency);
    QFETCH(bool, amended);
    QFETCH(QString, position);
    QFETCH(QString, preparer);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1135New *f = setUpStatement(person);
    f->functionalCurrency = currency;
    f->amended = amended;
    f->certifierPosition = position;
    f->preparerName = preparer;
    QString xml;
    QCOMPARE(person.generateT1135Xml(xml), T1135XmlResult::Made);
    for (const QString &text : present)
        QVERIFY2(xml.contains(text), qPrintable(text));
    for (const QString &text : absent)
        QVERIFY2(!xml.contains(text), qPrintable(text));
    TiXmlDocument doc;
    doc.Parse(xml.toUtf8().constData());
    QVERIFY2(!doc.Error(), doc.ErrorDesc());
}

void TestT1135Xml::emptyPropertyRowsAreLeftOut()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1135New *f = setUpStatement(person);
    // A row with only an amount counts; a row with only a country code does not.
    f->realPropertyOutsideCanada.textAt(0, TaxData_T1135New::ColDescription) = QString();
    f->otherPropertyOutsideCanada.amountAt(3, TaxData_T1135New::ColIncome) = 12.5;
    for (int column = TaxData_T1135New::ColDescription;
         column < TaxData_T1135New::PropertyColumnCount; ++column)
        if (column != TaxData_T1135New::ColCountry && column != TaxData_T1135New::ColDescription)
            f->fundsOutsideCanada.amountAt(0, column) = 0.004;
    f->fundsOutsideCanada.textAt(0, TaxData_T1135New::ColDescription) = QString(" ");
    QString xml;
    QCOMPARE(person.generateT1135Xml(xml), T1135XmlResult::Made);
    TiXmlDocument doc;
    doc.Parse(xml.toUtf8().constData());
    QVERIFY2(!doc.Error(), doc.ErrorDesc());
    const QStringList names = childNames(doc.RootElement());
    QCOMPARE(names.count("t1135:FundsHeldOutsideCanada"), 0);
    QCOMPARE(names.count("t1135:RealPropertyOutsideCanada"), 1);
    QCOMPARE(names.count("t1135:OtherPropertyOutsideCanada"), 2);
    QVERIFY(xml.contains("<t1135:PropertyDescription></t1135:PropertyDescription>\r\n"
                         "\t\t<t1135:MaximumCostAmount>0.00</t1135:MaximumCostAmount>\r\n"
                         "\t\t<t1135:YearEndCostAmount>0.00</t1135:YearEndCostAmount>\r\n"
                         "\t\t<t1135:IncomeAmount>12.50</t1135:IncomeAmount>"));
}

void TestT1135Xml::withoutT1135()
{
    IndividualTaxData person(0, &m_dependants);
    setUpPerson(person);
    QString xml = "kept";
    QCOMPARE(person.generateT1135Xml(xml), T1135XmlResult::NoT1135);
    QCOMPARE(xml, QString("kept"));
    std::list<ValidationMsgGroup *> groups;
    QCOMPARE(person.checkT1135(2, groups), 0);
    QVERIFY(groups.empty());
}

void TestT1135Xml::templatesMissingFromTheMap()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1135New *f = setUpStatement(person);
    TemplateValues values;
    values.insert("t1135part2", CString("<a>$$(firstname)</a>\r\n"));
    CString content;
    QCOMPARE(f->getT1135XMLContent(content, values), 1);
    QCOMPARE(content, CString());
    values.insert("t1135part3", CString("<b>$$(firstname) $$(certpos0)</b>\r\n"));
    QCOMPARE(f->getT1135XMLContent(content, values), 0);
    QVERIFY(content.startsWith("<a>Mary</a>\r\n\t<t1135:FundsHeldOutsideCanada>"));
    QVERIFY(content.endsWith("<b>Ann Owner</b>\r\n"));
}

void TestT1135Xml::checkNamesMissingData_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("message");
    QTest::newRow("first name") << "givenName"
                                << "T1135: the taxpayer's first name is missing.";
    QTest::newRow("last name") << "lastName"
                               << "T1135: the taxpayer's last name is missing.";
    QTest::newRow("sin") << "sin"
                         << "T1135: the taxpayer's social insurance number is missing.";
    QTest::newRow("street") << "street"
                            << "T1135: the taxpayer's street address is missing.";
    QTest::newRow("city") << "city"
                          << "T1135: the taxpayer's city is missing.";
    QTest::newRow("province") << "province"
                              << "T1135: the taxpayer's province is missing.";
    QTest::newRow("postal code") << "postalCode"
                                 << "T1135: the taxpayer's postal code is missing.";
    QTest::newRow("year start") << "periodFrom"
                                << "T1135: the start of the taxation year is "
                                   "missing.";
    QTest::newRow("year end") << "periodTo"
                              << "T1135: the end of the taxation year is missing.";
    QTest::newRow("certifier first") << "certifierFirstName"
                                     << "T1135: the certifier's first name is missing.";
    QTest::newRow("certifier last") << "certifierLastName"
                                    << "T1135: the certifier's last name is missing.";
    QTest::newRow("certifier phone") << "certifierPhone"
                                     << "T1135: the certifier's telephone number is missing.";
    QTest::newRow("certification date") << "certificationDate"
                                        << "T1135: the certification date is missing.";
    QTest::newRow("complete") << ""
                              << "";
}

void TestT1135Xml::checkNamesMissingData()
{
    QFETCH(QString, field);
    QFETCH(QString, message);
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1135New *f = setUpStatement(person);
    if (!field.isEmpty()) {
        CField *cleared = f->findField(field.toUtf8().constData());
        QVERIFY(cleared);
        cleared->reset();
    }
    std::list<ValidationMsgGroup *> groups;
    const int count = person.checkT1135(2, groups);
    if (message.isEmpty()) {
        QCOMPARE(count, 0);
        QVERIFY(groups.empty());
        return;
    }
    QCOMPARE(count, 1);
    QCOMPARE(int(groups.size()), 1);
    QCOMPARE(groups.front()->m_kind, 2);
    QCOMPARE(groups.front()->m_type, 101);
    QCOMPARE(groups.front()->m_msgs, std::list<CString>{CString(message)});
    freeValidationMsgGroups(groups);
}

void TestT1135Xml::checkCountsEveryMessage()
{
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.getPersonData(PersonTaxpayer);
    TaxData_T1135New *f = setUpStatement(person);
    f->certifierFirstName = QString();
    f->certifierLastName = QString("  ");
    f->certificationDate.reset();
    // A province is not asked of a foreign address.
    f->countryCode = QString("usa");
    f->province = 0;
    std::list<ValidationMsgGroup *> groups;
    groups.push_back(new ValidationMsgGroup);
    QCOMPARE(family.checkT1135(2, groups), 3);
    QCOMPARE(int(groups.size()), 2);
    QCOMPARE(groups.back()->m_msgs,
             (std::list<CString>{"T1135: the certifier's first name is missing.",
                                 "T1135: the certifier's last name is missing.",
                                 "T1135: the certification date is missing."}));
    freeValidationMsgGroups(groups);
}

QV_TEST_MAIN(TestT1135Xml)
#include "tst_T1135Xml.moc"
