// CTableField: cells as detached typed fields in one block, copied, compared and stored cell by
// cell.
#include "ordane/CTableField.h"

#include "ordane/CBoolField.h"
#include "ordane/CDateField.h"
#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/CStringField.h"
#include "ordane/MyDataStream.h"

#include <QString>

#include <algorithm>
#include <new>

namespace {

// Room for a cell of any column type, at an offset every cell type may start at.
constexpr size_t kCellSize = std::max({sizeof(CIntField), sizeof(CFloatField), sizeof(CStringField),
                                       sizeof(CDateField), sizeof(CBoolField)});
constexpr size_t kCellAlign =
    std::max({alignof(CIntField), alignof(CFloatField), alignof(CStringField), alignof(CDateField),
              alignof(CBoolField)});
constexpr size_t kCellStride = (kCellSize + kCellAlign - 1) / kCellAlign * kCellAlign;
static_assert(kCellAlign <= __STDCPP_DEFAULT_NEW_ALIGNMENT__,
              "new[] of bytes must align every cell type");

// A detached cell of the type, built at where.
CField *buildCell(FieldType type, void *where)
{
    switch (type) {
    case FieldType::Int:
        return new (where) CIntField(nullptr, "");
    case FieldType::Float:
        return new (where) CFloatField(nullptr, "");
    case FieldType::String:
        return new (where) CStringField(nullptr, "");
    case FieldType::Date:
        return new (where) CDateField(nullptr, "");
    case FieldType::Bool:
        return new (where) CBoolField(nullptr, "");
    case FieldType::Table:
        break;
    }
    return nullptr;
}

} // namespace

CTableField::CTableField(FieldOwner *owner, const char *name, int rows,
                         std::initializer_list<FieldType> columns)
    : CField(owner, name), m_rows(rows < 0 ? 0 : rows), m_columns(columns)
{
    // A reader refuses larger tables, so none is built.
    Q_ASSERT(m_rows <= kMaxRows && columnCount() <= kMaxColumns);
    const size_t count = size_t(m_rows) * m_columns.size();
    if (count == 0)
        return;
    m_storage.reset(new unsigned char[count * kCellStride]);
    m_cells.reserve(count);
    for (int r = 0; r < m_rows; ++r) {
        for (FieldType t : m_columns) {
            Q_ASSERT(t != FieldType::Table);
            m_cells.push_back(buildCell(t, m_storage.get() + m_cells.size() * kCellStride));
        }
    }
}

CTableField::~CTableField()
{
    for (CField *c : m_cells)
        c->~CField();
}

namespace {
template <typename T> T &typed(CField &f, FieldType expected)
{
    Q_ASSERT(f.type() == expected);
    Q_UNUSED(expected);
    return static_cast<T &>(f);
}
} // namespace

CIntField &CTableField::intAt(int r, int c)
{
    return typed<CIntField>(cell(r, c), FieldType::Int);
}
CFloatField &CTableField::amountAt(int r, int c)
{
    return typed<CFloatField>(cell(r, c), FieldType::Float);
}
CStringField &CTableField::textAt(int r, int c)
{
    return typed<CStringField>(cell(r, c), FieldType::String);
}
CDateField &CTableField::dateAt(int r, int c)
{
    return typed<CDateField>(cell(r, c), FieldType::Date);
}
CBoolField &CTableField::flagAt(int r, int c)
{
    return typed<CBoolField>(cell(r, c), FieldType::Bool);
}

void CTableField::reset()
{
    for (CField *c : m_cells)
        c->reset();
}

void CTableField::copyFrom(const CField &other)
{
    if (other.type() != type())
        return;
    const auto &o = static_cast<const CTableField &>(other);
    const int rows = qMin(m_rows, o.m_rows);
    const int cols = qMin(columnCount(), o.columnCount());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c)
            cell(r, c).copyFrom(o.cell(r, c));
    }
}

bool CTableField::equals(const CField &other) const
{
    if (other.type() != type())
        return false;
    const auto &o = static_cast<const CTableField &>(other);
    if (o.m_rows != m_rows || o.m_columns != m_columns)
        return false;
    for (size_t i = 0; i < m_cells.size(); ++i) {
        if (!m_cells[i]->equals(*o.m_cells[i]))
            return false;
    }
    return true;
}

void CTableField::writeValue(MyDataStream &out, int version) const
{
    out << qint32(m_rows) << qint32(m_columns.size());
    for (FieldType t : m_columns)
        out << quint8(t);
    for (const CField *c : m_cells)
        c->writeValue(out, version);
}

qint64 CTableField::writtenBytes(int version) const
{
    qint64 bytes = 2 * qint64(sizeof(qint32)) + qint64(m_columns.size());
    if (m_rows == 0)
        return bytes;
    // A text cell's size is its own; every other cell of a column writes as many bytes as the
    // column's first.
    for (int c = 0; c < columnCount(); ++c) {
        if (m_columns[size_t(c)] != FieldType::String) {
            bytes += m_rows * cell(0, c).writtenBytes(version);
            continue;
        }
        for (int r = 0; r < m_rows; ++r)
            bytes += cell(r, c).writtenBytes(version);
    }
    return bytes;
}

bool CTableField::readValue(MyDataStream &in, int version)
{
    qint32 rows = 0;
    qint32 cols = 0;
    in >> rows >> cols;
    if (in.status() != QDataStream::Ok)
        return false;
    if (rows < 0 || rows > kMaxRows || cols < 0 || cols > kMaxColumns) {
        in.setCorrupt();
        return false;
    }
    // The block's column types, on the stack: a return reads thousands of tables.
    FieldType types[kMaxColumns];
    for (qint32 c = 0; c < cols; ++c) {
        quint8 code = 0;
        in >> code;
        if (in.status() != QDataStream::Ok)
            return false;
        const bool known = CField::isKnownType(code) && FieldType(code) != FieldType::Table;
        if (!known || (c < columnCount() && FieldType(code) != m_columns[size_t(c)])) {
            in.setCorrupt();
            return false;
        }
        types[c] = FieldType(code);
    }
    if (!in.fitsRemaining(qint64(rows) * cols, 1))
        return false;
    return readCells(in, version, rows, types, cols);
}

bool CTableField::readCells(MyDataStream &in, int version, qint32 rows, const FieldType *types,
                            qint32 columns)
{
    const int known = qMin(int(columns), columnCount());
    for (qint32 r = 0; r < rows; ++r) {
        for (qint32 c = 0; c < columns; ++c) {
            if (r >= m_rows || c >= known) {
                if (!CField::createDetached(types[c])->readValue(in, version))
                    return false;
                continue;
            }
            CField &target = cell(r, c);
            // An amount, the usual cell, is read without the virtual call.
            const bool read = types[c] == FieldType::Float
                                  ? static_cast<CFloatField &>(target).readAmount(in)
                                  : target.readValue(in, version);
            if (!read)
                return false;
        }
    }
    return true;
}

QString CTableField::toText() const
{
    return QStringLiteral("%1 x %2").arg(m_rows).arg(m_columns.size());
}
