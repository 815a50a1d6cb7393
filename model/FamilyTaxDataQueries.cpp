// FamilyTaxData: the current person's queries and the display texts of the return file.
#include "model/FamilyTaxData.h"

#include "marrow/EmploymentSlips.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/IndividualTaxData.h"

#include <QComboBox>

namespace {

constexpr int kFirstNameKey = 11;
constexpr int kFullNameKey = 17;
constexpr int kTotalIncomeKey = 150;
constexpr int kNetIncomeKey = 236;
constexpr int kTaxableIncomeKey = 260;
constexpr int kBalanceKey = 483;

double amountOf(IndividualTaxData &person, int key)
{
    double amount = 0;
    person.getAmountByKey(key, amount);
    return amount;
}

CString textOf(IndividualTaxData &person, int key)
{
    CString text;
    person.getTextByKey(key, text);
    return text;
}

// The person's name for the box, or the stand-in when it is blank.
QString nameForBox(IndividualTaxData &person, const char *standIn)
{
    const QString name = textOf(person, kFullNameKey).trimmed();
    return name.isEmpty() ? QString(standIn) : name;
}

void appendFilingStatus(IndividualTaxData &person, QString &out)
{
    const auto *t1 = dynamic_cast<const TaxData_T1New *>(person.getT1Data());
    if (!t1 || t1->filingStatus == 1 || t1->filingStatus == 3)
        return;
    out += t1->ConstructFullName();
    out += t1->filingStatus == 2 ? ": (amended)" : ": (not filed/unknown)";
    out += "  ";
}

} // namespace

void formatBalanceText(const CString &name, double amount, CString &out)
{
    const QByteArray utf8 = name.toUtf8();
    if (amount > 0)
        out = CString::formatted("%s [Bal. Due: %.2f]", utf8.constData(), amount);
    else // + 0.0 so that a zero balance never shows as "-0.00"
        out = CString::formatted("%s [Refund: %.2f]", utf8.constData(), -amount + 0.0);
}

// The current person's operations.

int FamilyTaxData::getFormCount(int type) const
{
    const IndividualTaxData *person = getCurrentPersonData();
    return person ? person->getFormCount(type) : 0;
}

bool FamilyTaxData::hasForm(int type) const
{
    const IndividualTaxData *person = getCurrentPersonData();
    return person && person->hasForm(type);
}

CTaxData_Form *FamilyTaxData::getForm(int type, bool create)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->getForm(type, 0, create) : nullptr;
}

TaxDataEntryStru *FamilyTaxData::findFormEntry(int type, int id, bool create)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->findFormEntry(type, id, create) : nullptr;
}

TaxDataEntryStru *FamilyTaxData::addForm(int type, int id, bool addToList, int linkedId,
                                         bool prefill)
{
    IndividualTaxData *person = getCurrentPersonData();
    if (!person)
        return nullptr;
    TaxDataEntryStru *entry = person->addForm(type, id, addToList, linkedId, prefill);
    // The pension split is a joint election: both spouses file it.
    IndividualTaxData *partner = getPartnerData();
    if (type == FormType::T1032 && isCoupled() && partner)
        partner->findFormEntry(FormType::T1032, 0, true);
    return entry;
}

TaxDataEntryStru *FamilyTaxData::addSlip(int type, int id, int linkedId)
{
    IndividualTaxData *person = getCurrentPersonData();
    if (!person)
        return nullptr;
    TaxDataEntryStru *entry = person->addSlip(type, id, linkedId);
    // A T4 a person adds by hand starts in the province they live in: box 10 decides whether
    // box 17 is a QPP contribution, and a blank box would drop a Quebec worker's QPP.
    if (entry && type == SlipType::T4 && person->m_province > 0) {
        if (auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(entry->data))
            t4->provinceOfEmployment = person->m_province;
    }
    return entry;
}

TaxNoteEntryStru *FamilyTaxData::addNote(int key)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->addNote(key) : nullptr;
}

void FamilyTaxData::removeNote(TaxData_TaxNote *note)
{
    if (IndividualTaxData *person = getCurrentPersonData())
        person->removeNote(note);
}

void FamilyTaxData::removeSlip(CTaxData_Form *slip)
{
    if (IndividualTaxData *person = getCurrentPersonData())
        person->removeSlip(slip);
}

