// ActionShowReturn: carries the editor it shows.
#include "ui/ActionShowReturn.h"

#include "ui/Form_Return.h"

ActionShowReturn::ActionShowReturn(Form_Return *editor, const QString &text, QObject *parent)
    : QAction(text, parent), m_editor(editor)
{
}

ActionShowReturn::~ActionShowReturn() = default;
