// CFloatField: the process-wide switch, presence and its 8-byte value in blocks.
// Amounts compare exactly: a stored amount reads back bit for bit, and any edit is a change.
#include "ordane/CFloatField.h"

#include "ordane/AmountTolerance.h"
#include "ordane/MyDataStream.h"

#include <QString>
#include <cmath>

bool CFloatField::p_for_t2hollins = true;

CFloatField::CFloatField(FieldOwner *owner, const char *name, double defaultValue)
    : CValueField(owner, name, defaultValue)
{
}

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
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    // A block never holds what its reader refuses: a calculation's NaN or infinity is stored as 0.
    out << (std::isfinite(m_value) ? m_value : 0.0);
}

bool CFloatField::readValue(MyDataStream &in, int)
{
    double v = 0;
    in.setFloatingPointPrecision(QDataStream::DoublePrecision);
    in >> v;
    if (in.status() != QDataStream::Ok)
        return false;
    if (!std::isfinite(v)) {
        in.setCorrupt();
        return false;
    }
    m_value = v;
    return true;
}

QString CFloatField::toText() const
{
    return QString::number(m_value, 'f', 2);
}
