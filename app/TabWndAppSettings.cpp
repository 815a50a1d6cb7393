// TabWndApp: loading and storing the settings rows.
#include "app/TabWndApp.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "app/WindowGeometry.h"

int TabWndApp::readSettings()
{
    using DB = CSqliteDBManager;
    CT1AppConfig &c = config;
    DB::getConfig("LeftPaneSize", c.LeftPaneSize);
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
    const WindowSettings placed =
        placeMainWindow(stored, primary ? primary->geometry() : QRect(), screenRect);
    c.LeftX = placed.leftX;
    c.LeftY = placed.leftY;
    c.Width = placed.width;
    c.Height = placed.height;
    qInfo("read leftpanel %s", qUtf8Printable(c.LeftPaneSize));
    qInfo("read fs %s", qUtf8Printable(c.FontSize));

    DB::getConfig("RetPath", c.RetPath, 1);
    DB::getConfig("RetPdfPath", c.RetPdfPath, 1);
    DB::getConfigInt("PdfPathSameAsRet", c.PdfPathSameAsRet);
    DB::getConfigInt("CompabEnable", c.CompabEnable);
    DB::getConfig("CompabWord", c.CompabWord, 1);
    DB::getConfig("LastOpenPath", LastOpenPath, 1);
    DB::getConfig("LastImportPath", LastImportPath, 1);

    DB::getConfig("BusinessName", c.BusinessName);
    DB::getConfig("BusinessAddr", c.BusinessAddr);
    DB::getConfig("BusinessCity", c.BusinessCity);
    DB::getConfig("BusinessProv", c.BusinessProv);
    DB::getConfig("BusinessPostcode", c.BusinessPostcode);
    DB::getConfig("BusinessPhone", c.BusinessPhone);
    DB::getConfig(c.MODEDEBUG ? "BusinessEFileNumDbg" : "BusinessEFileNum", c.BusinessEFileNum);
    DB::getConfig(c.MODEDEBUG ? "BusinessEFilePasswordDbg" : "BusinessEFilePassword",
                  c.BusinessEFilePassword);
    c.BusinessEFileNum.Trim();
    c.BusinessEFilePassword.Trim();

    DB::getConfig("DiscounterCode", c.DiscounterCode);
    DB::getConfigInt("PreAssessment", c.PreAssessment);
    DB::getConfigInt("PostAssessment", c.PostAssessment);
    DB::getConfigInt("PrntClientLetter", c.PrntClientLetter);
    DB::getConfigInt("SaveBackup", c.SaveBackup);
    DB::getConfig("ShowRelMsg", c.ShowRelMsg);
    DB::getConfigBool("FilingReport", c.FilingReport);
    DB::getConfigBool("CustomizedClientLetter", c.CustomizedClientLetter);
    DB::getConfigInt("CustomizedClientLetter_Ver", c.CustomizedClientLetter_Ver);
    DB::getConfig("VarnexaEmail", c.VarnexaEmail);
    DB::getConfig("VarnexaPswd", c.VarnexaPswd);
    DB::getConfig("VXFromEmail", c.VXFromEmail);
    return 0;
}

int TabWndApp::writeSettings()
{
    using DB = CSqliteDBManager;
    CT1AppConfig &c = config;
    DB::setConfig("LeftPaneSize", c.LeftPaneSize);
    DB::setConfig("RetPath", c.RetPath, 1);
    DB::setConfig("RetPdfPath", c.RetPdfPath, 1);
    DB::setConfigInt("PdfPathSameAsRet", c.PdfPathSameAsRet);
    DB::setConfigInt("CompabEnable", c.CompabEnable);
    DB::setConfig("CompabWord", c.CompabWord, 1);

    DB::setConfig("BusinessName", c.BusinessName);
    DB::setConfig("BusinessAddr", c.BusinessAddr);
    DB::setConfig("BusinessCity", c.BusinessCity);
    DB::setConfig("BusinessProv", c.BusinessProv);
    DB::setConfig("BusinessPostcode", c.BusinessPostcode);
    DB::setConfig("BusinessPhone", c.BusinessPhone);
    c.BusinessEFileNum.Trim();
    c.BusinessEFilePassword.Trim();
    DB::setConfig(c.MODEDEBUG ? "BusinessEFileNumDbg" : "BusinessEFileNum", c.BusinessEFileNum);
    DB::setConfig(c.MODEDEBUG ? "BusinessEFilePasswordDbg" : "BusinessEFilePassword",
                  c.BusinessEFilePassword);

    DB::setConfig("DiscounterCode", c.DiscounterCode);
    DB::setConfigInt("PreAssessment", c.PreAssessment);
    DB::setConfigInt("PostAssessment", c.PostAssessment);
    DB::setConfigInt("PrntClientLetter", c.PrntClientLetter);
    DB::setConfigInt("SaveBackup", c.SaveBackup);
    DB::setConfig("ShowRelMsg", c.ShowRelMsg);
    DB::setConfigBool("FilingReport", c.FilingReport);
    DB::setConfigBool("CustomizedClientLetter", c.CustomizedClientLetter);
    DB::setConfig("VarnexaEmail", c.VarnexaEmail);
    DB::setConfig("VarnexaPswd", c.VarnexaPswd);
    DB::setConfig("VXFromEmail", c.VXFromEmail);
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
