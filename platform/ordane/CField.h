// CField: base of the typed fields that register themselves by name with their owner.
#pragma once

#include <QByteArray>
#include <memory>

class FieldOwner;
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

    // The registered name (the owner's prefix and the field's own name).
    const QByteArray &name() const { return m_name; }

    virtual FieldType type() const = 0;
    // Back to the value the field was built with.
    virtual void reset() = 0;
    // Both take a field of the same type; another type is ignored (copy) or unequal.
    virtual void copyFrom(const CField &other) = 0;
    virtual bool equals(const CField &other) const = 0;
    // The value alone; the owner writes name and type around it.
    virtual void writeValue(MyDataStream &out, int version) const = 0;
    // False when the stream ended or held damaged data (the stream status says which).
    virtual bool readValue(MyDataStream &in, int version) = 0;
    // The value as one line of text, for generic pages and diagnostics.
    virtual QString toText() const = 0;

    // A field of the type that belongs to no owner (table cells, values being skipped).
    static std::unique_ptr<CField> createDetached(FieldType type);
    // A single-value field registered with the owner under the name; null for a table, whose
    // shape a name alone does not give.
    static std::unique_ptr<CField> createOwned(FieldOwner *owner, FieldType type, const char *name);
    static bool isKnownType(int code);

protected:
    // A null owner leaves the field unregistered.
    CField(FieldOwner *owner, const char *name);

private:
    QByteArray m_name;
};
