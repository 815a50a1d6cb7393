// The form tables: every code they name is made by a factory or a province's plug-in,
// rows sit at their code, and the queries answer from the rows.
#include <QtTest>

#include "marrow/CTaxData_Form.h"
#include "marrow/FormFactory.h"
#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"

#include <algorithm>
#include <memory>
#include <set>

namespace {
bool federalMakes(int code)
{
    return std::unique_ptr<CTaxData_Form>(createFederalForm(code)) != nullptr;
}

// A code is accounted for when the federal factory or one province's plug-in makes it.
bool accountedFor(int code)
{
    return federalMakes(code) || getFormProv(code) != 0;
}
} // namespace

class TestFormTables : public QObject
{
    Q_OBJECT
private slots:
    void formRows();
    void namedCodesAreMade();
    void provincialForms_data();
    void provincialForms();
    void slipAndWizardRows();
    void provinces();
    void provinceRows_data();
    void provinceRows();
    void queries();
    void formFacts_data();
    void formFacts();
    void mandatoryForms_data();
    void mandatoryForms();
    void federalFormsCoverNeededForms();
    void formTypeNames_data();
    void formTypeNames();
    void slipTypeNames_data();
    void slipTypeNames();
    void wizardTypeNames();
};

void TestFormTables::formRows()
{
    for (int code = 0; code < Global_Forms_Num; ++code) {
        const FormInfoRow &row = Global_Forms_Info[code];
        QCOMPARE(row.type, code);
        QVERIFY(row.identifier && *row.identifier);
        // Every form a factory makes has a title; the others need none.
        if (federalMakes(code))
            QVERIFY2(*row.name, qPrintable(QString::number(code)));
    }
    QCOMPARE(formName(1), QStringLiteral("T1 General"));
    QCOMPARE(formName(4), QStringLiteral("Schedule 3"));
    QCOMPARE(formName(93), QStringLiteral("T1 Summary"));
    QVERIFY(formName(214).isEmpty());
    QVERIFY(formName(-1).isEmpty());
    QVERIFY(formInfo(214) == nullptr);
}

void TestFormTables::namedCodesAreMade()
{
    for (int i = 0; i < Federal_Forms_Num; ++i)
        QVERIFY2(federalMakes(Federal_Forms_Info[i]),
                 qPrintable(QString::number(Federal_Forms_Info[i])));
    // The T1273 is made by the province plug-ins; every other one by the federal library.
    for (int i = 0; i < SFD_Forms_Num; ++i)
        QVERIFY((SFD_Forms_Info[i] == 109 || federalMakes(SFD_Forms_Info[i])) &&
                IsSFDForm(SFD_Forms_Info[i]));
    QCOMPARE(QList<int>(SFD_Forms_Info, SFD_Forms_Info + SFD_Forms_Num),
             (QList<int>{12, 15, 21, 51, 59, 92, 109, 125, 131, 147, 160, 179}));
    for (int province = 0; province < Global_Provs_Num; ++province) {
        const ProvinceFormList &list = Province_Forms_Info[province];
        for (int i = 0; i < list.count; ++i)
            QCOMPARE(getFormProv(list.rows[i].type), province);
    }
    // Titled rows that are neither expired nor made here come from the plug-ins.
    for (int code = 1; code < Global_Forms_Num; ++code) {
        const FormInfoRow &row = Global_Forms_Info[code];
        if (*row.name && !IsFormExpired(code, 0) && row.province != -1)
            QVERIFY2(accountedFor(code), qPrintable(QString::number(code)));
        // No code is both federal and provincial.
        QVERIFY(!(federalMakes(code) && row.province != 0));
    }
    // A row has a title exactly when the federal factory or a plug-in makes its form.
    for (int code = 0; code < Global_Forms_Num; ++code) {
        const FormInfoRow &row = Global_Forms_Info[code];
        QVERIFY2((*row.name != '\0') == (federalMakes(code) || (code > 0 && row.province != 0)),
                 qPrintable(QString::number(code)));
    }
}

