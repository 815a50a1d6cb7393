// Field-bound widgets, the binder, the wizard framework, the framework dialogs, the worker
// thread, the file helpers and the form-page base.
#include "BindingFixtures.h"
#include "ModalDriver.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"

#include "marrow/ComboChoices.h"
#include "marrow/ScrollTaxForm.h"
#include "ordane/COneQOneChkboxDialog.h"
#include "ordane/CT1ComboBox.h"
#include "ordane/DlgMsgWithLink.h"
#include "ordane/DoubleLineEdit.h"
#include "ordane/FieldBinder.h"
#include "ordane/FileHelpers.h"
#include "ordane/MyEvent.h"
#include "ordane/MyWorkerThread.h"
#include "ordane/StyledDateEdit.h"
#include "ordane/WizardBase.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDateEdit>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWizard>

#include <sys/stat.h>

Q_DECLARE_METATYPE(CField *)

namespace {

// Records the events an editor receives.
class EditorStandIn : public QWidget
{
public:
    QList<int> types;
    QList<int> formTypes;

protected:
    bool event(QEvent *e) override
    {
        if (MyEvent::isEditorEvent(e->type())) {
            types.append(e->type());
            if (auto *forward = dynamic_cast<EventForwardEdit *>(e))
                formTypes.append(forward->formType());
            return true;
        }
        return QWidget::event(e);
    }
};

// Counts until cancelled, reporting each step; bounded so a fault cannot hang the test.
class CountingWorker : public MyWorkerThread
{
public:
    int steps = 0;

protected:
    void run() override
    {
        for (steps = 0; steps < 20000 && !isCancelled(); ++steps) {
            emit progressChanged(steps);
            msleep(1);
        }
    }
};

// Receives the URLs the desktop would open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

void typeAndEnter(QWidget *w, const QString &text)
{
    if (auto *date = qobject_cast<QDateEdit *>(w)) {
        if (text.isEmpty()) {
            date->selectAll();
            QTest::keyClick(date, Qt::Key_Delete);
            return;
        }
        // Typed section by section, as the edit takes it; each section selected first.
        const QStringList parts = text.split('/');
        const QDateTimeEdit::Section sections[] = {
            QDateTimeEdit::YearSection, QDateTimeEdit::MonthSection, QDateTimeEdit::DaySection};
        for (int i = 0; i < parts.size() && i < 3; ++i) {
            date->setSelectedSection(sections[i]);
            QTest::keyClicks(date, parts[i]);
        }
        QTest::keyClick(date, Qt::Key_Return);
        return;
    }
    auto *edit = qobject_cast<QLineEdit *>(w);
    if (!edit)
        edit = w->findChild<QLineEdit *>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void showActive(QWidget *w)
{
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

} // namespace

class TestFieldBinding : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<CField *>();
        qRegisterMetaType<CTaxData_Form *>();
    }
    void typedText_data();
    void typedText();
    void clickedChoices_data();
    void clickedChoices();
    void showAllDrawsEveryField();
    void refusedAmountWidgetShowsStoredValue();
    void untouchedWidgetsKeepValuesTheyCannotShow();

    void comboLists_data();
    void comboLists();
    void baseDataNamesAndTexts();

    void wizardBackKeepsValuesAndNormalises();
    void wizardExecResult_data();
    void wizardExecResult();

    void linkMessageScripted();
    void linkMessageFitsItsTexts();
    void checkQuestionScripted_data();
    void checkQuestionScripted();
    void dialogsRealUnderModalDriver();

    void workerCancelStopsRun();
    void checkStrInStrList_data();
    void checkStrInStrList();

    void showInFolderOpensFolder();
    void loadFileToQString_data();
    void loadFileToQString();

    void pageSignalsAfterFieldTypedAndLeft();
    void pageCommitStoresFieldInEdit();
    void pageOutlivingItsForm();
    void pagePostsToEditor();
    void scrollTaxFormHoldsPage();
    void requiredFlag();
};

