// StringLineEdit: the line edit bound to a text field.
#pragma once

#include <QLineEdit>

class StringLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit StringLineEdit(QWidget *parent = nullptr);
};
