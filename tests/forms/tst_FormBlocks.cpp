// Form blocks through MyDataStream: every class round trip on a real file, old and unknown
// fields, exact bytes, and damaged blocks of forms, the reserved area and the dependants.
#include <QtTest>

#include "FormTestSupport.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FormFields.h"
#include "ordane/CReservedArea.h"
#include "ordane/MyDataStream.h"

#include <QBuffer>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cstring>
#include <limits>
#include <set>

namespace {
constexpr int kVersion = 66098;
const char *const kTag = "4093tax81726354";

// The test-only form: one field of each type.
class TestForm : public CTaxData_Form
{
public:
    TestForm() : CTaxData_Form(900) {}
    CIntField count{this, "count", -1};
    CFloatField amount{this, "amount"};
    CStringField label{this, "label"};
    CDateField when{this, "when", QDate(1980, 1, 1)};
    CBoolField flag{this, "flag"};
    CTableField rows{this, "rows", 3, {FieldType::Int, FieldType::Float, FieldType::String}};
};

// The same form as an older release wrote it: no date yet, a field since dropped, and
// a table with fewer columns but more rows.
class OldTestForm : public CTaxData_Form
{
public:
    OldTestForm() : CTaxData_Form(900) {}
    CIntField count{this, "count", -1};
    CTableField retired{this, "retired", 2, {FieldType::Date, FieldType::String}};
    CFloatField amount{this, "amount"};
    CStringField label{this, "label"};
    CBoolField flag{this, "flag"};
    CTableField rows{this, "rows", 4, {FieldType::Int, FieldType::Float}};
};

// TestForm's fields in the opposite order, "amount" under the name it had before a rename.
class ReversedOldForm : public CTaxData_Form
{
public:
    ReversedOldForm() : CTaxData_Form(900) {}
    CTableField rows{this, "rows", 3, {FieldType::Int, FieldType::Float, FieldType::String}};
    CBoolField flag{this, "flag"};
    CDateField when{this, "when"};
    CStringField label{this, "label"};
    CFloatField sum{this, "sum"};
    CIntField count{this, "count", -1};
};

// TestForm reading the old name of "amount".
class RenamingForm : public TestForm
{
public:
    RenamingForm() { addReadAlias("sum", "amount"); }
};

// A form whose "amount" is a whole number: a type clash with TestForm.
class ClashForm : public CTaxData_Form
{
public:
    ClashForm() : CTaxData_Form(900) {}
    CIntField amount{this, "amount"};
};

class TinyForm : public CTaxData_Form
{
public:
    TinyForm() : CTaxData_Form(901) {}
    CIntField a{this, "a"};
};

QByteArray blockOf(CTaxData_Form &form, int version = kVersion)
{
    QByteArray bytes;
    MyDataStream out(&bytes, QIODevice::WriteOnly);
    CString tag(kTag);
    form.Serialize(version, tag, out);
    return bytes;
}

QDataStream::Status readBlock(CTaxData_Form &form, const QByteArray &bytes, int version = kVersion)
{
    MyDataStream in(bytes);
    CString tag(kTag);
    form.Serialize(version, tag, in);
    return in.status();
}

// Writes the dependants block and reads it into back; true when the read took the whole
// block without damage.
bool dependantsRoundTrip(DependantInfoStruct &deps, DependantInfoStruct &back)
{
    QByteArray bytes;
    {
        MyDataStream out(&bytes, QIODevice::WriteOnly);
        deps.serilize(kVersion, out);
    }
    MyDataStream in(bytes);
    back.serilize(kVersion, in);
    return in.status() == QDataStream::Ok && in.atEnd();
}

void fillTestForm(TestForm &f)
{
    f.count = 7;
    f.amount = 12.34;
    f.label = QStringLiteral("Zoë");
    f.when = QDate(2025, 3, 4);
    f.flag = true;
    f.rows.intAt(2, 0) = 9;
    f.rows.amountAt(1, 1) = 0.5;
    f.rows.textAt(0, 2) = QStringLiteral("r0");
}
} // namespace

