// IndividualTaxData: wizard data into the forms and back, the prefill of new forms, and the
// T1's identification.
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "marrow/WizardData.h"
#include "ordane/AmountTolerance.h"
#include "ordane/Clock.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The provincial tuition carry-forward as the province managers keep it.
constexpr int kProvTuitionKey = 11001;
// The last form code the prefill knows.
constexpr int kLastPrefilledType = 131;
// Columns of the dependants interview.
enum DependantColumn
{
    DepFirstName,
    DepLastName,
    DepBirthDate,
    DepRelationship,
    DepNetIncome,
    DepInfirm,
    DepSin,
    DepRelationText,
    DepOtherAmount
};
// The medical interview's dependant rows: names, birth date, relationship, then the amounts.
constexpr int kMedFirstAmount = 4;
constexpr int kMedAmounts = 5;

// A form's field and the wizard's field that hold one value, so both directions use one list.
using FieldPairs = std::vector<std::pair<CField *, CField *>>;

void intoForms(const FieldPairs &pairs)
{
    for (const auto &pair : pairs)
        pair.first->copyFrom(*pair.second);
}

void intoWizard(const FieldPairs &pairs)
{
    for (const auto &pair : pairs)
        pair.second->copyFrom(*pair.first);
}

bool isPresent(double amount)
{
    return qAbs(amount) >= kAmountTolerance;
}

template <typename Wizard> Wizard *wizardOf(IndividualTaxData &person, int type)
{
    return dynamic_cast<Wizard *>(person.findWizardData(type, false));
}

// The general interview's answers the T1 takes before and after Schedule 9.
FieldPairs generalFirst(TaxData_T1New &t1, TaxData_Wizard_General &w)
{
    return {{&t1.language, &w.language},
            {&t1.citizen, &w.citizen},
            {&t1.elecanauth, &w.elecanauth},
            {&t1.statusInt1, &w.statusInt1},
            {&t1.statusInt2, &w.statusInt2},
            {&t1.taxInstalmentsPaid, &w.taxInstalmentsPaid},
            {&t1.instalmentInterest, &w.instalmentInterest}};
}

FieldPairs generalLast(TaxData_T1New &t1, TaxData_Wizard_General &w)
{
    return {{&t1.politicalContributions, &w.politicalContributions},
            {&t1.foreignPropertyAnswer, &w.foreignPropertyAnswer},
            {&t1.principalResidenceAnswer, &w.principalResidenceAnswer}};
}

FieldPairs donations(TaxData_Sch9 &sch9, TaxData_Wizard_General &w)
{
    return {{&sch9.donations, &w.donations}, {&sch9.otherGifts, &w.otherGifts}};
}

FieldPairs rrspLimits(TaxData_T1New &t1, CField &limit, CField &unused)
{
    return {{&t1.rrspDeductionLimit, &limit}, {&t1.unusedRrspContributions, &unused}};
}

FieldPairs ownMedical(TaxData_T1New &t1, CWizData_MedExp &w)
{
    return {{&t1.medSelfAmount, &w.medSelfAmount},       {&t1.medSelfMonths, &w.medSelfMonths},
            {&t1.medSelfPremiums, &w.medSelfPremiums},   {&t1.medSelfTravel, &w.medSelfTravel},
            {&t1.medSelfAttendant, &w.medSelfAttendant}, {&t1.medSelfOther, &w.medSelfOther}};
}

FieldPairs spouseMedical(TaxData_T1New &t1, CWizData_MedExp &w)
{
    return {{&t1.medSpouseAmount, &w.medSpouseAmount},
            {&t1.medSpousePremiums, &w.medSpousePremiums},
            {&t1.medSpouseTravel, &w.medSpouseTravel},
            {&t1.medSpouseAttendant, &w.medSpouseAttendant},
            {&t1.medSpouseOther, &w.medSpouseOther}};
}

FieldPairs rrspContributions(TaxData_Sch7 &sch7, TaxData_RRSPContrib &w)
{
    return {{&sch7.contribMarToDec, &w.contribMarToDec},
            {&sch7.contribJanToMar, &w.contribJanToMar},
            {&sch7.spouseContribMarToDec, &w.spouseContribMarToDec},
            {&sch7.spouseContribJanToMar, &w.spouseContribJanToMar},
            {&sch7.rrspDeductionLimit, &w.rrspDeductionLimit},
            {&sch7.unusedRrspContributions, &w.unusedRrspContributions}};
}

// The dependant rows both the block and the table hold.
int dependantSlots(const DependantInfoStruct &block, const CTableField &table)
{
    return std::min(block.count(), table.rowCount());
}

