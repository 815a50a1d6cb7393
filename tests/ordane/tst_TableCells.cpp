// Table cells: a cell never used writes, reads, compares and copies as a cell set to the value it
// was built with, through real files.
#include <QtTest>

#include "ordane/CBoolField.h"
#include "ordane/CDateField.h"
#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/CStringField.h"
#include "ordane/CTableField.h"
#include "ordane/FieldOwner.h"
#include "ordane/MyDataStream.h"

#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int kVersion = 1;

struct Owner : FieldOwner
{
    CTableField rows{
        this,
        "rows",
        3,
        {FieldType::Int, FieldType::Float, FieldType::String, FieldType::Date, FieldType::Bool}};
};

// Every cell given its built value again, so that each is built.
void touchEveryCell(CTableField &table)
{
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c)
            table.cell(r, c).reset();
    }
}

// Values unlike the built ones in every cell.
void fillEveryCell(CTableField &table)
{
    for (int r = 0; r < table.rowCount(); ++r) {
        table.intAt(r, 0) = 7 + r;
        table.amountAt(r, 1) = 1.5 + r;
        table.textAt(r, 2) = QStringLiteral("old");
        table.dateAt(r, 3) = QDate(2020, 1, 1 + r);
        table.flagAt(r, 4) = true;
    }
}

// The table's block as writeValue writes it to a real file, read back whole; with bufferBytes
// above 0 through a stream that gathers that many bytes at a time.
QByteArray writtenBlock(const CTableField &table, const QString &path, int bufferBytes = 0)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QByteArray();
    {
        std::unique_ptr<MyDataStream> out = bufferBytes > 0
                                                ? std::make_unique<MyDataStream>(&file, bufferBytes)
                                                : std::make_unique<MyDataStream>(&file);
        table.writeValue(*out, kVersion);
        if (!out->finish())
            return QByteArray();
    }
    file.close();
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Reads the file's block into the table, in memory or through the file itself.
bool readBlock(CTableField &table, const QString &path, bool inMemory)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (inMemory) {
        MyDataStream in(file.readAll());
        return table.readValue(in, kVersion) && in.atEnd();
    }
    MyDataStream in(&file);
    return table.readValue(in, kVersion) && in.atEnd();
}

} // namespace

class TestTableCells : public QObject
{
    Q_OBJECT
private slots:
    void unusedCellsWriteBuiltValues_data();
    void unusedCellsWriteBuiltValues();
    void valuesReadBack_data();
    void valuesReadBack();
    void unusedCellsCompareAndCopy();

private:
    QTemporaryDir m_dir;
};

void TestTableCells::unusedCellsWriteBuiltValues_data()
{
    QTest::addColumn<bool>("touched");
    QTest::addColumn<int>("bufferBytes");
    QTest::newRow("never used") << false << 0;
    QTest::newRow("each built") << true << 0;
    // A buffer smaller than the block: cells land on both sides of its sends.
    QTest::newRow("never used, buffered") << false << 10;
    QTest::newRow("each built, buffered") << true << 10;
}

void TestTableCells::unusedCellsWriteBuiltValues()
{
    QFETCH(bool, touched);
    QFETCH(int, bufferBytes);
    Owner owner;
    if (touched)
        touchEveryCell(owner.rows);
    // 3 rows, 5 columns and their types, then each row: int 0, amount 0.0, an empty text, no
    // date (day 0, time -1) and false.
    const QByteArray row = QByteArray::fromHex("00000000"
                                               "0000000000000000"
                                               "00000000"
                                               "0000000000000000ffffffff"
                                               "00");
    const QByteArray expected = QByteArray::fromHex("00000003000000050102030405") + row + row + row;
    const QByteArray written = writtenBlock(owner.rows, m_dir.filePath("built.bin"), bufferBytes);
    QCOMPARE(written.toHex(), expected.toHex());
    QCOMPARE(owner.rows.writtenBytes(kVersion), qint64(expected.size()));
}

void TestTableCells::valuesReadBack_data()
{
    QTest::addColumn<bool>("inMemory");
    QTest::addColumn<bool>("filledBefore");
    QTest::newRow("in memory, fresh table") << true << false;
    QTest::newRow("in memory, every cell set before") << true << true;
    QTest::newRow("through the file, fresh table") << false << false;
    QTest::newRow("through the file, every cell set before") << false << true;
}

