// CTableField: a fixed number of rows of typed columns (dependant rows, expense rows ...).
#pragma once

#include "ordane/CField.h"

#include <initializer_list>
#include <memory>
#include <vector>

class CIntField;
class CFloatField;
class CStringField;
class CDateField;
class CBoolField;

class CTableField : public CField
{
public:
    // Columns may be Int, Float, String, Date or Bool.
    CTableField(FieldOwner *owner, const char *name, int rows,
                std::initializer_list<FieldType> columns);
    ~CTableField() override;

    int rowCount() const { return m_rows; }
    int columnCount() const { return int(m_columns.size()); }
    FieldType columnType(int column) const { return m_columns[size_t(column)]; }

    // A cell of the column's type; asking for another type is a programming error.
    CField &cell(int row, int column) { return *m_cells[cellIndex(row, column)]; }
    const CField &cell(int row, int column) const { return *m_cells[cellIndex(row, column)]; }
    CIntField &intAt(int row, int column);
    CFloatField &amountAt(int row, int column);
    CStringField &textAt(int row, int column);
    CDateField &dateAt(int row, int column);
    CBoolField &flagAt(int row, int column);

    FieldType type() const override { return FieldType::Table; }
    void reset() override;
    void copyFrom(const CField &other) override;
    bool equals(const CField &other) const override;
    // Rows, columns, the column types, then the cells row by row. Reading keeps the cells
    // both sides know; extra rows or columns of a block are read and dropped.
    void writeValue(MyDataStream &out, int version) const override;
    qint64 writtenBytes(int version) const override;
    bool readValue(MyDataStream &in, int version) override;
    QString toText() const override;

    static constexpr int kMaxRows = 10000;
    static constexpr int kMaxColumns = 256;

private:
    size_t cellIndex(int row, int column) const
    {
        Q_ASSERT(row >= 0 && row < m_rows && column >= 0 && column < columnCount());
        return size_t(row) * m_columns.size() + size_t(column);
    }
    // Reads the cells of a block of rows x types.size() cells.
    bool readCells(MyDataStream &in, int version, qint32 rows, const FieldType *types,
                   qint32 columns);

    int m_rows;
    std::vector<FieldType> m_columns;
    // The cells are built in place in one block, row by row: a loaded return builds thousands
    // of them, and one allocation each was a good part of its load time.
    std::unique_ptr<unsigned char[]> m_storage;
    std::vector<CField *> m_cells;
};
