// The downloaded slips: which element makes which kind, what each kind keeps, the box lookups
// and the exact lines each kind writes on the summary page.
#include <QtTest>

#include <memory>
#include <tinyxml.h>

#include "download/TDDTaxDataOnePerson.h"
#include "download/TaxSlips.h"
#include "ordane/XmlParse.h"

namespace {
// The first element of text, kept with its document.
class Element
{
public:
    explicit Element(const QByteArray &text) { m_ok = parseXmlDocument(m_doc, text); }
    const TiXmlElement *get() const { return m_ok ? m_doc.RootElement() : nullptr; }

private:
    TiXmlDocument m_doc;
    bool m_ok = false;
};

// A slip of the element's kind, read the way a record reads it.
std::unique_ptr<TaxSlip> slipOf(const QByteArray &text)
{
    Element element(text);
    if (!element.get())
        return nullptr;
    std::unique_ptr<TaxSlip> slip = createTaxSlip(element.get()->Value());
    if (slip) {
        slip->parseCommonElements(element.get());
        slip->parseXml(element.get());
    }
    return slip;
}

QByteArray box(const QByteArray &number, const QByteArray &text, const QByteArray &name = "Amount")
{
    return "<" + name + " boxNumber=\"" + number + "\">" + text + "</" + name + ">";
}

// The kind's own lines followed by its labelled box lines, as the summary page writes them.
QString bodyOf(const TaxSlip &slip)
{
    CString page;
    slip.toHtml(page, 1);
    slip.appendBoxLines(page);
    return page;
}
} // namespace

class TestTddSlips : public QObject
{
    Q_OBJECT
private slots:
    void kindOfElement_data();
    void kindOfElement();
    void slipListStopsAtCapacity();
    void commonElements();
    void partnershipSlipKeepsPayerOnly();
    void tuitionSessions();
    void receiptFirstMatch_data();
    void receiptFirstMatch();
    void boxTextAndAmount_data();
    void boxTextAndAmount();
    void labelTables_data();
    void labelTables();
    void header();
    void slipLines_data();
    void slipLines();
};

void TestTddSlips::kindOfElement_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("slipType");
    QTest::addColumn<QString>("shortName");
    QTest::newRow("T4Slip") << QByteArray("T4Slip") << 1 << "T4";
    QTest::newRow("three-letter prefix") << QByteArray("ns3:T4Slip") << 1 << "T4";
    QTest::newRow("short prefix, lower case") << QByteArray("x:t4slip") << 1 << "T4";
    QTest::newRow("long prefix") << QByteArray("taxdatadelivery:T4SLIP") << 1 << "T4";
    QTest::newRow("T4A") << QByteArray("T4ASlip") << 2 << "T4A";
    QTest::newRow("T4AP") << QByteArray("T4APSlip") << 3 << "T4AP";
    QTest::newRow("T4RSP") << QByteArray("T4RSPSlip") << 4 << "T4RSP";
    QTest::newRow("T4E") << QByteArray("T4ESlip") << 5 << "T4E";
    QTest::newRow("T4AOAS") << QByteArray("T4AOASSlip") << 6 << "T4AOAS";
    QTest::newRow("T4RIF") << QByteArray("T4RIFSlip") << 7 << "T4RIF";
    QTest::newRow("T5") << QByteArray("T5Slip") << 8 << "T5";
    QTest::newRow("T3") << QByteArray("T3Slip") << 9 << "T3";
    QTest::newRow("T5007") << QByteArray("T5007Slip") << 11 << "T5007";
    QTest::newRow("T5013") << QByteArray("T5013Slip") << 13 << "T5013";
    QTest::newRow("RC62") << QByteArray("RC62Slip") << 17 << "RC62";
    QTest::newRow("RC210") << QByteArray("RC210Slip") << 18 << "RC210";
    QTest::newRow("T5008 has no short name") << QByteArray("T5008Slip") << 19 << "";
    QTest::newRow("RRSP receipt") << QByteArray("RRSPContributionReceiptSlip") << 20 << "";
    QTest::newRow("Manitoba") << QByteArray("ManitobaRentAssistSlip") << 21 << "MBShelterAssist";
    QTest::newRow("PRPP") << QByteArray("PRPPSlip") << 22 << "PRPP";
    QTest::newRow("T1204") << QByteArray("T1204Slip") << 23 << "T1204";
    QTest::newRow("T2202") << QByteArray("T2202Slip") << 25 << "T2202";
    QTest::newRow("T4FHSA") << QByteArray("T4FHSASlip") << 26 << "T4FHSA";
    QTest::newRow("unknown") << QByteArray("NR4Slip") << -1 << "";
    QTest::newRow("name with more after it") << QByteArray("T4SlipX") << -1 << "";
    QTest::newRow("prefix only") << QByteArray("T4Slip:") << -1 << "";
}

