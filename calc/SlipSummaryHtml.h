// The HTML slip summary of one person: slip count, then the T3, T4, T4A and T5 tables.
//
// IndividualTaxData::WriteSlipSummary(out) is meant to be:
//
//   std::vector<int> codes;                          // every slip entry's code, in list order
//   for (entry : m_slips) codes.push_back(entry.type);
//   return writeSlipSummaryHtml(out, codes, [this](SlipTotals &totals) {
//       std::set<int> neededForms;
//       SumSlips(totals, neededForms);
//   });
//
// The summing runs between the count line and the tables, with a fresh record, so writing
// the summary adds the forms the slips require, as every summing run does.
#pragma once

#include <functional>
#include <vector>

class QTextStream;
struct SlipTotals;

// Always 0. The stream's file and encoding belong to the caller.
int writeSlipSummaryHtml(QTextStream &out, const std::vector<int> &slipCodes,
                         const std::function<void(SlipTotals &)> &sumSlips);