class TestFormBlocks : public QObject
{
    Q_OBJECT
private slots:
    void everyClassRoundTrip_data();
    void everyClassRoundTrip();
    void exactBytes();
    void olderBlockAndUnknownNames();
    void fieldsInAnotherOrderAndRenamed();
    void damagedFormBlocks_data();
    void damagedFormBlocks();
    void everyCutOfAFormBlock();
    void longTexts();
    void blockBytesAreTheBytesWritten_data();
    void blockBytesAreTheBytesWritten();
    void reservedArea();
    void damagedReservedArea_data();
    void damagedReservedArea();
    void dependants();
    void damagedDependants_data();
    void damagedDependants();
    void streamDirectionAndFormat();
    void inMemoryReadsMatchTheDevice_data();
    void inMemoryReadsMatchTheDevice();
    void inMemoryTransactionRollsBack();
    void utf8Within_data();
    void utf8Within();
    void textsBeyondTheReadersLimit();
    void textsReadWholeOnEveryRoad_data();
    void textsReadWholeOnEveryRoad();
    void valuesTheReaderRefusesAreNeverWritten_data();
    void valuesTheReaderRefusesAreNeverWritten();
    void dependantNameWithoutItsEnd();
};

void TestFormBlocks::everyClassRoundTrip_data()
{
    QTest::addColumn<int>("index");
    const auto makers = allMakers();
    for (size_t i = 0; i < makers.size(); ++i)
        QTest::newRow(makers[i].label.constData()) << int(i);
}

void TestFormBlocks::everyClassRoundTrip()
{
    QFETCH(int, index);
    const MadeObject maker = allMakers()[size_t(index)];
    std::unique_ptr<CTaxData_Form> written(maker.make());
    std::unique_ptr<CTaxData_Form> read(maker.make());
    std::unique_ptr<CTaxData_Form> fresh(maker.make());

    std::set<QByteArray> names;
    for (CField *f : written->fields())
        QVERIFY2(names.insert(f->name()).second, f->name().constData());
    // The loader's measure of a blank object is what the object writes.
    QCOMPARE(written->blockBytes(kVersion), qint64(blockOf(*written).size()));

    fillAll(*written);
    written->setDownloaded(true);
    QCOMPARE(written->blockBytes(kVersion), qint64(blockOf(*written).size()));
    if (!written->fields().empty())
        QVERIFY(written->isDifferentFrom(*fresh));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("block.bin"));
    {
        QSaveFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        MyDataStream out(&file);
        QVERIFY(out.IsStoring());
        CString tag(kTag);
        written->Serialize(kVersion, tag, out);
        out << qint32(-77); // whatever follows the block stays in step
        QVERIFY(file.commit());
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    MyDataStream in(&file);
    QVERIFY(in.IsLoading());
    CString tag(kTag);
    read->Serialize(kVersion, tag, in);
    qint32 after = 0;
    in >> after;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(after, -77);
    QVERIFY(in.atEnd());
    QVERIFY(!read->isDifferentFrom(*written));
    QVERIFY(read->isDownloaded());
    QVERIFY(fresh->isDifferentFrom(*read));

    // Copying gives the same values without a file.
    fresh->copyValuesFrom(*written);
    QVERIFY(!fresh->isDifferentFrom(*written));
}

void TestFormBlocks::exactBytes()
{
    TinyForm f;
    f.a = 5;
    f.setDownloaded(true);
    const QByteArray expected = QByteArray::fromHex("51564642" // marker
                                                    "00000001" // flags: downloaded
                                                    "00000001" // one field
                                                    "01"
                                                    "61" // name "a"
                                                    "01" // an int
                                                    "00000005");
    QCOMPARE(blockOf(f).toHex(), expected.toHex());
}

