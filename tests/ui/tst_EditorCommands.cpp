// The editor's commands on forms, slips and notes, on the fixture returns: sharing, adding,
// removing, ordering, the slip summary, the province, de-coupling, the optimiser and validation.
#include "EditorFixture.h"
#include "ModalDriver.h"
#include "PluginFolder.h"
#include "ReturnFixture.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"

#include "app/TabWndApp.h"
#include "calc/ValidationMsgGroup.h"
#include "marrow/BaseTaxPage.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FederalTaxRules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/DataDlgChangeProv.h"
#include "model/DataShareAmtDlg.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ui/AddTaxFormDlg.h"
#include "ui/FolderView.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

TaxDataEntryStru *firstEntryOfType(const QList<TaxDataEntryStru *> &list, int type)
{
    for (TaxDataEntryStru *e : list) {
        if (e->type == type)
            return e;
    }
    return nullptr;
}

QStringList sectionCaptions(QTreeWidgetItem *section)
{
    QStringList texts;
    for (int i = 0; i < section->childCount(); ++i)
        texts.append(section->child(i)->text(0));
    return texts;
}

QList<int> typesOf(const QList<TaxDataEntryStru *> &list)
{
    QList<int> types;
    for (const TaxDataEntryStru *e : list)
        types.append(e->type);
    return types;
}

double totalIncome(IndividualTaxData *person)
{
    auto *t1 = dynamic_cast<TaxData_T1New *>(person->getForm(FormType::T1, 0, false));
    return t1 ? t1->f15000.value() : -1;
}

// The single fixture return without review messages: its T4 is a regular employment slip.
FamilyTaxData *cleanReturn()
{
    FamilyTaxData *family = EditorFixture::singleReturn();
    auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(family->taxpayer()->m_slipList.first()->data);
    t4->employmentKind = -1;
    family->Recalculate(-1, nullptr);
    return family;
}

// The fixture return with one review error on each person: its T4 marked as placement-agency
// income while no business form reports T4 income.
FamilyTaxData *withPlacementAgencyT4(FamilyTaxData *family)
{
    for (IndividualTaxData *person : {family->taxpayer(), family->spouse()}) {
        if (!person || person->m_slipList.isEmpty())
            continue;
        if (auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(person->m_slipList.first()->data))
            t4->employmentKind = 0;
    }
    family->Recalculate(-1, nullptr);
    return family;
}

// The entries of NeighbourServices the tests fill, emptied again when a test ends.
struct ServicesReset
{
    ~ServicesReset() { neighbourServices() = NeighbourServices(); }
};

} // namespace

class TestEditorCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void sharingNeedsCoupledReturn_data();
    void sharingNeedsCoupledReturn();
    void shareFormAndSlip();
    void sharingRefusals_data();
    void sharingRefusals();
    void unsharingUnsharedIsSilent();

    void removeMandatoryFormRefused();
    void removeSharedSlip_data();
    void removeSharedSlip();
    void removeSharedForm_data();
    void removeSharedForm();
    void removeWithResultRecalculates();
    void removeFormOnScreen();
    void removeNote();

    void addSecondNoteSelectsFirst();
    void addSlipSelectsIt();
    void addSlipWithoutClassDoesNothing();
    void addedT4IsOrdinaryEmployment();
    void addTaxForm_data();
    void addTaxForm();

    void addTaxFormFailed();
    void minimumTaxThroughAddForm();
    void changeFormOrderRefreshesTree();

    void slipSummaryFileAndLink();
    void slipSummaryNotWritable();

    void changeProvinceNotAvailable();
    void changeProvinceSame();
    void changeProvince_data();
    void changeProvince();

    void decoupleReturn();
    void decoupleCancelledReopensPage();

    void optimizeNotCoupled();
    void optimizeBothTransferers();
    void optimizeWithoutT1032();
    void optimizeWritesSplit();
    void optimizeNotAvailable();

    void validateNoMessagesOffersWarnings_data();
    void validateNoMessagesOffersWarnings();
    void validateAskBeforeErrors_data();
    void validateAskBeforeErrors();
    void validateShowsDialog();
    void validateSilentForFiling();

    void taxPlanningOnACopy();
    void unsetReFile();

private:
    Form_Return *openEditor(FamilyTaxData *family, const QFileInfo *file = nullptr);
    void select(Form_Return *editor, int kind, int id);
    QStringList shown() const { return m_presenter->shownTexts(); }

    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
    std::unique_ptr<ServicesReset> m_services;
};

void TestEditorCommands::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    m_services = std::make_unique<ServicesReset>();
    CT1AppConfig &c = appInstance()->config;
    c.SaveBackup = 0;
    c.RetPath = m_fixture->dir();
    // The add-form filter lives for the run; each test starts without one.
    const QList<int> none;
    AddTaxFormDlg dialog(none);
    QTest::mouseClick(dialog.findChild<QPushButton *>("btnClear"), Qt::LeftButton);
}

void TestEditorCommands::cleanup()
{
    m_fixture.reset();
    m_presenter.reset();
    m_services.reset();
}

Form_Return *TestEditorCommands::openEditor(FamilyTaxData *family, const QFileInfo *file)
{
    MainWindow *w = m_fixture->window();
    w->resize(1270, 673);
    w->show();
    w->addReturnPage(file, family);
    // The fixture's view settings put the spouse on screen; the tests start from the taxpayer.
    w->shownEditor()->findChild<QComboBox *>("comboBox")->setCurrentIndex(0);
    m_presenter->clear();
    return w->shownEditor();
}

