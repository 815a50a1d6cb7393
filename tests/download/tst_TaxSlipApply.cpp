// Downloaded slips into slip forms: which field each kind writes, the T4's counted boxes,
// flags and province, the tuition sessions, the pre-summing step and the forms that get
// nothing.
#include <QtTest>

#include "download/TaxSlips.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FormFactory.h"
#include "marrow/InvestmentSlips.h"

#include <memory>

namespace {

constexpr double kUntouched = -7.5;

// Every amount field of the form set to kUntouched, so that a field the slip writes shows.
void markAmounts(CTaxData_Form &form)
{
    for (CField *field : form.fields()) {
        if (field->type() == FieldType::Float)
            static_cast<CFloatField *>(field)->setValue(kUntouched);
    }
}

double amountField(const CTaxData_Form &form, const QByteArray &name)
{
    const CField *field = form.findField(name);
    return field && field->type() == FieldType::Float
               ? static_cast<const CFloatField *>(field)->value()
               : qQNaN();
}

// The value a test gives box i of a list: distinct for each box.
double valueOfBox(int i)
{
    return 100 + i + 0.25;
}

// The name member of the kinds that keep one; false for the others.
bool setName(TaxSlip &slip, const QByteArray &name)
{
    if (auto *t4 = dynamic_cast<TaxSlipT4 *>(&slip))
        t4->employerName = name;
    else if (auto *t4a = dynamic_cast<TaxSlipT4A *>(&slip))
        t4a->payerName = name;
    else if (auto *t4rsp = dynamic_cast<TaxSlipT4RSP *>(&slip))
        t4rsp->payerName = name;
    else if (auto *t4rif = dynamic_cast<TaxSlipT4RIF *>(&slip))
        t4rif->payerName = name;
    else if (auto *t5 = dynamic_cast<TaxSlipT5 *>(&slip))
        t5->payerName = name;
    else if (auto *t3 = dynamic_cast<TaxSlipT3 *>(&slip))
        t3->trustName = name;
    else if (auto *t5013 = dynamic_cast<TaxSlipT5013 *>(&slip))
        t5013->payerName = name;
    else if (auto *fhsa = dynamic_cast<TaxSlipT4FHSA *>(&slip))
        fhsa->issuerPayerName = name;
    else
        return false;
    return true;
}

QString descriptionOf(const CTaxData_Form &form)
{
    return form.descriptionField() ? QString(form.descriptionField()->value()) : QString("-");
}

// A slip form that records each pre-summing run and the watched box as it was then.
template <typename Form> class RecordingForm : public Form
{
public:
    explicit RecordingForm(const char *watched) : m_watched(watched) {}
    void preSumSlip() override
    {
        ++runs;
        const CField *field = this->findField(m_watched);
        seen = field ? static_cast<const CFloatField *>(field)->value() : qQNaN();
        Form::preSumSlip();
    }
    int runs = 0;
    double seen = 0;

private:
    QByteArray m_watched;
};

} // namespace

class TestTaxSlipApply : public QObject
{
    Q_OBJECT

private slots:
    void boxesIntoFields_data();
    void boxesIntoFields();
    void absentBoxesWriteZero_data();
    void absentBoxesWriteZero();
    void memberTexts();
    void prppReceipt();
    void countedT4Boxes_data();
    void countedT4Boxes();
    void exemptFlags_data();
    void exemptFlags();
    void provinceOfEmployment_data();
    void provinceOfEmployment();
    void tuitionSessions();
    void preSumming();
    void noFormOrAnotherClass_data();
    void noFormOrAnotherClass();
};

