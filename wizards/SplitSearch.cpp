// SplitSearch: coarse levels over the whole range, finer levels inside each bent interval.
#include "wizards/SplitSearch.h"

#include <QVector>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kSteps[] = {100, 10, 1, 0.1};
constexpr int kLevels = 4;
// A balance in cents: a midpoint further than this off the chord means the interval bends.
constexpr double kLinearTolerance = 0.01;

struct Point
{
    double x;
    double balance;
};

class Search
{
public:
    Search(double start, double startBalance, const SplitTrial &trial)
        : m_best{start, startBalance}, m_trial(trial)
    {
    }

    Point run(double x)
    {
        ++m_trials;
        const Point p{x, m_trial(x)};
        if (p.balance < m_best.balance)
            m_best = p;
        return p;
    }

    // The finer levels inside [a, b], each narrowed around the interval's best point.
    void refine(const Point &a, const Point &b, const Point &middle)
    {
        Point local = a;
        for (const Point &p : {middle, b}) {
            if (p.balance < local.balance)
                local = p;
        }
        double low = a.x;
        double high = b.x;
        for (int level = 1; level < kLevels; ++level) {
            const double step = kSteps[level];
            for (double x = low; x < high; x += step) {
                const Point p = run(x);
                if (p.balance < local.balance)
                    local = p;
            }
            low = std::max(a.x, local.x - step);
            high = std::min(b.x, local.x + step);
        }
    }

    Point best() const { return m_best; }
    int trials() const { return m_trials; }

private:
    Point m_best;
    const SplitTrial &m_trial;
    int m_trials = 0;
};

} // namespace

double findLowestBalance(double low, double high, double start, double startBalance,
                         const SplitTrial &trial, int *trials)
{
    if (!(high > low))
        return start;
    Search search(start, startBalance, trial);
    QVector<Point> coarse;
    for (double x = low; x < high; x += kSteps[0])
        coarse.append(search.run(x));
    coarse.append(search.run(high));
    // The coarse best's neighbours are refined whatever their shape, as a plain search would.
    const double coarseBest = search.best().x;
    for (int i = 0; i + 1 < coarse.size(); ++i) {
        const Point &a = coarse.at(i);
        const Point &b = coarse.at(i + 1);
        const Point middle = search.run((a.x + b.x) / 2);
        const bool bent =
            std::fabs(middle.balance - (a.balance + b.balance) / 2) > kLinearTolerance;
        const bool besideBest = coarseBest >= a.x && coarseBest <= b.x;
        if (bent || besideBest)
            search.refine(a, b, middle);
    }
    if (trials)
        *trials += search.trials();
    return search.best().x;
}
