// The batch result mode. The result file is written entry by entry and flushed after each
// file, so the results written so far survive a crash on a later return file.
#include "app/entry/BatchMode.h"

#include "app/LogFile.h"
#include "app/TabWndApp.h"
#include "app/entry/UnattendedPresenter.h"
#include "model/FamilyTaxData.h"
#include "model/ReturnFile.h"
#include "ordane/PrivateFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTextCodec>
#include <cstdio>
#include <memory>

namespace {

const char *const resultFileName = "./taxresult.txt";

// No person watches a batch run: while it lasts, a box that loading would show (a damaged
// file, a FIFO, a later version) is not shown and a password request is cancelled, so the file
// gets its read-error line with the load's code and the run goes on.
class UnattendedScope
{
public:
    UnattendedScope() : m_previous(MessagePresenter::install(&m_presenter)) {}
    ~UnattendedScope() { MessagePresenter::install(m_previous); }
    UnattendedScope(const UnattendedScope &) = delete;
    UnattendedScope &operator=(const UnattendedScope &) = delete;

private:
    UnattendedPresenter m_presenter;
    MessagePresenter *m_previous;
};

// Closes the C file on every path.
struct FileCloser
{
    void operator()(FILE *file) const { std::fclose(file); }
};
using CFile = std::unique_ptr<FILE, FileCloser>;

// The next line of the list with its line end ("\n", or "\r\n" read as "\n"), whole however
// long it is; empty at the end of the file.
QByteArray readListLine(QFile &list)
{
    QByteArray line = list.readLine();
    if (line.endsWith("\r\n"))
        line.replace(line.size() - 2, 2, "\n");
    return line;
}

} // namespace

QString decodeListLine(const QByteArray &line)
{
    QTextCodec::ConverterState state;
    QString text =
        QTextCodec::codecForName("UTF-8")->toUnicode(line.constData(), line.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return text;
    return QString::fromLatin1(line);
}

QString loadAndSummarise(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return QStringLiteral("cannot find return file");
    int code = 0;
    std::unique_ptr<FamilyTaxData> family = loadReturnFile(path, &code, AppEdition);
    if (code != 0 || !family)
        return QStringLiteral("return file read error, read error %1").arg(code);
    family->Recalculate(-1, nullptr);
    return family->getPersonIncomeSummary();
}

void runBatch(const QString &folder, const QString &listFile)
{
    const UnattendedScope unattended;
    CFile result(openPrivateStream(resultFileName, "wt"));
    if (!result)
        return; // nowhere to write
    if (listFile.isEmpty()) {
        logPrintf(result.get(), "====> no input file\n");
        return;
    }
    QFile list(listFile);
    if (!QFileInfo(listFile).isFile() || !list.open(QIODevice::ReadOnly)) {
        logPrintf(result.get(), "====> cannot open input file\n");
        return;
    }
    for (;;) {
        QByteArray line = readListLine(list);
        if (line.size() <= 2)
            break; // the end of the file, an empty line or a one-character line
        if (line.endsWith('\n'))
            line.chop(1);
        const QString path = QString("%1%2").arg(folder, decodeListLine(line)).simplified();
        logPrintf(result.get(), "%s\n", line.constData());
        logPrintf(result.get(), "%s\n\n", loadAndSummarise(path).toUtf8().constData());
        std::fflush(result.get());
    }
}