void TestFieldBinding::typedText_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("signalled");

    QTest::newRow("grouped amount") << "fld_amount"
                                    << "1,234.5" << QVariant(1234.50) << "1,234.50" << true;
    QTest::newRow("amount with letter") << "fld_amount"
                                        << "12a" << QVariant(77.0) << "77.00" << false;
    QTest::newRow("minus zero") << "fld_amount"
                                << "-0" << QVariant(0.0) << "0.00" << true;
    QTest::newRow("negative") << "fld_amount"
                              << "-45.678" << QVariant(-45.678) << "-45.68" << true;
    QTest::newRow("two points") << "fld_amount"
                                << "1.2.3" << QVariant(77.0) << "77.00" << false;
    QTest::newRow("inner minus") << "fld_amount"
                                 << "5-3" << QVariant(77.0) << "77.00" << false;
    QTest::newRow("comma after point") << "fld_amount"
                                       << "1.2,5" << QVariant(77.0) << "77.00" << false;
    QTest::newRow("sign alone") << "fld_amount"
                                << "-" << QVariant(77.0) << "77.00" << false;
    QTest::newRow("emptied amount") << "fld_amount"
                                    << "" << QVariant(0.0) << "0.00" << true;
    QTest::newRow("past double range")
        << "fld_amount" << QString(400, '9') << QVariant(77.0) << "77.00" << false;
    QTest::newRow("over-long text") << "fld_name"
                                    << "Abcdefgh" << QVariant("Abcde") << "Abcde" << true;
    QTest::newRow("text") << "fld_name"
                          << "Ann" << QVariant("Ann") << "Ann" << true;
    QTest::newRow("date") << "fld_born"
                          << "2025/02/28" << QVariant(QDate(2025, 2, 28)) << "2025/02/28" << true;
    QTest::newRow("leap day") << "fld_born"
                              << "2024/02/29" << QVariant(QDate(2024, 2, 29)) << "2024/02/29"
                              << true;
    QTest::newRow("date erased") << "fld_born"
                                 << "" << QVariant(QDate()) << " " << true;
    // The edit refuses the "0" that would make 30 February: the day stays 03.
    QTest::newRow("date that does not exist")
        << "fld_born"
        << "2025/02/30" << QVariant(QDate(2025, 2, 3)) << "2025/02/03" << true;
}

void TestFieldBinding::typedText()
{
    QFETCH(QString, widget);
    QFETCH(QString, typed);
    QFETCH(QVariant, stored);
    QFETCH(QString, shown);
    QFETCH(bool, signalled);

    BindingData data;
    data.amount = 77.0;
    data.name.setValue("Zed");
    data.born = QDate(1990, 5, 17);
    QWidget root;
    makeBindingWidgets(&root);
    FieldBinder binder;
    QCOMPARE(binder.bindOwner(&root, data), 6);
    binder.showAll();
    QSignalSpy changed(&binder, &FieldBinder::fieldChanged);

    QWidget *w = root.findChild<QWidget *>(widget);
    QVERIFY(w);
    typeAndEnter(w, typed);
    if (auto *date = qobject_cast<StyledDateEdit *>(w)) {
        // A date edit stores as its sections change; leaving it settles the text.
        binder.store(date);
        QCOMPARE(QVariant(data.born.date()), stored);
        QCOMPARE(date->text(), shown);
        QCOMPARE(!changed.isEmpty(), signalled);
        return;
    }
    CField *field = binder.fieldOf(w);
    QVERIFY(field);
    if (field == &data.amount)
        QCOMPARE(data.amount.value(), stored.toDouble());
    else
        QCOMPARE(QString(data.name.value()), stored.toString());
    QCOMPARE(qobject_cast<QLineEdit *>(w)->text(), shown);
    QCOMPARE(changed.count(), signalled ? 1 : 0);
    if (signalled)
        QCOMPARE(changed.first().first().value<CField *>(), field);
}

void TestFieldBinding::clickedChoices_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("province");
    QTest::addColumn<bool>("flag");

    QTest::newRow("radio 2") << "radio2" << 2 << 0 << false;
    QTest::newRow("radio 0") << "radio0" << 0 << 0 << false;
    QTest::newRow("combo Ontario") << "comboON" << -1 << 9 << false;
    QTest::newRow("combo back to none") << "comboNone" << -1 << 0 << false;
    QTest::newRow("check box") << "check" << -1 << 0 << true;
}

