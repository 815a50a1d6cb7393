// CFloatField: the process-wide switch, presence and its 8-byte value in blocks.
// Amounts compare exactly: a stored amount reads back bit for bit, and any edit is a change.
#include "ordane/CFloatField.h"

#include "ordane/AmountTolerance.h"
#include "ordane/MyDataStream.h"

#include <QString>
#include <cmath>

bool CFloatField::p_for_t2hollins = true;

CFloatField::CFloatField(FieldOwner *owner, const char *name, bool, double defaultValue, int, bool,
                         int, int, int flags)
    : CValueField(owner, name, defaultValue), m_flags(flags)
{
}

bool CFloatField::isPresent() const
{
    return std::fabs(m_value) >= kAmountTolerance;
}

void CFloatField::writeValue(MyDataStream &out, int) const
{
    out.writeDouble(storedValue());
}

bool CFloatField::readValue(MyDataStream &in, int)
{
    return readAmount(in);
}

QString CFloatField::toText() const
{
    return QString::number(m_value, 'f', 2);
}
