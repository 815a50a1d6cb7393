// The box titles of the slips, as the slips print them, for the slip pages.
#pragma once

#include <QByteArray>
#include <QString>

// "Box 14: Employment income" for the T4's box14, "Payer or description" for a slip's
// description; empty for a field the table does not name.
QString slipBoxTitle(int slipType, const QByteArray &fieldName);
