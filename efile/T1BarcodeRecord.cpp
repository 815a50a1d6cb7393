// The T1 barcode record: its items, how the person's T1 fills them, and the T1 block.
#include "efile/T1BarcodeRecord.h"

#include "app/TabWndApp.h"
#include "efile/ReturnXml.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1New.h"
#include "model/IndividualTaxData.h"
#include "ordane/FilingFormats.h"

#include <cmath>

namespace {

// The record's items in output order; the comments name what fills them.
constexpr FixedBarcodeItemSpec kT1Items[T1ReturnBarcodeFixedData::kItems] = {
    {2, "01"},        // 1 record kind
    {4, "2025"},      // 2 tax year
    {8, "00000000"},  // 3
    {9, nullptr},     // 4 S.I.N.
    {8, nullptr},     // 5 birth date
    {2, nullptr},     // 6 province
    {2, nullptr},     // 7 province again
    {1, nullptr},     // 8 marital status
    {9, nullptr},     // 9 spouse S.I.N.
    {4, "    "},      // 10 spouse given name
    {30, nullptr},    // 11 given name
    {30, nullptr},    // 12 family name
    {26, nullptr},    // 13
    {60, nullptr},    // 14 street line
    {50, nullptr},    // 15 city
    {2, nullptr},     // 16 mailing province
    {6, nullptr},     // 17 postal code
    {75, nullptr},    // 18 e-mail
    {8, "00000000"},  // 19 date of move
    {1, "0"},         // 20 home address same as mailing
    {10, nullptr},    // 21 telephone
    {1, nullptr},     // 22 language
    {9, "000000000"}, // 23 spouse net income
    {9, "000000000"}, // 24 spouse child care benefit
    {9, "000000000"}, // 25 its repayment
    {1, "0"},         // 26 deceased
    {8, "00000000"},  // 27 date of death
    {1, "0"},         // 28 bankrupt
    {9, "000000000"}, // 29 net income after bankruptcy
    {9, "000000000"}, // 30 further bankruptcy amount
    {2, nullptr},     // 31 number of statements
    {3, nullptr},     // 32 software code (set by the constructor)
    {1, "G"},         // 33
    {37, nullptr},    // 34
    {8, "20260303"},  // 35
    {1, nullptr},     // 36 spouse self-employed
    {1, "0"},         // 37 citizenship
    {2, "00"},        // 38 Elections Canada
    {1, "0"},         // 39 settlement land
    {1, "0"},         // 40 Tlicho land
    {1, "0"},         // 41 Deline land
    {5, "00000"},     // 42 Yukon First Nation
    {1, "0"},         // 43 First Nation identification
    {2, nullptr},     // 44 current residence
    {1, "0"},         // 45 tax-exempt income
    {8, "   00000"},  // 46
    {4, "0000"},      // 47 date of marital-status change
    {1, "0"},         // 48 organ donor
};

QString provinceAbbreviation(int province)
{
    const ProvInfoRow *row = provInfo(province);
    return row ? QString::fromLatin1(row->abbreviation) : QString();
}

// Index 0 gives "1", 1 gives "2"; any other leaves the item as it is.
void setYesNo(FixedBarcodeItem &item, int index)
{
    if (index == 0 || index == 1)
        item.SetValue(QString::number(index + 1));
}

// Amounts held in the int range before they are printed as 32-bit integers.
int truncatedToInt(double x)
{
    const double whole = std::trunc(x);
    if (std::isnan(whole))
        return 0;
    return int(qBound(-2147483648.0, whole, 2147483647.0));
}

QString paddedNumber(int value)
{
    return QString::asprintf("%09d", value);
}

// Appends a blank unless the line is empty, after trimming its trailing blanks.
void joinWithBlank(QString &line)
{
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    if (!line.isEmpty())
        line += QLatin1Char(' ');
}

QByteArray valueText(qint32 code, const NetfileTaggedValue &value)
{
    switch (value.tag) {
    case NetfileTaggedValue::WholeDollars:
        if (value.amount >= 0)
            return QByteArray::number(code) + QByteArray::number(truncatedToInt(value.amount));
        return QByteArray::number(code) + '&' + QByteArray::number(truncatedToInt(-value.amount));
    case NetfileTaggedValue::Cents:
        if (value.amount >= 0) {
            return QByteArray::number(code) +
                   QByteArray::number(truncatedToInt((value.amount + 0.0049) * 100));
        }
        return QByteArray::number(code) + '&' +
               QByteArray::number(truncatedToInt((value.amount - 0.0049) * -100));
    case NetfileTaggedValue::Integer:
        return QByteArray::number(code) + QByteArray::number(value.integer);
    case NetfileTaggedValue::Text:
        return QByteArray::number(code) + value.text;
    default:
        return QByteArray();
    }
}

} // namespace

