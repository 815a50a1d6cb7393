// Log writers: each call opens, writes and closes, so nothing written is lost to a later crash.
#include "app/LogFile.h"

#include "ordane/PrivateFiles.h"

#include <QDateTime>
#include <cstdarg>

void appendLogLine(const QByteArray &path, const QByteArray &utf8Text)
{
    FILE *file = openPrivateStream(path, "at");
    if (!file)
        return;
    const QByteArray line =
        QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss ").toUtf8() + utf8Text;
    logPrintf(file, "Log: %s\n", line.constData());
    std::fclose(file);
}

int logPrintf(FILE *file, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const int written = std::vfprintf(file, format, args);
    va_end(args);
    return written;
}
