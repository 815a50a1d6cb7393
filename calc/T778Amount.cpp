// Earned income for the T778 and the T778 amount of the e-file line records.
#include "marrow/BusinessForms.h"
#include "marrow/FederalForms.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"

#include <utility>

namespace {

// The employment amounts that both the earned income and the T778 amount count: line 10100,
// the second employment income, other employment income and the disability benefits.
double employmentPart(const TaxData_T1New &t1)
{
    return t1.f10100 + t1.employmentIncome2 + t1.other10400A + t1.f15200;
}

double statementNetIncome(const TaxDataEntryStru *entry)
{
    switch (entry->type) {
    case FormType::T1163:
        if (auto *form = dynamic_cast<const TaxData_T1163New *>(entry->data))
            return form->netIncome;
        return 0;
    case FormType::T2042:
        if (auto *form = dynamic_cast<const TaxData_T2042New *>(entry->data))
            return form->netIncome;
        return 0;
    case FormType::T2121:
        if (auto *form = dynamic_cast<const TaxData_T2121New *>(entry->data))
            return form->netIncome;
        return 0;
    case FormType::T2125:
    case FormType::T2125C:
        if (auto *form = dynamic_cast<const TaxData_T2125_New *>(entry->data))
            return form->countedNetIncome();
        return 0;
    default:
        return 0;
    }
}

} // namespace

double IndividualTaxData::GetEarnedIncomeForT778()
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return 0;
    double earned = employmentPart(*t1);
    if (t1->f12200 >= kAmountTolerance)
        earned += t1->f12200;
    for (const TaxDataEntryStru *entry : std::as_const(m_formList)) {
        const double net = statementNetIncome(entry);
        if (net >= kAmountTolerance)
            earned += net;
    }
    return earned;
}

double IndividualTaxData::getT778Amount()
{
    const TaxData_T1New *t1 = t1Form();
    auto *t778 = formOf<TaxData_T778New>(*this, FormType::T778);
    if (!t1 || !t778)
        return 0;
    return GetEarnedIncomeForT778() -
           (employmentPart(*t1) + t1->getSelfEmploymentIncomeWithoutLoss()) + t778->amount;
}
