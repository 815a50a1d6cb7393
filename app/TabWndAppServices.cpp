// TabWndApp: the new-release check and the copy of the notice stylesheets.
#include "app/TabWndApp.h"

#include <QDir>
#include <QFileInfo>

#include "app/CWebInfoUtil.h"
#include "app/DirCopy.h"
#include "app/MessageHelpers.h"

const char *const TabWndApp::releaseDate = "20260303";

void TabWndApp::checkNewVersion()
{
    if (config.MODEDEBUG)
        return;
    CString latest;
    CWebInfoUtil::queryInfo(QByteArray("QT1") + "N-" + "2025", "latest", latest);
    if (latest.isEmpty() || latest.Compare(releaseDate) <= 0)
        return;
    // One pass of arg, so a "%" in the configured address stays as it is.
    const QString site = "https://" + config.QuorvandelleWebServer;
    const CString text = QString("There is a new version of Quorvandelle %1. You can go to %2 "
                                 "to download/install it again.")
                             .arg(QStringLiteral("2025"), site);
    showInformation(text);
}

int TabWndApp::copyNoaFiles()
{
    const CString noaFolder = config.NoaPath;
    writeLogLine(noaFolder.toUtf8());
    if (QFileInfo::exists(noaFolder + "/xnoa-html-transform.xsl")) {
        writeLogLine("noa files exists");
        return 0;
    }
    const QString source = QFileInfo(programPath).dir().filePath("noa");
    if (!QFileInfo(source).isDir()) {
        writeLogLine("src noa not found");
        return -1;
    }
    const bool copied = copyDirRecursively(source, noaFolder, false);
    writeLogLine(copied ? "noa file copy returns 1" : "noa file copy returns 0");
    return 0;
}
