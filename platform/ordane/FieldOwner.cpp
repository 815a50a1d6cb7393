// FieldOwner: registration, copy, comparison and the field-list block.
#include "ordane/FieldOwner.h"

#include "ordane/CBoolField.h"
#include "ordane/CField.h"
#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/MyDataStream.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

FieldOwner::FieldOwner(const char *prefix) : m_prefix(prefix) {}

FieldOwner::~FieldOwner() = default;

namespace {
// Fields an owner has room for before its list first grows.
constexpr size_t kFirstRoom = 64;
// How many fields ahead a walk over every field asks for the memory it will need.
constexpr size_t kPrefetchAhead = 16;
} // namespace

void FieldOwner::registerField(CField *field)
{
    // A block stores a name's length in one byte.
    Q_ASSERT(field->nameSize() > 0 && field->nameSize() <= kMaxNameLength);
    // Room for a slip's fields at once: growing from one field by doubling cost a good part
    // of building a loaded return's objects.
    if (m_fields.empty())
        m_fields.reserve(kFirstRoom);
    m_fields.push_back(field);
    if (!m_index.isEmpty()) {
        const QByteArray name = field->name();
        if (!m_index.contains(name))
            m_index.insert(name, int(m_fields.size()) - 1);
    }
}

int FieldOwner::indexOf(const QByteArray &name) const
{
    if (m_index.isEmpty() && !m_fields.empty()) {
        m_index.reserve(int(m_fields.size()));
        // The first registration of a name wins, as a search in order would.
        for (int i = int(m_fields.size()) - 1; i >= 0; --i)
            m_index.insert(m_fields[size_t(i)]->name(), i);
    }
    return m_index.value(name, -1);
}

CField *FieldOwner::findField(const QByteArray &name) const
{
    const int i = indexOf(name);
    return i < 0 ? nullptr : m_fields[size_t(i)];
}

void FieldOwner::addReadAlias(const char *oldName, const char *newName)
{
    m_aliases.emplace_back(m_prefix + oldName, m_prefix + newName);
}

int FieldOwner::indexForRead(const QByteArray &name) const
{
    // A search in order, not the name index: blocks follow registration order, so this runs
    // only for blocks out of step (older or damaged files), and an index built for each of
    // thousands of such objects would multiply what a small file makes the loader hold.
    const auto scan = [this](const QByteArray &wanted) {
        for (size_t i = 0; i < m_fields.size(); ++i) {
            if (m_fields[i]->hasName(wanted))
                return int(i);
        }
        return -1;
    };
    const int i = scan(name);
    if (i >= 0)
        return i;
    for (const auto &alias : m_aliases) {
        if (alias.first == name)
            return scan(alias.second);
    }
    return -1;
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
        const CField *src = (i < theirs.size() && theirs[i]->sameName(*mine))
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
        const CField *theirs =
            other.m_fields[i]->sameName(*mine) ? other.m_fields[i] : other.findField(mine->name());
        if (!theirs || !mine->equals(*theirs))
            return false;
    }
    return true;
}

void FieldOwner::writeFields(MyDataStream &out, int version) const
{
    out << qint32(m_fields.size());
    const size_t count = m_fields.size();
    for (size_t i = 0; i < count; ++i) {
        const CField *f = m_fields[i];
        // A large return is far beyond the caches: ask for a later field while this one is
        // written.
        if (i + kPrefetchAhead < count)
            __builtin_prefetch(m_fields[i + kPrefetchAhead]);
        // Length, name and type in one write: a return holds thousands of fields. An amount,
        // most fields of a return, goes with them.
        const int size = f->nameSize();
        const FieldType type = f->type();
        const bool amount = type == FieldType::Float;
        if (char *room = out.appendRaw(size + 2 + (amount ? 8 : 0))) {
            room[0] = char(quint8(size));
            std::memcpy(room + 1, f->nameData(), size_t(size));
            room[size + 1] = char(quint8(type));
            if (!amount) {
                f->writeValue(out, version);
                continue;
            }
            const double value = static_cast<const CFloatField *>(f)->storedValue();
            quint64 bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            qToBigEndian<quint64>(bits, room + size + 2);
            continue;
        }
        char header[kMaxNameLength + 2];
        header[0] = char(quint8(size));
        std::memcpy(header + 1, f->nameData(), size_t(size));
        header[size + 1] = char(quint8(type));
        out.writeRawData(header, size + 2);
        f->writeValue(out, version);
    }
}

