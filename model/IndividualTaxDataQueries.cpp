// IndividualTaxData: keyed access, filing results, texts, the preparer block and income tests.
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "ordane/AmountTolerance.h"
#include "ordane/Clock.h"
#include "ordane/Utilities.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kFilingSuccess = 1;
constexpr int kFilingFailure = -1;
// Filing status of a T1 or T1135: filed, amended and not yet filed, filed again.
constexpr int kStatusFiled = 1;
constexpr int kStatusAmended = 2;
constexpr int kStatusRefiled = 3;
// The forms a self-employed person files beside the T1, obsolete codes included.
constexpr int kSelfEmploymentTypes[] = {
    FormType::T1163, 19, FormType::T2042, 22, 33, FormType::T2121, FormType::T1273, FormType::T2125,
    FormType::T2125C};

bool isPresent(double amount)
{
    return amount >= kAmountTolerance;
}

// The T5013 form objects of the person, in list order. Each query below reads the form index:
// a walk of the whole list would touch every statement of a large return several times a pass.
QList<const CTaxData_T5013 *> t5013Forms(const IndividualTaxData &person)
{
    QList<const CTaxData_T5013 *> out;
    for (const TaxDataEntryStru *entry : person.formEntriesOfType(FormType::T5013)) {
        if (const auto *t5013 = formAs<const CTaxData_T5013>(entry->data))
            out.append(t5013);
    }
    return out;
}

// True when an entry of one of the types exists, or a T5013 answers the query above 0.
bool hasIncome(const IndividualTaxData &person, std::initializer_list<int> types,
               int (CTaxData_T5013::*query)() const)
{
    if (std::any_of(types.begin(), types.end(),
                    [&person](int type) { return person.hasForm(type); }))
        return true;
    const QList<const CTaxData_T5013 *> partnerships = t5013Forms(person);
    return std::any_of(partnerships.begin(), partnerships.end(),
                       [query](const CTaxData_T5013 *t5013) { return (t5013->*query)() > 0; });
}

// A T2125 of code 125 with data of the kind (0 business, 1 professional), or a T5013 income.
bool hasT2125Income(const IndividualTaxData &person, int kind, int (CTaxData_T5013::*query)() const)
{
    for (const TaxDataEntryStru *entry : person.formEntriesOfType(FormType::T2125)) {
        const auto *t2125 = formAs<const TaxData_T2125_New>(entry->data);
        if (t2125 && t2125->kind == kind)
            return true;
    }
    return hasIncome(person, {}, query);
}

// The net income a self-employment form of the entry counts with; 0 for other entries.
double selfEmploymentNetIncome(const TaxDataEntryStru *entry)
{
    switch (entry->type) {
    case FormType::T1163:
        if (const auto *t1163 = formAs<const TaxData_T1163New>(entry->data))
            return t1163->netIncome;
        break;
    case FormType::T2042:
        if (const auto *t2042 = formAs<const TaxData_T2042New>(entry->data))
            return t2042->netIncome;
        break;
    case FormType::T2121:
        if (const auto *t2121 = formAs<const TaxData_T2121New>(entry->data))
            return t2121->netIncome;
        break;
    case FormType::T2125:
    case FormType::T2125C:
        if (const auto *t2125 = formAs<const TaxData_T2125_New>(entry->data))
            return t2125->countedNetIncome();
        break;
    default:
        break;
    }
    return 0.0;
}

} // namespace

// Keyed access.

QString IndividualTaxData::fullName()
{
    CString name;
    getTextByKey(17, name);
    return name;
}

bool IndividualTaxData::getTextByKey(int key, CString &text)
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return false;
    switch (key) {
    case 1:
        text = t1->sin.value();
        return true;
    case 11:
        text = t1->firstName.value();
        return true;
    case 12:
        text = t1->lastName.value();
        return true;
    case 15:
        text = t1->secondEmail.value();
        return true;
    case 16:
        text = t1->email.value();
        return true;
    case 17:
        text = CString(t1->firstName.value() + ' ' + t1->lastName.value());
        return true;
    case 19:
        text = t1->phone.value();
        return true;
    default:
        return false;
    }
}

