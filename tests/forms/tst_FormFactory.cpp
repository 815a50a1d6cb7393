// The factories: the class each code gives, the code each object knows, fresh objects.
#include <QtTest>

#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormFactory.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TaxData_TaxNote.h"
#include "marrow/WizardData.h"

#include <map>
#include <memory>
#include <set>
#include <typeindex>

namespace {
const std::map<int, std::type_index> &federalClasses()
{
    static const std::map<int, std::type_index> classes = {
        {1, typeid(TaxData_T1New)},
        {2, typeid(TaxData_UnusedForm)},
        {3, typeid(TaxData_Sch2)},
        {4, typeid(TaxData_Sch3)},
        {5, typeid(TaxData_UnusedForm)},
        {6, typeid(TaxData_Sch5)},
        {7, typeid(TaxData_Sch7)},
        {9, typeid(TaxData_Sch9)},
        {10, typeid(TaxData_Sch10)},
        {11, typeid(TaxData_Sch11)},
        {12, typeid(TaxData_T776New)},
        {13, typeid(TaxData_T778New)},
        {14, typeid(TaxData_T929New)},
        {15, typeid(TaxData_T1163New)},
        {17, typeid(TaxData_T1172New)},
        {18, typeid(TaxData_T1212New)},
        {20, typeid(TaxData_T2038New)},
        {21, typeid(TaxData_T2042New)},
        {23, typeid(TaxData_T2204_New)},
        {28, typeid(CTaxData_GST370)},
        {29, typeid(TaxData_T1206New)},
        {30, typeid(TaxData_T626_New)},
        {31, typeid(TaxData_T691New)},
        {32, typeid(TaxData_T936New)},
        {35, typeid(TaxData_T2209_2036)},
        {37, typeid(TaxData_T2017New)},
        {38, typeid(CTaxData_T5013)},
        {39, typeid(TaxData_T1ANew)},
        {40, typeid(TaxData_T657New)},
        {49, typeid(CTaxData_T2222)},
        {51, typeid(TaxData_T2121New)},
        {52, typeid(CTaxData_T1DD)},
        {53, typeid(CTaxData_RC71)},
        {55, typeid(TaxData_T5004)},
        {57, typeid(TaxData_CPT20_New)},
        {59, typeid(TaxData_T777New)},
        {89, typeid(CTaxData_T1219)},
        {92, typeid(TaxData_TL2_New)},
        {93, typeid(TaxData_T1KSNew)},
        {96, typeid(TaxData_T183New)},
        {97, typeid(CTaxData_T1153)},
        {101, typeid(TaxData_T1135New)},
        {102, typeid(TaxData_T1MNew)},
        {103, typeid(CTaxData_T1223)},
        {105, typeid(TaxData_T746New)},
        {107, typeid(CTaxData_T1229)},
        {113, typeid(TaxData_T1170)},
        {116, typeid(CTaxData_T1ADJ)},
        {117, typeid(TaxData_T1013New)},
        {118, typeid(TaxData_T1032_New)},
        {119, typeid(TaxData_Sch6)},
        {124, typeid(CTaxData_T2205)},
        {125, typeid(TaxData_T2125_New)},
        {131, typeid(TaxData_T2125_New)},
        {133, typeid(TaxData_Sch12_MultigHomeReno)},
        {136, typeid(TaxData_RC267New)},
        {137, typeid(TaxData_RC268New)},
        {138, typeid(TaxData_RC269)},
        {139, typeid(TaxData_Sch13)},
        {145, typeid(TaxData_RC359)},
        {147, typeid(TaxData_T2091)},
        {148, typeid(TaxData_RC381)},
        {149, typeid(TaxData_RC383)},
        {150, typeid(TaxData_Sch8_14)},
        {151, typeid(TaxData_UnusedForm)},
        {157, typeid(TaxData_Sch12_2016)},
        {159, typeid(TaxData_T1KSNew)},
        {160, typeid(TaxData_T2091)},
        {165, typeid(TaxData_T1KSNew)},
        {166, typeid(TaxData_UnusedForm)},
        {171, typeid(TaxData_T90)},
        {173, typeid(TaxData_T224)},
        {174, typeid(TaxData_T225)},
        {179, typeid(TaxData_T777Covid19)},
        {181, typeid(TaxData_T185)},
        {184, typeid(TaxData_RC59_e)},
        {185, typeid(TaxData_RC59X_e)},
        {186, typeid(TaxData_T1044)},
        {193, typeid(TaxData_T2043)},
        {198, typeid(TaxData_UnusedForm)},
        {199, typeid(TaxData_T2039)},
        {205, typeid(TaxData_Sch15)},
        {207, typeid(TaxData_T1248SchD)},
        {209, typeid(TaxData_InstalmentCalc)},
        {210, typeid(TaxData_WS_D1)},
        {212, typeid(TaxData_T2048)},
        {213, typeid(TaxData_T1198)},
    };
    return classes;
}

const std::map<int, std::type_index> &slipClasses()
{
    static const std::map<int, std::type_index> classes = {
        {1, typeid(TaxData_Slip_T4)},      {2, typeid(TaxData_Slip_T4A)},
        {3, typeid(TaxData_Slip_T4AP)},    {4, typeid(TaxData_Slip_T4RSP)},
        {5, typeid(TaxData_Slip_T4E)},     {6, typeid(CSlipData_T4AOAS)},
        {7, typeid(TaxData_Slip_T4RIF)},   {8, typeid(TaxData_Slip_T5)},
        {9, typeid(TaxData_Slip_T3)},      {10, typeid(CSlipData_T5003)},
        {11, typeid(CSlipData_T5007)},     {13, typeid(TaxData_Slip_T5013)},
        {14, typeid(TaxData_Slip_T4PS)},   {15, typeid(TaxData_Slip_T4ARCA)},
        {16, typeid(TaxData_Slip_T5006)},  {17, typeid(TaxData_Slip_RC62)},
        {18, typeid(TaxData_Slip_RC210)},  {21, typeid(TaxData_Slip_MBShelterAssist)},
        {22, typeid(TaxData_Slip_PRPP)},   {23, typeid(TaxData_Slip_T1204)},
        {24, typeid(TaxData_Slip_NR4)},    {25, typeid(TaxData_Slip_T2202)},
        {26, typeid(TaxData_Slip_T4FHSA)},
    };
    return classes;
}
} // namespace

