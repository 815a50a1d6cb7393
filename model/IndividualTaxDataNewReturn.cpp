// IndividualTaxData: a new return, the province change, the coupled flag and all-forms mode.
#include "model/IndividualTaxData.h"

#include "marrow/FederalSchedules.h"
#include "marrow/FormFactory.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/CSetCoupledFlagObj.h"
#include "ordane/CString.h"
#include "ordane/MyDataStream.h"

#include <QByteArray>

namespace {

// The NETFILE edition, the one whose mandatory forms a new return starts with.
constexpr unsigned char kNetfileEdition = 2;

// The provincial tuition (with Schedule 11) and spouse-transfer (with Schedule 2) forms by
// province code; Quebec (11) has neither.
struct ProvinceCompanions
{
    int province;
    int tuition;
    int spouseTransfer;
};

constexpr ProvinceCompanions kCompanions[] = {
    {1, FormType::AB_S11, FormType::AB_S2},  {2, FormType::BC_S11, FormType::BC_S2},
    {3, FormType::MB_S11, FormType::MB_S2},  {4, FormType::NB_S11, FormType::NB_S2},
    {5, FormType::NL_S11, FormType::NL_S2},  {6, FormType::NS_S11, FormType::NS_S2},
    {7, FormType::NT_S11, FormType::NT_S2},  {8, FormType::NU_S11, FormType::NU_S2},
    {9, FormType::ON_S11, FormType::ON_S2},  {10, FormType::PE_S11, FormType::PE_S2},
    {12, FormType::SK_S11, FormType::SK_S2}, {13, FormType::YT_S11, FormType::YT_S2},
};

const ProvinceCompanions *companionsOf(int province)
{
    for (const ProvinceCompanions &row : kCompanions) {
        if (row.province == province)
            return &row;
    }
    return nullptr;
}

bool withSpouse(int maritalStatus)
{
    return unsigned(maritalStatus) < 2;
}

// A plug-in form whose values survive the switch: the new plug-in makes it again.
struct CarriedForm
{
    TaxDataEntryStru *entry; // stays in the list, without its object meanwhile
    QByteArray block;
};

} // namespace

void IndividualTaxData::setupNewReturn(int province, const QString &firstName,
                                       const QString &lastName, const QString &sin,
                                       const QDate &birthDate, int maritalStatus,
                                       const QString &spouseFirstName,
                                       const QString &spouseLastName, const QString &spouseSin,
                                       const QDate &spouseBirthDate, bool coupled)
{
    m_dataVersion = kCurrentDataVersion;
    m_coupled = coupled;
    m_province = province;
    switchProvincePlugin(province);

    addMandatoryForms(kNetfileEdition, province);
    if (TaxData_T1New *t1 = t1Form()) {
        t1->birthDate.setDate(birthDate);
        t1->lastName = lastName;
        t1->firstName = firstName;
        const ProvInfoRow *row = provInfo(province);
        t1->provinceText = row ? QString::fromUtf8(row->name) : QString();
        t1->sin = sin;
        t1->maritalStatus = maritalStatus;
        if (withSpouse(maritalStatus)) {
            t1->spouseSin = spouseSin;
            t1->spouseFirstName = spouseFirstName;
            t1->spouseLastName = spouseLastName;
            t1->spouseBirthDate.setDate(spouseBirthDate);
        }
    }
    for (const TaxWizardInfoRow &row : Global_TaxWizard_Info) {
        if (row.type > 0)
            findWizardData(row.type, row.createAfterLoad);
    }
    initSpouseClaim();
    m_provsTaxMgr.setupNewReturn(t1Form(),
                                 dynamic_cast<TaxData_Sch5 *>(getForm(FormType::SCH5, 0, false)));
}

void IndividualTaxData::changeProvince(int oldProvince, int newProvince)
{
    m_province = newProvince;
    // The old province's forms go while its plug-in is still loaded to take them back.
    for (int i = 0; i < m_formList.size();) {
        TaxDataEntryStru *entry = m_formList[i];
        if (!entry->data || getFormProv(entry->data->getType()) != oldProvince) {
            ++i;
            continue;
        }
        m_formList.removeAt(i);
        releaseForm(entry->data, true);
        delete entry;
    }
    switchProvincePlugin(newProvince);
    if (newProvince >= 0 && newProvince < Global_Provs_Num) {
        const ProvinceFormList &rows = Province_Forms_Info[newProvince];
        for (int i = 0; i < rows.count; ++i) {
            if (rows.rows[i].flag)
                getForm(rows.rows[i].type, 0, true);
        }
    }
}

