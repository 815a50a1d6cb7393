// The province plug-ins' 2025 tax, each plug-in loaded with QLibrary from the program's folder
// as the return model loads it: line 42800 and the province's 428 for a person at and one
// dollar past each bracket threshold, the province's own steps at their edges, and the
// thresholds and amounts the other callers ask for. Every figure is worked out by hand from
// the published 2025 brackets, credit rates and amounts; amounts are rounded to the cent at
// each step (basic tax, credits, each addition or reduction).
#include <QLibrary>
#include <QtTest>
#include <memory>
#include <vector>

#include "marrow/CProvincialTaxManager.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"

using namespace ProvinceCode;

namespace {

// One plug-in loaded for the test, its manager and a single person of 40 with a T1.
class LoadedProvince
{
public:
    explicit LoadedProvince(int province)
    {
        const ProvInfoRow *row = provInfo(province);
        if (!row)
            return;
        QString fileName;
        getOSLibFilename(QString::fromUtf8(row->libraryBase), fileName);
        m_library.setFileName(QCoreApplication::applicationDirPath() + '/' + fileName);
        if (!m_library.load())
            return;
        auto create = reinterpret_cast<GetTaxManagerFunc>(m_library.resolve("GetTaxManager"));
        if (!create)
            return;
        m_manager.reset(create());
        m_manager->setDepInfo(&dependants);
        t1.setMainTaxProvince(province);
        t1.birthDate = QDate(1985, 3, 1);
        t1.maritalStatus = 4;
        form428 = m_manager->createProvincialForm(FormType::PROV428, true);
    }
    ~LoadedProvince()
    {
        if (form428)
            m_manager->deleteProvincialForm(form428, true);
        m_manager.reset();
        m_library.unload();
    }

    bool loaded() const { return m_manager != nullptr; }
    CProvincialTaxManager &manager() { return *m_manager; }

    // Taxable and net income the same, then pass 4's provincial hook.
    void calculate(double income, TaxData_Sch5 *sch5 = nullptr, TaxData_Sch9 *sch9 = nullptr)
    {
        t1.f26000 = income;
        t1.f23600 = income;
        calculateAsIs(sch5, sch9);
    }
    void calculateAsIs(TaxData_Sch5 *sch5 = nullptr, TaxData_Sch9 *sch9 = nullptr)
    {
        m_manager->calculatePass4(&t1, nullptr, nullptr, nullptr, sch5, sch9, nullptr, nullptr,
                                  T2209FormList(), nullptr, nullptr);
    }
    double line(const char *name) const
    {
        const auto *field =
            dynamic_cast<const CFloatField *>(form428 ? form428->findField(name) : nullptr);
        return field ? field->value() : -1;
    }

    DependantInfoStruct dependants;
    TaxData_T1New t1;
    CTaxData_Form *form428 = nullptr;

private:
    QLibrary m_library;
    std::unique_ptr<CProvincialTaxManager> m_manager;
};

} // namespace

class TestProvincialTax : public QObject
{
    Q_OBJECT
private slots:
    void bracketThresholds_data();
    void bracketThresholds();
    void ontarioSurtax_data();
    void ontarioSurtax();
    void ontarioHealthPremium_data();
    void ontarioHealthPremium();
    void ontarioTaxReduction_data();
    void ontarioTaxReduction();
    void britishColumbiaReduction_data();
    void britishColumbiaReduction();
    void albertaSupplementalCredit_data();
    void albertaSupplementalCredit();
    void manitobaPhaseOut_data();
    void manitobaPhaseOut();
    void yukonBasicAmount_data();
    void yukonBasicAmount();
    void quebecTaxIsNotOnTheT1();
    void otherProvincesLeaveTheReturnAlone();
    void creditsOfTheProvincesRows_data();
    void creditsOfTheProvincesRows();
    void provincesOwnSteps_data();
    void provincesOwnSteps();
    void creditsAndReductions_data();
    void creditsAndReductions();
    void thresholdsAppended();
    void instalmentAmounts();
};

