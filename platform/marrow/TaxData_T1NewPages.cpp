// TaxData_T1New: the five tabs of the T1 page (their fields and titles are the T1's
// descriptions), which of its fields the user types, and the buttons beside its lines.
#include "marrow/TaxData_T1New.h"

#include "marrow/FieldDescriptions.h"
#include "marrow/GenericTaxPage.h"
#include "marrow/TypeCodes.h"
#include "ordane/MyEvent.h"

#include <QPushButton>
#include <cstring>

namespace {

// The T1 fields the user types; every other field a T1 page shows is written by the
// calculation or the commands (filing, wizards) and shows read-only.
const char *const kInputs[] = {
    "firstName",
    "secondName",
    "lastName",
    "sin",
    "birthDate",
    "language",
    "maritalStatus",
    "maritalChange",
    "citizen",
    "elecanauth",
    "factualResident",
    "entryDate",
    "departureDate",
    "deathDate",
    "bankruptDate",
    "careOf",
    "street",
    "city",
    "mailingProvince",
    "postalCode",
    "foreignAddress",
    "country",
    "state",
    "email",
    "secondEmail",
    "phone",
    "spouseFirstName",
    "spouseLastName",
    "spouseSin",
    "spouseBirthDate",
    "spouseEntryDate",
    "spouseNetIncome",
    "ddBranch",
    "ddInstitution",
    "ddAccount",
    "foreignPropertyAnswer",
    "principalResidenceAnswer",
    "multiYearFiling",
    "partnershipText",
    "accessCode",
    "preparerIndicator",
    "preparerName",
    "preparerAddress",
    "preparerCity",
    "preparerPhone",
    "preparerEfileNumber",
    "10105",
    "12800",
    "22100",
    "22400",
    "25100",
    "25300",
    "netCapitalLossCarryForward",
    "nonCapitalLossCarryForward",
    "rrspDeductionLimit",
    "unusedRrspContributions",
    "hbpRepaymentRequired",
    "llpRepaymentRequired",
    "fedTuitionCarryForward",
    "provTuitionCarryForward",
    "t1212CarryForward",
    "t1mCarryAmount",
    "31220",
    "31240",
    "31270",
    "31300",
    "medSelfAmount",
    "medSelfPremiums",
    "medSelfTravel",
    "medSelfAttendant",
    "medSelfOther",
    "medSelfMonths",
    "medSpouseAmount",
    "medSpousePremiums",
    "medSpouseTravel",
    "medSpouseAttendant",
    "medSpouseOther",
    "dependantMedical",
    "politicalContributions",
    "taxInstalmentsPaid",
    "instalmentInterest",
};

// The form that computes a line, reached by a button beside it.
struct GotoRow
{
    const char *field;
    int form;
};

const GotoRow kGotoForms[] = {
    {"11600", FormType::T1032},  {"12600", FormType::T776},    {"12700", FormType::SCH3},
    {"13500", FormType::T2125},  {"13700", FormType::T2125},   {"13900", FormType::T2125C},
    {"14100", FormType::T2042},  {"14300", FormType::T2121},   {"20800", FormType::SCH7},
    {"21000", FormType::T1032},  {"22200", FormType::SCH8},    {"22900", FormType::T777},
    {"30300", FormType::SCH5},   {"31000", FormType::SCH8},    {"45355", FormType::SCH12MHR},
    {"45700", FormType::GST370}, {"30400", FormType::SCH5},    {"31217", FormType::SCH13},
    {"32600", FormType::SCH2},   {"42100", FormType::SCH8},    {"42120", FormType::SCH13},
    {"45300", FormType::SCH6},   {"25500", FormType::T2222},   {"30425", FormType::SCH5},
    {"30450", FormType::SCH5},   {"31285", FormType::SCH12HA},
};

const char *const kPages[] = {"Identification", "Income", "Deductions", "Credits and Tax",
                              "Refund or Balance"};

bool isInput(const CField &field)
{
    for (const char *name : kInputs) {
        if (field.hasName(name, int(std::strlen(name))))
            return true;
    }
    return false;
}

// The rows of one T1 page, in the description's order, with the buttons beside their lines.
void addT1Rows(GenericTaxPage &page, const QString &pageTitle)
{
    const CTaxData_Form *form = page.form();
    if (!form)
        return;
    for (const FieldDescription &d : fieldDescriptions(form->getKind(), form->getType())) {
        if (d.page != pageTitle)
            continue;
        page.addField(d);
        for (const GotoRow &g : kGotoForms) {
            if (d.name == g.field)
                page.addGotoButton(g.form);
        }
        if (d.name == "postalCode")
            page.addEventButton(QObject::tr("Copy address to spouse"), MyEvent::CopyAddressToSpouse)
                ->setObjectName(QStringLiteral("btnCopyAddressToSpouse"));
        if (d.name == "preparerEfileNumber")
            page.addEventButton(QObject::tr("Fill in from preferences"),
                                MyEvent::CopyPreparerToBoth)
                ->setObjectName(QStringLiteral("btnFillPreparer"));
    }
    page.finishRows();
}

} // namespace

void TaxData_T1New::createPages(QList<BaseTaxPage *> &pages, QWidget *parent)
{
    for (const char *title : kPages) {
        auto *page = new GenericTaxPage(this, parent, QObject::tr(title));
        // The T1's pages are many rows each and only one shows at a time: each makes its rows
        // when it is first shown.
        page->setDeferredRows([page, title]() { addT1Rows(*page, QString::fromLatin1(title)); });
        pages.append(page);
    }
}

bool TaxData_T1New::isCalculatedField(const CField &field) const
{
    return !isInput(field);
}