void FamilyTaxData::removeForm(CTaxData_Form *form, bool withProvincialForm)
{
    if (IndividualTaxData *person = getCurrentPersonData())
        person->removeForm(form, true, withProvincialForm);
}

int FamilyTaxData::getLinkedProvincialFormType(int type)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->getLinkedProvincialFormType(type) : 0;
}

CString FamilyTaxData::getPersonIncomeSummary()
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->getIncomeSummary() : CString();
}

bool FamilyTaxData::getTextByKey(int key, CString &text)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person && person->getTextByKey(key, text);
}

bool FamilyTaxData::getAmountByKey(int key, double &amount)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person && person->getAmountByKey(key, amount);
}

bool FamilyTaxData::getIntByKey(int key, int &value)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person && person->getIntByKey(key, value);
}

bool FamilyTaxData::setValueByKey(int key, int flag, double value)
{
    IndividualTaxData *person = getCurrentPersonData();
    if (!person)
        return false;
    const bool stored = person->setValueByKey(key, flag, value);
    // The pension-split election and amount are one joint value of both returns.
    IndividualTaxData *partner = getPartnerData();
    if ((key == 10321 || key == 10322) && isCoupled() && partner)
        partner->setValueByKey(key, flag, value);
    return stored;
}

bool FamilyTaxData::setTextByKey(int key, const QString &text)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person && person->setTextByKey(key, text);
}

CString FamilyTaxData::getPersonDefaultFileName()
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->getDefaultFileName() : CString();
}

void FamilyTaxData::recordFilingResult(int formType, int status, const QString &text)
{
    if (IndividualTaxData *person = getCurrentPersonData())
        person->recordFilingResult(formType, status, text);
}

int FamilyTaxData::writeSlipSummary(QTextStream &out)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->WriteSlipSummary(out) : 0;
}

// Display texts.

void FamilyTaxData::getBalanceTexts(CString &taxpayer, CString &spouse, CString &family)
{
    const double taxpayerBalance = amountOf(*m_taxpayer, kBalanceKey);
    formatBalanceText(textOf(*m_taxpayer, kFirstNameKey), taxpayerBalance, taxpayer);
    if (!isCoupled()) {
        spouse.Empty();
        family.Empty();
        return;
    }
    const double spouseBalance = amountOf(*m_spouse, kBalanceKey);
    formatBalanceText(textOf(*m_spouse, kFirstNameKey), spouseBalance, spouse);
    formatBalanceText(CString("Family"), taxpayerBalance + spouseBalance, family);
}

int FamilyTaxData::fillPersonComboBox(QComboBox *box, bool selectSpouse)
{
    if (!box)
        return 0;
    box->clear();
    box->addItem(nameForBox(*m_taxpayer, "(self)"), PersonTaxpayer);
    if (isCoupled())
        box->addItem(nameForBox(*m_spouse, "(spouse/common-law)"), PersonSpouse);
    // Only a coupled return has a spouse to show: a single return stays on the taxpayer.
    const bool spouse = selectSpouse && box->count() > 1;
    setCurrentPersonIndex(spouse ? PersonSpouse : PersonTaxpayer);
    box->setCurrentIndex(spouse ? 1 : 0);
    return box->count();
}

QString FamilyTaxData::getDefaultFileName()
{
    QString name = m_taxpayer->getDefaultFileName();
    if (isCoupled())
        name += '_' + m_spouse->getDefaultFileName();
    return name;
}

void FamilyTaxData::getFilingStatusText(QString &out)
{
    appendFilingStatus(*m_taxpayer, out);
    if (isCoupled())
        appendFilingStatus(*m_spouse, out);
}

CString FamilyTaxData::getIncomeSummary()
{
    if (!isCoupled())
        return m_taxpayer->getIncomeSummary();
    if (!m_taxpayer->getT1Data() || !m_spouse->getT1Data())
        return CString("No tax return is opened.");
    const auto sum = [this](int key) {
        return amountOf(*m_taxpayer, key) + amountOf(*m_spouse, key);
    };
    const double balance = sum(kBalanceKey);
    const char *format =
        balance < 0 ? IndividualTaxData::kRefundSummary : IndividualTaxData::kBalanceDueSummary;
    return CString::formatted(format, sum(kTotalIncomeKey), sum(kNetIncomeKey),
                              sum(kTaxableIncomeKey), balance < 0 ? -balance : balance);
}