void TestEditorCommands::select(Form_Return *editor, int kind, int id)
{
    editor->folderView()->selectEntry(kind, id);
    int k = 0, type = 0, selectedId = 0;
    editor->folderView()->selectedEntry(k, type, selectedId);
    QCOMPARE(k, kind);
    QCOMPARE(selectedId, id);
}

// ---- sharing

void TestEditorCommands::sharingNeedsCoupledReturn_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("share form")
        << "actionShare_Form_to_Spouse"
        << QStringList{"Sharing tax form/slip can only be processed in a coupled return file."};
    QTest::newRow("un-share form") << "actionUn_share_form_with_spouse" << QStringList{};
    QTest::newRow("share slip")
        << "actionShare_slip_with_spouse"
        << QStringList{"Sharing tax form/slip can only be done in a coupled return file."};
    QTest::newRow("un-share slip")
        << "actionUn_share_slip_with_spouse"
        << QStringList{"Sharing tax form/slip can only be done in a coupled return file."};
}

void TestEditorCommands::sharingNeedsCoupledReturn()
{
    QFETCH(QString, action);
    QFETCH(QStringList, texts);
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    m_fixture->action(qPrintable(action))->trigger();
    QCOMPARE(shown(), texts);
    QVERIFY(!editor->isModified());
}

void TestEditorCommands::shareFormAndSlip()
{
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(3, 1));
    FamilyTaxData *family = editor->family();
    IndividualTaxData *taxpayer = family->taxpayer();
    TaxDataEntryStru *t2125 = firstEntryOfType(taxpayer->m_formList, FormType::T2125);
    QVERIFY(t2125);
    const int spouseForms = family->spouse()->countFormsOfType(FormType::T2125);
    select(editor, FolderView::KindForm, t2125->id);
    m_fixture->action("actionShare_Form_to_Spouse")->trigger();
    QCOMPARE(shown(), QStringList{"Tax form/slip is shared to spouse's return, make sure shared "
                                  "tax forms are claimed properly."});
    QCOMPARE(m_presenter->shown().first().parent, editor);
    QVERIFY(t2125->linkedId > 0);
    QCOMPARE(family->spouse()->countFormsOfType(FormType::T2125), spouseForms + 1);
    QVERIFY(sectionCaptions(editor->folderView()->formSection()).contains("S-T2125"));

    TaxDataEntryStru *t5 = firstEntryOfType(taxpayer->m_slipList, 8);
    QVERIFY(t5);
    select(editor, FolderView::KindSlip, t5->id);
    m_presenter->clear();
    m_fixture->action("actionShare_slip_with_spouse")->trigger();
    QCOMPARE(shown(), QStringList{"Tax form/slip is shared to spouse's return, make sure shared "
                                  "tax forms are claimed properly."});
    QVERIFY(t5->linkedId > 0);
    TaxDataEntryStru *twin = nullptr;
    for (TaxDataEntryStru *e : family->spouse()->m_slipList) {
        if (e->id == t5->linkedId)
            twin = e;
    }
    QVERIFY(twin);
    QCOMPARE(twin->linkedId, t5->id);
    const QStringList slips = sectionCaptions(editor->folderView()->slipSection());
    QVERIFY(std::any_of(slips.begin(), slips.end(),
                        [](const QString &s) { return s.startsWith("S-"); }));

    // And back.
    m_presenter->clear();
    m_fixture->action("actionUn_share_slip_with_spouse")->trigger();
    QCOMPARE(shown(), QStringList{"Tax slip is unshared from spouse's return."});
    QCOMPARE(t5->linkedId, 0);
    QCOMPARE(twin->linkedId, 0);
    select(editor, FolderView::KindForm, t2125->id);
    m_presenter->clear();
    m_fixture->action("actionUn_share_form_with_spouse")->trigger();
    QCOMPARE(shown(), QStringList{"Tax form is unshared from spouse's return."});
    QCOMPARE(t2125->linkedId, 0);
}

void TestEditorCommands::sharingRefusals_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("shareFirst");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");
    QTest::newRow("form already shared")
        << 0 << FormType::T2125 << true << "actionShare_Form_to_Spouse"
        << "This tax form is already shared.";
    QTest::newRow("form not sharable")
        << 0 << FormType::SCH3 << false << "actionShare_Form_to_Spouse"
        << "This tax form cannot be shared.";
    QTest::newRow("slip already shared") << 1 << 8 << true << "actionShare_slip_with_spouse"
                                         << "This tax slip cannot be shared.";
    QTest::newRow("slip not sharable") << 1 << 1 << false << "actionShare_slip_with_spouse"
                                       << "This tax slip cannot be shared.";
}

void TestEditorCommands::sharingRefusals()
{
    QFETCH(int, kind);
    QFETCH(int, type);
    QFETCH(bool, shareFirst);
    QFETCH(QString, action);
    QFETCH(QString, text);
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(3, 1));
    IndividualTaxData *taxpayer = editor->family()->taxpayer();
    TaxDataEntryStru *entry = firstEntryOfType(
        kind == FolderView::KindForm ? taxpayer->m_formList : taxpayer->m_slipList, type);
    QVERIFY(entry);
    select(editor, kind, entry->id);
    if (shareFirst)
        m_fixture->action(qPrintable(action))->trigger();
    const int linked = entry->linkedId;
    const int spouseItems = editor->family()->spouse()->m_formList.size() +
                            editor->family()->spouse()->m_slipList.size();
    m_presenter->clear();
    m_fixture->action(qPrintable(action))->trigger();
    QCOMPARE(shown(), QStringList{text});
    QCOMPARE(entry->linkedId, linked);
    QCOMPARE(editor->family()->spouse()->m_formList.size() +
                 editor->family()->spouse()->m_slipList.size(),
             spouseItems);
}

