// The other federal forms of the form library: field-holder classes.
#pragma once

#include "marrow/CppContributionFields.h"
#include "marrow/FormFields.h"
#include "marrow/TypeCodes.h"
#include "ordane/AmountTolerance.h"

#include <QtGlobal>

// A form code no longer in use: the object only carries its code.
class TaxData_UnusedForm : public CTaxData_Form
{
public:
    explicit TaxData_UnusedForm(int code) : CTaxData_Form(code) {}
};

// T778: child care expenses.
class TaxData_T778New : public CTaxData_Form
{
public:
    TaxData_T778New() : CTaxData_Form(FormType::T778) {}
    CIntField higherIncomeFlag1{this, "higherIncomeFlag1"};
    CIntField higherIncomeFlag2{this, "higherIncomeFlag2"};
    CFloatField partnerAmount{this, "partnerAmount"};
    CFloatField amount{this, "amount"};

    // The spouse's T778 into this one: each return sees the other's claim and which of the
    // two has the higher income.
    void SyncWithSpouseT778(const TaxData_T778New &spouse)
    {
        partnerAmount = spouse.amount.value();
        higherIncomeFlag1 = spouse.higherIncomeFlag2.value();
        higherIncomeFlag2 = spouse.higherIncomeFlag1.value();
    }
};

// T929: disability supports deduction.
class TaxData_T929New : public CTaxData_Form
{
public:
    TaxData_T929New() : CTaxData_Form(FormType::T929) {}
    CFloatField expenses{this, "expenses"};
    CFloatField earnedIncome{this, "earnedIncome"};
    CFloatField deduction{this, "deduction"};

    // The disability supports paid, at most the earned income.
    void Calculate01() { deduction = qBound(0.0, expenses.value(), earnedIncome.value()); }
};

// T2204: employee overpayment of CPP contributions and EI premiums.
class TaxData_T2204_New : public CTaxData_Form
{
public:
    TaxData_T2204_New() : CTaxData_Form(FormType::T2204) {}
    CFloatField insurableEarnings{this, "insurableEarnings"};
    CFloatField insurableEarnings2{this, "insurableEarnings2"};
    CBoolField eiExempt{this, "eiExempt"};
    CFloatField premiumsWithPpip{this, "premiumsWithPpip"};
    CFloatField ppipPremiums{this, "ppipPremiums"};
    CBoolField quebecFlag{this, "quebecFlag"};
    CFloatField employmentIncome{this, "employmentIncome"};
    CFloatField required{this, "required"};
    CFloatField result{this, "result"};

    // EI premiums: the required premium on insurable earnings (box 14 when box 24 is blank),
    // at the Quebec rate for Quebec employment; the premiums paid beyond it are an
    // overpayment. The typed amount is the premiums paid.
    void calculate() override;
    double paidPremiums() const { return premiumsWithPpip - ppipPremiums; }
    // Schedule 13's premiums on self-employment, with the self-employment income they are on
    // (taken from the return unless the form's own flag says it was typed).
    CIntField ownFlag{this, "ownFlag"};
    CFloatField selfEmploymentIncome{this, "selfEmploymentIncome"};
    CFloatField selfEmployedPremiums{this, "selfEmployedPremiums"};
};

// GST370: employee and partner GST/HST rebate.
class CTaxData_GST370 : public CTaxData_Form
{
public:
    CTaxData_GST370() : CTaxData_Form(FormType::GST370) {}
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CStringField yearText{this, "yearText", 4};
    // Entered: the eligible expenses (other than capital cost allowance) and the eligible
    // capital cost allowance on which the GST (5%) or the HST (13%, 14%, 15%) was paid.
    CFloatField gstExpenses{this, "gstExpenses"};
    CFloatField gstCca{this, "gstCca"};
    CFloatField hst13Expenses{this, "hst13Expenses"};
    CFloatField hst13Cca{this, "hst13Cca"};
    CFloatField hst14Expenses{this, "hst14Expenses"};
    CFloatField hst14Cca{this, "hst14Cca"};
    CFloatField hst15Expenses{this, "hst15Expenses"};
    CFloatField hst15Cca{this, "hst15Cca"};
    // Results: the tax included in the expenses at each rate, and their total, the rebate
    // (line 45700).
    CFloatField gstRebate{this, "gstRebate"};
    CFloatField hst13Rebate{this, "hst13Rebate"};
    CFloatField hst14Rebate{this, "hst14Rebate"};
    CFloatField hst15Rebate{this, "hst15Rebate"};
    CFloatField rebate{this, "rebate"};

    void Calculate01();
};

// T1206: tax on split income. Its figures (the 33% rate, the credit rate on the disability
// amounts, the dividend tax credit rates) are in docs/TaxFigures2025.md; the return holds no
// advance Canada workers benefit (line 41500) nor a disability amount transferred from a
// dependant (line 31800), so the form's lines for them add nothing.
class TaxData_T1206New : public CTaxData_Form
{
public:
    TaxData_T1206New() : CTaxData_Form(FormType::T1206) {}
    // The form's first part as the calculation fills it: the taxable dividends in the split income
    // (line 1), their other-than-eligible part (line 2) and the total split income (line 4), which
    // line 23200 deducts.
    CFloatField f68330{this, "68330"};
    CFloatField f68340{this, "68340"};
    CFloatField f68360{this, "68360"};
    // Entered: the split income other than dividends (line 3); the taxable dividends of the
    // split income and their other-than-eligible part; of line 3, the part from foreign
    // sources (68370), and the total income from foreign sources (68380).
    CFloatField splitIncome{this, "splitIncome"};
    CFloatField splitDividends{this, "splitDividends"};
    CFloatField splitOtherDividends{this, "splitOtherDividends"};
    CFloatField f68370{this, "68370"};
    CFloatField f68380{this, "68380"};
    // Result: the adjusted net income, net income with the split income counted again.
    CFloatField adjustedNetIncome{this, "adjustedNetIncome"};

