// Applying a downloaded Auto-fill record to a coupled return: which slips and forms it makes
// and replaces, the amounts it writes, applying twice, and the return saved and read back.
#include <QtTest>

#include "PluginFolder.h"
#include "TestMain.h"
#include "brevant/BrevantForms.h"
#include "download/DataAFR.h"
#include "download/DownloadServices.h"
#include "download/MergeDownloadedTaxData.h"
#include "download/TDDTaxDataOnePerson.h"
#include "download/TaxSlips.h"
#include "marrow/BusinessForms.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormFactory.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "marrow/WizardData.h"
#include "model/AutoFillMerge.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "ordane/Clock.h"
#include "plugin/TestPluginRecorder.h"
#include "ui/NeighbourServices.h"
#include "ui/SlipCaption.h"

#include <QTemporaryDir>
#include <memory>

namespace {

constexpr int kOntario = 9;
constexpr unsigned char kEdition = 2;
const char kTaxpayerSin[] = "046454286";

// Both spouses in Ontario, each with a T1, coupled; the province's test plug-in records the
// calls it gets.
class CoupledReturn
{
public:
    CoupledReturn()
    {
        m_ok = m_folder.linkTestPlugin(kOntario, &recorder);
        family = std::make_unique<FamilyTaxData>(0);
        setUp(*family->taxpayer(), "Elise", kTaxpayerSin, 52000);
        setUp(*family->spouse(), "Marc", "130692544", 18000);
        family->setCoupledFlags();
    }
    bool ok() const { return m_ok && family->isCoupled(); }
    IndividualTaxData &taxpayer() { return *family->taxpayer(); }
    TaxData_T1New &t1() { return *static_cast<TaxData_T1New *>(taxpayer().getForm(1, 0, false)); }

    TestPluginRecorder recorder;
    std::unique_ptr<FamilyTaxData> family;

private:
    static void setUp(IndividualTaxData &person, const char *first, const char *sin, double pay)
    {
        person.m_province = kOntario;
        person.m_provsTaxMgr.setMainProvince(kOntario);
        person.m_provsTaxMgr.getProvinceManager(kOntario, true);
        auto *t1 = static_cast<TaxData_T1New *>(person.getForm(FormType::T1, 0, true));
        t1->firstName = QString(first);
        t1->lastName = QString("Tremblay");
        t1->sin = QString(sin);
        t1->birthDate = QDate(1970, 3, 14);
        t1->maritalStatus = 0;
        auto *t4 = static_cast<TaxData_Slip_T4 *>(person.addSlip(SlipType::T4, 0, 0)->data);
        t4->descriptionField()->setValue("Hand-entered employer");
        t4->box14 = pay;
    }

    PluginFolder m_folder;
    bool m_ok = false;
};

template <typename Slip> Slip &addSlip(TDDTaxDataOnePerson &record)
{
    record.slips.push_back(std::make_unique<Slip>());
    return static_cast<Slip &>(*record.slips.back());
}

TDDTaxDataOnePerson *newRecord()
{
    auto *record = new TDDTaxDataOnePerson(2025);
    record->sin = kTaxpayerSin;
    return record;
}

// A record of one T4 and one partnership slip.
std::unique_ptr<TDDTaxDataOnePerson> employmentRecord()
{
    std::unique_ptr<TDDTaxDataOnePerson> record(newRecord());
    auto &t4 = addSlip<TaxSlipT4>(*record);
    t4.employerName = "Maple Foods";
    t4.box10 = "ON";
    t4.boxes["14"] = CString("61000.50");
    t4.boxes["22"] = CString("9100");
    auto &t5013 = addSlip<TaxSlipT5013>(*record);
    t5013.payerName = "Lakeside LP";
    t5013.boxes["151"] = CString("1200");
    return record;
}

// A T5008 slip: quantity, security, cost, proceeds.
void addDisposition(TDDTaxDataOnePerson &record, const char *quantity, const char *security,
                    const char *cost, const char *proceeds)
{
    auto &slip = addSlip<TaxSlipT5008>(record);
    slip.box16 = quantity;
    slip.box17 = security;
    slip.box20 = cost;
    slip.box21 = proceeds;
}

void addReceipt(TDDTaxDataOnePerson &record, const char *indicator, const char *prior,
                const char *current)
{
    auto &receipt = addSlip<TaxSlipRRSPReceipt>(record);
    receipt.spouseContributionIndicator = indicator;
    receipt.priorYearContribution = prior;
    receipt.currentYearContribution = current;
}

// Option 0: every element.
struct Everything : DataAFR
{
    Everything() { fld_iFillOption = AllElements; }
};

void tickAll(DataAFR &options)
{
    options.fld_iFillOption = DataAFR::OnlySelected;
    for (CField *field : options.fields()) {
        if (field->type() == FieldType::Bool)
            static_cast<CBoolField *>(field)->setValue(true);
    }
}

// "type:description:downloaded" for each slip, in list order.
QStringList slipsOf(const IndividualTaxData &person)
{
    QStringList out;
    for (const TaxDataEntryStru *entry : person.m_slipList) {
        CString description;
        entry->data->getDescription(description);
        out << QString("%1:%2:%3")
                   .arg(entry->type)
                   .arg(description)
                   .arg(entry->data->isDownloaded() ? 1 : 0);
    }
    return out;
}

// "quantity|description|book|settlement|downloaded" for each Schedule 3 share row in use.
QStringList equityRowsOf(TaxData_Sch3 &sch3)
{
    QStringList out;
    for (int row = 0; row < sch3.usedEquityEntries(); ++row) {
        CTableField &rows = sch3.equityEntries;
        out << QString("%1|%2|%3|%4|%5")
                   .arg(rows.amountAt(row, TaxData_Sch3::EquityQuantity).value())
                   .arg(rows.textAt(row, TaxData_Sch3::EquityDescription).value())
                   .arg(rows.amountAt(row, TaxData_Sch3::EquityBookValue).value())
                   .arg(rows.amountAt(row, TaxData_Sch3::EquitySettlement).value())
                   .arg(rows.flagAt(row, TaxData_Sch3::EquityDownloaded).value() ? 1 : 0);
    }
    return out;
}

void addHandRow(TaxData_Sch3 &sch3, const char *description, double book, double proceeds)
{
    const int row = sch3.equityEntryCount;
    sch3.equityEntries.amountAt(row, TaxData_Sch3::EquityQuantity) = 10;
    sch3.equityEntries.textAt(row, TaxData_Sch3::EquityDescription) = QString(description);
    sch3.equityEntries.amountAt(row, TaxData_Sch3::EquityBookValue) = book;
    sch3.equityEntries.amountAt(row, TaxData_Sch3::EquitySettlement) = proceeds;
    sch3.equityEntryCount = row + 1;
}

template <typename Form> Form *formOf(IndividualTaxData &person, int type)
{
    return dynamic_cast<Form *>(person.getForm(type, 0, false));
}

} // namespace

