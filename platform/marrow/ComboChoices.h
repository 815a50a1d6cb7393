// ComboChoices: the rows of the form tables that the framework's drop-down lists show.
#pragma once

#include <QList>

#include "ordane/CT1ComboBox.h"

// An empty first choice (data 0: no province), then each province with its code.
QList<ComboChoice> provinceChoices();
// One choice per form type of the list, in order: its name shown, its type as the data, its
// identifier and short code matched by a filter too. A type without a row is left out.
QList<ComboChoice> formChoices(const QList<int> &types);
