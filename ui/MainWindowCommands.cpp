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

void MainWindow::addSlip(QAction *action)
{
    commitAndReport(action);
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

void MainWindow::on_actionAdd_a_Tax_Form_triggered()
{
    commitAndReport(ui->actionAdd_a_Tax_Form);
}

void MainWindow::on_actionValidate_Return_triggered()
{
    commitAndReport(ui->actionValidate_Return);
}

void MainWindow::onAdd_a_tax_note()
{
    commitAndReport(ui->actionAdd_a_tax_note);
}

void MainWindow::onSlipSummary()
{
    commitAndReport(ui->actionSlip_summary);
}

void MainWindow::on_actionRemove_Selected_Slip_triggered()
{
    commitAndReport(ui->actionRemove_Selected_Slip);
}

void MainWindow::on_actionRemove_Selected_Form_Schedule_triggered()
{
    commitAndReport(ui->actionRemove_Selected_Form_Schedule);
}

void MainWindow::on_actionShare_Form_to_Spouse_triggered()
{
    commitAndReport(ui->actionShare_Form_to_Spouse);
}

void MainWindow::on_actionUn_share_form_with_spouse_triggered()
{
    commitAndReport(ui->actionUn_share_form_with_spouse);
}

void MainWindow::on_actionShare_slip_with_spouse_triggered()
{
    commitAndReport(ui->actionShare_slip_with_spouse);
}

void MainWindow::on_actionUn_share_slip_with_spouse_triggered()
{
    commitAndReport(ui->actionUn_share_slip_with_spouse);
}

void MainWindow::on_actionArrange_Order_of_Tax_Forms_triggered()
{
    commitAndReport(ui->actionArrange_Order_of_Tax_Forms);
}

void MainWindow::on_actionChange_Tax_Province_triggered()
{
    commitAndReport(ui->actionChange_Tax_Province);
}

void MainWindow::on_actionDe_Couple_Return_1to2_triggered()
{
    commitAndReport(ui->actionDe_Couple_Return_1to2);
}

void MainWindow::on_actionTax_Planning_triggered()
{
    commitAndReport(ui->actionTax_Planning);
}

void MainWindow::on_actionOptimize_triggered()
{
    commitAndReport(ui->actionOptimize);
}

void MainWindow::on_actionUn_set_Return_for_ReFile_triggered()
{
    commitAndReport(ui->actionUn_set_Return_for_ReFile);
}

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

// ---- adding slips

void MainWindow::on_actionAdd_T4_slip_triggered()
{
    addSlip(ui->actionAdd_T4_slip);
}

void MainWindow::on_actionAdd_T4A_slip_triggered()
{
    addSlip(ui->actionAdd_T4A_slip);
}

void MainWindow::on_actionAdd_T4A_P_slip_triggered()
{
    addSlip(ui->actionAdd_T4A_P_slip);
}

void MainWindow::on_actionAdd_T4RSP_slip_triggered()
{
    addSlip(ui->actionAdd_T4RSP_slip);
}

void MainWindow::on_actionAdd_T4E_slip_triggered()
{
    addSlip(ui->actionAdd_T4E_slip);
}

void MainWindow::on_actionAdd_T4A_OAS_slip_triggered()
{
    addSlip(ui->actionAdd_T4A_OAS_slip);
}

void MainWindow::on_actionAdd_T4RIF_slip_triggered()
{
    addSlip(ui->actionAdd_T4RIF_slip);
}

void MainWindow::on_actionAdd_T5_slip_triggered()
{
    addSlip(ui->actionAdd_T5_slip);
}

void MainWindow::on_actionAdd_T3_slip_triggered()
{
    addSlip(ui->actionAdd_T3_slip);
}

void MainWindow::on_actionAdd_T5003_slip_triggered()
{
    addSlip(ui->actionAdd_T5003_slip);
}

void MainWindow::on_actionAdd_T5007_triggered()
{
    addSlip(ui->actionAdd_T5007);
}

void MainWindow::on_actionAdd_T5013_slip_triggered()
{
    addSlip(ui->actionAdd_T5013_slip);
}

void MainWindow::on_actionAdd_T4PS_slip_triggered()
{
    addSlip(ui->actionAdd_T4PS_slip);
}

void MainWindow::on_actionAdd_T4A_RCA_slip_triggered()
{
    addSlip(ui->actionAdd_T4A_RCA_slip);
}

void MainWindow::on_actionAdd_T5006_slip_triggered()
{
    addSlip(ui->actionAdd_T5006_slip);
}

void MainWindow::on_actionAdd_RC62_slip_triggered()
{
    addSlip(ui->actionAdd_RC62_slip);
}

void MainWindow::on_actionAdd_RC210_slip_triggered()
{
    addSlip(ui->actionAdd_RC210_slip);
}

void MainWindow::on_actionAdd_Manitoba_shelter_benefit_slip_triggered()
{
    addSlip(ui->actionAdd_Manitoba_shelter_benefit_slip);
}

void MainWindow::on_actionAdd_PRPP_slip_triggered()
{
    addSlip(ui->actionAdd_PRPP_slip);
}

void MainWindow::on_actionAdd_T1204_slip_triggered()
{
    addSlip(ui->actionAdd_T1204_slip);
}

void MainWindow::on_actionAdd_NR4_slip_triggered()
{
    addSlip(ui->actionAdd_NR4_slip);
}

void MainWindow::on_actionAdd_T2202_slip_triggered()
{
    addSlip(ui->actionAdd_T2202_slip);
}

void MainWindow::onAddSlip_T4FHSA()
{
    addSlip(ui->actionAdd_T4FHSA_slip);
}

// ---- file, information and help commands that come with their own dialogs

void MainWindow::actionNewReturn()
{
    notAvailable(ui->actionNew);
}

void MainWindow::actionOpenReturn()
{
    notAvailable(ui->actionOpen_File);
}

void MainWindow::actionSaveReturn()
{
    notAvailable(ui->actionSave_Return);
}

void MainWindow::on_actionSave_Return_As_triggered()
{
    notAvailable(ui->actionSave_Return_As);
}

void MainWindow::on_actionImport_Prior_Year_s_Return_triggered()
{
    notAvailable(ui->actionImport_Prior_Year_s_Return);
}

void MainWindow::on_actionCouple_Returns_2to1_triggered()
{
    notAvailable(ui->actionCouple_Returns_2to1);
}

void MainWindow::on_actionFind_Returns_Not_Filed_Online_triggered()
{
    notAvailable(ui->actionFind_Returns_Not_Filed_Online);
}

void MainWindow::on_actionFind_Return_Files_triggered()
{
    findReturnFiles();
}
