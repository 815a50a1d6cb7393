// Form_Return: the commands on the forms, slips and notes of the person on screen — sharing,
// adding, removing, ordering, the slip summary, province, de-coupling, planning, the optimiser
// and validation.
#include "ui/Form_Return.h"
#include "ui_Form_Return.h"

#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "calc/ValidationMsgGroup.h"
#include "marrow/BaseTaxPage.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_TaxNote.h"
#include "marrow/TypeCodes.h"
#include "model/DataDlgChangeProv.h"
#include "model/DataShareAmtDlg.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/DlgMsgWithLink.h"
#include "ordane/SafeFileWriter.h"
#include "ui/AddTaxFormDlg.h"
#include "ui/AddableForms.h"
#include "ui/DlgChangeFormOrder.h"
#include "ui/DlgValidationMsgs.h"
#include "ui/FolderView.h"
#include "ui/NeighbourServices.h"

#include <QComboBox>
#include <QDir>
#include <QTextStream>
#include <QUrl>

namespace {

// The return model's keys read here.
constexpr int kKeyReFileFlag = 2;
constexpr int kKeyPersonName = 17;

const char kSharedNotice[] = "Tax form/slip is shared to spouse's return, make sure shared tax "
                             "forms are claimed properly.";

// The selected tree entry of one kind, or null (nothing, or another kind, is selected).
TaxDataEntryStru *selectedOfKind(FolderView *tree, int wanted)
{
    int kind = FolderView::KindNone;
    int type = 0;
    int id = 0;
    void *entry = tree->selectedEntry(kind, type, id);
    return kind == wanted ? static_cast<TaxDataEntryStru *>(entry) : nullptr;
}

// One person's review messages and the name of the tab, freed when the command ends.
struct PersonMessages
{
    std::list<ValidationMsgGroup *> groups;
    CString name;
    PersonMessages() = default;
    PersonMessages(const PersonMessages &) = delete;
    PersonMessages &operator=(const PersonMessages &) = delete;
    ~PersonMessages() { freeValidationMsgGroups(groups); }
};

} // namespace

// ---- sharing with the spouse

void Form_Return::shareForm()
{
    if (!m_family)
        return;
    if (!m_family->isCoupled()) {
        showInformation(
            tr("Sharing tax form/slip can only be processed in a coupled return file."));
        return;
    }
    TaxDataEntryStru *entry = selectedOfKind(ui->treeFolderView, FolderView::KindForm);
    if (!entry || !entry->data)
        return;
    if (!IsFormSharable(entry->data->getType())) {
        showInformation(tr("This tax form cannot be shared."));
        return;
    }
    if (entry->linkedId > 0) {
        showInformation(tr("This tax form is already shared."));
        return;
    }
    CTaxData_Form *form = entry->data;
    m_family->shareForm(form, 0);
    m_family->Recalculate(0, form);
    refreshTreeCaptions(true, false);
    updateResultLabels();
    showInformation(tr(kSharedNotice), this);
}

void Form_Return::unshareForm()
{
    if (!m_family || !m_family->isCoupled())
        return;
    TaxDataEntryStru *entry = selectedOfKind(ui->treeFolderView, FolderView::KindForm);
    if (!entry || !entry->data || !m_family->isFormShared(entry->data))
        return;
    CTaxData_Form *form = entry->data;
    m_family->unshareForm(form);
    m_family->Recalculate(0, form);
    refreshTreeCaptions(false, false);
    updateResultLabels();
    showInformation(tr("Tax form is unshared from spouse's return."));
}

void Form_Return::shareSlip()
{
    if (!m_family)
        return;
    if (!m_family->isCoupled()) {
        showInformation(tr("Sharing tax form/slip can only be done in a coupled return file."));
        return;
    }
    TaxDataEntryStru *entry = selectedOfKind(ui->treeFolderView, FolderView::KindSlip);
    if (!entry || !entry->data)
        return;
    if (!IsSlipSharable(entry->data->getType()) || entry->linkedId > 0) {
        showInformation(tr("This tax slip cannot be shared."));
        return;
    }
    CTaxData_Form *slip = entry->data;
    m_family->shareSlip(slip, 0);
    const int changed = m_family->Recalculate(1, slip);
    refreshTreeCaptions(changed != 0, true);
    updateResultLabels();
    showInformation(tr(kSharedNotice));
}

