// The descriptions of the forms' and slips' shown fields, and the named code tables.
#include "marrow/FieldDescriptions.h"

const QVector<FieldDescription> &fieldDescriptions(int, int)
{
    static const QVector<FieldDescription> none;
    return none;
}

const FieldDescription *fieldDescription(int kind, int type, const QByteArray &name)
{
    for (const FieldDescription &d : fieldDescriptions(kind, type)) {
        if (d.name == name)
            return &d;
    }
    return nullptr;
}

const QVector<CodeChoice> &codeChoices(const QByteArray &)
{
    static const QVector<CodeChoice> none;
    return none;
}

QString codeName(const QByteArray &table, int code)
{
    for (const CodeChoice &c : codeChoices(table)) {
        if (c.code == code)
            return c.name;
    }
    return QString::number(code);
}
