// SplitSearch: the coarse-to-fine search for the division with the lowest family balance.
#pragma once

#include <functional>

// Writes a trial value into the return, recalculates it and gives the family balance.
using SplitTrial = std::function<double(double value)>;

// The value in [low, high] with the lowest balance, starting from a value whose balance is
// known. Levels of 100, 10, 1 and 0.1 from the lower bound; the upper bound is tried too.
// A trial wins only when strictly lower, so the start wins ties and, among equal trials, the
// first one tried. Every coarse interval on which the balance is not linear (its midpoint
// off the chord by more than a cent) is refined, not only the best one, so a second basin
// (an age amount or a benefit recovery range) is not lost. Nothing is tried when high is not
// above low. The count, when given, grows by the number of trials.
double findLowestBalance(double low, double high, double start, double startBalance,
                         const SplitTrial &trial, int *trials = nullptr);