class TestAutoFillMerge : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyElementOrOnlyTicked_data();
    void everyElementOrOnlyTicked();
    void earlierAutoFillSlipsAreReplaced();
    void dispositionsAfterTheRowsThere();
    void rrspReceipts_data();
    void rrspReceipts();
    void rrspLimitAndRepayments();
    void instalmentsFromAnEmptyText();
    void fhsaAmountsWhateverWasTicked();
    void tuitionWithAndWithoutLastYearData();
    void governmentContract();
    void autoFillFlagAndDate();
    void recordWithoutSinMergesNothing();
    void applyingTwiceCountsOnce();
    void installedMergeRunsOnTheCurrentPerson();
    void savedAndReadBack();
    void newFieldsSurviveTheFile_data();
    void newFieldsSurviveTheFile();
    void dispositionsBeyondTheRoom();
};

void TestAutoFillMerge::init()
{
    setNow(QDateTime(QDate(2026, 3, 2), QTime(9, 30)));
}

void TestAutoFillMerge::cleanup()
{
    setNow();
    setAutoFillMerge(nullptr);
}

void TestAutoFillMerge::everyElementOrOnlyTicked_data()
{
    QTest::addColumn<bool>("allOption");
    QTest::addColumn<QStringList>("slips");
    QTest::newRow("option 0") << true
                              << QStringList{"1:Hand-entered employer:0", "1:Maple Foods:1",
                                             "13:Lakeside LP:1"};
    // No flag selects the partnership slip: ticking every box still leaves it out.
    QTest::newRow("option 1, every flag")
        << false << QStringList{"1:Hand-entered employer:0", "1:Maple Foods:1"};
}

void TestAutoFillMerge::everyElementOrOnlyTicked()
{
    QFETCH(bool, allOption);
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    Everything options;
    if (!allOption)
        tickAll(options);
    const int firstId = fixture.taxpayer().m_nextId;
    auto record = employmentRecord();
    QCOMPARE(fixture.taxpayer().mergeDownloadedTaxData(record.get(), &options), 0);
    QTEST(slipsOf(fixture.taxpayer()), "slips");

    auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(fixture.taxpayer().m_slipList[1]->data);
    QVERIFY(t4);
    QCOMPARE(double(t4->box14), 61000.5);
    QCOMPARE(double(t4->box22), 9100.0);
    QCOMPARE(int(t4->provinceOfEmployment), kOntario);
    QCOMPARE(fixture.taxpayer().m_slipList[1]->id, firstId);
    QCOMPARE(fixture.taxpayer().m_slipList[1]->linkedId, 0);
    if (allOption) {
        auto *t5013 = dynamic_cast<TaxData_Slip_T5013 *>(fixture.taxpayer().m_slipList[2]->data);
        QVERIFY(t5013);
        QCOMPARE(double(t5013->box151), 1200.0);
        QCOMPARE(fixture.taxpayer().m_slipList[2]->id, firstId + 1);
    }
    // The spouse is not touched.
    QCOMPARE(slipsOf(*fixture.family->spouse()), QStringList{"1:Hand-entered employer:0"});
}

// Marked slips of the chosen types go before the new ones come; hand slips and marked slips of
// types not chosen stay.
void TestAutoFillMerge::earlierAutoFillSlipsAreReplaced()
{
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    IndividualTaxData &person = fixture.taxpayer();
    auto *oldT4 = person.addSlip(SlipType::T4, 0, 0)->data;
    oldT4->descriptionField()->setValue("Old download");
    oldT4->setDownloaded(true);
    auto *oldT5 = person.addSlip(SlipType::T5, 0, 0)->data;
    oldT5->descriptionField()->setValue("Bank of Old");
    oldT5->setDownloaded(true);
    auto *handT5 = person.addSlip(SlipType::T5, 0, 0)->data;
    handT5->descriptionField()->setValue("Hand T5");

    DataAFR options;
    options.fld_iFillOption = DataAFR::OnlySelected;
    options.fld_bT4 = true;
    auto record = employmentRecord();
    auto &t5 = addSlip<TaxSlipT5>(*record);
    t5.payerName = "Bank of New";
    person.mergeDownloadedTaxData(record.get(), &options);
    QCOMPARE(slipsOf(person), (QStringList{"1:Hand-entered employer:0", "8:Bank of Old:1",
                                           "8:Hand T5:0", "1:Maple Foods:1"}));
}