void TestEditorCommands::unsharingUnsharedIsSilent()
{
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(3, 1));
    IndividualTaxData *taxpayer = editor->family()->taxpayer();
    select(editor, FolderView::KindForm,
           firstEntryOfType(taxpayer->m_formList, FormType::T2125)->id);
    m_fixture->action("actionUn_share_form_with_spouse")->trigger();
    select(editor, FolderView::KindSlip, firstEntryOfType(taxpayer->m_slipList, 8)->id);
    m_fixture->action("actionUn_share_slip_with_spouse")->trigger();
    // The wrong kind selected: nothing either.
    m_fixture->action("actionShare_Form_to_Spouse")->trigger();
    QCOMPARE(shown(), QStringList());
    QVERIFY(!editor->isModified());
}

// ---- removing

void TestEditorCommands::removeMandatoryFormRefused()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    FamilyTaxData *family = editor->family();
    IndividualTaxData *taxpayer = family->taxpayer();
    const double before = totalIncome(taxpayer);
    // A change no recalculation has seen yet.
    auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(taxpayer->m_slipList.first()->data);
    QVERIFY(t4);
    t4->box14 = t4->box14.value() + 1000;
    const QList<TaxDataEntryStru *> forms = taxpayer->m_formList;
    select(editor, FolderView::KindForm, firstEntryOfType(forms, FormType::T1)->id);
    // Straight to the command: the menu slot's commit of the page would recalculate.
    editor->removeSelectedItem();
    QCOMPARE(shown(), QStringList{"This tax form can NOT be removed, because it's mandatory or "
                                  "necessary for other tax slips/forms."});
    QCOMPARE(m_presenter->shown().first().parent, editor);
    QCOMPARE(taxpayer->m_formList, forms);
    QCOMPARE(totalIncome(taxpayer), before);
}

void TestEditorCommands::removeSharedSlip_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestEditorCommands::removeSharedSlip()
{
    QFETCH(bool, yes);
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(3, 0));
    FamilyTaxData *family = editor->family();
    IndividualTaxData *taxpayer = family->taxpayer();
    TaxDataEntryStru *t5 = firstEntryOfType(taxpayer->m_slipList, 8);
    const int t5Id = t5->id;
    select(editor, FolderView::KindSlip, t5Id);
    m_fixture->action("actionShare_slip_with_spouse")->trigger();
    const int twinId = t5->linkedId;
    TaxDataEntryStru *twin = nullptr;
    for (TaxDataEntryStru *e : family->spouse()->m_slipList) {
        if (e->id == twinId)
            twin = e;
    }
    QVERIFY(twin);
    const int slips = taxpayer->m_slipList.size();
    const int spouseSlips = family->spouse()->m_slipList.size();
    m_presenter->clear();
    m_presenter->queueAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
    m_fixture->action("actionRemove_Selected_Slip")->trigger();
    QCOMPARE(shown(), QStringList{"The tax slip is shared with spouse's tax return. Do you want "
                                  "to un-share it and continue removing the tax slip?"});
    QCOMPARE(family->spouse()->m_slipList.size(), spouseSlips);
    if (yes) {
        QCOMPARE(taxpayer->m_slipList.size(), slips - 1);
        QVERIFY(!taxpayer->getSlip(8, t5Id, false));
        QCOMPARE(twin->linkedId, 0);
        QVERIFY(!sectionCaptions(editor->folderView()->slipSection()).join('|').contains("S-"));
    } else {
        QCOMPARE(taxpayer->m_slipList.size(), slips);
        QCOMPARE(t5->linkedId, twinId);
        QCOMPARE(twin->linkedId, t5Id);
    }
}

void TestEditorCommands::removeSharedForm_data()
{
    removeSharedSlip_data();
}

void TestEditorCommands::removeSharedForm()
{
    QFETCH(bool, yes);
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(1, 1));
    FamilyTaxData *family = editor->family();
    IndividualTaxData *taxpayer = family->taxpayer();
    TaxDataEntryStru *t2125 = firstEntryOfType(taxpayer->m_formList, FormType::T2125);
    const int id = t2125->id;
    select(editor, FolderView::KindForm, id);
    m_fixture->action("actionShare_Form_to_Spouse")->trigger();
    TaxDataEntryStru *twin =
        family->spouse()->findFormEntry(FormType::T2125, t2125->linkedId, false);
    QVERIFY(twin && twin->id == t2125->linkedId);
    const int forms = taxpayer->m_formList.size();
    const int spouseForms = family->spouse()->m_formList.size();
    m_presenter->clear();
    m_presenter->queueAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
    m_fixture->action("actionRemove_Selected_Form_Schedule")->trigger();
    QCOMPARE(shown(), QStringList{"The tax form is shared with spouse's tax return. Do you want "
                                  "to un-share it and continue removing the tax form?"});
    QCOMPARE(m_presenter->shown().first().parent, editor);
    QCOMPARE(family->spouse()->m_formList.size(), spouseForms);
    if (yes) {
        QCOMPARE(taxpayer->m_formList.size(), forms - 1);
        QVERIFY(!taxpayer->findFormEntry(FormType::T2125, id, false));
        QCOMPARE(twin->linkedId, 0);
    } else {
        QCOMPARE(taxpayer->m_formList.size(), forms);
        QCOMPARE(twin->linkedId, id);
        QVERIFY(sectionCaptions(editor->folderView()->formSection()).contains("S-T2125"));
    }
}

