// Person queries: form captions, keyed access, filing results, display texts, income tests.
#include <QtTest>

#include "PluginFolder.h"
#include "ReturnFixture.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/FormCaption.h"
#include "model/IndividualTaxData.h"
#include "ordane/Clock.h"
#include "plugin/TestPluginRecorder.h"

#include <QComboBox>

namespace {

// Stand-ins the getters must leave alone when they do not answer.
const char kUntouchedText[] = "untouched";
constexpr double kUntouchedAmount = -7.5;
constexpr int kUntouchedInt = -99;

template <typename Form> Form *formOf(IndividualTaxData &person, int type)
{
    return dynamic_cast<Form *>(person.getForm(type, 0, false));
}

template <typename Form> Form *addFormOf(IndividualTaxData &person, int type)
{
    TaxDataEntryStru *entry = person.addForm(type, 0, true, 0, false);
    return entry ? dynamic_cast<Form *>(entry->data) : nullptr;
}

TaxData_T1New *addT1(IndividualTaxData &person, const char *first, const char *last)
{
    auto *t1 = addFormOf<TaxData_T1New>(person, FormType::T1);
    t1->firstName = QString(first);
    t1->lastName = QString(last);
    return t1;
}

// A T1 with every value the keys read, and the other forms the keys reach when asked for.
TaxData_T1New *fillKeyedPerson(IndividualTaxData &person, const QList<int> &forms)
{
    TaxData_T1New *t1 = addT1(person, "Jane", "Doe ");
    t1->sin = QString("046454286");
    t1->secondEmail = QString("office@example.ca");
    t1->email = QString("jane@example.ca");
    t1->phone = QString("613-555-0100");
    t1->f15000 = 50000.25;
    t1->f23600 = 45000.5;
    t1->f26000 = 44000.75;
    t1->f30500 = 0.008;
    t1->signedBalance = -321.45;
    t1->f48400 = 321.45;
    t1->f48500 = 0;
    t1->reFileFlag = 5;
    t1->bankruptDate = QDate(2025, 3, 1);
    for (int type : forms) {
        TaxDataEntryStru *entry = person.addForm(type, 0, true, 0, false);
        if (auto *sch5 = dynamic_cast<TaxData_Sch5 *>(entry->data))
            sch5->f30300 = 2345.99;
        if (auto *t183 = dynamic_cast<TaxData_T183New *>(entry->data))
            t183->signDate = QDate(2026, 2, 20);
    }
    return t1;
}

// A couple (both persons with a T1) or a taxpayer alone.
void fillFamily(FamilyTaxData &family, bool coupled)
{
    addT1(*family.taxpayer(), "Jane", "Doe");
    if (coupled)
        addT1(*family.spouse(), "John", "Roe");
}

void setBalance(TaxData_T1New *t1, double total, double net, double taxable, double balance)
{
    t1->f15000 = total;
    t1->f23600 = net;
    t1->f26000 = taxable;
    t1->signedBalance = balance;
    t1->f48500 = balance > 0 ? balance : 0;
    t1->f48400 = balance < 0 ? -balance : 0;
}

// Forms by code with a kind or income (see incomeTests_data).
using FormKinds = QList<QPair<int, int>>;

TaxData_T1New *t1Of(IndividualTaxData *person)
{
    return dynamic_cast<TaxData_T1New *>(person->getT1Data());
}

} // namespace

class TestPersonQueries : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void captions_data();
    void captions();
    void keyedGetters_data();
    void keyedGetters();
    void keyedGettersWithoutT1();
    void keyedSetters_data();
    void keyedSetters();
    void jointElectionReachesPartner_data();
    void jointElectionReachesPartner();
    void incomeSummary_data();
    void incomeSummary();
    void balanceTexts_data();
    void balanceTexts();
    void personComboBox_data();
    void personComboBox();
    void defaultFileNames_data();
    void defaultFileNames();
    void filingStatusText();
    void filingResults_data();
    void filingResults();
    void preparerBlock_data();
    void preparerBlock();
    void identityForFiling();
    void incomeTests_data();
    void incomeTests();
    void otherQueries();
    void provinceQueries();
    void forwardersWithoutPerson();
    void addedT4StartsInTheProvinceOfResidence_data();
    void addedT4StartsInTheProvinceOfResidence();

private:
    DependantInfoStruct m_dependants;
};

void TestPersonQueries::cleanup()
{
    setNow();
    ReturnFixture::clearPreparerSettings();
}

void TestPersonQueries::captions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("linkedId");
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("caption");

    QTest::newRow("single form") << FormType::SCH3 << 0 << false << ""
                                 << "Schedule 3";
    QTest::newRow("linked, coupled") << FormType::SCH3 << 7 << true << ""
                                     << "S-Schedule 3";
    QTest::newRow("linked, not coupled") << FormType::SCH3 << 7 << false << ""
                                         << "Schedule 3";
    QTest::newRow("not linked, coupled") << FormType::SCH3 << 0 << true << ""
                                         << "Schedule 3";
    QTest::newRow("multiple without description") << FormType::T2125 << 0 << false << ""
                                                  << "T2125";
    QTest::newRow("multiple with description") << FormType::T2125 << 0 << false << "Maple Bakery"
                                               << "T2125 - Maple Bakery (100)";
    QTest::newRow("multiple, shared") << FormType::T2125 << 9 << true << "Maple Bakery"
                                      << "S-T2125 - Maple Bakery (100)";
    QTest::newRow("multiple, rental") << FormType::T776 << 0 << false << "12 Elm St"
                                      << "T776 - 12 Elm St (100)";
}

