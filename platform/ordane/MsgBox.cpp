// The framework's message boxes, shown through the message presenter.
#include "ordane/MsgBox.h"

#include "ordane/MessagePresenter.h"

CString gMsgGetTitle(unsigned char edition)
{
    switch (edition) {
    case 1:
        return CString("Quorvandelle 2025 EFILE");
    case 2:
        return CString("Quorvandelle 2025 NETFILE");
    default:
        return CString("Quorvandelle 2025");
    }
}

int gMsgInformation(unsigned char edition, const CString &text, QWidget *parent)
{
    return presentMessage(QMessageBox::Information, parent, gMsgGetTitle(edition), text,
                          QMessageBox::Ok);
}

int gMsgQuestion(unsigned char edition, const CString &text, QWidget *parent)
{
    return presentMessage(QMessageBox::Question, parent, gMsgGetTitle(edition), text,
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
}
