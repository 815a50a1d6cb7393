// CField: base of the typed fields that register themselves by name with their owner.
#pragma once

#include "ordane/FieldOwner.h"

#include <QByteArray>
#include <cstring>
#include <memory>

class MyDataStream;
class QString;

// Type codes as blocks store them; frozen once a file holds them.
enum class FieldType : quint8
{
    Int = 1,
    Float = 2,
    String = 3,
    Date = 4,
    Bool = 5,
    Table = 6
};

class CField
{
public:
    CField(const CField &) = delete;
    CField &operator=(const CField &) = delete;
    virtual ~CField();

    // The registered name (the owner's prefix and the field's own name), as a copy.
    QByteArray name() const { return QByteArray(m_nameData, m_nameSize); }
    // The same without a copy, for the loops over every field of an owner.
    const char *nameData() const { return m_nameData; }
    int nameSize() const { return m_nameSize; }
    bool hasName(const char *data, int size) const
    {
        return size == m_nameSize && sameBytes(data, m_nameData, size);
    }
    bool hasName(const QByteArray &n) const { return hasName(n.constData(), n.size()); }
    bool sameName(const CField &other) const { return hasName(other.m_nameData, other.m_nameSize); }

    // Kept in the field rather than asked of its class: the loops over every field of a return
    // ask it of each.
    FieldType type() const { return m_type; }
    // Back to the value the field was built with.
    virtual void reset() = 0;
    // Both take a field of the same type; another type is ignored (copy) or unequal.
    virtual void copyFrom(const CField &other) = 0;
    virtual bool equals(const CField &other) const = 0;
    // The value alone; the owner writes name and type around it.
    virtual void writeValue(MyDataStream &out, int version) const = 0;
    // How many bytes writeValue writes, without writing them.
    virtual qint64 writtenBytes(int version) const = 0;
    // False when the stream ended or held damaged data (the stream status says which).
    virtual bool readValue(MyDataStream &in, int version) = 0;
    // The value as one line of text, for generic pages and diagnostics.
    virtual QString toText() const = 0;

    // A field of the type that belongs to no owner (table cells, values being skipped).
    static std::unique_ptr<CField> createDetached(FieldType type);
    // A single-value field registered with the owner under the name; null for a table, whose
    // shape a name alone does not give.
    static std::unique_ptr<CField> createOwned(FieldOwner *owner, FieldType type, const char *name);
    static bool isKnownType(int code)
    {
        return code >= int(FieldType::Int) && code <= int(FieldType::Table);
    }

protected:
    // A null owner leaves the field unregistered. The name is a string literal (or text that
    // outlives the field): without a prefix the field refers to it and makes no copy, since a
    // loaded return builds thousands of fields.
    // Always inline, also into a form's constructor of a hundred fields: a literal name is then
    // measured when the program is built, and the usual field joins its owner without a call.
    Q_ALWAYS_INLINE CField(FieldOwner *owner, const char *name, FieldType type)
        : m_nameData(name), m_nameSize(int(__builtin_strlen(name))), m_type(type)
    {
        // A block stores a name's length in one byte.
        Q_ASSERT(!owner || (m_nameSize > 0 && m_nameSize <= FieldOwner::kMaxNameLength));
        if (owner && !owner->appendField(this))
            joinOwner(*owner);
    }

private:
    // Takes the owner's prefix, if it has one, and registers with it.
    void joinOwner(FieldOwner &owner);

    // Whether the size bytes at a and b are equal; inline, since most names are a few bytes
    // and a library call for each cost more than the comparison.
    static bool sameBytes(const char *a, const char *b, int size)
    {
        if (size >= 8) {
            for (; size > 8; size -= 8, a += 8, b += 8) {
                if (load<quint64>(a) != load<quint64>(b))
                    return false;
            }
            // The last eight bytes, overlapping those compared already.
            return load<quint64>(a + size - 8) == load<quint64>(b + size - 8);
        }
        if (size >= 4)
            return load<quint32>(a) == load<quint32>(b) &&
                   load<quint32>(a + size - 4) == load<quint32>(b + size - 4);
        for (int i = 0; i < size; ++i) {
            if (a[i] != b[i])
                return false;
        }
        return true;
    }
    template <typename T> static T load(const char *at)
    {
        T v;
        std::memcpy(&v, at, sizeof v);
        return v;
    }

    // Points at the literal, or at m_ownName when a prefix makes a name of its own.
    const char *m_nameData = "";
    int m_nameSize = 0;
    FieldType m_type;
    QByteArray m_ownName;
};
