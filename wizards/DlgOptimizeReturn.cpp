// DlgOptimizeReturn: sliders over the copy's pension split and donation division.
#include "wizards/DlgOptimizeReturn.h"
#include "ui_DlgOptimizeReturn.h"

#include "app/WaitCursor.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TypeCodes.h"
#include "model/DataShareAmtDlg.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"
#include "ordane/CString.h"

#include <QSignalBlocker>

namespace {

QString amountText(double amount)
{
    return QString::number(amount, 'f', 2);
}

// A slider position: the amount truncated towards zero.
int position(double amount)
{
    return int(amount);
}

TaxData_T1032_New *election(IndividualTaxData &person)
{
    return formOf<TaxData_T1032_New>(person, FormType::T1032, true);
}

TaxData_Sch9 *gifts(IndividualTaxData &person)
{
    return formOf<TaxData_Sch9>(person, FormType::SCH9, true);
}

// Sets a slider from the code: the copy changes only when the user moves it.
void placeSlider(QSlider *slider, double amount)
{
    const QSignalBlocker blocker(slider);
    slider->setValue(position(amount));
}

} // namespace

DlgOptimizeReturn::DlgOptimizeReturn(FamilyTaxData *copy, DataShareAmtDlg *data, QWidget *parent)
    : QDialog(parent), ui(new Ui::DlgOptimizeReturn), m_copy(copy), m_data(data)
{
    ui->setupUi(this);
    m_maxSplit = m_data->fld_Pension_1;
    m_totalDonations = m_data->fld_Donation_1 + m_data->fld_Donation_2 + m_data->fld_Donation_3;
    IndividualTaxData &taxpayer = *m_copy->taxpayer();
    IndividualTaxData &spouse = *m_copy->spouse();
    TaxData_T1032_New *mine = election(taxpayer);
    if (mine && election(spouse))
        m_currentSplit = mine->electedAmount;
    if (gifts(taxpayer) && gifts(spouse))
        m_currentDonation = m_data->fld_Donation_1 + m_data->fld_Donation_3 * 0.5;
    m_bestSplit = m_currentSplit;
    m_bestDonation = m_currentDonation;
    setWindowTitle(tr("Optimize Tax Return"));
    connect(ui->sldPensionSplit, &QSlider::valueChanged, this,
            &DlgOptimizeReturn::onSliderPensionChanged);
    connect(ui->sldDonation, &QSlider::valueChanged, this,
            &DlgOptimizeReturn::onSliderDonationChanged);
    connect(ui->btnReCalc, &QPushButton::clicked, this, &DlgOptimizeReturn::on_btnReCalc);
}

DlgOptimizeReturn::~DlgOptimizeReturn() = default;

void DlgOptimizeReturn::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    IndividualTaxData &taxpayer = *m_copy->taxpayer();
    IndividualTaxData &spouse = *m_copy->spouse();
    const QString first = taxpayer.fullName();
    const QString second = spouse.fullName();
    for (QLabel *label : {ui->lblName1, ui->lblFullName1, ui->lblBestFullName1})
        label->setText(first);
    for (QLabel *label : {ui->lblName2, ui->lblFullName2, ui->lblBestFullName2})
        label->setText(second);
    ui->lblMaxPension->setText(amountText(m_maxSplit));
    ui->lblMaxDonation->setText(amountText(m_totalDonations));
    {
        const QSignalBlocker pension(ui->sldPensionSplit);
        const QSignalBlocker donation(ui->sldDonation);
        ui->sldPensionSplit->setRange(0, position(m_maxSplit));
        ui->sldDonation->setRange(0, position(m_totalDonations));
    }
    refreshResults();
    ui->lblBestResultTitle->setText(
        tr("Best Result: pension split = [%1]").arg(amountText(m_bestSplit)));
    ui->lblBestResult1->setText(taxpayer.getIncomeSummary());
    ui->lblBestResult2->setText(spouse.getIncomeSummary());
    ui->lblFamilyBest->setText(m_copy->getIncomeSummary());
}

void DlgOptimizeReturn::refreshResults()
{
    placeSlider(ui->sldPensionSplit, m_currentSplit);
    ui->edtPension->setText(amountText(m_currentSplit));
    placeSlider(ui->sldDonation, m_currentDonation);
    ui->edtDonation1->setText(amountText(m_currentDonation));
    ui->edtDonation2->setText(amountText(m_totalDonations - m_currentDonation));
    ui->lblResult1->setText(m_copy->taxpayer()->getIncomeSummary());
    ui->lblResult2->setText(m_copy->spouse()->getIncomeSummary());
    ui->lblFamilyResult->setText(m_copy->getIncomeSummary());
}

int DlgOptimizeReturn::applyValues()
{
    IndividualTaxData &taxpayer = *m_copy->taxpayer();
    IndividualTaxData &spouse = *m_copy->spouse();
    TaxData_Sch9 *giftsMine = gifts(taxpayer);
    TaxData_Sch9 *giftsTheirs = gifts(spouse);
    if (giftsMine && giftsTheirs) {
        giftsMine->donationSharing = m_currentDonation - m_data->fld_Donation_1;
        giftsTheirs->donationSharing =
            m_totalDonations - m_currentDonation - m_data->fld_Donation_2;
    }
    int result = m_copy->Recalculate(0, giftsMine);
    TaxData_T1032_New *mine = election(taxpayer);
    TaxData_T1032_New *theirs = election(spouse);
    if (mine && theirs) {
        mine->electedAmount = m_currentSplit;
        theirs->electedAmount = m_currentSplit;
    }
    result = m_copy->Recalculate(0, mine);
    return result;
}

void DlgOptimizeReturn::onSliderPensionChanged(int value)
{
    WaitCursorScope wait;
    m_currentSplit = value;
    applyValues();
    refreshResults();
}

void DlgOptimizeReturn::onSliderDonationChanged(int value)
{
    WaitCursorScope wait;
    m_currentDonation = value;
    applyValues();
    refreshResults();
}

void DlgOptimizeReturn::on_btnReCalc()
{
    WaitCursorScope wait;
    m_currentDonation = m_bestDonation;
    placeSlider(ui->sldDonation, m_currentDonation);
    m_currentSplit = m_bestSplit;
    placeSlider(ui->sldPensionSplit, m_currentSplit);
    applyValues();
    refreshResults();
}

void DlgOptimizeReturn::on_btnOptimize_clicked()
{
    accept();
}

void DlgOptimizeReturn::on_btnClose_clicked()
{
    reject();
}