void TestEditorCommands::removeWithResultRecalculates()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    FamilyTaxData *family = editor->family();
    IndividualTaxData *taxpayer = family->taxpayer();
    auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(taxpayer->m_slipList.first()->data);
    const double before = totalIncome(taxpayer);
    t4->box14 = t4->box14.value() + 1000;
    const QList<TaxDataEntryStru *> forms = taxpayer->m_formList;
    editor->folderView()->setCurrentItem(editor->folderView()->resultSection());
    editor->removeSelectedItem();
    QCOMPARE(shown(), QStringList());
    QCOMPARE(taxpayer->m_formList, forms);
    QCOMPARE(taxpayer->m_slipList.size(), 1);
    QCOMPARE(totalIncome(taxpayer), before + 1000);
}

void TestEditorCommands::removeFormOnScreen()
{
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(1, 2));
    IndividualTaxData *taxpayer = editor->family()->taxpayer();
    TaxDataEntryStru *t2125 = firstEntryOfType(taxpayer->m_formList, FormType::T2125);
    select(editor, FolderView::KindForm, t2125->id);
    QCOMPARE(editor->currentForm(), t2125->data);
    QVERIFY(!editor->pages().isEmpty());
    const int count = taxpayer->countFormsOfType(FormType::T2125);
    m_fixture->action("actionRemove_Selected_Form_Schedule")->trigger();
    QCOMPARE(shown(), QStringList());
    QCOMPARE(taxpayer->countFormsOfType(FormType::T2125), count - 1);
    QVERIFY(editor->pages().isEmpty());
    QVERIFY(!editor->currentForm());
    // The pages closed go on the next turn of the loop; nothing reads the freed form.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCOMPARE(sectionCaptions(editor->folderView()->formSection()).count("T2125"), count - 1);
}

void TestEditorCommands::removeNote()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    IndividualTaxData *taxpayer = editor->family()->taxpayer();
    QCOMPARE(taxpayer->m_noteList.size(), 1);
    select(editor, FolderView::KindNote, taxpayer->m_noteList.first()->key);
    m_fixture->action("actionRemove_Selected_Slip")->trigger();
    QCOMPARE(taxpayer->m_noteList.size(), 0);
    QCOMPARE(editor->folderView()->noteSection()->childCount(), 0);
}

// ---- adding

void TestEditorCommands::addSecondNoteSelectsFirst()
{
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(1, 0));
    IndividualTaxData *taxpayer = editor->family()->taxpayer();
    const int notes = taxpayer->m_noteList.size();
    m_fixture->action("actionAdd_a_tax_note")->trigger();
    QCOMPARE(taxpayer->m_noteList.size(), notes + 1);
    TaxNoteEntryStru *first = taxpayer->m_noteList.last();
    QCOMPARE(first->key, 0);
    int kind = 0, type = 0, id = 0;
    QCOMPARE(editor->folderView()->selectedEntry(kind, type, id), static_cast<void *>(first));
    QCOMPARE(kind, int(FolderView::KindNote));
    m_fixture->action("actionAdd_a_tax_note")->trigger();
    QCOMPARE(taxpayer->m_noteList.size(), notes + 2);
    QCOMPARE(editor->folderView()->selectedEntry(kind, type, id), static_cast<void *>(first));
    QCOMPARE(editor->folderView()->noteSection()->childCount(), notes + 2);
}

void TestEditorCommands::addSlipSelectsIt()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    IndividualTaxData *taxpayer = editor->family()->taxpayer();
    m_fixture->action("actionAdd_T4FHSA_slip")->trigger();
    QCOMPARE(typesOf(taxpayer->m_slipList), (QList<int>{1, 26}));
    int kind = 0, type = 0, id = 0;
    editor->folderView()->selectedEntry(kind, type, id);
    QCOMPARE(kind, int(FolderView::KindSlip));
    QCOMPARE(id, taxpayer->m_slipList.last()->id);
    QCOMPARE(editor->currentForm(), taxpayer->m_slipList.last()->data);
}

void TestEditorCommands::addSlipWithoutClassDoesNothing()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    IndividualTaxData *taxpayer = editor->family()->taxpayer();
    select(editor, FolderView::KindNote, taxpayer->m_noteList.first()->key);
    editor->addSlip(12);
    QCOMPARE(typesOf(taxpayer->m_slipList), QList<int>{1});
    int kind = 0, type = 0, id = 0;
    editor->folderView()->selectedEntry(kind, type, id);
    QCOMPARE(kind, int(FolderView::KindNote));
}

void TestEditorCommands::addedT4IsOrdinaryEmployment()
{
    // The return without its stored slip, as a new return has none.
    FamilyTaxData *family = EditorFixture::singleReturn();
    IndividualTaxData *taxpayer = family->taxpayer();
    taxpayer->removeSlip(taxpayer->m_slipList.first()->data);
    Form_Return *editor = openEditor(family);
    m_fixture->action("actionAdd_T4_slip")->trigger();
    auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(taxpayer->m_slipList.last()->data);
    QVERIFY(t4);
    QCOMPARE(int(t4->employmentKind), TaxData_Slip_T4::kOrdinaryEmployment);
    t4->box14 = 30000;
    editor->family()->Recalculate(-1, nullptr);
    std::list<ValidationMsgGroup *> groups;
    CString name;
    editor->family()->collectCheckMessages(ReturnFixture::kEdition, groups, name, false, true);
    QStringList placement;
    for (const ValidationMsgGroup *group : groups) {
        for (const CString &message : group->m_msgs) {
            if (message.contains(QStringLiteral("placement agency")))
                placement.append(message);
        }
    }
    freeValidationMsgGroups(groups);
    QCOMPARE(placement, QStringList());
}

