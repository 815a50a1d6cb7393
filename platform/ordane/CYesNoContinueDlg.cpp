// CYesNoContinueDlg: the warning question, shown through the message presenter.
#include "ordane/CYesNoContinueDlg.h"

#include "ordane/CString.h"
#include "ordane/MessagePresenter.h"

bool CYesNoContinueDlg::warnYesNoMsg(QWidget *parent, const CString &title, const CString &text)
{
    return presentMessage(QMessageBox::Warning, parent, title, text,
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}