// The T1's five medical amounts of each dependant, from or into the interview's row.
void copyDependantMedical(TaxData_T1New &t1, CWizData_MedExp &w, int rows, bool intoT1)
{
    for (int row = 0; row < std::min(rows, t1.dependantMedical.rowCount()); ++row) {
        for (int i = 0; i < kMedAmounts; ++i) {
            CFloatField &form = t1.dependantMedical.amountAt(row, i);
            CFloatField &wizard = w.dependantMedical.amountAt(row, kMedFirstAmount + i);
            if (intoT1)
                form.copyFrom(wizard);
            else
                wizard.copyFrom(form);
        }
    }
}

} // namespace

// Wizard data into the forms.

void IndividualTaxData::applyWizardData(int type)
{
    TaxData_T1New *t1 = t1Form();
    switch (type) {
    case WizardType::Dependants: {
        auto *w = wizardOf<CWizData_Dependant>(*this, type);
        if (!w || !m_dependants)
            return;
        CTableField &table = w->dependants;
        for (int i = 0; i < dependantSlots(*m_dependants, table); ++i) {
            DependantRecord &r = m_dependants->record(i);
            DependantRecord::setName(r.firstName, table.textAt(i, DepFirstName));
            DependantRecord::setName(r.lastName, table.textAt(i, DepLastName));
            r.birthDate = table.dateAt(i, DepBirthDate).date();
            r.relationship = table.intAt(i, DepRelationship);
            r.netIncome = table.amountAt(i, DepNetIncome);
            r.infirm = table.intAt(i, DepInfirm);
            r.sin = table.textAt(i, DepSin).value();
            r.relationText = table.textAt(i, DepRelationText).value();
            r.otherAmount = table.intAt(i, DepOtherAmount);
        }
        return;
    }
    case WizardType::General: {
        auto *w = wizardOf<TaxData_Wizard_General>(*this, type);
        if (!w)
            return;
        if (t1)
            intoForms(generalFirst(*t1, *w));
        // A Schedule 9 only for donations the user gave, or one already there.
        if (isPresent(w->donations) || isPresent(w->otherGifts) || hasForm(FormType::SCH9)) {
            if (auto *sch9 = formOf<TaxData_Sch9>(*this, FormType::SCH9, true))
                intoForms(donations(*sch9, *w));
        }
        if (t1)
            intoForms(generalLast(*t1, *w));
        return;
    }
    case WizardType::LastYear: {
        auto *w = wizardOf<TaxData_LastYearAmounts>(*this, type);
        if (!w || !t1)
            return;
        intoForms({{&t1->netCapitalLossCarryForward, &w->netCapitalLossCarryForward},
                   {&t1->nonCapitalLossCarryForward, &w->nonCapitalLossCarryForward}});
        intoForms(rrspLimits(*t1, w->rrspDeductionLimit, w->unusedRrspContributions));
        intoForms({{&t1->hbpRepaymentRequired, &w->hbpRepaymentRequired},
                   {&t1->llpRepaymentRequired, &w->llpRepaymentRequired}});
        if (auto *sch7 = formOf<TaxData_Sch7>(*this, FormType::SCH7))
            intoWizard(rrspLimits(*t1, sch7->rrspDeductionLimit, sch7->unusedRrspContributions));
        intoForms({{&t1->fedTuitionCarryForward, &w->fedTuitionCarryForward},
                   {&t1->provTuitionCarryForward, &w->provTuitionCarryForward}});
        if (auto *sch11 = formOf<TaxData_Sch11>(*this, FormType::SCH11))
            sch11->carryForward.copyFrom(t1->fedTuitionCarryForward);
        m_provsTaxMgr.setProvincialAmount(kProvTuitionKey, t1->provTuitionCarryForward);
        t1->t1212CarryForward.copyFrom(w->t1212CarryForward);
        if (auto *t1212 = formOf<TaxData_T1212New>(*this, FormType::T1212))
            t1212->carryAmount.copyFrom(t1->t1212CarryForward);
        return;
    }
    case WizardType::Medical: {
        auto *w = wizardOf<CWizData_MedExp>(*this, type);
        if (!w || !m_dependants || !t1)
            return;
        intoForms(ownMedical(*t1, *w));
        intoForms(spouseMedical(*t1, *w));
        copyDependantMedical(*t1, *w, dependantSlots(*m_dependants, w->dependantMedical), true);
        return;
    }
    case WizardType::Rrsp: {
        auto *w = wizardOf<TaxData_RRSPContrib>(*this, type);
        if (!w || !t1)
            return;
        // Any contribution counts too: one entered alone must reach Schedule 7.
        const bool anything =
            isPresent(w->rrspDeductionLimit) || isPresent(w->unusedRrspContributions) ||
            isPresent(w->contribMarToDec) || isPresent(w->contribJanToMar) ||
            isPresent(w->spouseContribMarToDec) || isPresent(w->spouseContribJanToMar);
        if (!anything && !hasForm(FormType::SCH7)) {
            t1->unusedRrspContributions.copyFrom(w->unusedRrspContributions);
            return;
        }
        auto *sch7 = formOf<TaxData_Sch7>(*this, FormType::SCH7, true);
        if (!sch7)
            return;
        intoForms(rrspContributions(*sch7, *w));
        intoForms(rrspLimits(*t1, w->rrspDeductionLimit, w->unusedRrspContributions));
        return;
    }
    case WizardType::Provincial:
        m_provsTaxMgr.applyWizardData();
        return;
    default:
        return;
    }
}

