// The form pages: every class makes pages; the T1 and slip pages bind each input field once,
// show calculated fields read-only and read as words; labels; buttons that post events; the
// slips' description.
#include "EditorFixture.h"
#include "FormsOwnWords.h"
#include "TestMain.h"

#include "marrow/BaseTaxPage.h"
#include "marrow/BusinessForms.h"
#include "marrow/CTaxData_Form.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FieldDescriptions.h"
#include "marrow/FormFactory.h"
#include "marrow/FormTables.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/LineTitles.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TaxData_TaxNote.h"
#include "marrow/TypeCodes.h"
#include "marrow/WizardData.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/CField.h"
#include "ordane/CString.h"
#include "ordane/CStringField.h"
#include "ordane/MyDataStream.h"
#include "ordane/MyEvent.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <memory>

namespace {

// Stands in for the editor: records the events pages post to it.
class EventSink : public QWidget
{
public:
    QList<int> types;
    QList<int> formTypes;

protected:
    bool event(QEvent *e) override
    {
        if (MyEvent::isEditorEvent(int(e->type()))) {
            types.append(int(e->type()));
            if (auto *forward = dynamic_cast<EventForwardEdit *>(e))
                formTypes.append(forward->formType());
            return true;
        }
        return QWidget::event(e);
    }
};

bool isReadOnly(QObject *widget)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->isReadOnly();
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget))
        return spin->isReadOnly();
    if (auto *table = qobject_cast<QTableWidget *>(widget))
        return table->editTriggers() == QAbstractItemView::NoEditTriggers;
    if (auto *w = qobject_cast<QWidget *>(widget))
        return !w->isEnabled();
    return false;
}

// The pages of a form, with the sink as their editor; deleted with the holder.
struct Pages
{
    Pages(CTaxData_Form *form, EventSink *sink)
    {
        form->createPages(list, sink);
        for (BaseTaxPage *p : list)
            p->syncData();
    }
    ~Pages() { qDeleteAll(list); }
    int boundCount(const CField *field) const
    {
        int n = 0;
        for (BaseTaxPage *p : list)
            n += p->binder().widgetOf(field) ? 1 : 0;
        return n;
    }
    QObject *widgetOf(const CField *field) const
    {
        for (BaseTaxPage *p : list) {
            if (QObject *w = p->binder().widgetOf(field))
                return w;
        }
        return nullptr;
    }
    QList<BaseTaxPage *> list;
};

void fillValues(CTaxData_Form &form)
{
    int n = 1;
    for (CField *f : form.fields()) {
        switch (f->type()) {
        case FieldType::Float:
            static_cast<CFloatField *>(f)->setValue(n * 10.25);
            break;
        case FieldType::Int:
            static_cast<CIntField *>(f)->setValue(n % 7);
            break;
        case FieldType::String:
            static_cast<CStringField *>(f)->setValue(QStringLiteral("text %1").arg(n));
            break;
        case FieldType::Bool:
            static_cast<CBoolField *>(f)->setValue(n % 2 == 1);
            break;
        case FieldType::Date:
            static_cast<CDateField *>(f)->setDate(QDate(2025, 1 + n % 12, 1 + n % 28));
            break;
        case FieldType::Table: {
            auto *table = static_cast<CTableField *>(f);
            for (int r = 0; r < table->rowCount(); ++r) {
                for (int c = 0; c < table->columnCount(); ++c) {
                    if (table->columnType(c) == FieldType::Float)
                        table->amountAt(r, c).setValue(r * 100 + c + 0.5);
                }
            }
            break;
        }
        }
        ++n;
    }
}

CTaxData_Form *makeForm(int kind, int type)
{
    return kind == 1   ? createSlip(type)
           : kind == 2 ? createWizardData(type)
                       : createFederalForm(type);
}

// The form's block as the return file stores it.
QByteArray savedBytes(CTaxData_Form &form)
{
    QByteArray bytes;
    MyDataStream out(&bytes, QIODevice::WriteOnly);
    CString tag;
    form.Serialize(IndividualTaxData::kCurrentDataVersion, tag, out);
    return bytes;
}