void TestFormBlocks::olderBlockAndUnknownNames()
{
    OldTestForm old;
    old.count = 3;
    old.amount = 99.5;
    old.label = QStringLiteral("old");
    old.flag = true;
    old.retired.textAt(1, 1) = QStringLiteral("gone");
    old.rows.intAt(0, 0) = 11;
    old.rows.amountAt(3, 1) = 8.25; // a row this release does not have

    TestForm now;
    fillTestForm(now);
    QCOMPARE(readBlock(now, blockOf(old)), QDataStream::Ok);
    QCOMPARE(now.count.value(), 3);
    QCOMPARE(now.amount.value(), 99.5);
    QCOMPARE(now.label.value(), CString("old"));
    QVERIFY(now.flag.value());
    QCOMPARE(now.rows.intAt(0, 0).value(), 11);
    // Cells the old block had no column for keep what they held.
    QCOMPARE(now.rows.textAt(0, 2).value(), CString("r0"));
    // A field the old block did not have keeps its value; a fresh object has its default.
    QCOMPARE(now.when.date(), QDate(2025, 3, 4));
    TestForm fresh;
    QCOMPARE(readBlock(fresh, blockOf(old)), QDataStream::Ok);
    QCOMPARE(fresh.when.date(), QDate(1980, 1, 1));
    QVERIFY(fresh.findField("retired") == nullptr);

    // The other way: fields the old release does not know are skipped.
    OldTestForm back;
    QCOMPARE(readBlock(back, blockOf(now)), QDataStream::Ok);
    QCOMPARE(back.amount.value(), 99.5);
    QCOMPARE(back.rows.intAt(0, 0).value(), 11);
}

void TestFormBlocks::fieldsInAnotherOrderAndRenamed()
{
    ReversedOldForm old;
    old.count = 4;
    old.sum = 12.5;
    old.label = QStringLiteral("reversed");
    old.when = QDate(2024, 12, 31);
    old.flag = true;
    old.rows.amountAt(2, 1) = 3.75;
    RenamingForm now;
    QCOMPARE(readBlock(now, blockOf(old)), QDataStream::Ok);
    QCOMPARE(now.count.value(), 4);
    QCOMPARE(now.amount.value(), 12.5);
    QCOMPARE(now.label.value(), CString("reversed"));
    QCOMPARE(now.when.date(), QDate(2024, 12, 31));
    QVERIFY(now.flag.value());
    QCOMPARE(now.rows.amountAt(2, 1).value(), 3.75);
    QVERIFY(now.findField("sum") == nullptr);
    QCOMPARE(now.findField("amount"), static_cast<CField *>(&now.amount));
}

void TestFormBlocks::damagedFormBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    const int corrupt = QDataStream::ReadCorruptData;
    QTest::newRow("empty") << QByteArray() << int(QDataStream::ReadPastEnd);
    QTest::newRow("wrong marker") << QByteArray::fromHex("5156464300000000"
                                                         "00000000")
                                  << corrupt;
    QTest::newRow("absurd count") << QByteArray::fromHex("5156464200000000"
                                                         "7fffffff")
                                  << corrupt;
    QTest::newRow("negative count") << QByteArray::fromHex("5156464200000000"
                                                           "ffffffff")
                                    << corrupt;
    QTest::newRow("unknown type") << QByteArray::fromHex("5156464200000000"
                                                         "00000001"
                                                         "0161"
                                                         "09"
                                                         "00000005")
                                  << corrupt;
    QTest::newRow("empty name") << QByteArray::fromHex("5156464200000000"
                                                       "00000001"
                                                       "00"
                                                       "01"
                                                       "00000005")
                                << corrupt;
    QTest::newRow("bool of 2") << QByteArray::fromHex("5156464200000000"
                                                      "00000001"
                                                      "0466"
                                                      "6c6167"
                                                      "05"
                                                      "02")
                               << corrupt;
    QTest::newRow("absurd text") << QByteArray::fromHex("5156464200000000"
                                                        "00000001"
                                                        "056c6162656c"
                                                        "03"
                                                        "7ffffff0")
                                 << corrupt;
    QTest::newRow("absurd table rows") << QByteArray::fromHex("5156464200000000"
                                                              "00000001"
                                                              "04726f7773"
                                                              "06"
                                                              "7fffffff"
                                                              "00000001"
                                                              "01")
                                       << corrupt;
    QTest::newRow("table rows times columns beyond the data")
        << QByteArray::fromHex("5156464200000000"
                               "00000001"
                               "04726f7773"
                               "06"
                               "00002710"
                               "00000001"
                               "01")
        << corrupt;
    QTest::newRow("table column type clash") << QByteArray::fromHex("5156464200000000"
                                                                    "00000001"
                                                                    "04726f7773"
                                                                    "06"
                                                                    "00000001"
                                                                    "00000001"
                                                                    "03")
                                             << corrupt;
    QTest::newRow("bad date") << QByteArray::fromHex("5156464200000000"
                                                     "00000001"
                                                     "047768656e"
                                                     "04"
                                                     "7fffffffffffffff"
                                                     "ffffffff")
                              << corrupt;
}

