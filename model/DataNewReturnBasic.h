// DataNewReturnBasic: the answers of the new-return wizard, read to create the return file.
#pragma once

#include "ordane/CBoolField.h"
#include "ordane/CDateField.h"
#include "ordane/CIntField.h"
#include "ordane/CStringField.h"
#include "ordane/CWSBaseData.h"

#include <QDate>
#include <array>

class DataNewReturnBasic : public CWSBaseData
{
public:
    DataNewReturnBasic() = default;

    // A spouse for the married (0) and common-law (1) statuses; -1 (none chosen) gives false.
    bool hasSpouse() const { return unsigned(fld_MaritalStatus.value()) < 2; }
    int normalizeData() override { return 0; }
    // The base copies registered fields only; these are not registered.
    void copyFrom(const CWSBaseData &other) override
    {
        const auto *answers = dynamic_cast<const DataNewReturnBasic *>(&other);
        if (!answers || answers == this)
            return;
        const auto mine = allFields();
        const auto theirs = const_cast<DataNewReturnBasic *>(answers)->allFields();
        for (size_t i = 0; i < mine.size(); ++i)
            mine[i]->copyFrom(*theirs[i]);
    }

    // The pages bind the fields by these names; none is registered with the base list.
    CStringField fld_FirstName{nullptr, "fld_FirstName", 50};
    CStringField fld_LastName{nullptr, "fld_LastName", 50};
    CStringField fld_sin{nullptr, "fld_sin", 50};
    CDateField fld_dob{nullptr, "fld_dob", QDate(1980, 1, 1)};
    CIntField fld_TaxPronv{nullptr, "fld_TaxPronv", 0};
    CIntField fld_MaritalStatus{nullptr, "fld_MaritalStatus", -1};
    CStringField fld_FirstNameSpouse{nullptr, "fld_FirstNameSpouse", 50};
    CStringField fld_LastNameSpouse{nullptr, "fld_LastNameSpouse", 50};
    CBoolField fld_Coupled{nullptr, "fld_Coupled", false};
    CBoolField fld_SpouseNonResident{nullptr, "fld_SpouseNonResident", false};
    CStringField fld_sinSpouse{nullptr, "fld_sinSpouse", 50};
    CDateField fld_dobSpouse{nullptr, "fld_dobSpouse", QDate(1980, 1, 1)};
    CIntField fld_TaxPronvSpouse{nullptr, "fld_TaxPronvSpouse", 0};
    CBoolField fld_bSch3{nullptr, "fld_bSch3", false};
    CBoolField fld_bSch4{nullptr, "fld_bSch4", false};
    CBoolField fld_bSch6{nullptr, "fld_bSch6", false};
    CBoolField fld_bSch7{nullptr, "fld_bSch7", false};
    CBoolField fld_bSch9{nullptr, "fld_bSch9", false};
    CBoolField fld_bSch11{nullptr, "fld_bSch11", false};
    CBoolField fld_bSch15{nullptr, "fld_bSch15", false};
    CBoolField fld_bT776{nullptr, "fld_bT776", false};
    CBoolField fld_bT2125{nullptr, "fld_bT2125", false};

    // Every field, in the table's order.
    std::array<CField *, 22> allFields()
    {
        return {&fld_FirstName,
                &fld_LastName,
                &fld_sin,
                &fld_dob,
                &fld_TaxPronv,
                &fld_MaritalStatus,
                &fld_FirstNameSpouse,
                &fld_LastNameSpouse,
                &fld_Coupled,
                &fld_SpouseNonResident,
                &fld_sinSpouse,
                &fld_dobSpouse,
                &fld_TaxPronvSpouse,
                &fld_bSch3,
                &fld_bSch4,
                &fld_bSch6,
                &fld_bSch7,
                &fld_bSch9,
                &fld_bSch11,
                &fld_bSch15,
                &fld_bT776,
                &fld_bT2125};
    }
};
