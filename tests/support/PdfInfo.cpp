#include "PdfInfo.h"

#include <QProcess>
#include <QStringList>

int pdfPageCount(const QString &pdf)
{
    QProcess p;
    p.start("pdfinfo", {pdf});
    if (!p.waitForFinished(60000))
        return -1;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}
