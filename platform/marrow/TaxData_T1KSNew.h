// TaxData_T1KSNew: the return summary.
#pragma once

#include "marrow/FormFields.h"

// T1 summary: code 93, its re-filing copy 159 and the prior-year copy 165.
class TaxData_T1KSNew : public CTaxData_Form
{
public:
    explicit TaxData_T1KSNew(int code) : CTaxData_Form(code) {}
};
