// AFR_Message: builds its form.
#include "download/AFR_Message.h"
#include "ui_AFR_Message.h"

AFR_Message::AFR_Message(CWSBaseData *data, QWidget *parent)
    : PpgWizardPage(data, nullptr, parent), ui(new Ui::AFR_Message)
{
    ui->setupUi(this);
}

AFR_Message::~AFR_Message() = default;