void TestFieldBinding::clickedChoices()
{
    QFETCH(QString, action);
    QFETCH(int, choice);
    QFETCH(int, province);
    QFETCH(bool, flag);

    BindingData data;
    QWidget root;
    makeBindingWidgets(&root);
    FieldBinder binder;
    binder.bindOwner(&root, data);
    binder.showAll();
    auto *combo = root.findChild<CT1ComboBox *>("fld_province");
    if (action == "comboNone") {
        combo->SetCurSelData(3);
        QCOMPARE(data.province.value(), 3);
    }
    QSignalSpy changed(&binder, &FieldBinder::fieldChanged);
    if (action.startsWith("radio"))
        root.findChild<QRadioButton *>("fld_choice_" + action.right(1))->click();
    else if (action == "comboON")
        combo->setCurrentIndex(combo->findText("Ontario"));
    else if (action == "comboNone")
        combo->setCurrentIndex(0);
    else
        root.findChild<QAbstractButton *>("fld_flag")->click();

    QCOMPARE(data.choice.value(), choice);
    QCOMPARE(data.province.value(), province);
    QCOMPARE(data.flag.value(), flag);
    QCOMPARE(changed.count(), 1);
}

void TestFieldBinding::showAllDrawsEveryField()
{
    BindingData data;
    data.name.setValue("Lee");
    data.amount = -1234567.891;
    data.born = QDate(2001, 12, 3);
    data.flag = true;
    data.choice = 1;
    data.province = 12;
    QWidget root;
    makeBindingWidgets(&root);
    FieldBinder binder;
    binder.bindOwner(&root, data);
    QSignalSpy changed(&binder, &FieldBinder::fieldChanged);
    binder.showAll();

    QCOMPARE(root.findChild<QLineEdit *>("fld_name")->text(), QString("Lee"));
    QCOMPARE(root.findChild<QLineEdit *>("fld_amount")->text(), QString("-1,234,567.89"));
    QCOMPARE(root.findChild<StyledDateEdit *>("fld_born")->text(), QString("2001/12/03"));
    QVERIFY(root.findChild<QAbstractButton *>("fld_flag")->isChecked());
    QVERIFY(root.findChild<QAbstractButton *>("fld_choice_1")->isChecked());
    QCOMPARE(root.findChild<CT1ComboBox *>("fld_province")->currentText(), QString("Saskatchewan"));
    // Showing stores nothing back and reports nothing.
    QCOMPARE(changed.count(), 0);
    QCOMPARE(data.amount.value(), -1234567.891);

    // -1 and an empty date clear the widgets.
    data.choice = -1;
    data.born = QDate();
    binder.showAll();
    QCOMPARE(root.findChild<QButtonGroup *>("fld_choice")->checkedId(), -1);
    auto *date = root.findChild<StyledDateEdit *>("fld_born");
    QVERIFY(date->isEmpty());
    QVERIFY(date->text().trimmed().isEmpty());
    QVERIFY(!binder.storeAll());
    QVERIFY(!data.born.date().isValid());
    QCOMPARE(data.choice.value(), -1);
}

void TestFieldBinding::refusedAmountWidgetShowsStoredValue()
{
    // storeAll (a commit) refuses bad text the same way the edit's own signal does.
    BindingData data;
    data.amount = 5;
    QWidget root;
    makeBindingWidgets(&root);
    FieldBinder binder;
    binder.bindOwner(&root, data);
    auto *edit = root.findChild<QLineEdit *>("fld_amount");
    edit->setText("abc");
    QVERIFY(!binder.storeAll());
    QCOMPARE(data.amount.value(), 5.0);
    QCOMPARE(edit->text(), QString("5.00"));
}

