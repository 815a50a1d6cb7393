// FamilyTaxData: one return file in memory — taxpayer, spouse, dependants, person on screen.
#pragma once

#include "marrow/DependantInfoStruct.h"
#include "model/CPersonalSettings.h"
#include "model/T1135XmlResult.h"
#include "ordane/TemplateEngine.h"

#include <QList>
#include <list>
#include <memory>

class CString;
class CTaxData_Form;
class DataAFR;
class DataNewReturnBasic;
class DataShareAmtDlg;
class TDDTaxDataOnePerson;
struct ImportOptions;
class IndividualTaxData;
class MyDataStream;
class QComboBox;
class QTextStream;
class TaxData_TaxNote;
struct TaxDataEntryStru;
struct ValidationMsgGroup;
struct TaxNoteEntryStru;

// Which person of a return file is meant: the taxpayer, the spouse, or (never filled) a
// further person 0 to 11.
using PersonIndex = int;
constexpr PersonIndex PersonTaxpayer = -2;
constexpr PersonIndex PersonSpouse = -1;

// "name [Bal. Due: 12.34]" for an amount above 0, else "name [Refund: 12.34]" (negated).
void formatBalanceText(const CString &name, double amount, CString &out);

class FamilyTaxData
{
public:
    explicit FamilyTaxData(int routingFlag);
    FamilyTaxData(const FamilyTaxData &) = delete;
    ~FamilyTaxData();

    // Empties both persons and the dependants; the object can be filled again.
    void freeAllData();
    // Deep copy of both persons, the dependants and the current person.
    FamilyTaxData &operator=(const FamilyTaxData &other);
    // Refreshes a copy made with operator=; false when a person's structure changed.
    bool assignValuesFrom(const FamilyTaxData &other);
    // Whether anything that is saved differs: either person or the dependants.
    bool isDifferent(const FamilyTaxData &other) const;
    bool isEqual(const FamilyTaxData &other) const;

    IndividualTaxData *getPersonData(PersonIndex index) const;
    int setCurrentPersonIndex(int index);
    int getCurrentPersonIndex() const { return m_currentPerson; }
    IndividualTaxData *getCurrentPersonData() const { return getPersonData(m_currentPerson); }
    IndividualTaxData *getPartnerData() const;
    bool isCoupled() const;
    void getLoadedProvinces(QList<int> &out) const;

    // The whole return file in the stream's direction. Writing: 0, or 121 on a write error.
    // Reading (meant for a new object): 0, or 119, 120, -1 or 112 (ReturnFile.h). Shows no
    // wait cursor: a caller on the GUI thread shows it around the call.
    int Serialize(unsigned char edition, MyDataStream &stream);
    // The view-settings block at the end of the file; always 0.
    int serializeSettings(unsigned char edition, MyDataStream &stream);
    // Only the taxpayer's password protects the file, and only from record version 66034.
    bool isPasswordProtected() const;
    bool checkPassword(const CString &text) const;
    // Every form of both persons, and both persons, take the coupled state.
    void setCoupledFlags();

    // The current person's queries and list operations (FamilyTaxDataQueries.cpp). While the
    // current index names no person they do nothing and answer false, empty, 0 or null.
    int getFormCount(int type) const;
    bool hasForm(int type) const;
    CTaxData_Form *getForm(int type, bool create);
    TaxDataEntryStru *findFormEntry(int type, int id, bool create);
    // For a T1032 of a coupled return the partner gets one too.
    TaxDataEntryStru *addForm(int type, int id, bool addToList, int linkedId, bool prefill);
    TaxDataEntryStru *addSlip(int type, int id, int linkedId);
    TaxNoteEntryStru *addNote(int key);
    void removeNote(TaxData_TaxNote *note);
    void removeSlip(CTaxData_Form *slip);
    void removeForm(CTaxData_Form *form, bool withProvincialForm);
    int getLinkedProvincialFormType(int type);
    CString getPersonIncomeSummary();
    bool getTextByKey(int key, CString &text);
    bool getAmountByKey(int key, double &amount);
    bool getIntByKey(int key, int &value);
    // Keys 10321 and 10322 of a coupled return reach the partner too; the current person's
    // result is returned.
    bool setValueByKey(int key, int flag, double value);
    bool setTextByKey(int key, const QString &text);
    CString getPersonDefaultFileName();
    void recordFilingResult(int formType, int status, const QString &text);
    int writeSlipSummary(QTextStream &out);

    // Display texts of the return file.
    // Each person's first name with the balance; "Family" with both when coupled.
    void getBalanceTexts(CString &taxpayer, CString &spouse, CString &family);
    // Fills the box with the persons (item data -2 and -1) and selects one; the item count.
    int fillPersonComboBox(QComboBox *box, bool selectSpouse);
    QString getDefaultFileName();
    // The names of the persons whose T1 was not filed, each with why.
    void getFilingStatusText(QString &out);
    CString getIncomeSummary();

    // Recalculation (calc/): a changed shared form or slip reaches its twin, then two rounds
    // of passes 0 to 6, the person on screen first, with the spouse exchange after each pass,
    // then each person's summary. The kind hint is ignored: the object tells its kind.
    // Returns the sum of the pass results.
    int Recalculate(int kindHint, CTaxData_Form *changed);
    // The amounts of one pass moved between the spouses; nothing unless coupled.
    void ExchangeSpouseAmounts(int pass);