    // Inputs of the form's federal part from the return: the disability amounts (lines 31600 and
    // 31800) and the federal foreign tax credit (line 40500).
    CFloatField disabilityAmounts{this, "disabilityAmounts"};
    CFloatField returnForeignTaxCredit{this, "returnForeignTaxCredit"};
    // Results of the federal part: the federal tax on split income (line 8, line 40424 of the
    // return), the disability tax credit against it (line 14), the dividend tax credit on the split
    // dividends (line 21), the tax less both (line 22), the foreign tax credit on split
    // income (line 23) and what is left (line 24): the net federal tax is never below it.
    CFloatField federalTax{this, "federalTax"};
    CFloatField disabilityCredit{this, "disabilityCredit"};
    CFloatField dividendCredit{this, "dividendCredit"};
    CFloatField taxLessCredits{this, "taxLessCredits"};
    CFloatField foreignCredit{this, "foreignCredit"};
    CFloatField netTax{this, "netTax"};

    // The first part: the split income leaves regular income (line 23200) and keeps its place in
    // the adjusted net income: net income (after that deduction) plus the split income.
    void CalculateTOSI(double netIncome);
    // The federal part to line 22: the tax on the split income and the disability and dividend tax
    // credits against it.
    void CalculateToLine22();
    // The federal part from line 23: the share of the return's foreign tax credit that is the split
    // income's, and the net tax on split income.
    void CalculateFederal();
};

// T626: overseas employment tax credit.
class TaxData_T626_New : public CTaxData_Form
{
public:
    TaxData_T626_New() : CTaxData_Form(FormType::T626) {}
};

// T691: alternative minimum tax. The 2025 rules (rate, basic exemption, the share of the
// credits allowed, the full inclusion of capital gains, the deductions allowed only in part,
// the share of the gains under the lifetime capital gains exemption, the special foreign tax
// credit, the add-back of the security options deductions) are in docs/TaxFigures2025.md; the
// parts of the form whose figures or amounts the return does not hold (securities given to a
// qualified donee, and the add-back of the resource deductions, whose income test was not
// read) are left out and add nothing (see that document).
class TaxData_T691New : public CTaxData_Form
{
public:
    TaxData_T691New() : CTaxData_Form(FormType::T691) {}
    // Results: the additional tax the minimum tax makes payable this year (0 when the regular
    // tax is higher), and the basic federal tax under minimum tax (the larger of the regular
    // basic federal tax and the minimum amount), the base of the Quebec abatement.
    CFloatField minimumTax{this, "minimumTax"};
    CFloatField minimumTaxBase{this, "minimumTaxBase"};
    // Entered: the minimum tax of the seven earlier years not yet applied (from the notice of
    // assessment). Result: the part applied this year (line 40427).
    CFloatField carryOver{this, "carryOver"};
    CFloatField carryOverApplied{this, "carryOverApplied"};
    CFloatField indicator1{this, "indicator1"};
    CFloatField indicator2{this, "indicator2"};
    // Entered: the carrying charges and allowances of film, rental and leasing property, tax
    // shelters and resource property beyond their income (lines 4, 7, 10 and 19 of Part 1).
    CFloatField f6783{this, "6783"};
    CFloatField f6784{this, "6784"};
    CFloatField f6786{this, "6786"};
    CFloatField f67820{this, "67820"};
    CFloatField f67922{this, "67922"};
    CFloatField f67924{this, "67924"};
    CFloatField f67926{this, "67926"};
    // Slip amounts the minimum tax reads: T4 amount G, and the security options deductions
    // of T4 boxes 39 and 91 (paragraph 110(1)(d)) and of boxes 41 and 92 (110(1)(d.1)).
    CFloatField t4AmountG{this, "t4AmountG"};
    CFloatField slipExemptF{this, "slipExemptF"};
    CFloatField slipExemptG{this, "slipExemptG"};

    // Inputs from the return (pass 4): taxable income (26000), net capital gains (Schedule 3
    // line 19700) less the gains of foreclosures and repossessions, taxable capital gains
    // (12700), taxable dividends (12000) and the other-than-eligible part (12010), the credits
    // (35000) and the donations credit in them (34900), the regular tax before the basic
    // federal tax (40400 less 35000 and 40425; the carry-over takes the split-income tax out of
    // it), the basic federal tax (42900), the political contribution credit (41000), the investment
    // tax credit (41200) and the death of the person (the minimum tax does not apply to the final
    // return).
    CFloatField taxableIncome{this, "taxableIncome"};
    CFloatField netCapitalGains{this, "netCapitalGains"};
    CFloatField taxableCapitalGains{this, "taxableCapitalGains"};
    CFloatField taxableDividends{this, "taxableDividends"};
    CFloatField otherDividends{this, "otherDividends"};
    CFloatField nonRefundableCredits{this, "nonRefundableCredits"};
    CFloatField donationCredits{this, "donationCredits"};
    CFloatField taxBeforeCarryOver{this, "taxBeforeCarryOver"};
    CFloatField basicFederalTax{this, "basicFederalTax"};
    CFloatField politicalCredit{this, "politicalCredit"};
    CFloatField investmentCredit{this, "investmentCredit"};
    CBoolField deceased{this, "deceased"};
    // Results of Part 1: the adjusted taxable income, the net adjusted taxable income (above
    // the basic exemption), the credits allowed and the minimum amount; of Part 5: the regular
    // net federal tax it is compared with.
    CFloatField adjustedTaxableIncome{this, "adjustedTaxableIncome"};
    CFloatField netAdjustedTaxableIncome{this, "netAdjustedTaxableIncome"};
    CFloatField creditsAllowed{this, "creditsAllowed"};
    CFloatField minimumAmount{this, "minimumAmount"};
    CFloatField regularNetTax{this, "regularNetTax"};
    CFloatField carryOverRemaining{this, "carryOverRemaining"};

