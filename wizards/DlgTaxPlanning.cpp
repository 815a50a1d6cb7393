// DlgTaxPlanning: the plan's four amounts written into the copy and its income summaries.
#include "wizards/DlgTaxPlanning.h"
#include "ui_DlgTaxPlanning.h"

#include "app/WaitCursor.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int kFullNameKey = 17;

enum RowIndex
{
    RRSPRow,
    DonationRow,
    IncomeRow,
    DeductionRow,
    RowCount
};

QString amountText(double amount)
{
    return QString::number(amount, 'f', 0);
}

// A slider position: the amount truncated, within what a slider can hold.
int position(double amount)
{
    return int(std::min(amount, double(INT_MAX)));
}

// "%1 - %2": a name and an income summary.
QString resultLine(const QString &name, const QString &summary)
{
    return QStringLiteral("%1 - %2").arg(name, summary);
}

} // namespace

DlgTaxPlanning::DlgTaxPlanning(FamilyTaxData *copy, QWidget *parent)
    : QDialog(parent), ui(new Ui::DlgTaxPlanning), m_copy(copy)
{
    ui->setupUi(this);
    setWindowTitle(tr("Tax Planning"));
    for (QLineEdit *edit :
         {ui->edtRRSPMax, ui->edtDonationMax, ui->edtIncomeMax, ui->edtDeductionMax})
        connect(edit, &QLineEdit::editingFinished, this, &DlgTaxPlanning::onLineEditFinished);
    connect(ui->sldRRSP, &QSlider::valueChanged, this, &DlgTaxPlanning::onSliderRRSPChanged);
    connect(ui->sldDonation, &QSlider::valueChanged, this,
            &DlgTaxPlanning::onSliderDonationChanged);
    connect(ui->sldIncome, &QSlider::valueChanged, this, &DlgTaxPlanning::onSliderIncomeChanged);
    connect(ui->sldDeduction, &QSlider::valueChanged, this,
            &DlgTaxPlanning::onSliderDeductionChanged);
    showBeforeResult();
    onLineEditFinished();
}

DlgTaxPlanning::~DlgTaxPlanning() = default;

DlgTaxPlanning::Row DlgTaxPlanning::row(int index)
{
    switch (index) {
    case RRSPRow:
        return {ui->edtRRSPMax, ui->lblCurRRSP, ui->sldRRSP, &m_maxRRSP, &m_rrsp};
    case DonationRow:
        return {ui->edtDonationMax, ui->lblCurDonation, ui->sldDonation, &m_maxDonation,
                &m_donation};
    case IncomeRow:
        return {ui->edtIncomeMax, ui->lblCurIncome, ui->sldIncome, &m_maxIncome, &m_income};
    default:
        return {ui->edtDeductionMax, ui->lblCurDeduction, ui->sldDeduction, &m_maxDeduction,
                &m_deduction};
    }
}

void DlgTaxPlanning::fillLines(QLabel *person, QLabel *partner, QLabel *family)
{
    IndividualTaxData *shown = m_copy->getCurrentPersonData();
    person->setText(resultLine(m_name, shown ? QString(shown->getIncomeSummary()) : QString()));
    IndividualTaxData *other = m_coupled ? m_copy->getPartnerData() : nullptr;
    if (other) {
        partner->setText(resultLine(m_partnerName, other->getIncomeSummary()));
        family->setText(resultLine(tr("Family Result"), m_copy->getIncomeSummary()));
    } else {
        partner->clear();
        family->clear();
    }
}

void DlgTaxPlanning::showBeforeResult()
{
    m_coupled = m_copy->isCoupled();
    IndividualTaxData *person = m_copy->getCurrentPersonData();
    if (person)
        person->getTextByKey(kFullNameKey, m_name);
    if (m_coupled) {
        if (IndividualTaxData *other = m_copy->getPartnerData())
            other->getTextByKey(kFullNameKey, m_partnerName);
    }
    fillLines(ui->lblResult1_2, ui->lblResult2_2, ui->lblResult3_2);
    if (person) {
        if (auto *sch7 = formOf<TaxData_Sch7>(*person, FormType::SCH7)) {
            m_maxRRSP = sch7->rrspDeductionLimit;
            m_rrsp = sch7->f24600;
        }
        if (auto *sch9 = formOf<TaxData_Sch9>(*person, FormType::SCH9)) {
            m_maxDonation = sch9->totalDonations();
            m_donation = m_maxDonation;
        }
    }
    ui->edtRRSPMax->setText(amountText(m_maxRRSP));
    ui->edtDonationMax->setText(amountText(m_maxDonation));
    showAfterResult();
}

void DlgTaxPlanning::showAfterResult()
{
    fillLines(ui->lblResult1_1, ui->lblResult2_1, ui->lblResult3_1);
}

void DlgTaxPlanning::onLineEditFinished()
{
    for (int index = 0; index < RowCount; ++index) {
        const Row r = row(index);
        // An edit still showing the maximum it was given keeps the maximum's cents: the
        // whole dollars shown must not become the maximum when another edit finishes.
        double maximum = *r.maximum;
        const QString text = r.maximumEdit->text().trimmed();
        if (text != amountText(maximum)) {
            bool ok = false;
            maximum = text.toDouble(&ok);
            if (!ok || !std::isfinite(maximum) || maximum < 0)
                maximum = 0;
        }
        *r.maximum = maximum;
        r.maximumEdit->setText(amountText(maximum));
        if (*r.amount > maximum)
            *r.amount = maximum;
        // A changed position runs the row's slot, and with it the plan.
        r.slider->setRange(0, position(maximum));
        r.slider->setValue(position(*r.amount));
    }
}

void DlgTaxPlanning::takeSliderValue(int index, int value)
{
    const Row r = row(index);
    *r.amount = value;
    r.currentLabel->setText(amountText(value));
    applyPlan();
}

void DlgTaxPlanning::onSliderRRSPChanged(int value)
{
    takeSliderValue(RRSPRow, value);
}

void DlgTaxPlanning::onSliderDonationChanged(int value)
{
    takeSliderValue(DonationRow, value);
}

void DlgTaxPlanning::onSliderIncomeChanged(int value)
{
    takeSliderValue(IncomeRow, value);
}

void DlgTaxPlanning::onSliderDeductionChanged(int value)
{
    takeSliderValue(DeductionRow, value);
}

void DlgTaxPlanning::applyPlan()
{
    WaitCursorScope wait;
    IndividualTaxData *person = m_copy->getCurrentPersonData();
    if (!person)
        return;
    if (auto *sch7 = formOf<TaxData_Sch7>(*person, FormType::SCH7, true)) {
        sch7->rrspDeductionLimit = m_maxRRSP;
        sch7->contribMarToDec = m_rrsp;
        sch7->spouseContribMarToDec = 0.0;
        m_copy->Recalculate(0, sch7);
    }
    if (m_donation > 0) {
        if (auto *sch9 = formOf<TaxData_Sch9>(*person, FormType::SCH9, true)) {
            sch9->donations = m_donation;
            sch9->otherGifts = 0.0;
            m_copy->Recalculate(0, sch9);
        }
    }
    if (auto *t1 = formOf<TaxData_T1New>(*person, FormType::T1)) {
        t1->incomeItem = m_income;
        t1->deductionItem = m_deduction;
        m_copy->Recalculate(0, t1);
    }
    showAfterResult();
}