qint64 FieldOwner::writtenFieldBytes(int version) const
{
    qint64 bytes = sizeof(qint32);
    for (const CField *f : m_fields)
        bytes += f->nameSize() + 2 + f->writtenBytes(version);
    return bytes;
}

bool FieldOwner::readFields(MyDataStream &in, int version)
{
    qint32 count = 0;
    in >> count;
    // Each entry takes at least a name length, one name byte, a type and a value byte.
    if (!in.fitsRemaining(count, 4))
        return false;
    // Blocks list the fields in registration order: try the next slot before any look-up.
    size_t next = 0;
    for (qint32 i = 0; i < count; ++i) {
        // The usual entry: the next slot's name and type, whole in memory, read past in place.
        qint64 left = 0;
        if (const char *at = in.bytesInPlace(left); at && next < m_fields.size() && left > 0) {
            const int length = quint8(at[0]);
            CField *slot = m_fields[next];
            if (length > 0 && left >= length + 2 && slot->hasName(at + 1, length) &&
                quint8(at[length + 1]) == quint8(slot->type())) {
                const char *value = at + length + 2;
                const qint64 valueBytes = left - (length + 2);
                // An amount, a whole number or a flag: the value read in the same step.
                switch (slot->type()) {
                case FieldType::Float:
                    if (valueBytes >= qint64(sizeof(double))) {
                        const quint64 bits = qFromBigEndian<quint64>(value);
                        double amount = 0;
                        std::memcpy(&amount, &bits, sizeof amount);
                        in.skipInPlace(length + 2 + qint64(sizeof amount));
                        if (!std::isfinite(amount)) {
                            in.setCorrupt();
                            return false;
                        }
                        static_cast<CFloatField *>(slot)->setValue(amount);
                        ++next;
                        continue;
                    }
                    break;
                case FieldType::Int:
                    if (valueBytes >= qint64(sizeof(qint32))) {
                        in.skipInPlace(length + 2 + qint64(sizeof(qint32)));
                        static_cast<CIntField *>(slot)->setValue(qFromBigEndian<qint32>(value));
                        ++next;
                        continue;
                    }
                    break;
                case FieldType::Bool:
                    if (valueBytes >= 1) {
                        const quint8 flag = quint8(value[0]);
                        in.skipInPlace(length + 3);
                        if (flag > 1) {
                            in.setCorrupt();
                            return false;
                        }
                        static_cast<CBoolField *>(slot)->setValue(flag == 1);
                        ++next;
                        continue;
                    }
                    break;
                default:
                    break;
                }
                // Any other value, or one cut short, is read by the field past the header.
                in.skipInPlace(length + 2);
                if (!slot->readValue(in, version))
                    return false;
                ++next;
                continue;
            }
        }
        quint8 nameLength = 0;
        in >> nameLength;
        // Name and type in one read, in place or on the stack: most names match the next slot
        // and need no copy of their own.
        char copy[kMaxNameLength + 1];
        const char *nameBytes = in.takeInPlace(nameLength + 1);
        bool whole = nameBytes != nullptr;
        if (!nameBytes) {
            whole = in.Read(copy, nameLength + 1) == nameLength + 1;
            nameBytes = copy;
        }
        const quint8 typeCode = whole ? quint8(nameBytes[nameLength]) : 0;
        if (in.status() != QDataStream::Ok)
            return false;
        if (nameLength == 0 || !CField::isKnownType(typeCode)) {
            in.setCorrupt();
            return false;
        }
        const FieldType type = FieldType(typeCode);
        CField *target = nullptr;
        if (next < m_fields.size() && m_fields[next]->hasName(nameBytes, nameLength)) {
            target = m_fields[next++];
        } else if (const int at = indexForRead(QByteArray(nameBytes, nameLength)); at >= 0) {
            target = m_fields[size_t(at)];
            next = size_t(at) + 1; // back in step after a field the block lacks
        }
        if (target && target->type() != type) {
            in.setCorrupt();
            return false;
        }
        std::unique_ptr<CField> skipped;
        if (!target) {
            skipped = CField::createDetached(type);
            target = skipped.get();
        }
        // An amount, most fields of a return, is read without the virtual call.
        const bool read = type == FieldType::Float && !skipped
                              ? static_cast<CFloatField *>(target)->readAmount(in)
                              : target->readValue(in, version);
        if (!read)
            return false;
    }
    return in.status() == QDataStream::Ok;
}
