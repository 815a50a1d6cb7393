// Province texts as the tax authority writes them, read into the return's province codes.
#pragma once

#include "ordane/CString.h"

// The province code (1 Alberta to 13 Yukon, the return's numbering) of a two-letter
// abbreviation or an English or French name, any case, blanks around it ignored; 0 for any
// other text, an empty one included.
int getProvince(const CString &text);
