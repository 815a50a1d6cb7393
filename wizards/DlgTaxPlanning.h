// DlgTaxPlanning: the what-if dialog; RRSP, donation, income and deduction amounts of the
// person shown, tried on a copy of the return with sliders.
#pragma once

#include "ordane/CString.h"

#include <QDialog>
#include <memory>

class FamilyTaxData;
class QLabel;
class QLineEdit;
class QSlider;

namespace Ui {
class DlgTaxPlanning;
}

class DlgTaxPlanning : public QDialog
{
    Q_OBJECT
public:
    // The copy is not owned; the open return never sees what the plan writes into it.
    DlgTaxPlanning(FamilyTaxData *copy, QWidget *parent);
    ~DlgTaxPlanning() override;

    // The "before" lines and the start amounts read from Schedules 7 and 9.
    void showBeforeResult();
    // The "after" lines from the copy as it stands.
    void showAfterResult();
    // Writes the four amounts into the copy, recalculating after each form.
    void applyPlan();

public slots:
    // Applies the four maximum edits: a text that is not a number, or a negative one, is 0.
    void onLineEditFinished();
    void onSliderRRSPChanged(int value);
    void onSliderDonationChanged(int value);
    void onSliderIncomeChanged(int value);
    void onSliderDeductionChanged(int value);

private:
    struct Row
    {
        QLineEdit *maximumEdit;
        QLabel *currentLabel;
        QSlider *slider;
        double *maximum;
        double *amount;
    };
    Row row(int index);
    void takeSliderValue(int index, int value);
    void fillLines(QLabel *person, QLabel *partner, QLabel *family);

    std::unique_ptr<Ui::DlgTaxPlanning> ui;
    FamilyTaxData *m_copy;
    double m_maxRRSP = 0;
    double m_maxDonation = 0;
    double m_maxIncome = 0;
    double m_maxDeduction = 0;
    double m_rrsp = 0;
    double m_donation = 0;
    double m_income = 0;
    double m_deduction = 0;
    bool m_coupled = false;
    CString m_name;
    CString m_partnerName;
};
