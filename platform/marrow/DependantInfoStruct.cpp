// DependantInfoStruct: records, name cutting and the bounded dependants block.
#include "marrow/DependantInfoStruct.h"

#include "ordane/MyDataStream.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr quint32 kMaxTextBytes = 4096;

// As the form fields do: a calculation's NaN or infinity is stored as 0. One read from an
// earlier file becomes 0 too, or the loaded return would never compare equal to its copy.
double finiteOrZero(double amount)
{
    return std::isfinite(amount) ? amount : 0.0;
}
constexpr qint64 kNullDay = 0;
// Two names, a date, three ints or doubles and two text lengths at the least.
constexpr qint64 kMinRecordBytes = 2 * DependantRecord::kNameBytes + 8 + 4 + 8 + 4 + 4 + 4 + 8;

bool readName(MyDataStream &ar, char (&field)[DependantRecord::kNameBytes])
{
    if (ar.Read(field, DependantRecord::kNameBytes) != DependantRecord::kNameBytes)
        return false;
    if (std::memchr(field, 0, DependantRecord::kNameBytes) == nullptr) {
        ar.setCorrupt();
        return false;
    }
    return true;
}

bool readRecord(MyDataStream &ar, DependantRecord &r)
{
    if (!readName(ar, r.firstName) || !readName(ar, r.lastName))
        return false;
    qint64 day = 0;
    qint32 relationship = 0;
    qint32 infirm = 0;
    ar.setFloatingPointPrecision(QDataStream::DoublePrecision);
    ar >> day >> relationship >> r.netIncome >> infirm;
    if (ar.status() != QDataStream::Ok)
        return false;
    r.birthDate = day == kNullDay ? QDate() : QDate::fromJulianDay(day);
    if (day != kNullDay && !r.birthDate.isValid()) {
        ar.setCorrupt();
        return false;
    }
    r.relationship = relationship;
    r.netIncome = finiteOrZero(r.netIncome);
    r.infirm = infirm;
    QString sin;
    QString relationText;
    if (!ar.readText(sin, kMaxTextBytes) || !ar.readText(relationText, kMaxTextBytes))
        return false;
    r.sin = sin;
    r.relationText = relationText;
    ar >> r.otherAmount;
    r.otherAmount = finiteOrZero(r.otherAmount);
    return ar.status() == QDataStream::Ok;
}

// The last byte is always written as the NUL the reader requires, whatever the array holds.
void writeName(MyDataStream &ar, const char (&field)[DependantRecord::kNameBytes])
{
    ar.writeRawData(field, DependantRecord::kNameBytes - 1);
    ar << quint8(0);
}

void writeRecord(MyDataStream &ar, const DependantRecord &r)
{
    writeName(ar, r.firstName);
    writeName(ar, r.lastName);
    ar.setFloatingPointPrecision(QDataStream::DoublePrecision);
    ar << qint64(r.birthDate.isValid() ? r.birthDate.toJulianDay() : kNullDay);
    ar << qint32(r.relationship) << finiteOrZero(r.netIncome) << qint32(r.infirm);
    ar.writeText(r.sin, kMaxTextBytes);
    ar.writeText(r.relationText, kMaxTextBytes);
    ar << finiteOrZero(r.otherAmount);
}
} // namespace

void DependantRecord::setName(char (&field)[kNameBytes], const QString &text)
{
    const QByteArray bytes = MyDataStream::utf8Within(text, kNameBytes - 1);
    std::memset(field, 0, kNameBytes);
    std::memcpy(field, bytes.constData(), size_t(bytes.size()));
}

QString DependantRecord::nameText(const char (&field)[kNameBytes])
{
    return QString::fromUtf8(field, int(qstrnlen(field, kNameBytes)));
}

