// ModalDriver: drives the modal widget that QApplication reports as active.
#include "ModalDriver.h"

#include "ordane/CYesNoContinueDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

ModalDriver::ModalDriver(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
    m_timer.start();
}

void ModalDriver::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || m_actions.isEmpty() || m_clicking.contains(modal))
        return;
    const ModalAction action = m_actions.takeFirst();

    ShownMessage shown{"modal", modal->windowTitle(), QString(), modal};
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        shown.text = box->text();
    else if (auto *input = qobject_cast<QInputDialog *>(modal))
        shown.text = input->labelText();
    else if (auto *warning = qobject_cast<CYesNoContinueDlg *>(modal)) {
        QStringList texts;
        for (const ContinueDialogRequest::Line &line : warning->request().lines)
            texts.append(line.text);
        shown.text = texts.join('\n');
        shown.size = warning->size();
    }
    m_seen.append(shown);
    if (m_inspect)
        m_inspect(modal);

    for (auto it = action.fills.begin(); it != action.fills.end(); ++it) {
        const QList<QLineEdit *> edits = modal->findChildren<QLineEdit *>(it.key());
        auto *combo = edits.isEmpty() ? modal->findChild<QComboBox *>(it.key()) : nullptr;
        if (combo) {
            const int index = combo->findData(it.value().toInt());
            if (index >= 0)
                combo->setCurrentIndex(index);
            else
                m_seen.append({"error", "no combo box item", it.key(), modal});
        } else if (edits.isEmpty()) {
            m_seen.append({"error", "no line edit", it.key(), modal});
        } else {
            edits.first()->setText(it.value());
        }
    }
    for (auto it = action.ticks.begin(); it != action.ticks.end(); ++it) {
        auto *box = modal->findChild<QAbstractButton *>(it.key());
        if (box)
            box->setChecked(it.value());
        else
            m_seen.append({"error", "no checkable button", it.key(), modal});
    }
    const QList<QAbstractButton *> buttons = modal->findChildren<QAbstractButton *>();
    for (QAbstractButton *b : buttons) {
        if (QString(b->text()).remove('&').compare(action.button, Qt::CaseInsensitive) == 0) {
            // Clicked from the event loop, not from this timer: a dialog the click opens runs
            // a loop of its own, in which this timer must fire again to answer it. While the
            // click runs (a post waiting for its reply), its widget gets no further action.
            const QPointer<QAbstractButton> button(b);
            const QPointer<QWidget> target(modal);
            QTimer::singleShot(0, this, [this, button, target] {
                if (!button)
                    return;
                m_clicking.append(target);
                button->click();
                m_clicking.removeOne(target);
            });
            return;
        }
    }
    m_seen.append({"error", "no button", action.button, modal});
}
