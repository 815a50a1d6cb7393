// Line records of the form classes: the registry default, the T1 and the statement forms.
#include "marrow/EfileRecords.h"

#include "marrow/BusinessForms.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "ordane/CField.h"
#include "ordane/NetfileRecords.h"

namespace {

// A field name of exactly five digits is a line code.
int lineCodeOf(const CField &field)
{
    if (field.nameSize() != 5)
        return 0;
    int code = 0;
    for (int i = 0; i < 5; ++i) {
        const char c = field.nameData()[i];
        if (c < '0' || c > '9')
            return 0;
        code = code * 10 + (c - '0');
    }
    return code;
}

// A statement's gross and net income as the dollar records of its kind.
int writeStatement(int grossCode, double gross, int netCode, double net,
                   NetfileGenObjParamStru &param)
{
    NETFILE_DOLLAR_VALUE_Func(grossCode, gross, param);
    NETFILE_DOLLAR_VALUE_Func(netCode, net, param);
    return 2;
}

} // namespace

const QList<int> &t1DerivedNetfileCodes()
{
    static const QList<int> codes{12599, 12600, 13499, 13500, 14299, 14300, 14099, 14100, 13899,
                                  13900, 13699, 13700, 12700, 54950, 50329, 50330, 50340, 50339,
                                  9915,  55290, 55220, 57730, 55320, 55300, 67650, 67830, 67924,
                                  67926, 67820, 67860, 67840, 67910, 68080, 68100, 68110, 49000};
    return codes;
}

const QSet<int> &t1OwnLineCodes()
{
    static const QSet<int> codes = [] {
        QSet<int> lines;
        const TaxData_T1New t1;
        for (const CField *field : t1.fields()) {
            const int code = field->type() == FieldType::Float ? lineCodeOf(*field) : 0;
            if (code != 0 && !t1DerivedNetfileCodes().contains(code))
                lines.insert(code);
        }
        return lines;
    }();
    return codes;
}

int writeLineAmountFields(const CTaxData_Form &form, NetfileGenObjParamStru &param,
                          const QList<int> &skip)
{
    int written = 0;
    for (const CField *field : form.fields()) {
        if (field->type() != FieldType::Float)
            continue;
        const int code = lineCodeOf(*field);
        if (code == 0 || skip.contains(code))
            continue;
        const double amount = *static_cast<const CFloatField *>(field);
        if (qAbs(amount) < kAmountTolerance)
            continue;
        NETFILE_DOLLAR_VALUE_Func(code, amount, param);
        ++written;
    }
    return written;
}

int CTaxData_Form::writeEfileRecords(int, NetfileGenObjParamStru &param)
{
    return writeLineAmountFields(*this, param);
}

int TaxData_T1New::writeEfileRecords(int, NetfileGenObjParamStru &param)
{
    return writeLineAmountFields(*this, param, t1DerivedNetfileCodes());
}

int TaxData_T1KSNew::writeEfileRecords(int, NetfileGenObjParamStru &)
{
    // The summary and its copies keep the T1's figures under the T1's names for the summary
    // page and the re-file comparison; the return's lines are the T1's alone.
    return 0;
}

int TaxData_T776New::writeEfileRecords(int, NetfileGenObjParamStru &param)
{
    // The year's rents, as the statement shows them; the other rental income the calculation
    // hands the form is no part of them.
    return writeStatement(12599, grossRental, 12600, netRental, param);
}

int TaxData_T1163New::writeEfileRecords(int, NetfileGenObjParamStru &param)
{
    return writeStatement(14099, grossIncome, 14100, netIncome, param);
}

int TaxData_T2042New::writeEfileRecords(int, NetfileGenObjParamStru &param)
{
    return writeStatement(14099, grossIncome, 14100, netIncome, param);
}

int TaxData_T2121New::writeEfileRecords(int, NetfileGenObjParamStru &param)
{
    return writeStatement(14299, grossIncome, 14300, netIncome, param);
}

int TaxData_T2125_New::writeEfileRecords(int, NetfileGenObjParamStru &param)
{
    // Form 131 is the commission statement; kind 1 of form 125 the professional one.
    if (getType() == FormType::T2125C)
        return writeStatement(13899, grossIncome, 13900, countedNetIncome(), param);
    if (kind == 1)
        return writeStatement(13699, grossIncome, 13700, countedNetIncome(), param);
    return writeStatement(13499, grossIncome, 13500, countedNetIncome(), param);
}

bool CTaxData_T5013::IsThisSFD(int part) const
{
    switch (part) {
    case 0:
        return HaveRentalIncome();
    case 1:
        return HaveBusinessIncome() || HaveProfessionalIncome() || HaveCommissionIncome();
    case 2:
        return HaveFarmIncome();
    case 3:
        return HaveFishIncome();
    default:
        return false;
    }
}

int CTaxData_T5013::ConvertToNetfile(int, int part, NetfileGenObjParamStru &param)
{
    if (!IsThisSFD(part))
        return 0;
    // The partnership's share: only the net income of each kind it gives.
    const QList<QPair<int, const CFloatField *>> kinds[] = {
        {{12600, &rentalIncome}},
        {{13500, &businessIncome}, {13700, &professionalIncome}, {13900, &commissionIncome}},
        {{14100, &farmingIncome}},
        {{14300, &fishingIncome}}};
    int written = 0;
    for (const auto &kind : kinds[part]) {
        if (qAbs(double(*kind.second)) >= kAmountTolerance) {
            NETFILE_DOLLAR_VALUE_Func(kind.first, *kind.second, param);
            ++written;
        }
    }
    return written;
}

int CTaxData_T5013::partKind(int part) const
{
    const CIntField *kinds[] = {&partKind1, &partKind2, &partKind3, &partKind4};
    return part >= 1 && part <= kBarcodeParts ? int(*kinds[part - 1]) : -1;
}

void CTaxData_T5013::setPartKind(int part, int kind)
{
    CIntField *kinds[] = {&partKind1, &partKind2, &partKind3, &partKind4};
    if (part >= 1 && part <= kBarcodeParts)
        *kinds[part - 1] = kind;
}

int CTaxData_T5013::GetCountOfBarcodeSFDForms() const
{
    int count = 0;
    for (int part = 1; part <= kBarcodeParts; ++part) {
        const int kind = partKind(part);
        if (kind != -1 && kind != 5)
            ++count;
    }
    return count;
}

int CTaxData_T5013::WriteFreeData(int, int part, NetfileGenObjParamStru &param)
{
    // The net income of the part's kind, by the kind numbering of partKind.
    const struct
    {
        int kind;
        int code;
        const CFloatField &net;
    } kinds[] = {{0, 12600, rentalIncome},   {1, 13700, professionalIncome},
                 {2, 13500, businessIncome}, {3, 13900, commissionIncome},
                 {4, 14100, farmingIncome},  {6, 14300, fishingIncome}};
    const int kind = partKind(part);
    for (const auto &row : kinds) {
        if (row.kind == kind && qAbs(double(row.net)) >= kAmountTolerance) {
            NETFILE_DOLLAR_VALUE_Func(row.code, row.net, param);
            return 1;
        }
    }
    return 0;
}