void TestProvincialTax::bracketThresholds_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("basicTax");
    QTest::addColumn<double>("credits");
    QTest::addColumn<double>("tax");

    // AB: credits 22,323 x 8% = 1,785.84.
    QTest::newRow("AB 60,000") << AB << 60000.0 << 4800.0 << 1785.84 << 3014.16;
    QTest::newRow("AB 60,001") << AB << 60001.0 << 4800.10 << 1785.84 << 3014.26;
    QTest::newRow("AB 151,234") << AB << 151234.0 << 13923.40 << 1785.84 << 12137.56;
    QTest::newRow("AB 151,235") << AB << 151235.0 << 13923.52 << 1785.84 << 12137.68;
    QTest::newRow("AB 181,481") << AB << 181481.0 << 17553.04 << 1785.84 << 15767.20;
    QTest::newRow("AB 181,482") << AB << 181482.0 << 17553.17 << 1785.84 << 15767.33;
    QTest::newRow("AB 241,974") << AB << 241974.0 << 25417.13 << 1785.84 << 23631.29;
    QTest::newRow("AB 241,975") << AB << 241975.0 << 25417.27 << 1785.84 << 23631.43;
    QTest::newRow("AB 362,961") << AB << 362961.0 << 42355.31 << 1785.84 << 40569.47;
    QTest::newRow("AB 362,962") << AB << 362962.0 << 42355.46 << 1785.84 << 40569.62;
    // BC: credits 12,932 x 5.06% = 654.36; the tax reduction is nil above 40,807.
    QTest::newRow("BC 49,279") << BC << 49279.0 << 2493.52 << 654.36 << 1839.16;
    QTest::newRow("BC 49,280") << BC << 49280.0 << 2493.59 << 654.36 << 1839.23;
    QTest::newRow("BC 98,560") << BC << 98560.0 << 6288.15 << 654.36 << 5633.79;
    QTest::newRow("BC 98,561") << BC << 98561.0 << 6288.26 << 654.36 << 5633.90;
    QTest::newRow("BC 113,158") << BC << 113158.0 << 7820.94 << 654.36 << 7166.58;
    QTest::newRow("BC 113,159") << BC << 113159.0 << 7821.07 << 654.36 << 7166.71;
    QTest::newRow("BC 137,407") << BC << 137407.0 << 10801.15 << 654.36 << 10146.79;
    QTest::newRow("BC 137,408") << BC << 137408.0 << 10801.29 << 654.36 << 10146.93;
    QTest::newRow("BC 186,306") << BC << 186306.0 << 17989.30 << 654.36 << 17334.94;
    QTest::newRow("BC 186,307") << BC << 186307.0 << 17989.47 << 654.36 << 17335.11;
    QTest::newRow("BC 259,829") << BC << 259829.0 << 30341.16 << 654.36 << 29686.80;
    QTest::newRow("BC 259,830") << BC << 259830.0 << 30341.37 << 654.36 << 29687.01;
    // MB: credits 15,780 x 10.8% = 1,704.24.
    QTest::newRow("MB 47,000") << MB << 47000.0 << 5076.0 << 1704.24 << 3371.76;
    QTest::newRow("MB 47,001") << MB << 47001.0 << 5076.13 << 1704.24 << 3371.89;
    QTest::newRow("MB 100,000") << MB << 100000.0 << 11833.50 << 1704.24 << 10129.26;
    QTest::newRow("MB 100,001") << MB << 100001.0 << 11833.67 << 1704.24 << 10129.43;
    // NB: credits 13,396 x 9.4% = 1,259.22.
    QTest::newRow("NB 51,306") << NB << 51306.0 << 4822.76 << 1259.22 << 3563.54;
    QTest::newRow("NB 51,307") << NB << 51307.0 << 4822.90 << 1259.22 << 3563.68;
    QTest::newRow("NB 102,614") << NB << 102614.0 << 12005.88 << 1259.22 << 10746.66;
    QTest::newRow("NB 102,615") << NB << 102615.0 << 12006.04 << 1259.22 << 10746.82;
    QTest::newRow("NB 190,060") << NB << 190060.0 << 25997.24 << 1259.22 << 24738.02;
    QTest::newRow("NB 190,061") << NB << 190061.0 << 25997.44 << 1259.22 << 24738.22;
    // NL: credits 11,067 x 8.7% = 962.83.
    QTest::newRow("NL 44,192") << NL << 44192.0 << 3844.70 << 962.83 << 2881.87;
    QTest::newRow("NL 44,193") << NL << 44193.0 << 3844.85 << 962.83 << 2882.02;
    QTest::newRow("NL 88,382") << NL << 88382.0 << 10252.25 << 962.83 << 9289.42;
    QTest::newRow("NL 88,383") << NL << 88383.0 << 10252.41 << 962.83 << 9289.58;
    QTest::newRow("NL 157,792") << NL << 157792.0 << 21219.03 << 962.83 << 20256.20;
    QTest::newRow("NL 157,793") << NL << 157793.0 << 21219.21 << 962.83 << 20256.38;
    QTest::newRow("NL 220,910") << NL << 220910.0 << 32454.04 << 962.83 << 31491.21;
    QTest::newRow("NL 220,911") << NL << 220911.0 << 32454.24 << 962.83 << 31491.41;
    QTest::newRow("NL 282,214") << NL << 282214.0 << 44592.23 << 962.83 << 43629.40;
    QTest::newRow("NL 282,215") << NL << 282215.0 << 44592.44 << 962.83 << 43629.61;
    QTest::newRow("NL 564,429") << NL << 564429.0 << 103292.95 << 962.83 << 102330.12;
    QTest::newRow("NL 564,430") << NL << 564430.0 << 103293.16 << 962.83 << 102330.33;
    QTest::newRow("NL 1,128,858") << NL << 1128858.0 << 223516.33 << 962.83 << 222553.50;
    QTest::newRow("NL 1,128,859") << NL << 1128859.0 << 223516.55 << 962.83 << 222553.72;
    // NS: credits 11,744 x 8.79% = 1,032.30.
    QTest::newRow("NS 30,507") << NS << 30507.0 << 2681.57 << 1032.30 << 1649.27;
    QTest::newRow("NS 30,508") << NS << 30508.0 << 2681.71 << 1032.30 << 1649.41;
    QTest::newRow("NS 61,015") << NS << 61015.0 << 7242.51 << 1032.30 << 6210.21;
    QTest::newRow("NS 61,016") << NS << 61016.0 << 7242.68 << 1032.30 << 6210.38;
    QTest::newRow("NS 95,883") << NS << 95883.0 << 13055.01 << 1032.30 << 12022.71;
    QTest::newRow("NS 95,884") << NS << 95884.0 << 13055.18 << 1032.30 << 12022.88;
    QTest::newRow("NS 154,650") << NS << 154650.0 << 23339.23 << 1032.30 << 22306.93;
    QTest::newRow("NS 154,651") << NS << 154651.0 << 23339.44 << 1032.30 << 22307.14;
    // NT: credits 17,842 x 5.9% = 1,052.68.
    QTest::newRow("NT 51,964") << NT << 51964.0 << 3065.88 << 1052.68 << 2013.20;
    QTest::newRow("NT 51,965") << NT << 51965.0 << 3065.96 << 1052.68 << 2013.28;
    QTest::newRow("NT 103,930") << NT << 103930.0 << 7534.95 << 1052.68 << 6482.27;
    QTest::newRow("NT 103,931") << NT << 103931.0 << 7535.07 << 1052.68 << 6482.39;
    QTest::newRow("NT 168,967") << NT << 168967.0 << 15469.47 << 1052.68 << 14416.79;
    QTest::newRow("NT 168,968") << NT << 168968.0 << 15469.61 << 1052.68 << 14416.93;
    // NU: credits 19,274 x 4% = 770.96.
    QTest::newRow("NU 54,707") << NU << 54707.0 << 2188.28 << 770.96 << 1417.32;
    QTest::newRow("NU 54,708") << NU << 54708.0 << 2188.35 << 770.96 << 1417.39;
    QTest::newRow("NU 109,413") << NU << 109413.0 << 6017.70 << 770.96 << 5246.74;
    QTest::newRow("NU 109,414") << NU << 109414.0 << 6017.79 << 770.96 << 5246.83;
    QTest::newRow("NU 177,881") << NU << 177881.0 << 12179.82 << 770.96 << 11408.86;
    QTest::newRow("NU 177,882") << NU << 177882.0 << 12179.94 << 770.96 << 11408.98;
    // ON: credits 12,747 x 5.05% = 643.72; with the surtax and the health premium.
    QTest::newRow("ON 52,886") << ON << 52886.0 << 2670.74 << 643.72 << 2627.02;
    QTest::newRow("ON 52,887") << ON << 52887.0 << 2670.83 << 643.72 << 2627.11;
    QTest::newRow("ON 105,775") << ON << 105775.0 << 7510.09 << 643.72 << 7847.64;
    QTest::newRow("ON 105,776") << ON << 105776.0 << 7510.20 << 643.72 << 7847.78;
    QTest::newRow("ON 150,000") << ON << 150000.0 << 12445.60 << 643.72 << 15388.41;
    QTest::newRow("ON 150,001") << ON << 150001.0 << 12445.72 << 643.72 << 15388.60;
    QTest::newRow("ON 220,000") << ON << 220000.0 << 20957.60 << 643.72 << 28817.13;
    QTest::newRow("ON 220,001") << ON << 220001.0 << 20957.73 << 643.72 << 28817.34;
    // PE: credits 14,250 x 9.5% = 1,353.75; no surtax since 2024.
    QTest::newRow("PE 33,328") << PE << 33328.0 << 3166.16 << 1353.75 << 1812.41;
    QTest::newRow("PE 33,329") << PE << 33329.0 << 3166.29 << 1353.75 << 1812.54;
    QTest::newRow("PE 64,656") << PE << 64656.0 << 7386.04 << 1353.75 << 6032.29;
    QTest::newRow("PE 64,657") << PE << 64657.0 << 7386.21 << 1353.75 << 6032.46;
    QTest::newRow("PE 105,000") << PE << 105000.0 << 14083.15 << 1353.75 << 12729.40;
    QTest::newRow("PE 105,001") << PE << 105001.0 << 14083.32 << 1353.75 << 12729.57;
    QTest::newRow("PE 140,000") << PE << 140000.0 << 20250.15 << 1353.75 << 18896.40;
    QTest::newRow("PE 140,001") << PE << 140001.0 << 20250.34 << 1353.75 << 18896.59;
    // SK: credits 19,491 x 10.5% = 2,046.56.
    QTest::newRow("SK 53,463") << SK << 53463.0 << 5613.62 << 2046.56 << 3567.06;
    QTest::newRow("SK 53,464") << SK << 53464.0 << 5613.74 << 2046.56 << 3567.18;
    QTest::newRow("SK 152,750") << SK << 152750.0 << 18024.49 << 2046.56 << 15977.93;
    QTest::newRow("SK 152,751") << SK << 152751.0 << 18024.64 << 2046.56 << 15978.08;
    // YT: credits 16,129 x 6.4% = 1,032.26 up to 177,882, then the amount falls as the
    // federal one does (14,538 x 6.4% = 930.43 from 253,414).
    QTest::newRow("YT 57,375") << YT << 57375.0 << 3672.0 << 1032.26 << 2639.74;
    QTest::newRow("YT 57,376") << YT << 57376.0 << 3672.09 << 1032.26 << 2639.83;
    QTest::newRow("YT 114,750") << YT << 114750.0 << 8835.75 << 1032.26 << 7803.49;
    QTest::newRow("YT 114,751") << YT << 114751.0 << 8835.86 << 1032.26 << 7803.60;
    QTest::newRow("YT 177,882") << YT << 177882.0 << 15717.14 << 1032.26 << 14684.88;
    QTest::newRow("YT 177,883") << YT << 177883.0 << 15717.27 << 1032.25 << 14685.02;
    QTest::newRow("YT 500,000") << YT << 500000.0 << 56948.24 << 930.43 << 56017.81;
    QTest::newRow("YT 500,001") << YT << 500001.0 << 56948.39 << 930.43 << 56017.96;
}

