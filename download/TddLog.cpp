// The download logs in the run folder.
#include "download/TddLog.h"

#include "app/TabWndApp.h"
#include "ordane/PrivateFiles.h"

QByteArray tddLogFilePath(int type)
{
    const TabWndApp *app = appInstance();
    if (!app || app->runPath.isEmpty())
        return QByteArray();
    CString path;
    app->tddLogPath(path, type);
    return path.toUtf8();
}

FILE *openTddLog(int type)
{
    const QByteArray path = tddLogFilePath(type);
    return path.isEmpty() ? nullptr : openPrivateStream(path, "at");
}

void closeTddLog(FILE *&log)
{
    if (log)
        std::fclose(log);
    log = nullptr;
}
