// FieldOwner: the registry of typed fields that serialises, copies and compares them by name.
#pragma once

#include <QByteArray>
#include <QHash>
#include <vector>

class CField;
class MyDataStream;

class FieldOwner
{
public:
    // Fields register as prefix + their name ("fld_" for dialog data, nothing for forms).
    explicit FieldOwner(const char *prefix = "");
    FieldOwner(const FieldOwner &) = delete;
    FieldOwner &operator=(const FieldOwner &) = delete;
    virtual ~FieldOwner();

    const QByteArray &fieldPrefix() const { return m_prefix; }
    const std::vector<CField *> &fields() const { return m_fields; }
    // Constant time: a name index is built on the first look-up.
    CField *findField(const QByteArray &name) const;

    // A renamed field keeps reading blocks that hold its old name.
    void addReadAlias(const char *oldName, const char *newName);

    void resetFields();
    // Each field takes the value of the other owner's field of the same name and type.
    void copyFieldsFrom(const FieldOwner &other);
    bool fieldsEqual(const FieldOwner &other) const;
    // One field from the other owner's field of otherName (the same name when null); false,
    // with nothing changed, when either is missing or the types differ.
    bool copyFieldFrom(const FieldOwner &other, const char *name, const char *otherName = nullptr);
    // Back to its built value; false when no field has the name.
    bool resetField(const char *name);

    // The self-describing field list: a count, then name, type and value of each field.
    // Reading skips names it does not know; a known name with another type, an unknown
    // type or an absurd count marks the stream corrupt.
    void writeFields(MyDataStream &out, int version) const;
    // How many bytes writeFields writes, without writing them.
    qint64 writtenFieldBytes(int version) const;
    bool readFields(MyDataStream &in, int version);

    // Longest field name a block accepts.
    static constexpr int kMaxNameLength = 255;

private:
    friend class CField;
    void registerField(CField *field);
    // The usual registration, inline in a field's constructor: no prefix, no name index yet
    // and room left in the list. False, with nothing done, when registerField must do it.
    Q_ALWAYS_INLINE bool appendField(CField *field)
    {
        if (!m_prefix.isEmpty() || !m_index.isEmpty() || m_fields.size() == m_fields.capacity())
            return false;
        m_fields.push_back(field);
        return true;
    }
    // Position of the field of that name (or that a read alias names), -1 when none.
    int indexOf(const QByteArray &name) const;
    int indexForRead(const QByteArray &name) const;

    QByteArray m_prefix;
    std::vector<CField *> m_fields;
    std::vector<std::pair<QByteArray, QByteArray>> m_aliases;
    // Built on demand: blocks are read in registration order and most owners never need it.
    // An owner is used by one thread at a time, like the forms that hold it.
    mutable QHash<QByteArray, int> m_index;
};