void TestFieldBinding::untouchedWidgetsKeepValuesTheyCannotShow()
{
    // A commit stores every widget; values the widgets cannot show must survive it.
    BindingData data;
    data.name.setValue("Longer than five");
    data.amount = 0.125;
    data.choice = 7;
    data.province = 44;
    QWidget root;
    makeBindingWidgets(&root);
    FieldBinder binder;
    binder.bindOwner(&root, data);
    binder.showAll();
    QCOMPARE(root.findChild<QLineEdit *>("fld_name")->text(), QString("Longe"));
    QCOMPARE(root.findChild<CT1ComboBox *>("fld_province")->currentIndex(), -1);
    QVERIFY(!binder.storeAll());
    QCOMPARE(QString(data.name.value()), QString("Longer than five"));
    QCOMPARE(data.amount.value(), 0.125);
    QCOMPARE(data.choice.value(), 7);
    QCOMPARE(data.province.value(), 44);

    // Edited, the text is cut at the field's length.
    auto *name = root.findChild<QLineEdit *>("fld_name");
    name->setText("Ab");
    QTest::keyClicks(name, "cdefg");
    QVERIFY(binder.storeAll());
    QCOMPARE(QString(data.name.value()), QString("Abcde"));
}

void TestFieldBinding::comboLists_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("types");

    const QList<int> offered{4, 125, 101, 26};
    QTest::newRow("no filter") << "" << QStringList{"Schedule 3", "T2125", "T1135", "ON(S2)"}
                               << offered;
    QTest::newRow("part of a name, any case")
        << "sched" << QStringList{"Schedule 3"} << QList<int>{4};
    QTest::newRow("part of a number") << "T11" << QStringList{"T1135"} << QList<int>{101};
    QTest::newRow("identifier") << "on_s" << QStringList{"ON(S2)"} << QList<int>{26};
    QTest::newRow("no match") << "zzz" << QStringList{} << QList<int>{};
}

void TestFieldBinding::comboLists()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, types);

    CT1ComboBox combo;
    QCOMPARE(combo.setChoices(formChoices({4, 125, 101, 26, 9999}), filter), texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        QCOMPARE(combo.itemText(i), texts[i]);
        QCOMPARE(combo.itemData(i, Qt::UserRole).toInt(), types[i]);
    }

    combo.setChoices(provinceChoices());
    QCOMPARE(combo.count(), 14);
    QCOMPARE(combo.itemData(0).toInt(), 0);
    QVERIFY(combo.SetCurSelData(9));
    QCOMPARE(combo.currentText(), QString("Ontario"));
    QVERIFY(!combo.SetCurSelData(44));
    QCOMPARE(combo.curSelData(), 9);
}

void TestFieldBinding::baseDataNamesAndTexts()
{
    BindingData data;
    QCOMPARE(data.name.name(), QByteArray("fld_name"));
    QCOMPARE(data.normalizeData(), 0);
    data.name.setValue("Li\nYu");
    data.amount = 12.5;
    data.flag = true;
    CString text;
    data.writeToString(text);
    QVERIFY(text.startsWith("fld_name=Li Yu\nfld_amount=12.50\nfld_born=\nfld_flag=1\n"));

    BindingData other;
    const QMap<QString, QString> values{{"fld_name", "Ro"},         {"fld_amount", "x"},
                                        {"fld_flag", "1"},          {"fld_choice", "2"},
                                        {"fld_born", "2020-01-31"}, {"fld_unknown", "3"}};
    QCOMPARE(other.readFromStringMap(values), 4);
    QCOMPARE(QString(other.name.value()), QString("Ro"));
    QCOMPARE(other.amount.value(), 0.0);
    QCOMPARE(other.choice.value(), 2);
    QCOMPARE(other.born.date(), QDate(2020, 1, 31));
    QVERIFY(other.flag.value());

    other.copyFrom(data);
    QCOMPARE(other.amount.value(), 12.5);
}

