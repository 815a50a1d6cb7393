// CFloatField: an amount field (a double).
#pragma once

#include "ordane/CValueField.h"

class CFloatField : public CValueField<double, FieldType::Float>
{
public:
    CFloatField(FieldOwner *owner, const char *name, double defaultValue = 0.0);

    operator double() const { return m_value; }
    CFloatField &operator=(double v)
    {
        m_value = v;
        return *this;
    }
    CFloatField &operator+=(double v)
    {
        m_value += v;
        return *this;
    }
    CFloatField &operator-=(double v)
    {
        m_value -= v;
        return *this;
    }

    // Present: at least kAmountTolerance away from zero.
    bool isPresent() const;

    void writeValue(MyDataStream &out, int version) const override;
    bool readValue(MyDataStream &in, int version) override;
    QString toText() const override;

    // Framework switch: the sibling product's amount behaviour; start-up turns it off.
    static bool p_for_t2hollins;
};
