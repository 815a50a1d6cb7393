// The 2025 federal rules as pure functions of their inputs, on the figures of
// FederalRates2025.h.
#pragma once

namespace FederalTaxRules {

// Rounded to the cent, half away from zero, as on the paper forms.
double roundCents(double amount);
// Tax on taxable income by the five brackets (negative income: 0).
double bracketTax(double taxableIncome);
// The basic personal amount for a net income: the maximum, falling in a straight line to the
// minimum between the two reduction thresholds.
double basicPersonalAmount(double netIncome);
// The age amount of a person 65 or over: the maximum less 15% of net income above the
// threshold, not below 0; 0 for a younger person.
double ageAmount(bool age65OrOver, double netIncome);
// The Canada employment amount: the lesser of the maximum and the employment income.
double canadaEmploymentAmount(double employmentIncome);
// The pension income amount: the lesser of 2,000 and the eligible pension income.
double pensionAmount(double eligiblePension);
// The medical expenses above the lesser of 3% of net income and the fixed threshold.
double allowableMedicalExpenses(double expenses, double netIncome);
// The donation credit: the lowest rate on the first 200, 33% on the part above 200 paid out of
// taxable income above the top threshold, 29% on the rest.
double donationCredit(double allowableGifts, double taxableIncome);

// The employee's pension-plan contributions on employment earnings, split as the T1 claims
// them: the base part (line 30800), the first additional part with the second contributions
// (line 22215) and the overpayment (line 44800). Earnings count for the contributory months.
struct PensionSplit
{
    double base = 0;
    double enhanced = 0;
    double overpayment = 0;
};
PensionSplit pensionPlanSplit(bool quebecPlan, double earnings, int months, double paid,
                              double paidSecond);
// The contributions required on self-employment and other earnings, both shares: the base
// part, the first additional part and the second additional part. Employment earnings fill
// the year's maximum first, as far as the employee contributions paid on them cover (the
// contributions divided by the employee rate); the rest of the room is the self-employed
// person's. Line 31000 claims half the base part; line 22200 deducts the rest.
struct SelfEmployedContributions
{
    double base = 0;
    double firstAdditional = 0;
    double secondAdditional = 0;
    double total() const { return base + firstAdditional + secondAdditional; }
    double creditPart() const;    // line 31000
    double deductionPart() const; // line 22200
};
SelfEmployedContributions selfEmployedContributions(bool quebecPlan, double employmentEarnings,
                                                    double otherEarnings, int months, double paid,
                                                    double paidSecond);
// The EI premium required on insurable earnings, at the Quebec rate when asked.
double eiPremium(bool quebec, double insurableEarnings);
// The parental insurance premium required on insurable earnings.
double ppipPremium(double insurableEarnings);

} // namespace FederalTaxRules

// The federal tax stairs of the T1: the brackets as a jurisdiction's table.
struct STRUCT_TAX_STAIRS_JURISDICTION
{
    // Tax on the spouse's taxable income (Schedule 2); the second result is the spouse's top
    // marginal rate.
    double CalcAlgoForSpouseF260S2(double taxableIncome, double *marginalRate) const;
};
