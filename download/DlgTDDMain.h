// DlgTDDMain: the download manager: the stored downloads, and New, View, Remove and Close.
#pragma once

#include <QDialog>
#include <QSqlDatabase>

#include "ordane/CString.h"

class DataAFR;
class Form_Return;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QVBoxLayout;
class TDDDataEntriesModel;
class TDDDataEntry;
class TDDTaxDataOnePerson;

// Reading one stored download into a person's record.
enum class StoredDownloadRead : int
{
    Loaded = 1,
    NoRow = 0,
    NotParsed = -2, // the stored item does not parse
    DatabaseFailed = -100,
};

class DlgTDDMain : public QDialog
{
    Q_OBJECT
public:
    // Mode 1 lists the Auto-fill downloads (tb_taxdata), mode 2 the notices (tb_taxnoa). The
    // database is the application's connection and the editor the return shown (or null), with
    // the S.I.N. of its person on screen; neither is owned.
    DlgTDDMain(int mode, const QSqlDatabase &db, const CString &openSin, Form_Return *editor,
               QWidget *parent = nullptr);
    ~DlgTDDMain() override;

    // Empties the list and loads the rows of the mode, newest first.
    void reloadRecords();
    // Each appends one entry per row and returns the number appended; a failing statement
    // keeps what was appended before it.
    int loadTaxDataRecords();
    int loadNoaRecords();
    // The row's S.I.N. and its page (mode 1) or page file or message (mode 2); false, both
    // left empty, when there is no such row.
    bool recordHtml(int id, CString &sin, CString &page);
    StoredDownloadRead loadTaxDataRecord(int id, TDDTaxDataOnePerson &record);
    // Deletes the row (and in mode 2 its page file inside the notice folder); always 0.
    int deleteRecord(int id);
    // The entry of the selected row, or null.
    TDDDataEntry *selectedEntry() const;

    TDDDataEntriesModel *recordsModel() const { return m_model; }
    QSortFilterProxyModel *sortProxy() const { return m_proxy; }
    int mode() const { return m_mode; }
    const CString &openSin() const { return m_openSin; }
    Form_Return *editor() const { return m_editor; }

    // The text shown when a stored Auto-fill download cannot be applied as the row says.
    static const char *const unreadableRecordText;
    // Whether a stored item's identifier names this S.I.N.: the service names a taxpayer by
    // the SHA-256 digest of the S.I.N. (any letter case), or by the S.I.N. itself.
    static bool identifierNamesSin(const QByteArray &identifier, const QByteArray &sin);
    // Whether a stored notice page may be deleted: a file inside the notice folder.
    static bool isInsideFolder(const QString &path, const QString &folder);

public slots:
    void on_btnNew_clicked();
    void on_btnView_clicked();
    void on_btnRemove_clicked();
    void on_btnClose_clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    // Mode 1: the summary page in the Auto-fill wizard, and the apply when it is finished.
    void viewTaxData(const TDDDataEntry &entry, const CString &sin, const CString &page);
    // Loads the row's stored item and, when it names the S.I.N., merges it into the editor's
    // person on screen as chosen, recalculates and refreshes the editor. False, with nothing
    // changed, when the item cannot be read or names someone else.
    bool applyTaxData(int id, const CString &sin, DataAFR &choice);
    // Mode 2: the stored message, or the stored page opened on the desktop.
    void viewNotice(const CString &page);
    // A statement that failed, written to the run log; the user is not told.
    void logDatabaseFailure(const char *what, const QString &error) const;

    TDDDataEntriesModel *m_model;
    QSortFilterProxyModel *m_proxy;
    CString m_openSin;
    QSqlDatabase m_db;
    qint16 m_mode;
    Form_Return *m_editor;

    QVBoxLayout *verticalLayout = nullptr;
    QLabel *label = nullptr;
    QTableView *tableView = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QPushButton *btnView = nullptr;
    QPushButton *btnNew = nullptr;
    QPushButton *btnRemove = nullptr;
    QPushButton *btnClose = nullptr;
};
