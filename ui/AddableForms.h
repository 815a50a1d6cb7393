// collectAddableForms: the form types the add-form command offers for a person.
#pragma once

#include <QList>

// Appends, in this order: the forms of each loaded province (list order, rows whose flag is 0),
// the federal forms a user adds by hand that are neither expired nor selected-financial-data
// forms (never the T1, Schedule 10 or the summary), then every selected-financial-data form.
void collectAddableForms(const QList<int> &provinces, QList<int> &formTypes);
