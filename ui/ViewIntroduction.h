// ViewIntroduction: the main window's start page — the recent return files with a filter, and
// the buttons that open, create, import or remove a return.
#pragma once

#include <QSortFilterProxyModel>
#include <QWidget>
#include <memory>

class MainWindow;
class QModelIndex;
class TabWndApp;
class Ui_ViewIntroduction;

class ViewIntroduction : public QWidget
{
    Q_OBJECT
public:
    ViewIntroduction(TabWndApp *app, MainWindow *window, QWidget *parent);
    ~ViewIntroduction() override;

    // The file path of the selected table row, read through the proxy; empty with none.
    QString selectedFilePath() const;

public slots:
    void ShowContextMenu(const QPoint &pos);
    void gotoSelectedFolder();
    void copySelectedFolder();

private slots:
    void on_edtFilter_textChanged(const QString &text);
    void on_resetFilterButton_clicked();
    void on_newButton_clicked();
    void on_prefButton_clicked();
    void on_importButton_clicked();
    void on_openButton_clicked();
    void on_tableView_doubleClicked(const QModelIndex &index);
    void on_delButton_clicked();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The selected row as an index of the recent-files model; invalid with none.
    QModelIndex selectedSourceIndex() const;
    QString filePathAt(const QModelIndex &proxyIndex) const;
    void openRow(const QModelIndex &proxyIndex);
    // The folder that holds the selected row's file; empty with no row.
    QString selectedFolder() const;

    bool m_firstShow = true;
    std::unique_ptr<Ui_ViewIntroduction> ui;
    MainWindow *m_window;
    TabWndApp *m_app;
    QSortFilterProxyModel m_proxy;
};
