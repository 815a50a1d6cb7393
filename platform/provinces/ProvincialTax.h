// ProvincialTax: one person's 2025 provincial or territorial tax (the province's 428) on the
// figures of ProvincialRates2025.h, as a pure function of the return's amounts.
#pragma once

#include <vector>

struct ProvincialTaxInput
{
    double taxableIncome = 0; // line 26000
    double netIncome = 0;     // line 23600
    bool age65OrOver = false;
    // The spouse amount applies when claimSpouse; else the eligible dependant amount when
    // claimEligibleDependant. Each is reduced by that person's net income.
    bool hasSpouse = false; // a spouse at the end of the year (couples share some steps)
    bool claimSpouse = false;
    bool spouse65OrOver = false;
    double spouseNetIncome = 0;
    bool claimEligibleDependant = false;
    double dependantNetIncome = 0;
    double pensionAmount = 0;        // federal line 31400: the eligible pension up to 2,000
    double cppBase = 0;              // line 30800
    double cppSelfEmployed = 0;      // line 31000
    double eiPremiums = 0;           // line 31200
    double eiSelfEmployed = 0;       // line 31217
    double volunteerAmount = 0;      // lines 31220 and 31240: either makes the claim
    double adoptionAmount = 0;       // line 31300
    bool disability = false;         // the person claims the disability amount
    double medicalExpenses = 0;      // line 33099: the expenses before the threshold
    double allowableGifts = 0;       // Schedule 9's allowable donations and gifts
    double eligibleDividends = 0;    // taxable (grossed-up) amount
    double nonEligibleDividends = 0; // taxable (grossed-up) amount
    double employmentIncome = 0;     // line 10100 with the other employment income
    int childrenUnder19 = 0;         // dependent children 18 or under on 31 December
    int infirmDependantsOver17 = 0;  // dependants 18 or over with an infirmity
    // The net income of each dependant 18 or over with an infirmity (caregiver amount).
    std::vector<double> infirmDependantIncomes;
    // The federal amounts as the T1 holds them, for a territory whose amounts are the
    // federal ones: lines 30100, 30300, 30400, 30425, 30450, 30500, 31260, 31600 and 33200.
    double federalAgeAmount = 0;
    double federalSpouseAmount = 0;
    double federalDependantAmount = 0;
    double federalCaregiverAmounts = 0; // lines 30425, 30450 and 30500
    double federalEmploymentAmount = 0;
    double federalDisabilityAmount = 0;
    double federalMedicalAmount = 0;
};

// Every step's result, rounded to the cent as the form shows it.
struct ProvincialTaxResult
{
    double basicTax = 0;        // tax on taxable income by the brackets
    double creditAmounts = 0;   // the sum of the non-refundable amounts
    double credits = 0;         // those amounts at the credit rate, with donations
    double surtax = 0;          // ON
    double dividendCredit = 0;  // eligible and non-eligible
    double reduction = 0;       // ON and BC tax reductions, NS age tax credit
    double lowIncomeCredit = 0; // ON LIFT, the NS and PE low-income tax reductions
    double healthPremium = 0;   // ON
    double tax = 0;             // line 42800
};

namespace ProvincialTax {

// Tax on taxable income by the province's brackets (0 for a province without a table).
double bracketTax(int province, double taxableIncome);
// The province's basic personal amount for a net income (MB and YT reduce it).
double basicPersonalAmount(int province, double netIncome);
// The whole calculation for a resident of the province; Quebec and codes without a table
// give all zeros.
ProvincialTaxResult calculate(int province, const ProvincialTaxInput &input);
// The bracket thresholds above 0, in order.
std::vector<double> thresholds(int province);
// Ontario's health premium on taxable income.
double ontarioHealthPremium(double taxableIncome);

} // namespace ProvincialTax
