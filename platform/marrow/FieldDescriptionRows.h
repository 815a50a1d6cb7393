// The rows the description tables are written in, one file per family of forms; the registry
// (FieldDescriptions.cpp) turns them into FieldDescription values once.
#pragma once

#include "marrow/FieldDescriptions.h"

#include <cstddef>

struct FieldDescriptionRow
{
    const char *name;
    // Null for a T1 line field: "Line NNNNN: " and the line's title from the line table.
    const char *title;
    FieldShow show;
    const char *codeTable; // null when the field is no code
    const char *section;   // null: the section of the row before
    bool total;
};

struct FieldDescriptionTable
{
    int kind; // 0 form, 1 slip, 2 wizard data
    int type;
    const FieldDescriptionRow *rows;
    std::size_t count;
    const char *page; // the page (tab) these rows stand on; null for the form's one page
};

// Row makers, one a way of showing; a section starts at the row that names it.
namespace rows {
constexpr FieldDescriptionRow amount(const char *name, const char *title,
                                     const char *section = nullptr)
{
    return {name, title, FieldShow::Amount, nullptr, section, false};
}
// An amount that is the form's result: printed even when zero.
constexpr FieldDescriptionRow result(const char *name, const char *title,
                                     const char *section = nullptr)
{
    return {name, title, FieldShow::Amount, nullptr, section, true};
}
constexpr FieldDescriptionRow number(const char *name, const char *title,
                                     const char *section = nullptr)
{
    return {name, title, FieldShow::Number, nullptr, section, false};
}
constexpr FieldDescriptionRow text(const char *name, const char *title,
                                   const char *section = nullptr)
{
    return {name, title, FieldShow::Text, nullptr, section, false};
}
constexpr FieldDescriptionRow date(const char *name, const char *title,
                                   const char *section = nullptr)
{
    return {name, title, FieldShow::Date, nullptr, section, false};
}
// A yes/no question stored as a code of the table.
constexpr FieldDescriptionRow answer(const char *name, const char *title, const char *table,
                                     const char *section = nullptr)
{
    return {name, title, FieldShow::YesNo, table, section, false};
}
// A flag field: a tick box.
constexpr FieldDescriptionRow tick(const char *name, const char *title,
                                   const char *section = nullptr)
{
    return {name, title, FieldShow::YesNo, nullptr, section, false};
}
constexpr FieldDescriptionRow choice(const char *name, const char *title, const char *table,
                                     const char *section = nullptr)
{
    return {name, title, FieldShow::Choice, table, section, false};
}
constexpr FieldDescriptionRow table(const char *name, const char *title,
                                    const char *section = nullptr)
{
    return {name, title, FieldShow::Table, nullptr, section, false};
}
} // namespace rows

template <std::size_t N>
constexpr FieldDescriptionTable describe(int kind, int type, const FieldDescriptionRow (&rows)[N],
                                         const char *page = nullptr)
{
    return {kind, type, rows, N, page};
}

// The tables of each family, in the order their forms' pages show them.
const FieldDescriptionTable *t1DescriptionTables(std::size_t &count);
const FieldDescriptionTable *slipDescriptionTables(std::size_t &count);
const FieldDescriptionTable *scheduleDescriptionTables(std::size_t &count);
const FieldDescriptionTable *formDescriptionTables(std::size_t &count);
const FieldDescriptionTable *otherFormDescriptionTables(std::size_t &count);
