// The main window's placement rule for stored window settings.
#pragma once

#include <QRect>

struct WindowSettings
{
    int leftX = 0;
    int leftY = 0;
    int width = 0;
    int height = 0;
};

// A stored size counts only when width and height are both non-zero; otherwise the size is the
// primary screen's minus twice the stored position. The position moves to (20, 60) when the
// stored size did not count or the stored point lies outside the union of all screens (its
// edges count as inside). Computed without overflow; a result beyond an int is held at its
// limit.
WindowSettings placeMainWindow(const WindowSettings &stored, const QRect &primaryScreen,
                               const QRect &screenUnion);

// Moves the window into the area (a screen's available geometry), shrinking a side only where
// it is larger than the area; a side that is not positive takes the area's. An empty area
// changes nothing.
WindowSettings fitIntoArea(const WindowSettings &window, const QRect &area);

inline bool operator==(const WindowSettings &a, const WindowSettings &b)
{
    return a.leftX == b.leftX && a.leftY == b.leftY && a.width == b.width && a.height == b.height;
}
