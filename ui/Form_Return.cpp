// Form_Return: construction, file identity, person switch, recalculation, saving and events.
#include "ui/Form_Return.h"
#include "ui_Form_Return.h"

#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "marrow/BaseTaxPage.h"
#include "marrow/BusinessForms.h"
#include "marrow/FormTables.h"
#include "marrow/ScrollTaxForm.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/ReturnFile.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/MyEvent.h"
#include "ui/ActionShowReturn.h"
#include "ui/EditorRules.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"
#include "ui/TreeViewDelegate.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString separatorText()
{
    TabWndApp *app = appInstance();
    return app && !app->separator.isEmpty() ? app->separator : QString(QDir::separator());
}

} // namespace

Form_Return::Form_Return(const QFileInfo *file, FamilyTaxData *family, MainWindow *window,
                         QWidget *parent, int returnNumber, int fontSize)
    : QWidget(parent), ui(new Ui::Form_Return), m_fontSize(fontSize), m_returnNumber(returnNumber),
      m_window(window), m_family(family)
{
    WaitCursorScope wait;
    ui->setupUi(this);
    ui->tabForm->setUsesScrollButtons(true);
    ui->tabForm->setElideMode(Qt::ElideRight);
    connect(ui->tabForm, &QTabWidget::currentChanged, this, &Form_Return::syncPageAt);

    m_label = QStringLiteral("Return %1").arg(returnNumber);
    m_showAction = new ActionShowReturn(this, QString(), window);
    m_showAction->setObjectName(m_label);
    setFilePath(file);
    applyBackgroundColor();

    if (m_family) {
        bool spouseLast = false;
        int kind = 0;
        int id = 0;
        m_family->personalSettings().getLastView(spouseLast, kind, id);
        m_family->fillPersonComboBox(ui->comboBox, m_family->isCoupled() && spouseLast);
    }
    ui->treeFolderView->buildSections(m_family);
    ui->treeFolderView->setItemDelegate(new TreeViewDelegate(this));
    if (window) {
        ui->treeFolderView->setMenuFiller(
            [window](int kind, QMenu *menu) { window->addContextMenuActions(kind, menu); });
    }
    ui->treeFolderView->selectEntry(0, 0);
    if (m_family) {
        TaxDataEntryStru *t1 = m_family->findFormEntry(FormType::T1, 0, false);
        if (t1 && t1->data)
            openForm(0, t1->data);
        m_snapshot = new FamilyTaxData(m_family->routingFlag());
        *m_snapshot = *m_family;
    }
    updateRecentFileRecord();
    connect(ui->treeFolderView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Form_Return::onFolderViewSelChange);
}

Form_Return::~Form_Return()
{
    // The tabs go after this object's own members: their removal must not reach it.
    disconnect(ui->tabForm, nullptr, this, nullptr);
    for (FamilyTaxData *data : {m_family, m_snapshot}) {
        if (data) {
            data->freeAllData();
            delete data;
        }
    }
    m_family = m_snapshot = nullptr;
    // The pages belong to their tabs, which go with the editor.
    m_pages.clear();
    delete m_showAction;
}

ActionShowReturn *Form_Return::showAction() const
{
    return m_showAction;
}

FolderView *Form_Return::folderView() const
{
    return ui->treeFolderView;
}

QTabWidget *Form_Return::tabWidget() const
{
    return ui->tabForm;
}

QSplitter *Form_Return::splitter() const
{
    return ui->splitter;
}

// ---- identity

void Form_Return::setFilePath(const QFileInfo *file)
{
    if (file) {
        m_folder = QDir::toNativeSeparators(file->absolutePath());
        m_fileName = file->fileName();
    } else {
        m_folder.clear();
        m_fileName.clear();
    }
    if (m_showAction)
        m_showAction->setText(m_label + QStringLiteral(" - ") + displayName());
}

QString Form_Return::displayName() const
{
    if (!hasFileName())
        return tr("Untitled (unsaved)");
    return m_folder + QDir::separator() + m_fileName;
}

void Form_Return::fullFilePath(QString &path) const
{
    path = m_folder + separatorText() + m_fileName;
}

bool Form_Return::hasFileName() const
{
    return !m_folder.isEmpty() && !m_fileName.isEmpty();
}

RecentFileRecord Form_Return::updateRecentFileRecord()
{
    TabWndApp *app = appInstance();
    if (!m_family || !hasFileName() || !app)
        return RecentFileRecord::NotRecorded;
    CString taxpayer;
    CString spouse;
    m_family->getPersonNames(taxpayer, spouse);
    QString path;
    fullFilePath(path);
    app->recordRecentReturn(taxpayer, spouse, CString(path));
    return RecentFileRecord::Recorded;
}

