// The new-return wizard's construction.
#include "wizards/NewReturnWizard.h"

#include "model/DataNewReturnBasic.h"
#include "ordane/WizardBase.h"
#include "wizards/NewReturnBasic_FormOption.h"
#include "wizards/NewReturnBasic_Spouse.h"
#include "wizards/NewReturnBasic_tab1.h"

#include <QObject>

std::unique_ptr<WizardBase> makeNewReturnWizard(DataNewReturnBasic &answers, QWidget *parent)
{
    auto wizard = std::make_unique<WizardBase>(parent, QObject::tr("Create a new tax return"));
    wizard->addPage(new NewReturnBasic_tab1(&answers, wizard.get()));
    wizard->addPage(new NewReturnBasic_Spouse(&answers, wizard.get()));
    wizard->addPage(new NewReturnBasic_FormOption(&answers, wizard.get()));
    wizard->initUI(700, 470);
    return wizard;
}

int runNewReturnWizard(DataNewReturnBasic &answers, QWidget *parent)
{
    const std::unique_ptr<WizardBase> wizard = makeNewReturnWizard(answers, parent);
    return wizard->exec() == QDialog::Accepted ? 1 : 0;
}
