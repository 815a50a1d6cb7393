// The barcode archive of saved return files: who carries one, the T1 record's items, the value
// map's text, the statement blocks and their order, and the round trip of a saved file.
#include <QtTest>

#include "EfileFixture.h"
#include "PluginFolder.h"
#include "ReturnFixture.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"
#include "efile/BarcodeArchiveSource.h"
#include "efile/SfdBarcodeBlocks.h"
#include "efile/T1BarcodeRecord.h"
#include "marrow/BusinessForms.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/ReturnFile.h"

#include <functional>

using namespace ReturnFixture;

namespace {

// A S.I.N. that passes the check and does not begin with "0".
const char kSin[] = "193456787";
const QByteArray kMarker(8, 'b');

// The widths of the T1 record's 48 items and the statement header's 33, in output order.
const QList<int> kT1Widths = {2, 4,  8, 9, 8,  2, 2, 1, 9, 4, 30, 30, 26, 60, 50, 2,
                              6, 75, 8, 1, 10, 1, 9, 9, 9, 1, 8,  1,  9,  9,  2,  3,
                              1, 37, 8, 1, 1,  2, 1, 1, 1, 5, 1,  2,  1,  8,  4,  1};
const QList<int> kSfdWidths = {2, 2,  2,  2, 1,  6,  9, 30, 30, 6,  8, 8, 9,  4,  8, 1, 15,
                               4, 96, 96, 3, 30, 30, 8, 6,  30, 30, 8, 6, 30, 30, 8, 6};

// Item n (from 1) of a fixed record.
QByteArray itemOf(const QByteArray &record, const QList<int> &widths, int n)
{
    int offset = 0;
    for (int i = 0; i < n - 1; ++i)
        offset += widths[i];
    return record.mid(offset, widths[n - 1]);
}

QByteArray int32(qint32 value)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << value;
    return bytes;
}

// One person's archive as a reader of saved files finds it.
struct Archive
{
    bool found = false;
    QByteArray raw;           // the bytes between the marker runs
    QByteArray t1;            // empty: the archive was the single int 0
    qint32 count = -1;        // statement count; -1 when not read
    QList<QByteArray> blocks; // the statement frames
    int end = 0;              // the offset right after the second marker run
};

// Reads the archive that follows the first marker run at or after from.
Archive readArchive(const QByteArray &file, int from)
{
    Archive a;
    const int start = file.indexOf(kMarker, from);
    if (start < 0)
        return a;
    QDataStream in(file);
    in.device()->seek(start + kMarker.size());
    auto readFrame = [&in](QByteArray &bytes) {
        qint32 length = 0;
        in >> length;
        if (length <= 0)
            return false;
        bytes.resize(length);
        return in.readRawData(bytes.data(), length) == length;
    };
    if (readFrame(a.t1)) {
        in >> a.count;
        for (qint32 i = 0; i < a.count; ++i) {
            QByteArray block;
            if (!readFrame(block))
                return a;
            a.blocks << block;
        }
    }
    const int archiveEnd = int(in.device()->pos());
    if (in.status() != QDataStream::Ok || file.mid(archiveEnd, kMarker.size()) != kMarker)
        return a;
    a.raw = file.mid(start + kMarker.size(), archiveEnd - start - kMarker.size());
    a.end = archiveEnd + kMarker.size();
    a.found = true;
    return a;
}

QByteArray blanks(int n)
{
    return QByteArray(n, ' ');
}

QByteArray zeros(int n)
{
    return QByteArray(n, '0');
}

using Setup = std::function<void(IndividualTaxData &, TaxData_T1New &)>;
template <typename Form> Form *addForm(IndividualTaxData &person, int type)
{
    return EfileFixture::add<Form>(person, type);
}

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(NetfileCodeMap)

class TestBarcodeArchive : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void recordWidths();
    void fixedItem_data();
    void fixedItem();
    void notEligible_data();
    void notEligible();
    void t1Record_data();
    void t1Record();
    void valueMap_data();
    void valueMap();
    void t1BlockEndsWithItsMap_data();
    void t1BlockEndsWithItsMap();
    void statementCount_data();
    void statementCount();
    void t2125Order();
    void t5013Parts();
    void t777Header();
    void t2091Codes();
    void t2125Fractions_data();
    void t2125Fractions();
    void t2121WithoutAddress();
    void formOfAnotherClassWritesNoFrame();
    void roundTripOfCoupledReturn();
    void reFiledReturnCarriesAmendedAmounts();
    void t776GrossRentsAreTheYearsRents();

private:
    // Saves the family to a real file and reads its bytes back.
    QByteArray saveAndRead(FamilyTaxData &family);
    // A coupled return whose taxpayer is eligible (no statements), changed by setup.
    void makeFamily(FamilyTaxData &family, const Setup &setup = Setup());
    // The taxpayer's archive of the saved family.
    Archive taxpayerArchive(FamilyTaxData &family);

    std::unique_ptr<PluginFolder> m_plugins;
    std::unique_ptr<ScriptedPresenter> m_presenter;
    std::unique_ptr<QLibrary> m_ontario;
    QTemporaryDir m_dir;
    int m_saves = 0;
};

