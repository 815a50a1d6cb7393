// The editor's dialogs: the addable forms, the add-form dialog, the form order and the
// validation messages.
#include "ScriptedPresenter.h"
#include "TestMain.h"

#include "calc/ValidationMsgGroup.h"
#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ui/AddTaxFormDlg.h"
#include "ui/AddableForms.h"
#include "ui/DlgChangeFormOrder.h"
#include "ui/DlgValidationMsgs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>

namespace {

QList<int> comboTypes(QDialog &dialog)
{
    QList<int> types;
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("cmbTaxForms"));
    for (int i = 0; i < combo->count(); ++i)
        types.append(combo->itemData(i).toInt());
    return types;
}

QStringList listTexts(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

// A person whose list holds the given form types, in order; nothing prefilled.
std::unique_ptr<IndividualTaxData> personWith(const QList<int> &types)
{
    auto person = std::make_unique<IndividualTaxData>(0, nullptr);
    for (int type : types)
        person->addForm(type, 0, true, 0, false);
    return person;
}

QList<int> formOrder(const IndividualTaxData &person)
{
    QList<int> types;
    for (const TaxDataEntryStru *entry : person.m_formList)
        types.append(entry->type);
    return types;
}

ValidationMsgGroup *group(int kind, int type, const QStringList &messages)
{
    auto *g = new ValidationMsgGroup;
    g->m_kind = kind;
    g->m_type = type;
    for (const QString &m : messages)
        g->m_msgs.push_back(CString(m));
    return g;
}

// Groups freed when the test ends, as the caller of the dialog frees them.
struct GroupList
{
    std::list<ValidationMsgGroup *> groups;
    ~GroupList() { freeValidationMsgGroups(groups); }
};

QStringList numbered(int count)
{
    QStringList messages;
    for (int i = 1; i <= count; ++i)
        messages.append(QStringLiteral("message %1").arg(i));
    return messages;
}

} // namespace

class TestEditorDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void addableFormsOrder();
    void addableFormsNeverOffered_data();
    void addableFormsNeverOffered();
    void addableFormsOfTheFederalLines_data();
    void addableFormsOfTheFederalLines();

    void filterRememberedAndCleared();
    void filterMatchingNothingGivesZero();
    void quickButtons_data();
    void quickButtons();
    void sfdFormsOfferedOnce();

    void orderMovesAndOk();
    void orderCancelChangesNothing();
    void orderEdgeMoves_data();
    void orderEdgeMoves();
    void orderOnlySummaryForms();

    void validationLines_data();
    void validationLines();
    void validationCaptionColourAndTabs();

private:
    std::unique_ptr<ScriptedPresenter> m_presenter;
};

void TestEditorDialogs::init()
{
    m_presenter = std::make_unique<ScriptedPresenter>();
    // The filter lives for the run; each test starts without one.
    const QList<int> none;
    AddTaxFormDlg dialog(none);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnClear")), Qt::LeftButton);
}

// ---- addable forms

void TestEditorDialogs::addableFormsOrder()
{
    QList<int> types;
    collectAddableForms({9, 2}, types);
    // Ontario's forms, then British Columbia's, in the order of the list.
    QCOMPARE(types.mid(0, 5), (QList<int>{26, 27, 87, 43, 44}));
    // The SFD forms last, in their own order.
    QList<int> sfd;
    for (int i = 0; i < SFD_Forms_Num; ++i)
        sfd.append(SFD_Forms_Info[i]);
    QCOMPARE(sfd, (QList<int>{12, 15, 21, 51, 59, 92, 109, 125, 131, 147, 160, 179}));
    QCOMPARE(types.mid(types.size() - sfd.size()), sfd);
    // The federal rows between, in table order, starting with Schedule 2 and 3.
    const QList<int> federal = types.mid(5, types.size() - 5 - sfd.size());
    QCOMPARE(federal.mid(0, 4), (QList<int>{3, 4, 6, 7}));
    QVERIFY(std::is_sorted(federal.begin(), federal.end()));
    for (int type : federal)
        QCOMPARE(getFormProv(type), 0);
    // No type twice.
    QCOMPARE(QSet<int>(types.begin(), types.end()).size(), types.size());
}

void TestEditorDialogs::addableFormsNeverOffered_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("T1") << FormType::T1;
    QTest::newRow("Schedule 10") << FormType::SCH10;
    QTest::newRow("T1 Summary") << FormType::T1KS;
    QTest::newRow("expired 2") << 2;
    QTest::newRow("expired 151") << 151;
    QTest::newRow("expired 198") << 198;
    QTest::newRow("summary re-file") << FormType::T1KSREFILE;
    QTest::newRow("Manitoba S2 without Manitoba") << 90;
}