void TestTableCells::valuesReadBack()
{
    QFETCH(bool, inMemory);
    QFETCH(bool, filledBefore);
    Owner source;
    // Row 0 left as built, row 1 set in part, row 2 set in every column; -0.0 is no 0.0.
    source.rows.amountAt(1, 1) = -0.0;
    source.rows.textAt(1, 2) = QStringLiteral("Zoé");
    source.rows.intAt(2, 0) = -4;
    source.rows.amountAt(2, 1) = 1234.56;
    source.rows.textAt(2, 2) = QStringLiteral("x");
    source.rows.dateAt(2, 3) = QDate(2025, 6, 30);
    source.rows.flagAt(2, 4) = true;
    const QString path = m_dir.filePath("values.bin");
    const QByteArray written = writtenBlock(source.rows, path);
    QCOMPARE(written.size(), int(source.rows.writtenBytes(kVersion)));

    Owner target;
    if (filledBefore)
        fillEveryCell(target.rows);
    QVERIFY(readBlock(target.rows, path, inMemory));
    QVERIFY(target.rows.equals(source.rows));
    QVERIFY(source.rows.equals(target.rows));
    for (int r = 0; r < 2; ++r) {
        QCOMPARE(int(target.rows.intAt(r, 0)), 0);
        QVERIFY(!target.rows.dateAt(r, 3).IsValid());
        QVERIFY(!target.rows.dateAt(r, 3).time().isValid());
        QCOMPARE(bool(target.rows.flagAt(r, 4)), false);
    }
    QCOMPARE(double(target.rows.amountAt(0, 1)), 0.0);
    QVERIFY(!std::signbit(double(target.rows.amountAt(0, 1))));
    QCOMPARE(QString(target.rows.textAt(0, 2).value()), QString(""));
    QVERIFY(!target.rows.textAt(0, 2).value().isNull());
    QVERIFY(std::signbit(double(target.rows.amountAt(1, 1))));
    QCOMPARE(QString(target.rows.textAt(1, 2).value()), QStringLiteral("Zoé"));
    QCOMPARE(int(target.rows.intAt(2, 0)), -4);
    QCOMPARE(double(target.rows.amountAt(2, 1)), 1234.56);
    QCOMPARE(QString(target.rows.textAt(2, 2).value()), QStringLiteral("x"));
    QCOMPARE(target.rows.dateAt(2, 3).date(), QDate(2025, 6, 30));
    QCOMPARE(bool(target.rows.flagAt(2, 4)), true);
    // Written again, the same bytes.
    QCOMPARE(writtenBlock(target.rows, m_dir.filePath("again.bin")).toHex(), written.toHex());
}

void TestTableCells::unusedCellsCompareAndCopy()
{
    Owner unused;
    Owner touched;
    touchEveryCell(touched.rows);
    QVERIFY(unused.rows.equals(touched.rows));
    QVERIFY(touched.rows.equals(unused.rows));

    Owner set;
    set.rows.amountAt(1, 1) = 2.5;
    QVERIFY(!unused.rows.equals(set.rows));
    QVERIFY(!set.rows.equals(unused.rows));
    QVERIFY(!touched.rows.equals(set.rows));

    // A copy takes the set values, and a copy from unused cells gives back the built ones.
    Owner copy;
    copy.rows.copyFrom(set.rows);
    QCOMPARE(double(copy.rows.amountAt(1, 1)), 2.5);
    QVERIFY(copy.rows.equals(set.rows));
    Owner filled;
    fillEveryCell(filled.rows);
    filled.rows.copyFrom(unused.rows);
    QVERIFY(filled.rows.equals(unused.rows));
    QCOMPARE(int(filled.rows.intAt(2, 0)), 0);
    QCOMPARE(QString(filled.rows.textAt(2, 2).value()), QString(""));
    QVERIFY(!filled.rows.dateAt(2, 3).IsValid());

    fillEveryCell(filled.rows);
    filled.rows.reset();
    QVERIFY(filled.rows.equals(unused.rows));
}

QTEST_GUILESS_MAIN(TestTableCells)
#include "tst_TableCells.moc"
