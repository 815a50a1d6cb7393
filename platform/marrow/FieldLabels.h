// Labels of a form's fields for the generic page, made from the fields' names.
#pragma once

#include <QByteArray>
#include <QString>

// "box16A" gives "Box 16A", "amtA" "Amount A", a line number its 2025 title ("Line 12100"
// where the title table has none), any other name its camel case split ("provinceOfEmployment"
// gives "Province of employment").
QString fieldLabel(const QByteArray &name);