// The fields a page shows as a list of named codes, with their choices.
QList<QPair<CIntField *, QVector<CodeChoice>>> choiceFields(CTaxData_Form &form)
{
    QList<QPair<CIntField *, QVector<CodeChoice>>> list;
    for (const FieldDescription &d : fieldDescriptions(form.getKind(), form.getType())) {
        if (d.codeTable.isEmpty())
            continue;
        CField *field = form.findField(d.name);
        if (field && field->type() == FieldType::Int)
            list.append({static_cast<CIntField *>(field), codeChoices(d.codeTable)});
    }
    return list;
}

// A slip block as written before slips kept a description: box 14 alone.
class OldT4 : public CTaxData_Form
{
public:
    OldT4() : CTaxData_Form(SlipType::T4, KindForm) {}
    CFloatField box14{this, "box14"};
};

} // namespace

class TestFormPages : public QObject
{
    Q_OBJECT
private slots:
    void everyClassGetsPages();
    void pluginFormsGetPages();
    void realPagesBindEveryInput_data();
    void realPagesBindEveryInput();
    void syncAndCommitChangeNothing_data();
    void syncAndCommitChangeNothing();
    void everyShownFieldIsDescribed();
    void choicesShowNamesAndKeepCodes_data();
    void choicesShowNamesAndKeepCodes();
    void resultsAreReadOnly_data();
    void resultsAreReadOnly();
    void countsShowWithoutCents_data();
    void countsShowWithoutCents();
    void choicesRoundTripByteForByte_data();
    void choicesRoundTripByteForByte();
    void noShownLabelIsTheFieldNameInWords();
    void t1PageTabsAndButtons();
    void t2125AndNotePages();
    void slipDescription();
    void tableFieldEdits();
};

void TestFormPages::everyClassGetsPages()
{
    EventSink sink;
    int made = 0;
    for (int code = 0; code < Global_Forms_Num; ++code) {
        std::unique_ptr<CTaxData_Form> form(createFederalForm(code));
        if (!form)
            continue;
        Pages pages(form.get(), &sink);
        QVERIFY2(!pages.list.isEmpty(), qPrintable(formName(code)));
        QVERIFY2(!pages.list.first()->getTitle().isEmpty(), qPrintable(formName(code)));
        ++made;
    }
    for (int code = 0; code < Global_Slips_Num; ++code) {
        std::unique_ptr<CTaxData_Form> slip(createSlip(code));
        if (!slip)
            continue;
        Pages pages(slip.get(), &sink);
        QCOMPARE(pages.list.size(), 1);
        QCOMPARE(pages.list.first()->getTitle(), slipName(code));
        ++made;
    }
    for (int type = 1; type < Global_TaxWizard_Num; ++type) {
        std::unique_ptr<CTaxData_Form> data(createWizardData(type));
        if (!data)
            continue;
        Pages pages(data.get(), &sink);
        QVERIFY(!pages.list.isEmpty());
        ++made;
    }
    std::unique_ptr<TaxData_TaxNote> note(createNote());
    Pages notePages(note.get(), &sink);
    QCOMPARE(notePages.list.size(), 1);
    QVERIFY(made > 100);
}

void TestFormPages::pluginFormsGetPages()
{
    // The provincial forms come from the province plug-in's own classes.
    EditorFixture fixture;
    std::unique_ptr<FamilyTaxData> family(EditorFixture::coupledReturn());
    EventSink sink;
    int provincial = 0;
    for (TaxDataEntryStru *e : family->taxpayer()->m_formList) {
        Pages pages(e->data, &sink);
        QVERIFY2(!pages.list.isEmpty(), qPrintable(formName(e->type)));
        provincial += getFormProv(e->type) != 0 ? 1 : 0;
    }
    QVERIFY(provincial > 0);
}

