// Pure rules of the return-file commands: start folders, proposed names, the report's name.
#pragma once

#include <QString>

class QDateTime;

// The folder the import dialog starts in: the last import folder when there is one; else the
// return folder with every "2025" turned into "2024" when that folder exists; else the return
// folder itself.
QString importStartFolder(const QString &lastImportPath, const QString &retPath);

// The name the save dialog proposes: the return folder, the separator, the default file name
// and ".r25".
QString proposedSavePath(const QString &retPath, const QString &separator,
                         const QString &defaultName);

// The report of returns not filed online: "<run folder>/filing<yyMMddHHmmss>.txt".
QString notFiledReportPath(const QString &runFolder, const QDateTime &time);
