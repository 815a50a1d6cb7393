// The batch result mode, run as the program in a child process on return files the test
// writes with the real province plug-ins: the list rules, the result lines, the failures and
// the exit code; the decoding of list lines in process.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>

#include "CalcFixture.h"
#include "ScenarioRunner.h"
#include "SlipFixtures.h"
#include "TestEnvironment.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "app/entry/BatchMode.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"

using namespace CalcFixture;

namespace {

// What a return holds beyond its T4: the person's date of birth, further slips, and children
// (the elder claimed as the eligible dependant on Schedule 5).
struct ReturnExtras
{
    QDate born{1985, 3, 1};
    std::vector<std::pair<int, FieldValues>> slips;
    int children = 0;
};

// A single person (of 40 unless the extras say otherwise) in the province with one T4 of these
// boxes and, when given, an RRSP deduction and the extras, written as a return file.
bool writeReturn(const QString &path, int province, const FieldValues &t4, double rrsp = 0,
                 const QString &password = QString(), const ReturnExtras &extras = {})
{
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    setUpPerson(person, province, "Louise", "046454286", extras.born, 4);
    std::vector<std::pair<int, FieldValues>> slips{{SlipType::T4, t4}};
    slips.insert(slips.end(), extras.slips.begin(), extras.slips.end());
    for (const auto &slip : slips) {
        TaxDataEntryStru *entry = person.addSlip(slip.first, 0, 0);
        if (!entry)
            return false;
        entry->data->copyValuesFrom(*makeSlip(slip.first, slip.second));
    }
    if (rrsp > 0) {
        auto *sch7 = form<TaxData_Sch7>(person, FormType::SCH7);
        sch7->rrspDeductionLimit = 20000;
        sch7->contribMarToDec = rrsp;
    }
    if (extras.children > 0) {
        DependantInfoStruct &dependants = family.dependants();
        dependants.AllocData(extras.children);
        for (int i = 0; i < extras.children; ++i) {
            dependants.record(i).birthDate = QDate(2015 + 2 * i, 4, 1);
            dependants.record(i).relationship = 1;
        }
        form<TaxData_Sch5>(person, FormType::SCH5)->eligibleDependants = 1;
    }
    person.m_password = password;
    return saveReturnFile(family, path, AppEdition) == 0;
}

// The returns of tests/fixtures/returns: rows of the whole-return tables of the calculation
// and province tests, whose lines are worked out there by hand.
struct FixtureReturn
{
    const char *file;
    int province;
    FieldValues t4;
    double rrsp;
    ReturnExtras extras = {};
};

// Taxable dividends of the province tests' dividend returns: eligible 13,800, other 11,500.
const std::pair<int, FieldValues> kDividends{SlipType::T5, {{"box25", 13800}, {"box11", 11500}}};

const std::vector<FixtureReturn> &fixtureReturns()
{
    using namespace ProvinceCode;
    static const std::vector<FixtureReturn> rows = {
        {"bc-payroll-rrsp.r25",
         BC,
         {{"box14", 45000},
          {"box16", 2469.25},
          {"box18", 738},
          {"box22", 5000},
          {"box24", 45000},
          {"box26", 45000},
          {"provinceOfEmployment", BC}},
         5000},
        {"on-60000.r25",
         ON,
         {{"box14", 60000},
          {"box16", 3361.75},
          {"box18", 984},
          {"box22", 9000},
          {"box24", 60000},
          {"box26", 60000},
          {"provinceOfEmployment", ON}},
         0},
        {"qc-50000.r25",
         QC,
         {{"box14", 50000},
          {"box17", 2976},
          {"box18", 655},
          {"box55", 247},
          {"box22", 6000},
          {"box24", 50000},
          {"box26", 50000},
          {"provinceOfEmployment", QC}},
         0},
        {"on-200000.r25",
         ON,
         {{"box14", 200000},
          {"box16", 4034.1},
          {"box16A", 396},
          {"box18", 1077.48},
          {"box22", 55000},
          {"box24", 65700},
          {"box26", 200000},
          {"provinceOfEmployment", ON}},
         0},
        {"ns-50000.r25", NS, {{"box14", 50000}, {"box22", 8000}}, 0},
        {"nb-70000.r25", NB, {{"box14", 70000}, {"box22", 15000}}, 0},
        {"nl-30000.r25", NL, {{"box14", 30000}, {"box22", 4000}}, 0},
        {"yt-180000.r25", YT, {{"box14", 180000}, {"box22", 50000}}, 0},
        // One return per province where its own rules matter: dividend credits, low-income
        // reductions, eligible dependant and child amounts.
        {"ab-dividends.r25", AB, {{"box14", 30000}, {"box22", 6000}}, 0, {{}, {kDividends}}},
        {"bc-25021.r25", BC, {{"box14", 25021}, {"box22", 2000}}, 0},
        {"mb-single-parent.r25", MB, {{"box14", 40000}, {"box22", 5000}}, 0, {{}, {}, 2}},
        {"nb-dividends.r25", NB, {{"box14", 30000}, {"box22", 6000}}, 0, {{}, {kDividends}}},
        {"nl-dividends.r25", NL, {{"box14", 30000}, {"box22", 6000}}, 0, {{}, {kDividends}}},
        {"ns-20000.r25", NS, {{"box14", 20000}, {"box22", 2000}}, 0},
        {"nt-dividends.r25", NT, {{"box14", 30000}, {"box22", 6000}}, 0, {{}, {kDividends}}},
        {"nu-dividends.r25", NU, {{"box14", 30000}, {"box22", 6000}}, 0, {{}, {kDividends}}},
        {"on-single-parent.r25", ON, {{"box14", 40000}, {"box22", 5000}}, 0, {{}, {}, 2}},
        {"pe-27000.r25", PE, {{"box14", 27000}, {"box22", 3000}}, 0},
        {"sk-single-parent.r25", SK, {{"box14", 40000}, {"box22", 5000}}, 0, {{}, {}, 2}},
        {"yt-single-parent.r25", YT, {{"box14", 40000}, {"box22", 5000}}, 0, {{}, {}, 2}},
    };
    return rows;
}

// Writes the fixture returns into the folder (ending with a separator).
bool writeFixtureReturns(const QString &folder)
{
    for (const FixtureReturn &row : fixtureReturns()) {
        if (!writeReturn(folder + row.file, row.province, row.t4, row.rrsp, QString(), row.extras))
            return false;
    }
    return true;
}

void writeText(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// Federal: 45,000 x 14.5% = 6,525.00 less (16,129 + 1,471) x 14.5% = 2,552.00: 3,973.00.
// BC: 45,000 x 5.06% = 2,277.00 less 12,932 x 5.06% = 654.36: 1,622.64 (no reduction above
// 40,807). Owing 5,595.64.
const QByteArray kBcResult = "[Total Income]=45000.00 [Net Income]=45000.00 "
                             "[Taxable Income]=45000.00 [Balance Due]=5595.64";
// Federal: 20,000 x 14.5% = 2,900.00 less 2,552.00: 348.00. NS: 20,000 x 8.79% = 1,758.00
// less 11,744 x 8.79% = 1,032.30: 725.70, less the low-income tax reduction 300 - 5% x
// (20,000 - 15,000) = 50.00: 675.70. Deducted 3,000: refund 1,976.30.
const QByteArray kNsResult = "[Total Income]=20000.00 [Net Income]=20000.00 "
                             "[Taxable Income]=20000.00 [Refund]=1976.30";

} // namespace

class TestBatchMode : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void listRules_data();
    void listRules();
    void noInputFile();
    void cannotOpenInputFile();
    void readErrors();
    void unattendedRunNeverWaits();
    void secondRunReplacesTheFile();
    void decodeListLine_data();
    void decodeListLine();
    void committedListGivesTheExpectedFile();
    void writerMakesTheCommittedReturns();

private:
    // Runs "printresult folder list" in the work folder; the result file's bytes.
    QByteArray runBatchChild(const QStringList &arguments);