void TestFormBlocks::damagedFormBlocks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    TestForm f;
    QCOMPARE(int(readBlock(f, bytes)), status);
}

void TestFormBlocks::everyCutOfAFormBlock()
{
    TestForm full;
    fillTestForm(full);
    const QByteArray bytes = blockOf(full);
    for (int n = 0; n < bytes.size(); ++n) {
        TestForm f;
        QVERIFY2(readBlock(f, bytes.left(n)) != QDataStream::Ok, qPrintable(QString::number(n)));
    }
    // A known name with another type is damage, not a conversion.
    ClashForm clash;
    clash.amount = 4;
    TestForm f;
    QCOMPARE(readBlock(f, blockOf(clash)), QDataStream::ReadCorruptData);
    QCOMPARE(f.amount.value(), 0.0);
}

void TestFormBlocks::longTexts()
{
    const int oldFrom = CStringField::largeSizeFromVersion();
    const int oldThreshold = CStringField::largeSizeThreshold();
    CStringField::setLargeSizeSerializeOption(65942, 512);
    const QString text(600, QLatin1Char('x'));

    TestForm f;
    f.label = text;
    TestForm back;
    QCOMPARE(readBlock(back, blockOf(f)), QDataStream::Ok);
    QCOMPARE(back.label.value().size(), 600);
    // A record of an older version has no long texts: written cut, and a long one is damage.
    TestForm oldBack;
    QCOMPARE(readBlock(oldBack, blockOf(f, 65941), 65941), QDataStream::Ok);
    QCOMPARE(oldBack.label.value(), CString(text.left(512)));
    TestForm refused;
    QCOMPARE(readBlock(refused, blockOf(f), 65941), QDataStream::ReadCorruptData);

    CStringField::setLargeSizeSerializeOption(oldFrom, oldThreshold);
}

void TestFormBlocks::blockBytesAreTheBytesWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("version");
    const QString accented = QStringLiteral("Zo\u00e9 \u00c9lise ");
    const QString beyondPlane = QString::fromUcs4(U"\U0001F341 maple");
    QTest::newRow("empty") << QString() << kVersion;
    QTest::newRow("ascii") << QStringLiteral("Tremblay") << kVersion;
    QTest::newRow("accented") << accented << kVersion;
    QTest::newRow("outside the basic plane") << beyondPlane << kVersion;
    QTest::newRow("long ascii") << QString(600, QLatin1Char('x')) << kVersion;
    QTest::newRow("long ascii, cut for an older record") << QString(600, QLatin1Char('x')) << 65941;
    QTest::newRow("long accented, cut for an older record") << accented.repeated(60) << 65941;
}

// What the loader adds up for a block, without writing it, is what the block takes.
void TestFormBlocks::blockBytesAreTheBytesWritten()
{
    QFETCH(QString, text);
    QFETCH(int, version);
    const int oldFrom = CStringField::largeSizeFromVersion();
    const int oldThreshold = CStringField::largeSizeThreshold();
    CStringField::setLargeSizeSerializeOption(65942, 512);

    TestForm f;
    QCOMPARE(f.blockBytes(version), qint64(blockOf(f, version).size()));
    fillTestForm(f);
    f.label = text;
    f.rows.textAt(2, 2) = text;
    const qint64 measured = f.blockBytes(version);
    const qint64 written = blockOf(f, version).size();

    CStringField::setLargeSizeSerializeOption(oldFrom, oldThreshold);
    QCOMPARE(measured, written);
}

