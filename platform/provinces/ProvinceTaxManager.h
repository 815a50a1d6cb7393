// ProvinceTaxManager: the tax manager every province plug-in hands out.
#pragma once

#include "marrow/CProvincialTaxManager.h"

#include <memory>
#include <set>

class TaxData_ONWizard;

class ProvinceTaxManager : public CProvincialTaxManager
{
public:
    explicit ProvinceTaxManager(int province);
    ~ProvinceTaxManager() override;

    // Whether this province's plug-in makes forms of the code: the province's rows of the
    // form table and the rows every plug-in makes.
    static bool makesForm(int province, int code);

    CTaxData_Form *createProvincialForm(int code, bool addToList) override;
    bool deleteProvincialForm(CTaxData_Form *form, bool unlink) override;
    int getLinkedProvincialFormType(int federalCode) override;
    // Ontario's interview object, one per manager, owned here until freed.
    CTaxData_Form *createWizardData() override;
    bool freeWizardData() override;
    // The interview's answers into the values the calculation reads, and back.
    void applyWizardData() override;
    void updateWizardData() override;

    // The provincial tax needs taxable income, which pass 2 gives: pass 0 keeps the forms it
    // is given and computes nothing. The published figures give no provincial refundable
    // credit, so pass 5 adds none.
    void calculatePass4Begin(TaxData_T1New *) override {}
    void calculatePass5(TaxData_T1New *, int, TaxData_Sch5 *, const T2209FormList &) override {}
    void calculatePass0(bool, int, TaxData_T1New *) override {}
    // The person's provincial tax into line 42800 and the province's 428 (form 156) when the
    // person's main tax province is this plug-in's; any other plug-in loaded beside it (the
    // all-forms mode) leaves both alone.
    int calculatePass4(TaxData_T1New *t1, TaxData_Sch2 *sch2, TaxData_Sch3 *sch3,
                       TaxData_WS_D1 *worksheet, TaxData_Sch5 *sch5, TaxData_Sch9 *sch9,
                       TaxData_Sch11 *sch11, TaxData_T1206New *t1206, const T2209FormList &t2209,
                       TaxData_T691New *t691, CTaxData_T1219 *t1219) override;
    void calculatePass5Begin(TaxData_T1New *, CTaxData_Form *, TaxData_Sch2 *, TaxData_Sch3 *,
                             TaxData_Sch9 *, TaxData_T1206New *, const T2209FormList &,
                             TaxData_T691New *, CTaxData_T1219 *, TaxData_T2017New *) override
    {
    }
    void beforeFormCalculation(int, CTaxData_Form *) override {}
    void afterFormCalculation(int, CTaxData_Form *) override {}
    void updateProvincialSummary(bool, TaxData_T1New *, TaxData_T1KSNew *) override {}
    void exchangeWithPartnerPass2(CProvincialTaxManager *) override {}
    void exchangeWithPartnerPass4(CProvincialTaxManager *) override {}
    void exchangeWithPartnerPass5(CProvincialTaxManager *) override {}
    // 63855: the provincial tax of the last calculation; 63856: the provincial refundable
    // credits (none). Other ids are not this plug-in's.
    bool getProvincialAmount(int fieldId, double *out) override;
    int provincialQuery1(int, int) override { return 0; }
    int provincialQuery2(int, int) override { return 0; }
    int setProvincialAmount(int, double) override { return 0; }
    void collectProvincialCheckMessages(std::list<CString> &, TaxData_T1New *, TaxData_Sch2 *,
                                        TaxData_Sch5 *, TaxData_Sch9 *, TaxData_Sch11 *,
                                        TaxData_T691New *, TaxData_T1206New *) override
    {
    }
    void collectProvincialCoupleMessages(std::list<CString> &, CProvincialTaxManager *) override {}
    void getWarningMessages(TaxData_T1New *, CTaxData_Form *, QStringList &) override {}
    void transferSpouseData(TaxData_T1KSNew *, int, TaxData_Sch5 *, TaxData_Sch9 *) override {}
    // Appends the province's bracket thresholds.
    void getProvincialThresholds(QList<double> &thresholds) override;

private:
    // The forms this manager made and has not been given back: only these it deletes.
    std::set<CTaxData_Form *> m_forms;
    TaxData_ONWizard *m_wizard = nullptr;
    // The answers as the calculation reads them; changed only through the interview.
    std::unique_ptr<TaxData_ONWizard> m_answers;
    // The provincial tax the last pass 4 wrote for this person.
    double m_provincialTax = 0;
};
