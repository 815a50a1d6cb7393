// WizardServices: the editor's and main window's entries that the wizards library fills at
// start-up, and the wizards those entries run.
#pragma once

#include <QString>
#include <memory>

class DataDlgChangeProv;
class DataShareAmtDlg;
class FamilyTaxData;
class Form_Return;
class QWidget;
struct ImportOptions;
struct NeighbourServices;
class TabWndApp;
class WizardBase;

// New Return, Couple Returns, Import, Change Province, De-couple, the shareable-amounts
// wizard, the optimiser with its dialog, and tax planning.
void installWizardServices(NeighbourServices &services);

// The wizards bound and sized, ready to run: "Couple Two Returns Together" (its one page a
// DlgCoupleReturn_tab1, the file dialog's folders from the application) and "Change Tax
// Province" over the answers.
std::unique_ptr<WizardBase> makeCoupleReturnsWizard(TabWndApp *app, QWidget *parent);
std::unique_ptr<WizardBase> makeChangeProvinceWizard(DataDlgChangeProv &answers, QWidget *parent);

// "Couple Two Returns Together": 1 with the two paths when finished, else 0 and the paths
// untouched.
int runCoupleReturnsWizard(QWidget *parent, QString &firstPath, QString &secondPath);
// "Change Tax Province" over the answers; 1 when finished, else 0.
int runChangeProvinceWizard(DataDlgChangeProv &answers, QWidget *parent);
// The import options dialog over the record; 1 when Import was pressed, else 0.
int runImportOptionsDialog(ImportOptions &options, QWidget *parent);
// "De-Couple Tax Return" over the return file; 1 when a person was taken out, else 0.
int runDeCoupleDialog(FamilyTaxData *family, QWidget *parent);

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
