// The message helpers over the framework's boxes.
#include "app/MessageHelpers.h"

#include "app/TabWndApp.h"
#include "ordane/MessagePresenter.h"
#include "ordane/MsgBox.h"

namespace {
QWidget *orMainWindow(QWidget *parent)
{
    return parent ? parent : mainWindowWidget();
}
} // namespace

int showInformation(const CString &text, QWidget *parent)
{
    gMsgInformation(AppEdition, text, orMainWindow(parent));
    return 1;
}

bool askQuestion(const CString &text, QWidget *parent)
{
    const int answer = gMsgQuestion(AppEdition, text, orMainWindow(parent));
    return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}

int askQuestionButtons(const CString &text, QWidget *parent, QMessageBox::StandardButtons buttons)
{
    return presentMessage(QMessageBox::Question, parent, gMsgGetTitle(AppEdition), text, buttons,
                          QMessageBox::NoButton);
}
