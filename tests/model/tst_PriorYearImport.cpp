// Prior-year import: last year's files, written here in older data versions, loaded and
// converted under the import options.
#include <QtTest>

#include "PluginFolder.h"
#include "RecordWriter.h"
#include "TestMain.h"
#include "marrow/BusinessForms.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TaxData_TaxNote.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/ImportOptions.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"

using namespace RecordWriter;

namespace {

constexpr int kOntario = 9;
constexpr int kPriorVersion = 66090;
constexpr int kPriorYear = 2024;

template <typename Form, typename... Args> std::shared_ptr<Form> block(Args... args)
{
    return std::make_shared<Form>(args...);
}

std::shared_ptr<TaxData_T1New> priorT1(const QString &first, const QString &last, int status)
{
    auto t1 = block<TaxData_T1New>();
    t1->firstName = first;
    t1->lastName = last;
    t1->sin = "046454286";
    t1->birthDate.setDate(QDate(1970, 3, 4));
    t1->maritalStatus = status;
    t1->street = "12 Elm Street";
    t1->spouseFirstName = "Charles";
    t1->spouseLastName = "Babbage";
    t1->spouseSin = "130692544";
    t1->spouseBirthDate.setDate(QDate(1968, 7, 8));
    t1->f10100 = 50000.0;
    return t1;
}

// Last year's taxpayer: summary, T1, Schedule 3, T2125, T1-M, re-filing summary, RC381,
// an Ontario form, a form no longer made, the summary copy from the year before; a T4 and a
// note.
Record priorTaxpayer(double t1mCarry = 1234.5)
{
    Record r;
    r.version = kPriorVersion;
    r.taxYear = kPriorYear;
    r.province = kOntario;
    r.nextId = 200;
    auto summary = block<TaxData_T1KSNew>(FormType::T1KS);
    summary->taxYear = "2024";
    summary->averageRate = 12.5;
    auto prior = block<TaxData_T1KSNew>(FormType::T1KSPRIOR);
    prior->taxYear = "2023";
    auto sch3 = block<TaxData_Sch3>();
    sch3->f13200A = 1000.0;
    auto t2125 = block<TaxData_T2125_New>(FormType::T2125);
    t2125->grossIncome = 8000.0;
    t2125->businessName = "Looms";
    auto t1m = block<TaxData_T1MNew>();
    t1m->amount1 = t1mCarry;
    r.forms = {{FormType::T1KS, 101, 0, summary, false},
               {FormType::T1, 102, 0, priorT1("Ada", "Lovelace", 5), false},
               {FormType::SCH3, 103, 0, sch3, false},
               {FormType::T2125, 104, 0, t2125, false},
               {FormType::T1M, 105, 0, t1m, false},
               {FormType::T1KSREFILE, 106, 0, block<TaxData_T1KSNew>(FormType::T1KSREFILE), false},
               {FormType::RC381, 107, 0, block<TaxData_RC381>(), false},
               {FormType::ON_S2, 108, 0, {}, false},
               {FormType::FORM_100, 109, 0, {}, false},
               {FormType::T1KSPRIOR, 110, 0, prior, false}};
    auto t4 = block<TaxData_Slip_T4>();
    t4->box14 = 40000.0;
    r.slips = {{SlipType::T4, 111, 0, t4, false}};
    r.notes = {{0, 5, 0, {}, false}};
    return r;
}

Record priorSpouse()
{
    Record r;
    r.version = kPriorVersion;
    r.taxYear = kPriorYear;
    r.province = kOntario;
    auto t2125 = block<TaxData_T2125_New>(FormType::T2125);
    t2125->grossIncome = 3000.0;
    r.forms = {{FormType::T1KS, 101, 0, block<TaxData_T1KSNew>(FormType::T1KS), false},
               {FormType::T1, 102, 0, priorT1("Charles", "Babbage", 0), false},
               {FormType::T2125, 103, 0, t2125, false}};
    auto t4 = block<TaxData_Slip_T4>();
    t4->box14 = 1000.0;
    r.slips = {{SlipType::T4, 104, 0, t4, false}};
    return r;
}

ImportOptions optionsOf(const QString &bytes)
{
    ImportOptions options;
    unsigned char *const fields[] = {&options.keepNotes, &options.includeSFD, &options.keepForms,
                                     &options.copyData, &options.makeCoupled};
    for (int i = 0; i < 5; ++i)
        *fields[i] = bytes[i] == '1' ? 1 : 0;
    return options;
}

template <typename Form> Form *formOf(IndividualTaxData *person, int type)
{
    return dynamic_cast<Form *>(person->getForm(type, 0, false));
}

} // namespace

