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

    // A cell of the column's type; asking for another type is a programming error. A cell is
    // built on first use (reading a block counts as use only where the block holds more than
    // the built value): until then it holds that value and costs no building.
    CField &cell(int row, int column) { return cellAt(cellIndex(row, column)); }
    const CField &cell(int row, int column) const { return cellAt(cellIndex(row, column)); }
    CIntField &intAt(int row, int column);
    CFloatField &amountAt(int row, int column);
    CStringField &textAt(int row, int column);
    CDateField &dateAt(int row, int column);
    CBoolField &flagAt(int row, int column);

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
    CField &cellAt(size_t index) const
    {
        CField *built = m_cells[index];
        return built ? *built : buildCell(index);
    }
    CField &buildCell(size_t index) const;
    FieldType typeAt(size_t index) const { return m_columns[index % m_columns.size()]; }
    // Reads the cells of a block of rows x columns cells.
    bool readCells(MyDataStream &in, int version, qint32 rows, const FieldType *types,
                   qint32 columns);

    int m_rows;
    std::vector<FieldType> m_columns;
    // The cells have their places in one block, row by row, and are built there when first
    // used: a loaded return has tables of thousands of cells, most never set, and building
    // each (once with an allocation of its own) was a good part of its load time. Null until
    // built; built cells stay where they are. A table is used by one thread at a time, like
    // its owner, so the const accessors may build.
    mutable std::unique_ptr<unsigned char[]> m_storage;
    mutable std::vector<CField *> m_cells;
};
