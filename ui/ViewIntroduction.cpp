// ViewIntroduction: the recent-files table through a sort proxy, the filter, and the commands
// of the page's buttons and context menu.
#include "ui/ViewIntroduction.h"
#include "ui_ViewIntroduction.h"

#include "app/MessageHelpers.h"
#include "app/ReturnFileEntriesModel.h"
#include "app/TabWndApp.h"
#include "ordane/COneQOneChkboxDialog.h"
#include "ordane/FileHelpers.h"
#include "ordane/MessagePresenter.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>

namespace {
constexpr int kNameColumnWidth = 508;
constexpr int kTimeColumnWidth = 168;
} // namespace

ViewIntroduction::ViewIntroduction(TabWndApp *app, MainWindow *window, QWidget *parent)
    : QWidget(parent), ui(new Ui_ViewIntroduction), m_window(window), m_app(app)
{
    ui->setupUi(this);
    ui->prefButton->setIcon(QIcon(QStringLiteral(":/res/images/icon_setting.ico")));
    ui->newButton->setIcon(QIcon(QStringLiteral(":/res/images/icon_blank.ico")));

    QTableView *table = ui->tableView;
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section {background-color: cyan; font-weight: bold; "
                       "height:24;}"));
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSortingEnabled(true);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &ViewIntroduction::ShowContextMenu);
}

ViewIntroduction::~ViewIntroduction() = default;

void ViewIntroduction::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_app)
        return;
    ReturnFileEntriesModel *model = m_app->reloadRecentReturns(ui->edtFilter->text());
    if (m_firstShow) {
        m_proxy.setSourceModel(model);
        ui->tableView->setModel(&m_proxy);
        ui->tableView->setColumnWidth(0, kNameColumnWidth);
        ui->tableView->setColumnWidth(1, kTimeColumnWidth);
        m_firstShow = false;
    } else {
        ui->tableView->reset();
    }
}

void ViewIntroduction::on_edtFilter_textChanged(const QString &text)
{
    if (m_app)
        m_app->reloadRecentReturns(text);
}

void ViewIntroduction::on_resetFilterButton_clicked()
{
    ui->edtFilter->clear();
}

void ViewIntroduction::on_newButton_clicked()
{
    m_window->actionNewReturn();
}

void ViewIntroduction::on_prefButton_clicked()
{
    m_window->on_actionPreference_triggered();
}

void ViewIntroduction::on_importButton_clicked()
{
    m_window->on_actionImport_Prior_Year_s_Return_triggered();
}

QModelIndex ViewIntroduction::selectedSourceIndex() const
{
    if (!ui->tableView->selectionModel())
        return QModelIndex();
    const QModelIndexList rows = ui->tableView->selectionModel()->selectedRows();
    return rows.isEmpty() ? QModelIndex() : m_proxy.mapToSource(rows.first());
}

QString ViewIntroduction::filePathAt(const QModelIndex &proxyIndex) const
{
    if (!m_app || !proxyIndex.isValid())
        return QString();
    return m_app->retFileModel->filePathOf(m_proxy.mapToSource(proxyIndex));
}

QString ViewIntroduction::selectedFilePath() const
{
    const QModelIndex source = selectedSourceIndex();
    return source.isValid() && m_app ? QString(m_app->retFileModel->filePathOf(source)) : QString();
}

void ViewIntroduction::openRow(const QModelIndex &proxyIndex)
{
    if (!m_window->canOpenAnotherReturn())
        return;
    const QString path = filePathAt(proxyIndex);
    if (!path.isEmpty())
        m_window->openReturnFile(path);
}

void ViewIntroduction::on_openButton_clicked()
{
    if (!m_window->canOpenAnotherReturn())
        return;
    const QString path = selectedFilePath();
    if (!path.isEmpty())
        m_window->openReturnFile(path);
}

void ViewIntroduction::on_tableView_doubleClicked(const QModelIndex &index)
{
    openRow(index);
}

void ViewIntroduction::keyPressEvent(QKeyEvent *event)
{
    // The keypad's Enter is left alone, as is Return anywhere but in the table.
    if (event->key() != Qt::Key_Return || !ui->tableView->hasFocus() ||
        !selectedSourceIndex().isValid())
        return;
    openRow(ui->tableView->selectionModel()->selectedRows().first());
}

void ViewIntroduction::on_delButton_clicked()
{
    const QModelIndex source = selectedSourceIndex();
    if (!source.isValid() || !m_app) {
        presentMessage(QMessageBox::Information, this, tr("Remove Return"),
                       tr("Please choose a return file entry first."));
        return;
    }
    bool deleteFile = false;
    if (COneQOneChkboxDialog::showDialog(
            this, tr("Remove file entry from history list"),
            tr("Please confirm to remove the entry of this return file?"),
            tr("Also remove the file from hard drive"), deleteFile, QMessageBox::Warning) != 1)
        return;
    const QString path = m_app->retFileModel->filePathOf(source);
    if (!m_app->removeRecentReturn(source, deleteFile))
        showInformation(tr("The file %1 cannot be deleted from the hard drive.").arg(path), this);
}

void ViewIntroduction::ShowContextMenu(const QPoint &pos)
{
    QMenu menu(tr("Context menu"), this);
    connect(menu.addAction(tr("Open containing folder")), &QAction::triggered, this,
            &ViewIntroduction::gotoSelectedFolder);
    connect(menu.addAction(tr("Copy containing folder path")), &QAction::triggered, this,
            &ViewIntroduction::copySelectedFolder);
    menu.exec(mapToGlobal(pos));
}

QString ViewIntroduction::selectedFolder() const
{
    const QString path = selectedFilePath();
    return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
}

void ViewIntroduction::gotoSelectedFolder()
{
    const QString folder = selectedFolder();
    if (!folder.isEmpty())
        showInFolder(folder);
}

void ViewIntroduction::copySelectedFolder()
{
    const QString folder = selectedFolder();
    if (!folder.isEmpty())
        QApplication::clipboard()->setText(folder);
}