void TestFormTables::provincialForms_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("tuition");
    QTest::addColumn<int>("spouseTransfer");
    const int table[][3] = {{1, 48, 47}, {2, 44, 43},  {3, 91, 90},  {4, 95, 94},
                            {5, 65, 64}, {6, 73, 72},  {7, 69, 68},  {8, 77, 76},
                            {9, 27, 26}, {10, 80, 79}, {12, 83, 82}, {13, 111, 110}};
    for (const auto &row : table)
        QTest::newRow(Global_Provs_Info[row[0]].abbreviation) << row[0] << row[1] << row[2];
}

void TestFormTables::provincialForms()
{
    QFETCH(int, province);
    QFETCH(int, tuition);
    QFETCH(int, spouseTransfer);
    QCOMPARE(getFormProv(tuition), province);
    QCOMPARE(getFormProv(spouseTransfer), province);
    QVERIFY(!federalMakes(tuition) && !federalMakes(spouseTransfer));
    // The plug-in's list holds exactly the province's codes.
    const std::vector<int> codes = provincialFormCodes(province);
    const ProvinceFormList &list = Province_Forms_Info[province];
    QCOMPARE(list.count, int(codes.size()));
    std::set<int> listed;
    for (int i = 0; i < list.count; ++i)
        listed.insert(list.rows[i].type);
    QVERIFY(listed == std::set<int>(codes.begin(), codes.end()));
    QVERIFY(listed.count(tuition) && listed.count(spouseTransfer));
}

void TestFormTables::slipAndWizardRows()
{
    for (int code = 0; code < Global_Slips_Num; ++code) {
        QCOMPARE(Global_Slips_Info[code].type, code);
        const bool made = std::unique_ptr<CTaxData_Form>(createSlip(code)) != nullptr;
        // A row has a name exactly when its code gives a slip.
        QCOMPARE(*Global_Slips_Info[code].name != '\0', made);
        QVERIFY(!Global_Slips_Info[code].sharable || made);
    }
    QCOMPARE(slipName(3), QStringLiteral("T4AP"));
    QCOMPARE(slipName(26), QStringLiteral("T4FHSA"));
    QVERIFY(IsSlipSharable(8) && IsSlipSharable(9) && !IsSlipSharable(1) && !IsSlipSharable(27));

    for (int type = 1; type <= 6; ++type) {
        QCOMPARE(Global_TaxWizard_Info[type].type, type);
        QVERIFY(*Global_TaxWizard_Info[type].name);
        if (type <= 5)
            QVERIFY(std::unique_ptr<CTaxData_Form>(createWizardData(type)));
    }
}

void TestFormTables::provinces()
{
    QVERIFY(!IsProvinceSupported(0) && !IsProvinceSupported(14) && !IsProvinceSupported(-1));
    for (int province = 1; province <= 13; ++province) {
        QVERIFY(IsProvinceSupported(province));
        const ProvInfoRow &row = Global_Provs_Info[province];
        QCOMPARE(int(qstrlen(row.abbreviation)), 2);
        QVERIFY(*row.name && *row.frenchName && *row.libraryBase && *row.taxForm);
    }
    QCOMPARE(QString(Global_Provs_Info[9].abbreviation), QStringLiteral("ON"));
    QCOMPARE(QString(Global_Provs_Info[11].name), QStringLiteral("Quebec"));
    QString file;
    getOSLibFilename(QString::fromUtf8(Global_Provs_Info[9].libraryBase), file);
    QCOMPARE(file, QStringLiteral("libqvprov_on.so"));
}

void TestFormTables::provinceRows_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<QString>("abbreviation");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("library");
    const char *const rows[][3] = {
        {"AB", "Alberta", "libqvprov_ab.so"},
        {"BC", "British Columbia", "libqvprov_bc.so"},
        {"MB", "Manitoba", "libqvprov_mb.so"},
        {"NB", "New Brunswick", "libqvprov_nb.so"},
        {"NL", "Newfoundland and Labrador", "libqvprov_nl.so"},
        {"NS", "Nova Scotia", "libqvprov_ns.so"},
        {"NT", "Northwest Territories", "libqvprov_nt.so"},
        {"NU", "Nunavut", "libqvprov_nu.so"},
        {"ON", "Ontario", "libqvprov_on.so"},
        {"PE", "Prince Edward Island", "libqvprov_pe.so"},
        {"QC", "Quebec", "libqvprov_qc.so"},
        {"SK", "Saskatchewan", "libqvprov_sk.so"},
        {"YT", "Yukon", "libqvprov_yt.so"},
    };
    for (int i = 0; i < 13; ++i)
        QTest::newRow(rows[i][0]) << i + 1 << QString(rows[i][0]) << QString(rows[i][1])
                                  << QString(rows[i][2]);
}