void TestPersonQueries::captions()
{
    QFETCH(int, type);
    QFETCH(int, linkedId);
    QFETCH(bool, coupled);
    QFETCH(QString, description);
    QFETCH(QString, caption);

    IndividualTaxData person(0, &m_dependants);
    TaxDataEntryStru *entry = person.addForm(type, 0, true, linkedId, false);
    QVERIFY(entry);
    if (auto *t2125 = dynamic_cast<TaxData_T2125_New *>(entry->data))
        t2125->businessName = description;
    if (auto *t776 = dynamic_cast<TaxData_T776New *>(entry->data))
        t776->propertyAddress = description;
    CString text;
    makeFormCaption(coupled, entry, text);
    QCOMPARE(QString(text), caption);
}

void TestPersonQueries::keyedGetters_data()
{
    // getter: "text", "amount", "int" or "formInt"; the value as text ("untouched" for the
    // stand-in).
    QTest::addColumn<QString>("getter");
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<int>>("forms");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("value");

    const QList<int> none;
    const QList<int> all{FormType::SCH5, FormType::T183, FormType::T1013};
    QTest::newRow("text 1 S.I.N.") << "text" << 1 << none << true << "046454286";
    QTest::newRow("text 11 first name") << "text" << 11 << none << true << "Jane";
    QTest::newRow("text 12 last name as stored") << "text" << 12 << none << true << "Doe ";
    QTest::newRow("text 15 second e-mail") << "text" << 15 << none << true << "office@example.ca";
    QTest::newRow("text 16 e-mail") << "text" << 16 << none << true << "jane@example.ca";
    QTest::newRow("text 17 untrimmed full name") << "text" << 17 << none << true << "Jane Doe ";
    QTest::newRow("text 19 telephone") << "text" << 19 << none << true << "613-555-0100";
    QTest::newRow("text unknown") << "text" << 13 << none << false << kUntouchedText;
    QTest::newRow("amount 150") << "amount" << 150 << none << true << "50000.25";
    QTest::newRow("amount 236") << "amount" << 236 << none << true << "45000.5";
    QTest::newRow("amount 260") << "amount" << 260 << none << true << "44000.75";
    QTest::newRow("amount 367 below tolerance") << "amount" << 367 << none << false << "0.008";
    QTest::newRow("amount 483") << "amount" << 483 << none << true << "-321.45";
    QTest::newRow("amount 484") << "amount" << 484 << none << true << "321.45";
    QTest::newRow("amount 485") << "amount" << 485 << none << true << "0";
    QTest::newRow("amount unknown") << "amount" << 482 << none << false << "-7.5";
    QTest::newRow("int 2 re-file") << "int" << 2 << none << true << "1";
    QTest::newRow("int 4 post-bankrupt") << "int" << 4 << none << true << "1";
    QTest::newRow("int 10 e-mail") << "int" << 10 << none << true << "1";
    QTest::newRow("int 303 truncated") << "int" << 303 << all << true << "2345";
    QTest::newRow("int 303 without Schedule 5") << "int" << 303 << none << true << "-99";
    QTest::newRow("int 995 tax year") << "int" << 995 << none << true << "2025";
    QTest::newRow("formInt 995 unknown") << "formInt" << 995 << none << false << "-99";
    QTest::newRow("int 10003 T183 signed") << "int" << 10003 << all << true << "1";
    QTest::newRow("int 10004 T1013 unsigned") << "int" << 10004 << all << true << "0";
    QTest::newRow("int 10003 without T183") << "int" << 10003 << none << false << "-99";
    QTest::newRow("int unknown") << "int" << 3 << all << false << "-99";
}

void TestPersonQueries::keyedGetters()
{
    QFETCH(QString, getter);
    QFETCH(int, key);
    QFETCH(QList<int>, forms);
    QFETCH(bool, answers);
    QFETCH(QString, value);

    IndividualTaxData person(0, &m_dependants);
    fillKeyedPerson(person, forms);
    CString text(kUntouchedText);
    double amount = kUntouchedAmount;
    int number = kUntouchedInt;
    bool result = false;
    QString actual;
    if (getter == "text") {
        result = person.getTextByKey(key, text);
        actual = text;
    } else if (getter == "amount") {
        result = person.getAmountByKey(key, amount);
        actual = QString::number(amount, 'g', 12);
    } else {
        result =
            getter == "int" ? person.getIntByKey(key, number) : person.getFormIntByKey(key, number);
        actual = QString::number(number);
    }
    QCOMPARE(result, answers);
    QCOMPARE(actual, value);
}

void TestPersonQueries::keyedGettersWithoutT1()
{
    IndividualTaxData person(0, &m_dependants);
    CString text(kUntouchedText);
    double amount = kUntouchedAmount;
    int number = kUntouchedInt;
    QVERIFY(!person.getTextByKey(17, text));
    QVERIFY(!person.getAmountByKey(483, amount));
    QVERIFY(!person.getIntByKey(2, number));
    QCOMPARE(QString(text), QString(kUntouchedText));
    QCOMPARE(amount, kUntouchedAmount);
    QCOMPARE(number, kUntouchedInt);

    // 367 answers true from the tolerance on.
    TaxData_T1New *t1 = fillKeyedPerson(person, {});
    t1->f30500 = 0.009;
    QVERIFY(person.getAmountByKey(367, amount));
    QCOMPARE(amount, 0.009);
    t1->email = QString();
    QVERIFY(person.getIntByKey(10, number));
    QCOMPARE(number, 0);
}