    // Inputs of Part 1: the deductions allowed only in part (child care 21400, moving 21900,
    // carrying charges 22100, employment expenses 22900, limited partnership losses 25100 and
    // non-capital losses 25200 of other years), of which half is added back, and the capital
    // gains deduction (25400), of which a share comes off again.
    CFloatField partlyAllowedDeductions{this, "partlyAllowedDeductions"};
    CFloatField capitalGainsDeduction{this, "capitalGainsDeduction"};
    // Inputs of Part 4: the foreign income and the foreign non-business tax paid on it (the
    // totals of the T2209 forms). Results: the special foreign tax credit (at least the
    // regular one) and the minimum amount less it.
    CFloatField foreignIncomeTotal{this, "foreignIncomeTotal"};
    CFloatField foreignTaxTotal{this, "foreignTaxTotal"};
    CFloatField specialForeignTaxCredit{this, "specialForeignTaxCredit"};
    CFloatField netMinimumAmount{this, "netMinimumAmount"};
    // Input: the federal tax on split income (T1206, line 40424), in the regular tax the
    // minimum amount is compared with (it is in 40400 and 42900) but not in the regular tax
    // the carry-over of earlier years may reduce.
    CFloatField splitIncomeTax{this, "splitIncomeTax"};

    // Part 1 (adjusted taxable income, minimum amount) and Part 8 (the carry-over applied,
    // at most the regular tax above the minimum amount). Returns the carry-over applied.
    double CalculateToLine65andMinitaxCarryOverAndLine102();
    // Parts 4 to 6: the special foreign tax credit, the regular net federal tax against the
    // minimum amount less it (minimumTax is what the minimum tax adds), and the basic federal
    // tax under minimum tax, given the T1206's tax on split income less its credits (line 22).
    void CalculateToLine95(double splitTaxLessCredits);
    // The balance carried to later years.
    void CalculateToEnd();
    bool applies() const { return minimumTax >= kAmountTolerance; }
};

// T2209: federal foreign tax credits (any number per return).
class TaxData_T2209_2036 : public CTaxData_Form
{
public:
    TaxData_T2209_2036() : CTaxData_Form(FormType::T2209) {}
    CBoolField overrideBase{this, "overrideBase"};
    CFloatField incomeBase{this, "incomeBase"};
    CFloatField slipAmount1{this, "slipAmount1"};
    CFloatField slipAmount2{this, "slipAmount2"};
    CFloatField slipAmount3{this, "slipAmount3"};
    CFloatField slipAmount4{this, "slipAmount4"};
    CFloatField credit{this, "credit"};
    CStringField country{this, "country"};
    void getDescription(CString &out) const override { out = country.value(); }
    CFloatField basicFederalTax{this, "basicFederalTax"};
    CFloatField taxLimit{this, "taxLimit"};
    CFloatField adjustment15{this, "adjustment15"};
    CFloatField minimumTaxCopy1{this, "minimumTaxCopy1"};
    CFloatField minimumTaxCopy2{this, "minimumTaxCopy2"};
    CFloatField minimumTaxCopy3{this, "minimumTaxCopy3"};
    CFloatField minimumTaxCopy4{this, "minimumTaxCopy4"};

    // Entered beside what the slips report: foreign non-business income and the tax paid
    // on it, and whether that income is from property other than real property (interest,
    // dividends), whose foreign tax above 15% of it is not creditable.
    CFloatField foreignIncome{this, "foreignIncome"};
    CFloatField foreignTax{this, "foreignTax"};
    CBoolField typedIsPropertyIncome{this, "typedIsPropertyIncome"};
    // Given by the slips (pass 1): the foreign tax above 15% of the foreign income, slip by
    // slip, of the T5 slips (foreign investment income). The T3, T4PS and T5013 amounts are
    // not counted: the published instructions for them send the whole tax to the credit.
    CFloatField slipPropertyTaxOver15{this, "slipPropertyTaxOver15"};

    double totalIncome() const { return foreignIncome + slipAmount1; }
    // The non-business income tax the credit is on (line 43100): the tax paid, less the part
    // above 15% of the property income that is deducted on line 23200 instead.
    double totalTax() const { return foreignTax + slipAmount2 - adjustment15; }
    // The credit: the lesser of the foreign tax paid and the basic federal tax in the
    // proportion of the foreign income to the income base.
    void Calculate01()
    {
        double share = 0;
        if (incomeBase > 0)
            share = qBound(0.0, totalIncome() / incomeBase, 1.0);
        credit = qMax(0.0, qMin(totalTax(), taxLimit * share));
    }
    // The foreign tax on property income above 15% of that income, deductible on line 23200
    // (docs/TaxFigures2025.md): the slips' part and, when the typed income is from property,
    // the typed part.
    void Adjust15Percent();
    // The foreign tax on one property's income above 15% of that income.
    static double taxOver15Percent(double income, double tax);
};

// T2017: reserves on dispositions of capital property.
class TaxData_T2017New : public CTaxData_Form
{
public:
    TaxData_T2017New() : CTaxData_Form(FormType::T2017) {}
    CFloatField result{this, "result"};
    CFloatField f66843{this, "66843"};
    CFloatField f66844{this, "66844"};
    CFloatField f66850{this, "66850"};
    CFloatField f66883{this, "66883"};
    CFloatField f66905{this, "66905"};
    // Entered: the reserve claimed last year and the reserve claimed this year.
    CFloatField priorReserve{this, "priorReserve"};
    CFloatField currentReserve{this, "currentReserve"};

    // The capital gain brought into the year: last year's reserve less this year's.
    void Calculate01() { result = priorReserve - currentReserve; }
};

