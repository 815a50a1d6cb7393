// ViewIntroduction: the page's heading; the recent-files list and its buttons come later.
#include "ui/ViewIntroduction.h"

#include <QLabel>
#include <QVBoxLayout>

ViewIntroduction::ViewIntroduction(TabWndApp *app, MainWindow *window, QWidget *parent)
    : QWidget(parent), m_app(app), m_window(window),
      m_label(new QLabel(tr("Select return file to open, or create a new tax return file"), this))
{
    m_label->setObjectName(QStringLiteral("label"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addStretch(1);
}