void TestPersonQueries::keyedSetters_data()
{
    QTest::addColumn<QString>("setter");
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<int>>("forms");
    QTest::addColumn<bool>("stored");
    // What the form then holds: "multiYear", "election", "amount", "t183", "rc71"; the value.
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("value");

    const QList<int> none;
    const QList<int> all{FormType::T1032, FormType::T183, FormType::RC71};
    QTest::newRow("3 multiple-year flag") << "value" << 3 << none << true << "multiYear"
                                          << "true";
    QTest::newRow("10322 election") << "value" << 10322 << all << true << "election"
                                    << "true";
    QTest::newRow("10321 amount") << "value" << 10321 << all << true << "amount"
                                  << "1500.5";
    QTest::newRow("10321 without T1032") << "value" << 10321 << none << false << ""
                                         << "";
    QTest::newRow("10322 without T1032") << "value" << 10322 << none << false << ""
                                         << "";
    QTest::newRow("value unknown") << "value" << 4 << all << false << "amount"
                                   << "0";
    QTest::newRow("text 10002 T183") << "text" << 10002 << all << true << "t183"
                                     << "REQ-7";
    QTest::newRow("text 10005 form 53") << "text" << 10005 << all << true << "rc71"
                                        << "REQ-7";
    QTest::newRow("text 10002 without T183") << "text" << 10002 << none << false << ""
                                             << "";
    QTest::newRow("text 10005 without form 53") << "text" << 10005 << none << false << ""
                                                << "";
    QTest::newRow("text unknown") << "text" << 10003 << all << false << "t183"
                                  << "";
}

void TestPersonQueries::keyedSetters()
{
    QFETCH(QString, setter);
    QFETCH(int, key);
    QFETCH(QList<int>, forms);
    QFETCH(bool, stored);
    QFETCH(QString, target);
    QFETCH(QString, value);

    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = fillKeyedPerson(person, forms);
    const bool result = setter == "value" ? person.setValueByKey(key, 7, 1500.5)
                                          : person.setTextByKey(key, "REQ-7");
    QCOMPARE(result, stored);
    auto *t1032 = formOf<TaxData_T1032_New>(person, FormType::T1032);
    if (target == "multiYear")
        QCOMPARE(QVariant(bool(t1->multiYearFiling)).toString(), value);
    if (target == "election")
        QCOMPARE(QVariant(bool(t1032->election)).toString(), value);
    if (target == "amount")
        QCOMPARE(QString::number(t1032->electedAmount), value);
    if (target == "t183")
        QCOMPARE(QString(formOf<TaxData_T183New>(person, FormType::T183)->esignRequestId), value);
    if (target == "rc71")
        QCOMPARE(QString(formOf<CTaxData_RC71>(person, FormType::RC71)->esignRequestId), value);
}

void TestPersonQueries::jointElectionReachesPartner_data()
{
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<int>("current");
    QTest::addColumn<double>("taxpayerAmount");
    QTest::addColumn<double>("spouseAmount");

    QTest::newRow("coupled, taxpayer on screen") << true << PersonTaxpayer << 800.0 << 800.0;
    QTest::newRow("coupled, spouse on screen") << true << PersonSpouse << 800.0 << 800.0;
    QTest::newRow("single") << false << PersonTaxpayer << 800.0 << 0.0;
}

void TestPersonQueries::jointElectionReachesPartner()
{
    QFETCH(bool, coupled);
    QFETCH(int, current);
    QFETCH(double, taxpayerAmount);
    QFETCH(double, spouseAmount);

    FamilyTaxData family(0);
    fillFamily(family, coupled);
    family.setCurrentPersonIndex(current);
    auto *own = addFormOf<TaxData_T1032_New>(*family.taxpayer(), FormType::T1032);
    // A single return's empty spouse record may still hold an old T1032.
    auto *other = addFormOf<TaxData_T1032_New>(*family.spouse(), FormType::T1032);
    QVERIFY(family.setValueByKey(10321, 0, 800.0));
    QVERIFY(family.setValueByKey(10322, 1, 0));
    QCOMPARE(double(own->electedAmount), taxpayerAmount);
    QCOMPARE(double(other->electedAmount), spouseAmount);
    QCOMPARE(bool(other->election), coupled);
}

void TestPersonQueries::incomeSummary_data()
{
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<double>("balance");       // the taxpayer's
    QTest::addColumn<double>("spouseBalance"); // in a couple
    QTest::addColumn<QString>("summary");

    QTest::newRow("balance due below the tolerance")
        << false << 0.005 << 0.0
        << "[Total Income]=1000.00 [Net Income]=900.00 [Taxable Income]=800.00 [Refund]=0.00";
    QTest::newRow("balance due at the tolerance")
        << false << 0.009 << 0.0
        << "[Total Income]=1000.00 [Net Income]=900.00 [Taxable Income]=800.00 "
           "[Balance Due]=0.01";
    QTest::newRow("refund") << false << -250.5 << 0.0
                            << "[Total Income]=1000.00 [Net Income]=900.00 "
                               "[Taxable Income]=800.00 [Refund]=250.50";
    QTest::newRow("couple owes in sum")
        << true << 300.25 << -100.0
        << "[Total Income]=3000.00 [Net Income]=2700.00 [Taxable Income]=2400.00 "
           "[Balance Due]=200.25";
    QTest::newRow("couple refunded in sum")
        << true << 100.0 << -300.5
        << "[Total Income]=3000.00 [Net Income]=2700.00 [Taxable Income]=2400.00 "
           "[Refund]=200.50";
}

void TestPersonQueries::incomeSummary()
{
    QFETCH(bool, coupled);
    QFETCH(double, balance);
    QFETCH(double, spouseBalance);
    QFETCH(QString, summary);

    FamilyTaxData family(0);
    fillFamily(family, coupled);
    setBalance(t1Of(family.taxpayer()), 1000, 900, 800, balance);
    if (coupled)
        setBalance(t1Of(family.spouse()), 2000, 1800, 1600, spouseBalance);
    QCOMPARE(QString(family.getIncomeSummary()), summary);
    if (!coupled)
        QCOMPARE(QString(family.getPersonIncomeSummary()), summary);
}

