// BaseTaxPage: binding, refresh, commit and the recalculation signal of a form page.
#include "marrow/BaseTaxPage.h"

#include "marrow/CTaxData_Form.h"
#include "ordane/MyEvent.h"

#include <QCoreApplication>

BaseTaxPage::BaseTaxPage(CTaxData_Form *form, QWidget *editor, const QString &title)
    : QWidget(editor), m_form(form), m_editor(editor), m_title(title)
{
    m_binder.setFieldHolder(form);
    connect(&m_binder, &FieldBinder::fieldChanged, this, &BaseTaxPage::onFieldChanged);
}

BaseTaxPage::~BaseTaxPage()
{
    // Children still losing focus while the page goes must not reach the binder.
    m_binder.clear();
}

QString BaseTaxPage::getTitle() const
{
    return m_title;
}

void BaseTaxPage::bindFields()
{
    if (m_form)
        m_binder.bindOwner(this, *m_form);
}

void BaseTaxPage::setDeferredRows(std::function<void()> rows)
{
    m_deferredRows = std::move(rows);
}

void BaseTaxPage::syncData()
{
    if (!m_form)
        return;
    if (!m_bound) {
        if (m_deferredRows) {
            const std::function<void()> rows = std::move(m_deferredRows);
            m_deferredRows = nullptr;
            // Widgets made inside a page on screen would only show after a later turn of
            // the event loop; made inside a hidden one, they show with it at once.
            const bool onScreen = isVisible();
            if (onScreen)
                hide();
            rows();
            if (onScreen)
                show();
        }
        bindFields();
        m_bound = true;
    }
    m_binder.showAll();
}

void BaseTaxPage::refresh()
{
    if (m_form && m_bound)
        m_binder.showAll();
}

void BaseTaxPage::commit()
{
    if (m_form && m_bound)
        m_binder.storeAll();
}

void BaseTaxPage::postToEditor(MyEvent *event)
{
    if (m_editor)
        QCoreApplication::postEvent(m_editor, event);
    else
        delete event;
}

void BaseTaxPage::onFieldChanged(CField *field)
{
    if (m_form)
        emit signalCalc(m_form, field);
}