void TestFormTables::provinceRows()
{
    QFETCH(int, province);
    const ProvInfoRow *row = provInfo(province);
    QVERIFY(row);
    QTEST(QString::fromUtf8(row->abbreviation), "abbreviation");
    QTEST(QString::fromUtf8(row->name), "name");
    QString file;
    getOSLibFilename(QString::fromUtf8(row->libraryBase), file);
    QTEST(file, "library");
}

void TestFormTables::queries()
{
    QVERIFY(IsFormMandatory(2, 9, 1) && IsFormMandatory(2, 9, 93));
    QVERIFY(!IsFormMandatory(2, 9, 96) && IsFormMandatory(1, 9, 96));
    QVERIFY(IsMultipleForm(125) && IsMultipleForm(35) && !IsMultipleForm(1) && !IsMultipleForm(-3));
    QVERIFY(IsFormSharable(12) && IsFormSharable(131) && !IsFormSharable(1));
    QVERIFY(IsFormExpired(2, 0) && IsFormExpired(198, 5) && !IsFormExpired(1, 0) &&
            !IsFormExpired(999, 0));
    QVERIFY(IsSFDForm(147) && IsSFDForm(109) && IsSFDForm(179) && !IsSFDForm(38));
    QCOMPARE(getFormProv(1), 0);
    QCOMPARE(getFormProv(87), 9);
    QCOMPARE(getFormProv(161), 11);
    QCOMPARE(getFormProv(156), 0);
    QCOMPARE(getFormProv(500), 0);
    // Forms that get the dependants block are made by the federal factory.
    for (int code = 0; code < Global_Forms_Num; ++code) {
        if (Global_Forms_Info[code].flags & FormNeedsDependants)
            QVERIFY(federalMakes(code));
    }
}

void TestFormTables::formFacts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("province");
    QTest::addColumn<bool>("multiple");
    QTest::addColumn<bool>("sharable");
    QTest::addColumn<bool>("sfd");
    QTest::addColumn<bool>("expired");
    QTest::addColumn<bool>("dependants");
    auto row = [](int code, const char *title, int province, bool multiple, bool sharable, bool sfd,
                  bool expired, bool dependants) {
        QTest::addRow("%d", code) << code << QString::fromLatin1(title) << province << multiple
                                  << sharable << sfd << expired << dependants;
    };
    row(1, "T1 General", 0, false, false, false, false, true);
    row(4, "Schedule 3", 0, false, false, false, false, false);
    row(6, "Schedule 5", 0, false, false, false, false, true);
    row(119, "Schedule 6", 0, false, false, false, false, true);
    row(93, "T1 Summary", 0, false, false, false, false, false);
    row(12, "T776", 0, true, true, true, false, false);
    row(15, "T1163", 0, true, true, true, false, false);
    row(21, "T2042", 0, true, true, true, false, false);
    row(51, "T2121", 0, true, true, true, false, false);
    row(125, "T2125", 0, true, true, true, false, false);
    // Form 131 is the commission income form.
    row(131, "T2125 (Commission)", 0, true, true, true, false, false);
    // The T2091 forms are financial-data forms the bankrupt checks still look at.
    row(147, "T2091(IND)", 0, true, false, true, false, false);
    row(160, "T2091(IND)-WS", 0, true, false, true, false, false);
    row(35, "T2209", 0, true, false, false, false, false);
    row(38, "T5013 Partnership Income", 0, true, false, false, false, false);
    // Moving, employment-expense and tradesperson forms: the calculation runs each one.
    row(59, "T777", 0, true, false, true, false, false);
    row(92, "TL2", 0, true, false, true, false, false);
    row(179, "T777S", 0, false, false, true, false, false);
    row(102, "T1-M", 0, true, false, false, false, false);
    // Form codes no longer in use: made, but dropped when a file is read.
    row(2, "Unused form", 0, false, false, false, true, false);
    row(198, "Unused form", 0, false, false, false, true, false);
    // Older obsolete codes: the loading code decides by the file's tax year, not the table.
    row(19, "", 0, false, false, false, false, false);
    row(22, "", 0, false, false, false, false, false);
    row(33, "", 0, false, false, false, false, false);
    row(100, "", 0, false, false, false, false, false);
    // A financial-data form, which the return model counts as two.
    row(109, "T1273", 0, false, false, true, false, false);
    row(27, "ON(S11)", 9, false, false, false, false, false);
    row(87, "ON479-A", 9, false, false, false, false, false);
    row(161, "TP-1", 11, false, false, false, false, false);
    row(8, "", 0, false, false, false, false, false);
}