void TestEditorDialogs::addableFormsNeverOffered()
{
    QFETCH(int, type);
    QList<int> types;
    collectAddableForms({9, 2}, types);
    QVERIFY(!types.contains(type));
}

// The forms that compute a federal line a person claims by hand are offered, each once.
void TestEditorDialogs::addableFormsOfTheFederalLines_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("Schedule 5 (30300 to 30450)") << FormType::SCH5;
    QTest::newRow("T1172 (additional tax on RESP payments)") << FormType::T1172;
    QTest::newRow("GST370 (45700)") << FormType::GST370;
    QTest::newRow("T1A (loss carryback)") << FormType::T1A;
    QTest::newRow("T2222 (25500)") << FormType::T2222;
    QTest::newRow("T5004 (tax shelters)") << FormType::T5004;
    QTest::newRow("TL2 (meals and lodging)") << FormType::TL2;
    QTest::newRow("T1032 (pension split)") << FormType::T1032;
    QTest::newRow("Schedule 12 (45355)") << FormType::SCH12MHR;
    QTest::newRow("home accessibility (31285)") << FormType::SCH12HA;
    QTest::newRow("T90 (exempt income)") << FormType::T90;
}

void TestEditorDialogs::addableFormsOfTheFederalLines()
{
    QFETCH(int, type);
    QList<int> types;
    collectAddableForms({9}, types);
    QCOMPARE(types.count(type), 1);
}

// ---- add-form dialog

void TestEditorDialogs::filterRememberedAndCleared()
{
    const QList<int> offered{FormType::T776, 59, FormType::T1032, 13};
    {
        AddTaxFormDlg first(offered);
        QCOMPARE(comboTypes(first), offered);
        QTest::keyClicks(first.findChild<QLineEdit *>(QStringLiteral("edtFilter")), "t77");
        QCOMPARE(comboTypes(first), (QList<int>{FormType::T776, 59, 13}));
    }
    AddTaxFormDlg second(offered);
    QCOMPARE(second.findChild<QLineEdit *>(QStringLiteral("edtFilter"))->text(),
             QStringLiteral("t77"));
    QCOMPARE(comboTypes(second), (QList<int>{FormType::T776, 59, 13}));
    QCOMPARE(second.selectedFormType(), FormType::T776);

    QTest::mouseClick(second.findChild<QPushButton *>(QStringLiteral("btnClear")), Qt::LeftButton);
    QCOMPARE(second.findChild<QLineEdit *>(QStringLiteral("edtFilter"))->text(), QString());
    QCOMPARE(comboTypes(second), offered);
    AddTaxFormDlg third(offered);
    QCOMPARE(AddTaxFormDlg::rememberedFilter(), QString());
    QCOMPARE(comboTypes(third), offered);
}

void TestEditorDialogs::filterMatchingNothingGivesZero()
{
    const QList<int> offered{FormType::T776, FormType::SCH9};
    AddTaxFormDlg dialog(offered);
    QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("edtFilter")), "zzq");
    QCOMPARE(comboTypes(dialog), QList<int>());
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedFormType(), 0);
}

void TestEditorDialogs::quickButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::newRow("T2125") << "btnAddT2125"
                           << "Add T2125" << 125;
    QTest::newRow("T776") << "btnAddT776"
                          << "Add T776" << 12;
    QTest::newRow("Sch.11") << "btnAddSch11"
                            << "Add Tuition Sch.11" << 11;
    QTest::newRow("T2042") << "btnAddT2042"
                           << "Add T2042" << 21;
    QTest::newRow("T2209") << "btnAddT2209"
                           << "Add T2209/T2036" << 35;
    QTest::newRow("Sch.5") << "btnAddSch5"
                           << "Add Sch.5" << 6;
    QTest::newRow("Commission") << "btnAddCommission"
                                << "Add Commission" << 131;
    QTest::newRow("Sch.7") << "btnAddSch7"
                           << "Add RRSP Sch.7" << 7;
    QTest::newRow("Sch.9") << "btnAddSch9"
                           << "Add Donation Sch.9" << 9;
}

void TestEditorDialogs::quickButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, text);
    QFETCH(int, type);
    // Not offered: a quick button gives its type all the same.
    const QList<int> offered{FormType::T1032};
    AddTaxFormDlg dialog(offered);
    auto *b = dialog.findChild<QPushButton *>(button);
    QVERIFY(b);
    QCOMPARE(b->text(), text);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedFormType(), type);
}

void TestEditorDialogs::sfdFormsOfferedOnce()
{
    QList<int> types;
    collectAddableForms({9}, types);
    QCOMPARE(types.count(59), 1);
    QCOMPARE(types.count(92), 1);
    AddTaxFormDlg dialog(types);
    const QList<int> listed = comboTypes(dialog);
    QCOMPARE(listed, types);
    QCOMPARE(listed.count(59), 1);
    QCOMPARE(listed.count(92), 1);
}