void TestEditorCommands::addTaxForm_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("added");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("single form, new") << ""
                                      << "Add Donation Sch.9" << false << 9 << 1 << QStringList{};
    QTest::newRow("single form that exists")
        << ""
        << "Add Donation Sch.9" << true << 9 << 0
        << QStringList{"This tax form already exists in the tax return."};
    QTest::newRow("multiple form again") << ""
                                         << "Add T2209/T2036" << true << 35 << 1 << QStringList{};
    QTest::newRow("from the list") << "T1032"
                                   << "OK" << false << FormType::T1032 << 1 << QStringList{};
    QTest::newRow("minimum tax from the list")
        << "T691"
        << "OK" << false << FormType::T691 << 1 << QStringList{};
    QTest::newRow("filter matching nothing") << "zzq"
                                             << "OK" << false << 0 << 0 << QStringList{};
    QTest::newRow("cancelled") << ""
                               << "Cancel" << false << 0 << 0 << QStringList{};
}

void TestEditorCommands::addTaxForm()
{
    QFETCH(QString, filter);
    QFETCH(QString, button);
    QFETCH(bool, existing);
    QFETCH(int, type);
    QFETCH(int, added);
    QFETCH(QStringList, texts);
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    IndividualTaxData *taxpayer = editor->family()->taxpayer();
    if (existing)
        taxpayer->addForm(type, 0, true, 0, false);
    const int formsBefore = taxpayer->m_formList.size();
    const int ofType = type ? taxpayer->countFormsOfType(type) : 0;
    ModalDriver driver;
    ModalAction action;
    if (!filter.isEmpty())
        action.fills.insert(QStringLiteral("edtFilter"), filter);
    action.button = button;
    driver.queue(action);
    m_fixture->action("actionAdd_a_Tax_Form")->trigger();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(driver.seen().first().title, QStringLiteral("Add a Tax Form"));
    QCOMPARE(shown(), texts);
    QCOMPARE(taxpayer->m_formList.size(), formsBefore + added);
    if (type) {
        QCOMPARE(taxpayer->countFormsOfType(type), ofType + added);
        QCOMPARE(sectionCaptions(editor->folderView()->formSection()).size(),
                 editor->folderView()->formSection()->childCount());
    }
}

void TestEditorCommands::minimumTaxThroughAddForm()
{
    // A large capital gain on Schedule 3: without a T691 only the regular tax is computed;
    // the T691 the person adds through the command brings the minimum tax into line 41700.
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    IndividualTaxData *taxpayer = editor->family()->taxpayer();
    auto *sch3 = static_cast<TaxData_Sch3 *>(taxpayer->getForm(FormType::SCH3, 0, true));
    sch3->dispositions.amountAt(0, 0) = 2000000;
    editor->family()->Recalculate(-1, nullptr);
    auto *t1 = static_cast<TaxData_T1New *>(taxpayer->getForm(FormType::T1, 0, false));
    const double regular = t1->f41700;
    QCOMPARE(double(t1->minimumTaxAddition), 0.0);

    ModalDriver driver;
    ModalAction action;
    action.fills.insert(QStringLiteral("edtFilter"), QStringLiteral("T691"));
    action.button = QStringLiteral("OK");
    driver.queue(action);
    m_fixture->action("actionAdd_a_Tax_Form")->trigger();
    QCOMPARE(driver.pendingActions(), 0);
    auto *t691 = static_cast<TaxData_T691New *>(taxpayer->getForm(FormType::T691, 0, false));
    QVERIFY(t691);
    // The command recalculated: the whole gain counts, at 20.5% above the exemption.
    QCOMPARE(double(t691->adjustedTaxableIncome),
             FederalTaxRules::roundCents(t1->f26000 + 1000000));
    QCOMPARE(double(t691->minimumAmount),
             FederalTaxRules::roundCents(
                 FederalTaxRules::roundCents((t691->adjustedTaxableIncome - 177882) * 0.205) -
                 t691->creditsAllowed));
    QVERIFY(t691->minimumTax > 0);
    QCOMPARE(double(t1->f41700), FederalTaxRules::roundCents(regular + t691->minimumTax));
    QCOMPARE(double(t1->f41700),
             FederalTaxRules::roundCents(t691->minimumAmount - t1->foreignTaxCredit));
}

void TestEditorCommands::addTaxFormFailed()
{
    // Without the province's plug-in nothing can make the farm-program statement, which
    // that plug-in would make.
    FamilyTaxData *family = nullptr;
    {
        PluginFolder empty;
        family = EditorFixture::singleReturn();
    }
    Form_Return *editor = openEditor(family);
    IndividualTaxData *taxpayer = family->taxpayer();
    const QList<int> before = typesOf(taxpayer->m_formList);
    ModalDriver driver;
    ModalAction action;
    action.fills.insert(QStringLiteral("edtFilter"), QStringLiteral("T1273"));
    action.button = QStringLiteral("OK");
    driver.queue(action);
    m_fixture->action("actionAdd_a_Tax_Form")->trigger();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(shown(), QStringList{"Add form failed!"});
    QCOMPARE(m_presenter->shown().first().parent, editor);
    QCOMPARE(typesOf(taxpayer->m_formList), before);
}

// ---- order

void TestEditorCommands::changeFormOrderRefreshesTree()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    const QStringList before = sectionCaptions(editor->folderView()->formSection());
    ModalDriver driver;
    driver.pressButton("Cancel");
    m_fixture->action("actionArrange_Order_of_Tax_Forms")->trigger();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(sectionCaptions(editor->folderView()->formSection()), before);
}

