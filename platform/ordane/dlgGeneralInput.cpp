// dlgGeneralInput: message lines joined into the presenter's input request.
#include "ordane/dlgGeneralInput.h"

#include "ordane/MessagePresenter.h"

#include <QStringList>

dlgGeneralInput::dlgGeneralInput(QWidget *parent, const QString &title)
    : m_parent(parent), m_title(title)
{
}

void dlgGeneralInput::setMessageLine(int line, const QString &text)
{
    if (line >= 0 && line < kLines)
        m_lines[line] = text;
}

QString dlgGeneralInput::message() const
{
    int last = kLines - 1;
    while (last >= 0 && m_lines[last].isEmpty())
        --last;
    QStringList lines;
    for (int i = 0; i <= last; ++i)
        lines.append(m_lines[i]);
    return lines.join('\n');
}

bool dlgGeneralInput::getInput(QString &value)
{
    TextInputRequest request;
    request.parent = m_parent;
    request.title = m_title;
    request.label = message();
    request.password = m_password;
    return MessagePresenter::current().getText(request, value);
}
