// StyledCheckBox: takes the keyboard focus by tab and by click.
#include "ordane/StyledCheckBox.h"

StyledCheckBox::StyledCheckBox(QWidget *parent) : QCheckBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

StyledCheckBox::StyledCheckBox(const QString &text, QWidget *parent) : QCheckBox(text, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}
