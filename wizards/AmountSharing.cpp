// The amount-sharing optimiser of a coupled return: the bracket walk moves interest, capital
// gains and the pension split, then direct searches tune the pension split and the donations.
#include "model/FamilyTaxData.h"

#include "app/WaitCursor.h"
#include "calc/SlipSumsHeld.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/DataShareAmtDlg.h"
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"
#include "ordane/AmountTolerance.h"
#include "wizards/CBracketList.h"
#include "wizards/SplitSearch.h"

#include <algorithm>

namespace {

double familyBalance(FamilyTaxData &family)
{
    double taxpayer = 0;
    double spouse = 0;
    double total = 0;
    family.getBalanceAmounts(taxpayer, spouse, total);
    return total;
}

// What one spouse may give up in the walk, and the T1 its sharing goes through.
struct Side
{
    TaxData_T1New *t1 = nullptr;
    double interest = 0;
    double gains = 0;
    double pension = 0;
    double total() const { return interest + gains + pension; }
};

} // namespace

void FamilyTaxData::ShareAmountsBetweenSpouses(DataShareAmtDlg &amounts, int *trials)
{
    if (!isCoupled())
        return;
    Side mine{formOf<TaxData_T1New>(*m_taxpayer, FormType::T1)};
    Side theirs{formOf<TaxData_T1New>(*m_spouse, FormType::T1)};
    // A coupled return whose taxpayer has no T1 cannot be divided.
    if (!mine.t1 || !theirs.t1)
        return;
    WaitCursorScope wait;
    // The trials write amounts of the T1s, the elections and the gift schedules only: no slip
    // and no birth date changes, so each person sums the slips once for the whole run.
    const SlipSumsHeld held(taxpayer(), spouse());

    CBracketList brackets;
    brackets.init();
    QList<double> thresholds;
    m_taxpayer->GetIncomeThresholds(thresholds);
    for (double threshold : thresholds)
        brackets.insertSorted(threshold);

    // The joint interest and capital gains start half each.
    const double halfInterest = amounts.fld_BankInterest_3 * 0.5;
    mine.t1->interestSharing = halfInterest;
    theirs.t1->interestSharing = amounts.fld_BankInterest_3 - halfInterest;
    mine.interest = halfInterest + amounts.fld_BankInterest_1;
    theirs.interest = (amounts.fld_BankInterest_3 - halfInterest) + amounts.fld_BankInterest_2;
    const double halfGains = amounts.fld_CapGain_3 * 0.5;
    mine.t1->capitalGainsSharing = halfGains;
    theirs.t1->capitalGainsSharing = amounts.fld_CapGain_3 - halfGains;
    mine.gains = halfGains + amounts.fld_CapGain_1;
    theirs.gains = (amounts.fld_CapGain_3 - halfGains) + amounts.fld_CapGain_2;

    // Only the transferer's pension can move, and only with both halves of the election.
    auto *electionMine = formOf<TaxData_T1032_New>(*m_taxpayer, FormType::T1032);
    auto *electionTheirs = formOf<TaxData_T1032_New>(*m_spouse, FormType::T1032);
    const bool bothElections = electionMine && electionTheirs;
    if (bothElections) {
        if (electionMine->transferer == 0)
            mine.pension = electionMine->amount.value();
        else if (electionTheirs->transferer == 0)
            theirs.pension = electionTheirs->amount.value();
        electionMine->election = true;
        electionTheirs->election = true;
    }

    auto *giftsMine = formOf<TaxData_Sch9>(*m_taxpayer, FormType::SCH9, true);
    auto *giftsTheirs = formOf<TaxData_Sch9>(*m_spouse, FormType::SCH9, true);
    const double donation1 = amounts.fld_Donation_1;
    const double donation2 = amounts.fld_Donation_2;
    const double jointDonations = amounts.fld_Donation_3;
    const double halfDonations = jointDonations * 0.5;
    giftsMine->donationSharing = halfDonations;
    giftsTheirs->donationSharing = jointDonations - halfDonations;
    const double donations =
        halfDonations + donation1 + (jointDonations - halfDonations) + donation2;
    Recalculate(0, nullptr);

    // The bracket walk's nearest transfer: positive when the taxpayer gives.
    SpouseIncomePair first;
    SpouseIncomePair second;
    first.set(mine.t1->f26000, mine.total());
    second.set(theirs.t1->f26000, theirs.total());
    double farthest = 0;
    double nearest = 0;
    brackets.findEqualisingTransfer(first, second, farthest, nearest);
    const bool taxpayerGives = nearest > 0;
    Side &giver = taxpayerGives ? mine : theirs;
    Side &receiver = taxpayerGives ? theirs : mine;
    double remaining = taxpayerGives ? nearest : -nearest;

    double moved = std::min(remaining, giver.interest);
    giver.t1->interestSharing -= moved;
    receiver.t1->interestSharing += moved;
    remaining -= moved;
    if (remaining > 0) {
        moved = std::min(remaining, giver.gains);
        giver.t1->capitalGainsSharing -= moved;
        receiver.t1->capitalGainsSharing += moved;
        remaining -= moved;
    }
    if (remaining > 0 && bothElections) {
        const double split = std::min(remaining, giver.pension);
        electionMine->electedAmount = split;
        electionTheirs->electedAmount = split;
    }
    Recalculate(0, nullptr);

    if (bothElections) {
        double best = electionMine->electedAmount;
        OptimizePensionSplit(electionMine->amount, best, trials);
        // Both halves of the election take the best split, as every trial wrote them.
        electionMine->electedAmount = best;
        electionTheirs->electedAmount = best;
        Recalculate(0, electionMine);
    }

    if (donations >= kAmountTolerance) {
        // The donations go to the spouse with the higher taxable income, first.
        const bool spouseReceives = theirs.t1->f26000 - mine.t1->f26000 >= kAmountTolerance;
        if (spouseReceives) {
            giftsMine->donationSharing = -donation1;
            giftsTheirs->donationSharing = donation1 + jointDonations;
        } else {
            giftsTheirs->donationSharing = -donation2;
            giftsMine->donationSharing = donation2 + jointDonations;
        }
        Recalculate(0, nullptr);
        IndividualTaxData &claimant = spouseReceives ? *m_spouse : *m_taxpayer;
        // A claimant with tax left to absorb the credit keeps them all.
        if (!claimant.isNonRefundableCreditAllUsed()) {
            double best = giftsMine->donationSharing;
            OptimizeDonationSplit(-donation1, jointDonations + donation2, jointDonations, best,
                                  trials);
            giftsMine->donationSharing = best;
            giftsTheirs->donationSharing = jointDonations - best;
            Recalculate(0, giftsMine);
        }
    }
}

