// IndividualTaxData's slip totals and HTML slip summary, over the calculation's slip summer.
#include "model/IndividualTaxData.h"

#include "calc/SlipSummaryHtml.h"
#include "calc/SlipSummer.h"
#include "calc/SlipTotals.h"
#include "marrow/TaxData_T1New.h"

void IndividualTaxData::SumSlips(SlipTotals &totals, std::set<int> &neededForms)
{
    std::vector<SlipRef> slips;
    slips.reserve(size_t(m_slipList.size()));
    for (TaxDataEntryStru *entry : m_slipList)
        slips.push_back({entry->type, entry->data});
    std::vector<NeededFormRule> rules;
    const TaxData_T1New *t1 = t1Form();
    if (!m_heldSlipSums) {
        rules = sumSlipList(totals, slips, t1);
    } else {
        HeldSlipSums &held = *m_heldSlipSums;
        // The summing reads the T1 for its age alone.
        const int age = t1 ? t1->GetAge() : -1;
        if (!held.summed || held.slips != slips || held.age != age) {
            held.totals = SlipTotals();
            held.rules = sumSlipList(held.totals, slips, t1);
            held.slips = std::move(slips);
            held.age = age;
            held.summed = true;
        }
        // An empty list leaves the totals as they came, as a summing does.
        if (!held.slips.empty())
            totals = held.totals;
        rules = held.rules;
    }
    for (const NeededFormRule &rule : rules) {
        // A code already held more than once gets nothing added, yet still counts as needed.
        for (int code : rule.formsEnsured)
            findFormEntry(code, 0, true);
        neededForms.insert(rule.codeInserted);
    }
}

bool IndividualTaxData::holdSlipSums(bool hold)
{
    const bool wasHeld = m_heldSlipSums != nullptr;
    if (hold && !wasHeld)
        m_heldSlipSums = std::make_unique<HeldSlipSums>();
    else if (!hold)
        m_heldSlipSums.reset();
    return wasHeld;
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