void TestProvincialTax::bracketThresholds()
{
    QFETCH(int, province);
    QFETCH(double, income);
    QFETCH(double, basicTax);
    QFETCH(double, credits);
    QFETCH(double, tax);
    LoadedProvince p(province);
    QVERIFY(p.loaded());
    QVERIFY(p.form428);
    p.calculate(income);
    QCOMPARE(p.line("basicTax"), basicTax);
    QCOMPARE(p.line("credits"), credits);
    QCOMPARE(double(p.t1.f42800), tax);
    QCOMPARE(p.line("provincialTax"), tax);
    QCOMPARE(p.line("taxableIncome"), income);
}

void TestProvincialTax::ontarioSurtax_data()
{
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("surtax");
    QTest::addColumn<double>("tax");
    // Tax after credits 6,353.62 - 643.72 = 5,709.90: under 5,710, no surtax.
    QTest::newRow("below 5,710") << 93136.0 << 0.0 << 6459.90;
    // 6,354.72 - 643.72 = 5,711.00: 20% of 1.00.
    QTest::newRow("past 5,710") << 93148.0 << 0.20 << 6461.20;
    // 7,950.68 - 643.72 = 7,306.96: 20% of 1,596.96 = 319.39.
    QTest::newRow("below 7,307") << 109723.0 << 319.39 << 8376.35;
    // 7,950.79 - 643.72 = 7,307.07: 319.414 + 36% of 0.07 = 319.44.
    QTest::newRow("past 7,307") << 109724.0 << 319.44 << 8376.51;
}

