// DlgOptimizeReturn: the optimiser's outcome on the copy of a coupled return, with sliders to
// try other pension splits and donation divisions.
#pragma once

#include <QDialog>
#include <memory>

class DataShareAmtDlg;
class FamilyTaxData;

namespace Ui {
class DlgOptimizeReturn;
}

class DlgOptimizeReturn : public QDialog
{
    Q_OBJECT
public:
    // The copy the optimiser divided and the page's amounts; neither is owned. Both T1032 and
    // both Schedule 9 forms of the copy are made when missing.
    DlgOptimizeReturn(FamilyTaxData *copy, DataShareAmtDlg *data, QWidget *parent = nullptr);
    ~DlgOptimizeReturn() override;

    // The optimiser's split, whatever the slider shows: what "Set T1032 and Close" writes.
    double bestSplit() const { return m_bestSplit; }
    double currentSplit() const { return m_currentSplit; }
    double currentDonationShare() const { return m_currentDonation; }

    // Writes the current donation share and split into the copy and recalculates it.
    int applyValues();
    // The sliders and edits show the current amounts, the result lines the copy.
    void refreshResults();

    // Back to the best split and donation share, then one recalculation and refresh.
    void on_btnReCalc();

public slots:
    void on_btnOptimize_clicked();
    void on_btnClose_clicked();
    void onSliderPensionChanged(int value);
    void onSliderDonationChanged(int value);

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::DlgOptimizeReturn> ui;
    FamilyTaxData *m_copy;
    DataShareAmtDlg *m_data;
    double m_maxSplit = 0;
    double m_totalDonations = 0;
    double m_currentSplit = 0;
    double m_currentDonation = 0;
    double m_bestSplit = 0;
    double m_bestDonation = 0;
};