// ---- slip summary

void TestEditorCommands::slipSummaryFileAndLink()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    m_fixture->action("actionSlip_summary")->trigger();
    const QString path = editor->slipSummaryPath();
    QCOMPARE(path, m_fixture->dir() + "/" + QString(editor->family()->getPersonDefaultFileName()) +
                       "_SlipSummary.html");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.startsWith("<html><head><title>Slip Summary</title></head><body>"));
    QVERIFY(text.endsWith("</body></html>"));
    QCOMPARE(m_presenter->shown().size(), 1);
    const ShownMessage &m = m_presenter->shown().first();
    QCOMPARE(m.kind, QStringLiteral("link"));
    QCOMPARE(m.title, QStringLiteral("Tax Slips Summary"));
    QCOMPARE(m.text,
             QStringLiteral("click this link to view the tax slips summary for\nAna Tremblay"));
    QCOMPARE(m.link, QUrl::fromLocalFile(path).toString());
}

void TestEditorCommands::slipSummaryNotWritable()
{
    // A file where the folder must be.
    const QString blocker = m_fixture->dir() + "/blocker";
    QFile f(blocker);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    appInstance()->config.RetPath = blocker;
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    m_fixture->action("actionSlip_summary")->trigger();
    QCOMPARE(shown(),
             QStringList{"The slip summary file cannot be written: " + editor->slipSummaryPath()});
    QCOMPARE(m_presenter->shown().first().kind, QStringLiteral("information"));
}

// ---- province

void TestEditorCommands::changeProvinceNotAvailable()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    m_fixture->action("actionChange_Tax_Province")->trigger();
    QCOMPARE(shown(), QStringList{"Change Tax Province is not available in this build yet."});
    QCOMPARE(editor->family()->taxpayer()->m_province, 9);
    QVERIFY(!editor->isModified());
}

void TestEditorCommands::changeProvinceSame()
{
    neighbourServices().changeProvince = [](Form_Return *, DataDlgChangeProv &answers) {
        answers.fld_NewTaxProv = 9;
        return 1;
    };
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(1, 0));
    m_fixture->action("actionChange_Tax_Province")->trigger();
    QCOMPARE(shown(), QStringList{"Tax return province is not changed!"});
    QVERIFY(!editor->isModified());
}

void TestEditorCommands::changeProvince_data()
{
    QTest::addColumn<int>("changeBoth");
    QTest::addColumn<bool>("spouseOnScreen");
    QTest::addColumn<int>("taxpayerProvince");
    QTest::addColumn<int>("spouseProvince");
    QTest::newRow("both") << 0 << false << 2 << 2;
    QTest::newRow("current only, taxpayer") << 1 << false << 2 << 9;
    QTest::newRow("current only, spouse") << 1 << true << 9 << 2;
}

void TestEditorCommands::changeProvince()
{
    QFETCH(int, changeBoth);
    QFETCH(bool, spouseOnScreen);
    QFETCH(int, taxpayerProvince);
    QFETCH(int, spouseProvince);
    PluginFolder plugins;
    plugins.linkRealPlugin(9);
    plugins.linkRealPlugin(2);
    neighbourServices().changeProvince = [changeBoth](Form_Return *, DataDlgChangeProv &answers) {
        answers.fld_NewTaxProv = 2;
        answers.fld_ChgBoth = changeBoth;
        return 1;
    };
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(1, 0));
    if (spouseOnScreen) {
        auto *box = editor->findChild<QComboBox *>("comboBox");
        box->setCurrentIndex(1);
    }
    m_presenter->clear();
    m_fixture->action("actionChange_Tax_Province")->trigger();
    QCOMPARE(shown(), QStringList{"Tax return file is changed to the new province, you need to "
                                  "save file the confirm the changes."});
    QCOMPARE(editor->family()->taxpayer()->m_province, taxpayerProvince);
    QCOMPARE(editor->family()->spouse()->m_province, spouseProvince);
    // Ontario's own form 26 is gone from whoever moved, and the tree follows.
    IndividualTaxData *moved =
        spouseOnScreen ? editor->family()->spouse() : editor->family()->taxpayer();
    QVERIFY(!moved->hasForm(26));
    QVERIFY(!sectionCaptions(editor->folderView()->formSection()).contains("ON(S2)"));
    // The balance beside the tree and the status bar are the new province's at once.
    CString taxpayer, spouse, family;
    editor->family()->getBalanceTexts(taxpayer, spouse, family);
    QCOMPARE(editor->findChild<QLabel *>("lblResultLine1")->text(), QString(taxpayer));
    QCOMPARE(editor->findChild<QLabel *>("lblResultLine2")->text(), QString(spouse));
    QCOMPARE(m_fixture->window()->statusTextLabel()->text(),
             QString(editor->family()->getPersonIncomeSummary()));
}

// ---- de-coupling

