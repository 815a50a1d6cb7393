// CReservedArea: numbered strings and their bounded block.
#include "ordane/CReservedArea.h"

#include "ordane/MyDataStream.h"

void CReservedArea::setString(int number, const CString &text)
{
    if (number < 0 || number > kMaxNumber)
        return;
    if (text.isEmpty())
        m_strings.erase(number);
    else
        m_strings[number] = text;
}

CString CReservedArea::getString(int number) const
{
    const auto it = m_strings.find(number);
    return it == m_strings.end() ? CString() : it->second;
}

void CReservedArea::writeToArchive(MyDataStream &out) const
{
    out << qint32(m_strings.size());
    for (const auto &entry : m_strings) {
        out << qint32(entry.first);
        out.writeText(entry.second, kMaxTextBytes);
    }
}

bool CReservedArea::readFromArchive(MyDataStream &in)
{
    m_strings.clear();
    qint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok)
        return false;
    if (count > kMaxNumber + 1 || !in.fitsRemaining(count, 8)) {
        in.setCorrupt();
        return false;
    }
    for (qint32 i = 0; i < count; ++i) {
        qint32 number = 0;
        in >> number;
        QString text;
        if (in.status() != QDataStream::Ok || !in.readText(text, kMaxTextBytes))
            return false;
        if (number < 0 || number > kMaxNumber || m_strings.count(number)) {
            in.setCorrupt();
            return false;
        }
        m_strings[number] = text;
    }
    return true;
}
