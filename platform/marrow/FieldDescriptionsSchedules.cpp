// What a person reads of the federal schedules, in each schedule's order. Amounts the
// calculation carries in from the T1 and the slips, and the flags it keeps, are bookkeeping
// and not listed.
#include "marrow/FieldDescriptionRows.h"
#include "marrow/TypeCodes.h"

namespace {

using namespace rows;

const FieldDescriptionRow kSch2[] = {
    amount("ageAmount", "Your spouse's age amount"),
    amount("caregiverAmount", "Your spouse's Canada caregiver amount for infirm children"),
    amount("pensionAmount", "Your spouse's pension income amount"),
    amount("disabilityAmount", "Your spouse's disability amount"),
    amount("tuitionAmount", "Tuition amount your spouse transfers to you"),
    amount("spouseTaxAmount", "Your spouse's taxable income"),
    amount("36000", "Line 36000: Tuition amount transferred from your spouse"),
    amount("36100", "Amounts transferred from your spouse (to line 32600 of the T1)"),
};

const FieldDescriptionRow kSch3[] = {
    table("dispositions", "Properties sold: proceeds, adjusted cost base and outlays",
          "Dispositions"),
    table("equityEntries",
          "Shares and securities sold: quantity, description, adjusted cost base, proceeds"),
    amount("10700", "Line 10700: Gain on qualified small business corporation shares",
           "Capital gains by kind of property"),
    amount("11000", "Line 11000: Gain on qualified farm or fishing property"),
    amount("13100", "Line 13100: Gain on mutual fund units and other shares"),
    amount("13800", "Line 13800: Gain on real estate and depreciable property"),
    amount("15300", "Line 15300: Gain on bonds, debentures and promissory notes"),
    answer("17900",
           "Line 17900: You disposed of your principal residence and it was designated for every "
           "year you owned it",
           "yesNo", "Principal residence"),
    answer("17905",
           "Line 17905: You disposed of your principal residence and it was not designated for "
           "every year you owned it",
           "yesNo"),
    result("19700", "Line 19700: Total capital gains (or losses)", "Totals"),
    result("19900", "Line 19900: Taxable capital gains (or net capital loss)"),
};

const FieldDescriptionRow kSch5[] = {
    answer("spouseClaim", "You claim the amount for your spouse or common-law partner", "noYes"),
    amount("spouseNetIncome", "Your spouse's net income"),
    result("30300", "Line 30300: Spouse or common-law partner amount"),
    number("eligibleDependants", "Number of eligible dependants",
           "Amount for an eligible dependant"),
    text("55295", "Eligible dependant's social insurance number"),
    amount("dependantNetIncome", "Eligible dependant's net income"),
    result("30400", "Line 30400: Amount for an eligible dependant"),
    tick("spouseInfirm",
         "Your spouse or common-law partner has an impairment in physical or mental functions",
         "Canada caregiver amount"),
    tick("dependantInfirm", "Your eligible dependant is 18 or older and has an impairment in "
                            "physical or mental functions"),
    result("30425", "Line 30425: Canada caregiver amount for spouse or common-law partner, or "
                    "eligible dependant age 18 or older"),
    result("30450", "Line 30450: Canada caregiver amount for other infirm dependants age 18 or "
                    "older"),
};

const FieldDescriptionRow kSch12Ha[] = {
    amount("eligibleExpenses", "Eligible home accessibility expenses"),
    result("31285", "Line 31285: Home accessibility expenses"),
};

const FieldDescriptionRow kSch6[] = {
    answer("38105",
           "Line 38105: Did you have an eligible spouse who is also claiming the Canada workers "
           "benefit?",
           "yesNo"),
    amount("workingIncome", "Your working income"),
    amount("selfEmploymentIncome", "Net self-employment income"),
    amount("38107", "Line 38107: Working income of your eligible spouse"),
    amount("38109", "Line 38109: Adjusted net income of your eligible spouse"),
    amount("adjustedFamilyIncome", "Adjusted family net income"),
    result("basicBenefit", "Basic Canada workers benefit"),
    result("disabilitySupplement", "Canada workers benefit disability supplement"),
    result("45300", "Line 45300: Canada workers benefit"),
};

const FieldDescriptionRow kSch7[] = {
    amount("rrspDeductionLimit", "RRSP deduction limit for 2025 (from your notice of assessment)",
           "Contributions"),
    amount("unusedRrspContributions", "Unused RRSP contributions from earlier years"),
    amount("contribJanToMar", "Your RRSP contributions from January 1 to March 3, 2025"),
    amount("contribMarToDec", "Your RRSP contributions from March 4, 2025, to March 2, 2026"),
    amount("spouseContribJanToMar",
           "Contributions to your spouse's RRSP from January 1 to March 3, 2025"),
    amount("spouseContribMarToDec",
           "Contributions to your spouse's RRSP from March 4, 2025, to March 2, 2026"),
    amount("prppPriorYear", "PRPP contributions from January 1 to March 3, 2025"),
    amount("prppCurrentYear", "PRPP contributions from March 4, 2025, to March 2, 2026"),
    result("hbpWithdrawal", "Home Buyers' Plan withdrawals (box 27 of your T4RSP slips)",
           "Repayments under the HBP and the LLP"),
    result("llpWithdrawal", "Lifelong Learning Plan withdrawals (box 25 of your T4RSP slips)"),
    amount("hbpRepayment", "Contributions designated as a Home Buyers' Plan repayment"),
    amount("llpRepayment", "Contributions designated as a Lifelong Learning Plan repayment"),
    result("24600", "Line 24600: Total contributions designated as repayments and deducted"),
    amount("24620", "Line 24620: Transfers"),
    amount("24640", "Line 24640: Contributions not deducted this year"),
};

const FieldDescriptionRow kSch8[] = {
    tick("electionFlag", "You elect to stop (or revoke the election to stop) paying CPP"),
    amount("electionAmount", "Earnings covered by the election"),
    number("months", "Months in 2025 you were a CPP contributor", "Contributions"),
    amount("pensionableEarnings", "Pensionable earnings for the year"),
    amount("selfEmploymentEarnings", "Self-employment earnings"),
    result("baseContributions", "Base CPP contributions"),
    result("enhancedContributions", "Enhanced CPP contributions"),
    result("overpayment", "CPP overpayment"),
    amount("50372", "Line 50372: CPP contributions on self-employment (base)"),
    amount("50374", "Line 50374: CPP contributions on self-employment (enhanced)"),
};

const FieldDescriptionRow kSch9[] = {
    amount("donations", "Donations to registered charities and other qualified donees"),
    amount("otherGifts", "Other gifts (government, cultural and ecological gifts)"),
    result("33700", "Line 33700: Total eligible amount of gifts claimed"),
    result("33900", "Line 33900: Allowable amount of donations"),
};

const FieldDescriptionRow kSch11[] = {
    amount("carryForward", "Unused tuition amount from earlier years"),
    amount("fees", "Eligible tuition fees for 2025"),
    number("partTimeMonths", "Months of part-time enrolment"),
    number("fullTimeMonths", "Months of full-time enrolment"),
    amount("transferToSpouse", "Amount transferred to a spouse, parent or grandparent"),
    result("32700", "Tuition amount claimed for 2025 (line 32300 of your return)"),
    result("59140", "Line 59140: Unused amount carried forward to 2026"),
    amount("canadaTrainingCreditLimit",
           "Canada training credit limit for 2025 (from your notice of assessment)"),
    result("45350", "Line 45350: Canada training credit"),
};

const FieldDescriptionRow kSch13[] = {
    answer("ownFlag", "You entered into an agreement to pay EI on self-employment", "noYes"),
    amount("selfEmploymentEarnings", "Self-employment earnings"),
    amount("employmentEarnings", "Insurable employment earnings (box 24 of your T4 slips)"),
    amount("insurableEarnings", "Insurable self-employment earnings"),
    result("premium", "EI premiums on self-employment"),
};

const FieldDescriptionRow kSch15[] = {
    amount("fhsaContributions", "Contributions to your FHSA in 2025", "FHSA contributions"),
    amount("fhsaPriorWithdrawalContributions",
           "Contributions in 2025 made before your first qualifying withdrawal"),
    amount("fhsaBox18", "Taxable FHSA amounts (box 18 of your T4FHSA slips)"),
    amount("fhsaBox20", "Taxable amount on death of the holder (box 20)"),
    amount("fhsaBox32And34", "Transfers to an RRSP or RRIF and excess amounts (boxes 32 and 34)"),
    amount("fhsaBox36", "Withdrawal designated as an excess amount (box 36)"),
    amount("fhsaBox38", "Other income or deductions (box 38)"),
    tick("68930", "Line 68930: You opened your first FHSA in 2025"),
    amount("fhsaAnnualLimitPriorYear", "FHSA annual limit", "Amounts on file with the CRA"),
    amount("fhsaUnusedContributions", "Unused FHSA contributions available to deduct"),
    amount("fhsaCarryforwardCurrentYear", "FHSA carryforward for 2025"),
    amount("20805", "Line 20805: FHSA deduction"),
};

const FieldDescriptionTable kTables[] = {
    describe(0, FormType::SCH2, kSch2),       describe(0, FormType::SCH3, kSch3),
    describe(0, FormType::SCH5, kSch5),       describe(0, FormType::SCH6, kSch6),
    describe(0, FormType::SCH7, kSch7),       describe(0, FormType::SCH8, kSch8),
    describe(0, FormType::SCH9, kSch9),       describe(0, FormType::SCH11, kSch11),
    describe(0, FormType::SCH13, kSch13),     describe(0, FormType::SCH15, kSch15),
    describe(0, FormType::SCH12HA, kSch12Ha),
};

} // namespace

const FieldDescriptionTable *scheduleDescriptionTables(std::size_t &count)
{
    count = sizeof(kTables) / sizeof(kTables[0]);
    return kTables;
}
