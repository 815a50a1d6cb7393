// CProvincialTaxManager: the interface a province plug-in's tax manager implements.
#pragma once

#include <QList>
#include <QStringList>
#include <list>

class CString;
class CTaxData_Form;
class CTaxData_T1219;
class DependantInfoStruct;
class TaxData_Sch11;
class TaxData_Sch2;
class TaxData_Sch3;
class TaxData_Sch5;
class TaxData_Sch9;
class TaxData_T1206New;
class TaxData_T1KSNew;
class TaxData_T1New;
class TaxData_T2017New;
class TaxData_T691New;
class TaxData_WS_D1;

// The T2209 forms of a person, in list order, handed to the calculation hooks.
using T2209FormList = QList<CTaxData_Form *>;

// A plug-in's "GetTaxManager" returns a new manager that the caller deletes (through this
// class's virtual destructor) before it unloads the library. Operations without a body here
// are the plug-in's to supply; the others do nothing useful unless a plug-in overrides them.
class CProvincialTaxManager
{
public:
    explicit CProvincialTaxManager(int province);
    CProvincialTaxManager(const CProvincialTaxManager &) = delete;
    CProvincialTaxManager &operator=(const CProvincialTaxManager &) = delete;
    virtual ~CProvincialTaxManager();

    virtual int getProvince() const;
    virtual void setupNewReturn(TaxData_T1New *t1, TaxData_Sch5 *sch5);
    // Told that a form of the code changed; reached from no caller of the return model.
    virtual void formChanged(int code, DependantInfoStruct *dependants);
    virtual CTaxData_Form *createProvincialForm(int code, bool addToList);
    // True when the form is this plug-in's; it is then deleted here.
    virtual bool deleteProvincialForm(CTaxData_Form *form, bool unlink);
    // A request routed to the plug-in of a form's own province; reached from no caller.
    virtual int formRequest(int code, int arg1, int arg2);
    // The provincial form that goes with a federal form, 0 for none.
    virtual int getLinkedProvincialFormType(int federalCode) = 0;
    // The provincial interview object (wizard-data type 6), owned by the plug-in.
    virtual CTaxData_Form *createWizardData();
    virtual bool freeWizardData();
    virtual void applyWizardData();
    virtual void updateWizardData();

    virtual void calculatePass4Begin(TaxData_T1New *t1) = 0;
    virtual void calculatePass5(TaxData_T1New *t1, int arg, TaxData_Sch5 *sch5,
                                const T2209FormList &t2209) = 0;
    virtual void calculatePass0(bool wizardChanged, int changedType, TaxData_T1New *t1) = 0;
    virtual int calculatePass4(TaxData_T1New *t1, TaxData_Sch2 *sch2, TaxData_Sch3 *sch3,
                               TaxData_WS_D1 *worksheet, TaxData_Sch5 *sch5, TaxData_Sch9 *sch9,
                               TaxData_Sch11 *sch11, TaxData_T1206New *t1206,
                               const T2209FormList &t2209, TaxData_T691New *t691,
                               CTaxData_T1219 *t1219) = 0;
    virtual void calculatePass5Begin(TaxData_T1New *t1, CTaxData_Form *provincialTax,
                                     TaxData_Sch2 *sch2, TaxData_Sch3 *sch3, TaxData_Sch9 *sch9,
                                     TaxData_T1206New *t1206, const T2209FormList &t2209,
                                     TaxData_T691New *t691, CTaxData_T1219 *t1219,
                                     TaxData_T2017New *t2017) = 0;
    virtual void beforeFormCalculation(int code, CTaxData_Form *form) = 0;
    virtual void afterFormCalculation(int code, CTaxData_Form *form) = 0;
    virtual void updateProvincialSummary(bool gstEstimated, TaxData_T1New *t1,
                                         TaxData_T1KSNew *summary) = 0;
    virtual void exchangeWithPartnerPass2(CProvincialTaxManager *partner) = 0;
    virtual void exchangeWithPartnerPass4(CProvincialTaxManager *partner) = 0;
    virtual void exchangeWithPartnerPass5(CProvincialTaxManager *partner) = 0;
    // 0 when the province does not keep the return from NETFILE.
    virtual int getNetfileIneligibility();
    virtual bool getProvincialAmount(int fieldId, double *out) = 0;
    // Two queries of the main province's plug-in that no caller of the return model uses.
    virtual int provincialQuery1(int arg1, int arg2) = 0;
    virtual int provincialQuery2(int arg1, int arg2) = 0;
    virtual int setProvincialAmount(int fieldId, double value) = 0;
    virtual void collectProvincialCheckMessages(std::list<CString> &messages, TaxData_T1New *t1,
                                                TaxData_Sch2 *sch2, TaxData_Sch5 *sch5,
                                                TaxData_Sch9 *sch9, TaxData_Sch11 *sch11,
                                                TaxData_T691New *t691, TaxData_T1206New *t1206) = 0;
    virtual void collectProvincialCoupleMessages(std::list<CString> &messages,
                                                 CProvincialTaxManager *partner) = 0;
    virtual void getWarningMessages(TaxData_T1New *t1, CTaxData_Form *sch11,
                                    QStringList &texts) = 0;
    virtual void transferSpouseData(TaxData_T1KSNew *summary, int arg, TaxData_Sch5 *sch5,
                                    TaxData_Sch9 *sch9) = 0;
    virtual void getProvincialThresholds(QList<double> &thresholds) = 0;
    virtual bool isNonRefTaxCreditAllUsed();

    // Called right after loading: the return's dependants block (not owned).
    void setDepInfo(DependantInfoStruct *dependants) { m_dependants = dependants; }
    // Called at the start of calculation pass 0 (not owned).
    void setTaxFormInfo(TaxData_T1New *t1, TaxData_Sch5 *sch5)
    {
        m_t1 = t1;
        m_sch5 = sch5;
    }

protected:
    int m_province;
    DependantInfoStruct *m_dependants = nullptr;
    TaxData_T1New *m_t1 = nullptr;
    TaxData_Sch5 *m_sch5 = nullptr;
};

// The export every plug-in provides under this name.
using GetTaxManagerFunc = CProvincialTaxManager *(*)();
