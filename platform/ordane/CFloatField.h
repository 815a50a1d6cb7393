// CFloatField: an amount field (a double).
#pragma once

#include "ordane/CField.h"

class CFloatField : public CField
{
public:
    CFloatField(FieldOwner *owner, const char *name, double defaultValue = 0.0);

    double value() const { return m_value; }
    void setValue(double v) { m_value = v; }
    operator double() const { return m_value; }
    CFloatField &operator=(double v) { m_value = v; return *this; }
    CFloatField &operator+=(double v) { m_value += v; return *this; }
    CFloatField &operator-=(double v) { m_value -= v; return *this; }

    // Present: at least 0.009 away from zero, the tolerance of the whole system.
    bool isPresent() const;

    FieldType type() const override { return FieldType::Float; }
    void reset() override { m_value = m_default; }
    void copyFrom(const CField &other) override;
    bool equals(const CField &other) const override;
    void writeValue(MyDataStream &out, int version) const override;
    bool readValue(MyDataStream &in, int version) override;
    QString toText() const override;

    // Framework switch: the sibling product's amount behaviour; start-up turns it off.
    static bool p_for_t2hollins;

private:
    double m_value;
    double m_default;
};
