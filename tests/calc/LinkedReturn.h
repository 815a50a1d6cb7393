// LinkedReturn: a return whose persons live in a province with its real plug-in linked, with
// slips added from field values, for the whole-return tests of the passes.
#pragma once

#include "PluginFolder.h"
#include "SlipFixtures.h"
#include "model/FamilyTaxData.h"

#include <QDate>
#include <QString>
#include <utility>
#include <vector>

class TaxData_T1New;

struct LinkedReturn
{
    static constexpr int kSingle = 4;

    PluginFolder folder;
    FamilyTaxData family{0};
    TaxData_T1New *t1 = nullptr;

    // The taxpayer with a T1 and a summary; null when the plug-in could not be linked.
    TaxData_T1New *setUp(int province, const QDate &born, int maritalStatus = kSingle);
    // The spouse, which makes the return a coupled one.
    TaxData_T1New *addSpouse(int province, const QDate &born);
    IndividualTaxData &person() { return *family.taxpayer(); }
    CTaxData_Form *addSlip(int code, const FieldValues &values)
    {
        return addSlip(person(), code, values);
    }
    static CTaxData_Form *addSlip(IndividualTaxData &person, int code, const FieldValues &values);
};

// An amount of the form by its registered name; a name the form lacks ends the test.
double amountOf(const CTaxData_Form &form, const char *name);

// Lines by registered name with their amounts to the cent.
using Lines = std::vector<std::pair<const char *, double>>;

// A whole-return row: the return, and its lines worked out by hand from the 2025 figures.
struct WholeReturn
{
    const char *name;
    void (*build)(LinkedReturn &r);
    Lines lines;
};

// The first line of the form that is not its amount, as "line: actual, expected expected";
// empty when every line is.
QString lineDifference(const CTaxData_Form &form, const Lines &lines);
