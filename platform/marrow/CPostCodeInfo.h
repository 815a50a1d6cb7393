// CPostCodeInfo: which province a Canadian postal code's forward sortation area belongs to.
#pragma once

class QString;

class CPostCodeInfo
{
public:
    static const CPostCodeInfo &GetInstance();

    // Whether the postal code (its first three characters count, any letter case) lies in the
    // province (codes 1 to 13). A code too short to tell, or an unknown province, is not.
    bool IsPostCodeFromProv(const QString &postCode, int province) const;
    // The province of the postal code, 0 when it names none.
    int provinceOf(const QString &postCode) const;

private:
    CPostCodeInfo() = default;
};