void TestTddSlips::kindOfElement()
{
    QFETCH(QByteArray, name);
    QFETCH(int, slipType);
    const std::unique_ptr<TaxSlip> slip = createTaxSlip(name.constData());
    QCOMPARE(slip ? slip->slipType : -1, slipType);
    QTEST(QString::fromUtf8(slip ? slip->getSlipName() : ""), "shortName");
    if (slipType == 1)
        QVERIFY(dynamic_cast<TaxSlipT4 *>(slip.get()));
}

void TestTddSlips::slipListStopsAtCapacity()
{
    QByteArray slips = "<Slips remark=\"full\">";
    for (int i = 1; i <= 2100; ++i) {
        slips += "<T5Slip><SlipTaxYear>" + QByteArray::number(i) + "</SlipTaxYear></T5Slip>";
        if (i % 100 == 0)
            slips += "<UnknownSlip/>";
    }
    slips += "</Slips>";
    Element element(slips);
    TDDTaxDataOnePerson record(2025);
    QCOMPARE(record.parseSlips(element.get()), 2048);
    QCOMPARE(record.slipCount(), 2048);
    QCOMPARE(record.slips.back()->taxYear, QByteArray("2048"));
    QCOMPARE(record.remark, QByteArray("full"));
    // A second call adds nothing once the list is full.
    QCOMPARE(record.parseSlips(element.get()), 2048);
}

void TestTddSlips::commonElements()
{
    const std::unique_ptr<TaxSlip> slip =
        slipOf("<T4Slip><ns2:SlipTaxYear>2025</ns2:SlipTaxYear>" + box("14", "100.00") +
               box("14", "250.00") + box("16", "") + "<Empty boxNumber=\"18\"/>" +
               box("2025", "2024", "BoxedTaxYear") + "<PayerIssuerName>First</PayerIssuerName>" +
               "<IssuerName>Last</IssuerName><IssuerName/>"
               "<SlipVersionDescription>Original</SlipVersionDescription></T4Slip>");
    QVERIFY(slip);
    // An element with a box number that also ends "TaxYear" is both.
    QCOMPARE(slip->taxYear, QByteArray("2024"));
    QCOMPARE(slip->versionDescription, QByteArray("Original"));
    QCOMPARE(slip->issuerName, QByteArray("Last"));
    const std::map<QByteArray, CString> boxes = {{"14", CString("250.00")},
                                                 {"2025", CString("2024")}};
    QCOMPARE(slip->boxes, boxes);
}

void TestTddSlips::partnershipSlipKeepsPayerOnly()
{
    const std::unique_ptr<TaxSlip> slip =
        slipOf("<T5013Slip><PartnershipIssuerName>Issuer</PartnershipIssuerName>"
               "<PartnershipPayerName>Partners LP</PartnershipPayerName>" +
               box("10", "5.00") + "</T5013Slip>");
    const auto *t5013 = dynamic_cast<const TaxSlipT5013 *>(slip.get());
    QVERIFY(t5013);
    QCOMPARE(t5013->issuerName, QByteArray());
    QCOMPARE(t5013->payerName, QByteArray("Partners LP"));
    QCOMPARE(bodyOf(*t5013),
             QString("<h4>Payer: Partners LP<br>\n</h4>"
                     "Box 10 - Total limited partner's business income (loss): 5.00<br>\n"));
}

