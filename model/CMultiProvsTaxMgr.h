// CMultiProvsTaxMgr: the province plug-ins of one person and the calls fanned out to them.
#pragma once

#include "marrow/CProvincialTaxManager.h"

#include <QLibrary>
#include <QList>
#include <QString>
#include <memory>

// The plug-in file name of a province ("libqvprov_on.so"); false, with fileName left alone,
// for a province without a plug-in.
bool getProvinceLibraryName(int province, QString &fileName);

class CMultiProvsTaxMgr
{
public:
    CMultiProvsTaxMgr(int routingFlag, DependantInfoStruct *dependants);
    CMultiProvsTaxMgr(const CMultiProvsTaxMgr &) = delete;
    CMultiProvsTaxMgr &operator=(const CMultiProvsTaxMgr &) = delete;
    virtual ~CMultiProvsTaxMgr();

    // Where plug-ins are loaded from: the program's folder unless set (tests set their own).
    static QString pluginFolder();
    static void setPluginFolder(const QString &folder);

    void unloadAll();
    // The manager of a province, loading its plug-in when needed; null without one.
    CProvincialTaxManager *getProvinceManager(int province, bool unloadOthers);
    // Loads beside the others without a message when it cannot (all-forms mode).
    CProvincialTaxManager *loadManagerQuietly(int province);
    // The manager of a province when its plug-in is loaded, else null.
    CProvincialTaxManager *loadedManager(int province) const;
    void setMainProvince(int province) { m_mainProvince = province; }
    int getMainProvince() const { return m_mainProvince; }
    void listLoadedProvinces(QList<int> &out) const;
    CProvincialTaxManager *getFirstManager() const;

    // The first loaded manager only (or, with the routing flag, the form's own province).
    CTaxData_Form *createProvincialForm(int code, bool addToList);
    int getLinkedProvincialFormType(int code);
    CTaxData_Form *createProvincialWizardData();
    void getProvincialThresholds(QList<double> &thresholds);
    bool isNonRefTaxCreditAllUsed();
    int forwardToFormProvince(int code, int arg1, int arg2);

    // Every loaded manager, ascending province code.
    bool deleteProvincialForm(CTaxData_Form *form, bool unlink);
    bool freeProvincialWizardData();
    void setupNewReturn(TaxData_T1New *t1, TaxData_Sch5 *sch5);
    void applyWizardData();
    void updateWizardData();
    void setTaxFormInfo(TaxData_T1New *t1, TaxData_Sch5 *sch5);
    void calculatePass0(bool wizardChanged, int changedType, TaxData_T1New *t1);
    void calculatePass4Begin(TaxData_T1New *t1);
    int calculatePass4(TaxData_T1New *t1, TaxData_Sch2 *sch2, TaxData_Sch3 *sch3,
                       TaxData_WS_D1 *worksheet, TaxData_Sch5 *sch5, TaxData_Sch9 *sch9,
                       TaxData_Sch11 *sch11, TaxData_T1206New *t1206, const T2209FormList &t2209,
                       TaxData_T691New *t691, CTaxData_T1219 *t1219);
    void calculatePass5Begin(TaxData_T1New *t1, CTaxData_Form *provincialTax, TaxData_Sch2 *sch2,
                             TaxData_Sch3 *sch3, TaxData_Sch9 *sch9, TaxData_T1206New *t1206,
                             const T2209FormList &t2209, TaxData_T691New *t691,
                             CTaxData_T1219 *t1219, TaxData_T2017New *t2017);
    void calculatePass5(TaxData_T1New *t1, int arg, TaxData_Sch5 *sch5, const T2209FormList &t2209);
    int beforeFormCalculation(int code, CTaxData_Form *form);
    int afterFormCalculation(int code, CTaxData_Form *form);
    void updateProvincialSummary(bool gstEstimated, TaxData_T1New *t1, TaxData_T1KSNew *summary);
    void transferSpouseData(TaxData_T1KSNew *summary, int arg, TaxData_Sch5 *sch5,
                            TaxData_Sch9 *sch9);
    int getNetfileIneligibility();
    void collectProvincialCheckMessages(std::list<CString> &messages, TaxData_T1New *t1,
                                        TaxData_Sch2 *sch2, TaxData_Sch5 *sch5, TaxData_Sch9 *sch9,
                                        TaxData_Sch11 *sch11, TaxData_T691New *t691,
                                        TaxData_T1206New *t1206);
    // Shows each plug-in's warnings in turn; false as soon as the user stops at one.
    bool warnProvincialMessages(TaxData_T1New *t1, CTaxData_Form *sch11);

    // The main province's manager.
    bool getProvincialAmount(int fieldId, double *out);
    int setProvincialAmount(int fieldId, double value);
    int provincialQuery1(int arg1, int arg2);
    int provincialQuery2(int arg1, int arg2);

    // This person's first loaded manager with the partner's.
    void exchangeWithPartnerPass2(CMultiProvsTaxMgr *partner);
    void exchangeWithPartnerPass4(CMultiProvsTaxMgr *partner);
    void exchangeWithPartnerPass5(CMultiProvsTaxMgr *partner);
    void collectProvincialCoupleMessages(std::list<CString> &messages, CMultiProvsTaxMgr *partner);

private:
    static constexpr int kSlots = 14; // province codes 0 to 13

    template <typename Call> void forEachManager(Call call) const;
    CProvincialTaxManager *loadManager(int province, bool reportMissing);
    CProvincialTaxManager *mainManager() const;
    // The first loaded manager when the exchanges apply, else null.
    CProvincialTaxManager *exchangeManager() const;
    using PartnerExchange = void (CProvincialTaxManager::*)(CProvincialTaxManager *);
    void exchangeWithPartner(CMultiProvsTaxMgr *partner, PartnerExchange exchange);

    // A manager is deleted before its library is unloaded (unloadAll).
    std::unique_ptr<CProvincialTaxManager> m_managers[kSlots];
    std::unique_ptr<QLibrary> m_libraries[kSlots];
    int m_routingFlag;
    int m_mainProvince = 0;
    DependantInfoStruct *m_dependants;
};