// The kinds whose amounts come from their boxes: element name, slip-form type, the boxes
// written in order, and whether a name goes into the form's description.
void TestTaxSlipApply::boxesIntoFields_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<int>("formType");
    QTest::addColumn<QList<QByteArray>>("boxes");
    QTest::addColumn<bool>("named");
    QTest::newRow("T4") << QByteArray("T4Slip") << 1
                        << QList<QByteArray>{"14", "16", "16A", "17", "17A", "18", "20", "22",
                                             "24", "26", "30",  "42", "44",  "46", "52", "55",
                                             "66", "67", "71",  "85", "87",  "90", "91", "92"}
                        << true;
    QTest::newRow("T4A") << QByteArray("T4ASlip") << 2
                         << QList<QByteArray>{"16",  "18",  "20",  "22",  "24",  "28",  "30",
                                              "32",  "34",  "37",  "40",  "42",  "46",  "48",
                                              "104", "105", "106", "107", "109", "118", "119",
                                              "124", "125", "127", "128", "131", "135", "196",
                                              "197", "198", "199", "200", "201", "202", "203",
                                              "204", "210", "211"}
                         << true;
    QTest::newRow("T4RSP") << QByteArray("T4RSPSlip") << 4
                           << QList<QByteArray>{"16", "18", "20", "22", "25", "26",
                                                "27", "28", "30", "34", "37"}
                           << true;
    QTest::newRow("T4E") << QByteArray("T4ESlip") << 5
                         << QList<QByteArray>{"7",  "14", "15", "17", "18", "20",
                                              "21", "22", "23", "30", "33", "37"}
                         << false;
    QTest::newRow("T4A(OAS)") << QByteArray("T4AOASSlip") << 6
                              << QList<QByteArray>{"18", "19", "20", "21", "22", "23"} << false;
    QTest::newRow("T4RIF") << QByteArray("T4RIFSlip") << 7
                           << QList<QByteArray>{"16", "18", "20", "22", "24", "28", "37"} << true;
    QTest::newRow("T5") << QByteArray("T5Slip") << 8
                        << QList<QByteArray>{"10", "11", "12", "13", "14", "15", "16",
                                             "17", "18", "24", "25", "26", "34"}
                        << true;
    QTest::newRow("T3") << QByteArray("T3Slip") << 9
                        << QList<QByteArray>{"21", "23", "25", "26", "30", "32", "34", "38",
                                             "39", "49", "50", "51", "55", "57", "59"}
                        << true;
    QTest::newRow("T5013") << QByteArray("T5013Slip") << 13 << QList<QByteArray>{"5", "137", "151"}
                           << true;
    QTest::newRow("RC62") << QByteArray("RC62Slip") << 17 << QList<QByteArray>{"10", "12"} << false;
    QTest::newRow("RC210") << QByteArray("RC210Slip") << 18 << QList<QByteArray>{"10", "11"}
                           << false;
    QTest::newRow("T4FHSA") << QByteArray("T4FHSASlip") << 26
                            << QList<QByteArray>{"18", "20", "22", "24", "26", "28",
                                                 "30", "32", "34", "36", "38"}
                            << true;
}

void TestTaxSlipApply::boxesIntoFields()
{
    QFETCH(QByteArray, element);
    QFETCH(int, formType);
    QFETCH(QList<QByteArray>, boxes);
    QFETCH(bool, named);

    const std::unique_ptr<TaxSlip> slip = createTaxSlip(element.constData());
    QVERIFY(slip);
    for (int i = 0; i < boxes.size(); ++i)
        slip->boxes[boxes[i]] = CString(QByteArray::number(valueOfBox(i), 'f', 2));
    // A box no kind writes, and a box the kind shows but does not apply, change nothing.
    slip->boxes["999"] = CString("55");
    QCOMPARE(setName(*slip, QByteArray("Caisse Populaire \xc3\x89rable")), named);

    std::unique_ptr<CTaxData_Form> form(createSlip(formType));
    QVERIFY(form);
    markAmounts(*form);
    QCOMPARE(slip->applyToForm(form.get()), 0);

    for (int i = 0; i < boxes.size(); ++i)
        QCOMPARE(amountField(*form, "box" + boxes[i]), valueOfBox(i));
    QCOMPARE(descriptionOf(*form),
             named ? QString::fromUtf8("Caisse Populaire Érable") : QString());
    // The lettered amounts no box feeds keep what the form held.
    for (const CField *field : form->fields()) {
        if (field->type() == FieldType::Float && field->name().startsWith("amt") &&
            !field->name().endsWith("Share"))
            QCOMPARE(static_cast<const CFloatField *>(field)->value(), kUntouched);
    }
}

void TestTaxSlipApply::absentBoxesWriteZero_data()
{
    boxesIntoFields_data();
}

