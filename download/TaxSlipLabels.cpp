// Box labels of the slip kinds, word for word as the page shows them (misspellings included:
// users and support staff know the page by these texts).
#include "download/TaxSlipLabels.h"

namespace {
template <int N> constexpr TaxSlipLabelTable table(const TaxSlipBoxLabel (&rows)[N])
{
    return {rows, N};
}

const TaxSlipBoxLabel t4Rows[] = {
    {"14", "Box 14 - Employment income"},
    {"16", "Box 16 - CPP Contribution"},
    {"16A", "Box 16A - 2nd CPP Contribution"},
    {"17", "Box 17 - QPP Contribution"},
    {"17A", "Box 17 - 2nd QPP Contribution"},
    {"18", "Box 18 - EI Premium Amount"},
    {"20", "Box 20 - RPP Contribution"},
    {"22", "Box 22 - Income Tax Deducted"},
    {"24", "Box 24 - EI Insurable Earning"},
    {"26", "Box 26 - CPP/QPP Pensionable Earning"},
    {"30", "Box 30 - Housing, board and lodging"},
    {"42", "Box 42 - Employment Commissions"},
    {"44", "Box 44 - Union Due"},
    {"45", "Box 45 - Employer Offered Dental Benefits"},
    {"46", "Box 46 - Charitable Donation"},
    {"52", "Box 52 - Pension Adjustment"},
    {"55", "Box 55 - Quebec PPIP premium"},
    {"56", "Box 56 - Quebec PPIP insurable earning"},
    {"57", "Box 57 - Period 1/2 income"},
    {"58", "Box 58 - Period 3/4 income"},
    {"59", "Box 59 - Period 5/6 income"},
    {"60", "Box 60 - Period 7 income"},
    {"66", "Box 66 - Eligible retiring allowance"},
    {"67", "Box 67 - Non-eligible retiring allowance"},
    {"71", "Box 71 - Indian Exempt Income Employment Amount"},
    {"85", "Box 85 - Employee paid premium for health plan"},
    {"87", "Box 87 - Volunteer firefighter exempt Amount"},
    {"88", "Box 88 - Indian self-employment"},
    {"90", "Box 90 - Security option benefits"},
    {"91", "Box 91 - Security options deduction 110(1)(d)"},
    {"92", "Box 92 - Security options deduction 110(1)(d.1)"},
};

// Box 127 has no label: it is applied to the slip form but not shown.
const TaxSlipBoxLabel t4aRows[] = {
    {"15", "Box 15 - Payer-offered Dental Benefits"},
    {"16", "Box 16 - Pension Superannuation Payment"},
    {"18", "Box 18 - Lumpsum Payment"},
    {"20", "Box 20 - Self-employment commission"},
    {"22", "Box 22 - Income Tax Deducted"},
    {"24", "Box 24 - Annuity Income Amount"},
    {"28", "Box 28 - Other Income"},
    {"30", "Box 30 - Patronage allocations"},
    {"32", "Box 32 - Registered pension plan contribution (past service)"},
    {"34", "Box 34 - Pension adjustment"},
    {"37", "Box 37 - Advanced life deferred annuity purchase"},
    {"40", "Box 40 - RESP accumulated income payments"},
    {"42", "Box 42 - RESP educational assisstance payments"},
    {"46", "Box 46 - Charitable Donation Amount"},
    {"48", "Box 48 - Fees for services"},
    {"104", "Box 104 - Research grants"},
    {"105", "Box 105 - Scholarships, bursaries"},
    {"106", "Box 106 - Death benefits"},
    {"107", "Box 107 - Payments from a wage-loss replacement plan"},
    {"109", "Box 109 - Periodic payments from unregistered plan"},
    {"118", "Box 118 - Medical premium benefits"},
    {"119", "Box 119 - Premium paid to group life insurance plan"},
    {"124", "Box 124 - Board and lodging at special work sites"},
    {"125", "Box 125 - Disability benefits paid out of a pension plan"},
    {"128", "Box 128 - Veterans' benefits eligible for pension splitting"},
    {"131", "Box 131 - RDSP Income"},
    {"135", "Box 135 - Premium paid for health plan"},
    {"196", "Box 196 - Tuition assistance for adult basic education"},
    {"197", "Box 197 - CERB amount"},
    {"198", "Box 198 - CESB amount"},
    {"199", "Box 199 - CEB amount"},
    {"200", "Box 200 - Prov. Covid-10 support"},
    {"201", "Box 201 - Repayment of Covid-10 Benefit"},
    {"202", "Box 202 - CRB amount"},
    {"203", "Box 203 - CRSB amount"},
    {"204", "Box 204 - CRCB amount"},
    {"210", "Box 210 - Postdoctoral Fellowship income"},
    {"211", "Box 211 - CAN Worker Lockdown Benefit"},
};

const TaxSlipBoxLabel t4eRows[] = {
    {"7", "Box 7 - Repayment Rate (%)"},
    {"14", "Box 14 - EI Benefit Payment Amount"},
    {"15", "Box 15 - Regular EI Benefit Payment"},
    {"17", "Box 17 - EI Support Payment"},
    {"18", "Box 18 - Tax Exempt EI Amount"},
    {"20", "Box 20 - Taxable Tuition Assistance Amount"},
    {"21", "Box 21 - Non-Taxable Tuition Assistance Amount"},
    {"22", "Box 22 - Income Tax Deducted"},
    {"23", "Box 23 - Quebec Income Tax Deducted"},
    {"26", "Box 26 - EI Overpayment Repayment"},
    {"30", "Box 30 - EI Repayment Amount"},
    {"33", "Box 33 - Consolidated Revenue Fund Payment Amount"},
    {"37", "Box 37 - EI maternity and parental benfits payments"},
};

const TaxSlipBoxLabel rc62Rows[] = {
    {"10", "Box 10 - UCCB Payment Amount"},
    {"12", "Box 12 - UCCB Repayment Amount"},
};

const TaxSlipBoxLabel t5Rows[] = {
    {"10", "Box 10 - Actual Amount of Dividends Other Than Eligible Dividends"},
    {"11", "Box 11 - Taxable Amount of Dividends Other Than Eligible Dividends"},
    {"12", "Box 12 - Dividend tax credit for Dividends other than eligible dividends"},
    {"13", "Box 13 - Canadian Interest Amount"},
    {"14", "Box 14 - Other income from Canadian sources"},
    {"15", "Box 15 - Foreign income"},
    {"16", "Box 16 - Foreign income tax paid"},
    {"17", "Box 17 - Royalties from Canadian sources"},
    {"18", "Box 18 - Capital Gains dividends Amount"},
    {"24", "Box 24 - Actual Amount of Eligible Dividends"},
    {"25", "Box 25 - Taxable Amount of Eligible Dividends"},
    {"26", "Box 26 - Dividend tax credit for eligible dividends"},
    {"27", "Box 27 - Currency"},
    {"34", "Box 34 - Capital gains dividends before 2024/06/25"},
};

const TaxSlipBoxLabel t3Rows[] = {
    {"21", "Box 21 - Post Budget Capital Gain"},
    {"23", "Box 23 - Actual Amount of Dividends Other Than Eligible Dividend"},
    {"26", "Box 26 - Other Income"},
    {"30", "Box 30 - Deductible Capital Gain"},
    {"32", "Box 32 - Taxable Amount of Dividends Other Than Eligible Dividend"},
    {"34", "Box 34 - Foreign Non-Business Income Tax Paid"},
    {"39", "Box 39 - Federal Dividend Tax Credit From Other Than Eligible Dividend"},
    {"49", "Box 49 - Actual Amount of Dividends Eligible Dividend"},
    {"50", "Box 50 - Taxable Amount of Dividends Eligible Dividend"},
    {"51", "Box 51 - Federal Dividend Tax Credit From Eligible Dividend"},
    {"22", "Box 22 - Lump-sum pension income"},
    {"24", "Box 24 - Foreign business income"},
    {"25", "Box 25 - Foreign Non-Business Income Amount"},
    {"31", "Box 31 - Qualifying pension income"},
    {"33", "Box 33 - Foreign business tax paid"},
    {"37", "Box 37 - Foreign non-business tax paid"},
    {"38", "Box 38 - Part XII.2 tax credit"},
    {"48", "Box 48 - Eligible amount of charitable donations"},
    {"55", "Box 55 - Capital gains from dispositions of QFFP"},
    {"57", "Box 57 - Capital gains from dispositions of QSBCS"},
    {"59", "Box 59 - Insurance segregated fund loss"},
};

const TaxSlipBoxLabel t4aoasRows[] = {
    {"18", "Box 18 - Net OAS Payment"},       {"19", "Box 19 - Gross OAS Payment"},
    {"20", "Box 20 - Overpayment Recovered"}, {"21", "Box 21 - OAS Net Supplement"},
    {"22", "Box 22 - Income Tax Deducted"},   {"23", "Box 23 - Quebec Income Tax Deducted"},
};

const TaxSlipBoxLabel t4rspRows[] = {
    {"16", "Box 16 - RRSP Annuity Income Amount"},
    {"18", "Box 18 - Refund of Premiums"},
    {"20", "Box 20 - Refund of Excess Contributions"},
    {"22", "Box 22 - RRSP Withdrawal Amount"},
    {"24", "Box 24 - RRSP Spouse Contribution"},
    {"25", "Box 25 - LLP Withdrawl"},
    {"26", "Box 26 - Amounts Deemed Received on Deregistration"},
    {"27", "Box 27 - HBP Withdrawl"},
    {"28", "Box 28 - Other Income or Deductions"},
    {"30", "Box 30 - Income Tax Deducted"},
    {"34", "Box 34 - Amounts deemed received on death"},
    {"37", "Box 37 - Advanced life deferred annuity"},
};

const TaxSlipBoxLabel t5013Rows[] = {
    {"5", "Box 5 - Percentage of business (%)"},
    {"10", "Box 10 - Total limited partner's business income (loss)"},
    {"20", "Box 20 - Total business income (loss)"},
    {"30", "Box 30 - Total capital gains (loss)"},
    {"40", "Box 40 - Capital cost allowance"},
    {"137", "Box 137 - Business investment loss"},
    {"151", "Box 151 - Capital gains(losses)"},
};

const TaxSlipBoxLabel t4rifRows[] = {
    {"16", "Box 16 - RIF Taxable Payment Amount"},
    {"18", "Box 18 - Deceased Amount"},
    {"20", "Box 20 - Deregistration Amount"},
    {"22", "Box 22 - Other Income Deduction Amount"},
    {"24", "Box 24 - RIF Excess Payment Amount"},
    {"26", "Box 26 - Spousal RRIF"},
    {"28", "Box 28 - Income Tax Deducted Amount"},
    {"37", "Box 37 - Advanced life deferred annuity"},
};

const TaxSlipBoxLabel rc210Rows[] = {
    {"10", "Box 10 - Basic ACWB benefit Amount"},
    {"11", "Box 11 - ACWB disability benefit Amount"},
};

const TaxSlipBoxLabel t4fhsaRows[] = {
    {"14", "Box 14 - FHSA Contract Number"},
    {"16", "Box 16 - FHSA Identificatio Number"},
    {"18", "Box 18 - Contribution"},
    {"20", "Box 20 - Qualifying withdrawals"},
    {"22", "Box 22 - Taxable withdrawals"},
    {"24", "Box 24 - FHSA beneficiary distribution received"},
    {"26", "Box 26 - Amount deemed received on FHSA cessation"},
    {"28", "Box 28 - Security for a loan"},
    {"30", "Box 30 - Income tax deducted"},
    {"32", "Box 32 - RRSP transfers in"},
    {"34", "Box 34 - Spousal RRSP transfer in"},
    {"36", "Box 36 - Designated - RRSP/RRIF transfer out"},
    {"38", "Box 38 - Designated - withdrawls"},
    {"61", "Box 61 - Payer Account Number"},
};
} // namespace

const TaxSlipLabelTable t4BoxLabels = table(t4Rows);
const TaxSlipLabelTable t4aBoxLabels = table(t4aRows);
const TaxSlipLabelTable t4eBoxLabels = table(t4eRows);
const TaxSlipLabelTable rc62BoxLabels = table(rc62Rows);
const TaxSlipLabelTable t5BoxLabels = table(t5Rows);
const TaxSlipLabelTable t3BoxLabels = table(t3Rows);
const TaxSlipLabelTable t4aoasBoxLabels = table(t4aoasRows);
const TaxSlipLabelTable t4rspBoxLabels = table(t4rspRows);
const TaxSlipLabelTable t5013BoxLabels = table(t5013Rows);
const TaxSlipLabelTable t4rifBoxLabels = table(t4rifRows);
const TaxSlipLabelTable rc210BoxLabels = table(rc210Rows);
const TaxSlipLabelTable t4fhsaBoxLabels = table(t4fhsaRows);
