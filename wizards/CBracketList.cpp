// CBracketList: sorted thresholds and the walk that brings two incomes into one bracket.
#include "wizards/CBracketList.h"

#include <algorithm>

void CBracketList::insertSorted(double x)
{
    m_values.insert(indexAbove(x), x);
}

int CBracketList::indexAbove(double x) const
{
    return int(std::upper_bound(m_values.cbegin(), m_values.cend(), x) - m_values.cbegin());
}

double CBracketList::at(int i) const
{
    return m_values.at(std::clamp(i, 0, count() - 1));
}

void CBracketList::findEqualisingTransfer(SpouseIncomePair first, SpouseIncomePair second,
                                          double &farthest, double &nearest) const
{
    farthest = nearest = 0;
    const int n = count();
    if (n == 0 || (first.income < at(0) && second.income < at(0)))
        return;
    const int firstIndex = indexAbove(first.income);
    const int secondIndex = indexAbove(second.income);
    // The spouse in the higher bracket gives; on a tie the second one gives.
    const bool secondGives = secondIndex >= firstIndex;
    SpouseIncomePair &giver = secondGives ? second : first;
    SpouseIncomePair &receiver = secondGives ? first : second;
    int l = secondGives ? firstIndex : secondIndex;
    int h = secondGives ? secondIndex : firstIndex;

    double sum = 0;
    bool stopped = false;
    while (l < h) {
        const double receiverGap = m_values.at(l) - receiver.income;
        const double giverGap = giver.income - m_values.at(h - 1);
        double step = 0;
        if (receiverGap < giverGap) {
            step = receiverGap;
            ++l;
        } else {
            step = giverGap;
            --h;
        }
        if (giver.shareable < step) {
            // The giver runs out before the brackets meet: everything it can give moves.
            farthest = nearest = sum + giver.shareable;
            stopped = true;
            break;
        }
        receiver.income += step;
        receiver.shareable += step;
        giver.income -= step;
        giver.shareable -= step;
        sum += step;
    }
    if (!stopped) {
        const int k = l;
        if (k == 0) {
            farthest = nearest = sum;
        } else {
            const double floor = m_values.at(k - 1);
            double far = std::min(giver.income - floor, giver.shareable);
            double near = std::min(receiver.income - floor, receiver.shareable);
            if (k < n) {
                const double ceiling = m_values.at(k);
                far = std::min(far, ceiling - receiver.income);
                near = std::min(near, ceiling - giver.income);
            }
            farthest = sum + far;
            nearest = sum - near;
        }
    }
    if (secondGives) {
        farthest = -farthest;
        nearest = -nearest;
    }
}
