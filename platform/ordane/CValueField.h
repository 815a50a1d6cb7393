// CValueField: the value, default, copy and comparison shared by the single-value fields.
#pragma once

#include "ordane/CField.h"

template <typename T, FieldType Kind> class CValueField : public CField
{
public:
    const T &value() const { return m_value; }
    void setValue(const T &v) { m_value = v; }

    void reset() override { m_value = m_default; }
    // One class per type code, so a field of the same type is of this class.
    void copyFrom(const CField &other) override
    {
        if (other.type() == Kind)
            m_value = static_cast<const CValueField &>(other).m_value;
    }
    bool equals(const CField &other) const override
    {
        return other.type() == Kind && static_cast<const CValueField &>(other).m_value == m_value;
    }

protected:
    // Always inline, as CField's: see there.
    Q_ALWAYS_INLINE CValueField(FieldOwner *owner, const char *name, const T &defaultValue)
        : CField(owner, name, Kind), m_value(defaultValue), m_default(defaultValue)
    {
    }

    T m_value;
    T m_default;
};
