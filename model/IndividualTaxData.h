// IndividualTaxData: one person's return — forms, slips, notes, wizard data and plug-ins.
#pragma once

#include "model/CMultiProvsTaxMgr.h"
#include "model/FormTypeIndex.h"
#include "model/T1135XmlResult.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/CReservedArea.h"
#include "ordane/CString.h"
#include "ordane/TemplateEngine.h"

#include <QDate>
#include <QList>
#include <memory>
#include <set>
#include <vector>

class CEnumTaxFormObj;
class DataAFR;
class TDDTaxDataOnePerson;
class CEnumTaxNoteObj;
class CEnumTaxSlipObj;
class CEnumTaxWizardObj;
struct ImportOptions;
class MyDataStream;
class QTextStream;
struct NetfileGenObjParamStru;
class CMemoryBlock;
class SFDBarcodeFixedData;
class T1ReturnBarcodeFixedData;
class TaxData_T776New;
class TaxData_T2042New;
class TaxData_T2121New;
class TaxData_T2125_New;
class TaxData_T777New;
class TaxData_TL2_New;
class TaxData_T2091;
class CTaxData_T5013;
struct HeldSlipSums;
struct SlipTotals;
struct ValidationMsgGroup;

class IndividualTaxData
{
public:
    static constexpr int kCurrentDataVersion = 66098;
    // The lowest record version read, and the first that holds the file password.
    static constexpr int kLowestDataVersion = 0x10000;
    static constexpr int kPasswordFromVersion = 66034;
    static constexpr int kFirstId = 100;
    // The one-line result texts: total, net and taxable income, then the refund or balance.
    static constexpr const char *kRefundSummary =
        "[Total Income]=%.2f [Net Income]=%.2f [Taxable Income]=%.2f [Refund]=%.2f";
    static constexpr const char *kBalanceDueSummary =
        "[Total Income]=%.2f [Net Income]=%.2f [Taxable Income]=%.2f [Balance Due]=%.2f";

    IndividualTaxData(int routingFlag, DependantInfoStruct *dependants);
    IndividualTaxData(const IndividualTaxData &) = delete;
    virtual ~IndividualTaxData();

    // Empties the lists (provincial objects back to their plug-ins) and unloads the plug-ins.
    void freeAllData();
    // Deep copy of the other person's lists; loads the other's province plug-in.
    IndividualTaxData &operator=(const IndividualTaxData &other);
    // Copies values into a person built the same way; false when the structure differs.
    bool assignValuesFrom(const IndividualTaxData &other);
    bool isEqual(const IndividualTaxData &other) const;
    bool isDifferent(const IndividualTaxData &other) const { return !isEqual(other); }

    // Forms.
    TaxDataEntryStru *addForm(int type, int id, bool addToList, int linkedId, bool prefill);
    TaxDataEntryStru *findFormEntry(int type, int id, bool create);
    CTaxData_Form *getForm(int type, int id, bool create);
    bool hasForm(int type) const;
    int countFormsOfType(int type) const;
    // The entries of the type in list order, without a walk of the whole list. Valid until the
    // form list next changes: copy it before adding or removing forms.
    const std::vector<TaxDataEntryStru *> &formEntriesOfType(int type) const;
    void collectFormsOfType(int type, QList<TaxDataEntryStru *> &out) const;
    int collectT2209Forms(T2209FormList &out) const;
    void removeForm(CTaxData_Form *form, bool unlink, bool withProvincialTwin);
    void moveT1KSToFront();
    bool isObsoleteFormType(int type) const;
    // Fills a new form from the person's T1, the preparer settings or the wizard data.
    void prefillNewForm(TaxDataEntryStru *entry);

    // Slips and link ids.
    TaxDataEntryStru *addSlip(int type, int id, int linkedId);
    CTaxData_Form *getSlip(int type, int id, bool create);
    bool setFormLinkId(CTaxData_Form *form, int linkedId);
    int getFormId(CTaxData_Form *form) const;
    int getFormLinkId(CTaxData_Form *form) const;
    bool setSlipLinkId(CTaxData_Form *slip, int linkedId);
    int getSlipId(CTaxData_Form *slip) const;
    int getSlipLinkId(CTaxData_Form *slip) const;
    bool hasSharedSlip() const;
    void removeSlip(CTaxData_Form *slip);
    int countSlipsOfType(int type) const;
    void collectSlipsOfType(int type, QList<TaxDataEntryStru *> &out) const;

