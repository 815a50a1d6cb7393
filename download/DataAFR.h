// DataAFR: what the user chose to take from a downloaded Auto-fill record.
#pragma once

#include "ordane/CBoolField.h"
#include "ordane/CIntField.h"
#include "ordane/CWSBaseData.h"

// Slip-type codes of the two downloaded kinds that have no slip form of their own: the merge
// reads them itself (Schedule 3 rows and Schedule 7 amounts).
namespace DownloadSlipType {
constexpr int T5008 = 19;
constexpr int RRSPReceipt = 20;
} // namespace DownloadSlipType

class DataAFR : public CWSBaseData
{
public:
    // The fill option: every element, or only the elements whose flag is set. Nothing chosen
    // yet (NotChosen) counts as OnlySelected, so an untouched choice never takes everything.
    enum FillOption
    {
        NotChosen = -1,
        AllElements = 0,
        OnlySelected = 1
    };

    DataAFR();
    ~DataAFR() override;

    // Doing nothing keeps the user's ticks exactly as the pages left them.
    int normalizeData() override;

    // True under AllElements; otherwise the flag of the slip type. T5013 and every code
    // without a flag are taken under AllElements only.
    bool isSlipTypeSelected(int slipType) const;
    bool isTuitionSelected() const;
    bool isInstalmentSelected() const;
    bool isRRSPLimitSelected() const;
    bool isRRSPContributionSelected() const;
    bool isHBPLLPSelected() const;

    // Registration order is the order the pages and the saved text list them: keep it.
    CIntField fld_iFillOption{this, "iFillOption", NotChosen};
    CBoolField fld_bT4{this, "bT4"};
    CBoolField fld_bT4A{this, "bT4A"};
    CBoolField fld_bT4AOAS{this, "bT4AOAS"};
    CBoolField fld_bT4AP{this, "bT4AP"};
    CBoolField fld_bT4E{this, "bT4E"};
    CBoolField fld_bT4FHSA{this, "bT4FHSA"};
    CBoolField fld_bT4RIF{this, "bT4RIF"};
    CBoolField fld_bT1204{this, "bT1204"};
    CBoolField fld_bT3{this, "bT3"};
    CBoolField fld_bT5{this, "bT5"};
    CBoolField fld_bPRPP{this, "bPRPP"};
    CBoolField fld_bRC62{this, "bRC62"};
    CBoolField fld_bRC210{this, "bRC210"};
    CBoolField fld_bT5007{this, "bT5007"};
    CBoolField fld_bT5008{this, "bT5008"};
    CBoolField fld_bTuition{this, "bTuition"};
    CBoolField fld_bT2202{this, "bT2202"};
    CBoolField fld_bMBSB{this, "bMBSB"};
    CBoolField fld_bInstalment{this, "bInstalment"};
    CBoolField fld_bRRSPLimit{this, "bRRSPLimit"};
    CBoolField fld_bT4RSP{this, "bT4RSP"};
    CBoolField fld_bRRSPContribution{this, "bRRSPContribution"};
    CBoolField fld_bHBPLLP{this, "bHBPLLP"};

private:
    bool takesEverything() const;
    // The step's own flag unless every element is taken.
    bool selectedBy(const CBoolField &flag) const;
};