// A box the slip does not have writes 0 over the form's value: only the T4's boxes 24 and 26
// keep the form's own value.
void TestTaxSlipApply::absentBoxesWriteZero()
{
    QFETCH(QByteArray, element);
    QFETCH(int, formType);
    QFETCH(QList<QByteArray>, boxes);

    const std::unique_ptr<TaxSlip> slip = createTaxSlip(element.constData());
    std::unique_ptr<CTaxData_Form> form(createSlip(formType));
    markAmounts(*form);
    slip->applyToForm(form.get());
    for (const QByteArray &box : boxes) {
        const bool counted = formType == 1 && (box == "24" || box == "26");
        QCOMPARE(amountField(*form, "box" + box), counted ? kUntouched : 0.0);
    }
}

// The kinds that keep their amounts in members of their own.
void TestTaxSlipApply::memberTexts()
{
    TaxSlipT4AP pension;
    const QByteArray texts[] = {"1.5", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
    QByteArray *members[] = {&pension.box13, &pension.box14, &pension.box15, &pension.box16,
                             &pension.box17, &pension.box18, &pension.box19, &pension.box20,
                             &pension.box21, &pension.box22, &pension.box23};
    for (int i = 0; i < 11; ++i)
        *members[i] = texts[i];
    pension.box21 = "12"; // months
    pension.box16 = "1,234.50";
    TaxData_Slip_T4AP pensionForm;
    markAmounts(pensionForm);
    QCOMPARE(pension.applyToForm(&pensionForm), 0);
    QCOMPARE(double(pensionForm.box14), 2.0);
    QCOMPARE(double(pensionForm.box15), 3.0);
    QCOMPARE(double(pensionForm.box16), 1234.5);
    QCOMPARE(double(pensionForm.box17), 5.0);
    QCOMPARE(double(pensionForm.box18), 6.0);
    QCOMPARE(double(pensionForm.box19), 7.0);
    QCOMPARE(double(pensionForm.box20), 8.0);
    QCOMPARE(double(pensionForm.box21), 12.0);
    QCOMPARE(double(pensionForm.box22), 10.0);
    QCOMPARE(double(pensionForm.box23), 11.0);
    QCOMPARE(double(pensionForm.amtA), kUntouched);

    TaxSlipT5007 benefits;
    benefits.payerName = "Workers Board";
    benefits.box10 = "800.10";
    benefits.box11 = "";
    CSlipData_T5007 benefitsForm;
    markAmounts(benefitsForm);
    benefits.applyToForm(&benefitsForm);
    QCOMPARE(descriptionOf(benefitsForm), QString("Workers Board"));
    QCOMPARE(double(benefitsForm.box10), 800.1);
    QCOMPARE(double(benefitsForm.box11), 0.0);
    QCOMPARE(double(benefitsForm.amtA), kUntouched);

    TaxSlipT1204 contract;
    contract.payerName = "Public Works";
    contract.box82 = "3000";
    contract.box84 = "450.5";
    TaxData_Slip_T1204 contractForm;
    contract.applyToForm(&contractForm);
    QCOMPARE(double(contractForm.box82), 3000.0);
    QCOMPARE(double(contractForm.box84), 450.5);
    QCOMPARE(descriptionOf(contractForm), QString()); // the payer is not applied

    TaxSlipMBRentalAssistSlip shelter;
    shelter.payerName = "Manitoba Housing";
    shelter.allowanceAmount = " 640.00 ";
    TaxData_Slip_MBShelterAssist shelterForm;
    shelter.applyToForm(&shelterForm);
    QCOMPARE(descriptionOf(shelterForm), QString("Manitoba Housing"));
    QCOMPARE(double(shelterForm.benefit), 640.0);
}

void TestTaxSlipApply::prppReceipt()
{
    TaxSlipPRPP receipt;
    receipt.contractNumber = "PRPP-0042";
    receipt.versionDescription = "Original";
    receipt.prppVersionDescription = "Amended";
    receipt.employeeCurrentYear = "100";
    receipt.employeePriorYear = "200";
    receipt.employerContribution = "300";
    receipt.employeeCurrentYearExemptIncome = "40";
    receipt.employeePriorYearExemptIncome = "50";
    TaxData_Slip_PRPP form;
    QCOMPARE(receipt.applyToForm(&form), 0);
    QCOMPARE(descriptionOf(form), QString("PRPP-0042"));
    QCOMPARE(QString(form.contractNumber.value()), QString("PRPP-0042"));
    QCOMPARE(QString(form.versionDescription.value()), QString("Amended"));
    QCOMPARE(double(form.employeeCurrentYear), 100.0);
    QCOMPARE(double(form.employeePriorYear), 200.0);
    QCOMPARE(double(form.employer), 300.0);
    QCOMPARE(double(form.exemptCurrentYear), 40.0);
    QCOMPARE(double(form.exemptPriorYear), 50.0);
}

void TestTaxSlipApply::countedT4Boxes_data()
{
    QTest::addColumn<QString>("text"); // "-" leaves the box out
    QTest::addColumn<double>("field");
    QTest::addColumn<bool>("entered");
    QTest::newRow("absent") << "-" << kUntouched << false;
    QTest::newRow("zero") << "0" << kUntouched << false;
    QTest::newRow("below the threshold") << "0.005" << kUntouched << false;
    QTest::newRow("at the threshold") << "0.009" << 0.009 << true;
    QTest::newRow("an amount") << "61500.00" << 61500.0 << true;
    QTest::newRow("negative") << "-12" << kUntouched << false;
}

// Boxes 24 and 26 are written with their entered flags only when they count.
void TestTaxSlipApply::countedT4Boxes()
{
    QFETCH(QString, text);
    QFETCH(double, field);
    QFETCH(bool, entered);
    for (const char *box : {"24", "26"}) {
        TaxSlipT4 slip;
        if (text != "-")
            slip.boxes[box] = CString(text);
        TaxData_Slip_T4 form;
        markAmounts(form);
        slip.applyToForm(&form);
        const bool is24 = QByteArray(box) == "24";
        QCOMPARE(double(is24 ? form.box24 : form.box26), field);
        QCOMPARE(bool(is24 ? form.box24Entered : form.box26Entered), entered);
        // The other box stays as the form had it.
        QCOMPARE(double(is24 ? form.box26 : form.box24), kUntouched);
        QVERIFY(!(is24 ? form.box26Entered : form.box24Entered));
    }
}

void TestTaxSlipApply::exemptFlags_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<bool>("flag");
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("0") << QByteArray("0") << false;
    QTest::newRow("none") << QByteArray() << false;
    QTest::newRow("0.9") << QByteArray("0.9") << false;
    QTest::newRow("0.95") << QByteArray("0.95") << true;
    QTest::newRow("Y is not a number") << QByteArray("Y") << false;
}