    // Notes and wizard data.
    TaxNoteEntryStru *addNote(int key);
    TaxData_TaxNote *getNote(int key, bool create);
    void removeNote(TaxData_TaxNote *note);
    TaxWizardEntryStru *addWizardData(int type);
    CTaxData_Form *findWizardData(int type, bool create);

    // Walks; a visitor must not add or remove entries of the list it walks.
    void enumForms(CEnumTaxFormObj &visitor, void *param);
    void enumSlips(CEnumTaxSlipObj &visitor, void *param);
    void enumNotes(CEnumTaxNoteObj &visitor, void *param);
    void enumWizardData(CEnumTaxWizardObj &visitor, void *param);

    void onFormChanged(int formType, int);

    // Recalculation (calc/): one pass of this person's return, 0 to 6, and after the passes
    // the summary form. A person without exactly one T1 is not calculated: the pass gives 0.
    // Result: the forms the pass added (pass 0, 1) or removed (pass 6), else 0.
    int CalculatePass(bool wizardChanged, int changedType, int pass, bool isSpouse);
    // Adds the missing one of a federal form and its provincial counterpart; 1 when added.
    int AddMissingCounterpartForm(int federalType);
    int AddMissingProvincialForms();
    // Schedule 5's shared value into the T1, when Schedule 5 (not wizard data) changed.
    void CopySch5ToT1(bool wizardChanged, int changedType);
    // Pass 1: adds the CPP form of the mode (1 Schedule 8, 2 RC381) when missing; 1 when
    // added. Prepares the pension split; the T1032's maximum split amount, or 0.
    int EnsureCppForm(int mode);
    double PrepareT1032();
    // Passes 2 to 6 (calc/): contributory months (excluded months of the T4A(P) slips), the
    // T4 earnings of the CPP forms, the foreign-tax and child-care amounts, the pension split
    // into the T1, the minimum-tax indicators, the unused CPP form (1 when removed) and the
    // thresholds of the pension-split optimiser.
    int GetCppContributoryMonths(int excludedMonths);
    int GetQppContributoryMonths(int excludedMonths);
    double SumCppPensionableEarnings();
    double SumQuebecT4CppEarnings(double cap);
    double SumForeignTaxOver15Percent();
    double CalculateForeignTaxCredit();
    int PrepareT2209ForMinimumTax();
    void ApplyT1032ToT1();
    double GetOtherSelfEmploymentIncome(double amount);
    void SetMinimumTaxIndicators();
    int RemoveUnusedCppForm();
    void GetIncomeThresholds(QList<double> &thresholds);
    void TransferSpouseData(bool isCurrentPerson, IndividualTaxData *partner);
    bool isGstCreditEligible(IndividualTaxData *partner);
    // Earned income for the child care expenses form, and the amount the e-file line records
    // write for it (calc/T778Amount.cpp); 0 without a T778.
    double GetEarnedIncomeForT778();
    double getT778Amount();
    void updateProvincialSummary(bool gstEstimated, IndividualTaxData *partner);

    // The person record of a return file, in the stream's direction. Writing returns
    // kCurrentDataVersion (121 on a write error); reading returns the record's version, or
    // 111 (version), 119 (province), 120 (plug-in missing for a provincial form), -1 (damaged
    // data, or more than a person may hold), -3, -4, -5 (a form, slip or note object could not
    // be made).
    int Serialize(unsigned char edition, MyDataStream &stream);
    // After a load: mandatory forms and the wizard data, for a person with a T1.
    void afterLoad(unsigned char edition);
    void addMandatoryForms(unsigned char edition, int province);
    // Whether the form must stay in the return (the editor refuses to remove it).
    bool isFormNeeded(int type);
    // The barcode archive between the record's markers (BarcodeArchive.h).
    void writeBarcodeArchive(int, MyDataStream &stream);
    void skipBarcodeArchive(MyDataStream &stream);