class TestPriorYearImport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void defaultOptions();
    void options_data();
    void options();
    void summaryCopiedAndDroppedTypes();
    void makeCoupled();
    void coupledFileConvertsBoth();
    void t1mCarry_data();
    void t1mCarry();
    void personWithoutT1Unchanged();

private:
    std::unique_ptr<FamilyTaxData> load(const Record &taxpayer, const Record &spouse);

    std::unique_ptr<PluginFolder> m_plugins;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPriorYearImport::init()
{
    m_plugins = std::make_unique<PluginFolder>();
    QVERIFY(m_plugins->linkRealPlugin(kOntario));
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestPriorYearImport::cleanup()
{
    m_dir.reset();
    m_plugins.reset();
}

std::unique_ptr<FamilyTaxData> TestPriorYearImport::load(const Record &taxpayer,
                                                         const Record &spouse)
{
    File file;
    file.taxpayer = taxpayer;
    file.spouse = spouse;
    const QString path = m_dir->filePath("prior.r24");
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(writeFile(file)) < 0)
        return nullptr;
    out.close();
    int result = -99;
    std::unique_ptr<FamilyTaxData> family = loadReturnFile(path, &result, 2);
    if (result != 0)
        qWarning("load result %d", result);
    return result == 0 ? std::move(family) : nullptr;
}

void TestPriorYearImport::defaultOptions()
{
    const ImportOptions options;
    QCOMPARE(int(options.keepNotes), 1);
    QCOMPARE(int(options.includeSFD), 0);
    QCOMPARE(int(options.keepForms), 0);
    QCOMPARE(int(options.copyData), 0);
    QCOMPARE(int(options.makeCoupled), 0);
    QCOMPARE(int(sizeof(ImportOptions)), 5);
}

void TestPriorYearImport::options_data()
{
    QTest::addColumn<QString>("options"); // bytes 0 to 4
    QTest::addColumn<int>("notes");
    QTest::addColumn<int>("slips");
    QTest::addColumn<double>("box14");
    QTest::addColumn<bool>("t1m");
    QTest::addColumn<double>("sch3Amount");
    QTest::addColumn<double>("t2125Gross");
    QTest::addColumn<double>("line10100");

    QTest::newRow("defaults") << "10000" << 1 << 0 << 0.0 << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("notes dropped") << "00000" << 0 << 0 << 0.0 << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("keep forms and slips") << "10100" << 1 << 1 << 0.0 << true << 0.0 << 0.0 << 0.0;
    QTest::newRow("self-business data only")
        << "11000" << 1 << 0 << 0.0 << false << 0.0 << 8000.0 << 0.0;
    QTest::newRow("copy all data")
        << "10010" << 1 << 0 << 0.0 << false << 1000.0 << 8000.0 << 50000.0;
    QTest::newRow("keep forms and slips with their data")
        << "10110" << 1 << 1 << 40000.0 << true << 1000.0 << 8000.0 << 50000.0;
}

