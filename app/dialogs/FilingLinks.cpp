// FilingLinks: how the filing and download dialogs show links: selectable, usable by mouse and
// keyboard.
#include "app/dialogs/FilingLinks.h"

#include <QLabel>

void setLinkLabel(QLabel *label, const QString &html)
{
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(kLinkInteraction);
    label->setOpenExternalLinks(true);
    label->setText(html);
}
