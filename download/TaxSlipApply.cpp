// TaxSlip::applyToForm of each downloaded slip kind: which slip form it fills and which value
// goes into which field, in the order written.
#include "download/TaxSlip.h"
#include "download/TaxSlips.h"

#include "marrow/EmploymentSlips.h"
#include "marrow/InvestmentSlips.h"
#include "ordane/AmountTolerance.h"
#include "ordane/ProvinceText.h"
#include "ordane/Utilities.h"

#include <initializer_list>

namespace {

double amountOf(const QByteArray &text)
{
    return myStringToDouble(CString(text));
}

// A code read as a yes/no flag: set when the text reads as more than 0.9.
bool flagOf(const QByteArray &text)
{
    return amountOf(text) > 0.9;
}

// Each box's amount (0 when absent) into the form's field of the same box number.
void writeBoxes(const TaxSlip &slip, CTaxData_Form &form, std::initializer_list<const char *> boxes)
{
    for (const char *box : boxes) {
        CField *field = form.findField(QByteArray("box") + box);
        Q_ASSERT_X(field && field->type() == FieldType::Float, "writeBoxes", box);
        if (field && field->type() == FieldType::Float)
            static_cast<CFloatField *>(field)->setValue(slip.getBoxAmount(box));
    }
}

// The payer, employer, trust or issuer: the slip form's description.
void writeName(CTaxData_Form &form, const QByteArray &utf8)
{
    if (CStringField *name = form.descriptionField())
        *name = CString(utf8);
}

// A box that only counts from kAmountTolerance (the T4 boxes 24 and 26 only): below it, the
// form keeps its own value and flag.
void writeCountedBox(const TaxSlip &slip, const char *box, CFloatField &field, CBoolField &entered)
{
    const double amount = slip.getBoxAmount(box);
    if (amount < kAmountTolerance)
        return;
    field = amount;
    entered = true;
}

} // namespace

int TaxSlip::applyToForm(CTaxData_Form *) const
{
    return 0;
}

int TaxSlipT4::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_T4 *>(target);
    if (!form)
        return 0;
    writeName(*form, employerName);
    form->provinceOfEmployment = getProvince(CString(box10));
    writeBoxes(*this, *form, {"14", "16", "16A", "17", "17A", "18", "20", "22"});
    writeCountedBox(*this, "24", form->box24, form->box24Entered);
    writeCountedBox(*this, "26", form->box26, form->box26Entered);
    form->cppExempt = flagOf(cppQppExemptCode);
    form->eiExempt = flagOf(eiExemptCode);
    writeBoxes(
        *this, *form,
        {"30", "42", "44", "46", "52", "55", "66", "67", "71", "85", "87", "90", "91", "92"});
    return 0;
}

int TaxSlipT4A::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_T4A *>(target);
    if (!form)
        return 0;
    writeName(*form, payerName);
    writeBoxes(*this, *form, {"16",  "18",  "20",  "22",  "24",  "28",  "30",  "32",  "34",  "37",
                              "40",  "42",  "46",  "48",  "104", "105", "106", "107", "109", "118",
                              "119", "124", "125", "127", "128", "131", "135", "196", "197", "198",
                              "199", "200", "201", "202", "203", "204", "210", "211"});
    return 0;
}

int TaxSlipT4AP::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_T4AP *>(target);
    if (!form)
        return 0;
    // Boxes 21 and 23 are month counts; the form keeps them as amounts like the rest.
    form->box14 = amountOf(box14);
    form->box15 = amountOf(box15);
    form->box16 = amountOf(box16);
    form->box17 = amountOf(box17);
    form->box18 = amountOf(box18);
    form->box19 = amountOf(box19);
    form->box20 = amountOf(box20);
    form->box21 = amountOf(box21);
    form->box22 = amountOf(box22);
    form->box23 = amountOf(box23);
    return 0;
}

int TaxSlipT4RSP::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_T4RSP *>(target);
    if (!form)
        return 0;
    writeName(*form, payerName);
    writeBoxes(*this, *form, {"16", "18", "20", "22"});
    // No downloaded element says whether the plan is a spouse's: the flag stays clear.
    form->spousalFlag = false;
    writeBoxes(*this, *form, {"25", "26", "27", "28", "30", "34", "37"});
    form->preSumSlip();
    return 0;
}

int TaxSlipT4E::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_T4E *>(target);
    if (!form)
        return 0;
    writeBoxes(*this, *form,
               {"7", "14", "15", "17", "18", "20", "21", "22", "23", "30", "33", "37"});
    return 0;
}

