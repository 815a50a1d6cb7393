// AFR_Message: the Auto-fill wizard's notice of what Auto-fill does not fill.
#pragma once

#include "ordane/PpgWizardPage.h"

#include <memory>

namespace Ui {
class AFR_Message;
}

class AFR_Message : public PpgWizardPage
{
    Q_OBJECT
public:
    // On the wizard's Auto-fill choice, which it neither shows nor changes.
    AFR_Message(CWSBaseData *data, QWidget *parent = nullptr);
    ~AFR_Message() override;

    // Binds nothing: the page only shows.
    void bindFields() override {}
    bool validatePage() override { return true; }

private:
    std::unique_ptr<Ui::AFR_Message> ui;
};
