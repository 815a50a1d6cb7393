// OptimiserServices: the wizard and dialogs the editor's optimise and tax-planning commands run.
#include "wizards/OptimiserServices.h"

#include "app/MessageHelpers.h"
#include "marrow/TypeCodes.h"
#include "model/DataShareAmtDlg.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ordane/WizardBase.h"
#include "ui/Form_Return.h"
#include "ui/NeighbourServices.h"
#include "wizards/DlgOptimizeReturn.h"
#include "wizards/DlgTaxPlanning.h"
#include "wizards/ShareAmtDlg_tab1.h"

#include <QAbstractButton>
#include <QObject>

QString notCoupledText()
{
    return QObject::tr("Right now, optimize function is only targeted coupled tax return for "
                       "married/common-law tax returns.");
}

int runShareAmountsWizard(Form_Return *editor, DataShareAmtDlg &amounts)
{
    WizardBase wizard(editor, QObject::tr("Identify Shareable Amounts"));
    wizard.addPage(new ShareAmtDlg_tab1(&amounts, editor ? editor->family() : nullptr, &wizard));
    wizard.initUI(930, 540);
    wizard.setButtonText(QWizard::FinishButton, QObject::tr("Optimize"));
    return wizard.exec() == QDialog::Accepted ? 1 : 0;
}

int runOptimizeReturn(FamilyTaxData &copy, DataShareAmtDlg &amounts, QWidget *parent,
                      double &pensionSplit)
{
    // Every step needs both T1s; a return coupled through the spouse's form alone has none.
    if (!copy.isCoupled() || !copy.taxpayer()->hasForm(FormType::T1) ||
        !copy.spouse()->hasForm(FormType::T1)) {
        showInformation(notCoupledText(), parent);
        return 0;
    }
    copy.ShareAmountsBetweenSpouses(amounts);
    DlgOptimizeReturn dialog(&copy, &amounts, parent);
    const int result = dialog.exec() == QDialog::Accepted ? 1 : 0;
    pensionSplit = dialog.bestSplit();
    return result;
}

int runTaxPlanning(FamilyTaxData &copy, QWidget *parent)
{
    DlgTaxPlanning dialog(&copy, parent);
    return dialog.exec();
}

void installOptimiserServices(NeighbourServices &services)
{
    services.shareAmounts = runShareAmountsWizard;
    services.optimizeReturn = runOptimizeReturn;
    services.taxPlanning = runTaxPlanning;
}
