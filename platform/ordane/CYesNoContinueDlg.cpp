// CYesNoContinueDlg: numbered lines and links with Continue and Stop, shown through the presenter.
#include "ordane/CYesNoContinueDlg.h"

#include "ordane/CString.h"
#include "ordane/MessagePresenter.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

bool CYesNoContinueDlg::warnYesNoMsg(QWidget *parent, const CString &title, const CString &text)
{
    return presentMessage(QMessageBox::Warning, parent, title, text,
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

CYesNoContinueDlg::CYesNoContinueDlg(const CString &title, QWidget *parent)
    : BaseDialog(parent), m_lines(new QVBoxLayout)
{
    setWindowTitle(title);
    setObjectName("CYesNoContinueDlg");
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *go = buttons->addButton(tr("Continue"), QDialogButtonBox::AcceptRole);
    go->setObjectName("btnContinue");
    go->setDefault(true);
    buttons->addButton(tr("Stop"), QDialogButtonBox::RejectRole)->setObjectName("btnStop");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_lines);
    layout->addStretch();
    layout->addWidget(buttons);
    afterCreateUI();
    setMinimumWidth(420);
}

QLabel *CYesNoContinueDlg::lineLabel(int line)
{
    QLabel *&label = m_labels[line];
    if (!label) {
        label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblLine%1").arg(line));
        label->setWordWrap(true);
        // Keep the labels in line order whatever order they were set in.
        m_lines->insertWidget(int(std::distance(m_labels.begin(), m_labels.find(line))), label);
    }
    return label;
}

void CYesNoContinueDlg::setMsg(int line, const CString &text, bool bold)
{
    m_texts[line] = text;
    m_bold[line] = bold;
    m_links.remove(line);
    QLabel *label = lineLabel(line);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

void CYesNoContinueDlg::setLinkMsg(int line, const CString &caption, const CString &link)
{
    m_texts[line] = caption;
    m_bold[line] = false;
    m_links[line] = link;
    QLabel *label = lineLabel(line);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    // Both go into markup: a quote or "<" must not end the attribute or add tags.
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                       .arg(QString(link).toHtmlEscaped(), QString(caption).toHtmlEscaped()));
}

void CYesNoContinueDlg::resize(int width, int height)
{
    m_size = QSize(width, height);
    QDialog::resize(width, height);
}

void CYesNoContinueDlg::showEvent(QShowEvent *event)
{
    if (m_size.isValid())
        QDialog::resize(m_size);
    else
        adjustSize();
    BaseDialog::showEvent(event);
}

ContinueDialogRequest CYesNoContinueDlg::request() const
{
    ContinueDialogRequest r;
    r.parent = parentWidget();
    r.title = windowTitle();
    for (auto it = m_texts.begin(); it != m_texts.end(); ++it)
        r.lines.append({it.key(), it.value(), m_bold.value(it.key()), m_links.value(it.key())});
    r.size = m_size;
    return r;
}

int CYesNoContinueDlg::exec()
{
    ContinueDialogRequest r = request();
    r.dialog = this;
    return MessagePresenter::current().showContinueDialog(r);
}

int CYesNoContinueDlg::execModal()
{
    return QDialog::exec() == QDialog::Accepted ? 1 : 0;
}
