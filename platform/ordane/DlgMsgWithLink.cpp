// DlgMsgWithLink: layout built in code; the link is rich text with its address escaped.
#include "ordane/DlgMsgWithLink.h"

#include "ordane/MessagePresenter.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

DlgMsgWithLink::DlgMsgWithLink(const QString &title, QWidget *parent)
    : BaseDialog(parent), m_msg1(new QLabel(this)), m_msg2(new QLabel(this)),
      m_link(new QLabel(this))
{
    setWindowTitle(title);
    setObjectName("DlgMsgWithLink");
    m_msg1->setObjectName("lblMsg1");
    m_msg2->setObjectName("lblMsg2");
    m_link->setObjectName("lblLink");
    for (QLabel *label : {m_msg1, m_msg2}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
    }
    m_link->setTextFormat(Qt::RichText);
    m_link->setOpenExternalLinks(true);
    m_link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_msg1);
    layout->addWidget(m_msg2);
    layout->addWidget(m_link);
    layout->addWidget(buttons);
    afterCreateUI();
}

void DlgMsgWithLink::afterCreateUI()
{
    BaseDialog::afterCreateUI();
    setMinimumWidth(420);
}

void DlgMsgWithLink::showEvent(QShowEvent *event)
{
    adjustSize();
    // Wrapped lines need the height their final width gives them.
    const int wanted = heightForWidth(width());
    if (wanted > height())
        resize(width(), wanted);
    BaseDialog::showEvent(event);
}

void DlgMsgWithLink::setMsg1(const QString &text)
{
    m_msg1->setText(text);
}

void DlgMsgWithLink::setMsg2(const QString &text)
{
    m_msg2->setText(text);
}

void DlgMsgWithLink::setLink(const QString &url)
{
    setLink2(url, url);
}

void DlgMsgWithLink::setLink2(const QString &url, const QString &caption)
{
    m_url = url;
    m_caption = caption;
    m_link->setText(linkHtml());
}

QString DlgMsgWithLink::linkHtml() const
{
    if (m_url.isEmpty())
        return QString();
    // Both go into markup: a quote or "<" in them must not end the attribute or add tags.
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(m_url.toHtmlEscaped(), m_caption.toHtmlEscaped());
}

LinkMessageRequest DlgMsgWithLink::request() const
{
    LinkMessageRequest r;
    r.parent = parentWidget();
    r.title = windowTitle();
    r.msg1 = m_msg1->text();
    r.msg2 = m_msg2->text();
    r.url = m_url;
    r.caption = m_caption;
    return r;
}

int DlgMsgWithLink::exec()
{
    LinkMessageRequest r = request();
    r.dialog = this;
    return MessagePresenter::current().showLinkMessage(r);
}

int DlgMsgWithLink::execModal()
{
    return QDialog::exec();
}
