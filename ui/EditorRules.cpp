// Font size, splitter and backup-name rules.
#include "ui/EditorRules.h"

#include <QFileInfo>

namespace {
constexpr int kDefaultFontSize = 12;
constexpr int kMinFontSize = 6;
constexpr int kMaxFontSize = 20;
constexpr int kDefaultPaneWidth = 270;
constexpr int kNarrowPaneWidth = 30;
constexpr int kCollapsedPaneWidth = 1;
constexpr int kCollapseAbove = 10;
} // namespace

int fontSizeFromSetting(const QString &stored)
{
    bool ok = false;
    const int size = stored.toInt(&ok, 10);
    if (!ok || size < kMinFontSize || size > kMaxFontSize)
        return kDefaultFontSize;
    return size;
}

QPair<int, int> restoredPaneSizes(const QString &stored, int total)
{
    bool ok = false;
    int width = stored.toInt(&ok, 10);
    if (!ok)
        width = 0;
    if (width < kCollapseAbove || width > total)
        width = total > kDefaultPaneWidth ? kDefaultPaneWidth : kCollapsedPaneWidth;
    return {width, total - width};
}

QPair<int, int> toggledPaneSizes(int treeWidth, int total, bool &restored)
{
    if (treeWidth > kCollapseAbove) {
        restored = false;
        return {kCollapsedPaneWidth, total - kCollapsedPaneWidth};
    }
    restored = true;
    const int width = total > kDefaultPaneWidth ? kDefaultPaneWidth : kNarrowPaneWidth;
    return {width, total - width};
}

QString backupPathFor(const QFileInfo &file, const QString &separator)
{
    return QStringLiteral("%1%2%3_backup.%4")
        .arg(file.canonicalPath(), separator, file.baseName(), file.completeSuffix());
}
