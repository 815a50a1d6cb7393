// QtMessagePresenter: modal QMessageBox and QInputDialog.
#include "ordane/QtMessagePresenter.h"

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
