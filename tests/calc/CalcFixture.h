// CalcFixture: persons with a T1 and a summary form in a province, for the calculation tests.
#pragma once

#include "PluginFolder.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "plugin/TestPluginRecorder.h"

#include <QDate>

namespace CalcFixture {

// The person lives in the province (its plug-in loaded from the test's plug-in folder) and has
// a T1 with the names, S.I.N., date of birth and marital status, and a summary form.
TaxData_T1New *setUpPerson(IndividualTaxData &person, int province, const char *first,
                           const char *sin, const QDate &born, int maritalStatus = 0);

constexpr int kTaxpayerProvince = 2;
constexpr int kSpouseProvince = 3;

// A coupled return whose persons live in the provinces of two recording test plug-ins: the
// taxpayer Louise, born 1 May 1970, and the spouse Paul, born 9 September 1968, both married.
struct RecordedCouple
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    FamilyTaxData family{0};

    // False when the plug-ins could not be linked; the recorder starts empty.
    bool setUp();
};

// Links the recording test plug-in of Ontario (9), scripted to pair Schedule 2, Schedule 11 and
// the T778 with ON(S2), ON(S11) and ON479-A.
bool linkOntarioWithCounterparts(PluginFolder &folder, TestPluginRecorder &recorder);

// The person's form of the type, made when missing.
template <typename Form> Form *form(IndividualTaxData &person, int type)
{
    return dynamic_cast<Form *>(person.getForm(type, 0, true));
}

// The person's form of the type, or null.
template <typename Form> Form *existing(IndividualTaxData &person, int type)
{
    return dynamic_cast<Form *>(person.getForm(type, 0, false));
}

TaxData_T1New *t1Of(IndividualTaxData &person);
TaxData_T1KSNew *summaryOf(IndividualTaxData &person);

// A field of the form by its registered name, as text ("" when there is none).
QString fieldText(const CTaxData_Form &form, const char *name);

// The form types of the person's form list, in order.
QList<int> formTypes(const IndividualTaxData &person);

} // namespace CalcFixture
