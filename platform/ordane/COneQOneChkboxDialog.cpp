// COneQOneChkboxDialog: icon, question, check box and Yes/No, laid out in code.
#include "ordane/COneQOneChkboxDialog.h"

#include "ordane/MessagePresenter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

COneQOneChkboxDialog::COneQOneChkboxDialog(const CheckQuestionRequest &request, bool checked)
    : BaseDialog(request.parent), m_check(new QCheckBox(request.checkText, this))
{
    setWindowTitle(request.title);
    setObjectName("COneQOneChkboxDialog");
    m_check->setObjectName("chkOption");
    m_check->setChecked(checked);
    auto *icon = new QLabel(this);
    icon->setPixmap(QMessageBox::standardIcon(request.icon));
    auto *question = new QLabel(request.question, this);
    question->setObjectName("lblQuestion");
    question->setTextFormat(Qt::PlainText);
    question->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
    // A wrong Enter must not confirm what may delete a file.
    buttons->button(QDialogButtonBox::No)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(question, 0, 1);
    layout->addWidget(m_check, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    afterCreateUI();
}

bool COneQOneChkboxDialog::isChecked() const
{
    return m_check->isChecked();
}

int COneQOneChkboxDialog::showDialog(QWidget *parent, const QString &title, const QString &question,
                                     const QString &checkText, bool &checked,
                                     QMessageBox::Icon icon)
{
    CheckQuestionRequest request;
    request.icon = icon;
    request.parent = parent;
    request.title = title;
    request.question = question;
    request.checkText = checkText;
    bool state = checked;
    const int confirmed = MessagePresenter::current().askWithCheckBox(request, state);
    if (confirmed == 1)
        checked = state;
    return confirmed == 1 ? 1 : 0;
}