void TestFormBlocks::reservedArea()
{
    CReservedArea area;
    area.setString(1, CString("secret"));
    area.setString(2, CString(kTag));
    area.setString(300, CString("ignored"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("area.bin"));
    {
        QSaveFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        MyDataStream out(&file);
        area.writeToArchive(out);
        QVERIFY(file.commit());
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    MyDataStream in(bytes);
    CReservedArea back;
    back.setString(7, CString("stale"));
    QVERIFY(back.readFromArchive(in));
    QVERIFY(back == area);
    QCOMPARE(back.getString(1), CString("secret"));
    QCOMPARE(back.getString(2), CString(kTag));
    QVERIFY(back.getString(7).isEmpty());
    QVERIFY(back.getString(300).isEmpty());

    for (int n = 0; n < bytes.size(); ++n) {
        MyDataStream cut(bytes.left(n));
        CReservedArea part;
        QVERIFY(!part.readFromArchive(cut));
        QVERIFY(cut.status() != QDataStream::Ok);
    }
}

void TestFormBlocks::damagedReservedArea_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("absurd count") << QByteArray::fromHex("7fffffff");
    QTest::newRow("negative count") << QByteArray::fromHex("80000000");
    QTest::newRow("absurd text") << QByteArray::fromHex("00000001"
                                                        "00000001"
                                                        "7fffffff");
    QTest::newRow("number out of range") << QByteArray::fromHex("00000001"
                                                                "00001000"
                                                                "00000000");
    QTest::newRow("number twice") << QByteArray::fromHex("00000002"
                                                         "00000001"
                                                         "00000000"
                                                         "00000001"
                                                         "00000000");
}

void TestFormBlocks::damagedReservedArea()
{
    QFETCH(QByteArray, bytes);
    MyDataStream in(bytes);
    CReservedArea area;
    QVERIFY(!area.readFromArchive(in));
    QCOMPARE(in.status(), QDataStream::ReadCorruptData);
}

void TestFormBlocks::dependants()
{
    DependantInfoStruct deps;
    deps.AllocData(12);
    QCOMPARE(deps.m_count, 12);
    DependantRecord &r = deps.record(3);
    DependantRecord::setName(r.firstName, QString(100, QLatin1Char('a')));
    DependantRecord::setName(r.lastName, QString(40, QChar(0x00e9))); // two bytes each
    r.birthDate = QDate(2015, 6, 30);
    r.relationship = 2;
    r.netIncome = 1500.25;
    r.infirm = 1;
    r.sin = CString("123456789");
    r.relationText = CString("Daughter");
    r.otherAmount = 42;
    QCOMPARE(DependantRecord::nameText(r.firstName), QString(79, QLatin1Char('a')));
    // 79 bytes would split a character: 39 whole characters remain.
    QCOMPARE(DependantRecord::nameText(r.lastName), QString(39, QChar(0x00e9)));

    QByteArray bytes;
    {
        MyDataStream out(&bytes, QIODevice::WriteOnly);
        deps.serilize(kVersion, out);
    }
    MyDataStream in(bytes);
    DependantInfoStruct back;
    back.serilize(kVersion, in);
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(back == deps);
    QCOMPARE(back.m_count, 12);
    DependantInfoStruct copy;
    copy = back;
    QVERIFY(copy == deps);
    copy.record(0).infirm = 1;
    QVERIFY(copy != deps);

    for (int n = 0; n < bytes.size(); n += 7) {
        MyDataStream cut(bytes.left(n));
        DependantInfoStruct part;
        part.serilize(kVersion, cut);
        QVERIFY(cut.status() != QDataStream::Ok);
        QVERIFY(part.m_count < 12);
        QCOMPARE(part.m_count, part.count());
    }
    deps.FreeData();
    QCOMPARE(deps.m_count, 0);
}

void TestFormBlocks::damagedDependants_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("absurd count") << QByteArray::fromHex("7fffffff");
    QTest::newRow("count beyond the data")
        << QByteArray::fromHex("00000010") + QByteArray(200, '\0');
    QByteArray noNul =
        QByteArray::fromHex("00000001") + QByteArray(80, 'x') + QByteArray(400, '\0');
    QTest::newRow("name without its end") << noNul;
}

void TestFormBlocks::damagedDependants()
{
    QFETCH(QByteArray, bytes);
    MyDataStream in(bytes);
    DependantInfoStruct deps;
    deps.serilize(kVersion, in);
    QCOMPARE(in.status(), QDataStream::ReadCorruptData);
    QCOMPARE(deps.m_count, 0);
}

