// The settable clock.
#include "ordane/Clock.h"

namespace {
// Only tests set it; the program always runs on the real clock.
QDateTime s_fixed;
} // namespace

QDateTime now()
{
    return s_fixed.isValid() ? s_fixed : QDateTime::currentDateTime();
}

void setNow(const QDateTime &fixed)
{
    s_fixed = fixed;
}
