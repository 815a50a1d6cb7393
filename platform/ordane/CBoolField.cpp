// CBoolField: its one-byte value in blocks (0 or 1, anything else is damage).
#include "ordane/CBoolField.h"

#include "ordane/MyDataStream.h"

#include <QString>

void CBoolField::writeValue(MyDataStream &out, int) const
{
    out << quint8(m_value ? 1 : 0);
}

bool CBoolField::readValue(MyDataStream &in, int)
{
    quint8 v = 0;
    in >> v;
    if (in.status() != QDataStream::Ok)
        return false;
    if (v > 1) {
        in.setCorrupt();
        return false;
    }
    m_value = v == 1;
    return true;
}

QString CBoolField::toText() const
{
    return m_value ? QStringLiteral("1") : QStringLiteral("0");
}