void TestTddSlips::tuitionSessions()
{
    QByteArray periods = "<TuitionSessionPeriods>";
    for (int i = 1; i <= 6; ++i) {
        periods += "<TuitionSessionPeriod><FromPeriod>2025-0" + QByteArray::number(i) +
                   "</FromPeriod><TuitionSessionEligibleFeesAmount>" + QByteArray::number(i) +
                   "00.00</TuitionSessionEligibleFeesAmount></TuitionSessionPeriod>";
    }
    periods += "</TuitionSessionPeriods>";
    const std::unique_ptr<TaxSlip> slip = slipOf("<T2202Slip>" + periods + "</T2202Slip>");
    const auto *t2202 = dynamic_cast<const TaxSlipT2202 *>(slip.get());
    QVERIFY(t2202);
    QCOMPARE(t2202->sessionCount, 4);
    QCOMPARE(t2202->sessionFrom[3], QByteArray("2025-04"));
    QCOMPARE(t2202->sessionFees[3], QByteArray("400.00"));
    QCOMPARE(t2202->sessionTo[0], QByteArray());

    const std::unique_ptr<TaxSlip> none = slipOf("<T2202Slip><Other/></T2202Slip>");
    QCOMPARE(dynamic_cast<const TaxSlipT2202 *>(none.get())->sessionCount, 0);
}

void TestTddSlips::receiptFirstMatch_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<QString>("kept");
    QTest::newRow("issuer") << QByteArray("<ReceiptIssuerName>Bank</ReceiptIssuerName>")
                            << "issuer=Bank";
    QTest::newRow("RRSP number") << QByteArray("<RRSPNumber>R-1</RRSPNumber>") << "number=R-1";
    QTest::newRow("contract number is not the RRSP number")
        << QByteArray("<RRSPContractNumber>C-9</RRSPContractNumber>") << "contract=C-9";
    QTest::newRow("with a box number too")
        << QByteArray("<PriorYearRRSPContributionAmount boxNumber=\"1\">10.00"
                      "</PriorYearRRSPContributionAmount>")
        << "prior=10.00";
    QTest::newRow("spouse indicator")
        << QByteArray("<RRSPSpouseContributionIndicator>1</RRSPSpouseContributionIndicator>")
        << "spouse=1";
    QTest::newRow("current year")
        << QByteArray(
               "<CurrentYearRRSPContributionAmount>20.00</CurrentYearRRSPContributionAmount>")
        << "current=20.00";
    QTest::newRow("case kept") << QByteArray("<rrspnumber>x</rrspnumber>") << "";
}

void TestTddSlips::receiptFirstMatch()
{
    QFETCH(QByteArray, element);
    const std::unique_ptr<TaxSlip> slip =
        slipOf("<RRSPContributionReceiptSlip>" + element + "</RRSPContributionReceiptSlip>");
    const auto *receipt = dynamic_cast<const TaxSlipRRSPReceipt *>(slip.get());
    QVERIFY(receipt);
    QStringList kept;
    const std::pair<const char *, QByteArray> members[] = {
        {"issuer", receipt->receiptIssuerName},    {"number", receipt->rrspNumber},
        {"contract", receipt->rrspContractNumber}, {"spouse", receipt->spouseContributionIndicator},
        {"prior", receipt->priorYearContribution}, {"current", receipt->currentYearContribution}};
    for (const auto &member : members) {
        if (!member.second.isEmpty())
            kept << QString::fromLatin1(member.first) + "=" + QString::fromUtf8(member.second);
    }
    QTEST(kept.join(' '), "kept");
}

void TestTddSlips::boxTextAndAmount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("boxText");
    QTest::addColumn<double>("amount");
    QTest::newRow("blanks around a number") << " \t12.50 \n" << QByteArray("12.50") << 12.5;
    QTest::newRow("spaces only") << "   " << QByteArray() << 0.0;
    QTest::newRow("not a number") << "n/a" << QByteArray("n/a") << 0.0;
    QTest::newRow("grouped") << "1,234.56" << QByteArray("1,234.56") << 1234.56;
    QTest::newRow("non-ASCII kept as UTF-8") << QString::fromUtf8("Qu\u00e9bec")
                                             << QByteArray("Qu\xc3\xa9"
                                                           "bec")
                                             << 0.0;
}

void TestTddSlips::boxTextAndAmount()
{
    QFETCH(QString, text);
    // Built in code: a parsed document condenses white space before a slip sees it.
    TiXmlElement element("T4Slip");
    TiXmlElement amount("EmploymentIncomeAmount");
    amount.SetAttribute("boxNumber", "14");
    TiXmlText textNode(text.toUtf8().constData());
    amount.InsertEndChild(textNode);
    element.InsertEndChild(amount);
    TaxSlipT4 slip;
    slip.parseCommonElements(&element);
    QTEST(slip.getBoxText("14"), "boxText");
    QTEST(slip.getBoxAmount("14"), "amount");
    QCOMPARE(slip.getBoxText("15"), QByteArray());
    QCOMPARE(slip.getBoxAmount("15"), 0.0);
    CString page;
    const bool written = slip.appendBoxLine(page, "14", "Box 14 - Employment income", "");
    const QByteArray boxText = slip.getBoxText("14");
    QCOMPARE(written, !boxText.isEmpty());
    QCOMPARE(QString(page),
             boxText.isEmpty()
                 ? QString()
                 : "Box 14 - Employment income: " + QString::fromUtf8(boxText) + "<br>\n");
}