void TestBarcodeArchive::initTestCase()
{
    Q_INIT_RESOURCE(net);
    QVERIFY(m_dir.isValid());
    EfileFixture::setSoftwareSettings();
    clearPreparerSettings();
}

void TestBarcodeArchive::init()
{
    m_plugins = std::make_unique<PluginFolder>();
    QVERIFY(m_plugins->linkRealPlugin(kProvince));
    m_ontario = std::make_unique<QLibrary>(m_plugins->pluginPath(kProvince));
    QVERIFY(m_ontario->load());
    m_presenter = std::make_unique<ScriptedPresenter>();
    installBarcodeArchiveSource();
}

void TestBarcodeArchive::cleanup()
{
    setBarcodeArchiveSource(nullptr);
    m_presenter.reset();
    m_ontario->unload();
    m_ontario.reset();
    m_plugins.reset();
}

QByteArray TestBarcodeArchive::saveAndRead(FamilyTaxData &family)
{
    const QString path = m_dir.filePath(QString("return%1.r25").arg(++m_saves));
    if (saveReturnFile(family, path, kEdition) != 0)
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestBarcodeArchive::makeFamily(FamilyTaxData &family, const Setup &setup)
{
    fillCoupledReturn(family);
    family.taxpayer()->m_password.clear();
    bringToLoadedState(family);
    auto *t1 = static_cast<TaxData_T1New *>(family.taxpayer()->getForm(FormType::T1, 0, false));
    t1->sin = QString(kSin);
    t1->maritalStatus = 0;
    t1->spouseSin = QString("130692544");
    t1->spouseFirstName = QString("Marc");
    if (setup)
        setup(*family.taxpayer(), *t1);
}

Archive TestBarcodeArchive::taxpayerArchive(FamilyTaxData &family)
{
    return readArchive(saveAndRead(family), 0);
}

void TestBarcodeArchive::recordWidths()
{
    int t1 = 0;
    for (int w : kT1Widths)
        t1 += w;
    int sfd = 0;
    for (int w : kSfdWidths)
        sfd += w;
    QCOMPARE(kT1Widths.size(), T1ReturnBarcodeFixedData::kItems);
    QCOMPARE(t1, T1ReturnBarcodeFixedData::kWidth);
    QCOMPARE(kSfdWidths.size(), SFDBarcodeFixedData::kItems);
    QCOMPARE(sfd, SFDBarcodeFixedData::kWidth);

    T1ReturnBarcodeFixedData t1Record("Q25");
    SFDBarcodeFixedData sfdRecord;
    CMemoryBlock block;
    t1Record.OutputToMemoryBlock(block);
    QCOMPARE(block.bytes().size(), 483);
    block.Init();
    sfdRecord.OutputToMemoryBlock(block);
    QCOMPARE(block.bytes().size(), 564);
    for (int n = 1; n <= 48; ++n)
        QCOMPARE(t1Record.item(n).width(), kT1Widths[n - 1]);
    for (int n = 1; n <= 33; ++n)
        QCOMPARE(sfdRecord.item(n).width(), kSfdWidths[n - 1]);
}

void TestBarcodeArchive::fixedItem_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("initial"); // a null text: built without one
    QTest::addColumn<int>("setter");      // 0 none, 1 as is, 2 left 0, 3 right blank, 4 all X
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("built without text") << 5 << QString() << 0 << QString() << QByteArray("     ");
    QTest::newRow("initial text") << 4 << "2025" << 0 << QString() << QByteArray("2025");
    QTest::newRow("longer initial text cut") << 2 << "2025" << 0 << QString() << QByteArray("20");
    QTest::newRow("as is, shorter") << 4 << QString() << 1 << "ON" << QByteArray("ON  ");
    QTest::newRow("as is, longer") << 2 << QString() << 1 << "ONT" << QByteArray("ON");
    QTest::newRow("left 0") << 9 << QString() << 2 << "1234" << QByteArray("000001234");
    QTest::newRow("left 0, longer") << 3 << QString() << 2 << "12345" << QByteArray("123");
    QTest::newRow("right blank") << 6 << "000000" << 3 << "K1A" << QByteArray("K1A   ");
    QTest::newRow("right blank, empty") << 3 << "abc" << 3 << "" << QByteArray("   ");
    QTest::newRow("all X") << 4 << "ab" << 4 << "0" << QByteArray("0000");
    QTest::newRow("one byte a character")
        << 6 << QString() << 3 << "Zoé Ł" << QByteArray("Zo\xe9 ? ");
}

void TestBarcodeArchive::fixedItem()
{
    QFETCH(int, width);
    QFETCH(QString, initial);
    QFETCH(int, setter);
    QFETCH(QString, value);
    QFETCH(QByteArray, text);
    List_FixedBarcodeItem list;
    const QByteArray initialBytes = initial.toLatin1();
    FixedBarcodeItem item(list, width, initial.isNull() ? nullptr : initialBytes.constData());
    switch (setter) {
    case 1:
        item.SetValue(value);
        break;
    case 2:
        item.SetValueLeftPadding(value);
        break;
    case 3:
        item.SetValueRightPadding(value);
        break;
    case 4:
        item.SetAllCharsTo(value.at(0).toLatin1());
        break;
    default:
        break;
    }
    QCOMPARE(item.text(), text);
    CMemoryBlock block;
    list.OutputToMemoryBlock(block);
    QCOMPARE(block.bytes(), text);
}

