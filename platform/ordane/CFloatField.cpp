// CFloatField: the process-wide switch.
#include "ordane/CFloatField.h"

bool CFloatField::p_for_t2hollins = true;
