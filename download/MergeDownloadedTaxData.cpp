// IndividualTaxData::mergeDownloadedTaxData: a downloaded Auto-fill record into one person's
// return, and its installation as the model's Auto-fill merge.
#include "download/MergeDownloadedTaxData.h"

#include "brevant/BrevantForms.h"
#include "download/DataAFR.h"
#include "download/TDDTaxDataOnePerson.h"
#include "download/TaxSlips.h"
#include "marrow/BusinessForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "marrow/WizardData.h"
#include "model/AutoFillMerge.h"
#include "model/IndividualTaxData.h"
#include "ordane/AmountTolerance.h"
#include "ordane/Clock.h"
#include "ordane/Utilities.h"

#include <vector>

namespace {

// The province plug-in's field for the provincial tuition carry-forward.
constexpr int kProvincialTuitionField = 11001;
// The carry-forward rows and the repayments the record gives for this return's year.
constexpr const char *kCarryForwardYear = "2024";
constexpr const char *kRepaymentYear = "2025";
constexpr const char *kGovernmentContract = "Government Service Contract";

double amountOf(const QByteArray &text)
{
    return myStringToDouble(CString(text));
}

bool counts(double amount)
{
    return amount >= kAmountTolerance;
}

// Removes, one at a time from the start, the marked entries the test picks, so that the list
// is walked afresh after each removal.
template <typename Remove, typename Picks>
void removeMarked(QList<TaxDataEntryStru *> &list, Picks picks, Remove remove)
{
    for (;;) {
        TaxDataEntryStru *found = nullptr;
        for (TaxDataEntryStru *entry : list) {
            if (entry->data && entry->data->isDownloaded() && picks(*entry)) {
                found = entry;
                break;
            }
        }
        if (!found)
            return;
        remove(found->data);
    }
}

// Drops the rows an earlier Auto-fill added to Schedule 3, keeping the others in their order.
void removeDownloadedEquityRows(TaxData_Sch3 &sch3)
{
    CTableField &rows = sch3.equityEntries;
    const int used = sch3.usedEquityEntries();
    int kept = 0;
    for (int row = 0; row < used; ++row) {
        if (rows.flagAt(row, TaxData_Sch3::EquityDownloaded))
            continue;
        if (kept != row) {
            for (int column = 0; column < rows.columnCount(); ++column)
                rows.cell(kept, column).copyFrom(rows.cell(row, column));
        }
        ++kept;
    }
    for (int row = kept; row < used; ++row) {
        for (int column = 0; column < rows.columnCount(); ++column)
            rows.cell(row, column).reset();
    }
    sch3.equityEntryCount = kept;
}

// The T5008 slips after the rows already in Schedule 3, in record order. Rows that do not fit
// in the table's room are left out.
void appendEquityRows(TaxData_Sch3 &sch3, const std::vector<const TaxSlipT5008 *> &slips)
{
    // A count the table cannot hold (a damaged file) is taken as the table's room.
    const int start = sch3.usedEquityEntries();
    const int wanted = start + int(slips.size());
    const int total =
        sch3.AllocateMoreEquityEntries(wanted) ? wanted : sch3.equityEntries.rowCount();
    CTableField &rows = sch3.equityEntries;
    for (int row = start, i = 0; row < total; ++row, ++i) {
        const TaxSlipT5008 &slip = *slips[size_t(i)];
        rows.amountAt(row, TaxData_Sch3::EquityQuantity) = amountOf(slip.box16);
        rows.textAt(row, TaxData_Sch3::EquityDescription) = CString(slip.box17);
        rows.amountAt(row, TaxData_Sch3::EquityBookValue) = amountOf(slip.box20);
        rows.amountAt(row, TaxData_Sch3::EquitySettlement) = amountOf(slip.box21);
        rows.flagAt(row, TaxData_Sch3::EquityDownloaded) = true;
    }
    sch3.equityEntryCount = qMax(start, total);
}

struct RrspSums
{
    double ownPrior = 0;
    double ownCurrent = 0;
    double spousalPrior = 0;
    double spousalCurrent = 0;

