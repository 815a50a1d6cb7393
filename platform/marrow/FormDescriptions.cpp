// CTaxData_Form's developer descriptions: the Java and XML files that list a class's fields.
#include "marrow/CTaxData_Form.h"

#include "ordane/CField.h"
#include "ordane/CString.h"
#include "ordane/SafeFileWriter.h"

namespace {
const char *typeName(FieldType type)
{
    switch (type) {
    case FieldType::Int:
        return "int";
    case FieldType::Float:
        return "amount";
    case FieldType::String:
        return "text";
    case FieldType::Date:
        return "date";
    case FieldType::Bool:
        return "flag";
    case FieldType::Table:
        return "table";
    }
    return "";
}
} // namespace

int CTaxData_Form::writeJavaDescription(const CString &folder, const CString &name, int) const
{
    QByteArray text = "package quorvandelle.makereport;\n\npublic class " + name.toUtf8() +
                      "\n{\nstatic final int FORM_TYPE = " + QByteArray::number(getType()) +
                      ";\nstatic final int FORM_KIND = " + QByteArray::number(getKind()) +
                      ";\nstatic final String[][] FIELDS = {\n";
    for (const CField *field : fields())
        text += "{\"" + field->name() + "\", \"" + typeName(field->type()) + "\"},\n";
    text += "};\n}\n";
    return writeFileSafely(folder + "/" + name + ".java", text) ? 0 : -1;
}

int CTaxData_Form::writeXmlDescription(const CString &folder, const CString &name,
                                       const CString &fileName, int version) const
{
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<form name=\"" +
                      name.toHtmlEscaped().toUtf8() + "\" type=\"" + QByteArray::number(getType()) +
                      "\" kind=\"" + QByteArray::number(getKind()) + "\" version=\"" +
                      QByteArray::number(version) + "\">\n";
    for (const CField *field : fields()) {
        text += "  <field name=\"" + QString::fromUtf8(field->name()).toHtmlEscaped().toUtf8() +
                "\" type=\"" + typeName(field->type()) + "\"/>\n";
    }
    text += "</form>\n";
    return writeFileSafely(folder + "/" + fileName, text) ? 0 : -1;
}