void TestProvincialTax::ontarioSurtax()
{
    QFETCH(double, income);
    QFETCH(double, surtax);
    QFETCH(double, tax);
    LoadedProvince p(ON);
    QVERIFY(p.loaded());
    p.calculate(income);
    QCOMPARE(p.line("surtax"), surtax);
    QCOMPARE(p.line("healthPremium"), 750.0);
    QCOMPARE(double(p.t1.f42800), tax);
}

void TestProvincialTax::ontarioHealthPremium_data()
{
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("premium");
    QTest::addColumn<double>("tax");
    QTest::newRow("20,000") << 20000.0 << 0.0 << 144.56;
    QTest::newRow("20,001") << 20001.0 << 0.06 << 144.72;
    QTest::newRow("25,000: 300 reached") << 25000.0 << 300.0 << 918.78;
    QTest::newRow("36,000") << 36000.0 << 300.0 << 1474.28;
    QTest::newRow("36,001") << 36001.0 << 300.06 << 1474.39;
    QTest::newRow("38,500: 450 reached") << 38500.0 << 450.0 << 1750.53;
    QTest::newRow("48,000") << 48000.0 << 450.0 << 2230.28;
    QTest::newRow("48,001") << 48001.0 << 450.25 << 2230.58;
    QTest::newRow("48,600: 600 reached") << 48600.0 << 600.0 << 2410.58;
    QTest::newRow("72,000") << 72000.0 << 600.0 << 4375.95;
    QTest::newRow("72,001") << 72001.0 << 600.25 << 4376.30;
    QTest::newRow("72,600: 750 reached") << 72600.0 << 750.0 << 4580.85;
    QTest::newRow("200,000") << 200000.0 << 750.0 << 24873.21;
    QTest::newRow("200,001") << 200001.0 << 750.25 << 24873.65;
    QTest::newRow("200,600: 900 reached") << 200600.0 << 900.0 << 25137.03;
}

void TestProvincialTax::ontarioHealthPremium()
{
    QFETCH(double, income);
    QFETCH(double, premium);
    QFETCH(double, tax);
    LoadedProvince p(ON);
    QVERIFY(p.loaded());
    p.calculate(income);
    QCOMPARE(p.line("healthPremium"), premium);
    QCOMPARE(double(p.t1.f42800), tax);
}

void TestProvincialTax::ontarioTaxReduction_data()
{
    QTest::addColumn<double>("income");
    QTest::addColumn<int>("children");
    QTest::addColumn<double>("reduction");
    QTest::addColumn<double>("tax");
    // 757.50 - 643.72 = 113.78, all of it taken by 2 x 294 = 588.
    QTest::newRow("15,000: reduced to nil") << 15000.0 << 0 << 113.78 << 0.0;
    // 1,010.00 - 643.72 = 366.28; 588 - 366.28 = 221.72.
    QTest::newRow("20,000: in part") << 20000.0 << 0 << 221.72 << 144.56;
    // 1,262.50 - 643.72 = 618.78 is above 588: nothing; the premium of 300 stays.
    QTest::newRow("25,000: none") << 25000.0 << 0 << 0.0 << 918.78;
    // One child: 2 x (294 + 544) = 1,676 takes all 618.78; the premium is not reduced.
    QTest::newRow("25,000 with a child") << 25000.0 << 1 << 618.78 << 300.0;
}

void TestProvincialTax::ontarioTaxReduction()
{
    QFETCH(double, income);
    QFETCH(int, children);
    QFETCH(double, reduction);
    QFETCH(double, tax);
    LoadedProvince p(ON);
    QVERIFY(p.loaded());
    p.dependants.AllocData(children);
    for (int i = 0; i < children; ++i) {
        p.dependants.record(i).birthDate = QDate(2015, 6, 1);
        p.dependants.record(i).relationship = 1;
    }
    p.calculate(income);
    QCOMPARE(p.line("taxReduction"), reduction);
    QCOMPARE(double(p.t1.f42800), tax);
}

void TestProvincialTax::britishColumbiaReduction_data()
{
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("reduction");
    QTest::addColumn<double>("tax");
    // 1,266.01 - 654.36 = 611.65; the whole 562.
    QTest::newRow("25,020") << 25020.0 << 562.0 << 49.65;
    // 562 - 3.56% = 561.9644.
    QTest::newRow("25,021") << 25021.0 << 561.96 << 49.74;
    // 562 - 3.56% x 15,786 = 0.0184.
    QTest::newRow("40,806") << 40806.0 << 0.02 << 1410.40;
    QTest::newRow("40,807: nil") << 40807.0 << 0.0 << 1410.47;
}

