// CSetCoupledFlagObj: gives every form of a person the coupled flag that param points to.
#pragma once

#include "model/CEnumTaxFormObj.h"

class CSetCoupledFlagObj : public CEnumTaxFormObj
{
public:
    // param: a bool*.
    bool visit(TaxDataEntryStru *entry, void *param) override;
};