    // Slip totals: fills fresh totals, adds the forms the slips require and names them.
    void SumSlips(SlipTotals &totals, std::set<int> &neededForms);
    // While held, the slips are summed once and every later SumSlips hands out the same
    // totals and codes (and still ensures the forms): for a run that changes no slip, such as
    // the passes of one recalculation or the sharing optimiser's trials. A change to the slip
    // list or to the person's T1 age sums again. Returns whether the sums were held before.
    bool holdSlipSums(bool hold);
    // The HTML slip summary; always 0. Adds the forms the slips require, as every sum does.
    int WriteSlipSummary(QTextStream &out);

    // Review checks (calc/). Appends the person's slip, form and return-level groups; the number
    // of groups in the list afterwards, those it held before included.
    int CheckSingleReturn(unsigned char edition, std::list<ValidationMsgGroup *> &groups);
    // The couple checks against the partner; the number of messages in the list afterwards.
    int CheckCoupleReturn(unsigned char edition, std::list<CString> &messages,
                          IndividualTaxData *partner);
    // The warnings before filing, one dialog each; true when the user went on through all.
    bool ReviewBeforeFiling(unsigned char edition);
    // The Canada Workers Benefit hints and the tests they rest on.
    bool shouldSuggestSchedule6();
    bool claimsDisabilityAmount();
    bool mayQualifyForCwb();
    bool isFhsaAge();

    // Keyed access to the T1 and a few other forms; false (out untouched) for an unknown key.
    bool getTextByKey(int key, CString &text);
    bool getAmountByKey(int key, double &amount);
    bool getFormIntByKey(int key, int &value);
    // The first name, a blank and the last name (text key 17); empty without a T1.
    QString fullName();
    bool getIntByKey(int key, int &value);
    bool setValueByKey(int key, int flag, double value);
    bool setTextByKey(int key, const QString &text);

    // Texts and records of the return.
    CString getIncomeSummary();
    CString getDefaultFileName();
    CString getPersonDefaultFileName() { return getDefaultFileName(); }
    void getIdentityForFiling(CString &sin, CString &first, CString &second, CString &last,
                              CString &email, QDate &birthDate, double &balance);
    // Status 1 success, -1 failure, 2 a re-file prepared; for forms 1, 101, 117 and 181.
    void recordFilingResult(int formType, int status, const QString &text);
    // The preparer settings into the T1, each only when set.
    void fillPreparerInfo();

    // Which incomes and forms the return holds.
    bool hasRentalIncome();
    bool hasBusinessIncome();
    bool hasFishingIncome();
    bool hasFarmingIncome();
    bool hasCommissionIncome();
    bool hasProfessionalIncome();
    bool hasSelfEmploymentForms();
    int countSFDForms();
    double sumSelfEmploymentIncome();
    // Form entries of the type; 0 counts every form entry.
    int getFormCount(int type) const;
    bool hasSpouseData();
    bool isNonRefundableCreditAllUsed();
    bool hasOrHadSpouse();
    int getMaritalStatus();
    void setMaritalStatus(int status);
    int getLinkedProvincialFormType(int federalType);
    CTaxData_Form *getLinkedProvincialForm(CTaxData_Form *form);
    int takeNextId() { return m_nextId++; }
    bool hasChildDependants() const;
    TaxDataEntryStru *addAnotherForm(int type);
    CTaxData_Form *getT1Data();
    bool isProvinceOutOfRange() const;
    void collectMissingProvinceForms(int province, QList<TaxDataEntryStru> &out);
    void collectProvinceFormEntries(int province, QList<TaxDataEntryStru> &out) const;
    bool acceptsAnyValue(int) const { return true; }

    // New return, province change, prior-year import (IndividualTaxDataNewReturn.cpp,
    // IndividualTaxDataImport.cpp). None of them recalculates.
    void setupNewReturn(int province, const QString &firstName, const QString &lastName,
                        const QString &sin, const QDate &birthDate, int maritalStatus,
                        const QString &spouseFirstName, const QString &spouseLastName,
                        const QString &spouseSin, const QDate &spouseBirthDate, bool coupled);
    // Drops the old province's forms, switches the plug-in and adds the new one's defaults.
    void changeProvince(int oldProvince, int newProvince);
    void convertFromPriorYear(const ImportOptions &options);
    // The person's flag and every form's; slips and notes are not told.
    void setCoupledReturn(bool coupled);
    void initSpouseClaim();
    void addTuitionForms();
    void addSpouseTransferForms();
    // Every form once, from the federal library or any plug-in (the test print).
    void createAllForms();