void TestTddSlips::labelTables_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("labels");
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("label");
    QTest::newRow("T4") << QByteArray("T4Slip") << 31 << QByteArray("17A")
                        << "Box 17 - 2nd QPP Contribution";
    QTest::newRow("T4A") << QByteArray("T4ASlip") << 38 << QByteArray("200")
                         << "Box 200 - Prov. Covid-10 support";
    QTest::newRow("T4E") << QByteArray("T4ESlip") << 13 << QByteArray("37")
                         << "Box 37 - EI maternity and parental benfits payments";
    QTest::newRow("RC62") << QByteArray("RC62Slip") << 2 << QByteArray("12")
                          << "Box 12 - UCCB Repayment Amount";
    QTest::newRow("T5") << QByteArray("T5Slip") << 14 << QByteArray("34")
                        << "Box 34 - Capital gains dividends before 2024/06/25";
    QTest::newRow("T3") << QByteArray("T3Slip") << 21 << QByteArray("38")
                        << "Box 38 - Part XII.2 tax credit";
    QTest::newRow("T4AOAS") << QByteArray("T4AOASSlip") << 6 << QByteArray("21")
                            << "Box 21 - OAS Net Supplement";
    QTest::newRow("T4RSP") << QByteArray("T4RSPSlip") << 12 << QByteArray("27")
                           << "Box 27 - HBP Withdrawl";
    QTest::newRow("T5013") << QByteArray("T5013Slip") << 7 << QByteArray("151")
                           << "Box 151 - Capital gains(losses)";
    QTest::newRow("T4RIF") << QByteArray("T4RIFSlip") << 8 << QByteArray("26")
                           << "Box 26 - Spousal RRIF";
    QTest::newRow("RC210") << QByteArray("RC210Slip") << 2 << QByteArray("11")
                           << "Box 11 - ACWB disability benefit Amount";
    QTest::newRow("T4FHSA") << QByteArray("T4FHSASlip") << 14 << QByteArray("16")
                            << "Box 16 - FHSA Identificatio Number";
    for (const char *unlabelled :
         {"T4APSlip", "T2202Slip", "T5007Slip", "T5008Slip", "RRSPContributionReceiptSlip",
          "ManitobaRentAssistSlip", "PRPPSlip", "T1204Slip"})
        QTest::newRow(unlabelled) << QByteArray(unlabelled) << 0 << QByteArray("13") << "";
}

void TestTddSlips::labelTables()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, box);
    const std::unique_ptr<TaxSlip> slip = createTaxSlip(name.constData());
    QVERIFY(slip);
    QTEST(int(slip->boxLabels.size()), "labels");
    const auto found = slip->boxLabels.find(box);
    QTEST(found == slip->boxLabels.end() ? QString() : QString(found->second), "label");
}

void TestTddSlips::header()
{
    const std::unique_ptr<TaxSlip> slip =
        slipOf("<T4RSPSlip><SlipTaxYear>2025</SlipTaxYear></T4RSPSlip>");
    CString page("x");
    QCOMPARE(slip->appendHtmlHeader(page, 3), 0);
    QCOMPARE(QString(page), QString("x<b><font color=\"red\">3 - T4RSP</font></b><br>"
                                    "Tax Year: 2025<br>\n"));
}

