// The one tolerance of the whole system: an amount at least this far from zero is present, and
// two amounts closer than this are equal.
#pragma once

constexpr double kAmountTolerance = 0.009;