void Form_Return::unshareSlip()
{
    if (!m_family)
        return;
    if (!m_family->isCoupled()) {
        showInformation(tr("Sharing tax form/slip can only be done in a coupled return file."));
        return;
    }
    TaxDataEntryStru *entry = selectedOfKind(ui->treeFolderView, FolderView::KindSlip);
    if (!entry || !entry->data || !m_family->isSlipShared(entry->data))
        return;
    CTaxData_Form *slip = entry->data;
    m_family->unshareSlip(slip);
    m_family->Recalculate(1, slip);
    refreshTreeCaptions(false, true);
    updateResultLabels();
    showInformation(tr("Tax slip is unshared from spouse's return."));
}

// ---- adding

void Form_Return::addSlip(int slipCode)
{
    if (!m_family)
        return;
    // A code without a slip class makes nothing; selecting would then fall on another item.
    TaxDataEntryStru *entry = m_family->addSlip(slipCode, 0, 0);
    if (!entry)
        return;
    ui->treeFolderView->populateSlips();
    ui->treeFolderView->selectEntry(FolderView::KindSlip, entry->id);
}

void Form_Return::addNote()
{
    if (!m_family || !m_family->addNote(0))
        return;
    ui->treeFolderView->populateNotes();
    ui->treeFolderView->selectEntry(FolderView::KindNote, 0);
}

