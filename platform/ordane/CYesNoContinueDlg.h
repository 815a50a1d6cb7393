// CYesNoContinueDlg: the warning that asks whether to go on, as the review before filing uses it.
#pragma once

#include "ordane/BaseDialog.h"

#include <QMap>
#include <QSize>

class CString;
class QLabel;
class QVBoxLayout;
class QWidget;
struct ContinueDialogRequest;

class CYesNoContinueDlg : public BaseDialog
{
    Q_OBJECT
public:
    CYesNoContinueDlg(const CString &title, QWidget *parent);

    // Shows the text under the title with Yes (go on) and No; true when the user goes on.
    static bool warnYesNoMsg(QWidget *parent, const CString &title, const CString &text);

    // The text of a line; lines show in the order of their numbers.
    void setMsg(int line, const CString &text, bool bold = false);
    // A line holding a link shown by its caption.
    void setLinkMsg(int line, const CString &caption, const CString &link);
    // A size the dialog keeps instead of fitting its content.
    void resize(int width, int height);

    // Goes through the message presenter; 1 when the user continues, else 0.
    int exec() override;
    // The dialog itself, modal (the program's presenter runs this).
    int execModal();

    ContinueDialogRequest request() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *lineLabel(int line);

    QVBoxLayout *m_lines;
    QMap<int, QLabel *> m_labels;
    QMap<int, QString> m_texts;
    QMap<int, bool> m_bold;
    QMap<int, QString> m_links;
    QSize m_size;
};