// ---- form order

void TestEditorDialogs::orderMovesAndOk()
{
    auto person = personWith({FormType::SCH9, FormType::T1KS, FormType::SCH7, FormType::SCH11});
    DlgChangeFormOrder dialog(person.get());
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("listFormsWgt"));
    QCOMPARE(listTexts(list),
             (QStringList{QStringLiteral("Schedule 9"), QStringLiteral("Schedule 7"),
                          QStringLiteral("Schedule 11")}));
    list->setCurrentRow(2);
    auto *up = dialog.findChild<QPushButton *>(QStringLiteral("btnUp"));
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(listTexts(list),
             (QStringList{QStringLiteral("Schedule 11"), QStringLiteral("Schedule 9"),
                          QStringLiteral("Schedule 7")}));
    // Nothing is written before OK.
    QCOMPARE(formOrder(*person),
             (QList<int>{FormType::SCH9, FormType::T1KS, FormType::SCH7, FormType::SCH11}));
    const QList<TaxDataEntryStru *> before = person->m_formList;
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(formOrder(*person),
             (QList<int>{FormType::SCH11, FormType::T1KS, FormType::SCH9, FormType::SCH7}));
    // The same entries, only moved: nothing made or freed.
    QCOMPARE(person->m_formList[0], before[3]);
    QCOMPARE(person->m_formList[1], before[1]);
    QCOMPARE(person->m_formList[2], before[0]);
    QCOMPARE(person->m_formList[3], before[2]);
}

void TestEditorDialogs::orderCancelChangesNothing()
{
    auto person = personWith({FormType::SCH9, FormType::T1KS, FormType::SCH7, FormType::SCH11});
    const QList<TaxDataEntryStru *> before = person->m_formList;
    DlgChangeFormOrder dialog(person.get());
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("listFormsWgt"));
    list->setCurrentRow(0);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnDown")), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnDown")), Qt::LeftButton);
    QCOMPARE(list->currentRow(), 2);
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(person->m_formList, before);
}

void TestEditorDialogs::orderEdgeMoves_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("button");
    QTest::newRow("up on the first row") << 0 << "btnUp";
    QTest::newRow("down on the last row") << 2 << "btnDown";
    QTest::newRow("down with no current row") << -1 << "btnDown";
    QTest::newRow("up with no current row") << -1 << "btnUp";
}

void TestEditorDialogs::orderEdgeMoves()
{
    QFETCH(int, row);
    QFETCH(QString, button);
    auto person = personWith({FormType::SCH9, FormType::SCH7, FormType::SCH11});
    const QList<TaxDataEntryStru *> before = person->m_formList;
    DlgChangeFormOrder dialog(person.get());
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("listFormsWgt"));
    list->setCurrentRow(row);
    QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(list->currentRow(), row);
    QCOMPARE(listTexts(list),
             (QStringList{QStringLiteral("Schedule 9"), QStringLiteral("Schedule 7"),
                          QStringLiteral("Schedule 11")}));
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(person->m_formList, before);
}

void TestEditorDialogs::orderOnlySummaryForms()
{
    auto person = personWith({FormType::T1KS, FormType::T1KSREFILE, FormType::T1KSPRIOR});
    const QList<TaxDataEntryStru *> before = person->m_formList;
    DlgChangeFormOrder dialog(person.get());
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("listFormsWgt"));
    QCOMPARE(list->count(), 0);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnUp")), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnDown")), Qt::LeftButton);
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(person->m_formList, before);
}

// ---- validation messages

