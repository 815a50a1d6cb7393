// CBracketList: the tax-bracket thresholds of the sharing optimiser and its bracket walk.
#pragma once

#include <QList>

// One spouse's input to the walk: taxable income and the amount this spouse could give up.
struct SpouseIncomePair
{
    double income = 0;
    double shareable = 0;

    void set(double taxableIncome, double shareableAmount)
    {
        income = taxableIncome;
        shareable = shareableAmount;
    }
};

// Thresholds in ascending order; equal values are all kept, a new one after the equal ones.
// The bracket index of an income is the number of thresholds at or below it, so an income
// equal to a threshold lies in the bracket above that threshold.
class CBracketList
{
public:
    void init() { m_values.clear(); }
    void clear() { m_values.clear(); }
    // Inserts x before the first value greater than x.
    void insertSorted(double x);
    int count() const { return m_values.size(); }
    // The position of the first value greater than x, or the count when there is none.
    int indexAbove(double x) const;
    // The value at i; an index of 0 or less gives the first value. The list must not be empty.
    double at(int i) const;

    // The transfer that puts both spouses in the same bracket. Both results are signed: a
    // positive one moves income from the first spouse to the second. [nearest, farthest] is
    // the range of transfers, seen from the giver, that leave both in that bracket.
    void findEqualisingTransfer(SpouseIncomePair first, SpouseIncomePair second, double &farthest,
                                double &nearest) const;

private:
    QList<double> m_values;
};
