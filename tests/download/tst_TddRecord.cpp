// The downloaded record of one taxpayer: reading items (capacities, sibling rules, hostile and
// malformed input), its lookups, the set-off programme list and the exact summary page.
#include <QtTest>

#include <QThread>
#include <atomic>
#include <memory>
#include <tinyxml.h>
#include <vector>

#include "download/SetOffProgramTable.h"
#include "download/TDDTaxDataOnePerson.h"
#include "download/TaxSlips.h"
#include "ordane/CsvParse.h"
#include "ordane/FileHelpers.h"
#include "ordane/XmlParse.h"

namespace {
const QByteArray kSin = "<IndividualTaxpayerIdentifier>046454286</IndividualTaxpayerIdentifier>";

QByteArray item(const QByteArray &body)
{
    return "<IndividualIncomeTaxDataItem>" + body + "</IndividualIncomeTaxDataItem>";
}

QByteArray repeated(const QByteArray &element, int times)
{
    QByteArray out;
    for (int i = 0; i < times; ++i)
        out += element;
    return out;
}

// Parses text through the program's one entry for outside XML, then into the record: the
// record's result, or -2 when the text was refused before the record saw it.
int parseInto(TDDTaxDataOnePerson &record, const QByteArray &text)
{
    TiXmlDocument doc;
    if (!parseXmlDocument(doc, text))
        return -2;
    return record.parseItem(doc.RootElement());
}

// The record's counts and a few texts, on one line.
QString shape(const TDDTaxDataOnePerson &r)
{
    return QStringLiteral("sin=%1 instalment=%2 unfiled=%3 rrsp=%4 hbp=%5 llp=%6 "
                          "reassessments=%7 setoffs=%8 inProgressYears=%9 clientUnfiled=%10 "
                          "nonCapital=%11 businessLosses=%12 slips=%13 remark=%14")
        .arg(QString::fromUtf8(r.sin), QString::fromUtf8(r.summary.instalmentAmount))
        .arg(r.summary.unfiledYears.size())
        .arg(r.summary.rrspContributions.size())
        .arg(r.summary.hbp.requiredRepayments.size())
        .arg(r.summary.llp.requiredRepayments.size())
        .arg(r.client.reassessments.size())
        .arg(r.client.refundSetoffs.size())
        .arg(r.client.reassessmentYears.size())
        .arg(r.client.unfiledYears.size())
        .arg(r.carryOver.nonCapitalLosses.size())
        .arg(r.carryOver.businessInvestmentLosses.size())
        .arg(r.slipCount())
        .arg(QString::fromUtf8(r.remark));
}

QString pageOf(const QByteArray &text)
{
    TDDTaxDataOnePerson record(2025);
    parseInto(record, text);
    CString page;
    record.toHtml(page, "046454286", "2026-03-01T10:00:00", "www.government.invalid");
    return page;
}

const QString kPageStart = "<body>\n<h3>SIN: 046454286, update time: 2026-03-01T10:00:00</h3>"
                           "<br>\n<h3>Summary</h3>";
const QString kIndicatorsEmpty = "<ul></ul><br>\n";
const QString kCarryOverEmpty = "<h3>CarryOver Amounts</h3><br><br><br>\n";
const QString kPageEnd = "</body>\n";
} // namespace

class TestTddRecord : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    // First, so that no lookup has loaded the table yet.
    void setOffTableLoadsOnceAcrossThreads();
    void setOffNames_data();
    void setOffNames();
    void setOffListKeepsQuotedCommasAndLatin1();
    void setOffTableFromAFile();

    void parseItem_data();
    void parseItem();
    void followingSiblingsAreTaken();
    void clientAndCarryOverTexts();
    void repaymentLookups_data();
    void repaymentLookups();
    void fhsaAmounts_data();
    void fhsaAmounts();
    void rrspRowIsEmpty_data();
    void rrspRowIsEmpty();
    void malformedItems_data();
    void malformedItems();

    void summaryPage_data();
    void summaryPage();
};

void TestTddRecord::initTestCase()
{
    Q_INIT_RESOURCE(tdd);
}