int TaxSlipT4AOAS::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<CSlipData_T4AOAS *>(target);
    if (!form)
        return 0;
    writeBoxes(*this, *form, {"18", "19", "20", "21", "22", "23"});
    return 0;
}

int TaxSlipT4RIF::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_T4RIF *>(target);
    if (!form)
        return 0;
    writeName(*form, payerName);
    writeBoxes(*this, *form, {"16", "18", "20", "22", "24", "28", "37"});
    form->preSumSlip();
    return 0;
}

int TaxSlipT5::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_T5 *>(target);
    if (!form)
        return 0;
    writeName(*form, payerName);
    writeBoxes(*this, *form,
               {"10", "11", "12", "13", "14", "15", "16", "17", "18", "24", "25", "26", "34"});
    form->preSumSlip();
    return 0;
}

int TaxSlipT3::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_T3 *>(target);
    if (!form)
        return 0;
    writeName(*form, trustName);
    writeBoxes(
        *this, *form,
        {"21", "23", "25", "26", "30", "32", "34", "38", "39", "49", "50", "51", "55", "57", "59"});
    form->preSumSlip();
    return 0;
}

int TaxSlipT5007::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<CSlipData_T5007 *>(target);
    if (!form)
        return 0;
    writeName(*form, payerName);
    form->box10 = amountOf(box10);
    form->box11 = amountOf(box11);
    return 0;
}

int TaxSlipT5013::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_T5013 *>(target);
    if (!form)
        return 0;
    writeName(*form, payerName);
    writeBoxes(*this, *form, {"5", "137", "151"});
    return 0;
}

int TaxSlipRC62::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_RC62 *>(target);
    if (!form)
        return 0;
    writeBoxes(*this, *form, {"10", "12"});
    return 0;
}

int TaxSlipRC210::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_RC210 *>(target);
    if (!form)
        return 0;
    writeBoxes(*this, *form, {"10", "11"});
    return 0;
}

int TaxSlipMBRentalAssistSlip::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_MBShelterAssist *>(target);
    if (!form)
        return 0;
    writeName(*form, payerName);
    form->benefit = amountOf(allowanceAmount);
    return 0;
}

int TaxSlipPRPP::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_PRPP *>(target);
    if (!form)
        return 0;
    // The receipt names its contract rather than a payer.
    writeName(*form, contractNumber);
    form->contractNumber = CString(contractNumber);
    form->versionDescription = CString(prppVersionDescription);
    form->employeeCurrentYear = amountOf(employeeCurrentYear);
    form->employeePriorYear = amountOf(employeePriorYear);
    form->employer = amountOf(employerContribution);
    form->exemptCurrentYear = amountOf(employeeCurrentYearExemptIncome);
    form->exemptPriorYear = amountOf(employeePriorYearExemptIncome);
    return 0;
}

int TaxSlipT1204::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_T1204 *>(target);
    if (!form)
        return 0;
    form->box82 = amountOf(box82);
    form->box84 = amountOf(box84);
    return 0;
}

int TaxSlipT2202::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_T2202 *>(target);
    if (!form)
        return 1;
    form->box10 = CString(getBoxText("10"));
    form->box11 = CString(getBoxText("11"));
    form->box12 = CString(getBoxText("12"));
    form->box13 = CString(getBoxText("13"));
    form->box14 = CString(getBoxText("14"));
    form->box15 = CString(getBoxText("15"));
    // Sessions the slip does not have keep what the form holds.
    const int sessions = qBound(0, sessionCount, qMin(MaxSessions, form->periods.rowCount()));
    for (int i = 0; i < sessions; ++i) {
        form->sessionDates.textAt(i, 0) = CString(sessionFrom[i]);
        form->sessionDates.textAt(i, 1) = CString(sessionTo[i]);
        form->periods.intAt(i, 0) = qRound(amountOf(sessionPartTimeMonths[i]));
        form->periods.intAt(i, 1) = qRound(amountOf(sessionFullTimeMonths[i]));
        form->periods.amountAt(i, 2) = amountOf(sessionFees[i]);
    }
    return 0;
}

int TaxSlipT4FHSA::applyToForm(CTaxData_Form *target) const
{
    auto *form = dynamic_cast<TaxData_Slip_T4FHSA *>(target);
    if (!form)
        return 0;
    writeName(*form, issuerPayerName);
    writeBoxes(*this, *form, {"18", "20", "22", "24", "26", "28", "30", "32", "34", "36", "38"});
    return 0;
}
