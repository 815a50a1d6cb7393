// CWSBaseData: the defaults of the data classes' virtual operations.
#include "ordane/CWSBaseData.h"

#include "ordane/CBoolField.h"
#include "ordane/CDateField.h"
#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/CStringField.h"
#include "ordane/MyDataStream.h"

CWSBaseData::CWSBaseData() : FieldOwner("fld_") {}

CWSBaseData::~CWSBaseData() = default;

int CWSBaseData::normalizeData()
{
    return 0;
}

void CWSBaseData::copyFrom(const CWSBaseData &other)
{
    copyFieldsFrom(other);
}

void CWSBaseData::Serialize(MyDataStream &stream, int version)
{
    if (stream.IsStoring())
        writeFields(stream, version);
    else
        readFields(stream, version);
}

void CWSBaseData::ChangeToNewYearData() {}

void CWSBaseData::writeToString(CString &out) const
{
    out.clear();
    for (const CField *f : fields()) {
        // A line break inside a text would start a false line.
        QString value = f->toText();
        value.replace('\n', ' ');
        out += QString::fromUtf8(f->name()) + '=' + value + '\n';
    }
}

int CWSBaseData::readFromStringMap(const QMap<QString, QString> &values)
{
    int taken = 0;
    for (CField *f : fields()) {
        const auto it = values.constFind(QString::fromUtf8(f->name()));
        if (it == values.constEnd())
            continue;
        const QString &text = it.value();
        bool ok = true;
        switch (f->type()) {
        case FieldType::Int: {
            const int v = text.toInt(&ok);
            if (ok)
                static_cast<CIntField *>(f)->setValue(v);
            break;
        }
        case FieldType::Float: {
            const double v = text.toDouble(&ok);
            if (ok)
                static_cast<CFloatField *>(f)->setValue(v);
            break;
        }
        case FieldType::String:
            static_cast<CStringField *>(f)->setValue(text);
            break;
        case FieldType::Bool:
            ok = text == "0" || text == "1";
            if (ok)
                static_cast<CBoolField *>(f)->setValue(text == "1");
            break;
        case FieldType::Date: {
            const QDate d = QDate::fromString(text, Qt::ISODate);
            ok = d.isValid() || text.isEmpty();
            if (ok)
                static_cast<CDateField *>(f)->setDate(d);
            break;
        }
        case FieldType::Table:
            ok = false;
            break;
        }
        if (ok)
            ++taken;
    }
    return taken;
}

void CWSBaseData::WriteJavaFileDeclaration(CString &out) const
{
    out.clear();
}

void CWSBaseData::WriteJavaFileContruction(CString &out) const
{
    out.clear();
}
