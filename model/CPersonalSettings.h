// CPersonalSettings: where the user left a return — last person shown and each one's tree item.
#pragma once

class MyDataStream;

class CPersonalSettings
{
public:
    virtual ~CPersonalSettings() = default;

    // Remembers the item for the person and makes that person the last one shown.
    void setPersonView(bool isSpouse, int kind, int id);
    void getLastView(bool &isSpouse, int &kind, int &id) const;
    void getPersonView(bool isSpouse, int &kind, int &id) const;
    void clear();
    // Writes int 1 and the five values; reads one int, ignored, then the five.
    void Serialize(MyDataStream &ar);

    // Item kinds as the forms tree reports them: -1 none, 0 form, 1 slip, 3 note, 99 special.
    int m_lastPerson = 0; // 0 taxpayer, 1 spouse
    int m_taxpayerKind = 0;
    int m_spouseKind = 0;
    int m_taxpayerId = 0;
    int m_spouseId = 0;
};
