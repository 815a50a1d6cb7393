// Pure rules of the return-file commands.
#include "ui/FileCommandRules.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

QString importStartFolder(const QString &lastImportPath, const QString &retPath)
{
    if (!lastImportPath.isEmpty())
        return lastImportPath;
    QString priorYear = retPath;
    priorYear.replace(QStringLiteral("2025"), QStringLiteral("2024"), Qt::CaseSensitive);
    if (QFileInfo(priorYear).isDir())
        return priorYear;
    return retPath;
}

QString proposedSavePath(const QString &retPath, const QString &separator,
                         const QString &defaultName)
{
    return retPath + separator + defaultName + QStringLiteral(".r25");
}

QString notFiledReportPath(const QString &runFolder, const QDateTime &time)
{
    return QStringLiteral("%1/filing%2.txt")
        .arg(runFolder, time.toString(QStringLiteral("yyMMddHHmmss")));
}
