// CNetfileGenObj: the form walk of the line records.
#pragma once

#include "model/CEnumTaxFormObj.h"

class CNetfileGenObj : public CEnumTaxFormObj
{
public:
    // Has every form write its records into the parameter record (a NetfileGenObjParamStru),
    // except the obsolete types, the T1273 and the financial-data forms, which are written
    // apart; counts the T2209 forms. Always true.
    bool visit(TaxDataEntryStru *entry, void *param) override;
};