// T1A: request for loss carryback.
class TaxData_T1ANew : public CTaxData_Form
{
public:
    TaxData_T1ANew() : CTaxData_Form(FormType::T1A) {}
    CStringField fullName{this, "fullName"};
    CStringField address{this, "address"};
    CStringField city{this, "city"};
    CIntField mailingProvince{this, "mailingProvince"};
    CStringField postalCode{this, "postalCode", 10};
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CStringField phone{this, "phone", 20};
    CIntField ownSwitch{this, "ownSwitch"};
    CFloatField capitalLoss{this, "capitalLoss"};
    // Entered: the non-capital loss and the net capital loss to apply to each of the three
    // earlier years the loss may go back to (the amounts of 2024 are the fields a return
    // held before the years were told apart).
    CFloatField lossAmount2022{this, "lossAmount2022"};
    CFloatField lossAmount2023{this, "lossAmount2023"};
    CFloatField lossAmount{this, "lossAmount"};
    CFloatField capitalLossRequested2022{this, "capitalLossRequested2022"};
    CFloatField capitalLossRequested2023{this, "capitalLossRequested2023"};
    // Given by pass 5: the incomes of the year, each split into its income part (column 0)
    // and its loss part (column 1): employment, investment, partnership, rental, business,
    // professional, commission, farming and fishing; the other income; the deductions (the
    // T1's own unless the form's switch is set, then typed); the non-capital losses of other
    // years claimed.
    static constexpr int kIncomeRows = 9;
    CTableField incomeParts{this, "incomeParts", kIncomeRows, {FieldType::Float, FieldType::Float}};
    CFloatField otherIncome{this, "otherIncome"};
    CFloatField deductions{this, "deductions"};
    // Results: the non-capital loss of the year, the part of it applied to each earlier year
    // (what was asked for that year, at most what the earlier years left of the loss), their
    // total carried back and the part left to carry forward; the net capital loss applied to
    // each year and in total, the same way within the year's net capital loss.
    CFloatField nonCapitalLoss{this, "nonCapitalLoss"};
    CFloatField lossCarriedBack{this, "lossCarriedBack"};
    CFloatField lossCarriedForward{this, "lossCarriedForward"};
    CFloatField capitalLossRequested{this, "capitalLossRequested"};
    CFloatField capitalLossCarriedBack{this, "capitalLossCarriedBack"};
    CFloatField lossApplied2022{this, "lossApplied2022"};
    CFloatField lossApplied2023{this, "lossApplied2023"};
    CFloatField lossApplied2024{this, "lossApplied2024"};
    CFloatField capitalLossApplied2022{this, "capitalLossApplied2022"};
    CFloatField capitalLossApplied2023{this, "capitalLossApplied2023"};
    CFloatField capitalLossApplied2024{this, "capitalLossApplied2024"};

    void Calculate01();
};

// T2222: northern residents deductions.
class CTaxData_T2222 : public CTaxData_Form
{
public:
    CTaxData_T2222() : CTaxData_Form(FormType::T2222) {}
    CFloatField slipAmount1{this, "slipAmount1"};
    CFloatField slipAmount2{this, "slipAmount2"};
    CFloatField days1{this, "days1"};
    CFloatField days2{this, "days2"};
    CFloatField days3{this, "days3"};
    CFloatField days4{this, "days4"};
    // The days are the basic residency days of the northern zone (days1) and of the
    // intermediate zone (days2), and the days of each that qualify for the additional
    // residency amount (days3, days4). The slip amounts are the taxable travel benefits (T4
    // and T4A). Entered for the travel deduction: the travel expenses and the lowest return
    // airfare of the trips from each zone, and whether the $1,200 standard amount is used in
    // place of the benefits.
    CFloatField travelExpensesA{this, "travelExpensesA"};
    CFloatField lowestAirfareA{this, "lowestAirfareA"};
    CFloatField travelExpensesB{this, "travelExpensesB"};
    CFloatField lowestAirfareB{this, "lowestAirfareB"};
    CBoolField standardAmount{this, "standardAmount"};
    // Given: net income (line 23600). Results: the residency deduction, the travel deduction
    // and their sum (line 25500).
    CFloatField netIncome{this, "netIncome"};
    CFloatField residencyDeduction{this, "residencyDeduction"};
    CFloatField travelDeduction{this, "travelDeduction"};
    CFloatField deduction{this, "deduction"};

    void Calculate01();
};

// T1-DD(1): direct deposit.
class CTaxData_T1DD : public CTaxData_Form
{
public:
    CTaxData_T1DD() : CTaxData_Form(FormType::T1DD) {}
    CStringField branch{this, "branch", 5};
    CStringField institution{this, "institution", 3};
    CStringField account{this, "account", 12};
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CStringField street{this, "street"};
    CStringField city{this, "city"};
    CIntField mailingProvince{this, "mailingProvince"};
    CStringField postalCode{this, "postalCode", 10};
};

// CPT20: election to pay CPP contributions.
class TaxData_CPT20_New : public CTaxData_Form
{
public:
    TaxData_CPT20_New() : CTaxData_Form(FormType::CPT20) {}
    CIntField option{this, "option"};
    // One entry per T4 slip, at most six: pensionable earnings, box 16, box 16A, box 17.
    static constexpr int kEntries = 6;
    CTableField entries{this,
                        "entries",
                        kEntries,
                        {FieldType::Float, FieldType::Float, FieldType::Float, FieldType::Float}};

    void clearEntry() { entries.reset(); }
    // Entry n, 1 to 6; any other n is not kept.
    void setEntryN(int n, double earnings, double box16, double box16A, double box17)
    {
        if (n < 1 || n > kEntries)
            return;
        entries.amountAt(n - 1, 0) = earnings;
        entries.amountAt(n - 1, 1) = box16;
        entries.amountAt(n - 1, 2) = box16A;
        entries.amountAt(n - 1, 3) = box17;
    }
    // The incomes elected at lines 16 and 17.
    CFloatField line16{this, "line16"};
    CFloatField line17{this, "line17"};