void IndividualTaxData::switchProvincePlugin(int province)
{
    // Unloading a plug-in while the person holds objects it made would leave them pointing
    // into unmapped code: every form a loaded plug-in made goes back to it now.
    QList<CarriedForm> carried;
    CString tag;
    for (int i = 0; i < m_formList.size();) {
        TaxDataEntryStru *entry = m_formList[i];
        const FormInfoRow *row = entry->data ? formInfo(entry->data->getType()) : nullptr;
        if (!row || row->province == 0) {
            ++i;
            continue;
        }
        // The provincial tax form belongs to the province that computed it.
        const bool keep =
            row->type != FormType::PROV428 && (row->province == -1 || row->province == province);
        if (keep) {
            CarriedForm form{entry, {}};
            MyDataStream out(&form.block, QIODevice::WriteOnly);
            entry->data->Serialize(kCurrentDataVersion, tag, out);
            carried.append(form);
        }
        releaseForm(entry->data, true);
        entry->data = nullptr;
        if (keep) {
            ++i;
        } else {
            m_formList.removeAt(i);
            delete entry;
        }
    }
    releaseProvincialWizardData();

    m_provsTaxMgr.setMainProvince(province);
    m_provsTaxMgr.getProvinceManager(province, true);

    for (const CarriedForm &form : carried) {
        TaxDataEntryStru *entry = form.entry;
        entry->data = makeFormObject(entry->type, true);
        if (!entry->data) {
            // Nothing left to hold: the new plug-in does not make the form.
            m_formList.removeOne(entry);
            delete entry;
            continue;
        }
        MyDataStream in(form.block);
        entry->data->Serialize(kCurrentDataVersion, tag, in);
    }
    const TaxWizardInfoRow *row = taxWizardInfo(WizardType::Provincial);
    if (row && row->createAfterLoad)
        findWizardData(WizardType::Provincial, true);
}

void IndividualTaxData::setCoupledReturn(bool coupled)
{
    m_coupled = coupled;
    CSetCoupledFlagObj setter;
    enumForms(setter, &coupled);
}

void IndividualTaxData::initSpouseClaim()
{
    TaxData_T1New *t1 = t1Form();
    if (t1 && t1->CanClaimSpouse()) {
        if (auto *sch5 = dynamic_cast<TaxData_Sch5 *>(getForm(FormType::SCH5, 0, true)))
            sch5->spouseClaim = 1;
    } else if (t1) {
        t1->f30300 = 0.0;
    }
}

void IndividualTaxData::addTuitionForms()
{
    getForm(FormType::SCH11, 0, true);
    if (const ProvinceCompanions *row = companionsOf(m_province))
        getForm(row->tuition, 0, true);
}

void IndividualTaxData::addSpouseTransferForms()
{
    getForm(FormType::SCH2, 0, true);
    if (const ProvinceCompanions *row = companionsOf(m_province))
        getForm(row->spouseTransfer, 0, true);
}

void IndividualTaxData::createAllForms()
{
    m_allFormsFlag = 1;
    if (!m_allFormsMgr)
        m_allFormsMgr = std::make_unique<CMultiProvsTaxMgr>(0, m_dependants);
    for (int province = 1; province < Global_Provs_Num; ++province) {
        if (IsProvinceSupported(province))
            m_allFormsMgr->loadManagerQuietly(province);
    }
    for (int code = 1; code < Global_Forms_Num; ++code) {
        const int type = Global_Forms_Info[code].type;
        if (IsFormExpired(type, 0))
            continue;
        CTaxData_Form *form = nullptr;
        for (int province = 1; province < Global_Provs_Num && !form; ++province) {
            if (CProvincialTaxManager *manager = m_allFormsMgr->loadedManager(province))
                form = manager->createProvincialForm(type, true);
        }
        if (!form)
            form = createFederalForm(type);
        if (!form)
            continue;
        setUpFormObject(*form);
        form->prepareAllForms();
        m_formList.append(new TaxDataEntryStru{type, 0, 0, form});
    }
}
