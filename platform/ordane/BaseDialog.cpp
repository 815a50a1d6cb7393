// BaseDialog: the common finishing of a dialog's window.
#include "ordane/BaseDialog.h"

BaseDialog::BaseDialog(QWidget *parent) : QDialog(parent) {}

void BaseDialog::afterCreateUI()
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    adjustSize();
}
