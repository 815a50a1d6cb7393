// FilingLinks: how the filing and download dialogs show links: selectable, usable by mouse and
// keyboard.
#pragma once

#include <Qt>

class QLabel;

constexpr Qt::TextInteractionFlags kLinkInteraction =
    Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard;

// Puts the rich text into the label and lets its links open through the desktop.
void setLinkLabel(QLabel *label, const QString &html);
