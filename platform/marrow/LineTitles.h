// The 2025 titles of the T1 lines, so that a page shows words rather than line numbers.
#pragma once

#include <QString>

// The line's title, empty for a line the table does not name.
QString lineTitle(int line);