// Three T5008 slips after the two rows Schedule 3 holds: five rows, the new ones third to
// fifth in record order, and the gains count them.
void TestAutoFillMerge::dispositionsAfterTheRowsThere()
{
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    IndividualTaxData &person = fixture.taxpayer();
    auto *sch3 = static_cast<TaxData_Sch3 *>(person.getForm(FormType::SCH3, 0, true));
    addHandRow(*sch3, "Hand A", 100, 150);
    addHandRow(*sch3, "Hand B", 200, 180);

    auto record = employmentRecord();
    addDisposition(*record, "100", "ACME Corp", "1000", "1500.25");
    addDisposition(*record, "5", "Bond 2030", "500", "450");
    addDisposition(*record, "", "Fund units", "", "75");
    DataAFR options;
    options.fld_iFillOption = DataAFR::OnlySelected;
    options.fld_bT5008 = true;
    person.mergeDownloadedTaxData(record.get(), &options);

    const QStringList expected{"10|Hand A|100|150|0", "10|Hand B|200|180|0",
                               "100|ACME Corp|1000|1500.25|1", "5|Bond 2030|500|450|1",
                               "0|Fund units|0|75|1"};
    QCOMPARE(equityRowsOf(*sch3), expected);
    QCOMPARE(int(sch3->equityEntryCount), 5);
    // No slip form is made for a disposition, and T4s were not chosen.
    QCOMPARE(slipsOf(person), QStringList{"1:Hand-entered employer:0"});

    sch3->CalculateBeforeLine193();
    QCOMPARE(double(sch3->f19700), 50.0 - 20.0 + 500.25 - 50.0 + 75.0);

    // Not chosen: the rows stay as they are, and no Schedule 3 is made where there is none.
    DataAFR none;
    none.fld_iFillOption = DataAFR::OnlySelected;
    person.mergeDownloadedTaxData(record.get(), &none);
    QCOMPARE(equityRowsOf(*sch3), expected);
    IndividualTaxData &spouse = *fixture.family->spouse();
    spouse.mergeDownloadedTaxData(record.get(), &none);
    QVERIFY(!spouse.hasForm(FormType::SCH3));
}

void TestAutoFillMerge::rrspReceipts_data()
{
    QTest::addColumn<QByteArrayList>("receipts"); // indicator, prior, current per receipt
    QTest::addColumn<QList<double>>("sch7");      // own Mar-Dec, own Jan-Mar, spouse the same
    QTest::newRow("spouse's plan")
        << QByteArrayList{"1", "500", "1000"} << QList<double>{0, 0, 1000, 500};
    QTest::newRow("own plan") << QByteArrayList{"0", "250", "750.5"}
                              << QList<double>{750.5, 250, 0, 0};
    QTest::newRow("no indicator is own")
        << QByteArrayList{"", "0", "40"} << QList<double>{40, 0, 0, 0};
    QTest::newRow("both, summed") << QByteArrayList{"0",  "100", "200", "1", "10",
                                                    "20", "0",   "1",   "2"}
                                  << QList<double>{202, 101, 20, 10};
    QTest::newRow("all zero") << QByteArrayList{"0", "0", "0", "1", "0.00", ""} << QList<double>{};
}

void TestAutoFillMerge::rrspReceipts()
{
    QFETCH(QByteArrayList, receipts);
    QFETCH(QList<double>, sch7);
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    IndividualTaxData &person = fixture.taxpayer();
    std::unique_ptr<TDDTaxDataOnePerson> record(newRecord());
    for (int i = 0; i + 2 < receipts.size(); i += 3)
        addReceipt(*record, receipts[i], receipts[i + 1], receipts[i + 2]);
    Everything options;
    person.mergeDownloadedTaxData(record.get(), &options);

    auto *schedule = formOf<TaxData_Sch7>(person, FormType::SCH7);
    if (sch7.isEmpty()) {
        QVERIFY(!schedule); // nothing counts: Schedule 7 is not made
        return;
    }
    QVERIFY(schedule);
    const QList<double> got{schedule->contribMarToDec, schedule->contribJanToMar,
                            schedule->spouseContribMarToDec, schedule->spouseContribJanToMar};
    QCOMPARE(got, sch7);
    QVERIFY(person.m_slipList.size() == 1); // receipts make no slip form
}

