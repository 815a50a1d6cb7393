// CDateField: copy, comparison and the date in blocks (Julian day, then milliseconds or -1).
#include "ordane/CDateField.h"

#include "ordane/Clock.h"
#include "ordane/MyDataStream.h"

#include <QDateTime>
#include <QString>

namespace {
// The null date is stored as 0: day 0 of the Julian calendar is no date the system uses.
constexpr qint64 kNullDay = 0;
constexpr qint32 kNoTime = -1;
constexpr qint32 kMsPerDay = 24 * 60 * 60 * 1000;
} // namespace

void CDateField::setCurTime()
{
    const QDateTime time = now();
    m_date = time.date();
    m_time = time.time();
}

void CDateField::copyFrom(const CField &other)
{
    if (other.type() != type())
        return;
    const auto &o = static_cast<const CDateField &>(other);
    m_date = o.m_date;
    m_time = o.m_time;
}

bool CDateField::equals(const CField &other) const
{
    if (other.type() != type())
        return false;
    const auto &o = static_cast<const CDateField &>(other);
    return o.m_date == m_date && o.m_time == m_time;
}

void CDateField::writeValue(MyDataStream &out, int) const
{
    out << qint64(m_date.isValid() ? m_date.toJulianDay() : kNullDay);
    out << qint32(m_time.isValid() ? m_time.msecsSinceStartOfDay() : kNoTime);
}

bool CDateField::readValue(MyDataStream &in, int)
{
    qint64 day = 0;
    qint32 ms = 0;
    in >> day >> ms;
    if (in.status() != QDataStream::Ok)
        return false;
    const QDate date = day == kNullDay ? QDate() : QDate::fromJulianDay(day);
    if ((day != kNullDay && !date.isValid()) || ms < kNoTime || ms >= kMsPerDay) {
        in.setCorrupt();
        return false;
    }
    m_date = date;
    m_time = ms == kNoTime ? QTime() : QTime::fromMSecsSinceStartOfDay(ms);
    return true;
}

QString CDateField::toText() const
{
    return m_date.toString(Qt::ISODate);
}
