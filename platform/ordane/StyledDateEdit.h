// StyledDateEdit: the date edit bound to a date field, "yyyy/MM/dd", which may be empty.
#pragma once

#include <QDateEdit>

class StyledDateEdit : public QDateEdit
{
    Q_OBJECT
public:
    explicit StyledDateEdit(QWidget *parent = nullptr);

    // The date shown; a null date when the edit is empty.
    QDate dateValue() const;
    // A null or invalid date empties the edit.
    void setDateValue(const QDate &date);
    bool isEmpty() const;

    static const char *const kFormat;

protected:
    // An empty edit opens its calendar on today rather than on the empty marker.
    void mousePressEvent(QMouseEvent *event) override;
    // Delete or Backspace over the whole selected text empties the edit.
    void keyPressEvent(QKeyEvent *event) override;
};
