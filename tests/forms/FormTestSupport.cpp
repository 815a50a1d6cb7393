// Helpers of the form-layer tests: makers of every object and generated field values.
#include "FormTestSupport.h"

#include "marrow/FormFactory.h"
#include "marrow/TaxData_TaxNote.h"
#include "ordane/CBoolField.h"
#include "ordane/CDateField.h"
#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/CStringField.h"
#include "ordane/CTableField.h"

std::vector<MadeObject> allMakers()
{
    std::vector<MadeObject> makers;
    for (int code = 0; code <= 215; ++code) {
        std::unique_ptr<CTaxData_Form> probe(createFederalForm(code));
        if (probe)
            makers.push_back(
                {"form " + QByteArray::number(code), [code] { return createFederalForm(code); }});
    }
    for (int code = 0; code <= 27; ++code) {
        std::unique_ptr<CTaxData_Form> probe(createSlip(code));
        if (probe)
            makers.push_back(
                {"slip " + QByteArray::number(code), [code] { return createSlip(code); }});
    }
    makers.push_back({"note", [] { return static_cast<CTaxData_Form *>(createNote()); }});
    for (int type = 1; type <= 5; ++type)
        makers.push_back(
            {"wizard " + QByteArray::number(type), [type] { return createWizardData(type); }});
    return makers;
}

void fillField(CField &field, int seed)
{
    switch (field.type()) {
    case FieldType::Int:
        static_cast<CIntField &>(field) = 1000 + seed;
        break;
    case FieldType::Float:
        static_cast<CFloatField &>(field) = 1234.56 + seed;
        break;
    case FieldType::String:
        static_cast<CStringField &>(field) = QStringLiteral("text %1 é").arg(seed);
        break;
    case FieldType::Date: {
        auto &d = static_cast<CDateField &>(field);
        if (seed % 2)
            d.setCurTime();
        else
            d = QDate(2001, 1, 1).addDays(seed);
        break;
    }
    case FieldType::Bool: {
        auto &b = static_cast<CBoolField &>(field);
        b = !b.value();
        break;
    }
    case FieldType::Table: {
        auto &t = static_cast<CTableField &>(field);
        for (int r = 0; r < t.rowCount(); ++r) {
            for (int c = 0; c < t.columnCount(); ++c)
                fillField(t.cell(r, c), seed + r * 31 + c);
        }
        break;
    }
    }
}

void fillAll(CTaxData_Form &form)
{
    int seed = 1;
    for (CField *f : form.fields())
        fillField(*f, seed++);
}