void TestPersonQueries::balanceTexts_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");

    QTest::newRow("balance due") << 1234.5 << "Jane [Bal. Due: 1234.50]";
    QTest::newRow("refund") << -20.0 << "Jane [Refund: 20.00]";
    QTest::newRow("zero") << 0.0 << "Jane [Refund: 0.00]";
    QTest::newRow("refund rounding to zero") << -0.001 << "Jane [Refund: 0.00]";
}

void TestPersonQueries::balanceTexts()
{
    QFETCH(double, amount);
    QFETCH(QString, text);

    CString out;
    formatBalanceText(CString("Jane"), amount, out);
    QCOMPARE(QString(out), text);

    FamilyTaxData family(0);
    fillFamily(family, false);
    t1Of(family.taxpayer())->signedBalance = amount;
    CString taxpayer;
    CString spouse("stale");
    CString total("stale");
    family.getBalanceTexts(taxpayer, spouse, total);
    QCOMPARE(QString(taxpayer), text);
    QCOMPARE(QString(spouse), QString());
    QCOMPARE(QString(total), QString());

    addT1(*family.spouse(), "Zoë", "Roe")->signedBalance = 100.0;
    family.getBalanceTexts(taxpayer, spouse, total);
    QCOMPARE(QString(spouse), QString("Zoë [Bal. Due: 100.00]"));
    CString expected;
    formatBalanceText(CString("Family"), amount + 100.0, expected);
    QCOMPARE(QString(total), QString(expected));
}

void TestPersonQueries::personComboBox_data()
{
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<QString>("taxpayerFirst");
    QTest::addColumn<QString>("spouseFirst");
    QTest::addColumn<bool>("selectSpouse");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selected");

    QTest::newRow("single without a name") << false << ""
                                           << "" << false << QStringList{"(self)"} << 0;
    QTest::newRow("single, spouse asked for") << false << "Jane"
                                              << "" << true << QStringList{"Jane Doe"} << 0;
    QTest::newRow("couple, taxpayer")
        << true << "Jane"
        << "John" << false << QStringList{"Jane Doe", "John Doe"} << 0;
    QTest::newRow("couple, spouse without a name")
        << true << "Jane"
        << "" << true << QStringList{"Jane Doe", "(spouse/common-law)"} << 1;
}

void TestPersonQueries::personComboBox()
{
    QFETCH(bool, coupled);
    QFETCH(QString, taxpayerFirst);
    QFETCH(QString, spouseFirst);
    QFETCH(bool, selectSpouse);
    QFETCH(QStringList, items);
    QFETCH(int, selected);

    FamilyTaxData family(0);
    const QString last = taxpayerFirst.isEmpty() ? QString() : QString("Doe");
    addT1(*family.taxpayer(), "", "")->firstName = taxpayerFirst;
    t1Of(family.taxpayer())->lastName = last;
    if (coupled) {
        TaxData_T1New *t1 = addT1(*family.spouse(), "", "");
        t1->firstName = spouseFirst;
        t1->lastName = spouseFirst.isEmpty() ? QString() : QString("Doe");
    }
    family.setCurrentPersonIndex(selectSpouse ? PersonTaxpayer : PersonSpouse);
    QComboBox box;
    box.addItem("left over");
    QCOMPARE(family.fillPersonComboBox(&box, selectSpouse), items.size());
    QStringList shown;
    for (int i = 0; i < box.count(); ++i)
        shown.append(box.itemText(i));
    QCOMPARE(shown, items);
    QCOMPARE(box.itemData(0).toInt(), PersonTaxpayer);
    if (box.count() > 1)
        QCOMPARE(box.itemData(1).toInt(), PersonSpouse);
    QCOMPARE(box.currentIndex(), selected);
    QCOMPARE(family.getCurrentPersonIndex(), selected == 1 ? PersonSpouse : PersonTaxpayer);
}

void TestPersonQueries::defaultFileNames_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<QString>("name");

    QTest::newRow("single") << "Jane"
                            << "Doe" << false << "Jane_Doe";
    QTest::newRow("no last name") << "Jane"
                                  << "" << false << "Jane_unknown";
    QTest::newRow("no first name") << ""
                                   << "Doe" << false << "_Doe";
    QTest::newRow("couple") << "Jane"
                            << "Doe" << true << "Jane_Doe_John_Roe";
    QTest::newRow("typed path stays in the folder") << "../../.ssh/x"
                                                    << "D/oe" << false << "sshx_Doe";
}

void TestPersonQueries::defaultFileNames()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(bool, coupled);
    QFETCH(QString, name);

    FamilyTaxData family(0);
    fillFamily(family, coupled);
    t1Of(family.taxpayer())->firstName = first;
    t1Of(family.taxpayer())->lastName = last;
    QCOMPARE(family.getDefaultFileName(), name);
    QCOMPARE(QString(family.getPersonDefaultFileName()), name.section("_John", 0, 0));
}

void TestPersonQueries::filingStatusText()
{
    FamilyTaxData family(0);
    fillFamily(family, false);
    QString out;
    family.getFilingStatusText(out);
    QCOMPARE(out, QString("Jane Doe: (not filed/unknown)  "));

    addT1(*family.spouse(), " John ", "Roe")->filingStatus = 2;
    const int statuses[] = {1, 3, 2, 7};
    const char *texts[] = {"John Roe: (amended)  ", "John Roe: (amended)  ",
                           "Jane Doe: (amended)  John Roe: (amended)  ",
                           "Jane Doe: (not filed/unknown)  John Roe: (amended)  "};
    for (int i = 0; i < 4; ++i) {
        t1Of(family.taxpayer())->filingStatus = statuses[i];
        out.clear();
        family.getFilingStatusText(out);
        QCOMPARE(out, QString(texts[i]));
    }
}

