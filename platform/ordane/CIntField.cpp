// CIntField: copy, comparison and its 32-bit value in blocks.
#include "ordane/CIntField.h"

#include "ordane/MyDataStream.h"

#include <QString>

CIntField::CIntField(FieldOwner *owner, const char *name, int defaultValue)
    : CField(owner, name), m_value(defaultValue), m_default(defaultValue)
{
}

void CIntField::copyFrom(const CField &other)
{
    if (other.type() == type())
        m_value = static_cast<const CIntField &>(other).m_value;
}

bool CIntField::equals(const CField &other) const
{
    return other.type() == type() && static_cast<const CIntField &>(other).m_value == m_value;
}

void CIntField::writeValue(MyDataStream &out, int) const
{
    out << qint32(m_value);
}

bool CIntField::readValue(MyDataStream &in, int)
{
    qint32 v = 0;
    in >> v;
    if (in.status() != QDataStream::Ok)
        return false;
    m_value = v;
    return true;
}

QString CIntField::toText() const
{
    return QString::number(m_value);
}
