// IndividualTaxData::convertFromPriorYear: last year's return made into this year's.
#include "model/IndividualTaxData.h"

#include "marrow/FederalSchedules.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TaxData_TaxNote.h"
#include "marrow/TypeCodes.h"
#include "model/ImportOptions.h"
#include "ordane/AmountTolerance.h"

#include <algorithm>
#include <iterator>

namespace {

// The NETFILE edition the keep query is asked with.
constexpr unsigned char kNetfileEdition = 2;

// Never carried into the new year.
constexpr int kAlwaysDropped[] = {8,
                                  34,
                                  58,
                                  FormType::FORM_100,
                                  FormType::FORM_114,
                                  FormType::FORM_120,
                                  FormType::FORM_134,
                                  FormType::FORM_141,
                                  FormType::T1KSREFILE};

// Above this the carried T1-M amount is not taken into the T1.
constexpr double kT1MCarryLimit = 20000.0;

template <typename Entry> void removeAllEntries(QList<Entry *> &list)
{
    for (Entry *entry : list) {
        delete entry->data;
        delete entry;
    }
    list.clear();
}

bool alwaysDropped(int type)
{
    return std::find(std::begin(kAlwaysDropped), std::end(kAlwaysDropped), type) !=
           std::end(kAlwaysDropped);
}

} // namespace

void IndividualTaxData::convertFromPriorYear(const ImportOptions &options)
{
    if (!hasForm(FormType::T1) && !hasForm(FormType::QC_TP1))
        return;

    // Last year's summary is kept as the prior-year copy.
    auto *summary = dynamic_cast<TaxData_T1KSNew *>(getForm(FormType::T1KS, 0, true));
    auto *prior = dynamic_cast<TaxData_T1KSNew *>(getForm(FormType::T1KSPRIOR, 0, true));
    if (summary && prior)
        *prior = *summary;

    QList<CTaxData_Form *> dropped;
    int schedule8Count = 0;
    for (TaxDataEntryStru *entry : m_formList) {
        CTaxData_Form *form = entry->data;
        if (!form)
            continue;
        const int type = form->getType();
        if ((!options.keepForms && !form->keepForNewYear(kNetfileEdition, m_province)) ||
            alwaysDropped(type)) {
            dropped.append(form);
        } else if (type == FormType::RC381) {
            dropped.append(form);
            ++schedule8Count;
        } else if (entry->type != FormType::T1KSPRIOR) {
            form->convertToNewYear(options.copyData || (IsSFDForm(type) && options.includeSFD));
        }
    }
    for (CTaxData_Form *form : dropped)
        removeForm(form, true, false);
    // A second Schedule 8 would leave neither found by its type.
    for (int i = 0; i < schedule8Count && !hasForm(FormType::SCH8); ++i) {
        auto *schedule8 = new TaxData_Sch8_14;
        schedule8->setCoupledReturn(m_coupled);
        m_formList.append(new TaxDataEntryStru{schedule8->getType(), takeNextId(), 0, schedule8});
    }

    if (m_t1mCarryAmount >= kAmountTolerance &&
        kT1MCarryLimit - m_t1mCarryAmount >= kAmountTolerance) {
        if (TaxData_T1New *t1 = t1Form())
            t1->t1mCarryAmount = m_t1mCarryAmount;
    }

    if (options.keepForms) {
        for (TaxDataEntryStru *entry : m_slipList) {
            if (entry->data)
                entry->data->convertToNewYear(options.copyData);
        }
    } else {
        removeAllEntries(m_slipList);
    }
    if (!options.keepNotes)
        removeAllEntries(m_noteList);
}
