// DlgTDDMain: the download manager's layout and its New, View, Remove and Close commands.
#include "download/DlgTDDMain.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include "app/MessageHelpers.h"
#include "app/WaitCursor.h"
#include "app/dialogs/DlgFilingTerm.h"
#include "download/AFR_Data.h"
#include "download/AFR_Message.h"
#include "download/AFR_Option.h"
#include "download/DataAFR.h"
#include "download/DlgTDDEnterSin.h"
#include "download/DlgTDDProgressWait.h"
#include "download/TDDDataEntriesModel.h"
#include "download/TDDTaxDataOnePerson.h"
#include "model/FamilyTaxData.h"
#include "ordane/WizardBase.h"
#include "ui/Form_Return.h"

namespace {
constexpr int kWidth = 813;
constexpr int kHeight = 423;
constexpr int kSinColumnWidth = 120;
constexpr int kTimeColumnWidth = 260;
constexpr int kYearColumnWidth = 50;
constexpr int kWizardWidth = 740;
constexpr int kWizardHeight = 600;
// A notice stored in place of a page says so by its first word.
const char *const kMessagePrefix = "For ";
} // namespace

const char *const DlgTDDMain::unreadableRecordText =
    "The stored tax data cannot be read, so nothing was applied.";

DlgTDDMain::DlgTDDMain(int mode, const QSqlDatabase &db, const CString &openSin,
                       Form_Return *editor, QWidget *parent)
    : QDialog(parent), m_model(new TDDDataEntriesModel(this)),
      m_proxy(new QSortFilterProxyModel(this)), m_openSin(openSin), m_db(db), m_mode(qint16(mode)),
      m_editor(editor)
{
    buildLayout();
    setWindowTitle(m_mode == 1 ? tr("Auto Fill Tax Data")
                               : QStringLiteral("Express Notice of Assessment"));
    QMetaObject::connectSlotsByName(this);
}

DlgTDDMain::~DlgTDDMain() = default;

void DlgTDDMain::buildLayout()
{
    setObjectName(QStringLiteral("DlgTDDMain"));
    resize(kWidth, kHeight);

    verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));

    label = new QLabel(QStringLiteral("Click 'New' to fetch new tax data; 'View' to show tax "
                                      "data; 'Remove' to delete tax data."),
                       this);
    label->setObjectName(QStringLiteral("label"));
    verticalLayout->addWidget(label);

    tableView = new QTableView(this);
    tableView->setObjectName(QStringLiteral("tableView"));
    tableView->verticalHeader()->setVisible(false);
    tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView->setStyleSheet(QStringLiteral(
        "QHeaderView::section {background-color:cyan; font-weight:bold; height:22;}"));
    tableView->horizontalHeader()->setStretchLastSection(true);
    // No sort column until the user clicks a header: the list keeps the database's newest-first
    // order (the header would otherwise sort by its default first column at once).
    tableView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    tableView->setSortingEnabled(true);
    verticalLayout->addWidget(tableView);

    horizontalLayout = new QHBoxLayout();
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        horizontalLayout->addWidget(b);
        return b;
    };
    btnView = button("btnView", QStringLiteral("View"));
    btnNew = button("btnNew", QStringLiteral("New/Update"));
    btnRemove = button("btnRemove", QStringLiteral("Remove"));
    btnClose = button("btnClose", QStringLiteral("Close"));
    btnClose->setDefault(true);
    verticalLayout->addLayout(horizontalLayout);
}

void DlgTDDMain::showEvent(QShowEvent *event)
{
    reloadRecords();
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(2);
    tableView->setModel(m_proxy);
    tableView->setColumnWidth(0, kSinColumnWidth);
    tableView->setColumnWidth(1, kTimeColumnWidth);
    tableView->setColumnWidth(2, kYearColumnWidth);
    QDialog::showEvent(event);
}

TDDDataEntry *DlgTDDMain::selectedEntry() const
{
    QItemSelectionModel *selection = tableView->selectionModel();
    if (!selection || tableView->model() != m_proxy)
        return nullptr;
    const QModelIndexList rows = selection->selectedRows();
    if (rows.isEmpty())
        return nullptr;
    return m_model->entryAt(m_proxy->mapToSource(rows.first()).row());
}