    // Wizard data into the forms and back (IndividualTaxDataWizard.cpp).
    void applyWizardData(int type);
    void updateWizardData();
    // The T1's identification; the T1 must exist.
    QString getSIN();
    QString getFirstName();
    QString getLastName();
    // The first-name text trimmed and split at its last blank.
    void splitFirstName(QString &givenName, CString &secondName);
    QDate getBirthDate();
    QString getSpouseSIN();
    QString getSpouseFirstName();
    QString getSpouseLastName();
    QDate getSpouseBirthDate();

    // ==== Defined in qv_efile (efile/), not in this library. The model links no filing code:
    // only qv_efile and what links it may call these. tests/efile/tst_EfileMembers.cpp takes
    // the address of each, so a definition that goes missing fails that test's link.

    // The T1 return XML and its pieces, the line records and the filing envelope's header
    // values.
    void generateReturnXml(QString &out, int edition);
    void makeReturnPart1Xml(QString &out, int edition);
    void makeSpouseDataXml(QString &out);
    void makeMailingAddressXml(QString &out);
    void makeDeceasedPartXml(QString &out);
    void makeBankruptcyPartXml(QString &out);
    void generateNetfileRecords(int edition, NetfileGenObjParamStru &param);
    int makeSFDRecordsXml(int edition, NetfileGenObjParamStru &param);
    int makeSFDWrapperXml(int edition, NetfileGenObjParamStru &param);
    void fillNetfileHeaderValues(TemplateValues &values, int agreement, CString &email,
                                 double &balance, int testCase);
    void fillEfileHeaderValues(TemplateValues &values, int esign);
    // The T1135 statement on its own: made, no T1135, or a template failed. The check returns
    // the form's validation result (0 without one).
    T1135XmlResult generateT1135Xml(QString &out);
    int checkT1135(unsigned char edition, std::list<ValidationMsgGroup *> &groups);
    // Filing checks and ReFile. Each check appends its messages to the list and returns how
    // many the list holds; edition 1 EFILE, 2 NETFILE.
    int checkNetfileEligibility(int edition, std::list<CString> &messages);
    int checkReFileBankruptcy(int edition, std::list<CString> &messages);
    int checkReFileRestrictions(std::list<CString> &messages);
    // Snapshot of the summary, re-file flag 1, filing status 2: 0, or -1 without the summary.
    int prepareReFile();
    int clearReFileFlag();
    // The barcode archive's blocks: who is eligible, the statement count, the T1 record and
    // block, and the statement blocks in the archive's order. They change nothing in the
    // return.
    bool isBarcodeEligible();
    int countBarcodeSFDForms();
    void fillT1BarcodeFixedData(T1ReturnBarcodeFixedData &record);
    void writeT1BarcodeBlock(CMemoryBlock &block);
    void fillSFDBarcodeFixedData(SFDBarcodeFixedData &record);
    void writeBarcodeStatementBlocks(std::vector<QByteArray> &blocks);
    void writeT776BarcodeBlock(TaxData_T776New &form, CMemoryBlock &block, int blockNumber);
    void writeT2042BarcodeBlock(TaxData_T2042New &form, CMemoryBlock &block, int blockNumber);
    void writeT2121BarcodeBlock(TaxData_T2121New &form, CMemoryBlock &block, int blockNumber);
    void writeT2125BarcodeBlock(int type, TaxData_T2125_New &form, CMemoryBlock &block,
                                int blockNumber);
    void writeT777BarcodeBlock(TaxData_T777New &form, CMemoryBlock &block, int blockNumber);
    void writeTL2BarcodeBlock(TaxData_TL2_New &form, CMemoryBlock &block, int blockNumber);
    void writeT2091BarcodeBlock(TaxData_T2091 &form, CMemoryBlock &block, int blockNumber);
    // Appends a block per active part, numbering on from the counter.
    void writeT5013BarcodeBlocks(CTaxData_T5013 &form, std::vector<QByteArray> &blocks,
                                 int &counter);