void TestPersonQueries::filingResults_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("statusBefore");
    QTest::addColumn<bool>("flag"); // T1 re-file flag, or T1135 amended flag
    // What the form holds afterwards: status, time text, confirmation, error or message.
    QTest::addColumn<int>("statusAfter");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("other");

    const QString at("2026-04-02 09:15:30");
    const QString old("2026-03-01 08:00:00");
    QTest::newRow("T1 success") << FormType::T1 << 1 << 0 << false << 1 << at << "CONF"
                                << "";
    QTest::newRow("T1 success, re-filed") << FormType::T1 << 1 << 0 << true << 3 << at << "CONF"
                                          << "";
    QTest::newRow("T1 failure") << FormType::T1 << -1 << 0 << false << 0 << at << "CONF"
                                << "";
    QTest::newRow("T1 failure, re-filed") << FormType::T1 << -1 << 3 << true << 2 << at << "CONF"
                                          << "";
    QTest::newRow("T1 re-file prepared") << FormType::T1 << 2 << 1 << false << 2 << old << "old"
                                         << "";
    QTest::newRow("T1 other status, re-filed")
        << FormType::T1 << 5 << 1 << true << 2 << old << "old"
        << "";
    QTest::newRow("T1013 success") << FormType::T1013 << 1 << 0 << false << 1 << at << "CONF"
                                   << "";
    QTest::newRow("T1013 failure") << FormType::T1013 << -1 << 0 << false << -1 << at << "old"
                                   << "CONF";
    QTest::newRow("T1013 accepted keeps its record")
        << FormType::T1013 << -1 << 1 << false << 1 << old << "old"
        << "old error";
    QTest::newRow("T1013 accepted again") << FormType::T1013 << 1 << 1 << false << 1 << at << "CONF"
                                          << "";
    QTest::newRow("T1135 success") << FormType::T1135 << 1 << 0 << false << 1 << at << "CONF"
                                   << "";
    QTest::newRow("T1135 amended success") << FormType::T1135 << 1 << 0 << true << 3 << at << "CONF"
                                           << "";
    QTest::newRow("T1135 amended failure") << FormType::T1135 << -1 << 0 << true << 2 << at << "old"
                                           << "";
    QTest::newRow("T1135 failure") << FormType::T1135 << -1 << 0 << false << -1 << at << "old"
                                   << "";
    QTest::newRow("T185 success")
        << FormType::T185 << 1 << 0 << false << 0 << ""
        << "CONF"
        << "You sent a PAD at 2026-04-02 09:15:30, confirmation number [CONF].";
    QTest::newRow("T185 failure") << FormType::T185 << -1 << 0 << false << 0 << ""
                                  << "old"
                                  << "old";
    QTest::newRow("another form") << FormType::T183 << 1 << 0 << false << 0 << ""
                                  << ""
                                  << "";
}

void TestPersonQueries::filingResults()
{
    QFETCH(int, form);
    QFETCH(int, status);
    QFETCH(int, statusBefore);
    QFETCH(bool, flag);
    QFETCH(int, statusAfter);
    QFETCH(QString, time);
    QFETCH(QString, confirmation);
    QFETCH(QString, other);

    setNow(QDateTime(QDate(2026, 4, 2), QTime(9, 15, 30)));
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = addT1(person, "Jane", "Doe");
    CTaxData_Form *data = form == FormType::T1 ? t1 : person.addForm(form, 0, true, 0, false)->data;
    const QString old("2026-03-01 08:00:00");
    QString actualTime;
    QString actualConfirmation;
    QString actualOther;
    int actualStatus = 0;
    if (form == FormType::T1) {
        t1->filingStatus = statusBefore;
        t1->reFileFlag = flag ? 1 : 0;
        t1->filingTime = old;
        t1->confirmation = QString("old");
        person.recordFilingResult(form, status, "CONF");
        actualStatus = t1->filingStatus;
        actualTime = t1->filingTime.value();
        actualConfirmation = t1->confirmation.value();
    } else if (auto *t1013 = dynamic_cast<TaxData_T1013New *>(data)) {
        t1013->filingStatus = statusBefore;
        t1013->filingTime = old;
        t1013->confirmation = QString("old");
        t1013->errorText = QString("old error");
        person.recordFilingResult(form, status, "CONF");
        actualStatus = t1013->filingStatus;
        actualTime = t1013->filingTime.value();
        actualConfirmation = t1013->confirmation.value();
        actualOther = t1013->errorText.value();
    } else if (auto *t1135 = dynamic_cast<TaxData_T1135New *>(data)) {
        t1135->filingStatus = statusBefore;
        t1135->amended = flag;
        t1135->confirmation = QString("old");
        person.recordFilingResult(form, status, "CONF");
        actualStatus = t1135->filingStatus;
        actualTime = t1135->filingTime.value();
        actualConfirmation = t1135->confirmation.value();
    } else if (auto *t185 = dynamic_cast<TaxData_T185 *>(data)) {
        t185->confirmationNumber = QString("old");
        t185->message = QString("old");
        person.recordFilingResult(form, status, "CONF");
        actualConfirmation = t185->confirmationNumber.value();
        actualOther = t185->message.value();
        QCOMPARE(t185->debitDate.date(), status == 1 ? QDate(2026, 4, 2) : QDate());
    } else {
        auto *t183 = dynamic_cast<TaxData_T183New *>(data);
        QVERIFY(t183);
        person.recordFilingResult(form, status, "CONF");
        QVERIFY(!t183->isDifferentFrom(TaxData_T183New()));
        // A form the person does not have: nothing, and no crash.
        person.recordFilingResult(FormType::T1135, 1, "CONF");
        QVERIFY(!person.hasForm(FormType::T1135));
    }
    QCOMPARE(actualStatus, statusAfter);
    QCOMPARE(actualTime, time);
    QCOMPARE(actualConfirmation, confirmation);
    QCOMPARE(actualOther, other);
}

