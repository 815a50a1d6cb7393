// Slips for the slip-total tests.
#include "SlipFixtures.h"

#include "marrow/CTaxData_Form.h"
#include "marrow/FormFactory.h"
#include "ordane/CBoolField.h"
#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/CTableField.h"

#include <QList>
#include <QtGlobal>

namespace {
void setValue(CField &field, double value, const char *name)
{
    switch (field.type()) {
    case FieldType::Float:
        static_cast<CFloatField &>(field).setValue(value);
        break;
    case FieldType::Int:
        static_cast<CIntField &>(field).setValue(int(value));
        break;
    case FieldType::Bool:
        static_cast<CBoolField &>(field).setValue(value != 0);
        break;
    default:
        qFatal("field %s is not set by value", name);
    }
}

// The field or table cell the name stands for, or null.
CField *fieldNamed(CTaxData_Form &slip, const char *name)
{
    const QList<QByteArray> parts = QByteArray(name).split(':');
    CField *field = slip.findField(parts.first());
    if (parts.size() == 1 || !field)
        return field;
    if (parts.size() != 3 || field->type() != FieldType::Table)
        return nullptr;
    auto *table = static_cast<CTableField *>(field);
    const int row = parts[1].toInt();
    const int column = parts[2].toInt();
    if (row < 0 || row >= table->rowCount() || column < 0 || column >= table->columnCount())
        return nullptr;
    return &table->cell(row, column);
}
} // namespace

std::unique_ptr<CTaxData_Form> makeSlip(int code, const FieldValues &values)
{
    std::unique_ptr<CTaxData_Form> slip(createSlip(code));
    if (!slip)
        qFatal("no slip class for code %d", code);
    for (const auto &value : values) {
        CField *field = fieldNamed(*slip, value.first);
        if (!field)
            qFatal("slip %d has no field %s", code, value.first);
        setValue(*field, value.second, value.first);
    }
    return slip;
}