void TestFormPages::realPagesBindEveryInput_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::newRow("T1") << 0 << int(FormType::T1);
    const int slips[] = {SlipType::T4,     SlipType::T4A, SlipType::T4AP,
                         SlipType::T4AOAS, SlipType::T4E, SlipType::T4RSP,
                         SlipType::T4RIF,  SlipType::T5,  SlipType::T3};
    for (int code : slips)
        QTest::newRow(qPrintable(slipName(code))) << 1 << code;
}

void TestFormPages::realPagesBindEveryInput()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    std::unique_ptr<CTaxData_Form> form(kind == 0 ? createFederalForm(code) : createSlip(code));
    QVERIFY(form);
    EventSink sink;
    Pages pages(form.get(), &sink);
    static const QRegularExpression lineLabel("^Line (\\d{5})$");
    // Each described field is on exactly one page, read-only when the calculation writes it;
    // a field without a description (the program's bookkeeping) is on none.
    int inputs = 0;
    for (const CField *field : form->fields()) {
        const QByteArray name = field->name();
        if (!fieldDescription(kind, code, name)) {
            QVERIFY2(pages.boundCount(field) == 0, name.constData());
            continue;
        }
        QVERIFY2(pages.boundCount(field) == 1, name.constData());
        if (form->isCalculatedField(*field)) {
            QVERIFY2(isReadOnly(pages.widgetOf(field)), name.constData());
        } else {
            QVERIFY2(!isReadOnly(pages.widgetOf(field)), name.constData());
            ++inputs;
        }
    }
    QVERIFY(inputs > 0);
    for (BaseTaxPage *page : pages.list) {
        for (QLabel *label : page->findChildren<QLabel *>()) {
            const QRegularExpressionMatch m = lineLabel.match(label->text());
            if (m.hasMatch())
                QVERIFY2(lineTitle(m.captured(1).toInt()).isEmpty(), qPrintable(label->text()));
        }
    }
}

void TestFormPages::syncAndCommitChangeNothing_data()
{
    realPagesBindEveryInput_data();
}

void TestFormPages::syncAndCommitChangeNothing()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    std::unique_ptr<CTaxData_Form> form(kind == 0 ? createFederalForm(code) : createSlip(code));
    std::unique_ptr<CTaxData_Form> copy(kind == 0 ? createFederalForm(code) : createSlip(code));
    fillValues(*form);
    copy->copyValuesFrom(*form);
    QVERIFY(!form->isDifferentFrom(*copy));
    EventSink sink;
    Pages pages(form.get(), &sink);
    for (BaseTaxPage *page : pages.list)
        page->commit();
    QVERIFY(!form->isDifferentFrom(*copy));
}

void TestFormPages::everyShownFieldIsDescribed()
{
    // Every form, slip and wizard-data class the factories make: each field a page binds has
    // a description, and its row's title is the description's.
    EventSink sink;
    int shown = 0;
    auto check = [&](CTaxData_Form *form) {
        Pages pages(form, &sink);
        for (BaseTaxPage *page : pages.list) {
            for (const CField *field : form->fields()) {
                if (!page->binder().widgetOf(field))
                    continue;
                const FieldDescription *d =
                    fieldDescription(form->getKind(), form->getType(), field->name());
                const QString where = QStringLiteral("kind %1 type %2 field %3")
                                          .arg(form->getKind())
                                          .arg(form->getType())
                                          .arg(QString::fromLatin1(field->name()));
                if (form->getKind() == CTaxData_Form::KindNote)
                    continue;
                QVERIFY2(d, qPrintable(where));
                auto *label = page->findChild<QLabel *>(QStringLiteral("lbl_") +
                                                        QString::fromLatin1(field->name()));
                QVERIFY2(label, qPrintable(where));
                QCOMPARE(label->text(), d->title);
                ++shown;
            }
        }
    };
    for (int code = 0; code < Global_Forms_Num; ++code) {
        std::unique_ptr<CTaxData_Form> form(createFederalForm(code));
        if (form)
            check(form.get());
    }
    for (int code = 0; code < Global_Slips_Num; ++code) {
        std::unique_ptr<CTaxData_Form> slip(createSlip(code));
        if (slip)
            check(slip.get());
    }
    for (int type = 1; type < Global_TaxWizard_Num; ++type) {
        std::unique_ptr<CTaxData_Form> data(createWizardData(type));
        if (data)
            check(data.get());
    }
    QVERIFY(shown > 300);
}

