// CWSBaseData: base of every wizard and dialog data class; its fields are named "fld_" + name.
#pragma once

#include "ordane/FieldOwner.h"

#include <QMap>
#include <QString>

class CString;
class MyDataStream;

class CWSBaseData : public FieldOwner
{
public:
    CWSBaseData();
    ~CWSBaseData() override;

    // Virtual operations in the order the data classes rely on.
    // Consistency hook: the wizard runs it when a page is accepted and when it finishes.
    virtual int normalizeData();
    // Every field of the same name and type takes the other object's value.
    virtual void copyFrom(const CWSBaseData &other);
    // The field list in the stream's direction (FieldOwner's self-describing block).
    virtual void Serialize(MyDataStream &stream, int version);
    // Carries last year's answers into this year; the default keeps them all.
    virtual void ChangeToNewYearData();
    // One "name=value" line per field, names with their "fld_" prefix.
    virtual void writeToString(CString &out) const;
    // Takes each field whose name the map holds; a value that does not read as the field's
    // type leaves the field as it is. Returns the number of fields taken.
    virtual int readFromStringMap(const QMap<QString, QString> &values);
    // The print engine's Java declarations of this data; none by default.
    virtual void WriteJavaFileDeclaration(CString &out) const;
    virtual void WriteJavaFileContruction(CString &out) const;
};
