// One table of the T1 line titles of the 2025 return, by line number.
#include "marrow/LineTitles.h"

#include <algorithm>
#include <iterator>

namespace {

struct LineTitleRow
{
    int line;
    const char *title;
};

// Ascending by line.
const LineTitleRow kLineTitles[] = {
    {10100, "Employment income (box 14 of all T4 slips)"},
    {10105, "Tax-exempt income for emergency services volunteers"},
    {10400, "Other employment income"},
    {11300, "Old age security pension (box 18 of the T4A(OAS) slip)"},
    {11400, "CPP or QPP benefits (box 20 of the T4A(P) slip)"},
    {11410, "Disability benefits included on line 11400"},
    {11500, "Other pensions and superannuation"},
    {11600, "Elected split-pension amount"},
    {11900, "Employment insurance and other benefits (box 14 of the T4E slip)"},
    {12000, "Taxable amount of dividends from taxable Canadian corporations"},
    {12010, "Taxable amount of dividends other than eligible dividends"},
    {12100, "Interest and other investment income"},
    {12200, "Net partnership income: limited or non-active partners only"},
    {12500, "Registered disability savings plan income"},
    {12600, "Net rental income"},
    {12700, "Taxable capital gains"},
    {12800, "Support payments received"},
    {12900, "RRSP income (from all T4RSP slips)"},
    {13000, "Other income"},
    {13499, "Business income (gross)"},
    {13500, "Business income (net)"},
    {13699, "Professional income (gross)"},
    {13700, "Professional income (net)"},
    {13899, "Commission income (gross)"},
    {13900, "Commission income (net)"},
    {14099, "Farming income (gross)"},
    {14100, "Farming income (net)"},
    {14299, "Fishing income (gross)"},
    {14300, "Fishing income (net)"},
    {14400, "Workers' compensation benefits (box 10 of the T5007 slip)"},
    {14500, "Social assistance payments"},
    {14600, "Net federal supplements paid (box 21 of the T4A(OAS) slip)"},
    {15000, "Total income"},
    {20600, "Pension adjustment"},
    {20700, "Registered pension plan deduction"},
    {20800, "RRSP deduction"},
    {21000, "Deduction for elected split-pension amount"},
    {21200, "Annual union, professional, or like dues"},
    {21400, "Child care expenses"},
    {22100, "Carrying charges, interest expenses, and other expenses"},
    {22200, "Deduction for CPP or QPP contributions on self-employment income"},
    {22215, "Deduction for CPP or QPP enhanced contributions on employment income"},
    {22400, "Exploration and development expenses"},
    {22900, "Other employment expenses"},
    {23200, "Other deductions"},
    {23600, "Net income"},
    {24900, "Security options deductions"},
    {25100, "Limited partnership losses of other years"},
    {25200, "Non-capital losses of other years"},
    {25300, "Net capital losses of other years"},
    {25500, "Northern residents deductions"},
    {26000, "Taxable income"},
    {30000, "Basic personal amount"},
    {30100, "Age amount"},
    {30300, "Spouse or common-law partner amount"},
    {30400, "Amount for an eligible dependant"},
    {30425, "Canada caregiver amount for spouse or common-law partner, or eligible dependant age "
            "18 or older"},
    {30450, "Canada caregiver amount for other infirm dependants age 18 or older"},
    {30500, "Canada caregiver amount for infirm children under 18 years of age"},
    {31000, "CPP or QPP contributions on self-employment income and other earnings"},
    {31217, "Employment insurance premiums on self-employment and other eligible earnings"},
    {31220, "Volunteer firefighters' amount"},
    {31240, "Search and rescue volunteers' amount"},
    {31270, "Home buyers' amount"},
    {31285, "Home accessibility expenses"},
    {31300, "Adoption expenses"},
    {31400, "Pension income amount"},
    {32600, "Amounts transferred from your spouse or common-law partner"},
    {33099, "Medical expenses for self, spouse or common-law partner, and dependent children"},
    {33199, "Allowable amount of medical expenses for other dependants"},
    {35000, "Total federal non-refundable tax credits"},
    {40400, "Federal tax on taxable income and on split income"},
    {40424, "Federal tax on split income"},
    {40425, "Federal dividend tax credit"},
    {40427, "Minimum tax carryover"},
    {40600, "Federal tax"},
    {40900, "Federal political contributions"},
    {41000, "Federal political contribution tax credit"},
    {41200, "Investment tax credit"},
    {41500, "Advance payments of the Canada workers benefit"},
    {41700, "Federal tax less the political contribution and investment tax credits"},
    {42000, "Net federal tax"},
    {42100, "CPP contributions payable on self-employment income and other earnings"},
    {42120, "Employment insurance premiums payable on self-employment and other earnings"},
    {42200, "Social benefits repayment"},
    {42800, "Provincial or territorial tax"},
    {42900, "Basic federal tax"},
    {43500, "Total payable"},
    {43700, "Total income tax deducted"},
    {43800, "Tax transfer for residents of Quebec"},
    {44800, "CPP or QPP overpayment"},
    {45300, "Canada workers benefit (CWB)"},
    {45350, "Canada training credit"},
    {45355, "Multigenerational home renovation tax credit"},
    {45700, "Employee and partner GST/HST rebate"},
    {48200, "Total credits"},
    {48400, "Refund"},
    {48500, "Balance owing"},
};

} // namespace

QString lineTitle(int line)
{
    const auto end = std::end(kLineTitles);
    const auto row = std::lower_bound(std::begin(kLineTitles), end, line,
                                      [](const LineTitleRow &r, int l) { return r.line < l; });
    if (row == end || row->line != line)
        return QString();
    return QString::fromLatin1(row->title);
}
