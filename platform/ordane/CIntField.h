// CIntField: a whole-number field (choices, counts, codes).
#pragma once

#include "ordane/CValueField.h"

class CIntField : public CValueField<int, FieldType::Int>
{
public:
    Q_ALWAYS_INLINE CIntField(FieldOwner *owner, const char *name, int defaultValue = 0)
        : CValueField(owner, name, defaultValue)
    {
    }

    operator int() const { return m_value; }
    CIntField &operator=(int v)
    {
        m_value = v;
        return *this;
    }
    // Counters grow in place.
    CIntField &operator+=(int v)
    {
        m_value += v;
        return *this;
    }
    CIntField &operator++()
    {
        ++m_value;
        return *this;
    }

    void writeValue(MyDataStream &out, int version) const override;
    qint64 writtenBytes(int) const override { return 4; }
    bool readValue(MyDataStream &in, int version) override;
    QString toText() const override;
};
