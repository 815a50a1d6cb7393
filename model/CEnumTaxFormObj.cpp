// The visitor bases' defaults: count and go on.
#include "model/CEnumTaxFormObj.h"

bool CEnumTaxFormObj::visit(TaxDataEntryStru *, void *)
{
    ++m_count;
    return true;
}

bool CEnumTaxFormObj::begin(void *)
{
    return true;
}

bool CEnumTaxFormObj::end(void *)
{
    return true;
}

bool CEnumTaxSlipObj::visit(TaxDataEntryStru *, void *)
{
    ++m_count;
    return true;
}

bool CEnumTaxSlipObj::begin(void *)
{
    return true;
}

bool CEnumTaxSlipObj::end(void *)
{
    return true;
}

bool CEnumTaxNoteObj::visit(TaxNoteEntryStru *, void *)
{
    ++m_count;
    return true;
}

bool CEnumTaxWizardObj::visit(TaxWizardEntryStru *, void *)
{
    ++m_count;
    return true;
}