// The forms back into the wizard data.

void IndividualTaxData::updateWizardData()
{
    TaxData_T1New *t1 = t1Form();
    auto *dependants = wizardOf<CWizData_Dependant>(*this, WizardType::Dependants);
    if (dependants && m_dependants) {
        CTableField &table = dependants->dependants;
        for (int i = 0; i < dependantSlots(*m_dependants, table); ++i) {
            const DependantRecord &r = m_dependants->record(i);
            table.textAt(i, DepFirstName) = DependantRecord::nameText(r.firstName);
            table.textAt(i, DepLastName) = DependantRecord::nameText(r.lastName);
            table.dateAt(i, DepBirthDate) = r.birthDate;
            table.intAt(i, DepRelationship) = r.relationship;
            table.amountAt(i, DepNetIncome) = r.netIncome;
            table.intAt(i, DepInfirm) = r.infirm;
            table.textAt(i, DepSin) = r.sin;
            table.textAt(i, DepRelationText) = r.relationText;
            table.intAt(i, DepOtherAmount) = int(r.otherAmount);
        }
    }

    auto *medical = wizardOf<CWizData_MedExp>(*this, WizardType::Medical);
    if (medical && m_dependants && t1) {
        medical->firstName = t1->firstName.value();
        medical->lastName = t1->lastName.value();
        medical->birthDate = t1->birthDate.date();
        medical->spouseFirstName = t1->spouseFirstName.value();
        medical->spouseLastName = t1->spouseLastName.value();
        medical->spouseBirthDate = t1->spouseBirthDate.date();
        intoWizard(ownMedical(*t1, *medical));
        medical->allowableAmount.copyFrom(t1->f33099);
        medical->reimbursedAmount = 0.0;
        const FieldPairs spouse = spouseMedical(*t1, *medical);
        if (t1->CanClaimSpouse()) {
            intoWizard(spouse);
        } else {
            for (const auto &pair : spouse)
                pair.second->reset();
        }
        CTableField &table = medical->dependantMedical;
        const int rows = dependantSlots(*m_dependants, table);
        for (int i = 0; i < rows; ++i) {
            const DependantRecord &r = m_dependants->record(i);
            table.textAt(i, DepFirstName) = DependantRecord::nameText(r.firstName);
            table.textAt(i, DepLastName) = DependantRecord::nameText(r.lastName);
            table.dateAt(i, DepBirthDate) = r.birthDate;
            table.intAt(i, DepRelationship) = r.relationship;
        }
        copyDependantMedical(*t1, *medical, rows, false);
    }

    m_provsTaxMgr.updateWizardData();

    if (auto *general = wizardOf<TaxData_Wizard_General>(*this, WizardType::General)) {
        if (t1)
            intoWizard(generalFirst(*t1, *general));
        if (auto *sch9 = formOf<TaxData_Sch9>(*this, FormType::SCH9)) {
            intoWizard(donations(*sch9, *general));
        } else {
            general->donations = 0.0;
            general->otherGifts = 0.0;
        }
        if (t1)
            intoWizard(generalLast(*t1, *general));
    }

    auto *lastYear = wizardOf<TaxData_LastYearAmounts>(*this, WizardType::LastYear);
    if (lastYear && t1) {
        intoWizard({{&t1->netCapitalLossCarryForward, &lastYear->netCapitalLossCarryForward},
                    {&t1->nonCapitalLossCarryForward, &lastYear->nonCapitalLossCarryForward}});
        // Where a schedule holds the value it wins, and the T1's copy follows it.
        if (auto *sch7 = formOf<TaxData_Sch7>(*this, FormType::SCH7))
            intoForms(rrspLimits(*t1, sch7->rrspDeductionLimit, sch7->unusedRrspContributions));
        intoWizard(
            rrspLimits(*t1, lastYear->rrspDeductionLimit, lastYear->unusedRrspContributions));
        intoWizard({{&t1->hbpRepaymentRequired, &lastYear->hbpRepaymentRequired},
                    {&t1->llpRepaymentRequired, &lastYear->llpRepaymentRequired}});
        if (auto *sch11 = formOf<TaxData_Sch11>(*this, FormType::SCH11))
            t1->fedTuitionCarryForward.copyFrom(sch11->carryForward);
        lastYear->fedTuitionCarryForward.copyFrom(t1->fedTuitionCarryForward);
        double provincial = 0;
        if (m_provsTaxMgr.getProvincialAmount(kProvTuitionKey, &provincial))
            t1->provTuitionCarryForward = provincial;
        lastYear->provTuitionCarryForward.copyFrom(t1->provTuitionCarryForward);
        if (auto *t1212 = formOf<TaxData_T1212New>(*this, FormType::T1212))
            t1->t1212CarryForward.copyFrom(t1212->carryAmount);
        lastYear->t1212CarryForward.copyFrom(t1->t1212CarryForward);
    }

    if (auto *rrsp = wizardOf<TaxData_RRSPContrib>(*this, WizardType::Rrsp)) {
        if (auto *sch7 = formOf<TaxData_Sch7>(*this, FormType::SCH7))
            intoWizard(rrspContributions(*sch7, *rrsp));
        else if (t1)
            intoWizard(rrspLimits(*t1, rrsp->rrspDeductionLimit, rrsp->unusedRrspContributions));
    }
}

