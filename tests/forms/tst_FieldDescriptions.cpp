// The one table of titles: every description names a real field of its form or slip, of a
// type its way of showing fits, with a title a person reads rather than the field's name in
// words; the code tables name their codes; the forms and slips a person fills are covered.
#include "marrow/CTaxData_Form.h"
#include "marrow/FieldDescriptions.h"
#include "marrow/FormFactory.h"
#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"
#include "ordane/CField.h"

#include "FormsOwnWords.h"

#include <QRegularExpression>
#include <QtTest>
#include <memory>

namespace {

bool showFits(FieldShow show, const QByteArray &codeTable, FieldType type)
{
    switch (show) {
    case FieldShow::Amount:
        return type == FieldType::Float;
    case FieldShow::Number:
        return type == FieldType::Int || type == FieldType::Float;
    case FieldShow::Text:
        return type == FieldType::String;
    case FieldShow::Date:
        return type == FieldType::Date;
    case FieldShow::YesNo:
        return codeTable.isEmpty() ? type == FieldType::Bool : type == FieldType::Int;
    case FieldShow::Choice:
        return type == FieldType::Int && !codeTable.isEmpty();
    case FieldShow::Table:
        return type == FieldType::Table;
    }
    return false;
}

CTaxData_Form *make(int kind, int type)
{
    return kind == 1   ? createSlip(type)
           : kind == 2 ? createWizardData(type)
                       : createFederalForm(type);
}

} // namespace

class TestFieldDescriptions : public QObject
{
    Q_OBJECT
private slots:
    void everyDescriptionNamesAField();
    void covered_data();
    void covered();
    void titles_data();
    void titles();
    void noTitleIsTheFieldNameInWords();
    void codeTables_data();
    void codeTables();
    void unknownCodeShowsItself();
};

void TestFieldDescriptions::everyDescriptionNamesAField()
{
    int described = 0;
    for (int kind : {0, 1, 2}) {
        for (int type = 0; type < 256; ++type) {
            const QVector<FieldDescription> &list = fieldDescriptions(kind, type);
            if (list.isEmpty())
                continue;
            std::unique_ptr<CTaxData_Form> form(make(kind, type));
            QVERIFY2(form, qPrintable(QStringLiteral("kind %1 type %2").arg(kind).arg(type)));
            QSet<QByteArray> seen;
            for (const FieldDescription &d : list) {
                const QString where = QStringLiteral("kind %1 type %2 field %3")
                                          .arg(kind)
                                          .arg(type)
                                          .arg(QString::fromLatin1(d.name));
                const CField *field = form->findField(d.name);
                QVERIFY2(field, qPrintable(where));
                QVERIFY2(showFits(d.show, d.codeTable, field->type()), qPrintable(where));
                QVERIFY2(d.codeTable.isEmpty() || !codeChoices(d.codeTable).isEmpty(),
                         qPrintable(where));
                QVERIFY2(!seen.contains(d.name), qPrintable(where));
                seen.insert(d.name);
                QCOMPARE(fieldDescription(kind, type, d.name), &d);
                ++described;
            }
        }
    }
    QVERIFY(described > 300);
    QVERIFY(!fieldDescription(1, SlipType::T4, "box24Entered"));
}

void TestFieldDescriptions::covered_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    QTest::newRow("T1") << 0 << int(FormType::T1);
    for (int type :
         {FormType::SCH2, FormType::SCH3, FormType::SCH5, FormType::SCH6, FormType::SCH7,
          FormType::SCH8, FormType::SCH9, FormType::SCH11, FormType::SCH13, FormType::SCH15})
        QTest::newRow(qPrintable(formName(type))) << 0 << type;
    for (int type = 0; type < Global_Slips_Num; ++type) {
        std::unique_ptr<CTaxData_Form> slip(createSlip(type));
        if (slip)
            QTest::newRow(qPrintable(slipName(type))) << 1 << type;
    }
}

void TestFieldDescriptions::covered()
{
    QFETCH(int, kind);
    QFETCH(int, type);
    QVERIFY(!fieldDescriptions(kind, type).isEmpty());
}

