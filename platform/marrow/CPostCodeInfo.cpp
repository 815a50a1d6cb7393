// CPostCodeInfo: the first letters of Canadian postal codes by province.
#include "marrow/CPostCodeInfo.h"

#include <QString>

namespace {

// Province codes of the form tables.
constexpr int kAlberta = 1, kBritishColumbia = 2, kManitoba = 3, kNewBrunswick = 4,
              kNewfoundland = 5, kNovaScotia = 6, kNorthwestTerritories = 7, kNunavut = 8,
              kOntario = 9, kPrinceEdwardIsland = 10, kQuebec = 11, kSaskatchewan = 12, kYukon = 13;

struct FirstLetter
{
    char letter;
    int province;
};

// X is shared by the two northern territories; Nunavut's areas are told apart below.
const FirstLetter kFirstLetters[] = {
    {'A', kNewfoundland},
    {'B', kNovaScotia},
    {'C', kPrinceEdwardIsland},
    {'E', kNewBrunswick},
    {'G', kQuebec},
    {'H', kQuebec},
    {'J', kQuebec},
    {'K', kOntario},
    {'L', kOntario},
    {'M', kOntario},
    {'N', kOntario},
    {'P', kOntario},
    {'R', kManitoba},
    {'S', kSaskatchewan},
    {'T', kAlberta},
    {'V', kBritishColumbia},
    {'X', kNorthwestTerritories},
    {'Y', kYukon},
};

const char *const kNunavutAreas[] = {"X0A", "X0B", "X0C"};

} // namespace

const CPostCodeInfo &CPostCodeInfo::GetInstance()
{
    static const CPostCodeInfo instance;
    return instance;
}

int CPostCodeInfo::provinceOf(const QString &postCode) const
{
    const QString area = postCode.trimmed().left(3).toUpper();
    if (area.size() < 3)
        return 0;
    for (const char *nunavut : kNunavutAreas) {
        if (area == QLatin1String(nunavut))
            return kNunavut;
    }
    for (const FirstLetter &row : kFirstLetters) {
        if (area.at(0) == QLatin1Char(row.letter))
            return row.province;
    }
    return 0;
}

bool CPostCodeInfo::IsPostCodeFromProv(const QString &postCode, int province) const
{
    const int found = provinceOf(postCode);
    return found != 0 && found == province;
}
