// DataShareAmtDlg: the amounts the spouses may share, as the shareable-amounts page edits them
// (1 the taxpayer, 2 the spouse, 3 the rest of the couple's amount).
#pragma once

#include "ordane/CFloatField.h"
#include "ordane/CWSBaseData.h"

class DataShareAmtDlg : public CWSBaseData
{
public:
    // What the return already claims is shown, not edited: the _Claimed amounts and the four
    // pension amounts the optimise command takes from the T1032.
    CFloatField fld_BankInterest_1_Claimed{this, "BankInterest_1_Claimed", true, 0.0, 0, true, 0,
                                           0,    CFloatField::kDisplayOnly};
    CFloatField fld_BankInterest_1{this, "BankInterest_1"};
    CFloatField fld_BankInterest_2_Claimed{this, "BankInterest_2_Claimed", true, 0.0, 0, true, 0,
                                           0,    CFloatField::kDisplayOnly};
    CFloatField fld_BankInterest_2{this, "BankInterest_2"};
    CFloatField fld_BankInterest_3{this, "BankInterest_3"};
    CFloatField fld_Donation_1_Claimed{this, "Donation_1_Claimed",     true, 0.0, 0, true, 0,
                                       0,    CFloatField::kDisplayOnly};
    CFloatField fld_Donation_1{this, "Donation_1"};
    CFloatField fld_Donation_2_Claimed{this, "Donation_2_Claimed",     true, 0.0, 0, true, 0,
                                       0,    CFloatField::kDisplayOnly};
    CFloatField fld_Donation_2{this, "Donation_2"};
    CFloatField fld_Donation_3{this, "Donation_3"};
    CFloatField fld_CapGain_1_Claimed{this, "CapGain_1_Claimed",      true, 0.0, 0, true, 0,
                                      0,    CFloatField::kDisplayOnly};
    CFloatField fld_CapGain_1{this, "CapGain_1"};
    CFloatField fld_CapGain_2_Claimed{this, "CapGain_2_Claimed",      true, 0.0, 0, true, 0,
                                      0,    CFloatField::kDisplayOnly};
    CFloatField fld_CapGain_2{this, "CapGain_2"};
    CFloatField fld_CapGain_3{this, "CapGain_3"};
    CFloatField fld_Pension_1_Claimed{this, "Pension_1_Claimed",      true, 0.0, 0, true, 0,
                                      0,    CFloatField::kDisplayOnly};
    CFloatField fld_Pension_1{
        this, "Pension_1", true, 0.0, 0, true, 0, 0, CFloatField::kDisplayOnly};
    CFloatField fld_Pension_2_Claimed{this, "Pension_2_Claimed",      true, 0.0, 0, true, 0,
                                      0,    CFloatField::kDisplayOnly};
    CFloatField fld_Pension_2{
        this, "Pension_2", true, 0.0, 0, true, 0, 0, CFloatField::kDisplayOnly};

    // A spouse shares at most the donations that spouse's Schedule 9 claims; interest and
    // capital gains are not capped. Always 0.
    int normalizeData() override
    {
        if (fld_Donation_1 > fld_Donation_1_Claimed)
            fld_Donation_1 = fld_Donation_1_Claimed.value();
        if (fld_Donation_2 > fld_Donation_2_Claimed)
            fld_Donation_2 = fld_Donation_2_Claimed.value();
        return 0;
    }
};
