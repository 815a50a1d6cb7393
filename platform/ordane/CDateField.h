// CDateField: a date field, with an optional time of day (stamps such as "now").
#pragma once

#include "ordane/CField.h"

#include <QDate>
#include <QTime>

class CDateField : public CField
{
public:
    Q_ALWAYS_INLINE CDateField(FieldOwner *owner, const char *name,
                               const QDate &defaultValue = QDate())
        : CField(owner, name, FieldType::Date), m_date(defaultValue), m_default(defaultValue)
    {
    }

    const QDate &date() const { return m_date; }
    const QTime &time() const { return m_time; }
    void setDate(const QDate &d)
    {
        m_date = d;
        m_time = QTime();
    }
    CDateField &operator=(const QDate &d)
    {
        setDate(d);
        return *this;
    }
    // The current date and time of the clock.
    void setCurTime();

    bool IsValid() const { return m_date.isValid(); }
    int getYear() const { return m_date.year(); }
    int getMonth() const { return m_date.month(); }
    int getDay() const { return m_date.day(); }

    void reset() override
    {
        m_date = m_default;
        m_time = QTime();
    }
    void copyFrom(const CField &other) override;
    bool equals(const CField &other) const override;
    void writeValue(MyDataStream &out, int version) const override;
    // The day (64 bits) and the time of day (32 bits).
    qint64 writtenBytes(int) const override { return 12; }
    bool readValue(MyDataStream &in, int version) override;
    QString toText() const override;

private:
    QDate m_date;
    QTime m_time;
    QDate m_default;
};