void TestPersonQueries::preparerBlock_data()
{
    QTest::addColumn<QStringList>("settings"); // phone, name, address, city, prov, postcode,
                                               // EFILE number
    QTest::addColumn<QStringList>("block");    // phone, name, address, city line, EFILE number

    QTest::newRow("all set") << QStringList{"613-555-0199", "Tax Co",  "1 Main St", "Ottawa",
                                            "ON",           "K1A 0B1", "X1234"}
                             << QStringList{"613-555-0199", "Tax Co", "1 Main St",
                                            "Ottawa, ON K1A 0B1", "X1234"};
    QTest::newRow("city and postcode")
        << QStringList{"", "", "", "Ottawa", "", "K1A 0B1", ""}
        << QStringList{"old phone", "old name", "old address", "Ottawa K1A 0B1", "old efile"};
    QTest::newRow("province alone")
        << QStringList{"", "", "", "", "ON", "", ""}
        << QStringList{"old phone", "old name", "old address", ", ON", "old efile"};
    QTest::newRow("nothing set keeps the T1's")
        << QStringList{"", "", "", "", "", "", ""}
        << QStringList{"old phone", "old name", "old address", "old city", "old efile"};
}

void TestPersonQueries::preparerBlock()
{
    QFETCH(QStringList, settings);
    QFETCH(QStringList, block);

    CT1AppConfig &c = appInstance()->config;
    c.BusinessPhone = settings[0];
    c.BusinessName = settings[1];
    c.BusinessAddr = settings[2];
    c.BusinessCity = settings[3];
    c.BusinessProv = settings[4];
    c.BusinessPostcode = settings[5];
    c.BusinessEFileNum = settings[6];
    IndividualTaxData person(0, &m_dependants);
    person.fillPreparerInfo(); // no T1: nothing
    TaxData_T1New *t1 = addT1(person, "Jane", "Doe");
    t1->preparerPhone = QString("old phone");
    t1->preparerName = QString("old name");
    t1->preparerAddress = QString("old address");
    t1->preparerCity = QString("old city");
    t1->preparerEfileNumber = QString("old efile");
    person.fillPreparerInfo();
    QCOMPARE((QStringList{t1->preparerPhone.value(), t1->preparerName.value(),
                          t1->preparerAddress.value(), t1->preparerCity.value(),
                          t1->preparerEfileNumber.value()}),
             block);
}

void TestPersonQueries::identityForFiling()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = addT1(person, " Mary Ann ", " Doe");
    t1->sin = QString(" 046454286");
    t1->secondName = QString(" Lee ");
    t1->email = QString(" mary@example.ca ");
    t1->birthDate = QDate(1980, 6, 1);
    t1->signedBalance = 42.5;
    CString sin, first, second, last, email;
    QDate born;
    double balance = 0;
    person.getIdentityForFiling(sin, first, second, last, email, born, balance);
    QCOMPARE((QStringList{sin, first, second, last, email}),
             (QStringList{" 046454286", "Mary Ann", "Lee", "Doe", "mary@example.ca"}));
    QCOMPARE(born, QDate(1980, 6, 1));
    QCOMPARE(balance, 42.5);
}

void TestPersonQueries::incomeTests_data()
{
    // Each form: its code and, for a T2125, its kind; a T5013 names the income it gives
    // (code 38 with 1 rental, 2 business, 3 professional, 4 commission, 5 farming, 6 fishing;
    // a negative kind is a loss of that kind); -125 is a T2125 entry without data.
    QTest::addColumn<FormKinds>("forms");
    // rental, business, fishing, farming, commission, professional, self-employment forms
    QTest::addColumn<QList<int>>("tests");
    QTest::addColumn<int>("sfdCount");

    using Forms = FormKinds;
    QTest::newRow("nothing") << Forms{} << QList<int>{0, 0, 0, 0, 0, 0, 0} << 0;
    QTest::newRow("T776 and T2121")
        << Forms{{12, 0}, {51, 0}} << QList<int>{1, 0, 1, 0, 0, 0, 1} << 2;
    QTest::newRow("T2125 kinds") << Forms{{125, 0}, {125, 1}, {131, 0}}
                                 << QList<int>{0, 1, 0, 0, 1, 1, 1} << 3;
    QTest::newRow("professional T2125 only")
        << Forms{{125, 1}} << QList<int>{0, 0, 0, 0, 0, 1, 1} << 1;
    QTest::newRow("T2125 entry without data")
        << Forms{{-125, 0}} << QList<int>{0, 0, 0, 0, 0, 0, 1} << 1;
    QTest::newRow("farming forms")
        << Forms{{15, 0}, {21, 0}} << QList<int>{0, 0, 0, 1, 0, 0, 1} << 2;
    QTest::newRow("T5013 business and rental")
        << Forms{{38, 2}, {38, 1}} << QList<int>{1, 1, 0, 0, 0, 0, 1} << 2;
    QTest::newRow("T5013 rental alone") << Forms{{38, 1}} << QList<int>{1, 0, 0, 0, 0, 0, 0} << 1;
    QTest::newRow("T5013 losses count")
        << Forms{{38, -3}, {38, -4}, {38, -5}, {38, -6}} << QList<int>{0, 0, 1, 1, 1, 1, 1} << 4;
    QTest::newRow("T5013 without income") << Forms{{38, 0}} << QList<int>{0, 0, 0, 0, 0, 0, 0} << 0;
    // The employment-expense and meals statements are financial-data forms too; the T1273
    // gives two records, never three.
    QTest::newRow("T777, TL2 and T777S")
        << Forms{{59, 0}, {92, 0}, {179, 0}} << QList<int>{0, 0, 0, 0, 0, 0, 0} << 3;
    QTest::newRow("T1273 counts two") << Forms{{109, 0}} << QList<int>{0, 0, 0, 1, 0, 0, 1} << 2;
}