void TestProvincialTax::britishColumbiaReduction()
{
    QFETCH(double, income);
    QFETCH(double, reduction);
    QFETCH(double, tax);
    LoadedProvince p(BC);
    QVERIFY(p.loaded());
    p.calculate(income);
    QCOMPARE(p.line("taxReduction"), reduction);
    QCOMPARE(double(p.t1.f42800), tax);
}

void TestProvincialTax::albertaSupplementalCredit_data()
{
    QTest::addColumn<double>("cppBase");
    QTest::addColumn<double>("credits");
    // 22,323 + 37,677 = 60,000: 60,000 x 8% = 4,800.00 and nothing more.
    QTest::newRow("amounts of 60,000") << 37677.0 << 4800.0;
    // 60,100: 4,808.00 + 2% of 100 = 2.00.
    QTest::newRow("amounts of 60,100") << 37777.0 << 4810.0;
}

void TestProvincialTax::albertaSupplementalCredit()
{
    QFETCH(double, cppBase);
    QFETCH(double, credits);
    LoadedProvince p(AB);
    QVERIFY(p.loaded());
    p.t1.f30800 = cppBase;
    p.calculate(100000);
    QCOMPARE(p.line("credits"), credits);
    // 60,000 x 8% + 40,000 x 10% = 8,800.00.
    QCOMPARE(double(p.t1.f42800), 8800.0 - credits);
}

void TestProvincialTax::manitobaPhaseOut_data()
{
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("credits");
    QTest::addColumn<double>("tax");
    QTest::newRow("200,000: whole") << 200000.0 << 1704.24 << 27529.26;
    // 15,780 x 199,999 / 200,000 = 15,779.92; x 10.8% = 1,704.23.
    QTest::newRow("200,001") << 200001.0 << 1704.23 << 27529.44;
    QTest::newRow("300,000: half") << 300000.0 << 852.12 << 45781.38;
    QTest::newRow("400,000: none") << 400000.0 << 0.0 << 64033.50;
}

void TestProvincialTax::manitobaPhaseOut()
{
    QFETCH(double, income);
    QFETCH(double, credits);
    QFETCH(double, tax);
    LoadedProvince p(MB);
    QVERIFY(p.loaded());
    p.calculate(income);
    QCOMPARE(p.line("credits"), credits);
    QCOMPARE(double(p.t1.f42800), tax);
}

void TestProvincialTax::yukonBasicAmount_data()
{
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("amounts");
    QTest::newRow("177,882: the maximum") << 177882.0 << 16129.0;
    // 16,129 - 1,591 x 1 / 75,532 = 16,128.98.
    QTest::newRow("177,883") << 177883.0 << 16128.98;
    QTest::newRow("253,414: the minimum") << 253414.0 << 14538.0;
}

void TestProvincialTax::yukonBasicAmount()
{
    QFETCH(double, income);
    QFETCH(double, amounts);
    LoadedProvince p(YT);
    QVERIFY(p.loaded());
    p.calculate(income);
    QCOMPARE(p.line("creditAmounts"), amounts);
}

void TestProvincialTax::quebecTaxIsNotOnTheT1()
{
    LoadedProvince p(QC);
    QVERIFY(p.loaded());
    p.t1.f42800 = 500;
    p.calculate(60000);
    QCOMPARE(double(p.t1.f42800), 0.0);
    QCOMPARE(p.line("provincialTax"), 0.0);
}

void TestProvincialTax::otherProvincesLeaveTheReturnAlone()
{
    // The all-forms mode loads several plug-ins: only the person's own computes.
    LoadedProvince p(ON);
    QVERIFY(p.loaded());
    p.t1.setMainTaxProvince(BC);
    p.t1.f42800 = 1163.86;
    p.calculate(60000);
    QCOMPARE(double(p.t1.f42800), 1163.86);
    QCOMPARE(p.line("provincialTax"), 0.0);
}