void TestBarcodeArchive::notEligible_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::newRow("no T1") << Setup(
        [](IndividualTaxData &person, TaxData_T1New &t1) { person.removeForm(&t1, true, false); });
    QTest::newRow("blank S.I.N.") << Setup(
        [](IndividualTaxData &, TaxData_T1New &t1) { t1.sin = QString("   "); });
    QTest::newRow("000000000") << Setup(
        [](IndividualTaxData &, TaxData_T1New &t1) { t1.sin = QString("000000000"); });
    QTest::newRow("fails the check")
        << Setup([](IndividualTaxData &, TaxData_T1New &t1) { t1.sin = QString("193456788"); });
    QTest::newRow("leading 0") << Setup(
        [](IndividualTaxData &, TaxData_T1New &t1) { t1.sin = QString("046454286"); });
    QTest::newRow("emigrant") << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
        t1.departureDate.setDate(QDate(2025, 7, 1));
    });
    QTest::newRow("immigrant") << Setup(
        [](IndividualTaxData &, TaxData_T1New &t1) { t1.entryDate.setDate(QDate(2025, 3, 1)); });
}

void TestBarcodeArchive::notEligible()
{
    QFETCH(Setup, setup);
    FamilyTaxData family(0);
    makeFamily(family, setup);
    const Archive a = taxpayerArchive(family);
    QVERIFY(a.found);
    QCOMPARE(a.raw, int32(0));
}

void TestBarcodeArchive::t1Record_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QList<int>>("items");
    QTest::addColumn<QList<QByteArray>>("texts");
    using L = QList<QByteArray>;
    const Setup none = [](IndividualTaxData &, TaxData_T1New &) {};

    QTest::newRow("fixed items") << none
                                 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 32, 33, 35, 46}
                                 << L{"01",
                                      "2025",
                                      "00000000",
                                      kSin,
                                      "19580314",
                                      "ON",
                                      "ON",
                                      "1",
                                      "Élise" + blanks(25),
                                      "Tremblay" + blanks(22),
                                      "Q25",
                                      "G",
                                      "20260303",
                                      "   00000"};
    QTest::newRow("spouse data, S.I.N. typed with blanks")
        << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
               t1.spouseSin = QString("130 692 544");
           })
        << QList<int>{9, 10} << L{"130692544", "Marc"};
    QTest::newRow("no spouse data")
        << Setup([](IndividualTaxData &, TaxData_T1New &t1) { t1.maritalStatus = 4; })
        << QList<int>{9, 10} << L{"000000000", "    "};
    QTest::newRow("two street texts and a rural route")
        << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
               t1.street = QString("12 Main St   ");
               t1.street2 = QString("Unit 4");
               t1.ruralRoute = QString("7");
           })
        << QList<int>{14} << L{"12 Main St Unit 4 RR 7" + blanks(38)};
    QTest::newRow("rural route alone") << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
        t1.street = QString();
        t1.ruralRoute = QString("3");
    }) << QList<int>{14} << L{"RR 3" + blanks(56)};
    QTest::newRow("foreign address") << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
        t1.mailingProvince = 9;
        t1.foreignAddress = true;
    }) << QList<int>{16} << L{"  "};
    QTest::newRow("mailing province 0")
        << Setup([](IndividualTaxData &, TaxData_T1New &t1) { t1.mailingProvince = 0; })
        << QList<int>{16} << L{"  "};
    QTest::newRow("mailing province 14")
        << Setup([](IndividualTaxData &, TaxData_T1New &t1) { t1.mailingProvince = 14; })
        << QList<int>{16} << L{"  "};
    QTest::newRow("mailing in Ontario") << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
        t1.mailingProvince = 9;
        t1.postalCode = QString("m5v 2t6");
    }) << QList<int>{16, 17} << L{"ON", "M5V2T6"};
    QTest::newRow("no move, index 2, no telephone")
        << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
               t1.homeAddressSame = 2;
               t1.phone = QString();
           })
        << QList<int>{19, 20, 21} << L{"00000000", "0", "0000000000"};
    QTest::newRow("moved, same home, telephone")
        << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
               t1.dateOfMove.setDate(QDate(2025, 5, 1));
               t1.homeAddressSame = 0;
               t1.phone = QString("1 (613) 555-0199");
           })
        << QList<int>{19, 20, 21} << L{"20250501", "1", "6135550199"};
    QTest::newRow("cannot claim a spouse") << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
        t1.maritalStatus = 4;
        t1.spouseNetIncome = 12345.9;
        t1.spouseUccbAmount = 300;
        t1.spouseUccbRepayment = 20;
        t1.selfEmployedDeadline = true;
    }) << QList<int>{23, 24, 25, 36} << L{"000000000", "000000000", "000000000", "0"};
    QTest::newRow("can claim a spouse") << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
        t1.spouseNetIncome = 12345.9;
        t1.spouseUccbAmount = 300;
        t1.spouseUccbRepayment = 20.99;
        t1.selfEmployedDeadline = true;
    }) << QList<int>{23, 24, 25, 36} << L{"000012345", "000000300", "000000020", "1"};
    QTest::newRow("deceased") << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
        t1.deathDate.setDate(QDate(2025, 9, 4));
    }) << QList<int>{26, 27} << L{"1", "20250904"};
    QTest::newRow("not bankrupt") << none << QList<int>{28, 29, 30}
                                  << L{"0", "000000000", "000000000"};
    for (const auto &row : {std::make_pair(0.0, QByteArray("000000001")),
                            std::make_pair(1234.5, QByteArray("000001235")),
                            std::make_pair(-1234.5, QByteArray("-00001235"))}) {
        const double income = row.first;
        QTest::addRow("bankrupt, net income %g", income)
            << Setup([income](IndividualTaxData &, TaxData_T1New &t1) {
                   t1.bankruptDate.setDate(QDate(2025, 4, 1));
                   t1.postBankruptNetIncome = income;
               })
            << QList<int>{28, 29, 30} << L{"1", row.second, "000000000"};
    }
    QTest::newRow("province 13 without a First Nation")
        << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
               t1.setMainTaxProvince(13);
               t1.settlementLand = 0;
               t1.yukonFirstNation = QString();
           })
        << QList<int>{39, 40, 41, 42, 43} << L{"0", "0", "0", "00000", "0"};
    QTest::newRow("province 13 on settlement land")
        << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
               t1.setMainTaxProvince(13);
               t1.settlementLand = 1;
           })
        << QList<int>{39, 42, 43} << L{"2", "00000", "0"};
    QTest::newRow("province 13 with a First Nation")
        << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
               t1.setMainTaxProvince(13);
               t1.yukonFirstNation = QString("11004");
               t1.firstNationId = 1;
           })
        << QList<int>{39, 42, 43} << L{"1", "11004", "2"};
    QTest::newRow("citizen, elections, residence, exempt")
        << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
               t1.citizen = 0;
               t1.elecanauth = 1;
               t1.currentResidenceProvince = 2;
               t1.taxExemptFlag = 1;
               t1.language = 1;
           })
        << QList<int>{22, 37, 38, 44, 45} << L{"2", "1", "02", "BC", "1"};
    QTest::newRow("marital status changed") << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
        t1.maritalChange = 1;
        t1.maritalChangeDate.setDate(QDate(2025, 8, 15));
    }) << QList<int>{47} << L{"0815"};
    QTest::newRow("status unchanged") << none << QList<int>{47, 48} << L{"0000", "0"};
    QTest::newRow("organ donor in Ontario") << Setup([](IndividualTaxData &, TaxData_T1New &t1) {
        t1.province = 9;
        t1.organDonor = 0;
    }) << QList<int>{48} << L{"1"};
}