    bool anyCounts() const
    {
        return counts(ownPrior) || counts(ownCurrent) || counts(spousalPrior) ||
               counts(spousalCurrent);
    }
};

int mergeIntoPerson(IndividualTaxData &person, TDDTaxDataOnePerson *data, DataAFR *options)
{
    return person.mergeDownloadedTaxData(data, options);
}

} // namespace

int IndividualTaxData::mergeDownloadedTaxData(TDDTaxDataOnePerson *data, DataAFR *options)
{
    // A record without a S.I.N. belongs to no one: nothing of it is applied.
    if (!data || !options || data->sin.trimmed().isEmpty())
        return 0;

    // Earlier Auto-fill slips of the chosen types go; hand-entered ones and marked slips of
    // types not chosen stay. So that applying the same record again never counts anything
    // twice, the T2125 and the Schedule 3 rows an earlier Auto-fill made go too.
    removeMarked(
        m_slipList,
        [options](const TaxDataEntryStru &e) { return options->isSlipTypeSelected(e.type); },
        [this](CTaxData_Form *slip) { removeSlip(slip); });
    if (options->isSlipTypeSelected(SlipType::T1204)) {
        removeMarked(
            m_formList, [](const TaxDataEntryStru &e) { return e.type == FormType::T2125; },
            [this](CTaxData_Form *form) { removeForm(form, true, false); });
    }
    if (options->isSlipTypeSelected(DownloadSlipType::T5008)) {
        if (auto *sch3 = dynamic_cast<TaxData_Sch3 *>(getForm(FormType::SCH3, 0, false)))
            removeDownloadedEquityRows(*sch3);
    }

    RrspSums rrsp;
    std::vector<const TaxSlipT5008 *> dispositions;
    for (const std::unique_ptr<TaxSlip> &slip : data->slips) {
        const int code = slip->slipType;
        if (code == DownloadSlipType::RRSPReceipt) {
            const auto &receipt = static_cast<const TaxSlipRRSPReceipt &>(*slip);
            const double prior = amountOf(receipt.priorYearContribution);
            const double current = amountOf(receipt.currentYearContribution);
            if (amountOf(receipt.spouseContributionIndicator) < 0.1) {
                rrsp.ownPrior += prior;
                rrsp.ownCurrent += current;
            } else {
                rrsp.spousalPrior += prior;
                rrsp.spousalCurrent += current;
            }
            continue;
        }
        if (code == DownloadSlipType::T5008) {
            dispositions.push_back(static_cast<const TaxSlipT5008 *>(slip.get()));
            continue;
        }
        if (!options->isSlipTypeSelected(code))
            continue;
        // The id advances even for a type the return has no slip form for.
        TaxDataEntryStru *entry = addSlip(code, takeNextId(), 0);
        if (entry && entry->data) {
            slip->applyToForm(entry->data);
            entry->data->setDownloaded(true);
        }
        if (code == SlipType::T1204) {
            const auto &contract = static_cast<const TaxSlipT1204 &>(*slip);
            TaxDataEntryStru *business = addForm(FormType::T2125, takeNextId(), true, 0, true);
            if (auto *t2125 =
                    business ? dynamic_cast<TaxData_T2125_New *>(business->data) : nullptr) {
                t2125->setDownloaded(true);
                t2125->description = QString::fromLatin1(kGovernmentContract);
                t2125->kind = 0; // business income
                t2125->grossIncome = amountOf(contract.box82) + amountOf(contract.box84);
            }
        }
    }

    if (!dispositions.empty() && options->isSlipTypeSelected(DownloadSlipType::T5008)) {
        if (auto *sch3 = dynamic_cast<TaxData_Sch3 *>(getForm(FormType::SCH3, 0, true)))
            appendEquityRows(*sch3, dispositions);
    }

    TaxData_T1New *t1 = t1Form();
    auto *lastYear =
        dynamic_cast<TaxData_LastYearAmounts *>(findWizardData(WizardType::LastYear, false));
    const TDDSummaryData &summary = data->summary;

    if (options->isInstalmentSelected() && t1)
        t1->taxInstalmentsPaid = amountOf(summary.instalmentAmount);

    if (options->isTuitionSelected()) {
        addTuitionForms();
        const double federal = data->carryOver.getFederalTuitionCarryForward(kCarryForwardYear);
        const double provincial =
            data->carryOver.getProvincialTuitionCarryForward(kCarryForwardYear);
        if (lastYear) {
            lastYear->fedTuitionCarryForward = federal;
            lastYear->provTuitionCarryForward = provincial;
            if (t1) {
                t1->fedTuitionCarryForward = federal;
                t1->provTuitionCarryForward = provincial;
            }
        }
        m_provsTaxMgr.setProvincialAmount(kProvincialTuitionField, provincial);
        if (auto *sch11 = dynamic_cast<TaxData_Sch11 *>(getForm(FormType::SCH11, 0, false))) {
            sch11->canadaTrainingCreditLimit = amountOf(summary.canadaTrainingCreditLimit);
            sch11->carryForward = federal;
        }
    }

    const bool contributionsWanted = options->isRRSPContributionSelected() && rrsp.anyCounts();
    const double deductionLimit = amountOf(summary.rrspDeductionLimit);
    const double unusedContributions = amountOf(summary.rrspUnusedContribution);
    const bool limitWanted =
        options->isRRSPLimitSelected() && (counts(deductionLimit) || counts(unusedContributions));
    if (contributionsWanted || limitWanted) {
        auto *sch7 = dynamic_cast<TaxData_Sch7 *>(getForm(FormType::SCH7, 0, true));
        if (sch7 && contributionsWanted) {
            // The current-year part is what was paid in after the first 60 days; the
            // prior-year part is what was paid in the first 60 days.
            sch7->contribMarToDec = rrsp.ownCurrent;
            sch7->contribJanToMar = rrsp.ownPrior;
            sch7->spouseContribMarToDec = rrsp.spousalCurrent;
            sch7->spouseContribJanToMar = rrsp.spousalPrior;
        }
        if (limitWanted) {
            if (sch7) {
                sch7->unusedRrspContributions = unusedContributions;
                sch7->rrspDeductionLimit = deductionLimit;
            }
            if (lastYear) {
                lastYear->unusedRrspContributions = unusedContributions;
                lastYear->rrspDeductionLimit = deductionLimit;
            }
        }
    }

    if (options->isHBPLLPSelected()) {
        const double hbp = summary.getHbpRepayment(kRepaymentYear);
        const double llp = summary.getLlpRepayment(kRepaymentYear);
        if ((counts(hbp) || counts(llp)) && lastYear) {
            lastYear->hbpRepaymentRequired = hbp;
            lastYear->llpRepaymentRequired = llp;
            if (t1) {
                t1->hbpRepaymentRequired = hbp;
                t1->llpRepaymentRequired = llp;
            }
        }
    }

    // The FHSA amounts on file are taken whatever was ticked: they only describe the account.
    if (data->summary.fhsaPlan.hasFhsaAmounts()) {
        if (auto *sch15 = dynamic_cast<TaxData_Sch15 *>(getForm(FormType::SCH15, 0, true))) {
            CFloatField *const fields[TDDFhsaPlanData::ItemCount] = {
                &sch15->fhsaVariableBPriorYear,
                &sch15->fhsaTransfersFromRrspPriorYear,
                &sch15->fhsaDesignatedTransfersPriorYear,
                &sch15->fhsaAnnualLimitPriorYear,
                &sch15->fhsaDeductionPriorYear,
                &sch15->fhsaUnusedContributions,
                &sch15->fhsaCarryforwardCurrentYear,
                &sch15->fhsaCarryforwardPriorYear,
                &sch15->fhsaVariableFPriorYear,
                &sch15->fhsaVariableHPriorYear,
                &sch15->fhsaContributions,
                &sch15->fhsaPriorWithdrawalContributions};
            for (int i = 0; i < TDDFhsaPlanData::ItemCount; ++i)
                *fields[i] = data->summary.fhsaPlan.items[i].amount;
        }
    }

    if (t1) {
        t1->autoFillFlag = true;
        t1->autoFillDate.setDate(now().date());
    }
    return 0;
}

void installAutoFillMerge()
{
    setAutoFillMerge(mergeIntoPerson);
}
