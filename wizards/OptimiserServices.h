// OptimiserServices: the optimise and tax-planning commands' wizard and dialogs.
#pragma once

#include <QString>

class DataShareAmtDlg;
class FamilyTaxData;
class Form_Return;
class QWidget;
struct NeighbourServices;

// The shareable-amounts wizard, the optimiser with its dialog, and tax planning.
void installOptimiserServices(NeighbourServices &services);

// The "Identify Shareable Amounts" wizard over the amounts; 1 when "Optimize" was pressed.
int runShareAmountsWizard(Form_Return *editor, DataShareAmtDlg &amounts);
// Shares the amounts on the copy and shows DlgOptimizeReturn over it; 1 when the user chose
// "Set T1032 and Close", with the optimiser's split. A coupled return whose taxpayer has no
// T1 is refused with the not-coupled message before anything runs.
int runOptimizeReturn(FamilyTaxData &copy, DataShareAmtDlg &amounts, QWidget *parent,
                      double &pensionSplit);
// DlgTaxPlanning over the copy; its result, which the command ignores.
int runTaxPlanning(FamilyTaxData &copy, QWidget *parent);

// "Right now, optimize function is only targeted coupled tax return for married/common-law
// tax returns."
QString notCoupledText();
