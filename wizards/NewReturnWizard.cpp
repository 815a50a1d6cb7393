// The new-return wizard's construction.
#include "wizards/NewReturnWizard.h"

#include "model/DataNewReturnBasic.h"
#include "ordane/WizardBase.h"
#include "wizards/NewReturnBasic_FormOption.h"
#include "wizards/NewReturnBasic_Spouse.h"
#include "wizards/NewReturnBasic_tab1.h"

#include <QObject>

int runNewReturnWizard(DataNewReturnBasic &answers, QWidget *parent)
{
    WizardBase wizard(parent, QObject::tr("Create a new tax return"));
    wizard.addPage(new NewReturnBasic_tab1(&answers, &wizard));
    wizard.addPage(new NewReturnBasic_Spouse(&answers, &wizard));
    wizard.addPage(new NewReturnBasic_FormOption(&answers, &wizard));
    wizard.initUI(700, 470);
    return wizard.exec() == QDialog::Accepted ? 1 : 0;
}
