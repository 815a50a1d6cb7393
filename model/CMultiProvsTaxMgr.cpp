// CMultiProvsTaxMgr: loading and unloading the plug-ins, and the forwarding rules.
#include "model/CMultiProvsTaxMgr.h"

#include "marrow/TaxData_T1New.h"

#include "app/TabWndApp.h"
#include "marrow/FormTables.h"
#include "ordane/CString.h"
#include "ordane/CYesNoContinueDlg.h"
#include "ordane/MessagePresenter.h"

#include <QCoreApplication>

namespace {
QString s_pluginFolder; // empty: the program's folder
} // namespace

bool getProvinceLibraryName(int province, QString &fileName)
{
    const ProvInfoRow *row = provInfo(province);
    if (!row || !*row->libraryBase)
        return false;
    getOSLibFilename(QString::fromUtf8(row->libraryBase), fileName);
    return true;
}

CMultiProvsTaxMgr::CMultiProvsTaxMgr(int routingFlag, DependantInfoStruct *dependants)
    : m_routingFlag(routingFlag), m_dependants(dependants)
{
}

CMultiProvsTaxMgr::~CMultiProvsTaxMgr()
{
    unloadAll();
}

QString CMultiProvsTaxMgr::pluginFolder()
{
    return s_pluginFolder.isEmpty() ? QCoreApplication::applicationDirPath() : s_pluginFolder;
}

void CMultiProvsTaxMgr::setPluginFolder(const QString &folder)
{
    s_pluginFolder = folder;
}

void CMultiProvsTaxMgr::unloadAll()
{
    for (int i = 0; i < kSlots; ++i) {
        m_managers[i].reset();
        if (m_libraries[i]) {
            m_libraries[i]->unload();
            m_libraries[i].reset();
        }
    }
}

CProvincialTaxManager *CMultiProvsTaxMgr::getProvinceManager(int province, bool unloadOthers)
{
    if (!IsProvinceSupported(province))
        return nullptr;
    if (unloadOthers)
        unloadAll();
    return loadManager(province, true);
}

CProvincialTaxManager *CMultiProvsTaxMgr::loadManagerQuietly(int province)
{
    return IsProvinceSupported(province) ? loadManager(province, false) : nullptr;
}

CProvincialTaxManager *CMultiProvsTaxMgr::loadedManager(int province) const
{
    return province >= 0 && province < kSlots ? m_managers[province].get() : nullptr;
}

CProvincialTaxManager *CMultiProvsTaxMgr::loadManager(int province, bool reportMissing)
{
    if (m_managers[province])
        return m_managers[province].get();
    QString fileName;
    if (!getProvinceLibraryName(province, fileName))
        return nullptr;
    const QString path = QStringLiteral("%1/%2").arg(pluginFolder(), fileName);

    auto library = std::make_unique<QLibrary>(path);
    if (!library->load()) {
        library = std::make_unique<QLibrary>(path);
        if (!library->load()) {
            if (reportMissing)
                presentMessage(QMessageBox::Information, nullptr, QStringLiteral("file path"), path,
                               QMessageBox::Ok);
            return nullptr;
        }
    }
    auto getTaxManager = reinterpret_cast<GetTaxManagerFunc>(library->resolve("GetTaxManager"));
    CProvincialTaxManager *manager = getTaxManager ? getTaxManager() : nullptr;
    if (!manager) {
        library->unload();
        return nullptr;
    }
    manager->setDepInfo(m_dependants);
    m_managers[province].reset(manager);
    m_libraries[province] = std::move(library);
    return manager;
}

void CMultiProvsTaxMgr::listLoadedProvinces(QList<int> &out) const
{
    for (int i = 0; i < kSlots; ++i) {
        if (m_managers[i])
            out.append(i);
    }
}

CProvincialTaxManager *CMultiProvsTaxMgr::getFirstManager() const
{
    for (const auto &manager : m_managers) {
        if (manager)
            return manager.get();
    }
    return nullptr;
}

template <typename Call> void CMultiProvsTaxMgr::forEachManager(Call call) const
{
    for (const auto &manager : m_managers) {
        if (manager)
            call(manager.get());
    }
}

CProvincialTaxManager *CMultiProvsTaxMgr::mainManager() const
{
    for (const auto &manager : m_managers) {
        if (manager && manager->getProvince() == m_mainProvince)
            return manager.get();
    }
    return nullptr;
}

CProvincialTaxManager *CMultiProvsTaxMgr::exchangeManager() const
{
    return m_routingFlag ? nullptr : getFirstManager();
}

// First loaded manager only.

CTaxData_Form *CMultiProvsTaxMgr::createProvincialForm(int code, bool addToList)
{
    CProvincialTaxManager *manager =
        m_routingFlag ? getProvinceManager(getFormProv(code), false) : getFirstManager();
    return manager ? manager->createProvincialForm(code, addToList) : nullptr;
}

