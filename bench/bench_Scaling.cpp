// How the costs grow with the size of a return: coupled returns of 10 to 5,000 slips and of 40
// to 8,000 business statements, each saved, loaded, recalculated, typed into in the editor,
// written as return XML and divided by the sharing optimiser. The closing table sets each save
// and load against a plain durable write and a plain read of the same bytes, and gives the
// growth of each cost from one size to the next beside the growth of the size.
#include <QtTest>

#include "BenchSupport.h"
#include "EditorFixture.h"
#include "ReturnFixture.h"
#include "TestMain.h"
#include "efile/BarcodeArchiveSource.h"
#include "marrow/TypeCodes.h"
#include "model/DataShareAmtDlg.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "model/TaxDataEntryStru.h"
#include "ui/FolderView.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"

#include <QLabel>
#include <array>
#include <map>
#include <memory>

using namespace ReturnFixture;

namespace {

// One return of the series: slips and T2125 statements of each spouse.
struct Size
{
    const char *name;
    int slipsEach;
    int statementsEach;
    bool statementSeries;
};

const Size kSizes[] = {
    {"10 slips", 5, 0, false},           {"100 slips", 50, 0, false},
    {"1,000 slips", 500, 0, false},      {"5,000 slips", 2500, 0, false},
    {"40 statements", 3, 20, true},      {"1,000 statements", 3, 500, true},
    {"8,000 statements", 3, 4000, true},
};

enum Measure
{
    Save,
    DurableWrite,
    Load,
    PlainRead,
    Recalculation,
    Keystroke,
    ReturnXml,
    Optimiser,
    kMeasures
};

const char *const kMeasureNames[kMeasures] = {"save",       "durable write", "load",
                                              "plain read", "recalculation", "keystroke",
                                              "return XML", "optimiser"};

} // namespace

class BenchScaling : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void save_data() { sizes(); }
    void save();
    void load_data() { sizes(); }
    void load();
    void recalculation_data() { sizes(); }
    void recalculation();
    void keystroke_data() { sizes(); }
    void keystroke();
    void returnXml_data() { sizes(); }
    void returnXml();
    void optimiser_data() { sizes(); }
    void optimiser();
    void cleanupTestCase();

private:
    static void sizes();
    // The row's size, fetched by every measuring function first.
    void fetchSize();
    const Size &size() const { return kSizes[m_index]; }
    // The return of the current size, built once and kept, recalculated like an opened one.
    FamilyTaxData &family();
    QString path() const;
    PassTimes &times(Measure measure) { return m_times[size().name][measure]; }

    std::unique_ptr<EditorFixture> m_fixture;
    std::map<QString, std::unique_ptr<FamilyTaxData>> m_families;
    std::map<QString, QByteArray> m_bytes;
    std::map<QString, std::array<PassTimes, kMeasures>> m_times;
    int m_index = 0;
    int m_amount = 50000;
};

void BenchScaling::sizes()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kSizes)); ++i)
        QTest::newRow(kSizes[i].name) << i;
}

void BenchScaling::fetchSize()
{
    QFETCH(int, index);
    m_index = index;
}

FamilyTaxData &BenchScaling::family()
{
    std::unique_ptr<FamilyTaxData> &kept = m_families[size().name];
    if (!kept) {
        kept.reset(EditorFixture::coupledReturn(size().slipsEach, size().statementsEach));
        kept->taxpayer()->m_password.clear();
    }
    return *kept;
}

QString BenchScaling::path() const
{
    return m_fixture->dir() + "/" + QString::number(m_index) + ".r25";
}

void BenchScaling::initTestCase()
{
    Q_INIT_RESOURCE(net);
    m_fixture = std::make_unique<EditorFixture>();
    // Saves write the barcode archives as the program's do.
    installBarcodeArchiveSource();
    MainWindow *w = m_fixture->window();
    w->resize(1270, 673);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void BenchScaling::save()
{
    fetchSize();
    FamilyTaxData &f = family();
    QCOMPARE(saveReturnFile(f, path(), kEdition), 0);
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_bytes[size().name] = file.readAll();
    }
    QBENCHMARK
    {
        PassTimer timer(times(Save));
        QCOMPARE(saveReturnFile(f, path(), kEdition), 0);
    }
    // The floor: a plain durable write of the same bytes, as many times.
    const QByteArray &bytes = m_bytes[size().name];
    for (int round = 0; round < int(times(Save).passes); ++round) {
        PassTimer timer(times(DurableWrite));
        QVERIFY(durableWrite(path() + ".copy", bytes));
    }
}

void BenchScaling::load()
{
    fetchSize();
    const QByteArray &bytes = m_bytes[size().name];
    QVERIFY2(!bytes.isEmpty(), "save runs first");
    QBENCHMARK
    {
        int result = -99;
        std::unique_ptr<FamilyTaxData> loaded;
        {
            // The load alone: freeing the return afterwards is no part of opening it.
            PassTimer timer(times(Load));
            loaded = loadReturnFile(path(), &result, kEdition);
        }
        QCOMPARE(result, 0);
    }
    // The floor: a plain read of the same bytes.
    for (int round = 0; round < int(times(Load).passes) * 10; ++round) {
        PassTimer timer(times(PlainRead));
        QCOMPARE(plainRead(path(), bytes.size()), qint64(bytes.size()));
    }
}

