// MainWindow: creation and the window's frame.
#include "ui/MainWindow.h"

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
    setMinimumSize(768, 480);
}

MainWindow::~MainWindow()
{
    if (s_window == this)
        s_window = nullptr;
}
