// WizardServices: the entries the wizards library fills at start-up and the wizards they run.
#include "wizards/WizardServices.h"

#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "marrow/TypeCodes.h"
#include "model/DataShareAmtDlg.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ordane/WizardBase.h"
#include "ui/Form_Return.h"
#include "ui/NeighbourServices.h"
#include "wizards/DlgChangeProv_tab1.h"
#include "wizards/DlgCoupleReturn_tab1.h"
#include "wizards/DlgDeCoupleReturn.h"
#include "wizards/DlgImportOption_Info.h"
#include "wizards/DlgOptimizeReturn.h"
#include "wizards/DlgTaxPlanning.h"
#include "wizards/NewReturnWizard.h"
#include "wizards/ShareAmtDlg_tab1.h"

#include <QAbstractButton>
#include <QObject>

void installWizardServices(NeighbourServices &services)
{
    services.newReturnWizard = runNewReturnWizard;
    services.coupleReturnsWizard = runCoupleReturnsWizard;
    services.importPriorYearReturn = runImportOptionsDialog;
    services.changeProvince = [](Form_Return *editor, DataDlgChangeProv &answers) {
        return runChangeProvinceWizard(answers, editor);
    };
    services.decoupleReturn = [](Form_Return *editor) {
        return runDeCoupleDialog(editor ? editor->family() : nullptr, editor);
    };
    services.shareAmounts = runShareAmountsWizard;
    services.optimizeReturn = runOptimizeReturn;
    services.taxPlanning = runTaxPlanning;
}

std::unique_ptr<WizardBase> makeCoupleReturnsWizard(TabWndApp *app, QWidget *parent)
{
    auto wizard = std::make_unique<WizardBase>(parent, QObject::tr("Couple Two Returns Together"));
    wizard->setWizardStyle(QWizard::ModernStyle);
    wizard->setOption(QWizard::NoBackButtonOnStartPage, true);
    wizard->addPage(new DlgCoupleReturn_tab1(app, wizard.get()));
    wizard->initUI(700, 370);
    return wizard;
}

int runCoupleReturnsWizard(QWidget *parent, QString &firstPath, QString &secondPath)
{
    const std::unique_ptr<WizardBase> wizard = makeCoupleReturnsWizard(appInstance(), parent);
    if (wizard->exec() != QDialog::Accepted)
        return 0;
    const auto *page = static_cast<DlgCoupleReturn_tab1 *>(wizard->page(0));
    firstPath = page->firstPath();
    secondPath = page->secondPath();
    return 1;
}

std::unique_ptr<WizardBase> makeChangeProvinceWizard(DataDlgChangeProv &answers, QWidget *parent)
{
    auto wizard = std::make_unique<WizardBase>(parent, QObject::tr("Change Tax Province"));
    wizard->addPage(new DlgChangeProv_tab1(&answers, wizard.get()));
    wizard->initUI(770, 640);
    return wizard;
}

int runChangeProvinceWizard(DataDlgChangeProv &answers, QWidget *parent)
{
    const std::unique_ptr<WizardBase> wizard = makeChangeProvinceWizard(answers, parent);
    return wizard->exec() == QDialog::Accepted ? 1 : 0;
}

int runImportOptionsDialog(ImportOptions &options, QWidget *parent)
{
    DlgImportOption_Info dialog(&options, parent);
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}

int runDeCoupleDialog(FamilyTaxData *family, QWidget *parent)
{
    if (!family)
        return 0;
    DlgDeCoupleReturn dialog(family, parent);
    dialog.setWindowTitle(QObject::tr("De-Couple Tax Return"));
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}

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
