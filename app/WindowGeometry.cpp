// The main window's placement rule.
#include "app/WindowGeometry.h"

WindowSettings placeMainWindow(const WindowSettings &stored, const QRect &primaryScreen,
                               const QRect &screenUnion)
{
    WindowSettings placed = stored;
    const bool sizeCounts = stored.width != 0 && stored.height != 0;
    if (!sizeCounts) {
        placed.width = primaryScreen.width() - 2 * stored.leftX;
        placed.height = primaryScreen.height() - 2 * stored.leftY;
    }
    if (!sizeCounts || !screenUnion.contains(QPoint(stored.leftX, stored.leftY))) {
        placed.leftX = 20;
        placed.leftY = 60;
    }
    return placed;
}
