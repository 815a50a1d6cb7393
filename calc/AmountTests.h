// The amount tests of the calculation, on the system's one tolerance of 0.009.
#pragma once

#include <cmath>

inline bool isNonZero(double amount)
{
    return std::fabs(amount) >= 0.009;
}
inline bool isPositive(double amount)
{
    return amount >= 0.009;
}