void TestFormPages::choicesShowNamesAndKeepCodes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("marital status")
        << 0 << int(FormType::T1) << QByteArray("maritalStatus") << 5 << "Single";
    QTest::newRow("province") << 0 << int(FormType::T1) << QByteArray("province") << 9 << "Ontario";
    QTest::newRow("mailing province")
        << 0 << int(FormType::T1) << QByteArray("mailingProvince") << 11 << "Quebec";
    QTest::newRow("language") << 0 << int(FormType::T1) << QByteArray("language") << 1 << "French";
    QTest::newRow("citizen yes") << 0 << int(FormType::T1) << QByteArray("citizen") << 0 << "Yes";
    QTest::newRow("unanswered") << 0 << int(FormType::T1) << QByteArray("foreignPropertyAnswer")
                                << -1 << "";
    QTest::newRow("unknown code") << 0 << int(FormType::T1) << QByteArray("maritalStatus") << 9
                                  << "";
    QTest::newRow("T4 province") << 1 << int(SlipType::T4) << QByteArray("provinceOfEmployment")
                                 << 2 << "British Columbia";
    QTest::newRow("T4 kind") << 1 << int(SlipType::T4) << QByteArray("employmentKind") << 1
                             << "Ordinary employment";
}

void TestFormPages::choicesShowNamesAndKeepCodes()
{
    QFETCH(int, kind);
    QFETCH(int, type);
    QFETCH(QByteArray, field);
    QFETCH(int, stored);
    std::unique_ptr<CTaxData_Form> form(kind == 1 ? createSlip(type) : createFederalForm(type));
    auto *value = static_cast<CIntField *>(form->findField(field));
    value->setValue(stored);
    EventSink sink;
    Pages pages(form.get(), &sink);
    auto *combo = qobject_cast<QComboBox *>(pages.widgetOf(value));
    QVERIFY(combo);
    QTEST(combo->currentText(), "shown");
    // Showing and committing keep the code exactly; choosing a name stores that name's code.
    for (BaseTaxPage *page : pages.list)
        page->commit();
    QCOMPARE(value->value(), stored);
    const int last = combo->count() - 1;
    combo->setCurrentIndex(last);
    QCOMPARE(value->value(), combo->itemData(last).toInt());
}

void TestFormPages::resultsAreReadOnly_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("Schedule 11 credit") << int(FormType::SCH11) << QByteArray("45350") << true;
    QTest::newRow("Schedule 11 fees") << int(FormType::SCH11) << QByteArray("fees") << false;
    QTest::newRow("T691 minimum tax") << int(FormType::T691) << QByteArray("minimumTax") << true;
    QTest::newRow("T691 carry-over typed")
        << int(FormType::T691) << QByteArray("carryOver") << false;
    QTest::newRow("Schedule 3 total") << int(FormType::SCH3) << QByteArray("19700") << true;
    // Typed, though they are what the form comes to: the calculation never writes them.
    QTest::newRow("T2125 net income typed")
        << int(FormType::T2125) << QByteArray("netIncome2") << false;
    QTest::newRow("Schedule 2 transfer typed")
        << int(FormType::SCH2) << QByteArray("36100") << false;
}

void TestFormPages::resultsAreReadOnly()
{
    QFETCH(int, type);
    QFETCH(QByteArray, field);
    std::unique_ptr<CTaxData_Form> form(createFederalForm(type));
    auto *value = dynamic_cast<CFloatField *>(form->findField(field));
    QVERIFY(value);
    EventSink sink;
    Pages pages(form.get(), &sink);
    auto *edit = qobject_cast<QLineEdit *>(pages.widgetOf(value));
    QVERIFY(edit);
    QTEST(edit->isReadOnly(), "readOnly");
    QTEST(edit->focusPolicy() == Qt::NoFocus, "readOnly");
}

