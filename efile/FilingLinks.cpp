// FilingLinks: how the filing dialogs show links: selectable, usable by mouse and keyboard.
#include "efile/FilingLinks.h"

#include <QLabel>

void setLinkLabel(QLabel *label, const QString &html)
{
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(kLinkInteraction);
    label->setOpenExternalLinks(true);
    label->setText(html);
}
