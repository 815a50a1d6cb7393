// Province texts to codes: one row per province, in code order.
#include "ordane/ProvinceText.h"

namespace {

struct ProvinceNames
{
    const char *abbreviation;
    const char *english;
    const char *french; // UTF-8
};

// Row i holds province code i + 1. This layer sits below the form tables, so it keeps its
// own short list of the texts a download may carry.
const ProvinceNames kProvinces[] = {
    {"AB", "Alberta", "Alberta"},
    {"BC", "British Columbia", "Colombie-Britannique"},
    {"MB", "Manitoba", "Manitoba"},
    {"NB", "New Brunswick", "Nouveau-Brunswick"},
    {"NL", "Newfoundland and Labrador", "Terre-Neuve-et-Labrador"},
    {"NS", "Nova Scotia",
     "Nouvelle-\xc3\x89"
     "cosse"},
    {"NT", "Northwest Territories", "Territoires du Nord-Ouest"},
    {"NU", "Nunavut", "Nunavut"},
    {"ON", "Ontario", "Ontario"},
    {"PE", "Prince Edward Island",
     "\xc3\x8ele-du-Prince-\xc3\x89"
     "douard"},
    {"QC", "Quebec",
     "Qu\xc3\xa9"
     "bec"},
    {"SK", "Saskatchewan", "Saskatchewan"},
    {"YT", "Yukon", "Yukon"},
};

bool sameText(const QString &text, const char *utf8)
{
    return QString::compare(text, QString::fromUtf8(utf8), Qt::CaseInsensitive) == 0;
}

} // namespace

int getProvince(const CString &text)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return 0;
    int code = 1;
    for (const ProvinceNames &row : kProvinces) {
        if (sameText(wanted, row.abbreviation) || sameText(wanted, row.english) ||
            sameText(wanted, row.french))
            return code;
        ++code;
    }
    return 0;
}