T1ReturnBarcodeFixedData::T1ReturnBarcodeFixedData(const QString &softwareCode)
{
    makeItems(kT1Items);
    item(32).SetValue(softwareCode);
}

void appendBarcodeValues(CMemoryBlock &block,
                         const std::function<void(NetfileGenObjParamStru &)> &write)
{
    CString unused; // the value-map kind writes no text
    int counter = 0;
    NetfileCodeMap codes;
    NetfileGenObjParamStru param;
    param.edition = 2;
    param.outputKind = NetfileGenObjParamStru::OutputValueMap;
    param.output = &unused;
    param.counter = &counter;
    param.codes = &codes;
    write(param);
    writeBarcodeValueMap(codes, block);
    block.Append("-EOD", 4);
}

void writeBarcodeValueMap(const NetfileCodeMap &codes, CMemoryBlock &block)
{
    bool first = true;
    for (auto it = codes.constBegin(); it != codes.constEnd(); ++it) {
        if (!first)
            block.Append("-", 1);
        first = false;
        block.Append(valueText(it.key(), it.value()));
    }
}

void IndividualTaxData::fillT1BarcodeFixedData(T1ReturnBarcodeFixedData &record)
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    auto at = [&record](int n) -> FixedBarcodeItem & { return record.item(n); };

    at(3).SetAllCharsTo('0');
    at(4).SetValueLeftPadding(t1->sin.value());
    at(5).SetValue(GetDateStr(t1->birthDate.date(), 1));
    at(6).SetValue(provinceAbbreviation(m_province));
    at(7).SetValue(provinceAbbreviation(m_province));
    at(8).SetValue(QString::asprintf("%1d", int(t1->maritalStatus) + 1));
    if (hasSpouseData()) {
        // The record carries the number without blanks; the T1 keeps it as it was typed.
        QString spouseSin = t1->spouseSin.value();
        spouseSin.remove(QLatin1Char(' '));
        at(9).SetValueLeftPadding(spouseSin);
        at(10).SetValueRightPadding(t1->spouseFirstName.value());
    } else {
        at(9).SetAllCharsTo('0');
        at(10).SetAllCharsTo(' ');
    }
    at(11).SetValueRightPadding(t1->firstName.value());
    at(12).SetValueRightPadding(t1->lastName.value());
    at(13).SetAllCharsTo(' ');

    QString street = t1->street.value();
    if (!t1->street2.value().isEmpty()) {
        joinWithBlank(street);
        street += t1->street2.value();
    }
    if (!t1->ruralRoute.value().isEmpty()) {
        joinWithBlank(street);
        street += QStringLiteral("RR ") + t1->ruralRoute.value();
    }
    at(14).SetValueRightPadding(street);
    at(15).SetValueRightPadding(t1->city.value());
    const int mailing = t1->mailingProvince;
    if (!t1->foreignAddress && mailing >= 1 && mailing <= 13)
        at(16).SetValue(provinceAbbreviation(mailing));
    else
        at(16).SetAllCharsTo(' ');
    at(17).SetValueRightPadding(GetRawPostcode(t1->postalCode.value()));
    at(18).SetValueRightPadding(t1->email.value());
    if (t1->dateOfMove.IsValid())
        at(19).SetValue(GetDateStr(t1->dateOfMove.date(), 1));
    const int homeSame = t1->homeAddressSame;
    at(20).SetValue(homeSame == 0 ? "1" : homeSame == 1 ? "2" : "0");
    if (t1->phone.value().isEmpty())
        at(21).SetAllCharsTo('0');
    else
        at(21).SetValue(GetRawPhoneStr(t1->phone.value(), true));
    at(22).SetValue(QString::asprintf("%1d", int(t1->language) + 1));

    const bool canClaimSpouse = t1->CanClaimSpouse();
    const std::pair<int, const CFloatField *> spouseAmounts[] = {
        {23, &t1->spouseNetIncome}, {24, &t1->spouseUccbAmount}, {25, &t1->spouseUccbRepayment}};
    for (const auto &amount : spouseAmounts) {
        if (canClaimSpouse)
            at(amount.first).SetValueLeftPadding(paddedNumber(truncatedToInt(*amount.second)));
        else
            at(amount.first).SetAllCharsTo('0');
    }

    if (t1->KnowDeceasedDate()) {
        const QDate death = t1->deathDate.date();
        at(26).SetValue("1");
        at(27).SetValue(
            QString::asprintf("%04d%02d%02d", death.year(), death.month(), death.day()));
    }
    if (t1->IsBankrupt()) {
        at(28).SetValue("1");
        at(29).SetValueLeftPadding(paddedNumber(roundBankruptcyAmount(t1->postBankruptNetIncome)));
        if (m_province == 3) {
            at(30).SetValueLeftPadding(
                paddedNumber(roundBankruptcyAmount(t1->postBankruptAdjustedNetIncome)));
        }
    }
    at(31).SetValue(QString::asprintf("%02d", countSFDForms()));
    at(34).SetAllCharsTo(' ');
    at(36).SetValue(canClaimSpouse && t1->selfEmployedDeadline ? "1" : "0");
    const int citizen = t1->citizen;
    at(37).SetValue(citizen == 0 ? "1" : citizen == 1 ? "2" : "0");
    const int elections = t1->elecanauth;
    if (elections == 0 || elections == 1)
        at(38).SetValue(elections == 0 ? "01" : "02");
    else
        at(38).SetAllCharsTo('0');

    // Settlement land: the answers of the territory's questions.
    at(39).SetValue("0");
    at(40).SetValue("0");
    at(41).SetValue("0");
    at(42).SetAllCharsTo('0');
    if (t1->getMainTaxProvince() == 13) {
        // A Yukon First Nation is selected when its settlement number is there.
        if (!t1->yukonFirstNation.IsEmptyIfRemoveBlank()) {
            at(39).SetValue("1");
            at(42).SetValue(t1->yukonFirstNation.value());
            setYesNo(at(43), t1->firstNationId);
        } else {
            at(42).SetAllCharsTo('0');
            if (t1->settlementLand == 1)
                at(39).SetValue("2");
        }
    } else if (m_province == 7) {
        setYesNo(at(40), t1->tlichoLand);
        if (t1->delineLand == 0) {
            at(41).SetValue("1");
            setYesNo(at(43), t1->delineId);
        } else if (t1->delineLand == 1) {
            at(41).SetValue("2");
        }
    } else if (m_province == 5) {
        setYesNo(at(39), t1->aboriginalLand);
    }

    const int residence = t1->currentResidenceProvince;
    if (residence != 0)
        at(44).SetValue(provinceAbbreviation(residence));
    else
        at(44).SetAllCharsTo(' ');
    if (t1->taxExemptFlag != 0)
        at(45).SetValue("1");
    if (t1->maritalChange != 0)
        at(47).SetValue(FormatQDate(t1->maritalChangeDate.date(), 7));
    if (t1->isDonorInfoNeeded())
        at(48).SetValue(t1->organDonor == 0 ? "1" : "2");
}

void IndividualTaxData::writeT1BarcodeBlock(CMemoryBlock &block)
{
    if (!t1Form())
        return;
    const TabWndApp *app = appInstance();
    T1ReturnBarcodeFixedData record(app ? QString(app->config.NetfileSoftwareCode) : QString());
    fillT1BarcodeFixedData(record);
    record.OutputToMemoryBlock(block);
    appendBarcodeValues(
        block, [this](NetfileGenObjParamStru &param) { generateNetfileRecords(2, param); });
}
