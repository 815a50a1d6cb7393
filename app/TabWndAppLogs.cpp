// TabWndApp: the run log, the filing record and the names of the run folder's logs.
#include "app/TabWndApp.h"

#include <QDir>

#include "app/LogFile.h"
#include "app/MessageHelpers.h"
#include "ordane/PrivateFiles.h"
#include "ordane/SafeFileWriter.h"
#include "ordane/Utilities.h"

void TabWndApp::createLogFile()
{
    if (!writeFileSafely(logPath, "Log file created\n"))
        showInformation("File folder is read only, please adjust security settings to allow "
                        "program write access!",
                        nullptr);
}

void TabWndApp::writeLogLine(const QByteArray &utf8Text)
{
    appendLogLine(logPath.toUtf8(), utf8Text);
}

CString TabWndApp::netfileLogPath(CString &out, bool result) const
{
    if (result)
        out = runPath + "/netfileresult" + (config.MODEDEBUG ? ".ws" : ".txt");
    else
        out = runPath + "/netfilelog.txt";
    return out;
}

CString TabWndApp::tddLogPath(CString &out, int type) const
{
    QString name;
    switch (type) {
    case 0:
        name = "tddlog.txt";
        break;
    case 1:
        name = "tddlog2.txt";
        break;
    case 2:
        name = "findfiles.csv";
        break;
    default:
        break;
    }
    out = QDir::toNativeSeparators(runPath + separator + name);
    return out;
}

int TabWndApp::appendFilingRecord(const CString &name, const CString &result,
                                  const CString &confirmation, const CString &message)
{
    CString path;
    netfileLogPath(path, false);
    FILE *file = openPrivateStream(path.toUtf8(), "at");
    CString time;
    GetCurTime(time, 0);
    if (file) {
        logPrintf(file, "Time: %s \n", time.toUtf8().constData());
        logPrintf(file, "Name: %s\n", name.toUtf8().constData());
        logPrintf(file, "Result: %s\n", result.toUtf8().constData());
        logPrintf(file, "Confirmation: %s\n", confirmation.toUtf8().constData());
        logPrintf(file, "Msg: %s\n\n\n", message.toUtf8().constData());
        std::fclose(file);
    }
    return 0;
}
