// The application-wide wait cursor.
#include "app/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

void beginWaitCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void endWaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}
