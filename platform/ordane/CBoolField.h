// CBoolField: a yes/no flag field.
#pragma once

#include "ordane/CValueField.h"

class CBoolField : public CValueField<bool, FieldType::Bool>
{
public:
    Q_ALWAYS_INLINE CBoolField(FieldOwner *owner, const char *name, bool defaultValue = false)
        : CValueField(owner, name, defaultValue)
    {
    }

    operator bool() const { return m_value; }
    CBoolField &operator=(bool v)
    {
        m_value = v;
        return *this;
    }

    void writeValue(MyDataStream &out, int version) const override;
    qint64 writtenBytes(int) const override { return 1; }
    bool readValue(MyDataStream &in, int version) override;
    QString toText() const override;
};
