// IndividualTaxData's slip totals and HTML slip summary, over the calculation's slip summer.
#include "model/IndividualTaxData.h"

#include "calc/SlipSummaryHtml.h"
#include "calc/SlipSummer.h"
#include "calc/SlipTotals.h"

void IndividualTaxData::SumSlips(SlipTotals &totals, std::set<int> &neededForms)
{
    std::vector<SlipRef> slips;
    slips.reserve(size_t(m_slipList.size()));
    for (TaxDataEntryStru *entry : m_slipList)
        slips.push_back({entry->type, entry->data});
    for (const NeededFormRule &rule : sumSlipList(totals, slips, t1Form())) {
        // A code already held more than once gets nothing added, yet still counts as needed.
        for (int code : rule.formsEnsured)
            findFormEntry(code, 0, true);
        neededForms.insert(rule.codeInserted);
    }
}

int IndividualTaxData::WriteSlipSummary(QTextStream &out)
{
    std::vector<int> codes;
    codes.reserve(size_t(m_slipList.size()));
    for (const TaxDataEntryStru *entry : m_slipList)
        codes.push_back(entry->type);
    return writeSlipSummaryHtml(out, codes, [this](SlipTotals &totals) {
        std::set<int> neededForms;
        SumSlips(totals, neededForms);
    });
}
