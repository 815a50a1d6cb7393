// DlgMsgWithLink: a message of two lines with a link that opens in the browser.
#pragma once

#include "ordane/BaseDialog.h"

class QLabel;
struct LinkMessageRequest;

class DlgMsgWithLink : public BaseDialog
{
    Q_OBJECT
public:
    DlgMsgWithLink(const QString &title, QWidget *parent = nullptr);

    void setMsg1(const QString &text);
    void setMsg2(const QString &text);
    // The link shown as its own address.
    void setLink(const QString &url);
    // The link shown with a caption.
    void setLink2(const QString &url, const QString &caption);

    // Goes through the message presenter, so a test's presenter answers it.
    int exec() override;
    // The dialog itself, modal (the program's presenter runs this).
    int execModal();

    LinkMessageRequest request() const;
    QString linkHtml() const;

protected:
    // The texts come after construction: the size follows them when the dialog shows.
    void showEvent(QShowEvent *event) override;

private:
    void afterCreateUI() override;

    QLabel *m_msg1;
    QLabel *m_msg2;
    QLabel *m_link;
    QString m_url;
    QString m_caption;
};
