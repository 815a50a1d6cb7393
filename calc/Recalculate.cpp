// FamilyTaxData::Recalculate: the twin push, the two rounds of passes and the summaries.
#include "model/FamilyTaxData.h"

#include "calc/SlipSumsHeld.h"
#include "marrow/CTaxData_Form.h"
#include "model/IndividualTaxData.h"

namespace {

constexpr int kPasses = 7;
constexpr int kRounds = 2;

// The other person's twin of the changed form or slip takes its values. A link to a twin
// that is gone (or to an entry that is not the linked one) is dropped.
void pushToTwin(CTaxData_Form &changed, IndividualTaxData &own, IndividualTaxData &other)
{
    if (changed.getKind() == CTaxData_Form::KindForm) {
        const int link = own.getFormLinkId(&changed);
        if (link <= 0)
            return;
        // A lookup by id falls back to the only form of the type: check it is the twin.
        CTaxData_Form *twin = other.getForm(changed.getType(), link, false);
        if (twin && other.getFormId(twin) == link)
            twin->copyFromCounterpart(changed);
        else
            own.setFormLinkId(&changed, 0);
    } else if (changed.getKind() == CTaxData_Form::KindSlip) {
        const int link = own.getSlipLinkId(&changed);
        if (link <= 0)
            return;
        if (CTaxData_Form *twin = other.getSlip(changed.getType(), link, false))
            twin->copyFromCounterpart(changed);
        else
            own.setSlipLinkId(&changed, 0);
    }
}

} // namespace

IndividualTaxData *FamilyTaxData::calculationFirst() const
{
    return m_currentPerson == PersonSpouse ? spouse() : taxpayer();
}

IndividualTaxData *FamilyTaxData::calculationSecond() const
{
    return m_currentPerson == PersonSpouse ? taxpayer() : spouse();
}

int FamilyTaxData::Recalculate(int kindHint, CTaxData_Form *changed)
{
    Q_UNUSED(kindHint);
    const bool coupled = isCoupled();
    IndividualTaxData *first = calculationFirst();
    IndividualTaxData *second = calculationSecond();
    if (changed && coupled)
        pushToTwin(*changed, *first, *second);

    // The passes write no slip amount (a slip's shares and age are worked out from what it holds
    // and the T1's age), so each person sums the slips once for the whole recalculation instead
    // of twice in each round; the held sums are summed again if the T1 age changes meanwhile.
    const SlipSumsHeld held(taxpayer(), coupled ? spouse() : nullptr);
    const int changedType = changed ? changed->getType() : 0;
    const bool wizardChanged = changed && changed->getKind() == CTaxData_Form::KindWizard;
    int result = 0;
    for (int round = 0; round < kRounds; ++round) {
        if (!coupled) {
            for (int pass = 0; pass < kPasses; ++pass)
                result += m_taxpayer->CalculatePass(wizardChanged, changedType, pass, false);
            m_taxpayer->TransferSpouseData(true, nullptr);
            continue;
        }
        for (int pass = 0; pass < kPasses; ++pass) {
            result += first->CalculatePass(wizardChanged, changedType, pass, first == spouse());
            result += second->CalculatePass(false, 0, pass, second == spouse());
            ExchangeSpouseAmounts(pass);
        }
        first->TransferSpouseData(true, second);
        second->TransferSpouseData(false, first);
    }
    return result;
}
