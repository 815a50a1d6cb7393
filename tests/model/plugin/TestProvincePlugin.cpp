// The test plug-in: a tax manager that reports every call to the test's recorder.
#include "TestPluginRecorder.h"

#include "marrow/CProvincialTaxManager.h"
#include "marrow/FormFields.h"
#include "marrow/FormTables.h"
#include "ordane/CString.h"
#include "ordane/MyDataStream.h"

#include <set>
#include <stdexcept>

#ifndef QV_PROVINCE
#error "QV_PROVINCE names the province code the plug-in stands for"
#endif

namespace {

// Handed over by the test; the recorder stays the test's.
TestPluginRecorder *s_recorder = nullptr;

void record(const QString &call)
{
    if (s_recorder)
        s_recorder->record(QV_PROVINCE, call);
}

const TestPluginScript &script()
{
    static const TestPluginScript none;
    return s_recorder && s_recorder->scripts.contains(QV_PROVINCE)
               ? *s_recorder->scripts.find(QV_PROVINCE)
               : none;
}

QString ptr(const void *p)
{
    return p ? QStringLiteral("set") : QStringLiteral("null");
}

// The rebate of a form that has one, as a hook finds it, so a test sees what was computed
// before and after the hook.
QString rebateOf(const CTaxData_Form *form)
{
    const auto *rebate =
        form ? dynamic_cast<const CFloatField *>(form->findField("rebate")) : nullptr;
    return rebate ? QString(" rebate %1").arg(rebate->value()) : QString();
}

class TestForm : public CTaxData_Form
{
public:
    explicit TestForm(int code, int kind = KindForm) : CTaxData_Form(code, kind) {}
    CFloatField amount{this, "amount"};

    void Serialize(int version, CString &tag, MyDataStream &ar) override
    {
        if (s_recorder)
            s_recorder->blocks.append(QString("%1 %2 %3 %4")
                                          .arg(QV_PROVINCE)
                                          .arg(ar.IsStoring() ? "write" : "read")
                                          .arg(getType())
                                          .arg(QString(tag)));
        CTaxData_Form::Serialize(version, tag, ar);
    }
};

class TestTaxManager : public CProvincialTaxManager
{
public:
    TestTaxManager() : CProvincialTaxManager(QV_PROVINCE)
    {
        if (s_recorder)
            ++s_recorder->managersMade;
    }
    ~TestTaxManager() override
    {
        record("destroyed");
        if (s_recorder)
            ++s_recorder->managersDeleted;
        delete m_wizard;
    }