void TestAutoFillMerge::rrspLimitAndRepayments()
{
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    IndividualTaxData &person = fixture.taxpayer();
    auto *sch7 = static_cast<TaxData_Sch7 *>(person.getForm(FormType::SCH7, 0, true));
    sch7->contribMarToDec = 321; // receipts that do not count leave this alone
    auto *lastYear =
        dynamic_cast<TaxData_LastYearAmounts *>(person.findWizardData(WizardType::LastYear, true));
    QVERIFY(lastYear);
    std::unique_ptr<TDDTaxDataOnePerson> record(newRecord());
    addReceipt(*record, "0", "0", "0");
    record->summary.rrspDeductionLimit = "18,250.00";
    record->summary.rrspUnusedContribution = "0";
    record->summary.hbp.requiredRepayments = {{"2024", "900"}, {"2025", "1000"}};
    record->summary.llp.requiredRepayments = {{"2025", "0"}};
    Everything options;
    person.mergeDownloadedTaxData(record.get(), &options);

    QCOMPARE(double(sch7->contribMarToDec), 321.0);
    QCOMPARE(double(sch7->rrspDeductionLimit), 18250.0);
    QCOMPARE(double(sch7->unusedRrspContributions), 0.0);
    QCOMPARE(double(lastYear->rrspDeductionLimit), 18250.0);
    QCOMPARE(double(lastYear->hbpRepaymentRequired), 1000.0);
    QCOMPARE(double(lastYear->llpRepaymentRequired), 0.0);
    QCOMPARE(double(fixture.t1().hbpRepaymentRequired), 1000.0);
    QCOMPARE(double(fixture.t1().llpRepaymentRequired), 0.0);

    // Under option 1 without those ticks nothing of it is written.
    sch7->rrspDeductionLimit = 1;
    lastYear->hbpRepaymentRequired = 2;
    DataAFR none;
    none.fld_iFillOption = DataAFR::OnlySelected;
    person.mergeDownloadedTaxData(record.get(), &none);
    QCOMPARE(double(sch7->rrspDeductionLimit), 1.0);
    QCOMPARE(double(lastYear->hbpRepaymentRequired), 2.0);
}

void TestAutoFillMerge::instalmentsFromAnEmptyText()
{
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    fixture.t1().taxInstalmentsPaid = 1234;
    std::unique_ptr<TDDTaxDataOnePerson> record(newRecord());
    Everything options;
    fixture.taxpayer().mergeDownloadedTaxData(record.get(), &options);
    QCOMPARE(double(fixture.t1().taxInstalmentsPaid), 0.0);

    record->summary.instalmentAmount = "2,400.00";
    fixture.taxpayer().mergeDownloadedTaxData(record.get(), &options);
    QCOMPARE(double(fixture.t1().taxInstalmentsPaid), 2400.0);
}

void TestAutoFillMerge::fhsaAmountsWhateverWasTicked()
{
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    IndividualTaxData &person = fixture.taxpayer();
    std::unique_ptr<TDDTaxDataOnePerson> record(newRecord());
    record->summary.fhsaPlan.present = true;
    for (int i = 0; i < TDDFhsaPlanData::ItemCount; ++i)
        record->summary.fhsaPlan.items[i].text = QByteArray::number(100 * (i + 1) + 0.5);
    DataAFR options;
    options.fld_iFillOption = DataAFR::OnlySelected;
    person.mergeDownloadedTaxData(record.get(), &options);

    auto *sch15 = formOf<TaxData_Sch15>(person, FormType::SCH15);
    QVERIFY(sch15);
    const QList<double> got{sch15->fhsaVariableBPriorYear,
                            sch15->fhsaTransfersFromRrspPriorYear,
                            sch15->fhsaDesignatedTransfersPriorYear,
                            sch15->fhsaAnnualLimitPriorYear,
                            sch15->fhsaDeductionPriorYear,
                            sch15->fhsaUnusedContributions,
                            sch15->fhsaCarryforwardCurrentYear,
                            sch15->fhsaCarryforwardPriorYear,
                            sch15->fhsaVariableFPriorYear,
                            sch15->fhsaVariableHPriorYear,
                            sch15->fhsaContributions,
                            sch15->fhsaPriorWithdrawalContributions};
    QCOMPARE(got, (QList<double>{100.5, 200.5, 300.5, 400.5, 500.5, 600.5, 700.5, 800.5, 900.5,
                                 1000.5, 1100.5, 1200.5}));

    // No amount counts: no Schedule 15 is made.
    IndividualTaxData &spouse = *fixture.family->spouse();
    std::unique_ptr<TDDTaxDataOnePerson> empty(newRecord());
    empty->summary.fhsaPlan.present = true;
    empty->summary.fhsaPlan.items[3].text = "0.005";
    spouse.mergeDownloadedTaxData(empty.get(), &options);
    QVERIFY(!spouse.hasForm(FormType::SCH15));
}

