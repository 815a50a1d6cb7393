// DataDlgChangeProv: the answers of the change-province wizard.
#pragma once

#include "ordane/CIntField.h"
#include "ordane/CWSBaseData.h"

class DataDlgChangeProv : public CWSBaseData
{
public:
    // Whether both spouses move: the first choice, "Yes (change both)".
    enum ChangeBoth
    {
        ChangeBothPersons = 0,
        ChangeCurrentOnly = 1
    };

    CIntField fld_NewTaxProv{this, "NewTaxProv"};
    CIntField fld_ChgBoth{this, "ChgBoth", ChangeBothPersons};
};
