// StringLineEdit: a plain line edit; the binder sets its width from the field.
#include "ordane/StringLineEdit.h"

StringLineEdit::StringLineEdit(QWidget *parent) : QLineEdit(parent) {}
