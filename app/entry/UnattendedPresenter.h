// UnattendedPresenter: the presenter of a run that no person watches.
#pragma once

#include "ordane/MessagePresenter.h"

// Shows nothing and declines everything, at once: a box is closed (NoButton), an input is
// cancelled, a question is answered No, a warning stops. What would have been shown goes to
// the standard error, so the run's output says why a file failed.
class UnattendedPresenter : public MessagePresenter
{
public:
    QMessageBox::StandardButton showMessage(const MessageRequest &request) override;
    bool getText(const TextInputRequest &request, QString &value) override;
    int askWithCheckBox(const CheckQuestionRequest &request, bool &checked) override;
    int showLinkMessage(const LinkMessageRequest &request) override;
    int showContinueDialog(const ContinueDialogRequest &request) override;
};