void TestBarcodeArchive::t1Record()
{
    QFETCH(Setup, setup);
    QFETCH(QList<int>, items);
    QFETCH(QList<QByteArray>, texts);
    FamilyTaxData family(0);
    makeFamily(family, setup);
    const Archive a = taxpayerArchive(family);
    QVERIFY(a.found);
    QVERIFY(a.t1.size() > 483);
    for (int i = 0; i < items.size(); ++i) {
        // Item texts are one byte per character.
        const QByteArray latin1 = QString::fromUtf8(texts[i]).toLatin1();
        QCOMPARE(itemOf(a.t1, kT1Widths, items[i]), latin1);
    }
}

void TestBarcodeArchive::valueMap_data()
{
    QTest::addColumn<NetfileCodeMap>("codes");
    QTest::addColumn<QByteArray>("text");
    auto tagged = [](int tag, double amount) {
        NetfileTaggedValue v;
        v.tag = tag;
        v.amount = amount;
        return v;
    };
    NetfileCodeMap pair;
    pair.insert(43700, tagged(2, -12.5));
    pair.insert(15000, tagged(1, 52345.67));
    QTest::newRow("whole dollars then cents") << pair << QByteArray("1500052345-43700&1250");
    QTest::newRow("0.995 in cents")
        << NetfileCodeMap{{30000, tagged(2, 0.995)}} << QByteArray("3000099");
    QTest::newRow("-0.995 in cents")
        << NetfileCodeMap{{30000, tagged(2, -0.995)}} << QByteArray("30000&99");
    QTest::newRow("negative whole dollars")
        << NetfileCodeMap{{54950, tagged(1, -812.9)}} << QByteArray("54950&812");
    NetfileTaggedValue text;
    text.tag = NetfileTaggedValue::Text;
    text.text = "AB12";
    NetfileCodeMap mixed;
    mixed.insert(9915, NetfileTaggedValue::wholeNumber(1));
    mixed.insert(10000, tagged(7, 5)); // an unknown tag prints nothing, its "-" stays
    mixed.insert(20000, text);
    QTest::newRow("integer, unknown tag, text") << mixed << QByteArray("99151--20000AB12");
    QTest::newRow("empty") << NetfileCodeMap() << QByteArray();
}

