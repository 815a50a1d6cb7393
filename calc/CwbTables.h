// The Canada Workers Benefit figures of the review's hints, by province, in one place.
#pragma once

// One row per province code 0 to 13. Columns 0 to 3 with the disability amount claimed, 4 to 7
// without; within each half: minimum working income for one person, for a family, income
// limit for one person, for a family.
struct CwbThresholdRow
{
    double column[8];
};
const CwbThresholdRow &cwbThresholdRow(int province);

// The working-income minimum M and adjusted-income limit L of the workers benefit test.
struct CwbLimit
{
    double limit;
    double minimum;
};
CwbLimit cwbLimitFor(int province, bool spouse, bool children, bool disability);