void TestFormPages::countsShowWithoutCents_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("read");
    QTest::addColumn<QString>("shownAfter");
    QTest::newRow("months") << QByteArray("fullTimeMonths") << 8.0 << "8"
                            << "10" << 10.0 << "10";
    QTest::newRow("months none") << QByteArray("partTimeMonths") << 0.0 << "0"
                                 << "" << 0.0 << "0";
    // A fraction someone typed is kept and shown as typed, not rounded away.
    QTest::newRow("half a month") << QByteArray("partTimeMonths") << 0.0 << "0"
                                  << "2.5" << 2.5 << "2.5";
    QTest::newRow("refused text") << QByteArray("fullTimeMonths") << 4.0 << "4"
                                  << "four" << 4.0 << "4";
    QTest::newRow("amount") << QByteArray("fees") << 1234.5 << "1,234.50"
                            << "2000" << 2000.0 << "2,000.00";
}

void TestFormPages::countsShowWithoutCents()
{
    QFETCH(QByteArray, field);
    QFETCH(double, stored);
    QFETCH(QString, typed);
    std::unique_ptr<CTaxData_Form> form(createFederalForm(FormType::SCH11));
    auto *value = dynamic_cast<CFloatField *>(form->findField(field));
    QVERIFY(value);
    value->setValue(stored);
    EventSink sink;
    Pages pages(form.get(), &sink);
    auto *edit = qobject_cast<QLineEdit *>(pages.widgetOf(value));
    QVERIFY(edit);
    QTEST(edit->text(), "shown");
    edit->setText(typed);
    for (BaseTaxPage *page : pages.list)
        page->commit();
    QTEST(double(value->value()), "read");
    QTEST(edit->text(), "shownAfter");
}

void TestFormPages::choicesRoundTripByteForByte_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    int rows = 0;
    for (int kind : {0, 1, 2}) {
        for (int type = 0; type < 256; ++type) {
            std::unique_ptr<CTaxData_Form> form(makeForm(kind, type));
            if (!form || choiceFields(*form).isEmpty())
                continue;
            QTest::addRow("kind %d type %d", kind, type) << kind << type;
            ++rows;
        }
    }
    // The T1, the T4 and the interview all have choices.
    QVERIFY(rows >= 3);
}

void TestFormPages::choicesRoundTripByteForByte()
{
    // Every code of each list, a code no list names and the unanswered -1: shown on the
    // pages and committed, saved, loaded and saved again, the block is byte for byte the
    // one saved before the pages were made, and the loaded field holds the code.
    QFETCH(int, kind);
    QFETCH(int, type);
    std::unique_ptr<CTaxData_Form> form(makeForm(kind, type));
    fillValues(*form);
    const auto choices = choiceFields(*form);
    int rounds = 0;
    for (const auto &c : choices)
        rounds = qMax(rounds, c.second.size());
    rounds += 2;
    EventSink sink;
    for (int round = 0; round < rounds; ++round) {
        QList<int> codes;
        for (const auto &c : choices) {
            const int size = c.second.size();
            const int code = round < size ? c.second[round].code : round == rounds - 2 ? 77 : -1;
            c.first->setValue(code);
            codes.append(code);
        }
        const QByteArray before = savedBytes(*form);
        {
            Pages pages(form.get(), &sink);
            for (BaseTaxPage *page : pages.list)
                page->commit();
        }
        QCOMPARE(savedBytes(*form), before);
        std::unique_ptr<CTaxData_Form> loaded(makeForm(kind, type));
        MyDataStream in(before);
        CString tag;
        loaded->Serialize(IndividualTaxData::kCurrentDataVersion, tag, in);
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(savedBytes(*loaded), before);
        const auto loadedChoices = choiceFields(*loaded);
        for (int i = 0; i < loadedChoices.size(); ++i)
            QCOMPARE(loadedChoices[i].first->value(), codes[i]);
    }

    // A name chosen on the page stores its code, and that code survives the round trip.
    Pages pages(form.get(), &sink);
    for (const auto &c : choices) {
        auto *combo = qobject_cast<QComboBox *>(pages.widgetOf(c.first));
        QVERIFY2(combo, c.first->name().constData());
        if (!combo->isEnabled())
            continue;
        for (int index = 0; index < combo->count(); ++index) {
            combo->setCurrentIndex(index);
            QCOMPARE(c.first->value(), combo->itemData(index).toInt());
            const QByteArray saved = savedBytes(*form);
            std::unique_ptr<CTaxData_Form> loaded(makeForm(kind, type));
            MyDataStream in(saved);
            CString tag;
            loaded->Serialize(IndividualTaxData::kCurrentDataVersion, tag, in);
            QCOMPARE(savedBytes(*loaded), saved);
            QCOMPARE(static_cast<CIntField *>(loaded->findField(c.first->name()))->value(),
                     combo->itemData(index).toInt());
        }
    }
}

