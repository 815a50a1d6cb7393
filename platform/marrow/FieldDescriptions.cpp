// The registry of the descriptions of the forms' and slips' shown fields, and the named code
// tables. The rows live in one file per family of forms (FieldDescriptions*.cpp).
#include "marrow/FieldDescriptions.h"

#include "marrow/FieldDescriptionRows.h"
#include "marrow/FormTables.h"
#include "marrow/LineTitles.h"

#include <QHash>

namespace {

quint64 key(int kind, int type)
{
    // Slips and wizard data have their own numbering; every other kind is a form.
    const int family = (kind == 1 || kind == 2) ? kind : 0;
    return (quint64(quint32(family)) << 32) | quint32(type);
}

QString titleOf(const FieldDescriptionRow &row)
{
    if (row.title)
        return QString::fromUtf8(row.title);
    // A T1 line field: its number and the line's name.
    const QString number = QString::fromLatin1(row.name);
    return QStringLiteral("Line %1: %2").arg(number, lineTitle(number.toInt()));
}

using Registry = QHash<quint64, QVector<FieldDescription>>;

void addTables(Registry &registry, const FieldDescriptionTable *tables, std::size_t count)
{
    for (std::size_t t = 0; t < count; ++t) {
        const FieldDescriptionTable &table = tables[t];
        QVector<FieldDescription> &list = registry[key(table.kind, table.type)];
        QString section;
        for (std::size_t r = 0; r < table.count; ++r) {
            const FieldDescriptionRow &row = table.rows[r];
            if (row.section)
                section = QString::fromUtf8(row.section);
            FieldDescription d;
            d.name = QByteArray(row.name);
            d.title = titleOf(row);
            d.show = row.show;
            d.codeTable = row.codeTable ? QByteArray(row.codeTable) : QByteArray();
            d.section = section;
            d.total = row.total;
            d.page = table.page ? QString::fromUtf8(table.page) : QString();
            list.append(d);
        }
    }
}

const Registry &registry()
{
    static const Registry all = [] {
        Registry r;
        std::size_t count = 0;
        const FieldDescriptionTable *tables = t1DescriptionTables(count);
        addTables(r, tables, count);
        tables = slipDescriptionTables(count);
        addTables(r, tables, count);
        tables = scheduleDescriptionTables(count);
        addTables(r, tables, count);
        tables = formDescriptionTables(count);
        addTables(r, tables, count);
        tables = otherFormDescriptionTables(count);
        addTables(r, tables, count);
        return r;
    }();
    return all;
}

QVector<CodeChoice> provinceChoices()
{
    QVector<CodeChoice> list;
    for (int code = 1; code < Global_Provs_Num; ++code)
        list.append({code, QString::fromUtf8(Global_Provs_Info[code].name)});
    return list;
}

using CodeTables = QHash<QByteArray, QVector<CodeChoice>>;

const CodeTables &codeTables()
{
    static const CodeTables tables = {
        {"province", provinceChoices()},
        {"maritalStatus",
         {{0, QStringLiteral("Married")},
          {1, QStringLiteral("Living common-law")},
          {2, QStringLiteral("Widowed")},
          {3, QStringLiteral("Divorced")},
          {4, QStringLiteral("Separated")},
          {5, QStringLiteral("Single")}}},
        {"language", {{0, QStringLiteral("English")}, {1, QStringLiteral("French")}}},
        // The answers whose 0 means Yes; a new form leaves them unanswered (-1).
        {"yesNo", {{0, QStringLiteral("Yes")}, {1, QStringLiteral("No")}}},
        // The answers kept as a plain flag: 0 No, any other value Yes.
        {"noYes", {{0, QStringLiteral("No")}, {1, QStringLiteral("Yes")}}},
        {"filingStatus",
         {{0, QStringLiteral("Not filed")},
          {1, QStringLiteral("Filed")},
          {2, QStringLiteral("Amended, not yet filed")},
          {3, QStringLiteral("Filed again after an amendment")}}},
        {"cppMode",
         {{0, QStringLiteral("No contributions on self-employment")},
          {1, QStringLiteral("Canada Pension Plan (Schedule 8)")},
          {2, QStringLiteral("Quebec Pension Plan (form RC381)")}}},
        {"t4EmploymentKind",
         {{0, QStringLiteral("Placement or employment agency worker")},
          {1, QStringLiteral("Ordinary employment")},
          {2, QStringLiteral("Another kind of employment")}}},
        {"contactChoice", {{0, QStringLiteral("The preparer")}, {1, QStringLiteral("You")}}},
        {"pensionTransferer",
         {{0, QStringLiteral("Pensioner (you split your pension income)")},
          {1, QStringLiteral("Pension transferee (you receive part of your spouse's pension)")}}},
        {"prescribedZone",
         {{0, QStringLiteral("Northern zone")}, {1, QStringLiteral("Intermediate zone")}}},
        {"scholarshipKind",
         {{0, QStringLiteral("The $500 scholarship exemption applies")},
          {1, QStringLiteral("Fully exempt (full-time or qualifying part-time student)")},
          {2, QStringLiteral("Fully taxable")}}},
    };
    return tables;
}

} // namespace

const QVector<FieldDescription> &fieldDescriptions(int kind, int type)
{
    static const QVector<FieldDescription> none;
    const Registry &all = registry();
    const auto found = all.constFind(key(kind, type));
    return found == all.constEnd() ? none : *found;
}

const FieldDescription *fieldDescription(int kind, int type, const QByteArray &name)
{
    for (const FieldDescription &d : fieldDescriptions(kind, type)) {
        if (d.name == name)
            return &d;
    }
    return nullptr;
}

const QVector<CodeChoice> &codeChoices(const QByteArray &table)
{
    static const QVector<CodeChoice> none;
    const CodeTables &tables = codeTables();
    const auto found = tables.constFind(table);
    return found == tables.constEnd() ? none : *found;
}

QString codeName(const QByteArray &table, int code)
{
    for (const CodeChoice &c : codeChoices(table)) {
        if (c.code == code)
            return c.name;
    }
    return QString::number(code);
}

QStringList codeTableNames()
{
    QStringList names;
    for (auto it = codeTables().constBegin(); it != codeTables().constEnd(); ++it)
        names.append(QString::fromLatin1(it.key()));
    names.sort();
    return names;
}