// Without last-year data only its copies are skipped: the plug-in, Schedule 11 and the tuition
// forms still get theirs.
void TestAutoFillMerge::tuitionWithAndWithoutLastYearData()
{
    for (bool withLastYear : {false, true}) {
        CoupledReturn fixture;
        QVERIFY(fixture.ok());
        IndividualTaxData &person = fixture.taxpayer();
        QVERIFY(!person.findWizardData(WizardType::LastYear, false));
        if (withLastYear)
            QVERIFY(person.findWizardData(WizardType::LastYear, true));
        fixture.t1().fedTuitionCarryForward = 11;
        fixture.t1().provTuitionCarryForward = 22;
        std::unique_ptr<TDDTaxDataOnePerson> record(newRecord());
        record->carryOver.federalTuition = {{"2023", "1"}, {"2024", "4,321.50"}};
        record->carryOver.provincialTuition = {{"2024", "1234"}};
        record->summary.canadaTrainingCreditLimit = "750";
        record->summary.rrspDeductionLimit = "5000";
        fixture.recorder.calls.clear();
        Everything options;
        person.mergeDownloadedTaxData(record.get(), &options);

        // The plug-in ends with the downloaded amount (forms made on the way may hand it the
        // interview's amount before, as any new form does).
        const QStringList handed = fixture.recorder.callsOf("setProvincialAmount");
        QVERIFY(handed.contains("9 setProvincialAmount 11001 1234"));
        QCOMPARE(handed.last(), QString("9 setProvincialAmount 11001 1234"));
        auto *sch11 = formOf<TaxData_Sch11>(person, FormType::SCH11);
        QVERIFY(sch11);
        QCOMPARE(double(sch11->canadaTrainingCreditLimit), 750.0);
        QCOMPARE(double(sch11->carryForward), 4321.5);
        QCOMPARE(double(fixture.t1().fedTuitionCarryForward), withLastYear ? 4321.5 : 11.0);
        QCOMPARE(double(fixture.t1().provTuitionCarryForward), withLastYear ? 1234.0 : 22.0);
        // Schedule 7 takes the limit either way.
        QCOMPARE(double(formOf<TaxData_Sch7>(person, FormType::SCH7)->rrspDeductionLimit), 5000.0);
        auto *lastYear = dynamic_cast<TaxData_LastYearAmounts *>(
            person.findWizardData(WizardType::LastYear, false));
        QCOMPARE(lastYear != nullptr, withLastYear);
        if (lastYear) {
            QCOMPARE(double(lastYear->fedTuitionCarryForward), 4321.5);
            QCOMPARE(double(lastYear->provTuitionCarryForward), 1234.0);
            QCOMPARE(double(lastYear->rrspDeductionLimit), 5000.0);
        }
    }
}

void TestAutoFillMerge::governmentContract()
{
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    IndividualTaxData &person = fixture.taxpayer();
    auto *hand = person.addForm(FormType::T2125, 0, true, 0, false)->data;
    static_cast<TaxData_T2125_New *>(hand)->businessName = QString("My own shop");
    std::unique_ptr<TDDTaxDataOnePerson> record(newRecord());
    auto &contract = addSlip<TaxSlipT1204>(*record);
    contract.box82 = "3000";
    contract.box84 = "450.25";
    DataAFR options;
    options.fld_iFillOption = DataAFR::OnlySelected;
    options.fld_bT1204 = true;
    const int firstId = person.m_nextId;
    person.mergeDownloadedTaxData(record.get(), &options);

    QList<TaxDataEntryStru *> forms;
    person.collectFormsOfType(FormType::T2125, forms);
    QCOMPARE(forms.size(), 2);
    QCOMPARE(forms[0]->data, hand);
    auto *t2125 = dynamic_cast<TaxData_T2125_New *>(forms[1]->data);
    QVERIFY(t2125);
    QVERIFY(t2125->isDownloaded());
    QCOMPARE(QString(t2125->description.value()), QString("Government Service Contract"));
    QCOMPARE(int(t2125->kind), 0);
    QCOMPARE(double(t2125->grossIncome), 3450.25);
    CString caption;
    t2125->getDescription(caption);
    QCOMPARE(QString(caption), QString("Government Service Contract"));
    // The slip took the first id, the statement the next.
    QCOMPARE(person.m_slipList.last()->id, firstId);
    QCOMPARE(forms[1]->id, firstId + 1);
    QCOMPARE(person.m_nextId, firstId + 2);
}

void TestAutoFillMerge::autoFillFlagAndDate()
{
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    std::unique_ptr<TDDTaxDataOnePerson> record(newRecord());
    DataAFR options;
    fixture.taxpayer().mergeDownloadedTaxData(record.get(), &options);
    QVERIFY(fixture.t1().autoFillFlag);
    QCOMPARE(fixture.t1().autoFillDate.date(), QDate(2026, 3, 2));
}

void TestAutoFillMerge::recordWithoutSinMergesNothing()
{
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    IndividualTaxData &person = fixture.taxpayer();
    auto *old = person.addSlip(SlipType::T4, 0, 0)->data;
    old->setDownloaded(true);
    const int nextId = person.m_nextId;
    auto record = employmentRecord();
    record->sin = " ";
    record->summary.instalmentAmount = "100";
    Everything options;
    QCOMPARE(person.mergeDownloadedTaxData(record.get(), &options), 0);
    QCOMPARE(person.m_slipList.size(), 2);
    QCOMPARE(person.m_slipList.last()->data, old);
    QCOMPARE(person.m_nextId, nextId);
    QVERIFY(!fixture.t1().autoFillFlag);
    QCOMPARE(double(fixture.t1().taxInstalmentsPaid), 0.0);
    QCOMPARE(person.mergeDownloadedTaxData(nullptr, &options), 0);
    QCOMPARE(person.mergeDownloadedTaxData(record.get(), nullptr), 0);
}

