// TabWndApp: loading and storing the settings rows.
#include "app/TabWndApp.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "app/WindowGeometry.h"

namespace {

// The rows the preferences dialog applies, read at start-up as well: one list serves both
// directions, in the order they are written.
void transferPreferences(CT1AppConfig &c, bool write)
{
    using DB = CSqliteDBManager;
    auto text = [write](const char *key, CString &value, int native) {
        if (write)
            DB::setConfig(key, value, native);
        else
            DB::getConfig(key, value, native);
    };
    auto number = [write](const char *key, int &value) {
        if (write)
            DB::setConfigInt(key, value);
        else
            DB::getConfigInt(key, value);
    };
    auto flag = [write](const char *key, bool &value) {
        if (write)
            DB::setConfigBool(key, value);
        else
            DB::getConfigBool(key, value);
    };
    // Trimmed before it is written and after it is read.
    auto trimmed = [write, &text](const char *key, CString &value) {
        if (write)
            value.Trim();
        text(key, value, 0);
        if (!write)
            value.Trim();
    };

    text("LeftPaneSize", c.LeftPaneSize, 0);
    text("RetPath", c.RetPath, 1);
    text("RetPdfPath", c.RetPdfPath, 1);
    number("PdfPathSameAsRet", c.PdfPathSameAsRet);
    number("CompabEnable", c.CompabEnable);
    text("CompabWord", c.CompabWord, 1);
    text("BusinessName", c.BusinessName, 0);
    text("BusinessAddr", c.BusinessAddr, 0);
    text("BusinessCity", c.BusinessCity, 0);
    text("BusinessProv", c.BusinessProv, 0);
    text("BusinessPostcode", c.BusinessPostcode, 0);
    text("BusinessPhone", c.BusinessPhone, 0);
    trimmed(c.MODEDEBUG ? "BusinessEFileNumDbg" : "BusinessEFileNum", c.BusinessEFileNum);
    trimmed(c.MODEDEBUG ? "BusinessEFilePasswordDbg" : "BusinessEFilePassword",
            c.BusinessEFilePassword);
    text("DiscounterCode", c.DiscounterCode, 0);
    number("PreAssessment", c.PreAssessment);
    number("PostAssessment", c.PostAssessment);
    number("PrntClientLetter", c.PrntClientLetter);
    number("SaveBackup", c.SaveBackup);
    text("ShowRelMsg", c.ShowRelMsg, 0);
    flag("FilingReport", c.FilingReport);
    flag("CustomizedClientLetter", c.CustomizedClientLetter);
    text("VarnexaEmail", c.VarnexaEmail, 0);
    text("VarnexaPswd", c.VarnexaPswd, 0);
    text("VXFromEmail", c.VXFromEmail, 0);
}

} // namespace

int TabWndApp::readSettings()
{
    using DB = CSqliteDBManager;
    CT1AppConfig &c = config;
    CString colour;
    DB::getConfig("BKColor", colour);
    if (colour.length() == 7)
        c.BKColor = colour;
    DB::getConfig("FontSize", c.FontSize);

    WindowSettings stored;
    DB::getConfigInt("LeftX", stored.leftX);
    DB::getConfigInt("LeftY", stored.leftY);
    DB::getConfigInt("Width", stored.width);
    DB::getConfigInt("Height", stored.height);
    qInfo("left x: %d", stored.leftX);
    qInfo("left y: %d", stored.leftY);
    QScreen *primary = QGuiApplication::primaryScreen();
    WindowSettings placed =
        placeMainWindow(stored, primary ? primary->geometry() : QRect(), screenRect);
    // The rule may leave the window hanging off its screen (a whole-screen size at (20, 60)):
    // it goes into the available area of the screen that holds its corner.
    QScreen *screen = QGuiApplication::screenAt(QPoint(placed.leftX, placed.leftY));
    if (!screen)
        screen = primary;
    if (screen)
        placed = fitIntoArea(placed, screen->availableGeometry());
    c.LeftX = placed.leftX;
    c.LeftY = placed.leftY;
    c.Width = placed.width;
    c.Height = placed.height;

    transferPreferences(c, false);
    qInfo("read leftpanel %s", qUtf8Printable(c.LeftPaneSize));
    qInfo("read fs %s", qUtf8Printable(c.FontSize));
    // Kept by the program itself, never applied by the preferences dialog.
    DB::getConfig("LastOpenPath", LastOpenPath, 1);
    DB::getConfig("LastImportPath", LastImportPath, 1);
    DB::getConfigInt("CustomizedClientLetter_Ver", c.CustomizedClientLetter_Ver);
    return 0;
}

int TabWndApp::writeSettings()
{
    transferPreferences(config, true);
    return 0;
}

int TabWndApp::saveSettingsOnExit()
{
    qInfo("app closing");
    // Rows can only be written while the database is open; a failed start never opened it.
    if (!dbManager.isOpened())
        return 0;
    using DB = CSqliteDBManager;
    CT1AppConfig &c = config;
    DB::setConfig("LastOpenPath", LastOpenPath, 1);
    DB::setConfig("LastImportPath", LastImportPath, 1);
    DB::setConfig("LeftPaneSize", c.LeftPaneSize);
    if (mainWindow) {
        const QRect r = mainWindow->geometry();
        c.LeftX = r.left();
        c.LeftY = r.top();
        c.Width = r.right() - r.left() + 1;
        c.Height = r.bottom() - r.top() + 1;
    }
    DB::setConfigInt("LeftX", c.LeftX);
    DB::setConfigInt("LeftY", c.LeftY);
    DB::setConfigInt("Width", c.Width);
    DB::setConfigInt("Height", c.Height);
    DB::setConfig("BKColor", c.BKColor);
    DB::setConfig("FontSize", c.FontSize);
    dbManager.close();
    return 0;
}
