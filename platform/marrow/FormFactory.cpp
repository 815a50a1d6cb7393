// The factories: one table row per code the form library makes, keyed by the named codes.
#include "marrow/FormFactory.h"

#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TaxData_TaxNote.h"
#include "marrow/TypeCodes.h"
#include "marrow/WizardData.h"

#include <algorithm>
#include <iterator>

namespace {
using Maker = CTaxData_Form *(*)(int code);

// A class whose constructor knows its own code.
template <class Form> CTaxData_Form *make(int)
{
    return new Form;
}

// A class shared by several codes, told which one it is.
template <class Form> CTaxData_Form *makeWithCode(int code)
{
    return new Form(code);
}

struct FactoryRow
{
    int code;
    Maker make;
};

// Rows in ascending code order, so a lookup is a binary search; the checks below refuse to
// compile a table out of order or with a code twice.
constexpr FactoryRow federalForms[] = {
    {FormType::T1, make<TaxData_T1New>},
    {FormType::UNUSED_2, makeWithCode<TaxData_UnusedForm>},
    {FormType::SCH2, make<TaxData_Sch2>},
    {FormType::SCH3, make<TaxData_Sch3>},
    {FormType::UNUSED_5, makeWithCode<TaxData_UnusedForm>},
    {FormType::SCH5, make<TaxData_Sch5>},
    {FormType::SCH7, make<TaxData_Sch7>},
    {FormType::SCH9, make<TaxData_Sch9>},
    {FormType::SCH10, make<TaxData_Sch10>},
    {FormType::SCH11, make<TaxData_Sch11>},
    {FormType::T776, make<TaxData_T776New>},
    {FormType::T778, make<TaxData_T778New>},
    {FormType::T929, make<TaxData_T929New>},
    {FormType::T1163, make<TaxData_T1163New>},
    {FormType::T1172, make<TaxData_T1172New>},
    {FormType::T1212, make<TaxData_T1212New>},
    {FormType::T2038, make<TaxData_T2038New>},
    {FormType::T2042, make<TaxData_T2042New>},
    {FormType::T2204, make<TaxData_T2204_New>},
    {FormType::GST370, make<CTaxData_GST370>},
    {FormType::T1206, make<TaxData_T1206New>},
    {FormType::T626, make<TaxData_T626_New>},
    {FormType::T691, make<TaxData_T691New>},
    {FormType::T936, make<TaxData_T936New>},
    {FormType::T2209, make<TaxData_T2209_2036>},
    {FormType::T2017, make<TaxData_T2017New>},
    {FormType::T5013, make<CTaxData_T5013>},
    {FormType::T1A, make<TaxData_T1ANew>},
    {FormType::T657, make<TaxData_T657New>},
    {FormType::T2222, make<CTaxData_T2222>},
    {FormType::T2121, make<TaxData_T2121New>},
    {FormType::T1DD, make<CTaxData_T1DD>},
    {FormType::RC71, make<CTaxData_RC71>},
    {FormType::T5004, make<TaxData_T5004>},
    {FormType::CPT20, make<TaxData_CPT20_New>},
    {FormType::T777, make<TaxData_T777New>},
    {FormType::T1219, make<CTaxData_T1219>},
    {FormType::TL2, make<TaxData_TL2_New>},
    {FormType::T1KS, makeWithCode<TaxData_T1KSNew>},
    {FormType::T183, make<TaxData_T183New>},
    {FormType::T1153, make<CTaxData_T1153>},
    {FormType::T1135, make<TaxData_T1135New>},
    {FormType::T1M, make<TaxData_T1MNew>},
    {FormType::T1223, make<CTaxData_T1223>},
    {FormType::T746, make<TaxData_T746New>},
    {FormType::T1229, make<CTaxData_T1229>},
    {FormType::T1170, make<TaxData_T1170>},
    {FormType::T1ADJ, make<CTaxData_T1ADJ>},
    {FormType::T1013, make<TaxData_T1013New>},
    {FormType::T1032, make<TaxData_T1032_New>},
    {FormType::SCH6, make<TaxData_Sch6>},
    {FormType::T2205, make<CTaxData_T2205>},
    {FormType::T2125, makeWithCode<TaxData_T2125_New>},
    {FormType::T2125C, makeWithCode<TaxData_T2125_New>},
    {FormType::SCH12MHR, make<TaxData_Sch12_MultigHomeReno>},
    {FormType::RC267, make<TaxData_RC267New>},
    {FormType::RC268, make<TaxData_RC268New>},
    {FormType::RC269, make<TaxData_RC269>},
    {FormType::SCH13, make<TaxData_Sch13>},
    {FormType::RC359, make<TaxData_RC359>},
    {FormType::T2091, makeWithCode<TaxData_T2091>},
    {FormType::RC381, make<TaxData_RC381>},
    {FormType::RC383, make<TaxData_RC383>},
    {FormType::SCH8, make<TaxData_Sch8_14>},
    {FormType::UNUSED_151, makeWithCode<TaxData_UnusedForm>},
    {FormType::SCH12HA, make<TaxData_Sch12_2016>},
    {FormType::T1KSREFILE, makeWithCode<TaxData_T1KSNew>},
    {FormType::T2091WS, makeWithCode<TaxData_T2091>},
    {FormType::T1KSPRIOR, makeWithCode<TaxData_T1KSNew>},
    {FormType::UNUSED_166, makeWithCode<TaxData_UnusedForm>},
    {FormType::T90, make<TaxData_T90>},
    {FormType::T224, make<TaxData_T224>},
    {FormType::T225, make<TaxData_T225>},
    {FormType::T777S, make<TaxData_T777Covid19>},
    {FormType::T185, make<TaxData_T185>},
    {FormType::RC59, make<TaxData_RC59_e>},
    {FormType::RC59X, make<TaxData_RC59X_e>},
    {FormType::T1044, make<TaxData_T1044>},
    {FormType::T2043, make<TaxData_T2043>},
    {FormType::UNUSED_198, makeWithCode<TaxData_UnusedForm>},
    {FormType::T2039, make<TaxData_T2039>},
    {FormType::SCH15, make<TaxData_Sch15>},
    {FormType::T1248SCHD, make<TaxData_T1248SchD>},
    {FormType::INSTCALC, make<TaxData_InstalmentCalc>},
    {FormType::WSD1, make<TaxData_WS_D1>},
    {FormType::T2048, make<TaxData_T2048>},
    {FormType::T1198, make<TaxData_T1198>},
};

constexpr FactoryRow slips[] = {
    {SlipType::T4, make<TaxData_Slip_T4>},
    {SlipType::T4A, make<TaxData_Slip_T4A>},
    {SlipType::T4AP, make<TaxData_Slip_T4AP>},
    {SlipType::T4RSP, make<TaxData_Slip_T4RSP>},
    {SlipType::T4E, make<TaxData_Slip_T4E>},
    {SlipType::T4AOAS, make<CSlipData_T4AOAS>},
    {SlipType::T4RIF, make<TaxData_Slip_T4RIF>},
    {SlipType::T5, make<TaxData_Slip_T5>},
    {SlipType::T3, make<TaxData_Slip_T3>},
    {SlipType::T5003, make<CSlipData_T5003>},
    {SlipType::T5007, make<CSlipData_T5007>},
    {SlipType::T5013, make<TaxData_Slip_T5013>},
    {SlipType::T4PS, make<TaxData_Slip_T4PS>},
    {SlipType::T4ARCA, make<TaxData_Slip_T4ARCA>},
    {SlipType::T5006, make<TaxData_Slip_T5006>},
    {SlipType::RC62, make<TaxData_Slip_RC62>},
    {SlipType::RC210, make<TaxData_Slip_RC210>},
    {SlipType::MBSHELTERASSIST, make<TaxData_Slip_MBShelterAssist>},
    {SlipType::PRPP, make<TaxData_Slip_PRPP>},
    {SlipType::T1204, make<TaxData_Slip_T1204>},
    {SlipType::NR4, make<TaxData_Slip_NR4>},
    {SlipType::T2202, make<TaxData_Slip_T2202>},
    {SlipType::T4FHSA, make<TaxData_Slip_T4FHSA>},
};

constexpr FactoryRow wizardData[] = {
    {WizardType::General, make<TaxData_Wizard_General>},
    {WizardType::LastYear, make<TaxData_LastYearAmounts>},
    {WizardType::Dependants, make<CWizData_Dependant>},
    {WizardType::Medical, make<CWizData_MedExp>},
    {WizardType::Rrsp, make<TaxData_RRSPContrib>},
};

template <std::size_t N> constexpr bool strictlyAscending(const FactoryRow (&rows)[N])
{
    for (std::size_t i = 1; i < N; ++i) {
        if (rows[i - 1].code >= rows[i].code)
            return false;
    }
    return true;
}
static_assert(strictlyAscending(federalForms), "federal form rows out of code order");
static_assert(strictlyAscending(slips), "slip rows out of code order");
static_assert(strictlyAscending(wizardData), "wizard-data rows out of code order");

template <std::size_t N> CTaxData_Form *makeFrom(const FactoryRow (&rows)[N], int code)
{
    const auto row = std::lower_bound(std::begin(rows), std::end(rows), code,
                                      [](const FactoryRow &r, int c) { return r.code < c; });
    if (row == std::end(rows) || row->code != code)
        return nullptr;
    return row->make(code);
}
} // namespace

CTaxData_Form *createFederalForm(int code)
{
    return makeFrom(federalForms, code);
}

CTaxData_Form *createSlip(int code)
{
    return makeFrom(slips, code);
}

TaxData_TaxNote *createNote()
{
    return new TaxData_TaxNote;
}

CTaxData_Form *createWizardData(int type)
{
    return makeFrom(wizardData, type);
}