// The second apply removes what the first made and makes it again: the same slips, one
// government-contract statement, the same share rows and the same balance.
void TestAutoFillMerge::applyingTwiceCountsOnce()
{
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    FamilyTaxData &family = *fixture.family;
    IndividualTaxData &person = fixture.taxpayer();
    auto *sch3 = static_cast<TaxData_Sch3 *>(person.getForm(FormType::SCH3, 0, true));
    addHandRow(*sch3, "Hand A", 100, 150);
    auto record = employmentRecord();
    addDisposition(*record, "100", "ACME Corp", "1000", "1500");
    addDisposition(*record, "3", "Bond", "300", "310");
    auto &contract = addSlip<TaxSlipT1204>(*record);
    contract.box82 = "5000";
    auto &t5 = addSlip<TaxSlipT5>(*record);
    t5.payerName = "Bank";
    t5.boxes["13"] = CString("640");
    Everything options;
    setAutoFillMerge(nullptr);
    installAutoFillMerge();

    QCOMPARE(family.applyAutoFillData(record.get(), &options), 0);
    const QStringList slips = slipsOf(person);
    const QStringList rows = equityRowsOf(*sch3);
    double taxpayer = 0, spouse = 0, total = 0;
    family.getBalanceAmounts(taxpayer, spouse, total);
    const double income = fixture.t1().f15000;
    QCOMPARE(person.countFormsOfType(FormType::T2125), 1);
    QCOMPARE(rows.size(), 3);
    QVERIFY(income > 52000 + 640 + 5000 + 61000);

    QCOMPARE(family.applyAutoFillData(record.get(), &options), 0);
    QCOMPARE(slipsOf(person), slips);
    QCOMPARE(equityRowsOf(*sch3), rows);
    QCOMPARE(person.countFormsOfType(FormType::T2125), 1);
    double taxpayer2 = 0, spouse2 = 0, total2 = 0;
    family.getBalanceAmounts(taxpayer2, spouse2, total2);
    QCOMPARE(taxpayer2, taxpayer);
    QCOMPARE(spouse2, spouse);
    QCOMPARE(total2, total);
    QCOMPARE(double(fixture.t1().f15000), income);
}

void TestAutoFillMerge::installedMergeRunsOnTheCurrentPerson()
{
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    FamilyTaxData &family = *fixture.family;
    auto record = employmentRecord();
    Everything options;

    // Before start-up installs it, nothing is merged.
    QCOMPARE(family.applyAutoFillData(record.get(), &options), 0);
    QCOMPARE(fixture.taxpayer().m_slipList.size(), 1);

    NeighbourServices services;
    installDownloadServices(services);
    QVERIFY(services.autoFillMyReturn);
    family.setCurrentPersonIndex(-1);
    QCOMPARE(family.applyAutoFillData(record.get(), &options), 0);
    QCOMPARE(fixture.taxpayer().m_slipList.size(), 1);
    QCOMPARE(slipsOf(*family.spouse()),
             (QStringList{"1:Hand-entered employer:0", "1:Maple Foods:1", "13:Lakeside LP:1"}));
}

