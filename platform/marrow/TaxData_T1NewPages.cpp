// TaxData_T1New: the five tabs of the T1 page and which of its fields the user types.
#include "marrow/TaxData_T1New.h"

#include "marrow/GenericTaxPage.h"
#include "marrow/TypeCodes.h"
#include "ordane/MyEvent.h"

#include <QPushButton>
#include <cstring>

namespace {

// A row of a T1 tab. Input rows are the user's; every other field of the T1 is written by
// the calculation or the commands (filing, wizards) and shows read-only, with a button to
// the form that computes it when there is one.
enum RowKind
{
    Heading,
    Input,
    Calculated
};

struct T1Row
{
    RowKind kind;
    const char *field; // the heading's text for a heading
    const char *label; // null: the field's own title
    int gotoForm;      // 0: no button
};

struct T1Tab
{
    const char *title;
    const T1Row *rows;
    size_t count;
};

const T1Row kIdentification[] = {
    {Heading, "Personal information", nullptr, 0},
    {Input, "firstName", "First name", 0},
    {Input, "secondName", "Second name or initial", 0},
    {Input, "lastName", "Last name", 0},
    {Input, "sin", "Social insurance number (SIN)", 0},
    {Input, "birthDate", "Date of birth", 0},
    {Input, "language", "Language of correspondence (0 English, 1 French)", 0},
    {Input, "maritalStatus", "Marital status on December 31, 2025", 0},
    {Input, "maritalChange", "Marital status changed in 2025", 0},
    {Input, "citizen", "Canadian citizen", 0},
    {Input, "elecanauth", "Elections Canada authorization", 0},
    {Calculated, "province", "Province or territory of residence on December 31, 2025", 0},
    {Input, "factualResident", "Factual resident of Canada", 0},
    {Input, "entryDate", "Date of entry into Canada", 0},
    {Input, "departureDate", "Date of departure from Canada", 0},
    {Input, "deathDate", "Date of death", 0},
    {Input, "bankruptDate", "Date of bankruptcy", 0},
    {Heading, "Mailing address", nullptr, 0},
    {Input, "careOf", "Care of", 0},
    {Input, "street", "Street address", 0},
    {Input, "city", "City", 0},
    {Input, "provinceText", "Province or territory", 0},
    {Input, "mailingProvince", "Province or territory code", 0},
    {Input, "postalCode", "Postal code", 0},
    {Input, "foreignAddress", "Address outside Canada", 0},
    {Input, "country", "Country", 0},
    {Input, "state", "State or region", 0},
    {Heading, "Contact", nullptr, 0},
    {Input, "email", "Email address", 0},
    {Input, "secondEmail", "Second email address", 0},
    {Input, "phone", "Telephone number", 0},
    {Heading, "Spouse or common-law partner", nullptr, 0},
    {Input, "spouseFirstName", "First name", 0},
    {Input, "spouseLastName", "Last name", 0},
    {Input, "spouseSin", "Social insurance number (SIN)", 0},
    {Input, "spouseBirthDate", "Date of birth", 0},
    {Input, "spouseEntryDate", "Date of entry into Canada", 0},
    {Input, "spouseNetIncome", "Net income (line 23600 of the spouse's return)", 0},
    {Heading, "Direct deposit", nullptr, 0},
    {Input, "ddBranch", "Branch number", 0},
    {Input, "ddInstitution", "Institution number", 0},
    {Input, "ddAccount", "Account number", 0},
    {Heading, "Other questions", nullptr, 0},
    {Input, "foreignPropertyAnswer", "Foreign property over $100,000 in 2025", 0},
    {Input, "principalResidenceAnswer", "Disposed of a principal residence in 2025", 0},
    {Input, "multiYearFiling", "Filing returns of more than one year", 0},
    {Input, "partnershipText", "Partnership", 0},
    {Input, "accessCode", "Access code", 0},
    {Heading, "Preparer", nullptr, 0},
    {Input, "preparerIndicator", "Prepared by a preparer", 0},
    {Input, "preparerName", "Preparer's name", 0},
    {Input, "preparerAddress", "Preparer's address", 0},
    {Input, "preparerCity", "Preparer's city", 0},
    {Input, "preparerPhone", "Preparer's telephone number", 0},
    {Input, "preparerEfileNumber", "Preparer's EFILE number", 0},
    {Heading, "Filing", nullptr, 0},
    {Calculated, "reFileFlag", "Set for ReFile", 0},
    {Calculated, "filingStatus", "Filing status", 0},
    {Calculated, "confirmation", "Confirmation number", 0},
    {Calculated, "filingTime", "Filed at", 0},
};

const T1Row kIncome[] = {
    {Heading, "Total income", nullptr, 0},
    {Calculated, "10100", nullptr, 0},
    {Input, "10105", nullptr, 0},
    {Calculated, "10400", nullptr, 0},
    {Calculated, "11300", nullptr, 0},
    {Calculated, "11400", nullptr, 0},
    {Calculated, "11410", nullptr, 0},
    {Calculated, "11500", nullptr, 0},
    {Calculated, "11600", nullptr, FormType::T1032},
    {Calculated, "11900", nullptr, 0},
    {Calculated, "12000", nullptr, 0},
    {Calculated, "12010", nullptr, 0},
    {Calculated, "12200", nullptr, 0},
    {Calculated, "12500", nullptr, 0},
    {Calculated, "12600", nullptr, FormType::T776},
    {Calculated, "12700", nullptr, FormType::SCH3},
    {Input, "12800", nullptr, 0},
    {Calculated, "12900", nullptr, 0},
    {Calculated, "13000", nullptr, 0},
    {Calculated, "13499", nullptr, 0},
    {Calculated, "13500", nullptr, FormType::T2125},
    {Calculated, "13699", nullptr, 0},
    {Calculated, "13700", nullptr, FormType::T2125},
    {Calculated, "13899", nullptr, 0},
    {Calculated, "13900", nullptr, FormType::T2125C},
    {Calculated, "14099", nullptr, 0},
    {Calculated, "14100", nullptr, FormType::T2042},
    {Calculated, "14299", nullptr, 0},
    {Calculated, "14300", nullptr, FormType::T2121},
    {Calculated, "14400", nullptr, 0},
    {Calculated, "14500", nullptr, 0},
    {Calculated, "14600", nullptr, 0},
    {Calculated, "15000", nullptr, 0},
};

const T1Row kDeductions[] = {
    {Heading, "Net income", nullptr, 0},
    {Calculated, "20600", nullptr, 0},
    {Calculated, "20700", nullptr, 0},
    {Calculated, "21000", nullptr, FormType::T1032},
    {Input, "22100", nullptr, 0},
    {Calculated, "22200", nullptr, FormType::SCH8},
    {Calculated, "22215", nullptr, 0},
    {Input, "22400", nullptr, 0},
    {Calculated, "22900", nullptr, FormType::T777},
    {Calculated, "23200", nullptr, 0},
    {Calculated, "23600", nullptr, 0},
    {Heading, "Taxable income", nullptr, 0},
    {Input, "25100", nullptr, 0},
    {Calculated, "25200", nullptr, 0},
    {Input, "25300", nullptr, 0},
    {Calculated, "26000", nullptr, 0},
    {Heading, "Amounts carried forward from earlier years", nullptr, 0},
    {Input, "netCapitalLossCarryForward", "Net capital losses of earlier years", 0},
    {Input, "nonCapitalLossCarryForward", "Non-capital losses of earlier years", 0},
    {Input, "rrspDeductionLimit", "RRSP deduction limit for 2025", 0},
    {Input, "unusedRrspContributions", "Unused RRSP contributions", 0},
    {Input, "hbpRepaymentRequired", "Home Buyers' Plan repayment required", 0},
    {Input, "llpRepaymentRequired", "Lifelong Learning Plan repayment required", 0},
    {Input, "fedTuitionCarryForward", "Federal tuition amount carried forward", 0},
    {Input, "provTuitionCarryForward", "Provincial tuition amount carried forward", 0},
    {Input, "t1212CarryForward", "Investment losses carried forward (T1212)", 0},
    {Input, "t1mCarryAmount", "Moving expenses carried forward (T1-M)", 0},
};

const T1Row kCreditsAndTax[] = {
    {Heading, "Federal non-refundable tax credits", nullptr, 0},
    {Calculated, "30000", nullptr, 0},
    {Calculated, "30100", nullptr, 0},
    {Calculated, "30300", nullptr, FormType::SCH5},
    {Calculated, "30400", nullptr, FormType::SCH5},
    {Calculated, "30500", nullptr, 0},
    {Calculated, "31000", nullptr, FormType::SCH8},
    {Calculated, "31217", nullptr, FormType::SCH13},
    {Input, "31220", nullptr, 0},
    {Input, "31240", nullptr, 0},
    {Input, "31270", nullptr, 0},
    {Calculated, "31285", nullptr, 0},
    {Input, "31300", nullptr, 0},
    {Calculated, "31400", nullptr, 0},
    {Calculated, "32600", nullptr, FormType::SCH2},
    {Calculated, "33099", nullptr, 0},
    {Calculated, "33199", nullptr, 0},
    {Calculated, "35000", nullptr, 0},
    {Heading, "Medical expenses", nullptr, 0},
    {Input, "medSelfAmount", "Your medical expenses", 0},
    {Input, "medSelfPremiums", "Your private health plan premiums", 0},
    {Input, "medSelfTravel", "Your medical travel expenses", 0},
    {Input, "medSelfAttendant", "Your attendant care expenses", 0},
    {Input, "medSelfOther", "Your other medical expenses", 0},
    {Input, "medSelfMonths", "Months of the 12-month period", 0},
    {Input, "medSpouseAmount", "Spouse's medical expenses", 0},
    {Input, "medSpousePremiums", "Spouse's private health plan premiums", 0},
    {Input, "medSpouseTravel", "Spouse's medical travel expenses", 0},
    {Input, "medSpouseAttendant", "Spouse's attendant care expenses", 0},
    {Input, "medSpouseOther", "Spouse's other medical expenses", 0},
    {Input, "dependantMedical", "Dependants' medical expenses (one row a dependant)", 0},
    {Input, "politicalContributions", "Federal political contributions", 0},
    {Heading, "Net federal tax", nullptr, 0},
    {Calculated, "42900", nullptr, 0},
    {Calculated, "41000", nullptr, 0},
    {Calculated, "42000", nullptr, 0},
    {Calculated, "42100", nullptr, FormType::SCH8},
    {Calculated, "42120", nullptr, FormType::SCH13},
    {Calculated, "42200", nullptr, 0},
};

const T1Row kRefundOrBalance[] = {
    {Heading, "Refund or balance owing", nullptr, 0},
    {Calculated, "43500", nullptr, 0},
    {Calculated, "43700", nullptr, 0},
    {Calculated, "43800", nullptr, 0},
    {Calculated, "44800", nullptr, 0},
    {Calculated, "45300", nullptr, FormType::SCH6},
    {Calculated, "45350", nullptr, 0},
    {Calculated, "45355", nullptr, FormType::SCH12MHR},
    {Calculated, "45700", nullptr, FormType::GST370},
    {Input, "taxInstalmentsPaid", "Tax paid by instalments", 0},
    {Input, "instalmentInterest", "Instalment interest", 0},
    {Calculated, "48200", nullptr, 0},
    {Calculated, "48400", nullptr, 0},
    {Calculated, "48500", nullptr, 0},
};

template <size_t N> T1Tab tab(const char *title, const T1Row (&rows)[N])
{
    return {title, rows, N};
}

const T1Tab kTabs[] = {
    tab("Identification", kIdentification),
    tab("Income", kIncome),
    tab("Deductions", kDeductions),
    tab("Credits and Tax", kCreditsAndTax),
    tab("Refund or Balance", kRefundOrBalance),
};

} // namespace

