// StyledCheckBox: the check box bound to a flag field.
#pragma once

#include <QCheckBox>

class StyledCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit StyledCheckBox(QWidget *parent = nullptr);
    StyledCheckBox(const QString &text, QWidget *parent = nullptr);
};