void TestBarcodeArchive::valueMap()
{
    QFETCH(NetfileCodeMap, codes);
    QFETCH(QByteArray, text);
    CMemoryBlock block;
    writeBarcodeValueMap(codes, block);
    QCOMPARE(block.bytes(), text);
}

void TestBarcodeArchive::t1BlockEndsWithItsMap_data()
{
    QTest::addColumn<double>("tax");
    QTest::addColumn<double>("splitIncomeTax");
    QTest::addColumn<double>("dividendCredit");
    QTest::addColumn<QByteArray>("map");
    // The line records after the fixed items, in code order: lines 10100 and 15000 in cents,
    // then the supports of the minimum tax that the return writes even when they are 0.
    QTest::newRow("lines 10100 and 15000")
        << 0.0 << 0.0 << 0.0
        << QByteArray("101005200025-150005200025-676500-678200-678300-678400-678600-679100-EOD");
    // Line 40424 is a line of the map like 40400 and 40425, in code order between them.
    QTest::newRow("with the tax on split income")
        << 10550.0 << 3300.0 << 12.5
        << QByteArray("101005200025-150005200025-404001055000-40424330000-404251250-676500-"
                      "678200-678300-678400-678600-679100-EOD");
}

void TestBarcodeArchive::t1BlockEndsWithItsMap()
{
    QFETCH(double, tax);
    QFETCH(double, splitIncomeTax);
    QFETCH(double, dividendCredit);
    FamilyTaxData family(0);
    makeFamily(family, [=](IndividualTaxData &, TaxData_T1New &t1) {
        t1.f22200 = 0;
        t1.f31000 = 0;
        t1.f15000 = 52000.25;
        t1.f40400 = tax;
        t1.f40424 = splitIncomeTax;
        t1.f40425 = dividendCredit;
    });
    const Archive a = taxpayerArchive(family);
    QVERIFY(a.found);
    const QByteArray map = a.t1.mid(483);
    QVERIFY2(map.endsWith("-EOD"), map.constData());
    QTEST(map, "map");
}

void TestBarcodeArchive::statementCount_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<int>("count");
    QTest::newRow("none") << Setup() << 0;
    QTest::newRow("bankrupt with a statement")
        << Setup([](IndividualTaxData &person, TaxData_T1New &t1) {
               t1.bankruptDate.setDate(QDate(2025, 4, 1));
               addForm<TaxData_T2125_New>(person, FormType::T2125);
           })
        << 0;
    QTest::newRow("three statements") << Setup([](IndividualTaxData &person, TaxData_T1New &) {
        for (int i = 0; i < 3; ++i)
            addForm<TaxData_T2125_New>(person, FormType::T2125);
    }) << 0;
    QTest::newRow("one statement") << Setup([](IndividualTaxData &person, TaxData_T1New &) {
        addForm<TaxData_T776New>(person, FormType::T776);
    }) << 1;
    QTest::newRow("a T777 and its T777S") << Setup([](IndividualTaxData &person, TaxData_T1New &) {
        addForm<TaxData_T777New>(person, FormType::T777);
        addForm<TaxData_T2125_New>(person, FormType::T2125);
        person.addForm(FormType::T777S, 0, true, 0, false);
    }) << 2;
}

void TestBarcodeArchive::statementCount()
{
    QFETCH(Setup, setup);
    QFETCH(int, count);
    FamilyTaxData family(0);
    makeFamily(family, setup);
    const Archive a = taxpayerArchive(family);
    QVERIFY(a.found);
    QCOMPARE(a.count, count);
    QCOMPARE(a.blocks.size(), count);
    for (const QByteArray &block : a.blocks) {
        QVERIFY(block.startsWith("03"));
        QVERIFY(block.endsWith("-EOD"));
    }
}

void TestBarcodeArchive::t2125Order()
{
    FamilyTaxData family(0);
    makeFamily(family, [](IndividualTaxData &person, TaxData_T1New &) {
        auto *commission = addForm<TaxData_T2125_New>(person, FormType::T2125C);
        commission->kind = 1;
        commission->businessName = QString("Sales");
        auto *business = addForm<TaxData_T2125_New>(person, FormType::T2125);
        business->kind = 1;
        business->businessName = QString("Consulting");
        business->grossIncome = 2500;
    });
    const Archive a = taxpayerArchive(family);
    QCOMPARE(a.count, 2);
    QCOMPARE(a.blocks.size(), 2);
    QCOMPARE(a.blocks[0].left(6), QByteArray("030103"));
    QCOMPARE(itemOf(a.blocks[0], kSfdWidths, 8), "Consulting" + blanks(20));
    QCOMPARE(a.blocks[1].left(6), QByteArray("030202"));
    QCOMPARE(itemOf(a.blocks[1], kSfdWidths, 8), "Sales" + blanks(25));
}