    QString m_work;    // the child's current folder
    QString m_returns; // the return files
};

void TestBatchMode::init()
{
    m_work = testEnvironment().root() + "/work";
    m_returns = testEnvironment().root() + "/returns";
    QDir(m_work).removeRecursively();
    QVERIFY(QDir().mkpath(m_work));
    QVERIFY(QDir().mkpath(m_returns));
    QVERIFY(writeReturn(m_returns + "/bc.r25", ProvinceCode::BC, {{"box14", 45000}}));
    QVERIFY(
        writeReturn(m_returns + "/ns.r25", ProvinceCode::NS, {{"box14", 20000}, {"box22", 3000}}));
    QFile::remove(m_returns + "/my return.r25");
    QVERIFY(QFile::copy(m_returns + "/bc.r25", m_returns + "/my return.r25"));
}

QByteArray TestBatchMode::runBatchChild(const QStringList &arguments)
{
    // No answers queued: a password request is cancelled.
    ScenarioRunner runner(testEnvironment());
    runner.setWorkingDirectory(m_work);
    const ScenarioResult result = runner.run(QStringList{"printresult"} + arguments);
    if (!result.finished || result.exitCode != 0)
        return "(exit " + QByteArray::number(result.exitCode) + ") " + result.standardError;
    // The batch mode never shows the main window.
    if (!result.texts("window").isEmpty())
        return "(a window was shown)";
    return readBytes(m_work + "/taxresult.txt");
}

