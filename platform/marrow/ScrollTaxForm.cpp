// ScrollTaxForm: background colour of the area and of its content.
#include "marrow/ScrollTaxForm.h"

#include <QColor>

ScrollTaxForm::ScrollTaxForm(const QString &colour, QWidget *parent, QWidget *content)
    : QScrollArea(parent), m_content(content)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    if (content)
        setWidget(content);
    setBKColor(colour);
}

void ScrollTaxForm::setBKColor(const QString &colour)
{
    const QColor c(colour);
    QPalette p = palette();
    if (c.isValid()) {
        p.setColor(QPalette::Window, c);
        p.setColor(QPalette::Base, c);
    } else {
        p = QPalette();
    }
    setPalette(p);
    viewport()->setAutoFillBackground(c.isValid());
    if (m_content) {
        m_content->setAutoFillBackground(c.isValid());
        m_content->setPalette(p);
    }
}