    bool hadElectedIncomeToPayCPP() const
    {
        return qAbs(double(line16)) >= kAmountTolerance || qAbs(double(line17)) >= kAmountTolerance;
    }
    // The election reaches the CPP schedule (option 1 or 2 of the form).
    bool hadElectedF399IncomeToPayCPP() const { return option == 1 || option == 2; }
    // The identification pass 2 copies in, and the CPP form's months and pensionable earnings
    // (months -100 when the return has no CPP form).
    CStringField lastName{this, "lastName"};
    CStringField firstName{this, "firstName"};
    CStringField address{this, "address"};
    CStringField sin{this, "sin", 11};
    CStringField postalCode{this, "postalCode", 10};
    CFloatField cppFormEarnings{this, "cppFormEarnings"};
    CIntField cppFormMonths{this, "cppFormMonths"};
    // The elected income, the larger of the incomes elected at lines 16 and 17.
    CFloatField electedIncome{this, "electedIncome"};
    void calculate() override { electedIncome = qMax(0.0, qMax(line16.value(), line17.value())); }
};

// T777: employment expenses.
class TaxData_T777New : public CTaxData_Form
{
public:
    TaxData_T777New() : CTaxData_Form(FormType::T777) {}
    CStringField employerName{this, "employerName"};
    void getDescription(CString &out) const override { out = employerName.value(); }
    CFloatField employmentIncome{this, "employmentIncome"};
    CFloatField expenses{this, "expenses"};
    CFloatField deduction{this, "deduction"};

    // The expenses entered, at most the employment income.
    void Calculate01() { deduction = qBound(0.0, expenses.value(), employmentIncome.value()); }
};

// T1219: provincial or territorial minimum tax.
class CTaxData_T1219 : public CTaxData_Form
{
public:
    CTaxData_T1219() : CTaxData_Form(FormType::T1219) {}
};

// TL2: meals and lodging expenses.
class TaxData_TL2_New : public CTaxData_Form
{
public:
    TaxData_TL2_New() : CTaxData_Form(FormType::TL2) {}
    CStringField sin{this, "sin", 11};
    CStringField employerName{this, "employerName"};
    void getDescription(CString &out) const override { out = employerName.value(); }
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    // Entered: the lodging paid, and the meals: their cost (detailed method) or the number of
    // meals at the flat rate (simplified method, at most three a day over the days away), and
    // whether the meals were bought during a long-haul truck driver's eligible travel periods.
    // A meal amount already at its deductible share (as files before the share was computed
    // hold it) counts as entered.
    CFloatField lodgingExpenses{this, "lodgingExpenses"};
    CFloatField deductibleMeals{this, "deductibleMeals"};
    CFloatField mealsBought{this, "mealsBought"};
    CIntField simplifiedMeals{this, "simplifiedMeals"};
    CIntField daysAway{this, "daysAway"};
    CBoolField longHaul{this, "longHaul"};
    // Results: the meals at their deductible share, and the claim (lodging plus meals).
    CFloatField mealsClaim{this, "mealsClaim"};
    CFloatField deduction{this, "deduction"};

    void Calculate01();
};

// T1153: consent for a discounter (filing form).
class CTaxData_T1153 : public CTaxData_Form
{
public:
    CTaxData_T1153() : CTaxData_Form(FormType::T1153) {}
    CStringField businessName{this, "businessName"};
    CStringField discounterCode{this, "discounterCode", 10};
    CStringField businessAddress{this, "businessAddress"};
    CStringField efileNumber{this, "efileNumber", 10};
    CStringField businessCity{this, "businessCity"};
    CStringField businessProvince{this, "businessProvince"};
    CStringField businessPostalCode{this, "businessPostalCode", 10};
    CStringField fullName{this, "fullName"};
    CStringField sin{this, "sin", 11};
    CStringField address{this, "address"};
    CDateField birthDate{this, "birthDate"};
    CStringField city{this, "city"};
    CStringField provinceText{this, "provinceText"};
    CStringField postalCode{this, "postalCode", 10};
};

// T1-M: moving expenses.
class TaxData_T1MNew : public CTaxData_Form
{
public:
    TaxData_T1MNew() : CTaxData_Form(FormType::T1M) {}
    CFloatField amount1{this, "amount1"};
    CFloatField amount2{this, "amount2"};
    CStringField newAddress{this, "newAddress"};
    void getDescription(CString &out) const override { out = newAddress.value(); }

    // Its carry reaches the new year through the T1 (the loaded carry amount), not the form.
    bool keepForNewYear(int, int) const override { return false; }

    // What the form carries into the following year: the first amount less the second, when
    // positive.
    double amountForNextYear() const { return amount1 - amount2 > 0 ? amount1 - amount2 : 0.0; }
    // The identification pass 2 copies in, and the income earned at the new location.
    CStringField yearText{this, "yearText", 4};
    CStringField lastName{this, "lastName"};
    CStringField firstName{this, "firstName"};
    CStringField sin{this, "sin", 11};
    CFloatField incomeAtNewLocation{this, "incomeAtNewLocation"};

    // The expenses (the first amount) are deducted up to the income earned at the new
    // location; the deduction is the second amount, the rest carries forward.
    void Calculate01() { amount2 = qBound(0.0, amount1.value(), incomeAtNewLocation.value()); }
};

// T1223: clergy residence deduction.
class CTaxData_T1223 : public CTaxData_Form
{
public:
    CTaxData_T1223() : CTaxData_Form(FormType::T1223) {}
    CFloatField housingAmount{this, "housingAmount"};
    CStringField lastName{this, "lastName"};
    CStringField firstName{this, "firstName"};
    CStringField yearText{this, "yearText", 4};
    CStringField sin{this, "sin", 11};
    CStringField address{this, "address"};
    CFloatField employmentIncome{this, "employmentIncome"};
    CFloatField deduction{this, "deduction"};

