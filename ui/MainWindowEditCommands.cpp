// MainWindow: the slots of the editor's commands on forms, slips and notes; each commits the
// page on screen (which recalculates) and hands the command to the editor shown.
#include "ui/MainWindow.h"

#include "app/TabWndApp.h"
#include "marrow/TypeCodes.h"
#include "ui/Form_Return.h"

void MainWindow::addSlip(int slipCode)
{
    if (Form_Return *editor = committedEditor())
        editor->addSlip(slipCode);
}

void MainWindow::on_actionAdd_a_Tax_Form_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->addTaxForm();
}

void MainWindow::on_actionValidate_Return_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->validateReturn(AppEdition, true, false);
}

void MainWindow::onAdd_a_tax_note()
{
    if (Form_Return *editor = committedEditor())
        editor->addNote();
}

void MainWindow::onSlipSummary()
{
    if (Form_Return *editor = committedEditor())
        editor->showSlipSummary();
}

void MainWindow::on_actionRemove_Selected_Slip_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->removeSelectedItem();
}

void MainWindow::on_actionRemove_Selected_Form_Schedule_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->removeSelectedItem();
}

void MainWindow::on_actionShare_Form_to_Spouse_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->shareForm();
}

void MainWindow::on_actionUn_share_form_with_spouse_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->unshareForm();
}

void MainWindow::on_actionShare_slip_with_spouse_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->shareSlip();
}

void MainWindow::on_actionUn_share_slip_with_spouse_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->unshareSlip();
}

void MainWindow::on_actionArrange_Order_of_Tax_Forms_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->changeFormOrder();
}

void MainWindow::on_actionChange_Tax_Province_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->changeProvince();
}

void MainWindow::on_actionDe_Couple_Return_1to2_triggered()
{
    Form_Return *editor = committedEditor();
    if (!editor)
        return;
    editor->decoupleReturn();
    // The title names the return's file, which de-coupling forgets.
    updateTitleAndActions();
}

void MainWindow::on_actionTax_Planning_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->taxPlanning();
}

void MainWindow::on_actionOptimize_triggered()
{
    if (Form_Return *editor = committedEditor())
        editor->optimizeReturn();
}

void MainWindow::on_actionUn_set_Return_for_ReFile_triggered()
{
    Form_Return *editor = committedEditor();
    if (!editor)
        return;
    editor->unsetReFile();
    // As after setting the mark: the result lines follow the return's new state.
    updateTitleAndActions();
}

// ---- adding slips, by the named codes of the slip factory

void MainWindow::on_actionAdd_T4_slip_triggered()
{
    addSlip(SlipType::T4);
}

void MainWindow::on_actionAdd_T4A_slip_triggered()
{
    addSlip(SlipType::T4A);
}

void MainWindow::on_actionAdd_T4A_P_slip_triggered()
{
    addSlip(SlipType::T4AP);
}

void MainWindow::on_actionAdd_T4RSP_slip_triggered()
{
    addSlip(SlipType::T4RSP);
}

void MainWindow::on_actionAdd_T4E_slip_triggered()
{
    addSlip(SlipType::T4E);
}

void MainWindow::on_actionAdd_T4A_OAS_slip_triggered()
{
    addSlip(SlipType::T4AOAS);
}

void MainWindow::on_actionAdd_T4RIF_slip_triggered()
{
    addSlip(SlipType::T4RIF);
}

void MainWindow::on_actionAdd_T5_slip_triggered()
{
    addSlip(SlipType::T5);
}

void MainWindow::on_actionAdd_T3_slip_triggered()
{
    addSlip(SlipType::T3);
}

void MainWindow::on_actionAdd_T5003_slip_triggered()
{
    addSlip(SlipType::T5003);
}

void MainWindow::on_actionAdd_T5007_triggered()
{
    addSlip(SlipType::T5007);
}

void MainWindow::on_actionAdd_T5013_slip_triggered()
{
    addSlip(SlipType::T5013);
}

void MainWindow::on_actionAdd_T4PS_slip_triggered()
{
    addSlip(SlipType::T4PS);
}

void MainWindow::on_actionAdd_T4A_RCA_slip_triggered()
{
    addSlip(SlipType::T4ARCA);
}

void MainWindow::on_actionAdd_T5006_slip_triggered()
{
    addSlip(SlipType::T5006);
}

void MainWindow::on_actionAdd_RC62_slip_triggered()
{
    addSlip(SlipType::RC62);
}

void MainWindow::on_actionAdd_RC210_slip_triggered()
{
    addSlip(SlipType::RC210);
}

void MainWindow::on_actionAdd_Manitoba_shelter_benefit_slip_triggered()
{
    addSlip(SlipType::MBSHELTERASSIST);
}

void MainWindow::on_actionAdd_PRPP_slip_triggered()
{
    addSlip(SlipType::PRPP);
}

void MainWindow::on_actionAdd_T1204_slip_triggered()
{
    addSlip(SlipType::T1204);
}

void MainWindow::on_actionAdd_NR4_slip_triggered()
{
    addSlip(SlipType::NR4);
}

void MainWindow::on_actionAdd_T2202_slip_triggered()
{
    addSlip(SlipType::T2202);
}

void MainWindow::onAddSlip_T4FHSA()
{
    addSlip(SlipType::T4FHSA);
}