bool Form_Return::isModified() const
{
    return m_family && m_snapshot && m_family->isDifferent(*m_snapshot);
}

bool Form_Return::getFieldText(int key, CString &text)
{
    return m_family && m_family->getTextByKey(key, text);
}

// ---- person selector

void Form_Return::on_comboBox_currentIndexChanged(int)
{
    if (m_switching || !m_family)
        return;
    const int oldIndex = m_family->getCurrentPersonIndex();
    const int newIndex = ui->comboBox->currentData().toInt();
    if (oldIndex == newIndex)
        return;
    WaitCursorScope wait;
    int kind = 0;
    int type = 0;
    int id = 0;
    FolderView *tree = ui->treeFolderView;
    tree->selectedEntry(kind, type, id);
    m_family->personalSettings().setPersonView(oldIndex == PersonSpouse, kind, id);
    m_family->setCurrentPersonIndex(newIndex);
    if (m_family->getCurrentPersonIndex() == oldIndex)
        return;
    m_switching = true;
    tree->clearSlipItems();
    tree->clearFormItems();
    tree->clearNoteItems();
    clearFormTabs();
    m_currentForm = nullptr;
    tree->populateAll();
    m_switching = false;
    m_family->personalSettings().getPersonView(newIndex == PersonSpouse, kind, id);
    tree->selectEntry(kind, id);
    if (m_window)
        m_window->setStatusText(m_family->getPersonIncomeSummary());
}

// ---- recalculation

void Form_Return::onSignalCalc(CTaxData_Form *form, CField *)
{
    if (!m_family)
        return;
    const int before = m_family->getFormCount(0);
    const int changed = m_family->Recalculate(form ? form->getKind() : -1, form);
    const int after = m_family->getFormCount(0);
    for (BaseTaxPage *page : qAsConst(m_pages))
        page->refresh();
    refreshTreeCaptions(after != before || changed != 0, false);
    updateResultLabels();
}

void Form_Return::commitCurrentPage()
{
    if (m_pages.isEmpty())
        return;
    auto *scroll = qobject_cast<ScrollTaxForm *>(ui->tabForm->currentWidget());
    if (!scroll)
        return;
    auto *page = qobject_cast<BaseTaxPage *>(scroll->getCtntWgt());
    if (!page)
        return;
    page->commit();
    onSignalCalc(m_currentForm, nullptr);
}

void Form_Return::refreshTreeCaptions(bool forms, bool slips)
{
    FolderView *tree = ui->treeFolderView;
    if (forms)
        tree->populateForms();
    else
        tree->refreshFormCaptions();
    if (slips)
        tree->populateSlips();
    else
        tree->refreshSlipCaptions();
}

void Form_Return::updateResultLabels()
{
    QString summary;
    updateResultLabels(summary);
}

void Form_Return::updateResultLabels(QString &summary)
{
    CString taxpayer;
    CString spouse;
    CString familyLine;
    if (m_family) {
        summary = m_family->getPersonIncomeSummary();
        m_family->getBalanceTexts(taxpayer, spouse, familyLine);
    }
    if (m_window)
        m_window->setStatusText(summary);
    ui->lblResultLine1->setText(taxpayer);
    ui->lblResultLine2->setText(spouse);
    ui->lblResultLine3->setText(familyLine);
}

// ---- saving and closing

int Form_Return::saveToFile(QString &path, bool backupAllowed)
{
    WaitCursorScope wait;
    if (m_family) {
        int kind = 0;
        int type = 0;
        int id = 0;
        ui->treeFolderView->selectedEntry(kind, type, id);
        m_family->personalSettings().setPersonView(
            m_family->getCurrentPersonIndex() == PersonSpouse, kind, id);
    }
    fullFilePath(path);
    int result = resultNumber(ReturnFileResult::WriteFailed);
    TabWndApp *app = appInstance();
    if (m_family) {
        const QFileInfo file(path);
        if (backupAllowed && app && app->config.SaveBackup && file.exists()) {
            // A backup that cannot be written does not stop the save.
            saveReturnFile(*m_family, backupPathFor(file, separatorText()), AppEdition);
        }
        result = saveReturnFile(*m_family, path, AppEdition);
        if (result == 0) {
            // A return whose forms changed since the last snapshot needs a whole new copy, or
            // it would still count as modified after the save.
            if (!m_snapshot->assignValuesFrom(*m_family))
                *m_snapshot = *m_family;
            updateRecentFileRecord();
        } else {
            // Otherwise the user would believe the return was saved.
            showInformation(
                tr("The return file could not be saved to %1.").arg(QDir::toNativeSeparators(path)),
                this);
        }
    }
    saveSplitterSizes();
    return result;
}