// The CPP/QPP and EI exemption codes set their flags; a set flag is cleared by a code of 0.
void TestTaxSlipApply::exemptFlags()
{
    QFETCH(QByteArray, code);
    QFETCH(bool, flag);
    TaxSlipT4 cpp;
    cpp.cppQppExemptCode = code;
    TaxData_Slip_T4 cppForm;
    cppForm.cppExempt = !flag;
    cppForm.eiExempt = true;
    cpp.applyToForm(&cppForm);
    QCOMPARE(bool(cppForm.cppExempt), flag);
    QVERIFY(!cppForm.eiExempt); // no EI code: cleared

    TaxSlipT4 ei;
    ei.eiExemptCode = code;
    ei.ppipExemptCode = "1"; // kept on the summary page only
    TaxData_Slip_T4 eiForm;
    eiForm.eiExempt = !flag;
    ei.applyToForm(&eiForm);
    QCOMPARE(bool(eiForm.eiExempt), flag);
    QVERIFY(!eiForm.cppExempt);
}

void TestTaxSlipApply::provinceOfEmployment_data()
{
    QTest::addColumn<QByteArray>("box10");
    QTest::addColumn<int>("province");
    QTest::newRow("ON") << QByteArray("ON") << 9;
    QTest::newRow("qc") << QByteArray("qc") << 11;
    QTest::newRow("Nunavut") << QByteArray("Nunavut") << 8;
    QTest::newRow("XX") << QByteArray("XX") << 0;
    QTest::newRow("absent") << QByteArray() << 0;
}

void TestTaxSlipApply::provinceOfEmployment()
{
    QFETCH(QByteArray, box10);
    QFETCH(int, province);
    TaxSlipT4 slip;
    slip.box10 = box10;
    TaxData_Slip_T4 form;
    form.provinceOfEmployment = 5;
    slip.applyToForm(&form);
    QCOMPARE(int(form.provinceOfEmployment), province);
}