void TestFormPages::noShownLabelIsTheFieldNameInWords()
{
    // Every page of every form, slip and interview the factories make, and of the province
    // plug-ins' forms: no title beside a field reads as the field's name in words ("Amount A",
    // "Contrib mar to dec"), unless the paper form prints those very words.
    const QSet<QString> ownWords = formsOwnWords();
    EventSink sink;
    QStringList mechanical;
    int labels = 0;
    auto check = [&](CTaxData_Form *form) {
        Pages pages(form, &sink);
        for (BaseTaxPage *page : pages.list) {
            for (const CField *field : form->fields()) {
                if (!page->binder().widgetOf(field))
                    continue;
                auto *label = page->findChild<QLabel *>(QStringLiteral("lbl_") +
                                                        QString::fromLatin1(field->name()));
                if (!label)
                    continue;
                ++labels;
                const QString text = label->text().trimmed();
                if (text.isEmpty() ||
                    (text.compare(mechanicalLabel(field->name()), Qt::CaseInsensitive) == 0 &&
                     !ownWords.contains(text)))
                    mechanical.append(QStringLiteral("kind %1 type %2 %3: \"%4\"")
                                          .arg(form->getKind())
                                          .arg(form->getType())
                                          .arg(QString::fromLatin1(field->name()), text));
            }
        }
    };
    for (int kind : {0, 1, 2}) {
        for (int type = 0; type < 256; ++type) {
            std::unique_ptr<CTaxData_Form> form(makeForm(kind, type));
            if (form)
                check(form.get());
        }
    }
    EditorFixture fixture;
    std::unique_ptr<FamilyTaxData> family(EditorFixture::coupledReturn());
    for (TaxDataEntryStru *e : family->taxpayer()->m_formList) {
        if (getFormProv(e->type) != 0)
            check(e->data);
    }
    QVERIFY(labels > 300);
    QVERIFY2(mechanical.isEmpty(), qPrintable(mechanical.join('\n')));
}

void TestFormPages::t1PageTabsAndButtons()
{
    TaxData_T1New t1;
    EventSink sink;
    Pages pages(&t1, &sink);
    QStringList titles;
    for (BaseTaxPage *p : pages.list)
        titles.append(p->getTitle());
    QCOMPARE(titles, (QStringList{"Identification", "Income", "Deductions", "Credits and Tax",
                                  "Refund or Balance"}));
    BaseTaxPage *identification = pages.list[0];
    identification->findChild<QPushButton *>("btnFillPreparer")->click();
    identification->findChild<QPushButton *>("btnCopyAddressToSpouse")->click();
    auto *gotoSch3 =
        pages.list[1]->findChild<QPushButton *>(QString("goto_%1").arg(FormType::SCH3));
    QVERIFY(gotoSch3);
    QCOMPARE(gotoSch3->text(), QString("Go to Schedule 3"));
    gotoSch3->click();
    QCoreApplication::sendPostedEvents(&sink);
    QCOMPARE(sink.types, (QList<int>{MyEvent::CopyPreparerToBoth, MyEvent::CopyAddressToSpouse,
                                     MyEvent::GotoForm}));
    QCOMPARE(sink.formTypes, QList<int>{FormType::SCH3});
    // The line a schedule computes is read-only beside its button; an input line is not.
    QVERIFY(isReadOnly(pages.list[1]->findChild<QLineEdit *>("12700")));
    QVERIFY(!isReadOnly(pages.list[1]->findChild<QLineEdit *>("12800")));
    QCOMPARE(pages.list[1]->findChild<QLabel *>("lbl_12700")->text(),
             QString("Line 12700: Taxable capital gains"));
    QCOMPARE(identification->findChild<QLabel *>("lbl_sin")->text(),
             QString("Social insurance number (SIN)"));
}

