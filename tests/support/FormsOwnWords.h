// The words some paper forms print beside a box that are also the field's name in words: the
// only titles the "no mechanical title" checks let coincide with a field's name.
#pragma once

#include <QSet>
#include <QString>

inline QSet<QString> formsOwnWords()
{
    return {"First name",
            "Last name",
            "City",
            "Country",
            "Postal code",
            "Care of",
            "Address",
            "Refund",
            "Gross rents",
            "Capital cost allowance",
            "Adjusted cost base",
            "Earned income",
            "Employment income",
            "Split income",
            "Minimum tax",
            "Discounter code",
            "EFILE number",
            "Document control number",
            "Lodging expenses",
            "Functional currency",
            "Housing amount",
            "Depletion allowance",
            "Pension adjustment",
            "RRSP deduction limit",
            "Pensionable earnings",
            "Confirmation number",
            "Net tax owing",
            "Description"};
}
