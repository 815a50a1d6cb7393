// StyledDateEdit: the lowest date stands for "no date" and is shown as a blank.
#include "ordane/StyledDateEdit.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
// Lower than any date a return holds.
const QDate kEmptyMarker(1752, 9, 14);
} // namespace

const char *const StyledDateEdit::kFormat = "yyyy/MM/dd";

StyledDateEdit::StyledDateEdit(QWidget *parent) : QDateEdit(parent)
{
    setDisplayFormat(kFormat);
    setCalendarPopup(true);
    setMinimumDate(kEmptyMarker);
    // The special text must not be empty, or Qt shows the marker date itself.
    setSpecialValueText(" ");
    setDate(kEmptyMarker);
    setFocusPolicy(Qt::StrongFocus);
}

QDate StyledDateEdit::dateValue() const
{
    return isEmpty() ? QDate() : date();
}

void StyledDateEdit::setDateValue(const QDate &d)
{
    setDate(d.isValid() && d > kEmptyMarker ? d : kEmptyMarker);
}

bool StyledDateEdit::isEmpty() const
{
    return date() <= kEmptyMarker;
}

void StyledDateEdit::mousePressEvent(QMouseEvent *event)
{
    if (isEmpty() && calendarWidget())
        calendarWidget()->setSelectedDate(QDate::currentDate());
    QDateEdit::mousePressEvent(event);
}

void StyledDateEdit::keyPressEvent(QKeyEvent *event)
{
    const bool erase = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace;
    if (erase && !isEmpty() && lineEdit()->selectedText() == text()) {
        setDateValue(QDate());
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
}
