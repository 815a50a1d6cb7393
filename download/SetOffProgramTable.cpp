// The set-off programme table: parsed once from the resource, then only read.
#include "download/SetOffProgramTable.h"

#include "ordane/CsvParse.h"
#include "ordane/FileHelpers.h"

#include <atomic>
#include <mutex>

namespace {
// The process-wide table, its once flag and its load count.
struct ProcessTable
{
    std::once_flag once;
    SetOffProgramTable table;
    std::atomic<int> loads{0};
};

ProcessTable &processTable()
{
    static ProcessTable instance;
    return instance;
}
} // namespace

SetOffProgramTable loadSetOffProgramTable(const QString &path)
{
    SetOffProgramTable table;
    QByteArray bytes;
    const int flags = path.startsWith(QLatin1Char(':')) ? kLoadFromResource : 0;
    if (!loadFileToString(path, bytes, flags))
        return table;
    const QList<CsvLine> lines = ParseCSV(bytes);
    for (int i = 1; i < lines.size(); ++i) {
        const CsvLine &fields = lines.at(i);
        if (fields.size() < 4)
            continue;
        const QByteArray &key = fields.at(1);
        if (table.count(key))
            continue;
        const QByteArray &nextToLast = fields.at(fields.size() - 2);
        const QByteArray &text = nextToLast.isEmpty() ? fields.last() : nextToLast;
        table.emplace(key, CString(QString::fromLatin1(text)));
    }
    return table;
}

QByteArray setOffProgramName(const QByteArray &abbreviation)
{
    ProcessTable &process = processTable();
    std::call_once(process.once, [&process] {
        process.table = loadSetOffProgramTable();
        ++process.loads;
    });
    const auto found = process.table.find(abbreviation);
    return found == process.table.end() ? QByteArray() : found->second.toUtf8();
}

int setOffProgramTableLoads()
{
    return processTable().loads.load();
}
