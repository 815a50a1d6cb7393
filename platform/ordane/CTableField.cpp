// CTableField: cells as detached typed fields built in one block on first use, copied, compared
// and stored cell by cell.
#include "ordane/CTableField.h"

#include "ordane/CBoolField.h"
#include "ordane/CDateField.h"
#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/CStringField.h"
#include "ordane/MyDataStream.h"

#include <QString>

#include <algorithm>
#include <cstring>
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
CField *buildCellAt(FieldType type, void *where)
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

// The bytes a cell of the type writes as it was built (0, 0.0, an empty text, no date, false):
// what a cell not yet built writes, and what a reader passes over for one.
struct BuiltBytes
{
    const char *data;
    int size;
};
constexpr char kZeros[8] = {};
// Day 0 (no date), then -1 (no time of day).
constexpr char kNoDate[12] = {0, 0, 0, 0, 0, 0, 0, 0, '\xff', '\xff', '\xff', '\xff'};

BuiltBytes builtBytes(FieldType type)
{
    switch (type) {
    case FieldType::Int:
        return {kZeros, 4};
    case FieldType::Float:
        return {kZeros, 8};
    case FieldType::String:
        return {kZeros, 4}; // a length of 0
    case FieldType::Date:
        return {kNoDate, 12};
    case FieldType::Bool:
        return {kZeros, 1};
    case FieldType::Table:
        break;
    }
    return {kZeros, 0};
}

// Writes the built bytes of a cell of the type: straight into the stream's buffer when it has
// one, each size a fixed copy (a table of a return has thousands of cells never used).
void writeBuilt(MyDataStream &out, FieldType type)
{
    const BuiltBytes built = builtBytes(type);
    char *room = out.appendRaw(built.size);
    if (!room) {
        out.writeRawData(built.data, built.size);
        return;
    }
    switch (type) {
    case FieldType::Int:
    case FieldType::String:
        std::memcpy(room, kZeros, 4);
        break;
    case FieldType::Float:
        std::memcpy(room, kZeros, 8);
        break;
    case FieldType::Date:
        std::memcpy(room, kNoDate, 12);
        break;
    case FieldType::Bool:
        room[0] = 0;
        break;
    case FieldType::Table:
        break;
    }
}

// How many of the left bytes at are the built bytes of a cell of the type; 0 when they are not.
// Each size a fixed comparison, as writeBuilt's copies.
int builtBytesAt(const char *at, qint64 left, FieldType type)
{
    const auto same = [&](const char *built, int size) {
        return left >= size && std::memcmp(at, built, size_t(size)) == 0 ? size : 0;
    };
    switch (type) {
    case FieldType::Int:
    case FieldType::String:
        return same(kZeros, 4);
    case FieldType::Float:
        return same(kZeros, 8);
    case FieldType::Date:
        return same(kNoDate, 12);
    case FieldType::Bool:
        return same(kZeros, 1);
    case FieldType::Table:
        break;
    }
    return 0;
}

// Whether the field holds what a cell of its type holds as built.
bool asBuilt(const CField &field)
{
    alignas(kCellAlign) unsigned char room[kCellStride];
    CField *fresh = buildCellAt(field.type(), room);
    const bool same = fresh->equals(field);
    fresh->~CField();
    return same;
}

} // namespace

CTableField::CTableField(FieldOwner *owner, const char *name, int rows,
                         std::initializer_list<FieldType> columns)
    : CField(owner, name, FieldType::Table), m_rows(rows < 0 ? 0 : rows), m_columns(columns)
{
    // A reader refuses larger tables, so none is built.
    Q_ASSERT(m_rows <= kMaxRows && columnCount() <= kMaxColumns);
    Q_ASSERT(std::find(m_columns.begin(), m_columns.end(), FieldType::Table) == m_columns.end());
    m_cells.assign(size_t(m_rows) * m_columns.size(), nullptr);
}

CTableField::~CTableField()
{
    for (CField *c : m_cells) {
        if (c)
            c->~CField();
    }
}

CField &CTableField::buildCell(size_t index) const
{
    // The block comes with the first cell used: a table never used takes no room for cells.
    if (!m_storage)
        m_storage.reset(new unsigned char[m_cells.size() * kCellStride]);
    CField *built = buildCellAt(typeAt(index), m_storage.get() + index * kCellStride);
    m_cells[index] = built;
    return *built;
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
    // A cell not built holds its built value already.
    for (CField *c : m_cells) {
        if (c)
            c->reset();
    }
}

void CTableField::copyFrom(const CField &other)
{
    if (other.type() != type())
        return;
    const auto &o = static_cast<const CTableField &>(other);
    const int rows = qMin(m_rows, o.m_rows);
    const int cols = qMin(columnCount(), o.columnCount());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            // A cell takes only a value of its own type.
            if (m_columns[size_t(c)] != o.m_columns[size_t(c)])
                continue;
            const size_t mine = cellIndex(r, c);
            if (const CField *theirs = o.m_cells[o.cellIndex(r, c)])
                cellAt(mine).copyFrom(*theirs);
            else if (m_cells[mine])
                m_cells[mine]->reset(); // the other holds the built value
        }
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
        const CField *mine = m_cells[i];
        const CField *theirs = o.m_cells[i];
        if (mine && theirs ? !mine->equals(*theirs)
                           : (mine || theirs) && !asBuilt(mine ? *mine : *theirs))
            return false;
    }
    return true;
}

void CTableField::writeValue(MyDataStream &out, int version) const
{
    out << qint32(m_rows) << qint32(m_columns.size());
    for (FieldType t : m_columns)
        out << quint8(t);
    for (size_t i = 0; i < m_cells.size(); ++i) {
        if (const CField *c = m_cells[i]) {
            c->writeValue(out, version);
            continue;
        }
        writeBuilt(out, typeAt(i));
    }
}

qint64 CTableField::writtenBytes(int version) const
{
    qint64 bytes = 2 * qint64(sizeof(qint32)) + qint64(m_columns.size());
    if (m_rows == 0)
        return bytes;
    // A built text cell's size is its own; every other cell writes as many bytes as its type's
    // built value.
    for (int c = 0; c < columnCount(); ++c) {
        const FieldType t = m_columns[size_t(c)];
        const qint64 asBuilt = builtBytes(t).size;
        if (t != FieldType::String) {
            bytes += m_rows * asBuilt;
            continue;
        }
        for (int r = 0; r < m_rows; ++r) {
            const CField *built = m_cells[cellIndex(r, c)];
            bytes += built ? built->writtenBytes(version) : asBuilt;
        }
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
            const size_t index = cellIndex(r, c);
            CField *target = m_cells[index];
            if (!target) {
                // A cell not built, given its built value, stays so: most cells of a table are
                // never set.
                qint64 left = 0;
                const char *at = in.bytesInPlace(left);
                if (const int size = at ? builtBytesAt(at, left, types[c]) : 0) {
                    in.skipInPlace(size);
                    continue;
                }
                target = &buildCell(index);
            }
            // An amount, the usual cell, is read without the virtual call.
            const bool read = types[c] == FieldType::Float
                                  ? static_cast<CFloatField *>(target)->readAmount(in)
                                  : target->readValue(in, version);
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
