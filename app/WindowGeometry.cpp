// The main window's placement rule.
#include "app/WindowGeometry.h"

#include <QtGlobal>
#include <climits>

namespace {

// Stored settings are any int, so sums and products are taken in 64 bits.
int toInt(qint64 value)
{
    return int(qBound<qint64>(INT_MIN, value, INT_MAX));
}

// The side's start and length inside [areaStart, areaStart + areaLength).
void fitSide(int &start, int &length, int areaStart, int areaLength)
{
    if (length <= 0 || length > areaLength)
        length = areaLength;
    const qint64 last = qint64(areaStart) + areaLength - length;
    start = toInt(qBound<qint64>(areaStart, start, last));
}

} // namespace

WindowSettings placeMainWindow(const WindowSettings &stored, const QRect &primaryScreen,
                               const QRect &screenUnion)
{
    WindowSettings placed = stored;
    const bool sizeCounts = stored.width != 0 && stored.height != 0;
    if (!sizeCounts) {
        placed.width = toInt(qint64(primaryScreen.width()) - 2 * qint64(stored.leftX));
        placed.height = toInt(qint64(primaryScreen.height()) - 2 * qint64(stored.leftY));
    }
    if (!sizeCounts || !screenUnion.contains(QPoint(stored.leftX, stored.leftY))) {
        placed.leftX = 20;
        placed.leftY = 60;
    }
    return placed;
}

WindowSettings fitIntoArea(const WindowSettings &window, const QRect &area)
{
    if (area.isEmpty())
        return window;
    WindowSettings fitted = window;
    fitSide(fitted.leftX, fitted.width, area.left(), area.width());
    fitSide(fitted.leftY, fitted.height, area.top(), area.height());
    return fitted;
}