void TestProvincialTax::creditsOfTheProvincesRows_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("amounts");
    QTest::addColumn<double>("credits");
    QTest::addColumn<double>("dividendCredit");
    QTest::addColumn<double>("tax");
    // A person of 70 with a spouse of net income 2,000, net and taxable income 50,000,
    // pension 2,000 (line 31400), CPP base 1,000, EI 500, the disability amount, medical
    // expenses of 3,000, gifts of 1,200, eligible dividends of 1,380 and other dividends of
    // 1,150 (both taxable amounts).
    //
    // ON: 12,747 + age 6,223 - 15% x 3,670 = 5,672.50 + spouse 10,823 - 918 = 9,905 + pension
    // 1,762 + disability 10,298 + medical 3,000 - 1,500 = 1,500 + 1,500 = 43,384.50; x 5.05% =
    // 2,190.92, gifts 200 x 5.05% + 1,000 x 11.16% = 121.70: 2,312.62. Tax 50,000 x 5.05% =
    // 2,525.00; less credits 212.38; dividends 138.00 + 34.34 = 172.34: 40.04, all taken by
    // the reduction (588); plus the premium 450 + 25% x 2,000 capped at 600: 600.00.
    QTest::newRow("ON") << ON << 43384.5 << 2312.62 << 172.34 << 600.0;
    // BC: 12,932 + age 5,799 - 15% x 6,831 = 4,774.35 + spouse 11,073 - 892 = 10,181 +
    // pension 1,000 + disability 9,699 + medical 3,000 - 1,500 + 1,500 = 41,586.35; x 5.06% =
    // 2,104.27, gifts 200 x 5.06% + 1,000 x 16.8% = 178.12: 2,282.39. Tax 2,493.5174 + 721 x
    // 7.7% = 2,549.03; less credits 266.64; dividends 165.60 + 22.54 = 188.14: 78.50; no
    // reduction above 40,807.
    QTest::newRow("BC") << BC << 41586.35 << 2282.39 << 188.14 << 78.5;
    // NB: 13,396 + age 6,037 - 15% x 5,055 = 5,278.75 + spouse 10,499 - 949 = 9,550 + pension
    // 1,000 + disability 10,010 + 1,500 + medical 3,000 - 1,500 (3% under 2,797) = 1,500 =
    // 42,234.75; x 9.4% = 3,970.07, gifts 200 x 9.4% + 1,000 x 17.95% = 198.30: 4,168.37. Tax
    // 4,700.00; less credits 531.63; dividends 193.20 + 1,150 x 2.75% = 31.625: 224.83; 306.80.
    QTest::newRow("NB") << NB << 42234.75 << 4168.37 << 224.83 << 306.8;
    // NL: 11,067 + age 7,064 - 15% x 11,288 = 5,370.80 + spouse 9,043 - 1,095 = 7,948 +
    // pension 1,000 + 1,500 = 26,885.80; x 8.7% = 2,339.06, gifts 200 x 8.7% + 1,000 x 21.8% =
    // 235.40: 2,574.46. Tax 3,844.704 + 5,808 x 14.5% = 4,686.86; less credits 2,112.40;
    // dividends 1,380 x 6.3% + 1,150 x 3.2% = 123.74: 1,988.66.
    QTest::newRow("NL") << NL << 26885.8 << 2574.46 << 123.74 << 1988.66;
    // NS: 11,744 + 1,500 = 13,244; x 8.79% = 1,164.15, gifts 200 x 8.79% + 1,000 x 21% =
    // 227.58: 1,391.73. Tax 2,681.5653 + 19,493 x 14.95% = 5,595.77; less credits 4,204.04;
    // dividends 1,380 x 8.85% + 1,150 x 1.5% = 139.38: 4,064.66; no low-income reduction on a
    // family net income of 52,000.
    QTest::newRow("NS") << NS << 13244.0 << 1391.73 << 139.38 << 4064.66;
    // NT: 17,842 + 1,500 = 19,342; x 5.9% = 1,141.18, gifts 200 x 5.9% + 1,000 x 14.05% =
    // 152.30: 1,293.48. Tax 2,950.00; less credits 1,656.52; dividends 1,380 x 11.5% = 158.70:
    // 1,497.82.
    QTest::newRow("NT") << NT << 19342.0 << 1293.48 << 158.7 << 1497.82;
    // NU: 19,274 + 1,500 = 20,774; x 4% = 830.96, gifts 200 x 4% + 1,000 x 11.5% = 123.00:
    // 953.96. Tax 2,000.00; less credits 1,046.04; dividends 1,380 x 5.51% = 76.04: 970.00.
    QTest::newRow("NU") << NU << 20774.0 << 953.96 << 76.04 << 970.0;
    // SK: 19,491 + spouse 19,491 - 51 = 19,440 + pension 1,000 + disability 13,986 + medical
    // 3,000 - 1,500 + 1,500 + senior supplement 2,028 = 58,945; x 10.5% = 6,189.23, gifts 200
    // x 10.5% + 1,000 x 14.5% = 166.00: 6,355.23. Tax 5,250.00 less credits: 0 (dividends
    // 1,380 x 11% = 151.80 + 1,150 x 2.519% = 28.97 have nothing left to reduce).
    QTest::newRow("SK") << SK << 58945.0 << 6355.23 << 180.77 << 0.0;
    // YT takes the federal lines, which this return leaves at 0 but for the pension: 16,129 +
    // 1,500 + 31400 2,000 = 19,629; x 6.4% = 1,256.26, gifts 200 x 6.4% + 1,000 x 12.8% =
    // 140.80: 1,397.06. Tax 3,200.00; less credits 1,802.94; dividends 1,380 x 12.02% + 1,150 x
    // 0.67% = 173.58: 1,629.36.
    QTest::newRow("YT") << YT << 19629.0 << 1397.06 << 173.58 << 1629.36;
}

void TestProvincialTax::creditsOfTheProvincesRows()
{
    QFETCH(int, province);
    QFETCH(double, amounts);
    QFETCH(double, credits);
    QFETCH(double, dividendCredit);
    QFETCH(double, tax);
    LoadedProvince p(province);
    QVERIFY(p.loaded());
    p.t1.birthDate = QDate(1955, 3, 1);
    p.t1.maritalStatus = 0;
    p.t1.spouseNetIncome = 2000;
    p.t1.f31400 = 2000;
    p.t1.f30800 = 1000;
    p.t1.f31200 = 500;
    p.t1.disabilityFlag = 1;
    p.t1.f33099 = 3000;
    p.t1.eligibleDividends = 1380;
    p.t1.f12010 = 1150;
    TaxData_Sch5 sch5;
    sch5.canClaimSpouse = true;
    sch5.spouseNetIncome = 2000;
    TaxData_Sch9 sch9;
    sch9.f33700 = 1200;
    p.calculate(50000, &sch5, &sch9);
    QCOMPARE(p.line("creditAmounts"), amounts);
    QCOMPARE(p.line("credits"), credits);
    QCOMPARE(p.line("dividendCredit"), dividendCredit);
    QCOMPARE(double(p.t1.f42800), tax);
}

