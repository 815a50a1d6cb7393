// CBoolField: a yes/no flag field.
#pragma once

#include "ordane/CField.h"

class CBoolField : public CField
{
public:
    CBoolField(FieldOwner *owner, const char *name, bool defaultValue = false);

    bool value() const { return m_value; }
    void setValue(bool v) { m_value = v; }
    operator bool() const { return m_value; }
    CBoolField &operator=(bool v) { m_value = v; return *this; }

    FieldType type() const override { return FieldType::Bool; }
    void reset() override { m_value = m_default; }
    void copyFrom(const CField &other) override;
    bool equals(const CField &other) const override;
    void writeValue(MyDataStream &out, int version) const override;
    bool readValue(MyDataStream &in, int version) override;
    QString toText() const override;

private:
    bool m_value;
    bool m_default;
};
