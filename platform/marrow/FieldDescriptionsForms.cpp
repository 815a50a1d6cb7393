// What a person reads of the other federal forms (income statements, credits, elections and
// the filing and authorisation forms), in each form's order. What a form only carries for the
// calculation (copies of slip totals, counts, flags) is not listed, nor is any password.
#include "marrow/FieldDescriptionRows.h"
#include "marrow/TypeCodes.h"

namespace {

using namespace rows;

const FieldDescriptionRow kT776[] = {
    text("ownerName", "Your name", "Identification"),
    text("propertyAddress", "Address of the rental property"),
    text("propertyPostalCode", "Postal code of the rental property"),
    amount("ownershipShare", "Your percentage of ownership"),
    amount("grossRents", "Gross rents", "Income and expenses"),
    amount("otherRental", "Other related income"),
    result("grossRental", "Gross rental income"),
    amount("expenses", "Total expenses"),
    amount("personalPortion", "Personal portion of the expenses"),
    amount("capitalCostAllowance", "Capital cost allowance"),
    result("netRental", "Net rental income (loss)"),
};

const FieldDescriptionRow kT1163[] = {
    text("firstName", "First name", "Identification"),
    text("lastName", "Last name"),
    text("businessName", "Name of the farming business"),
    choice("farmsteadProvince", "Province of the farmstead", "province"),
    text("businessPostalCode", "Postal code of the farmstead"),
    amount("grossIncome", "Gross farming income", "Income and expenses"),
    amount("expenses", "Total farming expenses"),
    amount("capitalCostAllowance", "Capital cost allowance"),
    result("netIncome", "Net farming income (loss)"),
};

const FieldDescriptionRow kT2042[] = {
    text("ownerName", "Your name", "Identification"),
    text("businessName", "Name of the farming business"),
    text("businessAddress", "Address of the farm"),
    text("businessPostalCode", "Postal code of the farm"),
    tick("partnershipFlag", "You farm in a partnership"),
    text("partnerName", "Partnership's name"),
    amount("grossIncome", "Gross farming income", "Income and expenses"),
    amount("expenses", "Total farming expenses"),
    amount("capitalCostAllowance", "Capital cost allowance"),
    result("netIncome", "Net farming income (loss)"),
};

const FieldDescriptionRow kT2121[] = {
    text("ownerName", "Your name", "Identification"),
    text("businessName", "Name of the fishing business"),
    tick("partnershipFlag", "You fish in a partnership"),
    amount("ownershipShare", "Your percentage of the partnership"),
    amount("grossIncome", "Gross fishing income", "Income and expenses"),
    amount("expenses", "Total fishing expenses"),
    amount("capitalCostAllowance", "Capital cost allowance"),
    result("netIncome", "Net fishing income (loss)"),
};

const FieldDescriptionRow kT2125[] = {
    text("ownerName", "Your name", "Identification"),
    text("businessName", "Name of the business"),
    text("businessAddress", "Address of the business"),
    text("businessCity", "City of the business"),
    choice("businessProvince", "Province or territory of the business", "province"),
    text("businessPostalCode", "Postal code of the business"),
    text("mainProduct", "Main product or service"),
    text("mainActivity", "Industry code of the main activity"),
    number("websiteCount", "Number of websites the business earns income from"),
    number("employeeCount", "Number of employees"),
    tick("partnershipFlag", "You carry on the business in a partnership"),
    amount("grossIncome", "Gross business income", "Income and expenses"),
    amount("expenses", "Total business expenses"),
    amount("capitalCostAllowance", "Capital cost allowance"),
    result("netIncome", "Net income (loss) before adjustments"),
    amount("netIncome2", "Your net income (loss)"),
};

const FieldDescriptionRow kT2091[] = {
    text("fullName", "Your name"),
    text("propertyAddress", "Address of the principal residence"),
    number("yearsOwned", "Tax years you owned the property"),
    number("yearsDesignated", "Tax years designated as your principal residence"),
    amount("proceeds", "Proceeds of disposition"),
    amount("adjustedCostBase", "Adjusted cost base"),
    amount("outlays", "Outlays and expenses"),
    result("gain", "Capital gain not exempt"),
};

const FieldDescriptionRow kT5013Form[] = {
    text("partnershipName", "Partnership's name"),
    amount("grossRental", "Gross rental income", "Your share of the partnership's income"),
    amount("rentalIncome", "Net rental income (loss)"),
    amount("grossBusiness", "Gross business income"),
    amount("businessIncome", "Net business income (loss)"),
    amount("grossProfessional", "Gross professional income"),
    amount("professionalIncome", "Net professional income (loss)"),
    amount("grossCommission", "Gross commission income"),
    amount("commissionIncome", "Net commission income (loss)"),
    amount("grossFarming", "Gross farming income"),
    amount("farmingIncome", "Net farming income (loss)"),
    amount("grossFishing", "Gross fishing income"),
    amount("fishingIncome", "Net fishing income (loss)"),
};

const FieldDescriptionRow kT185[] = {
    text("businessName", "Preparer's business name", "Preparer"),
    text("efileNumber", "Preparer's EFILE number"),
    text("firstName", "First name", "Taxpayer"),
    text("lastName", "Last name"),
    text("sin", "Social insurance number (SIN)"),
    text("street", "Street address"),
    text("city", "City"),
    choice("mailingProvince", "Province or territory", "province"),
    text("postalCode", "Postal code"),
    amount("amount", "Amount of the debit", "Debit"),
    date("debitDate", "Date of the debit"),
    text("confirmationNumber", "Confirmation number"),
};

const FieldDescriptionRow kT1172[] = {
    amount("t4aBox40", "Accumulated income payments (box 40 of your T4A slips)"),
    answer("partA",
           "Part A applies to you (you are the original subscriber, or the spouse of a deceased "
           "original subscriber)",
           "noYes"),
    amount("contributionsDeducted",
           "RRSP, PRPP or SPP contributions deducted on line 20800 that reduce the payments taxed"),
    amount("earlierReductions", "Reductions used for payments of earlier years"),
    result("68270", "Line 68270: Accumulated income payments"),
    result("68280", "Accumulated income payments subject to the additional tax"),
    result("additionalTax", "Additional tax on accumulated income payments"),
};

const FieldDescriptionRow kT1212[] = {
    amount("carryAmount", "Investment losses carried forward from earlier years"),
    amount("65210", "Line 65210: Deductions for resource properties"),
    result("67910", "Line 67910: Balance of losses carried forward"),
};

const FieldDescriptionRow kT936[] = {
    amount("priorYearsLoss", "Cumulative net investment loss at the end of 2024"),
    amount("carryingCharges", "Carrying charges and interest expenses"),
    amount("rentalLoss", "Net rental losses"),
    amount("partnershipLoss", "Limited or non-active partnership losses"),
    amount("investmentLoss", "Other investment losses"),
    amount("interestIncome", "Interest and other investment income"),
    amount("dividendIncome", "Taxable dividends"),
    amount("rentalIncome", "Net rental income"),
    amount("investmentIncome", "Other investment income"),
    amount("halfCapitalLoss", "Taxable part of capital losses"),
    result("investmentExpensesTotal", "Total investment expenses"),
    result("investmentIncomeTotal", "Total investment income"),
    result("cumulativeLoss", "Cumulative net investment loss at the end of 2025"),
};

const FieldDescriptionRow kT657[] = {
    amount("qualifiedGains", "Taxable capital gains on qualified property"),
    amount("netTaxableGains", "Net taxable capital gains"),
    amount("cumulativeLoss", "Cumulative net investment loss"),
    amount("priorDeductions", "Capital gains deductions claimed in earlier years"),
    result("deduction", "Capital gains deduction"),
};

const FieldDescriptionRow kRC71[] = {
    text("businessName", "Discounter's business name", "Discounter"),
    text("discounterCode", "Discounter code"),
    text("businessAddress", "Discounter's address"),
    text("businessPhone", "Discounter's telephone number"),
    text("fullName", "Taxpayer's name", "Taxpayer"),
    text("sin", "Social insurance number (SIN)"),
    text("address", "Address"),
    text("phone", "Telephone number"),
    amount("refund", "Refund"),
    tick("esigned", "Signed electronically", "E-signature"),
    text("signTimestamp", "Signed at"),
};

const FieldDescriptionRow kT5004[] = {
    text("fullName", "Your name"),
    text("address", "Address"),
    table("shelters", "Tax shelters: identification number and loss or deduction claimed"),
    result("6765", "Total tax shelter losses or deductions claimed"),
};

const FieldDescriptionRow kT183[] = {
    text("businessName", "Preparer's business name", "Preparer"),
    text("efileNumber", "Preparer's EFILE number"),
    text("firstName", "First name", "Taxpayer"),
    text("lastName", "Last name"),
    text("sin", "Social insurance number (SIN)"),
    text("street", "Street address"),
    text("city", "City"),
    choice("mailingProvince", "Province or territory", "province"),
    text("postalCode", "Postal code"),
    text("email", "Email address"),
    amount("totalIncome", "Total income (line 15000)", "Return"),
    amount("taxableIncome", "Taxable income (line 26000)"),
    amount("refund", "Refund (line 48400)"),
    amount("balanceDue", "Balance owing (line 48500)"),
    tick("directDeposit", "Refund by direct deposit"),
    tick("reFile", "This is an amended return (ReFile)"),
    choice("preAssessment", "Who the CRA contacts about the return before assessment",
           "contactChoice"),
    choice("postAssessment", "Who the CRA contacts about the return after assessment",
           "contactChoice"),
    date("authorisationExpiry", "The authorisation ends on"),
    text("documentControlNumber", "Document control number"),
    date("signDate", "Date signed", "E-signature"),
    tick("esigned", "Signed electronically"),
    text("signTimestamp", "Signed at"),
};

const FieldDescriptionRow kT1135[] = {
    text("givenName", "First name", "Identification"),
    text("secondName", "Second name or initial"),
    text("lastName", "Last name"),
    text("sin", "Social insurance number (SIN)"),
    text("street", "Street address"),
    text("city", "City"),
    choice("province", "Province or territory", "province"),
    text("postalCode", "Postal code"),
    text("phone", "Telephone number"),
    date("periodFrom", "Reporting period from", "Reporting period"),
    date("periodTo", "Reporting period to"),
    tick("amended", "This is an amended return"),
    text("functionalCurrency", "Functional currency"),
    tick("selfEmployed", "You have self-employment income"),
    text("certifierFirstName", "First name", "Certification"),
    text("certifierLastName", "Last name"),
    text("certifierPosition", "Position"),
    text("certifierPhone", "Telephone number"),
    date("certificationDate", "Date certified"),
    text("preparerName", "Preparer's name", "Preparer"),
    text("preparerAddress", "Preparer's address"),
    text("preparerPostalCode", "Preparer's postal code"),
    text("preparerPhone", "Preparer's telephone number"),
    text("confirmation", "Confirmation number", "Filing"),
    text("filingTime", "Filed at"),
};

const FieldDescriptionRow kT746[] = {
    amount("refundIncluded", "Refund of excess RRSP contributions included in income"),
    amount("unusedContributions", "Unused RRSP contributions the refund is for"),
    result("deduction", "Deduction for the refund of excess contributions"),
};

const FieldDescriptionRow kT1ADJ[] = {
    text("name", "Your name"),
    text("sin", "Social insurance number (SIN)"),
    text("yearText", "Tax year to change"),
    date("requestDate", "Date of the request"),
    text("efileNumber", "Preparer's EFILE number"),
};

const FieldDescriptionRow kT1013[] = {
    text("firstName", "First name", "Taxpayer"),
    text("lastName", "Last name"),
    text("sin", "Social insurance number (SIN)"),
    text("phone", "Telephone number"),
    date("formDate", "Date of the form", "Authorisation"),
    date("signDate", "Date signed"),
    text("confirmation", "Confirmation number", "Filing"),
    text("filingTime", "Filed at"),
    text("errorText", "Message from the CRA"),
};

const FieldDescriptionRow kT2205[] = {
    text("fullName", "Your name"),
    text("spouseName", "Your spouse's name"),
    text("spouseSin", "Your spouse's social insurance number"),
    amount("contributions3Years", "Spousal RRSP contributions in 2023, 2024 and 2025"),
    amount("flaggedWithdrawals", "Withdrawals from spousal plans"),
    amount("annuityPayments", "Annuity payments from spousal plans"),
    result("amountToInclude", "Amount to include in your income"),
};

const FieldDescriptionRow kT2043[] = {
    amount("proceeds", "Proceeds from the return of property"),
    result("result", "Amount to report as income"),
};

const FieldDescriptionRow kInstalments[] = {
    result("netTaxOwing", "Net tax owing"),
    amount("provincialAmount1", "Provincial or territorial tax"),
    amount("provincialAmount2", "Other provincial or territorial amounts"),
    result("quarterly", "Quarterly instalment"),
};

const FieldDescriptionRow kT1198[] = {
    text("name", "Your name"),
    table("portions", "Portions of the retroactive lump-sum payment, by year"),
    result("totalPortions", "Total of the portions"),
};

const FieldDescriptionRow kT778[] = {
    amount("amount", "Child care expenses"),
    amount("partnerAmount", "Your spouse's child care expenses"),
};

const FieldDescriptionRow kT929[] = {
    amount("expenses", "Disability supports expenses"),
    amount("earnedIncome", "Earned income"),
    result("deduction", "Disability supports deduction"),
};

const FieldDescriptionRow kT2204[] = {
    amount("insurableEarnings", "Insurable earnings (box 24 of your T4 slips)"),
    amount("employmentIncome", "Employment income"),
    amount("premiumsWithPpip", "EI premiums deducted"),
    amount("ppipPremiums", "PPIP premiums deducted"),
    result("required", "EI premiums payable"),
    result("result", "Employee EI overpayment"),
};

const FieldDescriptionRow kGST370[] = {
    text("firstName", "First name"),
    text("lastName", "Last name"),
    text("sin", "Social insurance number (SIN)"),
    text("yearText", "Tax year"),
    amount("gstExpenses", "Eligible expenses, other than CCA, on which you paid the GST (5%)",
           "Rebate calculation"),
    amount("gstCca", "Eligible CCA on which you paid the GST (5%)"),
    amount("hst13Expenses", "Eligible expenses, other than CCA, on which you paid the 13% HST"),
    amount("hst13Cca", "Eligible CCA on which you paid the 13% HST"),
    amount("hst14Expenses", "Eligible expenses, other than CCA, on which you paid the 14% HST"),
    amount("hst14Cca", "Eligible CCA on which you paid the 14% HST"),
    amount("hst15Expenses", "Eligible expenses, other than CCA, on which you paid the 15% HST"),
    amount("hst15Cca", "Eligible CCA on which you paid the 15% HST"),
    result("gstRebate", "Eligible GST (5/105 of the expenses)"),
    result("hst13Rebate", "Eligible HST at 13% (13/113 of the expenses)"),
    result("hst14Rebate", "Eligible HST at 14% (14/114 of the expenses)"),
    result("hst15Rebate", "Eligible HST at 15% (15/115 of the expenses)"),
    result("rebate", "Line 45700: GST/HST rebate"),
};

const FieldDescriptionRow kSch12Mhr[] = {
    amount("qualifyingExpenditures", "Qualifying expenditures for the renovation"),
    result("45355", "Line 45355: Multigenerational home renovation tax credit"),
};

const FieldDescriptionRow kT1206[] = {
    amount("splitDividends",
           "Taxable amount of dividends (eligible and other than eligible) in split income"),
    amount("splitOtherDividends", "Of these, taxable amount of dividends other than eligible"),
    amount("splitIncome", "All other split income"),
    amount("68370", "Line 68370: Part of the other split income from foreign sources"),
    amount("68380", "Line 68380: Total income from foreign sources"),
    result("68330", "Line 68330: Taxable dividends included in split income"),
    result("68340", "Line 68340: Taxable dividends other than eligible included in split income"),
    result("68360", "Line 68360: Total split income (deducted on line 23200)"),
    result("federalTax", "Federal tax on split income (line 40424 of the return)"),
    result("disabilityCredit", "Federal disability tax credit"),
    result("dividendCredit", "Federal dividend tax credit on split income"),
    result("taxLessCredits", "Federal tax on split income less these credits"),
    result("foreignCredit", "Federal foreign tax credit on split income"),
    result("netTax", "Net federal tax on split income (line 42000 is at least this amount)"),
};

const FieldDescriptionRow kT691[] = {
    amount("carryOver", "Minimum tax carryover from earlier years (notice of assessment)"),
    amount("67820", "Line 67820: Film property carrying charges beyond its income"),
    amount("6783", "Line 6783: Rental and leasing property carrying charges beyond its income"),
    amount("6784", "Line 6784: Tax shelter and limited partnership losses"),
    amount("6786", "Line 6786: Resource property expenses beyond its income"),
    result("adjustedTaxableIncome", "Adjusted taxable income for minimum tax"),
    result("netAdjustedTaxableIncome", "Net adjusted taxable income (above the basic exemption)"),
    result("creditsAllowed", "Non-refundable tax credits allowed"),
    result("minimumAmount",
           "Minimum amount: the rate above the exemption, less the credits allowed"),
    result("regularNetTax", "Regular net federal tax"),
    result("minimumTax", "Minimum tax payable above the regular tax"),
    result("minimumTaxBase", "Basic federal tax under minimum tax"),
    result("carryOverApplied", "Line 40427: Minimum tax carryover applied"),
    result("carryOverRemaining", "Minimum tax carryover to later years"),
};

const FieldDescriptionRow kT2038[] = {
    result("t1229MineralExploration", "Flow-through mining expenditures (T1229)"),
    result("t1229CriticalMineral", "Critical mineral exploration expenditures (T1229)"),
    result("creditEarned", "Mineral exploration tax credits earned"),
    result("taxLimit", "Federal tax the credit may reduce"),
    result("creditClaimed", "Line 41200: Investment tax credit"),
    result("creditUnused", "Credit left for other years"),
};

const FieldDescriptionRow kT2209[] = {
    text("country", "Country"),
    amount("foreignIncome", "Foreign non-business income not on a slip"),
    amount("foreignTax", "Foreign tax paid on that income"),
    tick("typedIsPropertyIncome",
         "That income is from property other than real property (interest, dividends)"),
    result("adjustment15", "Foreign tax above 15% of property income, deducted on line 23200"),
    tick("overrideBase", "You change the net income used for the credit"),
    amount("incomeBase", "Net income used for the credit"),
    result("credit", "Federal foreign tax credit"),
};

const FieldDescriptionRow kT224[] = {
    amount("generalUcc", "Eligible Yukon undepreciated capital cost (UCC) of your business",
           "Yukon business"),
    amount("generalRebate", "General business carbon price rebate claimed"),
    amount("miningUcc", "Eligible Yukon mining undepreciated capital cost (UCC)",
           "Yukon mining business"),
    amount("miningRebate", "Mining business carbon price rebate claimed"),
    result("rebate", "Yukon business carbon price rebate (line 47900)"),
};

const FieldDescriptionRow kT225[] = {
    amount("farmingExpenses", "Eligible farming expenses"),
    amount("rebateClaimed", "Carbon price rebate claimed"),
    result("rebate", "Carbon price rebate for farmers (line 47900)"),
};

const FieldDescriptionRow kT2017[] = {
    amount("priorReserve", "Reserves deducted in 2024"),
    amount("currentReserve", "Reserves for 2025"),
    result("result", "Capital gains from reserves"),
};

const FieldDescriptionRow kT1A[] = {
    text("fullName", "Your name"),
    text("address", "Address"),
    text("city", "City"),
    choice("mailingProvince", "Province or territory", "province"),
    text("postalCode", "Postal code"),
    text("phone", "Telephone number"),
    result("capitalLoss", "Net capital loss of 2025"),
    table("incomeParts", "Incomes and losses of 2025 (employment, investment, partnership, "
                         "rental, business, professional, commission, farming, fishing)"),
    result("otherIncome", "Other income of 2025 (total income less the incomes above)"),
    answer("ownSwitch", "You enter the deductions yourself", "noYes"),
    amount("deductions", "Deductions from total income"),
    result("nonCapitalLoss", "Non-capital loss of 2025"),
    amount("lossAmount2022", "Non-capital loss to apply to 2022"),
    amount("lossAmount2023", "Non-capital loss to apply to 2023"),
    amount("lossAmount", "Non-capital loss to apply to 2024"),
    result("lossApplied2022", "Non-capital loss applied to 2022"),
    result("lossApplied2023", "Non-capital loss applied to 2023"),
    result("lossApplied2024", "Non-capital loss applied to 2024"),
    result("lossCarriedBack", "Non-capital loss carried back"),
    result("lossCarriedForward", "Non-capital loss left to carry forward"),
    amount("capitalLossRequested2022", "Net capital loss to apply to 2022"),
    amount("capitalLossRequested2023", "Net capital loss to apply to 2023"),
    amount("capitalLossRequested", "Net capital loss to apply to 2024"),
    result("capitalLossApplied2022", "Net capital loss applied to 2022"),
    result("capitalLossApplied2023", "Net capital loss applied to 2023"),
    result("capitalLossApplied2024", "Net capital loss applied to 2024"),
    result("capitalLossCarriedBack", "Net capital loss carried back"),
};

const FieldDescriptionRow kT2222[] = {
    number("days1", "Days you lived in a prescribed northern zone (Zone A) in 2025",
           "Residency deduction"),
    number("days2", "Days you lived in a prescribed intermediate zone (Zone B) in 2025"),
    number("days3", "Days in Zone A that qualify for the additional residency amount"),
    number("days4", "Days in Zone B that qualify for the additional residency amount"),
    result("residencyDeduction", "Residency deduction (at most 20% of net income)"),
    result("slipAmount1", "Taxable travel benefits (T4 and T4A slips)", "Travel deduction"),
    result("slipAmount2", "Other taxable travel benefits (T4 and T4A slips)"),
    tick("standardAmount", "You use the $1,200 standard amount instead of the travel benefits"),
    amount("travelExpensesA", "Travel expenses of the trips from Zone A"),
    amount("lowestAirfareA", "Lowest return airfare of the trips from Zone A"),
    amount("travelExpensesB", "Travel expenses of the trips from Zone B"),
    amount("lowestAirfareB", "Lowest return airfare of the trips from Zone B"),
    result("travelDeduction", "Travel deduction (half for the trips from Zone B)"),
    result("deduction", "Line 25500: Northern residents deductions"),
};

const FieldDescriptionRow kT1DD[] = {
    text("firstName", "First name"),
    text("lastName", "Last name"),
    text("sin", "Social insurance number (SIN)"),
    text("street", "Street address"),
    text("city", "City"),
    choice("mailingProvince", "Province or territory", "province"),
    text("postalCode", "Postal code"),
    text("branch", "Branch number", "Direct deposit"),
    text("institution", "Institution number"),
    text("account", "Account number"),
};

const FieldDescriptionRow kCPT20[] = {
    text("firstName", "First name"),
    text("lastName", "Last name"),
    text("sin", "Social insurance number (SIN)"),
    text("address", "Address"),
    text("postalCode", "Postal code"),
    amount("electedIncome", "Income on which you elect to pay CPP"),
    amount("line16", "Pensionable earnings covered by the election"),
    amount("line17", "CPP contributions on the elected income"),
};

const FieldDescriptionRow kT777[] = {
    text("employerName", "Employer's name"),
    amount("employmentIncome", "Employment income"),
    amount("expenses", "Total employment expenses"),
    result("deduction", "Employment expenses deduction"),
};

const FieldDescriptionRow kTL2[] = {
    text("employerName", "Employer's name"),
    amount("lodgingExpenses", "Lodging expenses"),
    amount("mealsBought", "Meals bought (detailed method: their cost)"),
    number("simplifiedMeals", "Number of meals (simplified method, $23 a meal)"),
    number("daysAway", "Days away (at most three meals a day)"),
    tick("longHaul",
         "Long-haul truck driver: the meals were bought during eligible travel periods"),
    amount("deductibleMeals", "Meal expenses already at their deductible share"),
    result("mealsClaim", "Deductible part of the meals (50%, 80% for a long-haul truck driver)"),
    result("deduction", "Claim for meals and lodging"),
};

const FieldDescriptionRow kT1153[] = {
    text("businessName", "Discounter's business name", "Discounter"),
    text("discounterCode", "Discounter code"),
    text("efileNumber", "EFILE number"),
    text("businessAddress", "Address"),
    text("businessCity", "City"),
    text("businessProvince", "Province or territory"),
    text("businessPostalCode", "Postal code"),
    text("fullName", "Taxpayer's name", "Taxpayer"),
    text("sin", "Social insurance number (SIN)"),
    date("birthDate", "Date of birth"),
    text("address", "Address"),
    text("city", "City"),
    text("provinceText", "Province or territory"),
    text("postalCode", "Postal code"),
};

const FieldDescriptionRow kT1M[] = {
    text("newAddress", "Your new address"),
    amount("incomeAtNewLocation", "Income earned at the new location"),
    amount("amount1", "Moving expenses"),
    amount("amount2", "Moving expenses carried forward from 2024"),
};

const FieldDescriptionRow kT1223[] = {
    text("address", "Address"),
    amount("employmentIncome", "Employment income"),
    amount("housingAmount", "Housing amount"),
    result("deduction", "Clergy residence deduction"),
};

const FieldDescriptionRow kT1229[] = {
    amount("explorationExpenses", "Exploration and development expenses"),
    amount("depletionAllowance", "Depletion allowance"),
    amount("assistance", "Assistance received"),
    amount("mineralExploration", "Expenses eligible for the mineral exploration tax credit"),
    amount("criticalMineralExploration",
           "Expenses eligible for the critical mineral exploration tax credit"),
    amount("otherQualifying", "Other expenses eligible for the investment tax credit"),
    result("deduction", "Resource deduction"),
};

const FieldDescriptionRow kT1170[] = {
    amount("proceeds", "Proceeds of disposition"),
    amount("adjustedCostBase", "Adjusted cost base"),
    amount("outlays", "Outlays and expenses"),
    result("67890", "Line 67890: Capital gain on gifts of certified cultural property"),
};

const FieldDescriptionRow kT1032[] = {
    choice("transferer", "Your part in the election", "pensionTransferer"),
    tick("election", "You and your spouse make the election"),
    amount("electedAmount", "Split-pension amount"),
    text("pensionerFirstName", "Pensioner's first name", "Pensioner"),
    text("pensionerLastName", "Pensioner's last name"),
    text("pensionerSin", "Pensioner's social insurance number"),
    text("pensionerAddress", "Pensioner's address"),
    text("pensionerPostalCode", "Pensioner's postal code"),
    text("transfereeFirstName", "Pension transferee's first name", "Pension transferee"),
    text("transfereeLastName", "Pension transferee's last name"),
    text("transfereeSin", "Pension transferee's social insurance number"),
    result("eligiblePension", "Eligible pension income"),
    result("maxSplit", "Largest amount that can be split"),
    result("pensionerTaxAfterSplit", "Pensioner's income taxes after the split"),
    result("transfereeTaxAfterSplit", "Pension transferee's income taxes after the split"),
    result("combinedTaxAfterSplit", "Income taxes after the split, together"),
    amount("68050", "Line 68050: Tax deducted on the split pension"),
};

const FieldDescriptionRow kRC267[] = {
    amount("contributions", "Your contributions to the plan"),
    amount("employerContributions", "Your employer's contributions"),
    result("pensionAdjustment", "Pension adjustment"),
    result("deduction", "Deduction for contributions to the plan"),
};

const FieldDescriptionRow kRC268[] = {
    amount("contributions", "Your contributions to the plan"),
    amount("rrspDeductionLimit", "RRSP deduction limit"),
    result("pensionAdjustment", "Pension adjustment"),
    result("deduction", "Deduction for contributions to the plan"),
};

const FieldDescriptionRow kRC269[] = {
    amount("contributions", "Your contributions to the plan"),
    amount("pensionableEarnings", "Pensionable earnings"),
    result("cppBase", "Base CPP contributions on those earnings"),
    result("cppEnhanced", "Enhanced CPP contributions on those earnings"),
    result("pensionAdjustment", "Pension adjustment"),
    result("deduction", "Deduction for contributions to the plan"),
};

const FieldDescriptionRow kRC359[] = {
    amount("excessiveAmount", "Excessive EPSP amount"),
    result("deduction", "Deduction for the excessive EPSP amount"),
    result("federalTax", "Federal tax on the excessive EPSP amount"),
};

const FieldDescriptionRow kRC381[] = {
    tick("electionFlag", "You elect to stop (or revoke the election to stop) paying QPP"),
    amount("electionAmount", "Earnings covered by the election"),
    number("qppMonths", "Months in 2025 you were a QPP contributor"),
    amount("qppEarnings", "QPP pensionable earnings"),
    result("cappedEarnings", "Earnings up to the maximum"),
};

const FieldDescriptionRow kRC383[] = {
    amount("exemptIncome", "Tax-exempt earned income"),
    amount("exemptPriorYear", "Contributions on exempt income, January 1 to March 3, 2025"),
    amount("exemptCurrentYear", "Contributions on exempt income, March 4 to December 31, 2025"),
    result("58750", "Line 58750: Tax-exempt earned income for RRSP purposes"),
    result("58810", "Line 58810: Tax-exempt contributions"),
};

const FieldDescriptionRow kT90[] = {
    tick("exemptFlag", "You have income exempt under the Indian Act"),
    amount("exemptAmount", "Exempt employment income"),
    amount("secondAmount", "Exempt self-employment income"),
    amount("eiAmount", "Exempt employment insurance benefits"),
    result("cwbEmployment", "Exempt employment income for the Canada workers benefit"),
    result("cwbSelfEmployment", "Exempt self-employment income for the Canada workers benefit"),
};

const FieldDescriptionRow kWSD1[] = {
    amount("otherTaxableDividends", "Taxable eligible dividends not on a slip"),
    amount("otherNonEligibleTaxable", "Taxable non-eligible dividends not on a slip"),
    amount("otherInterest", "Interest and investment income not on a slip"),
    amount("foreignIncome", "Foreign investment income not on a slip"),
    result("12000", "Line 12000: Taxable amount of dividends from taxable Canadian corporations"),
    result("12010", "Line 12010: Taxable amount of dividends other than eligible dividends"),
    result("12100", "Line 12100: Interest and other investment income"),
    result("12200", "Line 12200: Net partnership income"),
};

const FieldDescriptionTable kTables[] = {
    describe(0, FormType::T776, kT776),         describe(0, FormType::T1163, kT1163),
    describe(0, FormType::T2042, kT2042),       describe(0, FormType::T2121, kT2121),
    describe(0, FormType::T2125, kT2125),       describe(0, FormType::T2125C, kT2125),
    describe(0, FormType::T2091, kT2091),       describe(0, FormType::T2091WS, kT2091),
    describe(0, FormType::T5013, kT5013Form),   describe(0, FormType::T185, kT185),
    describe(0, FormType::T1172, kT1172),       describe(0, FormType::T1212, kT1212),
    describe(0, FormType::T936, kT936),         describe(0, FormType::T657, kT657),
    describe(0, FormType::RC71, kRC71),         describe(0, FormType::T5004, kT5004),
    describe(0, FormType::T183, kT183),         describe(0, FormType::T1135, kT1135),
    describe(0, FormType::T746, kT746),         describe(0, FormType::T1ADJ, kT1ADJ),
    describe(0, FormType::T1013, kT1013),       describe(0, FormType::T2205, kT2205),
    describe(0, FormType::T2043, kT2043),       describe(0, FormType::INSTCALC, kInstalments),
    describe(0, FormType::T1198, kT1198),       describe(0, FormType::T778, kT778),
    describe(0, FormType::T929, kT929),         describe(0, FormType::T2204, kT2204),
    describe(0, FormType::GST370, kGST370),     describe(0, FormType::T1206, kT1206),
    describe(0, FormType::T691, kT691),         describe(0, FormType::T2038, kT2038),
    describe(0, FormType::T2209, kT2209),       describe(0, FormType::T2017, kT2017),
    describe(0, FormType::T1A, kT1A),           describe(0, FormType::T2222, kT2222),
    describe(0, FormType::T1DD, kT1DD),         describe(0, FormType::CPT20, kCPT20),
    describe(0, FormType::T777, kT777),         describe(0, FormType::TL2, kTL2),
    describe(0, FormType::T1153, kT1153),       describe(0, FormType::T1M, kT1M),
    describe(0, FormType::T1223, kT1223),       describe(0, FormType::T1229, kT1229),
    describe(0, FormType::T1170, kT1170),       describe(0, FormType::T1032, kT1032),
    describe(0, FormType::RC267, kRC267),       describe(0, FormType::RC268, kRC268),
    describe(0, FormType::RC269, kRC269),       describe(0, FormType::RC359, kRC359),
    describe(0, FormType::RC381, kRC381),       describe(0, FormType::RC383, kRC383),
    describe(0, FormType::T90, kT90),           describe(0, FormType::WSD1, kWSD1),
    describe(0, FormType::SCH12MHR, kSch12Mhr), describe(0, FormType::T224, kT224),
    describe(0, FormType::T225, kT225),
};

} // namespace

const FieldDescriptionTable *otherFormDescriptionTables(std::size_t &count)
{
    count = sizeof(kTables) / sizeof(kTables[0]);
    return kTables;
}
