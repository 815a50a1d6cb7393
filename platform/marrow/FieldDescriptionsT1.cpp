// What a person reads of the T1: its five pages, each field under its section, in the
// order of the 2025 return. A line field's title is its line number and the line's name
// from the line table (LineTitles.cpp); every other title is written here.
#include "marrow/FieldDescriptionRows.h"
#include "marrow/TypeCodes.h"

namespace {

using namespace rows;

constexpr FieldDescriptionRow line(const char *name, const char *section = nullptr,
                                   bool total = false)
{
    return {name, nullptr, FieldShow::Amount, nullptr, section, total};
}
constexpr FieldDescriptionRow total(const char *name)
{
    return line(name, nullptr, true);
}
const FieldDescriptionRow kIdentification[] = {
    text("firstName", "First name", "Personal information"),
    text("secondName", "Second name or initial"),
    text("lastName", "Last name"),
    text("sin", "Social insurance number (SIN)"),
    date("birthDate", "Date of birth"),
    choice("language", "Language of correspondence", "language"),
    choice("maritalStatus", "Marital status on December 31, 2025", "maritalStatus"),
    answer("maritalChange", "Your marital status changed in 2025", "noYes"),
    answer("citizen", "Are you a Canadian citizen?", "yesNo"),
    answer("elecanauth", "Do you authorize the CRA to give your information to Elections Canada?",
           "yesNo"),
    choice("province", "Province or territory of residence on December 31, 2025", "province"),
    tick("factualResident", "Factual resident of Canada"),
    date("entryDate", "Date of entry into Canada"),
    date("departureDate", "Date of departure from Canada"),
    date("deathDate", "Date of death"),
    date("bankruptDate", "Date of bankruptcy"),
    text("careOf", "Care of", "Mailing address"),
    text("street", "Street address"),
    text("city", "City"),
    choice("mailingProvince", "Province or territory", "province"),
    text("postalCode", "Postal code"),
    tick("foreignAddress", "Address outside Canada"),
    text("country", "Country"),
    text("state", "State or region"),
    text("email", "Email address", "Contact"),
    text("secondEmail", "Second email address"),
    text("phone", "Telephone number"),
    text("spouseFirstName", "First name", "Spouse or common-law partner"),
    text("spouseLastName", "Last name"),
    text("spouseSin", "Social insurance number (SIN)"),
    date("spouseBirthDate", "Date of birth"),
    date("spouseEntryDate", "Date of entry into Canada"),
    amount("spouseNetIncome", "Net income (line 23600 of your spouse's return)"),
    text("ddBranch", "Branch number", "Direct deposit"),
    text("ddInstitution", "Institution number"),
    text("ddAccount", "Account number"),
    answer("foreignPropertyAnswer",
           "Did you own or hold foreign property costing more than $100,000 in 2025?", "yesNo",
           "Other questions"),
    answer("principalResidenceAnswer", "Did you dispose of your principal residence in 2025?",
           "noYes"),
    tick("multiYearFiling", "You are filing returns of more than one year", "Other information"),
    text("partnershipText", "Partnership"),
    text("accessCode", "Access code (from your notice of assessment)"),
    answer("preparerIndicator", "Prepared by a paid preparer", "noYes", "Paid preparer"),
    text("preparerName", "Preparer's name"),
    text("preparerAddress", "Preparer's address"),
    text("preparerCity", "Preparer's city"),
    text("preparerPhone", "Preparer's telephone number"),
    text("preparerEfileNumber", "Preparer's EFILE number"),
    answer("reFileFlag", "Set for ReFile", "noYes", "Filing status"),
    choice("filingStatus", "Filing status of this return", "filingStatus"),
    text("confirmation", "Confirmation number"),
    text("filingTime", "Filed at"),
};

const FieldDescriptionRow kIncome[] = {
    line("10100", "Total income"),
    line("10105"),
    line("10400"),
    line("11300"),
    line("11400"),
    line("11410"),
    line("11500"),
    line("11600"),
    line("11900"),
    line("12000"),
    line("12010"),
    line("12100"),
    line("12200"),
    line("12500"),
    line("12600"),
    line("12700"),
    line("12800"),
    line("12900"),
    line("13000"),
    line("13499"),
    line("13500"),
    line("13699"),
    line("13700"),
    line("13899"),
    line("13900"),
    line("14099"),
    line("14100"),
    line("14299"),
    line("14300"),
    line("14400"),
    line("14500"),
    line("14600"),
    total("15000"),
};

const FieldDescriptionRow kDeductions[] = {
    line("20600", "Net income"),
    line("20700"),
    line("20800"),
    line("21000"),
    line("21200"),
    line("21400"),
    line("22100"),
    line("22200"),
    line("22215"),
    line("22400"),
    line("22900"),
    line("23200"),
    total("23600"),
    line("25100", "Taxable income"),
    line("25200"),
    line("25300"),
    line("25500"),
    total("26000"),
    amount("netCapitalLossCarryForward", "Net capital losses of earlier years",
           "Amounts carried forward from earlier years"),
    amount("nonCapitalLossCarryForward", "Non-capital losses of earlier years"),
    amount("rrspDeductionLimit", "RRSP deduction limit for 2025"),
    amount("unusedRrspContributions", "Unused RRSP contributions from earlier years"),
    amount("hbpRepaymentRequired", "Home Buyers' Plan repayment required"),
    amount("llpRepaymentRequired", "Lifelong Learning Plan repayment required"),
    amount("fedTuitionCarryForward", "Federal tuition amount carried forward"),
    amount("provTuitionCarryForward", "Provincial tuition amount carried forward"),
    amount("t1212CarryForward", "Investment losses carried forward (T1212)"),
    amount("t1mCarryAmount", "Moving expenses carried forward (T1-M)"),
};

const FieldDescriptionRow kCreditsAndTax[] = {
    line("30000", "Federal non-refundable tax credits"),
    line("30100"),
    line("30300"),
    line("30400"),
    line("30425"),
    line("30450"),
    line("30500"),
    line("31000"),
    line("31217"),
    amount("31220", "Line 31220: Volunteer firefighters' amount"),
    amount("31240", "Line 31240: Search and rescue volunteers' amount"),
    line("31270"),
    line("31285"),
    line("31300"),
    line("31400"),
    line("32600"),
    line("33099"),
    line("33199"),
    total("35000"),
    amount("medSelfAmount", "Your medical expenses", "Medical expenses"),
    amount("medSelfPremiums", "Your private health plan premiums"),
    amount("medSelfTravel", "Your medical travel expenses"),
    amount("medSelfAttendant", "Your attendant care expenses"),
    amount("medSelfOther", "Your other medical expenses"),
    number("medSelfMonths", "Months of the 12-month period"),
    amount("medSpouseAmount", "Spouse's medical expenses"),
    amount("medSpousePremiums", "Spouse's private health plan premiums"),
    amount("medSpouseTravel", "Spouse's medical travel expenses"),
    amount("medSpouseAttendant", "Spouse's attendant care expenses"),
    amount("medSpouseOther", "Spouse's other medical expenses"),
    table("dependantMedical", "Dependants' medical expenses (one row a dependant)"),
    amount("politicalContributions", "Federal political contributions"),
    line("42900", "Net federal tax"),
    line("41000"),
    total("42000"),
    line("42100"),
    line("42120"),
    line("42200"),
    line("42800", "Provincial or territorial tax"),
};

const FieldDescriptionRow kRefundOrBalance[] = {
    line("43500", "Refund or balance owing", true),
    line("43700"),
    line("43800"),
    line("44800"),
    line("45300"),
    line("45350"),
    line("45355"),
    line("45700"),
    amount("taxInstalmentsPaid", "Line 47600: Tax paid by instalments"),
    amount("instalmentInterest", "Interest on late or insufficient instalments"),
    total("48200"),
    total("48400"),
    total("48500"),
};

// The summary of the return (the Result page and its printout): the person, the lines of the
// result, the estimates, and the two choices that stay editable there.
const FieldDescriptionRow kSummary[] = {
    text("fullName", "Name", "Person"),
    text("sin", "Social insurance number (SIN)"),
    total("15000"),
    total("23600"),
    total("26000"),
    line("42000"),
    line("42800"),
    line("42100"),
    line("42120"),
    total("43500"),
    line("43700"),
    total("48200"),
    total("48400"),
    total("48500"),
    amount("contributionRoom", "RRSP deduction limit for 2026 (estimate)", "Estimates"),
    amount("gstCredit", "GST/HST credit (estimate)"),
    amount("childBenefit", "Canada child benefit (estimate)"),
    amount("provincialBenefit", "Provincial or territorial benefits (estimate)"),
    answer("noBenefit", "Leave out the Canada child benefit estimate", "noYes"),
    answer("gstRecipient", "You receive the GST/HST credit for your family", "noYes"),
};

const FieldDescriptionTable kTables[] = {
    describe(0, FormType::T1, kIdentification, "Identification"),
    describe(0, FormType::T1, kIncome, "Income"),
    describe(0, FormType::T1, kDeductions, "Deductions"),
    describe(0, FormType::T1, kCreditsAndTax, "Credits and Tax"),
    describe(0, FormType::T1, kRefundOrBalance, "Refund or Balance"),
    describe(0, FormType::T1KS, kSummary),
};

} // namespace

const FieldDescriptionTable *t1DescriptionTables(std::size_t &count)
{
    count = sizeof(kTables) / sizeof(kTables[0]);
    return kTables;
}