void BenchScaling::recalculation()
{
    fetchSize();
    FamilyTaxData &f = family();
    QBENCHMARK
    {
        PassTimer timer(times(Recalculation));
        f.Recalculate(-1, nullptr);
    }
}

void BenchScaling::keystroke()
{
    fetchSize();
    MainWindow *w = m_fixture->window();
    FamilyTaxData *opened = EditorFixture::coupledReturn(size().slipsEach, size().statementsEach);
    w->addReturnPage(nullptr, opened);
    Form_Return *editor = w->shownEditor();
    QVERIFY(editor);
    for (TaxDataEntryStru *e : opened->getCurrentPersonData()->m_slipList) {
        if (e->type == SlipType::T4) {
            editor->folderView()->selectEntry(FolderView::KindSlip, e->id);
            break;
        }
    }
    QVERIFY(boundWidget(editor, "box14"));
    auto *line = editor->findChild<QLabel *>("lblResultLine1");
    QVERIFY(line);
    QBENCHMARK
    {
        PassTimer timer(times(Keystroke));
        line->clear();
        // A new amount each time, so every Tab stores a change and recalculates.
        typeInto(editor, "box14", QString::number(++m_amount));
        if (line->text().isEmpty())
            QFAIL("the result line was not refreshed");
    }
    w->actionCloseReturn();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BenchScaling::returnXml()
{
    fetchSize();
    FamilyTaxData &f = family();
    QString xml;
    f.generateReturnXml(xml, 2);
    QVERIFY(xml.contains("<t1:"));
    QBENCHMARK
    {
        PassTimer timer(times(ReturnXml));
        xml.clear();
        f.generateReturnXml(xml, 2);
    }
}

void BenchScaling::optimiser()
{
    fetchSize();
    FamilyTaxData &f = family();
    DataShareAmtDlg amounts;
    amounts.fld_Donation_1 = 1500;
    amounts.fld_Donation_2 = 500;
    amounts.fld_Donation_3 = 2000;
    amounts.fld_BankInterest_3 = 1200;
    int trials = 0;
    int runs = 0;
    QBENCHMARK
    {
        FamilyTaxData copy(0);
        copy = f;
        {
            PassTimer timer(times(Optimiser));
            copy.ShareAmountsBetweenSpouses(amounts, &trials);
        }
        copy.freeAllData();
        ++runs;
    }
    // These couples elect no pension split, and the donations often go whole to one side:
    // a run may be the walk's few recalculations alone.
    qInfo("recalculated trials per run: %d", runs ? trials / runs : 0);
}

void BenchScaling::cleanupTestCase()
{
    auto cell = [](double ms) { return QString::number(ms, 'f', ms < 10 ? 3 : 1); };
    QStringList header{"return"};
    for (const char *name : kMeasureNames)
        header << QString::fromLatin1(name) + " ms";
    header << "save/durable write"
           << "load/plain read";
    qInfo("%s", qPrintable(header.join(" | ")));
    for (const Size &s : kSizes) {
        const auto found = m_times.find(s.name);
        if (found == m_times.end())
            continue;
        const auto &t = found->second;
        QStringList row{s.name};
        for (const PassTimes &measure : t)
            row << cell(measure.meanMs());
        const double durable = t[DurableWrite].meanMs();
        const double read = t[PlainRead].meanMs();
        row << (durable > 0 ? QString::number(t[Save].meanMs() / durable, 'f', 2) : "-")
            << (read > 0 ? QString::number(t[Load].meanMs() / read, 'f', 1) : "-");
        qInfo("%s", qPrintable(row.join(" | ")));
    }
    // Growth from one size to the next of the same series, beside the growth of the size.
    qInfo("growth between sizes (cost ratio; the size grows by the factor in brackets)");
    for (size_t i = 1; i < std::size(kSizes); ++i) {
        const Size &from = kSizes[i - 1];
        const Size &to = kSizes[i];
        if (from.statementSeries != to.statementSeries)
            continue;
        const auto a = m_times.find(from.name);
        const auto b = m_times.find(to.name);
        if (a == m_times.end() || b == m_times.end())
            continue;
        const double grows = from.statementSeries ? double(to.statementsEach) / from.statementsEach
                                                  : double(to.slipsEach) / from.slipsEach;
        QStringList row{QString("%1 -> %2 (x%3)").arg(from.name, to.name).arg(grows)};
        for (int m = 0; m < kMeasures; ++m) {
            const double before = a->second[size_t(m)].meanMs();
            const double after = b->second[size_t(m)].meanMs();
            row << QString("%1 x%2")
                       .arg(kMeasureNames[m])
                       .arg(before > 0 ? QString::number(after / before, 'f', 1) : "-");
        }
        qInfo("%s", qPrintable(row.join(" | ")));
    }
    m_families.clear();
    m_fixture.reset();
}

QV_TEST_MAIN(BenchScaling)
#include "bench_Scaling.moc"
