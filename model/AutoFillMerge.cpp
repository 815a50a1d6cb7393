// The Auto-fill merge hook and its default.
#include "model/AutoFillMerge.h"

namespace {

int mergeNothing(IndividualTaxData &, TDDTaxDataOnePerson *, DataAFR *)
{
    return 0;
}

AutoFillMerge s_merge = mergeNothing;

} // namespace

void setAutoFillMerge(AutoFillMerge merge)
{
    s_merge = merge ? merge : mergeNothing;
}

AutoFillMerge autoFillMerge()
{
    return s_merge;
}
