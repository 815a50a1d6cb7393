// ScriptedPresenter: answers boxes and input dialogs from a script and records what was shown.
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include "ordane/MessagePresenter.h"

struct ShownMessage
{
    ShownMessage() = default;
    ShownMessage(const QString &kind, const QString &title, const QString &text,
                 QWidget *parent = nullptr, const QString &link = QString())
        : kind(kind), title(title), text(text), link(link), parent(parent)
    {
    }

    // "information", "question", "warning", "critical", "input", "window", "empty entries"
    // (both from a scenario child, ScenarioRunner.h), "checkquestion" (a question with a check
    // box), "link" (a message with a link) or "continue" (a warning of numbered lines,
    // CYesNoContinueDlg)
    QString kind;
    QString title;
    QString text; // a link message's two lines are joined by "\n"
    QString link; // a link message's URL
    // A continue warning's lines, "number: text", a link as "number: caption <url>"; its text
    // is the lines' texts (a link's caption) joined by "\n", and size the size it was given.
    QStringList lines;
    QSize size;
    QWidget *parent = nullptr; // only meaningful in the process that showed it
};

class ScriptedPresenter : public MessagePresenter
{
public:
    // Installs itself; the destructor puts back the presenter that was installed before.
    ScriptedPresenter();
    ~ScriptedPresenter() override;

    // Answers given in order, one per box. With none left, a box answers its default button
    // or, without one, the lowest-valued button it offers (Ok before Yes before No ...).
    void queueAnswer(QMessageBox::StandardButton answer) { m_answers.append(answer); }
    // Texts given in order to input dialogs; with none left the dialog is cancelled.
    void queueText(const QString &text) { m_texts.append(text); }
    // States given in order to the check boxes of questions; with none left a box keeps the
    // state it was shown with.
    void queueCheck(bool checked) { m_checks.append(checked); }
    // Each shown box is also appended to this file as one JSON line (for a parent process).
    void setRecordFile(const QString &path) { m_recordFile = path; }

    const QList<ShownMessage> &shown() const { return m_shown; }
    QStringList shownTexts() const;
    void clear() { m_shown.clear(); }

    QMessageBox::StandardButton showMessage(const MessageRequest &request) override;
    bool getText(const TextInputRequest &request, QString &value) override;
    // Answered from the queued answers (Yes confirms); with none left, No.
    int askWithCheckBox(const CheckQuestionRequest &request, bool &checked) override;
    // Answered Ok.
    int showLinkMessage(const LinkMessageRequest &request) override;
    // Answered from the queued answers (Yes or Ok continues); with none left, continues.
    int showContinueDialog(const ContinueDialogRequest &request) override;

    static void appendRecord(const QString &file, const ShownMessage &message);
    static QList<ShownMessage> readRecords(const QString &file);

private:
    void record(const ShownMessage &message);

    MessagePresenter *m_previous;
    QList<QMessageBox::StandardButton> m_answers;
    QStringList m_texts;
    QList<bool> m_checks;
    QList<ShownMessage> m_shown;
    QString m_recordFile;
};
