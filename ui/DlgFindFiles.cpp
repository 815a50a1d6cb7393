// DlgFindFiles: the search options, the worker's signals, the saved list and open or import.
#include "ui/DlgFindFiles.h"
#include "ui_DlgFindFiles.h"

#include "app/MessageHelpers.h"
#include "app/WaitCursor.h"
#include "ordane/MessagePresenter.h"
#include "ordane/SafeFileWriter.h"
#include "ui/MainWindow.h"
#include "ui/ThreadFindFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

namespace {
// A saved line must be longer than this to be a path.
constexpr int kShortestIgnoredLine = 3;
} // namespace

DlgFindFiles::DlgFindFiles(const QString &title, const QString &listPath, MainWindow *window)
    : QDialog(window), ui(new Ui_DlgFindFiles), m_window(window), m_listPath(listPath)
{
    ui->setupUi(this);
    setWindowTitle(title);
    ui->grpSearchOption->setId(ui->radLastYear, 0);
    ui->grpSearchOption->setId(ui->radCurYear, 1);
    ui->grpSearchOption->setId(ui->radPriorYears, 2);
    loadResultList();
    ui->listView->setModel(&m_model);
    connect(ui->btnClose, &QPushButton::clicked, this, &DlgFindFiles::on_btnClose);
    connect(ui->btnOpen, &QPushButton::clicked, this, &DlgFindFiles::on_btnOpenReturn);
    connect(ui->btnClear, &QPushButton::clicked, this, &DlgFindFiles::on_btnClearResult);
}

DlgFindFiles::~DlgFindFiles()
{
    if (m_worker) {
        m_worker->cancel();
        m_worker->wait();
    }
}

QStringList DlgFindFiles::suffixesOf(int option)
{
    switch (option) {
    case 0:
        return {QStringLiteral("r24")};
    case 1:
        return {QStringLiteral("r25")};
    case 2:
        return {QStringLiteral("r23"), QStringLiteral("r22"), QStringLiteral("r21")};
    default:
        return {};
    }
}

QStringList DlgFindFiles::searchFolders()
{
    const QString sep = QStringLiteral("/");
    // The root of every program's local data: the folder that holds this program's own.
    const QString dataRoot =
        QFileInfo(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
            .absolutePath();
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    return {dataRoot + sep + QStringLiteral("quorvandelle_2022n"),
            dataRoot + sep + QStringLiteral("quorvandelle_2022e"),
            docs + sep + QStringLiteral("quorvandelle") + sep + QStringLiteral("2024"),
            docs + sep + QStringLiteral("quorvandelle-efile") + sep + QStringLiteral("2024"),
            docs + sep + QStringLiteral("quorvandelle") + sep + QStringLiteral("2025"),
            docs + sep + QStringLiteral("quorvandelle-efile") + sep + QStringLiteral("2025"),
            home,
            dataRoot};
}

void DlgFindFiles::on_btnSearch_clicked()
{
    if (m_worker)
        return;
    const int option = ui->grpSearchOption->checkedId();
    if (option < 0) {
        presentMessage(QMessageBox::Warning, this, tr("Warning"),
                       tr("Please choose search file option first!"));
        return;
    }
    auto *worker = new ThreadFindFiles(this);
    m_worker = worker;
    // Queued: the worker's signals come from its own thread, in the order sent, so every found
    // file arrives before the end.
    connect(worker, &ThreadFindFiles::statusChanged, this, &DlgFindFiles::onStatusChanged,
            Qt::QueuedConnection);
    connect(worker, &ThreadFindFiles::fileFound, this, &DlgFindFiles::onFileFound,
            Qt::QueuedConnection);
    connect(worker, &QThread::finished, this, &DlgFindFiles::onThreadFinished,
            Qt::QueuedConnection);
    worker->setSearchLists(searchFolders(), suffixesOf(option));
    worker->start(QThread::currentThread()->priority());
}

void DlgFindFiles::on_btnStop_clicked()
{
    if (m_worker)
        m_worker->cancel();
}

void DlgFindFiles::onStatusChanged(const QString &status, int seconds)
{
    m_status = status;
    onProgressChanged(seconds);
}

void DlgFindFiles::onProgressChanged(int seconds)
{
    ui->lblSearching->setText(QStringLiteral("(%2 seconds) %1").arg(m_status).arg(seconds));
}

void DlgFindFiles::onFileFound(const QString &path)
{
    appendOnce(path);
}

void DlgFindFiles::appendOnce(const QString &path)
{
    // The searched folders overlap (Documents lies in the home folder), and a search adds to the
    // saved list: a file already listed is not listed again.
    const QString cleaned = QDir::cleanPath(path);
    if (m_listed.contains(cleaned))
        return;
    m_listed.insert(cleaned);
    m_model.appendRow(new QStandardItem(path));
}

void DlgFindFiles::onThreadFinished()
{
    // A worker that already ended and was taken in (the dialog closing) sends nothing more.
    if (!m_worker || sender() != m_worker)
        return;
    m_status = tr("search stopped");
    ui->lblSearching->setText(m_status);
    m_worker = nullptr;
    saveResultList();
}

bool DlgFindFiles::isSearchIdle()
{
    if (!m_worker)
        return true;
    showInformation(tr("Please stop the search process first"), this);
    return false;
}

void DlgFindFiles::on_btnClearResult()
{
    if (isSearchIdle()) {
        m_model.removeRows(0, m_model.rowCount());
        m_listed.clear();
    }
}

void DlgFindFiles::on_btnOpenReturn()
{
    if (!isSearchIdle())
        return;
    const QModelIndex index = ui->listView->currentIndex();
    if (!index.isValid())
        return;
    const QString path = index.data().toString();
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        showInformation(tr("cannot read this file"), this);
        return;
    }
    if (info.suffix().compare(QLatin1String("r25"), Qt::CaseInsensitive) == 0)
        m_window->openReturnFile(path);
    else
        m_window->importPriorYearReturn(path);
    reject();
}

void DlgFindFiles::on_btnClose()
{
    if (m_worker)
        m_worker->cancel();
    reject();
}

void DlgFindFiles::stopAndWait()
{
    ThreadFindFiles *worker = m_worker;
    if (!worker)
        return;
    worker->cancel();
    worker->wait();
    // The worker's queued rows and its end are delivered now, so they are not lost with the
    // dialog; the end saves the list.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void DlgFindFiles::done(int result)
{
    stopAndWait();
    QDialog::done(result);
}

void DlgFindFiles::loadResultList()
{
    QFile file(m_listPath);
    if (!QFileInfo(m_listPath).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    beginWaitCursor();
    QTextStream in(&file);
    QString line;
    while (in.readLineInto(&line)) {
        const QString path = line.trimmed();
        if (path.size() > kShortestIgnoredLine)
            appendOnce(path);
    }
    endWaitCursor();
}

int DlgFindFiles::saveResultList()
{
    const int rows = m_model.rowCount();
    if (rows == 0)
        return 0;
    QByteArray bytes;
    {
        QTextStream out(&bytes, QIODevice::WriteOnly);
        for (int row = 0; row < rows; ++row)
            out << m_model.item(row)->text() << '\n';
    }
    beginWaitCursor();
    const bool written = writeFileSafely(m_listPath, bytes);
    endWaitCursor();
    return written ? rows : -1;
}