void TestEditorDialogs::validationLines_data()
{
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QStringList>("lines");
    const QString forms = QStringLiteral("------- Tax Forms -------");
    const QString slips = QStringLiteral("------- Tax Slips -------");
    const QString couple = QStringLiteral("------- Spouse-Return Validation -------");
    const QString cross = QStringLiteral("------- Cross Tax Forms Validation -------");
    QTest::newRow("form then couple") << QList<int>{2, 5} << QList<int>{9, 0} << QList<int>{2, 1}
                                      << QStringList{forms,
                                                     "[Schedule 9] - 2 errors found",
                                                     " 1 - message 1",
                                                     " 2 - message 2",
                                                     "",
                                                     couple,
                                                     " 1 - message 1",
                                                     ""};
    QTest::newRow("form, slip, form: two forms headers")
        << QList<int>{2, 1, 2} << QList<int>{7, 1, 11} << QList<int>{1, 1, 1}
        << QStringList{forms, "[Schedule 7] - 1 errors found",  " 1 - message 1", "",
                       slips, "[T4] - 1 errors found",          " 1 - message 1", "",
                       forms, "[Schedule 11] - 1 errors found", " 1 - message 1", ""};
    QTest::newRow("two forms share a header")
        << QList<int>{2, 2} << QList<int>{7, 9} << QList<int>{1, 1}
        << QStringList{forms, "[Schedule 7] - 1 errors found", " 1 - message 1",
                       "",    "[Schedule 9] - 1 errors found", " 1 - message 1",
                       ""};
    QTest::newRow("an empty group leaves no trace and keeps the section")
        << QList<int>{2, 1, 2} << QList<int>{7, 1, 9} << QList<int>{1, 0, 1}
        << QStringList{forms, "[Schedule 7] - 1 errors found", " 1 - message 1",
                       "",    "[Schedule 9] - 1 errors found", " 1 - message 1",
                       ""};
    QTest::newRow("return level: no caption") << QList<int>{4} << QList<int>{0} << QList<int>{1}
                                              << QStringList{cross, " 1 - message 1", ""};
    QTest::newRow("unknown kind: no header, no caption")
        << QList<int>{3} << QList<int>{0} << QList<int>{1} << QStringList{" 1 - message 1", ""};
    QStringList ten{forms, "[Schedule 9] - 10 errors found"};
    for (int i = 1; i <= 9; ++i)
        ten.append(QStringLiteral(" %1 - message %1").arg(i));
    ten << "10 - message 10"
        << "";
    QTest::newRow("nine before ten") << QList<int>{2} << QList<int>{9} << QList<int>{10} << ten;
    QTest::newRow("no groups")
        << QList<int>{} << QList<int>{} << QList<int>{}
        << QStringList{"There are no validation errors found in this return, Please check "
                       "spouse's side."};
}

void TestEditorDialogs::validationLines()
{
    QFETCH(QList<int>, kinds);
    QFETCH(QList<int>, types);
    QFETCH(QList<int>, counts);
    QFETCH(QStringList, lines);
    GroupList list;
    for (int i = 0; i < kinds.size(); ++i)
        list.groups.push_back(group(kinds[i], types[i], numbered(counts[i])));
    QCOMPARE(DlgValidationMsgs::tabLines(list.groups), lines);

    DlgValidationMsgs dialog;
    dialog.showMessages(QStringLiteral("Ann Lee"), list.groups, false, QString(), {});
    QCOMPARE(dialog.tabs()->count(), 1);
    auto *scroll = qobject_cast<QScrollArea *>(dialog.tabs()->widget(0));
    QVERIFY(scroll);
    QCOMPARE(listTexts(qobject_cast<QListWidget *>(scroll->widget())), lines);
}

void TestEditorDialogs::validationCaptionColourAndTabs()
{
    GroupList first;
    first.groups.push_back(group(2, 9, numbered(1)));
    first.groups.push_back(group(1, 8, numbered(2)));
    first.groups.push_back(group(4, 0, numbered(1)));
    GroupList second;
    DlgValidationMsgs dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Validation Result"));
    QCOMPARE(dialog.tabs()->tabText(0), QStringLiteral("tax payer name"));
    dialog.showMessages(QStringLiteral("Ann Lee"), first.groups, true, QStringLiteral("Bo Lee"),
                        second.groups);
    QCOMPARE(dialog.tabs()->count(), 2);
    QCOMPARE(dialog.tabs()->tabText(0), QStringLiteral("Ann Lee"));
    QCOMPARE(dialog.tabs()->tabText(1), QStringLiteral("Bo Lee"));
    auto *list = qobject_cast<QListWidget *>(
        qobject_cast<QScrollArea *>(dialog.tabs()->widget(0))->widget());
    QStringList coloured;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->foreground().color() == QColor(QStringLiteral("#ff3566")))
            coloured.append(list->item(i)->text());
    }
    QCOMPARE(coloured, (QStringList{QStringLiteral("[Schedule 9] - 1 errors found"),
                                    QStringLiteral("[T5] - 2 errors found")}));
    QCOMPARE(list->font().pointSize(), 12);
    auto *spouse = qobject_cast<QListWidget *>(
        qobject_cast<QScrollArea *>(dialog.tabs()->widget(1))->widget());
    QCOMPARE(listTexts(spouse),
             QStringList{QStringLiteral("There are no validation errors found in this return, "
                                        "Please check spouse's side.")});
    // A second call replaces the tabs.
    dialog.showMessages(QStringLiteral("Bo Lee"), second.groups, false, QString(), first.groups);
    QCOMPARE(dialog.tabs()->count(), 1);
    QCOMPARE(dialog.tabs()->tabText(0), QStringLiteral("Bo Lee"));
}

QV_TEST_MAIN(TestEditorDialogs)
#include "tst_EditorDialogs.moc"
