// MessagePresenter: the one way boxes and input dialogs reach the user, replaceable by tests.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

struct MessageRequest
{
    QMessageBox::Icon icon = QMessageBox::Information;
    QWidget *parent = nullptr;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

struct TextInputRequest
{
    QWidget *parent = nullptr;
    QString title;
    QString label;
    bool password = false; // hide what is typed
};

class MessagePresenter
{
public:
    virtual ~MessagePresenter();
    // Shows a box modally; returns the button pressed (NoButton or the escape button when the
    // box was closed otherwise).
    virtual QMessageBox::StandardButton showMessage(const MessageRequest &request) = 0;
    // Asks for one line of text; value holds the initial text and, when true is returned,
    // the accepted text.
    virtual bool getText(const TextInputRequest &request, QString &value) = 0;

    // The presenter in use: the installed one, or the one showing real Qt dialogs.
    static MessagePresenter &current();
    // Installs a presenter (not owned) and returns the one installed before; null restores
    // the Qt dialogs.
    static MessagePresenter *install(MessagePresenter *presenter);
};

// Shorthands in the shape of the QMessageBox statics.
QMessageBox::StandardButton
presentMessage(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
bool presentTextInput(QWidget *parent, const QString &title, const QString &label, QString &value);
