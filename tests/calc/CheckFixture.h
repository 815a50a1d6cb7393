// CheckFixture: a person ready for the review checks, and the texts the checks give.
#pragma once

#include "calc/ValidationMsgGroup.h"
#include "marrow/TaxData_T1New.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"

#include <QStringList>
#include <functional>

namespace CheckFixture {

// A single taxpayer of 40 in the province with a T1 that no check objects to; the return's
// plug-ins are loaded from whatever folder the test set (none when it holds none).
TaxData_T1New *setUpPerson(IndividualTaxData &person, int province = 9, int maritalStatus = 5);
// The texts of the list's groups of the kind, in order.
QStringList textsOf(const std::list<ValidationMsgGroup *> &groups, int kind);
// The return-level texts of one single-return check run.
QStringList returnTexts(IndividualTaxData &person, unsigned char edition = 2);
// Adds an entry of the type holding the object (the person owns it afterwards).
void addEntry(QList<TaxDataEntryStru *> &list, IndividualTaxData &person, int type,
              CTaxData_Form *object);

} // namespace CheckFixture

using PersonSetup = std::function<void(IndividualTaxData &, TaxData_T1New &)>;
Q_DECLARE_METATYPE(PersonSetup)
