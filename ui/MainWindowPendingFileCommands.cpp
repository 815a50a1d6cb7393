// MainWindow: opening and importing a return file by path, until the file commands come; each
// says the command is not in this build and changes nothing.
#include "ui/MainWindow.h"
#include "ui_MainWindow.h"

void MainWindow::openReturnFile(const QString &)
{
    notAvailable(ui->actionOpen_File);
}

void MainWindow::importPriorYearReturn(const QString &)
{
    notAvailable(ui->actionImport_Prior_Year_s_Return);
}
