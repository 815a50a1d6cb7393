// CSetCoupledFlagObj: the coupled flag onto each visited form.
#include "model/CSetCoupledFlagObj.h"

#include "marrow/CTaxData_Form.h"
#include "model/TaxDataEntryStru.h"

bool CSetCoupledFlagObj::visit(TaxDataEntryStru *entry, void *param)
{
    ++m_count;
    if (entry->data && param)
        entry->data->setCoupledReturn(*static_cast<bool *>(param));
    return true;
}