void FamilyTaxData::OptimizePensionSplit(double maximum, double &best, int *trials)
{
    auto *electionMine = formOf<TaxData_T1032_New>(*m_taxpayer, FormType::T1032, true);
    auto *electionTheirs = formOf<TaxData_T1032_New>(*m_spouse, FormType::T1032, true);
    if (!electionMine || !electionTheirs)
        return;
    const SlipSumsHeld held(taxpayer(), spouse());
    const SplitTrial trial = [&](double split) {
        electionMine->electedAmount = split;
        electionTheirs->electedAmount = split;
        Recalculate(0, electionMine);
        return familyBalance(*this);
    };
    best = findLowestBalance(0, maximum, best, familyBalance(*this), trial, trials);
}

void FamilyTaxData::OptimizeDonationSplit(double low, double high, double joint, double &best,
                                          int *trials)
{
    auto *giftsMine = formOf<TaxData_Sch9>(*m_taxpayer, FormType::SCH9, true);
    auto *giftsTheirs = formOf<TaxData_Sch9>(*m_spouse, FormType::SCH9, true);
    if (!giftsMine || !giftsTheirs)
        return;
    const SlipSumsHeld held(taxpayer(), spouse());
    giftsMine->donationSharing = best;
    giftsTheirs->donationSharing = joint - best;
    const SplitTrial trial = [&](double share) {
        giftsMine->donationSharing = share;
        giftsTheirs->donationSharing = joint - share;
        Recalculate(0, giftsMine);
        return familyBalance(*this);
    };
    best = findLowestBalance(low, high, best, familyBalance(*this), trial, trials);
}
