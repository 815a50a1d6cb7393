// The return editor's style sheets and colour variant, filled from the background colour.
#pragma once

#include <QString>

// True when the colour reads and its HSL lightness is 127 or less; empty or unreadable text
// gives the light variant.
bool isDarkBackground(const QString &colour);

// The forms tree: the background as stored (left as it is when empty), the font size, the
// text colour of the variant.
QString treeStyleSheet(const QString &background, int fontSize, bool dark);
// The form pages: font size, text colour and the border of boxed labels.
QString pageStyleSheet(int fontSize, bool dark);
// The entry widgets inside a page's scroll area: readable on the dark variant (the page sheet
// makes all text white there), and calculated (read-only) entries set apart from the user's.
QString entryStyleSheet(bool dark);
// The page tabs; an empty background stands for white.
QString tabStyleSheet(const QString &background, bool dark);

// The one-rule sheets of the editor's panels.
struct PanelStyleSheets
{
    QString frame;
    QString frame2;
    QString formTitle;
    QString resultLine;
};
PanelStyleSheets panelStyleSheets(bool dark);