void TestPersonQueries::incomeTests()
{
    QFETCH(FormKinds, forms);
    QFETCH(QList<int>, tests);
    QFETCH(int, sfdCount);

    IndividualTaxData person(0, &m_dependants);
    for (const auto &form : forms) {
        TaxDataEntryStru *entry = person.addForm(qAbs(form.first), 0, true, 0, false);
        if (!entry) {
            // A plug-in's form (the T1273) without its plug-in: the entry alone.
            entry = new TaxDataEntryStru{qAbs(form.first), person.takeNextId(), 0, nullptr};
            person.m_formList.append(entry);
        }
        if (form.first < 0) {
            delete entry->data;
            entry->data = nullptr;
        }
        if (auto *t2125 = dynamic_cast<TaxData_T2125_New *>(entry->data))
            t2125->kind = form.second;
        if (auto *t5013 = dynamic_cast<CTaxData_T5013 *>(entry->data)) {
            CFloatField *kinds[] = {nullptr,
                                    &t5013->rentalIncome,
                                    &t5013->businessIncome,
                                    &t5013->professionalIncome,
                                    &t5013->commissionIncome,
                                    &t5013->farmingIncome,
                                    &t5013->fishingIncome};
            if (form.second != 0)
                *kinds[qAbs(form.second)] = form.second > 0 ? 100.0 : -100.0;
        }
    }
    const QList<int> actual{person.hasRentalIncome(),       person.hasBusinessIncome(),
                            person.hasFishingIncome(),      person.hasFarmingIncome(),
                            person.hasCommissionIncome(),   person.hasProfessionalIncome(),
                            person.hasSelfEmploymentForms()};
    QCOMPARE(actual, tests);
    QCOMPARE(person.countSFDForms(), sfdCount);
}

void TestPersonQueries::otherQueries()
{
    IndividualTaxData person(0, &m_dependants);
    TaxData_T1New *t1 = addT1(person, "Jane", "Doe");

    // Self-employment income: each present net income, the T2125's switch, T5013 profits.
    addFormOf<TaxData_T1163New>(person, FormType::T1163)->netIncome = 100.0;
    addFormOf<TaxData_T2042New>(person, FormType::T2042)->netIncome = -50.0;
    addFormOf<TaxData_T2121New>(person, FormType::T2121)->netIncome = 0.008;
    auto *t2125 = addFormOf<TaxData_T2125_New>(person, FormType::T2125);
    t2125->netIncome = 1000.0;
    t2125->netIncome2 = 700.0;
    t2125->netSwitch = 1;
    addFormOf<TaxData_T2125_New>(person, FormType::T2125C)->netIncome = 20.0;
    auto *t5013 = addFormOf<CTaxData_T5013>(person, FormType::T5013);
    t5013->businessIncome = 300.0;
    t5013->farmingIncome = -80.0;
    t5013->rentalIncome = 999.0;
    QCOMPARE(person.sumSelfEmploymentIncome(), 100.0 + 700.0 + 20.0 + 300.0);
    t2125->netSwitch = 0;
    QCOMPARE(person.sumSelfEmploymentIncome(), 100.0 + 1000.0 + 20.0 + 300.0);

    // Counts of form entries: a type, and every entry.
    QCOMPARE(person.getFormCount(FormType::T2125), 1);
    QCOMPARE(person.getFormCount(0), 7);
    QCOMPARE(person.addAnotherForm(FormType::T2125)->id, 107);
    QCOMPARE(person.addAnotherForm(FormType::SCH9), nullptr);
    QCOMPARE(person.takeNextId(), 108);
    QCOMPARE(person.m_nextId, 109);

    // Spouse data: a spouse, a T1032, or a claimable spouse with the Schedule 5 claim.
    t1->maritalStatus = 5;
    QVERIFY(!person.hasSpouseData());
    QVERIFY(!person.hasOrHadSpouse());
    auto *sch5 = addFormOf<TaxData_Sch5>(person, FormType::SCH5);
    sch5->spouseClaim = 1;
    QVERIFY(!person.hasSpouseData());
    t1->maritalChange = 1;
    QVERIFY(person.hasSpouseData());
    t1->maritalStatus = 2;
    QVERIFY(person.hasOrHadSpouse());
    sch5->spouseClaim = 0;
    QVERIFY(!person.hasSpouseData());
    t1->maritalStatus = 1;
    QVERIFY(person.hasSpouseData());
    t1->maritalStatus = 4;
    addFormOf<TaxData_T1032_New>(person, FormType::T1032);
    QVERIFY(person.hasSpouseData());
    person.setMaritalStatus(3);
    QCOMPARE(person.getMaritalStatus(), 3);
    QCOMPARE(int(t1->maritalStatus), 3);

    // Without a plug-in the province's answer is false.
    t1->f42900 = 10.0;
    QVERIFY(!person.isNonRefundableCreditAllUsed());
    QVERIFY(person.getT1Data() == t1);
    QVERIFY(person.acceptsAnyValue(-1));

    person.m_province = 13;
    QVERIFY(!person.isProvinceOutOfRange());
    person.m_province = 14;
    QVERIFY(person.isProvinceOutOfRange());

    // Ontario's rows of the province table carry no flag: none is missing.
    QList<TaxDataEntryStru> missing;
    person.collectMissingProvinceForms(ReturnFixture::kProvince, missing);
    QVERIFY(missing.isEmpty());
    QCOMPARE(person.m_nextId, 111);
    QList<TaxDataEntryStru> entries;
    person.collectProvinceFormEntries(0, entries);
    QCOMPARE(entries.size(), person.getFormCount(0));
    entries.clear();
    person.collectProvinceFormEntries(ReturnFixture::kProvince, entries);
    QVERIFY(entries.isEmpty());

    // Dependants aged 0 to 18.
    DependantInfoStruct dependants;
    dependants.AllocData(12);
    IndividualTaxData parent(0, &dependants);
    QVERIFY(!parent.hasChildDependants());
    dependants.record(3).birthDate = QDate(2007, 12, 31);
    QVERIFY(parent.hasChildDependants());
}