void TestBarcodeArchive::t5013Parts()
{
    FamilyTaxData family(0);
    makeFamily(family, [](IndividualTaxData &person, TaxData_T1New &) {
        auto *t5013 = addForm<CTaxData_T5013>(person, FormType::T5013);
        t5013->sin = QString(kSin);
        t5013->businessIncome = 1500;
        t5013->rentalIncome = 800.5;
        const int kinds[] = {2, 5, 0, 5};
        for (int part = 1; part <= 4; ++part)
            t5013->setPartKind(part, kinds[part - 1]);
        t5013->partDetails.textAt(0, CTaxData_T5013::PartName) = QString("Partners LP");
        t5013->partDetails.textAt(2, CTaxData_T5013::PartIndustryCode) = QString("5311");
    });
    const Archive a = taxpayerArchive(family);
    QCOMPARE(a.count, 2);
    QCOMPARE(a.blocks.size(), 2);
    QCOMPARE(a.blocks[0].left(6), QByteArray("030102"));
    QCOMPARE(itemOf(a.blocks[0], kSfdWidths, 7), QByteArray(kSin));
    QCOMPARE(itemOf(a.blocks[0], kSfdWidths, 8), "Partners LP" + blanks(19));
    QCOMPARE(a.blocks[0].mid(564), QByteArray("13500150000-EOD"));
    QCOMPARE(a.blocks[1].left(6), QByteArray("030201"));
    QCOMPARE(itemOf(a.blocks[1], kSfdWidths, 6), QByteArray("531100"));
    QCOMPARE(a.blocks[1].mid(564), QByteArray("1260080050-EOD"));
    // The groups: blank texts, zeros.
    for (int n : {22, 26, 30}) {
        QCOMPARE(itemOf(a.blocks[1], kSfdWidths, n), blanks(30));
        QCOMPARE(itemOf(a.blocks[1], kSfdWidths, n + 2), zeros(8));
        QCOMPARE(itemOf(a.blocks[1], kSfdWidths, n + 3), zeros(6));
    }
}

void TestBarcodeArchive::t777Header()
{
    FamilyTaxData family(0);
    makeFamily(family, [](IndividualTaxData &person, TaxData_T1New &) {
        addForm<TaxData_T777New>(person, FormType::T777)->employerName = QString("Acme");
    });
    const Archive a = taxpayerArchive(family);
    QCOMPARE(a.count, 1);
    QCOMPARE(a.blocks.size(), 1);
    const QByteArray group = blanks(60) + zeros(8) + zeros(6);
    const QByteArray header = "030107  0000000" + QByteArray(kSin) + blanks(66) + zeros(16) +
                              zeros(9) + zeros(4) + blanks(8) + "0" + blanks(15) + blanks(4) +
                              blanks(192) + blanks(3) + group + group + group;
    QCOMPARE(header.size(), 564);
    QCOMPARE(a.blocks[0].left(564), header);
    QVERIFY(a.blocks[0].endsWith("-EOD"));
}

void TestBarcodeArchive::t2091Codes()
{
    FamilyTaxData family(0);
    makeFamily(family, [](IndividualTaxData &person, TaxData_T1New &) {
        addForm<TaxData_T2091>(person, FormType::T2091WS);
        addForm<TaxData_T2091>(person, FormType::T2091);
    });
    const Archive a = taxpayerArchive(family);
    QCOMPARE(a.count, 2);
    QCOMPARE(a.blocks.size(), 2);
    QCOMPARE(a.blocks[0].left(6), QByteArray("030112"));
    QCOMPARE(a.blocks[1].left(6), QByteArray("030211"));
}

void TestBarcodeArchive::t2125Fractions_data()
{
    QTest::addColumn<double>("percentage");
    QTest::addColumn<double>("share");
    QTest::addColumn<double>("websites");
    QTest::addColumn<double>("employees");
    QTest::addColumn<QByteArray>("item14");
    QTest::addColumn<QByteArray>("item25");
    QTest::addColumn<QByteArray>("item18");
    QTest::addColumn<QByteArray>("item21");
    QTest::newRow("50 and 12.5") << 50.0 << 12.5 << 12.9 << 7.0 << QByteArray("5000")
                                 << QByteArray("125000") << QByteArray("12  ") << QByteArray("  7");
    QTest::newRow("99.995 and 99.5")
        << 99.995 << 99.5 << 0.5 << 0.4 << QByteArray("0000") << QByteArray("000000")
        << QByteArray("    ") << QByteArray("   ");
    QTest::newRow("99.99 and 99") << 99.99 << 99.0 << 1.0 << 120.0 << QByteArray("9999")
                                  << QByteArray("990000") << QByteArray("1   ")
                                  << QByteArray("120");
}