void TestFormPages::t2125AndNotePages()
{
    EventSink sink;
    std::unique_ptr<CTaxData_Form> business(createFederalForm(FormType::T2125));
    Pages pages(business.get(), &sink);
    pages.list.first()->findChild<QPushButton *>("btnCopyAddressToT2125")->click();
    QCoreApplication::sendPostedEvents(&sink);
    QCOMPARE(sink.types, QList<int>{MyEvent::CopyAddressToT2125});

    TaxData_TaxNote note;
    note.description = "Receipts";
    note.text = "Line one\nLine two";
    Pages notePages(&note, &sink);
    auto *text = notePages.list.first()->findChild<QPlainTextEdit *>("text");
    QCOMPARE(text->toPlainText(), QString("Line one\nLine two"));
    text->setPlainText("Changed\ntext");
    QCOMPARE(QString(note.text.value()), QString("Changed\ntext"));
    QCOMPARE(notePages.list.first()->findChild<QLineEdit *>("description")->text(),
             QString("Receipts"));
}

void TestFormPages::slipDescription()
{
    TaxData_Slip_T4 t4;
    QVERIFY(t4.descriptionField());
    t4.descriptionField()->setValue("Maple Foods Ltd");
    CString description;
    t4.getDescription(description);
    QCOMPARE(QString(description), QString("Maple Foods Ltd"));
    EventSink sink;
    Pages pages(&t4, &sink);
    QCOMPARE(pages.list.first()->findChild<QLabel *>("lbl_description")->text(),
             QString("Employer's name"));
    QCOMPARE(pages.list.first()->findChild<QLabel *>("lbl_box14")->text(),
             QString("Box 14: Employment income"));

    // A block written before the field existed still reads, with an empty description.
    OldT4 old;
    old.box14 = 123.45;
    QByteArray bytes;
    {
        MyDataStream out(&bytes, QIODevice::WriteOnly);
        CString tag;
        old.Serialize(1, tag, out);
    }
    TaxData_Slip_T4 read;
    MyDataStream in(bytes);
    CString tag;
    read.Serialize(1, tag, in);
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(double(read.box14), 123.45);
    read.getDescription(description);
    QCOMPARE(QString(description), QString());
    const std::unique_ptr<CTaxData_Form> t1(createFederalForm(FormType::T1));
    QVERIFY(!t1->descriptionField());
}

void TestFormPages::tableFieldEdits()
{
    TaxData_T1New t1;
    EventSink sink;
    Pages pages(&t1, &sink);
    auto *table = qobject_cast<QTableWidget *>(pages.widgetOf(t1.findField("dependantMedical")));
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 12);
    QCOMPARE(table->columnCount(), 5);
    table->item(2, 1)->setText("1,250.50");
    QCOMPARE(double(t1.dependantMedical.amountAt(2, 1)), 1250.5);
    QCOMPARE(table->item(2, 1)->text(), QString("1,250.50"));
    // Text that is no amount leaves the cell as it was.
    table->item(2, 1)->setText("abc");
    QCOMPARE(double(t1.dependantMedical.amountAt(2, 1)), 1250.5);
    QCOMPARE(table->item(2, 1)->text(), QString("1,250.50"));
}

QV_TEST_MAIN(TestFormPages)
#include "tst_FormPages.moc"