    // The clergy residence deduction: the housing the slips or the form give, at most the
    // employment income.
    void Calculate01() { deduction = qBound(0.0, housingAmount.value(), employmentIncome.value()); }
};

// T1229: resource expenses and depletion.
class CTaxData_T1229 : public CTaxData_Form
{
public:
    CTaxData_T1229() : CTaxData_Form(FormType::T1229) {}
    // Entered from the T101 and T5013 slips: the exploration and development expenses, the
    // depletion allowance, the assistance that reduces them, and the expenditures that
    // qualify for the investment tax credit (mineral exploration; critical mineral
    // exploration; other flow-through).
    CFloatField explorationExpenses{this, "explorationExpenses"};
    CFloatField depletionAllowance{this, "depletionAllowance"};
    CFloatField assistance{this, "assistance"};
    CFloatField mineralExploration{this, "mineralExploration"};
    CFloatField otherQualifying{this, "otherQualifying"};
    CFloatField criticalMineralExploration{this, "criticalMineralExploration"};
    // Results: the deduction (line 22400) and the part of it the minimum tax adds back.
    CFloatField deduction{this, "deduction"};
    CFloatField minimumTaxAddBack{this, "minimumTaxAddBack"};

    // The simplest faithful way: the expenses less the assistance (not below 0), plus the
    // depletion allowance; all of it is a resource deduction the minimum tax adds back.
    void Calculate01()
    {
        deduction =
            qMax(0.0, explorationExpenses - assistance) + qMax(0.0, depletionAllowance.value());
        minimumTaxAddBack = deduction.value();
    }
};

// T1170: capital gains on gifts of certain property.
class TaxData_T1170 : public CTaxData_Form
{
public:
    TaxData_T1170() : CTaxData_Form(FormType::T1170) {}
    // Entered: the sale of the gifted property, its cost and the outlays.
    CFloatField proceeds{this, "proceeds"};
    CFloatField adjustedCostBase{this, "adjustedCostBase"};
    CFloatField outlays{this, "outlays"};
    CFloatField f67890{this, "67890"};

    // The capital gain on the gift (a loss counts as none).
    void Calculate01() { f67890 = qMax(0.0, proceeds - adjustedCostBase - outlays); }
    double getF67890() const { return f67890; }
};

// T1032: joint election to split pension income.
class TaxData_T1032_New : public CTaxData_Form
{
public:
    TaxData_T1032_New() : CTaxData_Form(FormType::T1032) {}
    CIntField transferer{this, "transferer", -1};
    CBoolField election{this, "election"};
    CFloatField electedAmount{this, "electedAmount"};
    CIntField exclusionFlag{this, "exclusionFlag"};
    CFloatField amount{this, "amount"};
    CFloatField secondAmount{this, "secondAmount"};
    CFloatField partnerSumTransferer{this, "partnerSumTransferer"};
    CFloatField partnerSumTransferee{this, "partnerSumTransferee"};
    CFloatField t4aBox128{this, "t4aBox128"};
    CFloatField t4arcaD{this, "t4arcaD"};
    CFloatField f68026{this, "68026"};
    CFloatField f68040{this, "68040"};
    CFloatField f68050{this, "68050"};
    // The joint election both spouses' forms hold alike: the pensioner's and the transferee's
    // identification, the keyed entries (a key and an amount per row), and the amounts.
    CStringField pensionerLastName{this, "pensionerLastName"};
    CStringField pensionerFirstName{this, "pensionerFirstName"};
    CStringField pensionerSin{this, "pensionerSin", 11};
    CStringField pensionerAddress{this, "pensionerAddress"};
    CStringField pensionerPostalCode{this, "pensionerPostalCode", 10};
    CStringField transfereeFirstName{this, "transfereeFirstName"};
    CStringField transfereeLastName{this, "transfereeLastName"};
    CStringField transfereeSin{this, "transfereeSin", 11};
    CTableField electionEntries{this, "electionEntries", 10, {FieldType::Int, FieldType::Float}};

    // The partner's form takes this one's election data: what is decided once for both.
    void copyElectionDataFrom(const TaxData_T1032_New &other)
    {
        static const char *const kElectionData[] = {"pensionerLastName",
                                                    "pensionerFirstName",
                                                    "pensionerSin",
                                                    "pensionerAddress",
                                                    "pensionerPostalCode",
                                                    "transfereeFirstName",
                                                    "transfereeLastName",
                                                    "transfereeSin",
                                                    "electionEntries",
                                                    "amount",
                                                    "secondAmount",
                                                    "t4aBox128",
                                                    "t4arcaD",
                                                    "68026",
                                                    "68040"};
        for (const char *name : kElectionData)
            copyFieldFrom(other, name);
    }
    // The pensioner's eligible pension income, from the pensioner's T1.
    CFloatField eligiblePension{this, "eligiblePension"};
    CFloatField pensionTaxDeducted{this, "pensionTaxDeducted"};
    CIntField pensionerAge{this, "pensionerAge"};
    CIntField transfereeAge{this, "transfereeAge"};
    CFloatField maxSplit{this, "maxSplit"};

    // The person's income taxes after the split (net federal, provincial tax and the social
    // benefits repayment): the pensioner's on the pensioner's form, the transferee's on the
    // transferee's; with the partner's mirrored, the two and their sum.
    CFloatField pensionerTaxAfterSplit{this, "pensionerTaxAfterSplit"};
    CFloatField transfereeTaxAfterSplit{this, "transfereeTaxAfterSplit"};
    CFloatField combinedTaxAfterSplit{this, "combinedTaxAfterSplit"};
    void CalculateIncomeTaxAfterAdjustment()
    {
        combinedTaxAfterSplit =
            qRound64((pensionerTaxAfterSplit + transfereeTaxAfterSplit) * 100.0) / 100.0;
    }

