// CIntField: a whole-number field (choices, counts, codes).
#pragma once

#include "ordane/CField.h"

class CIntField : public CField
{
public:
    CIntField(FieldOwner *owner, const char *name, int defaultValue = 0);

    int value() const { return m_value; }
    void setValue(int v) { m_value = v; }
    operator int() const { return m_value; }
    CIntField &operator=(int v) { m_value = v; return *this; }

    FieldType type() const override { return FieldType::Int; }
    void reset() override { m_value = m_default; }
    void copyFrom(const CField &other) override;
    bool equals(const CField &other) const override;
    void writeValue(MyDataStream &out, int version) const override;
    bool readValue(MyDataStream &in, int version) override;
    QString toText() const override;

private:
    int m_value;
    int m_default;
};