void TestTddRecord::setOffTableLoadsOnceAcrossThreads()
{
    QCOMPARE(setOffProgramTableLoads(), 0);
    std::atomic<bool> go{false};
    std::vector<std::unique_ptr<QThread>> threads;
    QByteArray results[8];
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back(QThread::create([&go, &results, i] {
            while (!go.load())
                QThread::yieldCurrentThread();
            results[i] = setOffProgramName("PSED");
        }));
        threads.back()->start();
    }
    go = true;
    for (const auto &thread : threads)
        QVERIFY(thread->wait(30000));
    for (const QByteArray &result : results)
        QCOMPARE(result, QByteArray("Local 613-944-4875 Ext        "));
    QCOMPARE(setOffProgramTableLoads(), 1);
    setOffProgramName("PFRA");
    QCOMPARE(setOffProgramTableLoads(), 1);
}

void TestTddRecord::setOffNames_data()
{
    QTest::addColumn<QByteArray>("abbreviation");
    QTest::addColumn<QString>("text");
    // The text is the "Other" column as written, padding included.
    QTest::newRow("first abbreviation, blank other") << QByteArray("PFRA") << QString(30, ' ');
    QTest::newRow("first of two lines wins")
        << QByteArray("PSED") << "Local 613-944-4875 Ext        ";
    QTest::newRow("quoted department does not shift the columns")
        << QByteArray("ISSO") << QString(30, ' ');
    QTest::newRow("accented text decoded from Latin-1")
        << QByteArray("CSLP") << QString::fromUtf8("Num\u00e9ro local 819-555-0141     ");
    QTest::newRow("empty other gives an empty text") << QByteArray("EIOP") << QString();
    QTest::newRow("unknown abbreviation") << QByteArray("ZZZZ") << QString();
    QTest::newRow("abbreviation compared exactly") << QByteArray("pfra") << QString();
}

void TestTddRecord::setOffNames()
{
    QFETCH(QByteArray, abbreviation);
    QFETCH(QString, text);
    QCOMPARE(setOffProgramName(abbreviation), text.toUtf8());
}

void TestTddRecord::setOffListKeepsQuotedCommasAndLatin1()
{
    QByteArray bytes;
    QVERIFY(loadFileToString(kSetOffProgramResource, bytes, kLoadFromResource));
    const QList<CsvLine> lines = ParseCSV(bytes);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.first().size(), 13);
    QCOMPARE(lines.first().at(11), QByteArray("Other"));
    QCOMPARE(lines.first().last(), QByteArray());
    for (const CsvLine &line : lines)
        QCOMPARE(line.size(), 13);
    const CsvLine &isso = lines.at(4);
    QCOMPARE(isso.at(1), QByteArray("ISSO"));
    QCOMPARE(isso.at(4), QByteArray("Public Services and Procurement Canada, Pay Centre"));
    QCOMPARE(isso.at(9), QByteArray("0000"));
    QCOMPARE(QString::fromLatin1(lines.at(5).at(5)).trimmed(),
             QString::fromUtf8("Programme canadien de pr\u00eats aux \u00e9tudiants"));
}

void TestTddRecord::setOffTableFromAFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("list.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Prog Nbr,Eng Abbr,Fre Abbr,Other,\n"
               "1,AAA,x,first,\n"
               "2,AAA,x,second,\n"
               "3,BBB,\n" // fewer than four fields: skipped
               "4,CCC,x,\"a, b\",\n"
               "5,DDD,x,y\n"); // no ending comma: the next-to-last field is taken
    file.close();
    const SetOffProgramTable table = loadSetOffProgramTable(path);
    const SetOffProgramTable expected = {
        {"AAA", CString("first")}, {"CCC", CString("a, b")}, {"DDD", CString("x")}};
    QCOMPARE(table, expected);
    QVERIFY(loadSetOffProgramTable(dir.filePath("missing.csv")).empty());
    QVERIFY(loadSetOffProgramTable(dir.path()).empty());
}