void TestTddSlips::slipLines_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("lines");
    QTest::newRow("T4A boxes in byte order: 104, 16, 22")
        << "<T4ASlip>" + box("16", "10.00") + box("22", "2.00") + box("104", "500.00") +
               "</T4ASlip>"
        << "<h4></h4>Box 104 - Research grants: 500.00<br>\n"
           "Box 16 - Pension Superannuation Payment: 10.00<br>\n"
           "Box 22 - Income Tax Deducted: 2.00<br>\n";
    QTest::newRow("T4A box 127 not shown, 128 shown")
        << "<T4ASlip>" + box("127", "7.00") + box("128", "8.00") + "</T4ASlip>"
        << "<h4></h4>Box 128 - Veterans' benefits eligible for pension splitting: 8.00<br>\n";
    QTest::newRow("T4 17A between 17 and 18")
        << "<T4Slip>" + box("18", "3.00") + box("17A", "2.00") + box("17", "1.00") + "</T4Slip>"
        << "Box 17 - QPP Contribution: 1.00<br>\n"
           "Box 17 - 2nd QPP Contribution: 2.00<br>\n"
           "Box 18 - EI Premium Amount: 3.00<br>\n";
    QTest::newRow("T4 box-28 codes of 0 show nothing")
        << "<T4Slip><EmployerName>Acme</EmployerName>" +
               box("10", "ON", "ProvinceOfEmploymentCode") + box("28", "0", "CPPQPPExemptCode") +
               box("28", "0", "EmploymentInsurancePremiumExemptCode") +
               box("28", "0", "ProvincialParentalInsurancePlanExemptCode") + "</T4Slip>"
        << "Employer: Acme<br>\nBox 10 - Province: ON<br>\n";
    QTest::newRow("T4 box-28 code of 1 shows its line")
        << "<T4Slip>" + box("28", "0", "CPPQPPExemptCode") +
               box("28", "1", "EmploymentInsurancePremiumExemptCode") + "</T4Slip>"
        << "Box 28 - EI exempt: 1<br>\n";
    QTest::newRow("box of spaces gives no line, blanks trimmed")
        << "<T5Slip><PayerName>Bank</PayerName>" + box("13", "<![CDATA[   ]]>") +
               box("14", "<![CDATA[ 42.00 ]]>") + "</T5Slip>"
        << "<h4>Payer:: Bank<br>\n</h4>Box 14 - Other income from Canadian sources: 42.00<br>\n";
    QTest::newRow("T3 in byte order of its boxes")
        << "<T3Slip><TrustName>Fund</TrustName>" + box("23", "3") + box("21", "1") +
               box("22", "2") + "</T3Slip>"
        << "<h4>Trust Name: Fund<br>\n</h4>Box 21 - Post Budget Capital Gain: 1<br>\n"
           "Box 22 - Lump-sum pension income: 2<br>\n"
           "Box 23 - Actual Amount of Dividends Other Than Eligible Dividend: 3<br>\n";
    QTest::newRow("T2202 without sessions")
        << "<T2202Slip><SchoolIssuerName>College</SchoolIssuerName>" + box("11", " 1 ") +
               box("26", "3000.00") + box("99", "x") + "</T2202Slip>"
        << "<h4>School Name: College<br>\nBox 11 - School Type: 1<br>\n"
           "Box 26 - Total eligible tuition fee: 3000.00<br>\n</h4>";
    QTest::newRow("T2202 sessions block")
        << QByteArray("<T2202Slip><TuitionSessionPeriods>"
                      "<TuitionSessionPeriod><FromPeriod>2025-01</FromPeriod>"
                      "<ToPeriod>2025-04</ToPeriod><PartTimeMonthCount>0</PartTimeMonthCount>"
                      "<FullTimeMonthCount>4</FullTimeMonthCount>"
                      "<TuitionSessionEligibleFeesAmount>2500.00"
                      "</TuitionSessionEligibleFeesAmount></TuitionSessionPeriod>"
                      "<Other><PartTimeMonthCount>2</PartTimeMonthCount></Other>"
                      "</TuitionSessionPeriods></T2202Slip>")
        << "<h4><br>\nSession: 1<br>\nBox 19 - From (YYYY-MM): 2025-01<br>\n"
           "Box 20 - To (YYYY-MM): 2025-04<br>\nBox 22 - Number of months full-time: 4<br>\n"
           "Box 23 - Eligible tuition fee: 2500.00<br>\n"
           "<br>\nSession: 2<br>\nBox 21 - Number of months part-time: 2<br>\n</h4>";
    QTest::newRow("RRSP receipt with spouse indicator 0")
        << QByteArray("<RRSPContributionReceiptSlip><IssuerName>Bank</IssuerName>"
                      "<RRSPSpouseContributionIndicator>0</RRSPSpouseContributionIndicator>"
                      "<CurrentYearRRSPContributionAmount>900.00"
                      "</CurrentYearRRSPContributionAmount></RRSPContributionReceiptSlip>")
        << "<h4>Issuer Name: Bank<br>\nCurrent Year RRSP Contribution Amount: 900.00<br>\n</h4>";
    QTest::newRow("T5008 boxes as members")
        << "<T5008Slip><IssuerName>Broker</IssuerName>" + box("21", "1000.00") + box("16", "10") +
               box("12", "x") + "</T5008Slip>"
        << "<h4>Issuer Name: Broker<br>\nBox 16 - Quantity of securities: 10<br>\n"
           "Box 21 - Security Settlement Amount: 1000.00<br>\n</h4>";
    QTest::newRow("T4AP boxes as members")
        << "<T4APSlip>" + box("14", "800.00") + box("13", "2025-01") + box("24", "x") +
               "</T4APSlip>"
        << "<h4>Box 13 - Effective Date: 2025-01<br>\n"
           "Box 14 - Retirement Benefit Amount: 800.00<br>\n</h4>";
    QTest::newRow("T5007")
        << "<T5007Slip><PayerName>Province</PayerName>" + box("11", "50.00") + "</T5007Slip>"
        << "<h4>Payer: Province<br>\nBox 11 - Social Assistance Payments of Provincial or "
           "Territorial Supplements: 50.00<br>\n</h4>";
    QTest::newRow("T1204") << "<T1204Slip><PayerName>Dept</PayerName>" + box("82", "5.00") +
                                  box("84", "6.00") + "</T1204Slip>"
                           << "<h4>Payer Name: Dept<br>\nContract Service Payment: 5.00<br>\n"
                              "Service and Goods Payment: 6.00<br>\n</h4>";
    QTest::newRow("Manitoba") << QByteArray(
                                     "<ManitobaRentAssistSlip><PayerName>MB</PayerName>"
                                     "<ManitobaShelterBenefitAmount boxNumber=\"1\">75.00"
                                     "</ManitobaShelterBenefitAmount></ManitobaRentAssistSlip>")
                              << "<h4>Payer Name: MB<br>\nAllowance Amount: 75.00<br>\n</h4>";
    QTest::newRow("PRPP, first matching ending wins")
        << QByteArray("<PRPPSlip><PooledRegisteredPensionPlanContractNumber>P1"
                      "</PooledRegisteredPensionPlanContractNumber>"
                      "<EmployeeCurrentYearTaxExemptIncomePooledRegisteredPensionPlanContribution"
                      "Amount>3.00</EmployeeCurrentYearTaxExemptIncomePooledRegisteredPensionPlan"
                      "ContributionAmount>"
                      "<EmployerPooledRegisteredPensionPlanContributionAmount>4.00"
                      "</EmployerPooledRegisteredPensionPlanContributionAmount></PRPPSlip>")
        << "<h4>Contract Number: P1<br>\n"
           "Employee contributed amount from exempt income current year: 3.00<br>\n"
           "PRPP employer contributions: 4.00<br>\n</h4>";
    QTest::newRow("FHSA name and boxes")
        << "<T4FHSASlip><IssuerPayerName>Trust Co</IssuerPayerName>" + box("18", "8000.00") +
               "</T4FHSASlip>"
        << "<h4>Name: Trust Co<br>\n</h4>Box 18 - Contribution: 8000.00<br>\n";
    QTest::newRow("T4E writes its boxes only")
        << "<T4ESlip><PayerName>x</PayerName>" + box("14", "1.00") + "</T4ESlip>"
        << "Box 14 - EI Benefit Payment Amount: 1.00<br>\n";
    QTest::newRow("hostile text stays text")
        << "<T4RIFSlip><PayerName>&lt;img src=x&gt;</PayerName>" + box("16", "&lt;script&gt;") +
               "</T4RIFSlip>"
        << "<h4>Payer: &lt;img src=x&gt;<br>\n</h4>"
           "Box 16 - RIF Taxable Payment Amount: &lt;script&gt;<br>\n";
}

void TestTddSlips::slipLines()
{
    QFETCH(QByteArray, xml);
    const std::unique_ptr<TaxSlip> slip = slipOf(xml);
    QVERIFY(slip);
    QTEST(bodyOf(*slip), "lines");
}

QTEST_GUILESS_MAIN(TestTddSlips)
#include "tst_TddSlips.moc"
