// CSharableTaxData_Form: base of the forms and slips that spouses may hold jointly.
#pragma once

#include "marrow/CTaxData_Form.h"
#include "ordane/CFloatField.h"

class CSharableTaxData_Form : public CTaxData_Form
{
public:
    explicit CSharableTaxData_Form(int code, int kind = KindForm) : CTaxData_Form(code, kind) {}

    // The person's part of a jointly held source, in percent.
    CFloatField sharePercent{this, "sharePercent", 100.0};

    // Shared while the person's part is below the whole by at least the amount tolerance.
    bool isShared() const override { return sharePercent.value() <= 100.0 - 0.009; }
};
