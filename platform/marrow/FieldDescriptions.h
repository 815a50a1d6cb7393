// What a person reads of each form and slip: for each field shown, its title, how it shows,
// its section. The editor's pages and the printed return both read these descriptions, so a
// title is fixed in one place; a field with no description is bookkeeping, never shown.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

enum class FieldShow
{
    Amount, // money, right-aligned with thousands separators
    Number, // a count or a plain number
    Text,
    Date,
    YesNo,  // the yes/no/unanswered answers, stored as their codes (a tick box for a flag field
            // and no code table)
    Choice, // a code shown by its name from the code table `codeTable`
    Table,  // repeating rows
};

struct FieldDescription
{
    QByteArray name; // the field's registry name
    QString title;   // "Line 15000: Total income", "Box 14: Employment income"
    FieldShow show = FieldShow::Amount;
    QByteArray codeTable; // for YesNo and Choice: "province", "maritalStatus", "language", ...
    QString section;      // the heading the field stands under; empty where the form has none
    bool total = false;   // a total prints even when it is zero
    QString page;         // the page (tab) of a form of several pages; empty for one page
};

struct CodeChoice
{
    int code;
    QString name;
};

// The fields a person sees on a form (kind other than 1 and 2), a slip (kind 1) or wizard data
// (kind 2) of this type, in the paper form's order. Empty for a type no description covers.
const QVector<FieldDescription> &fieldDescriptions(int kind, int type);
// The description of one field, or null when the field is not shown.
const FieldDescription *fieldDescription(int kind, int type, const QByteArray &name);
// The named choices of a code table, in the order a list shows them; empty for an unknown table.
const QVector<CodeChoice> &codeChoices(const QByteArray &table);
// The name of a code in its table; the code itself as text when the table does not name it.
QString codeName(const QByteArray &table, int code);
// The names of every code table, sorted.
QStringList codeTableNames();
