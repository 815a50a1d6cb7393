// BaseDialog: base of the framework's dialogs.
#pragma once

#include <QDialog>

class BaseDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BaseDialog(QWidget *parent = nullptr);

protected:
    // Runs once the dialog has built its widgets: no "?" button, size fitted to the content.
    virtual void afterCreateUI();
};