void TestTddRecord::parseItem_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("shape");
    const QString empty = "instalment= unfiled=0 rrsp=0 hbp=0 llp=0 reassessments=0 setoffs=0 "
                          "inProgressYears=0 clientUnfiled=0 nonCapital=0 businessLosses=0 "
                          "slips=0 remark=";
    QTest::newRow("identifier only") << item(kSin) << 0 << "sin=046454286 " + empty;
    QTest::newRow("no identifier: nothing read")
        << item("<Summary><InstalmentAmount>12.00</InstalmentAmount></Summary>"
                "<Slips remark=\"r\"><T4Slip><SlipTaxYear>2025</SlipTaxYear></T4Slip></Slips>")
        << -1 << "sin= " + empty;
    QTest::newRow("prefixed Summary is not found")
        << item(kSin + "<ns2:Summary xmlns:ns2=\"urn:x\"><InstalmentAmount>12.00</InstalmentAmount>"
                       "<UnfiledReturn><TaxYear>2020</TaxYear></UnfiledReturn></ns2:Summary>")
        << 0 << "sin=046454286 " + empty;
    const QByteArray rrspRow = "<RRSPContribution><TaxYear>2024</TaxYear>"
                               "<CurrentYearContributionsAmount>1.00"
                               "</CurrentYearContributionsAmount></RRSPContribution>";
    QTest::newRow("101st RRSP row ignored")
        << item(kSin + "<Summary><RRSPContributionHistory>" + repeated(rrspRow, 101) +
                "</RRSPContributionHistory></Summary>")
        << 0 << "sin=046454286 " + QString(empty).replace("rrsp=0", "rrsp=100");
    const QByteArray pair = "<RequiredRepayment year=\"2025\">100.00</RequiredRepayment>";
    QTest::newRow("11th required repayment ignored")
        << item(kSin + "<Summary><HomeBuyerPlan><HomeBuyerPlanRequiredRepaymentAmount>" +
                repeated(pair, 11) +
                "</HomeBuyerPlanRequiredRepaymentAmount></HomeBuyerPlan>"
                "<LifeLongLearningPlan><LifeLongLearningPlanRequiredRepaymentAmount>" +
                repeated(pair, 12) +
                "</LifeLongLearningPlanRequiredRepaymentAmount></LifeLongLearningPlan></Summary>")
        << 0 << "sin=046454286 " + QString(empty).replace("hbp=0 llp=0", "hbp=10 llp=10");
    QTest::newRow("21st reassessment and 41st set-off ignored")
        << item(kSin + "<Client><Reassessments>" +
                repeated("<Reassessment><TaxYear>2021</TaxYear></Reassessment>", 21) +
                "</Reassessments><RefundSetOffs>" +
                repeated("<RefundSetoff><RefundSetoffProgramCode>PFRA</RefundSetoffProgramCode>"
                         "</RefundSetoff>",
                         41) +
                "</RefundSetOffs><ReassessmentInProgress>" +
                repeated("<ReassessmentTaxYear>2022</ReassessmentTaxYear>", 22) +
                "</ReassessmentInProgress><UnfiledReturn>" +
                repeated("<TaxYear>2019</TaxYear>", 25) + "</UnfiledReturn></Client>")
        << 0
        << "sin=046454286 " +
               QString(empty).replace("reassessments=0 setoffs=0 inProgressYears=0 "
                                      "clientUnfiled=0",
                                      "reassessments=20 setoffs=40 inProgressYears=20 "
                                      "clientUnfiled=20");
    QTest::newRow("carry-over lists cut at their capacities")
        << item(kSin + "<CarryOver><NonCapitalLosses>" +
                repeated("<NonCapitalLoss><TaxYear>2020</TaxYear></NonCapitalLoss>", 101) +
                "</NonCapitalLosses><BusinessInvestmentLossAmounts>" +
                repeated(
                    "<BusinessInvestmentLossAmount year=\"2023\">5</BusinessInvestmentLossAmount>",
                    21) +
                "</BusinessInvestmentLossAmounts></CarryOver>")
        << 0
        << "sin=046454286 " + QString(empty).replace("nonCapital=0 businessLosses=0",
                                                     "nonCapital=100 businessLosses=20");
    QTest::newRow("elements with attributes only")
        << item("<IndividualTaxpayerIdentifier type=\"sin\"/><Summary kind=\"a\">"
                "<InstalmentAmount currency=\"CAD\"/><HomeBuyerPlan updateDate=\"x\"/>"
                "</Summary><Slips remark=\"partial\"><T4Slip version=\"2\"/><Other a=\"b\"/>"
                "</Slips>")
        << 0
        << QString(empty).replace("slips=0 remark=", "slips=1 remark=partial").prepend("sin= ");
}

