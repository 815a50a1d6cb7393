// Day counts of a tax year.
#include "ordane/TaxYearDays.h"

#include <QDate>
#include <algorithm>

int GetDaysInYear(int year)
{
    return QDate(year, 1, 1).daysInYear();
}

int DaysInCanadaInTaxYear(int year, const QDate &entry, const QDate &departure)
{
    const QDate first(year, 1, 1);
    const QDate last(year, 12, 31);
    const QDate from = entry.isValid() ? std::max(entry, first) : first;
    const QDate to = departure.isValid() ? std::min(departure, last) : last;
    return from > to ? 0 : int(from.daysTo(to)) + 1;
}
