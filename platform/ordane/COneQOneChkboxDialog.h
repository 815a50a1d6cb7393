// COneQOneChkboxDialog: a Yes/No question with one check box.
#pragma once

#include "ordane/BaseDialog.h"

#include <QMessageBox>

class QCheckBox;
struct CheckQuestionRequest;

class COneQOneChkboxDialog : public BaseDialog
{
    Q_OBJECT
public:
    COneQOneChkboxDialog(const CheckQuestionRequest &request, bool checked);

    bool isChecked() const;

    // Asks through the message presenter; 1 when confirmed, and checked takes the box's state
    // (it keeps its value when the question is not confirmed).
    static int showDialog(QWidget *parent, const QString &title, const QString &question,
                          const QString &checkText, bool &checked,
                          QMessageBox::Icon icon = QMessageBox::Question);

private:
    QCheckBox *m_check;
};