void TestBatchMode::listRules_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<bool>("trailingSeparator");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray bc = "bc.r25\n" + kBcResult + "\n\n";
    const QByteArray ns = "ns.r25\n" + kNsResult + "\n\n";
    QTest::newRow("two names") << QByteArray("bc.r25\nns.r25\n") << true << bc + ns;
    QTest::newRow("an empty line ends the list")
        << QByteArray("bc.r25\nns.r25\n\nbc.r25\n") << true << bc + ns;
    QTest::newRow("\"x\" ends the list") << QByteArray("ns.r25\nx\nbc.r25\n") << true << ns;
    QTest::newRow("last line without a line end")
        << QByteArray("bc.r25\nns.r25") << true << bc + ns;
    QTest::newRow("CRLF line ends")
        << QByteArray("bc.r25\r\nns.r25\r\n\r\nbc.r25\r\n") << true << bc + ns;
    // Looked up as "my return.r25" once the blanks are simplified; the name line shows the
    // name as read. Blanks at the start join the folder's end, so that name is not found.
    QTest::newRow("doubled and trailing blanks")
        << QByteArray("my  return.r25  \n") << true << "my  return.r25  \n" + kBcResult + "\n\n";
    QTest::newRow("leading blanks")
        << QByteArray("  bc.r25\n") << true << QByteArray("  bc.r25\ncannot find return file\n\n");
    QTest::newRow("missing file") << QByteArray("none.r25\n") << true
                                  << QByteArray("none.r25\ncannot find return file\n\n");
    // "returns" + "bc.r25" names "returnsbc.r25" beside the folder.
    QTest::newRow("folder without a trailing separator")
        << QByteArray("bc.r25\n") << false << QByteArray("bc.r25\ncannot find return file\n\n");
    const QByteArray longName = QByteArray(150, 'a') + ".r25";
    QTest::newRow("a line of 155 characters is one name")
        << QByteArray(longName + "\nbc.r25\n") << true
        << longName + "\ncannot find return file\n\n" + bc;
}

void TestBatchMode::listRules()
{
    QFETCH(QByteArray, list);
    QFETCH(bool, trailingSeparator);
    QFETCH(QByteArray, expected);
    writeText(m_work + "/list.txt", list);
    const QString folder = trailingSeparator ? m_returns + '/' : m_returns;
    QCOMPARE(runBatchChild({folder, m_work + "/list.txt"}), expected);
}

void TestBatchMode::noInputFile()
{
    QCOMPARE(runBatchChild({m_returns + '/'}), QByteArray("====> no input file\n"));
}

void TestBatchMode::cannotOpenInputFile()
{
    QCOMPARE(runBatchChild({m_returns + '/', m_work + "/missing.txt"}),
             QByteArray("====> cannot open input file\n"));
    // A folder where the list must be.
    QCOMPARE(runBatchChild({m_returns + '/', m_returns}),
             QByteArray("====> cannot open input file\n"));
}

void TestBatchMode::readErrors()
{
    // A file cut short; a password-protected file whose password request is cancelled; a name
    // in UTF-8 with accents.
    const QByteArray whole = readBytes(m_returns + "/bc.r25");
    writeText(m_returns + "/cut.r25", whole.left(whole.size() / 2));
    QVERIFY(
        writeReturn(m_returns + "/locked.r25", ProvinceCode::BC, {{"box14", 45000}}, 0, "secret"));
    const QString accented = QString::fromUtf8("h\xc3\xa9l\xc3\xa8ne.r25");
    QVERIFY(QFile::copy(m_returns + "/ns.r25", m_returns + '/' + accented));
    writeText(m_work + "/list.txt", "cut.r25\nlocked.r25\n" + accented.toUtf8() + "\n");

    const QByteArray result = runBatchChild({m_returns + '/', m_work + "/list.txt"});
    const QList<QByteArray> lines = result.split('\n');
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines[0], QByteArray("cut.r25"));
    QCOMPARE(lines[1], QByteArray("return file read error, read error -1"));
    QCOMPARE(lines[3], QByteArray("locked.r25"));
    QCOMPARE(lines[4], QByteArray("return file read error, read error 112"));
    QCOMPARE(lines[6], accented.toUtf8());
    QCOMPARE(lines[7], kNsResult);
}

