// WizardServices: the editor's and main window's entries that the wizards library fills at
// start-up, and the wizards those entries run.
#pragma once

#include <QString>
#include <memory>

class DataDlgChangeProv;
class FamilyTaxData;
class QWidget;
struct ImportOptions;
struct NeighbourServices;
class TabWndApp;
class WizardBase;

// Couple Returns, Import, Change Province and De-couple.
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