// The prefill of a new form.

void IndividualTaxData::prefillNewForm(TaxDataEntryStru *entry)
{
    CTaxData_Form *form = entry ? entry->data : nullptr;
    TaxData_T1New *t1 = t1Form();
    if (!form || !t1 || form->getType() > kLastPrefilledType)
        return;
    const QString fullName = t1->firstName.value() + ' ' + t1->lastName.value();
    const TabWndApp *app = appInstance();
    const CT1AppConfig *settings = app ? &app->config : nullptr;

    switch (form->getType()) {
    case FormType::T1:
        fillPreparerInfo();
        t1->preparerIndicator = 0;
        return;
    case FormType::SCH5:
        if (auto *sch5 = dynamic_cast<TaxData_Sch5 *>(form); sch5 && t1->CanClaimSpouse())
            sch5->spouseClaim = 1;
        return;
    case FormType::SCH7:
    case FormType::SCH11:
    case FormType::T1212:
        applyWizardData(WizardType::LastYear);
        return;
    case FormType::T776:
        if (auto *t776 = dynamic_cast<TaxData_T776New *>(form)) {
            t776->ownerName = fullName;
            t776->sin = t1->sin.value();
        }
        return;
    case FormType::T1163:
        if (auto *t1163 = dynamic_cast<TaxData_T1163New *>(form)) {
            t1163->firstName = t1->firstName.value();
            t1163->lastName = t1->lastName.value();
            t1163->sin = t1->sin.value();
        }
        return;
    case FormType::T2042:
        if (auto *t2042 = dynamic_cast<TaxData_T2042New *>(form)) {
            t2042->ownerName = fullName;
            t2042->sin = t1->sin.value();
        }
        return;
    case FormType::T2121:
        if (auto *t2121 = dynamic_cast<TaxData_T2121New *>(form)) {
            t2121->ownerName = fullName;
            t2121->sin = t1->sin.value();
        }
        return;
    case FormType::T2125:
    case FormType::T2125C:
        if (auto *t2125 = dynamic_cast<TaxData_T2125_New *>(form)) {
            t2125->ownerName = fullName;
            t2125->sin = t1->sin.value();
            if (form->getType() == FormType::T2125C)
                t2125->kind = 0;
        }
        return;
    case FormType::TL2:
        if (auto *tl2 = dynamic_cast<TaxData_TL2_New *>(form))
            tl2->sin = t1->sin.value();
        return;
    case FormType::RC71:
        if (auto *rc71 = dynamic_cast<CTaxData_RC71 *>(form); rc71 && settings) {
            rc71->businessName = settings->BusinessName;
            rc71->discounterCode = settings->DiscounterCode;
            rc71->businessAddress = QStringList{settings->BusinessAddr, settings->BusinessCity,
                                                settings->BusinessProv, settings->BusinessPostcode}
                                        .join(", ");
            rc71->businessPhone = settings->BusinessPhone;
        }
        return;
    case FormType::T183:
        if (auto *t183 = dynamic_cast<TaxData_T183New *>(form); t183 && settings) {
            t183->businessName = settings->BusinessName;
            if (!settings->BusinessEFileNum.isEmpty())
                t183->efileNumber = settings->BusinessEFileNum;
            t183->preAssessment = settings->PreAssessment;
            t183->postAssessment = settings->PostAssessment;
            t183->signDate = QDate();
        }
        return;
    case FormType::T1153:
        if (auto *t1153 = dynamic_cast<CTaxData_T1153 *>(form); t1153 && settings) {
            t1153->businessName = settings->BusinessName;
            t1153->discounterCode = settings->DiscounterCode;
            t1153->businessAddress = settings->BusinessAddr;
            t1153->efileNumber = settings->BusinessEFileNum;
            t1153->businessCity = settings->BusinessCity;
            t1153->businessProvince = settings->BusinessProv;
            t1153->businessPostalCode = settings->BusinessPostcode;
        }
        return;
    case FormType::T1135:
        if (auto *t1135 = dynamic_cast<TaxData_T1135New *>(form)) {
            QString given;
            CString second;
            splitFirstName(given, second);
            t1135->givenName = given;
            t1135->secondName = second;
            t1135->lastName = t1->lastName.value();
            t1135->sin = t1->sin.value();
            t1135->street = t1->street.value();
            t1135->city = t1->city.value();
            if (!t1->foreignAddress)
                t1135->province = t1->mailingProvince.value();
            t1135->postalCode = t1->postalCode.value();
            t1135->phone = t1->phone.value();
            t1135->countryCode = QString("CAN");
            t1135->periodFrom = QDate(TaxData_T1New::kTaxYear, 1, 1);
            t1135->periodTo = QDate(TaxData_T1New::kTaxYear, 12, 31);
        }
        return;
    case FormType::T1ADJ:
        if (auto *adjustment = dynamic_cast<CTaxData_T1ADJ *>(form))
            adjustment->requestDate.setCurTime();
        return;
    case FormType::T1013:
        if (auto *t1013 = dynamic_cast<TaxData_T1013New *>(form)) {
            t1013->formDate = now().date();
            t1013->phone = t1->phone.value();
        }
        return;
    case FormType::SCH6:
        if (auto *sch6 = dynamic_cast<TaxData_Sch6 *>(form))
            sch6->noEligibleSpouse = t1->CanClaimSpouse() ? 0 : 1;
        return;
    default:
        return;
    }
}

