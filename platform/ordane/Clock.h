// The one clock every date and time of the program reads, settable by tests.
#pragma once

#include <QDateTime>

// The local date and time: the real clock unless a fixed time was set.
QDateTime now();
// Fixes the clock at the time; an invalid time (the default) goes back to the real clock.
void setNow(const QDateTime &fixed = QDateTime());
