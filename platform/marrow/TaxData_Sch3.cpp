// Schedule 3: net capital gains and their taxable part.
#include "marrow/FederalSchedules.h"

#include "marrow/FederalRates2025.h"

int TaxData_Sch3::usedEquityEntries() const
{
    return qBound(0, int(equityEntryCount), equityEntries.rowCount());
}

void TaxData_Sch3::CalculateBeforeLine193()
{
    double gains = 0;
    for (int row = 0; row < dispositions.rowCount(); ++row)
        gains += dispositions.amountAt(row, 0) - dispositions.amountAt(row, 1) -
                 dispositions.amountAt(row, 2);
    const int shares = usedEquityEntries();
    for (int row = 0; row < shares; ++row)
        gains += equityEntries.amountAt(row, EquitySettlement) -
                 equityEntries.amountAt(row, EquityBookValue);
    // A principal residence counts with the part of its gain the exemption leaves.
    gains += slipGains + t5Box18 + t1170Gain + t2017Amount + principalResidenceTotal;
    f19700 = gains;
}

void TaxData_Sch3::CalculateTaxableCapGain()
{
    f19900 = f19700 * FederalRates2025::kCapitalGainsInclusionRate;
    // The schedule's result: the taxable gain, or the net capital loss of the year as a
    // negative amount (what the loss carry-back and the summary read).
    netResult = f19900.value();
}