void TestProvincialTax::provincesOwnSteps_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("income");
    QTest::addColumn<bool>("senior");
    QTest::addColumn<int>("children");        // aged 10
    QTest::addColumn<double>("infirmIncome"); // a dependant of 30 with an infirmity; -1 none
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("tax");
    // ON, employment income 40,000: 2,020.00 - 643.72 = 1,376.28; LIFT 875 - 5% x 7,500 =
    // 500.00; premium 300 + 6% x 4,000 capped at 450: 1,326.28.
    QTest::newRow("ON LIFT") << ON << 40000.0 << false << 0 << -1.0 << "lowIncomeCredit" << 500.0
                             << 1326.28;
    // ON caregiver 6,008 - (21,000 - 20,554) = 5,562: (12,747 + 5,562) x 5.05% = 924.60;
    // 3,321.67 - 924.60 + premium 600 = 2,997.07.
    QTest::newRow("ON caregiver") << ON << 60000.0 << false << 0 << 21000.0 << "credits" << 924.6
                                  << 2997.07;
    // NS at 65 with taxable income under 24,000: 2,109.51 - 1,032.30 = 1,077.21, less the
    // age tax credit of 1,000.
    QTest::newRow("NS age tax credit")
        << NS << 23999.0 << true << 0 << -1.0 << "taxReduction" << 1000.0 << 77.21;
    QTest::newRow("NS no age tax credit at 24,000")
        << NS << 24000.0 << true << 0 << -1.0 << "taxReduction" << 0.0 << 1077.30;
    // MB family tax benefit (2,065 - 9% x 20,000) x 10.8% = 28.62 beside 1,704.24:
    // 2,160.00 - 1,732.86 = 427.14.
    QTest::newRow("MB family tax benefit")
        << MB << 20000.0 << false << 0 << -1.0 << "credits" << 1732.86 << 427.14;
    // SK child amount: (19,491 + 7,704) x 10.5% = 2,855.48; 5,613.615 + 6,537 x 12.5% =
    // 6,430.74; 3,575.26.
    QTest::newRow("SK dependent child")
        << SK << 60000.0 << false << 1 << -1.0 << "credits" << 2855.48 << 3575.26;
}

void TestProvincialTax::provincesOwnSteps()
{
    QFETCH(int, province);
    QFETCH(double, income);
    QFETCH(bool, senior);
    QFETCH(int, children);
    QFETCH(double, infirmIncome);
    QFETCH(QString, line);
    QFETCH(double, value);
    QFETCH(double, tax);
    LoadedProvince p(province);
    QVERIFY(p.loaded());
    if (senior)
        p.t1.birthDate = QDate(1958, 3, 1);
    p.t1.canadaEmploymentBase = income;
    const int infirm = infirmIncome >= 0 ? 1 : 0;
    p.dependants.AllocData(children + infirm);
    for (int i = 0; i < children; ++i) {
        p.dependants.record(i).birthDate = QDate(2015, 6, 1);
        p.dependants.record(i).relationship = 1;
    }
    if (infirm) {
        DependantRecord &record = p.dependants.record(children);
        record.birthDate = QDate(1995, 6, 1);
        record.relationship = 9;
        record.infirm = 1;
        record.netIncome = infirmIncome;
    }
    p.calculate(income);
    QCOMPARE(p.line(line.toUtf8().constData()), value);
    QCOMPARE(double(p.t1.f42800), tax);
}