void TestFieldDescriptions::titles_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("section");
    QTest::newRow("T4 box 14") << 1 << int(SlipType::T4) << QByteArray("box14")
                               << "Box 14: Employment income"
                               << "Slip";
    QTest::newRow("T4 province") << 1 << int(SlipType::T4) << QByteArray("provinceOfEmployment")
                                 << "Box 10: Province of employment"
                                 << "Slip";
    QTest::newRow("T4 lettered") << 1 << int(SlipType::T4) << QByteArray("amtH")
                                 << "Box 43: Canadian Forces personnel and police deduction"
                                 << "Other information";
    QTest::newRow("T1 line") << 0 << int(FormType::T1) << QByteArray("20800")
                             << "Line 20800: RRSP deduction"
                             << "Net income";
    QTest::newRow("T1 provincial tax") << 0 << int(FormType::T1) << QByteArray("42800")
                                       << "Line 42800: Provincial or territorial tax"
                                       << "Provincial or territorial tax";
    QTest::newRow("T1 phrase") << 0 << int(FormType::T1) << QByteArray("maritalStatus")
                               << "Marital status on December 31, 2025"
                               << "Personal information";
    QTest::newRow("T1 minimum tax carryover")
        << 0 << int(FormType::T1) << QByteArray("40427") << "Line 40427: Minimum tax carryover"
        << "Net federal tax";
    QTest::newRow("T1 federal tax on split income") << 0 << int(FormType::T1) << QByteArray("40424")
                                                    << "Line 40424: Federal tax on split income"
                                                    << "Net federal tax";
    QTest::newRow("T1206 total split income")
        << 0 << int(FormType::T1206) << QByteArray("68360")
        << "Line 68360: Total split income (deducted on line 23200)" << QString();
    // The questions after the banking details are not banking details.
    QTest::newRow("T1 account") << 0 << int(FormType::T1) << QByteArray("ddAccount")
                                << "Account number"
                                << "Direct deposit";
    QTest::newRow("T1 foreign property")
        << 0 << int(FormType::T1) << QByteArray("foreignPropertyAnswer")
        << "Did you own or hold foreign property costing more than $100,000 in 2025?"
        << "Other questions";
    QTest::newRow("T1 access code") << 0 << int(FormType::T1) << QByteArray("accessCode")
                                    << "Access code (from your notice of assessment)"
                                    << "Other information";
    QTest::newRow("T1 preparer") << 0 << int(FormType::T1) << QByteArray("preparerName")
                                 << "Preparer's name"
                                 << "Paid preparer";
    QTest::newRow("T1 filing status")
        << 0 << int(FormType::T1) << QByteArray("filingStatus") << "Filing status of this return"
        << "Filing status";
    QTest::newRow("Schedule 3 total") << 0 << int(FormType::SCH3) << QByteArray("19900")
                                      << "Line 19900: Taxable capital gains (or net capital loss)"
                                      << "Totals";
    QTest::newRow("Schedule 7") << 0 << int(FormType::SCH7) << QByteArray("contribMarToDec")
                                << "Your RRSP contributions from March 4, 2025, to March 2, 2026"
                                << "Contributions";
}

void TestFieldDescriptions::titles()
{
    QFETCH(int, kind);
    QFETCH(int, type);
    QFETCH(QByteArray, name);
    const FieldDescription *d = fieldDescription(kind, type, name);
    QVERIFY(d);
    QTEST(d->title, "title");
    QTEST(d->section, "section");
}

void TestFieldDescriptions::noTitleIsTheFieldNameInWords()
{
    // No title anywhere is the field's name in words, nor empty. Some field names are the very
    // words the paper form prints beside its box; those terms, and only those, may coincide.
    const QSet<QString> ownWords = formsOwnWords();
    QStringList coinciding;
    for (int k : {0, 1, 2}) {
        for (int t = 0; t < 256; ++t) {
            for (const FieldDescription &each : fieldDescriptions(k, t)) {
                QVERIFY2(!each.title.trimmed().isEmpty(), each.name.constData());
                // "Line 42000:" with nothing after it: the line table lacks the line's name.
                QVERIFY2(!each.title.trimmed().endsWith(QLatin1Char(':')), qPrintable(each.title));
                if (each.title.compare(mechanicalLabel(each.name), Qt::CaseInsensitive) == 0 &&
                    !ownWords.contains(each.title))
                    coinciding.append(each.title);
            }
        }
    }
    QVERIFY2(coinciding.isEmpty(), qPrintable(coinciding.join(QStringLiteral(", "))));
}

void TestFieldDescriptions::codeTables_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::newRow("Alberta") << QByteArray("province") << 1 << "Alberta" << 13;
    QTest::newRow("Ontario") << QByteArray("province") << 9 << "Ontario" << 13;
    QTest::newRow("Quebec") << QByteArray("province") << 11 << "Quebec" << 13;
    QTest::newRow("Yukon") << QByteArray("province") << 13 << "Yukon" << 13;
    QTest::newRow("married") << QByteArray("maritalStatus") << 0 << "Married" << 6;
    QTest::newRow("common-law") << QByteArray("maritalStatus") << 1 << "Living common-law" << 6;
    QTest::newRow("single") << QByteArray("maritalStatus") << 5 << "Single" << 6;
    QTest::newRow("English") << QByteArray("language") << 0 << "English" << 2;
    QTest::newRow("French") << QByteArray("language") << 1 << "French" << 2;
    QTest::newRow("yes is 0") << QByteArray("yesNo") << 0 << "Yes" << 2;
    QTest::newRow("no is 1") << QByteArray("yesNo") << 1 << "No" << 2;
    QTest::newRow("flag no") << QByteArray("noYes") << 0 << "No" << 2;
    QTest::newRow("ordinary employment")
        << QByteArray("t4EmploymentKind") << 1 << "Ordinary employment" << 3;
    QTest::newRow("CPP mode") << QByteArray("cppMode") << 2 << "Quebec Pension Plan (form RC381)"
                              << 3;
}

void TestFieldDescriptions::codeTables()
{
    QFETCH(QByteArray, table);
    QFETCH(int, code);
    QTEST(codeName(table, code), "name");
    QTEST(int(codeChoices(table).size()), "size");
    QVERIFY(codeTableNames().contains(QString::fromLatin1(table)));
}

void TestFieldDescriptions::unknownCodeShowsItself()
{
    QCOMPARE(codeName("maritalStatus", 9), QString("9"));
    QCOMPARE(codeName("noSuchTable", 3), QString("3"));
    QVERIFY(codeChoices("noSuchTable").isEmpty());
    QVERIFY(fieldDescriptions(0, 9999).isEmpty());
}

QTEST_GUILESS_MAIN(TestFieldDescriptions)
#include "tst_FieldDescriptions.moc"