bool IndividualTaxData::getAmountByKey(int key, double &amount)
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return false;
    switch (key) {
    case 150:
        amount = t1->f15000;
        return true;
    case 236:
        amount = t1->f23600;
        return true;
    case 260:
        amount = t1->f26000;
        return true;
    case 367:
        // Written either way; only a present amount answers true.
        amount = t1->f30500;
        return isPresent(amount);
    case 483:
        amount = t1->signedBalance;
        return true;
    case 484:
        amount = t1->f48400;
        return true;
    case 485:
        amount = t1->f48500;
        return true;
    default:
        return false;
    }
}

bool IndividualTaxData::getFormIntByKey(int key, int &value)
{
    const TaxData_T1New *t1 = t1Form();
    switch (key) {
    case 2:
        if (!t1)
            return false;
        value = t1->reFileFlag != 0 ? 1 : 0;
        return true;
    case 4:
        if (!t1)
            return false;
        value = t1->IsPostBankrupt() ? 1 : 0;
        return true;
    case 10:
        if (!t1)
            return false;
        value = t1->email.value().isEmpty() ? 0 : 1;
        return true;
    case 303:
        // Without Schedule 5 the caller's value stands.
        if (const auto *sch5 = formOf<TaxData_Sch5>(*this, FormType::SCH5))
            value = int(sch5->f30300);
        return true;
    case 10003:
        if (const auto *t183 = formOf<TaxData_T183New>(*this, FormType::T183)) {
            value = t183->hasSignDate() ? 1 : 0;
            return true;
        }
        return false;
    case 10004:
        if (const auto *t1013 = formOf<TaxData_T1013New>(*this, FormType::T1013)) {
            value = t1013->hasSignDate() ? 1 : 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool IndividualTaxData::getIntByKey(int key, int &value)
{
    if (key != 995)
        return getFormIntByKey(key, value);
    value = m_taxYear;
    return true;
}

bool IndividualTaxData::setValueByKey(int key, int flag, double value)
{
    if (key == 3) {
        TaxData_T1New *t1 = t1Form();
        if (t1)
            t1->multiYearFiling = flag != 0;
        return t1 != nullptr;
    }
    if (key != 10321 && key != 10322)
        return false;
    auto *t1032 = formOf<TaxData_T1032_New>(*this, FormType::T1032);
    if (!t1032)
        return false;
    if (key == 10322)
        t1032->election = flag != 0;
    else
        t1032->electedAmount = value;
    return true;
}

bool IndividualTaxData::setTextByKey(int key, const QString &text)
{
    if (key == 10002) {
        auto *t183 = formOf<TaxData_T183New>(*this, FormType::T183);
        if (t183)
            t183->esignRequestId = text;
        return t183 != nullptr;
    }
    if (key == 10005) {
        auto *rc71 = formOf<CTaxData_RC71>(*this, FormType::RC71);
        if (rc71)
            rc71->esignRequestId = text;
        return rc71 != nullptr;
    }
    return false;
}

// Texts and records.

CString IndividualTaxData::getIncomeSummary()
{
    const TaxDataEntryStru *entry = findFormEntry(FormType::T1, 0, false);
    if (!entry)
        return CString("No tax return is opened.");
    const auto *t1 = dynamic_cast<const TaxData_T1New *>(entry->data);
    if (!t1)
        return CString();
    // A balance below the tolerance is nothing owing: the refund line.
    if (isPresent(t1->f48500))
        return CString::formatted(kBalanceDueSummary, double(t1->f15000), double(t1->f23600),
                                  double(t1->f26000), double(t1->f48500));
    return CString::formatted(kRefundSummary, double(t1->f15000), double(t1->f23600),
                              double(t1->f26000), double(t1->f48400));
}

CString IndividualTaxData::getDefaultFileName()
{
    CString first;
    CString last;
    getTextByKey(11, first);
    getTextByKey(12, last);
    return makeValidFilename(first + '_' + (last.IsEmpty() ? QString("unknown") : last));
}

void IndividualTaxData::getIdentityForFiling(CString &sin, CString &first, CString &second,
                                             CString &last, CString &email, QDate &birthDate,
                                             double &balance)
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    sin = t1->sin.value();
    first = t1->firstName.GetTrimedString();
    second = t1->secondName.GetTrimedString();
    last = t1->lastName.GetTrimedString();
    email = t1->email.GetTrimedString();
    birthDate = t1->birthDate.date();
    balance = t1->signedBalance;
}

void IndividualTaxData::recordFilingResult(int formType, int status, const QString &text)
{
    const bool success = status == kFilingSuccess;
    switch (formType) {
    case FormType::T1: {
        TaxData_T1New *t1 = t1Form();
        if (!t1)
            return;
        const bool refile = t1->reFileFlag != 0;
        if (success || status == kFilingFailure) {
            t1->filingTime = getCurTimeStr();
            t1->confirmation = text;
            if (success)
                t1->filingStatus = refile ? kStatusRefiled : kStatusFiled;
        } else {
            t1->filingStatus = status;
        }
        if (!success && refile)
            t1->filingStatus = kStatusAmended;
        return;
    }
    case FormType::T1013: {
        auto *t1013 = formOf<TaxData_T1013New>(*this, FormType::T1013);
        if (!t1013)
            return;
        // An accepted authorisation keeps its record through later failed attempts.
        const bool accepted = t1013->filingStatus == kStatusFiled;
        if (accepted && !success)
            return;
        if (!accepted)
            t1013->filingStatus = status;
        t1013->filingTime = getCurTimeStr();
        if (success) {
            t1013->confirmation = text;
            t1013->errorText = QString();
        } else {
            t1013->errorText = text;
        }
        return;
    }
    case FormType::T1135: {
        auto *t1135 = formOf<TaxData_T1135New>(*this, FormType::T1135);
        if (!t1135)
            return;
        t1135->filingStatus = status;
        t1135->filingTime = getCurTimeStr();
        if (success)
            t1135->confirmation = text;
        if (t1135->amended)
            t1135->filingStatus = success ? kStatusRefiled : kStatusAmended;
        return;
    }
    case FormType::T185: {
        auto *t185 = formOf<TaxData_T185>(*this, FormType::T185);
        if (!t185 || !success)
            return;
        const QDateTime time = now();
        t185->confirmationNumber = text;
        t185->debitDate = time.date();
        t185->message = QString("You sent a PAD at %1, confirmation number [%2].")
                            .arg(time.toString("yyyy-MM-dd hh:mm:ss"), text);
        return;
    }
    default:
        return;
    }
}

void IndividualTaxData::fillPreparerInfo()
{
    TaxData_T1New *t1 = t1Form();
    const TabWndApp *app = appInstance();
    if (!t1 || !app)
        return;
    const CT1AppConfig &c = app->config;
    const auto copy = [](CStringField &field, const QString &setting) {
        if (!setting.isEmpty())
            field = setting;
    };
    copy(t1->preparerPhone, c.BusinessPhone);
    copy(t1->preparerName, c.BusinessName);
    copy(t1->preparerAddress, c.BusinessAddr);
    QString cityLine = c.BusinessCity;
    if (!c.BusinessProv.isEmpty())
        cityLine += ", " + c.BusinessProv;
    if (!c.BusinessPostcode.isEmpty())
        cityLine += ' ' + c.BusinessPostcode;
    copy(t1->preparerCity, cityLine);
    copy(t1->preparerEfileNumber, c.BusinessEFileNum);
}

// Incomes and forms.

bool IndividualTaxData::hasRentalIncome()
{
    return hasIncome(*this, {FormType::T776}, &CTaxData_T5013::HaveRentalIncome);
}

bool IndividualTaxData::hasBusinessIncome()
{
    return hasT2125Income(*this, 0, &CTaxData_T5013::HaveBusinessIncome);
}

bool IndividualTaxData::hasFishingIncome()
{
    return hasIncome(*this, {FormType::T2121}, &CTaxData_T5013::HaveFishIncome);
}

bool IndividualTaxData::hasFarmingIncome()
{
    return hasIncome(*this, {FormType::T1163, FormType::T2042, FormType::T1273},
                     &CTaxData_T5013::HaveFarmIncome);
}

bool IndividualTaxData::hasCommissionIncome()
{
    return hasIncome(*this, {FormType::T2125C}, &CTaxData_T5013::HaveCommissionIncome);
}

bool IndividualTaxData::hasProfessionalIncome()
{
    return hasT2125Income(*this, 1, &CTaxData_T5013::HaveProfessionalIncome);
}

bool IndividualTaxData::hasSelfEmploymentForms()
{
    int count = 0;
    for (int type : kSelfEmploymentTypes)
        count += countFormsOfType(type);
    for (const CTaxData_T5013 *t5013 : t5013Forms(*this))
        count += t5013->GetCountOfSFDForms(false);
    return count > 0;
}

int IndividualTaxData::countSFDForms()
{
    int count = 0;
    for (const CTaxData_T5013 *t5013 : t5013Forms(*this))
        count += t5013->GetCountOfSFDForms(true);
    for (const TaxDataEntryStru *entry : std::as_const(m_formList)) {
        // The T1273 gives two records (farming and its AgriStability part).
        if (entry->type == FormType::T1273)
            count += 2;
        else if (IsSFDForm(entry->type))
            ++count;
    }
    return count;
}

double IndividualTaxData::sumSelfEmploymentIncome()
{
    double sum = 0;
    // In list order, as the amounts have always been added (a walk of the entries alone, the
    // list left shared with the form index).
    for (const TaxDataEntryStru *entry : std::as_const(m_formList)) {
        const double net = selfEmploymentNetIncome(entry);
        if (isPresent(net))
            sum += net;
    }
    for (const CTaxData_T5013 *t5013 : t5013Forms(*this))
        sum += t5013->GetTotalNonLossNetIncome();
    return sum;
}

int IndividualTaxData::getFormCount(int type) const
{
    return type == 0 ? m_formList.size() : countFormsOfType(type);
}

bool IndividualTaxData::hasSpouseData()
{
    const TaxData_T1New *t1 = t1Form();
    if ((t1 && t1->HasSpouse()) || formOf<TaxData_T1032_New>(*this, FormType::T1032))
        return true;
    const auto *sch5 = formOf<TaxData_Sch5>(*this, FormType::SCH5);
    return t1 && t1->CanClaimSpouse() && sch5 && sch5->spouseClaim != 0;
}

bool IndividualTaxData::isNonRefundableCreditAllUsed()
{
    const TaxData_T1New *t1 = t1Form();
    const bool federal = t1 && t1->IsNonRefTaxCreditAllUsed();
    // The province is asked even when the federal answer already decides.
    const bool provincial = m_provsTaxMgr.isNonRefTaxCreditAllUsed();
    return federal && provincial;
}

bool IndividualTaxData::hasOrHadSpouse()
{
    const TaxData_T1New *t1 = t1Form();
    return t1 && (t1->HasSpouse() || t1->IsWidowedInTaxYear());
}

int IndividualTaxData::getMaritalStatus()
{
    const TaxData_T1New *t1 = t1Form();
    return t1 ? int(t1->maritalStatus) : -1;
}

void IndividualTaxData::setMaritalStatus(int status)
{
    if (TaxData_T1New *t1 = t1Form())
        t1->maritalStatus = status;
}

int IndividualTaxData::getLinkedProvincialFormType(int federalType)
{
    return m_provsTaxMgr.getLinkedProvincialFormType(federalType);
}

CTaxData_Form *IndividualTaxData::getLinkedProvincialForm(CTaxData_Form *form)
{
    const int type = form ? getLinkedProvincialFormType(form->getType()) : 0;
    return type ? getForm(type, 0, false) : nullptr;
}

bool IndividualTaxData::hasChildDependants() const
{
    return m_dependants && m_dependants->GetDepNumberBetweenAges(0, 18) > 0;
}

TaxDataEntryStru *IndividualTaxData::addAnotherForm(int type)
{
    const bool exists =
        std::any_of(m_formList.cbegin(), m_formList.cend(),
                    [type](const TaxDataEntryStru *e) { return e->type == type && e->data; });
    return exists ? addForm(type, takeNextId(), true, 0, true) : nullptr;
}

bool IndividualTaxData::isProvinceOutOfRange() const
{
    return m_province > 13;
}

void IndividualTaxData::collectMissingProvinceForms(int province, QList<TaxDataEntryStru> &out)
{
    if (province < 0 || province >= Global_Provs_Num)
        return;
    const ProvinceFormList &forms = Province_Forms_Info[province];
    for (int i = 0; i < forms.count; ++i) {
        const ProvinceFormRow &row = forms.rows[i];
        if (row.flag && !hasForm(row.type))
            out.append(TaxDataEntryStru{row.type, takeNextId(), 0, nullptr});
    }
}

void IndividualTaxData::collectProvinceFormEntries(int province, QList<TaxDataEntryStru> &out) const
{
    for (const TaxDataEntryStru *entry : m_formList) {
        if (entry->data && getFormProv(entry->data->getType()) == province)
            out.append(*entry);
    }
}

CTaxData_Form *IndividualTaxData::getT1Data()
{
    return t1Form();
}
