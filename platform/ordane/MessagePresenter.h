// MessagePresenter: the one way boxes and input dialogs reach the user, replaceable by tests.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QSize>
#include <QString>

class CYesNoContinueDlg;
class DlgMsgWithLink;
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

// A question with one check box (COneQOneChkboxDialog).
struct CheckQuestionRequest
{
    QMessageBox::Icon icon = QMessageBox::Question;
    QWidget *parent = nullptr;
    QString title;
    QString question;
    QString checkText;
};

// A message with a link (DlgMsgWithLink): two lines and the link's address and caption.
struct LinkMessageRequest
{
    QWidget *parent = nullptr;
    QString title;
    QString msg1;
    QString msg2;
    QString url;
    QString caption;
    DlgMsgWithLink *dialog = nullptr; // the caller's dialog to run, when it made one
};

// A warning of numbered lines, some of them links, with Continue and Stop (CYesNoContinueDlg).
struct ContinueDialogRequest
{
    struct Line
    {
        int number = 0;
        QString text; // a link's caption
        bool bold = false;
        QString link; // empty for a line of text
    };
    QWidget *parent = nullptr;
    QString title;
    QList<Line> lines;                   // ascending line numbers
    QSize size;                          // invalid: the dialog fits its content
    CYesNoContinueDlg *dialog = nullptr; // the caller's dialog to run, when it made one
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
    // Asks the question with Yes and No; checked holds the box's first state and, afterwards,
    // its last. Returns 1 when confirmed (Yes), else 0.
    virtual int askWithCheckBox(const CheckQuestionRequest &request, bool &checked) = 0;
    // Shows the message with its link modally; returns the dialog's result (1 for Ok).
    virtual int showLinkMessage(const LinkMessageRequest &request) = 0;
    // Shows the warning modally; 1 when the user continues, else 0.
    virtual int showContinueDialog(const ContinueDialogRequest &request) = 0;

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
