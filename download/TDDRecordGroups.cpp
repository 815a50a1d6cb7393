// The groups' lookups: the first row of a year, the FHSA amounts, an empty RRSP row.
#include "download/TDDRecordGroups.h"

#include "ordane/AmountTolerance.h"
#include "ordane/Utilities.h"

namespace {
double firstValueOf(const std::vector<TDDYearValue> &rows, const char *year)
{
    const QByteArray wanted(year ? year : "");
    for (const TDDYearValue &row : rows) {
        if (row.year == wanted)
            return myStringToDouble(CString(row.value));
    }
    return 0.0;
}
} // namespace

bool TDDRrspContributionRow::isEmpty() const
{
    for (const QByteArray *amount :
         {&undeductedContributions, &currentYearContributions, &totalAvailableContributions,
          &repaymentToHbpOrLlp, &contributionsDeducted, &totalUnclaimedContributions}) {
        // Read like atof but whatever the process locale: "0.50" is never 0 under a
        // locale whose decimal mark is a comma.
        if (myStringToDouble(CString(*amount)) != 0.0)
            return false;
    }
    return true;
}

const char *const TDDFhsaPlanData::itemElements[ItemCount] = {
    "FHSAVariableBAmountPriorYearAmount",
    "FHSATotalTransfersFromRRSPPriorYearAmount",
    "FHSATotalDesignatedTransfersToRRSPOrRRIFPriorYearAmount",
    "FHSAAnnualLimitPriorYearAmount",
    "FHSADeductionPriorYearAmount",
    "FHSAUnusedContributionsAmount",
    "FHSACarryforwardAmountCurrentYear",
    "FHSACarryforwardAmountPriorYear",
    "FHSAVariableFAmountPriorYearAmount",
    "FHSAVariableHAmountPriorYearAmount",
    "FHSAContributionAmount",
    "FHSAPriorWithdrawalContributionCalcAmount",
};

bool TDDFhsaPlanData::hasFhsaAmounts()
{
    bool any = false;
    for (TDDFhsaItem &item : items) {
        item.amount = myStringToDouble(CString(item.text));
        if (item.amount >= kAmountTolerance)
            any = true;
    }
    return any;
}

double TDDRepaymentPlan::repaymentOf(const char *year) const
{
    return firstValueOf(requiredRepayments, year);
}

double TDDCarryOverData::getFederalTuitionCarryForward(const char *year) const
{
    return firstValueOf(federalTuition, year);
}

double TDDCarryOverData::getProvincialTuitionCarryForward(const char *year) const
{
    return firstValueOf(provincialTuition, year);
}
