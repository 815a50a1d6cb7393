// ViewIntroduction: the main window's start page.
#pragma once

#include <QWidget>

class MainWindow;
class QLabel;
class TabWndApp;

class ViewIntroduction : public QWidget
{
    Q_OBJECT
public:
    ViewIntroduction(TabWndApp *app, MainWindow *window, QWidget *parent);

private:
    TabWndApp *m_app;
    MainWindow *m_window;
    QLabel *m_label;
};