bool DependantRecord::operator==(const DependantRecord &o) const
{
    return std::memcmp(firstName, o.firstName, kNameBytes) == 0 &&
           std::memcmp(lastName, o.lastName, kNameBytes) == 0 && birthDate == o.birthDate &&
           relationship == o.relationship && netIncome == o.netIncome && infirm == o.infirm &&
           sin == o.sin && relationText == o.relationText && otherAmount == o.otherAmount;
}

bool DependantRecord::isChild() const
{
    return std::find(std::begin(kChildRelationships), std::end(kChildRelationships),
                     relationship) != std::end(kChildRelationships);
}

int DependantRecord::ageAtYearEnd() const
{
    if (!birthDate.isValid())
        return -1;
    const QDate yearEnd(kTaxYear, 12, 31);
    int age = yearEnd.year() - birthDate.year();
    if (birthDate.addYears(age) > yearEnd)
        --age;
    return age;
}

template <typename Test> int DependantInfoStruct::countWhere(Test test) const
{
    return int(std::count_if(m_records.begin(), m_records.end(), [&](const DependantRecord &r) {
        return r.ageAtYearEnd() >= 0 && test(r, r.ageAtYearEnd());
    }));
}

int DependantInfoStruct::GetDepNumberBetweenAges(int from, int to) const
{
    return countWhere([&](const DependantRecord &, int age) { return age >= from && age <= to; });
}

int DependantInfoStruct::GetDepChildrenNumberBetweenAges(int from, int to) const
{
    return countWhere(
        [&](const DependantRecord &r, int age) { return r.isChild() && age >= from && age <= to; });
}

int DependantInfoStruct::GetDepChildrenNumberBetweenAges_Infirm(int from, int to, bool infirm) const
{
    return countWhere([&](const DependantRecord &r, int age) {
        return r.isChild() && age >= from && age <= to && (r.infirm != 0) == infirm;
    });
}

int DependantInfoStruct::GetInfirmDependantsNumberNotUnderAge(int minimumAge) const
{
    return countWhere(
        [&](const DependantRecord &r, int age) { return r.infirm != 0 && age >= minimumAge; });
}

int DependantInfoStruct::GetInfirmDependentNumberUnderAge18() const
{
    return countWhere([](const DependantRecord &r, int age) { return r.infirm != 0 && age < 18; });
}

int DependantInfoStruct::GetDepChildrenNumberForLine305() const
{
    return countWhere([](const DependantRecord &r, int age) {
        return r.isChild() && (age < 18 || r.infirm != 0);
    });
}

int DependantInfoStruct::GetDepOtherThanChildrenNumberForLine305() const
{
    return countWhere([](const DependantRecord &r, int age) {
        return !r.isChild() && (age < 18 || r.infirm != 0);
    });
}

bool DependantInfoStruct::operator==(const DependantInfoStruct &other) const
{
    return m_records == other.m_records;
}

void DependantInfoStruct::AllocData(int n)
{
    FreeData();
    m_records.resize(size_t(qBound(0, n, kMaxRecords)));
    m_count = int(m_records.size());
}

void DependantInfoStruct::FreeData()
{
    m_records.clear();
    m_records.shrink_to_fit();
    m_count = 0;
}

void DependantInfoStruct::serilize(int, MyDataStream &ar)
{
    if (ar.IsStoring()) {
        // The records decide the count: a count set by hand never reaches the file.
        m_count = int(m_records.size());
        ar << qint32(m_count);
        for (const DependantRecord &r : m_records)
            writeRecord(ar, r);
        return;
    }
    FreeData();
    qint32 count = 0;
    ar >> count;
    if (ar.status() != QDataStream::Ok)
        return;
    if (count > kMaxRecords || !ar.fitsRemaining(count, kMinRecordBytes)) {
        ar.setCorrupt();
        return;
    }
    for (qint32 i = 0; i < count; ++i) {
        DependantRecord r;
        if (!readRecord(ar, r))
            break;
        m_records.push_back(r);
    }
    m_count = int(m_records.size());
}