void TestBarcodeArchive::t2125Fractions()
{
    QFETCH(double, percentage);
    QFETCH(double, share);
    QFETCH(double, websites);
    QFETCH(double, employees);
    FamilyTaxData family(0);
    makeFamily(family, [=](IndividualTaxData &person, TaxData_T1New &) {
        auto *form = addForm<TaxData_T2125_New>(person, FormType::T2125);
        form->partnership.share = percentage;
        form->identification.partners.amountAt(0, StatementIdentification::PartnerShare) = share;
        form->identification.partners.textAt(0, StatementIdentification::PartnerName) =
            QString("Jo Ng");
        form->websiteCount = websites;
        form->employeeCount = employees;
        form->identification.industryCode = QString("5416");
        form->identification.periodStart.setDate(QDate(2025, 1, 1));
        form->identification.periodEnd.setDate(QDate(2025, 12, 31));
        form->identification.lastYear = 0;
        form->businessPostalCode = QString("k1a 0b1");
    });
    const Archive a = taxpayerArchive(family);
    QCOMPARE(a.blocks.size(), 1);
    const QByteArray &block = a.blocks[0];
    QTEST(itemOf(block, kSfdWidths, 14), "item14");
    QTEST(itemOf(block, kSfdWidths, 25), "item25");
    QTEST(itemOf(block, kSfdWidths, 18), "item18");
    QTEST(itemOf(block, kSfdWidths, 21), "item21");
    QCOMPARE(itemOf(block, kSfdWidths, 5), QByteArray("1"));
    QCOMPARE(itemOf(block, kSfdWidths, 6), QByteArray("541600"));
    QCOMPARE(itemOf(block, kSfdWidths, 10), QByteArray("K1A0B1"));
    QCOMPARE(itemOf(block, kSfdWidths, 11), QByteArray("20250101"));
    QCOMPARE(itemOf(block, kSfdWidths, 12), QByteArray("20251231"));
    QCOMPARE(itemOf(block, kSfdWidths, 16), QByteArray("2"));
    QCOMPARE(itemOf(block, kSfdWidths, 22), "Jo Ng" + blanks(25));
    QCOMPARE(itemOf(block, kSfdWidths, 24), zeros(8));
    QCOMPARE(itemOf(block, kSfdWidths, 29), zeros(6));
}

void TestBarcodeArchive::t2121WithoutAddress()
{
    FamilyTaxData family(0);
    makeFamily(family, [](IndividualTaxData &person, TaxData_T1New &) {
        auto *form = addForm<TaxData_T2121New>(person, FormType::T2121);
        form->businessName = QString("Cove Fishery");
        form->partnershipFlag = true;
        form->identification.industryCode = QString("114113");
    });
    const Archive a = taxpayerArchive(family);
    QCOMPARE(a.blocks.size(), 1);
    const QByteArray &block = a.blocks[0];
    QCOMPARE(block.left(6), QByteArray("030104"));
    QCOMPARE(itemOf(block, kSfdWidths, 5), QByteArray("1"));
    QCOMPARE(itemOf(block, kSfdWidths, 6), QByteArray("114113"));
    QCOMPARE(itemOf(block, kSfdWidths, 8), "Cove Fishery" + blanks(18));
    QCOMPARE(itemOf(block, kSfdWidths, 9), blanks(30));
    QCOMPARE(itemOf(block, kSfdWidths, 10), blanks(6));
    QCOMPARE(itemOf(block, kSfdWidths, 14), QByteArray("0000"));
}

void TestBarcodeArchive::formOfAnotherClassWritesNoFrame()
{
    // A statement entry whose object is not of its type's class is passed over: the count
    // written is the number of frames made, so a reader never takes the end marker for a
    // frame length.
    FamilyTaxData family(0);
    makeFamily(family, [](IndividualTaxData &person, TaxData_T1New &) {
        TaxDataEntryStru *entry = person.addForm(FormType::T776, 0, true, 0, false);
        delete entry->data;
        entry->data = new TaxData_T777New;
    });
    const QByteArray file = saveAndRead(family);
    const Archive a = readArchive(file, 0);
    QVERIFY(a.found);
    QCOMPARE(a.count, 0);
    QVERIFY(a.blocks.isEmpty());
    QCOMPARE(a.raw.right(4), int32(0));
}

void TestBarcodeArchive::roundTripOfCoupledReturn()
{
    FamilyTaxData family(0);
    makeFamily(family, [](IndividualTaxData &person, TaxData_T1New &t1) {
        t1.spouseSin = QString("130 692 544");
        addForm<TaxData_T2125_New>(person, FormType::T2125)->businessName = QString("Studio");
    });
    auto *spouseT1 = static_cast<TaxData_T1New *>(family.spouse()->getForm(FormType::T1, 0, false));
    spouseT1->maritalStatus = 0;
    spouseT1->spouseSin = QString(kSin);

    const QByteArray first = saveAndRead(family);
    const QByteArray second = saveAndRead(family);
    QVERIFY(!first.isEmpty());
    QCOMPARE(second, first);

    const Archive taxpayer = readArchive(first, 0);
    QVERIFY(taxpayer.found);
    QCOMPARE(taxpayer.count, 1);
    QCOMPARE(itemOf(taxpayer.t1, kT1Widths, 9), QByteArray("130692544"));
    // The next person record starts right after the taxpayer's second run.
    QCOMPARE(first.mid(taxpayer.end, 8), int32(66098) + int32(2025));
    const Archive spouse = readArchive(first, taxpayer.end);
    QVERIFY(spouse.found);
    QCOMPARE(itemOf(spouse.t1, kT1Widths, 4), QByteArray("130692544"));
    QCOMPARE(itemOf(spouse.t1, kT1Widths, 9), QByteArray(kSin));
    QCOMPARE(spouse.count, 0);

    auto *t1 = static_cast<TaxData_T1New *>(family.taxpayer()->getForm(FormType::T1, 0, false));
    QCOMPARE(QString(t1->spouseSin.value()), QString("130 692 544"));

    int result = -2;
    const QString path = m_dir.filePath(QString("return%1.r25").arg(m_saves));
    std::unique_ptr<FamilyTaxData> read = loadReturnFile(path, &result, kEdition);
    QCOMPARE(result, 0);
    QVERIFY(read);
    QVERIFY(read->taxpayer()->isEqual(*family.taxpayer()));
    QVERIFY(read->spouse()->isEqual(*family.spouse()));
    auto *readT1 = static_cast<TaxData_T1New *>(read->taxpayer()->getForm(FormType::T1, 0, false));
    QCOMPARE(QString(readT1->spouseSin.value()), QString("130 692 544"));

    // A saved file with archives for the loader's fuzzing.
    const QString seeds = qEnvironmentVariable("QV_WRITE_FUZZ_SEEDS");
    if (!seeds.isEmpty())
        QCOMPARE(saveReturnFile(family, seeds + "/archives.r25", kEdition), 0);
}

