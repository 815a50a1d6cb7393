// CIntField: its 32-bit value in blocks.
#include "ordane/CIntField.h"

#include "ordane/MyDataStream.h"

#include <QString>

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
