// dlgGeneralInput: the framework's one-line input dialog under up to four message lines.
#pragma once

#include <QString>

class QWidget;

class dlgGeneralInput
{
public:
    static constexpr int kLines = 4;

    dlgGeneralInput(QWidget *parent, const QString &title);

    // Lines 0 to kLines - 1; a line left unset shows as an empty line.
    void setMessageLine(int line, const QString &text);
    // Hides what is typed (passwords).
    void setPasswordEntry(bool on) { m_password = on; }
    // The message lines as the dialog shows them, up to the last one set.
    QString message() const;

    // Shows the dialog through the message presenter; true with the accepted text in value.
    bool getInput(QString &value);

private:
    QWidget *m_parent;
    QString m_title;
    QString m_lines[kLines];
    bool m_password = false;
};