void TestPriorYearImport::options()
{
    QFETCH(QString, options);
    QFETCH(int, notes);
    QFETCH(int, slips);
    QFETCH(double, box14);
    QFETCH(bool, t1m);
    QFETCH(double, sch3Amount);
    QFETCH(double, t2125Gross);
    QFETCH(double, line10100);

    std::unique_ptr<FamilyTaxData> family = load(priorTaxpayer(), emptySpouse());
    QVERIFY(family);
    IndividualTaxData *person = family->taxpayer();
    QCOMPARE(person->m_taxYear, kPriorYear);
    family->importPriorYearReturn(optionsOf(options));

    QVERIFY(!family->isCoupled());
    QCOMPARE(person->m_noteList.size(), notes);
    QCOMPARE(person->m_slipList.size(), slips);
    if (slips) {
        auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(person->m_slipList.first()->data);
        QVERIFY(t4);
        QCOMPARE(t4->box14.value(), box14);
        QCOMPARE(person->m_slipList.first()->id, 111);
    }
    QCOMPARE(person->hasForm(FormType::T1M), t1m);
    QCOMPARE(formOf<TaxData_Sch3>(person, FormType::SCH3)->f13200A.value(), sch3Amount);
    auto *t2125 = formOf<TaxData_T2125_New>(person, FormType::T2125);
    QVERIFY(t2125);
    QCOMPARE(t2125->grossIncome.value(), t2125Gross);
    QCOMPARE(person->getFormId(t2125), 104);
    // The T1 keeps who the person is whatever the options.
    auto *t1 = formOf<TaxData_T1New>(person, FormType::T1);
    QVERIFY(t1);
    QCOMPARE(t1->f10100.value(), line10100);
    QCOMPARE(QString(t1->firstName.value()), QStringLiteral("Ada"));
    QCOMPARE(QString(t1->sin.value()), QStringLiteral("046454286"));
    QCOMPARE(QString(t1->street.value()), QStringLiteral("12 Elm Street"));
    QCOMPARE(t1->birthDate.date(), QDate(1970, 3, 4));
    // The provincial form of the same province is carried like the others.
    QVERIFY(person->hasForm(FormType::ON_S2));
}

void TestPriorYearImport::summaryCopiedAndDroppedTypes()
{
    for (const QString &options : {QStringLiteral("10000"), QStringLiteral("11110")}) {
        std::unique_ptr<FamilyTaxData> family = load(priorTaxpayer(), emptySpouse());
        QVERIFY(family);
        IndividualTaxData *person = family->taxpayer();
        const int nextId = person->m_nextId;
        family->importPriorYearReturn(optionsOf(options));

        for (int type : {FormType::T1KSREFILE, FormType::RC381, FormType::FORM_100})
            QVERIFY2(!person->hasForm(type), qPrintable(QString::number(type)));
        // RC381 gives way to a Schedule 8 with the next id.
        QCOMPARE(person->countFormsOfType(FormType::SCH8), 1);
        TaxDataEntryStru *sch8 = person->findFormEntry(FormType::SCH8, 0, false);
        QVERIFY(dynamic_cast<TaxData_Sch8_14 *>(sch8->data));
        QCOMPARE(sch8->id, nextId);
        QCOMPARE(sch8->linkedId, 0);
        // Last year's summary is the prior-year copy; this year's summary starts again.
        auto *prior = formOf<TaxData_T1KSNew>(person, FormType::T1KSPRIOR);
        QVERIFY(prior);
        QCOMPARE(prior->getType(), FormType::T1KSPRIOR);
        QCOMPARE(QString(prior->taxYear.value()), QStringLiteral("2024"));
        QCOMPARE(prior->averageRate.value(), 12.5);
        auto *summary = formOf<TaxData_T1KSNew>(person, FormType::T1KS);
        QCOMPARE(summary->averageRate.value(), options == "10000" ? 0.0 : 12.5);
    }
}