void DlgTDDMain::on_btnNew_clicked()
{
    {
        DlgFilingTerm terms(false, this);
        terms.setTerms(QStringLiteral("I agree to the terms and conditions"), QString(),
                       m_mode == 1 ? QStringLiteral("Auto-fill My Return")
                                   : QStringLiteral("View NOA"),
                       m_mode == 1 ? QStringLiteral(":/tdd/tdd/tdd_netfile.txt")
                                   : QStringLiteral(":/tdd/tdd/noa_netfile.txt"));
        if (terms.exec() != QDialog::Accepted)
            return;
    }
    QList<QByteArray> sins;
    {
        DlgTDDEnterSin enter(sins, this);
        if (enter.exec() != QDialog::Accepted)
            return;
    }
    DlgTDDProgressWait progress(m_mode, sins, this);
    progress.exec();
    if (progress.recordCount() < 1) {
        // A service that could not be reached was not asked: say why, not that it found nothing.
        const QString failure = progress.serviceFailure();
        if (!failure.isEmpty())
            showInformation(CString(QStringLiteral("%1 could not reach the CRA service.\n%2")
                                        .arg(m_mode == 1 ? QStringLiteral("Auto-fill My Return")
                                                         : QStringLiteral("View NOA"),
                                             failure)));
        else
            showInformation(CString("No record is found at the CRA system, please try later!"));
        return;
    }
    reloadRecords();
    const QStringList messages = progress.taxpayerMessages();
    for (const QString &message : messages)
        showInformation(CString(message));
}

void DlgTDDMain::on_btnView_clicked()
{
    const TDDDataEntry *entry = selectedEntry();
    if (!entry)
        return;
    CString sin;
    CString page;
    recordHtml(entry->id(), sin, page);
    if (m_mode == 1)
        viewTaxData(*entry, sin, page);
    else
        viewNotice(page);
}

void DlgTDDMain::viewTaxData(const TDDDataEntry &entry, const CString &sin, const CString &page)
{
    const bool applies = !m_openSin.isEmpty() && m_openSin == sin;
    // Shared by the notice and option pages; outlives the wizard.
    DataAFR choice;
    WizardBase wizard(this, tr("Auto-fill My Return"));
    wizard.addPage(new AFR_Data(page, &wizard));
    if (applies) {
        wizard.addPage(new AFR_Message(&choice, &wizard));
        wizard.addPage(new AFR_Option(&choice, &wizard));
        wizard.setButtonText(QWizard::FinishButton, tr("Auto-fill My Return"));
    }
    wizard.initUI(kWizardWidth, kWizardHeight);
    wizard.setWizardStyle(QWizard::ClassicStyle);
    if (wizard.exec() != QDialog::Accepted || !applies || !m_editor || !m_editor->family())
        return;
    if (applyTaxData(entry.id(), sin, choice))
        accept();
    else
        showInformation(CString(unreadableRecordText), this);
}

bool DlgTDDMain::applyTaxData(int id, const CString &sin, DataAFR &choice)
{
    WaitCursorScope wait;
    TDDTaxDataOnePerson record(0);
    // A record that did not load, or holds another taxpayer's item, would still merge: it
    // would remove the earlier Auto-fill slips and stamp the T1 as filled from a download.
    if (loadTaxDataRecord(id, record) != StoredDownloadRead::Loaded ||
        !identifierNamesSin(record.sin, sin.toUtf8()))
        return false;
    // A value still being typed on the page shown goes in first, so the merge builds on it and
    // the refresh below does not discard it.
    m_editor->commitCurrentPage();
    m_editor->family()->applyAutoFillData(&record, &choice);
    m_editor->refreshTreeCaptions(true, true);
    m_editor->refreshPages();
    m_editor->updateResultLabels();
    return true;
}

void DlgTDDMain::viewNotice(const CString &page)
{
    if (page.startsWith(QLatin1String(kMessagePrefix), Qt::CaseSensitive)) {
        showInformation(page, this);
        return;
    }
    if (!page.isEmpty() && QFileInfo(page).isFile())
        QDesktopServices::openUrl(QUrl::fromLocalFile(page));
    else
        showInformation(CString("cannot find the file for viewing"), this);
}

void DlgTDDMain::on_btnRemove_clicked()
{
    QItemSelectionModel *selection = tableView->selectionModel();
    const TDDDataEntry *entry = selectedEntry();
    if (!entry || !selection)
        return;
    const int row = m_proxy->mapToSource(selection->selectedRows().first()).row();
    deleteRecord(entry->id());
    m_model->removeEntry(row);
}

void DlgTDDMain::on_btnClose_clicked()
{
    reject();
}