void TestFieldBinding::wizardBackKeepsValuesAndNormalises()
{
    BindingData data;
    data.name.setValue("Kim");
    WizardBase wizard(nullptr, "Test wizard");
    auto *first = new BindingPage(&data, true);
    auto *second = new BindingPage(&data, false);
    QCOMPARE(wizard.addPage(first), 0);
    QCOMPARE(wizard.addPage(second), 1);
    wizard.initUI(500, 400);
    QCOMPARE(wizard.windowTitle(), QString("Test wizard"));
    QCOMPARE(wizard.size(), QSize(500, 400));
    showActive(&wizard);
    QCOMPARE(first->findChild<QLineEdit *>("fld_name")->text(), QString("Kim"));

    // Typed but not left: Next stores it and normalises once.
    auto *name = first->findChild<QLineEdit *>("fld_name");
    name->setText("Maria");
    wizard.next();
    QCOMPARE(wizard.currentId(), 1);
    QCOMPARE(QString(data.name.value()), QString("Maria"));
    QCOMPARE(data.normalizeCalls, 1);

    auto *amount = second->findChild<QLineEdit *>("fld_amount");
    amount->setText("2,500");
    second->findChild<QRadioButton *>("fld_choice_1")->click();
    QCOMPARE(data.choice.value(), 1);
    wizard.back();
    QCOMPARE(wizard.currentId(), 0);
    QCOMPARE(data.amount.value(), 2500.0);
    QCOMPARE(name->text(), QString("Maria"));
    // Accepting the first page again normalises, and the second page shows the result.
    wizard.next();
    QCOMPARE(data.normalizeCalls, 2);
    QCOMPARE(amount->text(), QString("1,000.00"));
    amount->setText("2,500");

    // Finish: stored and normalised once more (the cap applies), and the wizard is accepted.
    wizard.button(QWizard::FinishButton)->click();
    QCOMPARE(wizard.result(), 1);
    QCOMPARE(data.normalizeCalls, 3);
    QCOMPARE(data.amount.value(), 1000.0);
    QCOMPARE(data.choice.value(), 1);
    QCOMPARE(QString(data.name.value()), QString("Maria"));
}

void TestFieldBinding::wizardExecResult_data()
{
    QTest::addColumn<bool>("finish");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("normalised");
    QTest::newRow("finish") << true << 1 << 2;
    QTest::newRow("cancel") << false << 0 << 1;
}

void TestFieldBinding::wizardExecResult()
{
    QFETCH(bool, finish);
    QFETCH(int, result);
    QFETCH(int, normalised);

    BindingData data;
    WizardBase wizard(nullptr, "Exec");
    wizard.addPage(new BindingPage(&data, true));
    wizard.addPage(new BindingPage(&data, false));
    wizard.initUI(400, 300);
    QTimer::singleShot(0, &wizard, [&] {
        wizard.next();
        wizard.button(finish ? QWizard::FinishButton : QWizard::CancelButton)->click();
    });
    QCOMPARE(wizard.exec(), result);
    QCOMPARE(data.normalizeCalls, normalised);
}

void TestFieldBinding::linkMessageScripted()
{
    ScriptedPresenter presenter;
    QWidget parent;
    DlgMsgWithLink dlg("Tax Slips Summary", &parent);
    dlg.setMsg1("click this link to view the tax slips summary for");
    dlg.setMsg2("Ana Lee");
    dlg.setLink2("file:///tmp/a b.html", "the \"summary\" <b>");
    QCOMPARE(dlg.exec(), 1);
    QCOMPARE(presenter.shown().size(), 1);
    const ShownMessage &m = presenter.shown().first();
    QCOMPARE(m.kind, QString("link"));
    QCOMPARE(m.title, QString("Tax Slips Summary"));
    QCOMPARE(m.text, QString("click this link to view the tax slips summary for\nAna Lee"));
    QCOMPARE(m.link, QString("file:///tmp/a b.html"));
    QCOMPARE(m.parent, &parent);
    // The caption cannot add markup to the link.
    QCOMPARE(dlg.linkHtml(),
             QString("<a href=\"file:///tmp/a b.html\">the &quot;summary&quot; &lt;b&gt;</a>"));
    dlg.setLink("https://example.invalid/x?a=1&b=2");
    QCOMPARE(dlg.linkHtml(), QString("<a href=\"https://example.invalid/x?a=1&amp;b=2\">"
                                     "https://example.invalid/x?a=1&amp;b=2</a>"));
}

