// TaxData_T1New: what the T1 carries into the new year, and the address spouses share.
#include "marrow/TaxData_T1New.h"

#include <memory>

namespace {

// Who the person is and how the return reaches them: the same next year.
const char *const kIdentification[] = {
    "firstName",       "lastName",       "secondName",      "sin",      "birthDate",
    "maritalStatus",   "province",       "provinceText",    "email",    "secondEmail",
    "phone",           "careOf",         "street",          "city",     "mailingProvince",
    "postalCode",      "foreignAddress", "country",         "state",    "spouseSin",
    "spouseFirstName", "spouseLastName", "spouseBirthDate", "language", "citizen",
    "ddBranch",        "ddInstitution",  "ddAccount",
};

const char *const kMailingAddress[] = {
    "careOf",     "street",         "city",    "mailingProvince",
    "postalCode", "foreignAddress", "country", "state",
};

} // namespace

void TaxData_T1New::convertToNewYear(bool keepData)
{
    if (keepData) {
        CTaxData_Form::convertToNewYear(true);
        return;
    }
    const auto kept = std::make_unique<TaxData_T1New>();
    kept->copyValuesFrom(*this);
    CTaxData_Form::convertToNewYear(false);
    for (const char *name : kIdentification)
        copyFieldFrom(*kept, name);
}

void TaxData_T1New::SyncWithSpouseMailingAddr(const TaxData_T1New &spouse)
{
    for (const char *name : kMailingAddress)
        copyFieldFrom(spouse, name);
}