// Two sessions fill the first two rows; rows 3 and 4 keep what the form held.
void TestTaxSlipApply::tuitionSessions()
{
    TaxSlipT2202 slip;
    slip.boxes["10"] = CString("  1 ");
    slip.boxes["11"] = CString("Northern College");
    slip.boxes["13"] = CString("S-12345");
    slip.boxes["15"] = CString("Nursing\t");
    slip.sessionCount = 2;
    slip.sessionFrom[0] = "2025/01";
    slip.sessionTo[0] = "2025/04";
    slip.sessionPartTimeMonths[0] = "0";
    slip.sessionFullTimeMonths[0] = "4";
    slip.sessionFees[0] = "3,200.50";
    slip.sessionFrom[1] = "2025/09";
    slip.sessionTo[1] = "2025/12";
    slip.sessionPartTimeMonths[1] = "4";
    slip.sessionFullTimeMonths[1] = "";
    slip.sessionFees[1] = "800";
    // A third session the slip holds but does not count is not applied.
    slip.sessionFrom[2] = "2026/01";
    slip.sessionFees[2] = "999";

    TaxData_Slip_T2202 form;
    form.box12 = QString("kept? no");
    for (int row = 0; row < 4; ++row) {
        form.periods.intAt(row, 0) = 9;
        form.periods.intAt(row, 1) = 9;
        form.periods.amountAt(row, 2) = 99.0;
        form.sessionDates.textAt(row, 0) = QString("from %1").arg(row);
        form.sessionDates.textAt(row, 1) = QString("to %1").arg(row);
    }
    QCOMPARE(slip.applyToForm(&form), 0);

    QCOMPARE(QString(form.box10.value()), QString("1"));
    QCOMPARE(QString(form.box11.value()), QString("Northern College"));
    QCOMPARE(QString(form.box12.value()), QString()); // absent box: empty text
    QCOMPARE(QString(form.box13.value()), QString("S-12345"));
    QCOMPARE(QString(form.box14.value()), QString());
    QCOMPARE(QString(form.box15.value()), QString("Nursing"));

    QCOMPARE(QString(form.sessionDates.textAt(0, 0).value()), QString("2025/01"));
    QCOMPARE(QString(form.sessionDates.textAt(0, 1).value()), QString("2025/04"));
    QCOMPARE(int(form.periods.intAt(0, 0)), 0);
    QCOMPARE(int(form.periods.intAt(0, 1)), 4);
    QCOMPARE(double(form.periods.amountAt(0, 2)), 3200.5);
    QCOMPARE(QString(form.sessionDates.textAt(1, 0).value()), QString("2025/09"));
    QCOMPARE(QString(form.sessionDates.textAt(1, 1).value()), QString("2025/12"));
    QCOMPARE(int(form.periods.intAt(1, 0)), 4);
    QCOMPARE(int(form.periods.intAt(1, 1)), 0);
    QCOMPARE(double(form.periods.amountAt(1, 2)), 800.0);
    for (int row = 2; row < 4; ++row) {
        QCOMPARE(int(form.periods.intAt(row, 0)), 9);
        QCOMPARE(int(form.periods.intAt(row, 1)), 9);
        QCOMPARE(double(form.periods.amountAt(row, 2)), 99.0);
        QCOMPARE(QString(form.sessionDates.textAt(row, 0).value()), QString("from %1").arg(row));
        QCOMPARE(QString(form.sessionDates.textAt(row, 1).value()), QString("to %1").arg(row));
    }
}

// T5, T3, T4RSP and T4RIF run the form's pre-summing once, after their boxes; a T4 never.
void TestTaxSlipApply::preSumming()
{
    TaxSlipT5 t5;
    t5.boxes["10"] = CString("250");
    RecordingForm<TaxData_Slip_T5> t5Form("box10");
    t5.applyToForm(&t5Form);
    QCOMPARE(t5Form.runs, 1);
    QCOMPARE(t5Form.seen, 250.0);
    // The form's own pre-summing ran: its share of box 10 is worked out.
    QCOMPARE(double(t5Form.box10Share), 250.0);

    TaxSlipT3 t3;
    t3.boxes["21"] = CString("75");
    RecordingForm<TaxData_Slip_T3> t3Form("box21");
    t3.applyToForm(&t3Form);
    QCOMPARE(t3Form.runs, 1);
    QCOMPARE(t3Form.seen, 75.0);

    TaxSlipT4RSP rsp;
    rsp.boxes["16"] = CString("60");
    RecordingForm<TaxData_Slip_T4RSP> rspForm("box16");
    rspForm.spousalFlag = true;
    rsp.applyToForm(&rspForm);
    QCOMPARE(rspForm.runs, 1);
    QCOMPARE(rspForm.seen, 60.0);
    QVERIFY(!rspForm.spousalFlag); // nothing downloaded sets it

    TaxSlipT4RIF rif;
    rif.boxes["16"] = CString("90");
    RecordingForm<TaxData_Slip_T4RIF> rifForm("box16");
    rif.applyToForm(&rifForm);
    QCOMPARE(rifForm.runs, 1);
    QCOMPARE(rifForm.seen, 90.0);

    TaxSlipT4 t4;
    t4.boxes["14"] = CString("1000");
    RecordingForm<TaxData_Slip_T4> t4Form("box14");
    t4.applyToForm(&t4Form);
    QCOMPARE(t4Form.runs, 0);
}