void TestFieldBinding::linkMessageFitsItsTexts()
{
    // The texts are set after construction; the shown dialog must not cut them.
    DlgMsgWithLink dlg("Direct Deposit Enrolment");
    dlg.setMsg1(QString("Taxpayers will be able to register for Direct Deposit through the "
                        "following methods. ")
                    .repeated(4));
    dlg.setMsg2("Second line");
    dlg.setLink2("https://example.invalid/form.html", "enrolment form");
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    for (const char *name : {"lblMsg1", "lblMsg2", "lblLink"}) {
        auto *label = dlg.findChild<QLabel *>(name);
        QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                 qPrintable(QString("%1 %2 %3 %4")
                                .arg(name)
                                .arg(label->height())
                                .arg(label->heightForWidth(label->width()))
                                .arg(label->width())));
    }
    QVERIFY(dlg.findChild<QLabel *>("lblMsg1")->height() >
            2 * dlg.findChild<QLabel *>("lblMsg2")->height());
}

void TestFieldBinding::checkQuestionScripted_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("checked");
    QTest::newRow("yes, ticked") << int(QMessageBox::Yes) << true << 1 << true;
    QTest::newRow("yes, not ticked") << int(QMessageBox::Yes) << false << 1 << false;
    QTest::newRow("no keeps the state") << int(QMessageBox::No) << true << 0 << false;
    QTest::newRow("no answer queued") << -1 << true << 0 << false;
}

void TestFieldBinding::checkQuestionScripted()
{
    QFETCH(int, answer);
    QFETCH(bool, tick);
    QFETCH(int, result);
    QFETCH(bool, checked);

    ScriptedPresenter presenter;
    if (answer >= 0)
        presenter.queueAnswer(QMessageBox::StandardButton(answer));
    presenter.queueCheck(tick);
    bool state = false;
    QCOMPARE(COneQOneChkboxDialog::showDialog(
                 nullptr, "Remove file entry from history list",
                 "Please confirm to remove the entry of this return file?",
                 "Also remove the file from hard drive", state, QMessageBox::Warning),
             result);
    QCOMPARE(state, checked);
    QCOMPARE(presenter.shown().size(), 1);
    QCOMPARE(presenter.shown().first().kind, QString("checkquestion"));
    QCOMPARE(presenter.shown().first().title, QString("Remove file entry from history list"));
    QCOMPARE(presenter.shown().first().text,
             QString("Please confirm to remove the entry of this return file?"));
}

void TestFieldBinding::dialogsRealUnderModalDriver()
{
    MessagePresenter *before = MessagePresenter::install(nullptr);
    ModalDriver driver;
    driver.pressButton("OK");
    driver.queue(ModalAction{{}, {{"chkOption", true}}, "Yes"});
    driver.queue(ModalAction{{}, {{"chkOption", true}}, "No"});

    DlgMsgWithLink dlg("Direct Deposit Enrolment");
    dlg.setMsg1("First");
    dlg.setLink2("https://example.invalid/form.html", "enrolment form");
    const int shown = dlg.exec();
    bool ticked = false;
    const int confirmed =
        COneQOneChkboxDialog::showDialog(nullptr, "Remove", "Sure?", "Also the file", ticked);
    bool untouched = false;
    const int refused =
        COneQOneChkboxDialog::showDialog(nullptr, "Remove", "Sure?", "Also the file", untouched);
    MessagePresenter::install(before);

    QCOMPARE(shown, 1);
    QCOMPARE(confirmed, 1);
    QVERIFY(ticked);
    QCOMPARE(refused, 0);
    QVERIFY(!untouched);
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(driver.seen().size(), 3);
    QCOMPARE(driver.seen()[0].title, QString("Direct Deposit Enrolment"));
    QCOMPARE(driver.seen()[1].title, QString("Remove"));
}

