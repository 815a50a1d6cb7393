// DlgFindFiles: searches the usual folders for return files of a chosen year in a worker,
// keeps the list of found files between runs, and opens or imports the chosen one.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QSet>
#include <QStandardItemModel>
#include <memory>

class MainWindow;
class ThreadFindFiles;
class Ui_DlgFindFiles;

class DlgFindFiles : public QDialog
{
    Q_OBJECT
public:
    // The window title, the path of the saved list ("findfiles.csv") and the main window that
    // opens or imports the chosen file.
    DlgFindFiles(const QString &title, const QString &listPath, MainWindow *window);
    // Waits for a running worker, which was asked to stop when the dialog closed.
    ~DlgFindFiles() override;

    // Suffixes searched for a year option (0 last year, 1 this year, 2 the years before).
    static QStringList suffixesOf(int option);
    // The folders searched, in order, for every year option.
    static QStringList searchFolders();

    // Not slots: connected to the buttons in the constructor.
    void on_btnOpenReturn();
    void on_btnClose();
    void on_btnClearResult();

    // True when no search runs; otherwise says so and gives false.
    bool isSearchIdle();
    void loadResultList();
    // The rows written; 0 (file untouched) with no rows; -1 when it cannot be written.
    int saveResultList();

    QStandardItemModel *resultModel() { return &m_model; }
    bool isSearching() const { return !m_worker.isNull(); }

public slots:
    void on_btnSearch_clicked();
    void on_btnStop_clicked();
    void onProgressChanged(int seconds);
    void onThreadFinished();

    // Every way of closing (Close, the window's button, Escape) ends here: a running search is
    // stopped, and what it found and its end are taken in before the dialog goes.
    void done(int result) override;

private:
    void onStatusChanged(const QString &status, int seconds);
    void onFileFound(const QString &path);
    // Adds a row unless the same file is listed already.
    void appendOnce(const QString &path);
    // Asks the worker to stop, waits for its run to end and takes in its last signals.
    void stopAndWait();

    std::unique_ptr<Ui_DlgFindFiles> ui;
    MainWindow *m_window;
    QStandardItemModel m_model;
    QString m_status;
    QSet<QString> m_listed; // the cleaned paths of the rows
    QPointer<ThreadFindFiles> m_worker;
    QString m_listPath;
};
