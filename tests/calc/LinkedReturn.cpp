// LinkedReturn: returns for the whole-return tests of the passes.
#include "LinkedReturn.h"

#include "CalcFixture.h"
#include "marrow/CTaxData_Form.h"
#include "ordane/CFloatField.h"

TaxData_T1New *LinkedReturn::setUp(int province, const QDate &born, int maritalStatus)
{
    if (!folder.linkRealPlugin(province))
        return nullptr;
    t1 = CalcFixture::setUpPerson(*family.taxpayer(), province, "Louise", "046454286", born,
                                  maritalStatus);
    return t1;
}

TaxData_T1New *LinkedReturn::addSpouse(int province, const QDate &born)
{
    return CalcFixture::setUpPerson(*family.spouse(), province, "Paul", "130692544", born, 0);
}

CTaxData_Form *LinkedReturn::addSlip(IndividualTaxData &person, int code, const FieldValues &values)
{
    TaxDataEntryStru *entry = person.addSlip(code, 0, 0);
    entry->data->copyValuesFrom(*makeSlip(code, values));
    return entry->data;
}

double amountOf(const CTaxData_Form &form, const char *name)
{
    const auto *field = dynamic_cast<const CFloatField *>(form.findField(name));
    if (!field)
        qFatal("no amount %s", name);
    return field->value();
}

QString lineDifference(const CTaxData_Form &form, const Lines &lines)
{
    for (const auto &line : lines) {
        const double actual = amountOf(form, line.first);
        if (qAbs(actual - line.second) >= 0.001)
            return QString("%1: %2, expected %3")
                .arg(line.first)
                .arg(actual, 0, 'f', 2)
                .arg(line.second, 0, 'f', 2);
    }
    return QString();
}
