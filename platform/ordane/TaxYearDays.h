// Day counts of a tax year: its length and the days a person was resident in Canada.
#pragma once

class QDate;

// 365 or 366.
int GetDaysInYear(int year);

// The days of the year from the date of entry to the date of departure, both included. An
// invalid date leaves that end open (1 January, 31 December); dates outside the year are
// brought to its ends. 0 when the person was not in Canada during the year.
int DaysInCanadaInTaxYear(int year, const QDate &entry, const QDate &departure);
