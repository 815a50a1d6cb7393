// The amount tests of the calculation, on the system's one tolerance.
#pragma once

#include "ordane/AmountTolerance.h"

#include <cmath>

inline bool isNonZero(double amount)
{
    return std::fabs(amount) >= kAmountTolerance;
}
inline bool isPositive(double amount)
{
    return amount >= kAmountTolerance;
}
// a exceeds b: larger by at least the tolerance.
inline bool exceeds(double a, double b)
{
    return a - b >= kAmountTolerance;
}