void TestTaxSlipApply::noFormOrAnotherClass_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<int>("otherType");
    QTest::addColumn<int>("result");
    QTest::newRow("T4 onto a T4A") << QByteArray("T4Slip") << 2 << 0;
    QTest::newRow("T4A onto a T4") << QByteArray("T4ASlip") << 1 << 0;
    QTest::newRow("T4AP onto a T4") << QByteArray("T4APSlip") << 1 << 0;
    QTest::newRow("T4RSP onto a T4RIF") << QByteArray("T4RSPSlip") << 7 << 0;
    QTest::newRow("T4E onto a T4") << QByteArray("T4ESlip") << 1 << 0;
    QTest::newRow("T4A(OAS) onto a T4") << QByteArray("T4AOASSlip") << 1 << 0;
    QTest::newRow("T4RIF onto a T4RSP") << QByteArray("T4RIFSlip") << 4 << 0;
    QTest::newRow("T5 onto a T3") << QByteArray("T5Slip") << 9 << 0;
    QTest::newRow("T3 onto a T5") << QByteArray("T3Slip") << 8 << 0;
    QTest::newRow("T5007 onto a T4") << QByteArray("T5007Slip") << 1 << 0;
    QTest::newRow("T5013 onto a T4") << QByteArray("T5013Slip") << 1 << 0;
    QTest::newRow("RC62 onto an RC210") << QByteArray("RC62Slip") << 18 << 0;
    QTest::newRow("RC210 onto an RC62") << QByteArray("RC210Slip") << 17 << 0;
    QTest::newRow("Manitoba onto a T4") << QByteArray("ManitobaRentAssistSlip") << 1 << 0;
    QTest::newRow("PRPP onto a T4") << QByteArray("PRPPSlip") << 1 << 0;
    QTest::newRow("T1204 onto a T4") << QByteArray("T1204Slip") << 1 << 0;
    QTest::newRow("T2202 onto a T4") << QByteArray("T2202Slip") << 1 << 1;
    QTest::newRow("T4FHSA onto a T4") << QByteArray("T4FHSASlip") << 1 << 0;
    QTest::newRow("T5008 onto a T4") << QByteArray("T5008Slip") << 1 << 0;
    QTest::newRow("receipt onto a T4") << QByteArray("RRSPContributionReceiptSlip") << 1 << 0;
}

// A null form or a form of another class is left exactly as it was.
void TestTaxSlipApply::noFormOrAnotherClass()
{
    QFETCH(QByteArray, element);
    QFETCH(int, otherType);
    QFETCH(int, result);
    const std::unique_ptr<TaxSlip> slip = createTaxSlip(element.constData());
    QVERIFY(slip);
    for (const char *box : {"10", "14", "16", "18", "20", "21", "82"})
        slip->boxes[box] = CString("123");
    setName(*slip, "Someone");
    QCOMPARE(slip->applyToForm(nullptr), result);

    std::unique_ptr<CTaxData_Form> form(createSlip(otherType));
    std::unique_ptr<CTaxData_Form> fresh(createSlip(otherType));
    markAmounts(*form);
    markAmounts(*fresh);
    QCOMPARE(slip->applyToForm(form.get()), result);
    QVERIFY(form->fieldsEqual(*fresh));
    QCOMPARE(form->getFlags(), 0);
}

QTEST_GUILESS_MAIN(TestTaxSlipApply)
#include "tst_TaxSlipApply.moc"