// The T1's identification.

namespace {

QString t1Text(const TaxData_T1New *t1, CStringField TaxData_T1New::*field)
{
    return t1 ? QString((t1->*field).value()) : QString();
}

QDate t1Date(const TaxData_T1New *t1, CDateField TaxData_T1New::*field)
{
    return t1 ? (t1->*field).date() : QDate();
}

} // namespace

QString IndividualTaxData::getSIN()
{
    return t1Text(t1Form(), &TaxData_T1New::sin);
}

QString IndividualTaxData::getFirstName()
{
    return t1Text(t1Form(), &TaxData_T1New::firstName);
}

QString IndividualTaxData::getLastName()
{
    return t1Text(t1Form(), &TaxData_T1New::lastName);
}

void IndividualTaxData::splitFirstName(QString &givenName, CString &secondName)
{
    const QString first = getFirstName().trimmed();
    const int blank = first.lastIndexOf(QLatin1Char(' '));
    givenName = blank < 0 ? first : first.left(blank).trimmed();
    secondName = blank < 0 ? QString() : first.mid(blank + 1);
}

QDate IndividualTaxData::getBirthDate()
{
    return t1Date(t1Form(), &TaxData_T1New::birthDate);
}

QString IndividualTaxData::getSpouseSIN()
{
    return t1Text(t1Form(), &TaxData_T1New::spouseSin);
}

QString IndividualTaxData::getSpouseFirstName()
{
    return t1Text(t1Form(), &TaxData_T1New::spouseFirstName);
}

QString IndividualTaxData::getSpouseLastName()
{
    return t1Text(t1Form(), &TaxData_T1New::spouseLastName);
}

QDate IndividualTaxData::getSpouseBirthDate()
{
    return t1Date(t1Form(), &TaxData_T1New::spouseBirthDate);
}