void TestFormTables::formFacts()
{
    QFETCH(int, code);
    QFETCH(QString, title);
    QFETCH(int, province);
    QCOMPARE(formName(code), title);
    QCOMPARE(getFormProv(code), province);
    QTEST(IsMultipleForm(code), "multiple");
    QTEST(IsFormSharable(code), "sharable");
    QTEST(IsSFDForm(code), "sfd");
    QTEST(IsFormExpired(code, 0), "expired");
    QTEST(bool(Global_Forms_Info[code].flags & FormNeedsDependants), "dependants");
    const bool inSfdList = std::count(SFD_Forms_Info, SFD_Forms_Info + SFD_Forms_Num, code) > 0;
    QCOMPARE(inSfdList, IsSFDForm(code));
}

void TestFormTables::mandatoryForms_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("mandatory");
    for (int edition : {1, 2}) {
        for (int code : {1, 93, 96, 4, 159, 0, 214}) {
            const bool mandatory = code == 1 || code == 93 || (code == 96 && edition == 1);
            QTest::addRow("edition %d form %d", edition, code) << edition << code << mandatory;
        }
    }
}

void TestFormTables::mandatoryForms()
{
    QFETCH(int, edition);
    QFETCH(int, code);
    for (int province = 0; province <= 13; ++province)
        QTEST(IsFormMandatory(edition, province, code), "mandatory");
}

void TestFormTables::federalFormsCoverNeededForms()
{
    // The summary and the T1 lead; the forms the slip totals may ask for follow, with the
    // re-filing copy of the summary.
    QVERIFY(Federal_Forms_Num >= 2);
    QCOMPARE(Federal_Forms_Info[0], 93);
    QCOMPARE(Federal_Forms_Info[1], 1);
    const std::set<int> listed(Federal_Forms_Info, Federal_Forms_Info + Federal_Forms_Num);
    QCOMPARE(int(listed.size()), Federal_Forms_Num);
    for (int code : {159, 4, 7, 9, 11, 17, 23, 35, 119, 148, 150, 171, 205, 210})
        QVERIFY2(listed.count(code), qPrintable(QString::number(code)));
}

