// The line records of a person: the form walk, the records derived from the T1, and the
// selected-financial-data records of the statements.
#include "efile/NetfileLineRecords.h"

#include "efile/CNetfileGenObj.h"
#include "marrow/BusinessForms.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"
#include "ordane/XmlWriters.h"

#include <cmath>

namespace {

// An amount of at least one dollar.
constexpr double kOneDollar = 0.99999999;

// The 24 income codes whose presence means the return has income.
constexpr int kIncomeCodes[] = {10100, 10400, 11300, 11400, 11500, 11600, 11700, 11900,
                                12000, 12100, 12200, 12500, 12600, 12700, 12800, 12900,
                                13000, 13010, 13500, 13700, 13900, 14100, 14300, 14700};
// Codes that make a person without a spouse report 55220.
constexpr int kSingleCodes[] = {30300, 52300, 52630, 52670, 53680, 55370, 55380,
                                58120, 60900, 61580, 61880, 61970, 9918};

bool present(double amount)
{
    return qAbs(amount) >= kAmountTolerance;
}

const char kSfdRecord[] = "sfd:SelectedFinancialData";

// One statement's record: its line records between the record's tags.
void writeSfdRecord(CTaxData_Form &form, int edition, NetfileGenObjParamStru &param)
{
    writeXMLOpenTagString(*param.output, kSfdRecord);
    form.writeEfileRecords(edition, param);
    writeXMLCloseTagString(*param.output, kSfdRecord);
}

// The class a financial-data record is written for, by form type; null for the others.
bool isStatementOfType(const CTaxData_Form *form, int type)
{
    switch (type) {
    case FormType::T2125:
    case FormType::T2125C:
        return dynamic_cast<const TaxData_T2125_New *>(form);
    case FormType::T776:
        return dynamic_cast<const TaxData_T776New *>(form);
    case FormType::T2121:
        return dynamic_cast<const TaxData_T2121New *>(form);
    case FormType::T2042:
        return dynamic_cast<const TaxData_T2042New *>(form);
    case FormType::T1163:
        return dynamic_cast<const TaxData_T1163New *>(form);
    case FormType::T777:
        return dynamic_cast<const TaxData_T777New *>(form);
    case FormType::TL2:
        return dynamic_cast<const TaxData_TL2_New *>(form);
    default:
        return false;
    }
}

} // namespace

bool hasAnyFieldCode(const NetfileCodeMap &codes, const int *list, int count)
{
    if (count <= 0 || codes.isEmpty())
        return false;
    for (int i = 0; i < count; ++i) {
        if (codes.contains(list[i]))
            return true;
    }
    return false;
}

bool hasAnyFieldCode(const NetfileCodeMap &codes, std::initializer_list<int> list)
{
    return hasAnyFieldCode(codes, list.begin(), int(list.size()));
}