    // ==== Defined in qv_download (download/), not in this library; the model reaches it only
    // through the Auto-fill merge hook. tests/download/tst_DownloadMembers.cpp takes its
    // address.

    // Applies a downloaded Auto-fill record as the options choose: the slips an earlier
    // Auto-fill made are replaced, the chosen slips become marked slip forms and the amounts go
    // into their schedules and the T1. installAutoFillMerge puts it in the model's Auto-fill
    // merge (model/AutoFillMerge.h); the caller recalculates. Always 0.
    int mergeDownloadedTaxData(TDDTaxDataOnePerson *data, DataAFR *options);

    double m_t1mCarryAmount = 0;
    CMultiProvsTaxMgr m_provsTaxMgr;
    int m_province = 0;
    int m_dataVersion = kCurrentDataVersion;
    int m_taxYear = 2025;
    int m_allFormsFlag = -100;
    int m_nextId = kFirstId;
    QList<TaxDataEntryStru *> m_formList;
    QList<TaxDataEntryStru *> m_slipList;
    QList<TaxNoteEntryStru *> m_noteList;
    QList<TaxWizardEntryStru *> m_wizardList;
    CReservedArea m_reservedArea;
    CString m_password;
    DependantInfoStruct *m_dependants;
    bool m_coupled = false;
    // All-forms mode only: every plug-in, kept loaded while the forms they made exist.
    std::unique_ptr<CMultiProvsTaxMgr> m_allFormsMgr;

private:
    // The form list by type: every look-up of a form by its type would otherwise walk the
    // whole list, and a return with thousands of statements looks up forms many times a pass.
    mutable FormTypeIndex m_formIndex;
    // Null unless the slip sums are held.
    std::unique_ptr<HeldSlipSums> m_heldSlipSums;
    class RecordBudget;
    int writeRecord(MyDataStream &ar);
    int readRecord(unsigned char edition, MyDataStream &ar);
    int readForms(int version, CString &tag, bool pluginLoaded, RecordBudget &budget,
                  MyDataStream &ar);
    int readSlips(int version, CString &tag, RecordBudget &budget, MyDataStream &ar);
    int readNotes(int version, CString &tag, RecordBudget &budget, MyDataStream &ar);
    // isFormNeeded with the codes one summing of the slips named.
    bool isFormNeeded(int type, const std::set<int> &slipForms);

    int takeId(int id);
    // The passes after the entry (calc/); the T1 is there when they run.
    int CalculatePass0(bool wizardChanged, int changedType, TaxData_T1New &t1);
    int CalculatePass1(bool wizardChanged, int changedType, TaxData_T1New &t1);
    int CalculatePass2(bool wizardChanged, int changedType, TaxData_T1New &t1);
    int CalculatePass3(bool wizardChanged, int changedType, TaxData_T1New &t1);
    int CalculatePass4(bool wizardChanged, int changedType, TaxData_T1New &t1);
    int CalculatePass5(bool wizardChanged, int changedType, TaxData_T1New &t1);
    int CalculatePass6(bool wizardChanged, int changedType, TaxData_T1New &t1);
    // The identification and settings pass 0 copies into the filing forms.
    void copyIntoFilingForms(TaxData_T1New &t1);
    // The summary's GST/HST credit estimate; true when one was made.
    bool estimateGstCreditInto(TaxData_T1KSNew &summary, TaxData_T1New &t1,
                               IndividualTaxData *partner);
    // The person's T1 (form 1); null when there is none, or more than one.
    TaxData_T1New *t1Form();
    // Hands a form object to the plug-ins, deleting it here when none takes it.
    void releaseForm(CTaxData_Form *form, bool unlink);
    // A new form object from the federal library or the loaded plug-in, set up for this person.
    CTaxData_Form *makeFormObject(int type, bool addToList);
    // The person's coupled flag and, for the forms that use it, the dependants block.
    void setUpFormObject(CTaxData_Form &form);
    // Hands the provincial wizard data back to its plug-in and drops its entry.
    void releaseProvincialWizardData();
    // Moves the person to the province's plug-in. Every object the loaded plug-ins made goes
    // back to them first; the forms the new plug-in also makes are made again with their
    // values, ids and links.
    void switchProvincePlugin(int province);
};
