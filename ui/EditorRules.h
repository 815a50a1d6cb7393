// Pure rules of the main window and the return editor: font size, tree pane width, backup name.
#pragma once

#include <QPair>
#include <QString>

class QFileInfo;

// The stored page font size; anything outside 6 to 20, or no number, gives 12.
int fontSizeFromSetting(const QString &stored);

// The tree pane's width and the page pane's, from the stored width and the splitter's total.
QPair<int, int> restoredPaneSizes(const QString &stored, int total);
// Maximize View: collapses a tree pane wider than 10 pixels, else restores it; the new sizes,
// and whether the pane was restored.
QPair<int, int> toggledPaneSizes(int treeWidth, int total, bool &restored);

// "Smith.John.r25" in a folder gives "<folder>/Smith_backup.John.r25": the base name up to the
// first "." and the whole suffix after it.
QString backupPathFor(const QFileInfo &file, const QString &separator);
