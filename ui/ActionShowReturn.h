// ActionShowReturn: the Windows-menu entry of one open return.
#pragma once

#include <QAction>
#include <QPointer>

class Form_Return;

class ActionShowReturn : public QAction
{
    Q_OBJECT
public:
    ActionShowReturn(Form_Return *editor, const QString &text, QObject *parent);
    ~ActionShowReturn() override;

    Form_Return *editor() const { return m_editor; }

private:
    QPointer<Form_Return> m_editor;
};