void TestTddRecord::parseItem()
{
    QFETCH(QByteArray, xml);
    TDDTaxDataOnePerson record(2025);
    QTEST(parseInto(record, xml), "result");
    QTEST(shape(record), "shape");
}

void TestTddRecord::followingSiblingsAreTaken()
{
    TDDTaxDataOnePerson record(2025);
    QCOMPARE(parseInto(record, item(kSin + "<Summary><UnfiledReturn><Note>not a year</Note>"
                                           "<TaxYear>2019</TaxYear><TaxYear>2020</TaxYear>"
                                           "<Remark>2018</Remark><Empty/></UnfiledReturn>"
                                           "</Summary>")),
             0);
    const std::vector<QByteArray> years = {"2019", "2020", "2018", ""};
    QCOMPARE(record.summary.unfiledYears, years);
}

void TestTddRecord::clientAndCarryOverTexts()
{
    TDDTaxDataOnePerson record(2025);
    QCOMPARE(
        parseInto(record,
                  item(kSin + "<Client><BankruptIndicator>Y</BankruptIndicator>"
                              "<CEBDebtOwingIndicator>N</CEBDebtOwingIndicator>"
                              "<EmigrationDate>2025-06-30</EmigrationDate>"
                              "<RefundSetoffCode>7</RefundSetoffCode><RefundSetOffs><RefundSetoff>"
                              "<RefundSetoffProgramCode>PSED</RefundSetoffProgramCode>"
                              "<RefundSetoffProgramID>0030</RefundSetoffProgramID>"
                              "<RefundSetoffProgramAmount>45.10</RefundSetoffProgramAmount>"
                              "</RefundSetoff></RefundSetOffs>"
                              "<Reassessments><R><TaxYear>2022</TaxYear>"
                              "<ReassessmentDate>2024-01-02</ReassessmentDate></R></Reassessments>"
                              "<ReassessmentInProgress><ReassessmentInProgressIndicator>true"
                              "</ReassessmentInProgressIndicator></ReassessmentInProgress></Client>"
                              "<CarryOver><CapitalGainLosses><Row><TaxYear>2021</TaxYear>"
                              "<InclusionRate>0.5</InclusionRate></Row></CapitalGainLosses>"
                              "<BusinessInvestmentLossAmounts><BusinessInvestmentLossAmount>9"
                              "</BusinessInvestmentLossAmount></BusinessInvestmentLossAmounts>"
                              "</CarryOver>")),
        0);
    const TDDClientData &client = record.client;
    QCOMPARE(client.bankrupt, true);
    QCOMPARE(client.cebDebtOwing, false);
    QCOMPARE(client.emigrationDate, QByteArray("2025-06-30"));
    QCOMPARE(client.refundSetoffCode, QByteArray("7"));
    QCOMPARE(client.refundSetoffs.size(), size_t(1));
    QCOMPARE(client.refundSetoffs[0].programId, QByteArray("0030"));
    QCOMPARE(client.refundSetoffs[0].amount, QByteArray("45.10"));
    QCOMPARE(client.refundSetoffs[0].programName, QByteArray("Local 613-944-4875 Ext        "));
    QCOMPARE(client.reassessments.size(), size_t(1));
    QCOMPARE(client.reassessments[0].value, QByteArray("2024-01-02"));
    QCOMPARE(client.reassessmentInProgress, true);
    QCOMPARE(record.carryOver.capitalGainLosses.size(), size_t(1));
    QCOMPARE(record.carryOver.capitalGainLosses[0].inclusionRate, QByteArray("0.5"));
    // A business investment loss without "year" keeps an empty year.
    QCOMPARE(record.carryOver.businessInvestmentLosses[0].year, QByteArray());
    QCOMPARE(record.carryOver.businessInvestmentLosses[0].value, QByteArray("9"));
}

