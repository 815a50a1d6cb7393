// ScrollTaxForm: the scroll area that holds one page (or a help page) in an editor tab.
#pragma once

#include <QPointer>
#include <QScrollArea>

class ScrollTaxForm : public QScrollArea
{
    Q_OBJECT
public:
    // The content is owned from here on; the colour is a text the colour parser reads.
    ScrollTaxForm(const QString &colour, QWidget *parent, QWidget *content);

    // An empty or unreadable colour leaves the style's own background.
    void setBKColor(const QString &colour);
    QWidget *getCtntWgt() const { return m_content; }

private:
    QPointer<QWidget> m_content;
};
