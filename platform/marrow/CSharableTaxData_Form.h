// CSharableTaxData_Form: base of the forms and slips that spouses may hold jointly.
#pragma once

#include "marrow/CTaxData_Form.h"
#include "ordane/AmountTolerance.h"
#include "ordane/CFloatField.h"

#include <cstring>

class CSharableTaxData_Form : public CTaxData_Form
{
public:
    explicit CSharableTaxData_Form(int code, int kind = KindForm) : CTaxData_Form(code, kind) {}

    // The person's part of a jointly held source, in percent.
    CFloatField sharePercent{this, "sharePercent", 100.0};

    // The person's parts ("...Share") are worked out by the pre-sum operation.
    bool isCalculatedField(const CField &field) const override
    {
        const int suffixLength = 5;
        return field.nameSize() >= suffixLength &&
               std::memcmp(field.nameData() + field.nameSize() - suffixLength, "Share",
                           suffixLength) == 0;
    }

    // Shared while the person's part is below the whole by at least the amount tolerance.
    bool isShared() const override { return sharePercent.value() <= 100.0 - kAmountTolerance; }

protected:
    // Sets every amount's share field (its name followed by "Share") to the person's part of
    // the amount; the slips with shares call it from their pre-sum operation.
    void updateShares()
    {
        const int suffixLength = 5;
        const auto isShare = [](const CField *f) {
            return f->nameSize() >= suffixLength &&
                   std::memcmp(f->nameData() + f->nameSize() - suffixLength, "Share",
                               suffixLength) == 0;
        };
        const std::vector<CField *> &all = fields();
        // Share fields are declared in the order of their amounts: each search goes on from
        // the last amount found, so a slip is matched in one pass without building names.
        size_t from = 0;
        for (CField *share : all) {
            if (share->type() != FieldType::Float || !isShare(share))
                continue;
            const int length = share->nameSize() - suffixLength;
            CField *amount = nullptr;
            for (size_t i = from; i < all.size() && !amount; ++i) {
                if (all[i]->hasName(share->nameData(), length)) {
                    amount = all[i];
                    from = i + 1;
                }
            }
            if (!amount)
                amount = findField(QByteArray(share->nameData(), length));
            if (amount && amount != &sharePercent && amount->type() == FieldType::Float &&
                !isShare(amount))
                static_cast<CFloatField *>(share)->setValue(
                    static_cast<const CFloatField *>(amount)->value() * sharePercent.value() /
                    100.0);
        }
    }
};
