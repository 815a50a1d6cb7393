// QtMessagePresenter: the program's presenter, showing real Qt message boxes and input dialogs.
#pragma once

#include "ordane/MessagePresenter.h"

class QtMessagePresenter : public MessagePresenter
{
public:
    QMessageBox::StandardButton showMessage(const MessageRequest &request) override;
    bool getText(const TextInputRequest &request, QString &value) override;
    int askWithCheckBox(const CheckQuestionRequest &request, bool &checked) override;
    int showLinkMessage(const LinkMessageRequest &request) override;
    int showContinueDialog(const ContinueDialogRequest &request) override;
};