void Form_Return::addTaxForm()
{
    if (!m_family)
        return;
    QList<int> provinces;
    m_family->getLoadedProvinces(provinces);
    QList<int> offered;
    collectAddableForms(provinces, offered);
    int type = 0;
    {
        AddTaxFormDlg dialog(offered, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        type = dialog.selectedFormType();
    }
    if (type == 0)
        return;
    if (!IsMultipleForm(type) && m_family->hasForm(type)) {
        showInformation(tr("This tax form already exists in the tax return."), this);
        return;
    }
    if (!m_family->addForm(type, 0, true, 0, true)) {
        showInformation(tr("Add form failed!"), this);
        return;
    }
    onSignalCalc(nullptr, nullptr);
    refreshTreeCaptions(true, false);
}

// ---- removing and ordering

void Form_Return::removeSelectedItem()
{
    if (!m_family)
        return;
    FolderView *tree = ui->treeFolderView;
    int kind = FolderView::KindNone;
    int type = 0;
    int id = 0;
    void *selected = tree->selectedEntry(kind, type, id);
    if (kind == FolderView::KindNone)
        return;
    IndividualTaxData *person = m_family->getCurrentPersonData();

    // The object goes only after its pages are closed and the editor lets go of it, so that
    // nothing on screen reads a freed form.
    auto closePages = [this]() {
        clearFormTabs();
        m_currentForm = nullptr;
    };

    if (kind == FolderView::KindForm) {
        auto *entry = static_cast<TaxDataEntryStru *>(selected);
        CTaxData_Form *form = entry ? entry->data : nullptr;
        if (!form || !person)
            return;
        if (person->isFormNeeded(entry->type) || form->isRequired()) {
            showInformation(tr("This tax form can NOT be removed, because it's mandatory or "
                               "necessary for other tax slips/forms."),
                            this);
            return;
        }
        if (m_family->isFormShared(form)) {
            if (!askQuestion(tr("The tax form is shared with spouse's tax return. Do you want to "
                                "un-share it and continue removing the tax form?"),
                             this))
                return;
            m_family->unshareForm(form);
        }
        if (tree->removeSelectedTreeItem()) {
            closePages();
            m_family->removeForm(form, true);
        }
    } else if (kind == FolderView::KindSlip) {
        auto *entry = static_cast<TaxDataEntryStru *>(selected);
        CTaxData_Form *slip = entry ? entry->data : nullptr;
        if (!slip)
            return;
        if (m_family->isSlipShared(slip)) {
            if (!askQuestion(tr("The tax slip is shared with spouse's tax return. Do you want to "
                                "un-share it and continue removing the tax slip?")))
                return;
            m_family->unshareSlip(slip);
        }
        if (tree->removeSelectedTreeItem()) {
            closePages();
            m_family->removeSlip(slip);
        }
    } else if (kind == FolderView::KindNote) {
        auto *entry = static_cast<TaxNoteEntryStru *>(selected);
        TaxData_TaxNote *note = entry ? entry->data : nullptr;
        if (note && tree->removeSelectedTreeItem()) {
            closePages();
            m_family->removeNote(note);
        }
    } else if (kind != FolderView::KindResult) {
        return;
    }

    const int changed = m_family->Recalculate(-1, nullptr);
    refreshTreeCaptions(kind == FolderView::KindForm || changed != 0, kind == FolderView::KindSlip);
    updateResultLabels();
}

void Form_Return::changeFormOrder()
{
    if (!m_family)
        return;
    DlgChangeFormOrder dialog(m_family->getCurrentPersonData(), this);
    if (dialog.exec() == QDialog::Accepted)
        refreshTreeCaptions(true, false);
}

// ---- slip summary

QString Form_Return::slipSummaryPath()
{
    TabWndApp *app = appInstance();
    const QString folder = app ? QString(app->config.RetPath) : QString();
    return folder + QDir::separator() + QString(m_family->getPersonDefaultFileName()) +
           QStringLiteral("_SlipSummary.html");
}

void Form_Return::showSlipSummary()
{
    if (!m_family)
        return;
    const QString path = slipSummaryPath();
    bool written = false;
    {
        WaitCursorScope wait;
        QString html;
        QTextStream out(&html);
        out << "<html><head><title>Slip Summary</title></head><body>";
        m_family->writeSlipSummary(out);
        out << "</body></html>";
        out.flush();
        written = writeFileSafely(path, html.toUtf8());
    }
    if (!written) {
        // A link to a file that is not there would only open an error page.
        showInformation(
            tr("The slip summary file cannot be written: ") + QDir::toNativeSeparators(path), this);
        return;
    }
    CString name;
    m_family->getTextByKey(kKeyPersonName, name);
    DlgMsgWithLink dialog(tr("Tax Slips Summary"), this);
    dialog.setMsg1(tr("click this link to view the tax slips summary for"));
    dialog.setMsg2(name);
    dialog.setLink(QUrl::fromLocalFile(path).toString());
    dialog.exec();
}

// ---- province, de-coupling, planning and the optimiser

void Form_Return::changeProvince()
{
    if (!m_family || !m_family->getCurrentPersonData())
        return;
    NeighbourServices &services = neighbourServices();
    if (!services.changeProvince) {
        showNotAvailable(tr("Change Tax Province"), this);
        return;
    }
    DataDlgChangeProv answers;
    if (services.changeProvince(this, answers) != 1)
        return;
    const int oldProvince = m_family->getCurrentPersonData()->m_province;
    const int newProvince = answers.fld_NewTaxProv.value();
    if (oldProvince == newProvince) {
        showInformation(tr("Tax return province is not changed!"), this);
        return;
    }
    // The old province's forms go away with its plug-in: nothing on screen may still show one.
    int kind = FolderView::KindNone;
    int type = 0;
    int id = 0;
    ui->treeFolderView->selectedEntry(kind, type, id);
    clearFormTabs();
    m_currentForm = nullptr;
    m_family->changeProvince(oldProvince, newProvince,
                             answers.fld_ChgBoth.value() == DataDlgChangeProv::ChangeBothPersons);
    m_family->Recalculate(0, nullptr);
    refreshTreeCaptions(true, true);
    // The refund beside the tree and in the status bar are the new province's at once.
    updateResultLabels();
    ui->treeFolderView->clearSelection();
    ui->treeFolderView->selectEntry(kind, id);
    showInformation(tr("Tax return file is changed to the new province, you need to save file the "
                       "confirm the changes."),
                    this);
}

void Form_Return::decoupleReturn()
{
    if (!m_family || !m_family->isCoupled())
        return;
    NeighbourServices &services = neighbourServices();
    if (!services.decoupleReturn) {
        showNotAvailable(tr("De-Couple Return"), this);
        return;
    }
    // The dialog may free the forms on screen, so the pages let go of them first.
    int kind = FolderView::KindNone;
    int type = 0;
    int id = 0;
    FolderView *tree = ui->treeFolderView;
    tree->selectedEntry(kind, type, id);
    clearFormTabs();
    m_currentForm = nullptr;
    if (services.decoupleReturn(this) != 1) {
        tree->clearSelection();
        tree->selectEntry(kind, id);
        return;
    }
    WaitCursorScope wait;
    m_switching = true;
    m_family->Recalculate(-1, nullptr);
    clearFormTabs();
    m_family->fillPersonComboBox(ui->comboBox, false);
    tree->buildSections(m_family);
    tree->selectEntry(FolderView::KindForm, 0);
    if (CTaxData_Form *t1 = m_family->getForm(FormType::T1, false))
        openForm(0, t1);
    setFilePath(nullptr);
    m_switching = false;
}

void Form_Return::taxPlanning()
{
    if (!m_family)
        return;
    NeighbourServices &services = neighbourServices();
    if (!services.taxPlanning) {
        showNotAvailable(tr("Tax Planning"), this);
        return;
    }
    FamilyTaxData copy(m_family->routingFlag());
    copy = *m_family;
    services.taxPlanning(copy, this);
    copy.freeAllData();
}

void Form_Return::optimizeReturn()
{
    if (!m_family)
        return;
    if (!m_family->isCoupled()) {
        showInformation(tr("Right now, optimize function is only targeted coupled tax return for "
                           "married/common-law tax returns."));
        return;
    }
    IndividualTaxData *taxpayer = m_family->taxpayer();
    IndividualTaxData *spouse = m_family->spouse();
    auto *t1032Taxpayer =
        dynamic_cast<TaxData_T1032_New *>(taxpayer->getForm(FormType::T1032, 0, false));
    auto *t1032Spouse =
        dynamic_cast<TaxData_T1032_New *>(spouse->getForm(FormType::T1032, 0, false));
    // Checked before anything is added: a refused command leaves the return as it was.
    if (t1032Taxpayer && t1032Spouse && t1032Taxpayer->transferer.value() != 0 &&
        t1032Spouse->transferer.value() != 0) {
        showInformation(tr("Please answer who is the pension transferer in form T1032 first."));
        return;
    }
    NeighbourServices &services = neighbourServices();
    if (!services.shareAmounts || !services.optimizeReturn) {
        showNotAvailable(tr("Optimize"), this);
        return;
    }

    DataShareAmtDlg amounts;
    auto *sch9Taxpayer = dynamic_cast<TaxData_Sch9 *>(taxpayer->getForm(FormType::SCH9, 0, true));
    auto *sch9Spouse = dynamic_cast<TaxData_Sch9 *>(spouse->getForm(FormType::SCH9, 0, true));
    if (sch9Taxpayer)
        amounts.fld_Donation_1_Claimed = sch9Taxpayer->totalDonations();
    if (sch9Spouse)
        amounts.fld_Donation_2_Claimed = sch9Spouse->totalDonations();
    TaxData_T1032_New *source = nullptr;
    if (t1032Taxpayer && t1032Taxpayer->transferer.value() == 0)
        source = t1032Taxpayer;
    else if (t1032Spouse && t1032Spouse->transferer.value() == 0)
        source = t1032Spouse;
    if (source) {
        amounts.fld_Pension_1 = source->amount.value();
        amounts.fld_Pension_2 = source->amount.value();
        amounts.fld_Pension_1_Claimed = source->electedAmount.value();
        amounts.fld_Pension_2_Claimed = source->electedAmount.value();
    }
    // Only a return that had both halves of the election before the wizard takes the split.
    const bool bothElections = t1032Taxpayer && t1032Spouse;
    if (services.shareAmounts(this, amounts) != 1)
        return;

    double split = 0;
    int code = 0;
    {
        FamilyTaxData copy(m_family->routingFlag());
        copy = *m_family;
        code = services.optimizeReturn(copy, amounts, this, split);
        copy.freeAllData();
    }
    // "No Change and Close" leaves the open return as it was.
    if (code != 1 || !bothElections)
        return;
    WaitCursorScope wait;
    for (TaxData_T1032_New *t1032 : {t1032Taxpayer, t1032Spouse}) {
        t1032->election = true;
        t1032->electedAmount = split;
    }
    m_family->Recalculate(-1, nullptr);
    refreshPages();
    updateResultLabels();
}

// ---- validation and the re-file mark

int Form_Return::validateReturn(unsigned char edition, bool offerWarnings, bool askBeforeErrors)
{
    if (!m_family)
        return 0;
    PersonMessages first;
    PersonMessages second;
    const bool coupled = m_family->isCoupled();
    const bool spouseOnScreen = m_family->getCurrentPersonIndex() == PersonSpouse;
    int count = 0;
    if (coupled) {
        count =
            m_family->collectCheckMessages(edition, first.groups, first.name, spouseOnScreen, true);
        count += m_family->collectCheckMessages(edition, second.groups, second.name,
                                                !spouseOnScreen, false);
    } else {
        count = m_family->collectCheckMessages(edition, first.groups, first.name, false, false);
    }

    if (count == 0) {
        if (offerWarnings &&
            askQuestion(tr("This tax return passes validation check, there are no errors "
                           "found.\n\nDo you want to view the warning message?"))) {
            int reFile = 0;
            m_family->getIntByKey(kKeyReFileFlag, reFile);
            m_family->preCheckReturn(2, reFile != 0);
        }
        return 0;
    }
    if (askBeforeErrors &&
        !askQuestion(tr("This return contains validation errors. Do you want to view the "
                        "validation errors?")))
        return count;
    DlgValidationMsgs dialog(this);
    dialog.showMessages(first.name, first.groups, coupled, second.name, second.groups);
    dialog.resize(750, 650);
    dialog.exec();
    return count;
}

void Form_Return::unsetReFile()
{
    NeighbourServices &services = neighbourServices();
    if (!services.clearReFileFlag) {
        showNotAvailable(tr("Un-set Return for ReFile"), this);
        return;
    }
    services.clearReFileFlag(this);
    refreshPages();
}
