// EfileFixture: persons for the electronic-return tests, without plug-ins.
#pragma once

#include "marrow/DependantInfoStruct.h"
#include "marrow/TaxData_T1New.h"
#include "model/IndividualTaxData.h"
#include "ordane/NetfileRecords.h"

class TaxData_T1135New;

namespace EfileFixture {

// The software codes and dates of the configuration the generator reads.
void setSoftwareSettings();

template <typename Form> Form *add(IndividualTaxData &person, int type)
{
    TaxDataEntryStru *entry = person.addForm(type, 0, true, 0, false);
    return entry ? dynamic_cast<Form *>(entry->data) : nullptr;
}

// An Ontario person, single, with a T1: S.I.N. 046454286, born 1 June 1980, Mary O'Neil,
// 12 Main St, Toronto, ON, M5V 2T6; no phone, no e-mail.
TaxData_T1New *setUpPerson(IndividualTaxData &person);

// The certifier's last name of the statement below: every character XML escapes.
constexpr const char *kT1135Certifier = "O'Neil & <Co>";

// A complete T1135 for the person: Mary O'Neil's identification, the certifier Ann
// kT1135Certifier, a preparer, and one property in each category whose amounts tell category
// c (1 to 7) and column apart: 1000c + 0.25, + 0.5, + 0.75, capital + 1, gain -(1000c + 2).
TaxData_T1135New *addT1135Statement(IndividualTaxData &person);

// The records of generateNetfileRecords in the kind asked for.
struct Records
{
    CString text;
    NetfileCodeMap codes;
    int counter = 0;
    NetfileGenObjParamStru param;
    Records(int edition, int kind);
};

} // namespace EfileFixture