    // Review (calc/): one person's groups, with the couple group when asked; the number of
    // groups plus the couple messages. For the spouse of a return that is not coupled: 0, with
    // nothing appended and the name untouched.
    int collectCheckMessages(unsigned char edition, std::list<ValidationMsgGroup *> &groups,
                             CString &name, bool forSpouse, bool withCouple);
    // The couple messages of one spouse against the other; 0 unless coupled.
    int checkCouple(unsigned char edition, std::list<CString> &messages, bool forSpouse);
    // The warnings before filing: the return file's, then the person on screen's review.
    // True when the user went on through every warning; the second flag is not read.
    bool preCheckReturn(unsigned char edition, bool unused = false);
    bool shouldSuggestSchedule6();
    // New return and imports (FamilyTaxDataNewReturn.cpp).
    // A new return file from the new-return wizard's answers; the recalculation's result.
    int createFromNewReturnWizard(DataNewReturnBasic &answers);
    // Downloaded Auto-fill data into the current person, then a recalculation; always 0.
    int applyAutoFillData(TDDTaxDataOnePerson *data, DataAFR *options);
    // On a return file just loaded from last year's file.
    void importPriorYearReturn(const ImportOptions &options);
    void enableAllFormsMode();

    // Coupling, sharing and synchronising between the spouses (FamilyTaxDataSpouses.cpp).
    // None of them recalculates: the caller does.
    // The other file's taxpayer becomes this file's spouse; always 1.
    int coupleWith(FamilyTaxData &other);
    // The spouse's return becomes the taxpayer's; the former taxpayer is deleted (its
    // plug-in objects handed back first) and a new empty person sharing the dependants takes
    // the spouse's place.
    void makeSpouseTheTaxpayer();
    void changeProvince(int oldProvince, int newProvince, bool both);
    void getPersonNames(CString &taxpayer, CString &spouse);
    bool isFormShared(CTaxData_Form *form) const;
    void shareForm(CTaxData_Form *form, int partnerId);
    void unshareForm(CTaxData_Form *form);
    bool isSlipShared(CTaxData_Form *slip) const;
    void shareSlip(CTaxData_Form *slip, int partnerId);
    void unshareSlip(CTaxData_Form *slip);
    bool syncSpouseMailingAddress();
    int fillPreparerInfo();
    int syncSpouseT778();
    void getBalanceAmounts(double &taxpayer, double &spouse, double &total);

    IndividualTaxData *taxpayer() const { return m_taxpayer.get(); }
    IndividualTaxData *spouse() const { return m_spouse.get(); }
    DependantInfoStruct &dependants() { return m_dependants; }
    const DependantInfoStruct &dependants() const { return m_dependants; }
    CPersonalSettings &personalSettings() { return m_settings; }
    int routingFlag() const { return m_routingFlag; }

    // ==== Defined in qv_efile (efile/), not in this library. The model links no filing code:
    // only qv_efile and what links it may call these. tests/efile/tst_EfileMembers.cpp takes
    // the address of each, so a definition that goes missing fails that test's link.

    // The electronic return of the person on screen; nothing without one.
    void generateReturnXml(QString &out, int edition);
    void fillNetfileHeaderValues(TemplateValues &values, int agreement, CString &email,
                                 double &balance, int testCase);
    void fillEfileHeaderValues(TemplateValues &values, int esign);
    // The T1135 statement and its check, of the person on screen.
    T1135XmlResult generateT1135Xml(QString &out);
    int checkT1135(unsigned char edition, std::list<ValidationMsgGroup *> &groups);
    // Filing checks and ReFile of the person on screen.
    int checkNetfileEligibility(int edition, std::list<CString> &messages);
    int checkReFileBankruptcy(int edition, std::list<CString> &messages);
    int checkReFileRestrictions(std::list<CString> &messages);
    int prepareReFile();
    int clearReFileFlag();

    // ==== Defined in qv_wizards (wizards/AmountSharing.cpp), not in this library: only
    // qv_wizards and what links it may call these. tests/wizards/tst_WizardsMembers.cpp takes
    // the address of each, so a definition that goes missing fails that test's link.

    // Sharing amounts between the spouses, on a copy of the open return. Each adds the number
    // of recalculated trials to the count when one is given.
    // Divides interest, capital gains, the pension split and donations for the lowest family
    // balance; a family that is not coupled, or without both T1s, is left as it is.
    void ShareAmountsBetweenSpouses(DataShareAmtDlg &amounts, int *trials = nullptr);
    // The pension split (both T1032 forms) with the lowest family balance from 0 to the
    // maximum; best is the split in effect on entry. The forms keep the last trial.
    void OptimizePensionSplit(double maximum, double &best, int *trials = nullptr);
    // The taxpayer's donation-sharing adjustment in [low, high] with the lowest family
    // balance, the spouse's being joint minus it; best is the one in effect on entry.
    void OptimizeDonationSplit(double low, double high, double joint, double &best,
                               int *trials = nullptr);

private:
    int writeFile(unsigned char edition, MyDataStream &stream);
    int readFile(unsigned char edition, MyDataStream &stream);
    int readWhole(unsigned char edition, MyDataStream &stream);
    int readRecords(unsigned char edition, MyDataStream &stream);
    // Grows the dependants block to its usual 12 records, keeping the ones read.
    void fillDependants();
    // The person on screen (the spouse only at index -1) and the other one.
    IndividualTaxData *calculationFirst() const;
    IndividualTaxData *calculationSecond() const;

    int m_routingFlag;
    CPersonalSettings m_settings;
    DependantInfoStruct m_dependants;
    std::unique_ptr<IndividualTaxData> m_taxpayer;
    std::unique_ptr<IndividualTaxData> m_spouse;
    PersonIndex m_currentPerson = PersonTaxpayer;
};