namespace {
// One value of each type the in-memory reader takes itself, with base-class reads (quint16,
// a QString) between them, read the same way from any stream; each step notes the value, the
// status and the position.
QStringList readMixedValues(QDataStream &in, MyDataStream *mine)
{
    QStringList steps;
    const auto note = [&](const QString &value) {
        steps << QStringLiteral("%1 s%2 @%3")
                     .arg(value)
                     .arg(int(in.status()))
                     .arg(in.device()->pos());
    };
    // MyDataStream's own operators where it has them, QDataStream's otherwise.
    const auto read = [&](auto &v) {
        if (mine)
            *mine >> v;
        else
            in >> v;
    };
    qint8 a = 7;
    quint8 b = 7;
    qint32 c = 7;
    quint32 d = 7;
    qint64 e = 7;
    double f = 7;
    quint16 g = 7;
    QString h = QStringLiteral("x");
    read(a);
    note(QString::number(a));
    read(b);
    note(QString::number(b));
    read(c);
    note(QString::number(c));
    in >> g;
    note(QString::number(g));
    read(d);
    note(QString::number(d));
    in >> h;
    note(h);
    read(e);
    note(QString::number(e));
    read(f);
    note(QString::number(f, 'g', 17));
    in.setFloatingPointPrecision(QDataStream::SinglePrecision);
    read(f);
    note(QString::number(f, 'g', 17));
    in.setFloatingPointPrecision(QDataStream::DoublePrecision);
    char raw[3] = {};
    const int got = mine ? mine->Read(raw, 3) : in.readRawData(raw, 3);
    note(QString::number(got) + QByteArray(raw, qMax(got, 0)).toHex());
    // Reads go on after a failure, as QDataStream's do.
    read(c);
    note(QString::number(c));
    return steps;
}
} // namespace

void TestFormBlocks::inMemoryReadsMatchTheDevice_data()
{
    QTest::addColumn<int>("cut");
    // Every cut of the values below: each read whole, cut inside, or past the end.
    for (int cut = 0; cut <= 47; ++cut)
        QTest::newRow(qPrintable(QStringLiteral("cut %1").arg(cut))) << cut;
}

