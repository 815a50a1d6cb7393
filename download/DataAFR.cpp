// DataAFR: the Auto-fill choice and the rules that read it.
#include "download/DataAFR.h"

#include "marrow/TypeCodes.h"

DataAFR::DataAFR() = default;

DataAFR::~DataAFR() = default;

int DataAFR::normalizeData()
{
    return 0;
}

bool DataAFR::takesEverything() const
{
    return fld_iFillOption == AllElements;
}

bool DataAFR::selectedBy(const CBoolField &flag) const
{
    return takesEverything() || flag;
}

bool DataAFR::isSlipTypeSelected(int slipType) const
{
    if (takesEverything())
        return true;
    switch (slipType) {
    case SlipType::T4:
        return fld_bT4;
    case SlipType::T4A:
        return fld_bT4A;
    case SlipType::T4AOAS:
        return fld_bT4AOAS;
    case SlipType::T4AP:
        return fld_bT4AP;
    case SlipType::T4E:
        return fld_bT4E;
    case SlipType::T4FHSA:
        return fld_bT4FHSA;
    case SlipType::T4RIF:
        return fld_bT4RIF;
    case SlipType::T1204:
        return fld_bT1204;
    case SlipType::T3:
        return fld_bT3;
    case SlipType::T5:
        return fld_bT5;
    case SlipType::PRPP:
        return fld_bPRPP;
    case SlipType::RC62:
        return fld_bRC62;
    case SlipType::RC210:
        return fld_bRC210;
    case SlipType::T5007:
        return fld_bT5007;
    case DownloadSlipType::T5008:
        return fld_bT5008;
    case SlipType::T2202:
        return fld_bT2202;
    case SlipType::MBSHELTERASSIST:
        return fld_bMBSB;
    case SlipType::T4RSP:
        return fld_bT4RSP;
    default:
        return false;
    }
}

bool DataAFR::isTuitionSelected() const
{
    return selectedBy(fld_bTuition);
}

bool DataAFR::isInstalmentSelected() const
{
    return selectedBy(fld_bInstalment);
}

bool DataAFR::isRRSPLimitSelected() const
{
    return selectedBy(fld_bRRSPLimit);
}

bool DataAFR::isRRSPContributionSelected() const
{
    return selectedBy(fld_bRRSPContribution);
}

bool DataAFR::isHBPLLPSelected() const
{
    return selectedBy(fld_bHBPLLP);
}
