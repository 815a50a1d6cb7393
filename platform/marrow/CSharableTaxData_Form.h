// CSharableTaxData_Form: base of the forms and slips that spouses may hold jointly.
#pragma once

#include "marrow/CTaxData_Form.h"
#include "ordane/AmountTolerance.h"
#include "ordane/CFloatField.h"

class CSharableTaxData_Form : public CTaxData_Form
{
public:
    explicit CSharableTaxData_Form(int code, int kind = KindForm) : CTaxData_Form(code, kind) {}

    // The person's part of a jointly held source, in percent.
    CFloatField sharePercent{this, "sharePercent", 100.0};

    // Shared while the person's part is below the whole by at least the amount tolerance.
    bool isShared() const override { return sharePercent.value() <= 100.0 - kAmountTolerance; }

protected:
    // Sets every amount's share field (its name followed by "Share") to the person's part of
    // the amount; the slips with shares call it from their pre-sum operation.
    void updateShares()
    {
        for (CField *field : fields()) {
            if (field->type() != FieldType::Float || field == &sharePercent ||
                field->name().endsWith("Share"))
                continue;
            CField *share = findField(field->name() + "Share");
            if (share && share->type() == FieldType::Float)
                static_cast<CFloatField *>(share)->setValue(
                    static_cast<const CFloatField *>(field)->value() * sharePercent.value() /
                    100.0);
        }
    }
};
