// PrintReturns: the editor fixture's returns made ready for the print command's tests.
#pragma once

#include "marrow/EmploymentSlips.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"

// The fixture return without its review errors (T4 slips without their kind of employment), so
// the print command goes on without asking.
inline FamilyTaxData *withoutErrors(FamilyTaxData *family)
{
    for (IndividualTaxData *person : {family->taxpayer(), family->spouse()}) {
        for (TaxDataEntryStru *slip : person->m_slipList) {
            if (auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(slip->data))
                t4->employmentKind = -1;
        }
    }
    family->Recalculate(-1, nullptr);
    return family;
}
