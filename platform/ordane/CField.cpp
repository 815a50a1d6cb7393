// CField: registration with the owner and the detached fields of each type.
#include "ordane/CField.h"

#include "ordane/CBoolField.h"
#include "ordane/CDateField.h"
#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/CStringField.h"
#include "ordane/CTableField.h"
#include "ordane/FieldOwner.h"

void CField::joinOwner(FieldOwner &owner)
{
    // By reference: a copy of the owner's prefix for each of thousands of fields costs two
    // atomic count changes.
    const QByteArray &prefix = owner.fieldPrefix();
    if (!prefix.isEmpty()) {
        const int length = m_nameSize;
        m_ownName.reserve(prefix.size() + length);
        m_ownName.append(prefix).append(m_nameData, length);
        m_nameData = m_ownName.constData();
        m_nameSize = m_ownName.size();
    }
    owner.registerField(this);
}

CField::~CField() = default;

std::unique_ptr<CField> CField::createDetached(FieldType type)
{
    if (type == FieldType::Table)
        return std::make_unique<CTableField>(nullptr, "", 0, std::initializer_list<FieldType>{});
    return createOwned(nullptr, type, "");
}

std::unique_ptr<CField> CField::createOwned(FieldOwner *owner, FieldType type, const char *name)
{
    switch (type) {
    case FieldType::Int:
        return std::make_unique<CIntField>(owner, name);
    case FieldType::Float:
        return std::make_unique<CFloatField>(owner, name);
    case FieldType::String:
        return std::make_unique<CStringField>(owner, name);
    case FieldType::Date:
        return std::make_unique<CDateField>(owner, name);
    case FieldType::Bool:
        return std::make_unique<CBoolField>(owner, name);
    case FieldType::Table:
        break;
    }
    return nullptr;
}
