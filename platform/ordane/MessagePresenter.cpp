// MessagePresenter: selection of the presenter in use and the shorthands.
#include "ordane/MessagePresenter.h"

#include "ordane/QtMessagePresenter.h"

namespace {
MessagePresenter *s_installed = nullptr;
} // namespace

MessagePresenter::~MessagePresenter() = default;

MessagePresenter &MessagePresenter::current()
{
    static QtMessagePresenter qtPresenter;
    return s_installed ? *s_installed : qtPresenter;
}

MessagePresenter *MessagePresenter::install(MessagePresenter *presenter)
{
    MessagePresenter *before = s_installed;
    s_installed = presenter;
    return before;
}

QMessageBox::StandardButton presentMessage(QMessageBox::Icon icon, QWidget *parent,
                                           const QString &title, const QString &text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton)
{
    MessageRequest request;
    request.icon = icon;
    request.parent = parent;
    request.title = title;
    request.text = text;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return MessagePresenter::current().showMessage(request);
}

bool presentTextInput(QWidget *parent, const QString &title, const QString &label, QString &value)
{
    TextInputRequest request;
    request.parent = parent;
    request.title = title;
    request.label = label;
    return MessagePresenter::current().getText(request, value);
}