    // At most half of the eligible pension income may be split; the elected amount is kept
    // within it.
    double CalculateMaxSplitInc()
    {
        maxSplit = qMax(0.0, eligiblePension / 2.0);
        if (electedAmount > maxSplit)
            electedAmount = maxSplit.value();
        return maxSplit;
    }
};

// RC267: employee contributions to a US retirement plan.
class TaxData_RC267New : public CTaxData_Form
{
public:
    TaxData_RC267New() : CTaxData_Form(FormType::RC267) {}
    // Entered: the contributions to the US plan and the employer's share, which together are
    // the pension adjustment the plan reports.
    CFloatField contributions{this, "contributions"};
    CFloatField employerContributions{this, "employerContributions"};
    CFloatField pensionAdjustment{this, "pensionAdjustment"};
    CFloatField deduction{this, "deduction"};

    // The simplest faithful way: the contributions are deducted as made.
    void calculate() override
    {
        deduction = qMax(0.0, contributions.value());
        pensionAdjustment = deduction + qMax(0.0, employerContributions.value());
    }
};

// RC268: employee contributions to a US Roth IRA.
class TaxData_RC268New : public CTaxData_Form
{
public:
    TaxData_RC268New() : CTaxData_Form(FormType::RC268) {}
    // Entered: the contributions to the Roth IRA. Given: the RRSP deduction limit.
    CFloatField contributions{this, "contributions"};
    CFloatField rrspDeductionLimit{this, "rrspDeductionLimit"};
    CFloatField pensionAdjustment{this, "pensionAdjustment"};
    CFloatField deduction{this, "deduction"};

    // A commuter deducts the contributions up to the RRSP deduction limit; what is deducted
    // is the pension adjustment.
    void calculate() override
    {
        deduction = qBound(0.0, contributions.value(), qMax(0.0, rrspDeductionLimit.value()));
        pensionAdjustment = deduction.value();
    }
};

// RC269: employee contributions to a foreign pension plan.
class TaxData_RC269 : public CTaxData_Form
{
public:
    TaxData_RC269() : CTaxData_Form(FormType::RC269) {}
    // Entered: the contributions to the foreign pension plan. Given: the CPP form's
    // pensionable earnings and its base and enhanced contributions (for the record).
    CFloatField contributions{this, "contributions"};
    CFloatField pensionableEarnings{this, "pensionableEarnings"};
    CFloatField cppBase{this, "cppBase"};
    CFloatField cppEnhanced{this, "cppEnhanced"};
    CFloatField pensionAdjustment{this, "pensionAdjustment"};
    CFloatField deduction{this, "deduction"};

    // The simplest faithful way: the contributions are deducted as made and reported as the
    // pension adjustment; the limit tied to the foreign plan's own rules is not computed.
    void Calculate01()
    {
        deduction = qMax(0.0, contributions.value());
        pensionAdjustment = deduction.value();
    }
};

// RC359: tax on excessive EPSP amounts.
class TaxData_RC359 : public CTaxData_Form
{
public:
    TaxData_RC359() : CTaxData_Form(FormType::RC359) {}
    // Given: the person's province. Entered: the excessive EPSP amount of the year.
    CIntField province{this, "province"};
    CFloatField excessiveAmount{this, "excessiveAmount"};
    // Results: the deduction (line 22900) and the federal tax on the amount.
    CFloatField deduction{this, "deduction"};
    CFloatField federalTax{this, "federalTax"};

    // The excessive amount leaves income as a deduction and is taxed at the top federal rate
    // instead; the provincial part of that tax is the province's.
    void Calculate01();
};

// RC381: inter-provincial CPP and QPP contributions.
class TaxData_RC381 : public CTaxData_Form
{
public:
    TaxData_RC381() : CTaxData_Form(FormType::RC381) {}
    CBoolField line10100Flag{this, "line10100Flag"};
    CBoolField cppExempt{this, "cppExempt"};
    CBoolField qppExempt{this, "qppExempt"};
    CIntField t4Count{this, "t4Count"};
    CIntField quebecCount{this, "quebecCount"};
    CFloatField box16Total{this, "box16Total"};
    CFloatField box16ATotal{this, "box16ATotal"};
    CFloatField box17Total{this, "box17Total"};
    CFloatField box17ATotal{this, "box17ATotal"};
    CIntField employmentKind{this, "employmentKind"};
    CBoolField electionFlag{this, "electionFlag"};
    CIntField electionOption{this, "electionOption"};
    CFloatField electionAmount{this, "electionAmount"};
    CppContributionFields cpp{this};
    CIntField qppMonths{this, "qppMonths", 12};
    CFloatField qppEarnings{this, "qppEarnings"};
    // Self-employment and other earnings on the Quebec plan (the Canada plan's are the
    // contribution fields' own).
    CFloatField qppSelfEmploymentEarnings{this, "qppSelfEmploymentEarnings"};
    CFloatField cappedEarnings{this, "cappedEarnings"};

    // CPP on the slips outside Quebec and QPP on the Quebec slips, each on its own rates.
    void Calculate01();
    void getCPPRelatedAmounts(double amounts[6]) const { cpp.getCPPRelatedAmounts(amounts); }
    void mockCPPQPPMonthIfNeeded() {}
};

// RC383: tax-deferred CPP contributions.
class TaxData_RC383 : public CTaxData_Form
{
public:
    TaxData_RC383() : CTaxData_Form(FormType::RC383) {}
    CFloatField exemptIncome{this, "exemptIncome"};
    CFloatField exemptPriorYear{this, "exemptPriorYear"};
    CFloatField exemptCurrentYear{this, "exemptCurrentYear"};
    CFloatField f58750{this, "58750"};
    CFloatField f58810{this, "58810"};
    // The exempt income the contributions may be deferred on and the contributions of both
    // years, summed.
    void Calculate01()
    {
        f58750 = exemptIncome.value();
        f58810 = exemptPriorYear + exemptCurrentYear;
    }
};

