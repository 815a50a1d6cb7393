// MainWindow: the program's one main window, a stack of the start page and the open returns.
#pragma once

#include <QMainWindow>

class QStackedWidget;
class TabWndApp;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The one main window, created on the first call.
    static MainWindow *instance(QWidget *parent);
    ~MainWindow() override;

    QStackedWidget *pages() const { return m_pages; }

protected:
    // Every showing asks the information service about a newer release.
    void showEvent(QShowEvent *event) override;

private:
    MainWindow(TabWndApp *app, QWidget *parent);

    TabWndApp *m_app;
    QStackedWidget *m_pages;
};
