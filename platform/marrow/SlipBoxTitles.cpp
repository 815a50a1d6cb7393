// One table of slip box titles, by slip code and field name.
#include "marrow/SlipBoxTitles.h"

#include "marrow/TypeCodes.h"

#include <cstring>

namespace {

struct BoxTitleRow
{
    int slip;
    const char *field;
    const char *title;
};

const BoxTitleRow kBoxTitles[] = {
    {SlipType::T4, "box14", "Employment income"},
    {SlipType::T4, "box16", "Employee's CPP contributions"},
    {SlipType::T4, "box16A", "Employee's second CPP contributions"},
    {SlipType::T4, "box17", "Employee's QPP contributions"},
    {SlipType::T4, "box17A", "Employee's second QPP contributions"},
    {SlipType::T4, "box18", "Employee's EI premiums"},
    {SlipType::T4, "box20", "RPP contributions"},
    {SlipType::T4, "box22", "Income tax deducted"},
    {SlipType::T4, "box24", "EI insurable earnings"},
    {SlipType::T4, "box26", "CPP/QPP pensionable earnings"},
    {SlipType::T4, "box30", "Housing, board and lodging"},
    {SlipType::T4, "box42", "Employment commissions"},
    {SlipType::T4, "box44", "Union dues"},
    {SlipType::T4, "box46", "Charitable donations"},
    {SlipType::T4, "box52", "Pension adjustment"},
    {SlipType::T4, "box55", "Employee's PPIP premiums"},
    {SlipType::T4, "box66", "Eligible retiring allowances"},
    {SlipType::T4, "box67", "Non-eligible retiring allowances"},
    {SlipType::T4, "box71", "Status Indian (exempt income): employment income"},
    {SlipType::T4, "box85", "Employee-paid premiums for private health services plans"},
    {SlipType::T4, "box87", "Emergency services volunteer exempt amount"},
    {SlipType::T4A, "box16", "Pension or superannuation"},
    {SlipType::T4A, "box18", "Lump-sum payments"},
    {SlipType::T4A, "box20", "Self-employed commissions"},
    {SlipType::T4A, "box22", "Income tax deducted"},
    {SlipType::T4A, "box24", "Annuities"},
    {SlipType::T4A, "box28", "Other income"},
    {SlipType::T4A, "box32", "Registered pension plan contributions"},
    {SlipType::T4A, "box34", "Pension adjustment"},
    {SlipType::T4A, "box40", "RESP accumulated income payments"},
    {SlipType::T4A, "box42", "RESP educational assistance payments"},
    {SlipType::T4A, "box46", "Charitable donations"},
    {SlipType::T4A, "box48", "Fees for services"},
    {SlipType::T4A, "box105", "Scholarships, bursaries, fellowships, artists' project grants"},
    {SlipType::T4AP, "box14", "Retirement benefit"},
    {SlipType::T4AP, "box15", "Survivor benefit"},
    {SlipType::T4AP, "box16", "Disability benefit"},
    {SlipType::T4AP, "box17", "Child benefit"},
    {SlipType::T4AP, "box18", "Death benefit"},
    {SlipType::T4AP, "box20", "Taxable CPP benefits"},
    {SlipType::T4AP, "box22", "Income tax deducted"},
    {SlipType::T4AOAS, "box18", "Taxable pension paid"},
    {SlipType::T4AOAS, "box19", "Gross pension paid"},
    {SlipType::T4AOAS, "box20", "Overpayment recovered"},
    {SlipType::T4AOAS, "box21", "Net supplements paid"},
    {SlipType::T4AOAS, "box22", "Income tax deducted"},
    {SlipType::T4E, "box7", "Repayment rate"},
    {SlipType::T4E, "box14", "Total benefits paid"},
    {SlipType::T4E, "box15", "Regular and other benefits paid"},
    {SlipType::T4E, "box17", "Employment benefits and support measures"},
    {SlipType::T4E, "box18", "Tuition assistance"},
    {SlipType::T4E, "box20", "Taxable benefits repaid"},
    {SlipType::T4E, "box22", "Income tax deducted"},
    {SlipType::T4E, "box23", "Quebec income tax deducted"},
    {SlipType::T4RSP, "box16", "Annuity payments"},
    {SlipType::T4RSP, "box18", "Refund of premiums"},
    {SlipType::T4RSP, "box20", "Refund of excess contributions"},
    {SlipType::T4RSP, "box22", "Withdrawal and commutation payments"},
    {SlipType::T4RSP, "box25", "LLP withdrawal"},
    {SlipType::T4RSP, "box26", "Amounts deemed received on deregistration"},
    {SlipType::T4RSP, "box27", "HBP withdrawal"},
    {SlipType::T4RSP, "box28", "Other income or deductions"},
    {SlipType::T4RSP, "box30", "Income tax deducted"},
    {SlipType::T4RSP, "box34", "Amounts deemed received on death"},
    {SlipType::T4RIF, "box16", "Taxable amounts"},
    {SlipType::T4RIF, "box18", "Amounts deemed received on death"},
    {SlipType::T4RIF, "box20", "Excess amount"},
    {SlipType::T4RIF, "box22", "Other income or deductions"},
    {SlipType::T4RIF, "box28", "Income tax deducted"},
    {SlipType::T5, "box10", "Actual amount of dividends other than eligible dividends"},
    {SlipType::T5, "box11", "Taxable amount of dividends other than eligible dividends"},
    {SlipType::T5, "box12", "Dividend tax credit for dividends other than eligible dividends"},
    {SlipType::T5, "box13", "Interest from Canadian sources"},
    {SlipType::T5, "box14", "Other income from Canadian sources"},
    {SlipType::T5, "box15", "Foreign income"},
    {SlipType::T5, "box16", "Foreign tax paid"},
    {SlipType::T5, "box17", "Royalties from Canadian sources"},
    {SlipType::T5, "box18", "Capital gains dividends"},
    {SlipType::T5, "box24", "Actual amount of eligible dividends"},
    {SlipType::T5, "box25", "Taxable amount of eligible dividends"},
    {SlipType::T5, "box26", "Dividend tax credit for eligible dividends"},
    {SlipType::T3, "box21", "Capital gains"},
    {SlipType::T3, "box23", "Actual amount of dividends other than eligible dividends"},
    {SlipType::T3, "box26", "Other income"},
    {SlipType::T3, "box32", "Taxable amount of dividends other than eligible dividends"},
    {SlipType::T3, "box49", "Actual amount of eligible dividends"},
    {SlipType::T3, "box50", "Taxable amount of eligible dividends"},
    {SlipType::T3, "box51", "Dividend tax credit for eligible dividends"},
};

} // namespace

QString slipBoxTitle(int slipType, const QByteArray &fieldName)
{
    if (fieldName == "description")
        return QStringLiteral("Payer or description");
    for (const BoxTitleRow &row : kBoxTitles) {
        if (row.slip == slipType && fieldName == row.field)
            return QStringLiteral("Box %1: %2")
                .arg(QLatin1String(row.field + 3), QLatin1String(row.title));
    }
    return QString();
}