// The return written to a real file and read again keeps the slips with their mark, the new
// fields and the balance; the forms tree names the downloaded slips.
void TestAutoFillMerge::savedAndReadBack()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    FamilyTaxData &family = *fixture.family;
    IndividualTaxData &person = fixture.taxpayer();

    auto record = employmentRecord();
    auto &t4 = static_cast<TaxSlipT4 &>(*record->slips.front());
    t4.boxes["24"] = CString("60000");
    t4.boxes["26"] = CString("59000");
    auto &pension = addSlip<TaxSlipT4A>(*record);
    pension.payerName = "Pension Co";
    pension.boxes["37"] = CString("37.5");
    pension.boxes["196"] = CString("196.5");
    auto &rsp = addSlip<TaxSlipT4RSP>(*record);
    rsp.payerName = "RSP Trust";
    rsp.boxes["37"] = CString("12.5");
    auto &rif = addSlip<TaxSlipT4RIF>(*record);
    rif.boxes["37"] = CString("13.5");
    auto &prpp = addSlip<TaxSlipPRPP>(*record);
    prpp.contractNumber = "C-77";
    prpp.prppVersionDescription = "Amended";
    auto &tuition = addSlip<TaxSlipT2202>(*record);
    tuition.boxes["11"] = CString("Northern College");
    tuition.boxes["15"] = CString("Nursing");
    tuition.sessionCount = 1;
    tuition.sessionFrom[0] = "2025/09";
    tuition.sessionTo[0] = "2025/12";
    tuition.sessionFullTimeMonths[0] = "4";
    tuition.sessionFees[0] = "2500";
    auto &contract = addSlip<TaxSlipT1204>(*record);
    contract.box82 = "800";
    addDisposition(*record, "7", "ACME Corp", "70", "91");
    record->summary.canadaTrainingCreditLimit = "250";
    record->summary.fhsaPlan.items[10].text = "8000";
    Everything options;
    installAutoFillMerge();
    family.applyAutoFillData(record.get(), &options);
    auto *rspForm = static_cast<TaxData_Slip_T4RSP *>(person.m_slipList[4]->data);
    rspForm->spousalFlag = true; // the user ticks it by hand

    double taxpayer = 0, spouse = 0, total = 0;
    family.getBalanceAmounts(taxpayer, spouse, total);
    const QStringList slips = slipsOf(person);
    const QString path = dir.filePath("autofill.r25");
    QCOMPARE(saveReturnFile(family, path, kEdition), 0);

    int result = -99;
    std::unique_ptr<FamilyTaxData> loaded = loadReturnFile(path, &result, kEdition);
    QVERIFY(loaded);
    QVERIFY2(result >= 0 && result != resultNumber(ReturnFileResult::VersionRefused),
             qPrintable(QString::number(result)));
    IndividualTaxData &back = *loaded->taxpayer();
    QCOMPARE(slipsOf(back), slips);
    double taxpayer2 = 0, spouse2 = 0, total2 = 0;
    loaded->getBalanceAmounts(taxpayer2, spouse2, total2);
    QCOMPARE(taxpayer2, taxpayer);
    QCOMPARE(total2, total);

    QList<TaxDataEntryStru *> entries;
    back.collectSlipsOfType(SlipType::T4, entries);
    auto *t4Back = static_cast<TaxData_Slip_T4 *>(entries.last()->data);
    QVERIFY(t4Back->box24Entered);
    QVERIFY(t4Back->box26Entered);
    QCOMPARE(double(t4Back->box24), 60000.0);
    CString caption;
    slipCaption(loaded->isCoupled(), entries.last(), caption);
    QCOMPARE(QString(caption), QString("T4 - Maple Foods by AFR"));
    caption.clear();
    slipCaption(loaded->isCoupled(), entries.first(), caption);
    QCOMPARE(QString(caption), QString("T4 - Hand-entered employer"));

    entries.clear();
    back.collectSlipsOfType(SlipType::T4A, entries);
    auto *t4a = static_cast<TaxData_Slip_T4A *>(entries.value(0)->data);
    QCOMPARE(double(t4a->box37), 37.5);
    QCOMPARE(double(t4a->box196), 196.5);
    entries.clear();
    back.collectSlipsOfType(SlipType::T4RSP, entries);
    auto *rspBack = static_cast<TaxData_Slip_T4RSP *>(entries.value(0)->data);
    QCOMPARE(double(rspBack->box37), 12.5);
    QVERIFY(rspBack->spousalFlag);
    entries.clear();
    back.collectSlipsOfType(SlipType::T4RIF, entries);
    QCOMPARE(double(static_cast<TaxData_Slip_T4RIF *>(entries.value(0)->data)->box37), 13.5);
    entries.clear();
    back.collectSlipsOfType(SlipType::PRPP, entries);
    auto *prppBack = static_cast<TaxData_Slip_PRPP *>(entries.value(0)->data);
    QCOMPARE(QString(prppBack->contractNumber.value()), QString("C-77"));
    QCOMPARE(QString(prppBack->versionDescription.value()), QString("Amended"));
    entries.clear();
    back.collectSlipsOfType(SlipType::T2202, entries);
    auto *tuitionBack = static_cast<TaxData_Slip_T2202 *>(entries.value(0)->data);
    QCOMPARE(QString(tuitionBack->box11.value()), QString("Northern College"));
    QCOMPARE(QString(tuitionBack->box15.value()), QString("Nursing"));
    QCOMPARE(QString(tuitionBack->sessionDates.textAt(0, 0).value()), QString("2025/09"));
    QCOMPARE(QString(tuitionBack->sessionDates.textAt(0, 1).value()), QString("2025/12"));
    QCOMPARE(int(tuitionBack->periods.intAt(0, 1)), 4);
    QCOMPARE(double(tuitionBack->periods.amountAt(0, 2)), 2500.0);

    auto *sch3 = formOf<TaxData_Sch3>(back, FormType::SCH3);
    QVERIFY(sch3);
    QCOMPARE(equityRowsOf(*sch3), QStringList{"7|ACME Corp|70|91|1"});
    auto *sch11 = formOf<TaxData_Sch11>(back, FormType::SCH11);
    QVERIFY(sch11);
    QCOMPARE(double(sch11->canadaTrainingCreditLimit), 250.0);
    auto *sch15 = formOf<TaxData_Sch15>(back, FormType::SCH15);
    QVERIFY(sch15);
    QCOMPARE(double(sch15->fhsaContributions), 8000.0);
    auto *t2125 = formOf<TaxData_T2125_New>(back, FormType::T2125);
    QVERIFY(t2125);
    QVERIFY(t2125->isDownloaded());
    QCOMPARE(QString(t2125->description.value()), QString("Government Service Contract"));
    auto *t1 = formOf<TaxData_T1New>(back, FormType::T1);
    QVERIFY(t1->autoFillFlag);
    QCOMPARE(t1->autoFillDate.date(), QDate(2026, 3, 2));
}

void TestAutoFillMerge::newFieldsSurviveTheFile_data()
{
    QTest::addColumn<bool>("slip");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("field");
    const struct
    {
        bool slip;
        int type;
        const char *field;
    } rows[] = {
        {true, SlipType::T4, "description"},
        {true, SlipType::T4, "box24Entered"},
        {true, SlipType::T4, "box26Entered"},
        {true, SlipType::T4A, "box37"},
        {true, SlipType::T4A, "box196"},
        {true, SlipType::T4RSP, "box37"},
        {true, SlipType::T4RSP, "spousalFlag"},
        {true, SlipType::T4RIF, "box37"},
        {true, SlipType::PRPP, "contractNumber"},
        {true, SlipType::PRPP, "versionDescription"},
        {true, SlipType::T2202, "box10"},
        {true, SlipType::T2202, "box11"},
        {true, SlipType::T2202, "box12"},
        {true, SlipType::T2202, "box13"},
        {true, SlipType::T2202, "box14"},
        {true, SlipType::T2202, "box15"},
        {true, SlipType::T2202, "sessionDates"},
        {false, FormType::SCH3, "equityEntries"},
        {false, FormType::SCH3, "equityEntryCount"},
        {false, FormType::SCH11, "canadaTrainingCreditLimit"},
        {false, FormType::SCH15, "fhsaVariableBPriorYear"},
        {false, FormType::SCH15, "fhsaTransfersFromRrspPriorYear"},
        {false, FormType::SCH15, "fhsaDesignatedTransfersPriorYear"},
        {false, FormType::SCH15, "fhsaAnnualLimitPriorYear"},
        {false, FormType::SCH15, "fhsaDeductionPriorYear"},
        {false, FormType::SCH15, "fhsaUnusedContributions"},
        {false, FormType::SCH15, "fhsaCarryforwardCurrentYear"},
        {false, FormType::SCH15, "fhsaCarryforwardPriorYear"},
        {false, FormType::SCH15, "fhsaVariableFPriorYear"},
        {false, FormType::SCH15, "fhsaVariableHPriorYear"},
        {false, FormType::SCH15, "fhsaContributions"},
        {false, FormType::SCH15, "fhsaPriorWithdrawalContributions"},
        {false, FormType::T2125, "description"},
    };
    for (const auto &row : rows) {
        QTest::addRow("%s %d %s", row.slip ? "slip" : "form", row.type, row.field)
            << row.slip << row.type << QByteArray(row.field);
    }
}

