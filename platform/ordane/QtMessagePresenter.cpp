// QtMessagePresenter: modal QMessageBox and QInputDialog.
#include "ordane/QtMessagePresenter.h"

#include "ordane/COneQOneChkboxDialog.h"
#include "ordane/CString.h"
#include "ordane/CYesNoContinueDlg.h"
#include "ordane/DlgMsgWithLink.h"

#include <QInputDialog>

QMessageBox::StandardButton QtMessagePresenter::showMessage(const MessageRequest &request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons, request.parent);
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool QtMessagePresenter::getText(const TextInputRequest &request, QString &value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(
        request.parent, request.title, request.label,
        request.password ? QLineEdit::Password : QLineEdit::Normal, value, &ok);
    if (ok)
        value = text;
    return ok;
}

int QtMessagePresenter::askWithCheckBox(const CheckQuestionRequest &request, bool &checked)
{
    COneQOneChkboxDialog dialog(request, checked);
    const int result = dialog.exec();
    checked = dialog.isChecked();
    return result == QDialog::Accepted ? 1 : 0;
}

int QtMessagePresenter::showLinkMessage(const LinkMessageRequest &request)
{
    if (request.dialog)
        return request.dialog->execModal();
    DlgMsgWithLink dialog(request.title, request.parent);
    dialog.setMsg1(request.msg1);
    dialog.setMsg2(request.msg2);
    if (!request.url.isEmpty())
        dialog.setLink2(request.url, request.caption);
    return dialog.execModal();
}

int QtMessagePresenter::showContinueDialog(const ContinueDialogRequest &request)
{
    if (request.dialog)
        return request.dialog->execModal();
    CYesNoContinueDlg dialog(request.title, request.parent);
    for (const ContinueDialogRequest::Line &line : request.lines) {
        if (line.link.isEmpty())
            dialog.setMsg(line.number, line.text, line.bold);
        else
            dialog.setLinkMsg(line.number, line.text, line.link);
    }
    if (request.size.isValid())
        dialog.resize(request.size.width(), request.size.height());
    return dialog.execModal();
}