void TestTddRecord::repaymentLookups_data()
{
    QTest::addColumn<QByteArray>("summary");
    QTest::addColumn<double>("hbp2025");
    QTest::addColumn<double>("llp2025");
    QTest::newRow("first of two matching pairs")
        << QByteArray("<HomeBuyerPlan><HomeBuyerPlanRequiredRepaymentAmount>"
                      "<RequiredRepayment year=\"2024\">50.00</RequiredRepayment>"
                      "<RequiredRepayment year=\"2025\">1200.00</RequiredRepayment>"
                      "<RequiredRepayment year=\"2025\">999.00</RequiredRepayment>"
                      "</HomeBuyerPlanRequiredRepaymentAmount></HomeBuyerPlan>")
        << 1200.0 << 0.0;
    QTest::newRow("no pair of the year")
        << QByteArray("<LifeLongLearningPlan><LifeLongLearningPlanRequiredRepaymentAmount>"
                      "<RequiredRepayment year=\"2026\">10.00</RequiredRepayment>"
                      "<RequiredRepayment>10.00</RequiredRepayment>"
                      "</LifeLongLearningPlanRequiredRepaymentAmount></LifeLongLearningPlan>")
        << 0.0 << 0.0;
    QTest::newRow("year compared exactly, amount read leniently")
        << QByteArray("<LifeLongLearningPlan><LifeLongLearningPlanRequiredRepaymentAmount>"
                      "<RequiredRepayment year=\" 2025\">1.00</RequiredRepayment>"
                      "<RequiredRepayment year=\"2025\">1,250.50 CAD</RequiredRepayment>"
                      "</LifeLongLearningPlanRequiredRepaymentAmount></LifeLongLearningPlan>")
        << 0.0 << 1250.5;
}

void TestTddRecord::repaymentLookups()
{
    QFETCH(QByteArray, summary);
    TDDTaxDataOnePerson record(2025);
    QCOMPARE(parseInto(record, item(kSin + "<Summary>" + summary + "</Summary>")), 0);
    QTEST(record.summary.getHbpRepayment("2025"), "hbp2025");
    QTEST(record.summary.getLlpRepayment("2025"), "llp2025");
}

void TestTddRecord::fhsaAmounts_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("hasAmounts");
    QTest::addColumn<double>("lastAmount");
    QStringList zeros;
    for (int i = 0; i < TDDFhsaPlanData::ItemCount; ++i)
        zeros << (i % 2 ? "0.00" : "");
    QTest::newRow("zeros and empty texts") << zeros << false << 0.0;
    QStringList onlyLast = zeros;
    onlyLast.last() = "0.01";
    QTest::newRow("only the prior withdrawal amount") << onlyLast << true << 0.01;
    QStringList belowCent = zeros;
    belowCent.last() = "0.005";
    QTest::newRow("below the counting threshold") << belowCent << false << 0.005;
}

void TestTddRecord::fhsaAmounts()
{
    QFETCH(QStringList, texts);
    QByteArray plan = "<FHSAPlan>";
    for (int i = 0; i < TDDFhsaPlanData::ItemCount; ++i) {
        const QByteArray name = TDDFhsaPlanData::itemElements[i];
        plan += "<" + name + ">" + texts.at(i).toUtf8() + "</" + name + ">";
    }
    plan += "</FHSAPlan>";
    TDDTaxDataOnePerson record(2025);
    QCOMPARE(parseInto(record, item(kSin + "<Summary>" + plan + "</Summary>")), 0);
    QCOMPARE(record.summary.fhsaPlan.present, true);
    QTEST(record.summary.fhsaPlan.hasFhsaAmounts(), "hasAmounts");
    QTEST(record.summary.fhsaPlan.items[TDDFhsaPlanData::ItemCount - 1].amount, "lastAmount");
    QCOMPARE(record.summary.fhsaPlan.items[1].amount, 0.0);
}