// T90: income exempt under the Indian Act.
class TaxData_T90 : public CTaxData_Form
{
public:
    TaxData_T90() : CTaxData_Form(FormType::T90) {}
    CFloatField exemptAmount{this, "exemptAmount"};
    CBoolField exemptFlag{this, "exemptFlag"};
    CFloatField secondAmount{this, "secondAmount"};
    CFloatField eiAmount{this, "eiAmount"};
    CFloatField f10000{this, "10000"};
    CFloatField f10026{this, "10026"};
    // Entered: the exempt employment income (exemptAmount) and the exempt self-employment
    // income (secondAmount), the exempt EI benefits. Results: the exempt working income the
    // Canada workers benefit counts, employment and self-employment.
    CFloatField cwbEmployment{this, "cwbEmployment"};
    CFloatField cwbSelfEmployment{this, "cwbSelfEmployment"};
    void Calculate01();
};

// T224: Yukon business carbon price rebate (Yukon's credits, line 47900). The rebate is the
// eligible Yukon UCC at the year's business rebate factors; the factors of the 2025 financial
// year are not among the published figures read (docs/TaxFigures2025.md), so the person
// enters each rebate as worked out, beside the UCC it is on.
class TaxData_T224 : public CTaxData_Form
{
public:
    TaxData_T224() : CTaxData_Form(FormType::T224) {}
    // Entered: the eligible UCC of the Yukon business and of the Yukon mining business, and
    // the general and mining rebates claimed. Result: the rebate.
    CFloatField generalUcc{this, "generalUcc"};
    CFloatField miningUcc{this, "miningUcc"};
    CFloatField generalRebate{this, "generalRebate"};
    CFloatField miningRebate{this, "miningRebate"};
    CFloatField rebate{this, "rebate"};

    void Calculate01();
};

// T225: carbon price rebate for farmers in the territories (the territory's credits, line
// 47900). No 2025 payment rate is published (docs/TaxFigures2025.md): the person enters the
// rebate claimed beside the farming expenses it is on.
class TaxData_T225 : public CTaxData_Form
{
public:
    TaxData_T225() : CTaxData_Form(FormType::T225) {}
    // Given: the person's age at the end of the year.
    CIntField age{this, "age"};
    // Entered: the eligible farming expenses and the rebate claimed. Result: the rebate.
    CFloatField farmingExpenses{this, "farmingExpenses"};
    CFloatField rebateClaimed{this, "rebateClaimed"};
    CFloatField rebate{this, "rebate"};

    void Calculate01();
};

// Federal worksheet: dividends and the social benefits repayment.
class TaxData_WS_D1 : public CTaxData_Form
{
public:
    TaxData_WS_D1() : CTaxData_Form(FormType::WSD1) {}
    // Amounts the slips carry, reset before every pass: taxable dividends (already grossed
    // up by the payer), interest and other investment income, foreign income.
    CFloatField t3ForeignIncome{this, "t3ForeignIncome"};
    CFloatField t3ForeignIncomeSlip{this, "t3ForeignIncomeSlip"};
    CFloatField t3NonEligibleTaxable{this, "t3NonEligibleTaxable"};
    CFloatField t3TotalTaxable{this, "t3TotalTaxable"};
    CFloatField t5NonEligibleTaxable{this, "t5NonEligibleTaxable"};
    CFloatField t5TotalTaxable{this, "t5TotalTaxable"};
    CFloatField t5ForeignIncome{this, "t5ForeignIncome"};
    CFloatField t5Interest{this, "t5Interest"};
    CFloatField t5AmountB{this, "t5AmountB"};
    CFloatField t5AmountC{this, "t5AmountC"};
    CFloatField t5AmountD{this, "t5AmountD"};
    CFloatField investmentIncome{this, "investmentIncome"};
    CFloatField t5013ForeignIncome{this, "t5013ForeignIncome"};
    CFloatField limitedPartnershipIncome{this, "limitedPartnershipIncome"};
    CFloatField t5013NonEligibleTaxable{this, "t5013NonEligibleTaxable"};
    CFloatField t5013TotalTaxable{this, "t5013TotalTaxable"};
    CFloatField t5013CarryingCharges{this, "t5013CarryingCharges"};
    CFloatField t4psNonEligibleTaxable{this, "t4psNonEligibleTaxable"};
    CFloatField t4psTotalTaxable{this, "t4psTotalTaxable"};
    // Entered on the worksheet: dividends and interest that no slip reports.
    CFloatField otherTaxableDividends{this, "otherTaxableDividends"};
    CFloatField otherNonEligibleTaxable{this, "otherNonEligibleTaxable"};
    CFloatField otherInterest{this, "otherInterest"};
    // Results.
    CFloatField f12000{this, "12000"};
    CFloatField f12010{this, "12010"};
    CFloatField f12100{this, "12100"};
    CFloatField f12200{this, "12200"};
    CFloatField foreignIncome{this, "foreignIncome"};
    CFloatField eligibleTaxable{this, "eligibleTaxable"};
    CFloatField f23500{this, "23500"};

    void resetDivDetailsAmounts();
    // The taxable amounts are summed as the slips give them: they are already grossed up.
    void Calculate01();
    double getF12000() const { return f12000; }
    // The EI benefits repayment: at the repayment rate, the lesser of the regular benefits
    // (T4E box 15 less box 30) and the income above the threshold; nothing when no slip
    // shows a repayment rate in box 7.
    static double eiBenefitsRepayment(double repaymentRateBox7, double regularBenefits,
                                      double income);
    // Line 23500: the EI benefits repayment plus the OAS recovery, 15% of the net income
    // after that repayment above the threshold, at most the OAS received.
    void CalculateF23500(double netIncomeBefore, double oasReceived, double eiRepayment);
    double getF12010() const { return f12010; }
};