// The T1 value map's entry for one code ("101003100000"); every entry of that code.
QByteArrayList mapEntries(const QByteArray &t1Block, const QByteArray &code)
{
    QByteArray map = t1Block.mid(483);
    map.chop(4); // "-EOD"
    QByteArrayList found;
    for (const QByteArray &entry : map.split('-')) {
        if (entry.startsWith(code))
            found << entry;
    }
    return found;
}

void TestBarcodeArchive::reFiledReturnCarriesAmendedAmounts()
{
    // Filed with a T4 of 30,000, saved and read back, set for ReFile, the T4 amended.
    FamilyTaxData filed(0);
    makeFamily(filed);
    filed.Recalculate(0, nullptr);
    QVERIFY(!saveAndRead(filed).isEmpty());
    int result = -2;
    std::unique_ptr<FamilyTaxData> family =
        loadReturnFile(m_dir.filePath(QString("return%1.r25").arg(m_saves)), &result, kEdition);
    QCOMPARE(result, 0);
    QVERIFY(family);
    QCOMPARE(family->prepareReFile(), 0);
    IndividualTaxData *person = family->taxpayer();
    QList<TaxDataEntryStru *> t4s;
    person->collectSlipsOfType(1, t4s);
    QCOMPARE(t4s.size(), 1);
    auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(t4s[0]->data);
    QVERIFY(t4);
    QCOMPARE(double(t4->box14), 30000.0);
    t4->box14 = 31000;
    family->Recalculate(1, t4);
    auto *t1 = static_cast<TaxData_T1New *>(person->getForm(FormType::T1, 0, false));
    QCOMPARE(double(t1->f10100), 31000.0);
    QVERIFY(person->getForm(FormType::T1KSREFILE, 0, false));

    QString xml;
    family->generateReturnXml(xml, 2);
    QCOMPARE(xml.count("<t1:L10100>"), 1);
    QVERIFY2(xml.contains("<t1:L10100>31000.00</t1:L10100>"), qPrintable(xml));

    NetfileCodeMap codes;
    CString text;
    int counter = 0;
    NetfileGenObjParamStru param;
    param.outputKind = NetfileGenObjParamStru::OutputValueMap;
    param.output = &text;
    param.counter = &counter;
    param.codes = &codes;
    person->generateNetfileRecords(2, param);
    QCOMPARE(codes.value(10100), NetfileTaggedValue::cents(31000));

    const Archive archive = taxpayerArchive(*family);
    QVERIFY(archive.found);
    QCOMPARE(mapEntries(archive.t1, "10100"), QByteArrayList{"101003100000"});
}

void TestBarcodeArchive::t776GrossRentsAreTheYearsRents()
{
    FamilyTaxData family(0);
    TaxData_T776New *t776 = nullptr;
    makeFamily(family, [&t776](IndividualTaxData &person, TaxData_T1New &) {
        t776 = addForm<TaxData_T776New>(person, FormType::T776);
        t776->grossRents = 12000;
        t776->expenses = 3000.4;
    });
    QVERIFY(t776);
    // Calculated again, as every change does: the form then holds other rental income too.
    family.Recalculate(0, nullptr);
    family.Recalculate(0, nullptr);
    QCOMPARE(double(t776->grossRental), 12000.0);
    QCOMPARE(double(t776->netRental), 8999.6);
    QVERIFY(qAbs(double(t776->otherRental)) >= 0.01);

    QString xml;
    family.generateReturnXml(xml, 2);
    QVERIFY2(xml.contains("<sfd:SelectedFinancialData><t1:L12599>12000.00</t1:L12599>"
                          "<t1:L12600>8999.60</t1:L12600></sfd:SelectedFinancialData>"),
             qPrintable(xml));

    const Archive archive = taxpayerArchive(family);
    QVERIFY(archive.found);
    QCOMPARE(archive.count, 1);
    QVERIFY2(archive.blocks[0].endsWith("125991200000-12600899960-EOD"),
             archive.blocks[0].constData());
}

QV_TEST_MAIN(TestBarcodeArchive)
#include "tst_BarcodeArchive.moc"