void TestPriorYearImport::makeCoupled()
{
    std::unique_ptr<FamilyTaxData> family = load(priorTaxpayer(), emptySpouse());
    QVERIFY(family);
    family->importPriorYearReturn(optionsOf("10001"));

    QVERIFY(family->isCoupled());
    IndividualTaxData *taxpayer = family->taxpayer();
    IndividualTaxData *spouse = family->spouse();
    QCOMPARE(taxpayer->getMaritalStatus(), 0);
    QCOMPARE(spouse->getMaritalStatus(), 0);
    QVERIFY(taxpayer->m_coupled && spouse->m_coupled);
    QCOMPARE(spouse->m_province, kOntario);
    QCOMPARE(spouse->getFirstName(), QStringLiteral("Charles"));
    QCOMPARE(spouse->getLastName(), QStringLiteral("Babbage"));
    QCOMPARE(spouse->getSIN(), QStringLiteral("130692544"));
    QCOMPARE(spouse->getBirthDate(), QDate(1968, 7, 8));
    QCOMPARE(spouse->getSpouseFirstName(), QStringLiteral("Ada"));
    QCOMPARE(spouse->getSpouseSIN(), QStringLiteral("046454286"));
    QCOMPARE(spouse->getSpouseBirthDate(), QDate(1970, 3, 4));
    auto *t1 = formOf<TaxData_T1New>(taxpayer, FormType::T1);
    QVERIFY(t1->isCoupledReturn());
    family->Recalculate(-1, nullptr);
}

void TestPriorYearImport::coupledFileConvertsBoth()
{
    for (const QString &options : {QStringLiteral("10000"), QStringLiteral("10001")}) {
        Record taxpayer = priorTaxpayer();
        std::unique_ptr<FamilyTaxData> family = load(taxpayer, priorSpouse());
        QVERIFY(family);
        QVERIFY(family->isCoupled());
        family->importPriorYearReturn(optionsOf(options));
        IndividualTaxData *spouse = family->spouse();
        QCOMPARE(spouse->m_slipList.size(), 0);
        QCOMPARE(formOf<TaxData_T2125_New>(spouse, FormType::T2125)->grossIncome.value(), 0.0);
        QCOMPARE(spouse->getFirstName(), QStringLiteral("Charles"));
        QCOMPARE(spouse->getMaritalStatus(), 0);
        QCOMPARE(family->taxpayer()->getMaritalStatus(), 5);
        QCOMPARE(family->taxpayer()->m_slipList.size(), 0);
    }
}

void TestPriorYearImport::t1mCarry_data()
{
    QTest::addColumn<double>("carried");
    QTest::addColumn<double>("inT1");
    QTest::newRow("19999.99") << 19999.99 << 19999.99;
    QTest::newRow("20000") << 20000.0 << 0.0;
    QTest::newRow("19999.995, within the tolerance of 20000") << 19999.995 << 0.0;
    QTest::newRow("0.01") << 0.01 << 0.01;
    QTest::newRow("0.005") << 0.005 << 0.0;
}

void TestPriorYearImport::t1mCarry()
{
    QFETCH(double, carried);
    QFETCH(double, inT1);
    std::unique_ptr<FamilyTaxData> family = load(priorTaxpayer(carried), emptySpouse());
    QVERIFY(family);
    QCOMPARE(family->taxpayer()->m_t1mCarryAmount, carried);
    family->importPriorYearReturn(ImportOptions());
    auto *t1 = formOf<TaxData_T1New>(family->taxpayer(), FormType::T1);
    QCOMPARE(t1->t1mCarryAmount.value(), inT1);
}

void TestPriorYearImport::personWithoutT1Unchanged()
{
    IndividualTaxData person(0, nullptr);
    person.getForm(FormType::SCH3, 0, true);
    person.addSlip(SlipType::T4, 0, 0);
    person.addNote(3);
    ImportOptions options;
    options.keepNotes = 0;
    person.convertFromPriorYear(options);
    QCOMPARE(person.m_formList.size(), 1);
    QCOMPARE(person.m_slipList.size(), 1);
    QCOMPARE(person.m_noteList.size(), 1);
    QVERIFY(!person.hasForm(FormType::T1KSPRIOR));
}

QV_TEST_MAIN(TestPriorYearImport)
#include "tst_PriorYearImport.moc"