void TestEditorCommands::decoupleReturn()
{
    neighbourServices().decoupleReturn = [](Form_Return *editor) {
        // Keeps the taxpayer, as the dialog does when told so.
        editor->family()->spouse()->freeAllData();
        editor->family()->setCurrentPersonIndex(PersonTaxpayer);
        editor->family()->setCoupledFlags();
        return 1;
    };
    const QString path = m_fixture->dir() + "/couple.r25";
    const QFileInfo file(path);
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(2, 1), &file);
    QVERIFY(editor->hasFileName());
    auto *box = editor->findChild<QComboBox *>("comboBox");
    box->setCurrentIndex(1);
    m_fixture->action("actionDe_Couple_Return_1to2")->trigger();
    QVERIFY(!editor->hasFileName());
    QVERIFY(m_fixture->window()->windowTitle().endsWith(" - Untitled (unsaved)"));
    QCOMPARE(box->count(), 1);
    QCOMPARE(editor->family()->getCurrentPersonIndex(), PersonTaxpayer);
    IndividualTaxData *taxpayer = editor->family()->taxpayer();
    QCOMPARE(editor->folderView()->formSection()->childCount(), taxpayer->m_formList.size() - 1);
    QCOMPARE(editor->folderView()->slipSection()->childCount(), taxpayer->m_slipList.size());
    QCOMPARE(editor->folderView()->selectedItem(), editor->folderView()->formSection()->child(0));
    QCOMPARE(editor->currentForm(), taxpayer->getForm(FormType::T1, 0, false));
}

void TestEditorCommands::decoupleCancelledReopensPage()
{
    neighbourServices().decoupleReturn = [](Form_Return *) { return 0; };
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(2, 1));
    IndividualTaxData *taxpayer = editor->family()->taxpayer();
    TaxDataEntryStru *t2125 = firstEntryOfType(taxpayer->m_formList, FormType::T2125);
    select(editor, FolderView::KindForm, t2125->id);
    m_fixture->action("actionDe_Couple_Return_1to2")->trigger();
    QVERIFY(editor->family()->isCoupled());
    QCOMPARE(editor->currentForm(), t2125->data);
    QVERIFY(!editor->isModified());
}

// ---- optimiser

void TestEditorCommands::optimizeNotCoupled()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    m_fixture->action("actionOptimize")->trigger();
    QCOMPARE(shown(), QStringList{"Right now, optimize function is only targeted coupled tax "
                                  "return for married/common-law tax returns."});
    QVERIFY(!editor->isModified());
}

void TestEditorCommands::optimizeBothTransferers()
{
    bool asked = false;
    neighbourServices().shareAmounts = [&asked](Form_Return *, DataShareAmtDlg &) {
        asked = true;
        return 1;
    };
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(1, 0));
    FamilyTaxData *family = editor->family();
    // Both forms new: neither person has answered who transfers.
    family->addForm(FormType::T1032, 0, true, 0, false);
    for (IndividualTaxData *person : {family->taxpayer(), family->spouse()}) {
        auto *t1032 = dynamic_cast<TaxData_T1032_New *>(person->getForm(FormType::T1032, 0, false));
        QVERIFY(t1032);
        QCOMPARE(t1032->transferer.value(), -1);
    }
    const bool hadSch9 = family->taxpayer()->hasForm(FormType::SCH9);
    m_fixture->action("actionOptimize")->trigger();
    QCOMPARE(shown(), QStringList{"Please answer who is the pension transferer in form T1032 "
                                  "first."});
    QVERIFY(!asked);
    QCOMPARE(family->taxpayer()->hasForm(FormType::SCH9), hadSch9);
}

void TestEditorCommands::optimizeWithoutT1032()
{
    QList<double> seen;
    neighbourServices().shareAmounts = [&seen](Form_Return *, DataShareAmtDlg &amounts) {
        seen = {amounts.fld_Pension_1.value(),          amounts.fld_Pension_2.value(),
                amounts.fld_Pension_1_Claimed.value(),  amounts.fld_Pension_2_Claimed.value(),
                amounts.fld_Donation_1_Claimed.value(), amounts.fld_Donation_2_Claimed.value()};
        return 1;
    };
    neighbourServices().optimizeReturn = [](FamilyTaxData &, DataShareAmtDlg &, QWidget *,
                                            double &split) {
        split = 1234.5;
        return 1;
    };
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(1, 0));
    FamilyTaxData *family = editor->family();
    auto *sch9 = dynamic_cast<TaxData_Sch9 *>(family->taxpayer()->getForm(FormType::SCH9, 0, true));
    sch9->donations = 250;
    m_fixture->action("actionOptimize")->trigger();
    QCOMPARE(shown(), QStringList());
    QCOMPARE(seen, (QList<double>{0, 0, 0, 0, 250, 0}));
    QVERIFY(family->spouse()->hasForm(FormType::SCH9));
    QVERIFY(!family->taxpayer()->hasForm(FormType::T1032));
    QVERIFY(!family->spouse()->hasForm(FormType::T1032));
}

void TestEditorCommands::optimizeWritesSplit()
{
    QList<double> seen;
    neighbourServices().shareAmounts = [&seen](Form_Return *, DataShareAmtDlg &amounts) {
        seen = {amounts.fld_Pension_1.value(), amounts.fld_Pension_2.value(),
                amounts.fld_Pension_1_Claimed.value(), amounts.fld_Pension_2_Claimed.value()};
        return 1;
    };
    FamilyTaxData *copySeen = nullptr;
    neighbourServices().optimizeReturn = [&copySeen](FamilyTaxData &copy, DataShareAmtDlg &,
                                                     QWidget *, double &split) {
        copySeen = &copy;
        split = 4321.25;
        return 1;
    };
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(1, 0));
    FamilyTaxData *family = editor->family();
    family->addForm(FormType::T1032, 0, true, 0, false);
    auto *mine =
        dynamic_cast<TaxData_T1032_New *>(family->taxpayer()->getForm(FormType::T1032, 0, false));
    auto *theirs =
        dynamic_cast<TaxData_T1032_New *>(family->spouse()->getForm(FormType::T1032, 0, false));
    QVERIFY(mine && theirs);
    // The taxpayer's pension allows a split of up to 10000; the answers and the elected
    // amount agree, as the recalculation keeps them.
    auto *t4a = dynamic_cast<TaxData_Slip_T4A *>(family->taxpayer()->addSlip(2, 0, 0)->data);
    t4a->box16 = 20000;
    mine->transferer = 0;
    mine->amount = 9000;
    mine->electedAmount = 300;
    theirs->transferer = 1;
    theirs->electedAmount = 300;
    m_fixture->action("actionOptimize")->trigger();
    QCOMPARE(shown(), QStringList());
    QCOMPARE(seen, (QList<double>{9000, 9000, 300, 300}));
    QVERIFY(copySeen && copySeen != family);
    QCOMPARE(mine->election.value(), true);
    QCOMPARE(theirs->election.value(), true);
    // The pensioner's form holds the split the optimiser chose, within the 10000 allowed.
    QCOMPARE(mine->electedAmount.value(), 4321.25);
    QCOMPARE(mine->maxSplit.value(), 10000.0);
}

