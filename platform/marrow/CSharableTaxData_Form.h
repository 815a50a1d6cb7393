// CSharableTaxData_Form: base of the forms and slips that spouses may hold jointly.
#pragma once

#include "marrow/CTaxData_Form.h"
#include "ordane/AmountTolerance.h"
#include "ordane/CFloatField.h"

#include <cstring>
#include <vector>

class CSharableTaxData_Form : public CTaxData_Form
{
public:
    explicit CSharableTaxData_Form(int code, int kind = KindForm) : CTaxData_Form(code, kind) {}

    // The person's part of a jointly held source, in percent.
    CFloatField sharePercent{this, "sharePercent", 100.0};

    // The person's parts ("...Share") are worked out by the pre-sum operation.
    bool isCalculatedField(const CField &field) const override { return isShareName(field); }

    // Shared while the person's part is below the whole by at least the amount tolerance.
    bool isShared() const override { return sharePercent.value() <= 100.0 - kAmountTolerance; }

protected:
    // Sets every amount's share field (its name followed by "Share") to the person's part of
    // the amount; the slips with shares call it from their pre-sum operation, in every
    // summing of the slips.
    void updateShares()
    {
        if (!m_sharesMatched)
            matchShares();
        const double percent = sharePercent.value();
        for (const SharePair &pair : m_shares)
            pair.share->setValue(pair.amount->value() * percent / 100.0);
    }

private:
    struct SharePair
    {
        CFloatField *share;
        const CFloatField *amount;
    };

    static bool isShareName(const CField &f)
    {
        const int suffixLength = 5;
        return f.nameSize() >= suffixLength &&
               std::memcmp(f.nameData() + f.nameSize() - suffixLength, "Share", suffixLength) == 0;
    }

    // Pairs each share field with its amount once: the fields are the object's own and fixed
    // once it is built, and matching names on every summing cost more than the summing.
    void matchShares()
    {
        const int suffixLength = 5;
        const std::vector<CField *> &all = fields();
        // Share fields are declared in the order of their amounts: each search goes on from
        // the last amount found, so a slip is matched in one pass without building names.
        size_t from = 0;
        for (CField *share : all) {
            if (share->type() != FieldType::Float || !isShareName(*share))
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
                !isShareName(*amount))
                m_shares.push_back(
                    {static_cast<CFloatField *>(share), static_cast<const CFloatField *>(amount)});
        }
        m_sharesMatched = true;
    }

    std::vector<SharePair> m_shares;
    bool m_sharesMatched = false;
};