void TestTddRecord::rrspRowIsEmpty_data()
{
    QTest::addColumn<QVector<QByteArray>>("amounts");
    QTest::addColumn<bool>("empty");
    QTest::newRow("six zero amounts") << QVector<QByteArray>(6, "0.00") << true;
    QTest::newRow("empty texts") << QVector<QByteArray>(6, "") << true;
    QVector<QByteArray> one(6, "0.00");
    one[3] = "1";
    QTest::newRow("one amount of 1") << one << false;
    QVector<QByteArray> half(6, "0");
    half[5] = "0.50";
    QTest::newRow("half a dollar, whatever the locale") << half << false;
}

void TestTddRecord::rrspRowIsEmpty()
{
    QFETCH(QVector<QByteArray>, amounts);
    const TDDRrspContributionRow row{"2024",        amounts.at(0), amounts.at(1), amounts.at(2),
                                     amounts.at(3), amounts.at(4), amounts.at(5)};
    QTEST(row.isEmpty(), "empty");
}

void TestTddRecord::malformedItems_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("slips");
    QTest::addColumn<int>("box14Length");
    QTest::newRow("not XML") << QByteArray("this is not <xml at all & <<") << -2 << 0 << 0;
    QTest::newRow("empty text") << QByteArray() << -2 << 0 << 0;
    QTest::newRow("unclosed elements")
        << QByteArray("<IndividualIncomeTaxDataItem><Slips><T4Slip>") << -2 << 0 << 0;
    QTest::newRow("nested 100,000 levels: refused")
        << item(kSin + "<Slips><T4Slip>" + repeated("<a>", 100000) + repeated("</a>", 100000) +
                "</T4Slip></Slips>")
        << -2 << 0 << 0;
    QTest::newRow("an element without the identifier")
        << QByteArray("<Other><Slips><T4Slip/></Slips></Other>") << -1 << 0 << 0;
    const QByteArray huge(10 * 1024 * 1024, '7');
    QTest::newRow("10 MB text inside a box")
        << item(kSin + "<Slips><T4Slip><EmploymentIncomeAmount boxNumber=\"14\">" + huge +
                "</EmploymentIncomeAmount></T4Slip></Slips>")
        << 0 << 1 << huge.size();
    QTest::newRow("entities and CDATA in texts")
        << item(kSin + "<Slips><T4Slip><A boxNumber=\"14\"><![CDATA[<b>1</b>]]></A>"
                       "<EmployerName>A &amp; B</EmployerName></T4Slip></Slips>")
        << 0 << 1 << 8;
}

void TestTddRecord::malformedItems()
{
    QFETCH(QByteArray, xml);
    TDDTaxDataOnePerson record(2025);
    QTEST(parseInto(record, xml), "result");
    QTEST(record.slipCount(), "slips");
    const int length = record.slipCount() ? record.slips[0]->getBoxText("14").size() : 0;
    QTEST(length, "box14Length");
    CString page;
    QCOMPARE(record.toHtml(page, "", "", "www.government.invalid"), 0);
    QVERIFY(page.endsWith("</body>\n"));
}

