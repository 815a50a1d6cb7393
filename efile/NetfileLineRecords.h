// Helpers of the e-file line records.
#pragma once

#include "ordane/NetfileRecords.h"

#include <initializer_list>

// True when one of the first count codes is a key of the map; false for a count of 0 or less
// or an empty map.
bool hasAnyFieldCode(const NetfileCodeMap &codes, const int *list, int count);
bool hasAnyFieldCode(const NetfileCodeMap &codes, std::initializer_list<int> list);