// Each field the download writes keeps its value through a real return file: its name and
// type are part of the file format.
void TestAutoFillMerge::newFieldsSurviveTheFile()
{
    QFETCH(bool, slip);
    QFETCH(int, type);
    QFETCH(QByteArray, field);
    QTemporaryDir dir;
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    IndividualTaxData &person = fixture.taxpayer();
    CTaxData_Form *form = slip ? person.addSlip(type, 0, 0)->data : person.getForm(type, 0, true);
    QVERIFY(form);
    CField *written = form->findField(field);
    QVERIFY(written);
    switch (written->type()) {
    case FieldType::Float:
        static_cast<CFloatField *>(written)->setValue(1234.56);
        break;
    case FieldType::Int:
        static_cast<CIntField *>(written)->setValue(37);
        break;
    case FieldType::Bool:
        static_cast<CBoolField *>(written)->setValue(true);
        break;
    case FieldType::String:
        static_cast<CStringField *>(written)->setValue(QString::fromUtf8("Caisse Érable 42"));
        break;
    case FieldType::Table: {
        auto *table = static_cast<CTableField *>(written);
        const int last = table->rowCount() - 1;
        for (int column = 0; column < table->columnCount(); ++column) {
            CField &cell = table->cell(last, column);
            if (cell.type() == FieldType::Float)
                static_cast<CFloatField &>(cell).setValue(10.5 + column);
            else if (cell.type() == FieldType::String)
                static_cast<CStringField &>(cell).setValue(QString("row %1").arg(column));
            else if (cell.type() == FieldType::Bool)
                static_cast<CBoolField &>(cell).setValue(true);
        }
        break;
    }
    default:
        QFAIL("a field type the test does not set");
    }
    const QString path = dir.filePath("fields.r25");
    QCOMPARE(saveReturnFile(*fixture.family, path, kEdition), 0);
    int result = -99;
    std::unique_ptr<FamilyTaxData> loaded = loadReturnFile(path, &result, kEdition);
    QVERIFY(loaded);
    IndividualTaxData &back = *loaded->taxpayer();
    CTaxData_Form *read = nullptr;
    if (slip) {
        QList<TaxDataEntryStru *> entries;
        back.collectSlipsOfType(type, entries);
        read = entries.isEmpty() ? nullptr : entries.last()->data;
    } else {
        read = back.getForm(type, 0, false);
    }
    QVERIFY(read);
    const CField *readField = read->findField(field);
    QVERIFY(readField);
    QVERIFY2(readField->equals(*written), qPrintable(readField->toText()));
    // A fresh field differs, so the comparison above can fail.
    std::unique_ptr<CTaxData_Form> fresh(slip ? createSlip(type) : nullptr);
    if (fresh)
        QVERIFY(!fresh->findField(field)->equals(*written));
}

// Rows that do not fit in Schedule 3's room are left out; those that fit are added.
void TestAutoFillMerge::dispositionsBeyondTheRoom()
{
    CoupledReturn fixture;
    QVERIFY(fixture.ok());
    IndividualTaxData &person = fixture.taxpayer();
    auto *sch3 = static_cast<TaxData_Sch3 *>(person.getForm(FormType::SCH3, 0, true));
    const int room = TaxData_Sch3::kEquityEntryRoom;
    QCOMPARE(room, 500);
    sch3->equityEntryCount = room - 1;
    std::unique_ptr<TDDTaxDataOnePerson> record(newRecord());
    addDisposition(*record, "1", "Fits", "10", "20");
    addDisposition(*record, "2", "Left out", "10", "20");
    Everything options;
    person.mergeDownloadedTaxData(record.get(), &options);
    QCOMPARE(int(sch3->equityEntryCount), room);
    QCOMPARE(QString(sch3->equityEntries.textAt(room - 1, TaxData_Sch3::EquityDescription).value()),
             QString("Fits"));
    QVERIFY(!sch3->AllocateMoreEquityEntries(room + 1));
    QVERIFY(!sch3->AllocateMoreEquityEntries(-1));
    QVERIFY(sch3->AllocateMoreEquityEntries(room));

    // A count beyond the room, as a damaged file may hold, is read as the room.
    sch3->equityEntryCount = 100000;
    QCOMPARE(sch3->usedEquityEntries(), room);
    sch3->equityEntryCount = -4;
    QCOMPARE(sch3->usedEquityEntries(), 0);
    // Merging onto such a count starts after the rows the table can hold.
    sch3->equityEntryCount = 100000;
    person.mergeDownloadedTaxData(record.get(), &options);
    QCOMPARE(int(sch3->equityEntryCount), room);
}

QV_TEST_MAIN(TestAutoFillMerge)
#include "tst_AutoFillMerge.moc"
