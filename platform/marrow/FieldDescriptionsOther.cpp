// What a person reads of the interview data (the Express Wizard items), in each interview's
// order.
#include "marrow/FieldDescriptionRows.h"
#include "marrow/TypeCodes.h"

namespace {

using namespace rows;

const FieldDescriptionRow kGeneral[] = {
    choice("language", "Language of correspondence", "language", "General questions"),
    answer("citizen", "Are you a Canadian citizen?", "yesNo"),
    answer("elecanauth", "Do you authorize the CRA to give your information to Elections Canada?",
           "yesNo"),
    answer("foreignPropertyAnswer",
           "Did you own or hold foreign property costing more than $100,000 in 2025?", "yesNo"),
    answer("principalResidenceAnswer", "Did you dispose of your principal residence in 2025?",
           "noYes"),
    amount("taxInstalmentsPaid", "Tax paid by instalments", "Payments and gifts"),
    amount("instalmentInterest", "Interest on late or insufficient instalments"),
    amount("donations", "Donations to registered charities"),
    amount("otherGifts", "Other gifts (government, cultural and ecological gifts)"),
    amount("politicalContributions", "Federal political contributions"),
};

const FieldDescriptionRow kLastYear[] = {
    amount("rrspDeductionLimit", "RRSP deduction limit for 2025 (from your notice of assessment)"),
    amount("unusedRrspContributions", "Unused RRSP contributions from earlier years"),
    amount("hbpRepaymentRequired", "Home Buyers' Plan repayment required"),
    amount("llpRepaymentRequired", "Lifelong Learning Plan repayment required"),
    amount("fedTuitionCarryForward", "Federal tuition amount carried forward"),
    amount("provTuitionCarryForward", "Provincial tuition amount carried forward"),
    amount("t1212CarryForward", "Investment losses carried forward (T1212)"),
    amount("netCapitalLossCarryForward", "Net capital losses of earlier years"),
    amount("nonCapitalLossCarryForward", "Non-capital losses of earlier years"),
};

const FieldDescriptionRow kDependants[] = {
    table("dependants", "Your dependants (one row a dependant)"),
};

const FieldDescriptionRow kMedical[] = {
    text("firstName", "First name", "You"),
    text("lastName", "Last name"),
    date("birthDate", "Date of birth"),
    amount("medSelfAmount", "Your medical expenses"),
    number("medSelfMonths", "Months of the 12-month period"),
    amount("medSelfPremiums", "Your private health plan premiums"),
    amount("medSelfTravel", "Your medical travel expenses"),
    amount("medSelfAttendant", "Your attendant care expenses"),
    amount("medSelfOther", "Your other medical expenses"),
    text("spouseFirstName", "First name", "Your spouse or common-law partner"),
    text("spouseLastName", "Last name"),
    date("spouseBirthDate", "Date of birth"),
    amount("medSpouseAmount", "Spouse's medical expenses"),
    amount("medSpousePremiums", "Spouse's private health plan premiums"),
    amount("medSpouseTravel", "Spouse's medical travel expenses"),
    amount("medSpouseAttendant", "Spouse's attendant care expenses"),
    amount("medSpouseOther", "Spouse's other medical expenses"),
    table("dependantMedical", "Dependants' medical expenses (one row a dependant)"),
};

const FieldDescriptionRow kRrsp[] = {
    amount("rrspDeductionLimit", "RRSP deduction limit for 2025 (from your notice of assessment)"),
    amount("unusedRrspContributions", "Unused RRSP contributions from earlier years"),
    amount("contribJanToMar", "Your RRSP contributions from January 1 to March 3, 2025"),
    amount("contribMarToDec", "Your RRSP contributions from March 4, 2025, to March 2, 2026"),
    amount("spouseContribJanToMar",
           "Contributions to your spouse's RRSP from January 1 to March 3, 2025"),
    amount("spouseContribMarToDec",
           "Contributions to your spouse's RRSP from March 4, 2025, to March 2, 2026"),
};

const FieldDescriptionTable kTables[] = {
    describe(2, WizardType::General, kGeneral),
    describe(2, WizardType::LastYear, kLastYear),
    describe(2, WizardType::Dependants, kDependants),
    describe(2, WizardType::Medical, kMedical),
    describe(2, WizardType::Rrsp, kRrsp),
};

} // namespace

const FieldDescriptionTable *formDescriptionTables(std::size_t &count)
{
    count = sizeof(kTables) / sizeof(kTables[0]);
    return kTables;
}