int CMultiProvsTaxMgr::getLinkedProvincialFormType(int code)
{
    CProvincialTaxManager *manager = getFirstManager();
    return manager ? manager->getLinkedProvincialFormType(code) : 0;
}

CTaxData_Form *CMultiProvsTaxMgr::createProvincialWizardData()
{
    CProvincialTaxManager *manager = getFirstManager();
    return manager ? manager->createWizardData() : nullptr;
}

void CMultiProvsTaxMgr::getProvincialThresholds(QList<double> &thresholds)
{
    if (CProvincialTaxManager *manager = getFirstManager())
        manager->getProvincialThresholds(thresholds);
}

bool CMultiProvsTaxMgr::isNonRefTaxCreditAllUsed()
{
    CProvincialTaxManager *manager = getFirstManager();
    return manager ? manager->isNonRefTaxCreditAllUsed() : false;
}

int CMultiProvsTaxMgr::forwardToFormProvince(int code, int arg1, int arg2)
{
    const int province = getFormProv(code);
    if (province == 0)
        return 0;
    CProvincialTaxManager *manager = getProvinceManager(province, false);
    return manager ? manager->formRequest(code, arg1, arg2) : 0;
}

// Every loaded manager.

bool CMultiProvsTaxMgr::deleteProvincialForm(CTaxData_Form *form, bool unlink)
{
    for (const auto &manager : m_managers) {
        if (manager && manager->deleteProvincialForm(form, unlink))
            return true;
    }
    return false;
}

bool CMultiProvsTaxMgr::freeProvincialWizardData()
{
    bool all = true;
    forEachManager([&](CProvincialTaxManager *m) { all = m->freeWizardData() && all; });
    return all;
}

void CMultiProvsTaxMgr::setupNewReturn(TaxData_T1New *t1, TaxData_Sch5 *sch5)
{
    forEachManager([&](CProvincialTaxManager *m) { m->setupNewReturn(t1, sch5); });
}

void CMultiProvsTaxMgr::applyWizardData()
{
    forEachManager([](CProvincialTaxManager *m) { m->applyWizardData(); });
}

void CMultiProvsTaxMgr::updateWizardData()
{
    forEachManager([](CProvincialTaxManager *m) { m->updateWizardData(); });
}

void CMultiProvsTaxMgr::setTaxFormInfo(TaxData_T1New *t1, TaxData_Sch5 *sch5)
{
    forEachManager([&](CProvincialTaxManager *m) { m->setTaxFormInfo(t1, sch5); });
}

void CMultiProvsTaxMgr::calculatePass0(bool wizardChanged, int changedType, TaxData_T1New *t1)
{
    forEachManager(
        [&](CProvincialTaxManager *m) { m->calculatePass0(wizardChanged, changedType, t1); });
}

void CMultiProvsTaxMgr::calculatePass4Begin(TaxData_T1New *t1)
{
    forEachManager([&](CProvincialTaxManager *m) { m->calculatePass4Begin(t1); });
}

int CMultiProvsTaxMgr::calculatePass4(TaxData_T1New *t1, TaxData_Sch2 *sch2, TaxData_Sch3 *sch3,
                                      TaxData_WS_D1 *worksheet, TaxData_Sch5 *sch5,
                                      TaxData_Sch9 *sch9, TaxData_Sch11 *sch11,
                                      TaxData_T1206New *t1206, const T2209FormList &t2209,
                                      TaxData_T691New *t691, CTaxData_T1219 *t1219)
{
    int result = 0;
    forEachManager([&](CProvincialTaxManager *m) {
        result = m->calculatePass4(t1, sch2, sch3, worksheet, sch5, sch9, sch11, t1206, t2209, t691,
                                   t1219);
    });
    return result;
}

// Each of these two hooks starts the amount its plug-ins fill from 0 here, so no caller can
// leave last round's amount in place: the provincial refundable credits (line 47900) and the
// provincial credit of pass 5 (line 47555). Line 42800 belongs to calculatePass4.
void CMultiProvsTaxMgr::calculatePass5Begin(TaxData_T1New *t1, CTaxData_Form *provincialTax,
                                            TaxData_Sch2 *sch2, TaxData_Sch3 *sch3,
                                            TaxData_Sch9 *sch9, TaxData_T1206New *t1206,
                                            const T2209FormList &t2209, TaxData_T691New *t691,
                                            CTaxData_T1219 *t1219, TaxData_T2017New *t2017)
{
    if (t1)
        t1->f47900 = 0.0;
    forEachManager([&](CProvincialTaxManager *m) {
        m->calculatePass5Begin(t1, provincialTax, sch2, sch3, sch9, t1206, t2209, t691, t1219,
                               t2017);
    });
}

void CMultiProvsTaxMgr::calculatePass5(TaxData_T1New *t1, int arg, TaxData_Sch5 *sch5,
                                       const T2209FormList &t2209)
{
    if (t1)
        t1->f47555 = 0.0;
    forEachManager([&](CProvincialTaxManager *m) { m->calculatePass5(t1, arg, sch5, t2209); });
}

