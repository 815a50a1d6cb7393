// NeighbourServices: the commands of filing, download, wizards and printing that the editor and
// the main window reach, one entry each, filled by the program's start-up.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class DataDlgChangeProv;
class DataShareAmtDlg;
class FamilyTaxData;
class DataNewReturnBasic;
class Form_Return;
class QWidget;
struct ImportOptions;

// ui/ links none of the libraries above it: they fill these entries from app/entry. An empty
// entry means the command is not in this build; the caller then says so and changes nothing.
struct NeighbourServices
{
    // Download: the Auto-fill My Return dialog of stored downloads (the editor may be null).
    std::function<void(Form_Return *editor, QWidget *parent)> autoFillMyReturn;

    // Wizards and dialogs; each answers 1 when accepted.
    // The new-return wizard fills the answers the command made.
    std::function<int(DataNewReturnBasic &answers, QWidget *parent)> newReturnWizard;
    // The couple wizard gives back the two return files the user picked.
    std::function<int(QWidget *parent, QString &firstPath, QString &secondPath)>
        coupleReturnsWizard;
    // The import options dialog edits the options in place (accepted: not 0).
    std::function<int(ImportOptions &options, QWidget *parent)> importPriorYearReturn;
    // The "Change Tax Province" wizard over the editor's answers.
    std::function<int(Form_Return *editor, DataDlgChangeProv &answers)> changeProvince;
    // Lets the user pick the person to keep and, accepted, takes the other one's data out.
    std::function<int(Form_Return *editor)> decoupleReturn;
    // The "Identify Shareable Amounts" wizard over the amounts the editor filled.
    std::function<int(Form_Return *editor, DataShareAmtDlg &amounts)> shareAmounts;
    // The what-if dialog on a copy of the return; the return itself never changes.
    std::function<int(FamilyTaxData &copy, QWidget *parent)> taxPlanning;
    // Shares the amounts between the spouses of the copy and runs the optimiser on it; 1 from
    // its "Set T1032 and Close" button, with the pension split it chose.
    std::function<int(FamilyTaxData &copy, DataShareAmtDlg &amounts, QWidget *parent,
                      double &pensionSplit)>
        optimizeReturn;

    // Printing and e-signature.
    std::function<void(Form_Return *editor)> generatePrint;
    std::function<void(Form_Return *editor)> printToPdf;
    std::function<void(Form_Return *editor, int formType)> sendFormForSignature;
    std::function<void(Form_Return *editor, int formType)> querySignatureStatus;
    std::function<int(Form_Return *editor, int formType, bool filed, const QString &confirmation,
                      const QString &message)>
        reportFiling;
    std::function<void(bool writeTestData)> generateDeveloperFiles;

    // Filing.
    std::function<void(Form_Return *editor)> setReFile;
    std::function<void(Form_Return *editor)> clearReFileFlag;
    std::function<void(Form_Return *editor)> fileT1135Online;
    std::function<void(Form_Return *editor)> internetFiling;
};

// The one table of the run.
NeighbourServices &neighbourServices();
// The names of the table's empty entries, in its order; none once start-up installed every
// library above ui/ (the start-up test checks it). An entry added to the table must be named
// in it too: a size check in NeighbourServices.cpp refuses to build until it is.
QStringList emptyEntries(const NeighbourServices &services);

// "%1 is not available in this build yet." with the command's menu text.
QString notAvailableText(const QString &command);
// Shows that text (parent as the message helpers take it).
void showNotAvailable(const QString &command, QWidget *parent = nullptr);