void TestEditorCommands::optimizeNotAvailable()
{
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(1, 0));
    const bool hadSch9 = editor->family()->spouse()->hasForm(FormType::SCH9);
    m_fixture->action("actionOptimize")->trigger();
    QCOMPARE(shown(), QStringList{"Optimize is not available in this build yet."});
    QCOMPARE(editor->family()->spouse()->hasForm(FormType::SCH9), hadSch9);
}

// ---- validation

void TestEditorCommands::validateNoMessagesOffersWarnings_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestEditorCommands::validateNoMessagesOffersWarnings()
{
    QFETCH(bool, yes);
    Form_Return *editor = openEditor(cleanReturn());
    m_presenter->queueAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
    QCOMPARE(editor->validateReturn(ReturnFixture::kEdition, true, false), 0);
    const QString question = "This tax return passes validation check, there are no errors "
                             "found.\n\nDo you want to view the warning message?";
    QCOMPARE(m_presenter->shown().first().kind, QStringLiteral("question"));
    QCOMPARE(m_presenter->shown().first().text, question);
    if (yes) {
        // The review before filing speaks next, starting with the residency warning.
        QVERIFY(shown().size() > 1);
        QVERIFY(shown().at(1).startsWith("Please confirm tax residency of the tax payer. You can "
                                         "use this online filing"));
    } else {
        QCOMPARE(shown(), QStringList{question});
    }
}

void TestEditorCommands::validateAskBeforeErrors_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes shows the dialog") << true;
    QTest::newRow("No returns at once") << false;
}

void TestEditorCommands::validateAskBeforeErrors()
{
    QFETCH(bool, yes);
    Form_Return *editor = openEditor(withPlacementAgencyT4(EditorFixture::singleReturn()));
    m_presenter->queueAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
    ModalDriver driver;
    driver.pressButton("OK");
    QCOMPARE(editor->validateReturn(ReturnFixture::kEdition, false, true), 1);
    QCOMPARE(shown(), QStringList{"This return contains validation errors. Do you want to view "
                                  "the validation errors?"});
    if (yes) {
        QCOMPARE(driver.pendingActions(), 0);
        QCOMPARE(driver.seen().first().title, QStringLiteral("Validation Result"));
    } else {
        QCOMPARE(driver.pendingActions(), 1);
    }
}

void TestEditorCommands::validateShowsDialog()
{
    Form_Return *editor = openEditor(withPlacementAgencyT4(EditorFixture::coupledReturn(1, 0)));
    std::list<ValidationMsgGroup *> groups;
    CString name;
    const int mine =
        editor->family()->collectCheckMessages(ReturnFixture::kEdition, groups, name, false, true);
    freeValidationMsgGroups(groups);
    const int theirs =
        editor->family()->collectCheckMessages(ReturnFixture::kEdition, groups, name, true, false);
    freeValidationMsgGroups(groups);
    QVERIFY(mine + theirs > 0);
    ModalDriver driver;
    driver.pressButton("OK");
    QCOMPARE(editor->validateReturn(ReturnFixture::kEdition, true, false), mine + theirs);
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(driver.seen().first().title, QStringLiteral("Validation Result"));
    QCOMPARE(shown(), QStringList());
}

void TestEditorCommands::validateSilentForFiling()
{
    Form_Return *editor = openEditor(cleanReturn());
    QCOMPARE(editor->validateReturn(ReturnFixture::kEdition, false, false), 0);
    QCOMPARE(shown(), QStringList());
}

// ---- planning and the re-file mark

void TestEditorCommands::taxPlanningOnACopy()
{
    FamilyTaxData *planned = nullptr;
    neighbourServices().taxPlanning = [&planned](FamilyTaxData &copy, QWidget *) {
        planned = &copy;
        copy.taxpayer()->getForm(FormType::T1032, 0, true);
        return 1;
    };
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    m_fixture->action("actionTax_Planning")->trigger();
    QVERIFY(planned && planned != editor->family());
    QVERIFY(!editor->family()->taxpayer()->hasForm(FormType::T1032));
    QVERIFY(!editor->isModified());
}

void TestEditorCommands::unsetReFile()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    m_fixture->action("actionUn_set_Return_for_ReFile")->trigger();
    QCOMPARE(shown(), QStringList{"Un-set Return for ReFile is not available in this build yet."});
    Form_Return *cleared = nullptr;
    neighbourServices().clearReFileFlag = [&cleared](Form_Return *e) { cleared = e; };
    m_presenter->clear();
    m_fixture->action("actionUn_set_Return_for_ReFile")->trigger();
    QCOMPARE(shown(), QStringList());
    QCOMPARE(cleared, editor);
}

QV_TEST_MAIN(TestEditorCommands)
#include "tst_EditorCommands.moc"
