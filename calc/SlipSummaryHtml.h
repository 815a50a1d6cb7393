// The HTML slip summary of one person: slip count, then the T3, T4, T4A and T5 tables.
//
// sumSlips runs between the count line and the tables: it is IndividualTaxData::SumSlips, so
// writing the summary adds the forms the slips require, as every summing does.
#pragma once

#include <functional>
#include <vector>

class QTextStream;
struct SlipTotals;

// Always 0. The stream's file and encoding belong to the caller.
int writeSlipSummaryHtml(QTextStream &out, const std::vector<int> &slipCodes,
                         const std::function<void(SlipTotals &)> &sumSlips);
