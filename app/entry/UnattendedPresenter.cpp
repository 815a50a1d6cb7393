// UnattendedPresenter: every box and question declined without being shown.
#include "app/entry/UnattendedPresenter.h"

#include <QDebug>

QMessageBox::StandardButton UnattendedPresenter::showMessage(const MessageRequest &request)
{
    qInfo().noquote() << "not shown (unattended):" << request.title << "-" << request.text;
    return QMessageBox::NoButton;
}

bool UnattendedPresenter::getText(const TextInputRequest &request, QString &)
{
    qInfo().noquote() << "not asked (unattended):" << request.title;
    return false;
}

int UnattendedPresenter::askWithCheckBox(const CheckQuestionRequest &request, bool &)
{
    qInfo().noquote() << "not asked (unattended):" << request.title << "-" << request.question;
    return 0;
}

int UnattendedPresenter::showLinkMessage(const LinkMessageRequest &request)
{
    qInfo().noquote() << "not shown (unattended):" << request.title << "-" << request.msg1;
    return 0;
}

int UnattendedPresenter::showContinueDialog(const ContinueDialogRequest &request)
{
    qInfo().noquote() << "not shown (unattended):" << request.title;
    return 0;
}