    int getProvince() const override { return QV_PROVINCE; }
    void setupNewReturn(TaxData_T1New *t1, TaxData_Sch5 *sch5) override
    {
        record(QString("setupNewReturn %1 %2").arg(ptr(t1), ptr(sch5)));
    }
    void formChanged(int code, DependantInfoStruct *dependants) override
    {
        record(QString("formChanged %1 %2").arg(code).arg(ptr(dependants)));
    }
    CTaxData_Form *createProvincialForm(int code, bool addToList) override
    {
        record(QString("createProvincialForm %1 %2").arg(code).arg(addToList));
        if (getFormProv(code) != QV_PROVINCE)
            return nullptr;
        if (script().throwOnCreateForm)
            throw std::runtime_error("test plug-in refuses to make a form");
        auto *form = new TestForm(code);
        m_forms.insert(form);
        if (s_recorder)
            ++s_recorder->formsMade;
        return form;
    }
    bool deleteProvincialForm(CTaxData_Form *form, bool unlink) override
    {
        const bool mine = m_forms.count(form) != 0;
        record(QString("deleteProvincialForm %1 %2").arg(mine ? form->getType() : 0).arg(unlink));
        if (!mine || !script().takeForms)
            return false;
        m_forms.erase(form);
        delete form;
        if (s_recorder)
            ++s_recorder->formsDeletedByPlugin;
        return true;
    }
    int formRequest(int code, int a, int b) override
    {
        record(QString("formRequest %1 %2 %3").arg(code).arg(a).arg(b));
        return 7;
    }
    int getLinkedProvincialFormType(int code) override
    {
        record(QString("getLinkedProvincialFormType %1").arg(code));
        return script().linkedForms.value(code, 0);
    }
    CTaxData_Form *createWizardData() override
    {
        record("createWizardData");
        if (!script().makesWizardData)
            return nullptr;
        if (!m_wizard)
            m_wizard = new TestForm(6, CTaxData_Form::KindWizard);
        return m_wizard;
    }
    bool freeWizardData() override
    {
        record("freeWizardData");
        delete m_wizard;
        m_wizard = nullptr;
        return true;
    }
    void applyWizardData() override { record("applyWizardData"); }
    void updateWizardData() override { record("updateWizardData"); }
    void calculatePass4Begin(TaxData_T1New *) override { record("calculatePass4Begin"); }
    void calculatePass5(TaxData_T1New *, int arg, TaxData_Sch5 *,
                        const T2209FormList &list) override
    {
        record(QString("calculatePass5 %1 %2").arg(arg).arg(list.size()));
    }
    void calculatePass0(bool changed, int type, TaxData_T1New *) override
    {
        record(QString("calculatePass0 %1 %2").arg(changed).arg(type));
    }
    int calculatePass4(TaxData_T1New *, TaxData_Sch2 *, TaxData_Sch3 *, TaxData_WS_D1 *,
                       TaxData_Sch5 *, TaxData_Sch9 *, TaxData_Sch11 *, TaxData_T1206New *,
                       const T2209FormList &, TaxData_T691New *, CTaxData_T1219 *) override
    {
        record("calculatePass4");
        return QV_PROVINCE * 10;
    }
    void calculatePass5Begin(TaxData_T1New *, CTaxData_Form *, TaxData_Sch2 *, TaxData_Sch3 *,
                             TaxData_Sch9 *, TaxData_T1206New *, const T2209FormList &,
                             TaxData_T691New *, CTaxData_T1219 *, TaxData_T2017New *) override
    {
        record("calculatePass5Begin");
    }
    void beforeFormCalculation(int code, CTaxData_Form *form) override
    {
        record(QString("beforeFormCalculation %1").arg(code) + rebateOf(form));
    }
    void afterFormCalculation(int code, CTaxData_Form *form) override
    {
        record(QString("afterFormCalculation %1").arg(code) + rebateOf(form));
    }
    void updateProvincialSummary(bool gst, TaxData_T1New *, TaxData_T1KSNew *) override
    {
        record(QString("updateProvincialSummary %1").arg(gst));
    }
    void exchangeWithPartnerPass2(CProvincialTaxManager *p) override { exchange("2", p); }
    void exchangeWithPartnerPass4(CProvincialTaxManager *p) override { exchange("4", p); }
    void exchangeWithPartnerPass5(CProvincialTaxManager *p) override { exchange("5", p); }
    int getNetfileIneligibility() override
    {
        record("getNetfileIneligibility");
        return script().netfileCode;
    }
    bool getProvincialAmount(int id, double *out) override
    {
        record(QString("getProvincialAmount %1").arg(id));
        *out = QV_PROVINCE + 0.5;
        return true;
    }
    int provincialQuery1(int a, int b) override
    {
        record(QString("provincialQuery1 %1 %2").arg(a).arg(b));
        return 1;
    }
    int provincialQuery2(int a, int b) override
    {
        record(QString("provincialQuery2 %1 %2").arg(a).arg(b));
        return 2;
    }
    int setProvincialAmount(int id, double value) override
    {
        record(QString("setProvincialAmount %1 %2").arg(id).arg(value));
        return QV_PROVINCE;
    }
    void collectProvincialCheckMessages(std::list<CString> &messages, TaxData_T1New *,
                                        TaxData_Sch2 *, TaxData_Sch5 *, TaxData_Sch9 *,
                                        TaxData_Sch11 *, TaxData_T691New *,
                                        TaxData_T1206New *) override
    {
        record("collectProvincialCheckMessages");
        if (script().checkTexts.isEmpty())
            messages.push_back(CString(QString("check %1").arg(QV_PROVINCE)));
        for (const QString &text : script().checkTexts)
            messages.push_back(CString(text));
    }
    void collectProvincialCoupleMessages(std::list<CString> &messages,
                                         CProvincialTaxManager *p) override
    {
        record(QString("collectProvincialCoupleMessages %1").arg(p ? p->getProvince() : 0));
        for (const QString &text : script().coupleTexts)
            messages.push_back(CString(text));
    }
    void getWarningMessages(TaxData_T1New *, CTaxData_Form *, QStringList &texts) override
    {
        record("getWarningMessages");
        texts += script().warnings;
    }
    void transferSpouseData(TaxData_T1KSNew *, int arg, TaxData_Sch5 *, TaxData_Sch9 *) override
    {
        record(QString("transferSpouseData %1").arg(arg));
    }
    void getProvincialThresholds(QList<double> &list) override
    {
        record("getProvincialThresholds");
        list.append(QV_PROVINCE * 1000.0);
    }
    bool isNonRefTaxCreditAllUsed() override
    {
        record("isNonRefTaxCreditAllUsed");
        return false;
    }

private:
    void exchange(const char *pass, CProvincialTaxManager *partner)
    {
        record(QString("exchangeWithPartnerPass%1 %2").arg(pass).arg(partner->getProvince()));
    }

    std::set<CTaxData_Form *> m_forms;
    CTaxData_Form *m_wizard = nullptr;
};

} // namespace

extern "C" void SetTestRecorder(TestPluginRecorder *recorder)
{
    s_recorder = recorder;
}

extern "C" CProvincialTaxManager *GetTaxManager()
{
    record("GetTaxManager");
    if (script().nullManager)
        return nullptr;
    return new TestTaxManager;
}