void IndividualTaxData::generateNetfileRecords(int edition, NetfileGenObjParamStru &param)
{
    CNetfileGenObj walker;
    enumForms(walker, &param);

    TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    const NetfileCodeMap noCodes;
    const NetfileCodeMap &codes = param.codes ? *param.codes : noCodes;
    // The value map serves the barcode archive of a save: it must leave the return as it is.
    const bool xml = param.outputKind == NetfileGenObjParamStru::OutputXml;
    if (xml)
        t1->sch8Marker = -1;

    // Schedule 8 indicators.
    const bool sch8Triggered = t1->f22200 >= kAmountTolerance || t1->f31000 >= kAmountTolerance;
    if (sch8Triggered && !hasForm(FormType::SCH8) && !hasForm(FormType::RC381)) {
        if (t1->sch8Flag) {
            NETFILE_DOLLAR_VALUE_Func(50329, 1, param);
            NETFILE_DOLLAR_VALUE_Func(50330, 1, param);
        }
        if (xml)
            t1->sch8Marker = 8;
        NETFILE_DOLLAR_VALUE_Func(50340, 1, param);
        NETFILE_DOLLAR_VALUE_Func(50339, 1, param);
    }

    // Self-employment pairs, gross then net.
    const struct
    {
        bool has;
        int grossCode;
        const CFloatField &gross;
        int netCode;
        const CFloatField &net;
    } pairs[] = {
        {hasRentalIncome(), 12599, t1->grossRentalIncome, 12600, t1->f12600},
        {hasBusinessIncome(), 13499, t1->f13499, 13500, t1->f13500},
        {hasFishingIncome(), 14299, t1->f14299, 14300, t1->f14300},
        {hasFarmingIncome(), 14099, t1->f14099, 14100, t1->f14100},
        {hasCommissionIncome(), 13899, t1->f13899, 13900, t1->f13900},
        {hasProfessionalIncome(), 13699, t1->f13699, 13700, t1->f13700},
    };
    for (const auto &pair : pairs) {
        if (!pair.has)
            continue;
        NETFILE_DOLLAR_FIELD_IFZEROTHENONE_Func(pair.grossCode, pair.gross, param);
        NETFILE_DOLLAR_FIELD_IFZEROTHENONE_Func(pair.netCode, pair.net, param);
    }

    // Nil income.
    if (!present(t1->f15000) && !hasAnyFieldCode(codes, kIncomeCodes, int(std::size(kIncomeCodes))))
        NETFILE_NUMERIC_VALUE_Func(9915, 1, param);

    bool wrote55220 = false;
    if (t1->HasSpouse()) {
        if (hasAnyFieldCode(codes, {30400, 58160}))
            NETFILE_NUMERIC_VALUE_Func(55290, 1, param);
    } else {
        if (t1->selfEmployedDeadline ||
            hasAnyFieldCode(codes, kSingleCodes, int(std::size(kSingleCodes)))) {
            NETFILE_NUMERIC_VALUE_Func(55220, 1, param);
            wrote55220 = true;
        }
        if (hasAnyFieldCode(codes, {32600, 58640, 68020}))
            NETFILE_NUMERIC_VALUE_Func(57730, 1, param);
    }

    // Capital gains.
    if (present(t1->f12700) && !hasAnyFieldCode(codes, {12700}))
        NETFILE_DOLLAR_FIELD_IFZEROTHENONE_Func(12700, t1->f12700, param);

    // Schedule 6.
    auto *sch6 = formOf<TaxData_Sch6>(*this, FormType::SCH6);
    if (!wrote55220 && sch6 && sch6->isFirstPartInNetfile() && t1->maritalStatus == 2 &&
        sch6->noEligibleSpouse == 0)
        NETFILE_NUMERIC_VALUE_Func(55220, 1, param);

    // Field 55320.
    if (present(t1->cwbAmount)) {
        const bool spouseClaim = sch6 && t1->cwbEligibleSpouseFlag && sch6->partnerAnswer != 0;
        NETFILE_DOLLAR_VALUE_Func(55320, spouseClaim ? 1.0 : double(t1->f55320), param);
    } else if (present(t1->cwbDisabilitySupplement)) {
        NETFILE_DOLLAR_VALUE_Func(55320, t1->f55320, param);
    }

    if (hasForm(FormType::T778) && t1->f21400 >= kAmountTolerance)
        NETFILE_DOLLAR_VALUE_Func(55300, getT778Amount(), param);

    if (!hasForm(FormType::T5004))
        NETFILE_DOLLAR_VALUE_Func(67650, t1->support67650, param);

    // Minimum-tax supports, unless the T691 writes them.
    if (!hasForm(FormType::T691)) {
        NETFILE_DOLLAR_VALUE_Func(67830, t1->support67830, param);
        const bool carryingCharges = t1->f22100 > kOneDollar;
        if (carryingCharges)
            NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(67924, t1->support67924, param);
        if (t1->f22900 > kOneDollar)
            NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(67926, t1->support67926, param);
        bool deductions = carryingCharges;
        for (int i = 0; i < 5; ++i)
            deductions = deductions || t1->minimumTaxDeduction(i) >= kAmountTolerance;
        const auto writer =
            deductions ? NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func : NETFILE_DOLLAR_VALUE_Func;
        writer(67820, t1->support67820, param);
        writer(67860, t1->support67860, param);
        (carryingCharges ? NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func
                         : NETFILE_DOLLAR_VALUE_Func)(67840, t1->support67840, param);
        NETFILE_DOLLAR_VALUE_Func(67910, t1->support67910 + t1->support67910b, param);
    }

    if (!hasForm(FormType::T936)) {
        NETFILE_DOLLAR_VALUE_Func(68080, t1->support68080, param);
        NETFILE_DOLLAR_VALUE_Func(68100, t1->support68100, param);
        NETFILE_DOLLAR_VALUE_Func(68110, t1->support68110, param);
    }

    // Farming loss, whole dollars without the sign.
    if (hasFarmingIncome() && t1->farmingLossFlag && t1->f54950 < 0)
        NETFILE_DOLLAR_VALUE_Func(54950, qAbs(std::trunc(double(t1->f54950))), param);

    if (edition & 2)
        return;
    int preparer = 1;
    if (hasForm(FormType::RC71))
        preparer = 3;
    else if (t1->preparerIndicator == 1)
        preparer = 2;
    NETFILE_NUMERIC_VALUE_Func(49000, preparer, param);
}

int IndividualTaxData::makeSFDRecordsXml(int edition, NetfileGenObjParamStru &param)
{
    const int count = countSFDForms();
    if (count < 1 || !param.output)
        return 0;
    writeXMLString(*param.output, "t1:SelectedFinancialDataRecordCount",
                   QString::asprintf("%02d", count));
    QList<int> order{FormType::T2125C, FormType::T2125, FormType::T776, FormType::T2121,
                     FormType::T2042,  FormType::T1163, FormType::T5013};
    const TaxData_T1New *t1 = t1Form();
    if (t1 && t1->f22900 >= kAmountTolerance)
        order << FormType::T777 << FormType::TL2;
    int written = 0;
    for (int type : order) {
        for (TaxDataEntryStru *entry : m_formList) {
            if (entry->type != type || !entry->data)
                continue;
            if (auto *t5013 = dynamic_cast<CTaxData_T5013 *>(entry->data)) {
                for (int part = 0; part < 4; ++part) {
                    if (!t5013->IsThisSFD(part))
                        continue;
                    writeXMLOpenTagString(*param.output, kSfdRecord);
                    t5013->ConvertToNetfile(edition, part, param);
                    writeXMLCloseTagString(*param.output, kSfdRecord);
                    ++written;
                }
            } else if (isStatementOfType(entry->data, type)) {
                writeSfdRecord(*entry->data, edition, param);
                ++written;
            }
        }
    }
    return written;
}

int IndividualTaxData::makeSFDWrapperXml(int edition, NetfileGenObjParamStru &param)
{
    if (!param.output)
        return 0;
    int written = 0;
    for (TaxDataEntryStru *entry : m_formList) {
        if (entry->type != FormType::T2091WS && entry->type != FormType::T2091)
            continue;
        if (!dynamic_cast<TaxData_T2091 *>(entry->data))
            continue;
        writeSfdRecord(*entry->data, edition, param);
        ++written;
    }
    return written;
}
