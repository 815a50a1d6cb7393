// CFloatField: an amount field (a double).
#pragma once

#include "ordane/CValueField.h"
#include "ordane/MyDataStream.h"

#include <cmath>

class CFloatField : public CValueField<double, FieldType::Float>
{
public:
    Q_ALWAYS_INLINE CFloatField(FieldOwner *owner, const char *name, double defaultValue = 0.0)
        : CValueField(owner, name, defaultValue)
    {
    }
    // The full form the dialog data classes use: calculated, default value, decimals,
    // visible, attribute, reserved and flags. Only the flags are kept: kDisplayOnly marks an
    // amount a page shows and the user does not edit.
    CFloatField(FieldOwner *owner, const char *name, bool calculated, double defaultValue,
                int decimals, bool visible, int attribute, int reserved, int flags);
    static constexpr int kDisplayOnly = 0x10000;
    bool isDisplayOnly() const { return (m_flags & kDisplayOnly) != 0; }

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

    // What a block holds for the amount: a calculation's NaN or infinity is stored as 0, since
    // the reader refuses it.
    double storedValue() const { return std::isfinite(m_value) ? m_value : 0.0; }

    void writeValue(MyDataStream &out, int version) const override;
    qint64 writtenBytes(int) const override { return 8; }
    bool readValue(MyDataStream &in, int version) override;
    // What readValue does, without the virtual call, for the field lists' loop: the eight
    // bytes of a finite amount (anything else marks the stream corrupt).
    bool readAmount(MyDataStream &in)
    {
        double v = 0;
        if (!in.readDouble(v))
            return false;
        if (!std::isfinite(v)) {
            in.setCorrupt();
            return false;
        }
        m_value = v;
        return true;
    }
    QString toText() const override;

    // Framework switch: the sibling product's amount behaviour; start-up turns it off.
    static bool p_for_t2hollins;

private:
    int m_flags = 0;
};