void TestFieldBinding::workerCancelStopsRun()
{
    CountingWorker worker;
    QSignalSpy progress(&worker, &MyWorkerThread::progressChanged);
    QSignalSpy finished(&worker, &QThread::finished);
    worker.start();
    QVERIFY(progress.wait(5000));
    QVERIFY(!worker.isCancelled());
    worker.cancel();
    QVERIFY(worker.isCancelled());
    QVERIFY(worker.wait(5000));
    QVERIFY(worker.steps < 20000);
    QTRY_COMPARE(finished.count(), 1);
    QTest::qWait(20);
    QCOMPARE(finished.count(), 1);
}

void TestFieldBinding::checkStrInStrList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<bool>("found");
    QTest::newRow("whole, other case") << "R24" << false << true;
    QTest::newRow("part is not whole") << "r2" << false << false;
    QTest::newRow("longer is not whole") << "r245" << false << false;
    QTest::newRow("contained, flag on") << "old.r245" << true << true;
    QTest::newRow("absent") << "txt" << true << false;
}

void TestFieldBinding::checkStrInStrList()
{
    QFETCH(QString, text);
    QFETCH(bool, flag);
    QFETCH(bool, found);
    QCOMPARE(MyWorkerThread::checkStrInStrList(text, {"r25", "r24", "qrf"}, flag), found);
}

void TestFieldBinding::showInFolderOpensFolder()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    QTemporaryDir dir;
    const QString file = dir.filePath("my return.r25");
    QFile(file).open(QIODevice::WriteOnly);
    QVERIFY(showInFolder(file));
    QVERIFY(showInFolder(dir.path()));
    QVERIFY(!showInFolder(dir.filePath("gone/x.r25")));
    QVERIFY(!showInFolder(QString()));
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(catcher.urls.size(), 2);
    QCOMPARE(catcher.urls[0], QUrl::fromLocalFile(QDir(dir.path()).absolutePath()));
    QCOMPARE(catcher.urls[1], catcher.urls[0]);
}

void TestFieldBinding::loadFileToQString_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");
    QTest::newRow("resource") << ":/uitest/terms.txt" << kLoadFromResource << true << "Terms é\n";
    QTest::newRow("resource without flag") << ":/uitest/terms.txt" << 0 << false << "";
    QTest::newRow("disk file") << "DISK" << 0 << true << "Disk é";
    QTest::newRow("disk file as resource") << "DISK" << kLoadFromResource << false << "";
    QTest::newRow("folder") << "FOLDER" << 0 << false << "";
    QTest::newRow("fifo") << "FIFO" << 0 << false << "";
    QTest::newRow("missing") << "MISSING" << 0 << false << "";
}