namespace {

// A person of the province tests whose return the row prepares, with the 428 line it shows.
struct StepRow
{
    const char *name;
    int province;
    double income; // net and taxable income
    void (*prepare)(LoadedProvince &p, TaxData_Sch5 &sch5);
    const char *line;
    double value;
    double tax;
};

void addChildren(LoadedProvince &p, int children)
{
    p.dependants.AllocData(children);
    for (int i = 0; i < children; ++i) {
        p.dependants.record(i).birthDate = QDate(2015, 6, 1);
        p.dependants.record(i).relationship = 1;
    }
}

const std::vector<StepRow> &stepRows()
{
    static const std::vector<StepRow> rows = {
        // Employment 30,000, a spouse of net income 40,000: 5% x (70,000 - 65,000) = 250 off
        // 875. Tax 1,515.00 - 643.72 = 871.28 (above the reduction's 588); LIFT 625.00; the
        // premium 300: 546.28.
        {"ON LIFT of a couple", ON, 30000,
         [](LoadedProvince &p, TaxData_Sch5 &) {
             p.t1.maritalStatus = 0;
             p.t1.spouseNetIncome = 40000;
             p.t1.canadaEmploymentBase = 30000;
         },
         "lowIncomeCredit", 625, 546.28},
        // Adoption expenses of 20,000 count up to 15,551: (12,747 + 15,551) x 5.05% =
        // 1,429.05; 3,321.67 - 1,429.05 + premium 600 = 2,492.62.
        {"ON adoption at its maximum", ON, 60000,
         [](LoadedProvince &p, TaxData_Sch5 &) { p.t1.f31300 = 20000; }, "creditAmounts", 28298,
         2492.62},
        // The self-employed CPP (31000) and EI (31217) lines count as the payroll ones:
        // 22,323 + 1,000 + 200 = 23,523; x 8% = 1,881.84; 4,000 - 1,881.84 = 2,118.16.
        {"AB self-employed CPP and EI", AB, 50000,
         [](LoadedProvince &p, TaxData_Sch5 &) {
             p.t1.f31000 = 1000;
             p.t1.f31217 = 200;
         },
         "creditAmounts", 23523, 2118.16},
        // A dependant of 30 with an infirmity and net income 21,000: the caregiver amount
        // 5,839 - 1,058 = 4,781, not the smaller infirm dependant amount. (13,396 + 4,781) x
        // 9.4% = 1,708.64; 4,822.76 + 8,694 x 14% = 6,039.92; 4,331.28.
        {"NB caregiver", NB, 60000,
         [](LoadedProvince &p, TaxData_Sch5 &) {
             p.dependants.AllocData(1);
             DependantRecord &record = p.dependants.record(0);
             record.birthDate = QDate(1995, 6, 1);
             record.relationship = 9;
             record.infirm = 1;
             record.netIncome = 21000;
         },
         "creditAmounts", 18177, 4331.28},
        // NS, a spouse of net income 0 and two children: 300 + 300 + 2 x 165 = 930 less 5% x
        // (20,000 - 15,000) = 680. Tax 1,758.00 - 1,032.30 = 725.70; 45.70.
        {"NS low-income reduction of a family", NS, 20000,
         [](LoadedProvince &p, TaxData_Sch5 &) {
             p.t1.maritalStatus = 0;
             addChildren(p, 2);
         },
         "lowIncomeCredit", 680, 45.7},
        // A couple of net incomes 13,500 and 13,000: 300 + 300 less 5% x (26,500 - 15,000) =
        // 25.00, claimed by the higher-income spouse. 13,500: 1,186.65 - 1,032.30 = 154.35,
        // less 25.00: 129.35; 13,000: 1,142.70 - 1,032.30 = 110.40, nothing off.
        {"NS low-income reduction, higher-income spouse", NS, 13500,
         [](LoadedProvince &p, TaxData_Sch5 &) {
             p.t1.maritalStatus = 0;
             p.t1.spouseNetIncome = 13000;
         },
         "lowIncomeCredit", 25, 129.35},
        {"NS low-income reduction, lower-income spouse", NS, 13000,
         [](LoadedProvince &p, TaxData_Sch5 &) {
             p.t1.maritalStatus = 0;
             p.t1.spouseNetIncome = 13500;
         },
         "lowIncomeCredit", 0, 110.4},
        // PE, a single parent claiming the elder of two children as eligible dependant: 350
        // + 350 + 1 x 300 = 1,000 less 5% x (35,000 - 22,250) = 362.50. Credits (14,250 +
        // 12,103) x 9.5% = 2,503.54; tax 3,166.16 + 1,672 x 13.47% = 3,391.38; 887.84 less
        // 362.50: 525.34.
        {"PE low-income reduction of a single parent", PE, 35000,
         [](LoadedProvince &p, TaxData_Sch5 &sch5) {
             addChildren(p, 2);
             sch5.eligibleDependants = 1;
         },
         "lowIncomeCredit", 362.5, 525.34},
        // Yukon takes the federal lines: 16,129 + age 30100 8,500 + spouse 30300 6,000 +
        // Canada employment 31260 1,471 + pension 31400 2,000 + disability 31600 10,138 +
        // medical 33200 500 = 44,738; x 6.4% = 2,863.23; 40,000 x 6.4% = 2,560.00: no tax.
        {"YT federal amounts", YT, 40000,
         [](LoadedProvince &p, TaxData_Sch5 &) {
             p.t1.f30100 = 8500;
             p.t1.f30300 = 6000;
             p.t1.f31260 = 1471;
             p.t1.f31400 = 2000;
             p.t1.f31600 = 10138;
             p.t1.f33200 = 500;
         },
         "creditAmounts", 44738, 0},
        // Non-eligible dividends of 11,500 (taxable) at 2.519%: 289.69; 60,000 has tax
        // 5,613.62 + 6,537 x 12.5% = 6,430.74 less 2,046.56: 4,384.18; 4,094.49.
        {"SK non-eligible dividends", SK, 60000,
         [](LoadedProvince &p, TaxData_Sch5 &) { p.t1.f12010 = 11500; }, "dividendCredit", 289.69,
         4094.49},
    };
    return rows;
}

} // namespace

void TestProvincialTax::creditsAndReductions_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < stepRows().size(); ++i)
        QTest::newRow(stepRows()[i].name) << int(i);
}

void TestProvincialTax::creditsAndReductions()
{
    QFETCH(int, index);
    const StepRow &row = stepRows()[std::size_t(index)];
    LoadedProvince p(row.province);
    QVERIFY(p.loaded());
    TaxData_Sch5 sch5;
    row.prepare(p, sch5);
    p.calculate(row.income, &sch5);
    QCOMPARE(p.line(row.line), row.value);
    QCOMPARE(double(p.t1.f42800), row.tax);
}

void TestProvincialTax::thresholdsAppended()
{
    LoadedProvince p(MB);
    QVERIFY(p.loaded());
    QList<double> thresholds{57375};
    p.manager().getProvincialThresholds(thresholds);
    QCOMPARE(thresholds, (QList<double>{57375, 47000, 100000}));
}

void TestProvincialTax::instalmentAmounts()
{
    LoadedProvince p(NB);
    QVERIFY(p.loaded());
    p.calculate(51306);
    double tax = -1;
    double refundable = -1;
    double other = -1;
    QVERIFY(p.manager().getProvincialAmount(63855, &tax));
    QVERIFY(p.manager().getProvincialAmount(63856, &refundable));
    QVERIFY(!p.manager().getProvincialAmount(63857, &other));
    QCOMPARE(tax, 3563.54);
    QCOMPARE(refundable, 0.0);
    QCOMPARE(other, -1.0);
}

// The plug-ins write nothing and show nothing: no application object is needed.
QTEST_GUILESS_MAIN(TestProvincialTax)
#include "tst_ProvincialTax.moc"