void TestBatchMode::unattendedRunNeverWaits()
{
    // The program itself, with no presenter that answers: a box or a password request would
    // wait for a person for ever.
    const QByteArray whole = readBytes(m_returns + "/bc.r25");
    writeText(m_returns + "/cut.r25", whole.left(whole.size() / 2));
    QFile::remove(m_returns + "/fifo.r25");
    QVERIFY(::mkfifo(QFile::encodeName(m_returns + "/fifo.r25").constData(), 0600) == 0);
    QVERIFY(
        writeReturn(m_returns + "/locked.r25", ProvinceCode::BC, {{"box14", 45000}}, 0, "secret"));
    writeText(m_work + "/list.txt", "bc.r25\ncut.r25\nfifo.r25\nlocked.r25\nnone.r25\n");

    QProcess program;
    program.setProcessEnvironment(testEnvironment().processEnvironment());
    program.setWorkingDirectory(m_work);
    program.start(QCoreApplication::applicationDirPath() + "/quorvandelle",
                  {"printresult", m_returns + '/', m_work + "/list.txt"});
    const bool ended = program.waitForFinished(60000);
    if (!ended) {
        program.kill();
        program.waitForFinished(10000);
    }
    QVERIFY2(ended, "the batch run waited for a person");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(readBytes(m_work + "/taxresult.txt"),
             "bc.r25\n" + kBcResult + "\n\n" +
                 "cut.r25\nreturn file read error, read error -1\n\n"
                 "fifo.r25\nreturn file read error, read error -1\n\n"
                 "locked.r25\nreturn file read error, read error 112\n\n"
                 "none.r25\ncannot find return file\n\n");
    QFile::remove(m_returns + "/fifo.r25");
}

void TestBatchMode::secondRunReplacesTheFile()
{
    writeText(m_work + "/list.txt", "bc.r25\nns.r25\n");
    QVERIFY(runBatchChild({m_returns + '/', m_work + "/list.txt"}).contains(kNsResult));
    writeText(m_work + "/list.txt", "none.r25\n");
    QCOMPARE(runBatchChild({m_returns + '/', m_work + "/list.txt"}),
             QByteArray("none.r25\ncannot find return file\n\n"));
}

void TestBatchMode::decodeListLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("name");
    QTest::newRow("ASCII") << QByteArray("a.r25") << QString("a.r25");
    QTest::newRow("UTF-8") << QByteArray("h\xc3\xa9l\xc3\xa8ne.r25")
                           << QString::fromUtf8("h\xc3\xa9l\xc3\xa8ne.r25");
    QTest::newRow("Latin-1") << QByteArray("h\xe9l\xe8ne.r25")
                             << QString::fromUtf8("h\xc3\xa9l\xc3\xa8ne.r25");
    QTest::newRow("cut UTF-8 sequence") << QByteArray("a\xc3") << QString::fromUtf8("a\xc3\x83");
}

void TestBatchMode::decodeListLine()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, name);
    QCOMPARE(::decodeListLine(line), name);
}

void TestBatchMode::committedListGivesTheExpectedFile()
{
    const QString fixtures = QStringLiteral(QV_SOURCE_DIR "/tests/fixtures/returns/");
    const QByteArray expected = readBytes(fixtures + "expected-taxresult.txt");
    QCOMPARE(runBatchChild({fixtures, fixtures + "list.txt"}), expected);
}

// QV_WRITE_FIXTURES=1 in the environment writes the returns into the source folder (to
// regenerate them after a change of the file format); otherwise they are written beside the
// test and must give the same results as the committed ones.
void TestBatchMode::writerMakesTheCommittedReturns()
{
    const QString fixtures = QStringLiteral(QV_SOURCE_DIR "/tests/fixtures/returns/");
    const QString target =
        qEnvironmentVariableIsSet("QV_WRITE_FIXTURES") ? fixtures : m_returns + "/written/";
    QVERIFY(QDir().mkpath(target));
    QVERIFY(writeFixtureReturns(target));
    QCOMPARE(runBatchChild({target, fixtures + "list.txt"}),
             readBytes(fixtures + "expected-taxresult.txt"));
}

QV_TEST_MAIN(TestBatchMode)
#include "tst_BatchMode.moc"
