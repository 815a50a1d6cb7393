// FieldOwner: registration, copy, comparison and the field-list block.
#include "ordane/FieldOwner.h"

#include "ordane/CField.h"
#include "ordane/MyDataStream.h"

FieldOwner::FieldOwner(const char *prefix) : m_prefix(prefix) {}

FieldOwner::~FieldOwner() = default;

void FieldOwner::registerField(CField *field)
{
    // A block stores a name's length in one byte.
    Q_ASSERT(!field->name().isEmpty() && field->name().size() <= kMaxNameLength);
    m_fields.push_back(field);
}

CField *FieldOwner::findField(const QByteArray &name) const
{
    for (CField *f : m_fields) {
        if (f->name() == name)
            return f;
    }
    return nullptr;
}

void FieldOwner::addReadAlias(const char *oldName, const char *newName)
{
    m_aliases.emplace_back(m_prefix + oldName, m_prefix + newName);
}

CField *FieldOwner::findForRead(const QByteArray &name) const
{
    if (CField *f = findField(name))
        return f;
    for (const auto &alias : m_aliases) {
        if (alias.first == name)
            return findField(alias.second);
    }
    return nullptr;
}

void FieldOwner::resetFields()
{
    for (CField *f : m_fields)
        f->reset();
}

void FieldOwner::copyFieldsFrom(const FieldOwner &other)
{
    if (&other == this)
        return;
    const auto &theirs = other.m_fields;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        CField *mine = m_fields[i];
        // Objects of one class register in one order: the same slot is the usual match.
        const CField *src = (i < theirs.size() && theirs[i]->name() == mine->name())
                                ? theirs[i]
                                : other.findField(mine->name());
        if (src)
            mine->copyFrom(*src);
    }
}

bool FieldOwner::copyFieldFrom(const FieldOwner &other, const char *name, const char *otherName)
{
    CField *mine = findField(m_prefix + name);
    const CField *theirs = other.findField(other.m_prefix + (otherName ? otherName : name));
    if (!mine || !theirs || mine->type() != theirs->type())
        return false;
    mine->copyFrom(*theirs);
    return true;
}

bool FieldOwner::resetField(const char *name)
{
    CField *field = findField(m_prefix + name);
    if (field)
        field->reset();
    return field != nullptr;
}

bool FieldOwner::fieldsEqual(const FieldOwner &other) const
{
    if (m_fields.size() != other.m_fields.size())
        return false;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const CField *mine = m_fields[i];
        const CField *theirs = other.m_fields[i]->name() == mine->name()
                                   ? other.m_fields[i]
                                   : other.findField(mine->name());
        if (!theirs || !mine->equals(*theirs))
            return false;
    }
    return true;
}

void FieldOwner::writeFields(MyDataStream &out, int version) const
{
    out << qint32(m_fields.size());
    for (const CField *f : m_fields) {
        const QByteArray &name = f->name();
        out << quint8(name.size());
        out.writeRawData(name.constData(), name.size());
        out << quint8(f->type());
        f->writeValue(out, version);
    }
}

bool FieldOwner::readFields(MyDataStream &in, int version)
{
    qint32 count = 0;
    in >> count;
    // Each entry takes at least a name length, one name byte, a type and a value byte.
    if (!in.fitsRemaining(count, 4))
        return false;
    for (qint32 i = 0; i < count; ++i) {
        quint8 nameLength = 0;
        in >> nameLength;
        QByteArray name(nameLength, Qt::Uninitialized);
        in.Read(name.data(), nameLength);
        quint8 typeCode = 0;
        in >> typeCode;
        if (in.status() != QDataStream::Ok)
            return false;
        if (nameLength == 0 || !CField::isKnownType(typeCode)) {
            in.setCorrupt();
            return false;
        }
        const FieldType type = FieldType(typeCode);
        CField *target = findForRead(name);
        if (target && target->type() != type) {
            in.setCorrupt();
            return false;
        }
        std::unique_ptr<CField> skipped;
        if (!target) {
            skipped = CField::createDetached(type);
            target = skipped.get();
        }
        if (!target->readValue(in, version))
            return false;
    }
    return in.status() == QDataStream::Ok;
}