void TaxData_T1New::createPages(QList<BaseTaxPage *> &pages, QWidget *parent)
{
    for (const T1Tab &t : kTabs) {
        auto *page = new GenericTaxPage(this, parent, QObject::tr(t.title));
        for (size_t i = 0; i < t.count; ++i) {
            const T1Row &row = t.rows[i];
            if (row.kind == Heading) {
                page->addHeading(QObject::tr(row.field));
                continue;
            }
            page->addField(row.field, row.label ? QObject::tr(row.label) : QString());
            if (row.gotoForm != 0)
                page->addGotoButton(row.gotoForm);
            if (std::strcmp(row.field, "postalCode") == 0)
                page->addEventButton(QObject::tr("Copy address to spouse"),
                                     MyEvent::CopyAddressToSpouse)
                    ->setObjectName(QStringLiteral("btnCopyAddressToSpouse"));
            if (std::strcmp(row.field, "preparerEfileNumber") == 0)
                page->addEventButton(QObject::tr("Fill in from preferences"),
                                     MyEvent::CopyPreparerToBoth)
                    ->setObjectName(QStringLiteral("btnFillPreparer"));
        }
        page->finishRows();
        pages.append(page);
    }
}

bool TaxData_T1New::isCalculatedField(const CField &field) const
{
    for (const T1Tab &t : kTabs) {
        for (size_t i = 0; i < t.count; ++i) {
            const T1Row &row = t.rows[i];
            if (row.kind == Input && field.hasName(row.field, int(std::strlen(row.field))))
                return false;
        }
    }
    return true;
}