int CMultiProvsTaxMgr::beforeFormCalculation(int code, CTaxData_Form *form)
{
    forEachManager([&](CProvincialTaxManager *m) { m->beforeFormCalculation(code, form); });
    return 0;
}

int CMultiProvsTaxMgr::afterFormCalculation(int code, CTaxData_Form *form)
{
    forEachManager([&](CProvincialTaxManager *m) { m->afterFormCalculation(code, form); });
    return 0;
}

void CMultiProvsTaxMgr::updateProvincialSummary(bool gstEstimated, TaxData_T1New *t1,
                                                TaxData_T1KSNew *summary)
{
    forEachManager(
        [&](CProvincialTaxManager *m) { m->updateProvincialSummary(gstEstimated, t1, summary); });
}

void CMultiProvsTaxMgr::transferSpouseData(TaxData_T1KSNew *summary, int arg, TaxData_Sch5 *sch5,
                                           TaxData_Sch9 *sch9)
{
    forEachManager(
        [&](CProvincialTaxManager *m) { m->transferSpouseData(summary, arg, sch5, sch9); });
}

int CMultiProvsTaxMgr::getNetfileIneligibility()
{
    for (const auto &manager : m_managers) {
        if (!manager)
            continue;
        if (const int code = manager->getNetfileIneligibility())
            return code;
    }
    return 0;
}

void CMultiProvsTaxMgr::collectProvincialCheckMessages(std::list<CString> &messages,
                                                       TaxData_T1New *t1, TaxData_Sch2 *sch2,
                                                       TaxData_Sch5 *sch5, TaxData_Sch9 *sch9,
                                                       TaxData_Sch11 *sch11, TaxData_T691New *t691,
                                                       TaxData_T1206New *t1206)
{
    forEachManager([&](CProvincialTaxManager *m) {
        m->collectProvincialCheckMessages(messages, t1, sch2, sch5, sch9, sch11, t691, t1206);
    });
}

bool CMultiProvsTaxMgr::warnProvincialMessages(TaxData_T1New *t1, CTaxData_Form *sch11)
{
    const CString title("Quorvandelle Warning Message");
    for (const auto &manager : m_managers) {
        if (!manager)
            continue;
        QStringList texts;
        manager->getWarningMessages(t1, sch11, texts);
        for (const QString &text : texts) {
            if (!CYesNoContinueDlg::warnYesNoMsg(mainWindowWidget(), title, CString(text)))
                return false;
        }
    }
    return true;
}

// Main province's manager.

bool CMultiProvsTaxMgr::getProvincialAmount(int fieldId, double *out)
{
    CProvincialTaxManager *manager = mainManager();
    return manager ? manager->getProvincialAmount(fieldId, out) : false;
}

int CMultiProvsTaxMgr::setProvincialAmount(int fieldId, double value)
{
    CProvincialTaxManager *manager = mainManager();
    return manager ? manager->setProvincialAmount(fieldId, value) : 0;
}

int CMultiProvsTaxMgr::provincialQuery1(int arg1, int arg2)
{
    CProvincialTaxManager *manager = mainManager();
    return manager ? manager->provincialQuery1(arg1, arg2) : 0;
}

int CMultiProvsTaxMgr::provincialQuery2(int arg1, int arg2)
{
    CProvincialTaxManager *manager = mainManager();
    return manager ? manager->provincialQuery2(arg1, arg2) : 0;
}

// With the partner.

void CMultiProvsTaxMgr::exchangeWithPartner(CMultiProvsTaxMgr *partner, PartnerExchange exchange)
{
    CProvincialTaxManager *own = exchangeManager();
    CProvincialTaxManager *other = partner ? partner->getFirstManager() : nullptr;
    if (own && other)
        (own->*exchange)(other);
}

void CMultiProvsTaxMgr::exchangeWithPartnerPass2(CMultiProvsTaxMgr *partner)
{
    exchangeWithPartner(partner, &CProvincialTaxManager::exchangeWithPartnerPass2);
}

void CMultiProvsTaxMgr::exchangeWithPartnerPass4(CMultiProvsTaxMgr *partner)
{
    exchangeWithPartner(partner, &CProvincialTaxManager::exchangeWithPartnerPass4);
}

void CMultiProvsTaxMgr::exchangeWithPartnerPass5(CMultiProvsTaxMgr *partner)
{
    exchangeWithPartner(partner, &CProvincialTaxManager::exchangeWithPartnerPass5);
}

void CMultiProvsTaxMgr::collectProvincialCoupleMessages(std::list<CString> &messages,
                                                        CMultiProvsTaxMgr *partner)
{
    if (CProvincialTaxManager *own = exchangeManager())
        own->collectProvincialCoupleMessages(messages,
                                             partner ? partner->getFirstManager() : nullptr);
}