class TestFormFactory : public QObject
{
    Q_OBJECT
private slots:
    void factories_data();
    void factories();
    void counts();
    void sharedClassesKnowTheirCode();
    void noteAndWizardData();
};

void TestFormFactory::factories_data()
{
    QTest::addColumn<bool>("slip");
    QTest::addColumn<int>("code");
    for (int code = -1; code <= 215; ++code)
        QTest::newRow(("form " + QByteArray::number(code)).constData()) << false << code;
    for (int code = -1; code <= 27; ++code)
        QTest::newRow(("slip " + QByteArray::number(code)).constData()) << true << code;
}

// Each code gives its class (or null), an object that knows its code and kind, and a new
// object on every call.
void TestFormFactory::factories()
{
    QFETCH(bool, slip);
    QFETCH(int, code);
    auto make = slip ? createSlip : createFederalForm;
    const auto &classes = slip ? slipClasses() : federalClasses();
    std::unique_ptr<CTaxData_Form> a(make(code));
    std::unique_ptr<CTaxData_Form> b(make(code));
    const auto it = classes.find(code);
    if (it == classes.end()) {
        QVERIFY(!a);
        return;
    }
    QVERIFY(a && b);
    QVERIFY(a.get() != b.get());
    const CTaxData_Form &made = *a;
    QVERIFY(std::type_index(typeid(made)) == it->second);
    QCOMPARE(a->getType(), code);
    QCOMPARE(a->getKind(), int(slip ? CTaxData_Form::KindSlip : CTaxData_Form::KindForm));
}

void TestFormFactory::counts()
{
    // 87 form codes of 79 classes, 23 slip codes.
    QCOMPARE(int(federalClasses().size()), 87);
    std::set<std::type_index> classes;
    for (const auto &entry : federalClasses())
        classes.insert(entry.second);
    QCOMPARE(int(classes.size()), 79);
    QCOMPARE(int(slipClasses().size()), 23);
}

void TestFormFactory::sharedClassesKnowTheirCode()
{
    for (int code : {125, 131, 147, 160, 93, 159, 165, 2, 198}) {
        std::unique_ptr<CTaxData_Form> form(createFederalForm(code));
        QVERIFY(form);
        QCOMPARE(form->getType(), code);
    }
    QVERIFY(dynamic_cast<TaxData_T2125_New *>(
        std::unique_ptr<CTaxData_Form>(createFederalForm(131)).get()));
    QVERIFY(dynamic_cast<TaxData_UnusedForm *>(
        std::unique_ptr<CTaxData_Form>(createFederalForm(2)).get()));
    for (int code : {8, 16, 161, 214})
        QVERIFY(!std::unique_ptr<CTaxData_Form>(createFederalForm(code)));
}

void TestFormFactory::noteAndWizardData()
{
    std::unique_ptr<TaxData_TaxNote> a(createNote());
    std::unique_ptr<TaxData_TaxNote> b(createNote());
    QVERIFY(a && b && a.get() != b.get());
    QCOMPARE(a->getKind(), int(CTaxData_Form::KindNote));

    const std::type_index expected[] = {typeid(TaxData_Wizard_General),
                                        typeid(TaxData_LastYearAmounts), typeid(CWizData_Dependant),
                                        typeid(CWizData_MedExp), typeid(TaxData_RRSPContrib)};
    for (int type = 1; type <= 5; ++type) {
        std::unique_ptr<CTaxData_Form> w(createWizardData(type));
        QVERIFY(w);
        const CTaxData_Form &made = *w;
        QVERIFY(std::type_index(typeid(made)) == expected[type - 1]);
        QCOMPARE(w->getType(), type);
        QCOMPARE(w->getKind(), int(CTaxData_Form::KindWizard));
    }
    for (int type : {0, 6, 7})
        QVERIFY(!std::unique_ptr<CTaxData_Form>(createWizardData(type)));
}

QTEST_APPLESS_MAIN(TestFormFactory)
#include "tst_FormFactory.moc"