void TestTddRecord::summaryPage_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("page");
    const QString base = kPageStart + kIndicatorsEmpty + kCarryOverEmpty + kPageEnd;
    QTest::newRow("S.I.N. only") << item(kSin) << base;
    QTest::newRow("instalment 0.0 writes no line")
        << item(kSin + "<Summary><InstalmentAmount>0.0</InstalmentAmount></Summary>") << base;
    QTest::newRow("instalment 0.00 writes a line")
        << item(kSin + "<Summary><InstalmentAmount>0.00</InstalmentAmount>"
                       "<AccessCode>AB12</AccessCode></Summary>")
        << kPageStart + "Instalment: 0.00<br>\nAccess Code: AB12<br>\n" + kIndicatorsEmpty +
               kCarryOverEmpty + kPageEnd;
    const QByteArray zeroRow =
        "<RRSPContribution><TaxYear>2023</TaxYear>"
        "<UndeductedContributionsAmount>0.00</UndeductedContributionsAmount>"
        "<CurrentYearContributionsAmount>0.00</CurrentYearContributionsAmount>"
        "<TotalAvailableContributionsAmount>0.00</TotalAvailableContributionsAmount>"
        "<RepaymentToHBPorLLPAmount>0.00</RepaymentToHBPorLLPAmount>"
        "<ContributionsDeductedAmount>0.00</ContributionsDeductedAmount>"
        "<TotalUnclaimedRRSPContributionsAmount>0.00</TotalUnclaimedRRSPContributionsAmount>"
        "</RRSPContribution>";
    QTest::newRow("all-zero RRSP history: heading only")
        << item(kSin + "<Summary><RRSPContributionHistory>" + zeroRow + zeroRow +
                "</RRSPContributionHistory></Summary>")
        << kPageStart + "<br>\n<h4>RRSP History, RRSP Limit, HBP/LLP:</h4>\n<br>\n" +
               kIndicatorsEmpty + kCarryOverEmpty + kPageEnd;
    QTest::newRow("RRSP row with an amount, and the RRSP limit")
        << item(kSin + "<Summary><RRSPContributionHistory><RRSPContribution>"
                       "<TaxYear>2024</TaxYear>"
                       "<CurrentYearContributionsAmount>500.00</CurrentYearContributionsAmount>"
                       "</RRSPContribution></RRSPContributionHistory>"
                       "<RegisteredRetirementSavingsPlan updateDate=\"2025-02-03\">"
                       "<DeductionLimitAmount>18000.00</DeductionLimitAmount>"
                       "</RegisteredRetirementSavingsPlan></Summary>")
        << kPageStart +
               "<br>\n<h4>RRSP History, RRSP Limit, HBP/LLP:</h4>\nTax Year: 2024<br>\n"
               "Current Year Contribution Amount: 500.00<br>\n<br>\n<br>\n"
               "<br>\nRRSP Update Time: 2025-02-03<br>\nRRSP Deduction Limit: 18000.00<br>\n"
               "<br>\n<br>\n" +
               kIndicatorsEmpty + kCarryOverEmpty + kPageEnd;
    QTest::newRow("HBP pair")
        << item(kSin +
                "<Summary><HomeBuyerPlan>"
                "<HomeBuyerPlanRepaymentToDateAmount>0.0</HomeBuyerPlanRepaymentToDateAmount>"
                "<HomeBuyerPlanRepayableBalanceAmount>9600.00"
                "</HomeBuyerPlanRepayableBalanceAmount>"
                "<updateDate>2025-01-15</updateDate>"
                "<HomeBuyerPlanRequiredRepaymentAmount>"
                "<RequiredRepayment year=\"2025\">1200.00</RequiredRepayment>"
                "</HomeBuyerPlanRequiredRepaymentAmount></HomeBuyerPlan></Summary>")
        << kPageStart +
               "<br>\nHBP Update Time: 2025-01-15<br>\nHBP Repayable Balance: 9600.00<br>\n"
               "HBP Required Repayment: tax year: 2025, required amount: 1200.00<br>\n<br>\n" +
               kIndicatorsEmpty + kCarryOverEmpty + kPageEnd;
    QTest::newRow("two non-capital loss rows")
        << item(kSin + "<CarryOver><NonCapitalLosses>"
                       "<NonCapitalLoss><TaxYear>2022</TaxYear>"
                       "<CurrentYearNonCapitalLossAmount>100.00</CurrentYearNonCapitalLossAmount>"
                       "</NonCapitalLoss>"
                       "<NonCapitalLoss><TaxYear>2023</TaxYear>"
                       "<PriorYearNonCapitalLossAmount>40.00</PriorYearNonCapitalLossAmount>"
                       "</NonCapitalLoss></NonCapitalLosses>"
                       "<ProvincialTuitionEducationTextBookAmounts><Row><TaxYear>2024</TaxYear>"
                       "<CarryForwardAvailableAmount>300.00</CarryForwardAvailableAmount></Row>"
                       "</ProvincialTuitionEducationTextBookAmounts></CarryOver>")
        << kPageStart + kIndicatorsEmpty +
               "<h3>CarryOver Amounts</h3><br>"
               "<br>\n<h4>Total records: 2 - Non-Capital Loss</h4>\n<p>"
               "Tax Year: 2022<br>\nCurrent Year Non-Capital Loss Amount: 100.00<br>\n<br>\n"
               "Tax Year: 2023<br>\nPrior Year Non-Capital Loss Amount: 40.00<br>\n<br>\n</p>"
               "<br>\n<h4>Total records: 1 - Provincial Tuition Education Textbook Amounts</h4>\n"
               "<font color=\"#000000\">Tax Year: 2024<br>\n"
               "Carryforward Available Amount: 300.00<br>\n<br>\n</font>"
               "<br><br>\n" +
               kPageEnd;
    QTest::newRow("indicators and unfiled years")
        << item(kSin + "<Summary><UnfiledReturn><TaxYear>2021</TaxYear><TaxYear>2022</TaxYear>"
                       "</UnfiledReturn><UncashedChequeIndicator>true</UncashedChequeIndicator>"
                       "<GSTHSTReturnIndicator>Y</GSTHSTReturnIndicator>"
                       "<ReturnedMailIndicator>false</ReturnedMailIndicator>"
                       "<ElectronicCorrespondenceIndicator>E</ElectronicCorrespondenceIndicator>"
                       "</Summary>")
        << kPageStart +
               "<br>\n<font>Unfiled Return(s) for the Following Tax Year(s):</font><br>\n"
               "<font>2021 2022 </font><br>\n"
               "<ul><li>- has uncashed cheque(s)<br>\n"
               "<li>- All future refunds will be held until all outstanding returns have been "
               "filed.This may include, but is not limited to, any outstanding GST/HST returns. "
               "For information on how to file your business GST/HST returns, visit "
               "https://www.government.invalid/gst-hst-filing.<br>\n"
               "<li>- Electronic Correspondence Preference Indicator = E<br>\n</ul><br>\n" +
               kCarryOverEmpty + kPageEnd;
    QTest::newRow("slips and a remark")
        << item(kSin + "<Slips remark=\"partial &lt;list&gt;\">"
                       "<T4Slip><SlipTaxYear>2025</SlipTaxYear>"
                       "<EmployerName>Acme &amp; Sons</EmployerName>"
                       "<EmploymentIncomeAmount boxNumber=\"14\">50000.00</EmploymentIncomeAmount>"
                       "</T4Slip><UnknownSlip/>"
                       "<ns9:T4ASlip xmlns:ns9=\"urn:x\"><SlipTaxYear>2025</SlipTaxYear>"
                       "<SlipVersionDescription>Amended</SlipVersionDescription>"
                       "<PayerName>Beta</PayerName>"
                       "<OtherIncome boxNumber=\"28\">75.00</OtherIncome></ns9:T4ASlip></Slips>")
        << kPageStart + kIndicatorsEmpty + kCarryOverEmpty +
               "<h3>Tax Slips, number of slips = 2</h3><br>\n"
               "<b><font color=\"red\">1 - T4</font></b><br>Tax Year: 2025<br>\n"
               "Employer: Acme &amp; Sons<br>\nBox 14 - Employment income: 50000.00<br>\n<br>\n"
               "<b><font color=\"red\">2 - T4A</font></b><br>Tax Year: 2025<br>\n"
               "Version: Amended<br>\n<h4>Payer: Beta<br>\n</h4>"
               "Box 28 - Other Income: 75.00<br>\n<br>\n"
               "<h3>Tax Slips, remarked as partial &lt;list&gt;</h3><br>\n" +
               kPageEnd;
}

void TestTddRecord::summaryPage()
{
    QFETCH(QByteArray, xml);
    QTEST(pageOf(xml), "page");
}

QTEST_GUILESS_MAIN(TestTddRecord)
#include "tst_TddRecord.moc"
