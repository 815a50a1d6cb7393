// locateJvmLibrary: where the Java virtual machine library is found.
#include "app/TabWndApp.h"
#include "print/CJavaPrintEngine.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
bool isRegularFile(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && info.isFile();
}
} // namespace

int locateJvmLibrary(CString &path)
{
    const QString bundled = QCoreApplication::applicationDirPath() + "/../jre/lib/server/libjvm.so";
    if (isRegularFile(bundled)) {
        path = bundled;
        return 0;
    }
    const QString configured = appInstance() ? appInstance()->config.JVMPATH : QString();
    if (isRegularFile(configured)) {
        path = configured;
        return 0;
    }
    return CJavaPrintEngine::NoJvmLibrary;
}