int Form_Return::saveAfterFiling(bool backupAllowed)
{
    QString path;
    return saveToFile(path, backupAllowed);
}

bool Form_Return::confirmClose(QString &path)
{
    if (!hasFileName()) {
        if (!askQuestion(tr("You haven't save this return file, confirm 'Yes' to discard this "
                            "return file?"),
                         nullptr))
            return false;
        clearFormTabs();
        return true;
    }
    if (isModified()) {
        const int answer = askQuestionButtons(
            tr("Do you want to save changed data to return file before closing?\n\n'Yes' to "
               "save it, 'No' to discard changes, or 'Cancel' closing"),
            this, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return false;
        // A save that failed keeps the return open, or its changes would be lost.
        if (answer == QMessageBox::Yes && saveToFile(path, true) != 0)
            return false;
        clearFormTabs();
        return true;
    }
    clearFormTabs();
    return true;
}

// ---- events

bool Form_Return::event(QEvent *event)
{
    switch (int(event->type())) {
    case MyEvent::RefreshPages:
        refreshPages();
        return true;
    case MyEvent::GotoForm:
        if (auto *forward = dynamic_cast<EventForwardEdit *>(event))
            askGotoForm(forward->formType());
        return true;
    case MyEvent::T183SendForSignature:
        requestSignature(FormType::T183, tr("Send T183 for E-Signature"));
        return true;
    case MyEvent::RC71SendForSignature:
        requestSignature(FormType::RC71, tr("Send RC71 for E-Signature"));
        return true;
    case MyEvent::T183SignatureStatus:
        requestSignatureStatus(FormType::T183);
        return true;
    case MyEvent::RC71SignatureStatus:
        requestSignatureStatus(FormType::RC71);
        return true;
    case MyEvent::CopyAddressToT2125:
        copyAddressToBusinessForm(FormType::T2125, m_currentForm);
        refreshPages();
        return true;
    case MyEvent::CopyPreparerToBoth:
        if (m_family)
            m_family->fillPreparerInfo();
        refreshPages();
        return true;
    case MyEvent::CopyAddressToSpouse:
        if (m_family && m_family->syncSpouseMailingAddress())
            showInformation(tr("Mailing address is copied into spouse's return!"), this);
        return true;
    default:
        return QWidget::event(event);
    }
}

void Form_Return::requestSignature(int formType, const QString &command)
{
    NeighbourServices &services = neighbourServices();
    if (services.sendFormForSignature)
        services.sendFormForSignature(this, formType);
    else
        showNotAvailable(command, this);
}

void Form_Return::requestSignatureStatus(int formType)
{
    NeighbourServices &services = neighbourServices();
    if (services.querySignatureStatus)
        services.querySignatureStatus(this, formType);
    else
        showNotAvailable(tr("E-signature status"), this);
}

void Form_Return::askGotoForm(int formType)
{
    const FormInfoRow *row = formInfo(formType);
    const QString name = row && row->name ? QString::fromLatin1(row->name) : QString();
    if (askQuestion(tr("Do you want to go to form [%1]").arg(name), this))
        gotoForm(formType);
}

AddressCopy Form_Return::copyAddressToBusinessForm(int, CTaxData_Form *form)
{
    if (!form)
        return AddressCopy::NoForm;
    auto *t1 =
        m_family ? dynamic_cast<TaxData_T1New *>(m_family->getForm(FormType::T1, false)) : nullptr;
    if (!t1)
        return AddressCopy::NoT1;
    auto *business = dynamic_cast<TaxData_T2125_New *>(form);
    if (!business)
        return AddressCopy::NotBusinessForm;
    business->businessAddress = t1->GetFullAddressWithoutPostcode(11);
    business->businessCity = t1->city.value();
    business->businessProvince = t1->mailingProvince.value();
    business->businessPostalCode = t1->postalCode.value();
    return AddressCopy::Copied;
}

void Form_Return::gotoForm(int formType)
{
    if (formType == 0 || !m_family)
        return;
    WaitCursorScope wait;
    const int provincial = m_family->getLinkedProvincialFormType(formType);
    if (provincial != 0 && !m_family->findFormEntry(provincial, 0, true))
        return;
    TaxDataEntryStru *entry = m_family->findFormEntry(formType, 0, true);
    if (!entry)
        return;
    refreshTreeCaptions(true, false);
    ui->treeFolderView->selectEntry(0, entry->id);
}
