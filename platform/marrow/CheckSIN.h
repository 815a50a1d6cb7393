// CheckSIN: whether a text is a valid social insurance number.
#pragma once

class QString;

// Nine digits (blanks and hyphens between them are allowed) that pass the Luhn check.
bool CheckSIN(const QString &sin);
