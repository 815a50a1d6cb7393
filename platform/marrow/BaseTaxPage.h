// BaseTaxPage: a page of a form, its widgets bound to the form's fields.
#pragma once

#include "ordane/FieldBinder.h"

#include <QPointer>
#include <QWidget>
#include <functional>

#include "ordane/CField.h"
class CTaxData_Form;
class MyEvent;

class BaseTaxPage : public QWidget
{
    Q_OBJECT
public:
    // The editor is the page's first parent and receives its events; the page is later
    // placed inside a scroll area. Neither the form nor the editor is owned.
    BaseTaxPage(CTaxData_Form *form, QWidget *editor, const QString &title = QString());
    ~BaseTaxPage() override;

    // The tab text.
    virtual QString getTitle() const;
    // Makes the deferred rows and binds the widgets (the first time), and shows the form's
    // values.
    virtual void syncData();
    // Shows the form's values again; a page never synchronised has nothing to show yet.
    virtual void refresh();
    // Stores every bound widget in the form, the one being edited included; no signal.
    virtual void commit();

    // Rows that cost much to make (a form of many pages) may wait until the page is first
    // synchronised, which the editor does when the page is first shown: the factory hands them
    // over here, and they are made once, before the widgets are bound.
    void setDeferredRows(std::function<void()> rows);
    // True once syncData has run: the rows exist and the widgets are bound.
    bool isSynced() const { return m_bound; }

    // Null once the form is gone: the return frees forms while their pages wait for deletion.
    CTaxData_Form *form() const { return m_form; }
    FieldBinder &binder() { return m_binder; }

    // Posts the event to the editor, which takes it; without an editor it is dropped.
    void postToEditor(MyEvent *event);

signals:
    // A bound field was changed by the user and left.
    void signalCalc(CTaxData_Form *form, CField *field);

protected:
    // Binds the widgets named after the form's fields; a page may bind more.
    virtual void bindFields();

private:
    void onFieldChanged(CField *field);

    QPointer<CTaxData_Form> m_form;
    QPointer<QWidget> m_editor;
    FieldBinder m_binder;
    QString m_title;
    std::function<void()> m_deferredRows;
    bool m_bound = false;
};