void TestPersonQueries::provinceQueries()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    recorder.scripts[9].linkedForms = {{FormType::SCH2, FormType::ON_S2}};
    QVERIFY(folder.linkTestPlugin(9, &recorder));
    IndividualTaxData person(0, &m_dependants);
    QVERIFY(person.m_provsTaxMgr.getProvinceManager(9, true));
    TaxData_T1New *t1 = addT1(person, "Jane", "Doe");
    CTaxData_Form *sch2 = person.addForm(FormType::SCH2, 0, true, 0, false)->data;
    QCOMPARE(person.getLinkedProvincialFormType(FormType::SCH2), FormType::ON_S2);
    QCOMPARE(person.getLinkedProvincialForm(sch2), nullptr);
    CTaxData_Form *onS2 = person.addForm(FormType::ON_S2, 0, true, 0, false)->data;
    QCOMPARE(person.getLinkedProvincialForm(sch2), onS2);
    QCOMPARE(person.getLinkedProvincialForm(t1), nullptr);
    QCOMPARE(person.getLinkedProvincialForm(nullptr), nullptr);

    // Both the T1 and the plug-in are asked; the test plug-in's credits are never used up.
    t1->f42900 = 10.0;
    recorder.calls.clear();
    QVERIFY(!person.isNonRefundableCreditAllUsed());
    t1->f42900 = 0.0;
    QVERIFY(!person.isNonRefundableCreditAllUsed());
    QCOMPARE(recorder.callsOf("isNonRefTaxCreditAllUsed").size(), 2);
    QVERIFY(t1->IsNonRefTaxCreditAllUsed() == false);
    t1->f42900 = 0.009;
    QVERIFY(t1->IsNonRefTaxCreditAllUsed());
}

void TestPersonQueries::forwardersWithoutPerson()
{
    FamilyTaxData family(0);
    fillFamily(family, true);
    family.taxpayer()->addNote(1);
    QCOMPARE(family.setCurrentPersonIndex(3), 3);
    CString text("kept");
    double amount = 1.5;
    int value = 2;
    QVERIFY(!family.getTextByKey(11, text));
    QVERIFY(!family.getAmountByKey(150, amount));
    QVERIFY(!family.getIntByKey(995, value));
    QVERIFY(!family.setValueByKey(3, 1, 0));
    QVERIFY(!family.setTextByKey(10002, "x"));
    QCOMPARE(QString(text), QString("kept"));
    QCOMPARE(amount, 1.5);
    QCOMPARE(value, 2);
    QCOMPARE(family.getFormCount(0), 0);
    QVERIFY(!family.hasForm(FormType::T1));
    QCOMPARE(family.getForm(FormType::T1, true), nullptr);
    QCOMPARE(family.findFormEntry(FormType::T1, 0, true), nullptr);
    QCOMPARE(family.addForm(FormType::SCH3, 0, true, 0, true), nullptr);
    QCOMPARE(family.addSlip(SlipType::T4, 0, 0), nullptr);
    QCOMPARE(family.addNote(2), nullptr);
    family.removeNote(family.taxpayer()->getNote(1, false));
    family.removeForm(family.taxpayer()->getForm(FormType::T1, 0, false), true);
    family.recordFilingResult(FormType::T1, 1, "x");
    QCOMPARE(family.getLinkedProvincialFormType(3), 0);
    QCOMPARE(QString(family.getPersonIncomeSummary()), QString());
    QCOMPARE(QString(family.getPersonDefaultFileName()), QString());
    QString html;
    QTextStream out(&html);
    QCOMPARE(family.writeSlipSummary(out), 0);
    // Nothing of either person was touched.
    QCOMPARE(family.taxpayer()->m_noteList.size(), 1);
    QVERIFY(family.taxpayer()->hasForm(FormType::T1) && family.spouse()->hasForm(FormType::T1));
    QCOMPARE(t1Of(family.taxpayer())->filingStatus.value(), 0);

    // Back on a person, the forwarders reach it.
    family.setCurrentPersonIndex(PersonSpouse);
    QVERIFY(family.getTextByKey(11, text));
    QCOMPARE(QString(text), QString("John"));
    QVERIFY(family.addForm(FormType::T1032, 0, true, 0, true));
    QVERIFY(family.taxpayer()->hasForm(FormType::T1032));
    QCOMPARE(family.getFormCount(0), 2);
}

void TestPersonQueries::addedT4StartsInTheProvinceOfResidence_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("box10");
    QTest::newRow("Quebec") << int(ProvinceCode::QC) << int(ProvinceCode::QC);
    QTest::newRow("Ontario") << int(ProvinceCode::ON) << int(ProvinceCode::ON);
    QTest::newRow("no province yet") << 0 << 0;
}

void TestPersonQueries::addedT4StartsInTheProvinceOfResidence()
{
    QFETCH(int, province);
    FamilyTaxData family(0);
    fillFamily(family, false);
    family.taxpayer()->m_province = province;
    QCOMPARE(family.setCurrentPersonIndex(PersonTaxpayer), PersonTaxpayer);
    TaxDataEntryStru *entry = family.addSlip(SlipType::T4, 0, 0);
    QVERIFY(entry);
    auto *t4 = dynamic_cast<TaxData_Slip_T4 *>(entry->data);
    QVERIFY(t4);
    QTEST(int(t4->provinceOfEmployment), "box10");
    // Only the T4 carries a box 10 to fill.
    QVERIFY(family.addSlip(SlipType::T5, 0, 0));
}

QV_TEST_MAIN(TestPersonQueries)
#include "tst_PersonQueries.moc"
