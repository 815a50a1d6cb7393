// TaxData_T1New: the T1 General, the person's main form.
#pragma once

#include "marrow/FormFields.h"

// T1 General: the person's main form.
class TaxData_T1New : public CTaxData_Form
{
public:
    TaxData_T1New() : CTaxData_Form(1) {}
};
