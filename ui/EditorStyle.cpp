// The editor's style-sheet templates and the light and dark colour tables.
#include "ui/EditorStyle.h"

#include <QColor>

namespace {

// HSL lightness runs 0 to 255; below the middle the background counts as dark.
constexpr int kDarkBelowLightness = 128;
constexpr int kTabFontSize = 8;

const char *const kTreeRules[] = {
    "QTreeWidget {color: %3;background-color: %1;font-size: %2pt;border: none;outline: "
    "none;selection-background-color: transparent;}",
    "QTreeWidget::item {padding: 2px 4px;border: none;height: 22px;border-bottom: 1px dotted "
    "rgba(128, 128, 128, 80);}",
    "QTreeWidget::item:selected {background-color: transparent;color: %3;font-weight: bold;}",
    "QTreeWidget::item:selected:active {background-color: transparent;color: %3;font-weight: "
    "bold;}",
    "QTreeWidget::item:selected:!active {background-color: transparent;color: %3;font-weight: "
    "bold;}",
    "QTreeWidget::item:hover {background-color: rgba(128, 128, 128, 20);}",
    "QTreeWidget::branch {background: transparent;}",
    "QTreeWidget::branch:has-siblings:!adjoins-item {border-left: 1px dotted rgba(128, 128, "
    "128, 100);}",
    "QTreeWidget::branch:has-siblings:adjoins-item {border-left: 1px dotted rgba(128, 128, 128, "
    "100);border-bottom: 1px dotted rgba(128, 128, 128, 100);}",
    "QTreeWidget::branch:!has-children:!has-siblings:adjoins-item {border-left: 1px dotted "
    "rgba(128, 128, 128, 100);border-bottom: 1px dotted rgba(128, 128, 128, 100);}",
    "QTreeWidget::branch:has-children:!has-siblings:closed,QTreeWidget::branch:closed:has-"
    "children:has-siblings {border-image: none;image: none;background: transparent;border-left: "
    "1px dotted rgba(128, 128, 128, 100);}",
    "QTreeWidget::branch:open:has-children:!has-siblings,QTreeWidget::branch:open:has-children:"
    "has-siblings {border-image: none;image: none;background: transparent;border-left: 1px "
    "dotted rgba(128, 128, 128, 100);}",
};

const char *const kPageRules[] = {
    "QWidget {color: %2;font-size: %1pt;margin-top: 1px;margin-bottom: 1px;}",
    "QPushButton {border:2px solid #8f8f91;min-width: 80px;background-color: "
    "qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #f6f7fa, stop: 1 #dadbde);}",
    "QPushButton:pressed {background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 "
    "#dadbde, stop: 1 #f6f7fa);}",
    "QFrame[frameShape=\"4\"],QFrame[frameShape=\"5\"]{border:none; background:#E67112;}",
    "QLabel[frameShape=\"1\"]{border: 1px solid %3; padding: 2px;}",
};

const char *const kTabRules[] = {
    "QTabWidget::pane {border-top: 1px solid %2;background: %3;padding: 4px;}",
    ("QTabBar::tab {background: %4;border: 1px solid %5;border-bottom-color: "
     "%2;border-top-left-radius: 3px;border-top-right-radius: 3px;min-width: 50px;height: "
     "18px;padding: 1px 6px;color: %6;font-weight: normal;font-size: %1pt;}"),
    "QTabBar::tab:selected, QTabBar::tab:hover {background: %7;}",
    ("QTabBar::tab:selected {border-color: %2;border-bottom-color: %3;color: %8;font-weight: "
     "bold;}"),
    "QTabBar::tab:!selected {margin-top: 2px;}",
};

// The panel colours: light and dark column of each use.
struct PanelColours
{
    const char *tabLine;
    const char *tabBackground;
    const char *tabBorder;
    const char *tabText;
    const char *selectedTabText;
    const char *frames;
    const char *formTitle;
    const char *resultLines;
};
const PanelColours kLightPanels{"#3C7EBB", "#E8F0FE", "#B8C5D1", "#2C5AA0",
                                "#1A4480", "#F8F9FB", "#2C5AA0", "#333333"};
const PanelColours kDarkPanels{"#404040", "#252526", "#404040", "#CCCCCC",
                               "#FFFFFF", "#252526", "#569CD6", "#CCCCCC"};

template <size_t N> QString joined(const char *const (&rules)[N], const QString &separator)
{
    QString sheet;
    for (size_t i = 0; i < N; ++i) {
        if (i > 0)
            sheet += separator;
        sheet += QLatin1String(rules[i]);
    }
    return sheet;
}

QString textColour(bool dark)
{
    return dark ? QStringLiteral("#FFFFFF") : QStringLiteral("#000000");
}

} // namespace

bool isDarkBackground(const QString &colour)
{
    const QColor c(colour);
    return c.isValid() && c.lightness() < kDarkBelowLightness;
}

QString treeStyleSheet(const QString &background, int fontSize, bool dark)
{
    return joined(kTreeRules, QString())
        .arg(background, QString::number(fontSize), textColour(dark));
}

QString pageStyleSheet(int fontSize, bool dark)
{
    return joined(kPageRules, QStringLiteral(" "))
        .arg(QString::number(fontSize), textColour(dark),
             dark ? QStringLiteral("#CCCCCC") : QStringLiteral("#333333"));
}

QString entryStyleSheet(bool dark)
{
    const char *const entries = "QLineEdit, QAbstractSpinBox, QPlainTextEdit, QTableWidget";
    const char *const readOnly =
        "QLineEdit[readOnly=\"true\"], QAbstractSpinBox[readOnly=\"true\"]";
    if (dark)
        return QStringLiteral("%1 {background-color: #2D2D30;selection-background-color: "
                              "#264F78;} %2 {background-color: #3C3C40;color: #CCCCCC;}")
            .arg(QLatin1String(entries), QLatin1String(readOnly));
    return QStringLiteral("%1 {background-color: #EEF1F4;color: #333333;}")
        .arg(QLatin1String(readOnly));
}

QString tabStyleSheet(const QString &background, bool dark)
{
    const PanelColours &c = dark ? kDarkPanels : kLightPanels;
    const QString back = background.isEmpty() ? QStringLiteral("#FFFFFF") : background;
    return joined(kTabRules, QString())
        .arg(QString::number(kTabFontSize), QLatin1String(c.tabLine), back,
             QLatin1String(c.tabBackground), QLatin1String(c.tabBorder), QLatin1String(c.tabText),
             back, QLatin1String(c.selectedTabText));
}

PanelStyleSheets panelStyleSheets(bool dark)
{
    const PanelColours &c = dark ? kDarkPanels : kLightPanels;
    PanelStyleSheets s;
    s.frame = QStringLiteral("QFrame {background-color: %1;border-radius: 4px;}")
                  .arg(QLatin1String(c.frames));
    s.frame2 = QStringLiteral("QFrame {background-color: %1;border: 1px;border-radius: 4px;}")
                   .arg(QLatin1String(c.frames));
    s.formTitle =
        QStringLiteral("QLabel {color: %1;font-size: 14pt;font-weight: bold;padding: 4px;}")
            .arg(QLatin1String(c.formTitle));
    s.resultLine = QStringLiteral("QLabel {color: %1;font-size: 10pt;padding: 2px;}")
                       .arg(QLatin1String(c.resultLines));
    return s;
}
