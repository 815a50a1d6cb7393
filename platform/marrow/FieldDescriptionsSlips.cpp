// What a person reads of each slip: its boxes by number and name, in the slip's order. A
// lettered amount of the form library is titled by the box or the use it stands for on the
// paper slip; counts, shares and the marks a download leaves are bookkeeping and not listed.
#include "marrow/FieldDescriptionRows.h"
#include "marrow/TypeCodes.h"

namespace {

using namespace rows;

const char *const kSlip = "Slip";
const char *const kOther = "Other information";

const FieldDescriptionRow kT4[] = {
    text("description", "Employer's name", kSlip),
    choice("provinceOfEmployment", "Box 10: Province of employment", "province"),
    amount("box14", "Box 14: Employment income"),
    amount("box16", "Box 16: Employee's CPP contributions"),
    amount("box16A", "Box 16A: Employee's second CPP contributions"),
    amount("box17", "Box 17: Employee's QPP contributions"),
    amount("box17A", "Box 17A: Employee's second QPP contributions"),
    amount("box18", "Box 18: Employee's EI premiums"),
    amount("box20", "Box 20: RPP contributions"),
    amount("box22", "Box 22: Income tax deducted"),
    amount("amtA", "Quebec income tax deducted"),
    amount("box24", "Box 24: EI insurable earnings"),
    amount("box26", "Box 26: CPP/QPP pensionable earnings"),
    tick("cppExempt", "Box 28: Exempt from CPP/QPP"),
    tick("eiExempt", "Box 28: Exempt from EI"),
    choice("employmentKind", "Kind of employment", "t4EmploymentKind"),
    amount("box30", "Box 30: Housing, board and lodging", kOther),
    amount("amtB", "Tax-exempt employment income (placement or employment agency)"),
    amount("amtC", "Tax-exempt employment income (ordinary employment)"),
    amount("amtD", "Tax-exempt employment income (another kind of employment)"),
    amount("amtE", "Box 32: Travel in a prescribed zone"),
    choice("secondKind", "Prescribed zone of the travel benefit", "prescribedZone"),
    amount("amtF", "Box 39: Security options deduction, paragraph 110(1)(d)"),
    amount("amtG", "Box 41: Security options deduction, paragraph 110(1)(d.1)"),
    amount("box42", "Box 42: Employment commissions"),
    amount("amtH", "Box 43: Canadian Forces personnel and police deduction"),
    amount("box44", "Box 44: Union dues"),
    amount("box46", "Box 46: Charitable donations"),
    amount("amtI", "Gifts other than charitable donations included in box 46"),
    amount("box52", "Box 52: Pension adjustment"),
    amount("box55", "Box 55: Employee's PPIP premiums"),
    amount("box66", "Box 66: Eligible retiring allowances"),
    amount("box67", "Box 67: Non-eligible retiring allowances"),
    amount("box71", "Box 71: Status Indian (exempt income): employment income"),
    amount("amtJ", "Box 72: Section 122.3 income, employment outside Canada"),
    tick("t4fFlag", "This is a T4F slip (fishers)"),
    amount("box85", "Box 85: Employee-paid premiums for private health services plans"),
    amount("box87", "Box 87: Emergency services volunteer exempt amount"),
    amount("amtK", "Box 88: Status Indian (exempt income): self-employment"),
    amount("box91", "Box 91: Further security options deduction, paragraph 110(1)(d)"),
    amount("box92", "Box 92: Further security options deduction, paragraph 110(1)(d.1)"),
};

const FieldDescriptionRow kT4A[] = {
    text("description", "Payer's name", kSlip),
    amount("box16", "Box 16: Pension or superannuation"),
    amount("box18", "Box 18: Lump-sum payments"),
    amount("box20", "Box 20: Self-employed commissions"),
    amount("box22", "Box 22: Income tax deducted"),
    amount("box24", "Box 24: Annuities"),
    amount("box28", "Box 28: Other income"),
    amount("box30", "Box 30: Patronage allocations", kOther),
    amount("box32", "Box 32: Registered pension plan contributions (past service)"),
    amount("box34", "Box 34: Pension adjustment"),
    amount("box37", "Box 37: Advanced life deferred annuity purchase"),
    amount("box40", "Box 40: RESP accumulated income payments"),
    amount("box42", "Box 42: RESP educational assistance payments"),
    amount("box46", "Box 46: Charitable donations"),
    amount("box48", "Box 48: Fees for services"),
    amount("box104", "Box 104: Research grants"),
    amount("amtD", "Expenses of the research, deducted from box 104"),
    amount("box105", "Box 105: Scholarships, bursaries, fellowships, artists' project grants"),
    choice("box105Kind", "Box 105: How the scholarship is treated", "scholarshipKind"),
    amount("box106", "Box 106: Death benefits"),
    amount("box107", "Box 107: Wage loss replacement plan"),
    amount("box109", "Box 109: Periodic payments from an unregistered plan"),
    amount("box118", "Box 118: Medical premium benefits"),
    amount("box119", "Box 119: Premiums paid to a group term life insurance plan"),
    amount("box124", "Box 124: Board and lodging at special work sites"),
    amount("box125", "Box 125: Disability benefits paid out of a superannuation or pension plan"),
    amount("box127", "Box 127: Veterans' benefits"),
    amount("box128", "Box 128: Veterans' benefits eligible for pension splitting"),
    amount("box131", "Box 131: Registered disability savings plan"),
    amount("box135", "Box 135: Recipient-paid premiums for private health services plans"),
    amount("box196", "Box 196: Tuition assistance for adult basic education"),
    amount("box197", "Box 197: Canada Emergency Response Benefit"),
    amount("box198",
           "Box 198: Canada Emergency Response Benefit (Employment and Social Development Canada)"),
    amount("box199", "Box 199: Canada Emergency Student Benefit"),
    amount("box200", "Box 200: Canada Recovery Benefit"),
    amount("box201", "Box 201: Repayment of COVID-19 financial assistance"),
    amount("box202", "Box 202: Canada Recovery Sickness Benefit"),
    amount("box203", "Box 203: Canada Recovery Caregiving Benefit"),
    amount("box204", "Box 204: Parents of young victims of crimes"),
    amount("box210", "Box 210: Postdoctoral fellowship"),
    amount("box211", "Box 211: Canada Worker Lockdown Benefit"),
};

const FieldDescriptionRow kT4AP[] = {
    text("description", "Payer or description", kSlip),
    amount("box14", "Box 14: Retirement benefit"),
    amount("box15", "Box 15: Survivor benefit"),
    amount("box16", "Box 16: Disability benefit"),
    amount("box17", "Box 17: Child benefit"),
    amount("box18", "Box 18: Death benefit"),
    amount("box19", "Box 19: Post-retirement benefit"),
    amount("box20", "Box 20: Taxable CPP benefits"),
    amount("box21", "Box 21: Number of months for disability benefit"),
    amount("box22", "Box 22: Income tax deducted"),
    amount("amtA", "Quebec income tax deducted"),
    amount("box23", "Box 23: Number of months for retirement benefit"),
};

const FieldDescriptionRow kT4E[] = {
    text("description", "Payer or description", kSlip),
    amount("box7", "Box 7: Repayment rate"),
    amount("box14", "Box 14: Total benefits paid"),
    amount("box15", "Box 15: Regular and other benefits paid"),
    amount("box17", "Box 17: Employment benefits and support measures"),
    amount("box18", "Box 18: Tuition assistance"),
    amount("box20", "Box 20: Taxable benefits repaid"),
    amount("box21", "Box 21: Special benefits paid"),
    amount("box22", "Box 22: Income tax deducted"),
    amount("box23", "Box 23: Quebec income tax deducted"),
    amount("amtA", "Box 24: Non-resident tax deducted"),
    amount("box30", "Box 30: Tax-exempt benefits (status Indian)"),
    amount("box33", "Box 33: Non-taxable benefits repaid"),
    amount("box37", "Box 37: Regular benefits paid"),
};

const FieldDescriptionRow kT4AOAS[] = {
    text("description", "Payer or description", kSlip),
    amount("box18", "Box 18: Taxable pension paid"),
    amount("box19", "Box 19: Gross pension paid"),
    amount("box20", "Box 20: Overpayment recovered"),
    amount("box21", "Box 21: Net supplements paid"),
    amount("box22", "Box 22: Income tax deducted"),
    amount("box23", "Box 23: Old age security pension tax-exempt (status Indian)"),
};

const FieldDescriptionRow kT4RSP[] = {
    text("description", "Payer or description", kSlip),
    amount("box16", "Box 16: Annuity payments"),
    amount("box18", "Box 18: Refund of premiums"),
    amount("box20", "Box 20: Refund of excess contributions"),
    amount("box22", "Box 22: Withdrawal and commutation payments"),
    tick("spousalFlag", "Box 24: Paid from a spousal or common-law partner plan"),
    amount("box25", "Box 25: LLP withdrawal"),
    amount("box26", "Box 26: Amounts deemed received on deregistration"),
    amount("box27", "Box 27: HBP withdrawal"),
    amount("box28", "Box 28: Other income or deductions"),
    amount("box30", "Box 30: Income tax deducted"),
    amount("box34", "Box 34: Amounts deemed received on death"),
    amount("box37", "Box 37: Advanced life deferred annuity purchase"),
};

const FieldDescriptionRow kT4RIF[] = {
    text("description", "Payer or description", kSlip),
    amount("box16", "Box 16: Taxable amounts"),
    amount("box18", "Box 18: Amounts deemed received on death"),
    amount("box20", "Box 20: Excess amount"),
    amount("box22", "Box 22: Other income or deductions"),
    amount("box24", "Box 24: Excess amount from a spousal or common-law partner plan"),
    amount("box28", "Box 28: Income tax deducted"),
    amount("box37", "Box 37: Advanced life deferred annuity purchase"),
    amount("amtA", "Quebec income tax deducted"),
};

const FieldDescriptionRow kT5[] = {
    text("description", "Payer or description", kSlip),
    amount("box10", "Box 10: Actual amount of dividends other than eligible dividends"),
    amount("box11", "Box 11: Taxable amount of dividends other than eligible dividends"),
    amount("box12", "Box 12: Dividend tax credit for dividends other than eligible dividends"),
    amount("box13", "Box 13: Interest from Canadian sources"),
    amount("box14", "Box 14: Other income from Canadian sources"),
    amount("box15", "Box 15: Foreign income"),
    amount("box16", "Box 16: Foreign tax paid"),
    amount("box17", "Box 17: Royalties from Canadian sources"),
    amount("box18", "Box 18: Capital gains dividends"),
    amount("amtE", "Box 19: Accrued income: annuities"),
    amount("box24", "Box 24: Actual amount of eligible dividends"),
    amount("box25", "Box 25: Taxable amount of eligible dividends"),
    amount("box26", "Box 26: Dividend tax credit for eligible dividends"),
    amount("box34", "Box 34: Tax-exempt amount (status Indian)"),
};

const FieldDescriptionRow kT3[] = {
    text("description", "Trust's name", kSlip),
    amount("box21", "Box 21: Capital gains"),
    amount("amtA", "Box 22: Lump-sum pension benefits"),
    amount("box23", "Box 23: Actual amount of dividends other than eligible dividends"),
    amount("amtB", "Box 24: Foreign business income"),
    amount("box25", "Box 25: Foreign non-business income"),
    amount("box26", "Box 26: Other income"),
    amount("box30", "Box 30: Capital gains eligible for deduction"),
    amount("amtC", "Box 31: Qualifying pension income"),
    amount("box32", "Box 32: Taxable amount of dividends other than eligible dividends"),
    amount("amtD", "Box 33: Foreign business income tax paid"),
    amount("box34", "Box 34: Foreign non-business income tax paid"),
    amount("amtE", "Box 35: Eligible death benefits"),
    amount("amtF", "Box 37: Insurance segregated fund capital losses"),
    amount("box38", "Box 38: Part XII.2 tax credit"),
    amount("box39", "Box 39: Dividend tax credit for dividends other than eligible dividends"),
    amount("box49", "Box 49: Actual amount of eligible dividends"),
    amount("box50", "Box 50: Taxable amount of eligible dividends"),
    amount("box51", "Box 51: Dividend tax credit for eligible dividends"),
    amount("box55", "Box 55: Capital gains on qualified small business shares"),
    amount("box57", "Box 57: Capital gains on qualified farm or fishing property"),
    amount("box59", "Box 59: Capital gains on other property"),
};

const FieldDescriptionRow kT5007[] = {
    text("description", "Payer or description", kSlip),
    amount("box10", "Box 10: Workers' compensation benefits"),
    amount("box11", "Box 11: Social assistance payments"),
};

const FieldDescriptionRow kRC62[] = {
    text("description", "Payer or description", kSlip),
    amount("box10", "Box 10: Universal child care benefit"),
    amount("box12", "Box 12: Universal child care benefit repaid"),
};

const FieldDescriptionRow kRC210[] = {
    text("description", "Payer or description", kSlip),
    amount("box10", "Box 10: Advance Canada workers benefit payments"),
    amount("box11", "Box 11: Advance disability supplement payments"),
};

const FieldDescriptionRow kMBShelter[] = {
    text("description", "Payer or description", kSlip),
    amount("benefit", "Shelter benefit received"),
};

const FieldDescriptionRow kPRPP[] = {
    text("description", "Administrator's name", kSlip),
    text("contractNumber", "PRPP contract number"),
    text("versionDescription", "Plan"),
    amount("employeeCurrentYear", "Your contributions, March 4 to December 31, 2025"),
    amount("employeePriorYear", "Your contributions, January 1 to March 3, 2025"),
    amount("employer", "Employer's contributions"),
    amount("exemptCurrentYear", "Tax-exempt contributions, March 4 to December 31, 2025"),
    amount("exemptPriorYear", "Tax-exempt contributions, January 1 to March 3, 2025"),
};

const FieldDescriptionRow kT1204[] = {
    text("description", "Department or agency", kSlip),
    amount("box82", "Box 82: Service fees paid without goods"),
    amount("box84", "Box 84: Service fees paid with goods"),
};

const FieldDescriptionRow kT2202[] = {
    text("description", "Educational institution", kSlip),
    text("box10", "Box 10: Name of program or course"),
    text("box11", "Box 11: Student number"),
    text("box12", "Box 12: Mailing address of the institution"),
    text("box13", "Box 13: Session periods"),
    text("box14", "Box 14: Institution type"),
    text("box15", "Box 15: Flying school or club course type"),
    table("periods", "Months part-time, months full-time and eligible tuition fees, per session"),
    table("sessionDates", "Session start and end, per session"),
};

const FieldDescriptionRow kT4FHSA[] = {
    text("description", "Issuer's name", kSlip),
    amount("box18", "Box 18: Taxable FHSA amounts"),
    amount("box20", "Box 20: Taxable amount received on death of the holder"),
    amount("box22", "Box 22: Income tax deducted"),
    amount("box24", "Box 24: Contributions"),
    amount("box26", "Box 26: Transfers from your RRSP"),
    amount("box28", "Box 28: Transfers from your spouse's FHSA"),
    amount("box30", "Box 30: Qualifying withdrawal"),
    amount("box32", "Box 32: Transfers to your RRSP or RRIF"),
    amount("box34", "Box 34: Excess FHSA amount withdrawn"),
    amount("box36", "Box 36: Withdrawal designated as an excess amount"),
    amount("box38", "Box 38: Other income or deductions"),
};

const FieldDescriptionRow kT5003[] = {
    text("description", "Tax shelter's name", kSlip),
    amount("amtA", "Amount of the tax shelter loss or deduction"),
};

const FieldDescriptionRow kT4PS[] = {
    text("description", "Trustee's name", kSlip),
    amount("amtA", "Actual amount of dividends other than eligible dividends"),
    amount("amtB", "Taxable amount of dividends other than eligible dividends"),
    amount("amtC", "Dividend tax credit for dividends other than eligible dividends"),
    amount("amtD", "Actual amount of eligible dividends"),
    amount("amtE", "Taxable amount of eligible dividends"),
    amount("amtF", "Dividend tax credit for eligible dividends"),
    amount("amtG", "Capital gains or losses"),
    amount("amtH", "Other employment income"),
    amount("amtJ", "Foreign non-business income"),
    amount("amtK", "Foreign capital gains or losses"),
    amount("amtL", "Foreign non-business income tax paid"),
};

const FieldDescriptionRow kT4ARCA[] = {
    text("description", "Payer's name", kSlip),
    amount("amtB", "Lump-sum payments"),
    amount("amtC", "Other income"),
    amount("amtD", "Periodic payments eligible for pension splitting"),
    amount("amtE", "Other periodic payments"),
    amount("amtF", "Refunds of contributions"),
    amount("amtG", "Income tax deducted"),
};

const FieldDescriptionRow kT5006[] = {
    text("description", "Corporation's name", kSlip),
    amount("amtA", "Net cost of shares (federal)"),
    amount("amtB", "Federal labour-sponsored funds tax credit"),
    amount("amtC", "Net cost of shares (provincial)"),
    amount("amtD", "Provincial labour-sponsored funds tax credit"),
    amount("amtE", "Recovery tax payable"),
};

const FieldDescriptionRow kNR4[] = {
    text("description", "Payer's name", kSlip),
    amount("amtB", "Gross income, first line of the slip"),
    amount("amtC", "Non-resident tax withheld, first line of the slip"),
    amount("amtD", "Gross income, second line of the slip"),
    amount("amtE", "Non-resident tax withheld, second line of the slip"),
};

const FieldDescriptionRow kT5013[] = {
    text("description", "Partnership's name", kSlip),
    text("partnershipId", "Partnership's account number"),
    text("taxShelterId", "Tax shelter identification number"),
    amount("box5", "Box 5: Your share of the partnership's units"),
    amount("amtB", "Business income (loss)"),
    amount("amtC", "Professional income (loss)"),
    amount("amtD", "Commission income (loss)"),
    amount("amtE", "Fishing income (loss)"),
    amount("amtF", "Farming income (loss)"),
    amount("amtG", "Rental income (loss)"),
    amount("amtH", "Other income"),
    amount("amtI", "Limited partnership business income (loss)"),
    amount("amtJ", "Actual amount of eligible dividends"),
    amount("amtK", "Taxable amount of dividends other than eligible dividends"),
    amount("amtL", "Actual amount of dividends other than eligible dividends"),
    amount("amtM", "Dividend tax credit"),
    amount("amtN", "Taxable amount of eligible dividends"),
    amount("amtO", "Canadian interest"),
    amount("amtP", "Foreign non-business income"),
    amount("box137", "Box 137: Foreign tax paid on non-business income"),
    amount("amtQ", "Carrying charges"),
    amount("amtR", "Foreign business income"),
    amount("box151", "Box 151: Capital gains (losses)"),
    amount("amtS", "Income tax deducted"),
    amount("amtT", "Foreign non-business income tax paid"),
    amount("amtU", "Foreign business income tax paid"),
    amount("amtV", "Other carrying charges"),
    amount("amtW", "Investment tax credit"),
};

const FieldDescriptionTable kTables[] = {
    describe(1, SlipType::T4, kT4),         describe(1, SlipType::T4A, kT4A),
    describe(1, SlipType::T4AP, kT4AP),     describe(1, SlipType::T4RSP, kT4RSP),
    describe(1, SlipType::T4E, kT4E),       describe(1, SlipType::T4AOAS, kT4AOAS),
    describe(1, SlipType::T4RIF, kT4RIF),   describe(1, SlipType::T5, kT5),
    describe(1, SlipType::T3, kT3),         describe(1, SlipType::T5003, kT5003),
    describe(1, SlipType::T5007, kT5007),   describe(1, SlipType::T5013, kT5013),
    describe(1, SlipType::T4PS, kT4PS),     describe(1, SlipType::T4ARCA, kT4ARCA),
    describe(1, SlipType::T5006, kT5006),   describe(1, SlipType::RC62, kRC62),
    describe(1, SlipType::RC210, kRC210),   describe(1, SlipType::MBSHELTERASSIST, kMBShelter),
    describe(1, SlipType::PRPP, kPRPP),     describe(1, SlipType::T1204, kT1204),
    describe(1, SlipType::NR4, kNR4),       describe(1, SlipType::T2202, kT2202),
    describe(1, SlipType::T4FHSA, kT4FHSA),
};

} // namespace

const FieldDescriptionTable *slipDescriptionTables(std::size_t &count)
{
    count = sizeof(kTables) / sizeof(kTables[0]);
    return kTables;
}