void TestFormTables::formTypeNames_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("identifier");
#define FORM(name) QTest::newRow(#name) << FormType::name << QString(#name)
    FORM(T1);
    FORM(SCH2);
    FORM(SCH3);
    FORM(SCH5);
    FORM(SCH7);
    FORM(SCH9);
    FORM(SCH10);
    FORM(SCH11);
    FORM(T776);
    FORM(T778);
    FORM(T929);
    FORM(T1163);
    FORM(T1172);
    FORM(T1212);
    FORM(T2038);
    FORM(T2042);
    FORM(T2204);
    FORM(ON_S2);
    FORM(ON_S11);
    FORM(GST370);
    FORM(T1206);
    FORM(T626);
    FORM(T691);
    FORM(T936);
    FORM(T2209);
    FORM(T2017);
    FORM(T5013);
    FORM(T1A);
    FORM(T657);
    FORM(BC_S2);
    FORM(BC_S11);
    FORM(AB_S2);
    FORM(AB_S11);
    FORM(T2222);
    FORM(T2121);
    FORM(T1DD);
    FORM(RC71);
    FORM(T5004);
    FORM(CPT20);
    FORM(T777);
    FORM(NL_S2);
    FORM(NL_S11);
    FORM(NT_S2);
    FORM(NT_S11);
    FORM(NS_S2);
    FORM(NS_S11);
    FORM(NU_S2);
    FORM(NU_S11);
    FORM(PE_S2);
    FORM(PE_S11);
    FORM(SK_DEPCHILD);
    FORM(SK_S2);
    FORM(SK_S11);
    FORM(ON479A);
    FORM(T1219);
    FORM(MB_S2);
    FORM(MB_S11);
    FORM(TL2);
    FORM(T1KS);
    FORM(NB_S2);
    FORM(NB_S11);
    FORM(T183);
    FORM(T1153);
    FORM(T1135);
    FORM(T1M);
    FORM(T1223);
    FORM(T746);
    FORM(T1229);
    FORM(T1273);
    FORM(YT_S2);
    FORM(YT_S11);
    FORM(T1170);
    FORM(T1ADJ);
    FORM(T1013);
    FORM(T1032);
    FORM(SCH6);
    FORM(T2205);
    FORM(T2125);
    FORM(SCH12MHR);
    FORM(RC267);
    FORM(RC268);
    FORM(RC269);
    FORM(SCH13);
    FORM(RC359);
    FORM(T2091);
    FORM(RC381);
    FORM(RC383);
    FORM(SCH8);
    FORM(PROV428);
    FORM(SCH12HA);
    FORM(T1KSREFILE);
    FORM(T2091WS);
    FORM(QC_TP1);
    FORM(T1KSPRIOR);
    FORM(T90);
    FORM(T224);
    FORM(T225);
    FORM(T777S);
    FORM(T185);
    FORM(RC59);
    FORM(RC59X);
    FORM(T1044);
    FORM(T2043);
    FORM(T2039);
    FORM(SCH15);
    FORM(T1248SCHD);
    FORM(INSTCALC);
    FORM(WSD1);
    FORM(T2048);
    FORM(T1198);
    FORM(FORM_19);
    FORM(FORM_22);
    FORM(FORM_33);
    FORM(FORM_100);
    FORM(FORM_114);
    FORM(FORM_115);
    FORM(FORM_120);
    FORM(FORM_134);
    FORM(FORM_141);
    FORM(FORM_177);
    FORM(FORM_178);
    FORM(UNUSED_2);
    FORM(UNUSED_5);
    FORM(UNUSED_151);
    FORM(UNUSED_166);
    FORM(UNUSED_198);
#undef FORM
}

void TestFormTables::formTypeNames()
{
    QFETCH(int, code);
    QFETCH(QString, identifier);
    QVERIFY(formInfo(code));
    QCOMPARE(QString(formInfo(code)->identifier), identifier);
}

void TestFormTables::slipTypeNames_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
#define SLIP(name) QTest::newRow(#name) << SlipType::name << QString(#name)
    SLIP(T4);
    SLIP(T4A);
    SLIP(T4AP);
    SLIP(T4RSP);
    SLIP(T4E);
    SLIP(T4AOAS);
    SLIP(T4RIF);
    SLIP(T5);
    SLIP(T3);
    SLIP(T5003);
    SLIP(T5007);
    SLIP(T5013);
    SLIP(T4PS);
    SLIP(T4ARCA);
    SLIP(T5006);
    SLIP(RC62);
    SLIP(RC210);
    SLIP(MBSHELTERASSIST);
    SLIP(PRPP);
    SLIP(T1204);
    SLIP(NR4);
    SLIP(T2202);
    SLIP(T4FHSA);
#undef SLIP
}

void TestFormTables::slipTypeNames()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QVERIFY(slipInfo(code));
    QCOMPARE(QString(slipInfo(code)->name).toUpper(), name);
}

void TestFormTables::wizardTypeNames()
{
    const QList<QPair<int, QString>> rows{{WizardType::General, "General Questions"},
                                          {WizardType::LastYear, "Last Year's Amounts"},
                                          {WizardType::Dependants, "Dependants"},
                                          {WizardType::Medical, "Medical Expenses"},
                                          {WizardType::Rrsp, "RRSP Contributions"},
                                          {WizardType::Provincial, "Provincial Questions"}};
    for (const auto &row : rows)
        QCOMPARE(taxWizardName(row.first), row.second);
}

QTEST_APPLESS_MAIN(TestFormTables)
#include "tst_FormTables.moc"
