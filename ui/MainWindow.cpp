// MainWindow: creation, the window's frame and the release check on showing.
#include "ui/MainWindow.h"

#include <QShowEvent>
#include <QStackedWidget>

#include "app/TabWndApp.h"

namespace {
MainWindow *s_window = nullptr;
} // namespace

MainWindow *MainWindow::instance(QWidget *parent)
{
    if (!s_window)
        s_window = new MainWindow(appInstance(), parent);
    return s_window;
}

MainWindow::MainWindow(TabWndApp *app, QWidget *parent)
    : QMainWindow(parent), m_app(app), m_pages(new QStackedWidget(this))
{
    setCentralWidget(m_pages);
    setWindowTitle(appTitle);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Spontaneous show events (a window restored by the window system) are not a new showing.
    if (m_app && !event->spontaneous())
        m_app->checkNewVersion();
}

MainWindow::~MainWindow()
{
    if (s_window == this)
        s_window = nullptr;
}