void TestFormBlocks::inMemoryReadsMatchTheDevice()
{
    QFETCH(int, cut);
    QByteArray whole;
    {
        MyDataStream out(&whole, QIODevice::WriteOnly);
        out << qint8(-5) << quint8(250) << qint32(-123456789) << quint16(0xBEEF)
            << quint32(0xFEDCBA98) << QStringLiteral("ab") << qint64(-1234567890123LL) << -2.75;
        out.setFloatingPointPrecision(QDataStream::SinglePrecision);
        out << 0.5;
        out.writeRawData("\x01\x02\x03", 3);
        out << qint32(42);
    }
    QCOMPARE(whole.size(), 47);
    const QByteArray bytes = whole.left(cut);

    QBuffer buffer;
    buffer.setData(bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QDataStream reference(&buffer);
    reference.setByteOrder(QDataStream::BigEndian);
    reference.setVersion(QDataStream::Qt_5_15);
    const QStringList expected = readMixedValues(reference, nullptr);

    MyDataStream in(bytes);
    QCOMPARE(readMixedValues(in, &in), expected);
    QCOMPARE(in.atEnd(), reference.atEnd());
}

void TestFormBlocks::inMemoryTransactionRollsBack()
{
    QByteArray bytes;
    {
        MyDataStream out(&bytes, QIODevice::WriteOnly);
        out << qint32(1) << qint32(2) << quint8(3);
    }
    MyDataStream in(bytes);
    qint32 first = 0;
    qint32 second = 0;
    qint32 third = 0;
    in >> first;
    in.startTransaction();
    in >> second >> third; // the third runs past the end: the transaction goes back
    QCOMPARE(second, 2);
    QCOMPARE(third, 0);
    QVERIFY(!in.commitTransaction());
    in.resetStatus();
    second = 0;
    quint8 last = 0;
    in >> second >> last;
    QCOMPARE(first, 1);
    QCOMPARE(second, 2);
    QCOMPARE(int(last), 3);
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
}

void TestFormBlocks::streamDirectionAndFormat()
{
    QByteArray bytes;
    QBuffer writeOnly(&bytes);
    QVERIFY(writeOnly.open(QIODevice::WriteOnly));
    QBuffer readOnly(&bytes);
    QVERIFY(readOnly.open(QIODevice::ReadOnly));
    QByteArray scratch;
    MyDataStream onWriteDevice(&writeOnly);
    MyDataStream onReadDevice(&readOnly);
    MyDataStream intoBytes(&scratch, QIODevice::WriteOnly);
    MyDataStream fromBytes(&scratch, QIODevice::ReadOnly);
    MyDataStream fromConstBytes(QByteArray("x"));
    QByteArray held("held");
    QBuffer sink(&held);
    QVERIFY(sink.open(QIODevice::WriteOnly | QIODevice::Append));
    MyDataStream buffered(&sink, 64);
    const struct
    {
        MyDataStream *stream;
        bool storing;
    } cases[] = {{&onWriteDevice, true}, {&onReadDevice, false},   {&intoBytes, true},
                 {&fromBytes, false},    {&fromConstBytes, false}, {&buffered, true}};
    for (const auto &c : cases) {
        QCOMPARE(c.stream->IsStoring(), c.storing);
        QCOMPARE(c.stream->IsLoading(), !c.storing);
        QCOMPARE(c.stream->version(), int(QDataStream::Qt_5_15));
        QCOMPARE(c.stream->byteOrder(), QDataStream::BigEndian);
    }

    // Most significant byte first, doubles as eight bytes.
    onWriteDevice << qint32(0x01020304) << 1.5;
    QCOMPARE(bytes.toHex(), QByteArray("01020304"
                                       "3ff8000000000000"));
    char buffer[8] = {};
    QCOMPARE(onReadDevice.Read(buffer, 4), 4);
    QCOMPARE(QByteArray(buffer, 4).toHex(), QByteArray("01020304"));
    QCOMPARE(onReadDevice.Read(buffer, 8), 8);
    QCOMPARE(onReadDevice.status(), QDataStream::Ok);
    QCOMPARE(onReadDevice.Read(buffer, 1), 0);
    QCOMPARE(onReadDevice.status(), QDataStream::ReadPastEnd);

    // The stream storing through its buffer writes the same bytes after what the device held.
    buffered << qint32(0x01020304) << 1.5;
    buffered.writeText(QStringLiteral("é"));
    QVERIFY(buffered.finish());
    QCOMPARE(buffered.status(), QDataStream::Ok);
    QCOMPARE(held.toHex(), QByteArray("68656c64"
                                      "01020304"
                                      "3ff8000000000000"
                                      "00000002c3a9"));
}

void TestFormBlocks::utf8Within_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("expected");
    const QString e(QChar(0x00e9));                        // two bytes
    const QString euro(QChar(0x20ac));                     // three bytes
    const QString clef = QString::fromUcs4(U"\U0001D11E"); // four bytes
    QTest::newRow("fits") << QStringLiteral("abc") << 3 << QStringLiteral("abc");
    QTest::newRow("ascii cut") << QStringLiteral("abcd") << 2 << QStringLiteral("ab");
    QTest::newRow("two-byte whole") << QString("a" + e) << 3 << QString("a" + e);
    QTest::newRow("two-byte split") << QString("a" + e) << 2 << QStringLiteral("a");
    QTest::newRow("three-byte split") << QString(euro + euro) << 5 << euro;
    QTest::newRow("four-byte split") << QString("x" + clef) << 4 << QStringLiteral("x");
    QTest::newRow("nothing fits") << euro << 2 << QString();
    QTest::newRow("empty") << QString() << 0 << QString();
}

void TestFormBlocks::utf8Within()
{
    QFETCH(QString, text);
    QFETCH(int, maxBytes);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromUtf8(MyDataStream::utf8Within(text, quint32(maxBytes))), expected);
}