void TestFieldBinding::loadFileToQString()
{
    QFETCH(QString, path);
    QFETCH(int, flags);
    QFETCH(bool, ok);
    QFETCH(QString, text);
    QTemporaryDir dir;
    QFile disk(dir.filePath("t.txt"));
    QVERIFY(disk.open(QIODevice::WriteOnly));
    disk.write(QString("Disk é").toUtf8());
    disk.close();
    if (path == "DISK")
        path = disk.fileName();
    else if (path == "FOLDER")
        path = dir.path();
    else if (path == "FIFO") {
        path = dir.filePath("pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (path == "MISSING")
        path = dir.filePath("none.txt");
    QString out = "old";
    QCOMPARE(::loadFileToQString(path, out, flags), ok);
    QCOMPARE(out, text);
}

void TestFieldBinding::pageSignalsAfterFieldTypedAndLeft()
{
    PageForm form;
    form.income = 10;
    EditorStandIn editor;
    auto *page = new PageOfForm(&form, &editor);
    page->syncData();
    QCOMPARE(page->getTitle(), QString("Page"));
    showActive(&editor);
    QSignalSpy calc(page, &BaseTaxPage::signalCalc);
    auto *income = page->findChild<QLineEdit *>("income");
    auto *employer = page->findChild<QLineEdit *>("employer");
    QCOMPARE(income->text(), QString("10.00"));

    // Focus passing through without a change reports nothing.
    income->setFocus();
    employer->setFocus();
    QCOMPARE(calc.count(), 0);

    income->setFocus();
    income->selectAll();
    QTest::keyClicks(income, "2,000.25");
    QCOMPARE(calc.count(), 0);
    employer->setFocus();
    QCOMPARE(calc.count(), 1);
    QCOMPARE(calc.first().at(0).value<CTaxData_Form *>(), &form);
    QCOMPARE(calc.first().at(1).value<CField *>(), static_cast<CField *>(&form.income));
    QCOMPARE(form.income.value(), 2000.25);

    form.employer.setValue("Acme");
    page->refresh();
    QCOMPARE(employer->text(), QString("Acme"));
}

void TestFieldBinding::pageCommitStoresFieldInEdit()
{
    PageForm form;
    EditorStandIn editor;
    auto *page = new PageOfForm(&form, &editor);
    page->syncData();
    showActive(&editor);
    QSignalSpy calc(page, &BaseTaxPage::signalCalc);
    auto *employer = page->findChild<QLineEdit *>("employer");
    employer->setFocus();
    QTest::keyClicks(employer, "Maple Co");
    page->findChild<QLineEdit *>("income")->setText("12");
    page->commit();
    QCOMPARE(QString(form.employer.value()), QString("Maple Co"));
    QCOMPARE(form.income.value(), 12.0);
    QCOMPARE(calc.count(), 0);
    QVERIFY(employer->hasFocus());
}

void TestFieldBinding::pageOutlivingItsForm()
{
    auto *form = new PageForm;
    form->income = 3;
    EditorStandIn editor;
    QPointer<PageOfForm> page = new PageOfForm(form, &editor);
    page->syncData();
    showActive(&editor);
    QSignalSpy calc(page.data(), &BaseTaxPage::signalCalc);
    auto *income = page->findChild<QLineEdit *>("income");
    income->setFocus();
    QTest::keyClicks(income, "99");

    // The return frees the form while its page waits for deletion.
    delete form;
    QVERIFY(!page->form());
    page->refresh();
    page->commit();
    page->syncData();
    page->findChild<QLineEdit *>("employer")->setFocus(); // editingFinished, late
    QCOMPARE(calc.count(), 0);
    income->setFocus();
    page->deleteLater();
    QTRY_VERIFY(page.isNull());
    QCOMPARE(calc.count(), 0);
}

void TestFieldBinding::pagePostsToEditor()
{
    PageForm form;
    EditorStandIn editor;
    auto *page = new PageOfForm(&form, &editor);
    page->postToEditor(new MyEvent(MyEvent::RefreshPages));
    page->postToEditor(new EventForwardEdit(101));
    QCoreApplication::processEvents();
    QCOMPARE(editor.types, (QList<int>{1013, 1235}));
    QCOMPARE(editor.formTypes, QList<int>{101});

    PageOfForm orphan(&form, nullptr);
    orphan.postToEditor(new MyEvent(MyEvent::CopyAddressToSpouse)); // dropped, not leaked
    QVERIFY(MyEvent::isEditorEvent(5001));
    QVERIFY(!MyEvent::isEditorEvent(1014));
}

void TestFieldBinding::scrollTaxFormHoldsPage()
{
    PageForm form;
    EditorStandIn editor;
    auto *page = new PageOfForm(&form, &editor);
    ScrollTaxForm scroll("#102030", &editor, page);
    QCOMPARE(scroll.getCtntWgt(), page);
    QCOMPARE(scroll.widget(), page);
    QCOMPARE(page->palette().color(QPalette::Window), QColor("#102030"));
    scroll.setBKColor("not a colour");
    QCOMPARE(scroll.getCtntWgt(), page);
    QVERIFY(!page->autoFillBackground());
    ScrollTaxForm empty("", &editor, nullptr);
    QVERIFY(!empty.getCtntWgt());
}

void TestFieldBinding::requiredFlag()
{
    PageForm form;
    QVERIFY(!form.isRequired());
    form.setRequired(true);
    QVERIFY(form.isRequired());
}

QV_TEST_MAIN(TestFieldBinding)
#include "tst_FieldBinding.moc"
