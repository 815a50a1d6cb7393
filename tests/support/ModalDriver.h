// ModalDriver: answers real modal dialogs: records them, fills and ticks widgets, presses a button.
#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

#include "ScriptedPresenter.h"

struct ModalAction
{
    // line edit object name ("" for the first one) -> text; a combo box of that name makes
    // current the item whose data is that number
    QMap<QString, QString> fills;
    QMap<QString, bool> ticks; // checkable button object name -> checked
    QString button;            // button text without "&", any letter case
};

class ModalDriver : public QObject
{
    Q_OBJECT
public:
    // Starts polling for the active modal widget on the event loop.
    explicit ModalDriver(QObject *parent = nullptr);

    // One action per modal widget, in the order they appear.
    void queue(const ModalAction &action) { m_actions.append(action); }
    void pressButton(const QString &button) { queue(ModalAction{{}, {}, button}); }
    int pendingActions() const { return m_actions.size(); }
    // Called with each modal widget before its action is applied: a test reads what a dialog
    // shows beyond a title and a message box's text.
    void setInspector(const std::function<void(QWidget *)> &inspect) { m_inspect = inspect; }
    // Title and text of each modal widget handled; failures to apply an action are recorded
    // with kind "error".
    const QList<ShownMessage> &seen() const { return m_seen; }

private:
    void poll();

    QTimer m_timer;
    QList<ModalAction> m_actions;
    QList<ShownMessage> m_seen;
    std::function<void(QWidget *)> m_inspect;
    // The widgets whose button click is still running.
    QList<QPointer<QWidget>> m_clicking;
};
