// MainWindow: the slots of the menu commands on the return shown and of the other dialogs.
#include "ui/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "marrow/TypeCodes.h"
#include "ordane/Utilities.h"
#include "ui/Form_Return.h"
#include "ui/NeighbourServices.h"

#include <QStackedWidget>

Form_Return *MainWindow::committedEditor()
{
    Form_Return *editor = m_openReturns > 0 ? shownEditor() : nullptr;
    if (editor)
        editor->commitCurrentPage();
    return editor;
}

void MainWindow::notAvailable(QAction *action)
{
    showNotAvailable(action->text(), this);
}

void MainWindow::commitAndReport(QAction *action)
{
    if (committedEditor())
        notAvailable(action);
}

bool MainWindow::runFolderReady()
{
    if (m_app && makeFolderExists(m_app->runPath))
        return true;
    showInformation(tr("NetFile/EFile cannot be created and saved into the folder, please check "
                       "firewall and anti-virus software settings to unblock Quorvandelle."),
                    this);
    return false;
}

// ---- commands on the return shown

void MainWindow::runService(Form_Return *editor, const EditorService &service, QAction *action)
{
    if (service)
        service(editor);
    else
        notAvailable(action);
}

void MainWindow::on_actionSend_T183_for_E_Signature_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->requestSignature(FormType::T183, ui->actionSend_T183_for_E_Signature->text());
}

void MainWindow::on_SendRC71ESignature()
{
    if (Form_Return *editor = committedEditor())
        editor->requestSignature(FormType::RC71, ui->actionSend_RC71_for_E_Signature->text());
}

void MainWindow::on_actionSubmit_PAD_Pre_authorized_Debit_triggered()
{
    committedEditor();
}

void MainWindow::on_actionGenerate_Print_pdf_Files_triggered()
{
    Form_Return *editor = committedEditor();
    if (!editor)
        return;
    if (!m_app || !makeFolderExists(m_app->config.RetPdfPath)) {
        showInformation(tr("Quorvandelle cannot open or create the file folder for printable tax "
                           "form (.pdf) file."),
                        this);
        return;
    }
    runService(editor, neighbourServices().generatePrint, ui->actionGenerate_Print_pdf_Files);
}

void MainWindow::on_actionInternetFiling_triggered()
{
    Form_Return *editor = committedEditor();
    if (!editor || !runFolderReady())
        return;
    runService(editor, neighbourServices().internetFiling, ui->actionInternetFiling);
}

void MainWindow::on_actionFile_T1135_Online_triggered()
{
    Form_Return *editor = committedEditor();
    if (!editor || !runFolderReady())
        return;
    runService(editor, neighbourServices().fileT1135Online, ui->actionFile_T1135_Online);
}

void MainWindow::on_actionSet_Return_for_ReFile_triggered()
{
    Form_Return *editor = committedEditor();
    if (!editor || !runFolderReady())
        return;
    NeighbourServices &services = neighbourServices();
    if (!services.setReFile) {
        notAvailable(ui->actionSet_Return_for_ReFile);
        return;
    }
    services.setReFile(editor);
    updateTitleAndActions();
}

void MainWindow::on_actionFind_Return_Files_triggered()
{
    findReturnFiles();
}