// A text beyond what a block's reader accepts is written cut, so the block still reads.
void TestFormBlocks::textsBeyondTheReadersLimit()
{
    const QString huge(int(CReservedArea::kMaxTextBytes) + 10, QLatin1Char('p'));
    CReservedArea area;
    area.setString(1, CString(huge));
    QByteArray bytes;
    {
        MyDataStream out(&bytes, QIODevice::WriteOnly);
        area.writeToArchive(out);
    }
    MyDataStream in(bytes);
    CReservedArea back;
    QVERIFY(back.readFromArchive(in));
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(back.getString(1), CString(huge.left(int(CReservedArea::kMaxTextBytes))));

    DependantInfoStruct deps;
    deps.AllocData(12);
    deps.record(5).relationText = CString(QString(5000, QLatin1Char('r')));
    deps.record(5).otherAmount = 7.5;
    // A count set by hand does not reach the block: the records decide it.
    deps.m_count = 13;
    DependantInfoStruct depBack;
    QVERIFY(dependantsRoundTrip(deps, depBack));
    QCOMPARE(depBack.m_count, 12);
    QCOMPARE(depBack.record(5).relationText.size(), 4096);
    QCOMPARE(depBack.record(5).otherAmount, 7.5);
    QCOMPARE(deps.m_count, 12);
}

void TestFormBlocks::textsReadWholeOnEveryRoad_data()
{
    QTest::addColumn<QString>("text");
    const QChar nul(0);
    QTest::newRow("plain") << QStringLiteral("Jane Roe");
    QTest::newRow("empty") << QString();
    QTest::newRow("NUL inside") << QString("ab" + QString(nul) + "cd");
    QTest::newRow("NUL first") << QString(QString(nul) + "x");
    QTest::newRow("NUL last, accented") << QString(QString::fromUtf8("\xc3\xa9t\xc3\xa9") + nul);
}

// A text reads back as written whether the stream reads in place, through a device, or
// through its device after a transaction began.
void TestFormBlocks::textsReadWholeOnEveryRoad()
{
    QFETCH(QString, text);
    QByteArray bytes;
    {
        MyDataStream out(&bytes, QIODevice::WriteOnly);
        out.writeText(text);
        out << qint32(77);
    }
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    MyDataStream inMemory(bytes);
    MyDataStream onDevice(&buffer);
    MyDataStream inTransaction(bytes);
    inTransaction.startTransaction();
    for (MyDataStream *in : {&inMemory, &onDevice, &inTransaction}) {
        QString back = QStringLiteral("unset");
        qint32 after = 0;
        QVERIFY(in->readText(back, MyDataStream::kMaxTextBytes));
        *in >> after;
        QCOMPARE(back, text);
        QCOMPARE(after, 77);
        QCOMPARE(in->status(), QDataStream::Ok);
    }
}

void TestFormBlocks::valuesTheReaderRefusesAreNeverWritten_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("stored");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0.0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 0.0;
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << 0.0;
    QTest::newRow("largest") << std::numeric_limits<double>::max()
                             << std::numeric_limits<double>::max();
    QTest::newRow("minus zero") << -0.0 << -0.0;
}

void TestFormBlocks::valuesTheReaderRefusesAreNeverWritten()
{
    QFETCH(double, value);
    QFETCH(double, stored);
    TestForm f;
    f.amount = value;
    f.rows.amountAt(2, 1) = value;
    f.label = QStringLiteral("after");
    TestForm back;
    QCOMPARE(readBlock(back, blockOf(f)), QDataStream::Ok);
    QCOMPARE(back.amount.value(), stored);
    QCOMPARE(back.rows.amountAt(2, 1).value(), stored);
    QCOMPARE(back.label.value(), CString("after"));
}

void TestFormBlocks::dependantNameWithoutItsEnd()
{
    DependantInfoStruct deps;
    deps.AllocData(12);
    std::memset(deps.record(0).firstName, 'x', DependantRecord::kNameBytes);
    deps.record(0).infirm = 3;
    DependantInfoStruct back;
    QVERIFY(dependantsRoundTrip(deps, back));
    QCOMPARE(DependantRecord::nameText(back.record(0).firstName), QString(79, QLatin1Char('x')));
    QCOMPARE(back.record(0).infirm, 3);
}

QTEST_APPLESS_MAIN(TestFormBlocks)
#include "tst_FormBlocks.moc"
